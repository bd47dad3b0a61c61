#pragma once
// Which font file a logical font record stands for: "宋体", its relatives and the default GUI
// font are AR PL UMing CN, from its package's file when it is there and through fontconfig
// otherwise; every other face is fontconfig's best match.
#include <string>

#include "desktop/text/font.h"

namespace desktop {

struct FontSource {
  std::string path;
  int index = 0;
  bool song = false;             // the UMing Song face: cell height = pixel size, bitmap strikes
  bool synthetic_bold = false;   // bold asked for, the face found is not bold
  bool synthetic_italic = false; // italic asked for, the face found is upright
};

// The face name of a record as GBK bytes, up to its terminating zero (at most 32 bytes).
std::string FaceNameOf(const LogFont& lf);
// True for the names that mean the Song face: "宋体", "新宋体", SimSun, NSimSun, the dialog font
// names and the empty name (the system's own choice, which for this Chinese program is Song).
bool IsSongFaceName(const std::string& gbk_face_name);
// True when the face at path and index is AR PL UMing CN, the Song face.
bool IsSongFaceFile(const std::string& path, int index);
// False when nothing can be found (no fontconfig, no font file).
bool MatchFont(const LogFont& lf, int pixel_size, FontSource* out);

}  // namespace desktop

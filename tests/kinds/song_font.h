#pragma once
// The stored font of the window's text controls: 宋体 of a given character height.
#include <cstring>

#include "desktop/text/font.h"

namespace kinds_test {

inline desktop::LogFont SongTi(int height) {
  desktop::LogFont lf;
  lf.height = height;
  lf.weight = 400;
  lf.char_set = 134;
  lf.out_precision = 3;
  lf.clip_precision = 2;
  lf.quality = 1;
  lf.pitch_and_family = 2;
  std::memcpy(lf.face_name, "\xCB\xCE\xCC\xE5", 5);  // 宋体
  return lf;
}

}  // namespace kinds_test

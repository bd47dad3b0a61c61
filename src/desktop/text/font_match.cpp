#include "desktop/text/font_match.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "desktop/text/freetype_faces.h"
#include "desktop/text/gbk.h"

namespace desktop {

namespace {

constexpr const char* kSongFamily = "AR PL UMing CN";
// fonts-arphic-uming's file; its first face is AR PL UMing CN.
constexpr const char* kSongPackageFile = "/usr/share/fonts/truetype/arphic/uming.ttc";

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

bool EqualsIgnoringAsciiCase(const std::string& a, const char* b) {
  const size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool FontconfigReady() {
  static const bool ready = [] {
    if (FcInit() != FcTrue) return false;
    // Fontconfig keeps its parsed configuration until told to let go; nothing of it is held
    // past a match, so it can go at exit.
    std::atexit(FcFini);
    return true;
  }();
  return ready;
}

// The best match of a pattern after the configuration's substitutions; null when none.
PatternPtr BestMatch(FcPattern* pattern) {
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  return PatternPtr(FcFontMatch(nullptr, pattern, &result));
}

bool IsSongFamily(const FcPattern* match) {
  FcChar8* family = nullptr;
  if (FcPatternGetString(match, FC_FAMILY, 0, &family) != FcResultMatch || !family) return false;
  return std::strncmp(reinterpret_cast<const char*>(family), "AR PL UMing", 11) == 0;
}

bool ReadSource(const FcPattern* match, FontSource* out) {
  FcChar8* file = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch || !file) return false;
  int index = 0;
  FcPatternGetInteger(match, FC_INDEX, 0, &index);
  out->path = reinterpret_cast<const char*>(file);
  out->index = index;
  out->song = IsSongFamily(match);
  return true;
}

// Where the Song face is, and the face itself, open for the life of the process: every font of the
// program uses it.
struct SongFace {
  FontSource source;
  std::shared_ptr<FreeTypeFace> face;
};

// The face at path and index when it is AR PL UMing CN; null otherwise.
std::shared_ptr<FreeTypeFace> OpenIfSongFace(const std::string& path, int index) {
  std::shared_ptr<FreeTypeFace> face = FreeTypeFace::Open(path, index);
  if (!face) return nullptr;
  const char* family = face->face()->family_name;
  return family != nullptr && std::strcmp(family, kSongFamily) == 0 ? face : nullptr;
}

SongFace FindSongFace() {
  SongFace song;
  song.source.path = kSongPackageFile;
  song.source.index = 0;
  song.source.song = true;
  // Where its package puts it, the face is taken without fontconfig: reading fontconfig's
  // configuration takes longer than building and drawing the whole main window, and the
  // window's fonts are all this face.
  song.face = OpenIfSongFace(song.source.path, song.source.index);
  if (song.face) return song;
  if (FontconfigReady()) {
    PatternPtr pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(kSongFamily));
    PatternPtr match = BestMatch(pattern.get());
    FontSource found;
    if (match && IsSongFamily(match.get()) && ReadSource(match.get(), &found)) {
      song.source = found;
      song.face = FreeTypeFace::Open(found.path, found.index);
    }
  }
  return song;
}

bool MatchSong(FontSource* out) {
  // The configuration does not change while the program runs: one look-up serves every font.
  static const SongFace song = FindSongFace();
  *out = song.source;
  return true;
}

}  // namespace

bool IsSongFaceFile(const std::string& path, int index) { return OpenIfSongFace(path, index) != nullptr; }

std::string FaceNameOf(const LogFont& lf) {
  const size_t n = std::find(std::begin(lf.face_name), std::end(lf.face_name), '\0') - std::begin(lf.face_name);
  return std::string(lf.face_name, n);
}

bool IsSongFaceName(const std::string& name) {
  static const std::array<const char*, 8> kNames = {
      "",
      "\xCB\xCE\xCC\xE5",          // 宋体
      "\xD0\xC2\xCB\xCE\xCC\xE5",  // 新宋体
      "SimSun", "NSimSun", "MS Shell Dlg", "MS Shell Dlg 2", "System",
  };
  return std::any_of(kNames.begin(), kNames.end(), [&](const char* k) { return EqualsIgnoringAsciiCase(name, k); });
}

bool MatchFont(const LogFont& lf, int pixel_size, FontSource* out) {
  *out = FontSource{};
  const bool bold = lf.weight >= 600;
  const bool italic = lf.italic != 0;
  const std::string face = FaceNameOf(lf);
  bool found = false;
  if (IsSongFaceName(face)) {
    found = MatchSong(out);
  } else if (FontconfigReady()) {
    PatternPtr pattern(FcPatternCreate());
    const std::string family = GbkToUtf8(face);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddDouble(pattern.get(), FC_PIXEL_SIZE, pixel_size);
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(lf.weight > 0 ? lf.weight : 400));
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    if (lf.char_set == 134 || lf.char_set == 136) {  // GB2312 / Big5: ask for Chinese coverage
      FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>("zh-cn"));
    }
    PatternPtr match = BestMatch(pattern.get());
    found = match && ReadSource(match.get(), out);
    if (found) {
      int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
      FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &weight);
      FcPatternGetInteger(match.get(), FC_SLANT, 0, &slant);
      out->synthetic_bold = bold && weight < FC_WEIGHT_DEMIBOLD;
      out->synthetic_italic = italic && slant == FC_SLANT_ROMAN;
      return true;
    }
  }
  if (!found) return false;
  // The Song face has one weight and no italic: both are made from it.
  out->synthetic_bold = bold;
  out->synthetic_italic = italic;
  return true;
}

}  // namespace desktop

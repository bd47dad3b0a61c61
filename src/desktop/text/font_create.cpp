// Font::Create and the default GUI font. Fonts are kept by their record, so a control that makes
// the same font again (every label of a page does) gets the one already made, glyph cache and all.
#include <cstring>
#include <map>
#include <string>

#include "desktop/text/blank_font.h"
#include "desktop/text/font_match.h"
#include "desktop/text/freetype_font.h"

namespace desktop {

namespace {

constexpr size_t kMaxCachedFonts = 256;

// The fields that change what is drawn, as bytes: the leftovers after the face name's
// terminating zero, the fields this engine does not use (escapement, orientation, precisions,
// quality, pitch and family) and, for the Song face, the character set are left out, so that
// the controls' copies of a record and the default GUI font share one font and one glyph cache.
std::string CacheKey(const LogFont& lf) {
  LogFont clean;
  clean.height = lf.height;
  clean.width = lf.width;
  clean.weight = lf.weight;
  clean.italic = lf.italic;
  clean.underline = lf.underline;
  clean.strike_out = lf.strike_out;
  const std::string face = FaceNameOf(lf);
  clean.char_set = IsSongFaceName(face) ? 0 : lf.char_set;
  std::memcpy(clean.face_name, face.data(), face.size());
  return std::string(reinterpret_cast<const char*>(&clean), sizeof clean);
}

}  // namespace

std::shared_ptr<Font> Font::Create(const LogFont& lf) {
  static std::map<std::string, std::shared_ptr<Font>> made;  // null entries remember failures
  const std::string key = CacheKey(lf);
  if (auto it = made.find(key); it != made.end()) return it->second;
  std::shared_ptr<Font> font = FreeTypeFont::Make(lf);
  if (made.size() >= kMaxCachedFonts) made.clear();  // fonts in use live on in their owners
  made.emplace(key, font);
  return font;
}

std::shared_ptr<Font> Font::DefaultGui() {
  static const std::shared_ptr<Font> font = [] {
    LogFont lf;
    lf.height = -12;
    lf.weight = 400;
    lf.char_set = 134;
    std::memcpy(lf.face_name, "\xCB\xCE\xCC\xE5", 4);  // 宋体
    std::shared_ptr<Font> f = Create(lf);
    if (!f) {
      std::memcpy(lf.face_name, "sans-serif", 11);
      f = Create(lf);
    }
    // Without any font file the program still lays out and measures text; it draws none.
    if (!f) f = std::make_shared<BlankFont>(12);
    return f;
  }();
  return font;
}

}  // namespace desktop

#include "ui/control_fonts.h"

namespace ui {

namespace {
constexpr std::uint8_t kDefaultCharset = 1;
constexpr std::uint8_t kProofQuality = 2;
}  // namespace

desktop::LogFont ControlFontRecord(const desktop::LogFont& stored) {
  desktop::LogFont copy = stored;
  copy.char_set = kDefaultCharset;
  copy.out_precision = 0;
  copy.clip_precision = 0;
  copy.quality = kProofQuality;
  copy.pitch_and_family = 0;
  return copy;
}

std::shared_ptr<desktop::Font> MakeControlFont(const description::FontField& stored) {
  if (stored) {
    if (auto font = desktop::Font::Create(ControlFontRecord(*stored))) return font;
  }
  return desktop::Font::DefaultGui();
}

}  // namespace ui

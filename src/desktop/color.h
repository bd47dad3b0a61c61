#pragma once
// Colours. The system stores colours as colour references: red in the lowest byte, then green,
// then blue. The canvas holds pixels as 0xAARRGGBB.
#include <cstdint>

namespace desktop {

using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int r, int g, int b) {
  return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(ColorRef c) { return c & 0xFF; }
constexpr int GreenOf(ColorRef c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(ColorRef c) { return (c >> 16) & 0xFF; }

using Pixel = std::uint32_t;  // 0xAARRGGBB
constexpr Pixel ToPixel(ColorRef c) {
  return 0xFF000000u | (static_cast<Pixel>(RedOf(c)) << 16) | (static_cast<Pixel>(GreenOf(c)) << 8) |
         static_cast<Pixel>(BlueOf(c));
}
constexpr ColorRef FromPixel(Pixel p) { return Rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }

// The stored background value that stands for the button-face colour.
constexpr ColorRef kDefaultBackground = 0xFF000000u;

// The classic scheme, no visual themes.
namespace syscolor {
constexpr ColorRef kButtonFace = Rgb(212, 208, 200);
constexpr ColorRef kButtonHighlight = Rgb(255, 255, 255);  // 3-D light edge
constexpr ColorRef kButtonLight = Rgb(212, 208, 200);      // the inner light edge
constexpr ColorRef kButtonShadow = Rgb(128, 128, 128);
constexpr ColorRef kDarkShadow = Rgb(64, 64, 64);
constexpr ColorRef kWindow = Rgb(255, 255, 255);
constexpr ColorRef kWindowText = Rgb(0, 0, 0);
constexpr ColorRef kButtonText = Rgb(0, 0, 0);
constexpr ColorRef kGrayText = Rgb(128, 128, 128);
constexpr ColorRef kHighlight = Rgb(10, 36, 106);
constexpr ColorRef kHighlightText = Rgb(255, 255, 255);
constexpr ColorRef kInfoBackground = Rgb(255, 255, 225);
constexpr ColorRef kInfoText = Rgb(0, 0, 0);
constexpr ColorRef kWindowFrame = Rgb(0, 0, 0);
}  // namespace syscolor

// A stored background colour as it is drawn: the default value means the button face.
constexpr ColorRef ResolveBackground(ColorRef stored) {
  return stored == kDefaultBackground ? syscolor::kButtonFace : stored;
}

}  // namespace desktop

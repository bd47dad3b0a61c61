#include "desktop/cursors/hand_cursor.h"

#include <array>
#include <string_view>

namespace desktop {

namespace {

// 'X' outline, 'o' inside, '.' transparent. The index finger points up; its tip holds the hot spot.
constexpr std::array<std::string_view, 20> kHand = {
    "......XX..........",
    ".....XooX.........",
    ".....XooX.........",
    ".....XooX.........",
    ".....XooX.........",
    ".....XooXXX.......",
    ".....XooXooXXX....",
    ".....XooXooXooXX..",
    ".XXX.XooXooXooXoX.",
    ".XooXXooooooooXooX",
    ".XoooXoooooooooooX",
    "..XooXoooooooooooX",
    "...XoXoooooooooooX",
    "...XooooooooooooX.",
    "....XoooooooooooX.",
    "....XooooooooooX..",
    ".....XoooooooooX..",
    ".....XooooooooX...",
    "......XooooooooX..",
    "......XXXXXXXXXX..",
};

Bitmap DrawHand() {
  Bitmap b;
  b.width = 32;
  b.height = 32;
  b.pixels.assign(32 * 32, 0);
  for (size_t y = 0; y < kHand.size(); ++y)
    for (size_t x = 0; x < kHand[y].size(); ++x) {
      const char c = kHand[y][x];
      if (c == 'X') b.pixels[y * 32 + x] = 0xFF000000u;
      if (c == 'o') b.pixels[y * 32 + x] = 0xFFFFFFFFu;
    }
  return b;
}

}  // namespace

const Bitmap& HandCursorImage() {
  static const Bitmap image = DrawHand();
  return image;
}

}  // namespace desktop

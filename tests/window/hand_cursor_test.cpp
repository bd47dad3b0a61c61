#include "desktop/cursors/hand_cursor.h"

#include <gtest/gtest.h>

namespace desktop {
namespace {

bool Opaque(const Bitmap& b, int x, int y) { return (b.At(x, y) >> 24) != 0; }

TEST(HandCursor, HotSpotSitsOnTheFingertip) {
  const Bitmap& hand = HandCursorImage();
  ASSERT_EQ(hand.width, 32);
  ASSERT_EQ(hand.height, 32);
  EXPECT_TRUE(Opaque(hand, kHandCursorHotSpot.x, kHandCursorHotSpot.y));
  // The highest pixel of the hand is right above the hot spot: the tip of the pointing finger.
  int top = -1;
  for (int y = 0; y < hand.height && top < 0; ++y)
    for (int x = 0; x < hand.width; ++x)
      if (Opaque(hand, x, y)) {
        top = y;
        EXPECT_LE(std::abs(x - kHandCursorHotSpot.x), 1) << "leftmost pixel of the top row at x " << x;
        break;
      }
  EXPECT_EQ(top, kHandCursorHotSpot.y - 1);
}

}  // namespace
}  // namespace desktop

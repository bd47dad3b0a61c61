#pragma once
// Shared expectations for the decoder tests.
#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "desktop/bitmap.h"
#include "picture_fixtures.h"

namespace fixtures {

constexpr desktop::Pixel Opaque(int r, int g, int b) { return desktop::ToPixel(desktop::Rgb(r, g, b)); }

struct PixelAt {
  int x = 0;
  int y = 0;
  desktop::Pixel pixel = 0;
};

inline void ExpectPixels(const desktop::Picture& picture, const std::vector<PixelAt>& expected) {
  for (const PixelAt& e : expected) {
    ASSERT_LT(e.x, picture.image.width);
    ASSERT_LT(e.y, picture.image.height);
    EXPECT_EQ(picture.image.At(e.x, e.y), e.pixel) << "pixel (" << e.x << ", " << e.y << ")";
  }
}

inline std::span<const std::uint8_t> View(const Bytes& b) { return {b.data(), b.size()}; }

}  // namespace fixtures

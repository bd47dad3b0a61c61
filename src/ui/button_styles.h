#pragma once
// The button styles that picture buttons, check boxes and radio buttons share: where the content
// sits across and down the face, and whether a picture replaces the caption.
#include <cstdint>

#include "desktop/bitmap.h"
#include "desktop/window/win_defs.h"

namespace ui {

// Stored alignments: across 0 left, 1 centre, other right; down 0 top, 1 centre, other bottom.
// A valid picture adds the icon style for an icon or cursor file and the bitmap style otherwise.
inline std::uint32_t ButtonContentStyles(std::uint32_t horizontal, std::uint32_t vertical,
                                         const desktop::Picture* picture) {
  using namespace desktop;
  std::uint32_t style = horizontal == 0 ? BS_LEFT : horizontal == 1 ? BS_CENTER : BS_RIGHT;
  style |= vertical == 0 ? BS_TOP : vertical == 1 ? BS_VCENTER : BS_BOTTOM;
  if (picture != nullptr && picture->IsValid()) style |= picture->kind == Picture::Kind::Icon ? BS_ICON : BS_BITMAP;
  return style;
}

}  // namespace ui

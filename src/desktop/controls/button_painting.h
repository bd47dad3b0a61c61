#pragma once
// The classic look of the "BUTTON" class, shared by its kinds: the push-button face in its
// states, the 13 x 13 check mark box, the round radio mark, and the content (caption or picture)
// placed by the alignment styles.
#include <cstdint>
#include <string_view>

#include "desktop/bitmap.h"
#include "desktop/controls/button_base.h"
#include "desktop/drawing/canvas.h"
#include "desktop/text/font.h"

namespace desktop {

constexpr int kCheckMarkSize = 13;
constexpr int kRadioMarkSize = 12;
// Between the mark and the caption.
constexpr int kMarkGap = 4;

enum class FaceState { Raised, Pushed, Checked };

struct FaceLook {
  FaceState state = FaceState::Raised;
  bool is_default = false;  // the extra one-pixel black frame
  bool flat = false;        // a one-pixel frame instead of the 3-D edges
};

// Draws a push-button face over the whole of `r` and answers the area inside its edges, where the
// content goes (not yet moved for the pushed look).
Rect DrawButtonFace(Canvas& canvas, const Rect& r, const FaceLook& look);
// The focus rectangle of a push-button face drawn with `look` over `r`.
Rect FaceFocusRect(const Rect& r, const FaceLook& look);

// Where content of `size` sits inside `area` (it may stick out when larger).
Rect AlignIn(const Rect& area, Size size, HAlign h, VAlign v);

// Draws a caption in `area`: one line, or wrapped with BS_MULTILINE; across by `h`, up and down by
// `v`. Disabled text is embossed. Answers the extent of the text.
Rect DrawButtonCaption(Canvas& canvas, const Font& font, std::string_view text_gbk, const Rect& area,
                       std::uint32_t style, HAlign h, VAlign v, ColorRef color, bool enabled);
// The extent the caption would take, without drawing.
Rect MeasureButtonCaption(const Font& font, std::string_view text_gbk, const Rect& area, std::uint32_t style,
                          HAlign h, VAlign v);
// Draws a picture aligned in `area` and cut to it; greyed and embossed when disabled. Answers its place.
Rect DrawButtonImage(Canvas& canvas, const Picture& picture, const Rect& area, HAlign h, VAlign v, bool enabled);

struct MarkLook {
  bool checked = false;
  bool pushed = false;   // held down: the inside turns to the face colour
  bool enabled = true;
  bool flat = false;     // a one-pixel frame instead of the sunken edges
};
// The check box mark with its top-left corner at `at`.
void DrawCheckMark(Canvas& canvas, Point at, const MarkLook& look);
// The radio mark with its top-left corner at `at`.
void DrawRadioMark(Canvas& canvas, Point at, const MarkLook& look);

}  // namespace desktop

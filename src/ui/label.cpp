#include "ui/label.h"

#include <algorithm>
#include <vector>

#include "desktop/pictures/picture.h"
#include "ui/border_styles.h"
#include "ui/control_fonts.h"
#include "ui/description/reader.h"
#include "ui/description/stored_form.h"

namespace ui {

using namespace desktop;
using description::LabelData;

namespace {

constexpr std::uint32_t kGradientFrameBorder = 6;
constexpr ColorRef kLeftOut = 0xFF000000u;  // a gradient colour of this value is not used
constexpr ColorRef kEffectWhite = Rgb(255, 255, 255);
constexpr ColorRef kEffectBlack = Rgb(0, 0, 0);

std::vector<ColorRef> GradientStops(const std::array<ColorRef, 3>& colours) {
  std::vector<ColorRef> stops;
  for (ColorRef c : colours)
    if (c != kLeftOut) stops.push_back(c);
  return stops;
}

int Mix(int a, int b, int num, int den) { return a + (b - a) * num / den; }

// The colour at step `i` of `n` steps running evenly through the stops.
ColorRef ColourAlong(const std::vector<ColorRef>& stops, int i, int n) {
  if (stops.size() == 1 || n <= 1) return stops.front();
  const int segments = static_cast<int>(stops.size()) - 1;
  const int scaled = i * segments;  // position in units of 1/(n-1) segments
  const int den = n - 1;
  const int seg = std::min(scaled / den, segments - 1);
  const int num = scaled - seg * den;
  const ColorRef a = stops[seg];
  const ColorRef b = stops[seg + 1];
  return Rgb(Mix(RedOf(a), RedOf(b), num, den), Mix(GreenOf(a), GreenOf(b), num, den),
             Mix(BlueOf(a), BlueOf(b), num, den));
}

}  // namespace

LabelWindow::LabelWindow(LabelData data) : data_(std::move(data)) {}

const WindowClass& LabelWindow::Class() const {
  static const WindowClass kClass{.name = "ShopAssistLabel",
                                  .cursor = CursorShape::Arrow,
                                  .double_clicks = true,
                                  .redraw_on_resize = true,
                                  .has_background = false};
  return kClass;
}

bool LabelWindow::OnCreate() {
  font_ = MakeControlFont(data_.font);
  if (!data_.picture.empty()) {
    picture_ = DecodePicture(data_.picture);
    if (!picture_.IsValid()) picture_ = {};  // an unreadable picture is dropped
  }
  return true;
}

unsigned LabelWindow::TextFlags(const LabelData& data) {
  unsigned flags = DT_NOCLIP;
  switch (data.horizontal_alignment) {
    case 1: flags |= DT_CENTER; break;
    case 2: flags |= DT_RIGHT; break;
    default: flags |= DT_LEFT; break;
  }
  if (data.word_wrap == 1) return flags | DT_WORDBREAK;
  flags |= DT_SINGLELINE;
  switch (data.vertical_alignment) {
    case 1: flags |= DT_VCENTER; break;
    case 2: flags |= DT_BOTTOM; break;
    default: flags |= DT_TOP; break;
  }
  return flags;
}

Rect LabelWindow::DrawingRect() const {
  Rect r = ClientRect();
  if (data_.border != kGradientFrameBorder) return r;
  const int w = static_cast<int>(std::min<std::uint32_t>(data_.gradient_border_width, 0x7FFF));
  r = r.Inflate(-w, -w);
  if (r.IsEmpty()) return {};
  return r;
}

void LabelWindow::OnPaint(Canvas& canvas, const Region& update) {
  if (update.IsEmpty()) return;
  if (data_.border == kGradientFrameBorder) PaintGradientFrame(canvas);

  const Rect area = DrawingRect();
  if (area.IsEmpty()) return;
  canvas.IntersectClip(area);
  PaintBackground(canvas, area);
  PaintPicture(canvas, area);
  PaintText(canvas, area);
}

// Rings from the outside in, the colour running through the frame colours across its width.
void LabelWindow::PaintGradientFrame(Canvas& canvas) const {
  const std::vector<ColorRef> stops = GradientStops(data_.gradient_border_colours);
  if (stops.empty()) return;
  const Rect client = ClientRect();
  const int width = static_cast<int>(std::min<std::uint32_t>(data_.gradient_border_width, 0x7FFF));
  for (int i = 0; i < width; ++i) {
    const Rect ring = client.Inflate(-i, -i);
    if (ring.IsEmpty()) break;
    canvas.FrameRect(ring, ColourAlong(stops, i, width));
  }
}

void LabelWindow::PaintBackground(Canvas& canvas, const Rect& area) const {
  const std::vector<ColorRef> stops = GradientStops(data_.gradient_background_colours);
  if (data_.gradient_background_mode == 0 || stops.empty()) {
    canvas.FillRect(area, ResolveBackground(data_.background_colour));
    return;
  }
  // A vertical gradient through the background colours, one row at a time.
  const int rows = area.Height();
  for (int y = 0; y < rows; ++y)
    canvas.FillRect({area.left, area.top + y, area.right, area.top + y + 1}, ColourAlong(stops, y, rows));
}

void LabelWindow::PaintPicture(Canvas& canvas, const Rect& area) const {
  if (!picture_.IsValid()) return;
  const Bitmap& image = picture_.image;
  switch (data_.picture_mode) {
    case 0:
      canvas.DrawBitmap(area.TopLeft(), image);
      break;
    case 1:
      for (int y = area.top; y < area.bottom; y += image.height)
        for (int x = area.left; x < area.right; x += image.width) canvas.DrawBitmap({x, y}, image);
      break;
    case 2: {
      int w = image.width;
      int h = image.height;
      if (w > area.Width() || h > area.Height()) {
        // Shrink in proportion: the side that overflows more decides.
        if (static_cast<long long>(w) * area.Height() >= static_cast<long long>(h) * area.Width()) {
          h = static_cast<int>(static_cast<long long>(h) * area.Width() / w);
          w = area.Width();
        } else {
          w = static_cast<int>(static_cast<long long>(w) * area.Height() / h);
          h = area.Height();
        }
      }
      if (w <= 0 || h <= 0) return;
      const Rect dst = Rect::FromSize(area.left + (area.Width() - w) / 2, area.top + (area.Height() - h) / 2, w, h);
      if (w == image.width && h == image.height)
        canvas.DrawBitmap(dst.TopLeft(), image);
      else
        canvas.DrawBitmapStretched(dst, image);
      break;
    }
    default:
      break;
  }
}

void LabelWindow::PaintText(Canvas& canvas, const Rect& area) const {
  const std::string& text = Text();
  if (text.empty()) return;
  const unsigned flags = TextFlags(data_);
  auto draw = [&](int dx, int dy, ColorRef colour) {
    Rect r = area.Offset(dx, dy);
    DrawTextLayout(&canvas, *font_, text, r, flags, colour);
  };
  switch (data_.effect) {
    case 1:
      draw(1, 1, kEffectWhite);
      draw(0, 0, data_.text_colour);
      break;
    case 2:
      draw(0, 0, kEffectWhite);
      draw(1, 1, data_.text_colour);
      break;
    case 3:
      draw(2, 2, kEffectBlack);
      draw(0, 0, data_.text_colour);
      break;
    default:
      draw(0, 0, data_.text_colour);
      break;
  }
}

Window* CreateLabel(const CreateParams& params) {
  std::optional<LabelData> data = description::ParseLabelData(params.kind_data);
  if (!data) return nullptr;
  std::string caption = data->caption;
  const std::uint32_t border = data->border;
  Window* window = Window::Create(std::make_unique<LabelWindow>(std::move(*data)), params.parent, params.rect,
                                  WS_CHILD | WS_CLIPSIBLINGS | params.common_styles, 0, std::move(caption),
                                  params.id);
  if (window == nullptr) return nullptr;
  ApplyBorder(*window, border);
  return window;
}

namespace {
// Labels have no own property the system reads.
std::optional<RawProperty> ReadLabelProperty(Control&, int) { return std::nullopt; }
}  // namespace

const KindOps kLabelKind{.type = static_cast<std::uint32_t>(description::RecordType::kLabel),
                         .create = &CreateLabel,
                         .read_property = &ReadLabelProperty,
                         .can_take_focus = false};

}  // namespace ui

#include "ui/picture_box.h"

#include <algorithm>
#include <memory>

#include "desktop/pictures/picture.h"
#include "ui/border_styles.h"
#include "ui/description/reader.h"
#include "ui/description/stored_form.h"

namespace ui {

using namespace desktop;

Rect PicturePlace(std::uint32_t mode, Size picture, const Rect& area) {
  if (picture.width <= 0 || picture.height <= 0 || area.IsEmpty()) return {};
  switch (static_cast<PictureDrawMode>(mode)) {
    case PictureDrawMode::kNaturalTopLeft:
      return Rect::FromSize(area.left, area.top, picture.width, picture.height);
    case PictureDrawMode::kStretched:
      return area;
    case PictureDrawMode::kCentredShrunk: {
      long long w = picture.width;
      long long h = picture.height;
      if (w > area.Width() || h > area.Height()) {
        // Shrunk in proportion: the direction that overflows more decides the scale.
        if (w * area.Height() >= h * area.Width()) {
          h = h * area.Width() / w;
          w = area.Width();
        } else {
          w = w * area.Height() / h;
          h = area.Height();
        }
      }
      if (w <= 0 || h <= 0) return {};
      return Rect::FromSize(area.left + (area.Width() - static_cast<int>(w)) / 2,
                            area.top + (area.Height() - static_cast<int>(h)) / 2, static_cast<int>(w),
                            static_cast<int>(h));
    }
  }
  return {};
}

PictureBoxWindow::PictureBoxWindow(description::PicBoxData data) : data_(std::move(data)) {}

const WindowClass& PictureBoxWindow::Class() const {
  static const WindowClass kClass{.name = "ShopAssistPicBox", .cursor = CursorShape::Arrow, .redraw_on_resize = true};
  return kClass;
}

bool PictureBoxWindow::OnCreate() {
  // Recognised by its content; a picture that cannot be read leaves the background alone.
  if (!data_.picture.empty()) picture_ = DecodePicture(data_.picture);
  return true;
}

void PictureBoxWindow::OnPaint(Canvas& canvas, const Region& update) {
  if (update.IsEmpty()) return;
  const Rect area = ClientRect();
  canvas.FillRect(area, ResolveBackground(data_.background_colour));
  if (!picture_.IsValid()) return;
  const Bitmap& image = picture_.image;
  const Rect place = PicturePlace(data_.draw_mode, {image.width, image.height}, area);
  if (place.IsEmpty()) return;
  canvas.IntersectClip(area);
  if (place.Width() == image.width && place.Height() == image.height)
    canvas.DrawBitmap(place.TopLeft(), image);
  else
    canvas.DrawBitmapStretched(place, image);
}

Window* CreatePictureBox(const CreateParams& params) {
  std::optional<description::PicBoxData> data = description::ParsePicBoxData(params.kind_data);
  if (!data) return nullptr;
  const std::uint32_t border = data->border;
  Window* window = Window::Create(std::make_unique<PictureBoxWindow>(std::move(*data)), params.parent, params.rect,
                                  WS_CHILD | WS_CLIPSIBLINGS | params.common_styles, 0, {}, params.id);
  if (window == nullptr) return nullptr;
  ApplyBorder(*window, border);
  return window;
}

namespace {
// A picture box has no own property the system reads.
std::optional<RawProperty> ReadPictureBoxProperty(Control&, int) { return std::nullopt; }
}  // namespace

const KindOps kPicBoxKind{.type = static_cast<std::uint32_t>(description::RecordType::kPicBox),
                          .create = &CreatePictureBox,
                          .read_property = &ReadPictureBoxProperty,
                          .can_take_focus = false};

}  // namespace ui

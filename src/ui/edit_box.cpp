#include "ui/edit_box.h"

#include "ui/border_styles.h"
#include "ui/control_fonts.h"
#include "ui/description/reader.h"
#include "ui/description/stored_form.h"

namespace ui {

using namespace desktop;
using description::EditBoxData;

namespace {

constexpr char kWu[] = "\xCE\xE2";  // 吴, the tallest character the least height allows for
constexpr char kW[] = "W";          // the band is one line of this character high
constexpr int kOwnText = 0;

}  // namespace

EditBox::EditBox(EditBoxData data) : data_(std::move(data)) {}

std::uint32_t EditBox::EditStyles(const EditBoxData& data) {
  std::uint32_t style = 0;
  if (data.hide_selection == 0) style |= ES_NOHIDESEL;
  if (data.multi_line == 1) {
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (data.scroll_bars == 1 || data.scroll_bars == 3) {
      style |= ES_AUTOHSCROLL;
      style |= WS_HSCROLL;
    }
    if (data.scroll_bars == 2 || data.scroll_bars == 3) style |= WS_VSCROLL;
  } else {
    style |= ES_AUTOHSCROLL;
  }
  if (data.alignment == 1) style |= ES_CENTER;
  if (data.alignment == 2) style |= ES_RIGHT;
  if (data.input_mode == 1) style |= ES_READONLY;
  if (data.input_mode == 2) style |= ES_PASSWORD;
  if (data.case_conversion == 1) style |= ES_LOWERCASE;
  if (data.case_conversion == 2) style |= ES_UPPERCASE;
  return style;
}

int EditBox::LeastHeight(const Font& font) { return font.Measure(kWu).height + 2 * kCyEdge; }

Rect EditBox::TextBand(const Rect& client, int line_height) {
  Rect band = client;
  band.top += (client.Height() - line_height) / 2;
  band.bottom = band.top + line_height;
  return band;
}

void EditBox::GetControlColors(ColorRef& text, ColorRef& background) {
  text = data_.text_colour;
  background = ResolveBackground(data_.background_colour);
}

Rect EditBox::OnNcCalcSize(Size window_size) {
  const Rect client = EditControl::OnNcCalcSize(window_size);
  if (!SingleLine()) return client;
  return TextBand(client, GetFont()->Measure(kW).height);
}

void EditBox::OnNcPaint(Canvas& canvas) {
  if (SingleLine()) {
    Region outside(Rect{0, 0, WindowRect().Width(), WindowRect().Height()});
    outside.Subtract(ClientInWindow());
    const ColorRef background = ResolveBackground(data_.background_colour);
    for (const Rect& r : outside.Rects()) canvas.FillRect(r, background);
  }
  EditControl::OnNcPaint(canvas);
}

bool EditBox::OnEraseBackground(Canvas& canvas, const Region& update) {
  if (!SingleLine()) return EditControl::OnEraseBackground(canvas, update);
  canvas.FillRect(ClientRect(), ResolveBackground(data_.background_colour));
  return true;
}

int EditBox::OnNcHitTest(Point window_point) {
  const int hit = EditControl::OnNcHitTest(window_point);
  if (!SingleLine()) return hit;
  // Above or below the band is border: the press goes to the frame, never to the text.
  const bool inside_box = Rect{0, 0, WindowRect().Width(), WindowRect().Height()}.Contains(window_point);
  if (inside_box && !ClientInWindow().Contains(window_point)) return HTBORDER;
  return hit;
}

Window* CreateEditBox(const CreateParams& params) {
  std::optional<EditBoxData> parsed = description::ParseEditBoxData(params.kind_data);
  if (!parsed) return nullptr;
  const EditBoxData& data = *parsed;
  const std::uint32_t style = WS_CHILD | WS_CLIPSIBLINGS | EditBox::EditStyles(data) | params.common_styles;
  std::string content = data.content;
  EditBox* box = Window::CreateAs(std::make_unique<EditBox>(data), params.parent, params.rect, style, 0,
                                  std::move(content), params.id);
  if (box == nullptr) return nullptr;

  std::shared_ptr<Font> font = MakeControlFont(data.font);
  if (box->SingleLine()) {
    const int least = EditBox::LeastHeight(*font);
    const Rect place = box->WindowRect();
    if (place.Height() < least) box->Move(Rect::FromSize(place.left, place.top, place.Width(), least));
  }
  box->SetFont(font, false);
  if (box->SingleLine()) box->FrameChanged();
  box->SendMessage(EM_LIMITTEXT, data.max_length);
  if (data.input_mode == 2) box->SendMessage(EM_SETPASSWORDCHAR, data.password_char & 0xFF);
  const long start = data.selection_start;
  box->SetSelection(start, start + data.selection_length);
  box->ScrollCaret();
  ApplyBorder(*box, data.border);
  return box;
}

namespace {

std::optional<RawProperty> ReadEditBoxProperty(Control& control, int own_property) {
  if (own_property != kOwnText || control.window == nullptr) return std::nullopt;
  // The whole text as the user left it: no trimming, no conversion.
  return RawProperty{control.window->Text()};
}

}  // namespace

const KindOps kEditBoxKind{.type = static_cast<std::uint32_t>(description::RecordType::kEditBox),
                           .create = &CreateEditBox,
                           .read_property = &ReadEditBoxProperty,
                           .can_take_focus = true};

}  // namespace ui

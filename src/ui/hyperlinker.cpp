#include "ui/hyperlinker.h"

#include "platform/open_address.h"
#include "platform/platform_operations.h"
#include "ui/border_styles.h"
#include "ui/control_fonts.h"
#include "ui/description/reader.h"
#include "ui/description/stored_form.h"

namespace ui {

using namespace desktop;
using description::HyperLinkerData;

HyperLinker::HyperLinker(HyperLinkerData data) : data_(std::move(data)) {}

const WindowClass& HyperLinker::Class() const {
  static const WindowClass kClass{.name = "ShopAssistHyperLinker",
                                  .cursor = CursorShape::Hand,
                                  .double_clicks = true,
                                  .redraw_on_resize = true,
                                  .has_background = false};
  return kClass;
}

bool HyperLinker::OnCreate() {
  font_ = MakeControlFont(data_.font);
  return true;
}

ColorRef HyperLinker::TextColour() const {
  if (hover_) return data_.hover_colour;
  if (visited_) return data_.visited_colour;
  return data_.normal_colour;
}

const std::string& HyperLinker::ShownText() const {
  if (!data_.caption.empty()) return data_.caption;
  return data_.link_kind == static_cast<std::uint32_t>(platform::kMailLink) ? data_.email_address
                                                                            : data_.web_address;
}

void HyperLinker::OnPaint(Canvas& canvas, const Region& update) {
  if (update.IsEmpty()) return;
  const ColorRef background = ResolveBackground(data_.background_colour);
  for (const Rect& r : update.Rects()) canvas.FillRect(r, background);
  Rect client = ClientRect();
  DrawTextLayout(&canvas, *font_, ShownText(), client, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOCLIP | DT_NOPREFIX,
                 TextColour());
}

void HyperLinker::OnMouseMove(const MouseEvent& e) {
  const bool inside = ClientRect().Contains(e.pos);
  if (!hover_) {
    hover_ = true;
    Invalidate(false);
    // Keep hearing of the pointer after it leaves, to know when it did.
    SetCapture();
  } else if (!inside) {
    hover_ = false;
    ReleaseCapture();
    Invalidate(false);
  } else if (!HasCapture()) {
    SetCapture();
  }
}

void HyperLinker::OnMouseDown(const MouseEvent& e) {
  if (e.button != MouseButton::Left) return;
  const platform::LinkDescription link{.kind = static_cast<std::int32_t>(data_.link_kind),
                                       .mail_address = data_.email_address.c_str(),
                                       .web_address = data_.web_address.c_str()};
  const int result = platform::OpenLinkAddress(link, platform::kShow);
  visited_ = result == 1;
  // A failed open clears the flag without a repaint; the next one shows it.
  if (visited_) Invalidate(false);
}

Window* CreateHyperLinker(const CreateParams& params) {
  std::optional<HyperLinkerData> data = description::ParseHyperLinkerData(params.kind_data);
  if (!data) return nullptr;
  std::string caption = data->caption;
  const std::uint32_t border = data->border;
  Window* box = Window::Create(std::make_unique<HyperLinker>(std::move(*data)), params.parent, params.rect,
                               WS_CHILD | WS_CLIPSIBLINGS | params.common_styles, 0, std::move(caption), params.id);
  if (box == nullptr) return nullptr;
  ApplyBorder(*box, border);
  return box;
}

namespace {
// A hyperlink box has no own property the system reads.
std::optional<RawProperty> ReadHyperLinkerProperty(Control&, int) { return std::nullopt; }
}  // namespace

const KindOps kHyperLinkerKind{.type = static_cast<std::uint32_t>(description::RecordType::kHyperLinker),
                               .create = &CreateHyperLinker,
                               .read_property = &ReadHyperLinkerProperty,
                               .can_take_focus = false};

}  // namespace ui

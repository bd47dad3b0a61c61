#include "ui/tab_control.h"

#include <algorithm>
#include <limits>

#include "app/control_events.h"
#include "desktop/window/window_system.h"
#include "ui/description/reader.h"
#include "ui/description/stored_form.h"
#include "ui/loaded_windows.h"
#include "ui/main_window.h"

namespace ui {

using namespace desktop;
namespace timing = tab_hint_timing;

namespace {

bool On(std::uint32_t value) { return value == 1; }

// The light preset has fixed colours; the others use the stored ones.
struct HeaderColours {
  ColorRef page_fill;
  ColorRef gradient_top;
  ColorRef gradient_bottom;
  ColorRef accent_top;
  ColorRef accent_below;
  ColorRef shown_fill;
};

HeaderColours ColoursOf(const description::PageControlData& data) {
  if (data.appearance_preset == 2) {
    return {tab_look::kPageFill,  tab_look::kGradientTop,  tab_look::kGradientBottom,
            tab_look::kAccentTop, tab_look::kAccentBelow, tab_look::kPageFill};
  }
  const auto& c = data.colours;
  return {c[0], c[1], c[2], c[3], c[4], c[5]};
}

}  // namespace

TabControlWindow::TabControlWindow(Control* control, description::PageControlData data)
    : control_(control), data_(std::move(data)) {
  const int pages = PageCount();
  current_ = static_cast<int>(data_.current_page) < pages ? static_cast<int>(data_.current_page) : 0;
}

TabControlWindow::~TabControlWindow() = default;

const WindowClass& TabControlWindow::Class() const {
  static const WindowClass kClass{.name = "ShopAssistPageControl", .cursor = CursorShape::Arrow, .redraw_on_resize = true};
  return kClass;
}

bool TabControlWindow::OnCreate() {
  const bool default_font = data_.version >= 6 && On(data_.use_default_font);
  std::shared_ptr<Font> font;
  if (!default_font && data_.font) font = Font::Create(*data_.font);
  if (font) SetFont(std::move(font), false);  // otherwise the window's font is the default GUI font
  Relayout();
  SetTimer(timing::kTimerId, timing::kTickMs);
  last_pointer_ = WindowSystem::Get().CursorPos();
  observer_id_ = WindowSystem::Get().AddInputObserver([this](const InputEvent& event) { ObserveInput(event); });
  return true;
}

void TabControlWindow::OnDestroy() {
  KillTimer(timing::kTimerId);
  if (observer_id_ != 0) WindowSystem::Get().RemoveInputObserver(observer_id_);
  observer_id_ = 0;
  hint_.Close();
}

Font& TabControlWindow::HeaderFont() const { return *GetFont(); }

void TabControlWindow::Relayout() {
  TabLayoutInput in;
  const Rect client = ClientRect();
  in.client_width = client.Width();
  in.client_height = client.Height();
  in.header_height = static_cast<int>(std::min<std::uint32_t>(data_.header_height, 0x7FFF));
  const Font& font = HeaderFont();
  in.character_height = font.Height();
  for (const auto& page : data_.page_list.pages) in.title_widths.push_back(font.Measure(page.title).width);
  in.all_tabs_shown = On(data_.all_tabs_shown);
  in.headers_hidden = On(data_.headers_hidden);
  in.slanted = On(data_.slanted_headers);
  layout_ = LayoutTabHeaders(in);
}

void TabControlWindow::OnSize() {
  Relayout();
  Invalidate();
}

void TabControlWindow::OnSetFont(Font* font) {
  (void)font;
  Relayout();
  Invalidate();
}

int TabControlWindow::HeaderAt(Point client) const {
  for (std::size_t i = 0; i < layout_.headers.size(); ++i)
    if (layout_.headers[i].Contains(client)) return static_cast<int>(i);
  return -1;
}

std::string TabControlWindow::HintTextAt(Point client) const {
  const int header = HeaderAt(client);
  if (header < 0) return {};
  return data_.page_list.pages[static_cast<std::size_t>(header)].hint;
}

// ----- painting -----

void TabControlWindow::OnPaint(Canvas& canvas, const Region& update) {
  if (update.IsEmpty()) return;
  const HeaderColours colours = ColoursOf(data_);
  canvas.FillRect(ClientRect(), syscolor::kButtonFace);
  canvas.FillRect(layout_.page_area, colours.page_fill);
  canvas.FrameRect(layout_.page_area, FrameColour());
  for (int page = 0; page < static_cast<int>(layout_.headers.size()); ++page) {
    if (page != current_) PaintHeader(canvas, page);
  }
  if (current_ < static_cast<int>(layout_.headers.size())) PaintHeader(canvas, current_);
}

void TabControlWindow::PaintHeader(Canvas& canvas, int page) const {
  const HeaderColours colours = ColoursOf(data_);
  const Rect h = layout_.headers[static_cast<std::size_t>(page)];
  if (h.IsEmpty()) return;
  const bool shown = page == current_;
  const Rect inside{h.left + 1, h.top + 1, h.right - 1, h.bottom};
  if (shown) {
    // Filled like the page and open towards it: the page frame's line below the header goes.
    canvas.FillRect({inside.left, inside.top, inside.right, std::min(h.bottom + 1, layout_.page_area.bottom)},
                    colours.shown_fill);
  } else if (On(data_.gradient)) {
    canvas.FillGradientV(inside, colours.gradient_top, colours.gradient_bottom, tab_look::kGradientBands);
  } else {
    canvas.FillRect(inside, colours.gradient_top);
  }
  canvas.HLine(h.left, h.right, h.top, FrameColour());
  canvas.VLine(h.left, h.top, h.bottom, FrameColour());
  canvas.VLine(h.right - 1, h.top, h.bottom, FrameColour());
  if (shown || page == hovered_) {
    canvas.HLine(h.left + 1, h.right - 1, h.top, colours.accent_top);
    for (int row = 1; row < tab_look::kAccentRows; ++row)
      canvas.HLine(h.left + 1, h.right - 1, h.top + row, colours.accent_below);
  }
  const std::string& title = data_.page_list.pages[static_cast<std::size_t>(page)].title;
  if (!title.empty()) {
    Rect text = inside;
    DrawTextLayout(&canvas, HeaderFont(), title, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                   syscolor::kButtonText);
  }
}

// ----- page changes -----

void TabControlWindow::OnMouseDown(const MouseEvent& e) {
  if (e.button != MouseButton::Left) return;
  const int header = HeaderAt(e.pos);
  if (header < 0) return;
  RaiseEvent(kTabHeaderClicked);
  SelectPage(header);
}

void TabControlWindow::SelectPage(int page) {
  if (page < 0 || page >= PageCount() || page == current_) return;
  RaiseEvent(kTabPageChanging);  // nothing can refuse the change here: no handler is bound
  current_ = page;
  Invalidate();
  if (!On(data_.page_list.pages[static_cast<std::size_t>(page)].hides_all_controls)) {
    ShowPageControls();
    FocusFirstOfPage();
  }
  RaiseEvent(kTabPageChanged);
}

std::vector<std::vector<std::uint32_t>> TabControlWindow::PagesOfChildList() const {
  std::vector<std::vector<std::uint32_t>> pages(1);
  if (control_ == nullptr || control_->record == nullptr) return pages;
  for (std::uint32_t child : control_->record->common.children) {
    if (child == 0) pages.emplace_back();
    else pages.back().push_back(child);
  }
  return pages;
}

// Through the child list: the shown controls of the pages before the current one are hidden, the
// current page's controls with their visible flag are shown without activation, then the shown
// controls of the pages after it are hidden.
void TabControlWindow::ShowPageControls() {
  MainWindow* window = control_ != nullptr ? FindLoadedWindow(control_->window_identity) : nullptr;
  if (window == nullptr) return;
  const auto pages = PagesOfChildList();
  for (int p = 0; p < static_cast<int>(pages.size()); ++p) {
    for (std::uint32_t identity : pages[static_cast<std::size_t>(p)]) {
      Control* child = window->FindControl(identity);
      if (child == nullptr || child->window == nullptr) continue;
      if (p == current_) {
        if ((child->record->common.flags & description::kFlagVisible) != 0) child->window->ShowWindow(SW_SHOWNA);
      } else if (child->window->IsVisibleFlag()) {
        child->window->ShowWindow(SW_HIDE);
      }
    }
  }
}

// The first control of the current page's part of the child list that is enabled and can take
// the focus, by the smallest tab-order key.
void TabControlWindow::FocusFirstOfPage() {
  MainWindow* window = control_ != nullptr ? FindLoadedWindow(control_->window_identity) : nullptr;
  if (window == nullptr) return;
  const auto pages = PagesOfChildList();
  if (current_ >= static_cast<int>(pages.size())) return;
  Control* best = nullptr;
  for (std::uint32_t identity : pages[static_cast<std::size_t>(current_)]) {
    Control* child = window->FindControl(identity);
    if (child == nullptr || child->window == nullptr || !child->window->IsEnabled()) continue;
    const KindOps* kind = FindKind(child->Type());
    if (kind == nullptr || !kind->can_take_focus) continue;
    if (best == nullptr || child->record->common.tab_order_key < best->record->common.tab_order_key) best = child;
  }
  if (best != nullptr) best->window->SetFocus();
}

void TabControlWindow::RaiseEvent(int event) {
  if (control_ == nullptr) return;
  app::DispatchControlEvent(control_->window_identity, control_->Identity(), event);
}

std::intptr_t TabControlWindow::OnMessage(std::uint32_t msg, std::uintptr_t wparam, std::intptr_t lparam) {
  if (msg == TCM_GETCURSEL) {
    // Pages that hide all controls are not counted.
    int index = 0;
    for (int p = 0; p < current_; ++p)
      if (!On(data_.page_list.pages[static_cast<std::size_t>(p)].hides_all_controls)) ++index;
    return index;
  }
  return Window::OnMessage(msg, wparam, lparam);
}

// ----- hover and hints -----

void TabControlWindow::SetHovered(int header) {
  if (header == hovered_) return;
  const int before = hovered_;
  hovered_ = header;
  for (int h : {before, header}) {
    if (h >= 0 && h < static_cast<int>(layout_.headers.size())) InvalidateRect(layout_.headers[static_cast<std::size_t>(h)]);
  }
}

void TabControlWindow::OnMouseMove(const MouseEvent& e) { SetHovered(HeaderAt(e.pos)); }

// Every input event of the window system passes here first: a move of the pointer takes the hint
// away and lifts the suppression; a press of a mouse button, the wheel, or a key pressed or
// released takes it away until the pointer moves.
void TabControlWindow::ObserveInput(const InputEvent& event) {
  switch (event.type) {
    case InputEvent::Type::MouseMove: {
      const Point pointer = WindowSystem::Get().CursorPos();
      if (pointer == last_pointer_) return;
      last_pointer_ = pointer;
      suppressed_ = false;
      hint_.Hide();
      return;
    }
    case InputEvent::Type::MouseDown:
    case InputEvent::Type::MouseWheel:
    case InputEvent::Type::KeyDown:
    case InputEvent::Type::KeyUp:
      SuppressHint();
      return;
    default:
      return;
  }
}

void TabControlWindow::SuppressHint() {
  hint_.Hide();
  suppressed_ = true;
}

// Over the tab control itself: the window the pointer is over is this one, not one of its
// child controls nor anything that lies above it.
bool TabControlWindow::PointerOverSelf(Point screen) const {
  if (!IsShown()) return false;
  return WindowSystem::Get().WindowFromPoint(screen) == this;
}

void TabControlWindow::OnTimer(int timer_id) {
  if (timer_id != timing::kTimerId) return;
  WindowSystem& ws = WindowSystem::Get();
  const std::uint64_t now = ws.Now();
  const Point pointer = ws.CursorPos();
  const bool over_self = PointerOverSelf(pointer);
  if (!over_self) SetHovered(-1);

  if (hint_.IsShown()) {
    if (now - shown_at_ > static_cast<std::uint64_t>(timing::kLongestShownMs)) SuppressHint();
    return;
  }
  const std::uint64_t resting = now - std::min(now, ws.LastPointerMoveTime());
  if (suppressed_ || resting < static_cast<std::uint64_t>(timing::kRestMs) || !over_self) return;
  const std::string text = HintTextAt(ScreenToClient(pointer));
  if (text.empty()) return;
  hint_.Show(text, {pointer.x, pointer.y + timing::kBelowPointer});
  shown_at_ = now;
}

// ----- the kind -----

Window* CreateTabControl(const CreateParams& params) {
  std::optional<description::PageControlData> data = description::ParsePageControlData(params.kind_data);
  if (!data) return nullptr;
  Window* window = Window::Create(std::make_unique<TabControlWindow>(params.control, std::move(*data)), params.parent,
                                  params.rect, WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | params.common_styles, 0,
                                  {}, params.id);
  if (window == nullptr) return nullptr;
  return window;
}

namespace {
// The tab control has no own property the system reads.
std::optional<RawProperty> ReadTabControlProperty(Control&, int) { return std::nullopt; }
}  // namespace

const KindOps kPageControlKind{.type = static_cast<std::uint32_t>(description::RecordType::kPageControl),
                               .create = &CreateTabControl,
                               .read_property = &ReadTabControlProperty,
                               .can_take_focus = false};

}  // namespace ui

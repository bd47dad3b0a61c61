#pragma once
// The tab control: headers along the top in the light look, a page area below them, hover hints
// for the headers, and page changes on a left press on another page's header, which hide and show
// the controls of the pages and move the focus.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "desktop/geometry.h"
#include "desktop/text/font.h"
#include "desktop/window/backend.h"
#include "desktop/window/window.h"
#include "ui/description/kind_data.h"
#include "ui/kinds.h"
#include "ui/tab_hint.h"
#include "ui/tab_layout.h"

namespace ui {

// The tab control's events; no handler is bound to any of them in this system.
enum TabControlEvent : int {
  kTabHeaderClicked = 0,
  kTabPageChanging = 1,
  kTabPageChanged = 2,
};

// The light look (appearance preset 2).
namespace tab_look {
constexpr desktop::ColorRef kPageFill = desktop::Rgb(252, 252, 254);
constexpr desktop::ColorRef kGradientTop = desktop::Rgb(255, 255, 246);
constexpr desktop::ColorRef kGradientBottom = desktop::Rgb(242, 236, 218);
constexpr desktop::ColorRef kAccentTop = desktop::Rgb(207, 114, 37);
constexpr desktop::ColorRef kAccentBelow = desktop::Rgb(227, 150, 88);
constexpr int kGradientBands = 64;
constexpr int kAccentRows = 3;
}  // namespace tab_look

// The hint timing.
namespace tab_hint_timing {
constexpr int kTimerId = 1;
constexpr int kTickMs = 200;
constexpr int kRestMs = 300;
constexpr int kBelowPointer = 21;
constexpr int kLongestShownMs = 7999;
}  // namespace tab_hint_timing

class TabControlWindow : public desktop::Window {
 public:
  TabControlWindow(Control* control, description::PageControlData data);
  ~TabControlWindow() override;

  const desktop::WindowClass& Class() const override;
  bool OnCreate() override;
  void OnDestroy() override;
  void OnPaint(desktop::Canvas& canvas, const desktop::Region& update) override;
  void OnSize() override;
  void OnSetFont(desktop::Font* font) override;
  void OnMouseMove(const desktop::MouseEvent& e) override;
  void OnMouseDown(const desktop::MouseEvent& e) override;
  void OnTimer(int timer_id) override;
  std::intptr_t OnMessage(std::uint32_t msg, std::uintptr_t wparam, std::intptr_t lparam) override;

  const description::PageControlData& Data() const { return data_; }
  const TabLayout& Layout() const { return layout_; }
  int PageCount() const { return static_cast<int>(data_.page_list.pages.size()); }
  int CurrentPage() const { return current_; }  // from 0
  int HoveredHeader() const { return hovered_; }  // -1 for none
  // The header under a client point, -1 for none.
  int HeaderAt(desktop::Point client) const;
  // The hint for a client point: the hint of the header under it, or nothing.
  std::string HintTextAt(desktop::Point client) const;
  // Makes `page` current as a press on its header does (nothing for the current page).
  void SelectPage(int page);

  // The hint goes away and stays away until the pointer moves.
  void SuppressHint();
  const TabHint& Hint() const { return hint_; }

 private:
  void Relayout();
  desktop::Font& HeaderFont() const;
  desktop::ColorRef FrameColour() const { return data_.FrameColour(); }
  void PaintHeader(desktop::Canvas& canvas, int page) const;
  void ShowPageControls();
  void FocusFirstOfPage();
  void RaiseEvent(int event);
  std::vector<std::vector<std::uint32_t>> PagesOfChildList() const;
  // Hints.
  void ObserveInput(const desktop::InputEvent& event);
  bool PointerOverSelf(desktop::Point screen) const;
  void SetHovered(int header);

  Control* control_;
  description::PageControlData data_;
  TabLayout layout_;
  int current_ = 0;
  int hovered_ = -1;

  TabHint hint_;
  int observer_id_ = 0;
  desktop::Point last_pointer_{-1, -1};
  std::uint64_t shown_at_ = 0;
  bool suppressed_ = false;
};

desktop::Window* CreateTabControl(const CreateParams& params);
extern const KindOps kPageControlKind;

}  // namespace ui

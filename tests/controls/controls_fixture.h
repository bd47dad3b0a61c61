#pragma once
// A fresh headless desktop for every case, with a shown top-level host window that records the
// notifications its child controls send (BN_CLICKED, EN_CHANGE, ...).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "desktop/backends/headless/headless_backend.h"
#include "desktop/window/window.h"
#include "desktop/window/window_system.h"

namespace controls_test {

using namespace desktop;

class Host : public Window {
 public:
  std::vector<std::pair<Window*, int>> commands;

  int Count(const Window* control, int notification) const {
    int n = 0;
    for (const auto& [c, code] : commands) n += c == control && code == notification;
    return n;
  }
  void OnCommand(Window* control, int notification) override { commands.emplace_back(control, notification); }
  void OnPaint(Canvas& canvas, const Region& update) override {
    (void)update;
    canvas.FillRect(ClientRect(), syscolor::kButtonFace);
  }
};

class ControlsTest : public testing::Test {
 protected:
  void SetUp() override {
    WindowSystem::Get().Reset();
    backend_ = &InstallHeadlessBackend({1024, 768});
    host_ = Window::CreateAs(std::make_unique<Host>(), nullptr, Rect::FromSize(100, 100, 400, 300),
                             WS_POPUP | WS_VISIBLE, 0, "", 0);
    ASSERT_NE(host_, nullptr);
  }
  void TearDown() override { WindowSystem::Get().Reset(); }

  // A shown child control of the host.
  template <class T, class... Args>
  T* Make(std::uint32_t style, const Rect& rect, std::string text = "", Args&&... args) {
    T* control = Window::CreateAs(std::make_unique<T>(std::forward<Args>(args)...), host_, rect,
                                  WS_CHILD | WS_VISIBLE | style, 0, std::move(text), ++next_id_);
    EXPECT_NE(control, nullptr);
    return control;
  }

  void Pump() { WindowSystem::Get().PumpPending(); }
  // The colour at a client point of a control as the host's surface shows it, after painting.
  ColorRef PixelAt(const Window& w, Point client) {
    WindowSystem::Get().UpdateAll();
    return backend_->ClientPixel(w, client);
  }
  // True when some pixel of `area` (client coordinates of `w`) has colour `c`.
  bool AnyPixel(const Window& w, const Rect& area, ColorRef c) {
    WindowSystem::Get().UpdateAll();
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x)
        if (backend_->ClientPixel(w, {x, y}) == c) return true;
    return false;
  }

  HeadlessBackend* backend_ = nullptr;
  Host* host_ = nullptr;
  int next_id_ = 100;
};

}  // namespace controls_test

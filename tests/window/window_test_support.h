#pragma once
// Test windows that fill themselves with a colour and write what happens to them into a shared
// log, and a fixture with a fresh headless backend for every case.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "desktop/backends/headless/headless_backend.h"
#include "desktop/window/window.h"
#include "desktop/window/window_system.h"

namespace window_test {

using namespace desktop;

using Log = std::vector<std::string>;

class TestWindow : public Window {
 public:
  TestWindow(std::string name, Log* log, ColorRef fill) : name_(std::move(name)), log_(log), fill_(fill) {}

  const std::string& Name() const { return name_; }
  void SetFill(ColorRef fill) { fill_ = fill; }
  void SetFills(bool fills) { fills_ = fills; }
  void SetHitCode(int code) { hit_code_ = code; }
  void SetClass(const WindowClass* cls) { class_ = cls; }
  void SetConsumeKeys(bool consume) { consume_keys_ = consume; }

  int paints = 0;
  int erases = 0;
  Region last_update;
  std::vector<MouseEvent> mouse_downs;
  std::vector<MouseEvent> double_clicks;
  std::vector<MouseEvent> mouse_ups;
  std::vector<MouseEvent> mouse_moves;
  std::vector<std::string> chars;

  const WindowClass& Class() const override { return class_ != nullptr ? *class_ : Window::Class(); }
  bool OnEraseBackground(Canvas& canvas, const Region& update) override {
    ++erases;
    return Window::OnEraseBackground(canvas, update);
  }
  void OnPaint(Canvas& canvas, const Region& update) override {
    ++paints;
    last_update = update;
    if (fills_) canvas.FillRect(ClientRect(), fill_);
  }
  int OnNcHitTest(Point p) override { return hit_code_ != 0 ? hit_code_ : Window::OnNcHitTest(p); }
  void OnDestroy() override { Note("destroy"); }
  void OnSetFocus(Window* previous) override { Note("setfocus(" + NameOf(previous) + ")"); }
  void OnKillFocus(Window* next) override { Note("killfocus(" + NameOf(next) + ")"); }
  void OnCaptureChanged() override { Note("capturechanged"); }
  void OnActivate(bool active) override { Note(active ? "activate" : "deactivate"); }
  void OnTimer(int id) override { Note("timer" + std::to_string(id)); }
  void OnMouseDown(const MouseEvent& e) override {
    mouse_downs.push_back(e);
    Note("down");
  }
  void OnDoubleClick(const MouseEvent& e) override {
    double_clicks.push_back(e);
    Note("dblclk");
  }
  void OnMouseUp(const MouseEvent& e) override {
    mouse_ups.push_back(e);
    Note("up");
  }
  void OnMouseMove(const MouseEvent& e) override { mouse_moves.push_back(e); }
  bool OnKeyDown(const KeyEvent& e) override {
    Note("keydown" + std::to_string(e.vk));
    return consume_keys_;
  }
  bool OnKeyUp(const KeyEvent& e) override {
    Note("keyup" + std::to_string(e.vk));
    return true;
  }
  void OnChar(std::string_view text) override { chars.emplace_back(text); }
  bool PreTranslateKey(const KeyEvent& key, Window* target) override {
    if (!filter_keys_) return false;
    Note("filter" + std::to_string(key.vk) + "(" + NameOf(target) + ")");
    return key.vk == filtered_vk_;
  }
  void SetKeyFilter(bool on, int consumed_vk) {
    filter_keys_ = on;
    filtered_vk_ = consumed_vk;
  }

  static std::string NameOf(const Window* w) {
    const auto* t = dynamic_cast<const TestWindow*>(w);
    return t != nullptr ? t->Name() : (w == nullptr ? "null" : "?");
  }

 private:
  void Note(const std::string& what) {
    if (log_ != nullptr) log_->push_back(name_ + ":" + what);
  }

  std::string name_;
  Log* log_;
  ColorRef fill_;
  bool fills_ = true;
  int hit_code_ = 0;
  const WindowClass* class_ = nullptr;
  bool consume_keys_ = true;
  bool filter_keys_ = false;
  int filtered_vk_ = -1;
};

class WindowSystemTest : public ::testing::Test {
 public:
  void SetUp() override { backend_ = &InstallHeadlessBackend({1024, 768}); }
  void TearDown() override { ws().Reset(); }

  static WindowSystem& ws() { return WindowSystem::Get(); }
  HeadlessBackend& backend() { return *backend_; }

  // A borderless pop-up top-level window at a screen rectangle.
  TestWindow* MakeTop(const std::string& name, const Rect& screen, ColorRef fill = Rgb(255, 0, 0),
                      std::uint32_t style = WS_POPUP | WS_VISIBLE, std::uint32_t ex_style = 0) {
    return Window::CreateAs(std::make_unique<TestWindow>(name, &log_, fill), nullptr, screen, style, ex_style, "", 0);
  }
  TestWindow* MakeChild(const std::string& name, Window* parent, const Rect& rect, ColorRef fill,
                        std::uint32_t style = WS_CHILD | WS_VISIBLE, std::uint32_t ex_style = 0) {
    return Window::CreateAs(std::make_unique<TestWindow>(name, &log_, fill), parent, rect, style, ex_style, "", 0);
  }
  // The colour at a client point of any window as its top-level window's surface shows it, after
  // painting everything that is pending.
  ColorRef PixelAt(const Window& w, Point client) {
    ws().UpdateAll();
    return backend_->ClientPixel(w, client);
  }
  void Pump() { ws().PumpPending(); }

  Log log_;
  HeadlessBackend* backend_ = nullptr;
};

}  // namespace window_test

#pragma once
// One control at a time, made through the kind table from its kind data, as a shown child of a
// top-level host window on a fresh headless desktop. Events the controls raise reach no handler
// (the program's end counts as begun), and address hand-overs go to a scripted desktop.
#include <gtest/gtest.h>

#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/backends/headless/headless_backend.h"
#include "desktop/window/window.h"
#include "desktop/window/window_system.h"
#include "platform/scripted_platform_operations.h"
#include "ui/description/kind_data.h"
#include "ui/kinds.h"

namespace kinds_test {

using namespace desktop;

// GBK bytes of a UTF-8 literal, and back.
std::string Gbk(std::string_view utf8);
std::string Utf8(std::string_view gbk);

// The host's fill, a colour no control of these tests uses.
constexpr ColorRef kHostColour = Rgb(0, 128, 128);

class KindTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Makes a control of the data's kind at `rect` (host client coordinates) and shows it; null when
  // the kind refuses the data.
  Window* Create(const ui::description::KindData& data, const Rect& rect, std::uint32_t common_styles = 0);
  // The same from raw kind data bytes of a record type.
  Window* CreateFromBytes(std::uint32_t type, std::vector<std::uint8_t> bytes, const Rect& rect,
                          std::uint32_t common_styles = 0);
  template <class T>
  T* CreateAs(const ui::description::KindData& data, const Rect& rect, std::uint32_t common_styles = 0) {
    Window* w = Create(data, rect, common_styles);
    T* typed = dynamic_cast<T*>(w);
    EXPECT_NE(typed, nullptr);
    return typed;
  }
  // The ui::Control that stands for the last control made.
  ui::Control& LastControl() { return controls_.back(); }

  void Pump() { WindowSystem::Get().PumpPending(); }
  // A client pixel of `w` after everything invalid was painted.
  ColorRef PixelAt(const Window& w, Point client);
  // The pixels of `w`'s client area (or of `area` of it), after painting.
  std::vector<std::vector<ColorRef>> Pixels(const Window& w);
  // Whether some pixel of `area` (client coordinates of `w`) has colour `c`.
  bool AnyPixel(const Window& w, const Rect& area, ColorRef c);
  // The bounding box of the pixels of `w`'s client area that are not `background`.
  Rect InkBounds(const Window& w, ColorRef background);

  HeadlessBackend* backend_ = nullptr;
  Window* host_ = nullptr;
  platform::ScriptedPlatformOperations operations_;

 private:
  std::list<ui::description::Record> records_;
  std::list<ui::Control> controls_;
  std::list<std::vector<std::uint8_t>> bytes_;
  int next_id_ = 100;
};

}  // namespace kinds_test

#include "main_window_fixture.h"

#include "desktop/text/gbk.h"

namespace mainwindow_test {

using namespace desktop;

std::string Gbk(std::string_view utf8) { return Utf8ToGbk(utf8); }
std::string Utf8(std::string_view gbk) { return GbkToUtf8(gbk); }

void MainWindowTest::SetUp() { Start({1024, 768}); }

void MainWindowTest::Start(Size screen, std::vector<std::uint8_t> description) {
  window_ = program_.Start(screen, description);
  backend_ = program_.Backend();
  ASSERT_NE(window_, nullptr);
}

void MainWindowTest::TearDown() { program_.Stop(); }

ui::TabControlWindow& MainWindowTest::Tab() const {
  auto* tab = dynamic_cast<ui::TabControlWindow*>(Named("高级选择夹1").window);
  EXPECT_NE(tab, nullptr);
  return *tab;
}

ui::Control& MainWindowTest::Named(std::string_view name_utf8) const { return program_.Named(name_utf8); }

std::string MainWindowTest::FocusName() const { return program_.FocusName(); }

std::vector<std::string> MainWindowTest::ShownNames() const {
  std::vector<std::string> names;
  for (const auto& control : window_->Controls())
    if (control->window != nullptr && control->window->IsShown()) names.push_back(Utf8(control->record->common.name));
  return names;
}

void MainWindowTest::Pump() { program_.Pump(); }

void MainWindowTest::Press(int vk, Modifiers mods) { program_.Press(vk, mods); }

void MainWindowTest::Type(std::string_view utf8) { program_.Type(utf8); }

void MainWindowTest::ClickControl(std::string_view name_utf8) { program_.ClickCentre(WindowOf(name_utf8)); }

void MainWindowTest::ClickTab(Point client) {
  backend_->Click(&Tab(), client);
  Pump();
}

Point MainWindowTest::UncoveredPointOf(int page) const { return program_.UncoveredHeaderPoint(page); }

void MainWindowTest::ClickHeader(int page) { ClickTab(UncoveredPointOf(page)); }

void MainWindowTest::MovePointerTo(desktop::Window& window, Point client) {
  backend_->MoveMouse(&window, client);
  Pump();
}

}  // namespace mainwindow_test

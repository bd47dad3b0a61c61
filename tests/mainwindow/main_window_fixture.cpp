#include "main_window_fixture.h"

#include "app/event_loop.h"
#include "app/fatal_error.h"
#include "app/program_start.h"
#include "app/shell_state.h"
#include "desktop/text/gbk.h"
#include "links/program_texts.h"
#include "platform/hand_over_observer.h"
#include "ui/description/stored_form.h"
#include "ui/load_window.h"
#include "ui/loaded_descriptions.h"
#include "ui/loaded_windows.h"

namespace mainwindow_test {

using namespace desktop;

namespace {

std::vector<std::string>& Seen() {
  static std::vector<std::string> seen;
  return seen;
}

void Record(platform::HandOver what, const std::string& text) {
  const char* word = what == platform::HandOver::kOpen ? "open " : what == platform::HandOver::kOpenLink ? "openlink " : "exec ";
  Seen().push_back(word + text);
}

void ThrowFatal(const std::string& text) { throw FatalShown{text}; }

}  // namespace

std::string Gbk(std::string_view utf8) { return Utf8ToGbk(utf8); }
std::string Utf8(std::string_view gbk) { return GbkToUtf8(gbk); }

void MainWindowTest::SetUp() { Start({1024, 768}); }

void MainWindowTest::Start(Size screen, std::vector<std::uint8_t> description) {
  WindowSystem::Get().Reset();
  app::ResetShellStateForTesting();
  app::ResetEventLoopForTesting();
  links::ResetProgramTextsForTesting();
  Seen().clear();
  platform::SetPlatformOperations(&operations_);
  platform::SetHandOverObserver(Record);
  app::SetFatalErrorPresenter(ThrowFatal);
  app::SetChangeWorkingDirectory(false);
  description_ = std::move(description);
  if (description_.empty()) app::UseBuiltInDescription();
  else app::SetDescriptionSource(description_);
  backend_ = &InstallHeadlessBackend(screen);
  app::InitializeApplication();
  ui::LoadWindow(ui::description::kMainWindowIdentity);
  window_ = ui::FindLoadedWindow(ui::description::kMainWindowIdentity);
  ASSERT_NE(window_, nullptr);
  Pump();
}

void MainWindowTest::TearDown() {
  WindowSystem::Get().Reset();
  platform::SetHandOverObserver(nullptr);
  platform::SetPlatformOperations(nullptr);
  app::SetFatalErrorPresenter(nullptr);
  app::ResetShellStateForTesting();
  app::ResetEventLoopForTesting();
  app::UseBuiltInDescription();
}

ui::TabControlWindow& MainWindowTest::Tab() const {
  auto* tab = dynamic_cast<ui::TabControlWindow*>(Named("高级选择夹1").window);
  EXPECT_NE(tab, nullptr);
  return *tab;
}

ui::Control& MainWindowTest::Named(std::string_view name_utf8) const {
  ui::Control* control = window_->FindControlByName(Gbk(name_utf8));
  EXPECT_NE(control, nullptr) << name_utf8;
  return *control;
}

std::string MainWindowTest::FocusName() const {
  ui::Control* control = window_->FindControlByWindow(WindowSystem::Get().Focus());
  return control != nullptr ? Utf8(control->record->common.name) : "none";
}

std::vector<std::string> MainWindowTest::ShownNames() const {
  std::vector<std::string> names;
  for (const auto& control : window_->Controls())
    if (control->window != nullptr && control->window->IsShown()) names.push_back(Utf8(control->record->common.name));
  return names;
}

void MainWindowTest::Pump() { WindowSystem::Get().PumpPending(); }

void MainWindowTest::Press(int vk, Modifiers mods) {
  backend_->PressKey(vk, mods);
  Pump();
}

void MainWindowTest::Type(std::string_view utf8) {
  backend_->TypeText(std::string(utf8));
  Pump();
}

void MainWindowTest::ClickControl(std::string_view name_utf8) {
  desktop::Window& w = WindowOf(name_utf8);
  backend_->Click(&w, {w.ClientRect().Width() / 2, w.ClientRect().Height() / 2});
  Pump();
}

void MainWindowTest::ClickTab(Point client) {
  backend_->Click(&Tab(), client);
  Pump();
}

Point MainWindowTest::UncoveredPointOf(int page) const {
  const Rect header = Tab().Layout().headers.at(static_cast<std::size_t>(page - 1));
  for (int y = header.top; y < header.bottom; ++y)
    for (int x = header.left; x < header.right; ++x)
      if (WindowSystem::Get().WindowFromPoint(Tab().ClientToScreen({x, y})) == &Tab()) return {x, y};
  ADD_FAILURE() << "header " << page << " is covered everywhere";
  return {};
}

void MainWindowTest::ClickHeader(int page) { ClickTab(UncoveredPointOf(page)); }

void MainWindowTest::MovePointerTo(desktop::Window& window, Point client) {
  backend_->MoveMouse(&window, client);
  Pump();
}

std::vector<std::string> MainWindowTest::HandOvers() const { return Seen(); }

}  // namespace mainwindow_test

#include "program_fixture.h"

#include "app/event_loop.h"
#include "app/fatal_error.h"
#include "app/heap.h"
#include "app/program_start.h"
#include "app/shell_state.h"
#include "kind_fixture.h"
#include "links/program_texts.h"
#include "platform/hand_over_observer.h"
#include "platform/read_control_property.h"
#include "ui/description/stored_form.h"
#include "ui/load_window.h"
#include "ui/loaded_windows.h"
#include "ui/tab_control.h"

namespace kinds_test {

using namespace desktop;

namespace {

std::vector<std::string>& Seen() {
  static std::vector<std::string> seen;
  return seen;
}

void Record(platform::HandOver what, const std::string& text) {
  const char* word = what == platform::HandOver::kOpen       ? "open "
                     : what == platform::HandOver::kOpenLink ? "openlink "
                                                             : "exec ";
  Seen().push_back(word + text);
}

void ThrowFatal(const std::string& text) { throw FatalShown{text}; }

}  // namespace

void ProgramTest::SetUp() {
  WindowSystem::Get().Reset();
  app::ResetShellStateForTesting();
  app::ResetEventLoopForTesting();
  links::ResetProgramTextsForTesting();
  Seen().clear();
  platform::SetPlatformOperations(&operations_);
  platform::SetHandOverObserver(Record);
  app::SetFatalErrorPresenter(ThrowFatal);
  app::SetChangeWorkingDirectory(false);
  app::UseBuiltInDescription();
  backend_ = &InstallHeadlessBackend({1024, 768});
  app::InitializeApplication();
  ui::LoadWindow(ui::description::kMainWindowIdentity);
  window_ = ui::FindLoadedWindow(ui::description::kMainWindowIdentity);
  ASSERT_NE(window_, nullptr);
  Pump();
}

void ProgramTest::TearDown() {
  WindowSystem::Get().Reset();
  platform::SetHandOverObserver(nullptr);
  platform::SetPlatformOperations(nullptr);
  app::SetFatalErrorPresenter(nullptr);
  app::ResetShellStateForTesting();
  app::ResetEventLoopForTesting();
}

ui::Control& ProgramTest::Named(std::string_view name_utf8) const {
  ui::Control* control = window_->FindControlByName(Gbk(name_utf8));
  EXPECT_NE(control, nullptr) << name_utf8;
  return *control;
}

std::string ProgramTest::FocusName() const {
  ui::Control* control = window_->FindControlByWindow(WindowSystem::Get().Focus());
  return control != nullptr ? Utf8(control->record->common.name) : "none";
}

void ProgramTest::Press(int vk, Modifiers mods) {
  backend_->PressKey(vk, mods);
  Pump();
}

void ProgramTest::Type(std::string_view utf8) {
  backend_->TypeText(std::string(utf8));
  Pump();
}

void ProgramTest::Click(std::string_view name_utf8) {
  Window& w = WindowOf(name_utf8);
  backend_->Click(&w, {w.ClientRect().Width() / 2, w.ClientRect().Height() / 2});
  Pump();
  // Each click stands alone, never the second half of a double-click.
  backend_->AdvanceClock(1000);
}

void ProgramTest::Focus(std::string_view name_utf8) {
  WindowOf(name_utf8).SetFocus();
  Pump();
}

void ProgramTest::ShowPage(int page) {
  auto* tab = dynamic_cast<ui::TabControlWindow*>(&WindowOf("高级选择夹1"));
  ASSERT_NE(tab, nullptr);
  const Rect header = tab->Layout().headers.at(static_cast<std::size_t>(page - 1));
  for (int y = header.top; y < header.bottom; ++y)
    for (int x = header.left; x < header.right; ++x)
      if (WindowSystem::Get().WindowFromPoint(tab->ClientToScreen({x, y})) == tab) {
        backend_->Click(tab, {x, y});
        Pump();
        backend_->AdvanceClock(1000);
        ASSERT_EQ(tab->CurrentPage(), page - 1);
        return;
      }
  FAIL() << "header " << page << " is covered everywhere";
}

int ProgramTest::Checked(std::string_view name_utf8) {
  return platform::ReadControlProperty(ui::description::kMainWindowIdentity, Named(name_utf8).Identity(),
                                       platform::kPropertyChecked, platform::kNoIndex)
      .integer;
}

std::string ProgramTest::TextOf(std::string_view name_utf8) {
  char* text = platform::ReadControlProperty(ui::description::kMainWindowIdentity, Named(name_utf8).Identity(),
                                             platform::kPropertyText, platform::kNoIndex)
                   .text;
  if (text == nullptr) return "<none>";
  std::string copy = text;
  app::ReleaseMemory(text);
  return copy;
}

std::vector<std::string> ProgramTest::HandOvers() const { return Seen(); }
void ProgramTest::ClearHandOvers() { Seen().clear(); }

}  // namespace kinds_test

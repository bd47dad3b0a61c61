#include "in_process_program.h"

#include <gtest/gtest.h>

#include "app/event_loop.h"
#include "app/fatal_error.h"
#include "app/program_start.h"
#include "app/shell_state.h"
#include "desktop/text/gbk.h"
#include "links/program_texts.h"
#include "platform/hand_over_observer.h"
#include "ui/description/stored_form.h"
#include "ui/load_window.h"
#include "ui/loaded_windows.h"
#include "ui/tab_control.h"

namespace test_support {

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

void ResetShell() {
  WindowSystem::Get().Reset();
  app::ResetShellStateForTesting();
  app::ResetEventLoopForTesting();
}

}  // namespace

ui::MainWindow* InProcessProgram::Start(Size screen, std::span<const std::uint8_t> description) {
  ResetShell();
  links::ResetProgramTextsForTesting();
  Seen().clear();
  platform::SetPlatformOperations(&operations);
  platform::SetHandOverObserver(Record);
  app::SetFatalErrorPresenter(ThrowFatal);
  app::SetChangeWorkingDirectory(false);
  description_.assign(description.begin(), description.end());
  if (description_.empty()) app::UseBuiltInDescription();
  else app::SetDescriptionSource(description_);
  backend_ = &InstallHeadlessBackend(screen);
  window_ = nullptr;
  app::InitializeApplication();
  ui::LoadWindow(ui::description::kMainWindowIdentity);
  window_ = ui::FindLoadedWindow(ui::description::kMainWindowIdentity);
  if (window_ != nullptr) Pump();
  return window_;
}

void InProcessProgram::Stop() {
  ResetShell();
  platform::SetHandOverObserver(nullptr);
  platform::SetPlatformOperations(nullptr);
  app::SetFatalErrorPresenter(nullptr);
  app::UseBuiltInDescription();
  window_ = nullptr;
}

ui::Control& InProcessProgram::Named(std::string_view name_utf8) const {
  ui::Control* control = window_->FindControlByName(Utf8ToGbk(name_utf8));
  EXPECT_NE(control, nullptr) << name_utf8;
  return *control;
}

std::string InProcessProgram::FocusName() const {
  ui::Control* control = window_->FindControlByWindow(WindowSystem::Get().Focus());
  return control != nullptr ? GbkToUtf8(control->record->common.name) : "none";
}

void InProcessProgram::Pump() { WindowSystem::Get().PumpPending(); }

void InProcessProgram::Press(int vk, Modifiers mods) {
  backend_->PressKey(vk, mods);
  Pump();
}

void InProcessProgram::Type(std::string_view utf8) {
  backend_->TypeText(std::string(utf8));
  Pump();
}

void InProcessProgram::ClickCentre(desktop::Window& window) {
  backend_->Click(&window, {window.ClientRect().Width() / 2, window.ClientRect().Height() / 2});
  Pump();
}

Point InProcessProgram::UncoveredHeaderPoint(int page) const {
  auto* tab = dynamic_cast<ui::TabControlWindow*>(Named("高级选择夹1").window);
  if (tab == nullptr) {
    ADD_FAILURE() << "no tab control";
    return {};
  }
  const Rect header = tab->Layout().headers.at(static_cast<std::size_t>(page - 1));
  for (int y = header.top; y < header.bottom; ++y)
    for (int x = header.left; x < header.right; ++x)
      if (WindowSystem::Get().WindowFromPoint(tab->ClientToScreen({x, y})) == tab) return {x, y};
  ADD_FAILURE() << "header " << page << " is covered everywhere";
  return {};
}

std::vector<std::string> InProcessProgram::HandOvers() const { return Seen(); }

void InProcessProgram::ClearHandOvers() { Seen().clear(); }

}  // namespace test_support

#include "program_fixture.h"

#include "app/heap.h"
#include "platform/read_control_property.h"
#include "ui/description/stored_form.h"
#include "ui/tab_control.h"

namespace kinds_test {

using namespace desktop;

void ProgramTest::SetUp() {
  window_ = program_.Start({1024, 768});
  backend_ = program_.Backend();
  ASSERT_NE(window_, nullptr);
}

void ProgramTest::TearDown() { program_.Stop(); }

ui::Control& ProgramTest::Named(std::string_view name_utf8) const { return program_.Named(name_utf8); }

std::string ProgramTest::FocusName() const { return program_.FocusName(); }

void ProgramTest::Press(int vk, Modifiers mods) { program_.Press(vk, mods); }

void ProgramTest::Type(std::string_view utf8) { program_.Type(utf8); }

void ProgramTest::Click(std::string_view name_utf8) {
  program_.ClickCentre(WindowOf(name_utf8));
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
  backend_->Click(tab, program_.UncoveredHeaderPoint(page));
  Pump();
  backend_->AdvanceClock(1000);
  ASSERT_EQ(tab->CurrentPage(), page - 1);
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

}  // namespace kinds_test

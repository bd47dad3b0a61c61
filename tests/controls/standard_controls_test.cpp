// The standard classes by name and button type.
#include "desktop/controls/standard_controls.h"

#include <gtest/gtest.h>

#include "desktop/controls/check_box.h"
#include "desktop/controls/edit_control.h"
#include "desktop/controls/push_button.h"
#include "desktop/controls/radio_button.h"

namespace desktop {
namespace {

TEST(StandardControls, ClassNameAndTypeStylePickTheKind) {
  struct Case {
    const char* class_name;
    std::uint32_t style;
    const char* want;  // "push", "check", "radio", "edit" or "none"
  };
  const Case cases[] = {
      {"BUTTON", BS_PUSHBUTTON, "push"},
      {"BUTTON", std::uint32_t{BS_DEFPUSHBUTTON} | BS_BITMAP | BS_MULTILINE, "push"},
      {"BUTTON", std::uint32_t{BS_AUTOCHECKBOX} | BS_PUSHLIKE, "check"},
      {"BUTTON", std::uint32_t{BS_AUTORADIOBUTTON} | BS_LEFTTEXT, "radio"},
      {"BUTTON", BS_GROUPBOX, "none"},
      {"BUTTON", BS_3STATE, "none"},
      {"EDIT", ES_MULTILINE, "edit"},
      {"STATIC", 0, "none"},
  };
  for (const Case& c : cases) {
    const std::unique_ptr<Window> w = MakeStandardControl(c.class_name, c.style);
    std::string got = "none";
    if (dynamic_cast<PushButton*>(w.get())) got = "push";
    if (dynamic_cast<CheckBox*>(w.get())) got = "check";
    if (dynamic_cast<RadioButton*>(w.get())) got = "radio";
    if (dynamic_cast<EditControl*>(w.get())) got = "edit";
    EXPECT_EQ(got, c.want) << c.class_name << " " << c.style;
    if (w) {
      EXPECT_EQ(w->Class().name, c.class_name);
    }
  }
}

}  // namespace
}  // namespace desktop

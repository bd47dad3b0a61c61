#pragma once
// The main window as the handlers see it: every check box and radio button unchecked and every
// keyword box empty unless a test says otherwise; addresses go to scripted platform operations.
// Every test ends with as many heap blocks as it began with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../platform/fake_loaded_window.h"
#include "app/heap.h"
#include "links/control_ids.h"
#include "links/program_texts.h"
#include "platform/platform_operations.h"
#include "platform/scripted_platform_operations.h"

namespace testing_support {

class HandlerTest : public testing::Test {
 protected:
  void SetUp() override {
    using namespace links::control;
    for (std::uint32_t box : {kRadioBox1, kRadioBox2, kRadioBox3, kRadioBox4, kRadioBox5, kRadioBox6, kCheckBox1,
                              kCheckBox2, kCheckBox3, kCheckBox10, kCheckBox4}) {
      window_.SetChecked(box, {0});
    }
    for (std::uint32_t edit : {kEditBox1, kEditBox2, kEditBox3}) window_.SetText(edit, {""});
    platform::RegisterLoadedWindow(&window_);
    platform::SetPlatformOperations(&operations_);
    links::ResetProgramTextsForTesting();
    blocks_before_ = app::LiveHeapBlocks();
  }
  void TearDown() override {
    EXPECT_EQ(app::LiveHeapBlocks(), blocks_before_) << "a keywords text or address was not released";
    platform::SetPlatformOperations(nullptr);
    platform::UnregisterLoadedWindow(&window_);
    links::ResetProgramTextsForTesting();
  }

  std::vector<std::string> Opened() const { return operations_.ShellOpenedFiles(); }

  FakeLoadedWindow window_{links::kMainWindowId};
  platform::ScriptedPlatformOperations operations_;
  std::size_t blocks_before_ = 0;
};

}  // namespace testing_support

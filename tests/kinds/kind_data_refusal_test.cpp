// Every kind of this unit made from its kind data through the kind table: the data of a new
// control is accepted, a version above the kind's highest and data that ends before its last field
// are refused (no control), and bytes after the last field are ignored.
#include <gtest/gtest.h>

#include "desktop/controls/edit_control.h"
#include "kind_fixture.h"
#include "ui/button.h"
#include "ui/check_radio_kinds.h"
#include "ui/description/stored_form.h"
#include "ui/description/writer.h"
#include "ui/edit_box.h"
#include "ui/hyperlinker.h"
#include "ui/label.h"

namespace kinds_test {
namespace {

namespace d = ui::description;

struct KindCase {
  const char* name;
  d::KindData data;        // a new control's data, at the kind's highest version
  std::uint32_t highest;   // the highest version the kind reads
  bool can_take_focus;
};

std::vector<KindCase> KindCases() {
  return {
      {"Label", d::LabelData{}, 2, false},
      {"EditBox", d::EditBoxData{}, 2, true},
      {"Button", d::ButtonData{}, 1, true},
      {"HyperLinker", d::HyperLinkerData{}, 1, false},
      {"CheckBox", d::CheckBoxData{}, 2, true},
      {"RadioBox", d::RadioBoxData{}, 1, true},
  };
}

std::vector<std::uint8_t> WithVersion(std::vector<std::uint8_t> bytes, std::uint32_t version) {
  for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(version >> (8 * i));
  return bytes;
}

using KindData = KindTest;

TEST_F(KindData, NewControlDataIsAccepted) {
  for (const KindCase& c : KindCases()) {
    Window* w = Create(c.data, Rect::FromSize(10, 10, 120, 40));
    EXPECT_NE(w, nullptr) << c.name;
  }
}

TEST_F(KindData, VersionAboveTheHighestIsRefused) {
  for (const KindCase& c : KindCases()) {
    const std::uint32_t type = d::RecordTypeOf(c.data);
    const auto bytes = d::KindDataBytes(c.data);
    for (std::uint32_t version : {c.highest + 1, c.highest + 7, 0xFFFFFFFFu})
      EXPECT_EQ(CreateFromBytes(type, WithVersion(bytes, version), Rect::FromSize(0, 0, 50, 20)), nullptr)
          << c.name << " version " << version;
  }
}

TEST_F(KindData, EveryLowerVersionIsAccepted) {
  for (const KindCase& c : KindCases()) {
    for (std::uint32_t version = 0; version <= c.highest; ++version) {
      d::KindData data = c.data;
      std::visit([&](auto& kind) { kind.version = version; }, data);
      EXPECT_NE(Create(data, Rect::FromSize(0, 0, 50, 20)), nullptr) << c.name << " version " << version;
    }
  }
}

TEST_F(KindData, DataEndingBeforeItsLastFieldIsRefused) {
  for (const KindCase& c : KindCases()) {
    const std::uint32_t type = d::RecordTypeOf(c.data);
    const auto bytes = d::KindDataBytes(c.data);
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
      std::vector<std::uint8_t> part(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut));
      EXPECT_EQ(CreateFromBytes(type, part, Rect::FromSize(0, 0, 50, 20)), nullptr) << c.name << " cut at " << cut;
    }
  }
}

TEST_F(KindData, BytesAfterTheLastFieldAreIgnored) {
  for (const KindCase& c : KindCases()) {
    auto bytes = d::KindDataBytes(c.data);
    bytes.insert(bytes.end(), {0xFF, 0xFF, 0xFF, 0xFF, 0x01});
    EXPECT_NE(CreateFromBytes(d::RecordTypeOf(c.data), bytes, Rect::FromSize(0, 0, 50, 20)), nullptr) << c.name;
  }
}

TEST_F(KindData, KindTableKnowsWhichKindsTakeTheFocus) {
  for (const KindCase& c : KindCases()) {
    const ui::KindOps* kind = ui::FindKind(d::RecordTypeOf(c.data));
    ASSERT_NE(kind, nullptr) << c.name;
    EXPECT_EQ(kind->can_take_focus, c.can_take_focus) << c.name;
  }
}

// What a new control of each kind is before any stored value changes it.
TEST_F(KindData, NewControlsShowTheirDefaultCaptionsAndStyles) {
  Window* label = Create(d::LabelData{}, Rect::FromSize(0, 0, 80, 20));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Text(), Gbk("标签"));
  EXPECT_EQ(label->ExStyle() & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME), 0u);

  Window* button = Create(d::ButtonData{}, Rect::FromSize(0, 30, 80, 20));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Text(), Gbk("按钮"));
  EXPECT_EQ(button->Style() & BS_TYPEMASK, std::uint32_t{BS_PUSHBUTTON});
  EXPECT_EQ(button->Style() & (BS_CENTER | BS_VCENTER), std::uint32_t{BS_CENTER | BS_VCENTER});

  Window* check = Create(d::CheckBoxData{}, Rect::FromSize(0, 60, 80, 20));
  ASSERT_NE(check, nullptr);
  EXPECT_EQ(check->Text(), Gbk("选择框"));
  EXPECT_EQ(check->Style() & BS_TYPEMASK, std::uint32_t{BS_AUTOCHECKBOX});
  EXPECT_EQ(check->SendMessage(BM_GETCHECK), BST_UNCHECKED);

  Window* radio = Create(d::RadioBoxData{}, Rect::FromSize(0, 90, 80, 20));
  ASSERT_NE(radio, nullptr);
  EXPECT_EQ(radio->Text(), Gbk("单选框"));
  EXPECT_EQ(radio->Style() & BS_TYPEMASK, std::uint32_t{BS_AUTORADIOBUTTON});

  Window* edit = Create(d::EditBoxData{}, Rect::FromSize(0, 120, 80, 30));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->Text(), "");
  EXPECT_NE(edit->ExStyle() & WS_EX_CLIENTEDGE, 0u);  // border 1
  EXPECT_EQ(edit->Style() & ES_NOHIDESEL, 0u);         // hide selection 1
  EXPECT_NE(edit->Style() & ES_AUTOHSCROLL, 0u);
}

TEST_F(KindData, CommonFlagsGiveDisabledAndTabStop) {
  for (const KindCase& c : KindCases()) {
    Window* w = Create(c.data, Rect::FromSize(0, 0, 60, 30), WS_DISABLED | WS_TABSTOP);
    ASSERT_NE(w, nullptr) << c.name;
    EXPECT_FALSE(w->IsEnabled()) << c.name;
    EXPECT_NE(w->Style() & WS_TABSTOP, 0u) << c.name;
    EXPECT_NE(w->Style() & WS_CHILD, 0u) << c.name;
    EXPECT_NE(w->Style() & WS_CLIPSIBLINGS, 0u) << c.name;
  }
}

}  // namespace
}  // namespace kinds_test

// Reading the stored form: round trips, the two ways a description fails, refused kind data and
// the fields each version has.
#include <gtest/gtest.h>

#include <cstring>

#include "test_support.h"
#include "ui/description/reader.h"
#include "ui/description/writer.h"

namespace description_tests {
namespace {

using namespace ui::description;

std::vector<std::uint8_t> BuiltInCopy() {
  auto bytes = BuiltInDescription();
  return {bytes.begin(), bytes.end()};
}

// The built-in description with record `index`'s kind data replaced.
std::vector<std::uint8_t> WithKindData(std::size_t index, std::vector<std::uint8_t> kind_data) {
  auto description = ReadDescription(BuiltInDescription());
  std::vector<WindowToWrite> windows;
  for (const auto& entry : description->windows) {
    WindowToWrite window{entry.identity, entry.value1, entry.value2, entry.text1, entry.text2, {}};
    for (std::size_t i = 0; i < entry.records.size(); ++i) {
      const auto& record = entry.records[i];
      std::vector<std::uint8_t> data(record.kind_data.begin(), record.kind_data.end());
      window.records.push_back({record.identity, record.common, i == index ? kind_data : data});
    }
    windows.push_back(std::move(window));
  }
  return WriteDescription(windows);
}

std::vector<std::uint8_t> KindDataOf(std::size_t index) {
  auto description = ReadDescription(BuiltInDescription());
  const auto& data = description->windows[0].records[index].kind_data;
  return {data.begin(), data.end()};
}

void SetVersion(std::vector<std::uint8_t>& data, std::uint32_t version) {
  for (int i = 0; i < 4; ++i) data[i] = static_cast<std::uint8_t>(version >> (8 * i));
}

DescriptionError ErrorOf(const std::vector<std::uint8_t>& bytes) {
  return ReadWindowDescription(bytes, kMainWindowIdentity).error;
}

// ---- Round trips ----

TEST(RoundTrip, RewritingWhatWasReadGivesTheSameBytes) {
  auto description = ReadDescription(BuiltInDescription());
  ASSERT_TRUE(description);
  EXPECT_EQ(WriteDescription(*description), BuiltInCopy());
}

TEST(RoundTrip, EveryRecordsKindDataRewritesToItsStoredBytes) {
  auto description = ReadDescription(BuiltInDescription());
  ASSERT_TRUE(description);
  for (const auto& record : description->windows[0].records) {
    auto data = ParseKindData(record.common.type, record.kind_data);
    ASSERT_TRUE(data) << std::hex << record.identity;
    EXPECT_EQ(KindDataBytes(*data), std::vector<std::uint8_t>(record.kind_data.begin(), record.kind_data.end()))
        << std::hex << record.identity;
    EXPECT_EQ(RecordTypeOf(*data), record.common.type);
  }
}

// ---- A description cut short ----

TEST(Cut, EveryShorterPrefixFailsWithOneOfTheTwoErrors) {
  const auto bytes = BuiltInCopy();
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    const auto error = ReadWindowDescription(std::span(bytes.data(), length), kMainWindowIdentity).error;
    ASSERT_TRUE(error == DescriptionError::kUnreadable || error == DescriptionError::kWindowNotBuilt)
        << "cut at " << length;
  }
  EXPECT_EQ(ErrorOf(bytes), DescriptionError::kNone);
}

// The same with the block's count following the cut, so that the records themselves run short.
TEST(Cut, EveryShorterBlockFailsWithOneOfTheTwoErrors) {
  auto bytes = BuiltInCopy();
  constexpr std::size_t kBlockCount = 32, kBlock = 36;
  for (std::size_t length = 0; length + kBlock < bytes.size(); ++length) {
    for (int i = 0; i < 4; ++i) bytes[kBlockCount + i] = static_cast<std::uint8_t>(length >> (8 * i));
    const auto error = ReadWindowDescription(std::span(bytes.data(), kBlock + length), kMainWindowIdentity).error;
    ASSERT_TRUE(error == DescriptionError::kUnreadable || error == DescriptionError::kWindowNotBuilt)
        << "block cut at " << length;
  }
}

TEST(Cut, ErrorMessagesAreTheFatalTexts) {
  EXPECT_EQ(DescriptionErrorMessage(DescriptionError::kUnreadable), Gbk("载入窗口模板数据段出错!"));
  EXPECT_EQ(DescriptionErrorMessage(DescriptionError::kWindowNotBuilt), Gbk("载入启动窗口失败"));
  EXPECT_TRUE(DescriptionErrorMessage(DescriptionError::kNone).empty());
}

// ---- Broken stored form: the description cannot be read ----

struct Patch {
  const char* what;
  std::size_t at;  // byte offset in the built-in description
  std::uint32_t value;
};

class BrokenStoredForm : public ::testing::TestWithParam<Patch> {};

TEST_P(BrokenStoredForm, IsUnreadable) {
  auto bytes = BuiltInCopy();
  const Patch& patch = GetParam();
  for (int i = 0; i < 4; ++i) bytes[patch.at + i] = static_cast<std::uint8_t>(patch.value >> (8 * i));
  EXPECT_FALSE(ReadDescription(bytes)) << patch.what;
  EXPECT_EQ(ErrorOf(bytes), DescriptionError::kUnreadable) << patch.what;
}

// Offsets in the built-in description: index count 0, leading values 12, texts 20 and 24, record
// count 28, block count 32, identities from 36, offsets from 36 + 52 * 4.
constexpr std::size_t kOffsets = 36 + 52 * 4;
constexpr std::size_t kFirstRecord = 36 + 52 * 8;

INSTANTIATE_TEST_SUITE_P(
    Patches, BrokenStoredForm,
    ::testing::Values(Patch{"index not a multiple of 8", 0, 12}, Patch{"index past the end", 0, 0x7FFFFFF0},
                      Patch{"first text past the end", 20, 0x7FFFFFF0},
                      Patch{"record count beyond the block", 28, 0x10000000},
                      Patch{"block longer than the data", 32, 0x7FFFFFF0},
                      Patch{"record offset past the block", kOffsets + 4, 0x7FFFFFF0},
                      Patch{"negative record size", kFirstRecord, 0x80000000},
                      Patch{"record size past the block", kFirstRecord, 0x7FFFFFF0},
                      // The window record: type, 20 reserved, two empty names, 4 reserved, place,
                      // cursor slot, parent: the child count follows at 4 + 4 + 20 + 2 + 4 + 16 + 8.
                      Patch{"child count beyond the record", kFirstRecord + 58, 0x40000000}),
    [](const ::testing::TestParamInfo<Patch>& info) { return "Case" + std::to_string(info.index); });

// ---- The window cannot be built ----

TEST(WindowNotBuilt, UnknownWindowIdentity) {
  EXPECT_EQ(ReadWindowDescription(BuiltInDescription(), 0x52010002).error, DescriptionError::kWindowNotBuilt);
}

TEST(WindowNotBuilt, ControlOfAMissingKind) {
  auto bytes = BuiltInCopy();
  // Record 1's type code is the first field of its body.
  const std::size_t at = kFirstRecord + 4 + [&] {
    std::uint32_t offset = 0;
    std::memcpy(&offset, &bytes[kOffsets + 4], 4);
    return offset;
  }();
  bytes[at] = 0x77;
  EXPECT_EQ(ErrorOf(bytes), DescriptionError::kWindowNotBuilt);
}

TEST(WindowNotBuilt, ParentNamingNoRecord) {
  auto description = ReadDescription(BuiltInDescription());
  std::vector<WindowToWrite> windows(1);
  const auto& entry = description->windows[0];
  windows[0] = {entry.identity, entry.value1, entry.value2, entry.text1, entry.text2, {}};
  for (const auto& record : entry.records) {
    windows[0].records.push_back({record.identity, record.common, {record.kind_data.begin(), record.kind_data.end()}});
  }
  windows[0].records[5].common.parent = 0x16019999;
  EXPECT_EQ(ErrorOf(WriteDescription(windows)), DescriptionError::kWindowNotBuilt);
}

// ---- Versions ----

struct VersionCase {
  const char* kind;
  std::size_t record;  // a record of that kind in the built-in description
  std::uint32_t highest;
};

void PrintTo(const VersionCase& c, std::ostream* os) { *os << c.kind << " record " << c.record; }
void PrintTo(const Patch& p, std::ostream* os) { *os << p.what; }

const VersionCase kVersionCases[] = {
    {"Window", 0, 6},      {"HyperLinker", 1, 1}, {"Label", 7, 2},    {"Button", 9, 1},   {"CheckBox", 12, 2},
    {"EditBox", 19, 2},    {"RadioBox", 20, 1},   {"PicBox", 25, 2},
};

class Versions : public ::testing::TestWithParam<VersionCase> {};

TEST_P(Versions, AboveTheHighestIsRefusedAndTheWindowNotBuilt) {
  const VersionCase& c = GetParam();
  auto description = ReadDescription(BuiltInDescription());
  const std::uint32_t type = description->windows[0].records[c.record].common.type;
  ASSERT_EQ(RecordTypeName(type), c.kind);

  auto data = KindDataOf(c.record);
  SetVersion(data, c.highest);
  EXPECT_TRUE(ParseKindData(type, data));
  for (std::uint32_t above : {c.highest + 1, c.highest + 2, 0xFFFFFFFFu}) {
    SetVersion(data, above);
    EXPECT_FALSE(ParseKindData(type, data)) << above;
  }
  SetVersion(data, c.highest + 1);
  EXPECT_EQ(ErrorOf(WithKindData(c.record, data)), DescriptionError::kWindowNotBuilt);
}

INSTANTIATE_TEST_SUITE_P(Kinds, Versions, ::testing::ValuesIn(kVersionCases),
                         [](const ::testing::TestParamInfo<VersionCase>& info) { return std::string(info.param.kind); });

// The tab control reads every version: a later one as far as version 7's fields go.
TEST(Versions, TabControlReadsAnyVersion) {
  auto data = KindDataOf(51);
  for (std::uint32_t version : {8u, 100u, 0xFFFFFFFFu}) {
    SetVersion(data, version);
    auto parsed = ParsePageControlData(data);
    ASSERT_TRUE(parsed) << version;
    EXPECT_EQ(parsed->header_height, 45u);
    EXPECT_EQ(parsed->FrameColour(), 0x00B4A791u);
  }
  SetVersion(data, 8);
  EXPECT_EQ(ErrorOf(WithKindData(51, data)), DescriptionError::kNone);
}

// ---- Kind data cut short ----

class Truncated : public ::testing::TestWithParam<VersionCase> {};

TEST_P(Truncated, EveryShorterKindDataIsRefusedAndLongerIsRead) {
  const VersionCase& c = GetParam();
  auto description = ReadDescription(BuiltInDescription());
  const std::uint32_t type = description->windows[0].records[c.record].common.type;
  const auto data = KindDataOf(c.record);
  for (std::size_t length = 0; length < data.size(); ++length) {
    ASSERT_FALSE(ParseKindData(type, std::span(data.data(), length))) << "cut at " << length;
  }
  auto longer = data;
  longer.insert(longer.end(), {1, 2, 3, 4, 5});
  auto parsed = ParseKindData(type, longer);
  ASSERT_TRUE(parsed) << "bytes after the last field are ignored";
  EXPECT_EQ(KindDataBytes(*parsed), data);
  EXPECT_EQ(ErrorOf(WithKindData(c.record, {data.begin(), data.end() - 1})), DescriptionError::kWindowNotBuilt);
}

INSTANTIATE_TEST_SUITE_P(Kinds, Truncated,
                         ::testing::Values(kVersionCases[0], kVersionCases[1], kVersionCases[2], kVersionCases[3],
                                           kVersionCases[4], kVersionCases[5], kVersionCases[6], kVersionCases[7],
                                           VersionCase{"PageControl", 51, 7}),
                         [](const ::testing::TestParamInfo<VersionCase>& info) { return std::string(info.param.kind); });

// ---- Fields by version, on hand-made data ----

// Window data of `version`: fields 2 to 14 numbered 2..14, then the version-dependent fields
// 15 to 19 numbered 15..19 and the class name, then the five trailing blocks and texts.
std::vector<std::uint8_t> WindowDataOfVersion(std::uint32_t version) {
  ByteBuilder b;
  b.U32(version);
  for (std::uint32_t field = 2; field <= 14; ++field) b.U32(field);
  const std::uint32_t since[] = {2, 3, 3, 4, 5};
  for (int i = 0; i < 5; ++i) {
    if (version >= since[i]) b.U32(15 + i);
  }
  if (version >= 6) b.Text("class");
  b.Text("").Text("ICON").Text("").Text("title").Text("help");
  return b.Get();
}

TEST(WindowFields, EachVersionHasItsFields) {
  const WindowData defaults;
  for (std::uint32_t version = 0; version <= 6; ++version) {
    SCOPED_TRACE(version);
    auto d = ParseWindowData(WindowDataOfVersion(version));
    ASSERT_TRUE(d);
    EXPECT_EQ(d->border_style, 2u);
    EXPECT_EQ(d->help_context, 14u);
    EXPECT_EQ(d->shown_in_taskbar, version >= 2 ? 15u : defaults.shown_in_taskbar);
    EXPECT_EQ(d->drag_anywhere, version >= 3 ? 16u : defaults.drag_anywhere);
    EXPECT_EQ(d->shape, version >= 3 ? 17u : defaults.shape);
    EXPECT_EQ(d->always_on_top, version >= 4 ? 18u : defaults.always_on_top);
    EXPECT_EQ(d->keep_title_active, version >= 5 ? 19u : defaults.keep_title_active);
    EXPECT_EQ(d->class_name, version >= 6 ? "class" : "");
    EXPECT_EQ(d->icon, (std::vector<std::uint8_t>{'I', 'C', 'O', 'N'}));
    EXPECT_EQ(d->title, "title");
    EXPECT_EQ(d->help_file, "help");
  }
  EXPECT_FALSE(ParseWindowData(WindowDataOfVersion(7)));
}

// Field 11 of an edit box is 16 bits wide, so the fields after it sit 2 bytes off the grid.
TEST(EditBoxFields, PasswordCharacterIsSixteenBits) {
  ByteBuilder b;
  b.U32s({2, 3, 0x112233, 0x445566, 0, 50, 0, 0, 1, 2}).U16('#').U32s({2, 1, static_cast<std::uint32_t>(-5), 9, 3, 4});
  b.U32(0).Text("content").Text("source").Text("column");
  auto d = ParseEditBoxData(b.Get());
  ASSERT_TRUE(d);
  EXPECT_EQ(d->border, 3u);
  EXPECT_EQ(d->text_colour, 0x112233u);
  EXPECT_EQ(d->background_colour, 0x445566u);
  EXPECT_EQ(d->max_length, 50u);
  EXPECT_EQ(d->alignment, 1u);
  EXPECT_EQ(d->input_mode, 2u);
  EXPECT_EQ(d->password_char, '#');
  EXPECT_EQ(d->case_conversion, 2u);
  EXPECT_EQ(d->adjuster, 1u);
  EXPECT_EQ(d->adjuster_min, -5);
  EXPECT_EQ(d->adjuster_max, 9);
  EXPECT_EQ(d->selection_start, 3);
  EXPECT_EQ(d->selection_length, 4);
  EXPECT_FALSE(d->font);
  EXPECT_EQ(d->content, "content");
  EXPECT_EQ(d->data_source, "source");
  EXPECT_EQ(d->data_column, "column");
}

// Data source and column belong to version 2 only; version 1 ends with the content or caption.
TEST(VersionedTexts, VersionOneEndsBeforeDataSource) {
  ByteBuilder edit;
  edit.U32s({1, 1, 0, 0xFFFFFF, 1, 0, 0, 0, 0, 0}).U16('*').U32s({0, 0, 0, 100, 0, 0}).U32(0).Text("abc");
  auto e = ParseEditBoxData(edit.Get());
  ASSERT_TRUE(e);
  EXPECT_EQ(e->content, "abc");
  EXPECT_TRUE(e->data_source.empty());

  ByteBuilder check;
  check.U32s({1, 0, 0, 0, 0, 1, 0, 0xFFFFFF, 1}).U32(0).U32(0).Text("caption");
  auto c = ParseCheckBoxData(check.Get());
  ASSERT_TRUE(c);
  EXPECT_EQ(c->caption, "caption");
  EXPECT_EQ(c->checked, 1u);
  EXPECT_TRUE(ParseRadioBoxData(check.Get()).has_value()) << "a radio button has the same layout at version 1";
}

// New controls start with their documented values where the data leaves a field out.
TEST(Defaults, NewControls) {
  const LabelData label;
  EXPECT_EQ(label.caption, Gbk("标签"));
  EXPECT_EQ(label.gradient_border_width, 8u);
  EXPECT_EQ(label.background_colour, 0xFF000000u);
  EXPECT_EQ(label.picture_mode, 1u);
  EXPECT_EQ(label.vertical_alignment, 1u);
  const EditBoxData edit;
  EXPECT_EQ(edit.border, 1u);
  EXPECT_EQ(edit.background_colour, 0x00FFFFFFu);
  EXPECT_EQ(edit.hide_selection, 1u);
  EXPECT_EQ(edit.password_char, 42);
  EXPECT_EQ(edit.adjuster_max, 100);
  const ButtonData button;
  EXPECT_EQ(button.caption, Gbk("按钮"));
  EXPECT_EQ(button.horizontal_alignment, 1u);
  EXPECT_EQ(button.vertical_alignment, 1u);
  EXPECT_EQ(CheckBoxData{}.caption, Gbk("选择框"));
  EXPECT_EQ(RadioBoxData{}.caption, Gbk("单选框"));
  EXPECT_EQ(RadioBoxData{}.background_colour, 0xFF000000u);
  EXPECT_EQ(PageControlData{}.FrameColour(), 0x00B4A791u);
}

// Tab control data of versions before 7 stops at that version's last field.
TEST(TabControlFields, OlderVersionsStopEarlier) {
  PageControlData full;
  full.colours[9] = 0x0A0A0A;
  full.flag_v3 = 3;
  full.flag_v5 = 5;
  full.use_default_font = 1;
  full.flag_v7 = 7;
  const std::size_t tail_of[8] = {0, 0, 16, 20, 20, 24, 28, 32};  // bytes the versions from 2 on add
  full.version = 7;
  const std::size_t full_size = KindDataBytes(full).size();
  for (std::uint32_t version = 1; version <= 7; ++version) {
    SCOPED_TRACE(version);
    PageControlData d = full;
    d.version = version;
    const auto bytes = KindDataBytes(d);
    EXPECT_EQ(bytes.size(), full_size - 32 + tail_of[version]);
    auto parsed = ParsePageControlData(bytes);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->colours[9], version >= 2 ? 0x0A0A0Au : PageControlData{}.colours[9]);
    EXPECT_EQ(parsed->flag_v3, version >= 3 ? 3u : 0u);
    EXPECT_EQ(parsed->flag_v5, version >= 5 ? 5u : 0u);
    EXPECT_EQ(parsed->use_default_font, version >= 6 ? 1u : 0u);
    EXPECT_EQ(parsed->flag_v7, version >= 7 ? 7u : 0u);
  }
}

// ---- Fonts ----

TEST(Fonts, SixtyByteBlockIsALogicalFontAnyOtherSizeTheDefault) {
  std::vector<std::uint8_t> block(60, 0);
  block[0] = 0xF2;  // height -14
  block[1] = block[2] = block[3] = 0xFF;
  block[16] = 0xBC;  // weight 700
  block[17] = 0x02;
  block[20] = 1;     // italic
  block[23] = 134;   // character set
  std::memcpy(&block[28], "\xCB\xCE\xCC\xE5\0leftover", 13);
  auto font = ParseFont(block);
  ASSERT_TRUE(font);
  EXPECT_EQ(font->height, -14);
  EXPECT_EQ(font->weight, 700);
  EXPECT_EQ(font->italic, 1);
  EXPECT_EQ(font->char_set, 134);
  EXPECT_STREQ(font->face_name, "\xCB\xCE\xCC\xE5");
  EXPECT_EQ(font->face_name[6], 0) << "the bytes after the face name's zero are not kept";

  for (std::size_t size : {0u, 59u, 61u, 92u}) {
    std::vector<std::uint8_t> other(size, 0x41);
    EXPECT_FALSE(ParseFont(other)) << size;
  }

  std::vector<std::uint8_t> unterminated(60, 'A');
  font = ParseFont(unterminated);
  ASSERT_TRUE(font);
  EXPECT_EQ(std::strlen(font->face_name), 31u) << "a face name without its zero is cut to stay a text";
}

// Font blocks of another size inside kind data mean the default font and are skipped whole.
TEST(Fonts, OtherSizeInsideKindDataIsSkipped) {
  ByteBuilder b;
  b.U32s({1, 1, 1, 1}).U32(0).U32(3).Raw({1, 2, 3}).Text("caption");
  auto d = ParseButtonData(b.Get());
  ASSERT_TRUE(d);
  EXPECT_FALSE(d->font);
  EXPECT_EQ(d->caption, "caption");
}

}  // namespace
}  // namespace description_tests

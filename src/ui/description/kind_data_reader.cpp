// Each kind's data, read field by field in stored order.
#include <algorithm>
#include <cstring>

#include "ui/description/byte_cursor.h"
#include "ui/description/reader.h"
#include "ui/description/stored_form.h"

namespace ui::description {
namespace {

FontField ReadFont(ByteCursor& c) { return ParseFont(c.CountedBlock()); }

// Reads the version and refuses one above `highest`.
bool ReadVersion(ByteCursor& c, std::uint32_t highest, std::uint32_t& version) {
  version = c.U32();
  return !c.Failed() && version <= highest;
}

template <typename T>
std::optional<T> Finish(const ByteCursor& c, T&& data) {
  if (c.Failed()) return std::nullopt;
  return std::optional<T>(std::forward<T>(data));
}

// The fields check boxes and radio buttons share, after the version and before the caption.
void ReadChoiceFields(ByteCursor& c, ChoiceData& d) {
  d.push_like = c.U32();
  d.flat = c.U32();
  d.caption_left = c.U32();
  d.horizontal_alignment = c.U32();
  d.vertical_alignment = c.U32();
  d.text_colour = c.U32();
  d.background_colour = c.U32();
  d.checked = c.U32();
  d.picture = c.CountedBlockCopy();
  d.font = ReadFont(c);
}

}  // namespace

FontField ParseFont(std::span<const std::uint8_t> block) {
  if (block.size() != static_cast<std::size_t>(kLogFontSize)) return std::nullopt;
  ByteCursor c(block);
  desktop::LogFont lf;
  lf.height = c.I32();
  lf.width = c.I32();
  lf.escapement = c.I32();
  lf.orientation = c.I32();
  lf.weight = c.I32();
  auto bytes = c.Bytes(8);
  lf.italic = bytes[0];
  lf.underline = bytes[1];
  lf.strike_out = bytes[2];
  lf.char_set = bytes[3];
  lf.out_precision = bytes[4];
  lf.clip_precision = bytes[5];
  lf.quality = bytes[6];
  lf.pitch_and_family = bytes[7];
  auto face = c.Bytes(sizeof lf.face_name);
  const std::size_t length = std::min<std::size_t>(
      std::find(face.begin(), face.end(), 0) - face.begin(), sizeof lf.face_name - 1);
  std::memcpy(lf.face_name, face.data(), length);
  return lf;
}

std::optional<WindowData> ParseWindowData(std::span<const std::uint8_t> data) {
  ByteCursor c(data);
  WindowData d;
  if (!ReadVersion(c, kWindowVersion, d.version)) return std::nullopt;
  d.border_style = c.U32();
  d.background_picture_mode = c.U32();
  d.background_colour = c.U32();
  d.maximize_button = c.U32();
  d.minimize_button = c.U32();
  d.control_button = c.U32();
  d.start_position = c.U32();
  d.movable = c.U32();
  d.music_play_count = c.U32();
  d.enter_moves_focus = c.U32();
  d.esc_closes = c.U32();
  d.f1_opens_help = c.U32();
  d.help_context = c.U32();
  if (d.version >= 2) d.shown_in_taskbar = c.U32();
  if (d.version >= 3) d.drag_anywhere = c.U32();
  if (d.version >= 3) d.shape = c.U32();
  if (d.version >= 4) d.always_on_top = c.U32();
  if (d.version >= 5) d.keep_title_active = c.U32();
  if (d.version >= 6) d.class_name = c.CountedText();
  d.background_picture = c.CountedBlockCopy();
  d.icon = c.CountedBlockCopy();
  d.background_music = c.CountedBlockCopy();
  d.title = c.CountedText();
  d.help_file = c.CountedText();
  return Finish(c, std::move(d));
}

std::optional<TabPageList> ParseTabPageList(std::span<const std::uint8_t> data) {
  ByteCursor c(data);
  TabPageList list;
  list.version = c.U32();
  std::uint32_t page_count = c.U32();
  // A page takes at least this many bytes, which bounds the count before anything is allocated.
  constexpr std::size_t kLeastPageSize = 4 + 16 * 4 + 4 * 4 + 4 + 4 + 4;
  if (c.Failed() || static_cast<std::uint64_t>(page_count) * kLeastPageSize > c.Remaining()) return std::nullopt;
  list.pages.resize(page_count);
  for (auto& page : list.pages) {
    page.title = c.CountedText();
    for (auto& group : page.value_groups) {
      for (auto& value : group) value = c.I32();
    }
    page.flag1 = c.U32();
    page.flag2 = c.U32();
    page.reserved1 = c.U32();
    page.reserved2 = c.U32();
    page.hint = c.CountedText();
    page.hides_all_controls = c.U32();
    std::uint32_t further = c.U32();
    if (c.Failed() || static_cast<std::uint64_t>(further) * 4 > c.Remaining()) return std::nullopt;
    page.further_entries.resize(further);
    for (auto& entry : page.further_entries) entry = c.U32();
  }
  return Finish(c, std::move(list));
}

std::optional<PageControlData> ParsePageControlData(std::span<const std::uint8_t> data) {
  ByteCursor c(data);
  PageControlData d;
  d.version = c.U32();
  d.tab_position = c.U32();
  d.all_tabs_shown = c.U32();
  d.current_page = c.U32();
  d.headers_hidden = c.U32();
  d.font = ReadFont(c);
  std::span<const std::uint8_t> page_list = c.CountedBlock();
  if (c.Failed()) return std::nullopt;
  auto pages = ParseTabPageList(page_list);
  if (!pages) return std::nullopt;
  d.page_list = std::move(*pages);
  d.header_height = c.U32();
  d.appearance_preset = c.U32();
  d.slanted_headers = c.U32();
  d.further_flag = c.U32();
  for (auto& list : d.image_lists) list = c.CountedBlockCopy();
  d.picture = c.CountedBlockCopy();
  d.gradient = c.U32();
  for (int group = 0; group < 3; ++group) {
    for (int i = 0; i < 3; ++i) d.colours[group * 3 + i] = c.U32();
    d.spares_between_colours[group] = c.U32();
  }
  for (auto& flag : d.flags_after_colours) flag = c.U32();
  for (auto& spare : d.spares) spare = c.U32();
  if (d.version >= 2) {
    d.flag_v2 = c.U32();
    for (int i = 9; i < 12; ++i) d.colours[i] = c.U32();
  }
  if (d.version >= 3) d.flag_v3 = c.U32();
  if (d.version >= 5) d.flag_v5 = c.U32();
  if (d.version >= 6) d.use_default_font = c.U32();
  if (d.version >= 7) d.flag_v7 = c.U32();
  return Finish(c, std::move(d));
}

std::optional<PicBoxData> ParsePicBoxData(std::span<const std::uint8_t> data) {
  ByteCursor c(data);
  PicBoxData d;
  if (!ReadVersion(c, kPicBoxVersion, d.version)) return std::nullopt;
  d.border = c.U32();
  d.background_colour = c.U32();
  d.draw_mode = c.U32();
  d.play_animation = c.U32();
  d.picture = c.CountedBlockCopy();
  if (d.version == 2) {
    d.data_source = c.CountedText();
    d.data_column = c.CountedText();
  }
  return Finish(c, std::move(d));
}

std::optional<LabelData> ParseLabelData(std::span<const std::uint8_t> data) {
  ByteCursor c(data);
  LabelData d;
  if (!ReadVersion(c, kLabelVersion, d.version)) return std::nullopt;
  d.effect = c.U32();
  d.gradient_border_width = c.U32();
  d.border = c.U32();
  for (auto& colour : d.gradient_border_colours) colour = c.U32();
  d.text_colour = c.U32();
  d.background_colour = c.U32();
  d.picture_mode = c.U32();
  d.gradient_background_mode = c.U32();
  for (auto& colour : d.gradient_background_colours) colour = c.U32();
  d.horizontal_alignment = c.U32();
  d.vertical_alignment = c.U32();
  d.word_wrap = c.U32();
  d.font = ReadFont(c);
  d.picture = c.CountedBlockCopy();
  d.caption = c.CountedText();
  if (d.version == 2) {
    d.data_source = c.CountedText();
    d.data_column = c.CountedText();
  }
  return Finish(c, std::move(d));
}

std::optional<EditBoxData> ParseEditBoxData(std::span<const std::uint8_t> data) {
  ByteCursor c(data);
  EditBoxData d;
  if (!ReadVersion(c, kEditBoxVersion, d.version)) return std::nullopt;
  d.border = c.U32();
  d.text_colour = c.U32();
  d.background_colour = c.U32();
  d.hide_selection = c.U32();
  d.max_length = c.U32();
  d.multi_line = c.U32();
  d.scroll_bars = c.U32();
  d.alignment = c.U32();
  d.input_mode = c.U32();
  d.password_char = c.U16();
  d.case_conversion = c.U32();
  d.adjuster = c.U32();
  d.adjuster_min = c.I32();
  d.adjuster_max = c.I32();
  d.selection_start = c.I32();
  d.selection_length = c.I32();
  d.font = ReadFont(c);
  d.content = c.CountedText();
  if (d.version == 2) {
    d.data_source = c.CountedText();
    d.data_column = c.CountedText();
  }
  return Finish(c, std::move(d));
}

std::optional<ButtonData> ParseButtonData(std::span<const std::uint8_t> data) {
  ByteCursor c(data);
  ButtonData d;
  if (!ReadVersion(c, kButtonVersion, d.version)) return std::nullopt;
  d.kind = c.U32();
  d.horizontal_alignment = c.U32();
  d.vertical_alignment = c.U32();
  d.picture = c.CountedBlockCopy();
  d.font = ReadFont(c);
  d.caption = c.CountedText();
  return Finish(c, std::move(d));
}

std::optional<HyperLinkerData> ParseHyperLinkerData(std::span<const std::uint8_t> data) {
  ByteCursor c(data);
  HyperLinkerData d;
  if (!ReadVersion(c, kHyperLinkerVersion, d.version)) return std::nullopt;
  d.link_kind = c.U32();
  d.normal_colour = c.U32();
  d.visited_colour = c.U32();
  d.hover_colour = c.U32();
  d.background_colour = c.U32();
  d.border = c.U32();
  d.font = ReadFont(c);
  d.caption = c.CountedText();
  d.email_address = c.CountedText();
  d.web_address = c.CountedText();
  return Finish(c, std::move(d));
}

std::optional<CheckBoxData> ParseCheckBoxData(std::span<const std::uint8_t> data) {
  ByteCursor c(data);
  CheckBoxData d;
  if (!ReadVersion(c, kCheckBoxVersion, d.version)) return std::nullopt;
  ReadChoiceFields(c, d);
  d.caption = c.CountedText();
  if (d.version == 2) {
    d.data_source = c.CountedText();
    d.data_column = c.CountedText();
  }
  return Finish(c, std::move(d));
}

std::optional<RadioBoxData> ParseRadioBoxData(std::span<const std::uint8_t> data) {
  ByteCursor c(data);
  RadioBoxData d;
  if (!ReadVersion(c, kRadioBoxVersion, d.version)) return std::nullopt;
  ReadChoiceFields(c, d);
  d.caption = c.CountedText();
  return Finish(c, std::move(d));
}

std::optional<KindData> ParseKindData(std::uint32_t type, std::span<const std::uint8_t> data) {
  auto wrap = [](auto parsed) -> std::optional<KindData> {
    if (!parsed) return std::nullopt;
    return KindData(std::move(*parsed));
  };
  switch (static_cast<RecordType>(type)) {
    case RecordType::kWindow: return wrap(ParseWindowData(data));
    case RecordType::kPageControl: return wrap(ParsePageControlData(data));
    case RecordType::kPicBox: return wrap(ParsePicBoxData(data));
    case RecordType::kLabel: return wrap(ParseLabelData(data));
    case RecordType::kEditBox: return wrap(ParseEditBoxData(data));
    case RecordType::kButton: return wrap(ParseButtonData(data));
    case RecordType::kHyperLinker: return wrap(ParseHyperLinkerData(data));
    case RecordType::kCheckBox: return wrap(ParseCheckBoxData(data));
    case RecordType::kRadioBox: return wrap(ParseRadioBoxData(data));
  }
  return std::nullopt;
}

}  // namespace ui::description

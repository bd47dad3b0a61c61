// Each kind's data written field by field in stored order, with the fields its version has.
#include "ui/description/stored_form.h"
#include "ui/description/writer.h"

namespace ui::description {
namespace {

void WriteChoiceFields(ByteSink& out, const ChoiceData& d) {
  out.U32(d.push_like);
  out.U32(d.flat);
  out.U32(d.caption_left);
  out.U32(d.horizontal_alignment);
  out.U32(d.vertical_alignment);
  out.U32(d.text_colour);
  out.U32(d.background_colour);
  out.U32(d.checked);
  out.CountedBlock(d.picture);
  WriteFont(out, d.font);
}

}  // namespace

void WriteFont(ByteSink& out, const FontField& font) {
  if (!font) {
    out.U32(0);
    return;
  }
  const desktop::LogFont& lf = *font;
  out.U32(kLogFontSize);
  out.I32(lf.height);
  out.I32(lf.width);
  out.I32(lf.escapement);
  out.I32(lf.orientation);
  out.I32(lf.weight);
  const std::uint8_t bytes[8] = {lf.italic,        lf.underline,      lf.strike_out, lf.char_set,
                                 lf.out_precision, lf.clip_precision, lf.quality,    lf.pitch_and_family};
  out.Bytes(bytes);
  out.Bytes({reinterpret_cast<const std::uint8_t*>(lf.face_name), sizeof lf.face_name});
}

void WriteKindData(ByteSink& out, const WindowData& d) {
  out.U32(d.version);
  out.U32(d.border_style);
  out.U32(d.background_picture_mode);
  out.U32(d.background_colour);
  out.U32(d.maximize_button);
  out.U32(d.minimize_button);
  out.U32(d.control_button);
  out.U32(d.start_position);
  out.U32(d.movable);
  out.U32(d.music_play_count);
  out.U32(d.enter_moves_focus);
  out.U32(d.esc_closes);
  out.U32(d.f1_opens_help);
  out.U32(d.help_context);
  if (d.version >= 2) out.U32(d.shown_in_taskbar);
  if (d.version >= 3) out.U32(d.drag_anywhere);
  if (d.version >= 3) out.U32(d.shape);
  if (d.version >= 4) out.U32(d.always_on_top);
  if (d.version >= 5) out.U32(d.keep_title_active);
  if (d.version >= 6) out.CountedText(d.class_name);
  out.CountedBlock(d.background_picture);
  out.CountedBlock(d.icon);
  out.CountedBlock(d.background_music);
  out.CountedText(d.title);
  out.CountedText(d.help_file);
}

void WriteTabPageList(ByteSink& out, const TabPageList& list) {
  out.U32(list.version);
  out.U32(static_cast<std::uint32_t>(list.pages.size()));
  for (const auto& page : list.pages) {
    out.CountedText(page.title);
    for (const auto& group : page.value_groups) {
      for (std::int32_t value : group) out.I32(value);
    }
    out.U32(page.flag1);
    out.U32(page.flag2);
    out.U32(page.reserved1);
    out.U32(page.reserved2);
    out.CountedText(page.hint);
    out.U32(page.hides_all_controls);
    out.U32(static_cast<std::uint32_t>(page.further_entries.size()));
    for (std::uint32_t entry : page.further_entries) out.U32(entry);
  }
}

void WriteKindData(ByteSink& out, const PageControlData& d) {
  out.U32(d.version);
  out.U32(d.tab_position);
  out.U32(d.all_tabs_shown);
  out.U32(d.current_page);
  out.U32(d.headers_hidden);
  WriteFont(out, d.font);
  ByteSink pages;
  WriteTabPageList(pages, d.page_list);
  out.CountedBlock(pages.Data());
  out.U32(d.header_height);
  out.U32(d.appearance_preset);
  out.U32(d.slanted_headers);
  out.U32(d.further_flag);
  for (const auto& list : d.image_lists) out.CountedBlock(list);
  out.CountedBlock(d.picture);
  out.U32(d.gradient);
  for (int group = 0; group < 3; ++group) {
    for (int i = 0; i < 3; ++i) out.U32(d.colours[group * 3 + i]);
    out.U32(d.spares_between_colours[group]);
  }
  for (std::uint32_t flag : d.flags_after_colours) out.U32(flag);
  for (std::uint32_t spare : d.spares) out.U32(spare);
  if (d.version >= 2) {
    out.U32(d.flag_v2);
    for (int i = 9; i < 12; ++i) out.U32(d.colours[i]);
  }
  if (d.version >= 3) out.U32(d.flag_v3);
  if (d.version >= 5) out.U32(d.flag_v5);
  if (d.version >= 6) out.U32(d.use_default_font);
  if (d.version >= 7) out.U32(d.flag_v7);
}

void WriteKindData(ByteSink& out, const PicBoxData& d) {
  out.U32(d.version);
  out.U32(d.border);
  out.U32(d.background_colour);
  out.U32(d.draw_mode);
  out.U32(d.play_animation);
  out.CountedBlock(d.picture);
  if (d.version == 2) {
    out.CountedText(d.data_source);
    out.CountedText(d.data_column);
  }
}

void WriteKindData(ByteSink& out, const LabelData& d) {
  out.U32(d.version);
  out.U32(d.effect);
  out.U32(d.gradient_border_width);
  out.U32(d.border);
  for (ColorRef colour : d.gradient_border_colours) out.U32(colour);
  out.U32(d.text_colour);
  out.U32(d.background_colour);
  out.U32(d.picture_mode);
  out.U32(d.gradient_background_mode);
  for (ColorRef colour : d.gradient_background_colours) out.U32(colour);
  out.U32(d.horizontal_alignment);
  out.U32(d.vertical_alignment);
  out.U32(d.word_wrap);
  WriteFont(out, d.font);
  out.CountedBlock(d.picture);
  out.CountedText(d.caption);
  if (d.version == 2) {
    out.CountedText(d.data_source);
    out.CountedText(d.data_column);
  }
}

void WriteKindData(ByteSink& out, const EditBoxData& d) {
  out.U32(d.version);
  out.U32(d.border);
  out.U32(d.text_colour);
  out.U32(d.background_colour);
  out.U32(d.hide_selection);
  out.U32(d.max_length);
  out.U32(d.multi_line);
  out.U32(d.scroll_bars);
  out.U32(d.alignment);
  out.U32(d.input_mode);
  out.U16(d.password_char);
  out.U32(d.case_conversion);
  out.U32(d.adjuster);
  out.I32(d.adjuster_min);
  out.I32(d.adjuster_max);
  out.I32(d.selection_start);
  out.I32(d.selection_length);
  WriteFont(out, d.font);
  out.CountedText(d.content);
  if (d.version == 2) {
    out.CountedText(d.data_source);
    out.CountedText(d.data_column);
  }
}

void WriteKindData(ByteSink& out, const ButtonData& d) {
  out.U32(d.version);
  out.U32(d.kind);
  out.U32(d.horizontal_alignment);
  out.U32(d.vertical_alignment);
  out.CountedBlock(d.picture);
  WriteFont(out, d.font);
  out.CountedText(d.caption);
}

void WriteKindData(ByteSink& out, const HyperLinkerData& d) {
  out.U32(d.version);
  out.U32(d.link_kind);
  out.U32(d.normal_colour);
  out.U32(d.visited_colour);
  out.U32(d.hover_colour);
  out.U32(d.background_colour);
  out.U32(d.border);
  WriteFont(out, d.font);
  out.CountedText(d.caption);
  out.CountedText(d.email_address);
  out.CountedText(d.web_address);
}

void WriteKindData(ByteSink& out, const CheckBoxData& d) {
  out.U32(d.version);
  WriteChoiceFields(out, d);
  out.CountedText(d.caption);
  if (d.version == 2) {
    out.CountedText(d.data_source);
    out.CountedText(d.data_column);
  }
}

void WriteKindData(ByteSink& out, const RadioBoxData& d) {
  out.U32(d.version);
  WriteChoiceFields(out, d);
  out.CountedText(d.caption);
}

std::vector<std::uint8_t> KindDataBytes(const KindData& data) {
  ByteSink out;
  std::visit([&out](const auto& kind) { WriteKindData(out, kind); }, data);
  return out.Take();
}

std::uint32_t RecordTypeOf(const KindData& data) {
  static constexpr RecordType kTypes[] = {RecordType::kWindow,      RecordType::kPageControl, RecordType::kPicBox,
                                          RecordType::kLabel,       RecordType::kEditBox,     RecordType::kButton,
                                          RecordType::kHyperLinker, RecordType::kCheckBox,    RecordType::kRadioBox};
  static_assert(std::size(kTypes) == std::variant_size_v<KindData>);
  return static_cast<std::uint32_t>(kTypes[data.index()]);
}

}  // namespace ui::description

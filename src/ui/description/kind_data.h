#pragma once
// The kind data of each record kind, with the values of a new control before any data is read.
// Texts are GBK bytes; pictures are whole picture files, kept as stored (desktop::DecodePicture
// turns them into pixels when a control is made).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "desktop/color.h"
#include "desktop/text/font.h"

namespace ui::description {

using desktop::ColorRef;
using Bytes = std::vector<std::uint8_t>;
// A stored font: the logical font record when the block holds one, else the default GUI font.
using FontField = std::optional<desktop::LogFont>;

constexpr ColorRef kGradientGrey = 0x00808080;
constexpr ColorRef kWhite = 0x00FFFFFF;

// The highest version each kind reads; data of a higher version is refused. The tab control
// reads every version and writes this one.
constexpr std::uint32_t kWindowVersion = 6;
constexpr std::uint32_t kPageControlVersion = 7;
constexpr std::uint32_t kPicBoxVersion = 2;
constexpr std::uint32_t kLabelVersion = 2;
constexpr std::uint32_t kEditBoxVersion = 2;
constexpr std::uint32_t kButtonVersion = 1;
constexpr std::uint32_t kHyperLinkerVersion = 1;
constexpr std::uint32_t kCheckBoxVersion = 2;
constexpr std::uint32_t kRadioBoxVersion = 1;

struct WindowData {
  std::uint32_t version = kWindowVersion;
  std::uint32_t border_style = 2;            // 0 none ... 6 fixed frame with sunken client edge
  std::uint32_t background_picture_mode = 1;
  ColorRef background_colour = desktop::kDefaultBackground;
  std::uint32_t maximize_button = 0;
  std::uint32_t minimize_button = 1;
  std::uint32_t control_button = 1;
  std::uint32_t start_position = 1;          // 0 stored place, 1 centred, 2 minimized, 3 maximized
  std::uint32_t movable = 1;
  std::uint32_t music_play_count = 0;
  std::uint32_t enter_moves_focus = 0;
  std::uint32_t esc_closes = 0;
  std::uint32_t f1_opens_help = 0;
  std::uint32_t help_context = 0;
  std::uint32_t shown_in_taskbar = 1;        // from version 2
  std::uint32_t drag_anywhere = 0;           // from version 3
  std::uint32_t shape = 0;                   // from version 3
  std::uint32_t always_on_top = 0;           // from version 4
  std::uint32_t keep_title_active = 0;       // from version 5
  std::string class_name;                    // from version 6
  Bytes background_picture;
  Bytes icon;
  Bytes background_music;
  std::string title;
  std::string help_file;
};

// One page of a tab control, as its page list stores it.
struct TabPage {
  std::string title;
  // Four groups of four values: header image indexes, three zeros, image indexes again, header
  // colours; the fourth value of each group is reserved.
  std::array<std::array<std::int32_t, 4>, 4> value_groups = {{{-1, -1, -1, 0},
                                                              {0, 0, 0, 0},
                                                              {-1, -1, -1, 0},
                                                              {-1, -1, -1, 0}}};
  std::uint32_t flag1 = 1;
  std::uint32_t flag2 = 1;
  std::uint32_t reserved1 = 0;
  std::uint32_t reserved2 = 0;
  std::string hint;
  std::uint32_t hides_all_controls = 0;
  std::vector<std::uint32_t> further_entries;  // stored as a count and that many 32-bit values
};

struct TabPageList {
  std::uint32_t version = 3;
  std::vector<TabPage> pages;
};

struct PageControlData {
  std::uint32_t version = kPageControlVersion;
  std::uint32_t tab_position = 0;   // 0 top, 1 bottom, 2 left, 3 right
  std::uint32_t all_tabs_shown = 0;
  std::uint32_t current_page = 0;
  std::uint32_t headers_hidden = 0;
  FontField font;
  TabPageList page_list;
  std::uint32_t header_height = 24;
  std::uint32_t appearance_preset = 0;
  std::uint32_t slanted_headers = 0;
  std::uint32_t further_flag = 0;
  std::array<Bytes, 3> image_lists;
  Bytes picture;
  std::uint32_t gradient = 0;
  // Colours 1 to 12; colour 8 is the frame colour. Spare values stand between the groups of three.
  std::array<ColorRef, 12> colours = {0x00FEFCFC, 0x00F6FFFF, 0x00DAECF2, 0x002572CF,
                                      0x005896E3, 0x00FEFCFC, 0x00000000, 0x00B4A791,
                                      0x00808080, 0x00FFFFFF, 0x00F6FFFF, 0x00DAECF2};
  std::array<std::uint32_t, 3> spares_between_colours = {0, 0, 0};
  std::array<std::uint32_t, 2> flags_after_colours = {0, 0};
  std::array<std::uint32_t, 3> spares = {0, 0, 0};
  std::uint32_t flag_v2 = 0;            // from version 2, with colours 10 to 12
  std::uint32_t flag_v3 = 0;            // from version 3
  std::uint32_t flag_v5 = 0;            // from version 5
  std::uint32_t use_default_font = 0;   // from version 6
  std::uint32_t flag_v7 = 0;            // from version 7

  ColorRef FrameColour() const { return colours[7]; }
};

struct PicBoxData {
  std::uint32_t version = kPicBoxVersion;
  std::uint32_t border = 0;
  ColorRef background_colour = desktop::kDefaultBackground;
  std::uint32_t draw_mode = 0;  // 0 natural size top-left, 1 stretched, 2 centred and shrunk to fit
  std::uint32_t play_animation = 0;
  Bytes picture;
  std::string data_source;  // version 2 only
  std::string data_column;  // version 2 only
};

struct LabelData {
  std::uint32_t version = kLabelVersion;
  std::uint32_t effect = 0;
  std::uint32_t gradient_border_width = 8;
  std::uint32_t border = 0;
  std::array<ColorRef, 3> gradient_border_colours = {kGradientGrey, kWhite, kGradientGrey};
  ColorRef text_colour = 0;
  ColorRef background_colour = desktop::kDefaultBackground;
  std::uint32_t picture_mode = 1;
  std::uint32_t gradient_background_mode = 0;
  std::array<ColorRef, 3> gradient_background_colours = {kGradientGrey, kWhite, kGradientGrey};
  std::uint32_t horizontal_alignment = 0;
  std::uint32_t vertical_alignment = 1;
  std::uint32_t word_wrap = 0;
  FontField font;
  Bytes picture;
  std::string caption = "\xB1\xEA\xC7\xA9";  // 标签
  std::string data_source;  // version 2 only
  std::string data_column;  // version 2 only
};

struct EditBoxData {
  std::uint32_t version = kEditBoxVersion;
  std::uint32_t border = 1;
  ColorRef text_colour = 0;
  ColorRef background_colour = kWhite;
  std::uint32_t hide_selection = 1;
  std::uint32_t max_length = 0;
  std::uint32_t multi_line = 0;
  std::uint32_t scroll_bars = 0;
  std::uint32_t alignment = 0;
  std::uint32_t input_mode = 0;
  std::uint16_t password_char = '*';  // the one 16-bit field
  std::uint32_t case_conversion = 0;
  std::uint32_t adjuster = 0;
  std::int32_t adjuster_min = 0;
  std::int32_t adjuster_max = 100;
  std::int32_t selection_start = 0;
  std::int32_t selection_length = 0;
  FontField font;
  std::string content;
  std::string data_source;  // version 2 only
  std::string data_column;  // version 2 only
};

struct ButtonData {
  std::uint32_t version = kButtonVersion;
  std::uint32_t kind = 0;  // 1 default push button
  std::uint32_t horizontal_alignment = 1;
  std::uint32_t vertical_alignment = 1;
  Bytes picture;
  FontField font;
  std::string caption = "\xB0\xB4\xC5\xA5";  // 按钮
};

struct HyperLinkerData {
  std::uint32_t version = kHyperLinkerVersion;
  std::uint32_t link_kind = 1;  // 0 e-mail, otherwise web
  ColorRef normal_colour = 0x00FF0000;
  ColorRef visited_colour = 0x00000080;
  ColorRef hover_colour = 0x006A240A;
  ColorRef background_colour = desktop::kDefaultBackground;
  std::uint32_t border = 0;
  FontField font;
  std::string caption;
  std::string email_address;
  std::string web_address;
};

// The fields check boxes and radio buttons share.
struct ChoiceData {
  std::uint32_t push_like = 0;
  std::uint32_t flat = 0;
  std::uint32_t caption_left = 0;
  std::uint32_t horizontal_alignment = 0;
  std::uint32_t vertical_alignment = 1;
  ColorRef text_colour = 0;
  ColorRef background_colour = desktop::kDefaultBackground;
  std::uint32_t checked = 0;  // 1 checked at creation
  Bytes picture;
  FontField font;
};

struct CheckBoxData : ChoiceData {
  std::uint32_t version = kCheckBoxVersion;
  std::string caption = "\xD1\xA1\xD4\xF1\xBF\xF2";  // 选择框
  std::string data_source;  // version 2 only
  std::string data_column;  // version 2 only
};

struct RadioBoxData : ChoiceData {
  std::uint32_t version = kRadioBoxVersion;
  std::string caption = "\xB5\xA5\xD1\xA1\xBF\xF2";  // 单选框
};

using KindData = std::variant<WindowData, PageControlData, PicBoxData, LabelData, EditBoxData, ButtonData,
                              HyperLinkerData, CheckBoxData, RadioBoxData>;

}  // namespace ui::description

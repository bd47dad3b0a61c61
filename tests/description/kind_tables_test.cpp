// The built-in description's kind data against the tables of each kind: texts byte for byte in
// GBK, fonts, colours, alignments, checked states, pictures and hyperlink addresses.
#include <gtest/gtest.h>

#include <cstring>

#include "picture_facts.h"
#include "test_support.h"
#include "ui/description/reader.h"

namespace description_tests {
namespace {

using namespace ui::description;

constexpr ColorRef kWhite = 0x00FFFFFF;
constexpr ColorRef kBlack = 0x00000000;
constexpr ColorRef kSystemDefault = 0xFF000000;

// The stored font of the text controls: 宋体 with only the height varying.
void ExpectSongTi(const FontField& font, int height, const std::string& where) {
  ASSERT_TRUE(font.has_value()) << where;
  EXPECT_EQ(font->height, -height) << where;
  EXPECT_EQ(font->width, 0) << where;
  EXPECT_EQ(font->escapement, 0) << where;
  EXPECT_EQ(font->orientation, 0) << where;
  EXPECT_EQ(font->weight, 400) << where;
  EXPECT_EQ(font->italic, 0) << where;
  EXPECT_EQ(font->underline, 0) << where;
  EXPECT_EQ(font->strike_out, 0) << where;
  EXPECT_EQ(font->char_set, 134) << where;
  EXPECT_EQ(font->out_precision, 3) << where;
  EXPECT_EQ(font->clip_precision, 2) << where;
  EXPECT_EQ(font->quality, 1) << where;
  EXPECT_EQ(font->pitch_and_family, 2) << where;
  EXPECT_STREQ(font->face_name, "\xCB\xCE\xCC\xE5") << where;  // 宋体
}

void ExpectFont(const FontField& font, int height, const std::string& where) {
  if (height == 0) {
    EXPECT_FALSE(font.has_value()) << where << " uses the default GUI font";
  } else {
    ExpectSongTi(font, height, where);
  }
}

// ---- Labels ----

struct LabelRow {
  const char* name;
  std::uint32_t border;
  int font_height;  // 0: default GUI font
  std::uint32_t alignment;
  std::uint32_t word_wrap;
  const char* text;
};

const LabelRow kLabels[] = {
    {"标签1", 1, 14, 0, 1,
     "购物小助手帮助：您只要在上方搜索框内输入相应商品关键词，如“鼠标”等，选择下方相应条件，点击右方搜索（放大镜）按钮，即可找到相应商品。多个关键字要用空格隔开哦^_^\r\n"
     "“如实描述”是指卖家对商品的有效描述是如实的，是与商品本身相符的，没有不符合商品实际的描述以及言过其实的描述。\r\n"
     "“7天退换”指卖家允许买家按“7天无理由退换货”服务规则及淘宝网其他公示规则的规定对其已购特定商品进行退换货。\r\n"
     "“淘宝商城”是淘宝网打造的在线B2C购物平台，商城提供“7天退换”、“正品保障”、“提供发票”的购物保障。\r\n"
     "禾朗购物小助手祝您购物愉快，万事如意！"},
    {"标签3", 1, 16, 0, 1,
     "购物小助手帮助：您只要在上方搜索框内输入相应商品关键词，如“鼠标”等，选择下方相应条件，点击右方搜索（放大镜）按钮，即可找到相应商品。多个关键字要用空格隔开，如您要搜索“ddr3内存”，在搜索框内填入“ddr3 内存”即可。"},
    {"标签2", 0, 0, 0, 1,
     "京东商城是中国专业的网上购物商城。百万种商品，家用电器、手机数码、电脑、服饰、钟表、化妆、母婴等十大类。京东商城承诺：所售商品100％正品行货，全国联保，机打发票，价格更实惠；支持货到付款，送货上门及POS刷卡服务，尽享安全便捷。"},
    {"标签4", 0, 0, 0, 1,
     "新蛋网是全球领先的电脑整机、手机、数码产品、IT配件和家电百货网上购物商城。新蛋中国所有在售商品均100%正品行货，电脑电视机承诺“绝对低价，差价补偿”，提供正规发票，货到付款，满99免运费，订单24小时内出库，更快更省选新蛋。"},
    {"标签13", 1, 16, 2, 0, "多个关键词请用空格隔开，点上方按钮即可搜索↑"},
    {"标签5", 0, 0, 0, 1,
     "卓越亚马逊网上商城，销售包括图书、音像、软件、玩具、钟表、首饰、服饰箱包、鞋靴、运动健康、化妆护理、家居、食品、手机、数码、电脑、家电等27类150多万种商品。正品保证、天天低价，货到付款，十五天内可退换货，全场一律免运费！"},
    {"标签12", 0, 0, 0, 1,
     "当当网，全球最大的综合性网上商城，货到付款，免运费！十年品质，放心低价，近100万种商品在线热销！图书、音像、母婴、美妆、家居、服装、鞋包、数码3C等几十大类，正品行货，低至2折，安全快捷，购物轻松搞定！"},
};

void PrintTo(const LabelRow& row, std::ostream* os) { *os << row.name; }

class Labels : public ::testing::TestWithParam<LabelRow> {};

TEST_P(Labels, DataMatchesTable) {
  const LabelRow& row = GetParam();
  const auto& d = DataOf<LabelData>(row.name);
  EXPECT_EQ(d.version, 2u);
  EXPECT_EQ(d.effect, 0u);
  EXPECT_EQ(d.gradient_border_width, 8u);
  EXPECT_EQ(d.border, row.border);
  EXPECT_EQ(d.gradient_border_colours, (std::array<ColorRef, 3>{0x808080, 0xFFFFFF, 0x808080}));
  EXPECT_EQ(d.gradient_background_colours, (std::array<ColorRef, 3>{0x808080, 0xFFFFFF, 0x808080}));
  EXPECT_EQ(d.text_colour, kBlack);
  EXPECT_EQ(d.background_colour, kWhite);
  EXPECT_EQ(d.picture_mode, 1u);
  EXPECT_TRUE(d.picture.empty());
  EXPECT_EQ(d.gradient_background_mode, 0u);
  EXPECT_EQ(d.horizontal_alignment, row.alignment);
  EXPECT_EQ(d.vertical_alignment, 1u);
  EXPECT_EQ(d.word_wrap, row.word_wrap);
  ExpectFont(d.font, row.font_height, row.name);
  EXPECT_EQ(d.caption, Gbk(row.text));
  EXPECT_TRUE(d.data_source.empty());
  EXPECT_TRUE(d.data_column.empty());
}

INSTANTIATE_TEST_SUITE_P(MainWindow, Labels, ::testing::ValuesIn(kLabels));

// The two percent signs differ, and the hint's arrow is one GBK character.
TEST(LabelTexts, SpecialCharactersAsGbkBytes) {
  EXPECT_NE(DataOf<LabelData>("标签2").caption.find("100\xA3\xA5"), std::string::npos);  // full-width ％
  EXPECT_NE(DataOf<LabelData>("标签4").caption.find("100%"), std::string::npos);
  const std::string& hint = DataOf<LabelData>("标签13").caption;
  EXPECT_EQ(hint.substr(hint.size() - 2), "\xA1\xFC");  // ↑
  const std::string& help = DataOf<LabelData>("标签1").caption;
  EXPECT_EQ(std::count(help.begin(), help.end(), '\n'), 4);
  EXPECT_NE(help.back(), '\n');
}

// ---- Edit boxes ----

TEST(EditBoxes, KeywordBoxesAllAlike) {
  for (const char* name : {"编辑框1", "编辑框2", "编辑框3"}) {
    SCOPED_TRACE(name);
    const auto& d = DataOf<EditBoxData>(name);
    EXPECT_EQ(d.version, 2u);
    EXPECT_EQ(d.border, 1u);
    EXPECT_EQ(d.text_colour, kBlack);
    EXPECT_EQ(d.background_colour, kWhite);
    EXPECT_EQ(d.hide_selection, 0u);
    EXPECT_EQ(d.max_length, 0u);
    EXPECT_EQ(d.multi_line, 0u);
    EXPECT_EQ(d.scroll_bars, 0u);
    EXPECT_EQ(d.alignment, 0u);
    EXPECT_EQ(d.input_mode, 0u);
    EXPECT_EQ(d.password_char, '*');
    EXPECT_EQ(d.case_conversion, 0u);
    EXPECT_EQ(d.adjuster, 0u);
    EXPECT_EQ(d.adjuster_min, 0);
    EXPECT_EQ(d.adjuster_max, 100);
    EXPECT_EQ(d.selection_start, 0);
    EXPECT_EQ(d.selection_length, 0);
    ExpectSongTi(d.font, 16, name);
    EXPECT_TRUE(d.content.empty());
    EXPECT_TRUE(d.data_source.empty());
    EXPECT_TRUE(d.data_column.empty());
  }
}

// ---- Picture buttons ----

struct ButtonRow {
  const char* name;
  std::uint32_t kind;
  const char* caption;
  const char* format;
  int width, height;
};

const ButtonRow kButtons[] = {
    {"按钮1", 0, "按钮", "GIF", 55, 42}, {"按钮2", 1, "", "GIF", 80, 70},     {"按钮3", 1, "", "GIF", 80, 70},
    {"按钮4", 1, "", "GIF", 80, 70},     {"按钮5", 0, "按钮", "JPEG", 150, 60}, {"按钮6", 0, "按钮", "JPEG", 90, 90},
    {"按钮7", 0, "按钮", "JPEG", 90, 90}, {"按钮8", 0, "按钮", "JPEG", 90, 90},
};

void PrintTo(const ButtonRow& row, std::ostream* os) { *os << row.name; }

class Buttons : public ::testing::TestWithParam<ButtonRow> {};

TEST_P(Buttons, DataMatchesTable) {
  const ButtonRow& row = GetParam();
  const auto& d = DataOf<ButtonData>(row.name);
  EXPECT_EQ(d.version, 1u);
  EXPECT_EQ(d.kind, row.kind);
  EXPECT_EQ(d.horizontal_alignment, 1u);
  EXPECT_EQ(d.vertical_alignment, 1u);
  EXPECT_FALSE(d.font.has_value());
  EXPECT_EQ(d.caption, Gbk(row.caption));
  const PictureFacts facts = FactsOf(d.picture);
  EXPECT_EQ(facts.format, row.format);
  EXPECT_EQ(facts.width, row.width);
  EXPECT_EQ(facts.height, row.height);
  if (facts.format == "GIF") {
    EXPECT_EQ(facts.bits, 8) << "256-colour palette";
  } else {
    EXPECT_TRUE(facts.baseline);
  }
}

INSTANTIATE_TEST_SUITE_P(MainWindow, Buttons, ::testing::ValuesIn(kButtons));

TEST(ButtonPictures, SearchButtonsShareTheMagnifierAndTaoIsTransparentWhite) {
  const Bytes& magnifier = DataOf<ButtonData>("按钮2").picture;
  EXPECT_EQ(DataOf<ButtonData>("按钮3").picture, magnifier);
  EXPECT_EQ(DataOf<ButtonData>("按钮4").picture, magnifier);

  const Bytes& tao = DataOf<ButtonData>("按钮1").picture;
  const PictureFacts facts = FactsOf(tao);
  ASSERT_EQ(facts.transparent_index, 231);
  ASSERT_TRUE(tao[10] & 0x80) << "a global palette";
  const std::size_t entry = 13 + 231 * 3;
  EXPECT_EQ(tao[entry], 0xFF);
  EXPECT_EQ(tao[entry + 1], 0xFF);
  EXPECT_EQ(tao[entry + 2], 0xFF);
}

// ---- Hyperlink boxes ----

struct LinkRow {
  const char* name;
  const char* caption;
  const char* address;
};

#define TAOBAO "http://pindao.huoban.taobao.com"
#define TAOBAO_PID "?pid=mm_40615293_0_0&eventid="
#define JOYO "http://click.linktech.cn/?m=joyo&a=A207351946&l=99999&l_cd1=0&l_cd2=1&tu=http%3A%2F%2Fwww.amazon.cn"
#define UNION "http://union.dangdang.com/transfer/transfer.aspx?from=P-519604&backurl=http://"

const LinkRow kLinks[] = {
    {"超级链接框1", "女人频道", TAOBAO "/tms/channel/lady.htm" TAOBAO_PID "101345"},
    {"超级链接框2", "美容频道", TAOBAO "/tms/channel/beauty.htm" TAOBAO_PID "101328"},
    {"超级链接框3", "饰品鞋包", TAOBAO "/tms/channel/jewelry.htm" TAOBAO_PID "101331"},
    {"超级链接框4", "男人频道", TAOBAO "/tms/channel/man.htm" TAOBAO_PID "101330"},
    {"超级链接框5", "促销频道", TAOBAO "/tms/channel/onsale.htm" TAOBAO_PID "101586"},
    {"超级链接框6", "商城频道", TAOBAO "/tms/channel/channelmall.htm" TAOBAO_PID "101334"},
    {"超级链接框7", "淘宝风云榜", TAOBAO "/channel/channelfy.htm" TAOBAO_PID "101325"},
    {"超级链接框8", "居家玩具", TAOBAO "/tms/channel/baby.htm" TAOBAO_PID "101326"},
    {"超级链接框9", "电器城频道", TAOBAO "/tms/channel/electric.htm" TAOBAO_PID "101333"},
    {"超级链接框10", "食品频道", TAOBAO "/tms/channel/food.htm" TAOBAO_PID "101327"},
    {"超级链接框11", "数码频道", TAOBAO "/tms/channel/digital.htm" TAOBAO_PID "101332"},
    {"超级链接框12", "家装频道", TAOBAO "/tms/channel/mallhouse.htm" TAOBAO_PID "101546"},
    {"超级链接框13", "图  书",
     JOYO "%2F%25E5%259B%25BE%25E4%25B9%25A6%2Fb%2Fref%3Dsd_allcat_bo%3Fie%3DUTF8%26node%3D658390051"},
    {"超级链接框14", "排行榜", JOYO "%2Fgp%2Fbestsellers%2F"},
    {"超级链接框15", "图  书", UNION "book.dangdang.com"},
    {"超级链接框16", "排行榜", UNION "bang.dangdang.com"},
    {"超级链接框17", "促  销", UNION "promo.dangdang.com"},
    {"超级链接框18", "商店街", UNION "shop.dangdang.com"},
};

void PrintTo(const LinkRow& row, std::ostream* os) { *os << row.name; }

class HyperLinks : public ::testing::TestWithParam<LinkRow> {};

TEST_P(HyperLinks, DataMatchesTable) {
  const LinkRow& row = GetParam();
  const auto& d = DataOf<HyperLinkerData>(row.name);
  EXPECT_EQ(d.version, 1u);
  EXPECT_EQ(d.link_kind, 1u);
  EXPECT_EQ(d.normal_colour, 0x00FF0000u);
  EXPECT_EQ(d.visited_colour, 0x00000080u);
  EXPECT_EQ(d.hover_colour, 0x006A240Au);
  EXPECT_EQ(d.background_colour, kWhite);
  EXPECT_EQ(d.border, 4u);
  EXPECT_FALSE(d.font.has_value());
  EXPECT_EQ(d.caption, Gbk(row.caption));
  EXPECT_TRUE(d.email_address.empty());
  EXPECT_EQ(d.web_address, row.address);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, HyperLinks, ::testing::ValuesIn(kLinks));

// ---- Check boxes and radio buttons ----

struct ChoiceRow {
  const char* name;
  bool radio;
  const char* caption;
  int font_height;
  bool checked;
};

const ChoiceRow kChoices[] = {
    {"选择框1", false, "如实描述", 14, true},      {"选择框2", false, "7天退换", 14, false},
    {"选择框3", false, "淘宝商城", 14, false},     {"选择框10", false, "旺旺在线", 14, false},
    {"选择框4", false, "仅搜索图书", 16, false},   {"单选框1", true, "价格从低到高", 14, true},
    {"单选框2", true, "销量从高到低", 14, false},  {"单选框3", true, "信用从高到低", 14, false},
    {"单选框4", true, "按默认排序", 15, true},     {"单选框6", true, "按价格升序", 15, false},
    {"单选框5", true, "按价格降序", 15, false},
};

void PrintTo(const ChoiceRow& row, std::ostream* os) { *os << row.name; }

class Choices : public ::testing::TestWithParam<ChoiceRow> {};

TEST_P(Choices, DataMatchesTable) {
  const ChoiceRow& row = GetParam();
  const ChoiceData* shared = nullptr;
  std::string caption;
  if (row.radio) {
    const auto& d = DataOf<RadioBoxData>(row.name);
    EXPECT_EQ(d.version, 1u);
    shared = &d;
    caption = d.caption;
  } else {
    const auto& d = DataOf<CheckBoxData>(row.name);
    EXPECT_EQ(d.version, 2u);
    EXPECT_TRUE(d.data_source.empty());
    EXPECT_TRUE(d.data_column.empty());
    shared = &d;
    caption = d.caption;
  }
  EXPECT_EQ(caption, Gbk(row.caption));
  EXPECT_EQ(shared->push_like, 0u);
  EXPECT_EQ(shared->flat, 0u);
  EXPECT_EQ(shared->caption_left, 0u);
  EXPECT_EQ(shared->horizontal_alignment, 0u);
  EXPECT_EQ(shared->vertical_alignment, 1u);
  EXPECT_EQ(shared->text_colour, kBlack);
  EXPECT_EQ(shared->background_colour, kWhite);
  EXPECT_EQ(shared->checked, row.checked ? 1u : 0u);
  EXPECT_TRUE(shared->picture.empty());
  ExpectSongTi(shared->font, row.font_height, row.name);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, Choices, ::testing::ValuesIn(kChoices));

// ---- Picture boxes ----

struct PicBoxRow {
  const char* name;
  ColorRef background;
  std::uint32_t draw_mode;
  std::uint32_t play_animation;
  int width, height, bits;
  std::size_t file_size;
};

const PicBoxRow kPicBoxes[] = {
    {"图片框1", kWhite, 2, 0, 140, 35, 8, 5978},
    {"图片框3", kSystemDefault, 0, 1, 196, 49, 24, 28866},
    {"图片框2", kSystemDefault, 0, 1, 196, 49, 24, 28866},
};

void PrintTo(const PicBoxRow& row, std::ostream* os) { *os << row.name; }

class PicBoxes : public ::testing::TestWithParam<PicBoxRow> {};

TEST_P(PicBoxes, DataMatchesTable) {
  const PicBoxRow& row = GetParam();
  const auto& d = DataOf<PicBoxData>(row.name);
  EXPECT_EQ(d.version, 2u);
  EXPECT_EQ(d.border, 0u);
  EXPECT_EQ(d.background_colour, row.background);
  EXPECT_EQ(d.draw_mode, row.draw_mode);
  EXPECT_EQ(d.play_animation, row.play_animation);
  EXPECT_TRUE(d.data_source.empty());
  EXPECT_TRUE(d.data_column.empty());
  EXPECT_EQ(d.picture.size(), row.file_size);
  const PictureFacts facts = FactsOf(d.picture);
  EXPECT_EQ(facts.format, "BMP");
  EXPECT_EQ(facts.width, row.width);
  EXPECT_EQ(facts.height, row.height);
  EXPECT_EQ(facts.bits, row.bits);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, PicBoxes, ::testing::ValuesIn(kPicBoxes));

// ---- The tab control ----

TEST(TabControl, DataAndPageList) {
  const auto& d = DataOf<PageControlData>("高级选择夹1");
  EXPECT_EQ(d.version, 7u);
  EXPECT_EQ(d.tab_position, 0u);
  EXPECT_EQ(d.all_tabs_shown, 1u);
  EXPECT_EQ(d.current_page, 0u);
  EXPECT_EQ(d.headers_hidden, 0u);
  ASSERT_TRUE(d.font.has_value());
  EXPECT_EQ(d.font->height, -12);
  EXPECT_EQ(d.font->weight, 400);
  EXPECT_EQ(d.font->char_set, 134);
  EXPECT_EQ(d.font->italic | d.font->underline | d.font->strike_out, 0);
  EXPECT_STREQ(d.font->face_name, "\xCB\xCE\xCC\xE5");
  EXPECT_EQ(d.header_height, 45u);
  EXPECT_EQ(d.appearance_preset, 2u);
  EXPECT_EQ(d.slanted_headers, 0u);
  for (const auto& list : d.image_lists) EXPECT_TRUE(list.empty());
  EXPECT_TRUE(d.picture.empty());
  EXPECT_EQ(d.gradient, 1u);
  EXPECT_EQ(d.use_default_font, 0u);
  EXPECT_EQ(d.FrameColour(), 0x00B4A791u);

  EXPECT_EQ(d.page_list.version, 3u);
  const char* hints[] = {"淘宝搜索", "京东新蛋", "卓越当当"};
  ASSERT_EQ(d.page_list.pages.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const TabPage& page = d.page_list.pages[i];
    EXPECT_EQ(page.title, std::string(33, ' '));
    EXPECT_EQ(page.hint, Gbk(hints[i]));
    EXPECT_EQ(page.value_groups[0][0], -1);
    EXPECT_EQ(page.value_groups[0][2], -1);
    EXPECT_EQ(page.value_groups[1][0], 0);
    EXPECT_EQ(page.value_groups[2][1], -1);
    EXPECT_EQ(page.value_groups[3][2], -1);
    EXPECT_EQ(page.flag1, 1u);
    EXPECT_EQ(page.flag2, 1u);
    EXPECT_EQ(page.hides_all_controls, 0u);
    EXPECT_TRUE(page.further_entries.empty());
  }
}

// The page list's counted block holds 419 bytes, right after the 60-byte font.
TEST(TabControl, PageListBlockIs419Bytes) {
  const auto bytes = BuiltInDescription();
  auto description = ReadDescription(bytes);
  ASSERT_TRUE(description);
  const auto& data = description->windows[0].records[51].kind_data;
  ASSERT_GT(data.size(), 88u);
  auto u32_at = [&](std::size_t at) {
    return data[at] | (data[at + 1] << 8) | (data[at + 2] << 16) | (static_cast<std::uint32_t>(data[at + 3]) << 24);
  };
  EXPECT_EQ(u32_at(20), 60u);  // after version and four settings: the font block
  EXPECT_EQ(u32_at(84), 419u);
}

// ---- The window ----

TEST(Window, SettingsIconAndTitle) {
  const WindowData& d = BuiltInWindow().data;
  EXPECT_EQ(d.version, 6u);
  EXPECT_EQ(d.border_style, 6u);
  EXPECT_EQ(d.background_picture_mode, 1u);
  EXPECT_EQ(d.background_colour, kSystemDefault);
  EXPECT_EQ(d.maximize_button, 0u);
  EXPECT_EQ(d.minimize_button, 1u);
  EXPECT_EQ(d.control_button, 1u);
  EXPECT_EQ(d.start_position, 1u);
  EXPECT_EQ(d.movable, 1u);
  EXPECT_EQ(d.music_play_count, 0u);
  EXPECT_EQ(d.enter_moves_focus, 1u);
  EXPECT_EQ(d.esc_closes, 1u);
  EXPECT_EQ(d.f1_opens_help, 0u);
  EXPECT_EQ(d.help_context, 0u);
  EXPECT_EQ(d.shown_in_taskbar, 1u);
  EXPECT_EQ(d.drag_anywhere, 0u);
  EXPECT_EQ(d.shape, 0u);
  EXPECT_EQ(d.always_on_top, 0u);
  EXPECT_EQ(d.keep_title_active, 0u);
  EXPECT_TRUE(d.class_name.empty());
  EXPECT_TRUE(d.background_picture.empty());
  EXPECT_TRUE(d.background_music.empty());
  EXPECT_TRUE(d.help_file.empty());
  EXPECT_EQ(d.title, Gbk("禾朗购物小助手v1.0"));
  EXPECT_EQ(d.title.size(), 18u);

  EXPECT_EQ(d.icon.size(), 7526u);
  const PictureFacts icon = FactsOf(d.icon);
  EXPECT_EQ(icon.format, "ICO");
  EXPECT_EQ(icon.images, 1);
  EXPECT_EQ(icon.width, 80);
  EXPECT_EQ(icon.height, 70);
  EXPECT_EQ(icon.bits, 8);
  EXPECT_EQ(icon.stored_height, 140);
}

}  // namespace
}  // namespace description_tests

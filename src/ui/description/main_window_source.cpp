// The main window: its settings and its 51 controls, one entry per control, grouped by page and
// in creation order within each page. Texts are written here in UTF-8; the builder stores them
// in GBK.
#include "ui/description/main_window_source.h"

#include <algorithm>
#include <cstring>

#include "links/handler_table.h"
#include "links/fixed_links.h"
#include "ui/description/stored_form.h"

namespace ui::description {
namespace {

constexpr std::uint32_t kTabControl = 0x16010003;
constexpr ColorRef kBlack = 0x00000000;

// Where a control stands: page 0 is the window itself (only the tab control lives there).
struct Placement {
  int page;
  int record;
  std::uint32_t identity;
  const char* name;
  int left, top, width, height;
  bool tab_stop;
};

struct ControlEntry {
  Placement at;
  KindData data;
  std::vector<EventBinding> events;
};

class Tables {
 public:
  Tables(const TextEncoder& text, const AssetLoader& asset) : text_(text), asset_(asset) {}

  std::string T(std::string_view utf8) const { return text_(utf8); }
  Bytes Picture(std::string_view file) const { return asset_(file); }

  // The stored font of the window's text controls: 宋体 at a character height of `pixels`.
  desktop::LogFont SongTi(int pixels) const {
    desktop::LogFont lf;
    lf.height = -pixels;
    lf.width = 0;
    lf.escapement = 0;
    lf.orientation = 0;
    lf.weight = 400;
    lf.char_set = 134;
    lf.out_precision = 3;
    lf.clip_precision = 2;
    lf.quality = 1;
    lf.pitch_and_family = 2;
    const std::string face = T("宋体");
    std::memcpy(lf.face_name, face.data(), std::min(face.size(), sizeof lf.face_name - 1));
    return lf;
  }

  WindowData Window() const {
    WindowData d;
    d.version = 6;
    d.border_style = 6;
    d.background_picture_mode = 1;
    d.background_colour = desktop::kDefaultBackground;
    d.maximize_button = 0;
    d.minimize_button = 1;
    d.control_button = 1;
    d.start_position = 1;
    d.movable = 1;
    d.music_play_count = 0;
    d.enter_moves_focus = 1;
    d.esc_closes = 1;
    d.f1_opens_help = 0;
    d.help_context = 0;
    d.shown_in_taskbar = 1;
    d.drag_anywhere = 0;
    d.shape = 0;
    d.always_on_top = 0;
    d.keep_title_active = 0;
    d.icon = Picture("window_icon.ico");
    d.title = T("禾朗购物小助手v1.0");
    return d;
  }

  PageControlData TabControl() const {
    PageControlData d;
    d.version = 7;
    d.tab_position = 0;
    d.all_tabs_shown = 1;
    d.current_page = 0;
    d.headers_hidden = 0;
    d.font = SongTi(12);
    d.page_list.version = 3;
    for (const char* hint : {"淘宝搜索", "京东新蛋", "卓越当当"}) {
      TabPage page;
      page.title = std::string(33, ' ');
      page.hint = T(hint);
      page.hides_all_controls = 0;
      d.page_list.pages.push_back(page);
    }
    d.header_height = 45;
    d.appearance_preset = 2;
    d.slanted_headers = 0;
    d.gradient = 1;
    d.use_default_font = 0;
    return d;
  }

  PicBoxData PicBox(std::string_view picture, ColorRef background, std::uint32_t draw_mode,
                    std::uint32_t play_animation) const {
    PicBoxData d;
    d.version = 2;
    d.border = 0;
    d.background_colour = background;
    d.draw_mode = draw_mode;
    d.play_animation = play_animation;
    d.picture = Picture(picture);
    return d;
  }

  // font_pixels 0: the default GUI font.
  LabelData Label(std::uint32_t border, int font_pixels, std::uint32_t alignment, std::uint32_t word_wrap,
                  std::string_view caption) const {
    LabelData d;
    d.version = 2;
    d.effect = 0;
    d.gradient_border_width = 8;
    d.border = border;
    d.gradient_border_colours = {kGradientGrey, kWhite, kGradientGrey};
    d.text_colour = kBlack;
    d.background_colour = kWhite;
    d.picture_mode = 1;
    d.gradient_background_mode = 0;
    d.gradient_background_colours = {kGradientGrey, kWhite, kGradientGrey};
    d.horizontal_alignment = alignment;
    d.vertical_alignment = 1;
    d.word_wrap = word_wrap;
    if (font_pixels != 0) d.font = SongTi(font_pixels);
    d.caption = T(caption);
    return d;
  }

  EditBoxData KeywordBox() const {
    EditBoxData d;
    d.version = 2;
    d.border = 1;
    d.text_colour = kBlack;
    d.background_colour = kWhite;
    d.hide_selection = 0;
    d.max_length = 0;
    d.multi_line = 0;
    d.scroll_bars = 0;
    d.alignment = 0;
    d.input_mode = 0;
    d.password_char = '*';
    d.case_conversion = 0;
    d.adjuster = 0;
    d.adjuster_min = 0;
    d.adjuster_max = 100;
    d.selection_start = 0;
    d.selection_length = 0;
    d.font = SongTi(16);
    return d;
  }

  // A picture button; kind 1 is a default push button.
  ButtonData Button(std::uint32_t kind, std::string_view picture, std::string_view caption) const {
    ButtonData d;
    d.version = 1;
    d.kind = kind;
    d.horizontal_alignment = 1;
    d.vertical_alignment = 1;
    d.picture = Picture(picture);
    d.caption = T(caption);
    return d;
  }

  // Hyperlink box `number` (超级链接框1 to 超级链接框18) with its fixed address.
  HyperLinkerData Link(std::string_view caption, int number) const {
    HyperLinkerData d;
    d.version = 1;
    d.link_kind = 1;
    d.normal_colour = 0x00FF0000;
    d.visited_colour = 0x00000080;
    d.hover_colour = 0x006A240A;
    d.background_colour = kWhite;
    d.border = 4;
    d.caption = T(caption);
    d.web_address = links::kHyperlinkAddresses[number - 1];
    return d;
  }

  void Choice(ChoiceData& d, int font_pixels, bool checked) const {
    d.push_like = 0;
    d.flat = 0;
    d.caption_left = 0;
    d.horizontal_alignment = 0;
    d.vertical_alignment = 1;
    d.text_colour = kBlack;
    d.background_colour = kWhite;
    d.checked = checked ? 1 : 0;
    d.font = SongTi(font_pixels);
  }

  CheckBoxData CheckBox(std::string_view caption, int font_pixels, bool checked) const {
    CheckBoxData d;
    d.version = 2;
    Choice(d, font_pixels, checked);
    d.caption = T(caption);
    return d;
  }

  RadioBoxData RadioBox(std::string_view caption, int font_pixels, bool checked) const {
    RadioBoxData d;
    d.version = 1;
    Choice(d, font_pixels, checked);
    d.caption = T(caption);
    return d;
  }

 private:
  const TextEncoder& text_;
  const AssetLoader& asset_;
};

std::vector<EventBinding> Click(links::HandlerRef handler) { return {{0, handler}}; }

std::vector<ControlEntry> Controls(const Tables& t) {
  constexpr bool kTab = true;
  constexpr bool kNoTab = false;
  constexpr const char* kMagnifier = "magnifier.gif";
  // clang-format off
  return {
    // The tab control fills the window.
    {{0, 51, 0x16010003, "高级选择夹1", 0, 0, 640, 450, kNoTab}, t.TabControl(), {}},

    // Page 1: Taobao.
    {{1, 50, 0x16010005, "图片框1", 34, 11, 140, 35, kNoTab}, t.PicBox("taobao_logo.bmp", kWhite, 2, 0), {}},
    {{1, 48, 0x16010020, "超级链接框1", 118, 320, 88, 30, kNoTab}, t.Link("女人频道", 1), {}},
    {{1, 47, 0x16010029, "超级链接框2", 222, 320, 88, 30, kNoTab}, t.Link("美容频道", 2), {}},
    {{1, 46, 0x16010032, "超级链接框3", 326, 320, 88, 30, kNoTab}, t.Link("饰品鞋包", 3), {}},
    {{1, 45, 0x16010033, "超级链接框4", 430, 320, 88, 30, kNoTab}, t.Link("男人频道", 4), {}},
    {{1, 44, 0x16010034, "超级链接框5", 534, 320, 88, 30, kNoTab}, t.Link("促销频道", 5), {}},
    {{1, 43, 0x16010036, "超级链接框7", 14, 368, 88, 30, kNoTab}, t.Link("淘宝风云榜", 7), {}},
    {{1, 42, 0x16010037, "超级链接框8", 118, 368, 88, 30, kNoTab}, t.Link("居家玩具", 8), {}},
    {{1, 41, 0x16010038, "超级链接框9", 222, 368, 88, 30, kNoTab}, t.Link("电器城频道", 9), {}},
    {{1, 40, 0x1601003D, "超级链接框10", 326, 368, 88, 30, kNoTab}, t.Link("食品频道", 10), {}},
    {{1, 39, 0x1601003E, "超级链接框11", 430, 368, 88, 30, kNoTab}, t.Link("数码频道", 11), {}},
    {{1, 38, 0x1601003F, "超级链接框12", 534, 368, 88, 30, kNoTab}, t.Link("家装频道", 12), {}},
    {{1, 37, 0x16010041, "编辑框1", 120, 80, 384, 32, kTab}, t.KeywordBox(), {}},
    {{1, 36, 0x16010047, "按钮1", 24, 78, 59, 46, kNoTab}, t.Button(0, "taobao_promotion.gif", "按钮"),
     Click(links::kOpenTaobaoPromotion)},
    {{1, 35, 0x1601004C, "按钮2", 530, 72, 72, 63, kTab}, t.Button(1, kMagnifier, ""), Click(links::kSearchTaobao)},
    {{1, 34, 0x16010052, "选择框1", 120, 127, 80, 16, kTab}, t.CheckBox("如实描述", 14, true), {}},
    {{1, 33, 0x16010053, "选择框2", 208, 127, 80, 16, kTab}, t.CheckBox("7天退换", 14, false), {}},
    {{1, 32, 0x16010060, "选择框10", 376, 127, 80, 16, kTab}, t.CheckBox("旺旺在线", 14, false), {}},
    {{1, 31, 0x16010062, "标签1", 14, 177, 608, 131, kNoTab}, t.Label(1, 14, 0, 1,
        "购物小助手帮助：您只要在上方搜索框内输入相应商品关键词，如“鼠标”等，选择下方相应条件，点击右方搜索（放大镜）按钮，即可找到相应商品。多个关键字要用空格隔开哦^_^\r\n"
        "“如实描述”是指卖家对商品的有效描述是如实的，是与商品本身相符的，没有不符合商品实际的描述以及言过其实的描述。\r\n"
        "“7天退换”指卖家允许买家按“7天无理由退换货”服务规则及淘宝网其他公示规则的规定对其已购特定商品进行退换货。\r\n"
        "“淘宝商城”是淘宝网打造的在线B2C购物平台，商城提供“7天退换”、“正品保障”、“提供发票”的购物保障。\r\n"
        "禾朗购物小助手祝您购物愉快，万事如意！"), {}},
    {{1, 30, 0x16010063, "单选框1", 120, 152, 112, 16, kTab}, t.RadioBox("价格从低到高", 14, true), {}},
    {{1, 29, 0x16010064, "单选框2", 240, 152, 104, 16, kTab}, t.RadioBox("销量从高到低", 14, false), {}},
    {{1, 28, 0x16010069, "选择框3", 288, 127, 80, 16, kTab}, t.CheckBox("淘宝商城", 14, false), {}},
    {{1, 27, 0x1601006A, "单选框3", 360, 152, 104, 16, kTab}, t.RadioBox("信用从高到低", 14, false), {}},
    {{1, 26, 0x1601006C, "超级链接框6", 14, 320, 88, 30, kNoTab}, t.Link("商城频道", 6), {}},

    // Page 2: 360buy and Newegg China.
    {{2, 49, 0x1601000E, "图片框3", 218, 3, 196, 49, kNoTab},
     t.PicBox("jingdong_newegg_logo.bmp", desktop::kDefaultBackground, 0, 1), {}},
    {{2, 24, 0x160100A8, "编辑框2", 64, 80, 400, 32, kTab}, t.KeywordBox(), {}},
    {{2, 23, 0x160100A9, "按钮3", 512, 72, 72, 63, kTab}, t.Button(1, kMagnifier, ""),
     Click(links::kSearchJingdongNewegg)},
    {{2, 22, 0x160100B0, "单选框4", 72, 120, 128, 32, kTab}, t.RadioBox("按默认排序", 15, true), {}},
    {{2, 21, 0x160100B3, "单选框6", 200, 120, 128, 32, kTab}, t.RadioBox("按价格升序", 15, false), {}},
    {{2, 20, 0x160100B4, "单选框5", 328, 120, 128, 32, kTab}, t.RadioBox("按价格降序", 15, false), {}},
    {{2, 17, 0x160100B7, "按钮5", 88, 248, 150, 60, kTab}, t.Button(0, "jingdong_promotion.jpg", "按钮"),
     Click(links::kOpenJingdongPromotion)},
    {{2, 16, 0x160100BA, "标签2", 48, 328, 240, 80, kNoTab}, t.Label(0, 0, 0, 1,
        "京东商城是中国专业的网上购物商城。百万种商品，家用电器、手机数码、电脑、服饰、钟表、化妆、母婴等十大类。京东商城承诺：所售商品100％正品行货，全国联保，机打发票，价格更实惠；支持货到付款，送货上门及POS刷卡服务，尽享安全便捷。"), {}},
    {{2, 15, 0x160100BB, "标签3", 48, 158, 504, 72, kNoTab}, t.Label(1, 16, 0, 1,
        "购物小助手帮助：您只要在上方搜索框内输入相应商品关键词，如“鼠标”等，选择下方相应条件，点击右方搜索（放大镜）按钮，即可找到相应商品。多个关键字要用空格隔开，如您要搜索“ddr3内存”，在搜索框内填入“ddr3 内存”即可。"), {}},
    {{2, 14, 0x160100BC, "按钮6", 392, 238, 96, 96, kTab}, t.Button(0, "newegg_promotion.jpg", "按钮"),
     Click(links::kOpenNeweggPromotion)},
    {{2, 13, 0x160100BD, "标签4", 320, 342, 240, 80, kNoTab}, t.Label(0, 0, 0, 1,
        "新蛋网是全球领先的电脑整机、手机、数码产品、IT配件和家电百货网上购物商城。新蛋中国所有在售商品均100%正品行货，电脑电视机承诺“绝对低价，差价补偿”，提供正规发票，货到付款，满99免运费，订单24小时内出库，更快更省选新蛋。"), {}},

    // Page 3: Amazon China and Dangdang.
    {{3, 25, 0x160100A6, "图片框2", 428, 3, 196, 49, kNoTab},
     t.PicBox("amazon_dangdang_logo.bmp", desktop::kDefaultBackground, 0, 1), {}},
    {{3, 19, 0x160100B5, "编辑框3", 72, 88, 392, 32, kTab}, t.KeywordBox(), {}},
    {{3, 18, 0x160100B6, "按钮4", 512, 72, 72, 63, kTab}, t.Button(1, kMagnifier, ""),
     Click(links::kSearchAmazonDangdang)},
    {{3, 12, 0x160100C2, "选择框4", 72, 140, 240, 40, kTab}, t.CheckBox("仅搜索图书", 16, false), {}},
    {{3, 11, 0x160100C3, "按钮7", 64, 208, 91, 91, kTab}, t.Button(0, "amazon_promotion.jpg", "按钮"),
     Click(links::kOpenAmazonPromotion)},
    {{3, 10, 0x160100C4, "标签5", 48, 320, 232, 80, kNoTab}, t.Label(0, 0, 0, 1,
        "卓越亚马逊网上商城，销售包括图书、音像、软件、玩具、钟表、首饰、服饰箱包、鞋靴、运动健康、化妆护理、家居、食品、手机、数码、电脑、家电等27类150多万种商品。正品保证、天天低价，货到付款，十五天内可退换货，全场一律免运费！"), {}},
    {{3, 9, 0x160100D3, "按钮8", 416, 208, 91, 91, kTab}, t.Button(0, "dangdang_promotion.jpg", "按钮"),
     Click(links::kOpenDangdangHome)},
    {{3, 8, 0x16010139, "标签12", 341, 320, 240, 72, kNoTab}, t.Label(0, 0, 0, 1,
        "当当网，全球最大的综合性网上商城，货到付款，免运费！十年品质，放心低价，近100万种商品在线热销！图书、音像、母婴、美妆、家居、服装、鞋包、数码3C等几十大类，正品行货，低至2折，安全快捷，购物轻松搞定！"), {}},
    {{3, 7, 0x1601013A, "标签13", 224, 148, 360, 24, kNoTab}, t.Label(1, 16, 2, 0,
        "多个关键词请用空格隔开，点上方按钮即可搜索↑"), {}},
    {{3, 6, 0x1601013B, "超级链接框13", 184, 216, 80, 30, kNoTab}, t.Link("图  书", 13), {}},
    {{3, 5, 0x1601013D, "超级链接框14", 184, 264, 80, 30, kNoTab}, t.Link("排行榜", 14), {}},
    {{3, 4, 0x1601013F, "超级链接框15", 320, 216, 80, 30, kNoTab}, t.Link("图  书", 15), {}},
    {{3, 3, 0x16010140, "超级链接框16", 526, 216, 80, 30, kNoTab}, t.Link("排行榜", 16), {}},
    {{3, 2, 0x16010141, "超级链接框17", 320, 264, 80, 30, kNoTab}, t.Link("促  销", 17), {}},
    {{3, 1, 0x16010142, "超级链接框18", 526, 264, 80, 30, kNoTab}, t.Link("商店街", 18), {}},
  };
  // clang-format on
}

constexpr int kPageCount = 3;

}  // namespace

WindowToWrite MainWindowSource(const TextEncoder& text, const AssetLoader& asset) {
  const Tables t(text, asset);
  std::vector<ControlEntry> controls = Controls(t);
  // The records run against the order of creation: the last control created is record 1.
  std::sort(controls.begin(), controls.end(),
            [](const ControlEntry& a, const ControlEntry& b) { return a.at.record < b.at.record; });

  WindowToWrite window;
  window.identity = kMainWindowIdentity;
  window.value1 = kWindowEntryValue1;
  window.value2 = kWindowEntryValue2;

  RecordToWrite own;
  own.identity = kWindowRecordIdentity;
  own.common.type = static_cast<std::uint32_t>(RecordType::kWindow);
  own.common.left = 50;
  own.common.top = 50;
  own.common.width = 640;
  own.common.height = 450;
  own.common.children = {kTabControl};
  own.common.flags = kFlagVisible;
  own.common.events = {{0, links::kMainWindowCreated}};
  own.kind_data = KindDataBytes(t.Window());
  window.records.push_back(std::move(own));

  // The tab control's child list: each page's controls in record order, a 0 between pages.
  std::vector<std::uint32_t> pages;
  for (int page = 1; page <= kPageCount; ++page) {
    if (page > 1) pages.push_back(0);
    for (const auto& control : controls) {
      if (control.at.page == page) pages.push_back(control.at.identity);
    }
  }

  for (const auto& control : controls) {
    RecordToWrite record;
    record.identity = control.at.identity;
    CommonPart& common = record.common;
    common.type = RecordTypeOf(control.data);
    common.name = text(control.at.name);
    common.left = control.at.left;
    common.top = control.at.top;
    common.width = control.at.width;
    common.height = control.at.height;
    common.parent = control.at.page == 0 ? 0 : kTabControl;
    if (control.at.identity == kTabControl) common.children = pages;
    common.flags = kFlagVisible | (control.at.tab_stop ? kFlagTabStop : 0);
    common.events = control.events;
    record.kind_data = KindDataBytes(control.data);
    window.records.push_back(std::move(record));
  }
  return window;
}

}  // namespace ui::description

#include "description_printer.h"

#include <cstdio>
#include <string>

#include "text_encoding.h"
#include "ui/description/reader.h"
#include "ui/description/stored_form.h"

namespace tools {
namespace {

using namespace ui::description;

std::string Hex(std::uint32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08X", value);
  return buffer;
}

// A GBK text as a quoted UTF-8 string, with control characters escaped.
std::string Quoted(const std::string& gbk) {
  std::string out = "\"";
  for (char c : GbkToUtf8Lenient(gbk)) {
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (c == '"' || c == '\\') out += std::string("\\") + c;
    else if (static_cast<unsigned char>(c) < 0x20) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\x%02X", static_cast<unsigned char>(c));
      out += buffer;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Block(const Bytes& bytes) {
  if (bytes.empty()) return "none";
  std::string out = std::to_string(bytes.size()) + " bytes starting";
  for (std::size_t i = 0; i < bytes.size() && i < 6; ++i) {
    char buffer[4];
    std::snprintf(buffer, sizeof buffer, " %02X", bytes[i]);
    out += buffer;
  }
  return out;
}

std::string Font(const FontField& font) {
  if (!font) return "default GUI font";
  const desktop::LogFont& lf = *font;
  return Quoted(lf.face_name) + " height " + std::to_string(lf.height) + " width " + std::to_string(lf.width) +
         " weight " + std::to_string(lf.weight) + " italic " + std::to_string(lf.italic) + " underline " +
         std::to_string(lf.underline) + " strike-out " + std::to_string(lf.strike_out) + " charset " +
         std::to_string(lf.char_set) + " precision " + std::to_string(lf.out_precision) + "/" +
         std::to_string(lf.clip_precision) + " quality " + std::to_string(lf.quality) + " pitch " +
         std::to_string(lf.pitch_and_family);
}

class Fields {
 public:
  explicit Fields(std::ostream& out) : out_(out) {}
  Fields& N(const char* name, std::int64_t value) { return Line(name, std::to_string(value)); }
  Fields& C(const char* name, ColorRef value) { return Line(name, Hex(value)); }
  Fields& T(const char* name, const std::string& gbk) { return Line(name, Quoted(gbk)); }
  Fields& B(const char* name, const Bytes& bytes) { return Line(name, Block(bytes)); }
  Fields& F(const char* name, const FontField& font) { return Line(name, Font(font)); }
  Fields& Line(const char* name, const std::string& value) {
    out_ << "    " << name << ": " << value << '\n';
    return *this;
  }

 private:
  std::ostream& out_;
};

void Print(Fields& f, const WindowData& d) {
  f.N("version", d.version).N("border style", d.border_style).N("background picture mode", d.background_picture_mode)
      .C("background colour", d.background_colour).N("maximize button", d.maximize_button)
      .N("minimize button", d.minimize_button).N("control button", d.control_button)
      .N("start position", d.start_position).N("movable", d.movable).N("music play count", d.music_play_count)
      .N("Enter moves focus", d.enter_moves_focus).N("Esc closes", d.esc_closes).N("F1 opens help", d.f1_opens_help)
      .N("help context", d.help_context).N("shown in taskbar", d.shown_in_taskbar)
      .N("drag anywhere", d.drag_anywhere).N("shape", d.shape).N("always on top", d.always_on_top)
      .N("keep title bar active", d.keep_title_active).T("class name", d.class_name)
      .B("background picture", d.background_picture).B("icon", d.icon).B("background music", d.background_music)
      .T("title", d.title).T("help file", d.help_file);
}

void Print(Fields& f, const PageControlData& d) {
  f.N("version", d.version).N("tab position", d.tab_position).N("all tabs shown", d.all_tabs_shown)
      .N("current page", d.current_page).N("headers hidden", d.headers_hidden).F("font", d.font)
      .N("page list version", d.page_list.version);
  int number = 1;
  for (const auto& page : d.page_list.pages) {
    std::string values;
    for (const auto& group : page.value_groups) {
      for (std::int32_t value : group) values += " " + std::to_string(value);
      values += " |";
    }
    f.Line(("page " + std::to_string(number++)).c_str(),
           "title " + Quoted(page.title) + " hint " + Quoted(page.hint) + " values" + values + " flags " +
               std::to_string(page.flag1) + " " + std::to_string(page.flag2) + " hides all controls " +
               std::to_string(page.hides_all_controls) + " further entries " +
               std::to_string(page.further_entries.size()));
  }
  f.N("header height", d.header_height).N("appearance preset", d.appearance_preset)
      .N("slanted headers", d.slanted_headers).N("further flag", d.further_flag)
      .B("image list 1", d.image_lists[0]).B("image list 2", d.image_lists[1]).B("image list 3", d.image_lists[2])
      .B("picture", d.picture).N("gradient", d.gradient);
  std::string colours;
  for (ColorRef colour : d.colours) colours += " " + Hex(colour);
  f.Line("colours 1 to 12", colours.substr(1)).C("frame colour", d.FrameColour())
      .N("use default font", d.use_default_font);
}

void Print(Fields& f, const PicBoxData& d) {
  f.N("version", d.version).N("border", d.border).C("background colour", d.background_colour)
      .N("draw mode", d.draw_mode).N("play animation", d.play_animation).B("picture", d.picture)
      .T("data source", d.data_source).T("data column", d.data_column);
}

void Print(Fields& f, const LabelData& d) {
  f.N("version", d.version).N("effect", d.effect).N("gradient border width", d.gradient_border_width)
      .N("border", d.border).C("gradient border colour 1", d.gradient_border_colours[0])
      .C("gradient border colour 2", d.gradient_border_colours[1])
      .C("gradient border colour 3", d.gradient_border_colours[2]).C("text colour", d.text_colour)
      .C("background colour", d.background_colour).N("picture mode", d.picture_mode)
      .N("gradient background mode", d.gradient_background_mode)
      .C("gradient background colour 1", d.gradient_background_colours[0])
      .C("gradient background colour 2", d.gradient_background_colours[1])
      .C("gradient background colour 3", d.gradient_background_colours[2])
      .N("horizontal alignment", d.horizontal_alignment).N("vertical alignment", d.vertical_alignment)
      .N("word wrap", d.word_wrap).F("font", d.font).B("picture", d.picture).T("caption", d.caption)
      .T("data source", d.data_source).T("data column", d.data_column);
}

void Print(Fields& f, const EditBoxData& d) {
  f.N("version", d.version).N("border", d.border).C("text colour", d.text_colour)
      .C("background colour", d.background_colour).N("hide selection", d.hide_selection)
      .N("maximum length", d.max_length).N("multi-line", d.multi_line).N("scroll bars", d.scroll_bars)
      .N("alignment", d.alignment).N("input mode", d.input_mode).N("password character", d.password_char)
      .N("case conversion", d.case_conversion).N("adjuster", d.adjuster).N("adjuster minimum", d.adjuster_min)
      .N("adjuster maximum", d.adjuster_max).N("selection start", d.selection_start)
      .N("selection length", d.selection_length).F("font", d.font).T("content", d.content)
      .T("data source", d.data_source).T("data column", d.data_column);
}

void Print(Fields& f, const ButtonData& d) {
  f.N("version", d.version).N("kind", d.kind).N("horizontal alignment", d.horizontal_alignment)
      .N("vertical alignment", d.vertical_alignment).B("picture", d.picture).F("font", d.font)
      .T("caption", d.caption);
}

void Print(Fields& f, const HyperLinkerData& d) {
  f.N("version", d.version).N("link kind", d.link_kind).C("normal colour", d.normal_colour)
      .C("visited colour", d.visited_colour).C("hover colour", d.hover_colour)
      .C("background colour", d.background_colour).N("border", d.border).F("font", d.font)
      .T("caption", d.caption).T("e-mail address", d.email_address).T("web address", d.web_address);
}

void PrintChoice(Fields& f, const ChoiceData& d) {
  f.N("push-like", d.push_like).N("flat", d.flat).N("caption on the left", d.caption_left)
      .N("horizontal alignment", d.horizontal_alignment).N("vertical alignment", d.vertical_alignment)
      .C("text colour", d.text_colour).C("background colour", d.background_colour).N("checked", d.checked)
      .B("picture", d.picture).F("font", d.font);
}

void Print(Fields& f, const CheckBoxData& d) {
  f.N("version", d.version);
  PrintChoice(f, d);
  f.T("caption", d.caption).T("data source", d.data_source).T("data column", d.data_column);
}

void Print(Fields& f, const RadioBoxData& d) {
  f.N("version", d.version);
  PrintChoice(f, d);
  f.T("caption", d.caption);
}

void PrintRecord(std::ostream& out, std::size_t index, const Record& record) {
  const CommonPart& c = record.common;
  std::string_view kind = RecordTypeName(c.type);
  out << "record " << index << " " << Hex(record.identity) << " "
      << (kind.empty() ? "unknown type " + Hex(c.type) : std::string(kind)) << " " << Quoted(c.name) << '\n';
  out << "  place " << c.left << "," << c.top << " size " << c.width << "x" << c.height << " parent "
      << Hex(c.parent) << " flags " << c.flags << " tab-order key " << c.tab_order_key << '\n';
  if (!c.comment.empty() || !c.tag.empty()) out << "  comment " << Quoted(c.comment) << " tag " << Quoted(c.tag) << '\n';
  if (!c.cursor.empty()) out << "  cursor " << Block(c.cursor) << '\n';
  if (!c.children.empty()) {
    out << "  children";
    for (std::uint32_t child : c.children) out << (child == 0 ? " |" : " " + Hex(child));
    out << '\n';
  }
  for (const auto& binding : c.events) out << "  event " << binding.event << " -> handler " << binding.handler << '\n';
  out << "  kind data: " << record.kind_data.size() << " bytes\n";
  auto data = ParseKindData(c.type, record.kind_data);
  if (!data) {
    out << "    (refused)\n";
    return;
  }
  Fields fields(out);
  std::visit([&fields](const auto& kind) { Print(fields, kind); }, *data);
}

}  // namespace

bool PrintDescription(std::ostream& out, std::span<const std::uint8_t> bytes) {
  auto description = ReadDescription(bytes);
  if (!description) {
    out << "the description cannot be read (" << bytes.size() << " bytes)\n";
    return false;
  }
  for (const auto& window : description->windows) {
    out << "window " << Hex(window.identity) << " values " << window.value1 << " " << Hex(window.value2) << " texts "
        << Quoted(window.text1) << " " << Quoted(window.text2) << " records " << window.records.size() << '\n';
    for (std::size_t i = 0; i < window.records.size(); ++i) PrintRecord(out, i, window.records[i]);
  }
  return true;
}

}  // namespace tools

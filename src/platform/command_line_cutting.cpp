#include "platform/command_line_cutting.h"

#include "app/constant_area.h"

namespace platform {
namespace {

bool IsGbkLeadByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x81 && byte <= 0xFE;
}

// Like a multibyte string search: a match starts only at a character boundary, and a lead byte
// takes the next byte with it whatever that byte is.
std::size_t FindAtCharacterBoundary(std::string_view text, std::string_view wanted) {
  std::size_t at = 0;
  while (at < text.size()) {
    if (text.substr(at, wanted.size()) == wanted) return at;
    at += (IsGbkLeadByte(text[at]) && at + 1 < text.size()) ? 2 : 1;
  }
  return std::string_view::npos;
}

}  // namespace

std::string_view CutAtPlaceholder(std::string_view command) {
  using app::ConstantTextId;
  const std::string_view quoted(app::ConstantText(ConstantTextId::kQuotedPlaceholder),
                                app::ConstantTextLength(ConstantTextId::kQuotedPlaceholder));
  const std::string_view bare(app::ConstantText(ConstantTextId::kPlaceholder),
                              app::ConstantTextLength(ConstantTextId::kPlaceholder));
  std::size_t end = FindAtCharacterBoundary(command, quoted);
  if (end == std::string_view::npos) end = command.find(bare);
  return end == std::string_view::npos ? command : command.substr(0, end);
}

bool BuildBrowserCommandLine(std::string_view command, std::string_view address, std::string* command_line) {
  const std::string_view cut = CutAtPlaceholder(command);
  if (cut.size() + 1 + address.size() > kMaxCommandLine) return false;
  command_line->assign(cut);
  *command_line += ' ';
  *command_line += address;
  return true;
}

}  // namespace platform

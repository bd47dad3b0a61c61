// Input: a browser command, a newline, an address. Checks that every rule holds its promises on
// any bytes, not only that it survives them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/command_line_cutting.h"
#include "platform/hand_over_escape.h"
#include "platform/windows_command_line.h"
#include "platform/xdg_class_registry.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckCutting(std::string_view command, std::string_view address) {
  const std::string_view cut = platform::CutAtPlaceholder(command);
  Check(command.substr(0, cut.size()) == cut);
  if (cut.size() < command.size()) {
    const std::string_view rest = command.substr(cut.size());
    Check(rest.starts_with("\"%1\"") || rest.starts_with("%1"));
  } else {
    Check(command.find("%1") == std::string_view::npos);
  }

  std::string line;
  if (platform::BuildBrowserCommandLine(command, address, &line)) {
    Check(line.size() <= platform::kMaxCommandLine);
    Check(line == std::string(cut) + " " + std::string(address));
  } else {
    Check(cut.size() + 1 + address.size() > platform::kMaxCommandLine);
  }
}

void CheckSplitting(std::string_view text) {
  // Every word the splitter finds, quoted again, splits back to itself.
  for (const std::string& word : platform::SplitWindowsCommandLine(text)) {
    for (bool always : {false, true}) {
      const std::string line = "p " + platform::QuoteWindowsArgument(word, always) + " end";
      const std::vector<std::string> again = platform::SplitWindowsCommandLine(line);
      Check(again.size() == 3 && again[0] == "p" && again[1] == word && again[2] == "end");
    }
  }
}

void CheckEscaping(std::string_view address) {
  const std::string escaped = platform::EscapeForHandOver(address);
  std::size_t changed = 0;
  for (unsigned char c : address) changed += (c <= 0x20 || c >= 0x7F) ? 1 : 0;
  Check(escaped.size() == address.size() + 2 * changed);
  for (unsigned char c : escaped) Check(c > 0x20 && c < 0x7F);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t newline = input.find('\n');
  const std::string_view command = input.substr(0, newline);
  const std::string_view address = newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);

  CheckCutting(command, address);
  CheckSplitting(input);
  CheckEscaping(input);
  CheckSplitting(platform::ExecToCommandLine(command));
  return 0;
}

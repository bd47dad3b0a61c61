#include "platform/windows_command_line.h"

namespace platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> SplitWindowsCommandLine(std::string_view line) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < line.size() && IsBlank(line[at])) ++at;
  if (at >= line.size()) return words;

  // The program: quotes switch grouping on and off and are dropped; backslashes are plain.
  std::string program;
  bool program_quoted = false;
  while (at < line.size() && (program_quoted || !IsBlank(line[at]))) {
    if (line[at] == '"') {
      program_quoted = !program_quoted;
    } else {
      program += line[at];
    }
    ++at;
  }
  words.push_back(std::move(program));

  // The arguments.
  while (true) {
    while (at < line.size() && IsBlank(line[at])) ++at;
    if (at >= line.size()) break;
    std::string word;
    bool quoted = false;
    while (at < line.size() && (quoted || !IsBlank(line[at]))) {
      if (line[at] == '\\') {
        std::size_t backslashes = 0;
        while (at < line.size() && line[at] == '\\') {
          ++backslashes;
          ++at;
        }
        if (at < line.size() && line[at] == '"') {
          word.append(backslashes / 2, '\\');
          if (backslashes % 2 == 1) {
            word += '"';
            ++at;
          }
          // An even count leaves the quote to group below.
        } else {
          word.append(backslashes, '\\');
        }
      } else if (line[at] == '"') {
        if (quoted && at + 1 < line.size() && line[at + 1] == '"') {
          word += '"';
          at += 2;
        } else {
          quoted = !quoted;
          ++at;
        }
      } else {
        word += line[at++];
      }
    }
    words.push_back(std::move(word));
  }
  return words;
}

std::string QuoteWindowsArgument(std::string_view argument, bool always_quote) {
  if (!always_quote && !argument.empty() && argument.find_first_of(" \t\"") == std::string_view::npos) {
    return std::string(argument);
  }
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    if (c == '"') {
      quoted.append(backslashes * 2 + 1, '\\');
    } else {
      quoted.append(backslashes, '\\');
    }
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');  // before the closing quote
  quoted += '"';
  return quoted;
}

}  // namespace platform

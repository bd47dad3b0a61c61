#pragma once
// Splitting a command line into program and arguments the way Windows programs do, so that a
// browser command written for that convention starts the same program with the same arguments.
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Words are separated by spaces and tabs. In the first word (the program) double quotes group
// and are dropped, and backslashes are plain. In later words double quotes group, 2n backslashes before a quote give n backslashes
// and the quote groups, 2n+1 give n backslashes and a literal quote, two quotes inside a group
// give a literal quote, and other backslashes are literal.
std::vector<std::string> SplitWindowsCommandLine(std::string_view command_line);

// The inverse for one argument: quoted and escaped when it must be, or always.
std::string QuoteWindowsArgument(std::string_view argument, bool always_quote = false);

}  // namespace platform

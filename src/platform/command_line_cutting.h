#pragma once
// Turning the command that opens web page files into a command line for one address.
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Longest command line the fallback starts (its buffer holds this and a zero byte).
inline constexpr std::size_t kMaxCommandLine = 519;

// The command up to its placeholder: just before the first quoted "%1" (searched character by
// character in the system code page), else just before the first bare %1, else all of it.
std::string_view CutAtPlaceholder(std::string_view command);

// The cut command, one space and the address. False when that would exceed kMaxCommandLine.
bool BuildBrowserCommandLine(std::string_view command, std::string_view address, std::string* command_line);

}  // namespace platform

#pragma once
// The driver's command line.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "desktop/geometry.h"

namespace drive {

struct Options {
  std::optional<std::string> write_description;  // write the built-in description here and end
  std::optional<std::string> description;        // load this stored description instead
  desktop::Size screen{1024, 768};
  bool shell_ok = true;
  std::vector<std::pair<std::string, std::string>> registry;  // key, value
};

// Nothing when the command line is not understood; `error` then says why.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string* error);

}  // namespace drive

#include "drive_options.h"

#include <charconv>

namespace drive {

namespace {

bool ParseScreen(const std::string& text, desktop::Size* size) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos) return false;
  int w = 0;
  int h = 0;
  const char* begin = text.data();
  auto [end_w, ec_w] = std::from_chars(begin, begin + x, w);
  auto [end_h, ec_h] = std::from_chars(begin + x + 1, begin + text.size(), h);
  if (ec_w != std::errc() || ec_h != std::errc() || end_w != begin + x || end_h != begin + text.size()) return false;
  if (w <= 0 || h <= 0 || w > 16384 || h > 16384) return false;
  *size = {w, h};
  return true;
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string* error) {
  Options options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&]() -> const std::string* {
      if (i + 1 >= args.size()) {
        *error = arg + " needs a value";
        return nullptr;
      }
      return &args[++i];
    };
    if (arg == "--write-description" || arg == "--description" || arg == "--screen" || arg == "--shell" ||
        arg == "--registry") {
      const std::string* v = value();
      if (v == nullptr) return std::nullopt;
      if (arg == "--write-description") {
        options.write_description = *v;
      } else if (arg == "--description") {
        options.description = *v;
      } else if (arg == "--screen") {
        if (!ParseScreen(*v, &options.screen)) {
          *error = "--screen wants WIDTHxHEIGHT, not " + *v;
          return std::nullopt;
        }
      } else if (arg == "--shell") {
        if (*v != "ok" && *v != "fail") {
          *error = "--shell wants ok or fail, not " + *v;
          return std::nullopt;
        }
        options.shell_ok = *v == "ok";
      } else {
        const std::size_t eq = v->find('=');
        if (eq == std::string::npos) {
          *error = "--registry wants KEY=VALUE, not " + *v;
          return std::nullopt;
        }
        options.registry.emplace_back(v->substr(0, eq), v->substr(eq + 1));
      }
      continue;
    }
    *error = "unknown option " + arg;
    return std::nullopt;
  }
  return options;
}

}  // namespace drive

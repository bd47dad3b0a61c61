#include "key_names.h"

#include <cctype>
#include <string>

namespace drive {

using namespace desktop;

namespace {

struct NamedKey {
  const char* name;
  int vk;
};

constexpr NamedKey kNamedKeys[] = {
    {"Enter", VK_RETURN}, {"Return", VK_RETURN}, {"Tab", VK_TAB},       {"Esc", VK_ESCAPE},
    {"Escape", VK_ESCAPE}, {"Space", VK_SPACE},  {"Left", VK_LEFT},     {"Right", VK_RIGHT},
    {"Up", VK_UP},         {"Down", VK_DOWN},    {"Home", VK_HOME},     {"End", VK_END},
    {"Backspace", VK_BACK}, {"Delete", VK_DELETE}, {"Insert", VK_INSERT}, {"PageUp", VK_PRIOR},
    {"PageDown", VK_NEXT}, {"Menu", VK_APPS},
};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

std::optional<int> KeyCode(std::string_view name) {
  for (const NamedKey& k : kNamedKeys)
    if (SameIgnoringCase(name, k.name)) return k.vk;
  if (name.size() == 1) {
    const unsigned char c = static_cast<unsigned char>(name[0]);
    if (std::isalpha(c)) return std::toupper(c);
    if (std::isdigit(c)) return c;
  }
  if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f')) {
    int n = 0;
    for (char c : name.substr(1)) {
      if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
      n = n * 10 + (c - '0');
      if (n > 24) return std::nullopt;
    }
    if (n >= 1) return VK_F1 + n - 1;
  }
  return std::nullopt;
}

}  // namespace

std::optional<KeyEvent> ParseKeyName(std::string_view keys) {
  KeyEvent key;
  for (;;) {
    const std::size_t plus = keys.find('+');
    // A last part of "+" itself is no key this driver knows; modifiers come before the key.
    if (plus == std::string_view::npos || plus + 1 >= keys.size()) break;
    const std::string_view modifier = keys.substr(0, plus);
    if (SameIgnoringCase(modifier, "Ctrl")) key.mods.ctrl = true;
    else if (SameIgnoringCase(modifier, "Shift")) key.mods.shift = true;
    else if (SameIgnoringCase(modifier, "Alt")) key.mods.alt = true;
    else return std::nullopt;
    keys.remove_prefix(plus + 1);
  }
  const std::optional<int> vk = KeyCode(keys);
  if (!vk) return std::nullopt;
  key.vk = *vk;
  return key;
}

}  // namespace drive

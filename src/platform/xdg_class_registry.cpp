#include "platform/xdg_class_registry.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "platform/windows_command_line.h"

namespace platform {
namespace {

constexpr std::string_view kWebPageKey = ".htm";
constexpr std::string_view kOpenCommandSuffix = "\\shell\\open\\command";
constexpr std::string_view kWebPageType = "text/html";

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return Lower(x) == Lower(y);
         });
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  return text;
}

std::vector<std::string> SplitList(std::string_view text, char separator) {
  std::vector<std::string> items;
  while (!text.empty()) {
    const std::size_t end = text.find(separator);
    const std::string_view item = Trim(text.substr(0, end));
    if (!item.empty()) items.emplace_back(item);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return items;
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::string HomeFolder(const char* relative) {
  const std::string home = Environment("HOME");
  return home.empty() ? std::string() : home + relative;
}

// A base folder from `home_variable` (or its default under $HOME), then those of `list_variable`
// (or its default list).
std::vector<std::string> BaseFolders(const char* home_variable, const char* home_default,
                                     const char* list_variable, const char* list_default) {
  std::vector<std::string> folders;
  std::string home = Environment(home_variable);
  if (home.empty() || home.front() != '/') home = HomeFolder(home_default);
  if (!home.empty()) folders.push_back(home);
  std::string list = Environment(list_variable);
  if (list.empty()) list = list_default;
  for (std::string& folder : SplitList(list, ':')) {
    if (folder.front() == '/') folders.push_back(std::move(folder));
  }
  return folders;
}

std::vector<std::string> ConfigFolders() {
  return BaseFolders("XDG_CONFIG_HOME", "/.config", "XDG_CONFIG_DIRS", "/etc/xdg");
}

std::vector<std::string> ApplicationFolders() {
  std::vector<std::string> folders =
      BaseFolders("XDG_DATA_HOME", "/.local/share", "XDG_DATA_DIRS", "/usr/local/share:/usr/share");
  for (std::string& folder : folders) folder += "/applications";
  return folders;
}

bool IsRegularFile(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The value of `key` in group `group` of a desktop-entry style file, as written.
bool ReadKey(const std::string& path, std::string_view group, std::string_view key, std::string* value) {
  std::ifstream file(path);
  if (!file) return false;
  std::string line;
  bool in_group = false;
  while (std::getline(file, line)) {
    const std::string_view text = Trim(line);
    if (text.empty() || text.front() == '#') continue;
    if (text.front() == '[') {
      in_group = text.size() == group.size() + 2 && text.back() == ']' && text.substr(1, group.size()) == group;
      continue;
    }
    if (!in_group) continue;
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos || Trim(text.substr(0, equals)) != key) continue;
    *value = std::string(Trim(text.substr(equals + 1)));
    return true;
  }
  return false;
}

// mimeapps.list files from most to least important, desktop-specific ones first in each folder,
// then the older defaults.list of the data folders.
std::vector<std::string> AssociationFiles() {
  std::vector<std::string> desktops;
  for (std::string& desktop : SplitList(Environment("XDG_CURRENT_DESKTOP"), ':')) {
    std::transform(desktop.begin(), desktop.end(), desktop.begin(), Lower);
    desktops.push_back(std::move(desktop));
  }
  std::vector<std::string> folders = ConfigFolders();
  const std::vector<std::string> applications = ApplicationFolders();
  folders.insert(folders.end(), applications.begin(), applications.end());

  std::vector<std::string> files;
  for (const std::string& folder : folders) {
    for (const std::string& desktop : desktops) files.push_back(folder + "/" + desktop + "-mimeapps.list");
    files.push_back(folder + "/mimeapps.list");
  }
  for (const std::string& folder : applications) files.push_back(folder + "/defaults.list");
  return files;
}

// Desktop-file ids stand for paths below an applications folder with "/" written as "-", so
// "vendor-browser.desktop" may live at vendor/browser.desktop.
bool FindBelow(const std::string& folder, std::string_view id, int depth, std::string* path) {
  const std::string direct = folder + "/" + std::string(id);
  if (IsRegularFile(direct)) {
    *path = direct;
    return true;
  }
  if (depth == 0) return false;
  for (std::size_t dash = id.find('-'); dash != std::string_view::npos; dash = id.find('-', dash + 1)) {
    if (dash == 0) continue;
    if (FindBelow(folder + "/" + std::string(id.substr(0, dash)), id.substr(dash + 1), depth - 1, path)) {
      return true;
    }
  }
  return false;
}

std::string ResolveGeneralEscapes(std::string_view value) {
  std::string resolved;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      resolved += value[i];
      continue;
    }
    const char next = value[i + 1];
    switch (next) {
      case 's': resolved += ' '; break;
      case 'n': resolved += '\n'; break;
      case 't': resolved += '\t'; break;
      case 'r': resolved += '\r'; break;
      case '\\': resolved += '\\'; break;
      default:  // left for the Exec quoting
        resolved += '\\';
        resolved += next;
        break;
    }
    ++i;
  }
  return resolved;
}

struct ExecArgument {
  std::string text;
  bool quoted = false;
};

// Desktop-entry Exec quoting: words split at blanks, double quotes group, and inside them a
// backslash escapes " ` $ and itself.
std::vector<ExecArgument> SplitExec(std::string_view exec) {
  std::vector<ExecArgument> words;
  ExecArgument word;
  bool in_word = false;
  bool in_quotes = false;
  for (std::size_t i = 0; i < exec.size(); ++i) {
    const char c = exec[i];
    if (in_quotes) {
      if (c == '\\' && i + 1 < exec.size() && std::string_view("\"`$\\").find(exec[i + 1]) != std::string_view::npos) {
        word.text += exec[++i];
      } else if (c == '"') {
        in_quotes = false;
      } else {
        word.text += c;
      }
    } else if (c == ' ' || c == '\t' || c == '\n') {
      if (in_word) words.push_back(std::move(word));
      word = ExecArgument{};
      in_word = false;
    } else if (c == '"') {
      in_quotes = true;
      in_word = true;
      word.quoted = true;
    } else {
      word.text += c;
      in_word = true;
    }
  }
  if (in_word) words.push_back(std::move(word));
  return words;
}

// A literal piece of an argument in Windows quoting. A piece that a quoted placeholder follows
// must not end in a backslash that would escape the placeholder's quote.
std::string QuotePiece(std::string_view piece, bool placeholder_follows) {
  return QuoteWindowsArgument(piece, placeholder_follows && piece.back() == '\\');
}

std::string ConvertArgument(const ExecArgument& argument) {
  static constexpr std::string_view kPlaceholder = "\"%1\"";
  std::string converted;
  std::string piece;
  bool had_field_code = false;
  const std::string& text = argument.text;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%' || i + 1 == text.size()) {
      piece += text[i];
      continue;
    }
    const char code = text[++i];
    if (code == '%') {
      piece += '%';
    } else if (code == 'u' || code == 'U' || code == 'f' || code == 'F') {
      if (!piece.empty()) converted += QuotePiece(piece, true);
      piece.clear();
      converted += kPlaceholder;
      had_field_code = true;
    } else {
      had_field_code = true;  // other field codes expand to nothing here
    }
  }
  if (!piece.empty()) converted += QuotePiece(piece, false);
  if (converted.empty() && argument.quoted && !had_field_code) converted = "\"\"";
  return converted;
}

}  // namespace

std::string FindDefaultWebPageHandler() {
  for (const std::string& file : AssociationFiles()) {
    std::string handlers;
    if (!ReadKey(file, "Default Applications", kWebPageType, &handlers)) continue;
    for (const std::string& id : SplitList(handlers, ';')) {
      std::string path;
      if (FindDesktopEntry(id, &path)) return id;
    }
  }
  return {};
}

bool FindDesktopEntry(std::string_view desktop_id, std::string* path) {
  if (desktop_id.empty() || desktop_id.find('/') != std::string_view::npos) return false;
  for (const std::string& folder : ApplicationFolders()) {
    if (FindBelow(folder, desktop_id, 4, path)) return true;
  }
  return false;
}

bool ReadDesktopEntryExec(const std::string& path, std::string* exec) {
  std::string raw;
  if (!ReadKey(path, "Desktop Entry", "Exec", &raw)) return false;
  *exec = ResolveGeneralEscapes(raw);
  return true;
}

std::string ExecToCommandLine(std::string_view exec) {
  std::string command_line;
  for (const ExecArgument& argument : SplitExec(exec)) {
    const std::string converted = ConvertArgument(argument);
    if (converted.empty()) continue;
    if (!command_line.empty()) command_line += ' ';
    command_line += converted;
  }
  return command_line;
}

bool ReadXdgClassDefault(std::string_view key_path, std::string* value) {
  if (EqualsIgnoringCase(key_path, kWebPageKey)) {
    std::string handler = FindDefaultWebPageHandler();
    if (handler.empty()) return false;
    *value = std::move(handler);
    return true;
  }
  if (key_path.size() > kOpenCommandSuffix.size() &&
      EqualsIgnoringCase(key_path.substr(key_path.size() - kOpenCommandSuffix.size()), kOpenCommandSuffix)) {
    std::string path;
    std::string exec;
    if (!FindDesktopEntry(key_path.substr(0, key_path.size() - kOpenCommandSuffix.size()), &path) ||
        !ReadDesktopEntryExec(path, &exec)) {
      return false;
    }
    *value = ExecToCommandLine(exec);
    return true;
  }
  return false;
}

}  // namespace platform

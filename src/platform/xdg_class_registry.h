#pragma once
// The classes-root registry read from the XDG desktop's own records, for the two keys the
// hyperlink fallback asks about:
//   ".htm"                       the desktop-file id of the default text/html handler, as
//                                mimeapps.list (XDG config and data folders) name it;
//   "ID\shell\open\command"      the Exec line of desktop entry ID as a Windows-style command
//                                line, its URL/file field code (%u %U %f %F) written as "%1" with
//                                the quotes, every other field code dropped.
// Key names are compared without regard to case, as registry keys are.
#include <string>
#include <string_view>

namespace platform {

bool ReadXdgClassDefault(std::string_view key_path, std::string* value);

// The pieces, for callers that want one step.
// The first installed handler listed for text/html, or empty.
std::string FindDefaultWebPageHandler();
// The file of the desktop entry with this id under the XDG data folders.
bool FindDesktopEntry(std::string_view desktop_id, std::string* path);
// The Exec value of a desktop entry file, its general escapes (\s \n \t \r \\) resolved.
bool ReadDesktopEntryExec(const std::string& path, std::string* exec);
// An Exec value (desktop-entry quoting) as a Windows-style command line.
std::string ExecToCommandLine(std::string_view exec);

}  // namespace platform

#pragma once
// The fatal run-time error: the one failure the user ever sees. It shows its text (caption
// "错误", stop icon, OK) and ends the process with exit code -1 without running the exit callback.
#include <string>

namespace app {

// The caption of the message box: "错误".
inline constexpr char kFatalErrorCaption[] = "\xb4\xed\xce\xf3";

// The message-box text for `message` (null or empty: no message line) and `code` (0: no code
// line), as GBK bytes with CR LF line breaks.
std::string ComposeFatalText(const char* message, int code);

// Shows the composed text and returns when the user has closed it. The default writes the text
// to standard error. A presenter may also leave by throwing; tests use that to watch a fatal
// error without ending their process.
using FatalErrorPresenter = void (*)(const std::string& text);
void SetFatalErrorPresenter(FatalErrorPresenter presenter);  // null restores the default

[[noreturn]] void FatalError(const char* message, int code);

}  // namespace app

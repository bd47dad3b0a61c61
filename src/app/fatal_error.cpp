#include "app/fatal_error.h"

#include <iconv.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "app/shell_state.h"

namespace app {
namespace {

constexpr char kLineBreak[] = "\r\n";
// "运行时出错!"
constexpr char kRuntimeErrorHead[] = "\xd4\xcb\xd0\xd0\xca\xb1\xb3\xf6\xb4\xed!";
// "错误代码："
constexpr char kCodeLabel[] = "\xb4\xed\xce\xf3\xb4\xfa\xc2\xeb\xa3\xba";
// "错误信息："
constexpr char kMessageLabel[] = "\xb4\xed\xce\xf3\xd0\xc5\xcf\xa2\xa3\xba";

// The terminal speaks UTF-8; the text is GBK. When the conversion is not available the bytes go
// out as they are rather than not at all.
std::string GbkToTerminal(const std::string& gbk) {
  iconv_t cd = iconv_open("UTF-8", "GBK");
  if (cd == reinterpret_cast<iconv_t>(-1)) return gbk;
  std::string out(gbk.size() * 3 + 4, '\0');
  char* in_ptr = const_cast<char*>(gbk.data());
  size_t in_left = gbk.size();
  char* out_ptr = out.data();
  size_t out_left = out.size();
  const size_t result = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(cd);
  if (result == static_cast<size_t>(-1)) return gbk;
  out.resize(out.size() - out_left);
  return out;
}

void WriteToStandardError(const std::string& text) {
  const std::string shown = GbkToTerminal(text);
  std::fwrite(shown.data(), 1, shown.size(), stderr);
  std::fflush(stderr);
}

FatalErrorPresenter presenter = WriteToStandardError;
bool presenting = false;

// Lets a presenter that leaves by throwing (tests) leave the guard as it found it.
struct PresentingGuard {
  PresentingGuard() { presenting = true; }
  ~PresentingGuard() { presenting = false; }
};

}  // namespace

std::string ComposeFatalText(const char* message, int code) {
  std::string text = kRuntimeErrorHead;
  text += kLineBreak;
  text += kLineBreak;
  if (code != 0) {
    text += kCodeLabel;
    text += std::to_string(code);
    text += kLineBreak;
    text += kLineBreak;
  }
  if (message != nullptr && message[0] != '\0') {
    text += kMessageLabel;
    text += message;
    text += kLineBreak;
  }
  return text;
}

void SetFatalErrorPresenter(FatalErrorPresenter p) {
  presenter = p != nullptr ? p : WriteToStandardError;
}

void FatalError(const char* message, int code) {
  MarkEndBegun();
  // A second fatal error raised while the first one is being shown ends the process at once.
  if (!presenting) {
    PresentingGuard guard;
    presenter(ComposeFatalText(message, code));
  }
  DropExitCallback();
  ReleaseFramework();
  std::fflush(nullptr);
  _exit(255);  // exit code -1
}

}  // namespace app

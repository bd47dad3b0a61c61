#include "platform/open_address.h"

#include <cstring>
#include <string>

#include "app/constant_area.h"
#include "platform/command_line_cutting.h"
#include "platform/hand_over_escape.h"
#include "platform/hand_over_observer.h"
#include "platform/platform_operations.h"
#include "platform/read_class_default.h"

namespace platform {
namespace {

using app::ConstantText;
using app::ConstantTextId;

bool IsEmpty(const char* text) { return text == nullptr || text[0] == '\0'; }

// Steps 4 to 7 of the fallback: the command registered for web page files, started with the
// address. The result code, or `refused` when no usable command is registered.
int StartWebPageCommand(const std::string& address, int show, int refused) {
  char class_name[kClassValueBuffer];
  if (!ReadClassDefault(ConstantText(ConstantTextId::kWebPageClassKey), class_name)) return refused;

  // A class name of at most 259 bytes and the subkey always fit the 520-byte key buffer.
  std::string command_key = class_name;
  command_key += ConstantText(ConstantTextId::kOpenCommandSubkey);
  char command[kClassValueBuffer];
  if (!ReadClassDefault(command_key.c_str(), command)) return refused;
  if (command[0] == '\0') return refused;  // nothing to start

  std::string command_line;
  if (!BuildBrowserCommandLine(command, address, &command_line)) return 0;
  NotifyHandOver(HandOver::kExec, command_line);
  return CurrentPlatformOperations().StartCommandLine(command_line.c_str(), show);
}

}  // namespace

void OpenAddress(const char* address) {
  if (address == nullptr) address = ConstantText(ConstantTextId::kEmpty);
  PlatformOperations& operations = CurrentPlatformOperations();
  WindowHandle owner = operations.FindOwnerWindow(ConstantText(ConstantTextId::kOwnerWindowTitle));
  NotifyHandOver(HandOver::kOpen, EscapeForHandOver(address));
  operations.ShellOpen(owner, ConstantText(ConstantTextId::kOpenVerb), address, kShowNormal);
}

int OpenLinkAddress(const LinkDescription& link, int show) {
  std::string address;
  if (link.kind != kMailLink) {
    if (IsEmpty(link.web_address)) return 0;
    address = link.web_address;
  } else {
    if (IsEmpty(link.mail_address)) return 0;
    address = ConstantText(ConstantTextId::kMailtoScheme);
    address += link.mail_address;
  }

  NotifyHandOver(HandOver::kOpenLink, EscapeForHandOver(address));
  int code = CurrentPlatformOperations().ShellOpen(nullptr, ConstantText(ConstantTextId::kOpenVerb),
                                                   address.c_str(), show);
  if (!Succeeded(code)) code = StartWebPageCommand(address, show, code);
  return Succeeded(code) ? 1 : 0;
}

}  // namespace platform

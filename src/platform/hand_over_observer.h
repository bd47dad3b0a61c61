#pragma once
// Lets a driver see every hand-over to the desktop, whether or not the desktop succeeds.
#include <string>

namespace platform {

enum class HandOver {
  kOpen,      // OpenAddress: the address, escaped as the desktop receives it
  kOpenLink,  // OpenLinkAddress: the address, escaped as the desktop receives it
  kExec,      // the fallback's command line, as it is started
};

using HandOverObserver = void (*)(HandOver what, const std::string& text);

// Null removes the observer.
void SetHandOverObserver(HandOverObserver observer);
void NotifyHandOver(HandOver what, const std::string& text);

}  // namespace platform

#include "platform/hand_over_observer.h"

namespace platform {
namespace {

HandOverObserver current_observer = nullptr;

}  // namespace

void SetHandOverObserver(HandOverObserver observer) { current_observer = observer; }

void NotifyHandOver(HandOver what, const std::string& text) {
  if (current_observer != nullptr) current_observer(what, text);
}

}  // namespace platform

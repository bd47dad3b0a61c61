#include "app/shell_state.h"

namespace app {
namespace {

bool end_has_begun = false;
void (*exit_callback)() = nullptr;
void (*framework_release)() = nullptr;

}  // namespace

bool EndHasBegun() { return end_has_begun; }

void MarkEndBegun() { end_has_begun = true; }

void SetExitCallback(void (*callback)()) { exit_callback = callback; }

void DropExitCallback() { exit_callback = nullptr; }

void SetFrameworkRelease(void (*release)()) { framework_release = release; }

void ReleaseFramework() {
  // Cleared before the call so that a fatal error raised while releasing cannot re-enter it.
  void (*release)() = framework_release;
  framework_release = nullptr;
  if (release != nullptr) release();
}

void RunExitStep() {
  MarkEndBegun();
  void (*callback)() = exit_callback;
  exit_callback = nullptr;
  if (callback != nullptr) callback();
  ReleaseFramework();
}

void ResetShellStateForTesting() {
  end_has_begun = false;
  exit_callback = nullptr;
  framework_release = nullptr;
}

}  // namespace app

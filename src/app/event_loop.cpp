#include "app/event_loop.h"

#include "desktop/window/window_system.h"
#include "platform/child_processes.h"
#include "ui/loaded_windows.h"

namespace app {
namespace {

bool loop_entered = false;
int exit_code = 0;

void PostQuitWhenLastWindowClosed() {
  if (loop_entered) desktop::WindowSystem::Get().PostQuit(0);
}

// How often the idle work looks again for a browser opener that outlived its hand-over wait.
constexpr int kReapIntervalMs = 250;

// The framework's idle work: collect the openers that have ended since, so none is left a
// zombie; while some still run, come back for them even if no input arrives.
bool IdleWork(int pass) {
  (void)pass;
  platform::ReapFinishedChildren();
  if (platform::UnreapedChildCount() > 0) desktop::WindowSystem::Get().RequestIdleAfter(kReapIntervalMs);
  return false;
}

}  // namespace

void RunEventLoop() {
  loop_entered = true;
  ui::SetLastWindowClosedCallback(PostQuitWhenLastWindowClosed);
  if (ui::LoadedWindowCount() == 0) return;
  exit_code = desktop::WindowSystem::Get().RunLoop(IdleWork);
}

bool EventLoopEntered() { return loop_entered; }

int EventLoopExitCode() { return exit_code; }

void ResetEventLoopForTesting() {
  loop_entered = false;
  exit_code = 0;
}

}  // namespace app

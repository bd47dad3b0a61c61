#include "app/event_loop.h"

#include "desktop/window/window_system.h"
#include "ui/loaded_windows.h"

namespace app {
namespace {

bool loop_entered = false;
int exit_code = 0;

void PostQuitWhenLastWindowClosed() {
  if (loop_entered) desktop::WindowSystem::Get().PostQuit(0);
}

// The framework's idle work: nothing is left over between messages in this system.
bool IdleWork(int pass) {
  (void)pass;
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

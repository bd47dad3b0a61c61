#pragma once
// The event loop of the user-interface thread.

namespace app {

// Runs until the quit message; returns at once when no window of the system is loaded. The quit
// message comes when the last window of the system has been destroyed after the loop was entered.
void RunEventLoop();

bool EventLoopEntered();
// The code the quit message carried (the process exit code of the orderly end).
int EventLoopExitCode();

// Back to the state at process start. Tests only.
void ResetEventLoopForTesting();

}  // namespace app

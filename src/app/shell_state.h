#pragma once
// State of the process's life shared by the event loop, the exit step and the fatal error.

namespace app {

// Once the end has begun (orderly end or fatal error) no event reaches a handler.
bool EndHasBegun();
void MarkEndBegun();

// The one exit callback; a later call replaces an earlier one, null removes it.
void SetExitCallback(void (*callback)());
// Forgets the exit callback without running it (the fatal error's way out).
void DropExitCallback();

// The window framework's own clean-up (step 3 of the exit step): released at the orderly end and
// after a fatal error alike. Run at most once.
void SetFrameworkRelease(void (*release)());
void ReleaseFramework();

// The orderly exit step: mark the end as begun, run the exit callback once and forget it, then
// release the window framework.
void RunExitStep();

// Back to the state at process start. Tests only.
void ResetShellStateForTesting();

}  // namespace app

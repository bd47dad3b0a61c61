#pragma once
// The framework part of the process on the real desktop: the SDL backend, the fatal error's
// message box, then the program itself and the exit step.

namespace desktop_program {

// Runs the program on the desktop and answers the process exit code. A fatal error shows its box
// and ends the process with status 255 instead.
int RunOnTheDesktop();

}  // namespace desktop_program

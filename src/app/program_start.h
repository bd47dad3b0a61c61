#pragma once
// The life of the process: start-up, the event loop, and the orderly end.
#include <cstdint>
#include <span>

namespace app {

// Prepares the heap, the platform and the window descriptions. Window descriptions that cannot be
// read are the fatal run-time error "载入窗口模板数据段出错!".
void InitializeApplication();

// The system's start function: initialises, registers the exit callback, loads the main window,
// runs the event loop. Returns 0 when the loop has ended.
int ProgramStart();

// What the framework does around ProgramStart: runs it, then the exit step. The result is the
// process exit code (the quit message's code, 0).
int RunProgram();

// The stored descriptions to load instead of the built-in ones (the driver's --description); the
// bytes, which may be anything, must stay valid until InitializeApplication has run.
void SetDescriptionSource(std::span<const std::uint8_t> bytes);
void UseBuiltInDescription();

// Whether InitializeApplication sets the working directory to the program's folder (on by
// default; in-process tests keep theirs).
void SetChangeWorkingDirectory(bool change);

}  // namespace app

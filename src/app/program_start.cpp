#include "app/program_start.h"

#include <unistd.h>

#include <climits>
#include <optional>
#include <string>

#include "app/event_loop.h"
#include "app/fatal_error.h"
#include "app/shell_state.h"
#include "links/program_texts.h"
#include "ui/description/built_in_description.h"
#include "ui/description/stored_form.h"
#include "ui/description/window_description.h"
#include "ui/load_window.h"
#include "ui/loaded_descriptions.h"

namespace app {
namespace {

std::optional<std::span<const std::uint8_t>> description_source;
bool change_working_directory = true;
bool platform_initialized = false;

// The program's own folder becomes the working directory, as on the platform we stand in for.
void SetWorkingDirectoryToProgramFolder() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return;
  std::string folder(path, static_cast<std::size_t>(n));
  const std::size_t slash = folder.rfind('/');
  if (slash == std::string::npos) return;
  folder.resize(slash == 0 ? 1 : slash);
  if (chdir(folder.c_str()) != 0) return;  // the old directory simply stays
}

// The platform's one-time set-up, in place of initialising OLE: nothing of it needs undoing
// here, and it happens once per process however often the application is initialised.
void InitializePlatformOnce() {
  if (platform_initialized) return;
  platform_initialized = true;
}

}  // namespace

void SetDescriptionSource(std::span<const std::uint8_t> bytes) { description_source = bytes; }

void UseBuiltInDescription() { description_source.reset(); }

void SetChangeWorkingDirectory(bool change) { change_working_directory = change; }

void InitializeApplication() {
  // The run-time heap is the process's C heap and the constant area is one static object: both
  // are ready before the first instruction of the program runs.
  InitializePlatformOnce();
  if (change_working_directory) SetWorkingDirectoryToProgramFolder();
  const std::span<const std::uint8_t> bytes =
      description_source ? *description_source : ui::description::BuiltInDescription();
  if (!ui::LoadWindowDescriptions(bytes)) {
    const std::string message(
        ui::description::DescriptionErrorMessage(ui::description::DescriptionError::kUnreadable));
    FatalError(message.c_str(), 0);
  }
}

int ProgramStart() {
  InitializeApplication();
  SetExitCallback(links::ReleaseProgramTexts);
  ui::LoadWindow(ui::description::kMainWindowIdentity);
  RunEventLoop();
  return 0;
}

int RunProgram() {
  // ProgramStart answers 0, so the framework runs no loop of its own and goes to the exit step.
  ProgramStart();
  RunExitStep();
  return EventLoopExitCode();
}

}  // namespace app

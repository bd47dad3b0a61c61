#include "main/desktop_program.h"

#include <cstdio>
#include <string>

#include "app/fatal_error.h"
#include "app/program_start.h"
#include "app/shell_state.h"
#include "desktop/backends/sdl/sdl_backend.h"
#include "desktop/controls/message_box.h"
#include "desktop/text/gbk.h"
#include "desktop/window/window_system.h"
#include "ui/description/window_description.h"

namespace desktop_program {
namespace {

// 错误
constexpr char kErrorCaption[] = "\xb4\xed\xce\xf3";

// The box without owner, stop icon and OK; where no box can be shown the text goes to standard
// error instead.
void ShowFatalBox(const std::string& text_gbk) {
  if (desktop::ShowMessageBox(nullptr, text_gbk, kErrorCaption, desktop::MB_OK | desktop::MB_ICONERROR) != 0) return;
  const std::string text = desktop::GbkToUtf8(text_gbk);
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
}

// The window framework's own resources: every window that is left, and the desktop connection.
void ReleaseDesktop() { desktop::WindowSystem::Get().Reset(); }

}  // namespace

int RunOnTheDesktop() {
  app::SetFatalErrorPresenter(ShowFatalBox);
  app::SetFrameworkRelease(ReleaseDesktop);
  if (!desktop::InstallSdlBackend()) {
    // No desktop to show the window on: the start window cannot be created.
    const std::string message(
        ui::description::DescriptionErrorMessage(ui::description::DescriptionError::kWindowNotBuilt));
    app::FatalError(message.c_str(), 0);
  }
  return app::RunProgram();
}

}  // namespace desktop_program

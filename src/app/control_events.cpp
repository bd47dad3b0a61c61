#include "app/control_events.h"

#include "app/fatal_error.h"
#include "app/shell_state.h"
#include "ui/loaded_descriptions.h"
#include "ui/loaded_windows.h"
#include "ui/main_window.h"

namespace app {
namespace {

// 未找到引发事件的窗口
constexpr char kWindowNotFound[] = "\xce\xb4\xd5\xd2\xb5\xbd\xd2\xfd\xb7\xa2\xca\xc2\xbc\xfe\xb5\xc4\xb4\xb0\xbf\xda";
// 未找到引发事件的窗口组件
constexpr char kControlNotFound[] =
    "\xce\xb4\xd5\xd2\xb5\xbd\xd2\xfd\xb7\xa2\xca\xc2\xbc\xfe\xb5\xc4\xb4\xb0\xbf\xda\xd7\xe9\xbc\xfe";
// 引发事件的窗口组件无效
constexpr char kControlNotValid[] =
    "\xd2\xfd\xb7\xa2\xca\xc2\xbc\xfe\xb5\xc4\xb4\xb0\xbf\xda\xd7\xe9\xbc\xfe\xce\xde\xd0\xa7";

}  // namespace

void DispatchControlEvent(std::uint32_t window_identity, std::uint32_t control_identity, int event_number) {
  if (EndHasBegun()) return;
  ui::MainWindow* window = ui::FindLoadedWindow(window_identity);
  if (window == nullptr) FatalError(kWindowNotFound, 0);

  // The window raises events under its own record's identity; a control under its record's.
  const ui::description::Record* record = nullptr;
  if (control_identity == window->WindowRecord().identity) {
    if (!window->IsAlive()) FatalError(kControlNotValid, 0);
    record = &window->WindowRecord();
  } else {
    const ui::Control* control = window->FindControl(control_identity);
    if (control == nullptr) FatalError(kControlNotFound, 0);
    if (control->window == nullptr || !control->window->IsAlive()) FatalError(kControlNotValid, 0);
    record = control->record;
  }

  links::Handler handler = ui::FindBoundHandler(*record, static_cast<std::uint32_t>(event_number));
  if (handler != nullptr) handler();
}

}  // namespace app

// Kept apart from the rest of the backend: Xlib's headers define names (None, Window, Status)
// that the window system uses too.
#include "desktop/backends/sdl/x11_errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace desktop {

namespace {

XErrorHandler previous_handler = nullptr;

int HandleXError(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
  return previous_handler != nullptr ? previous_handler(display, error) : 0;
}

}  // namespace

void IgnoreEventsToVanishedWindows() {
  // SDL may put its own handler in place meanwhile; ours goes back in front of whatever is there.
  const XErrorHandler before = XSetErrorHandler(HandleXError);
  if (before != HandleXError) previous_handler = before;
}

}  // namespace desktop

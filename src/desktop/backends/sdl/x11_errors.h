#pragma once
// Xlib's errors that must not end the program.

namespace desktop {

// On X11: a BadWindow error for an event sent to a window that has just been destroyed is ignored.
// SDL wakes its event wait by sending an event to one of our windows over a second connection;
// when that window is destroyed meanwhile (Esc, the close button), Xlib's default handler would
// end the process with exit code 1. Every other error goes to the handler that was there before.
// The error may arrive only when SDL closes its connections, so this is called again then.
void IgnoreEventsToVanishedWindows();

}  // namespace desktop

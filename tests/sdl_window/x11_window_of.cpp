// Kept apart: the X11 headers that SDL_syswm.h brings in define names that clash with others.
#include "x_session.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>

namespace sdl_test {

unsigned long X11WindowOf(SDL_Window* window) {
  if (window == nullptr) return 0;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return 0;
  return info.info.x11.window;
}

}  // namespace sdl_test

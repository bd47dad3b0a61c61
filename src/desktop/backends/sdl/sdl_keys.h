#pragma once
// SDL's keys and modifier state as the platform's virtual keys and modifiers.
#include <SDL2/SDL_keyboard.h>

#include "desktop/window/window.h"

namespace desktop {

// The virtual key of an SDL key; 0 for a key the system has no use for.
int VirtualKeyOf(SDL_Keycode key);
Modifiers ModifiersOf(Uint16 sdl_mod);

}  // namespace desktop

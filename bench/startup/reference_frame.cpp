// The least SDL2 program that shows one frame: a window the size of shopassist's drawn surface,
// filled once through the software framebuffer (as shopassist draws), then waiting to be closed.
#include <SDL2/SDL.h>

int main() {
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
  SDL_Window* window = SDL_CreateWindow("reference frame", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 634, 425, 0);
  if (window == nullptr) return 1;
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (surface == nullptr) return 1;
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 252, 252, 254));
  SDL_UpdateWindowSurface(window);
  SDL_Event event;
  while (SDL_WaitEvent(&event)) {
    if (event.type == SDL_QUIT) break;
  }
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}

// SDL's events as input for the window system, and the wait for them: no SDL timers, no busy
// loop; the wait ends at the next input or when the caller's next timer is due.
#include <SDL2/SDL.h>

#include "desktop/backends/sdl/sdl_backend.h"
#include "desktop/backends/sdl/x11_errors.h"
#include "desktop/backends/sdl/sdl_keys.h"
#include "desktop/window/window_system.h"

namespace desktop {

namespace {

constexpr int kWheelDelta = 120;  // one notch, as the platform counts it

std::optional<MouseButton> ButtonOf(Uint8 sdl_button) {
  switch (sdl_button) {
    case SDL_BUTTON_LEFT: return MouseButton::Left;
    case SDL_BUTTON_MIDDLE: return MouseButton::Middle;
    case SDL_BUTTON_RIGHT: return MouseButton::Right;
    default: return std::nullopt;
  }
}

}  // namespace

// How long a lost keyboard focus may stay unexplained before the window counts as deactivated.
constexpr int kFocusSettleMs = 50;

bool SdlBackend::WaitEvent(InputEvent& out, int timeout_ms) {
  // SDL puts back its own X error handler at times; ours must be in place whenever the X errors
  // of a wait can arrive.
  if (on_x11_) IgnoreEventsToVanishedWindows();
  const Uint64 start = SDL_GetTicks64();
  const Uint64 deadline = start + static_cast<Uint64>(timeout_ms > 0 ? timeout_ms : 0);
  for (;;) {
    SDL_Event e;
    int got = 0;
    const Uint64 now = SDL_GetTicks64();
    if (timeout_ms == 0 || (timeout_ms > 0 && now >= deadline)) {
      got = SDL_PollEvent(&e);
    } else {
      int wait = timeout_ms < 0 ? -1 : static_cast<int>(deadline - now);
      if (focus_lost_ != nullptr && (wait < 0 || wait > kFocusSettleMs)) wait = kFocusSettleMs;
      got = wait < 0 ? SDL_WaitEvent(&e) : SDL_WaitEventTimeout(&e, wait);
    }
    if (got == 0) {
      // Quiet for a moment: whatever the lost focus was about has shown itself by now.
      if (timeout_ms != 0 && focus_lost_ != nullptr && ResolveFocusLoss(out)) return true;
      if (timeout_ms == 0 || (timeout_ms > 0 && SDL_GetTicks64() >= deadline)) return false;
      continue;
    }
    if (e.type == wake_event_) return false;
    if (Translate(e, out)) return true;
  }
}

bool SdlBackend::ResolveFocusLoss(InputEvent& out) {
  Window* lost = focus_lost_;
  Surface* s = Find(lost);
  if (s == nullptr || s->sdl == nullptr) {
    focus_lost_ = nullptr;
    return false;
  }
  SDL_Window* now_focused = SDL_GetKeyboardFocus();
  for (auto& [top, other] : surfaces_) {
    if (other.sdl != now_focused || now_focused == nullptr) continue;
    if (!TakesFocus(other)) {
      // One of our hints took it: back to the window that had it; its gain ends the matter.
      SDL_SetWindowInputFocus(s->sdl);
      return false;
    }
    // Another window of ours has it: its own gain activates it.
    focus_lost_ = nullptr;
    return false;
  }
  focus_lost_ = nullptr;
  out = InputEvent{};
  out.type = InputEvent::Type::Deactivate;
  out.window = lost;
  return true;
}

bool SdlBackend::Translate(const SDL_Event& e, InputEvent& out) {
  out = InputEvent{};
  switch (e.type) {
    case SDL_QUIT:
      out.type = InputEvent::Type::Quit;
      return true;

    case SDL_WINDOWEVENT: {
      Surface* s = FindBySdlId(e.window.windowID);
      if (s == nullptr) return false;
      out.window = s->top;
      switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
          out.type = InputEvent::Type::Close;
          return true;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          if (!TakesFocus(*s)) {
            if (focus_lost_ == nullptr) {
              if (Window* active = WindowSystem::Get().ActiveWindow()) {
                if (Surface* a = Find(active); a != nullptr && a->sdl != nullptr) SDL_SetWindowInputFocus(a->sdl);
              }
            }
            return false;
          }
          if (focus_lost_ == s->top) {
            focus_lost_ = nullptr;  // it came straight back: nothing happened
            return false;
          }
          out.type = InputEvent::Type::Activate;
          return true;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          if (TakesFocus(*s)) focus_lost_ = s->top;
          return false;
        case SDL_WINDOWEVENT_EXPOSED:
          CopyToScreen(*s, Region(Rect{0, 0, s->width, s->height}));
          return false;
        case SDL_WINDOWEVENT_MOVED:
          out.type = InputEvent::Type::Moved;
          out.pos = {e.window.data1, e.window.data2};
          return true;
        case SDL_WINDOWEVENT_LEAVE: {
          // The pointer left the window: a move to where it is now, outside, so that hovering
          // ends and hints go away.
          int x = 0, y = 0, wx = 0, wy = 0;
          SDL_GetGlobalMouseState(&x, &y);
          SDL_GetWindowPosition(s->sdl, &wx, &wy);
          out.type = InputEvent::Type::MouseMove;
          out.pos = {x - wx, y - wy};
          out.key.mods = ModifiersOf(static_cast<Uint16>(SDL_GetModState()));
          return true;
        }
        default:
          return false;
      }
    }

    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      const int vk = VirtualKeyOf(e.key.keysym.sym);
      if (vk == 0) return false;
      Surface* s = FindBySdlId(e.key.windowID);
      out.type = e.type == SDL_KEYDOWN ? InputEvent::Type::KeyDown : InputEvent::Type::KeyUp;
      out.window = s != nullptr ? s->top : nullptr;
      out.key.vk = vk;
      out.key.mods = ModifiersOf(e.key.keysym.mod);
      out.key.repeat = e.key.repeat != 0;
      return true;
    }

    case SDL_TEXTINPUT: {
      // Ctrl and Alt chords are commands, not typing (AltGr still types).
      const SDL_Keymod mod = SDL_GetModState();
      if ((mod & (KMOD_CTRL | KMOD_LALT)) != 0) return false;
      Surface* s = FindBySdlId(e.text.windowID);
      out.type = InputEvent::Type::Text;
      out.window = s != nullptr ? s->top : nullptr;
      out.text = e.text.text;
      return !out.text.empty();
    }

    case SDL_TEXTEDITING: {
      Surface* s = FindBySdlId(e.edit.windowID);
      out.type = InputEvent::Type::Editing;
      out.window = s != nullptr ? s->top : nullptr;
      out.text = e.edit.text;
      out.cursor = e.edit.start;
      return true;
    }

    case SDL_MOUSEMOTION: {
      Surface* s = FindBySdlId(e.motion.windowID);
      if (s == nullptr) return false;
      out.type = InputEvent::Type::MouseMove;
      out.window = s->top;
      out.pos = {e.motion.x, e.motion.y};
      out.key.mods = ModifiersOf(static_cast<Uint16>(SDL_GetModState()));
      return true;
    }

    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      Surface* s = FindBySdlId(e.button.windowID);
      const std::optional<MouseButton> button = ButtonOf(e.button.button);
      if (s == nullptr || !button) return false;
      out.type = e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Type::MouseDown : InputEvent::Type::MouseUp;
      out.window = s->top;
      out.pos = {e.button.x, e.button.y};
      out.button = *button;
      out.clicks = e.button.clicks;
      out.key.mods = ModifiersOf(static_cast<Uint16>(SDL_GetModState()));
      return true;
    }

    case SDL_MOUSEWHEEL: {
      Surface* s = FindBySdlId(e.wheel.windowID);
      if (s == nullptr || e.wheel.y == 0) return false;
      const int notches = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
      out.type = InputEvent::Type::MouseWheel;
      out.window = s->top;
      out.pos = {e.wheel.mouseX, e.wheel.mouseY};
      out.wheel = notches * kWheelDelta;
      out.key.mods = ModifiersOf(static_cast<Uint16>(SDL_GetModState()));
      return true;
    }

    default:
      return false;
  }
}

}  // namespace desktop

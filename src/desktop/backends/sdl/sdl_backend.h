#pragma once
// The real window: one SDL window per shown top-level window, drawn through SDL's software
// framebuffer. The window manager draws captions and frames; the program draws the rest into a
// pixel buffer of its own, which is copied to the window where it changed.
#include <SDL2/SDL.h>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "desktop/window/backend.h"

namespace desktop {

class SdlBackend : public Backend {
 public:
  // Starts SDL's video subsystem; null when there is no display to show windows on.
  static std::unique_ptr<SdlBackend> Create();
  ~SdlBackend() override;

  Size ScreenSize() override;
  std::uint64_t NowMs() override { return SDL_GetTicks64(); }
  bool WaitEvent(InputEvent& out, int timeout_ms) override;
  void Wake() override;

  void CreateSurface(Window* top) override;
  void DestroySurface(Window* top) override;
  void ShowSurface(Window* top, bool show, bool activate) override;
  void MoveSurface(Window* top) override;
  void FocusSurface(Window* top) override;
  void SetTitle(Window* top, const std::string& utf8) override;
  void SetIcon(Window* top, const Bitmap& icon) override;
  Canvas SurfaceCanvas(Window* top) override;
  void Present(Window* top, const Region& changed) override;

  void SetCursor(CursorShape shape) override;
  std::string GetClipboardText() override;
  void SetClipboardText(const std::string& utf8) override;
  void StartTextInput(const Rect& caret_screen) override;
  void StopTextInput() override;

  // The SDL window showing a top-level window (null while it has never been shown). Tests use it.
  SDL_Window* SdlWindowOf(const Window* top) const;

 private:
  SdlBackend() = default;

  struct Surface {
    Window* top = nullptr;
    SDL_Window* sdl = nullptr;
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;
    std::string title;
    std::optional<Bitmap> icon;
  };
  Surface* Find(const Window* top);
  Surface* FindBySdlId(Uint32 id);
  bool MakeSdlWindow(Surface& s);
  void ApplyIcon(Surface& s);
  void CopyToScreen(Surface& s, const Region& changed);
  // An SDL event as input for the window system; false for events it has no use for.
  bool Translate(const SDL_Event& e, InputEvent& out);
  // A window of ours that lost the keyboard focus is deactivated only once it is clear the focus
  // went elsewhere: without a window manager, SDL hands the focus to every window it shows, a hint
  // included, and we hand it straight back.
  bool ResolveFocusLoss(InputEvent& out);
  bool TakesFocus(const Surface& s) const;

  std::map<const Window*, Surface> surfaces_;
  std::array<SDL_Cursor*, 4> cursors_{};
  std::optional<CursorShape> cursor_;
  Uint32 wake_event_ = 0;
  bool on_x11_ = false;  // SDL's video driver is X11
  Window* focus_lost_ = nullptr;  // lost the keyboard focus; not yet deactivated
};

// Installs an SDL backend as the window system's backend; false (nothing installed) when SDL
// cannot show windows here.
bool InstallSdlBackend();

}  // namespace desktop

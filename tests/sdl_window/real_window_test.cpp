// The SDL backend on a real X server: the window shows the surface where the window system put
// it, and the mouse, the keyboard, typed Chinese, the clipboard and the window manager's requests
// come back as the window system's input.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <unistd.h>

#include "desktop/backends/sdl/sdl_backend.h"
#include "desktop/window/window.h"
#include "desktop/window/window_system.h"
#include "x_session.h"

namespace sdl_test {
namespace {

using namespace desktop;

constexpr ColorRef kRed = Rgb(255, 0, 0);
constexpr ColorRef kGreen = Rgb(0, 200, 0);
constexpr ColorRef kYellow = Rgb(255, 255, 0);

class Probe : public Window {
 public:
  explicit Probe(ColorRef fill) : fill_(fill) {}
  void OnPaint(Canvas& canvas, const Region&) override { canvas.FillRect(ClientRect(), fill_); }
  void OnMouseDown(const MouseEvent& e) override { downs.push_back(e); }
  void OnMouseUp(const MouseEvent& e) override { ups.push_back(e); }
  bool OnKeyDown(const KeyEvent& e) override {
    keys.push_back(e);
    return true;
  }
  void OnChar(std::string_view text) override { typed += text; }
  void OnClose() override {
    closed = true;
    Destroy();
  }
  std::vector<MouseEvent> downs, ups;
  std::vector<KeyEvent> keys;
  std::string typed;
  bool closed = false;

 private:
  ColorRef fill_;
};

class RealWindowTest : public ::testing::Test {
 public:
  static void SetUpTestSuite() {
    session_ = new XSession;
    started_ = session_->Start();
    // One start of SDL's video for all cases of the program: SDL does not always come back up on
    // X11 after shutting down completely within one process.
    if (started_) started_ = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
  }
  static void TearDownTestSuite() {
    if (started_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    delete session_;
    session_ = nullptr;
  }
  void SetUp() override {
    if (!started_) GTEST_SKIP() << "Xvfb cannot be started here";
    ASSERT_TRUE(InstallSdlBackend()) << SDL_GetError();
    sdl_ = static_cast<SdlBackend*>(&ws().GetBackend());
    // The main window's frame: caption, fixed frame, sunken client edge; red, a green child.
    main_ = Window::CreateAs(std::make_unique<Probe>(kRed), nullptr, Rect::FromSize(100, 80, 300, 200),
                             WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, WS_EX_CLIENTEDGE, "probe", 0);
    child_ = Window::CreateAs(std::make_unique<Probe>(kGreen), main_, {20, 30, 80, 70}, WS_CHILD | WS_VISIBLE, 0, "", 0);
    main_->ShowWindow(SW_SHOW);
    child_->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return Shows(main_->ClientToScreen({25, 35}), kGreen); })) << Describe();
  }
  // What the screen shows where the window should be, for a failure message.
  std::string Describe() {
    const Bitmap shot = Screenshot();
    const Point p = main_->ClientToScreen({25, 35});
    int x = -1, y = -1;
    if (SDL_Window* w = sdl_->SdlWindowOf(main_)) SDL_GetWindowPosition(w, &x, &y);
    char text[200];
    const char* driver = SDL_GetCurrentVideoDriver();
    std::snprintf(text, sizeof text, "screen %dx%d shows %06X at (%d, %d); the window is at (%d, %d) on %s", shot.width,
                  shot.height, shot.IsEmpty() ? 0u : shot.At(p.x, p.y) & 0xFFFFFFu, p.x, p.y, x, y,
                  driver != nullptr ? driver : "no driver");
    return text;
  }
  void TearDown() override { ws().Reset(); }

  static WindowSystem& ws() { return WindowSystem::Get(); }

  // Handles real input until `done` holds; false after ten seconds without.
  bool PumpUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      InputEvent e;
      if (sdl_->WaitEvent(e, 20)) ws().Dispatch(e);
      ws().FireDueTimers();
      ws().UpdateAll();
    }
    return true;
  }
  static bool Shows(Point screen, ColorRef colour) {
    const Bitmap shot = Screenshot();
    if (shot.IsEmpty() || screen.x < 0 || screen.y < 0 || screen.x >= shot.width || screen.y >= shot.height) return false;
    return FromPixel(shot.At(screen.x, screen.y)) == colour;
  }
  // Runs xdotool while handling our input: keys it types with a borrowed key mapping must be read
  // before it puts the mapping back.
  std::string Xdo(const std::vector<std::string>& args) {
    std::vector<std::string> argv{"xdotool"};
    argv.insert(argv.end(), args.begin(), args.end());
    return WaitForExit(Start(argv)) == 0 ? "ok" : "failed";
  }
  int WaitForExit(pid_t pid) {
    int status = -1;
    if (pid <= 0 || !PumpUntil([&] { return Ended(pid, &status); })) return -1;
    return status;
  }
  unsigned long XWindowOf(Window* top) { return X11WindowOf(sdl_->SdlWindowOf(top)); }

  static inline XSession* session_ = nullptr;
  static inline bool started_ = false;
  SdlBackend* sdl_ = nullptr;
  Probe* main_ = nullptr;
  Probe* child_ = nullptr;
};

TEST_F(RealWindowTest, TheWindowShowsTheSurfaceInsideTheFrame) {
  SDL_Window* w = sdl_->SdlWindowOf(main_);
  ASSERT_NE(w, nullptr);
  int x = 0, y = 0, width = 0, height = 0;
  SDL_GetWindowPosition(w, &x, &y);
  SDL_GetWindowSize(w, &width, &height);
  EXPECT_EQ(x, 103);
  EXPECT_EQ(y, 102);
  EXPECT_EQ(width, 294);
  EXPECT_EQ(height, 175);
  EXPECT_STREQ(SDL_GetWindowTitle(w), "probe");
  EXPECT_EQ(SDL_GetWindowFlags(w) & SDL_WINDOW_RESIZABLE, 0u);
  int min_w = 0, min_h = 0, max_w = 0, max_h = 0;
  SDL_GetWindowMinimumSize(w, &min_w, &min_h);
  SDL_GetWindowMaximumSize(w, &max_w, &max_h);
  EXPECT_EQ(min_w, max_w);
  EXPECT_EQ(min_h, max_h);

  const Bitmap shot = Screenshot();
  ASSERT_FALSE(shot.IsEmpty());
  EXPECT_EQ(FromPixel(shot.At(103, 102)), syscolor::kButtonShadow) << "the sunken client edge";
  EXPECT_EQ(FromPixel(shot.At(104, 103)), syscolor::kDarkShadow);
  const Point inside = main_->ClientToScreen({5, 5});
  EXPECT_EQ(FromPixel(shot.At(inside.x, inside.y)), kRed);
  const Point in_child = main_->ClientToScreen({79, 69});
  EXPECT_EQ(FromPixel(shot.At(in_child.x, in_child.y)), kGreen);
}

TEST_F(RealWindowTest, RepaintsReachTheScreen) {
  auto* yellow = Window::CreateAs(std::make_unique<Probe>(kYellow), main_, {100, 30, 140, 70}, WS_CHILD, 0, "", 0);
  const Point at = main_->ClientToScreen({110, 40});
  EXPECT_TRUE(Shows(at, kRed));
  yellow->ShowWindow(SW_SHOWNA);
  EXPECT_TRUE(PumpUntil([&] { return Shows(at, kYellow); }));
  yellow->ShowWindow(SW_HIDE);
  EXPECT_TRUE(PumpUntil([&] { return Shows(at, kRed); }));
}

TEST_F(RealWindowTest, ClicksArriveInClientCoordinates) {
  const Point at = main_->ClientToScreen({25, 35});
  EXPECT_EQ(Xdo({"mousemove", "--sync", std::to_string(at.x), std::to_string(at.y), "click", "1"}), "ok");
  ASSERT_TRUE(PumpUntil([&] { return !child_->ups.empty(); }));
  ASSERT_EQ(child_->downs.size(), 1u);
  EXPECT_EQ(child_->downs[0].pos, (Point{5, 5}));
  EXPECT_EQ(child_->downs[0].button, MouseButton::Left);
  EXPECT_EQ(ws().CursorPos(), at);
}

TEST_F(RealWindowTest, KeysReachTheFocusedWindowWithTheirModifiers) {
  const Point at = main_->ClientToScreen({25, 35});
  Xdo({"mousemove", "--sync", std::to_string(at.x), std::to_string(at.y)});
  EXPECT_EQ(Xdo({"key", "Tab", "shift+Tab", "ctrl+Right", "Escape"}), "ok");
  ASSERT_TRUE(PumpUntil([&] { return !child_->keys.empty() && child_->keys.back().vk == VK_ESCAPE; }));
  std::vector<std::string> seen;
  for (const KeyEvent& k : child_->keys) {
    seen.push_back(std::to_string(k.vk) + (k.mods.shift ? "s" : "") + (k.mods.ctrl ? "c" : "") + (k.mods.alt ? "a" : ""));
  }
  const std::vector<std::string> expected{std::to_string(VK_TAB),
                                          std::to_string(VK_SHIFT) + "s",
                                          std::to_string(VK_TAB) + "s",
                                          std::to_string(VK_CONTROL) + "c",
                                          std::to_string(VK_RIGHT) + "c",
                                          std::to_string(VK_ESCAPE)};
  EXPECT_EQ(seen, expected);
}

TEST_F(RealWindowTest, TypedChineseArrivesAsGbk) {
  const Point at = main_->ClientToScreen({25, 35});
  Xdo({"mousemove", "--sync", std::to_string(at.x), std::to_string(at.y)});
  EXPECT_EQ(Xdo({"type", "--delay", "30", "a\xE4\xB8\xAD\xE6\x96\x87"}), "ok");
  ASSERT_TRUE(PumpUntil([&] { return child_->typed.size() >= 5u; })) << "typed so far: " << child_->typed.size()
                                                                     << " bytes, keys " << child_->keys.size();
  EXPECT_EQ(child_->typed, "a\xD6\xD0\xCE\xC4");
}

TEST_F(RealWindowTest, AHintWindowShowsWithoutTakingTheFocus) {
  Probe* hint = Window::CreateAs(std::make_unique<Probe>(kYellow), nullptr, Rect::FromSize(250, 200, 60, 20),
                                 WS_POPUP | WS_BORDER, WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, "", 0);
  hint->ShowWindow(SW_SHOWNA);
  ASSERT_TRUE(PumpUntil([&] { return Shows({260, 210}, kYellow); }));
  EXPECT_TRUE(Shows({250, 200}, syscolor::kWindowFrame));
  SDL_Window* w = sdl_->SdlWindowOf(hint);
  ASSERT_NE(w, nullptr);
  EXPECT_NE(SDL_GetWindowFlags(w) & SDL_WINDOW_TOOLTIP, 0u);
  EXPECT_NE(SDL_GetWindowFlags(w) & SDL_WINDOW_ALWAYS_ON_TOP, 0u);
  EXPECT_EQ(ws().ActiveWindow(), main_);
  EXPECT_TRUE(child_->HasFocus());
  // Keys still go where they went.
  Xdo({"key", "Tab"});
  ASSERT_TRUE(PumpUntil([&] { return !child_->keys.empty(); }));
  hint->ShowWindow(SW_HIDE);
  EXPECT_TRUE(PumpUntil([&] { return Shows({260, 210}, kRed); }));
}

TEST_F(RealWindowTest, TheWindowManagersCloseAndMoveReachTheWindow) {
  const unsigned long xid = XWindowOf(main_);
  ASSERT_NE(xid, 0ul);
  EXPECT_EQ(Xdo({"windowmove", "--sync", std::to_string(xid), "200", "150"}), "ok");
  ASSERT_TRUE(PumpUntil([&] { return main_->WindowRect().TopLeft() == (Point{197, 128}); }));
  EXPECT_EQ(main_->ClientToScreen({0, 0}), (Point{202, 152}));

  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  close.window.windowID = SDL_GetWindowID(sdl_->SdlWindowOf(main_));
  SDL_PushEvent(&close);
  ASSERT_TRUE(PumpUntil([&] { return !main_->IsAlive(); }));
  EXPECT_EQ(sdl_->SdlWindowOf(main_), nullptr);
}

TEST_F(RealWindowTest, TheClipboardIsTheDesktops) {
  const std::string dir = std::filesystem::temp_directory_path().string();
  const std::string out = dir + "/sdl_clip_out_" + std::to_string(getpid());
  sdl_->SetClipboardText("\xE4\xB8\xAD copy");
  const pid_t reader = StartWithFiles({"xclip", "-o", "-selection", "clipboard"}, "", out);
  ASSERT_GT(reader, 0);
  int status = -1;
  ASSERT_TRUE(PumpUntil([&] { return Ended(reader, &status); }));  // our window answers the request
  std::ifstream read(out);
  std::string got((std::istreambuf_iterator<char>(read)), std::istreambuf_iterator<char>());
  std::filesystem::remove(out);
  EXPECT_EQ(got, "\xE4\xB8\xAD copy");

  const std::string in = dir + "/sdl_clip_in_" + std::to_string(getpid());
  std::ofstream(in) << "from outside";
  EXPECT_EQ(WaitForExit(StartWithFiles({"xclip", "-i", "-selection", "clipboard"}, in, "")), 0);
  std::filesystem::remove(in);
  EXPECT_EQ(sdl_->GetClipboardText(), "from outside");
}

TEST_F(RealWindowTest, IconAndTitleReachTheWindowManager) {
  Bitmap icon;
  icon.width = 2;
  icon.height = 2;
  icon.pixels = {0xFFFF0000u, 0x00000000u, 0xFF00FF00u, 0xFF0000FFu};  // the second pixel masked out
  sdl_->SetIcon(main_, icon);
  main_->SetText("\xBA\xCC\xC0\xCA");  // 禾朗, GBK
  ASSERT_TRUE(PumpUntil([] { return true; }));
  const std::string xid = std::to_string(XWindowOf(main_));
  EXPECT_EQ(Output({"xprop", "-id", xid, "-notype", "-f", "_NET_WM_ICON", "32c", " = $0+\n", "_NET_WM_ICON"}),
            "_NET_WM_ICON = 2, 2, 4294901760, 0, 4278255360, 4278190335\n");
  EXPECT_EQ(Output({"xprop", "-id", xid, "-notype", "_NET_WM_NAME"}), "_NET_WM_NAME = \"\xE7\xA6\xBE\xE6\x9C\x97\"\n");
}

}  // namespace
}  // namespace sdl_test

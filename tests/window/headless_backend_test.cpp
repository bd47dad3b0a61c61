// What the headless backend records and writes: PNG pictures of windows, the clipboard, the
// screen size, scripted input at screen points.
#include <png.h>

#include <cstdio>
#include <filesystem>

#include "desktop/backends/headless/png_writer.h"
#include "window_test_support.h"

namespace window_test {
namespace {

// Reads an 8-bit RGB PNG back into 0xFFRRGGBB pixels; empty on failure.
Bitmap ReadPng(const std::string& path) {
  Bitmap out;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return out;
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> data(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, data.data(), 0, nullptr)) return out;
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  for (size_t i = 0; i + 2 < data.size(); i += 3)
    out.pixels.push_back(0xFF000000u | (data[i] << 16) | (data[i + 1] << 8) | data[i + 2]);
  return out;
}

class HeadlessTest : public WindowSystemTest {
 public:
  std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("window_tests_" + std::to_string(::getpid()) + "_" + name)).string();
  }
};

TEST_F(HeadlessTest, WritesTheClientAreaOfTheMainWindowAsPng) {
  TestWindow* main = MakeTop("main", Rect::FromSize(192, 159, 640, 450), Rgb(10, 20, 30),
                             WS_CAPTION | WS_SYSMENU | WS_VISIBLE, WS_EX_CLIENTEDGE);
  MakeChild("corner", main, {620, 411, 630, 421}, Rgb(200, 100, 50));
  ws().UpdateAll();
  const std::string path = TempPath("client.png");
  ASSERT_TRUE(backend().WriteClientPng(*main, path));
  const Bitmap read = ReadPng(path);
  std::filesystem::remove(path);
  ASSERT_EQ(read.width, 630);
  ASSERT_EQ(read.height, 421);
  EXPECT_EQ(FromPixel(read.At(0, 0)), Rgb(10, 20, 30)) << "no frame in the picture";
  EXPECT_EQ(FromPixel(read.At(629, 420)), Rgb(200, 100, 50));
  EXPECT_EQ(FromPixel(read.At(619, 410)), Rgb(10, 20, 30));
}

TEST_F(HeadlessTest, WritesAnyPartOfTheSurface) {
  TestWindow* top = MakeTop("top", Rect::FromSize(0, 0, 40, 30), Rgb(1, 2, 3), WS_POPUP | WS_BORDER | WS_VISIBLE);
  ws().UpdateAll();
  struct Case {
    std::optional<Rect> part;
    Size size;
    ColorRef top_left;
  };
  const Case cases[] = {
      {std::nullopt, {40, 30}, syscolor::kWindowFrame},
      {Rect{1, 1, 11, 6}, {10, 5}, Rgb(1, 2, 3)},
      {Rect{30, 20, 100, 100}, {10, 10}, Rgb(1, 2, 3)},  // cut to the surface
  };
  for (const Case& c : cases) {
    const std::string path = TempPath("part.png");
    ASSERT_TRUE(backend().WritePng(top, path, c.part));
    const Bitmap read = ReadPng(path);
    std::filesystem::remove(path);
    EXPECT_EQ(read.width, c.size.width);
    EXPECT_EQ(read.height, c.size.height);
    ASSERT_FALSE(read.pixels.empty());
    EXPECT_EQ(FromPixel(read.At(0, 0)), c.top_left);
  }
}

TEST_F(HeadlessTest, RefusesWhatCannotBeWritten) {
  TestWindow* top = MakeTop("top", Rect::FromSize(0, 0, 40, 30));
  EXPECT_FALSE(backend().WritePng(top, "/nonexistent-folder/x.png"));
  EXPECT_FALSE(backend().WritePng(top, TempPath("empty.png"), Rect{50, 50, 60, 60}));
  EXPECT_FALSE(WritePngFile(TempPath("none.png"), Bitmap{}));
}

TEST_F(HeadlessTest, ClipboardScreenAndTextInputAreRecorded) {
  Backend& b = backend();
  b.SetClipboardText("\xE4\xB8\xAD");
  EXPECT_EQ(b.GetClipboardText(), "\xE4\xB8\xAD");
  EXPECT_EQ(b.ScreenSize(), (Size{1024, 768}));
  backend().SetScreenSize({800, 600});
  EXPECT_EQ(b.ScreenSize(), (Size{800, 600}));
  b.StartTextInput({5, 6, 7, 20});
  EXPECT_TRUE(backend().TextInputOn());
  EXPECT_EQ(backend().TextInputRect(), (Rect{5, 6, 7, 20}));
  b.StopTextInput();
  EXPECT_FALSE(backend().TextInputOn());
}

TEST_F(HeadlessTest, ScreenPointsGoToTheTopmostWindowThere) {
  TestWindow* low = MakeTop("low", Rect::FromSize(0, 0, 100, 100));
  TestWindow* high = MakeTop("high", Rect::FromSize(50, 50, 100, 100));
  backend().MouseDownScreen({60, 60});
  backend().MouseUpScreen({20, 20});
  backend().MouseDownScreen({500, 500});  // nothing there: dropped
  Pump();
  ASSERT_EQ(high->mouse_downs.size(), 1u);
  EXPECT_EQ(high->mouse_downs[0].pos, (Point{10, 10}));
  EXPECT_EQ(low->mouse_ups.size(), 1u);
  EXPECT_EQ(backend().PointerScreen(), (Point{500, 500}));
}

TEST_F(HeadlessTest, ReleaseAtThePointerGoesToTheCapturingWindow) {
  struct Grabber : TestWindow {
    using TestWindow::TestWindow;
    void OnMouseDown(const MouseEvent& e) override {
      TestWindow::OnMouseDown(e);
      SetCapture();
    }
  };
  TestWindow* top = MakeTop("top", Rect::FromSize(0, 0, 100, 100));
  auto* g = Window::CreateAs(std::make_unique<Grabber>("g", &log_, 0), top, {10, 10, 30, 30}, WS_CHILD | WS_VISIBLE, 0,
                             "", 0);
  backend().MouseDown(g, {5, 5});
  backend().MoveMouseScreen({80, 80});
  backend().MouseUpAtPointer();
  Pump();
  ASSERT_EQ(g->mouse_ups.size(), 1u);
  EXPECT_EQ(g->mouse_ups[0].pos, (Point{70, 70}));
}

TEST_F(HeadlessTest, IconAndTitleKeptPerWindow) {
  TestWindow* top = MakeTop("top", Rect::FromSize(0, 0, 100, 100));
  Bitmap icon;
  icon.width = 2;
  icon.height = 1;
  icon.pixels = {0xFF112233u, 0x00000000u};
  backend().SetIcon(top, icon);
  top->SetText("abc");
  ASSERT_NE(backend().Icon(top), nullptr);
  EXPECT_EQ(backend().Icon(top)->pixels, icon.pixels);
  EXPECT_EQ(backend().Title(top), "abc");
}

}  // namespace
}  // namespace window_test

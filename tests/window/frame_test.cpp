// The non-client area the border styles give a window: where the client area lies and what the
// frame looks like.
#include "window_test_support.h"

#include "desktop/window/surface_geometry.h"

namespace window_test {
namespace {

struct FrameCase {
  const char* name;
  bool top_level;
  std::uint32_t style;
  std::uint32_t ex_style;
  Size size;
  Rect client;  // in window coordinates
};

const FrameCase kFrameCases[] = {
    {"plain child", false, WS_CHILD, 0, {88, 30}, {0, 0, 88, 30}},
    {"client edge", false, WS_CHILD, WS_EX_CLIENTEDGE, {88, 30}, {2, 2, 86, 28}},
    {"static edge", false, WS_CHILD, WS_EX_STATICEDGE, {88, 30}, {1, 1, 87, 29}},
    {"modal frame", false, WS_CHILD, WS_EX_DLGMODALFRAME, {88, 30}, {3, 3, 85, 27}},
    {"modal frame and client edge", false, WS_CHILD, WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE, {88, 30}, {5, 5, 83, 25}},
    {"black border", false, WS_CHILD | WS_BORDER, 0, {88, 30}, {1, 1, 87, 29}},
    {"border and client edge", false, WS_CHILD | WS_BORDER, WS_EX_CLIENTEDGE, {40, 20}, {3, 3, 37, 17}},
    {"frame larger than the window", false, WS_CHILD, WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE, {6, 4}, {5, 5, 5, 5}},
    {"main window", true, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_EX_CLIENTEDGE, {640, 450}, {5, 24, 635, 445}},
    {"captioned, no edge", true, WS_CAPTION, 0, {200, 100}, {3, 22, 197, 97}},
    {"resizable captioned", true, WS_CAPTION | WS_THICKFRAME, 0, {200, 100}, {4, 23, 196, 96}},
    {"tool window caption", true, WS_CAPTION, WS_EX_TOOLWINDOW, {200, 100}, {3, 19, 197, 97}},
    {"bordered pop-up", true, WS_POPUP | WS_BORDER, 0, {60, 20}, {1, 1, 59, 19}},
};

TEST_F(WindowSystemTest, ClientAreaFollowsTheBorderStyles) {
  for (const FrameCase& c : kFrameCases) {
    SCOPED_TRACE(c.name);
    Window* parent = c.top_level ? nullptr : MakeTop("top", Rect::FromSize(0, 0, 300, 300));
    auto* w = Window::CreateAs(std::make_unique<TestWindow>("w", nullptr, 0), parent,
                               Rect::FromSize(10, 10, c.size.width, c.size.height), c.style, c.ex_style, "", 0);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->ClientInWindow(), c.client);
    EXPECT_EQ(w->ClientRect(), (Rect{0, 0, c.client.Width(), c.client.Height()}));
    ws().Reset();
    backend_ = &InstallHeadlessBackend();
  }
}

TEST_F(WindowSystemTest, MainWindowSurfaceLeavesFrameAndCaptionToTheWindowManager) {
  TestWindow* main = MakeTop("main", Rect::FromSize(192, 159, 640, 450), Rgb(1, 2, 3),
                             WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE, WS_EX_CLIENTEDGE);
  EXPECT_EQ(Backend::SurfaceRect(main), (Rect{3, 22, 637, 447}));
  EXPECT_EQ(main->ClientRect(), (Rect{0, 0, 630, 421}));
  EXPECT_EQ(ClientRectOnSurface(*main), (Rect{2, 2, 632, 423}));
  EXPECT_EQ(main->ClientToScreen({0, 0}), (Point{197, 183}));
  EXPECT_EQ(backend().SurfaceImage(main).width, 634);
  EXPECT_EQ(backend().SurfaceImage(main).height, 425);
}

struct EdgePixel {
  const char* name;
  std::uint32_t style;
  std::uint32_t ex_style;
  Point at;  // window coordinates
  ColorRef expected;
};

// A 40 x 30 child of a white pop-up, its client filled green: the rings of each frame from the
// outside in.
const EdgePixel kEdgePixels[] = {
    {"black border, top-left", WS_BORDER, 0, {0, 0}, syscolor::kWindowFrame},
    {"black border, bottom-right", WS_BORDER, 0, {39, 29}, syscolor::kWindowFrame},
    {"black border, client", WS_BORDER, 0, {1, 1}, Rgb(0, 255, 0)},
    {"client edge, outer top", 0, WS_EX_CLIENTEDGE, {5, 0}, syscolor::kButtonShadow},
    {"client edge, inner top", 0, WS_EX_CLIENTEDGE, {5, 1}, syscolor::kDarkShadow},
    {"client edge, outer bottom", 0, WS_EX_CLIENTEDGE, {5, 29}, syscolor::kButtonHighlight},
    {"client edge, inner bottom", 0, WS_EX_CLIENTEDGE, {5, 28}, syscolor::kButtonLight},
    {"client edge, client", 0, WS_EX_CLIENTEDGE, {2, 2}, Rgb(0, 255, 0)},
    {"static edge, top", 0, WS_EX_STATICEDGE, {5, 0}, syscolor::kButtonShadow},
    {"static edge, bottom", 0, WS_EX_STATICEDGE, {5, 29}, syscolor::kButtonHighlight},
    {"static edge, client", 0, WS_EX_STATICEDGE, {1, 1}, Rgb(0, 255, 0)},
    {"modal frame, outer top", 0, WS_EX_DLGMODALFRAME, {5, 0}, syscolor::kButtonHighlight},
    {"modal frame, outer bottom", 0, WS_EX_DLGMODALFRAME, {5, 29}, syscolor::kDarkShadow},
    {"modal frame, inner bottom", 0, WS_EX_DLGMODALFRAME, {5, 28}, syscolor::kButtonShadow},
    {"modal frame, face ring", 0, WS_EX_DLGMODALFRAME, {5, 2}, syscolor::kButtonFace},
    {"framed: modal frame outside", 0, WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE, {5, 0}, syscolor::kButtonHighlight},
    {"framed: client edge inside", 0, WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE, {5, 3}, syscolor::kButtonShadow},
    {"framed: client edge inner ring", 0, WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE, {5, 4}, syscolor::kDarkShadow},
    {"framed: client", 0, WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE, {5, 5}, Rgb(0, 255, 0)},
};

TEST_F(WindowSystemTest, FramesAreDrawnOutsideInward) {
  for (const EdgePixel& c : kEdgePixels) {
    SCOPED_TRACE(c.name);
    TestWindow* top = MakeTop("top", Rect::FromSize(0, 0, 100, 100), Rgb(255, 255, 255));
    TestWindow* w = MakeChild("w", top, Rect::FromSize(10, 20, 40, 30), Rgb(0, 255, 0), WS_CHILD | WS_VISIBLE | c.style,
                              c.ex_style);
    ws().UpdateAll();
    EXPECT_EQ(FromPixel(backend().SurfacePixel(top, c.at + Point{10, 20})), c.expected);
    EXPECT_EQ(PixelAt(*top, {9, 19}), Rgb(255, 255, 255)) << "outside the child";
    (void)w;
    ws().Reset();
    backend_ = &InstallHeadlessBackend();
  }
}

TEST_F(WindowSystemTest, MainWindowSurfaceShowsItsClientEdgeAtTheOrigin) {
  TestWindow* main = MakeTop("main", Rect::FromSize(0, 0, 640, 450), Rgb(0, 0, 255), WS_CAPTION | WS_VISIBLE,
                             WS_EX_CLIENTEDGE);
  ws().UpdateAll();
  EXPECT_EQ(FromPixel(backend().SurfacePixel(main, {0, 0})), syscolor::kButtonShadow);
  EXPECT_EQ(FromPixel(backend().SurfacePixel(main, {1, 1})), syscolor::kDarkShadow);
  EXPECT_EQ(FromPixel(backend().SurfacePixel(main, {633, 424})), syscolor::kButtonHighlight);
  EXPECT_EQ(FromPixel(backend().SurfacePixel(main, {2, 2})), Rgb(0, 0, 255));
  EXPECT_EQ(FromPixel(backend().SurfacePixel(main, {631, 422})), Rgb(0, 0, 255));
}

TEST_F(WindowSystemTest, FrameChangedRecalculatesTheClientArea) {
  TestWindow* top = MakeTop("top", Rect::FromSize(0, 0, 100, 100));
  TestWindow* w = MakeChild("w", top, Rect::FromSize(0, 0, 50, 50), Rgb(0, 255, 0));
  EXPECT_EQ(w->ClientInWindow(), (Rect{0, 0, 50, 50}));
  w->SetExStyle(WS_EX_CLIENTEDGE);
  w->FrameChanged();
  EXPECT_EQ(w->ClientInWindow(), (Rect{2, 2, 48, 48}));
  EXPECT_EQ(PixelAt(*top, {0, 0}), syscolor::kButtonShadow);
}

}  // namespace
}  // namespace window_test

// The main window on the headless backend, built from the built-in description as the program
// builds it. Measured: a full repaint of the whole drawn surface (frame, tab control and every
// shown control, glyph cache warm) on each page, and a click on the Taobao search button up to the
// hand-over of its address (the desktop's side replaced by a recorder, so the browser's start is
// not counted). The reference, in the same run: a plain fill of the 630 x 421 client area.
// Prints each as a multiple of the reference, and in milliseconds.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/program_start.h"
#include "desktop/backends/headless/headless_backend.h"
#include "desktop/text/gbk.h"
#include "desktop/window/window_system.h"
#include "platform/platform_operations.h"
#include "platform/scripted_platform_operations.h"
#include "ui/description/stored_form.h"
#include "ui/load_window.h"
#include "ui/loaded_windows.h"
#include "ui/main_window.h"

namespace {

using namespace desktop;

// Points of the three tab headers (client coordinates) that no page's logo covers.
constexpr Point kHeaderPoints[] = {{20, 20}, {212, 20}, {421, 20}};

struct Program {
  platform::ScriptedPlatformOperations desktop_side;
  HeadlessBackend* backend = nullptr;
  ui::MainWindow* window = nullptr;
  int page = 1;

  Program() {
    platform::SetPlatformOperations(&desktop_side);
    app::SetChangeWorkingDirectory(false);
    app::UseBuiltInDescription();
    backend = &InstallHeadlessBackend({1024, 768});
    app::InitializeApplication();
    ui::LoadWindow(ui::description::kMainWindowIdentity);
    window = ui::FindLoadedWindow(ui::description::kMainWindowIdentity);
    WindowSystem::Get().PumpPending();
  }

  Window& Named(const char* name_utf8) const { return *window->FindControlByName(Utf8ToGbk(name_utf8))->window; }

  void ShowPage(int wanted) {
    if (wanted == page) return;
    backend->Click(&Named("高级选择夹1"), kHeaderPoints[wanted - 1]);
    WindowSystem::Get().PumpPending();
    page = wanted;
  }

  void RepaintAll() {
    window->InvalidateFrame();
    window->Update();
  }

  // The number of shown windows the repaint walks: the window, the tab control and the page's
  // controls.
  int ShownWindows() const {
    int shown = 1;
    for (const auto& control : window->Controls())
      if (control->window != nullptr && control->window->IsShown()) ++shown;
    return shown;
  }
};

Program& TheProgram() {
  static Program program;
  return program;
}

void BM_FillClientArea(benchmark::State& state) {
  Program& p = TheProgram();
  Canvas canvas = p.backend->SurfaceCanvas(p.window);
  const Rect client{2, 2, 2 + 630, 2 + 421};
  for (auto _ : state) {
    canvas.FillRect(client, Rgb(252, 252, 254));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FillClientArea);

void BM_RepaintWindow(benchmark::State& state) {
  Program& p = TheProgram();
  p.ShowPage(static_cast<int>(state.range(0)));
  p.RepaintAll();  // every glyph and picture of the page drawn once before timing
  for (auto _ : state) {
    p.RepaintAll();
    benchmark::ClobberMemory();
  }
  state.counters["windows"] = p.ShownWindows();
  const Region presented = p.backend->TakePresented(p.window);
  if (!presented.Contains({0, 0}) || !presented.Contains({633, 424}))
    state.SkipWithError("the repaint did not cover the surface");
}
BENCHMARK(BM_RepaintWindow)->Arg(1)->Arg(2)->Arg(3);

void BM_SearchClickToHandOver(benchmark::State& state) {
  Program& p = TheProgram();
  p.ShowPage(1);
  Window& keywords = p.Named("编辑框1");
  p.backend->Click(&keywords, {10, 10});
  p.backend->TypeText("mp3 播放器");
  WindowSystem::Get().PumpPending();
  Window& button = p.Named("按钮2");
  const Point centre{button.ClientRect().Width() / 2, button.ClientRect().Height() / 2};
  for (auto _ : state) {
    p.desktop_side.calls.clear();
    p.backend->Click(&button, centre);
    WindowSystem::Get().PumpPending();
    WindowSystem::Get().UpdateAll();  // the button's pressed and released looks
    if (p.desktop_side.CountCalls(platform::ScriptedPlatformOperations::CallKind::kShellOpen) != 1) {
      state.SkipWithError("the click handed over no address");
      break;
    }
  }
}
BENCHMARK(BM_SearchClickToHandOver);

class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  RecordingReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    // CPU time: the machine is shared, and waiting for it is not the code's cost.
    for (const Run& run : runs)
      if (!run.error_occurred) times[run.benchmark_name()] = run.GetAdjustedCPUTime() / 1e6;  // ns -> ms
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;  // milliseconds
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double fill = reporter.times["BM_FillClientArea"];
  if (fill > 0) {
    std::printf("reference: plain fill of the 630 x 421 client area %.4f ms\n", fill);
    for (const auto& [name, ms] : reporter.times) {
      if (name == "BM_FillClientArea") continue;
      std::printf("%-32s %8.4f ms = %6.1f x the fill\n", name.c_str(), ms, ms / fill);
    }
  }
  benchmark::Shutdown();
  return 0;
}

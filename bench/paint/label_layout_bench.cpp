// The longest label text (the 360buy description, default GUI font) laid out in a 240-pixel-wide
// label with a warm glyph cache, against a plain fill of the same area measured in the same run.
// Prints each layout's CPU time as a multiple of the fill's.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "desktop/drawing/canvas.h"
#include "desktop/text/font.h"
#include "desktop/text/gbk.h"

namespace {

using namespace desktop;

const char kLabelText[] =
    "京东商城是中国专业的网上购物商城。百万种商品，家用电器、手机数码、电脑、服饰、钟表、化妆、母婴等十大类。"
    "京东商城承诺：所售商品100％正品行货，全国联保，机打发票，价格更实惠；支持货到付款，送货上门及POS刷卡服务，"
    "尽享安全便捷。";
constexpr int kLabelWidth = 240;

struct Scene {
  std::string text = Utf8ToGbk(kLabelText);
  std::shared_ptr<Font> font = Font::DefaultGui();
  std::vector<Pixel> pixels = std::vector<Pixel>(634 * 425, 0xFFFFFFFFu);
  Canvas canvas{pixels.data(), 634, 425, 634};
  Rect label;

  Scene() {
    Rect r{0, 0, kLabelWidth, 0};
    DrawTextLayout(nullptr, *font, text, r, DT_WORDBREAK | DT_CALCRECT, 0);
    label = {0, 0, kLabelWidth, r.bottom};
    DrawTextLayout(&canvas, *font, text, label, DT_WORDBREAK, 0);  // warms the glyph cache
  }
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

void BM_FillLabelArea(benchmark::State& state) {
  Scene& s = TheScene();
  for (auto _ : state) {
    s.canvas.FillRect(s.label, Rgb(255, 255, 255));
    benchmark::DoNotOptimize(s.pixels.data());
  }
}
BENCHMARK(BM_FillLabelArea);

void BM_LayoutLabelText(benchmark::State& state) {
  Scene& s = TheScene();
  for (auto _ : state) {
    Rect r{0, 0, kLabelWidth, 0};
    benchmark::DoNotOptimize(DrawTextLayout(nullptr, *s.font, s.text, r, DT_WORDBREAK | DT_CALCRECT, 0));
  }
}
BENCHMARK(BM_LayoutLabelText);

void BM_LayoutAndDrawLabelText(benchmark::State& state) {
  Scene& s = TheScene();
  for (auto _ : state) {
    Rect r = s.label;
    DrawTextLayout(&s.canvas, *s.font, s.text, r, DT_WORDBREAK, Rgb(0, 0, 0));
    benchmark::DoNotOptimize(s.pixels.data());
  }
}
BENCHMARK(BM_LayoutAndDrawLabelText);

class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    // CPU time: the machine is shared, and waiting for it is not the code's cost.
    for (const Run& run : runs) times[run.benchmark_name()] = run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double fill = reporter.times["BM_FillLabelArea"];
  std::printf("label: %d x %d pixels, %zu bytes of text\n", TheScene().label.Width(), TheScene().label.Height(),
              TheScene().text.size());
  if (fill > 0) {
    for (const char* name : {"BM_LayoutLabelText", "BM_LayoutAndDrawLabelText"}) {
      if (reporter.times.count(name)) std::printf("%s / BM_FillLabelArea = %.1f\n", name, reporter.times[name] / fill);
    }
  }
  benchmark::Shutdown();
  return 0;
}

// Window timers on the headless backend's virtual clock.
#include "window_test_support.h"

namespace window_test {
namespace {

class TimerTest : public WindowSystemTest {
 public:
  void SetUp() override {
    WindowSystemTest::SetUp();
    top = MakeTop("top", Rect::FromSize(0, 0, 100, 100));
    a = MakeChild("a", top, {0, 0, 10, 10}, 0);
    b = MakeChild("b", top, {10, 0, 20, 10}, 0);
    log_.clear();
  }
  TestWindow *top, *a, *b;
};

// A window that stamps each firing with the clock and can act on its n-th firing.
struct Stamper : TestWindow {
  using TestWindow::TestWindow;
  std::function<void(Stamper&, int id, int n)> on_fire;
  std::vector<std::string> stamps;
  int fired = 0;
  void OnTimer(int id) override {
    stamps.push_back(std::to_string(WindowSystem::Get().Now()) + ":" + std::to_string(id));
    ++fired;
    if (on_fire) on_fire(*this, id, fired);
  }
};

TEST_F(TimerTest, FireInTheOrderTheyFallDue) {
  struct TimerSpec {
    int id;
    int interval;
  };
  struct Case {
    const char* name;
    std::vector<TimerSpec> timers;
    int advance;
    std::vector<std::string> stamps;
  };
  const Case cases[] = {
      {"one timer", {{1, 200}}, 650, {"200:1", "400:1", "600:1"}},
      {"two timers interleaved", {{1, 200}, {2, 300}}, 650, {"200:1", "300:2", "400:1", "600:1", "600:2"}},
      {"equal due times fire in setting order", {{2, 100}, {1, 100}}, 100, {"100:2", "100:1"}},
      {"not yet due", {{1, 200}}, 199, {}},
      {"too short an interval is raised to the minimum", {{1, 0}}, 25, {"10:1", "20:1"}},
      {"setting the same id again replaces it", {{1, 100}, {1, 300}}, 400, {"300:1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ws().Reset();
    backend_ = &InstallHeadlessBackend();
    Window* t = MakeTop("t", Rect::FromSize(0, 0, 10, 10));
    auto* s = Window::CreateAs(std::make_unique<Stamper>("s", nullptr, 0), t, {0, 0, 5, 5}, WS_CHILD, 0, "", 0);
    for (const TimerSpec& spec : c.timers) s->SetTimer(spec.id, spec.interval);
    backend().AdvanceClock(c.advance);
    EXPECT_EQ(s->stamps, c.stamps);
    EXPECT_EQ(backend().NowMs(), static_cast<std::uint64_t>(c.advance));
  }
}

TEST_F(TimerTest, KillingAndDestroyingStopTimers) {
  auto* s = Window::CreateAs(std::make_unique<Stamper>("s", nullptr, 0), top, {0, 0, 5, 5}, WS_CHILD, 0, "", 0);
  auto* t = Window::CreateAs(std::make_unique<Stamper>("t", &log_, 0), top, {0, 0, 5, 5}, WS_CHILD, 0, "", 0);
  t->on_fire = [](Stamper& self, int id, int) { self.TestWindow::OnTimer(id); };
  s->SetTimer(1, 100);
  s->SetTimer(2, 100);
  t->SetTimer(1, 100);
  // s kills its own timer 2 from timer 1's firing, before timer 2 was due to fire in the same pass.
  s->on_fire = [](Stamper& self, int id, int) {
    if (id == 1) self.KillTimer(2);
  };
  backend().AdvanceClock(100);
  EXPECT_EQ(s->stamps, (std::vector<std::string>{"100:1"}));
  EXPECT_EQ(log_, (Log{"t:timer1"}));
  t->Destroy();  // deleted by the next pass: not to be touched afterwards
  backend().AdvanceClock(100);
  EXPECT_EQ(log_, (Log{"t:timer1", "t:destroy"}));
  EXPECT_EQ(s->stamps.size(), 2u);
  EXPECT_FALSE(ws().NextTimerDue() == std::nullopt);
  s->KillTimer(1);
  EXPECT_EQ(ws().NextTimerDue(), std::nullopt);
}

TEST_F(TimerTest, ALatePassFiresEachTimerOnceAndCountsOnFromThen) {
  auto* s = Window::CreateAs(std::make_unique<Stamper>("s", nullptr, 0), top, {0, 0, 5, 5}, WS_CHILD, 0, "", 0);
  s->SetTimer(1, 100);
  // The clock jumps without stopping at due times: the pass that comes late fires once.
  InputEvent nothing;
  backend().WaitEvent(nothing, 350);  // waiting passes virtual time without firing anything
  EXPECT_TRUE(s->stamps.empty());
  ws().FireDueTimers();
  EXPECT_EQ(s->stamps, (std::vector<std::string>{"350:1"}));
  EXPECT_EQ(ws().NextTimerDue(), std::optional<std::uint64_t>(450));
  EXPECT_EQ(ws().TimeToNextTimer(), 100);
}

TEST_F(TimerTest, TheLoopSleepsUntilTheNextTimerAndEndsOnQuit) {
  auto* s = Window::CreateAs(std::make_unique<Stamper>("s", nullptr, 0), top, {0, 0, 5, 5}, WS_CHILD, 0, "", 0);
  s->SetTimer(7, 250);
  s->on_fire = [](Stamper&, int, int n) {
    if (n == 3) WindowSystem::Get().PostQuit(42);
  };
  EXPECT_EQ(ws().RunLoop(), 42);
  EXPECT_EQ(s->stamps, (std::vector<std::string>{"250:7", "500:7", "750:7"}));
}

}  // namespace
}  // namespace window_test

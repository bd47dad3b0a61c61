// Window timers on the backend's clock. A timer fires at most once per pass however late the pass
// comes, and its next time counts from when it fired, as the platform's timers do.
#include <algorithm>
#include <climits>

#include "desktop/window/window_system.h"

namespace desktop {

std::uint64_t WindowSystem::Now() { return GetBackend().NowMs(); }

void WindowSystem::SetTimer(Window* window, int timer_id, int interval_ms) {
  if (window == nullptr || !window->IsAlive()) return;
  const int interval = std::max(interval_ms, kMinTimerIntervalMs);
  const std::uint64_t due = Now() + static_cast<std::uint64_t>(interval);
  auto it = std::find_if(timers_.begin(), timers_.end(),
                         [&](const Timer& t) { return t.window == window && t.id == timer_id; });
  if (it == timers_.end()) {
    timers_.push_back(Timer{window, timer_id, interval, due, timer_order_++});
  } else {
    it->interval = interval;
    it->due = due;
    it->order = timer_order_++;
  }
}

void WindowSystem::KillTimer(Window* window, int timer_id) {
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                               [&](const Timer& t) { return t.window == window && t.id == timer_id; }),
                timers_.end());
}

std::optional<std::uint64_t> WindowSystem::NextTimerDue() const {
  std::optional<std::uint64_t> next;
  for (const Timer& t : timers_)
    if (!next || t.due < *next) next = t.due;
  return next;
}

int WindowSystem::TimeToNextTimer() {
  std::optional<std::uint64_t> next = NextTimerDue();
  if (idle_wake_at_ && (!next || *idle_wake_at_ < *next)) next = idle_wake_at_;
  if (!next) return -1;
  const std::uint64_t now = Now();
  if (*next <= now) return 0;
  return static_cast<int>(std::min<std::uint64_t>(*next - now, INT_MAX));
}

void WindowSystem::FireDueTimers() {
  const std::uint64_t now = Now();
  std::vector<Timer> due;
  for (const Timer& t : timers_)
    if (t.due <= now) due.push_back(t);
  std::sort(due.begin(), due.end(), [](const Timer& a, const Timer& b) {
    return a.due != b.due ? a.due < b.due : a.order < b.order;
  });
  for (const Timer& d : due) {
    // A handler before this one may have killed or re-set it.
    auto it = std::find_if(timers_.begin(), timers_.end(), [&](const Timer& t) { return t.order == d.order; });
    if (it == timers_.end() || !it->window->IsAlive()) continue;
    it->due = now + static_cast<std::uint64_t>(it->interval);
    Window* window = it->window;
    const int id = it->id;
    ++dispatch_depth_;
    window->OnTimer(id);
    --dispatch_depth_;
  }
}

}  // namespace desktop

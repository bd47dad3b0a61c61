#include "desktop/text/font_warm_up.h"

#include <atomic>
#include <cstring>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "desktop/text/font.h"
#include "desktop/text/font_match.h"
#include "desktop/text/freetype_faces.h"

namespace desktop {

namespace {

struct WarmUp {
  std::mutex mutex;
  std::thread thread;
  std::atomic<bool> pending{false};
  bool started = false;
  // The Song face stays open for the life of the process: every font of the program uses it.
  std::shared_ptr<FreeTypeFace> song_face;

  ~WarmUp() {
    if (thread.joinable()) thread.join();
  }
};

WarmUp& State() {
  static WarmUp state;
  return state;
}

void WarmUpFonts(WarmUp& state) {
  LogFont song;
  song.height = -12;
  song.weight = 400;
  song.char_set = 134;
  std::memcpy(song.face_name, "\xCB\xCE\xCC\xE5", 4);  // 宋体
  FontSource source;
  if (MatchFont(song, 12, &source)) state.song_face = FreeTypeFace::Open(source.path, source.index);
}

}  // namespace

void StartFontWarmUp() {
  WarmUp& state = State();
  const std::lock_guard<std::mutex> lock(state.mutex);
  if (state.started) return;
  state.started = true;
  try {
    state.thread = std::thread(WarmUpFonts, std::ref(state));
    state.pending.store(true, std::memory_order_release);
  } catch (const std::system_error&) {
    // No second thread: the first font does the work itself.
  }
}

void FinishFontWarmUp() {
  WarmUp& state = State();
  if (!state.pending.load(std::memory_order_acquire)) return;
  const std::lock_guard<std::mutex> lock(state.mutex);
  if (state.thread.joinable()) state.thread.join();
  state.pending.store(false, std::memory_order_release);
}

}  // namespace desktop

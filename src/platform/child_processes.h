#pragma once
// Starting desktop programs without a shell: an argument vector through posix_spawnp, standard
// input from /dev/null and standard output onto standard error (the program's own output must
// never mix with ours). Children are never left as zombies: one that is still running when we
// stop waiting is remembered and reaped by a later call.
#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// How long an opener is given to report before it counts as handed over.
inline constexpr std::chrono::milliseconds kHandOverWait{300};

enum class ChildOutcome {
  kNotStarted,     // no such program, or it could not be run
  kExitedZero,
  kFailed,         // exited non-zero or was killed
  kStillRunning,   // did not finish within the wait; reaped later
};

// Starts argv[0] (looked up on PATH) with `argv` and waits at most `wait` for it to end.
ChildOutcome SpawnAndWait(const std::vector<std::string>& argv, std::chrono::milliseconds wait);

// Reaps the remembered children that have ended since. Each spawn does this first; the event loop
// may also call it while idle.
void ReapFinishedChildren();

// Children started and not yet reaped.
std::size_t UnreapedChildCount();

}  // namespace platform

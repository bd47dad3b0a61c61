// The desktop program with a fatal run-time error forced on it, for the end-to-end tests of the
// fatal error's box:
//   shopassist-fatal-probe unreadable-description   the window descriptions are garbage
//   shopassist-fatal-probe out-of-memory            the heap cannot supply the first block: the
//                                                   first search ends the program
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "app/heap.h"
#include "app/program_start.h"
#include "main/desktop_program.h"

namespace {
constexpr std::uint8_t kGarbage[] = {'n', 'o', 't', ' ', 'a', ' ', 'w', 'i', 'n', 'd', 'o', 'w'};
}  // namespace

int main(int argc, char** argv) {
  const char* mode = argc == 2 ? argv[1] : "";
  if (std::strcmp(mode, "unreadable-description") == 0) {
    app::SetDescriptionSource(kGarbage);
  } else if (std::strcmp(mode, "out-of-memory") == 0) {
    app::FailNextAllocation();
  } else {
    std::fprintf(stderr, "usage: %s unreadable-description|out-of-memory\n", argv[0]);
    return 2;
  }
  return desktop_program::RunOnTheDesktop();
}

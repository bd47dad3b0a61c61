#pragma once
// A private X server for the tests and benchmarks that need a real display. Xvfb picks a free
// display number itself and writes it to a pipe (-displayfd), so that programs running side by
// side never pick the same one.
#include <sys/types.h>

#include <string>

namespace test_support {

struct XvfbServer {
  pid_t pid = -1;
  std::string display;  // ":N"; empty when the server did not start
};

// Starts Xvfb (1024 x 768, 24 bits, no TCP) and waits up to 10 s for its display number.
XvfbServer StartXvfb();
// Ends the server and waits for it; does nothing for one that did not start.
void StopXvfb(XvfbServer& server);

}  // namespace test_support

#pragma once
// Watching a fatal run-time error without ending the test process: the presenter leaves by
// throwing the composed text.
#include <string>

#include "app/fatal_error.h"
#include "app/shell_state.h"

namespace testing_support {

struct FatalErrorRaised {
  std::string text;
};

inline void ThrowingPresenter(const std::string& text) { throw FatalErrorRaised{text}; }

class ScopedFatalErrorCapture {
 public:
  ScopedFatalErrorCapture() { app::SetFatalErrorPresenter(ThrowingPresenter); }
  ~ScopedFatalErrorCapture() {
    app::SetFatalErrorPresenter(nullptr);
    app::ResetShellStateForTesting();
  }
  ScopedFatalErrorCapture(const ScopedFatalErrorCapture&) = delete;
  ScopedFatalErrorCapture& operator=(const ScopedFatalErrorCapture&) = delete;
};

}  // namespace testing_support

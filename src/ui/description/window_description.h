#pragma once
// One window of a description, read whole: its own settings and every control with its kind data.
// This is what building a window starts from.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "ui/description/description.h"
#include "ui/description/kind_data.h"

namespace ui::description {

enum class DescriptionError {
  kNone,
  // The stored form cannot be read at all: "载入窗口模板数据段出错!".
  kUnreadable,
  // The window cannot be built from it: no such window, no window record, a record of a missing
  // kind, kind data that is refused, or a parent or child naming no record. "载入启动窗口失败".
  kWindowNotBuilt,
};

// The fatal error's message for an error, as GBK text; empty for kNone.
std::string_view DescriptionErrorMessage(DescriptionError error);

struct ControlDescription {
  std::uint32_t identity = 0;
  CommonPart common;
  KindData data;
};

struct WindowDescription {
  std::uint32_t identity = 0;  // as the window index names it
  std::uint32_t record_identity = 0;
  CommonPart common;
  WindowData data;
  std::vector<ControlDescription> controls;  // records 1 onward, in record order
};

struct WindowDescriptionResult {
  DescriptionError error = DescriptionError::kNone;
  WindowDescription window;  // empty unless error is kNone
};

WindowDescriptionResult ReadWindowDescription(std::span<const std::uint8_t> bytes, std::uint32_t window_identity);

}  // namespace ui::description

#include "platform/read_control_property.h"

#include <cstring>

#include "app/fatal_error.h"
#include "app/heap.h"
#include "platform/loaded_window.h"

namespace platform {
namespace {

// "未载入欲访问窗口组件所在的窗口"
constexpr char kWindowNotLoaded[] =
    "\xce\xb4\xd4\xd8\xc8\xeb\xd3\xfb\xb7\xc3\xce\xca\xb4\xb0\xbf\xda\xd7\xe9\xbc\xfe\xcb\xf9\xd4\xda"
    "\xb5\xc4\xb4\xb0\xbf\xda";
// "指定窗口尚未载入"
constexpr char kControlWindowMissing[] = "\xd6\xb8\xb6\xa8\xb4\xb0\xbf\xda\xc9\xd0\xce\xb4\xd4\xd8\xc8\xeb";

PropertyValue Convert(const RawProperty& raw) {
  PropertyValue value;
  switch (raw.type) {
    case PropertyType::kBoolean:
      value.integer = raw.integer == 1 ? 1 : 0;
      break;
    case PropertyType::kInteger:
      value.integer = raw.integer;
      break;
    case PropertyType::kText:
      if (!raw.text.empty()) {
        // Up to the first zero byte, as a window text would be.
        const std::size_t length = strnlen(raw.text.data(), raw.text.size());
        if (length > 0) {
          value.text = static_cast<char*>(app::AllocateMemory(length + 1));
          std::memcpy(value.text, raw.text.data(), length);
          value.text[length] = '\0';
        }
      }
      break;
  }
  return value;
}

}  // namespace

PropertyValue ReadControlProperty(std::uint32_t window_identity, std::uint32_t control, int property,
                                  int index) {
  LoadedWindow* window = FindLoadedWindow(window_identity);
  if (window == nullptr) app::FatalError(kWindowNotLoaded, 0);
  if (!window->HasControl(control) || property < 0) return {};

  RawProperty raw;
  if (property >= kFirstOwnProperty) {
    if (!window->ControlWindowExists(control)) app::FatalError(kControlWindowMissing, 0);
    if (!window->ReadOwnProperty(control, property - kFirstOwnProperty, index, &raw)) return {};
  } else if (!window->ReadCommonProperty(control, property, &raw)) {
    return {};
  }
  return Convert(raw);
}

}  // namespace platform

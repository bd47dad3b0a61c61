#pragma once
// The window description the program carries. The description builder makes it at build time
// from main_window_source.cpp and the pictures of the assets folder.
#include <cstddef>
#include <cstdint>
#include <span>

namespace ui::description {

extern const std::uint8_t kBuiltInDescription[];
extern const std::size_t kBuiltInDescriptionSize;

inline std::span<const std::uint8_t> BuiltInDescription() {
  return {kBuiltInDescription, kBuiltInDescriptionSize};
}

}  // namespace ui::description

#include "app/constant_area.h"

#include <cstdint>

namespace app {

bool IsInConstantArea(const void* p) {
  const auto address = reinterpret_cast<std::uintptr_t>(p);
  const auto begin = reinterpret_cast<std::uintptr_t>(kConstantArea.bytes);
  return address >= begin && address < begin + sizeof(kConstantArea.bytes);
}

}  // namespace app

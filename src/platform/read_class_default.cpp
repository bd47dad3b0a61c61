#include "platform/read_class_default.h"

#include <cstring>
#include <string>

#include "platform/platform_operations.h"

namespace platform {

bool ReadClassDefault(const char* key_path, char (&buffer)[kClassValueBuffer]) {
  std::string value;
  if (!CurrentPlatformOperations().QueryClassDefault(key_path, &value)) return false;
  // The stored value ends at its zero byte, which must fit as well.
  const std::size_t length = strnlen(value.data(), value.size());
  if (length + 1 > kClassValueBuffer) return false;
  std::memcpy(buffer, value.data(), length);
  buffer[length] = '\0';
  return true;
}

}  // namespace platform

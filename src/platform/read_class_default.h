#pragma once
// Reading a default value under the classes root into a fixed buffer.
#include <cstddef>

namespace platform {

inline constexpr std::size_t kClassValueBuffer = 260;  // at most 259 bytes of text and a zero

// False when the key cannot be read or its value does not fit the buffer with its zero byte.
bool ReadClassDefault(const char* key_path, char (&buffer)[kClassValueBuffer]);

}  // namespace platform

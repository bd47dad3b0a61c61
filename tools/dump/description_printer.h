#pragma once
// A stored window description in readable form (UTF-8), one record after another with its common
// part and its kind data field by field.
#include <cstdint>
#include <ostream>
#include <span>

namespace tools {

// Prints the description; returns false, after printing what it could, when it cannot be read.
bool PrintDescription(std::ostream& out, std::span<const std::uint8_t> bytes);

}  // namespace tools

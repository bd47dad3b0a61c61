#pragma once
// Writes little-endian fields one after another, the inverse of ByteCursor.
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace ui::description {

class ByteSink {
 public:
  void U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void U16(std::uint16_t v) {
    bytes_.push_back(static_cast<std::uint8_t>(v));
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  void Bytes(std::span<const std::uint8_t> data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
  void Zeros(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }
  void CountedBlock(std::span<const std::uint8_t> data) {
    U32(static_cast<std::uint32_t>(data.size()));
    Bytes(data);
  }
  void CountedText(std::string_view text) {
    CountedBlock({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
  }
  void ZeroTerminatedText(std::string_view text) {
    Bytes({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    bytes_.push_back(0);
  }
  // Overwrites four bytes already written, for counts known only later.
  void PatchU32(std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  }

  std::size_t Size() const { return bytes_.size(); }
  const std::vector<std::uint8_t>& Data() const { return bytes_; }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace ui::description

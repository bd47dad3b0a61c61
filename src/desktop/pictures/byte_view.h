#pragma once
// Little-endian reads from a block of picture data. Every read is bounds-checked: callers ask
// Has() before they trust a field, and a read past the end yields zero instead of touching
// memory outside the block.
#include <cstddef>
#include <cstdint>
#include <span>

namespace desktop::pictures {

class ByteView {
 public:
  explicit ByteView(std::span<const std::uint8_t> data) : data_(data) {}

  std::size_t size() const { return data_.size(); }
  std::span<const std::uint8_t> span() const { return data_; }

  // True when `count` bytes starting at `offset` lie inside the block (overflow-safe).
  bool Has(std::uint64_t offset, std::uint64_t count) const {
    return offset <= data_.size() && count <= data_.size() - offset;
  }

  std::uint8_t U8(std::size_t offset) const { return Has(offset, 1) ? data_[offset] : 0; }
  std::uint16_t U16(std::size_t offset) const {
    if (!Has(offset, 2)) return 0;
    return static_cast<std::uint16_t>(data_[offset] | (data_[offset + 1] << 8));
  }
  std::uint32_t U32(std::size_t offset) const {
    if (!Has(offset, 4)) return 0;
    return static_cast<std::uint32_t>(data_[offset]) | (static_cast<std::uint32_t>(data_[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(data_[offset + 2]) << 16) |
           (static_cast<std::uint32_t>(data_[offset + 3]) << 24);
  }
  std::int32_t I32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }

  // The bytes [offset, offset + count), or an empty span when they do not all lie inside.
  std::span<const std::uint8_t> Sub(std::uint64_t offset, std::uint64_t count) const {
    if (!Has(offset, count)) return {};
    return data_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(count));
  }
  // Everything from `offset` to the end (empty when offset is past the end).
  std::span<const std::uint8_t> From(std::uint64_t offset) const {
    if (offset > data_.size()) return {};
    return data_.subspan(static_cast<std::size_t>(offset));
  }

 private:
  std::span<const std::uint8_t> data_;
};

}  // namespace desktop::pictures

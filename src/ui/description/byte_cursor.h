#pragma once
// Reads little-endian fields one after another from a byte span. A read that would run past the
// end fails, leaves the cursor where it was and marks the cursor as failed; every later read
// fails too, so a parser may check once at the end.
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace ui::description {

class ByteCursor {
 public:
  explicit ByteCursor(std::span<const std::uint8_t> data) : data_(data) {}

  bool Failed() const { return failed_; }
  std::size_t Position() const { return pos_; }
  std::size_t Remaining() const { return failed_ ? 0 : data_.size() - pos_; }
  bool AtEnd() const { return Remaining() == 0; }

  std::uint32_t U32() {
    std::uint8_t b[4] = {};
    if (!Take(b, 4)) return 0;
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
  }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  std::uint16_t U16() {
    std::uint8_t b[2] = {};
    if (!Take(b, 2)) return 0;
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
  }

  // `n` bytes as a view into the data; empty on failure.
  std::span<const std::uint8_t> Bytes(std::size_t n) {
    if (failed_ || n > data_.size() - pos_) {
      failed_ = true;
      return {};
    }
    auto view = data_.subspan(pos_, n);
    pos_ += n;
    return view;
  }

  // A 32-bit count and that many bytes; a count of 0 or less is empty.
  std::span<const std::uint8_t> CountedBlock() {
    std::int32_t count = I32();
    if (count <= 0) return {};
    return Bytes(static_cast<std::size_t>(count));
  }
  std::vector<std::uint8_t> CountedBlockCopy() {
    auto view = CountedBlock();
    return {view.begin(), view.end()};
  }
  std::string CountedText() {
    auto view = CountedBlock();
    return {view.begin(), view.end()};
  }
  // Bytes up to a zero byte, which is consumed; fails when no zero byte follows.
  std::string ZeroTerminatedText() {
    if (failed_) return {};
    const void* zero = std::memchr(data_.data() + pos_, 0, data_.size() - pos_);
    if (zero == nullptr) {
      failed_ = true;
      return {};
    }
    std::size_t end = static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - data_.data());
    std::string text(data_.begin() + pos_, data_.begin() + end);
    pos_ = end + 1;
    return text;
  }
  void Skip(std::size_t n) { Bytes(n); }

 private:
  bool Take(std::uint8_t* out, std::size_t n) {
    auto view = Bytes(n);
    if (view.empty()) return false;
    std::memcpy(out, view.data(), n);
    return true;
  }

  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
  bool failed_ = false;
};

}  // namespace ui::description

#pragma once
// Helpers of the description tests: GBK texts of the expectations, the built-in description read
// whole, and little-endian byte building for hand-made data.
#include <iconv.h>

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ui/description/built_in_description.h"
#include "ui/description/stored_form.h"
#include "ui/description/window_description.h"

namespace description_tests {

// The GBK bytes of a UTF-8 text; throws when GBK cannot hold it.
inline std::string Gbk(std::string_view utf8) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GBK converter");
  std::string out(utf8.size() * 2 + 4, '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t in_left = utf8.size();
  char* dst = out.data();
  size_t dst_left = out.size();
  const size_t rc = iconv(cd, &in, &in_left, &dst, &dst_left);
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1)) throw std::runtime_error("text has no GBK form");
  out.resize(out.size() - dst_left);
  return out;
}

inline const ui::description::WindowDescription& BuiltInWindow() {
  static const auto result =
      ui::description::ReadWindowDescription(ui::description::BuiltInDescription(), ui::description::kMainWindowIdentity);
  if (result.error != ui::description::DescriptionError::kNone) throw std::runtime_error("built-in does not read");
  return result.window;
}

inline const ui::description::ControlDescription& ControlNamed(std::string_view utf8_name) {
  const std::string name = Gbk(utf8_name);
  for (const auto& control : BuiltInWindow().controls) {
    if (control.common.name == name) return control;
  }
  throw std::runtime_error("no control named " + std::string(utf8_name));
}

template <typename T>
const T& DataOf(std::string_view utf8_name) {
  const auto* data = std::get_if<T>(&ControlNamed(utf8_name).data);
  if (data == nullptr) throw std::runtime_error("control of another kind: " + std::string(utf8_name));
  return *data;
}

// Little-endian bytes made by hand, independent of the writer under test.
class ByteBuilder {
 public:
  ByteBuilder& U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    return *this;
  }
  ByteBuilder& U32s(std::initializer_list<std::uint32_t> values) {
    for (auto v : values) U32(v);
    return *this;
  }
  ByteBuilder& U16(std::uint16_t v) {
    bytes_.push_back(static_cast<std::uint8_t>(v));
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
    return *this;
  }
  ByteBuilder& Text(std::string_view text) {
    U32(static_cast<std::uint32_t>(text.size()));
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    return *this;
  }
  ByteBuilder& Raw(const std::vector<std::uint8_t>& raw) {
    bytes_.insert(bytes_.end(), raw.begin(), raw.end());
    return *this;
  }
  const std::vector<std::uint8_t>& Get() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace description_tests

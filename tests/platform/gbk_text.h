#pragma once
// Test texts are written in UTF-8 and turned into the system's GBK bytes here, independently of
// the code under test.
#include <iconv.h>

#include <stdexcept>
#include <string>

namespace testing_support {

inline std::string Gbk(const std::string& utf8) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GBK conversion");
  std::string out(utf8.size() * 2 + 4, '\0');
  char* in_ptr = const_cast<char*>(utf8.data());
  size_t in_left = utf8.size();
  char* out_ptr = out.data();
  size_t out_left = out.size();
  const size_t result = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(cd);
  if (result == static_cast<size_t>(-1)) throw std::runtime_error("not convertible to GBK");
  out.resize(out.size() - out_left);
  return out;
}

}  // namespace testing_support

#include "text_encoding.h"

#include <iconv.h>

#include <cerrno>

namespace tools {
namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (Ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much as it can; returns false at the first byte it cannot convert, leaving `in`
  // pointing there.
  bool Convert(std::string_view& in, std::string& out) {
    char buffer[256];
    while (!in.empty()) {
      char* src = const_cast<char*>(in.data());
      size_t src_left = in.size();
      char* dst = buffer;
      size_t dst_left = sizeof buffer;
      size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
      out.append(buffer, static_cast<size_t>(dst - buffer));
      in.remove_prefix(in.size() - src_left);
      if (rc == static_cast<size_t>(-1) && errno != E2BIG) return false;
    }
    return true;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::optional<std::string> Utf8ToGbkStrict(std::string_view utf8) {
  Converter converter("GBK", "UTF-8");
  std::string out;
  if (!converter.Ok() || !converter.Convert(utf8, out)) return std::nullopt;
  return out;
}

std::string GbkToUtf8Lenient(std::string_view gbk) {
  Converter converter("UTF-8", "GBK");
  std::string out;
  if (!converter.Ok()) return std::string(gbk);
  while (!converter.Convert(gbk, out)) {
    out += "\xEF\xBF\xBD";
    gbk.remove_prefix(1);
  }
  return out;
}

}  // namespace tools

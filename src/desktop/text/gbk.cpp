// GBK <-> Unicode through glibc's iconv (code page 936). Conversions run on every text draw, so
// the descriptors stay open for the life of the thread, and each double-byte character is asked
// of iconv only once: its answer is kept in a table indexed by the two bytes.
#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdint>

#include "desktop/text/gbk.h"

namespace desktop {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr const char* kCodePage = "CP936";

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (ok()) iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  // Converts as much as it can; returns the error that stopped it (0 when all input was used).
  int Convert(const char*& in, size_t& in_left, char*& out, size_t& out_left) {
    char* in_ptr = const_cast<char*>(in);
    const size_t r = iconv(cd_, &in_ptr, &in_left, &out, &out_left);
    in = in_ptr;
    return r == static_cast<size_t>(-1) ? errno : 0;
  }
  void Reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

 private:
  iconv_t cd_;
};

// Every double-byte code: lead 0x81..0xFE times second byte 0x40..0xFE.
constexpr int kTrailSpan = 0xFE - 0x40 + 1;
constexpr int kDoubleByteCodes = (0xFE - 0x81 + 1) * kTrailSpan;
constexpr char16_t kNotAskedYet = 0;  // no double-byte code maps to U+0000

struct Codec {
  Iconv to_unicode{"UTF-16LE", kCodePage};
  Iconv from_utf8{kCodePage, "UTF-8"};
  std::array<char16_t, kDoubleByteCodes> double_byte{};
  char32_t byte_80 = kReplacement;

  Codec() { byte_80 = Ask("\x80", 1); }

  // One character through iconv; U+FFFD when the code page has no such character.
  char32_t Ask(const char* bytes, size_t n) {
    if (!to_unicode.ok()) return kReplacement;
    to_unicode.Reset();
    char16_t out[2] = {};
    char* out_ptr = reinterpret_cast<char*>(out);
    size_t out_left = sizeof out;
    const char* in = bytes;
    size_t in_left = n;
    if (to_unicode.Convert(in, in_left, out_ptr, out_left) != 0 || in_left != 0 || out_left != sizeof out - 2)
      return kReplacement;
    return out[0];
  }

  char32_t DoubleByte(unsigned char lead, unsigned char trail) {
    char16_t& slot = double_byte[(lead - 0x81) * kTrailSpan + (trail - 0x40)];
    if (slot == kNotAskedYet) {
      const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      slot = static_cast<char16_t>(Ask(bytes, 2));
    }
    return slot;
  }
};

Codec& ThreadCodec() {
  thread_local Codec codec;
  return codec;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Bytes of the UTF-8 character at the start of `s` that a "?" stands for: a whole character, or
// the longest start of one that is still well-formed (at least 1 byte), so that each refused
// character, and each stray byte, gives one mark.
size_t Utf8CharLength(std::string_view s) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0xC2 || lead > 0xF4) return 1;
  const size_t want = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  const unsigned char lo = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
  const unsigned char hi = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
  if (s.size() < 2 || byte(1) < lo || byte(1) > hi) return 1;
  size_t n = 2;
  while (n < want && n < s.size() && (byte(n) & 0xC0) == 0x80) ++n;
  return n;
}

}  // namespace

GbkChar DecodeGbkChar(std::string_view gbk, size_t pos) {
  if (pos >= gbk.size()) return {};
  const auto b = static_cast<unsigned char>(gbk[pos]);
  if (b < 0x80) return {b, 1};
  if (b == 0x80) return {ThreadCodec().byte_80, 1};
  if (IsGbkLeadByte(b) && pos + 1 < gbk.size()) {
    const auto trail = static_cast<unsigned char>(gbk[pos + 1]);
    if (IsGbkTrailByte(trail)) return {ThreadCodec().DoubleByte(b, trail), 2};
  }
  return {kReplacement, 1};
}

std::u32string GbkToUnicode(std::string_view gbk) {
  std::u32string out;
  out.reserve(gbk.size());
  for (size_t pos = 0; pos < gbk.size();) {
    const GbkChar c = DecodeGbkChar(gbk, pos);
    out += c.code;
    pos += c.length;
  }
  return out;
}

std::string GbkToUtf8(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size() * 3 / 2);
  for (size_t pos = 0; pos < gbk.size();) {
    const GbkChar c = DecodeGbkChar(gbk, pos);
    AppendUtf8(out, c.code);
    pos += c.length;
  }
  return out;
}

std::string Utf8ToGbk(std::string_view utf8) {
  std::string out;
  Iconv& cd = ThreadCodec().from_utf8;
  if (!cd.ok()) return out;
  cd.Reset();
  // GBK never takes more bytes than UTF-8 for the same text, and "?" replaces at least one byte.
  out.resize(utf8.size() + 4);
  const char* in = utf8.data();
  size_t in_left = utf8.size();
  char* out_ptr = out.data();
  size_t out_left = out.size();
  while (in_left > 0) {
    const int err = cd.Convert(in, in_left, out_ptr, out_left);
    if (err == 0) break;
    if (err == E2BIG) {  // not expected; grow and go on
      const size_t used = out.size() - out_left;
      out.resize(out.size() * 2 + 8);
      out_ptr = out.data() + used;
      out_left = out.size() - used;
      continue;
    }
    // EILSEQ (malformed, or no GBK character) or EINVAL (cut short at the end): one "?" for it.
    const size_t skip = Utf8CharLength({in, in_left});
    in += skip;
    in_left -= skip;
    if (out_left == 0) {
      const size_t used = out.size();
      out.resize(used * 2 + 8);
      out_ptr = out.data() + used;
      out_left = out.size() - used;
    }
    *out_ptr++ = '?';
    --out_left;
    cd.Reset();
  }
  out.resize(out.size() - out_left);
  return out;
}

}  // namespace desktop

#pragma once
// GBK (code page 936) at the edges: drawing, typed text, the clipboard, window titles.
#include <string>
#include <string_view>

namespace desktop {

// True when byte `b` starts a double-byte GBK character.
constexpr bool IsGbkLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// True when `b` can follow a lead byte as the second byte of a double-byte character.
constexpr bool IsGbkTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

// One character of a GBK text: its code point and how many bytes (1 or 2) it takes. A lead byte
// with a valid second byte is one double-byte character (U+FFFD when the code page leaves it
// unassigned); a lead byte without one, and 0xFF, is a malformed byte: U+FFFD, one byte.
struct GbkChar {
  char32_t code = 0;
  size_t length = 0;
};
// The character starting at byte `pos`; length 0 at or past the end.
GbkChar DecodeGbkChar(std::string_view gbk, size_t pos);

// Unicode code points of a GBK text; a malformed byte becomes U+FFFD and counts one byte.
std::u32string GbkToUnicode(std::string_view gbk);
std::string GbkToUtf8(std::string_view gbk);
// A character GBK cannot hold becomes "?", as the platform's ANSI conversion does.
std::string Utf8ToGbk(std::string_view utf8);

// Byte offset of the character boundary at or before `pos` (never inside a double-byte character).
size_t GbkBoundaryBefore(std::string_view gbk, size_t pos);
// Offset of the next character boundary after `pos`.
size_t GbkNextBoundary(std::string_view gbk, size_t pos);
// Offset of the previous character boundary before `pos`.
size_t GbkPrevBoundary(std::string_view gbk, size_t pos);

}  // namespace desktop

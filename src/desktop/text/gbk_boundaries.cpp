// Character boundaries in GBK texts. A second byte can look like a lead byte, so boundaries are
// found by walking from the start of the text, with the same rule the decoder uses.
#include "desktop/text/gbk.h"

namespace desktop {

namespace {

// Length of the character at `pos` without decoding it.
size_t CharLength(std::string_view gbk, size_t pos) {
  const auto b = static_cast<unsigned char>(gbk[pos]);
  if (IsGbkLeadByte(b) && pos + 1 < gbk.size() && IsGbkTrailByte(static_cast<unsigned char>(gbk[pos + 1])))
    return 2;
  return 1;
}

}  // namespace

size_t GbkBoundaryBefore(std::string_view gbk, size_t pos) {
  if (pos >= gbk.size()) return gbk.size();
  size_t at = 0;
  while (true) {
    const size_t next = at + CharLength(gbk, at);
    if (next > pos) return at;
    at = next;
  }
}

size_t GbkNextBoundary(std::string_view gbk, size_t pos) {
  if (pos >= gbk.size()) return gbk.size();
  const size_t at = GbkBoundaryBefore(gbk, pos);
  return at + CharLength(gbk, at);
}

size_t GbkPrevBoundary(std::string_view gbk, size_t pos) {
  if (pos == 0) return 0;
  if (pos > gbk.size()) pos = gbk.size();
  return GbkBoundaryBefore(gbk, pos - 1);
}

}  // namespace desktop

#include "links/join_texts.h"

#include <cstring>

#include "app/heap.h"

namespace links {

char* JoinTexts(std::initializer_list<const char*> texts) {
  std::size_t total = 1;  // the terminating zero byte
  for (const char* text : texts) {
    if (text != nullptr) total += std::strlen(text);
  }
  char* joined = static_cast<char*>(app::AllocateMemory(total));
  char* at = joined;
  for (const char* text : texts) {
    if (text == nullptr) continue;
    const std::size_t length = std::strlen(text);
    std::memcpy(at, text, length);
    at += length;
  }
  *at = '\0';
  return joined;
}

}  // namespace links

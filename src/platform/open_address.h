#pragma once
// The two ways an address leaves the system for the desktop's browser.
#include <cstdint>

namespace platform {

inline constexpr std::int32_t kMailLink = 0;  // any other kind is a web address

// What a hyperlink box holds.
struct LinkDescription {
  std::int32_t kind = 1;
  const char* mail_address = nullptr;  // used when kind is 0; null counts as empty
  const char* web_address = nullptr;   // used otherwise; null counts as empty
};

// Asks the shell to open the address once and ignores the outcome. Without an address the empty
// text is opened.
void OpenAddress(const char* address = nullptr);

// Asks the shell to open the link's address; when the shell refuses, starts the command that
// opens web page files with the address appended. 1 when the address was handed over, else 0.
int OpenLinkAddress(const LinkDescription& link, int show);

}  // namespace platform

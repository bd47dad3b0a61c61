#pragma once
// How an address crosses over to the desktop: control bytes, the space and every byte from 0x7F
// up become %XX, so the address is one unmistakable word while a GBK keyword keeps its bytes.
#include <string>
#include <string_view>

namespace platform {

std::string EscapeForHandOver(std::string_view address);

}  // namespace platform

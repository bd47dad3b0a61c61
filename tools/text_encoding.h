#pragma once
// UTF-8 <-> GBK for the tools, through iconv.
#include <optional>
#include <string>
#include <string_view>

namespace tools {

// Nothing when the text holds a character GBK cannot hold or is not valid UTF-8.
std::optional<std::string> Utf8ToGbkStrict(std::string_view utf8);
// A byte that does not form a GBK character becomes U+FFFD.
std::string GbkToUtf8Lenient(std::string_view gbk);

}  // namespace tools

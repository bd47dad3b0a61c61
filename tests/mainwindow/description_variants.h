#pragma once
// The built-in description with one record changed, for the paths the built-in one never takes.
#include <cstdint>
#include <string>
#include <vector>

namespace mainwindow_test {

// The kind data of the record named `name_utf8` ("" for the window record) starting with another
// version.
std::vector<std::uint8_t> WithVersion(const std::string& name_utf8, std::uint32_t version);

// The check box or radio button named `name_utf8` with another caption (UTF-8).
std::vector<std::uint8_t> WithChoiceCaption(const std::string& name_utf8, const std::string& caption_utf8);

}  // namespace mainwindow_test

#include "description_variants.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <variant>

#include "desktop/text/gbk.h"
#include "ui/description/built_in_description.h"
#include "ui/description/reader.h"
#include "ui/description/writer.h"

namespace mainwindow_test {
namespace {

using ui::description::Description;

// Rewrites the kind data of the named record; the rest stays byte for byte.
std::vector<std::uint8_t> WithKindData(const std::string& name_utf8,
                                       const std::function<std::vector<std::uint8_t>(std::vector<std::uint8_t>, std::uint32_t)>& change) {
  std::optional<Description> description = ui::description::ReadDescription(ui::description::BuiltInDescription());
  EXPECT_TRUE(description.has_value());
  if (!description) return {};
  const std::string name = desktop::Utf8ToGbk(name_utf8);
  std::vector<std::uint8_t> changed;
  bool found = false;
  for (auto& record : description->windows.at(0).records) {
    if (record.common.name != name || found) continue;
    changed = change(std::vector<std::uint8_t>(record.kind_data.begin(), record.kind_data.end()), record.common.type);
    record.kind_data = changed;
    found = true;
  }
  EXPECT_TRUE(found) << name_utf8;
  return ui::description::WriteDescription(*description);
}

}  // namespace

std::vector<std::uint8_t> WithVersion(const std::string& name_utf8, std::uint32_t version) {
  return WithKindData(name_utf8, [version](std::vector<std::uint8_t> data, std::uint32_t) {
    for (std::size_t i = 0; i < 4 && i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(version >> (8 * i));
    return data;
  });
}

std::vector<std::uint8_t> WithChoiceCaption(const std::string& name_utf8, const std::string& caption_utf8) {
  return WithKindData(name_utf8, [&](std::vector<std::uint8_t> data, std::uint32_t type) {
    auto kind = ui::description::ParseKindData(type, data);
    EXPECT_TRUE(kind.has_value());
    if (!kind) return data;
    std::visit(
        [&](auto& d) {
          if constexpr (requires { d.checked; d.caption; }) d.caption = desktop::Utf8ToGbk(caption_utf8);
          else ADD_FAILURE() << name_utf8 << " is no check box or radio button";
        },
        *kind);
    return ui::description::KindDataBytes(*kind);
  });
}

}  // namespace mainwindow_test

#include "ui/description/window_description.h"

#include <algorithm>
#include <unordered_set>

#include "ui/description/reader.h"
#include "ui/description/stored_form.h"

namespace ui::description {
namespace {

// Every parent and child names a record of the window (0 stands for the window itself as a
// parent, and for a page separator in a child list), and no identity is used twice.
bool LinksResolve(const WindowEntry& entry) {
  std::unordered_set<std::uint32_t> identities;
  for (const auto& record : entry.records) {
    if (!identities.insert(record.identity).second) return false;
  }
  for (std::size_t i = 1; i < entry.records.size(); ++i) {
    const CommonPart& common = entry.records[i].common;
    if (common.parent != 0 && !identities.contains(common.parent)) return false;
    for (std::uint32_t child : common.children) {
      if (child != 0 && !identities.contains(child)) return false;
    }
  }
  return true;
}

}  // namespace

std::string_view DescriptionErrorMessage(DescriptionError error) {
  switch (error) {
    case DescriptionError::kNone: return {};
    // 载入窗口模板数据段出错!
    case DescriptionError::kUnreadable:
      return "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE\xB3\xF6\xB4\xED!";
    // 载入启动窗口失败
    case DescriptionError::kWindowNotBuilt:
      return "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC";
  }
  return {};
}

WindowDescriptionResult ReadWindowDescription(std::span<const std::uint8_t> bytes, std::uint32_t window_identity) {
  WindowDescriptionResult result;
  auto description = ReadDescription(bytes);
  if (!description) {
    result.error = DescriptionError::kUnreadable;
    return result;
  }
  result.error = DescriptionError::kWindowNotBuilt;
  const WindowEntry* entry = FindWindow(*description, window_identity);
  if (entry == nullptr || entry->records.empty() || !LinksResolve(*entry)) return result;

  const Record& window_record = entry->records.front();
  if (window_record.common.type != static_cast<std::uint32_t>(RecordType::kWindow)) return result;
  auto window_data = ParseWindowData(window_record.kind_data);
  if (!window_data) return result;

  WindowDescription window;
  window.identity = window_identity;
  window.record_identity = window_record.identity;
  window.common = window_record.common;
  window.data = std::move(*window_data);
  for (std::size_t i = 1; i < entry->records.size(); ++i) {
    const Record& record = entry->records[i];
    if (record.common.type == static_cast<std::uint32_t>(RecordType::kWindow)) return result;
    auto data = ParseKindData(record.common.type, record.kind_data);
    if (!data) return result;
    window.controls.push_back({record.identity, record.common, std::move(*data)});
  }
  result.window = std::move(window);
  result.error = DescriptionError::kNone;
  return result;
}

}  // namespace ui::description

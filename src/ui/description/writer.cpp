// The stored form written out: window index, window entries, records and their common part.
#include "ui/description/writer.h"

namespace ui::description {

std::vector<std::uint8_t> WriteRecordBody(const CommonPart& common, std::span<const std::uint8_t> kind_data) {
  ByteSink out;
  out.U32(common.type);
  out.Zeros(20);
  out.ZeroTerminatedText(common.name);
  out.ZeroTerminatedText(common.comment);
  out.Zeros(4);
  out.I32(common.left);
  out.I32(common.top);
  out.I32(common.width);
  out.I32(common.height);
  out.U32(common.cursor_slot);
  out.U32(common.parent);
  out.U32(static_cast<std::uint32_t>(common.children.size()));
  for (std::uint32_t child : common.children) out.U32(child);
  out.CountedBlock(common.cursor);
  out.ZeroTerminatedText(common.tag);
  out.Zeros(4);
  out.U32(common.flags);
  out.I32(common.tab_order_key);
  out.U32(static_cast<std::uint32_t>(common.events.size()));
  for (const auto& binding : common.events) {
    out.U32(binding.event);
    out.U32(binding.handler);
  }
  out.Zeros(20);
  out.Bytes(kind_data);
  return out.Take();
}

std::vector<std::uint8_t> WriteDescription(const std::vector<WindowToWrite>& windows) {
  ByteSink out;
  out.U32(static_cast<std::uint32_t>(windows.size() * 8));
  for (const auto& window : windows) out.U32(window.identity);
  out.Zeros(windows.size() * 4);  // filled with references when a window is loaded

  for (const auto& window : windows) {
    out.U32(window.value1);
    out.U32(window.value2);
    out.CountedText(window.text1);
    out.CountedText(window.text2);
    const auto count = static_cast<std::uint32_t>(window.records.size());
    out.U32(count);

    ByteSink records;
    std::vector<std::uint32_t> offsets;
    for (const auto& record : window.records) {
      offsets.push_back(static_cast<std::uint32_t>(records.Size()));
      records.CountedBlock(WriteRecordBody(record.common, record.kind_data));
    }
    ByteSink block;
    for (const auto& record : window.records) block.U32(record.identity);
    for (std::uint32_t offset : offsets) block.U32(offset);
    block.Bytes(records.Data());
    out.CountedBlock(block.Data());
  }
  return out.Take();
}

std::vector<std::uint8_t> WriteDescription(const Description& description) {
  std::vector<WindowToWrite> windows;
  for (const auto& entry : description.windows) {
    WindowToWrite window{entry.identity, entry.value1, entry.value2, entry.text1, entry.text2, {}};
    for (const auto& record : entry.records) {
      window.records.push_back(
          {record.identity, record.common, {record.kind_data.begin(), record.kind_data.end()}});
    }
    windows.push_back(std::move(window));
  }
  return WriteDescription(windows);
}

}  // namespace ui::description

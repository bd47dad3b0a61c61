// The stored form: window index, window entries, records and their common part.
#include "ui/description/reader.h"

#include "ui/description/byte_cursor.h"

namespace ui::description {
namespace {

constexpr std::size_t kReservedBlock = 20;
constexpr std::size_t kReservedValue = 4;

// Counts read from the data must fit in what is left, so bad data cannot ask for huge vectors.
bool FitsValues(const ByteCursor& c, std::uint32_t count, std::size_t width) {
  return !c.Failed() && static_cast<std::uint64_t>(count) * width <= c.Remaining();
}

bool ReadCommonPart(ByteCursor& c, CommonPart& common) {
  common.type = c.U32();
  c.Skip(kReservedBlock);
  common.name = c.ZeroTerminatedText();
  common.comment = c.ZeroTerminatedText();
  c.Skip(kReservedValue);
  common.left = c.I32();
  common.top = c.I32();
  common.width = c.I32();
  common.height = c.I32();
  common.cursor_slot = c.U32();
  common.parent = c.U32();
  std::uint32_t child_count = c.U32();
  if (!FitsValues(c, child_count, 4)) return false;
  common.children.resize(child_count);
  for (auto& child : common.children) child = c.U32();
  common.cursor = c.CountedBlockCopy();
  common.tag = c.ZeroTerminatedText();
  c.Skip(kReservedValue);
  common.flags = c.U32();
  common.tab_order_key = c.I32();
  std::uint32_t event_count = c.U32();
  if (!FitsValues(c, event_count, 8)) return false;
  common.events.resize(event_count);
  for (auto& binding : common.events) {
    binding.event = c.U32();
    binding.handler = c.U32();
  }
  c.Skip(kReservedBlock);
  return !c.Failed();
}

// The counted block of a window entry: identities, offsets, then the records.
bool ReadRecords(std::span<const std::uint8_t> block, std::uint32_t record_count, std::vector<Record>& records) {
  ByteCursor table(block);
  if (static_cast<std::uint64_t>(record_count) * 8 > block.size()) return false;
  std::vector<std::uint32_t> identities(record_count);
  for (auto& identity : identities) identity = table.U32();
  std::vector<std::uint32_t> offsets(record_count);
  for (auto& offset : offsets) offset = table.U32();
  const std::span<const std::uint8_t> area = block.subspan(table.Position());

  // Every record must lie inside the block before any is read.
  std::vector<std::span<const std::uint8_t>> bodies(record_count);
  for (std::uint32_t i = 0; i < record_count; ++i) {
    if (offsets[i] > area.size()) return false;
    ByteCursor at(area.subspan(offsets[i]));
    std::int32_t body_size = at.I32();
    if (body_size < 0) return false;
    bodies[i] = at.Bytes(static_cast<std::size_t>(body_size));
    if (at.Failed()) return false;
  }

  records.resize(record_count);
  for (std::uint32_t i = 0; i < record_count; ++i) {
    ByteCursor c(bodies[i]);
    Record& record = records[i];
    record.identity = identities[i];
    if (!ReadCommonPart(c, record.common)) return false;
    record.kind_data = bodies[i].subspan(c.Position());
  }
  return true;
}

}  // namespace

std::optional<Description> ReadDescription(std::span<const std::uint8_t> bytes) {
  ByteCursor c(bytes);
  std::span<const std::uint8_t> index = c.CountedBlock();
  if (c.Failed() || index.size() % 8 != 0) return std::nullopt;
  const std::size_t window_count = index.size() / 8;
  // A window entry takes at least six 32-bit values.
  if (window_count > c.Remaining() / 24) return std::nullopt;

  Description description;
  description.windows.resize(window_count);
  ByteCursor identities(index);
  for (auto& window : description.windows) window.identity = identities.U32();

  for (auto& window : description.windows) {
    window.value1 = c.U32();
    window.value2 = c.U32();
    window.text1 = c.CountedText();
    window.text2 = c.CountedText();
    std::uint32_t record_count = c.U32();
    std::span<const std::uint8_t> block = c.CountedBlock();
    if (c.Failed() || !ReadRecords(block, record_count, window.records)) return std::nullopt;
  }
  return description;
}

const WindowEntry* FindWindow(const Description& description, std::uint32_t window_identity) {
  for (const auto& window : description.windows) {
    if (window.identity == window_identity) return &window;
  }
  return nullptr;
}

}  // namespace ui::description

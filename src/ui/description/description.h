#pragma once
// The window description as stored: the windows of the index, each with its records; each record
// with its common part and its kind data, which is kept as the raw bytes that follow the common
// part (the kind parsers of kind_data.h read them).
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ui::description {

struct EventBinding {
  std::uint32_t event = 0;    // event number of the record's kind; 0 is a click or the window's creation
  std::uint32_t handler = 0;  // a links::HandlerRef
  bool operator==(const EventBinding&) const = default;
};

// The fields every record body starts with, reserved fields left out (they are written as zero).
struct CommonPart {
  std::uint32_t type = 0;  // a RecordType; unknown codes are kept as read
  std::string name;        // GBK; empty for the window record
  std::string comment;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint32_t cursor_slot = 0;
  std::uint32_t parent = 0;                 // identity of the parent record; 0 is the window
  std::vector<std::uint32_t> children;      // in a tab control, 0 separates one page from the next
  std::vector<std::uint8_t> cursor;         // mouse-cursor file data
  std::string tag;
  std::uint32_t flags = 0;                  // kFlagVisible, kFlagDisabled, kFlagTabStop
  std::int32_t tab_order_key = 0;
  std::vector<EventBinding> events;
  bool operator==(const CommonPart&) const = default;
};

struct Record {
  std::uint32_t identity = 0;
  CommonPart common;
  // The kind data: from the version field to the end of the record. Points into the bytes that
  // were read, which must outlive the record.
  std::span<const std::uint8_t> kind_data;
};

struct WindowEntry {
  std::uint32_t identity = 0;  // from the window index
  std::uint32_t value1 = 0;    // carried as stored
  std::uint32_t value2 = 0;
  std::string text1;
  std::string text2;
  std::vector<Record> records;  // record 0 is the window itself
};

struct Description {
  std::vector<WindowEntry> windows;  // in index order
};

}  // namespace ui::description

#pragma once
// Constants of the window description's stored form: record type codes, the identities the
// main window is known by, and the bits of a record's flags.
#include <cstdint>
#include <string_view>

namespace ui::description {

// The type code at the start of every record body.
enum class RecordType : std::uint32_t {
  kWindow = 0x10001,
  kPageControl = 0x20002,
  kPicBox = 0x10006,
  kLabel = 0x1000a,
  kButton = 0x1000b,
  kCheckBox = 0x1000c,
  kRadioBox = 0x1000d,
  kEditBox = 0x10005,
  kHyperLinker = 0x1001d,
};

// The kind's name as the system spells it ("Label", "EditBox", ...); empty for unknown codes.
std::string_view RecordTypeName(std::uint32_t type);

// The main window as the window index names it, and the identity of its own record.
constexpr std::uint32_t kMainWindowIdentity = 0x52010001;
constexpr std::uint32_t kWindowRecordIdentity = 0x06010000;

// The two values that lead every window entry; carried as stored.
constexpr std::uint32_t kWindowEntryValue1 = 11;
constexpr std::uint32_t kWindowEntryValue2 = 0x19010006;

// Bits of a record's flags.
constexpr std::uint32_t kFlagVisible = 1u << 0;
constexpr std::uint32_t kFlagDisabled = 1u << 1;
constexpr std::uint32_t kFlagTabStop = 1u << 2;

// A font block of exactly this many bytes holds a logical font record; any other size means the
// default GUI font.
constexpr std::int32_t kLogFontSize = 60;

}  // namespace ui::description

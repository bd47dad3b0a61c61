#pragma once
// Reading the window description: the stored form into windows and records, and each kind's
// data into its kind struct.
//
// Two ways to fail, kept apart because the system reports them differently:
//   - the stored form itself cannot be read (ReadDescription gives nothing);
//   - a record's kind data is refused (a Parse...Data function gives nothing): its version is above
//     the kind's highest, or the data ends before its last field. Bytes after the last field are
//     ignored. The tab control reads any version, taking the fields that version has.
#include <cstdint>
#include <optional>
#include <span>

#include "ui/description/description.h"
#include "ui/description/kind_data.h"

namespace ui::description {

// The whole stored form. The records' kind data points into `bytes`.
std::optional<Description> ReadDescription(std::span<const std::uint8_t> bytes);

// The window entry with this identity from the index; null when there is none.
const WindowEntry* FindWindow(const Description& description, std::uint32_t window_identity);

std::optional<WindowData> ParseWindowData(std::span<const std::uint8_t> data);
std::optional<PageControlData> ParsePageControlData(std::span<const std::uint8_t> data);
std::optional<PicBoxData> ParsePicBoxData(std::span<const std::uint8_t> data);
std::optional<LabelData> ParseLabelData(std::span<const std::uint8_t> data);
std::optional<EditBoxData> ParseEditBoxData(std::span<const std::uint8_t> data);
std::optional<ButtonData> ParseButtonData(std::span<const std::uint8_t> data);
std::optional<HyperLinkerData> ParseHyperLinkerData(std::span<const std::uint8_t> data);
std::optional<CheckBoxData> ParseCheckBoxData(std::span<const std::uint8_t> data);
std::optional<RadioBoxData> ParseRadioBoxData(std::span<const std::uint8_t> data);

// The page list of a tab control (its counted block's bytes); nothing when it runs past its end.
std::optional<TabPageList> ParseTabPageList(std::span<const std::uint8_t> data);

// A font block's bytes: the logical font record for exactly 60 bytes, else the default font.
// The face name is cut at its first zero; the bytes after it are not kept.
FontField ParseFont(std::span<const std::uint8_t> block);

// The kind data of a record of type `type`; nothing for an unknown type or refused data.
std::optional<KindData> ParseKindData(std::uint32_t type, std::span<const std::uint8_t> data);

}  // namespace ui::description

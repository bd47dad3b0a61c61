#pragma once
// Writing the window description in its stored form: the inverse of reader.h. The description
// builder makes the built-in description with it, and tests make variants of it.
#include <cstdint>
#include <vector>

#include "ui/description/byte_sink.h"
#include "ui/description/description.h"
#include "ui/description/kind_data.h"

namespace ui::description {

// A record to write: its identity, common part and kind data bytes.
struct RecordToWrite {
  std::uint32_t identity = 0;
  CommonPart common;
  std::vector<std::uint8_t> kind_data;
};

struct WindowToWrite {
  std::uint32_t identity = 0;
  std::uint32_t value1 = 0;
  std::uint32_t value2 = 0;
  std::string text1;
  std::string text2;
  std::vector<RecordToWrite> records;
};

std::vector<std::uint8_t> WriteDescription(const std::vector<WindowToWrite>& windows);

// The same description rewritten from what was read (the kind data bytes as they were).
std::vector<std::uint8_t> WriteDescription(const Description& description);

// One record body: the common part, its reserved fields as zeros, then the kind data.
std::vector<std::uint8_t> WriteRecordBody(const CommonPart& common, std::span<const std::uint8_t> kind_data);

// Each kind's data with the fields its version has.
void WriteKindData(ByteSink& out, const WindowData& data);
void WriteKindData(ByteSink& out, const PageControlData& data);
void WriteKindData(ByteSink& out, const PicBoxData& data);
void WriteKindData(ByteSink& out, const LabelData& data);
void WriteKindData(ByteSink& out, const EditBoxData& data);
void WriteKindData(ByteSink& out, const ButtonData& data);
void WriteKindData(ByteSink& out, const HyperLinkerData& data);
void WriteKindData(ByteSink& out, const CheckBoxData& data);
void WriteKindData(ByteSink& out, const RadioBoxData& data);
void WriteTabPageList(ByteSink& out, const TabPageList& list);
void WriteFont(ByteSink& out, const FontField& font);

// The kind data of any kind as bytes.
std::vector<std::uint8_t> KindDataBytes(const KindData& data);

// The record type code that goes with a kind.
std::uint32_t RecordTypeOf(const KindData& data);

}  // namespace ui::description

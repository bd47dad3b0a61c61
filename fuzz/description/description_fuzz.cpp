// Any bytes as a stored description: reading never crashes, and what reads rewrites to bytes
// that read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "ui/description/reader.h"
#include "ui/description/stored_form.h"
#include "ui/description/window_description.h"
#include "ui/description/writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ui::description;
  const std::span<const std::uint8_t> bytes(data, size);

  (void)ReadWindowDescription(bytes, kMainWindowIdentity);

  // The same bytes as kind data of every kind.
  for (RecordType type : {RecordType::kWindow, RecordType::kPageControl, RecordType::kPicBox, RecordType::kLabel,
                          RecordType::kEditBox, RecordType::kButton, RecordType::kHyperLinker, RecordType::kCheckBox,
                          RecordType::kRadioBox}) {
    auto parsed = ParseKindData(static_cast<std::uint32_t>(type), bytes);
    if (parsed && !ParseKindData(static_cast<std::uint32_t>(type), KindDataBytes(*parsed))) std::abort();
  }

  auto description = ReadDescription(bytes);
  if (!description) return 0;
  const auto rewritten = WriteDescription(*description);
  auto again = ReadDescription(rewritten);
  if (!again || again->windows.size() != description->windows.size()) std::abort();
  for (std::size_t w = 0; w < again->windows.size(); ++w) {
    const auto& a = description->windows[w].records;
    const auto& b = again->windows[w].records;
    if (a.size() != b.size()) std::abort();
    for (std::size_t r = 0; r < a.size(); ++r) {
      if (!(a[r].common == b[r].common) || a[r].identity != b[r].identity ||
          !std::equal(a[r].kind_data.begin(), a[r].kind_data.end(), b[r].kind_data.begin(), b[r].kind_data.end())) {
        std::abort();
      }
    }
  }
  return 0;
}

#include "ui/loaded_descriptions.h"

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "ui/description/reader.h"

namespace ui {
namespace {

struct ResolvedBinding {
  std::uint32_t event = 0;
  links::Handler handler = nullptr;
};

// The bytes must outlive the records, whose kind data points into them.
struct Loaded {
  std::vector<std::uint8_t> bytes;
  description::Description description;
  std::map<const description::Record*, std::vector<ResolvedBinding>> bindings;
};

std::unique_ptr<Loaded>& Current() {
  static std::unique_ptr<Loaded> loaded;
  return loaded;
}

}  // namespace

bool LoadWindowDescriptions(std::span<const std::uint8_t> bytes) {
  auto loaded = std::make_unique<Loaded>();
  loaded->bytes.assign(bytes.begin(), bytes.end());
  auto description = description::ReadDescription(loaded->bytes);
  if (!description) return false;
  loaded->description = std::move(*description);
  for (const auto& window : loaded->description.windows) {
    for (const auto& record : window.records) {
      std::vector<ResolvedBinding>& resolved = loaded->bindings[&record];
      for (const auto& binding : record.common.events) {
        // A reference the program does not know resolves to none, and none is never called.
        resolved.push_back({binding.event, links::ResolveHandler(binding.handler)});
      }
    }
  }
  Current() = std::move(loaded);
  return true;
}

bool WindowDescriptionsLoaded() { return Current() != nullptr; }

const description::WindowEntry* FindWindowDescription(std::uint32_t window_identity) {
  if (!Current()) return nullptr;
  return description::FindWindow(Current()->description, window_identity);
}

links::Handler FindBoundHandler(const description::Record& record, std::uint32_t event_number) {
  if (!Current()) return nullptr;
  auto it = Current()->bindings.find(&record);
  if (it == Current()->bindings.end()) return nullptr;
  for (const ResolvedBinding& binding : it->second) {
    if (binding.event == event_number && binding.handler != nullptr) return binding.handler;
  }
  return nullptr;
}

void UnloadWindowDescriptionsForTesting() { Current().reset(); }

}  // namespace ui

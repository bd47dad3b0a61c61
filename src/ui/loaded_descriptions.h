#pragma once
// The window descriptions the program runs with: the stored bytes, read once at start-up, and
// every event binding resolved to its handler. Records handed out here stay valid until the
// descriptions are loaded again.
#include <cstdint>
#include <span>

#include "links/handler_table.h"
#include "ui/description/description.h"

namespace ui {

// Reads the stored form and resolves the bindings. False when the bytes cannot be read; the
// descriptions loaded before are then kept.
bool LoadWindowDescriptions(std::span<const std::uint8_t> bytes);
bool WindowDescriptionsLoaded();

// The window entry with this identity; null when none is loaded.
const description::WindowEntry* FindWindowDescription(std::uint32_t window_identity);

// The handler bound to `event_number` of `record` (a record of a loaded window); null when the
// event is not bound or its handler is stored as none.
links::Handler FindBoundHandler(const description::Record& record, std::uint32_t event_number);

// Forgets everything loaded. Tests only.
void UnloadWindowDescriptionsForTesting();

}  // namespace ui

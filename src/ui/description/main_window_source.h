#pragma once
// The main window as readable tables: the window and each of its controls with every field of its
// record. The description builder turns this into the stored description the program carries.
#include <functional>
#include <string>
#include <string_view>

#include "ui/description/kind_data.h"
#include "ui/description/writer.h"

namespace ui::description {

// Turns a UTF-8 text of the tables into the system's GBK text.
using TextEncoder = std::function<std::string(std::string_view utf8)>;
// The bytes of a picture file of the assets folder, by its file name.
using AssetLoader = std::function<Bytes(std::string_view file_name)>;

// The main window's entry: record 0 the window, records 1 to 51 its controls.
WindowToWrite MainWindowSource(const TextEncoder& text, const AssetLoader& asset);

}  // namespace ui::description

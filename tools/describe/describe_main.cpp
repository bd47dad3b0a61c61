// shopassist-describe: builds the stored window description from the main window's tables and
// the pictures of the assets folder, and writes it as a C++ source that embeds it (and, when
// asked, as the raw bytes).
//
//   shopassist-describe --assets DIR --cpp OUT.cpp [--bin OUT.bin]
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>

#include "text_encoding.h"
#include "ui/description/main_window_source.h"
#include "ui/description/stored_form.h"
#include "ui/description/window_description.h"
#include "ui/description/writer.h"

namespace {

using ui::description::Bytes;

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileAtomically(const std::string& path, const std::string& content) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out) throw std::runtime_error("cannot write " + temporary);
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) throw std::runtime_error("cannot write " + path);
}

std::string EmbeddingSource(const Bytes& bytes) {
  std::ostringstream out;
  out << "// Made by shopassist-describe from src/ui/description/main_window_source.cpp and assets/.\n"
         "#include \"ui/description/built_in_description.h\"\n\n"
         "namespace ui::description {\n\n"
         "alignas(4) extern const std::uint8_t kBuiltInDescription[] = {\n";
  static const char kHex[] = "0123456789abcdef";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i % 20 == 0) out << "   ";
    out << " 0x" << kHex[bytes[i] >> 4] << kHex[bytes[i] & 15] << ',';
    if (i % 20 == 19 || i + 1 == bytes.size()) out << '\n';
  }
  out << "};\n"
         "extern const std::size_t kBuiltInDescriptionSize = sizeof kBuiltInDescription;\n\n"
         "}  // namespace ui::description\n";
  return out.str();
}

}  // namespace

int main(int argc, char** argv) {
  std::string assets, cpp_path, bin_path;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--assets") assets = argv[i + 1];
    else if (option == "--cpp") cpp_path = argv[i + 1];
    else if (option == "--bin") bin_path = argv[i + 1];
  }
  if (assets.empty() || (cpp_path.empty() && bin_path.empty())) {
    std::fprintf(stderr, "usage: shopassist-describe --assets DIR --cpp OUT.cpp [--bin OUT.bin]\n");
    return 2;
  }

  try {
    auto text = [](std::string_view utf8) {
      auto gbk = tools::Utf8ToGbkStrict(utf8);
      if (!gbk) throw std::runtime_error("text has no GBK form: " + std::string(utf8));
      return *gbk;
    };
    auto asset = [&assets](std::string_view file) { return ReadFile(assets + "/" + std::string(file)); };
    const Bytes bytes = ui::description::WriteDescription({ui::description::MainWindowSource(text, asset)});

    // What the program will load must load.
    auto check = ui::description::ReadWindowDescription(bytes, ui::description::kMainWindowIdentity);
    if (check.error != ui::description::DescriptionError::kNone) {
      throw std::runtime_error("the description built does not read back");
    }

    if (!cpp_path.empty()) WriteFileAtomically(cpp_path, EmbeddingSource(bytes));
    if (!bin_path.empty()) WriteFileAtomically(bin_path, std::string(bytes.begin(), bytes.end()));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "shopassist-describe: %s\n", e.what());
    return 1;
  }
  return 0;
}

// shopassist-drive: the whole program on the headless backend, driven by commands on standard
// input, one a line. See the driver section of the design notes for the commands and outputs.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "app/fatal_error.h"
#include "app/program_start.h"
#include "desktop/backends/headless/headless_backend.h"
#include "desktop/text/gbk.h"
#include "drive_options.h"
#include "driver.h"
#include "platform/hand_over_observer.h"
#include "platform/platform_operations.h"
#include "platform/scripted_platform_operations.h"
#include "ui/description/built_in_description.h"

namespace {

void PrintHandOver(platform::HandOver what, const std::string& text) {
  const char* word = what == platform::HandOver::kOpen ? "open " : what == platform::HandOver::kOpenLink ? "openlink " : "exec ";
  drive::PrintLine(word + desktop::GbkToUtf8(text));
}

// The message box's text on one line, each CR LF written as "\n"; then the end.
void PrintFatal(const std::string& text_gbk) {
  std::string shown;
  const std::string utf8 = desktop::GbkToUtf8(text_gbk);
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') {
      shown += "\\n";
      ++i;
    } else {
      shown += utf8[i];
    }
  }
  drive::PrintLine("fatal " + shown);
  drive::PrintLine("exit -1");
}

bool ReadFile(const std::string& path, std::vector<std::uint8_t>* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::string CurrentDirectory() {
  char buffer[PATH_MAX];
  return getcwd(buffer, sizeof buffer) != nullptr ? std::string(buffer) : std::string();
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const std::optional<drive::Options> options =
      drive::ParseOptions(std::vector<std::string>(argv + 1, argv + argc), &error);
  if (!options) {
    drive::Complain(error);
    return 2;
  }
  if (options->write_description) {
    if (WriteFile(*options->write_description, ui::description::BuiltInDescription())) return 0;
    drive::Complain("cannot write " + *options->write_description);
    return 2;
  }

  // A description file that cannot be read is loaded as no bytes: the program then finds its
  // descriptions unreadable, as it would find a damaged one.
  std::vector<std::uint8_t> description;
  if (options->description) {
    if (!ReadFile(*options->description, &description)) description.clear();
    app::SetDescriptionSource(description);
  }

  platform::ScriptedPlatformOperations desktop_operations;
  desktop_operations.shell_result = options->shell_ok ? platform::kHandedOver : platform::kNoAssociation;
  desktop_operations.start_result = platform::kHandedOver;
  for (const auto& [key, value] : options->registry)
    desktop_operations.SetClassDefault(desktop::Utf8ToGbk(key), desktop::Utf8ToGbk(value));
  platform::SetPlatformOperations(&desktop_operations);
  platform::SetHandOverObserver(PrintHandOver);
  app::SetFatalErrorPresenter(PrintFatal);

  desktop::HeadlessBackend& backend = desktop::InstallHeadlessBackend(options->screen);
  drive::Driver driver(backend, std::cin, CurrentDirectory());
  backend.SetFeeder([&driver] { return driver.Feed(); });

  const int code = app::RunProgram();
  drive::PrintLine("exit " + std::to_string(code));
  return code;
}

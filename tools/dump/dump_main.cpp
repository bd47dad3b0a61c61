// shopassist-dump-description: prints a stored window description readably (UTF-8).
//
//   shopassist-dump-description [FILE]    without FILE, the description built into the program
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "description_printer.h"
#include "ui/description/built_in_description.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: shopassist-dump-description [FILE]\n";
    return 2;
  }
  std::vector<std::uint8_t> bytes;
  if (argc == 2) {
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
      std::cerr << "shopassist-dump-description: cannot read " << argv[1] << '\n';
      return 1;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } else {
    auto built_in = ui::description::BuiltInDescription();
    bytes.assign(built_in.begin(), built_in.end());
  }
  return tools::PrintDescription(std::cout, bytes) ? 0 : 1;
}

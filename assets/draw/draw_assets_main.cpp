// shopassist-draw-assets: draws the window's icon and pictures.
//
//   shopassist-draw-assets --out DIR     writes every picture file into DIR
//   shopassist-draw-assets --check DIR   compares the files in DIR with a fresh drawing; exit 1
//                                        when one differs, 77 when the fonts are not installed
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "pictures.h"

namespace {

constexpr int kFontsMissing = 77;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || (std::string(argv[1]) != "--out" && std::string(argv[1]) != "--check")) {
    std::fprintf(stderr, "usage: shopassist-draw-assets --out DIR | --check DIR\n");
    return 2;
  }
  const bool check = std::string(argv[1]) == "--check";
  const std::string folder = argv[2];

  auto chinese = assets::Typeface::Find("AR PL UMing CN", "Light");
  auto latin = assets::Typeface::Find("DejaVu Sans", "Bold");
  if (!chinese || !latin) {
    std::fprintf(stderr, "shopassist-draw-assets: AR PL UMing CN or DejaVu Sans Bold is not installed\n");
    return kFontsMissing;
  }

  int differing = 0;
  for (const auto& picture : assets::DrawAllPictures({*chinese, *latin})) {
    const std::string path = folder + "/" + picture.name;
    if (check) {
      std::ifstream in(path, std::ios::binary);
      const assets::FileBytes stored((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      if (stored != picture.bytes) {
        std::fprintf(stderr, "%s differs from a fresh drawing\n", path.c_str());
        ++differing;
      }
      continue;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(picture.bytes.data()), static_cast<std::streamsize>(picture.bytes.size()));
    if (!out) {
      std::fprintf(stderr, "shopassist-draw-assets: cannot write %s\n", path.c_str());
      return 1;
    }
    std::printf("%s %zu bytes\n", picture.name.c_str(), picture.bytes.size());
  }
  return differing == 0 ? 0 : 1;
}

#pragma once
// The window's pictures: the icon, the button pictures and the page logos, each as a whole file.
#include <string>
#include <vector>

#include "encoders.h"
#include "text.h"

namespace assets {

struct Fonts {
  const Typeface& chinese;  // AR PL UMing CN
  const Typeface& latin;    // DejaVu Sans Bold
};

struct PictureFile {
  std::string name;  // file name in the assets folder
  FileBytes bytes;
};

std::vector<PictureFile> DrawAllPictures(const Fonts& fonts);

}  // namespace assets

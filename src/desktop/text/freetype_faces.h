#pragma once
// FreeType faces shared between fonts: one FT_Face per font file and face index, each font with a
// size object of its own on it. A face keeps the library alive, so fonts may outlive any static.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <string>

namespace desktop {

class FreeTypeFace {
 public:
  ~FreeTypeFace();
  FreeTypeFace(const FreeTypeFace&) = delete;
  FreeTypeFace& operator=(const FreeTypeFace&) = delete;

  // The face of a file; null when FreeType cannot open it.
  static std::shared_ptr<FreeTypeFace> Open(const std::string& path, int index);

  FT_Face face() const { return face_; }

 private:
  struct Library;
  FreeTypeFace(std::shared_ptr<Library> library, FT_Face face) : library_(std::move(library)), face_(face) {}

  std::shared_ptr<Library> library_;
  FT_Face face_;
};

}  // namespace desktop

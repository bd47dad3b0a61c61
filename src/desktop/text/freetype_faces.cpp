#include "desktop/text/freetype_faces.h"

#include <map>
#include <utility>

namespace desktop {

struct FreeTypeFace::Library {
  FT_Library handle = nullptr;
  Library() {
    if (FT_Init_FreeType(&handle) != 0) handle = nullptr;
  }
  ~Library() {
    if (handle) FT_Done_FreeType(handle);
  }
};

FreeTypeFace::~FreeTypeFace() { FT_Done_Face(face_); }

std::shared_ptr<FreeTypeFace> FreeTypeFace::Open(const std::string& path, int index) {
  // Weak references: a face closes when its last font goes, and opens again when asked for.
  static std::weak_ptr<Library> shared_library;
  static std::map<std::pair<std::string, int>, std::weak_ptr<FreeTypeFace>> open_faces;

  const auto key = std::make_pair(path, index);
  if (auto it = open_faces.find(key); it != open_faces.end()) {
    if (auto face = it->second.lock()) return face;
  }
  auto library = shared_library.lock();
  if (!library) {
    library = std::make_shared<Library>();
    shared_library = library;
  }
  if (!library->handle) return nullptr;
  FT_Face face = nullptr;
  if (FT_New_Face(library->handle, path.c_str(), index, &face) != 0) return nullptr;
  std::shared_ptr<FreeTypeFace> result(new FreeTypeFace(library, face));
  open_faces[key] = result;
  return result;
}

}  // namespace desktop

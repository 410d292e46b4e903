#pragma once

#include <span>

namespace kw {

// A skin graphic the program carries: its resource id (of type "Custom") and
// the file name it is written under in the Graphics folder.
struct SkinFile {
    int id;
    const char *name;
};

// Every skin graphic, in the order start-up writes them out. kwskin generates
// this table from the catalogue of pictures it draws; it is linked in with
// the pictures themselves (kwskindata).
extern const std::span<const SkinFile> kSkinFiles;

} // namespace kw

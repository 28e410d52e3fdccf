// Seed inputs for the fuzz targets, made from the kit's skins.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brsm::kit {

struct Seed {
  std::string Name;
  std::vector<uint8_t> Bytes;
};

// Whole archives: Marl, an empty one, one and two members back to back.
std::vector<Seed> ArchiveSeeds();
// Skin descriptions (Options.dat texts), optionally followed by a NUL and
// CommonSections text, as fuzz_skin_description reads them.
std::vector<Seed> DescriptionSeeds();
// CommonSections-like INI texts.
std::vector<Seed> IniTextSeeds();

// Writes each group into <dir>/archive, <dir>/description, <dir>/initext.
bool WriteSeeds(const std::string& dir);

}  // namespace brsm::kit

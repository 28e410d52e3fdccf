// skinkit: writes the kit's test skins to disk.
//   skinkit folder <parent> [name]       the Marl skin as <parent>/<name>/
//   skinkit archive <parent> [name]      the Marl skin as <parent>/<name>.vlz
//   skinkit large <parent> <sections>    a large skin, as folder and archive
//   skinkit pack <folder> <file.vlz>     packs an existing skin folder
//   skinkit seeds <dir>                  fuzz seeds in <dir>/archive, ...
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/skinkit/kit_seeds.h"
#include "tools/skinkit/marl_skin.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: skinkit folder|archive <parent> [name]\n"
               "       skinkit large <parent> <sections>\n"
               "       skinkit pack <folder> <file.vlz>\n"
               "       skinkit seeds <dir>\n");
  return 2;
}

int Fail(const std::string& what) {
  std::fprintf(stderr, "skinkit: cannot write %s\n", what.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string command = argv[1];
  const std::string target = argv[2];
  if (command == "folder" || command == "archive") {
    const brsm::kit::KitSkin skin = brsm::kit::MakeMarlSkin(argc > 3 ? argv[3] : "Marl");
    const bool ok = command == "folder" ? skin.WriteFolder(target) : skin.WriteArchive(target);
    return ok ? 0 : Fail(target);
  }
  if (command == "large" && argc > 3) {
    const int sections = std::atoi(argv[3]);
    if (sections <= 0) return Usage();
    const brsm::kit::KitSkin skin = brsm::kit::MakeLargeSkin(sections);
    return skin.WriteFolder(target) && skin.WriteArchive(target) ? 0 : Fail(target);
  }
  if (command == "pack" && argc > 3) {
    std::vector<uint8_t> archive;
    if (!brsm::kit::PackFolder(target, archive)) return Fail(argv[3]);
    return brsm::kit::WriteBytes(argv[3], archive) ? 0 : Fail(argv[3]);
  }
  if (command == "seeds") return brsm::kit::WriteSeeds(target) ? 0 : Fail(target);
  return Usage();
}

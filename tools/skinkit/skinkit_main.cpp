// skinkit: writes the kit's test skins to disk.
//   skinkit folder <parent> [name]       the Marl skin as <parent>/<name>/
//   skinkit archive <parent> [name]      the Marl skin as <parent>/<name>.vlz
//     --without=S1,S2,...                 ... without those sections
//   skinkit large <parent> <sections>    a large skin, as folder and archive
//   skinkit pack <folder> <file.vlz>     packs an existing skin folder
//   skinkit seeds <dir>                  fuzz seeds in <dir>/archive, ...
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/skinkit/kit_seeds.h"
#include "tools/skinkit/marl_skin.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: skinkit folder|archive <parent> [name] [--without=SECTION,...]\n"
               "       skinkit large <parent> <sections>\n"
               "       skinkit pack <folder> <file.vlz>\n"
               "       skinkit seeds <dir>\n");
  return 2;
}

int Fail(const std::string& what) {
  std::fprintf(stderr, "skinkit: cannot write %s\n", what.c_str());
  return 1;
}

// The sections named by a trailing "--without=A,B", taken off the arguments.
std::vector<std::string> TakeLeftOut(int& argc, char** argv) {
  const std::string option = "--without=";
  std::vector<std::string> sections;
  if (argc < 2 || std::string(argv[argc - 1]).rfind(option, 0) != 0) return sections;
  const std::string list = std::string(argv[--argc]).substr(option.size());
  for (size_t at = 0; at <= list.size();) {
    size_t comma = list.find(',', at);
    if (comma == std::string::npos) comma = list.size();
    if (comma > at) sections.push_back(list.substr(at, comma - at));
    at = comma + 1;
  }
  return sections;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> leftOut = TakeLeftOut(argc, argv);
  if (argc < 3) return Usage();
  const std::string command = argv[1];
  const std::string target = argv[2];
  if (command == "folder" || command == "archive") {
    brsm::kit::KitSkin skin = brsm::kit::MakeMarlSkin(argc > 3 ? argv[3] : "Marl");
    skin.LeaveOut(leftOut);
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

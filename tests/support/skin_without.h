// A kit skin written as a folder with some of its sections left out, as
// skins made by others often are.
#pragma once

#include <string>
#include <vector>

#include "platform/rtl/files.h"
#include "tools/skinkit/kit_archive.h"
#include "tools/skinkit/kit_skin.h"

namespace brsm::test {

// <parent>/<skin's name>/ as KitSkin::WriteFolder writes it, its
// "Options.dat" without the named sections; false on any failure.
inline bool WriteSkinWithout(const brsm::kit::KitSkin& skin, const std::string& parent,
                             const std::vector<std::string>& leftOut) {
  if (!skin.WriteFolder(parent)) return false;
  std::string text;
  bool dropping = false;
  for (const std::string& line : skin.OptionsLines()) {
    if (!line.empty() && line.front() == '[') {
      dropping = false;
      for (const std::string& s : leftOut) dropping = dropping || line == "[" + s + "]";
    }
    if (!dropping) text += line + "\r\n";
  }
  const std::string options =
      IncludeTrailingPathDelimiter(IncludeTrailingPathDelimiter(parent) + skin.Name()) + "Options.dat";
  return brsm::kit::WriteBytes(options, brsm::kit::BytesOf(text));
}

}  // namespace brsm::test

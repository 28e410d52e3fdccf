// A kit skin written as a folder with some of its sections left out, as
// skins made by others often are.
#pragma once

#include <string>
#include <vector>

#include "tools/skinkit/kit_skin.h"

namespace brsm::test {

// <parent>/<skin's name>/ as KitSkin::WriteFolder writes it, without the
// named sections; false on any failure.
inline bool WriteSkinWithout(brsm::kit::KitSkin skin, const std::string& parent,
                             const std::vector<std::string>& leftOut) {
  skin.LeaveOut(leftOut);
  return skin.WriteFolder(parent);
}

}  // namespace brsm::test

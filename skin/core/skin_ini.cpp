#include "skin/core/skin_ini.h"

#include <unordered_set>

#include "platform/rtl/inifiles.h"
#include "platform/rtl/text1251.h"

namespace {

// The next section up the chain, or empty when the chain ends: no parent,
// "?", the section itself, or a section met before (the INI compares
// section names without case, so the guard does too).
std::string ParentOf(const TMemIniFile& ini, const std::string& section,
                     std::unordered_set<std::string>& visited) {
  const std::string parent = ini.ReadString(section, "PARENTCLASS", "?");
  if (parent.empty() || parent == "?" || parent == section) return std::string();
  const std::string upper = AnsiUpperCase(parent);
  if (!visited.insert(upper).second) return std::string();
  return parent;
}

}  // namespace

std::string InheritedIniString(const TMemIniFile& ini, const std::string& section,
                               const std::string& key, const std::string& defaultValue) {
  std::unordered_set<std::string> visited{AnsiUpperCase(section)};
  std::string current = section;
  for (;;) {
    const std::string value = ini.ReadString(current, key, "?");
    if (value != "?") return value;
    current = ParentOf(ini, current, visited);
    if (current.empty()) return defaultValue;
  }
}

int InheritedIniInteger(const TMemIniFile& ini, const std::string& section, const std::string& key,
                        int defaultValue) {
  std::unordered_set<std::string> visited{AnsiUpperCase(section)};
  std::string current = section;
  for (;;) {
    const int value = ini.ReadInteger(current, key, -1);
    if (value != -1) return value;
    current = ParentOf(ini, current, visited);
    if (current.empty()) return defaultValue;
  }
}

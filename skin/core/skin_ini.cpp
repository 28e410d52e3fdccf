#include "skin/core/skin_ini.h"

#include <unordered_set>

#include "platform/rtl/inifiles.h"
#include "platform/rtl/text1251.h"

std::vector<std::string> ParentChain(const TMemIniFile& ini, const std::string& section) {
  std::vector<std::string> chain{section};
  std::unordered_set<std::string> seen{AnsiUpperCase(section)};
  for (;;) {
    const std::string& current = chain.back();
    const std::string parent = ini.ReadString(current, "PARENTCLASS", "?");
    if (parent.empty() || parent == "?" || parent == current) break;
    if (!seen.insert(AnsiUpperCase(parent)).second) break;
    chain.push_back(parent);
  }
  return chain;
}

std::string InheritedIniString(const TMemIniFile& ini, const std::vector<std::string>& chain,
                               const std::string& key, const std::string& defaultValue) {
  for (const std::string& section : chain) {
    std::string value = ini.ReadString(section, key, "?");
    if (value != "?") return value;
  }
  return defaultValue;
}

int InheritedIniInteger(const TMemIniFile& ini, const std::vector<std::string>& chain,
                        const std::string& key, int defaultValue) {
  for (const std::string& section : chain) {
    const int value = ini.ReadInteger(section, key, -1);
    if (value != -1) return value;
  }
  return defaultValue;
}

std::string InheritedIniString(const TMemIniFile& ini, const std::string& section,
                               const std::string& key, const std::string& defaultValue) {
  // Read the key first: most keys are found in the section itself.
  std::string value = ini.ReadString(section, key, "?");
  if (value != "?") return value;
  return InheritedIniString(ini, ParentChain(ini, section), key, defaultValue);
}

int InheritedIniInteger(const TMemIniFile& ini, const std::string& section, const std::string& key,
                        int defaultValue) {
  const int value = ini.ReadInteger(section, key, -1);
  if (value != -1) return value;
  return InheritedIniInteger(ini, ParentChain(ini, section), key, defaultValue);
}

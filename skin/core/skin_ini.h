// Reading a skin description along the PARENTCLASS chain of its sections.
#pragma once

#include <string>
#include <vector>

class TMemIniFile;

// The section, its PARENTCLASS section, that one's, and so on. The chain
// ends at an empty parent, "?", the section itself, or a section already in
// the chain (compared without case, as the INI finds sections).
std::vector<std::string> ParentChain(const TMemIniFile& ini, const std::string& section);

// The key in the first section of the chain that has it; the default when
// none has. "?" (strings) and -1 (integers, also any text that is no
// number) count as missing.
std::string InheritedIniString(const TMemIniFile& ini, const std::string& section,
                               const std::string& key, const std::string& defaultValue);
int InheritedIniInteger(const TMemIniFile& ini, const std::string& section, const std::string& key,
                        int defaultValue);
// The same along a chain made once, for reading many keys of one section.
std::string InheritedIniString(const TMemIniFile& ini, const std::vector<std::string>& chain,
                               const std::string& key, const std::string& defaultValue);
int InheritedIniInteger(const TMemIniFile& ini, const std::vector<std::string>& chain,
                        const std::string& key, int defaultValue);

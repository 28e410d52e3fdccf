// Reading a skin description along the PARENTCLASS chain of its sections.
#pragma once

#include <string>

class TMemIniFile;

// The key in the section, else in its PARENTCLASS section, and so on up the
// chain; the default when no section of the chain has it. "?" (strings) and
// -1 (integers, also any text that is no number) count as missing. A chain
// that comes back to a section already asked stops there.
std::string InheritedIniString(const TMemIniFile& ini, const std::string& section,
                               const std::string& key, const std::string& defaultValue);
int InheritedIniInteger(const TMemIniFile& ini, const std::string& section, const std::string& key,
                        int defaultValue);

// Any text through the INI text reader (the CommonSections reader) and the
// PARENTCLASS chain reader over the same text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/rtl/inifiles.h"
#include "platform/rtl/strings.h"
#include "skin/core/ini_text.h"
#include "skin/core/skin_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TStringList lines;
  lines.SetText(std::string(reinterpret_cast<const char*>(data), size));
  TIniTextSections sections;
  ParseIniSections(lines, sections);
  TMemIniFile ini;
  ini.SetStrings(&lines);
  // Ask for every key that some line names, in the first sections (the
  // INI reads are slow under the sanitizers; more finds no new code).
  for (int s = 0; s < sections.Count() && s < 16; ++s) {
    const TStringList& body = sections.Lines(s);
    for (int i = 0; i < body.Count() && i < 16; ++i) {
      const std::string key = body.Names(i);
      ReadIniTextString(sections, sections.Name(s), "?", key);
      ReadIniTextInteger(sections, sections.Name(s), -1, key);
      InheritedIniString(ini, sections.Name(s), key, "?");
      InheritedIniInteger(ini, sections.Name(s), key, -1);
    }
  }
  return 0;
}

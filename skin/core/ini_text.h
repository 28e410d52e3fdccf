// An INI reader over plain lines, for the manager's CommonSections text.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/strings.h"

// Section names in order, each with the lines that followed it.
class TIniTextSections {
 public:
  void Clear();
  int Count() const { return static_cast<int>(names_.size()); }
  const std::string& Name(int index) const { return names_[static_cast<size_t>(index)]; }
  const TStringList& Lines(int index) const { return *lines_[static_cast<size_t>(index)]; }
  TStringList& AddSection(const std::string& name);
  // The first section of that name, compared without case; -1 when none.
  int IndexOf(const std::string& name) const;

 private:
  std::vector<std::string> names_;
  std::vector<std::string> upperNames_;  // for the search without case
  std::vector<std::unique_ptr<TStringList>> lines_;
};

// Empty lines and lines starting with ";" are skipped; "[name]" opens a
// section; other lines join the current section (none before the first).
void ParseIniSections(const TStrings& lines, TIniTextSections& sections);

// The value after "key=" in the first line of the section whose name part
// is the key (compared without case), else the default.
std::string ReadIniTextString(const TIniTextSections& sections, const std::string& section,
                              const std::string& defaultValue, const std::string& key);
// As above; "0x"/"0X" before hexadecimal digits; the default for anything
// that is not a number.
int ReadIniTextInteger(const TIniTextSections& sections, const std::string& section,
                       int defaultValue, const std::string& key);

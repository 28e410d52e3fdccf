#include "skin/core/ini_text.h"

#include "platform/rtl/sysutils.h"
#include "platform/rtl/text1251.h"

void TIniTextSections::Clear() {
  names_.clear();
  upperNames_.clear();
  lines_.clear();
}

TStringList& TIniTextSections::AddSection(const std::string& name) {
  names_.push_back(name);
  upperNames_.push_back(AnsiUpperCase(name));
  lines_.push_back(std::make_unique<TStringList>());
  return *lines_.back();
}

int TIniTextSections::IndexOf(const std::string& name) const {
  const std::string wanted = AnsiUpperCase(name);
  for (size_t i = 0; i < upperNames_.size(); ++i)
    if (upperNames_[i] == wanted) return static_cast<int>(i);
  return -1;
}

void ParseIniSections(const TStrings& lines, TIniTextSections& sections) {
  sections.Clear();
  TStringList* current = nullptr;
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string line = lines.Strings(i);
    if (line.empty() || line[0] == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      current = &sections.AddSection(line.substr(1, line.size() - 2));
    } else if (current) {
      current->Add(line);
    }
  }
}

std::string ReadIniTextString(const TIniTextSections& sections, const std::string& section,
                              const std::string& defaultValue, const std::string& key) {
  const int index = sections.IndexOf(section);
  if (index < 0) return defaultValue;
  const TStringList& lines = sections.Lines(index);
  const int line = lines.IndexOfName(key);
  if (line < 0) return defaultValue;
  return lines.ValueFromIndex(line);
}

int ReadIniTextInteger(const TIniTextSections& sections, const std::string& section,
                       int defaultValue, const std::string& key) {
  std::string value = ReadIniTextString(sections, section, std::string(), key);
  if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X'))
    value = "$" + value.substr(2);
  return StrToIntDef(value, defaultValue);
}

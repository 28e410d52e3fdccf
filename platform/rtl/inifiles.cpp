#include "platform/rtl/inifiles.h"

#include <unordered_map>
#include <vector>

#include "platform/rtl/files.h"
#include "platform/rtl/strings.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/text1251.h"

namespace {

struct Section {
  std::string name;                // as first written
  std::vector<std::string> lines;  // "key=value", or a line without '='
  std::unordered_map<std::string, size_t> keys;  // upper-cased key -> first line

  void Index() {
    keys.clear();
    for (size_t i = 0; i < lines.size(); ++i) Note(i);
  }
  void Note(size_t i) {
    const size_t eq = lines[i].find('=');
    if (eq != std::string::npos) keys.emplace(AnsiUpperCase(lines[i].substr(0, eq)), i);
  }
  const std::string* Find(const std::string& key, size_t* where = nullptr) const {
    const auto it = keys.find(AnsiUpperCase(key));
    if (it == keys.end()) return nullptr;
    if (where) *where = it->second;
    return &lines[it->second];
  }
};

}  // namespace

struct TMemIniFile::Data {
  std::vector<Section> sections;
  std::unordered_map<std::string, size_t> index;  // upper-cased name -> section

  void Reindex() {
    index.clear();
    for (size_t i = 0; i < sections.size(); ++i) index.emplace(AnsiUpperCase(sections[i].name), i);
  }
  const Section* Find(const std::string& name) const {
    const auto it = index.find(AnsiUpperCase(name));
    return it == index.end() ? nullptr : &sections[it->second];
  }
  Section* Find(const std::string& name) {
    const auto it = index.find(AnsiUpperCase(name));
    return it == index.end() ? nullptr : &sections[it->second];
  }
  Section& Add(const std::string& name) {
    if (Section* s = Find(name)) return *s;
    sections.push_back(Section{name, {}, {}});
    index.emplace(AnsiUpperCase(name), sections.size() - 1);
    return sections.back();
  }
};

TMemIniFile::TMemIniFile(const std::string& fileName) : fileName_(fileName), data_(new Data) {
  if (!fileName_.empty() && FileExists(fileName_)) {
    TStringList lines;
    lines.LoadFromFile(fileName_);
    SetStrings(&lines);
  }
}

TMemIniFile::~TMemIniFile() = default;

void TMemIniFile::Rename(const std::string& fileName, bool reload) {
  fileName_ = fileName;
  if (!reload) return;
  TStringList lines;
  if (FileExists(fileName_)) lines.LoadFromFile(fileName_);
  SetStrings(&lines);
}

void TMemIniFile::Clear() {
  data_->sections.clear();
  data_->index.clear();
}

void TMemIniFile::SetStrings(const TStrings* lines) {
  Clear();
  if (!lines) return;
  Section* current = nullptr;
  const int n = lines->Count();
  for (int i = 0; i < n; ++i) {
    const std::string s = Trim(lines->Strings(i));
    if (s.empty() || s[0] == ';') continue;
    if (s[0] == '[' && s.back() == ']') {
      current = &data_->Add(Trim(s.substr(1, s.size() - 2)));
      continue;
    }
    if (!current) continue;
    const size_t eq = s.find('=');
    current->lines.push_back(eq == std::string::npos ? s
                                                     : TrimRight(s.substr(0, eq)) + "=" + TrimLeft(s.substr(eq + 1)));
    current->Note(current->lines.size() - 1);
  }
}

void TMemIniFile::GetStrings(TStrings* lines) const {
  lines->BeginUpdate();
  try {
    for (const Section& s : data_->sections) {
      lines->Add("[" + s.name + "]");
      for (const std::string& line : s.lines) lines->Add(line);
      lines->Add("");
    }
  } catch (...) {
    lines->EndUpdate();
    throw;
  }
  lines->EndUpdate();
}

void TMemIniFile::UpdateFile() const {
  TStringList lines;
  GetStrings(&lines);
  lines.SaveToFile(fileName_);
}

std::string TMemIniFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
  const Section* s = data_->Find(section);
  if (!s) return defaultValue;
  const std::string* line = s->Find(key);
  if (!line) return defaultValue;
  return line->substr(line->find('=') + 1);
}

int TMemIniFile::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const {
  std::string text = ReadString(section, key, std::string());
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text = "$" + text.substr(2);
  return StrToIntDef(text, defaultValue);
}

bool TMemIniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

double TMemIniFile::ReadFloat(const std::string& section, const std::string& key, double defaultValue) const {
  return StrToFloatDef(ReadString(section, key, std::string()), defaultValue);
}

void TMemIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  Section& s = data_->Add(section);
  const std::string line = key + "=" + value;
  size_t where = 0;
  if (s.Find(key, &where)) {
    s.lines[where] = line;
  } else {
    s.lines.push_back(line);
    s.Note(s.lines.size() - 1);
  }
}

void TMemIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, IntToStr(value));
}

void TMemIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TMemIniFile::WriteFloat(const std::string& section, const std::string& key, double value) {
  WriteString(section, key, FloatToStr(value));
}

void TMemIniFile::ReadSections(TStrings* sections) const {
  sections->BeginUpdate();
  try {
    sections->Clear();
    for (const Section& s : data_->sections) sections->Add(s.name);
  } catch (...) {
    sections->EndUpdate();
    throw;
  }
  sections->EndUpdate();
}

void TMemIniFile::ReadSection(const std::string& section, TStrings* keys) const {
  keys->BeginUpdate();
  try {
    keys->Clear();
    if (const Section* s = data_->Find(section)) {
      for (size_t i = 0; i < s->lines.size(); ++i) {
        const size_t eq = s->lines[i].find('=');
        if (eq == std::string::npos) continue;
        // Only the first line of a key counts as the key.
        size_t first = 0;
        const std::string name = s->lines[i].substr(0, eq);
        if (s->Find(name, &first) && first == i) keys->Add(name);
      }
    }
  } catch (...) {
    keys->EndUpdate();
    throw;
  }
  keys->EndUpdate();
}

void TMemIniFile::ReadSectionValues(const std::string& section, TStrings* values) const {
  values->BeginUpdate();
  try {
    values->Clear();
    if (const Section* s = data_->Find(section))
      for (const std::string& line : s->lines) values->Add(line);
  } catch (...) {
    values->EndUpdate();
    throw;
  }
  values->EndUpdate();
}

bool TMemIniFile::SectionExists(const std::string& section) const { return data_->Find(section) != nullptr; }

bool TMemIniFile::ValueExists(const std::string& section, const std::string& key) const {
  const Section* s = data_->Find(section);
  return s && s->Find(key);
}

void TMemIniFile::EraseSection(const std::string& section) {
  const auto it = data_->index.find(AnsiUpperCase(section));
  if (it == data_->index.end()) return;
  data_->sections.erase(data_->sections.begin() + static_cast<std::ptrdiff_t>(it->second));
  data_->Reindex();
}

void TMemIniFile::DeleteKey(const std::string& section, const std::string& key) {
  Section* s = data_->Find(section);
  size_t where = 0;
  if (!s || !s->Find(key, &where)) return;
  s->lines.erase(s->lines.begin() + static_cast<std::ptrdiff_t>(where));
  s->Index();
}

// An INI file held in memory.
//
// Lines are trimmed; empty lines and lines starting with ';' are dropped; a
// line "[name]" opens a section (name trimmed); "key = value" is stored as
// "key=value" (blanks around '=' dropped; the key ends at the first '=', so
// the value may hold more of them). Lines before the first section are
// dropped. Section and key names are compared without case (1251-aware).
//
// A section that appears twice is merged into its first occurrence: its
// lines are appended there, ReadSections lists it once, at its first place.
// When a key appears twice in a section the first one is read and
// ReadSection lists it once.
#pragma once

#include <memory>
#include <string>

#include "platform/rtl/classes.h"

class TStrings;

class TMemIniFile : public TObject {
 public:
  // Reads the file when it exists; a missing file gives an empty INI.
  explicit TMemIniFile(const std::string& fileName = std::string());
  ~TMemIniFile() override;

  const std::string& FileName() const { return fileName_; }
  void Rename(const std::string& fileName, bool reload);
  void Clear();
  void SetStrings(const TStrings* lines);   // replaces everything by parsing lines
  void GetStrings(TStrings* lines) const;  // "[section]" then its lines, per section
  void UpdateFile() const;  // writes GetStrings to FileName (EFCreateError)

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  // "0x"/"0X" followed by at least one character reads as hexadecimal, like
  // "$"; any text that is no integer gives the default.
  int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
  // "0" is false, any other integer true; other text gives the default.
  bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
  double ReadFloat(const std::string& section, const std::string& key, double defaultValue) const;

  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void WriteBool(const std::string& section, const std::string& key, bool value);  // "1"/"0"
  void WriteFloat(const std::string& section, const std::string& key, double value);

  // Section names as written, in file order.
  void ReadSections(TStrings* sections) const;
  // Key names of one section as written, in file order.
  void ReadSection(const std::string& section, TStrings* keys) const;
  // The section's "key=value" lines, in file order.
  void ReadSectionValues(const std::string& section, TStrings* values) const;
  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& key) const;
  void EraseSection(const std::string& section);
  void DeleteKey(const std::string& section, const std::string& key);

 private:
  struct Data;
  std::string fileName_;
  std::unique_ptr<Data> data_;
};

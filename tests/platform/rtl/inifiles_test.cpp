#include "platform/rtl/inifiles.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/rtl/strings.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/text1251.h"
#include "temp_folder.h"

namespace {

using V = std::vector<std::string>;

V Lines(const TStrings& s) {
  V v;
  for (int i = 0; i < s.Count(); ++i) v.push_back(s.Strings(i));
  return v;
}

void Load(TMemIniFile& ini, const std::string& text) {
  TStringList lines;
  lines.SetText(text);
  ini.SetStrings(&lines);
}

const char* kSkin =
    "; skin description\r\n"
    "junk=before any section\r\n"
    "[GLOBALINFO]\r\n"
    "VERSION=5.49\r\n"
    "Author = Somebody  \r\n"
    "\r\n"
    "   [ BUTTON ]   \r\n"
    "COLOR=$00FF00\r\n"
    "PARENTCLASS=PANEL\r\n"
    "GRADIENTDATA=16777215;0;50;0;0;a=b\r\n"
    ";COLOR=123\r\n"
    "BORDERCOLOR1=0x10\r\n"
    "SHADOWBLUR=abc\r\n"
    "Flag\r\n"
    "[PANEL]\r\n"
    "COLOR=-1\r\n"
    "[EDIT]\r\n";

TEST(MemIniFile, SectionsAndKeysComeInFileOrder) {
  TMemIniFile ini;
  Load(ini, kSkin);
  TStringList names;
  ini.ReadSections(&names);
  EXPECT_EQ(Lines(names), (V{"GLOBALINFO", "BUTTON", "PANEL", "EDIT"}));
  ini.ReadSection("BUTTON", &names);  // replaces the list's contents
  EXPECT_EQ(Lines(names), (V{"COLOR", "PARENTCLASS", "GRADIENTDATA", "BORDERCOLOR1", "SHADOWBLUR"}));
  ini.ReadSection("EDIT", &names);
  EXPECT_EQ(names.Count(), 0);
  ini.ReadSection("NOSUCH", &names);
  EXPECT_EQ(names.Count(), 0);
  ini.ReadSectionValues("GLOBALINFO", &names);
  EXPECT_EQ(Lines(names), (V{"VERSION=5.49", "Author=Somebody"}));
}

TEST(MemIniFile, ValuesTrimmedAndEqualsSignsKept) {
  TMemIniFile ini;
  Load(ini, kSkin);
  EXPECT_EQ(ini.ReadString("GLOBALINFO", "AUTHOR", "?"), "Somebody");
  EXPECT_EQ(ini.ReadString("BUTTON", "GRADIENTDATA", "?"), "16777215;0;50;0;0;a=b");
  EXPECT_EQ(ini.ReadString("BUTTON", "junk", "?"), "?");  // lines before a section are dropped
  EXPECT_EQ(ini.ReadString("BUTTON", "Flag", "?"), "?");  // not a key
  EXPECT_EQ(ini.ReadString("EDIT", "COLOR", "?"), "?");
  EXPECT_TRUE(ini.SectionExists("EDIT"));
  EXPECT_FALSE(ini.SectionExists("MISSING"));
  EXPECT_TRUE(ini.ValueExists("button", "parentclass"));
  EXPECT_FALSE(ini.ValueExists("BUTTON", "Flag"));
}

TEST(MemIniFile, SectionAndKeyNamesIgnoreCaseIncludingCyrillic) {
  TMemIniFile ini;
  Load(ini, brsm::FromUtf8("[Кнопка]\r\nЦвет=1\r\n[button]\r\nColor=2\r\n"));
  EXPECT_EQ(ini.ReadInteger(brsm::FromUtf8("КНОПКА"), brsm::FromUtf8("цвет"), 0), 1);
  EXPECT_EQ(ini.ReadInteger("BUTTON", "COLOR", 0), 2);
  EXPECT_EQ(ini.ReadInteger("Button", "color", 0), 2);
}

TEST(MemIniFile, NumbersReadAsThePlatformReadsThem) {
  TMemIniFile ini;
  Load(ini, kSkin);
  EXPECT_EQ(ini.ReadInteger("BUTTON", "COLOR", -1), 0x00FF00);
  EXPECT_EQ(ini.ReadInteger("BUTTON", "BORDERCOLOR1", -1), 16);  // 0x prefix
  EXPECT_EQ(ini.ReadInteger("BUTTON", "SHADOWBLUR", 6), 6);     // bad text: default
  EXPECT_EQ(ini.ReadInteger("PANEL", "COLOR", 7), -1);          // a real -1 is a value
  EXPECT_EQ(ini.ReadInteger("PANEL", "MISSING", 7), 7);
  EXPECT_DOUBLE_EQ(ini.ReadFloat("GLOBALINFO", "VERSION", 0), 5.49);
  EXPECT_DOUBLE_EQ(ini.ReadFloat("GLOBALINFO", "AUTHOR", 1.5), 1.5);

  TMemIniFile b;
  Load(b, "[S]\r\nA=1\r\nB=0\r\nC=TRUE\r\nD=0x\r\n");
  EXPECT_TRUE(b.ReadBool("S", "A", false));
  EXPECT_FALSE(b.ReadBool("S", "B", true));
  EXPECT_TRUE(b.ReadBool("S", "C", true));  // not a number: default
  EXPECT_FALSE(b.ReadBool("S", "C", false));
  EXPECT_EQ(b.ReadInteger("S", "D", 3), 3);  // "0x" alone is no number
}

TEST(MemIniFile, RepeatedSectionsMergeAndFirstKeyWins) {
  TMemIniFile ini;
  Load(ini, "[A]\r\nK=1\r\n[B]\r\nX=1\r\n[a]\r\nK=2\r\nL=3\r\n");
  TStringList names;
  ini.ReadSections(&names);
  EXPECT_EQ(Lines(names), (V{"A", "B"}));
  EXPECT_EQ(ini.ReadString("A", "K", ""), "1");
  EXPECT_EQ(ini.ReadString("A", "L", ""), "3");
  ini.ReadSection("A", &names);
  EXPECT_EQ(Lines(names), (V{"K", "L"}));
  ini.DeleteKey("A", "K");  // uncovers the second K
  EXPECT_EQ(ini.ReadString("A", "K", ""), "2");
}

TEST(MemIniFile, WritesEraseAndGetStrings) {
  TMemIniFile ini;
  Load(ini, kSkin);
  ini.WriteString("BUTTON", "color", "1");
  ini.WriteInteger("NEW", "N", -5);
  ini.WriteBool("NEW", "B", true);
  ini.WriteFloat("NEW", "F", 2.5);
  EXPECT_EQ(ini.ReadString("BUTTON", "COLOR", ""), "1");
  EXPECT_EQ(ini.ReadInteger("NEW", "N", 0), -5);
  EXPECT_EQ(ini.ReadString("NEW", "F", ""), "2.5");
  ini.EraseSection("globalinfo");
  ini.DeleteKey("BUTTON", "PARENTCLASS");
  ini.DeleteKey("BUTTON", "NOSUCH");
  ini.EraseSection("NOSUCH");
  EXPECT_FALSE(ini.SectionExists("GLOBALINFO"));
  EXPECT_TRUE(ini.SectionExists("PANEL"));  // indexes still right after erasing
  EXPECT_EQ(ini.ReadInteger("PANEL", "COLOR", 0), -1);
  TStringList out;
  ini.GetStrings(&out);
  EXPECT_EQ(Lines(out), (V{"[BUTTON]", "color=1", "GRADIENTDATA=16777215;0;50;0;0;a=b", "BORDERCOLOR1=0x10",
                           "SHADOWBLUR=abc", "Flag", "", "[PANEL]", "COLOR=-1", "", "[EDIT]", "",
                           "[NEW]", "N=-5", "B=1", "F=2.5", ""}));
  ini.Clear();
  ini.ReadSections(&out);
  EXPECT_EQ(out.Count(), 0);
}

TEST(MemIniFile, FileConstructorAndUpdate) {
  TempFolder dir;
  const std::string name = dir / "Options.dat";
  WriteBytes(name, "[GLOBALINFO]\r\nVERSION=5.49\r\n[FORM]\nCOLOR=1\n");
  TMemIniFile ini(name);
  EXPECT_EQ(ini.FileName(), name);
  EXPECT_EQ(ini.ReadString("FORM", "COLOR", ""), "1");
  ini.WriteString("FORM", "COLOR", "2");
  ini.UpdateFile();
  EXPECT_EQ(ReadBytes(name), "[GLOBALINFO]\r\nVERSION=5.49\r\n\r\n[FORM]\r\nCOLOR=2\r\n\r\n");

  TMemIniFile missing(dir / "none.dat");  // no file: empty, no error
  TStringList names;
  missing.ReadSections(&names);
  EXPECT_EQ(names.Count(), 0);
  missing.Rename(name, true);
  EXPECT_EQ(missing.ReadString("FORM", "COLOR", ""), "2");

  TMemIniFile unwritable(dir / "no" + PathDelim + "such.dat");
  unwritable.WriteString("A", "B", "C");
  EXPECT_THROW(unwritable.UpdateFile(), EFCreateError);
}

}  // namespace

#include "skin/core/ini_text.h"

#include <gtest/gtest.h>

namespace {

TIniTextSections Parse(const std::string& text) {
  TStringList lines;
  lines.SetText(text);
  TIniTextSections sections;
  ParseIniSections(lines, sections);
  return sections;
}

}  // namespace

TEST(IniText, SectionsCollectTheirLines) {
  const TIniTextSections s =
      Parse("dropped=1\r\n[FIRST]\r\n;comment\r\n\r\nA=1\r\nplain line\r\n[SECOND]\r\nB=2\r\n[]\r\n");
  ASSERT_EQ(s.Count(), 3);
  EXPECT_EQ(s.Name(0), "FIRST");
  ASSERT_EQ(s.Lines(0).Count(), 2);
  EXPECT_EQ(s.Lines(0).Strings(0), "A=1");
  EXPECT_EQ(s.Lines(0).Strings(1), "plain line");
  EXPECT_EQ(s.Name(2), "");
  EXPECT_EQ(ReadIniTextString(s, "FIRST", "def", "dropped"), "def");  // lines before any section
}

TEST(IniText, ReadsStringsByNameWithoutCase) {
  const TIniTextSections s = Parse("[Edit]\r\nCOLOR=1=2\r\nEmpty=\r\ncolor=second\r\n");
  EXPECT_EQ(ReadIniTextString(s, "EDIT", "?", "COLOR"), "1=2");  // everything after the first "="
  EXPECT_EQ(ReadIniTextString(s, "edit", "?", "color"), "1=2");  // the first line wins
  EXPECT_EQ(ReadIniTextString(s, "EDIT", "?", "EMPTY"), "");
  EXPECT_EQ(ReadIniTextString(s, "EDIT", "?", "MISSING"), "?");
  EXPECT_EQ(ReadIniTextString(s, "NONE", "?", "COLOR"), "?");
}

TEST(IniText, ReadsIntegersWithHexPrefixes) {
  const TIniTextSections s =
      Parse("[S]\r\nA=0x10\r\nB=0X1f\r\nC=abc\r\nD=-12\r\nE=0x\r\nF=$20\r\nG=12 \r\n");
  EXPECT_EQ(ReadIniTextInteger(s, "S", 7, "A"), 16);
  EXPECT_EQ(ReadIniTextInteger(s, "S", 7, "B"), 31);
  EXPECT_EQ(ReadIniTextInteger(s, "S", 7, "C"), 7);
  EXPECT_EQ(ReadIniTextInteger(s, "S", 7, "D"), -12);
  EXPECT_EQ(ReadIniTextInteger(s, "S", 7, "E"), 7);  // "0x" alone is no number
  EXPECT_EQ(ReadIniTextInteger(s, "S", 7, "F"), 32);
  EXPECT_EQ(ReadIniTextInteger(s, "S", 7, "G"), 7);  // nothing may follow the digits
  EXPECT_EQ(ReadIniTextInteger(s, "S", 7, "MISSING"), 7);
}

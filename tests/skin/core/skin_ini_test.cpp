#include "skin/core/skin_ini.h"

#include <gtest/gtest.h>

#include "platform/rtl/inifiles.h"
#include "platform/rtl/strings.h"

namespace {

void SetText(TMemIniFile& ini, const std::string& text) {
  TStringList lines;
  lines.SetText(text);
  ini.SetStrings(&lines);
}

}  // namespace

TEST(InheritedIni, KeysComeDownTheParentChain) {
  TMemIniFile ini;
  SetText(ini,
          "[BUTTON]\r\nCOLOR=255\r\nCAPTION=Button\r\n"
          "[SPEED]\r\nPARENTCLASS=BUTTON\r\n"
          "[SMALL]\r\nPARENTCLASS=SPEED\r\nCOLOR=-1\r\nCAPTION=?\r\n"
          "[OWN]\r\nPARENTCLASS=BUTTON\r\nCOLOR=7\r\nTEXT=x\r\n");
  EXPECT_EQ(InheritedIniInteger(ini, "SPEED", "COLOR", 1), 255);
  EXPECT_EQ(InheritedIniInteger(ini, "SMALL", "COLOR", 1), 255);  // -1 counts as missing
  EXPECT_EQ(InheritedIniString(ini, "SMALL", "CAPTION", "d"), "Button");  // so does "?"
  EXPECT_EQ(InheritedIniInteger(ini, "OWN", "COLOR", 1), 7);
  EXPECT_EQ(InheritedIniInteger(ini, "SMALL", "MISSING", 42), 42);
  EXPECT_EQ(InheritedIniString(ini, "SMALL", "MISSING", "d"), "d");
  EXPECT_EQ(InheritedIniInteger(ini, "NOSECTION", "COLOR", 3), 3);
}

TEST(InheritedIni, NonNumbersReadAsMissing) {
  TMemIniFile ini;
  SetText(ini, "[A]\r\nN=12\r\n[B]\r\nPARENTCLASS=A\r\nN=twelve\r\n");
  EXPECT_EQ(InheritedIniInteger(ini, "B", "N", 0), 12);
}

TEST(InheritedIni, ChainsThatComeBackStop) {
  TMemIniFile ini;
  SetText(ini,
          "[SELF]\r\nPARENTCLASS=SELF\r\n"
          "[LOWERSELF]\r\nPARENTCLASS=lowerself\r\n"
          "[A]\r\nPARENTCLASS=B\r\n[B]\r\nPARENTCLASS=C\r\n[C]\r\nPARENTCLASS=A\r\n"
          "[D]\r\nPARENTCLASS=A\r\nCOLOR=-1\r\n");
  EXPECT_EQ(InheritedIniInteger(ini, "SELF", "COLOR", 5), 5);
  EXPECT_EQ(InheritedIniString(ini, "SELF", "X", "s"), "s");
  EXPECT_EQ(InheritedIniInteger(ini, "LOWERSELF", "COLOR", 5), 5);
  EXPECT_EQ(InheritedIniInteger(ini, "A", "COLOR", 6), 6);
  EXPECT_EQ(InheritedIniString(ini, "B", "X", "t"), "t");
  EXPECT_EQ(InheritedIniInteger(ini, "D", "COLOR", 8), 8);  // entering a loop from outside
}

TEST(InheritedIni, ParentChainIsMadeOnce) {
  TMemIniFile ini;
  SetText(ini, "[A]\r\nPARENTCLASS=B\r\n[B]\r\nPARENTCLASS=c\r\n[C]\r\nPARENTCLASS=a\r\nK=1\r\n"
               "[E]\r\nPARENTCLASS=?\r\n[F]\r\nPARENTCLASS=\r\n");
  EXPECT_EQ(ParentChain(ini, "A"), (std::vector<std::string>{"A", "B", "c"}));
  EXPECT_EQ(ParentChain(ini, "E"), (std::vector<std::string>{"E"}));
  EXPECT_EQ(ParentChain(ini, "F"), (std::vector<std::string>{"F"}));
  EXPECT_EQ(InheritedIniInteger(ini, ParentChain(ini, "A"), "K", 0), 1);
}

#include "platform/rtl/text1251.h"

#include <gtest/gtest.h>

#include <string>

using brsm::FromUtf16;
using brsm::FromUtf8;
using brsm::ToUtf16;
using brsm::ToUtf8;

namespace {

std::string AllBytes() {
  std::string s;
  for (int i = 0; i < 256; ++i) s += static_cast<char>(i);
  return s;
}

TEST(Text1251, EveryAssignedByteSurvivesUtf16AndUtf8RoundTrips) {
  const std::string all = AllBytes();
  const std::wstring wide = ToUtf16(all);
  ASSERT_EQ(wide.size(), 256u);
  std::string expected = all;
  expected[0x98] = '?';  // unassigned: U+FFFD there, '?' back
  EXPECT_EQ(wide[0x98], static_cast<wchar_t>(0xFFFD));
  EXPECT_EQ(FromUtf16(wide), expected);
  EXPECT_EQ(FromUtf8(ToUtf8(all)), expected);
  // No two bytes share a character.
  for (int i = 0x80; i < 256; ++i) {
    for (int j = i + 1; j < 256; ++j) {
      if (i != 0x98 && j != 0x98) {
        ASSERT_NE(wide[i], wide[j]) << i << " " << j;
      }
    }
  }
}

TEST(Text1251, KnownCharactersOfTheTable) {
  EXPECT_EQ(brsm::CharToUtf16('\xC0'), static_cast<wchar_t>(0x0410));  // А
  EXPECT_EQ(brsm::CharToUtf16('\xFF'), static_cast<wchar_t>(0x044F));  // я
  EXPECT_EQ(brsm::CharToUtf16('\xA8'), static_cast<wchar_t>(0x0401));  // Ё
  EXPECT_EQ(brsm::CharToUtf16('\xB8'), static_cast<wchar_t>(0x0451));  // ё
  EXPECT_EQ(brsm::CharToUtf16('\x88'), static_cast<wchar_t>(0x20AC));  // €
  EXPECT_EQ(brsm::CharToUtf16('\xB9'), static_cast<wchar_t>(0x2116));  // №
  EXPECT_EQ(brsm::CharToUtf16('\xA0'), static_cast<wchar_t>(0x00A0));
  EXPECT_EQ(brsm::CharToUtf16('\x96'), static_cast<wchar_t>(0x2013));  // –
  // Source literals are UTF-8.
  EXPECT_EQ(FromUtf8("Привет, мир"), "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0");
  EXPECT_EQ(ToUtf8("\xCF\xF0\xE8\xE2\xE5\xF2"), "Привет");
}

TEST(Text1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(FromUtf16(std::wstring{L'a', static_cast<wchar_t>(0x4E2D), L'b'}), "a?b");
  EXPECT_EQ(FromUtf16(std::wstring{static_cast<wchar_t>(0xFFFD)}), "?");
  // A surrogate pair is one character; a lone surrogate is one '?' as well.
  EXPECT_EQ(FromUtf16(std::wstring{L'x', static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00), L'y'}), "x?y");
  EXPECT_EQ(FromUtf16(std::wstring{static_cast<wchar_t>(0xDC00), L'z'}), "?z");
  // Embedded NUL is kept when a length is given, ends the text otherwise.
  const wchar_t raw[] = {L'a', 0, L'b', 0};
  EXPECT_EQ(FromUtf16(raw, 3), std::string("a\0b", 3));
  EXPECT_EQ(FromUtf16(raw), "a");
  EXPECT_EQ(FromUtf16(static_cast<const wchar_t*>(nullptr)), "");
}

TEST(Text1251, BrokenUtf8IsReplacedNotOverrun) {
  EXPECT_EQ(FromUtf8("a\xFF" "b"), "a?b");
  EXPECT_EQ(FromUtf8("a\xD0"), "a?");             // cut short at the end
  EXPECT_EQ(FromUtf8("\xD0" "A"), "?A");          // continuation missing
  EXPECT_EQ(FromUtf8("\xF0\x9F\x98\x80!"), "?!");  // beyond the BMP
  EXPECT_EQ(FromUtf8("\xE4\xB8\xAD"), "?");        // not in 1251
}

TEST(Text1251, AsciiCaseLeavesCyrillicAlone) {
  const std::string mixed = FromUtf8("Skin Кнопка ё");
  EXPECT_EQ(UpperCase(mixed), FromUtf8("SKIN Кнопка ё"));
  EXPECT_EQ(LowerCase(mixed), FromUtf8("skin Кнопка ё"));
  EXPECT_TRUE(SameText("Button", "BUTTON"));
  EXPECT_FALSE(SameText(FromUtf8("кнопка"), FromUtf8("КНОПКА")));
  EXPECT_LT(CompareText("abc", "ABD"), 0);
  EXPECT_GT(CompareStr("a", "B"), 0);  // byte order: 'a' after 'B'
}

TEST(Text1251, AnsiCaseCoversTheWholeCodePage) {
  EXPECT_EQ(AnsiUpperCase(FromUtf8("съешь ещё этих мягких булок ёжик")),
            FromUtf8("СЪЕШЬ ЕЩЁ ЭТИХ МЯГКИХ БУЛОК ЁЖИК"));
  EXPECT_EQ(AnsiLowerCase(FromUtf8("ЯБЛОКО Ёлка ЇЖАК ЎЖ ҐАНОК Љ")), FromUtf8("яблоко ёлка їжак ўж ґанок љ"));
  EXPECT_EQ(AnsiUpperCase(FromUtf8("µ№€")), FromUtf8("µ№€"));  // no capitals in the code page
  // Upper and lower case are inverse on every letter pair.
  for (int i = 0; i < 256; ++i) {
    const char c = static_cast<char>(i);
    const char up = AnsiUpCase(c), low = AnsiLowCase(c);
    if (up != c) {
      EXPECT_EQ(AnsiLowCase(up), c) << i;
    }
    if (low != c) {
      EXPECT_EQ(AnsiUpCase(low), c) << i;
    }
  }
}

TEST(Text1251, AnsiComparisonIsAlphabetical) {
  EXPECT_EQ(AnsiCompareText(FromUtf8("Кнопка"), FromUtf8("КНОПКА")), 0);
  EXPECT_LT(AnsiCompareText(FromUtf8("ель"), FromUtf8("ёж")), 0);   // Е < Ё
  EXPECT_LT(AnsiCompareText(FromUtf8("ёж"), FromUtf8("жук")), 0);   // Ё < Ж
  EXPECT_LT(AnsiCompareText("zebra", FromUtf8("арбуз")), 0);        // Latin first
  EXPECT_LT(AnsiCompareText("9", "a"), 0);
  EXPECT_LT(AnsiCompareText("_x", "a"), 0);
  EXPECT_LT(AnsiCompareText("ab", "ABC"), 0);
  EXPECT_TRUE(AnsiSameText(FromUtf8("ГлобалИнфо"), FromUtf8("глобалинфо")));
  EXPECT_FALSE(AnsiSameText("a", "ab"));
  // Case-sensitive: same letters, the lower-case one first; letters decide first.
  EXPECT_LT(AnsiCompareStr("abc", "Abc"), 0);
  EXPECT_GT(AnsiCompareStr("Abc", "abc"), 0);
  EXPECT_LT(AnsiCompareStr("Abc", "abd"), 0);
  EXPECT_EQ(AnsiCompareStr("same", "same"), 0);
}

}  // namespace

#include "platform/rtl/sysutils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Conversions, StrToIntAcceptsThePlatformsForms) {
  EXPECT_EQ(StrToInt("42"), 42);
  EXPECT_EQ(StrToInt("  -17"), -17);
  EXPECT_EQ(StrToInt("+8"), 8);
  EXPECT_EQ(StrToInt("$FF"), 255);
  EXPECT_EQ(StrToInt("0x1a"), 26);
  EXPECT_EQ(StrToInt("0X10"), 16);
  EXPECT_EQ(StrToInt("-$10"), -16);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);  // full 32-bit pattern
  EXPECT_EQ(StrToInt("$00FF00FF"), 0xFF00FF);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), std::numeric_limits<int>::min());
  EXPECT_EQ(StrToInt("007"), 7);
}

TEST(Conversions, StrToIntRejectsEverythingElse) {
  for (const char* bad : {"", " ", "abc", "12 ", "1.5", "--1", "$", "0x", "$1G", "2147483648",
                          "-2147483649", "$100000000", "1e3", "+", "4 2"}) {
    EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
    EXPECT_EQ(StrToIntDef(bad, -77), -77) << bad;
    int v = 5;
    EXPECT_FALSE(TryStrToInt(bad, v)) << bad;
    EXPECT_EQ(v, 5) << bad;
  }
  try {
    StrToInt("abc");
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "'abc' is not a valid integer value");
    EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
  }
}

TEST(Conversions, FloatsUseAPointWhateverTheLocale) {
  EXPECT_DOUBLE_EQ(StrToFloat("5.49"), 5.49);
  EXPECT_DOUBLE_EQ(StrToFloat(" -0.5 "), -0.5);
  EXPECT_DOUBLE_EQ(StrToFloat("1e3"), 1000.0);
  EXPECT_DOUBLE_EQ(StrToFloat("+2.5E-2"), 0.025);
  EXPECT_DOUBLE_EQ(StrToFloat(".5"), 0.5);
  EXPECT_DOUBLE_EQ(StrToFloat("7."), 7.0);
  EXPECT_DOUBLE_EQ(StrToFloat("12"), 12.0);
  for (const char* bad : {"", "5,49", "abc", "1e", "inf", "nan", "0x10", ".", "1.2.3", "1e999"})
    EXPECT_THROW(StrToFloat(bad), EConvertError) << bad;
  EXPECT_DOUBLE_EQ(StrToFloatDef("5,49", 1.25), 1.25);
  try {
    StrToFloat("x");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "'x' is not a valid floating point value");
  }
}

TEST(Conversions, FloatToStrHasFifteenDigitsAndPlatformExponents) {
  EXPECT_EQ(FloatToStr(5.49), "5.49");
  EXPECT_EQ(FloatToStr(0), "0");
  EXPECT_EQ(FloatToStr(-2.5), "-2.5");
  EXPECT_EQ(FloatToStr(100), "100");
  EXPECT_EQ(FloatToStr(0.1 + 0.2), "0.3");  // 15 digits, not the full 17
  EXPECT_EQ(FloatToStr(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(FloatToStr(123456789012345.0), "123456789012345");
  EXPECT_EQ(FloatToStr(1e15), "1E15");
  EXPECT_EQ(FloatToStr(1e20), "1E20");
  EXPECT_EQ(FloatToStr(0.00001), "1E-5");
  EXPECT_EQ(FloatToStr(0.0001), "0.0001");
  EXPECT_EQ(FloatToStr(-1.5e-7), "-1.5E-7");
  for (double v : {5.49, 0.25, 1234.5678, 1e-3, 9.75e12})
    EXPECT_DOUBLE_EQ(StrToFloat(FloatToStr(v)), v) << v;
}

TEST(Conversions, RoundHalvesToEvenTruncTowardsZero) {
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(3.5), 4);
  EXPECT_EQ(Round(-2.5), -2);
  EXPECT_EQ(Round(-3.5), -4);
  EXPECT_EQ(Round(0.5), 0);
  EXPECT_EQ(Round(1.5), 2);
  EXPECT_EQ(Round(2.4999), 2);
  EXPECT_EQ(Round(2.5001), 3);
  EXPECT_EQ(Round(-0.4), 0);
  EXPECT_EQ(Round64(4294967296.5), 4294967296LL);
  EXPECT_EQ(Round(1e12), std::numeric_limits<int>::max());
  EXPECT_EQ(Round(std::nan("")), 0);
  EXPECT_EQ(Trunc(2.9), 2);
  EXPECT_EQ(Trunc(-2.9), -2);
  EXPECT_EQ(Trunc(-1e12), std::numeric_limits<int>::min());
}

TEST(Conversions, MulDivRoundsAndGuards) {
  EXPECT_EQ(MulDiv(10, 3, 4), 8);   // 7.5 -> 8
  EXPECT_EQ(MulDiv(-10, 3, 4), -8);
  EXPECT_EQ(MulDiv(10, 3, -4), -8);
  EXPECT_EQ(MulDiv(7, 1, 3), 2);
  EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);  // no 32-bit overflow inside
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
  EXPECT_EQ(MulDiv(2147483647, 2, 1), -1);
}

TEST(Conversions, IntegerTextAndTrim) {
  EXPECT_EQ(IntToStr(-42), "-42");
  EXPECT_EQ(IntToStr(int64_t{1} << 40), "1099511627776");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(0xFF00FF, 2), "FF00FF");
  EXPECT_EQ(IntToHex(-1, 1), "FFFFFFFF");
  EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
  EXPECT_EQ(Trim("   "), "");
}

}  // namespace

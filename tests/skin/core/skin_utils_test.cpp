#include "skin/core/skin_utils.h"

#include <algorithm>

#include "platform/rtl/files.h"
#include "skin/core/skin_constants.h"
#include "tests/skin/core/skin_files_test_support.h"

TEST(SkinWords, FindsTakesAndCountsWords) {
  EXPECT_EQ(TakeWordAt(1, "!a.bmp!3!1", "!"), "a.bmp");
  EXPECT_EQ(TakeWordAt(3, "!a.bmp!3!1", "!"), "1");
  EXPECT_EQ(TakeWordAt(4, "!a.bmp!3!1", "!"), "");
  EXPECT_EQ(TakeWordAt(0, "a b", " "), "");
  EXPECT_EQ(FindWordStart(2, "  ab  cd", " "), 7);
  EXPECT_EQ(FindWordStart(3, "  ab  cd", " "), 0);
  EXPECT_EQ(CountWordsIn(";;1;;2;", ";"), 2);
  EXPECT_EQ(CountWordsIn("", ";"), 0);
  EXPECT_EQ(TakeWordAt(2, "x(1,2)(3)", "()"), "1,2");  // any separator of the set
  const std::vector<std::string> words = SplitWords(" a,b  c,", " ,");
  EXPECT_EQ(words, (std::vector<std::string>{"a", "b", "c"}));
}

TEST(SkinText, StripsReplacesAndReadsHex) {
  EXPECT_EQ(StripChar(" a b ", ' '), "ab");
  EXPECT_EQ(ReplaceEvery("aaa", "a", "aa"), "aaaaaa");  // replacements not rescanned
  EXPECT_EQ(ReplaceEvery("abcabc", "bc", "-"), "a-a-");
  EXPECT_EQ(ReplaceEvery("abc", "", "x"), "abc");
  EXPECT_EQ(HexStrToInt64("ffh"), 255);
  EXPECT_EQ(HexStrToInt64("FF"), 255);
  EXPECT_EQ(HexStrToInt64("1G"), 0);
  EXPECT_EQ(HexStrToInt64(""), 0);
  EXPECT_EQ(HexStrToInt64("H"), 0);
  EXPECT_EQ(HexStrToInt64("7fffffffffffffff"), INT64_MAX);
}

TEST(SkinNumbers, ClampsChoosesAndMapsPercentages) {
  EXPECT_EQ(ClampToByte(-3), 0);
  EXPECT_EQ(ClampToByte(300), 255);
  EXPECT_EQ(ClampToByte(77), 77);
  EXPECT_TRUE(IsBetween(5, 5, 6));
  EXPECT_FALSE(IsBetween(7, 5, 6));
  EXPECT_EQ(MapPercentRange(0, 40), 40);
  EXPECT_EQ(MapPercentRange(100, 40), 100);
  EXPECT_EQ(MapPercentRange(50, 40), 70);
  EXPECT_EQ(MapPercentRange(1, 50), 50);  // 50.5 rounds to even
  EXPECT_EQ(MapPercentRange(3, 50), 52);  // 51.5 rounds to even
  EXPECT_EQ(GreaterOf(-1, 2), 2);
  EXPECT_EQ(LesserOf(-1, 2), -1);
}

TEST(SkinRects, MeasuresAndContains) {
  const TRect outer{0, 0, 10, 10};
  EXPECT_EQ(RectWidth(TRect{2, 3, 7, 9}), 5);
  EXPECT_EQ(RectHeight(TRect{2, 3, 7, 9}), 6);
  EXPECT_TRUE(RectContainsRect(TRect{0, 0, 10, 10}, outer));  // right and bottom edges included
  EXPECT_TRUE(RectContainsRect(TRect{2, 2, 5, 5}, outer));
  EXPECT_FALSE(RectContainsRect(TRect{2, 2, 11, 5}, outer));
  EXPECT_FALSE(RectContainsRect(TRect{-1, 2, 5, 5}, outer));
}

TEST(SkinPaths, TrailingSeparatorRules) {
  EXPECT_EQ(AddTrailingSeparator(""), "");
  EXPECT_EQ(AddTrailingSeparator("C:\\Skins\\"), "C:\\Skins\\");
  EXPECT_EQ(AddTrailingSeparator("C:/Skins/"), "C:/Skins\\");
  EXPECT_EQ(AddTrailingSeparator("D"), "D:\\");
  EXPECT_EQ(AddTrailingSeparator("."), ".\\");
  EXPECT_EQ(AddTrailingSeparator("C:\\Skins"), "C:\\Skins\\");
}

TEST(SkinSystem, AsksThePlatform) {
  skintest::RecordingPlatform platform;
  platform.Major = 5;
  platform.Minor = 0;
  EXPECT_FALSE(IsWinXPOrLater());
  platform.Minor = 1;
  EXPECT_TRUE(IsWinXPOrLater());
  platform.Major = 10;
  platform.Minor = 0;
  EXPECT_TRUE(IsWinXPOrLater());
  brsm::SetExecutableFileName("C:\\A\\B\\BRSM.exe");
  EXPECT_EQ(ProgramFolder(), "C:\\A\\B\\");
  brsm::SetExecutableFileName("");
  EXPECT_EQ(GetCaptionFontHeight(), 13);
  EXPECT_EQ(CachedHScrollArrowWidth(), 21);  // asked of the platform now installed
  ShowWarningBox("careful");
  ShowErrorBox("broken");
  ASSERT_EQ(platform.Boxes.size(), 2u);
  EXPECT_EQ(platform.Boxes[0].Kind, TSkinBoxKind::Warning);
  EXPECT_EQ(platform.Boxes[0].Text, "careful");
  EXPECT_EQ(platform.Boxes[1].Kind, TSkinBoxKind::Error);
}

TEST(SkinConstants, EmptyCacheInfoAndDefaultClassLists) {
  EXPECT_FALSE(EmptyCacheInfo.Ready);
  EXPECT_EQ(EmptyCacheInfo.X, -99);
  EXPECT_EQ(EmptyCacheInfo.Y, -99);
  EXPECT_TRUE(EmptyCacheInfo.Bmp.Empty());
  EXPECT_EQ(SkinTransparentColor, 0xFF00FF);

  const size_t counts[ThirdPartyListCount] = {18, 1, 1, 5, 3, 11, 3, 1, 2, 3, 4, 1, 7};
  for (int i = 0; i < ThirdPartyListCount; ++i) {
    const std::vector<std::string> names = SplitWords(DefaultThirdPartyList(i), "\r\n");
    EXPECT_EQ(names.size(), counts[i]) << "list " << i;
    // CR LF between names, none after the last.
    const std::string& text = DefaultThirdPartyList(i);
    EXPECT_NE(text.back(), '\n');
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'),
              std::count(text.begin(), text.end(), '\r'));
  }
  EXPECT_EQ(DefaultThirdPartyList(tpButtons), "TButton");
  EXPECT_EQ(DefaultThirdPartyList(tpBitBtns), "TBitBtn");
  EXPECT_EQ(DefaultThirdPartyList(tpEdits).substr(0, 13), "TEdit\r\nTMemo\r");
  EXPECT_EQ(DefaultThirdPartyList(tpVirtualTrees).substr(DefaultThirdPartyList(tpVirtualTrees).size() - 16),
            "TVirtualDrawTree");
  EXPECT_EQ(DefaultThirdPartyList(-1), "");
  EXPECT_EQ(DefaultThirdPartyList(13), "");
}

// Contour passes, the disabled mix and cutting text to a width.
#include "skin/core/skin_text.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "skin/core/skin_data.h"

namespace {
// Every character is 5 pixels wide.
int Fixed(const std::string& s) { return static_cast<int>(s.size()) * 5; }
}  // namespace

TEST(SectionTextTest, ContoursLeftTopRightBottomThenTheText) {
  TsGeneralData s;
  s.FontColor[0] = 0x111111;
  s.FontColor[1] = 0x000001;
  s.FontColor[2] = 0x000002;
  s.FontColor[3] = 0x000003;
  s.FontColor[4] = 0x000004;
  s.HotFontColor[0] = 0x222222;
  s.HotFontColor[3] = 0x000033;
  const std::vector<TsTextPass> normal = {{1, -1, 0}, {2, 0, -1}, {3, 1, 0}, {4, 0, 1}, {0x111111, 0, 0}};
  EXPECT_EQ(SectionTextPasses(s, false), normal);
  const std::vector<TsTextPass> hot = {{0x33, 1, 0}, {0x222222, 0, 0}};
  EXPECT_EQ(SectionTextPasses(s, true), hot);
  // Without contours the text is drawn exactly once.
  TsGeneralData plain;
  plain.FontColor[0] = 0x445566;
  EXPECT_EQ(SectionTextPasses(plain, false), (std::vector<TsTextPass>{{0x445566, 0, 0}}));
}

TEST(SectionTextTest, DisabledTextIsFortyPercentText) {
  TsGeneralData s;
  s.FontColor[0] = 0x000000;
  s.Color = 0xFFFFFF;
  EXPECT_EQ(DisabledTextColor(s), 0x999999);  // round(0.6 * 255) = 153
  s.FontColor[0] = 0x0000FF;
  s.Color = 0x000000;
  EXPECT_EQ(DisabledTextColor(s), 0x000066);
}

TEST(CutTextTest, CutsFromTheEndWithAnEllipsis) {
  EXPECT_EQ(CutTextToWidth("Caption", 35, Fixed), "Caption");
  EXPECT_EQ(CutTextToWidth("Caption", 34, Fixed), "Cap...");
  EXPECT_EQ(CutTextToWidth("Caption", 20, Fixed), "C...");
  EXPECT_EQ(CutTextToWidth("Caption", 19, Fixed), "");  // nothing fits before "..."
  EXPECT_EQ(CutTextToWidth("Caption", 14, Fixed), "");  // narrower than "..."
  EXPECT_EQ(CutTextToWidth("Caption", 0, Fixed), "");
  EXPECT_EQ(CutTextToWidth("Caption", -3, Fixed), "");
  EXPECT_EQ(CutTextToWidth("", 10, Fixed), "");
}

TEST(DottedFrameTest, EveryThirdPixelWithAWhiteShadow) {
  std::set<std::pair<int, int>> black, white;
  ForEachDottedFramePixel(TRect{10, 20, 17, 24}, [&](int x, int y, TColor c) {
    (c == clBlack ? black : white).insert({x, y});
  });
  for (int x : {10, 13, 16}) {
    EXPECT_TRUE(black.count({x, 20})) << x;
    EXPECT_TRUE(black.count({x, 23})) << x;
    EXPECT_TRUE(white.count({x - 1, 19})) << x;
  }
  EXPECT_FALSE(black.count({11, 20}));
  EXPECT_TRUE(black.count({10, 23}));
  EXPECT_TRUE(black.count({16, 23}));
  EXPECT_TRUE(white.count({15, 22}));
}

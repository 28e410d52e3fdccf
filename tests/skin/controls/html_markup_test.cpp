#include "skin/controls/html_markup.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TRun {
  int X, Y;
  std::string Text;
  TsHtmlFont Font;
};

// Every character is Size pixels wide (one more when bold); a line is
// Size + 4 high.
class TRecordingSink : public TsHtmlSink {
 public:
  TRecordingSink() { font.Name = "BASE"; font.Size = 10; font.Color = 0x123456; }
  TsHtmlFont Font() override { return font; }
  void SetFont(const TsHtmlFont& f) override { font = f; }
  int TextWidth(const std::string& text) override {
    return static_cast<int>(text.size()) * (font.Size + (font.Bold ? 1 : 0));
  }
  int TextHeight(const std::string&) override { return font.Size + 4; }
  void TextOut(int x, int y, const std::string& text) override { runs.push_back({x, y, text, font}); }

  TsHtmlFont font;
  std::vector<TRun> runs;
};

TRect Render(TRecordingSink& sink, const std::string& text, TRect layout = TRect{5, 3, 200, 100}) {
  TsHtml html;
  html.Prepare(&sink, text, layout);
  TRect r{-1, -1, -1, -1};
  html.Render(r);
  return r;
}

std::string Drawn(const TRecordingSink& sink) {
  std::string all;
  for (const TRun& r : sink.runs) all += r.Text;
  return all;
}

}  // namespace

TEST(HintMarkup, DoubledOpeningBracketShowsOneAndScanningGoesOn) {
  TRecordingSink sink;
  const TRect r = Render(sink, "a<<b<B>c");
  EXPECT_EQ(Drawn(sink), "a<bc");
  ASSERT_EQ(sink.runs.size(), 3u);
  EXPECT_EQ(sink.runs[1].Text, "<b");
  EXPECT_EQ(sink.runs[1].X, 15);
  EXPECT_TRUE(sink.runs[2].Font.Bold);
  // Widest line from 0: Left 5 + 10 + 20 + 11; height from 0: Top 3 + 14.
  EXPECT_EQ(r, (TRect{0, 0, 46, 17}));
}

TEST(HintMarkup, UnclosedTagStopsDrawingButCountsTheLine) {
  TRecordingSink sink;
  EXPECT_EQ(Render(sink, "ab<BR>cd<B never closed", TRect{0, 0, 50, 50}), (TRect{0, 0, 20, 30}));
  EXPECT_EQ(Drawn(sink), "abcd");
  EXPECT_FALSE(sink.runs.back().Font.Bold);

  TRecordingSink last;
  EXPECT_EQ(Render(last, "xy<", TRect{0, 0, 50, 50}), (TRect{0, 0, 20, 14}));
  EXPECT_EQ(Drawn(last), "xy");
}

// Runs as wide as a sink may answer: the pen stops at the last place a
// canvas can draw instead of wrapping round.
TEST(HintMarkup, AbsurdlyWideRunsHoldThePenInRange) {
  class TWideSink : public TRecordingSink {
   public:
    int TextWidth(const std::string&) override { return 0x7FFFFFF0; }
  } sink;
  const TRect r = Render(sink, "a<B>b<B>c<BR>d");
  ASSERT_EQ(sink.runs.size(), 4u);
  EXPECT_GT(sink.runs[1].X, sink.runs[0].X);
  EXPECT_GE(sink.runs[2].X, sink.runs[1].X);
  EXPECT_EQ(sink.runs[3].X, 5);
  EXPECT_EQ(r.Right, kMarkupMaxPosition);
}

TEST(HintMarkup, LinesBreakOnlyAtTagsAndDropLineEnds) {
  TRecordingSink sink;
  const std::string longLine(300, 'w');
  EXPECT_EQ(Render(sink, longLine, TRect{0, 0, 10, 10}).Right, 3000);

  TRecordingSink broken;
  const TRect r = Render(broken, "one\r\n<br>two<P>th<p>", TRect{4, 0, 10, 10});
  ASSERT_EQ(broken.runs.size(), 3u);
  EXPECT_EQ(broken.runs[0].Text, "one");
  EXPECT_EQ(broken.runs[1].X, 4);
  EXPECT_EQ(broken.runs[1].Y, 16);
  EXPECT_EQ(broken.runs[2].Y, 32);
  EXPECT_FALSE(broken.runs[1].Font.Bold);
  // The last <P> opens an empty line: 2 more, nothing of its own height.
  EXPECT_EQ(r, (TRect{0, 0, 34, 48}));
}

TEST(HintMarkup, TagsMatchByPrefixInOrder) {
  TRecordingSink sink;
  Render(sink, "<BIG>a</BOLD>b<ITEM>c</IX>d<Q>e</Q>f");
  ASSERT_EQ(sink.runs.size(), 6u);
  EXPECT_TRUE(sink.runs[0].Font.Bold);
  EXPECT_FALSE(sink.runs[1].Font.Bold);
  EXPECT_TRUE(sink.runs[2].Font.Italic);
  EXPECT_FALSE(sink.runs[3].Font.Italic);
  EXPECT_EQ(sink.runs[5].Font, sink.runs[4].Font);
}

TEST(HintMarkup, FontTagsNestAndRestoreInOrder) {
  TRecordingSink sink;
  Render(sink, "<FONT SIZE=+2>x<font size=\"-5\" color=red>y</FONT>z</FONT>w</FONT>v");
  ASSERT_EQ(sink.runs.size(), 5u);
  EXPECT_EQ(sink.runs[0].Font.Size, 12);
  EXPECT_EQ(sink.runs[1].Font.Size, 7);
  EXPECT_EQ(sink.runs[1].Font.Color, 0x0000FF);
  EXPECT_EQ(sink.runs[2].Font.Size, 12);
  EXPECT_EQ(sink.runs[2].Font.Color, 0x123456);
  EXPECT_EQ(sink.runs[3].Font.Size, 10);
  // An unbalanced </FONT> with nothing saved changes nothing.
  EXPECT_EQ(sink.runs[4].Font, sink.runs[3].Font);
}

TEST(HintMarkup, ColoursByHashNameOrBareHex) {
  EXPECT_EQ(MarkupColor("#112233"), 0x332211);
  EXPECT_EQ(MarkupColor("112233"), 0x332211);
  EXPECT_EQ(MarkupColor("TEAL"), 0x808000);
  EXPECT_EQ(MarkupColor("FUCHSIA"), 0xFF00FF);
  EXPECT_EQ(MarkupColor("NOTACOLOUR"), 0);
  EXPECT_EQ(MarkupColor("#"), 0);
}

TEST(HintMarkup, SizesKeepWholeNumbersWithinBounds) {
  EXPECT_EQ(MarkupFontSize("14", 8), 14);
  EXPECT_EQ(MarkupFontSize("+3", 8), 11);
  EXPECT_EQ(MarkupFontSize("-20", 8), 1);
  EXPECT_EQ(MarkupFontSize("500", 8), 100);
  EXPECT_EQ(MarkupFontSize("99999999999999", 8), 8);
  EXPECT_EQ(MarkupFontSize("1.5", 8), 8);
  EXPECT_EQ(MarkupFontSize("$10", 8), 8);
  EXPECT_EQ(MarkupFontSize("+", 8), 8);
}

TEST(HintMarkup, FontAttributesWithoutValuesOrOutsideTheTagAreSkipped) {
  TRecordingSink sink;
  // SIZE as the tag's last word; the quotes of FACE only behind the '>'.
  Render(sink, "<FONT COLOR=navy SIZE>a</FONT><FONT FACE>\"Arial\"b");
  ASSERT_EQ(sink.runs.size(), 2u);
  EXPECT_EQ(sink.runs[0].Font.Size, 10);
  EXPECT_EQ(sink.runs[0].Font.Color, 0x800000);
  EXPECT_EQ(sink.runs[1].Font.Name, "BASE");
  EXPECT_EQ(sink.runs[1].Text, "\"Arial\"b");

  TRecordingSink face;
  Render(face, "<FONT FACE=\"Times New\" SIZE=12>t");
  ASSERT_EQ(face.runs.size(), 1u);
  EXPECT_EQ(face.runs[0].Font.Name, "TIMES NEW");
  EXPECT_EQ(face.runs[0].Font.Size, 12);
}

TEST(HintMarkup, CyrillicKeepsItsCaseAndPositions) {
  TRecordingSink sink;
  // "привет" in 1251, lower case, around a bold tag.
  const std::string text = "\xEF\xF0\xE8<b>\xE2\xE5\xF2";
  Render(sink, text);
  EXPECT_EQ(Drawn(sink), "\xEF\xF0\xE8\xE2\xE5\xF2");
}

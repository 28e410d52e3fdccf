#include "skin/core/image_values.h"

#include <gtest/gtest.h>

namespace {

TImageValue Parse(const std::string& value, const std::string& key = "BordersMask") {
  return ParseImageValue("Button", key, value);
}

void ExpectWidths(const TsMaskData& item, int wl, int wt, int wr, int wb) {
  EXPECT_EQ(item.WL, wl);
  EXPECT_EQ(item.WT, wt);
  EXPECT_EQ(item.WR, wr);
  EXPECT_EQ(item.WB, wb);
}

}  // namespace

TEST(ImageValues, OwnFileWithAndWithoutWidths) {
  TImageValue v = Parse("!Frame.BMP!3!1!0");
  ASSERT_EQ(v.Kind, TImageValueKind::OwnFile);
  EXPECT_EQ(v.FileName, "Frame.BMP");
  EXPECT_EQ(v.Item.ImageCount, 3);
  EXPECT_EQ(v.Item.MaskType, 1);
  EXPECT_EQ(v.Item.ImgType, itisaBorder);
  EXPECT_EQ(v.Item.StretchMode, 4);
  EXPECT_EQ(v.Item.SectionName, "Button");  // as written
  EXPECT_EQ(v.Item.PropertyName, "BordersMask");
  PlaceOwnBitmap(v, 90, 60);  // the widths come from the bitmap: 90 / 9, 60 / 6
  EXPECT_EQ(v.Item.SourceRect, (TRect{0, 0, 90, 60}));
  ExpectWidths(v.Item, 10, 10, 10, 10);

  TImageValue w = Parse("!Frame.BMP!2!0!1!1!2!3!4");
  ASSERT_EQ(w.Kind, TImageValueKind::OwnFile);
  EXPECT_EQ(w.Item.ImgType, itisaTexture);
  PlaceOwnBitmap(w, 90, 60);
  ExpectWidths(w.Item, 1, 2, 3, 4);  // given widths are kept
}

TEST(ImageValues, OwnFileNeedsAnUpperCaseBmpAndWholeNumbers) {
  EXPECT_EQ(Parse("!frame.bmp!3!1!0").Kind, TImageValueKind::None);  // ".BMP" is case-sensitive
  EXPECT_EQ(Parse("!Frame.BMP!3!1").Kind, TImageValueKind::None);
  EXPECT_EQ(Parse("!Frame.BMP!x!1!0").Kind, TImageValueKind::None);
  EXPECT_EQ(Parse("!Frame.BMP!3!1!0!1!2").Kind, TImageValueKind::None);  // widths half given
  EXPECT_EQ(Parse("!Frame.BMP!3!1!7").Item.ImgType, itisaGlyph);      // clamped into 0..2
  EXPECT_EQ(Parse("!Frame.BMP!3!1!-2").Item.ImgType, itisaBorder);
}

TEST(ImageValues, FrameCountsThatWouldDivideByZero) {
  TImageValue zero = Parse("!Frame.BMP!0!-1!0");
  ASSERT_EQ(zero.Kind, TImageValueKind::OwnFile);
  EXPECT_EQ(zero.Item.ImageCount, 0);  // kept: painters read 0 as one frame
  EXPECT_EQ(zero.Item.MaskType, 0);
  PlaceOwnBitmap(zero, 30, 30);
  ExpectWidths(zero.Item, 10, 10, 10, 10);  // one frame, one row

  TImageValue negative = Parse("!Frame.BMP!-1!0!0");
  EXPECT_EQ(negative.Item.ImageCount, 1);
  TImageValue border = Parse("^0000 0000 0030 0030 0000 0000 0000 0000 0 0 0 0");
  ASSERT_EQ(border.Kind, TImageValueKind::MasterBorder);
  ExpectWidths(border.Item, 10, 10, 10, 10);
}

TEST(ImageValues, MasterGlyphInFixedColumns) {
  TImageValue v = Parse("@0010 0020 0070 0035 3 1");
  ASSERT_EQ(v.Kind, TImageValueKind::MasterGlyph);
  EXPECT_EQ(v.Item.SourceRect, (TRect{10, 20, 70, 35}));
  EXPECT_EQ(v.Item.ImageCount, 3);
  EXPECT_EQ(v.Item.MaskType, 1);
  EXPECT_EQ(v.Item.ImgType, itisaGlyph);
  EXPECT_EQ(v.Item.Image, nullptr);
  ExpectWidths(v.Item, 0, 0, 0, 0);
  EXPECT_EQ(Parse("@  10   20   70   35 3 1").Item.SourceRect, (TRect{10, 20, 70, 35}));
  EXPECT_EQ(Parse("@0010 0020 0070 0035 3").Kind, TImageValueKind::None);  // too short
}

TEST(ImageValues, MasterBorderWidthsGivenByBorderWidthOrComputed) {
  TImageValue given = Parse("^0000 0000 0090 0060 0001 0002 0003 0004 3 1 5 7");
  ASSERT_EQ(given.Kind, TImageValueKind::MasterBorder);
  ExpectWidths(given.Item, 1, 2, 3, 4);
  EXPECT_EQ(given.Item.ImageCount, 3);
  EXPECT_EQ(given.Item.MaskType, 1);
  EXPECT_EQ(given.Item.StretchMode, 5);
  EXPECT_EQ(given.Item.BorderWidth, 7);
  EXPECT_EQ(given.Item.ImgType, itisaBorder);

  TImageValue byBorder = Parse("^0000 0000 0090 0060 0000 0000 0000 0000 3 1 0 7");
  ExpectWidths(byBorder.Item, 7, 7, 7, 7);
  TImageValue computed = Parse("^0000 0000 0090 0060 0000 0000 0000 0000 3 1 0 0");
  ExpectWidths(computed.Item, 10, 10, 10, 10);  // 90 / (3 * 3), 60 / (2 * 3)
}

TEST(ImageValues, MasterTextureWithOptionalMaskType) {
  TImageValue v = Parse("~0000 0000 0032 0016 10 1");
  ASSERT_EQ(v.Kind, TImageValueKind::MasterTexture);
  EXPECT_EQ(v.Item.StretchMode, 10);
  EXPECT_EQ(v.Item.MaskType, 1);
  EXPECT_EQ(v.Item.ImageCount, 1);
  EXPECT_EQ(v.Item.ImgType, itisaTexture);
  TImageValue shorter = Parse("~0000 0000 0032 0016 03");
  ASSERT_EQ(shorter.Kind, TImageValueKind::MasterTexture);
  EXPECT_EQ(shorter.Item.MaskType, 0);
  EXPECT_EQ(Parse("~0000 0000 0032 0016 99").Item.StretchMode, 14);  // texture modes end at 14
}

TEST(ImageValues, PlainBitmapNameIsUpperCased) {
  TImageValue v = ParseImageValue("edit", "bordersmask", "frame.bmp");
  ASSERT_EQ(v.Kind, TImageValueKind::PlainFile);
  EXPECT_EQ(v.FileName, "FRAME.BMP");
  EXPECT_EQ(v.Item.SectionName, "EDIT");
  EXPECT_EQ(v.Item.PropertyName, "BORDERSMASK");
  EXPECT_EQ(v.Item.ImageCount, 3);
  EXPECT_EQ(v.Item.MaskType, 1);
  EXPECT_EQ(v.Item.StretchMode, 0);
  PlaceOwnBitmap(v, 90, 60);
  ExpectWidths(v.Item, 10, 10, 10, 10);
}

TEST(ImageValues, MasterListWithDefaultsAndPatterns) {
  TImageValue v = ParseImageValue("combo", "bordersmask", "#(0,0,90,60)(3,1)");
  ASSERT_EQ(v.Kind, TImageValueKind::MasterList);
  EXPECT_EQ(v.Item.SectionName, "COMBO");
  EXPECT_EQ(v.Item.SourceRect, (TRect{0, 0, 90, 60}));
  EXPECT_EQ(v.Item.BorderWidth, 0);
  EXPECT_EQ(v.Item.StretchMode, 1);  // absent: 1
  EXPECT_EQ(v.Item.ImgType, itisaBorder);
  ExpectWidths(v.Item, 10, 10, 10, 10);  // 90 / 9, 60 / (1 * 3 + 3)

  TImageValue full = Parse("Name#(1,2,31,22)(0,-4,-2,6)");
  ASSERT_EQ(full.Kind, TImageValueKind::MasterList);
  EXPECT_EQ(full.Item.SourceRect, (TRect{1, 2, 31, 22}));
  EXPECT_EQ(full.Item.ImageCount, 1);  // below 1 becomes 1
  EXPECT_EQ(full.Item.MaskType, 0);    // negative becomes 0
  EXPECT_EQ(full.Item.BorderWidth, 0);
  EXPECT_EQ(full.Item.StretchMode, 6);

  EXPECT_EQ(Parse("#(0,0,90,60) (3,1)").Kind, TImageValueKind::MasterList);  // blank between lists
  TImageValue bordered = Parse("#(0,0,90,60)(3,1,4,2)");
  ExpectWidths(bordered.Item, 4, 4, 4, 4);

  TImageValue pattern = ParseImageValue("PANEL", "HotPattern", "#(0,0,10,10)(1,0,0,5)");
  EXPECT_EQ(pattern.Item.ImgType, itisaTexture);
  EXPECT_EQ(pattern.Item.StretchMode, 0);
}

// Values of other keys (texts, colours, numbers) that merely start with an
// image character are no items, and nothing is raised for them.
TEST(ImageValues, FreeTextIsNoItem) {
  for (const char* text : {"#", "#FF00FF", "@home", "^_^", "~tilde", "!!!", "!Frame.BMP",
                           "16777215", "Brassmith", "note#1", "#(1,2)(3,1)", "#(a,b,c,d)(1,1)",
                           "#(0,0,1,1)(1,x)", "@0010 0020 0070 0035 x 1"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Parse(text).Kind, TImageValueKind::None);
  }
}

TEST(ImageValues, TableIndexesAreClamped) {
  EXPECT_EQ(BevelFromIni(-1), cbNone);
  EXPECT_EQ(BevelFromIni(3), cbRaisedHard);
  EXPECT_EQ(BevelFromIni(9), cbLoweredHard);
  EXPECT_EQ(ImgTypeFromIni(5), itisaGlyph);
}

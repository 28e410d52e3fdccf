// Look-ups by name with the PARENTCLASS fallback, index checks, the
// skin-wide colours, border widths and the cache of common indexes.
#include <gtest/gtest.h>

#include <memory>

#include "skin/core/skin_manager.h"
#include "tests/skin/core/skin_files_test_support.h"
#include "tools/skinkit/marl_skin.h"

namespace {

class LookupTest : public ::testing::Test {
 protected:
  int Section(const std::string& name, const std::string& parent = std::string()) {
    TsGeneralData g;
    g.SectionName = name;
    g.ParentClass = parent;
    m->SectionItems.push_back(g);
    return static_cast<int>(m->SectionItems.size()) - 1;
  }
  int Item(const std::string& section, const std::string& property, TvxImgType type = itisaBorder) {
    TsMaskData item;
    item.SectionName = section;
    item.PropertyName = property;
    item.ImgType = type;
    m->MaskItems.push_back(item);
    return static_cast<int>(m->MaskItems.size()) - 1;
  }

  std::unique_ptr<TsSkinManager> m = std::make_unique<TsSkinManager>(nullptr);
};

TEST_F(LookupTest, NamesCompareExactlyAndParentsAreFollowedOnlyWhereAsked) {
  const int edit = Section("EDIT");
  const int small = Section("EDIT_SMALL", "EDIT");
  const int tiny = Section("EDIT_TINY", "EDIT_SMALL");
  const int border = Item("EDIT", "BORDERSMASK");
  const int texture = Item("EDIT", "PATTERN", itisaTexture);
  const int own = Item("EDIT_SMALL", "GLYPHMASK");

  EXPECT_EQ(m->LookupSection("EDIT_SMALL"), small);
  EXPECT_EQ(m->LookupSection("edit"), -1);
  EXPECT_EQ(m->LookupImageItem(small, "EDIT_SMALL", "BORDERSMASK"), border);
  EXPECT_EQ(m->LookupImageItem(tiny, "EDIT_TINY", "BORDERSMASK"), border);
  EXPECT_EQ(m->LookupImageItem(tiny, "EDIT_TINY", "GLYPHMASK"), own);
  EXPECT_EQ(m->LookupImageItem(edit, "EDIT", "GLYPHMASK"), -1);  // never from children
  EXPECT_EQ(m->LookupImageItemNoParent("EDIT_SMALL", "BORDERSMASK"), -1);
  EXPECT_EQ(m->LookupImageItemNoParent("EDIT", "BORDERSMASK"), border);
  EXPECT_EQ(m->LookupTextureItem(tiny, "EDIT_TINY", "PATTERN"), texture);
  EXPECT_EQ(m->LookupTextureItem(tiny, "EDIT_TINY", "BORDERSMASK"), -1);
  EXPECT_EQ(m->LookupPattern(tiny, "EDIT_TINY", "PATTERN"), -1);  // no patterns at all
  m->PatternItems.push_back(TsPatternData{nullptr, "EDIT", "PATTERN"});
  EXPECT_EQ(m->LookupPattern(tiny, "EDIT_TINY", "PATTERN"), 0);

  // A section the skin lacks falls back to a valid one given, else to none.
  EXPECT_EQ(m->LookupSectionOr("EDIT_SMALL", edit), small);
  EXPECT_EQ(m->LookupSectionOr("FORMTITLE", edit), edit);
  EXPECT_EQ(m->LookupSectionOr("FORMTITLE", 3), -1);
  EXPECT_EQ(m->LookupSectionOr("FORMTITLE", -1), -1);

  // Bad indexes and names: nothing, and no fallback from a section past the end.
  EXPECT_EQ(m->LookupImageItem(-1, "EDIT", "BORDERSMASK"), -1);
  EXPECT_EQ(m->LookupImageItem(small, "", "BORDERSMASK"), -1);
  EXPECT_EQ(m->LookupImageItem(99, "EDIT_SMALL", "BORDERSMASK"), -1);
  EXPECT_FALSE(m->IsValidSectionIndex(3));
  EXPECT_TRUE(m->IsValidSectionIndex(2));
  EXPECT_FALSE(m->IsValidMaskIndex(-1));
  EXPECT_FALSE(m->IsValidMaskIndex(3));
}

TEST_F(LookupTest, ParentClassLoopsEndWithoutAnAnswer) {
  const int a = Section("A", "B");
  Section("B", "C");
  Section("C", "A");
  const int self = Section("SELF", "SELF");
  EXPECT_EQ(m->LookupImageItem(a, "A", "BORDERSMASK"), -1);
  EXPECT_EQ(m->LookupImageItem(self, "SELF", "BORDERSMASK"), -1);
  Item("C", "BORDERSMASK");
  EXPECT_EQ(m->LookupImageItem(a, "A", "BORDERSMASK"), 0);
}

TEST_F(LookupTest, GlobalColoursFallBackToThePlatformsWithoutGlobalInfo) {
  const int form = Section("FORM");
  m->SectionItems[form].FontColor[0] = 0x0A0B0C;
  m->CacheCommonIndexes();
  EXPECT_EQ(m->GlobalBackColor(), ColorToRGB(clBtnFace));
  EXPECT_EQ(m->GlobalTextColor(), 0xFF00FF);
  EXPECT_EQ(m->GlobalHotBackColor(), ColorToRGB(clWindow));
  // What stands on a form takes the form's text colour instead.
  EXPECT_EQ(m->GlobalTextColorOr(form), 0x0A0B0C);
  EXPECT_EQ(m->GlobalTextColorOr(-1), 0xFF00FF);

  TsGeneralData& g = m->SectionItems[Section("GLOBALINFO")];
  g.Color = 0x112233;
  g.HotColor = 0x445566;
  g.FontColor[0] = 0x778899;
  m->CacheCommonIndexes();
  EXPECT_EQ(m->GlobalBackColor(), 0x112233);
  EXPECT_EQ(m->GlobalHotBackColor(), 0x445566);
  EXPECT_EQ(m->GlobalTextColor(), 0x778899);
  EXPECT_EQ(m->GlobalTextColorOr(form), 0x778899);
}

TEST_F(LookupTest, BorderWidthsComeFromTheSideThenTheItemThenAThirdOfAFrame) {
  TsMaskData item;
  item.SourceRect = TRect{0, 0, 90, 60};
  item.ImageCount = 3;
  item.MaskType = 1;  // two rows of 30
  m->MaskItems.push_back(item);
  EXPECT_EQ(m->MaskLeftWidth(0), 10);
  EXPECT_EQ(m->MaskTopWidth(0), 10);
  m->MaskItems[0].BorderWidth = 4;
  m->MaskItems[0].WB = 2;
  EXPECT_EQ(m->MaskRightWidth(0), 4);
  EXPECT_EQ(m->MaskBottomWidth(0), 2);

  // A count of 0 is one frame; only the left width writes the 1 back.
  m->MaskItems[0] = TsMaskData{};
  m->MaskItems[0].SourceRect = TRect{0, 0, 30, 30};
  EXPECT_EQ(m->MaskRightWidth(0), 10);
  EXPECT_EQ(m->MaskItems[0].ImageCount, 0);
  EXPECT_EQ(m->MaskLeftWidth(0), 10);
  EXPECT_EQ(m->MaskItems[0].ImageCount, 1);
  EXPECT_EQ(m->MaskTopWidth(5), 0);
}

TEST_F(LookupTest, ImageCellsOfOwnBitmapsAndOfRectanglesWithBadCountsAndIndexes) {
  TsMaskData own;
  own.Image = std::make_shared<TPixelBuffer>(121, 61);
  own.SourceRect = TRect{0, 0, 40, 40};  // not read for an own bitmap
  own.ImageCount = 5;
  m->MaskItems.push_back(own);
  TPoint size{-1, -1};
  m->ImageCellSize(0, size);
  EXPECT_EQ(size, (TPoint{40, 30}));

  TsMaskData item;
  item.SourceRect = TRect{10, 20, 130, 80};  // 120 x 60
  item.ImageCount = 4;
  item.MaskType = 1;
  m->MaskItems.push_back(item);
  m->ImageCellSize(1, size);
  EXPECT_EQ(size, (TPoint{30, 30}));
  m->MaskItems[1].ImageCount = 0;
  m->MaskItems[1].MaskType = -3;
  m->ImageCellSize(1, size);
  EXPECT_EQ(size, (TPoint{120, 60}));
  m->MaskItems[1].ImageCount = -2;
  m->ImageCellSize(1, size);
  EXPECT_EQ(size, (TPoint{120, 60}));

  for (int bad : {-1, 2, 1000}) {
    size = TPoint{7, 7};
    m->ImageCellSize(bad, size);
    EXPECT_EQ(size, (TPoint{0, 0})) << bad;
  }
}

TEST(CommonIndexes, FollowTheLoadedSkinAndGoWithIt) {
  skintest::ScratchFolder dir("lookups");
  ASSERT_TRUE(brsm::kit::MakeMarlSkin().WriteFolder(dir.Path()));
  TsSkinManager m(nullptr);
  m.SetSkinDirectory(dir.Path());
  m.SetSkinName("Marl");
  ASSERT_TRUE(m.Active());
  const TsCommonIndexCache& c = m.CommonIndexCache;
  EXPECT_EQ(c.GlobalInfo, m.LookupSection("GLOBALINFO"));
  EXPECT_EQ(c.CheckGlyph[cgRadioGrayed], m.LookupImageItemNoParent("GLOBALINFO", "RADIOGRAYED"));
  EXPECT_EQ(c.ComboBtn, m.LookupSection("COMBOBTN"));
  EXPECT_GE(c.ComboBoxGlyph, 0);
  EXPECT_EQ(m.MaskItems[c.ComboBtnPattern].ImgType, itisaTexture);
  EXPECT_EQ(c.TabBorder[tsRight], m.LookupImageItemNoParent("TABRIGHT", "BORDERSMASK"));
  EXPECT_GE(c.ScrollBtnGlyph[tsLeft], 0);
  EXPECT_GE(c.SliderGlyph[sliderHorizontal], 0);
  EXPECT_GE(c.ScrollBarBorder[sb2V], 0);

  m.SetActive(false);
  EXPECT_EQ(c.GlobalInfo, -1);
  EXPECT_EQ(c.ComboBtnBorder, -1);
  EXPECT_EQ(c.ScrollBtnGlyph[tsLeft], -1);
  EXPECT_EQ(c.CheckGlyph[cgBoxChecked], -1);
}

}  // namespace

// Grid and virtual-tree colours over model classes known only through the
// published-property registry.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/collections.h"
#include "skin/windows/grid_colors.h"
#include "tests/skin/windows/published_model_support.h"

namespace {

class TModelFont : public TObject {
 public:
  std::string ClassName() const override { return "TModelFont"; }
  int Color = 0;
};

class TModelColumn : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  TModelFont HeaderFont, Font;
  int Color = 0;
};

class TModelGrid : public TObject {
 public:
  explicit TModelGrid(std::string name) : name_(std::move(name)) {}
  std::string ClassName() const override { return name_; }
  int FixedColor = 1, FooterColor = 2, FooterCellColor = 3, TitleColor = 4, IndicatorIconColor = 5;
  TModelFont TitleFont, FixedFont;
  TCollection Columns{TCollection::ItemClass<TModelColumn>()};

 private:
  std::string name_;
};


void RegisterGrid(const std::string& name) {
  RegisterPublishedProp(name, "FixedColor", Ord(&TModelGrid::FixedColor));
  RegisterPublishedProp(name, "FooterColor", Ord(&TModelGrid::FooterColor));
  RegisterPublishedProp(name, "FooterCellColor", Ord(&TModelGrid::FooterCellColor));
  RegisterPublishedProp(name, "TitleColor", Ord(&TModelGrid::TitleColor));
  RegisterPublishedProp(name, "IndicatorIconColor", Ord(&TModelGrid::IndicatorIconColor));
  RegisterPublishedProp(name, "TitleFont", Obj(&TModelGrid::TitleFont));
  RegisterPublishedProp(name, "FixedFont", Obj(&TModelGrid::FixedFont));
  RegisterPublishedProp(name, "Columns", Obj(&TModelGrid::Columns));
}

class GridColors : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterPublishedProp("TModelFont", "Color", Ord(&TModelFont::Color));
    const std::string column = TModelColumn(nullptr).ClassName();
    RegisterPublishedProp(column, "HeaderFont", Obj(&TModelColumn::HeaderFont));
    RegisterPublishedProp(column, "Font", Obj(&TModelColumn::Font));
    RegisterPublishedProp(column, "Color", Ord(&TModelColumn::Color));
    RegisterGrid("TModelGrid");
    RegisterGrid(AdvGridClassName);
  }
  void TearDown() override { ClearPublishedProps(); }
  static TvxGridSkinColors Skin() { return TvxGridSkinColors{0x101010, 0x202020, 0x303030, 0x404040, 0x505050, 0x606060}; }
};

}  // namespace

TEST_F(GridColors, ApplyThenRestoreGivesEveryValueBack) {
  TModelGrid grid("TModelGrid");
  grid.TitleFont.Color = 7;
  grid.FixedFont.Color = 8;
  auto* col = static_cast<TModelColumn*>(grid.Columns.Add());
  const TvxGridSavedColors saved = SaveGridColors(&grid);
  EXPECT_EQ(saved.TitleFontColor, 7);
  ApplyGridColors(&grid, Skin());
  EXPECT_EQ(grid.FixedColor, 0x101010);
  EXPECT_EQ(grid.TitleFont.Color, 0x202020);
  EXPECT_EQ(grid.FixedFont.Color, 0x202020);
  EXPECT_EQ(col->HeaderFont.Color, 0x202020);
  EXPECT_EQ(col->Font.Color, 0x404040);
  EXPECT_EQ(col->Color, 0x303030);
  EXPECT_EQ(grid.FooterColor, 0x606060);
  EXPECT_EQ(grid.FooterCellColor, 0x606060);
  EXPECT_EQ(grid.TitleColor, 0x606060);
  EXPECT_EQ(grid.IndicatorIconColor, 0x505050);
  RestoreGridColors(&grid, saved, 11, 12);
  EXPECT_EQ(grid.FixedColor, 1);
  EXPECT_EQ(grid.TitleFont.Color, 7);
  EXPECT_EQ(grid.FixedFont.Color, 7);  // both fonts share the saved title colour
  EXPECT_EQ(col->HeaderFont.Color, 7);
  EXPECT_EQ(col->Font.Color, 12);
  EXPECT_EQ(col->Color, 11);
  EXPECT_EQ(grid.FooterColor, 2);
  EXPECT_EQ(grid.FooterCellColor, 3);
  EXPECT_EQ(grid.TitleColor, 4);
  EXPECT_EQ(grid.IndicatorIconColor, 5);
}

TEST_F(GridColors, AdvGridKeepsItsFixedFontAndColumns) {
  TModelGrid grid(AdvGridClassName);
  grid.FixedFont.Color = 8;
  auto* col = static_cast<TModelColumn*>(grid.Columns.Add());
  col->Color = 9;
  ApplyGridColors(&grid, Skin());
  EXPECT_EQ(grid.FixedColor, 0x101010);
  EXPECT_EQ(grid.TitleFont.Color, 0x202020);
  EXPECT_EQ(grid.TitleColor, 0x606060);
  EXPECT_EQ(grid.FixedFont.Color, 8);
  EXPECT_EQ(col->Color, 9);
  EXPECT_EQ(col->Font.Color, 0);
}

TEST_F(GridColors, GridWithoutPropertiesIsLeftAlone) {
  TModelGrid bare("TBareGrid");
  const TvxGridSavedColors saved = SaveGridColors(&bare);
  ApplyGridColors(&bare, Skin());
  RestoreGridColors(&bare, saved, 11, 12);
  EXPECT_EQ(bare.FixedColor, 1);
  EXPECT_EQ(bare.TitleFont.Color, 0);
  EXPECT_EQ(bare.TitleColor, 4);
}

namespace {

class TModelColors : public TObject {
 public:
  int CompressedTextColor = 1, FileTextColor = 2, FolderTextColor = 3;
};
class TModelHeader : public TObject {
 public:
  int Options = 0;
};
class TModelTree : public TObject {
 public:
  std::string ClassName() const override { return "TModelTree"; }
  TModelColors VETColors;
  TModelHeader Header;
  TMethodRef OnAdvancedHeaderDraw, OnHeaderDrawQueryElements;
};

TPublishedProp Method(TMethodRef TModelTree::*field) {
  TPublishedProp p;
  p.GetMethod = [field](TObject* o) { return dynamic_cast<TModelTree*>(o)->*field; };
  p.SetMethod = [field](TObject* o, TMethodRef m) { dynamic_cast<TModelTree*>(o)->*field = m; };
  return p;
}

class VirtualTreeColors : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string colors = TModelColors().ClassName();
    RegisterPublishedProp(colors, "CompressedTextColor", Ord(&TModelColors::CompressedTextColor));
    RegisterPublishedProp(colors, "FileTextColor", Ord(&TModelColors::FileTextColor));
    RegisterPublishedProp(colors, "FolderTextColor", Ord(&TModelColors::FolderTextColor));
    TPublishedProp options = Ord(&TModelHeader::Options);
    options.SetElements = {"hoAutoResize", "hoOwnerDraw", "hoVisible"};
    RegisterPublishedProp(TModelHeader().ClassName(), "Options", options);
    RegisterPublishedProp("TModelTree", "VETColors", Obj(&TModelTree::VETColors));
    RegisterPublishedProp("TModelTree", "Header", Obj(&TModelTree::Header));
    RegisterPublishedProp("TModelTree", "OnAdvancedHeaderDraw", Method(&TModelTree::OnAdvancedHeaderDraw));
    RegisterPublishedProp("TModelTree", "OnHeaderDrawQueryElements", Method(&TModelTree::OnHeaderDrawQueryElements));
  }
  void TearDown() override { ClearPublishedProps(); }
  int drawCode = 0, queryCode = 0, appCode = 0, self = 0;
  TMethodRef Draw() { return {&drawCode, &self}; }
  TMethodRef Query() { return {&queryCode, &self}; }
};

}  // namespace

TEST_F(VirtualTreeColors, AdapterDrawingAddedAndTakenBackWithTheColours) {
  TModelTree tree;
  TvxVirtualTreeState st;
  SaveVirtualTreeColors(&tree, st);
  ApplyVirtualTreeColors(&tree, 0x445566, Draw(), Query(), st);
  EXPECT_EQ(tree.VETColors.FileTextColor, 0x445566);
  EXPECT_EQ(tree.VETColors.FolderTextColor, 0x445566);
  EXPECT_EQ(tree.OnAdvancedHeaderDraw, Draw());
  EXPECT_EQ(tree.OnHeaderDrawQueryElements, Query());
  EXPECT_EQ(tree.Header.Options, 2);
  RestoreVirtualTreeColors(&tree, Draw(), Query(), st);
  EXPECT_EQ(tree.VETColors.CompressedTextColor, 1);
  EXPECT_EQ(tree.VETColors.FileTextColor, 2);
  EXPECT_EQ(tree.VETColors.FolderTextColor, 3);
  EXPECT_FALSE(tree.OnAdvancedHeaderDraw.Assigned());
  EXPECT_FALSE(tree.OnHeaderDrawQueryElements.Assigned());
  EXPECT_EQ(tree.Header.Options, 0);
}

TEST_F(VirtualTreeColors, OwnHeaderDrawingKeptWithoutOwnerDrawAndAppHandlersSurviveRestore) {
  TModelTree tree;
  tree.OnAdvancedHeaderDraw = {&appCode, &self};
  TvxVirtualTreeState st;
  SaveVirtualTreeColors(&tree, st);
  ApplyVirtualTreeColors(&tree, 0x445566, Draw(), Query(), st);
  EXPECT_EQ(tree.OnAdvancedHeaderDraw, (TMethodRef{&appCode, &self}));
  EXPECT_FALSE(tree.OnHeaderDrawQueryElements.Assigned());
  EXPECT_EQ(tree.Header.Options, 0);
  RestoreVirtualTreeColors(&tree, Draw(), Query(), st);
  EXPECT_EQ(tree.OnAdvancedHeaderDraw, (TMethodRef{&appCode, &self}));
  // A handler the application put over the adapter's meanwhile stays too.
  TModelTree other;
  other.Header.Options = 2;  // already owner-drawn: stays so
  TvxVirtualTreeState st2;
  SaveVirtualTreeColors(&other, st2);
  ApplyVirtualTreeColors(&other, 0x445566, Draw(), Query(), st2);
  other.OnHeaderDrawQueryElements = {&appCode, &self};
  RestoreVirtualTreeColors(&other, Draw(), Query(), st2);
  EXPECT_FALSE(other.OnAdvancedHeaderDraw.Assigned());
  EXPECT_EQ(other.OnHeaderDrawQueryElements, (TMethodRef{&appCode, &self}));
  EXPECT_EQ(other.Header.Options, 2);
}

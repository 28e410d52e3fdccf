#include "skin/core/published_props.h"

#include <gtest/gtest.h>

namespace {

// A foreign grid with a colour, a font object and header options.
class TForeignFont : public TObject {
 public:
  int Color = 0;
};
class TForeignGrid : public TObject {
 public:
  std::string ClassName() const override { return "TForeignGrid"; }
  int FixedColor = 5;
  unsigned Options = 0;
  TForeignFont TitleFont;
};

class PublishedProps : public ::testing::Test {
 protected:
  void SetUp() override {
    TPublishedProp fixed;
    fixed.GetOrd = [](TObject* o) { return static_cast<TForeignGrid*>(o)->FixedColor; };
    fixed.SetOrd = [](TObject* o, int v) { static_cast<TForeignGrid*>(o)->FixedColor = v; };
    RegisterPublishedProp("TForeignGrid", "FixedColor", fixed);
    TPublishedProp font;
    font.GetObject = [](TObject* o) -> TObject* { return &static_cast<TForeignGrid*>(o)->TitleFont; };
    RegisterPublishedProp("TForeignGrid", "TitleFont", font);
    TPublishedProp options;
    options.GetOrd = [](TObject* o) { return static_cast<int>(static_cast<TForeignGrid*>(o)->Options); };
    options.SetOrd = [](TObject* o, int v) { static_cast<TForeignGrid*>(o)->Options = static_cast<unsigned>(v); };
    options.SetElements = {"hoAutoResize", "hoOwnerDraw", "hoVisible"};
    RegisterPublishedProp("TForeignGrid", "Options", options);
  }
  void TearDown() override { ClearPublishedProps(); }
  TForeignGrid grid;
};

}  // namespace

TEST_F(PublishedProps, KnownPropertiesAreReadAndWrittenByName) {
  EXPECT_TRUE(HasPublishedProp(&grid, "fixedcolor"));
  EXPECT_EQ(GetOrdPropByName(&grid, "FixedColor"), 5);
  SetOrdPropByName(&grid, "FIXEDCOLOR", 0x123456);
  EXPECT_EQ(grid.FixedColor, 0x123456);
  EXPECT_EQ(GetObjectPropByName(&grid, "TitleFont"), &grid.TitleFont);
}

TEST_F(PublishedProps, MissingPropertiesAreSkipped) {
  TObject other;
  EXPECT_FALSE(HasPublishedProp(&grid, "FooterColor"));
  EXPECT_EQ(GetOrdPropByName(&grid, "FooterColor"), -1);
  SetOrdPropByName(&grid, "FooterColor", 1);  // nothing happens
  EXPECT_EQ(GetObjectPropByName(&grid, "FooterColor"), nullptr);
  EXPECT_FALSE(HasPublishedProp(&other, "FixedColor"));  // another class
  EXPECT_FALSE(HasPublishedProp(nullptr, "FixedColor"));
  EXPECT_EQ(GetObjectPropByName(&grid, "FixedColor"), nullptr);  // not an object property
}

TEST_F(PublishedProps, SetElementsByName) {
  EXPECT_FALSE(SetPropHasElement(&grid, "Options", "hoOwnerDraw"));
  ChangeSetElement(&grid, "Options", "HOOWNERDRAW", true);
  EXPECT_EQ(grid.Options, 2u);
  EXPECT_TRUE(SetPropHasElement(&grid, "Options", "hoOwnerDraw"));
  ChangeSetElement(&grid, "Options", "hoVisible", true);
  ChangeSetElement(&grid, "Options", "hoOwnerDraw", false);
  EXPECT_EQ(grid.Options, 4u);
  ChangeSetElement(&grid, "Options", "hoUnknown", true);
  EXPECT_EQ(grid.Options, 4u);
  EXPECT_FALSE(SetPropHasElement(&grid, "Options", "hoUnknown"));
  EXPECT_FALSE(SetPropHasElement(&grid, "Missing", "hoVisible"));
}

namespace {

class TEventTree : public TObject {
 public:
  std::string ClassName() const override { return "TEventTree"; }
  TMethodRef OnDraw;
};

}  // namespace

TEST(PublishedMethodProps, ExistAssignAndClearOnlyWhereRegistered) {
  TPublishedProp draw;
  draw.GetMethod = [](TObject* o) { return static_cast<TEventTree*>(o)->OnDraw; };
  draw.SetMethod = [](TObject* o, TMethodRef m) { static_cast<TEventTree*>(o)->OnDraw = m; };
  RegisterPublishedProp("TEventTree", "OnDraw", draw);
  TEventTree tree;
  int handler = 0, data = 0;
  EXPECT_TRUE(MethodPropExists(&tree, "ONDRAW"));
  EXPECT_FALSE(MethodPropExists(&tree, "OnPaint"));
  EXPECT_FALSE(MethodPropAssigned(&tree, "OnDraw"));
  AssignMethodProp(&tree, "OnDraw", TMethodRef{&handler, &data});
  EXPECT_TRUE(MethodPropAssigned(&tree, "OnDraw"));
  EXPECT_EQ(GetMethodProp(&tree, "OnDraw"), (TMethodRef{&handler, &data}));
  AssignMethodProp(&tree, "OnPaint", TMethodRef{&handler, &data});  // absent: nothing, no fault
  ClearMethodProp(&tree, "OnDraw");
  EXPECT_FALSE(tree.OnDraw.Assigned());
  EXPECT_FALSE(MethodPropAssigned(nullptr, "OnDraw"));
  ClearPublishedProps();
}

// The extended combo box's items and what its painters draw for them:
// collection changes, the caption and image of a window index (strings
// added straight to the window included), and a list item's layout.
#include <gtest/gtest.h>

#include "skin/controls/combo_item_layout.h"
#include "skin/controls/combo_items.h"

namespace {

struct ItemsFixture : ::testing::Test {
  int changes = 0;
  TsComboItems items{nullptr, [this] { ++changes; }};
};

}  // namespace

TEST_F(ItemsFixture, EveryChangeTellsTheBoxOnceAndItemsStartWithoutImages) {
  TsComboItem* item = items.AddItem("Rocket", 1, 2, -1, 2);
  EXPECT_EQ(changes, 1);  // one rebuild for the whole item
  item->SetCaption("Rocket");
  EXPECT_EQ(changes, 1);  // nothing changed
  item->SetIndend(0);
  EXPECT_EQ(changes, 2);
  TsComboItem* plain = items.Add();
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(plain->ImageIndex(), -1);
  EXPECT_EQ(plain->SelectedImageIndex(), -1);
  EXPECT_EQ(plain->OverlayImageIndex(), -1);
  EXPECT_EQ(plain->Indend(), -1);
  items.Delete(0);
  EXPECT_GT(changes, 3);  // the window loses the item too
  EXPECT_EQ(items.Find(1), nullptr);
  EXPECT_EQ(items.Find(-1), nullptr);
  EXPECT_EQ(items.Find(0), plain);
}

TEST_F(ItemsFixture, AWindowIndexShowsItsItemOrTheWindowsStringWithoutImage) {
  items.AddItem("Shock", 4, 5, -1, 2);
  items.AddItem("Link", 6, -1, -1, 1);
  // A list item selected shows its selected image; the face never does,
  // and never moves.
  TvxComboItemLook l = ComboItemLook(&items, 0, "ignored", true, true);
  EXPECT_EQ(l.Caption, "Shock");
  EXPECT_EQ(l.ImageIndex, 5);
  EXPECT_EQ(l.Indent, 2);
  l = ComboItemLook(&items, 0, "ignored", true, false);
  EXPECT_EQ(l.ImageIndex, 4);
  EXPECT_EQ(l.Indent, 0);
  // Without a selected image the plain one stays.
  EXPECT_EQ(ComboItemLook(&items, 1, "", true, true).ImageIndex, 6);
  // Strings the window holds beyond the items, and no item at all.
  for (int index : {2, -1, 99}) {
    l = ComboItemLook(&items, index, "typed", true, true);
    EXPECT_EQ(l.Caption, "typed") << index;
    EXPECT_EQ(l.ImageIndex, -1) << index;
    EXPECT_EQ(l.Indent, 0) << index;
  }
  EXPECT_EQ(ComboItemLook(nullptr, 0, "w", false, true).Caption, "w");
}

TEST(ComboListItemLayout, IndendTwoMovesTheImage32PixelsAndTheCaptionFollows) {
  const TRect item{0, 32, 120, 48};  // the third row of 16
  const TvxComboListItemLayout flat = ComboListItemLayout(item, 22, 16, 16, true, 0, 40, 13);
  EXPECT_EQ(flat.Image, (TRect{3, 32, 19, 48}));
  EXPECT_EQ(flat.TextLeft, 24);
  EXPECT_EQ(flat.TextTop, 33);
  EXPECT_EQ(flat.Selection, (TRect{22, 32, 68, 48}));
  const TvxComboListItemLayout moved = ComboListItemLayout(item, 22, 16, 16, true, 2, 40, 13);
  EXPECT_EQ(moved.Image.Left - flat.Image.Left, 32);
  EXPECT_EQ(moved.TextLeft - flat.TextLeft, 32);
  // Without image the caption starts 5 px in, whatever the indent.
  const TvxComboListItemLayout none = ComboListItemLayout(item, 22, 16, 16, false, 2, 40, 13);
  EXPECT_TRUE(none.Image.IsEmpty());
  EXPECT_EQ(none.TextLeft, 5);
}

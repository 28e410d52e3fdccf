// The ThirdParty class lists: defaults, the one-time move from the older
// order and the line lists.
#include <gtest/gtest.h>

#include "skin/core/skin_manager.h"
#include "skin/core/third_party_lists.h"

namespace {

TEST(ThirdParty, ManagerStartsWithTheDefaultTableAsTextAndLines) {
  TsSkinManager m(nullptr);
  for (int i = 0; i < ThirdPartyListCount; ++i)
    EXPECT_EQ(m.ThirdPartyStrings()[i]->Text(), DefaultThirdPartyList(i) + "\r\n") << i;
  EXPECT_EQ(m.ThirdParty()->ThirdEdits(), DefaultThirdPartyList(tpEdits));
  EXPECT_EQ(m.ThirdPartyStrings()[tpEdits]->Count(), 18);
  EXPECT_EQ(m.ThirdParty()->List(ThirdPartyListCount), "");
}

TEST(ThirdParty, OlderOrderIsMovedOnceIntoTheCurrentOne) {
  ThirdPartyList lists;
  ThirdPartyLineLists lines = MakeThirdPartyLineLists();
  for (int i = 0; i < ThirdPartyListCount; ++i) lists.SetList(i, "Old" + std::to_string(i));
  lists.SetThirdEdits("TButton");
  SyncThirdPartyLists(lists, lines, false);
  const char* expected[ThirdPartyListCount] = {
      "Old8",  // edits: the old panels
      "TButton", "Old1", "Old2", "Old3",
      "Old6",  // grids: the old group boxes
      "Old7", "Old5", "Old9", "Old4", "Old10",
      "Old12",  // grid Eh: the old virtual trees
      nullptr};
  for (int i = 0; i < ThirdPartyListCount - 1; ++i) EXPECT_EQ(lists.List(i), expected[i]) << i;
  EXPECT_EQ(lists.ThirdVirtualTrees(), DefaultThirdPartyList(tpVirtualTrees));
  EXPECT_EQ(lines[tpEdits]->Text(), "Old8\r\n");

  // Moved once: the lists no longer look old.
  SyncThirdPartyLists(lists, lines, false);
  EXPECT_EQ(lists.ThirdEdits(), "Old8");
  // The buttons list alone marks the older order too; a list merely
  // beginning with "TButton" does not.
  ThirdPartyList other;
  other.SetThirdButtons("TBitBtn");
  other.SetThirdEdits("TButton\r\nTSpeedButton");
  SyncThirdPartyLists(other, lines, false);
  EXPECT_EQ(other.ThirdButtons(), "TButton\r\nTSpeedButton");
  EXPECT_EQ(other.ThirdEdits(), DefaultThirdPartyList(tpEdits));  // was emptied, now filled
}

TEST(ThirdParty, LinesGoBackIntoTheListsAndResetRestoresTheTable) {
  ThirdPartyList lists;
  ThirdPartyLineLists lines = MakeThirdPartyLineLists();
  lists.SetThirdGrids("TMyGrid");
  SyncThirdPartyLists(lists, lines, false);
  lines[tpGrids]->Add("TOtherGrid");
  StoreThirdPartyLists(lists, lines);
  EXPECT_EQ(lists.ThirdGrids(), "TMyGrid\r\nTOtherGrid");
  SyncThirdPartyLists(lists, lines, true);
  EXPECT_EQ(lists.ThirdGrids(), DefaultThirdPartyList(tpGrids));
}

}  // namespace

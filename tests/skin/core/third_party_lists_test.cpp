// The ThirdParty class lists: defaults, the one-time move from the older
// order, index checks and the line lists.
#include <gtest/gtest.h>

#include <memory>

#include "skin/core/skin_manager.h"
#include "skin/core/third_party_lists.h"

namespace {

TEST(ThirdParty, ManagerStartsWithTheDefaultTable) {
  auto m = std::make_unique<TsSkinManager>(nullptr);
  for (int i = 0; i < ThirdPartyListCount; ++i) {
    EXPECT_EQ(m->ThirdParty()->List(i), DefaultThirdPartyList(i)) << i;
    EXPECT_EQ(m->ThirdPartyStrings()[i]->Text(), DefaultThirdPartyList(i) + "\r\n") << i;
  }
  EXPECT_EQ(m->ThirdPartyStrings()[tpEdits]->Count(), 18);
  EXPECT_EQ(m->ThirdPartyStrings()[tpEdits]->Strings(17), "TDBEdit");
  EXPECT_EQ(m->ThirdParty()->ThirdButtons(), "TButton");
  EXPECT_EQ(m->ThirdParty()->ThirdGridEh(), "TDBGridEh");
}

TEST(ThirdParty, IndexesOutsideTheTableReadAndWriteNothing) {
  ThirdPartyList lists;
  lists.SetList(-1, "X");
  lists.SetList(ThirdPartyListCount, "X");
  EXPECT_EQ(lists.List(-1), "");
  EXPECT_EQ(lists.List(ThirdPartyListCount), "");
  for (int i = 0; i < ThirdPartyListCount; ++i) EXPECT_EQ(lists.List(i), "");
}

// Distinct marks for every list, as an older version would have stored them.
void StoreOlderOrder(ThirdPartyList& lists) {
  for (int i = 0; i < ThirdPartyListCount; ++i) lists.SetList(i, "Old" + std::to_string(i));
  lists.SetThirdEdits("TButton");
}

TEST(ThirdParty, OlderOrderIsMovedOnceIntoTheCurrentOne) {
  ThirdPartyList lists;
  ThirdPartyLineLists lines = MakeThirdPartyLineLists();
  StoreOlderOrder(lists);
  SyncThirdPartyLists(lists, lines, false);
  EXPECT_EQ(lists.ThirdEdits(), "Old8");         // the old panels
  EXPECT_EQ(lists.ThirdPanels(), "Old9");        // the old tree views
  EXPECT_EQ(lists.ThirdTreeViews(), "Old4");     // the old combo boxes
  EXPECT_EQ(lists.ThirdComboBoxes(), "Old3");    // the old check boxes
  EXPECT_EQ(lists.ThirdCheckBoxes(), "Old2");    // the old bit buttons
  EXPECT_EQ(lists.ThirdBitBtns(), "Old1");       // the old buttons
  EXPECT_EQ(lists.ThirdButtons(), "TButton");    // the old edits
  EXPECT_EQ(lists.ThirdListViews(), "Old5");     // the old grids
  EXPECT_EQ(lists.ThirdGrids(), "Old6");         // the old group boxes
  EXPECT_EQ(lists.ThirdGroupBoxes(), "Old7");    // the old list views
  EXPECT_EQ(lists.ThirdGridEh(), "Old12");       // the old virtual trees
  EXPECT_EQ(lists.ThirdVirtualTrees(), DefaultThirdPartyList(tpVirtualTrees));
  EXPECT_EQ(lists.ThirdWWEdits(), "Old10");
  EXPECT_EQ(lines[tpEdits]->Text(), "Old8\r\n");

  // The moved lists no longer look old: a second sync leaves them.
  SyncThirdPartyLists(lists, lines, false);
  EXPECT_EQ(lists.ThirdEdits(), "Old8");
  EXPECT_EQ(lists.ThirdButtons(), "TButton");
}

TEST(ThirdParty, OlderOrderIsAlsoKnownByItsButtonsList) {
  ThirdPartyList lists;
  ThirdPartyLineLists lines = MakeThirdPartyLineLists();
  lists.SetThirdButtons("TBitBtn");
  lists.SetThirdEdits("TButton\r\nTSpeedButton");  // not exactly the marker
  SyncThirdPartyLists(lists, lines, false);
  EXPECT_EQ(lists.ThirdBitBtns(), "TBitBtn");
  EXPECT_EQ(lists.ThirdButtons(), "TButton\r\nTSpeedButton");
  // Emptied lists are filled from the table.
  EXPECT_EQ(lists.ThirdEdits(), DefaultThirdPartyList(tpEdits));
}

TEST(ThirdParty, ResetRestoresEveryListAndStoringWritesTheLinesBack) {
  ThirdPartyList lists;
  ThirdPartyLineLists lines = MakeThirdPartyLineLists();
  lists.SetThirdGrids("TMyGrid");
  SyncThirdPartyLists(lists, lines, false);
  EXPECT_EQ(lists.ThirdGrids(), "TMyGrid");
  lines[tpGrids]->Add("TOtherGrid");
  StoreThirdPartyLists(lists, lines);
  EXPECT_EQ(lists.ThirdGrids(), "TMyGrid\r\nTOtherGrid");
  EXPECT_EQ(lists.ThirdEdits(), DefaultThirdPartyList(tpEdits));
  SyncThirdPartyLists(lists, lines, true);
  EXPECT_EQ(lists.ThirdGrids(), DefaultThirdPartyList(tpGrids));
}

}  // namespace

// Keyboard search of a skinned combo box over a recorded list and clock.
#include <gtest/gtest.h>

#include <cctype>
#include <vector>

#include "skin/windows/combo_search.h"

namespace {

class ListSeam : public TvxComboSearchSeam {
 public:
  std::vector<std::string> Items{"Alpha", "Beta", "Bolt", "Bravo"};
  uint32_t Clock = 1000;
  std::vector<std::string> Asked;
  int FindPrefix(const std::string& prefix) override {
    Asked.push_back(prefix);
    for (size_t i = 0; i < Items.size(); ++i) {
      if (Items[i].size() < prefix.size()) continue;
      bool same = true;
      for (size_t k = 0; k < prefix.size(); ++k)
        same = same && std::tolower(Items[i][k]) == std::tolower(prefix[k]);
      if (same) return static_cast<int>(i);
    }
    return -1;
  }
  std::string ItemText(int index) override { return Items.at(index); }
  uint32_t Now() override { return Clock; }
};

}  // namespace

TEST(ComboSearch, KeysWithinThePauseBuildOneSearchAndAPauseStartsAnew) {
  ListSeam seam;
  TvxComboSearch search;
  TvxComboKeyState box;
  TvxComboKeyResult r = ComboSearchKey(search, box, 'b', seam);
  EXPECT_TRUE(r.Swallowed);
  EXPECT_EQ(r.Index, 1);
  EXPECT_TRUE(r.Select);
  box.ItemIndex = 1;
  seam.Clock += 499;
  r = ComboSearchKey(search, box, 'o', seam);
  EXPECT_EQ(seam.Asked.back(), "bo");
  EXPECT_EQ(r.Index, 2);
  box.ItemIndex = 2;
  seam.Clock += 500;
  r = ComboSearchKey(search, box, 'a', seam);
  EXPECT_EQ(seam.Asked.back(), "a");
  EXPECT_EQ(r.Index, 0);
}

TEST(ComboSearch, PauseMeasuredAcrossTheClockWrapping) {
  ListSeam seam;
  TvxComboSearch search;
  search.Text = "b";
  search.LastKeyTime = 0xFFFFFF00u;
  seam.Clock = 0x10;  // 0x110 ms later
  ComboSearchKey(search, TvxComboKeyState{}, 'r', seam);
  EXPECT_EQ(seam.Asked.back(), "br");
}

TEST(ComboSearch, EditableBoxCompletesAndSelectsTheAddedPart) {
  ListSeam seam;
  TvxComboSearch search;
  TvxComboKeyState box;
  box.Editable = true;
  box.EditText = "Br";
  box.SelStart = 2;
  TvxComboKeyResult r = ComboSearchKey(search, box, 'a', seam);
  EXPECT_EQ(r.Index, 3);
  EXPECT_TRUE(r.SetText);
  EXPECT_EQ(r.Text, "Bravo");
  EXPECT_EQ(r.SelStart, 3);
  EXPECT_EQ(r.SelLength, 2);
  // Typing over the completed part searches for what stands before it.
  box.EditText = "Bravo";
  box.SelStart = 1;
  box.SelLength = 4;
  box.ItemIndex = 3;
  r = ComboSearchKey(search, box, 'o', seam);
  EXPECT_EQ(seam.Asked.back(), "Bo");
  EXPECT_EQ(r.Text, "Bolt");
  // A character no item starts with is typed as it is.
  box.EditText = "zz";
  box.SelStart = 2;
  box.SelLength = 0;
  r = ComboSearchKey(search, box, 'q', seam);
  EXPECT_FALSE(r.Swallowed);
  EXPECT_FALSE(r.SetIndex);
}

TEST(ComboSearch, BackspaceDeletesOnlyWhatIsThere) {
  ListSeam seam;
  TvxComboSearch search;
  TvxComboKeyState box;
  box.Editable = true;
  box.EditText = "Bolt";
  box.SelStart = 0;
  TvxComboKeyResult r = ComboSearchKey(search, box, 8, seam);
  EXPECT_TRUE(r.Swallowed);
  EXPECT_FALSE(r.SetText);  // caret at 0: nothing deleted
  EXPECT_EQ(search.Text, "Bolt");
  box.SelStart = 2;
  r = ComboSearchKey(search, box, 8, seam);
  EXPECT_EQ(r.Text, "Blt");
  EXPECT_EQ(r.SelStart, 1);
  EXPECT_EQ(r.Index, -1);
  box.SelStart = 1;
  box.SelLength = 9;  // a selection past the end is cut at the end
  r = ComboSearchKey(search, box, 8, seam);
  EXPECT_EQ(r.Text, "B");
  // A list-only box drops the last search character; an empty search
  // deletes nothing and clears the index.
  TvxComboSearch list;
  TvxComboKeyState plain;
  plain.ItemIndex = 2;
  r = ComboSearchKey(list, plain, 8, seam);
  EXPECT_TRUE(r.Change);
  EXPECT_TRUE(r.SetIndex);
  EXPECT_EQ(r.Index, -1);
  list.Text = "bo";
  list.LastKeyTime = seam.Clock;
  r = ComboSearchKey(list, plain, 8, seam);
  EXPECT_EQ(list.Text, "b");
  EXPECT_FALSE(r.SetIndex);
}

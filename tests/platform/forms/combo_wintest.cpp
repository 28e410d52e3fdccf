// Combo boxes: items kept in the window and across its re-making, the
// selection and text of each style, the notifications, owner drawing and
// the height of the open list.
#include <gtest/gtest.h>

#include "forms_test_support.h"
#include "platform/forms/stdctrls.h"

using brsm::test::Pump;

namespace {

class Combos : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(60, 60, 320, 240);
    combo = new TComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 121, 22);
  }
  void TearDown() override { delete form; }
  TForm* form = nullptr;
  TComboBox* combo = nullptr;
};

TEST_F(Combos, ItemsFilledBeforeTheWindowGoIntoIt) {
  combo->Items()->Add("EWFT_Projectile");
  combo->Items()->Add("\xD3\xF0\xEE\xED");  // "Урон"
  combo->SetItemIndex(1);
  EXPECT_FALSE(combo->HandleAllocated());
  form->Show();
  HWND wnd = combo->Handle();
  ASSERT_EQ(SendMessageW(wnd, CB_GETCOUNT, 0, 0), 2);
  wchar_t text[32] = {};
  SendMessageW(wnd, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"\x0423\x0440\x043E\x043D");
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Items()->Strings(1), "\xD3\xF0\xEE\xED");
  EXPECT_EQ(combo->Items()->IndexOf("ewft_projectile"), 0);
  EXPECT_THROW(combo->Items()->Strings(2), EListError);
}

TEST_F(Combos, ItemsObjectsAndSelectionSurviveANewStyle) {
  TObject marker;
  form->Show();
  combo->Items()->AddObject("a", &marker);
  combo->Items()->Add("b");
  combo->Items()->Add("c");
  combo->SetItemIndex(2);
  HWND old = combo->Handle();
  combo->SetStyle(csDropDownList);
  ASSERT_NE(combo->Handle(), old);
  EXPECT_EQ(GetWindowLongW(combo->Handle(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  EXPECT_EQ(combo->Items()->Count(), 3);
  EXPECT_EQ(combo->Items()->Objects(0), &marker);
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Text(), "c");
  // A list-style box takes a text only as the row that has it.
  combo->SetText("b");
  EXPECT_EQ(combo->ItemIndex(), 1);
  combo->SetText("missing");
  EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(Combos, EditableBoxKeepsTypedTextWhenTheItemsGo) {
  form->Show();
  combo->Items()->Add("EWFT_Projectile");
  combo->SetText("\xF1\xE2\xEE\xE9 \xF2\xE5\xEA\xF1\xF2");  // typed, not an item
  EXPECT_EQ(combo->ItemIndex(), -1);
  combo->Items()->Clear();
  EXPECT_EQ(combo->Items()->Count(), 0);
  EXPECT_EQ(combo->Text(), "\xF1\xE2\xEE\xE9 \xF2\xE5\xEA\xF1\xF2");
}

TEST_F(Combos, PickingARowUpdatesTextBeforeOnChange) {
  combo->Items()->Add("first");
  combo->Items()->Add("second");
  form->Show();
  std::vector<std::string> seen;
  combo->OnChange = [&](TObject*) { seen.push_back(combo->Text()); };
  combo->SetFocus();
  Pump();
  // The arrow key moves the selection in the edit part of the box.
  HWND focused = GetFocus();
  SendMessageW(focused, WM_KEYDOWN, VK_DOWN, 1);
  Pump();
  EXPECT_EQ(combo->ItemIndex(), 0);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), "first");
  // With OnSelect the pick goes there instead.
  int selects = 0;
  combo->OnSelect = [&](TObject*) { ++selects; };
  const size_t changes = seen.size();
  SendMessageW(focused, WM_KEYDOWN, VK_DOWN, 1);
  Pump();
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(selects, 1);
  EXPECT_EQ(seen.size(), changes);
}

TEST_F(Combos, OpenListShowsDropDownCountRows) {
  for (int i = 0; i < 20; ++i) combo->Items()->Add("item " + std::to_string(i));
  combo->SetDropDownCount(5);
  form->Show();
  const int closedHeight = combo->Height();
  combo->SetDroppedDown(true);
  Pump();
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
  RECT list;
  GetWindowRect(info.hwndList, &list);
  const int rows = (list.bottom - list.top) / combo->ItemHeight();
  EXPECT_EQ(rows, 5);
  // Making room for the list does not change the control's own height.
  EXPECT_EQ(combo->Height(), closedHeight);
  combo->SetDroppedDown(false);
  // Fewer items than DropDownCount: as many rows as items.
  while (combo->Items()->Count() > 2) combo->Items()->Delete(0);
  combo->SetDroppedDown(true);
  Pump();
  GetWindowRect(info.hwndList, &list);
  EXPECT_EQ((list.bottom - list.top) / combo->ItemHeight(), 2);
  combo->SetDroppedDown(false);
}

TEST_F(Combos, OwnerDrawnStylesAskForItemSizesAndPaintings) {
  combo->Items()->Add("short");
  combo->Items()->Add("tall");
  combo->SetStyle(csOwnerDrawVariable);
  std::vector<int> measured;
  combo->OnMeasureItem = [&](TWinControl*, int index, int& height) {
    measured.push_back(index);
    if (index == 1) height = 30;
  };
  std::vector<std::pair<int, TOwnerDrawState>> drawn;
  combo->OnDrawItem = [&](TWinControl* control, int index, TRect rect, TOwnerDrawState state) {
    EXPECT_EQ(control, combo);
    drawn.emplace_back(index, state);
    TComboBox* box = combo;
    box->Canvas()->FillRect(rect);
  };
  combo->SetItemIndex(0);
  form->Show();
  Pump(100);
  EXPECT_NE(std::find(measured.begin(), measured.end(), 1), measured.end());
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETITEMHEIGHT, 1, 0), 30);
  // The closed box paints the selected row as its edit face.
  const auto face = std::find_if(drawn.begin(), drawn.end(),
                                 [](auto& d) { return d.second.Contains(odComboBoxEdit); });
  ASSERT_NE(face, drawn.end());
  EXPECT_EQ(face->first, 0);
}

}  // namespace

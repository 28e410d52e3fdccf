// The skinned extended combo box on a test form with the kit's Marl: face,
// frame, button and arrow pixels in their three looks, the edit part on the
// section's HOTCOLOR, the list adapter only beyond DropDownCount, and a
// window made again with its items, index and a new list adapter.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "platform/forms/forms.h"
#include "skin/controls/combo_box_ex.h"
#include "skin/core/manager_platform.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/base_wnd_win.h"
#include "tests/skin/core/skin_panel_wintest_support.h"
#include "tests/support/combo_look_check.h"
#include "tests/support/screenshot.h"

using namespace brsm::test;
using brsm::kit::Shade;

namespace {

TColor Kit(const char* section, int index) { return MarlColor(section, index); }
bool Near(TColor a, TColor b) { return NearColor(a, b); }
TColor ScreenAt(HWND w, int x, int y) { return WindowPixel(w, x, y); }

HWND ListOf(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(combo, &info);
  return info.hwndList;
}

class ComboBoxExWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    UseWindowsSkinManager();
    ASSERT_TRUE(brsm::kit::MakeMarlSkin().WriteFolder(folder.Path()));
    form = std::make_unique<TForm>(Application);
    form->SetBounds(40, 40, 360, 300);
    manager = new TsSkinManager(form.get());
    manager->SetSkinDirectory(folder.Path());
    manager->SetSkinName("Marl");
    ASSERT_TRUE(manager->SkinData.Loaded);
    box = new TsComboBoxEx(form.get());
    box->SetStyle(csDropDown);
    box->SetParent(form.get());
    box->SetBounds(20, 20, 121, 22);
    box->SkinData()->SetSkinSection("COMBOBOX");
    other = new TEdit(form.get());
    other->SetParent(form.get());
    other->SetBounds(20, 200, 100, 21);
    form->Show();
    other->SetFocus();  // the box shows its normal look unfocused
    Pump(40);
  }
  void TearDown() override {
    form.reset();
    Pump(10);
  }
  void Fill(int count) {
    box->Items()->Clear();
    for (int i = 0; i < count; ++i) box->Items()->Add("Item " + std::to_string(i));
  }
  // Dropped down and closed again; true when the list got an adapter.
  bool DropAndClose() {
    box->SetDroppedDown(true);
    Pump(40);
    const bool adapted = box->ListAdapter() != nullptr;
    box->SetDroppedDown(false);
    Pump(20);
    return adapted;
  }
  void ExpectButton(int state) {
    ExpectComboButton(box->ButtonRect(), state, [&](int x, int y) { return WindowPixel(box->Handle(), x, y); });
  }

  TempFolder folder;
  std::unique_ptr<TForm> form;
  TsSkinManager* manager = nullptr;
  TsComboBoxEx* box = nullptr;
  TEdit* other = nullptr;
};

}  // namespace

TEST_F(ComboBoxExWinTest, FaceFrameAndButtonTakeTheSkinsLookInEachState) {
  EXPECT_EQ(box->DropDownCount(), 14);
  EXPECT_EQ(box->ButtonRect().Width(), GetSystemMetrics(SM_CXVSCROLL) + 1);
  HWND w = box->Handle();
  SaveScreenshot("combo_box_ex_first");
  EXPECT_TRUE(Near(ScreenAt(w, 1, 11), Shade(Kit("EDIT", 10)))) << std::hex << ScreenAt(w, 1, 11);
  // The edit part lies on the section's HOTCOLOR.
  EXPECT_EQ(box->Color(), Kit("COMBOBOX", 1));
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(w, &info));
  EXPECT_TRUE(Near(ScreenAt(w, info.rcItem.right - 3, 11), Kit("COMBOBOX", 1)))
      << std::hex << ScreenAt(w, info.rcItem.right - 3, 11);
  ExpectButton(0);
  // The pointer on the button makes the box hot.
  const TRect b = box->ButtonRect();
  SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(b.Left + 3, 8));
  Pump(20);
  ExpectButton(1);
  box->SetDroppedDown(true);
  Pump(40);
  ExpectButton(2);
  box->SetDroppedDown(false);
  Pump(20);
  // Focused, the whole box takes its active look.
  box->SetFocus();
  Pump(30);
  EXPECT_TRUE(Near(ScreenAt(w, 1, 11), Shade(Kit("EDIT", 11)))) << std::hex << ScreenAt(w, 1, 11);
  ExpectButton(1);
}

TEST_F(ComboBoxExWinTest, OnlyAListLongerThanDropDownCountGetsTheAdapter) {
  Fill(14);
  EXPECT_FALSE(DropAndClose());
  Fill(15);
  EXPECT_TRUE(DropAndClose());
  EXPECT_EQ(box->ListAdapter()->WindowHandle, ListOf(box->Handle()));
}

TEST_F(ComboBoxExWinTest, AWindowMadeAgainKeepsItemsAndIndexAndSkinsItsNewList) {
  Fill(20);
  ASSERT_TRUE(DropAndClose());
  box->SetItemIndex(7);
  HWND old = box->Handle();
  box->SetStyle(csDropDownList);  // makes the window again
  ASSERT_NE(box->Handle(), old);
  EXPECT_EQ(box->ListAdapter(), nullptr);
  EXPECT_EQ(box->Items()->Count(), 20);
  EXPECT_EQ(box->ItemIndex(), 7);
  ASSERT_TRUE(DropAndClose());
  EXPECT_TRUE(box->ListAdapter()->Hooked());
  EXPECT_EQ(box->ListAdapter()->WindowHandle, ListOf(box->Handle()));
}

TEST_F(ComboBoxExWinTest, WithoutTheSkinTheBoxKeepsThePlatformsLook) {
  manager->SetActive(false);
  Pump(30);
  EXPECT_EQ(box->Color(), clWindow);
  Fill(20);
  EXPECT_FALSE(DropAndClose());
  const TRect b = box->ButtonRect();
  EXPECT_FALSE(Near(ScreenAt(box->Handle(), b.Left + 1, (b.Top + b.Bottom) / 2), Shade(Kit("COMBOBTN", 10))));
}

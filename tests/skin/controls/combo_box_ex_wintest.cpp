// The skinned extended combo box on a test form with the kit's Marl: face,
// frame, button and arrow pixels in their three looks, hot over the edit
// part too, the edit part on the section's HOTCOLOR, the list adapter only
// beyond DropDownCount, a window made again with its items, index and a
// new list adapter, the keyboard search, the read-only mode, a disabled or
// read-only edit part in the box's colours, and items with images and
// indents (an image list freed first).
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "platform/forms/forms.h"
#include "platform/graphics/image_list.h"
#include "skin/controls/combo_box_ex.h"
#include "skin/core/manager_platform.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/base_wnd_win.h"
#include "skin/windows/child_hook_win.h"
#include "tests/skin/core/skin_panel_wintest_support.h"
#include "tests/support/combo_look_check.h"
#include "tests/support/screenshot.h"

using namespace brsm::test;
using brsm::kit::Shade;

namespace {

TColor Kit(const char* section, int index) { return MarlColor(section, index); }
bool Near(TColor a, TColor b) { return NearColor(a, b); }
TColor ScreenAt(HWND w, int x, int y) { return WindowPixel(w, x, y); }

TColor ClientPixel(HWND w, int x, int y) {
  HDC dc = GetDC(w);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(w, dc);
  return static_cast<TColor>(c);
}

// A subclass put on the edit child after the box hooked it: what it found
// when the edit went.
WNDPROC laterPrevious = nullptr;
struct LaterSeen {
  bool Destroyed = false;
  bool StillOnTop = false;   // its procedure not overwritten by the unhook
  bool HookLeft = false;     // the box's property gone first
  int TextLength = -1;       // a message passed down to the edit
} laterSeen;
LRESULT CALLBACK LaterSubclass(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    laterSeen.Destroyed = true;
    laterSeen.StillOnTop = GetWindowLongPtrW(w, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&LaterSubclass);
    laterSeen.HookLeft = ChildHookOf(w, ComboChildPropertyName) == nullptr;
    laterSeen.TextLength = static_cast<int>(CallWindowProcW(laterPrevious, w, WM_GETTEXTLENGTH, 0, 0));
  }
  return CallWindowProcW(laterPrevious, w, msg, wp, lp);
}

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
  EXPECT_EQ(box->EditHandle(), nullptr);  // a list-only window has no edit to hook
  EXPECT_EQ(box->Items()->Count(), 20);
  EXPECT_EQ(box->ItemIndex(), 7);
  ASSERT_TRUE(DropAndClose());
  EXPECT_TRUE(box->ListAdapter()->Hooked());
  EXPECT_EQ(box->ListAdapter()->WindowHandle, ListOf(box->Handle()));
}

TEST_F(ComboBoxExWinTest, TheEditIsHookedUnderTheBoxsOwnPropertyAndALaterSubclassOutlivesTheHook) {
  HWND edit = box->EditHandle();
  ASSERT_NE(edit, nullptr);
  EXPECT_NE(ChildHookOf(edit, ComboChildPropertyName), nullptr);
  EXPECT_EQ(GetPropA(edit, AdapterPropertyName), nullptr);
  box->SetText("four");
  laterSeen = {};
  laterPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterSubclass)));
  box->SetStyle(csSimple);  // made again: the hook leaves the old edit
  ASSERT_TRUE(laterSeen.Destroyed);
  EXPECT_TRUE(laterSeen.StillOnTop);
  EXPECT_TRUE(laterSeen.HookLeft);
  EXPECT_EQ(laterSeen.TextLength, 4);
  // The new window's edit and list children are hooked.
  ASSERT_NE(box->EditHandle(), nullptr);
  EXPECT_NE(ChildHookOf(box->EditHandle(), ComboChildPropertyName), nullptr);
  EXPECT_NE(ChildHookOf(ListOf(box->Handle()), ComboChildPropertyName), nullptr);
}

TEST_F(ComboBoxExWinTest, ThePointerOverTheEditPartMakesTheBoxHot) {
  HWND edit = box->EditHandle();
  ASSERT_NE(edit, nullptr);
  RECT r{};
  GetWindowRect(edit, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageW(edit, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
  Pump(20);
  ExpectButton(1);
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  SendMessageW(edit, WM_MOUSELEAVE, 0, 0);
  Pump(20);
  ExpectButton(0);
}

TEST_F(ComboBoxExWinTest, TypedKeysCompleteTheEditOrSearchTheListWithinThePause) {
  for (const char* s : {"apple", "banana", "berry"}) box->Items()->Add(s);
  HWND edit = box->EditHandle();
  ASSERT_NE(edit, nullptr);
  SendMessageW(edit, WM_CHAR, 'b', 1);
  EXPECT_EQ(box->ItemIndex(), 1);
  EXPECT_EQ(box->Text(), "banana");
  EXPECT_EQ(box->SelStart(), 1);
  EXPECT_EQ(box->SelLength(), 5);
  SendMessageW(edit, WM_CHAR, 'e', 1);  // replaces the completed part
  EXPECT_EQ(box->Text(), "berry");
  EXPECT_EQ(box->SelStart(), 2);
  SendMessageW(edit, WM_CHAR, 'x', 1);  // no item: typed as it stands
  EXPECT_EQ(box->Text(), "bex");
  box->SetStyle(csDropDownList);
  HWND w = box->Handle();
  SendMessageW(w, WM_CHAR, 'b', 1);
  SendMessageW(w, WM_CHAR, 'e', 1);
  EXPECT_EQ(box->ItemIndex(), 2);
  Sleep(600);  // a pause starts a new search
  SendMessageW(w, WM_CHAR, 'a', 1);
  EXPECT_EQ(box->ItemIndex(), 0);
}

TEST_F(ComboBoxExWinTest, AReadOnlyBoxOnlyTakesTheFocus) {
  Fill(5);
  box->SetStyle(csDropDownList);
  box->SetItemIndex(1);
  box->SetReadOnly(true);
  HWND w = box->Handle();
  const TRect b = box->ButtonRect();
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(b.Left + 3, 8));
  SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(b.Left + 3, 8));
  Pump(30);
  EXPECT_FALSE(box->DroppedDown());
  EXPECT_EQ(GetFocus(), w);
  SendMessageW(w, WM_KEYDOWN, VK_DOWN, 1);
  EXPECT_EQ(box->ItemIndex(), 1);
  box->SetReadOnly(false);
  SendMessageW(w, WM_KEYDOWN, VK_DOWN, 1);
  EXPECT_EQ(box->ItemIndex(), 2);
}

TEST_F(ComboBoxExWinTest, ADisabledOrReadOnlyEditPartKeepsTheBoxsColours) {
  HWND edit = box->EditHandle();
  ASSERT_NE(edit, nullptr);
  const TColor face = box->Color();
  ASSERT_EQ(face, Kit("COMBOBOX", 1));
  // Such an edit asks with WM_CTLCOLORSTATIC.
  box->SetEnabled(false);
  Pump(40);
  SaveScreenshot("combo_box_ex_disabled");
  EXPECT_TRUE(Near(ClientPixel(edit, 2, 2), face)) << std::hex << ClientPixel(edit, 2, 2);
  box->SetEnabled(true);
  SendMessageW(edit, EM_SETREADONLY, TRUE, 0);
  InvalidateRect(edit, nullptr, TRUE);
  Pump(40);
  EXPECT_TRUE(Near(ClientPixel(edit, 2, 2), face)) << std::hex << ClientPixel(edit, 2, 2);
}

TEST_F(ComboBoxExWinTest, ItemsWithImagesIndentsAndAnImageListFreedFirst) {
  auto* ex = new TsComboBoxEx(form.get());
  auto* images = new TImageList(form.get());
  TBitmap red;
  red.SetSize(16, 16);
  red.Canvas()->Brush()->SetColor(clRed);
  red.Canvas()->FillRect(TRect{0, 0, 16, 16});
  ASSERT_EQ(images->AddMasked(&red, clFuchsia), 0);
  // The items come before the window.
  ex->ItemsEx()->AddItem("Flat", 0);
  ex->ItemsEx()->AddItem("Deep", 0, -1, -1, 2);
  ex->SetImages(images);
  ex->SkinData()->SetSkinSection("COMBOBOX");
  ex->SetParent(form.get());
  ex->SetBounds(160, 20, 150, 22);
  ex->Items()->Add("Typed");  // not one of ItemsEx
  ASSERT_EQ(ex->Items()->Count(), 3);
  EXPECT_EQ(ex->Items()->Strings(1), "Deep");
  ex->SetItemIndex(1);
  ex->Invalidate();
  Pump(30);
  HWND w = ex->Handle();
  // The face shows the item's image unmoved by its indent.
  EXPECT_EQ(WindowPixel(w, 3 + 8, 11), static_cast<TColor>(clRed));
  ex->SetDroppedDown(true);
  Pump(40);
  HWND list = ListOf(w);
  const int row = ex->ItemHeight();
  SaveScreenshot("combo_box_ex_images");
  EXPECT_EQ(ClientPixel(list, 3 + 8, row / 2), static_cast<TColor>(clRed));
  EXPECT_NE(ClientPixel(list, 3 + 8, row + row / 2), static_cast<TColor>(clRed));
  EXPECT_EQ(ClientPixel(list, 3 + 32 + 8, row + row / 2), static_cast<TColor>(clRed));
  // The window's own string: no image, the section's colour.
  EXPECT_NE(ClientPixel(list, 3 + 8, 2 * row + row / 2), static_cast<TColor>(clRed));
  EXPECT_TRUE(Near(ClientPixel(list, 3 + 8, 2 * row + row / 2), ex->SkinData()->Section()->Color));
  ex->SetDroppedDown(false);
  Pump(20);
  delete images;
  EXPECT_EQ(ex->Images(), nullptr);
  ex->Invalidate();
  Pump(30);
  EXPECT_NE(WindowPixel(w, 3 + 8, 11), static_cast<TColor>(clRed));
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

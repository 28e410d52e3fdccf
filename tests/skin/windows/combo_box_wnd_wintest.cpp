// The combo-box adapters on real "COMBOBOX" windows of a test form with the
// kit's Marl: frame, button and arrow pixels in their three looks, the
// dropped list's skinned border, the list coloured from its own section at
// every asking (never in dialog mode), the list's brush gone with the
// adapter, WM_PRINT's text beside the button on either side, and the
// foreign box's button rule.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "platform/forms/forms.h"
#include "platform/forms/stdctrls.h"
#include "skin/core/manager_platform.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/adapter_factory_win.h"
#include "skin/windows/combo_box_wnd_win.h"
#include "tests/skin/core/skin_panel_wintest_support.h"
#include "tests/support/combo_look_check.h"
#include "tests/support/screenshot.h"

using namespace brsm::test;
using brsm::kit::Shade;

namespace {

TColor Kit(const char* section, int index) { return MarlColor(section, index); }
bool Near(TColor a, TColor b) { return NearColor(a, b); }

// The window's pixels from the screen, or as WM_PRINT gives them.
class Shot {
 public:
  Shot(HWND w, bool print) {
    RECT r{};
    GetWindowRect(w, &r);
    bmp_.reset(new TBitmap(r.right - r.left, r.bottom - r.top));
    HDC dc = bmp_->Canvas()->Handle();
    if (print) {
      SendMessageW(w, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_NONCLIENT);
    } else {
      HDC screen = GetWindowDC(w);
      BitBlt(dc, 0, 0, bmp_->Width(), bmp_->Height(), screen, 0, 0, SRCCOPY);
      ReleaseDC(w, screen);
    }
    GdiFlush();
  }
  TColor At(int x, int y) const { return BitmapPixel(bmp_.get(), x, y); }
  // Some pixel of the rectangle is `color`.
  bool Holds(const TRect& r, TColor color) const {
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (Near(At(x, y), color)) return true;
    return false;
  }

 private:
  std::unique_ptr<TBitmap> bmp_;
};

class ComboBoxWndWinTest : public ::testing::Test {
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
    form->Show();
    Pump(30);
  }
  void TearDown() override {
    FreeAdapter(adapter);
    form.reset();
    Pump(10);
  }
  HWND MakeCombo(DWORD style, int y = 20) {
    HWND w = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | style, 20, y, 150, 200,
                             form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    for (const wchar_t* s : {L"First", L"WWWWWWWW", L"Third"})
      SendMessageW(w, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    return w;
  }
  TvxComboBoxWnd* Adapt(HWND w, TsCommonData* record = nullptr) {
    TvxAdapterArgs args;
    args.Handle = w;
    args.Repaint = true;
    args.Section = "COMBOBOX";
    args.Manager = manager;
    args.SkinData = record;
    adapter = static_cast<TvxComboBoxWnd*>(CreateAdapter(TvxAdapterKind::ComboBoxWnd, args));
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    Pump(30);
    return adapter;
  }
  HWND ListOf(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo, &info);
    return info.hwndList;
  }
  // The button's left band and its arrow in the look of `state`.
  void ExpectButton(const Shot& shot, int state) {
    ExpectComboButton(adapter->GetButtonRect(), state, [&](int x, int y) { return shot.At(x, y); });
  }

  TempFolder folder;
  std::unique_ptr<TForm> form;
  TsSkinManager* manager = nullptr;
  TvxComboBoxWnd* adapter = nullptr;
};

}  // namespace

TEST_F(ComboBoxWndWinTest, FrameButtonAndArrowComeFromTheSkinInTheirThreeLooks) {
  HWND combo = MakeCombo(CBS_DROPDOWNLIST);
  Adapt(combo);
  ASSERT_TRUE(adapter->Hooked());
  const TRect b = adapter->GetButtonRect();
  EXPECT_EQ(b.Width(), GetSystemMetrics(SM_CXVSCROLL));
  TColor boxEdge = 0;
  {
    Shot screen(combo, false);
    // The frame ring is COMBOBOX's border, inherited from EDIT.
    EXPECT_TRUE(Near(screen.At(1, 10), Shade(Kit("EDIT", 10)))) << std::hex << screen.At(1, 10);
    boxEdge = screen.At(0, 10);
    ExpectButton(screen, 0);
  }
  // The pointer over the box makes it the hot window: the button turns hot.
  SendMessageW(combo, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  Pump(20);
  ExpectButton(Shot(combo, false), 1);
  // Open, the list is shown and the button pressed.
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  Pump(50);
  ASSERT_TRUE(IsWindowVisible(ListOf(combo)));
  EXPECT_EQ(adapter->ListHandle, ListOf(combo));
  ExpectButton(Shot(combo, true), 2);
  // The dropped list's edge is EDIT's border, as the box's is.
  {
    Shot list(ListOf(combo), false);
    RECT r{};
    GetWindowRect(ListOf(combo), &r);
    const TColor edge = list.At(0, (r.bottom - r.top) / 2);
    EXPECT_TRUE(Near(edge, Shade(Kit("EDIT", 10)))) << std::hex << edge;
    EXPECT_EQ(edge, boxEdge);
  }
  SaveScreenshot("combo_box_wnd_pressed");
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  manager->SetHotControl(0);
  Pump(30);
  ExpectButton(Shot(combo, true), 0);
}

TEST_F(ComboBoxWndWinTest, ListIsColouredAtEveryMessageAndItsBrushGoesWithTheAdapter) {
  HWND combo = MakeCombo(CBS_DROPDOWN);
  Adapt(combo);
  HWND list = ListOf(combo);
  std::unique_ptr<TBitmap> bmp(new TBitmap(10, 10));
  HDC dc = bmp->Canvas()->Handle();
  SetTextColor(dc, 0);
  SetBkColor(dc, 0xFFFFFF);
  const auto first = reinterpret_cast<HBRUSH>(
      SendMessageW(combo, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(list)));
  ASSERT_NE(adapter->ListAdapter, nullptr);
  EXPECT_EQ(adapter->ListAdapter->WindowHandle, list);
  EXPECT_FALSE(adapter->ListAdapter->SimpleBox);
  LOGBRUSH lb{};
  ASSERT_EQ(GetObjectW(first, sizeof lb, &lb), static_cast<int>(sizeof lb));
  // The list's section is EDIT (the adapter answers its index + 1).
  EXPECT_EQ(static_cast<TColor>(lb.lbColor), Kit("EDIT", 0));
  EXPECT_EQ(static_cast<TColor>(GetBkColor(dc)), Kit("EDIT", 0));
  EXPECT_EQ(static_cast<TColor>(GetTextColor(dc)), Kit("EDIT", 2));
  // A later repaint of the list asks again and gets the same colours.
  SetTextColor(dc, 0);
  SetBkColor(dc, 0xFFFFFF);
  const auto second = reinterpret_cast<HBRUSH>(
      SendMessageW(combo, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(list)));
  EXPECT_EQ(second, first);
  EXPECT_EQ(static_cast<TColor>(GetBkColor(dc)), Kit("EDIT", 0));
  EXPECT_EQ(static_cast<TColor>(GetTextColor(dc)), Kit("EDIT", 2));
  FreeAdapter(adapter);
  EXPECT_EQ(GetObjectType(first), 0u);
}

TEST_F(ComboBoxWndWinTest, InDialogModeTheListKeepsTheSystemColoursAndTheSwitchComesBack) {
  HWND combo = MakeCombo(CBS_DROPDOWN);
  AdaptingDialogChild = true;  // as the creation hook adapts a foreign dialog's child
  Adapt(combo);
  AdaptingDialogChild = false;
  ASSERT_TRUE(adapter->DialogMode);
  HWND list = ListOf(combo);
  std::unique_ptr<TBitmap> bmp(new TBitmap(10, 10));
  HDC dc = bmp->Canvas()->Handle();
  const LRESULT answer =
      SendMessageW(combo, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(list));
  ASSERT_NE(adapter->ListAdapter, nullptr);
  EXPECT_TRUE(adapter->ListAdapter->DialogMode);  // lent for the creation only
  EXPECT_FALSE(AdaptingDialogChild);
  // What the parent answers: the system's colours.
  EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT));
  LOGBRUSH lb{};
  ASSERT_EQ(GetObjectW(reinterpret_cast<HBRUSH>(answer), sizeof lb, &lb), static_cast<int>(sizeof lb));
  EXPECT_NE(static_cast<TColor>(lb.lbColor), Kit("EDIT", 0));
}

TEST_F(ComboBoxWndWinTest, SimpleBoxHasNoButtonAndItsListIsFlagged) {
  HWND combo = MakeCombo(CBS_SIMPLE);
  Adapt(combo);  // the simple list is painted, and so coloured, at once
  EXPECT_EQ(adapter->GetButtonRect().Width(), 0);
  ASSERT_NE(adapter->ListAdapter, nullptr);
  EXPECT_EQ(adapter->ListAdapter->WindowHandle, ListOf(combo));
  EXPECT_TRUE(adapter->ListAdapter->SimpleBox);
  EXPECT_FALSE(adapter->ListAdapter->DialogMode);
}

TEST_F(ComboBoxWndWinTest, PrintShowsTheSelectedTextBesideTheButtonOnEitherSide) {
  for (bool rightToLeft : {false, true}) {
    SCOPED_TRACE(rightToLeft ? "right to left" : "left to right");
    HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    if (rightToLeft) SetWindowLongW(combo, GWL_EXSTYLE, GetWindowLongW(combo, GWL_EXSTYLE) | WS_EX_RTLREADING);
    Adapt(combo);
    const TRect b = adapter->GetButtonRect();
    RECT r{};
    GetWindowRect(combo, &r);
    const TRect text = rightToLeft ? TRect{b.Right, 3, r.right - r.left - 3, b.Bottom - 1}
                                   : TRect{3, 3, b.Left, b.Bottom - 1};
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    Shot empty(combo, true);
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    Shot selected(combo, true);
    int changed = 0;
    for (int y = text.Top; y < text.Bottom; ++y)
      for (int x = text.Left; x < text.Right; ++x) changed += empty.At(x, y) != selected.At(x, y);
    EXPECT_GT(changed, 40);  // "WWWWWWWW" is written
    // Nothing of it reaches the button.
    for (int x = b.Left; x < b.Right; ++x) EXPECT_EQ(empty.At(x, 10), selected.At(x, 10)) << x;
    ExpectButton(selected, 0);
    FreeAdapter(adapter);
    DestroyWindow(combo);
  }
}

TEST_F(ComboBoxWndWinTest, OnAControlTheBoxTakesTheSkinsColoursAndGivesThemBack) {
  auto* box = new TComboBox(form.get());
  box->SetParent(form.get());
  box->SetBounds(20, 60, 150, 22);
  box->SetStyle(csDropDownList);
  box->SetColor(clAqua);
  box->Items()->Add("One");
  form->Show();
  Pump(20);
  TsCommonData record(box, true);
  record.SetSkinSection("COMBOBOX");
  Adapt(box->Handle(), &record);
  ASSERT_TRUE(adapter->Hooked());
  EXPECT_NE(box->Color(), clAqua);
  box->Invalidate();
  Pump(30);
  ExpectButton(Shot(box->Handle(), false), 0);
  FreeAdapter(adapter);
  EXPECT_EQ(box->Color(), clAqua);
}

TEST_F(ComboBoxWndWinTest, ForeignBoxesDecideTheirButtonOnceFromClassAndStyle) {
  class TOtherCombo : public TComboBox {
   public:
    using TComboBox::TComboBox;
  };
  auto* simple = new TComboBox(form.get());
  simple->SetParent(form.get());
  simple->SetStyle(csSimple);
  auto* list = new TComboBox(form.get());
  list->SetParent(form.get());
  list->SetStyle(csDropDownList);
  auto* other = new TOtherCombo(form.get());
  other->SetParent(form.get());
  other->SetStyle(csSimple);
  TvxAdapterArgs args;
  args.Section = "EDIT";
  args.Manager = manager;
  const int bar = GetSystemMetrics(SM_CXVSCROLL);
  for (auto [control, width] : {std::pair<TComboBox*, int>{simple, 0}, {list, bar}, {other, bar}}) {
    TvxWWComboBoxWnd* a = TvxWWComboBoxWnd::CreateOn(control, args);
    EXPECT_EQ(a->WindowHandle, control->Handle());
    EXPECT_EQ(a->GetButtonRect().Width(), width) << control->ClassName();
    EXPECT_EQ(a->GetButtonRect().Right, control->Width() - 2);
    FreeAdapter(a);
  }
}

// The skinned memo and labels on a real form with the kit's Marl: the memo's
// window carries a hooked edit adapter whose bar is painted from the skin
// and follows keys, the wheel, replaced and pasted text; nothing is painted
// while the record updates; removing the skin brings the system's bar back
// and a new skin the skinned one. Labels take the skin's text colour and
// paint a named section behind their text.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "platform/forms/forms.h"
#include "skin/controls/label.h"
#include "skin/controls/memo.h"
#include "skin/controls/skin_controls_start_win.h"
#include "skin/core/manager_platform.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/base_wnd_win.h"
#include "skin/windows/skin_windows_start_win.h"
#include "tests/skin/core/skin_panel_wintest_support.h"
#include "tests/support/screenshot.h"
#include "tools/skinkit/marl_skin.h"

using namespace brsm::test;
using brsm::kit::KitColor;
using brsm::kit::MarlSectionIndex;

namespace {

TColor EdgeOf(const char* section, int state) { return brsm::kit::Shade(KitColor(MarlSectionIndex(section), 10 + state)); }

class MemoLabelWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseWindowsSkinManager();
    brsm::StartSkinWindows();
    brsm::StartSkinControls();
    ASSERT_TRUE(brsm::kit::MakeMarlSkin().WriteFolder(folder.Path()));
    form = std::make_unique<TForm>(Application);
    form->SetBounds(40, 40, 360, 300);
    manager = new TsSkinManager(form.get());
    manager->SetSkinDirectory(folder.Path());
    manager->SetSkinName("Marl");
    ASSERT_TRUE(manager->SkinData.Loaded);
    memo = new TsMemo(form.get());
    memo->SetParent(form.get());
    memo->SetBounds(10, 10, 200, 150);
    memo->SetScrollBars(ssVertical);
    std::string text;
    for (int i = 0; i < 60; ++i) text += "line " + std::to_string(i) + "\r\n";
    memo->SetText(text);
    label = new TsLabel(form.get());
    label->SetParent(form.get());
    label->SetBounds(220, 10, 100, 20);
    label->SetCaption("Label");
    form->Show();
    Pump();
  }
  void TearDown() override {
    form.reset();
    brsm::StopSkinControls();
    brsm::StopSkinWindows();
    Pump(10);
  }
  TColor BarTop() {
    RECT w{}, c{};
    GetWindowRect(memo->Handle(), &w);
    GetClientRect(memo->Handle(), &c);
    POINT origin{0, 0};
    ClientToScreen(memo->Handle(), &origin);
    const int edge = origin.x - w.left;
    HDC dc = GetWindowDC(memo->Handle());
    const COLORREF p = GetPixel(dc, edge + c.right + 8, edge);
    ReleaseDC(memo->Handle(), dc);
    return static_cast<TColor>(p);
  }
  int ScrollPos() {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_POS;
    GetScrollInfo(memo->Handle(), SB_VERT, &si);
    return si.nPos;
  }

  TempFolder folder;
  std::unique_ptr<TForm> form;
  TsSkinManager* manager = nullptr;
  TsMemo* memo = nullptr;
  TsLabel* label = nullptr;
};

}  // namespace

TEST_F(MemoLabelWinTest, MemoWindowCarriesAHookedAdapterAndASkinnedBar) {
  TvxEditWnd* adapter = memo->ScrollAdapter();
  ASSERT_NE(adapter, nullptr);
  EXPECT_TRUE(adapter->Hooked());
  EXPECT_EQ(adapter->HookedControl(), memo);
  EXPECT_EQ(AdapterOfWindow(memo->Handle()), adapter);
  EXPECT_EQ(memo->Color(), KitColor(MarlSectionIndex("EDIT"), 0));
  EXPECT_EQ(BarTop(), EdgeOf("SCROLLBTNTOP", 0));
  SaveScreenshot("memo_marl");
}

TEST_F(MemoLabelWinTest, BarFollowsKeysWheelAndTextThatArrivesWithoutAKey) {
  TvxEditWnd* adapter = memo->ScrollAdapter();
  ASSERT_NE(adapter, nullptr);
  memo->SetFocus();
  SendMessageW(memo->Handle(), WM_KEYDOWN, VK_NEXT, 0);
  SendMessageW(memo->Handle(), WM_KEYUP, VK_NEXT, 0);
  Pump();
  EXPECT_GT(ScrollPos(), 0);
  EXPECT_EQ(adapter->VertBar->Info.nPos, ScrollPos());
  EXPECT_EQ(BarTop(), EdgeOf("SCROLLBTNTOP", 0));

  SendMessageW(memo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  Pump();
  EXPECT_EQ(adapter->VertBar->Info.nPos, ScrollPos());
  EXPECT_EQ(BarTop(), EdgeOf("SCROLLBTNTOP", 0));

  const int before = adapter->VertBar->Info.nMax;
  SendMessageW(memo->Handle(), EM_SETSEL, -1, -1);
  SendMessageW(memo->Handle(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(L"a\r\nb\r\nc\r\nd\r\n"));
  EXPECT_GT(adapter->VertBar->Info.nMax, before);
  EXPECT_EQ(BarTop(), EdgeOf("SCROLLBTNTOP", 0));

  // A paste from the context menu: no key, only the edit's change.
  const int beforePaste = adapter->VertBar->Info.nMax;
  const std::wstring pasted = L"p1\r\np2\r\np3\r\np4\r\np5\r\n";
  ASSERT_TRUE(OpenClipboard(memo->Handle()));
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(mem), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(mem);
  SetClipboardData(CF_UNICODETEXT, mem);
  CloseClipboard();
  SendMessageW(memo->Handle(), WM_PASTE, 0, 0);
  Pump();
  EXPECT_GT(adapter->VertBar->Info.nMax, beforePaste);
}

TEST_F(MemoLabelWinTest, NothingIsPaintedWhileTheRecordUpdates) {
  HDC dc = GetWindowDC(memo->Handle());
  RECT all{0, 0, memo->Width(), memo->Height()};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  ReleaseDC(memo->Handle(), dc);
  memo->SkinData()->Updating = true;
  SendMessageW(memo->Handle(), WM_NCPAINT, 1, 0);
  EXPECT_EQ(BarTop(), 0u);
  memo->SkinData()->Updating = false;
  SendMessageW(memo->Handle(), WM_NCPAINT, 1, 0);
  EXPECT_EQ(BarTop(), EdgeOf("SCROLLBTNTOP", 0));

  // The client: WM_PAINT only validates while the record updates. The
  // memo's own procedure is asked directly: its hooked adapter sees the
  // message first and holds the same rule.
  // Pixels of the first line that are not black: its text, once painted.
  auto painted = [&] {
    HDC client = GetDC(memo->Handle());
    int n = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 80; ++x) n += GetPixel(client, x, y) != 0;
    ReleaseDC(memo->Handle(), client);
    return n;
  };
  dc = GetDC(memo->Handle());
  RECT client{};
  GetClientRect(memo->Handle(), &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  ReleaseDC(memo->Handle(), dc);
  memo->SkinData()->Updating = true;
  InvalidateRect(memo->Handle(), nullptr, FALSE);
  TMessage paint{WM_PAINT, 0, 0, 0};
  memo->WndProc(paint);
  RECT update{};
  EXPECT_FALSE(GetUpdateRect(memo->Handle(), &update, FALSE));
  EXPECT_EQ(painted(), 0);
  memo->SkinData()->Updating = false;
  InvalidateRect(memo->Handle(), nullptr, FALSE);
  memo->WndProc(paint);
  EXPECT_GT(painted(), 0);
}

TEST_F(MemoLabelWinTest, SkinRemovedBringsTheSystemBarBackAndANewSkinTheSkinnedOne) {
  manager->SetActive(false);
  Pump();
  EXPECT_EQ(memo->ScrollAdapter(), nullptr);
  EXPECT_EQ(AdapterOfWindow(memo->Handle()), nullptr);  // the window made anew
  EXPECT_NE(BarTop(), EdgeOf("SCROLLBTNTOP", 0));
  EXPECT_EQ(label->Font()->Color(), clWindowText);

  manager->SetActive(true);
  Pump();
  ASSERT_NE(memo->ScrollAdapter(), nullptr);
  EXPECT_EQ(AdapterOfWindow(memo->Handle()), memo->ScrollAdapter());
  RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  EXPECT_EQ(BarTop(), EdgeOf("SCROLLBTNTOP", 0));
}

TEST_F(MemoLabelWinTest, LabelsTakeTheSkinsTextColourAndPaintANamedSectionAboveTheFirst) {
  label->Repaint();
  Pump();
  EXPECT_EQ(label->Font()->Color(), manager->GlobalTextColor());
  // The middle of the label's top row, above its text.
  auto shown = [&] {
    HDC dc = GetDC(form->Handle());
    const TColor c = static_cast<TColor>(GetPixel(dc, label->Left() + label->Width() / 2, label->Top()));
    ReleaseDC(form->Handle(), dc);
    return c;
  };
  const TColor behind = shown();

  auto* fixed = new TsLabel(form.get());
  fixed->SetParent(form.get());
  fixed->SetUseSkinColor(false);
  fixed->Font()->SetColor(0x123456);
  fixed->SetCaption("Fixed");
  fixed->Repaint();
  EXPECT_EQ(fixed->Font()->Color(), 0x123456);

  label->SetSkinSection("BUTTON");
  label->Repaint();
  Pump();
  EXPECT_EQ(label->Font()->Color(), KitColor(MarlSectionIndex("BUTTON"), 2));
  EXPECT_EQ(shown(), EdgeOf("BUTTON", 0));  // BUTTON's frame, drawn behind the text
  SaveScreenshot("label_button_section");

  label->SetSkinSection("GLOBALINFO");  // the first section paints nothing behind
  label->Repaint();
  Pump();
  EXPECT_EQ(label->Font()->Color(), manager->GlobalTextColor());
  EXPECT_EQ(shown(), behind);

  manager->SetActive(false);
  Pump();
  EXPECT_EQ(fixed->Font()->Color(), 0x123456);
  EXPECT_EQ(label->Font()->Color(), clWindowText);
}

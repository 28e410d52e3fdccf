// The scroll-window adapter on a real foreign window with the kit's Marl:
// hit codes of the bars, the corner and a disabled bar; a held arrow that
// repeats and ends on release or when the capture goes; the bars' pixels
// read back against the kit's colours.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/forms/forms.h"
#include "skin/core/manager_platform.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/scroll_tracking.h"
#include "skin/windows/scroll_wnd_win.h"
#include "tests/skin/core/skin_panel_wintest_support.h"
#include "tests/support/screenshot.h"
#include "tools/skinkit/marl_skin.h"

using namespace brsm::test;
using brsm::kit::KitColor;
using brsm::kit::MarlSectionIndex;

namespace {

std::vector<int> vscrolls;  // the codes of WM_VSCROLL the window got
// The window's own procedure paints its whole frame black when the mouse
// moves over it or leaves it, as the system's hot-tracking of its own bars
// paints them.
bool paintsOnNcMouse = false;

LRESULT CALLBACK ScrollingProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_VSCROLL) vscrolls.push_back(LOWORD(wp));
  if (paintsOnNcMouse && (msg == WM_NCMOUSEMOVE || msg == WM_NCMOUSELEAVE)) {
    RECT r{};
    GetWindowRect(w, &r);
    HDC dc = GetWindowDC(w);
    RECT all{0, 0, r.right - r.left, r.bottom - r.top};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(w, dc);
  }
  return DefWindowProcW(w, msg, wp, lp);
}

TColor EdgeOf(const char* section, int state) { return brsm::kit::Shade(KitColor(MarlSectionIndex(section), 10 + state)); }

class ScrollWndWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A pointer left on an arrow by an earlier test would paint it hot.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    UseWindowsSkinManager();
    UseWindowsScrollSeam();
    ASSERT_TRUE(brsm::kit::MakeMarlSkin().WriteFolder(folder.Path()));
    owner = std::make_unique<TForm>(Application);
    manager = new TsSkinManager(owner.get());
    manager->SetSkinDirectory(folder.Path());
    manager->SetSkinName("Marl");
    ASSERT_TRUE(manager->SkinData.Loaded);
    WNDCLASSW wc{};
    wc.lpfnWndProc = &ScrollingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"BrsmScrollingTestWindow";
    RegisterClassW(&wc);
    window = CreateWindowExW(0, wc.lpszClassName, L"Scrolling", WS_POPUP | WS_BORDER | WS_VSCROLL | WS_HSCROLL,
                             50, 50, 240, 200, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    SCROLLINFO si{sizeof si, SIF_ALL, 0, 99, 10, 0, 0};
    SetScrollInfo(window, SB_VERT, &si, FALSE);
    SetScrollInfo(window, SB_HORZ, &si, FALSE);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    TvxAdapterArgs args;
    args.Handle = window;
    args.Repaint = true;
    args.Section = "EDIT";
    args.Manager = manager;
    adapter = TvxMainWnd::Create<TvxScrollWnd>(args);
    Pump();
    vscrolls.clear();
  }
  void TearDown() override {
    paintsOnNcMouse = false;
    FreeAdapter(adapter);
    if (IsWindow(window)) DestroyWindow(window);
    owner.reset();
    Pump(10);
  }
  TPoint Middle(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
  LRESULT Hit(TPoint p) { return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(p.X, p.Y)); }
  TRect LastArrow() {
    const TRect bar = adapter->BarRectOnScreen(BarVertical);
    const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    return {bar.Left, bar.Bottom - arrow, bar.Right, bar.Bottom};
  }
  void PressLastArrow() {
    const TPoint p = Middle(LastArrow());
    SetCursorPos(p.X, p.Y);
    SendMessageW(window, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(p.X, p.Y));
  }
  // The middle of the vertical bar's first or last arrow, on the window.
  TColor ArrowPixel(bool last) {
    RECT wr{};
    GetWindowRect(window, &wr);
    const TRect v = adapter->BarRectOnScreen(BarVertical);
    HDC dc = GetWindowDC(window);
    const int x = (v.Left + v.Right) / 2 - wr.left;
    const int y = last ? v.Bottom - GetSystemMetrics(SM_CXHSCROLL) - wr.top : v.Top - wr.top;
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return static_cast<TColor>(c);
  }
  int Count(int code) {
    int n = 0;
    for (int c : vscrolls) n += c == code;
    return n;
  }

  TempFolder folder;
  std::unique_ptr<TForm> owner;
  TsSkinManager* manager = nullptr;
  HWND window = nullptr;
  TvxScrollWnd* adapter = nullptr;
};

}  // namespace

TEST_F(ScrollWndWinTest, BarsCornerAndADisabledBarAnswerTheirHitCodes) {
  ASSERT_TRUE(adapter->VertBar->Visible);
  ASSERT_TRUE(adapter->HorzBar->Visible);
  EXPECT_EQ(Hit(Middle(adapter->BarRectOnScreen(BarVertical))), HTVSCROLL);
  EXPECT_EQ(Hit(Middle(adapter->BarRectOnScreen(BarHorizontal))), HTHSCROLL);
  const TRect v = adapter->BarRectOnScreen(BarVertical);
  const TRect h = adapter->BarRectOnScreen(BarHorizontal);
  EXPECT_EQ(Hit(TPoint{(v.Left + v.Right) / 2, (h.Top + h.Bottom) / 2}), HTBOTTOMRIGHT);  // no parent: grip
  EnableScrollBar(window, SB_VERT, ESB_DISABLE_BOTH);
  EXPECT_EQ(Hit(Middle(v)), HTNOWHERE);
  SendMessageW(window, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(Middle(LastArrow()).X, Middle(LastArrow()).Y));
  EXPECT_TRUE(vscrolls.empty());
}

TEST_F(ScrollWndWinTest, HeldArrowRepeatsEndsOnReleaseAndStopsWhenTheCaptureGoes) {
  PressLastArrow();
  EXPECT_EQ(Count(SB_LINEDOWN), 1);
  Pump(450);
  const int held = Count(SB_LINEDOWN);
  EXPECT_GE(held, 2);
  SendMessageW(window, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(Count(SB_ENDSCROLL), 1);
  Pump(200);
  EXPECT_EQ(Count(SB_LINEDOWN), held);

  vscrolls.clear();
  PressLastArrow();
  Pump(350);
  ReleaseCapture();
  Pump(20);
  EXPECT_EQ(Count(SB_ENDSCROLL), 1);
  const int afterLoss = Count(SB_LINEDOWN);
  Pump(300);
  EXPECT_EQ(Count(SB_LINEDOWN), afterLoss);
  EXPECT_FALSE(ScrollTracking().Pressed());
}

TEST_F(ScrollWndWinTest, BarsAreReadBackInTheSkinsColours) {
  RedrawWindowFrame(window, false);
  Pump();
  EXPECT_EQ(ArrowPixel(false), EdgeOf("SCROLLBTNTOP", 0));
  EXPECT_EQ(ArrowPixel(true), EdgeOf("SCROLLBTNBOTTOM", 0));
  SaveScreenshot("scroll_wnd_marl");
}

TEST_F(ScrollWndWinTest, BarsPaintedOverByTheWindowsOwnMouseTrackingComeBack) {
  RedrawWindowFrame(window, false);
  Pump();
  paintsOnNcMouse = true;
  const TPoint p = Middle(adapter->BarRectOnScreen(BarVertical));
  SendMessageW(window, WM_NCMOUSEMOVE, HTVSCROLL, MAKELPARAM(p.X, p.Y));
  EXPECT_EQ(ArrowPixel(false), EdgeOf("SCROLLBTNTOP", 0)) << "after a move over the bar";
  SendMessageW(window, WM_NCMOUSELEAVE, 0, 0);
  EXPECT_EQ(ArrowPixel(false), EdgeOf("SCROLLBTNTOP", 0)) << "after the mouse left";
  EXPECT_EQ(ArrowPixel(true), EdgeOf("SCROLLBTNBOTTOM", 0)) << "after the mouse left";
}

TEST_F(ScrollWndWinTest, UnhookingStopsTheTimersOfAPressAndGivesTheSystemBarsBack) {
  PressLastArrow();
  FreeAdapter(adapter);
  EXPECT_FALSE(ScrollTracking().Pressed());
  EXPECT_NE(GetCapture(), window);
  const int before = Count(SB_LINEDOWN);
  Pump(400);
  EXPECT_EQ(Count(SB_LINEDOWN), before);
  EXPECT_EQ(AdapterOfWindow(window), nullptr);
}

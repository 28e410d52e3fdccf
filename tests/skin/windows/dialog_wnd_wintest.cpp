// Foreign dialogs skinned by the creation hook: frames of every kind read
// back in the kit's colours, the caption buttons and window menu driven by
// messages, and what the adapters leave behind.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "skin/core/paint_seam.h"
#include "skin/core/skin_hook_win.h"
#include "skin/windows/dialog_wnd_win.h"
#include "skin/windows/hook_provider_win.h"
#include "tests/skin/windows/provider_test_support.h"
#include "tests/support/screenshot.h"
#include "tests/support/skin_without.h"
#include "tools/skinkit/kit_pictures.h"

namespace {

using brsm::kit::KitColor;
using brsm::kit::MarlSectionIndex;
using providertest::ProviderWinTest;

// Marl's glyphs: frame s of glyph g is KitColor(g, 10 + s) on magenta.
enum : int { kBigClose = 30, kBigMax = 31, kBigMin = 33, kSmallClose = 35 };
TColor GlyphColor(int glyph, int state) { return KitColor(glyph, 10 + state); }

TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

// What reached the dialogs' own procedure.
std::vector<UINT> seen;
std::vector<WPARAM> commands;

INT_PTR CALLBACK RecordingProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  seen.push_back(msg);
  if (msg == WM_COMMAND) {
    commands.push_back(wParam);
    if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) DestroyWindow(dialog);
    return TRUE;
  }
  return msg == WM_INITDIALOG;
}

int Seen(UINT msg) { return static_cast<int>(std::count(seen.begin(), seen.end(), msg)); }

// An in-memory template: the dialog, one OK button and, when named, a
// control of another class.
std::vector<WORD> Template(DWORD style, DWORD exStyle, const wchar_t* title, const wchar_t* other = nullptr) {
  std::vector<WORD> t;
  auto dword = [&](DWORD v) {
    t.push_back(LOWORD(v));
    t.push_back(HIWORD(v));
  };
  auto text = [&](const wchar_t* s) {
    for (; *s; ++s) t.push_back(static_cast<WORD>(*s));
    t.push_back(0);
  };
  dword(style);
  dword(exStyle);
  t.push_back(other ? 2 : 1);
  for (WORD v : {20, 20, 160, 90}) t.push_back(v);
  t.push_back(0);  // no menu
  t.push_back(0);  // the dialog class
  text(title);
  if (t.size() % 2) t.push_back(0);
  dword(WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON);
  dword(0);
  for (WORD v : {55, 60, 50, 14}) t.push_back(v);
  t.push_back(IDOK);
  t.push_back(0xFFFF);
  t.push_back(0x0080);
  text(L"OK");
  t.push_back(0);
  if (other) {
    if (t.size() % 2) t.push_back(0);
    dword(WS_CHILD | WS_VISIBLE);
    dword(0);
    for (WORD v : {5, 5, 60, 14, 100}) t.push_back(v);
    text(other);
    text(L"");
    t.push_back(0);
  }
  return t;
}

class DialogFrameTest : public ProviderWinTest {
 protected:
  void SetUp() override {
    seen.clear();
    commands.clear();
    MakeForm();
    ShowAndActivate();
  }
  void TearDown() override {
    if (dialog && IsWindow(dialog)) DestroyWindow(dialog);
    ProviderWinTest::TearDown();
  }
  // A shown, activated dialog and its frame adapter.
  TvxDialogWnd* Open(DWORD style, DWORD exStyle = 0, const wchar_t* title = L"Foreign") {
    const std::vector<WORD> t = Template(style | WS_VISIBLE, exStyle, title);
    dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(t.data()),
                                        nullptr, RecordingProc, 0);
    EXPECT_NE(dialog, nullptr);
    SetForegroundWindow(dialog);
    SetActiveWindow(dialog);
    Pump();
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    Pump();
    TvxProvider* p = FindProviderByHandle(dialog);
    return p ? dynamic_cast<TvxDialogWnd*>(p->DialogAdapter) : nullptr;
  }
  TColor Pixel(TPoint at) const {
    HDC dc = GetWindowDC(dialog);
    const TColor c = static_cast<TColor>(GetPixel(dc, at.X, at.Y));
    ReleaseDC(dialog, dc);
    return c;
  }
  LPARAM ScreenAt(TPoint at) const {
    RECT w{};
    GetWindowRect(dialog, &w);
    return MAKELPARAM(w.left + at.X, w.top + at.Y);
  }
  LRESULT HitAt(TPoint at) const { return SendMessageW(dialog, WM_NCHITTEST, 0, ScreenAt(at)); }
  bool InRegion(TPoint at) const {
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    const bool has = GetWindowRgn(dialog, r) != ERROR;
    const bool in = has && PtInRegion(r, at.X, at.Y);
    DeleteObject(r);
    return in;
  }
  bool HasRegion() const {
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    const bool has = GetWindowRgn(dialog, r) != ERROR;
    DeleteObject(r);
    return has;
  }
  LONG LiveStyle() const { return GetWindowLongW(dialog, GWL_STYLE); }

  HWND dialog = nullptr;
};

// Chooses the last item (Close) of the menu on screen.
HWND menuShown = nullptr;
void CALLBACK ChooseLastItem(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  menuShown = FindWindowW(L"#32768", nullptr);
  if (!menuShown) return;
  PostMessageW(menuShown, WM_KEYDOWN, VK_UP, 0);
  PostMessageW(menuShown, WM_KEYDOWN, VK_RETURN, 0);
}

// Notes where the menu on screen stands, then closes it.
RECT menuAt{};
void CALLBACK NoteMenuAndEscape(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  menuShown = FindWindowW(L"#32768", nullptr);
  if (!menuShown) return;
  GetWindowRect(menuShown, &menuAt);
  PostMessageW(menuShown, WM_KEYDOWN, VK_ESCAPE, 0);
}

constexpr DWORD kBox = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

TEST_F(DialogFrameTest, AMessageBoxFrameIsReadBackInTheKitsColours) {
  TvxDialogWnd* a = Open(kBox);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->FrameKind, DialogFrameModal);
  EXPECT_EQ(LiveStyle() & WS_SYSMENU, 0);
  EXPECT_NE(a->Style & WS_SYSMENU, 0u);
  ASSERT_TRUE(a->Active);
  RECT w{};
  GetWindowRect(dialog, &w);
  const int width = w.right - w.left;
  EXPECT_EQ(Pixel({width / 2, 1}), brsm::kit::Shade(KitColor(MarlSectionIndex("FORMTITLE"), 11)));
  // The close button alone, SICON, in its normal frame.
  ASSERT_FALSE(a->CloseButton.Rect.IsEmpty());
  EXPECT_TRUE(a->MaxButton.Rect.IsEmpty());
  EXPECT_EQ(a->CloseButton.Rect.Width(), 12);
  EXPECT_EQ(Pixel(Centre(a->CloseButton.Rect)), GlyphColor(kSmallClose, 0));
  // The FORM border's magenta corners are cut out of the region.
  EXPECT_FALSE(InRegion({0, 0}));
  EXPECT_FALSE(InRegion({width - 1, 0}));
  EXPECT_TRUE(InRegion({width / 2, 0}));
  const int height = w.bottom - w.top;
  EXPECT_FALSE(InRegion({0, height - 1}));
  EXPECT_FALSE(InRegion({width - 1, height - 1}));
  EXPECT_EQ(Pixel({1, height / 2}), brsm::kit::Shade(KitColor(MarlSectionIndex("FORM"), 11)));
  // The client in the skin's background colour.
  EXPECT_EQ(SendMessageW(dialog, WM_CTLCOLORDLG, 0, 0), SendMessageW(dialog, WM_CTLCOLORDLG, 0, 0));
  EXPECT_FALSE(RegionBusy);

  // WM_GETDLGCODE is answered by nobody.
  const int before = Seen(WM_GETDLGCODE);
  EXPECT_EQ(SendMessageW(dialog, WM_GETDLGCODE, 0, 0), 0);
  EXPECT_EQ(Seen(WM_GETDLGCODE), before);

  // A double click on the caption changes nothing and reaches no procedure.
  const size_t count = seen.size();
  SendMessageW(dialog, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenAt({width / 2, 8}));
  EXPECT_EQ(seen.size(), count);
  EXPECT_FALSE(IsZoomed(dialog));

  // Hot, pressed, released on close: SC_CLOSE, the dialog cancels.
  const TPoint close = Centre(a->CloseButton.Rect);
  EXPECT_EQ(HitAt(close), HTCLOSE);
  EXPECT_EQ(Pixel(close), GlyphColor(kSmallClose, 1));
  SendMessageW(dialog, WM_NCLBUTTONDOWN, HTCLOSE, ScreenAt(close));
  EXPECT_EQ(Pixel(close), GlyphColor(kSmallClose, 2));
  EXPECT_TRUE(ButtonPressed);
  EXPECT_TRUE(brsm::test::SaveScreenshot("dialog_close_pressed"));
  SendMessageW(dialog, WM_NCLBUTTONUP, HTCLOSE, ScreenAt(close));
  Pump();
  EXPECT_FALSE(IsWindow(dialog));
  ASSERT_FALSE(commands.empty());
  EXPECT_EQ(LOWORD(commands.back()), IDCANCEL);
}

TEST_F(DialogFrameTest, AResizableDialogHasBigButtonsAndAGrip) {
  TvxDialogWnd* a = Open(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->FrameKind, DialogFrameSizing);
  EXPECT_EQ(Pixel(Centre(a->CloseButton.Rect)), GlyphColor(kBigClose, 0));
  EXPECT_EQ(Pixel(Centre(a->MaxButton.Rect)), GlyphColor(kBigMax, 0));
  EXPECT_EQ(Pixel(Centre(a->MinButton.Rect)), GlyphColor(kBigMin, 0));
  RECT w{};
  GetWindowRect(dialog, &w);
  EXPECT_EQ(HitAt({w.right - w.left - GetSystemMetrics(SM_CXFRAME) - 2, w.bottom - w.top - GetSystemMetrics(SM_CYFRAME) - 2}),
            HTBOTTOMRIGHT);

  // Hot on minimise repaints that button alone.
  const TPoint min = Centre(a->MinButton.Rect);
  EXPECT_EQ(HitAt(min), HTMINBUTTON);
  EXPECT_EQ(Pixel(min), GlyphColor(kBigMin, 1));
  EXPECT_EQ(Pixel(Centre(a->CloseButton.Rect)), GlyphColor(kBigClose, 0));
  // Pressed, released outside: passed on, no minimise.
  SendMessageW(dialog, WM_NCLBUTTONDOWN, HTMINBUTTON, ScreenAt(min));
  EXPECT_EQ(Pixel(min), GlyphColor(kBigMin, 2));
  SendMessageW(dialog, WM_NCLBUTTONUP, HTMINBUTTON, ScreenAt({40, 40}));
  Pump();
  EXPECT_FALSE(IsIconic(dialog));
  // A client release with Ctrl held is not taken for the minimise button.
  EXPECT_EQ(HitAt({60, 8}), HTCAPTION);
  EXPECT_FALSE(ButtonPressed);
  SendMessageW(dialog, WM_LBUTTONUP, MK_CONTROL, MAKELPARAM(10, 10));
  Pump();
  EXPECT_FALSE(IsIconic(dialog));
  // A double click on the icon area closes.
  SendMessageW(dialog, WM_NCLBUTTONDBLCLK, HTSYSMENU, ScreenAt({8, 8}));
  Pump();
  EXPECT_FALSE(IsWindow(dialog));
}

TEST_F(DialogFrameTest, CaptionlessPopupsGetNoRegionAndNoCloseClassesABlendedButton) {
  TvxDialogWnd* a = Open(WS_POPUP | WS_THICKFRAME);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->FrameKind, DialogFramePopup);
  EXPECT_FALSE(HasRegion());
  DestroyWindow(dialog);
  Pump();

  // Every "#32770" of the process has CS_NOCLOSE for this one.
  HWND probe = CreateWindowExW(0, L"#32770", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  const ULONG_PTR classStyle = GetClassLongPtrW(probe, GCL_STYLE);
  SetClassLongPtrW(probe, GCL_STYLE, classStyle | CS_NOCLOSE);
  a = Open(kBox);
  SetClassLongPtrW(probe, GCL_STYLE, classStyle);
  ASSERT_NE(a, nullptr);
  SetClassLongPtrW(probe, GCL_STYLE, classStyle | CS_NOCLOSE);
  SendMessageW(dialog, WM_NCACTIVATE, TRUE, 0);
  const TColor c = Pixel(Centre(a->CloseButton.Rect));
  SetClassLongPtrW(probe, GCL_STYLE, classStyle);
  DestroyWindow(probe);
  EXPECT_NE(c, GlyphColor(kSmallClose, 0));
  EXPECT_NE(c, static_cast<TColor>(0xFF00FF));
}

TEST_F(DialogFrameTest, TheWindowMenuOpensSkinnedAndItsCloseClosesTheDialog) {
  TvxDialogWnd* a = Open(kBox);
  ASSERT_NE(a, nullptr);
  // The items follow the style captured at start-up: Move and Close.
  a->SystemMenu->UpdateItems();
  EXPECT_TRUE(a->SystemMenu->miClose->Visible());
  EXPECT_FALSE(a->SystemMenu->miMaximize->Visible());
  EXPECT_FALSE(a->SystemMenu->miSize->Visible());
  // A left press on the icon opens it below the icon.
  menuShown = nullptr;
  SetTimer(nullptr, 0, 150, NoteMenuAndEscape);
  SendMessageW(dialog, WM_NCLBUTTONDOWN, HTSYSMENU, ScreenAt({4, 8}));
  Pump();
  ASSERT_NE(menuShown, nullptr);
  RECT w{};
  GetWindowRect(dialog, &w);
  EXPECT_EQ(menuAt.left, w.left + GetSystemMetrics(SM_CXDLGFRAME));
  EXPECT_EQ(menuAt.top, w.top + GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYSMICON));
  ASSERT_TRUE(IsWindow(dialog));
  // A right click on the caption opens it at the release point; Close closes.
  menuShown = nullptr;
  SetTimer(nullptr, 0, 150, ChooseLastItem);
  SendMessageW(dialog, WM_NCRBUTTONDOWN, HTCAPTION, ScreenAt({60, 8}));
  SendMessageW(dialog, WM_NCRBUTTONUP, HTCAPTION, ScreenAt({60, 8}));
  Pump();
  EXPECT_NE(menuShown, nullptr);
  EXPECT_FALSE(IsWindow(dialog));
  // The menu's own messages went to the popup list, not to the dialog.
  EXPECT_EQ(Seen(WM_INITMENUPOPUP), 0);
  EXPECT_EQ(Seen(WM_MEASUREITEM), 0);
  EXPECT_GE(Seen(WM_SYSCOMMAND), 1);
  ASSERT_FALSE(commands.empty());
  EXPECT_EQ(LOWORD(commands.back()), IDCANCEL);
}

TEST_F(DialogFrameTest, RemovingTheSkinGivesTheDialogItsFrameBack) {
  TvxDialogWnd* a = Open(kBox);
  ASSERT_NE(a, nullptr);
  ASSERT_TRUE(HasRegion());
  manager->SetActive(false);
  Pump();
  EXPECT_NE(LiveStyle() & WS_SYSMENU, 0);
  EXPECT_FALSE(HasRegion());
}

// A skin without "DIALOG", or without any caption-button image (Marl
// without GLOBALINFO: its FORM has none), leaves the frame to the system,
// window menu and caption buttons included; the controls in it may still
// be the skin's.
TEST_F(DialogFrameTest, WithoutADialogSectionOrButtonImagesTheFrameStaysTheSystems) {
  for (const char* lacking : {"DIALOG", "GLOBALINFO"}) {
    const std::string name = std::string("No") + lacking;
    ASSERT_TRUE(brsm::test::WriteSkinWithout(brsm::kit::MakeMarlSkin(name), SkinDirectory(), {lacking}));
    manager->SetSkinName(name);
    ASSERT_TRUE(manager->Active());
    EXPECT_EQ(Open(kBox), nullptr) << lacking;
    TvxProvider* p = FindProviderByHandle(dialog);
    ASSERT_NE(p, nullptr) << lacking;
    EXPECT_EQ(p->DialogAdapter, nullptr);
    EXPECT_FALSE(p->ChildAdapters.empty());  // the OK button
    EXPECT_NE(LiveStyle() & WS_SYSMENU, 0) << lacking;
    EXPECT_FALSE(HasRegion()) << lacking;
    EXPECT_TRUE(brsm::test::SaveScreenshot("dialog_without_" + std::string(lacking)));
    DestroyWindow(dialog);
    Pump();
    FreeDeadProviders();
    EXPECT_EQ(FindProviderByHandle(dialog), nullptr);
  }
}

HWND boxShown = nullptr;
void CALLBACK CloseBox(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  boxShown = FindWindowW(L"#32770", L"Boxed");
  if (boxShown) PostMessageW(boxShown, WM_COMMAND, IDOK, 0);
}

int LiveProviders() {
  return ProviderList ? static_cast<int>(ProviderList->size() -
                                         std::count(ProviderList->begin(), ProviderList->end(), nullptr))
                      : 0;
}

TEST_F(DialogFrameTest, TwentyMessageBoxesLeaveNothingBehind) {
  auto box = [this] {
    boxShown = nullptr;
    SetTimer(nullptr, 0, 100, CloseBox);
    MessageBoxW(Wnd(), L"Twenty", L"Boxed", MB_OK);
    // The next destruction frees what the box left.
    DestroyWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
  };
  box();
  ASSERT_NE(boxShown, nullptr);
  const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const int providers = LiveProviders();
  for (int i = 0; i < 20; ++i) box();
  EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi + 3);
  EXPECT_EQ(LiveProviders(), providers);
}

// A paint seam that raises from every painting operation while armed.
class TRaisingSeam : public TPaintSeam {
 public:
  explicit TRaisingSeam(TPaintSeam& inner) : inner_(inner) {}
  bool Armed = false;
  void StretchHalftone(const TPixelBufferView& target, const TRect& dst, const TPixelBufferView& source,
                       const TRect& src) override {
    Raise();
    inner_.StretchHalftone(target, dst, source, src);
  }
  void FillGradientTriangles(const TPixelBufferView& target, const std::vector<TGradientVertex>& vertices,
                             const std::vector<TGradientTriangle>& triangles) override {
    Raise();
    inner_.FillGradientTriangles(target, vertices, triangles);
  }
  void FillRoundRect(const TPixelBufferView& target, const TRect& r, int corner, TColor color) override {
    Raise();
    inner_.FillRoundRect(target, r, corner, color);
  }
  TRegionHandle CreateRectRegion(const TRect& r) override { return inner_.CreateRectRegion(r); }
  void CombineRectWithRegion(TRegionHandle region, const TRect& r, TRegionCombine mode) override {
    inner_.CombineRectWithRegion(region, r, mode);
  }
  void DeleteRegion(TRegionHandle region) override { inner_.DeleteRegion(region); }

 private:
  void Raise() {
    if (Armed) throw Exception("painting failed");
  }
  TPaintSeam& inner_;
};

TEST_F(DialogFrameTest, APaintThatRaisesLeavesRegionBusyDown) {
  ASSERT_NE(Open(kBox), nullptr);
  TRaisingSeam seam(PaintSeam());
  SetPaintSeam(&seam);
  std::vector<std::string> raised;
  Application->OnException = [&](TObject*, const Exception& e) { raised.push_back(e.Message); };
  // A new size makes cache and region stale: the next frame paint sets the
  // region, then paints.
  seam.Armed = true;
  SetWindowPos(dialog, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
  seam.Armed = false;
  Application->OnException = nullptr;
  UseWindowsPaintSeam();
  EXPECT_FALSE(raised.empty());
  EXPECT_FALSE(RegionBusy);
  // The region is rebuilt again at the next size.
  SetWindowPos(dialog, nullptr, 0, 0, 320, 220, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_TRUE(InRegion({310, 10}));
  EXPECT_FALSE(InRegion({319, 0}));
}

TEST_F(DialogFrameTest, WhileOneIsOpenAnotherForeignWindowIsSkinnedOnlyWithAToolBar) {
  ASSERT_NE(Open(kBox), nullptr);
  auto second = [](bool toolBar) {
    InitCommonControls();
    const std::vector<WORD> t = Template(kBox | WS_VISIBLE, 0, L"Second", toolBar ? TOOLBARCLASSNAMEW : nullptr);
    HWND d = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(t.data()),
                                        nullptr, RecordingProc, 0);
    SetForegroundWindow(d);
    SetActiveWindow(d);
    Pump();
    return d;
  };
  HWND plain = second(false);
  EXPECT_EQ(GetActiveWindow(), plain);
  EXPECT_EQ(FindProviderByHandle(plain), nullptr);
  EXPECT_NE(GetWindowLongW(plain, GWL_STYLE) & WS_SYSMENU, 0);
  DestroyWindow(plain);
  HWND withBar = second(true);
  EXPECT_TRUE(HasChildOfClass(withBar, "toolbarwindow32"));
  EXPECT_NE(FindProviderByHandle(withBar), nullptr);
  DestroyWindow(withBar);
  Pump();
}

TEST_F(DialogFrameTest, AStyleChangedAfterStartUpIsTakenUp) {
  TvxDialogWnd* a = Open(kBox);
  ASSERT_NE(a, nullptr);
  ASSERT_EQ(a->FrameKind, DialogFrameModal);
  SetWindowLongW(dialog, GWL_STYLE, LiveStyle() | WS_THICKFRAME);
  SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
  Pump();
  EXPECT_EQ(a->FrameKind, DialogFrameSizing);
  EXPECT_NE(a->Style & WS_SYSMENU, 0u);
  EXPECT_EQ(LiveStyle() & WS_SYSMENU, 0);
  EXPECT_EQ(Pixel(Centre(a->CloseButton.Rect)), GlyphColor(kBigClose, 0));
}

}  // namespace

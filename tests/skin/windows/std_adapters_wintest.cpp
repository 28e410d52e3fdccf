// The button, check-box, group-box, static, up-down and grip adapters on real
// windows with a kit-made skin of flat, distinct colours: faces, borders and
// glyphs read back from the screen and through WM_PRINT, over a skinned
// panel's cache and over a plain parent, and driven by messages.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/forms/buttons.h"
#include "platform/forms/extctrls.h"
#include "platform/forms/forms.h"
#include "skin/core/common_data_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/manager_platform.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/adapter_factory_win.h"
#include "skin/windows/bar_wnd_win.h"
#include "skin/windows/btn_wnd_win.h"
#include "skin/windows/check_box_wnd_win.h"
#include "skin/windows/panel_wnd_win.h"
#include "tests/skin/core/skin_panel_wintest_support.h"
#include "tests/support/screenshot.h"
#include "tools/skinkit/marl_skin.h"

using namespace brsm::test;
using brsm::kit::KitSkin;

namespace {

constexpr TColor kFace = 0x30A050, kEdge[3] = {0x102080, 0x108020, 0x801020};
constexpr TColor kCheckFace = 0x60C0C0;
constexpr TColor kGroupFace = 0x507090, kGroupEdge = 0x20D0D0;
constexpr TColor kSpin = 0xA0A030;
constexpr TColor kBar = 0x906030, kTool = 0x30B0E0, kImage = 0x2020F0;
constexpr TColor kGlobal = 0x7040B0;

TColor KitColorFor(int i) { return 0x200000 + 0x1800 * (i + 1) + 0x30 * i; }

KitSkin FlatSkin(bool withGroup) {
  KitSkin skin = PlateSkin("Flat", kPanel);
  skin.Set("GLOBALINFO", "COLOR", kGlobal);
  skin.Set("BUTTON", "COLOR", kFace);
  skin.Set("BUTTON", "HOTCOLOR", kFace);
  TPixelBuffer frames = brsm::kit::FramesPicture(12, 12, {kEdge[0], kEdge[1], kEdge[2]}, 3, false, 1);
  skin.Set("BUTTON", "BORDERSMASK", brsm::kit::BorderValue(skin.PlaceInMaster(frames), 3, 3, 3, 3, 3, 0, 0, 0));
  skin.Set("CHECKBOX", "COLOR", kCheckFace);
  skin.Set("CHECKBOX", "HOTCOLOR", kCheckFace);
  const char* names[] = {"BOXCHECKED", "BOXUNCHECKED", "RADIOCHECKED", "RADIOUNCHECKED", "BOXGRAYED"};
  for (int i = 0; i < 5; ++i) {
    const TColor c = KitColorFor(i);
    const TRect r = skin.PlaceInMaster(brsm::kit::GlyphStrip(12, 12, {c, c, c}));
    skin.Set("GLOBALINFO", names[i], brsm::kit::GlyphValue(r, 3, 0));
  }
  if (withGroup) {
    skin.Set("GROUPBOX", "COLOR", kGroupFace);
    const TRect g = skin.PlaceInMaster(brsm::kit::SolidPicture(9, 9, kGroupEdge));
    skin.Set("GROUPBOX", "BORDERSMASK", brsm::kit::BorderValue(g, 2, 2, 2, 2, 1, 0, 0, 0));
  }
  skin.Set("BAR", "COLOR", kBar);
  if (withGroup) skin.Set("TOOLBUTTON", "COLOR", kTool);
  skin.Set("SPEEDBUTTON_SMALL", "COLOR", kSpin);
  skin.Set("SPEEDBUTTON_SMALL", "HOTCOLOR", kSpin);
  return skin;
}

// A window's pixels as the screen shows them, or as WM_PRINT gives them.
std::vector<TColor> Capture(HWND w, bool print) {
  RECT r{};
  GetWindowRect(w, &r);
  const int cx = r.right - r.left, cy = r.bottom - r.top;
  std::unique_ptr<TBitmap> bmp(new TBitmap(cx, cy));
  HDC dc = bmp->Canvas()->Handle();
  if (print) {
    SendMessageW(w, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
  } else {
    HDC screen = GetWindowDC(w);
    BitBlt(dc, 0, 0, cx, cy, screen, 0, 0, SRCCOPY);
    ReleaseDC(w, screen);
  }
  std::vector<TColor> out;
  for (int y = 0; y < cy; ++y)
    for (int x = 0; x < cx; ++x) out.push_back(BitmapPixel(bmp.get(), x, y));
  return out;
}

TColor At(HWND w, int x, int y) {
  HDC dc = GetWindowDC(w);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(w, dc);
  return static_cast<TColor>(c);
}

int Width(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r.right - r.left;
}
int Height(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r.bottom - r.top;
}

bool Near(TColor a, TColor b, int tolerance = 3) {
  for (int s = 0; s < 24; s += 8)
    if (std::abs(static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF)) > tolerance) return false;
  return true;
}

TColor Mix(TColor own, TColor under, double ownWeight) {
  TColor out = 0;
  for (int s = 0; s < 24; s += 8) {
    const double v = ((own >> s) & 0xFF) * ownWeight + ((under >> s) & 0xFF) * (1 - ownWeight);
    out |= static_cast<TColor>(static_cast<int>(v + 0.5)) << s;
  }
  return out;
}

// WM_PRINT gives what the screen shows; else the first pixel that differs.
::testing::AssertionResult PrintsAsShown(HWND w) {
  const std::vector<TColor> printed = Capture(w, true), shown = Capture(w, false);
  for (size_t i = 0; i < shown.size(); ++i)
    if (printed[i] != shown[i])
      return ::testing::AssertionFailure() << "at (" << i % Width(w) << ", " << i / Width(w) << ") printed " << std::hex
                                           << printed[i] << ", shown " << shown[i];
  return ::testing::AssertionSuccess();
}

bool HasMagenta(const std::vector<TColor>& pixels) {
  for (TColor c : pixels)
    if ((c & 0xFFFFFF) == 0xFF00FF) return true;
  return false;
}

// A button class of our own on the system's: what reaches the system's
// procedure is recorded.
WNDPROC buttonProc = nullptr;
std::vector<UINT> buttonSaw;
LRESULT CALLBACK RecordingButton(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  buttonSaw.push_back(msg);
  return CallWindowProcW(buttonProc, w, msg, wp, lp);
}

// A window class of the test's own on the given procedure.
const wchar_t* RegisterTestClass(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = name;
  RegisterClassW(&wc);
  return name;
}

std::vector<std::pair<UINT, WPARAM>> parentSaw;
LRESULT CALLBACK RecordingParent(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SYSCOMMAND) {
    parentSaw.push_back({msg, wp});
    return 0;
  }
  return DefWindowProcW(w, msg, wp, lp);
}

class StdAdaptersWinTest : public ::testing::Test {
 protected:
  void Load(const KitSkin& skin) {
    UseWindowsSkinManager();
    ASSERT_TRUE(skin.WriteFolder(folder.Path()));
    form = std::make_unique<TForm>(Application);
    form->SetBounds(30, 30, 520, 360);
    manager = new TsSkinManager(form.get());
    manager->SetSkinDirectory(folder.Path());
    manager->SetSkinName(skin.Name());
    ASSERT_TRUE(manager->SkinData.Loaded);
    panel = new TSkinPanel(form.get(), "PANEL");
    panel->SetParent(form.get());
    panel->SetBounds(0, 0, 260, 360);
    form->Show();
    Pump(30);
    WNDCLASSW button{};
    GetClassInfoW(nullptr, L"BUTTON", &button);
    buttonProc = button.lpfnWndProc;
    button.lpfnWndProc = &RecordingButton;
    button.hInstance = GetModuleHandleW(nullptr);
    button.lpszClassName = L"BrsmRecordingButton";
    RegisterClassW(&button);
  }
  void TearDown() override {
    for (TvxMainWnd*& a : adapters) FreeAdapter(a);
    records.clear();
    form.reset();
    Pump(10);
  }
  HWND Make(const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, HWND parent) {
    HWND win = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SendMessageW(win, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    return win;
  }
  TvxMainWnd* Adapt(TvxAdapterKind kind, HWND w, const std::string& section) {
    TvxAdapterArgs args;
    args.Handle = w;
    args.Section = section;
    args.Manager = manager;
    args.Repaint = true;
    TvxMainWnd* a = CreateAdapter(kind, args);
    adapters.push_back(a);
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    Pump(20);
    return a;
  }
  // A control of the platform as the control adapter adapts it: a record
  // hosted by the control.
  TvxMainWnd* AdaptControl(TvxAdapterKind kind, TWinControl* control, const std::string& section) {
    records.push_back(std::make_unique<TsCommonData>(control, true));
    TvxAdapterArgs args;
    args.Handle = control->Handle();
    args.Section = section;
    args.Manager = manager;
    args.SkinData = records.back().get();
    args.Repaint = true;
    TvxMainWnd* a = CreateAdapter(kind, args);
    adapters.push_back(a);
    RedrawWindow(args.Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    Pump(20);
    return a;
  }

  TempFolder folder;
  std::unique_ptr<TForm> form;
  TsSkinManager* manager = nullptr;
  TSkinPanel* panel = nullptr;
  std::vector<TvxMainWnd*> adapters;
  std::vector<std::unique_ptr<TsCommonData>> records;
};

}  // namespace

TEST_F(StdAdaptersWinTest, ButtonPaintsItsStatesFromTheSkinAndNeverPassesErasing) {
  Load(FlatSkin(true));
  HWND button = Make(L"BrsmRecordingButton", L"OK", BS_DEFPUSHBUTTON, 10, 10, 90, 30, panel->Handle());
  Adapt(TvxAdapterKind::BtnWnd, button, "BUTTON");
  EXPECT_EQ(At(button, 1, 15), brsm::kit::Shade(kEdge[1]));  // a default button is hot
  EXPECT_EQ(At(button, 45, 4), kFace);
  buttonSaw.clear();
  SendMessageW(button, WM_ERASEBKGND, reinterpret_cast<WPARAM>(GetDC(button)), 0);
  RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  for (UINT m : buttonSaw) EXPECT_NE(m, static_cast<UINT>(WM_ERASEBKGND));

  SendMessageW(button, BM_SETSTATE, 1, 0);
  EXPECT_EQ(At(button, 1, 15), brsm::kit::Shade(kEdge[2]));
  SendMessageW(button, BM_SETSTATE, 0, 0);
  SendMessageW(button, BM_SETSTYLE, BS_PUSHBUTTON, 1);
  SendCmdToWindow(button, SkinCmdHotLeave, 0);
  SendMessageW(button, WM_PAINT, 0, 0);
  EXPECT_EQ(At(button, 1, 15), brsm::kit::Shade(kEdge[0]));

  // Disabled over the panel's cache: 40 percent own look.
  EnableWindow(button, FALSE);
  Pump(20);
  EXPECT_TRUE(Near(At(button, 45, 4), Mix(kFace, kPanel, 0.4))) << std::hex << At(button, 45, 4);
  EXPECT_EQ(Capture(button, true), Capture(button, false));

  // WM_SETTEXT ends skinned.
  EnableWindow(button, TRUE);
  SetWindowTextW(button, L"Changed");
  Pump(20);
  EXPECT_EQ(At(button, 45, 4), kFace);
}

TEST_F(StdAdaptersWinTest, CheckBoxesShowRadioImagesForBothRadioTypesAndRepaintOnSpaceOnly) {
  Load(FlatSkin(true));
  HWND radio = Make(L"BUTTON", L"Auto", BS_AUTORADIOBUTTON, 10, 10, 120, 20, panel->Handle());
  HWND left = Make(L"BUTTON", L"Left", BS_RADIOBUTTON | BS_LEFTTEXT, 10, 40, 120, 20, panel->Handle());
  HWND box = Make(L"BUTTON", L"Box", BS_3STATE, 10, 70, 120, 20, panel->Handle());
  SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
  Adapt(TvxAdapterKind::CheckBoxWnd, radio, "CHECKBOX");
  Adapt(TvxAdapterKind::CheckBoxWnd, left, "CHECKBOX");
  Adapt(TvxAdapterKind::CheckBoxWnd, box, "CHECKBOX");
  // A 12 x 12 glyph frame holds its colour inset by a quarter: pixel (6, 4 + 6).
  EXPECT_EQ(At(radio, 6, 10), KitColorFor(2));         // RADIOCHECKED
  EXPECT_EQ(At(left, 120 - 6, 10), KitColorFor(3));    // RADIOUNCHECKED at the right edge
  EXPECT_EQ(At(box, 6, 10), KitColorFor(1));           // BOXUNCHECKED
  EXPECT_EQ(At(box, 100, 2), kCheckFace);
  SendMessageW(box, BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_EQ(At(box, 6, 10), KitColorFor(4));           // BOXGRAYED
  SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(At(box, 6, 10), KitColorFor(0));           // BOXCHECKED
  EXPECT_EQ(Capture(box, true), Capture(box, false));

  // Space repaints, other keys do not.
  auto blot = [&] {
    HDC dc = GetWindowDC(box);
    RECT r{90, 0, 120, 20};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(box, dc);
  };
  blot();
  SendMessageW(box, WM_KEYDOWN, 'A', 0);
  EXPECT_EQ(At(box, 100, 2), 0u);
  SendMessageW(box, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(At(box, 100, 2), kCheckFace);

  // Disabled: blended over the panel's cache.
  EnableWindow(box, FALSE);
  Pump(20);
  EXPECT_TRUE(Near(At(box, 100, 2), Mix(kCheckFace, kPanel, 0.4))) << std::hex << At(box, 100, 2);
  SetWindowTextW(radio, L"Renamed");
  EXPECT_EQ(At(radio, 6, 10), KitColorFor(2));
  EXPECT_EQ(LastWindowStyle & 0xF, BS_AUTORADIOBUTTON);
}

// A skin without check images: the system's box and radio on the skinned
// face, showing the state; the caption keeps its room.
TEST_F(StdAdaptersWinTest, WithoutCheckImagesTheSystemsGlyphShowsTheState) {
  KitSkin skin = PlateSkin("NoChecks", kPanel);
  skin.Set("CHECKBOX", "COLOR", kCheckFace);
  skin.Set("CHECKBOX", "HOTCOLOR", kCheckFace);
  Load(skin);
  HWND box = Make(L"BUTTON", L"Box", BS_AUTOCHECKBOX, 10, 10, 120, 20, panel->Handle());
  HWND radio = Make(L"BUTTON", L"Radio", BS_AUTORADIOBUTTON, 10, 40, 120, 20, panel->Handle());
  Adapt(TvxAdapterKind::CheckBoxWnd, box, "CHECKBOX");
  Adapt(TvxAdapterKind::CheckBoxWnd, radio, "CHECKBOX");
  // Pixels of the 13 x 13 glyph at the left, vertically centred, that are
  // not the face; and of its middle in the mark's colour.
  auto glyph = [](HWND w) {
    int n = 0;
    for (int y = 3; y < 16; ++y)
      for (int x = 0; x < 13; ++x) n += At(w, x, y) != kCheckFace;
    return n;
  };
  const TColor markColour = static_cast<TColor>(GetSysColor(COLOR_WINDOWTEXT));
  auto mark = [&](HWND w) {
    int n = 0;
    for (int y = 6; y < 13; ++y)
      for (int x = 3; x < 10; ++x) n += At(w, x, y) == markColour;
    return n;
  };
  EXPECT_GT(glyph(box), 30);
  EXPECT_GT(glyph(radio), 20);
  EXPECT_EQ(mark(box), 0);
  EXPECT_EQ(mark(radio), 0);
  EXPECT_EQ(At(box, 100, 2), kCheckFace);
  SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_GT(mark(box), 3);
  EXPECT_GT(mark(radio), 3);
  EXPECT_FALSE(HasMagenta(Capture(box, false)));
  EXPECT_EQ(Capture(box, true), Capture(box, false));
  SaveScreenshot("check_boxes_without_images");
}

TEST_F(StdAdaptersWinTest, GroupFrameRunsThroughTheCaptionMiddleBrokenBehindIt) {
  Load(FlatSkin(true));
  HWND group = Make(L"BUTTON", L"Group", BS_GROUPBOX, 10, 10, 200, 120, panel->Handle());
  Adapt(TvxAdapterKind::GroupBoxWnd, group, "GROUPBOX");
  const int caption = static_cast<int>(SendCmdToWindow(group, SkinCmdQueryCaptionHeight, 0));
  ASSERT_GT(caption, 4);
  const int mid = caption / 2;
  EXPECT_EQ(At(group, 190, mid), kGroupEdge);
  EXPECT_EQ(At(group, 0, mid + 10), kGroupEdge);
  EXPECT_EQ(At(group, 7, mid), kPanel);  // behind the caption, before its text
  EXPECT_EQ(At(group, 190, 0), kPanel);   // above the frame
  EXPECT_EQ(At(group, 100, 80), kGroupFace);
  EXPECT_EQ(Capture(group, true), Capture(group, false));
}

TEST_F(StdAdaptersWinTest, WithoutTheirSectionsAdaptersLeaveNoMagenta) {
  Load(FlatSkin(false));
  HWND group = Make(L"BUTTON", L"Group", BS_GROUPBOX, 10, 10, 200, 120, form->Handle());
  Adapt(TvxAdapterKind::GroupBoxWnd, group, "GROUPBOX");
  Pump(20);
  EXPECT_FALSE(HasMagenta(Capture(group, false)));
  HWND check = Make(L"BUTTON", L"Plain", BS_CHECKBOX, 300, 10, 120, 20, form->Handle());
  Adapt(TvxAdapterKind::CheckBoxWnd, check, "CHECKBOX");
  EnableWindow(check, FALSE);
  Pump(20);
  // Over a parent without cache a disabled check box keeps its full look.
  EXPECT_EQ(At(check, 100, 2), kCheckFace);
  EXPECT_FALSE(HasMagenta(Capture(check, false)));
}

TEST_F(StdAdaptersWinTest, StaticsPaintIntoWMPrintAndEdgedOnesKeepTheSystemLook) {
  Load(FlatSkin(true));
  HWND text = Make(L"STATIC", L"Some text", SS_LEFT, 10, 10, 150, 20, panel->Handle());
  HWND edged = CreateWindowExW(WS_EX_STATICEDGE, L"STATIC", L"Edge", WS_CHILD | WS_VISIBLE, 10, 40, 150, 20,
                               panel->Handle(), nullptr, nullptr, nullptr);
  Adapt(TvxAdapterKind::StaticWnd, text, "CHECKBOX");
  Adapt(TvxAdapterKind::StaticWnd, edged, "CHECKBOX");
  EXPECT_EQ(At(text, 148, 18), kCheckFace);
  EXPECT_NE(At(edged, 148, 10), kCheckFace);
  EXPECT_EQ(Capture(text, true), Capture(text, false));
  SetWindowTextW(text, L"Other");
  Pump(20);
  EXPECT_EQ(At(text, 148, 18), kCheckFace);
}

TEST_F(StdAdaptersWinTest, UpDownPaintsFromColumnTwoAndACancelEndsThePress) {
  Load(FlatSkin(true));
  InitCommonControls();
  HWND spin = Make(UPDOWN_CLASSW, L"", 0, 10, 10, 17, 21, panel->Handle());
  auto* adapter = static_cast<TvxSpinWnd*>(Adapt(TvxAdapterKind::SpinWnd, spin, "SPEEDBUTTON_SMALL"));
  adapter->LeftOffset = 2;
  HDC dc = GetDC(spin);
  RECT all{0, 0, 17, 21};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  ReleaseDC(spin, dc);
  SendMessageW(spin, WM_PAINT, 0, 0);
  EXPECT_EQ(At(spin, 0, 5), 0u);
  EXPECT_EQ(At(spin, 1, 15), 0u);
  EXPECT_EQ(At(spin, 9, 1), kSpin);
  EXPECT_EQ(At(spin, 9, 19), kSpin);
  SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 15));
  EXPECT_TRUE(adapter->Pressed);
  SendMessageW(spin, WM_CANCELMODE, 0, 0);
  EXPECT_FALSE(adapter->Pressed);
}

TEST_F(StdAdaptersWinTest, GripSizesItsParentAndAPlainScrollBarKeepsWorking) {
  Load(FlatSkin(true));
  HWND parent = CreateWindowExW(0, RegisterTestClass(L"BrsmGripParent", &RecordingParent), L"",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 30, 200, 150, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  HWND grip = Make(L"SCROLLBAR", L"", SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN, 150, 90, 16, 16, parent);
  HWND bar = Make(L"SCROLLBAR", L"", SBS_HORZ, 0, 0, 120, 16, parent);
  Adapt(TvxAdapterKind::SizerWnd, grip, "CHECKBOX");
  Adapt(TvxAdapterKind::SizerWnd, bar, "CHECKBOX");
  EXPECT_EQ(SendMessageW(grip, WM_NCHITTEST, 0, MAKELPARAM(0, 0)), HTBOTTOMRIGHT);
  parentSaw.clear();
  SendMessageW(grip, WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, 0);
  ASSERT_EQ(parentSaw.size(), 1u);
  EXPECT_EQ(parentSaw[0].second, 0xF008u);
  EXPECT_EQ(At(grip, 8, 8), kCheckFace);
  EXPECT_EQ(Capture(grip, true), Capture(grip, false));
  SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_POS, 0, 100, 0, 40, 0};
  SetScrollInfo(bar, SB_CTL, &si, TRUE);
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 40);
  EXPECT_NE(At(bar, 60, 8), kCheckFace);
  DestroyWindow(parent);
}

TEST_F(StdAdaptersWinTest, MarlLooksOnEveryKind) {
  Load(brsm::kit::MakeMarlSkin());
  HWND p = panel->Handle();
  HWND button = Make(L"BUTTON", L"Default", BS_DEFPUSHBUTTON, 10, 10, 90, 28, p);
  HWND check = Make(L"BUTTON", L"Check", BS_AUTOCHECKBOX, 10, 50, 120, 20, p);
  HWND radio = Make(L"BUTTON", L"Radio", BS_AUTORADIOBUTTON, 10, 75, 120, 20, p);
  HWND group = Make(L"BUTTON", L"Group", BS_GROUPBOX, 10, 100, 200, 80, p);
  HWND text = Make(L"STATIC", L"Static text", SS_LEFT, 10, 190, 150, 20, p);
  HWND spin = Make(UPDOWN_CLASSW, L"", 0, 10, 220, 17, 21, p);
  SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
  Adapt(TvxAdapterKind::BtnWnd, button, "BUTTON");
  Adapt(TvxAdapterKind::CheckBoxWnd, check, "CHECKBOX");
  Adapt(TvxAdapterKind::CheckBoxWnd, radio, "CHECKBOX");
  Adapt(TvxAdapterKind::GroupBoxWnd, group, "GROUPBOX");
  Adapt(TvxAdapterKind::StaticWnd, text, "CHECKBOX");
  Adapt(TvxAdapterKind::SpinWnd, spin, "SPEEDBUTTON_SMALL");
  // The kinds of the platform's controls and the rarer foreign windows.
  auto* bit = new TBitBtn(form.get());
  bit->SetParent(panel);
  bit->SetBounds(130, 10, 110, 28);
  bit->SetKind(bkOK);
  auto* own = new TPanel(form.get());
  own->SetParent(panel);
  own->SetBounds(130, 50, 110, 40);
  own->SetCaption("");
  HWND link = Make(L"STATIC", L"Read the <A>manual</A>", SS_LEFT, 10, 305, 120, 20, p);
  HWND icon = Make(L"STATIC", L"", SS_ICON, 40, 220, 32, 32, p);
  SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, MAKEINTRESOURCEW(32516))), 0);
  HWND nested = Make(L"#32770", L"", 0, 130, 220, 110, 30, p);
  HWND grip = Make(L"SCROLLBAR", L"", SBS_SIZEGRIP, 200, 305, 16, 16, p);
  InitCommonControls();
  HWND bar = CreateWindowExW(WS_EX_CLIENTEDGE, TOOLBARCLASSNAMEW, L"",
                             WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER,
                             10, 260, 240, 40, p, nullptr, nullptr, nullptr);
  SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  TBBUTTON items[2] = {{0, 1, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0}, {0, 2, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0}};
  SendMessageW(bar, TB_ADDBUTTONSW, 2, reinterpret_cast<LPARAM>(items));
  Pump(20);
  AdaptControl(TvxAdapterKind::BitBtnWnd, bit, "BUTTON");
  Adapt(TvxAdapterKind::DlgPanelWnd, own->Handle(), "PANEL");
  Adapt(TvxAdapterKind::LinkWnd, link, "CHECKBOX");
  Adapt(TvxAdapterKind::IconWnd, icon, "CHECKBOX");
  Adapt(TvxAdapterKind::TransPanelWnd, nested, "CHECKBOX");
  Adapt(TvxAdapterKind::SizerWnd, grip, "CHECKBOX");
  Adapt(TvxAdapterKind::ToolBarWnd, bar, "BAR");
  Pump(50);
  for (HWND w : {button, check, radio, group, text, spin, bit->Handle(), own->Handle(), link, icon, nested, grip, bar}) {
    EXPECT_FALSE(HasMagenta(Capture(w, false))) << ReadWindowText(w);
    EXPECT_TRUE(PrintsAsShown(w)) << std::hex << GetWindowLongW(w, GWL_STYLE);
  }
  SaveScreenshot("std_adapters_marl");
}

TEST_F(StdAdaptersWinTest, ToolBarItemsTakeTheButtonSectionAPressedImageMovesSeparatorsShowTheBar) {
  for (bool withTool : {true, false}) {
    Load(FlatSkin(withTool));
    InitCommonControls();
    HWND bar = CreateWindowExW(WS_EX_CLIENTEDGE, TOOLBARCLASSNAMEW, L"",
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NOPARENTALIGN | CCS_NORESIZE |
                                   CCS_NODIVIDER,
                               10, 260, 240, 40, panel->Handle(), nullptr, nullptr, nullptr);
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24, 1, 1);
    std::unique_ptr<TBitmap> image(new TBitmap(16, 16));
    image->Canvas()->Brush()->SetColor(kImage);
    image->Canvas()->FillRect(TRect{0, 0, 16, 16});
    ImageList_Add(list, image->Handle(), nullptr);
    SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list));
    TBBUTTON buttons[4] = {};
    buttons[0] = {0, 1, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0};
    buttons[1] = {6, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0};
    buttons[2] = {0, 2, TBSTATE_ENABLED | TBSTATE_PRESSED, BTNS_BUTTON, {}, 0, 0};
    buttons[3] = {0, 3, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_BUTTON, {}, 0, 0};
    SendMessageW(bar, TB_ADDBUTTONSW, 4, reinterpret_cast<LPARAM>(buttons));
    Adapt(TvxAdapterKind::ToolBarWnd, bar, "BAR");
    Pump(30);
    RECT client{};
    GetClientRect(bar, &client);
    const int edge = (Height(bar) - client.bottom) / 2;
    RECT r[4];
    for (int i = 0; i < 4; ++i) SendMessageW(bar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r[i]));
    const TColor face = withTool ? kTool : kBar;
    EXPECT_EQ(At(bar, r[0].left + edge + 1, r[0].top + edge + 1), face);
    EXPECT_EQ(At(bar, (r[1].left + r[1].right) / 2 + edge, r[1].top + edge + 3), kBar);
    const int x0 = r[0].left + edge + (r[0].right - r[0].left - 16) / 2;
    EXPECT_EQ(At(bar, x0, r[0].top + edge + 4), kImage);
    const int x2 = r[2].left + edge + (r[2].right - r[2].left - 16) / 2;
    EXPECT_NE(At(bar, x2, r[2].top + edge + 4), kImage);       // one pixel right and down
    EXPECT_EQ(At(bar, x2 + 16, r[2].top + edge + 20), kImage);
    const int x3 = r[3].left + edge + (r[3].right - r[3].left - 16) / 2;
    EXPECT_EQ(At(bar, x3 + 16, r[3].top + edge + 20), kImage);  // checked draws pressed
    EXPECT_FALSE(HasMagenta(Capture(bar, false)));
    EXPECT_TRUE(PrintsAsShown(bar));
    for (TvxMainWnd*& a : adapters) FreeAdapter(a);
    adapters.clear();
    DestroyWindow(bar);
    ImageList_Destroy(list);
    form.reset();
  }
}

TEST_F(StdAdaptersWinTest, PanelsTakeTheirSectionFromTheBevelsAndNestedDialogsShowTheSkin) {
  Load(FlatSkin(true));
  auto* plain = new TPanel(form.get());
  plain->SetParent(form.get());
  plain->SetBounds(300, 10, 150, 100);
  plain->SetBevelOuter(bvRaised);
  plain->SetBevelInner(bvLowered);
  Pump(10);
  TsCommonData record(plain, true);
  TvxAdapterArgs args;
  args.Handle = plain->Handle();
  args.Manager = manager;
  args.SkinData = &record;
  TvxMainWnd* adapter = CreateAdapter(TvxAdapterKind::PanelWnd, args);
  EXPECT_EQ(record.SkinSection(), "GROUPBOX");
  FreeAdapter(adapter);
  // A nested dialog shows the section under its children.
  HWND nested = Make(L"#32770", L"", 0, 10, 200, 120, 50, panel->Handle());
  Adapt(TvxAdapterKind::TransPanelWnd, nested, "CHECKBOX");
  RedrawWindow(nested, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(At(nested, 60, 25), kCheckFace);
  EXPECT_TRUE(PrintsAsShown(nested));
}

namespace {

// Where a glyph cell shows in a window's pixels, copied keyed: its own
// pixels exact, its key-coloured ones showing `under`. (-1, -1) when nowhere.
TPoint FindKeyedGlyph(HWND w, TBitmap* glyph, int cell, int cells, TColor under) {
  TBitmap copy;
  copy.Assign(glyph);
  copy.SetPixelFormat(pf24bit);
  const int gw = copy.Width() / cells, gh = copy.Height();
  const TColor key = BitmapPixel(&copy, 0, 0);
  const std::vector<TColor> shown = Capture(w, false);
  const int cx = Width(w), cy = Height(w);
  for (int y = 0; y + gh <= cy; ++y)
    for (int x = 0; x + gw <= cx; ++x) {
      bool match = true;
      for (int j = 0; j < gh && match; ++j)
        for (int i = 0; i < gw && match; ++i) {
          const TColor g = BitmapPixel(&copy, cell * gw + i, j);
          match = shown[(y + j) * cx + x + i] == (g == key ? under : g);
        }
      if (match) return TPoint{x, y};
    }
  return TPoint{-1, -1};
}

}  // namespace

TEST_F(StdAdaptersWinTest, PlatformButtonsShowTheirStatesOverACacheAndAPlainParent) {
  Load(FlatSkin(true));
  for (bool overCache : {true, false}) {
    SCOPED_TRACE(overCache ? "over the panel's cache" : "over the plain form");
    TWinControl* parent = overCache ? static_cast<TWinControl*>(panel) : form.get();
    const int left = overCache ? 10 : 300;
    auto button = [&](const char* caption, int top) {
      auto* b = new TButton(form.get());
      b->SetParent(parent);
      b->SetBounds(left, top, 90, 30);
      b->SetCaption(caption);
      return b;
    };
    TButton* def = button("Default", 10);
    def->SetDefault(true);
    TButton* focused = button("Focused", 50);
    TButton* pressed = button("Pressed", 90);
    TButton* disabled = button("Disabled", 130);
    disabled->SetEnabled(false);
    auto* bit = new TBitBtn(form.get());
    bit->SetParent(parent);
    bit->SetBounds(left, 170, 90, 30);
    bit->SetKind(bkOK);
    Pump(20);
    for (TButton* b : {def, focused, pressed, disabled}) AdaptControl(TvxAdapterKind::BtnWnd, b, "BUTTON");
    AdaptControl(TvxAdapterKind::BitBtnWnd, bit, "BUTTON");

    EXPECT_EQ(At(def->Handle(), 1, 15), brsm::kit::Shade(kEdge[1]));  // the default look is hot
    EXPECT_EQ(At(def->Handle(), 45, 4), kFace);
    EXPECT_EQ(At(pressed->Handle(), 1, 15), brsm::kit::Shade(kEdge[0]));
    SendMessageW(pressed->Handle(), BM_SETSTATE, 1, 0);
    EXPECT_EQ(At(pressed->Handle(), 1, 15), brsm::kit::Shade(kEdge[2]));
    // Over a cache a disabled button is 40 percent its own look; over a
    // plain parent it keeps its full look.
    const TColor off = At(disabled->Handle(), 45, 4);
    EXPECT_TRUE(Near(off, overCache ? Mix(kFace, kPanel, 0.4) : kFace)) << std::hex << off;

    // A kind button's glyph, keyed on its corner pixel; pressed, the same
    // cell (two cells: the second is the disabled one) one pixel off.
    const TPoint glyph = FindKeyedGlyph(bit->Handle(), bit->Glyph(), 0, 2, kFace);
    ASSERT_GE(glyph.X, 0);
    SendMessageW(bit->Handle(), BM_SETSTATE, 1, 0);
    const TPoint down = FindKeyedGlyph(bit->Handle(), bit->Glyph(), 0, 2, kFace);
    EXPECT_EQ(down.X, glyph.X + 1);
    EXPECT_EQ(down.Y, glyph.Y + 1);
    SendMessageW(bit->Handle(), BM_SETSTATE, 0, 0);

    focused->SetFocus();
    Pump(20);
    ASSERT_EQ(GetFocus(), focused->Handle());
    EXPECT_EQ(At(focused->Handle(), 1, 15), brsm::kit::Shade(kEdge[1]));
    for (TWinControl* c : std::initializer_list<TWinControl*>{def, focused, pressed, disabled, bit}) {
      EXPECT_FALSE(HasMagenta(Capture(c->Handle(), false))) << c->Caption();
      EXPECT_TRUE(PrintsAsShown(c->Handle())) << c->Caption();
    }
    if (overCache) SaveScreenshot("std_adapters_platform_buttons");
    // The next round starts without a focused button.
    for (TvxMainWnd*& a : adapters) FreeAdapter(a);
    adapters.clear();
    records.clear();
    for (TWinControl* c : std::initializer_list<TWinControl*>{def, focused, pressed, disabled, bit}) delete c;
  }
}

TEST_F(StdAdaptersWinTest, IconPictureAndLinkStaticsPaintOverACacheAndAPlainParent) {
  Load(FlatSkin(true));
  // A 16 x 16 icon of kImage whose lower half is see-through, and a picture.
  std::unique_ptr<TBitmap> color(new TBitmap(16, 16));
  color->Canvas()->Brush()->SetColor(0);
  color->Canvas()->FillRect(TRect{0, 0, 16, 16});
  color->Canvas()->Brush()->SetColor(kImage);
  color->Canvas()->FillRect(TRect{0, 0, 16, 8});
  std::vector<WORD> maskBits(16, 0);
  for (int row = 8; row < 16; ++row) maskBits[row] = 0xFFFF;
  HBITMAP mask = CreateBitmap(16, 16, 1, 1, maskBits.data());
  ICONINFO info{TRUE, 0, 0, mask, color->Handle()};
  HICON icon = CreateIconIndirect(&info);
  std::unique_ptr<TBitmap> picture(new TBitmap(16, 16));
  picture->Canvas()->Brush()->SetColor(kImage);
  picture->Canvas()->FillRect(TRect{0, 0, 16, 16});

  for (bool overCache : {true, false}) {
    SCOPED_TRACE(overCache ? "over the panel's cache" : "over the plain form");
    HWND parent = overCache ? panel->Handle() : form->Handle();
    const int left = overCache ? 10 : 300;
    HWND iconStatic = Make(L"STATIC", L"", SS_ICON, left, 10, 40, 30, parent);
    SendMessageW(iconStatic, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    HWND pictureStatic = Make(L"STATIC", L"", SS_BITMAP, left, 50, 40, 30, parent);
    SendMessageW(pictureStatic, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture->Handle()));
    for (HWND w : {iconStatic, pictureStatic})  // the system sized them to their images
      SetWindowPos(w, nullptr, 0, 0, 40, 30, SWP_NOMOVE | SWP_NOZORDER);
    HWND link = Make(L"STATIC", L"Read the <A>manual</A>", SS_LEFT, left, 90, 150, 20, parent);
    HWND plain = Make(L"STATIC", L"Read the manual", SS_LEFT, left, 120, 150, 20, parent);
    Adapt(TvxAdapterKind::IconWnd, iconStatic, "CHECKBOX");
    Adapt(TvxAdapterKind::IconWnd, pictureStatic, "CHECKBOX");
    Adapt(TvxAdapterKind::LinkWnd, link, "CHECKBOX");
    Adapt(TvxAdapterKind::StaticWnd, plain, "CHECKBOX");

    EXPECT_EQ(At(iconStatic, 4, 4), kImage);
    EXPECT_EQ(At(iconStatic, 4, 12), kCheckFace);  // through the icon's see-through half
    EXPECT_EQ(At(iconStatic, 30, 20), kCheckFace);
    EXPECT_EQ(At(pictureStatic, 15, 15), kImage);
    EXPECT_EQ(At(pictureStatic, 30, 20), kCheckFace);
    // The link shows its text without the tags, as a static shows it.
    const std::vector<TColor> linkShown = Capture(link, false);
    EXPECT_EQ(linkShown, Capture(plain, false));
    EXPECT_NE(std::count(linkShown.begin(), linkShown.end(), kCheckFace), static_cast<long>(linkShown.size()));
    for (HWND w : {iconStatic, pictureStatic, link}) EXPECT_TRUE(PrintsAsShown(w));
  }
  DestroyIcon(icon);
  DeleteObject(mask);
}

TEST_F(StdAdaptersWinTest, DialogPanelsShowTheGlobalColourInATPanelAndTheGroupLookElsewhere) {
  Load(FlatSkin(true));
  RegisterTestClass(L"TSilentPaintPanel", &DefWindowProcW);
  for (bool overCache : {true, false}) {
    SCOPED_TRACE(overCache ? "over the panel's cache" : "over the plain form");
    TWinControl* parent = overCache ? static_cast<TWinControl*>(panel) : form.get();
    const int left = overCache ? 10 : 300;
    auto* own = new TPanel(form.get());
    own->SetParent(parent);
    own->SetBounds(left, 10, 120, 80);
    own->SetCaption("");
    HWND silent = Make(L"TSilentPaintPanel", L"", 0, left, 110, 120, 80, parent->Handle());
    Pump(10);
    auto* adapter = static_cast<TvxDlgPanelWnd*>(Adapt(TvxAdapterKind::DlgPanelWnd, own->Handle(), "PANEL"));
    Adapt(TvxAdapterKind::DlgPanelWnd, silent, "PANEL");
    EXPECT_EQ(adapter->Panel, own);
    EXPECT_EQ(ColorToRGB(own->Color()), kGlobal);
    // A band six pixels into the client from the section, the rest the
    // panel's own painting.
    EXPECT_EQ(At(own->Handle(), 3, 40), kCheckFace);
    EXPECT_EQ(At(own->Handle(), 60, 40), kGlobal);
    EXPECT_EQ(At(silent, 0, 40), kGroupEdge);
    EXPECT_EQ(At(silent, 3, 40), kGroupFace);
    EXPECT_EQ(At(silent, 60, 40), kGroupFace);
    for (HWND w : {own->Handle(), silent}) EXPECT_TRUE(PrintsAsShown(w));
  }
}

namespace {

// A button adapter whose caption painting raises while `raising` is set.
bool raising = false;
class TRaisingBtnWnd : public TvxBtnWnd {
 public:
  using TvxBtnWnd::TvxBtnWnd;

 protected:
  void PaintCaption() override {
    if (raising) throw Exception("painting failed");
    TvxBtnWnd::PaintCaption();
  }
};

// A platform button whose own procedure raises on WM_ENABLE while
// `raising` is set: it runs while the adapter holds the drawing.
class TRaisingButton : public TButton {
 public:
  using TButton::TButton;
  void WndProc(TMessage& m) override {
    if (raising && m.Msg == WM_ENABLE) throw Exception("enabling failed");
    TButton::WndProc(m);
  }
};

}  // namespace

TEST_F(StdAdaptersWinTest, APaintingThatRaisesLeavesRedrawOnAndTheDCReleased) {
  Load(FlatSkin(true));
  std::vector<std::string> raised;
  Application->OnException = [&](TObject*, const Exception& e) { raised.push_back(e.Message); };
  HWND raw = Make(L"BUTTON", L"Raw", BS_PUSHBUTTON, 10, 10, 90, 30, panel->Handle());
  TvxAdapterArgs args;
  args.Handle = raw;
  args.Section = "BUTTON";
  args.Manager = manager;
  adapters.push_back(TvxMainWnd::Create<TRaisingBtnWnd>(args));
  auto* button = new TRaisingButton(form.get());
  button->SetParent(panel);
  button->SetBounds(10, 50, 90, 30);
  AdaptControl(TvxAdapterKind::BtnWnd, button, "BUTTON");
  Pump(20);

  raising = true;
  InvalidateRect(raw, nullptr, TRUE);
  UpdateWindow(raw);
  std::unique_ptr<TBitmap> print(new TBitmap(90, 30));
  HDC printDC = print->Canvas()->Handle();
  auto nextSave = [&] {
    const int level = SaveDC(printDC);
    RestoreDC(printDC, -1);
    return level;
  };
  const int firstSave = nextSave();
  SendMessageW(raw, WM_PRINT, reinterpret_cast<WPARAM>(printDC), PRF_CLIENT);
  EnableWindow(button->Handle(), FALSE);
  raising = false;
  Application->OnException = nullptr;
  EXPECT_EQ(raised, (std::vector<std::string>{"painting failed", "painting failed", "enabling failed"}));
  EXPECT_EQ(nextSave(), firstSave);  // the print DC's state came back
  RECT update{};
  EXPECT_FALSE(GetUpdateRect(raw, &update, FALSE));  // the failed paint still ended
  EXPECT_TRUE(IsWindowVisible(button->Handle()));    // drawing is on again
  EnableWindow(button->Handle(), TRUE);
  RedrawWindow(raw, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(At(raw, 45, 4), kFace);
  EXPECT_EQ(At(button->Handle(), 45, 4), kFace);
}

TEST_F(StdAdaptersWinTest, ClipOutChildWindowsLeavesOutOnlyTheFrameBandOfAChildGroupBox) {
  Load(FlatSkin(true));
  HWND group = Make(L"BUTTON", L"Group", BS_GROUPBOX, 20, 20, 160, 100, panel->Handle());
  Make(L"BUTTON", L"Button", BS_PUSHBUTTON, 20, 140, 80, 30, panel->Handle());  // left out whole
  Adapt(TvxAdapterKind::GroupBoxWnd, group, "GROUPBOX")->DialogMode = true;
  const int caption = static_cast<int>(SendCmdToWindow(group, SkinCmdQueryCaptionHeight, 0));
  ASSERT_GT(caption, 4);
  panel->PaintCache();
  constexpr TColor kSentinel = 0x123456;
  std::unique_ptr<TBitmap> target(new TBitmap(260, 200));
  target->Canvas()->Brush()->SetColor(kSentinel);
  target->Canvas()->FillRect(TRect{0, 0, 260, 200});
  const TRect whole{0, 0, 260, 200};
  ClipOutChildWindows(panel->Handle(), &panel->SkinData, whole, 0, 0, false, target->Canvas()->Handle(), whole);
  // The group box's border is 2 wide on the left, right and bottom.
  const TRect g{20, 20, 180, 120}, inside{22, 20 + caption, 178, 118}, b{20, 140, 100, 170};
  auto in = [](const TRect& r, int x, int y) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; };
  int wrong = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 260; ++x) {
      const bool left = (in(g, x, y) && !in(inside, x, y)) || in(b, x, y);
      wrong += BitmapPixel(target.get(), x, y) != (left ? kSentinel : panel->CachePixel(x, y));
    }
  EXPECT_EQ(wrong, 0);
}

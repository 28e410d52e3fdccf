// Skins made by others often lack sections. With Marl lacking one section
// in the Windows folder, the real BRSM.exe and BRSM-Menu.exe are worked
// through every window they show, and each window is read back from the
// screen for what a person needs to use it: a caption in the title band, a
// close button where the system would give one, a caption on every button,
// a check box whose click shows, and no control left a flat area. How a
// window looks otherwise is the other tests' matter.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cwctype>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "generator/filled_request.h"
#include "generator/program_driver.h"
#include "platform/rtl/text1251.h"
#include "support/screen_capture.h"
#include "support/screenshot.h"
#include "support/windows_folder_skin.h"
#include "tools/skinkit/marl_skin.h"

using namespace brsm::test;

namespace {

// Two colours apart by at least `by` in some channel; 64 is what a person
// tells apart at a glance, as text from what is behind it.
bool Contrast(TColor a, TColor b, int by = 64) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) >= by) return true;
  return false;
}

// Sharp changes from a pixel two to the left, as strokes of text and of
// glyphs make and smooth skin pictures, gradients and flat faces do not.
int Strokes(const ScreenCapture& s, const RECT& r) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left + 2; x < r.right; ++x) n += Contrast(s.At(x, y), s.At(x - 2, y));
  return n;
}

// Pixels apart from the area's commonest colour; none in a flat area.
int OffColour(const ScreenCapture& s, const RECT& r) {
  std::map<TColor, int> counts;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) ++counts[s.At(x, y)];
  TColor common = 0;
  int most = 0;
  for (const auto& [c, n] : counts)
    if (n > most) common = c, most = n;
  int off = 0;
  for (const auto& [c, n] : counts) off += Contrast(c, common, 24) ? n : 0;
  return off;
}

RECT Inset(RECT r, int dx, int dy) { return RECT{r.left + dx, r.top + dy, r.right - dx, r.bottom - dy}; }
RECT WindowRectOf(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return r;
}

void Redraw(HWND wnd) {
  RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Responds(wnd, 5000);
  Sleep(100);
}

bool IsPushButton(HWND wnd) {
  const std::wstring cls = ClassOf(wnd);
  if (cls == L"TsButton" || cls == L"TsBitBtn" || cls == L"TButton") return true;
  const LONG type = GetWindowLongW(wnd, GWL_STYLE) & BS_TYPEMASK;
  return _wcsicmp(cls.c_str(), L"Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

bool IsComboPart(HWND wnd) {
  std::wstring parent = ClassOf(GetParent(wnd));
  for (wchar_t& ch : parent) ch = static_cast<wchar_t>(towlower(ch));
  return parent.find(L"combo") != std::wstring::npos;
}

std::vector<HWND> VisibleDescendants(HWND wnd) {
  std::vector<HWND> found;
  EnumChildWindows(
      wnd,
      [](HWND child, LPARAM param) -> BOOL {
        RECT r = WindowRectOf(child);
        if (IsWindowVisible(child) && r.right > r.left && r.bottom > r.top)
          reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::string Named(HWND wnd) { return brsm::FromUtf16(ClassOf(wnd) + L" \"" + TextOf(wnd) + L"\""); }

class SkinLackingASection : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override { SetCursorPos(1270, 1010); }
  void TearDown() override { RemoveMarlFromWindowsFolder(); }

  // Marl without the section, where the programs look for their skin.
  static bool PutSkin(const std::string& section) {
    RemoveMarlFromWindowsFolder();
    brsm::kit::KitSkin marl = brsm::kit::MakeMarlSkin();
    marl.LeaveOut({section});
    return marl.WriteFolder(brsm::FromUtf16(WindowsFolder().wstring()));
  }

  // The caption's pixels in the title band: what changes, in a contrasting
  // colour, when the window's text is taken away for a moment.
  static int CaptionPixels(HWND wnd) {
    const RECT w = WindowRectOf(wnd);
    const RECT band{w.left, w.top, w.right, ClientOnScreen(wnd).top};
    const ScreenCapture with(band);
    const std::wstring text = TextOf(wnd);
    SetTextOf(wnd, L"");
    Redraw(wnd);
    const ScreenCapture without(band);
    SetTextOf(wnd, text);
    int n = 0;
    for (int y = band.top; y < band.bottom; ++y)
      for (int x = band.left; x < band.right; ++x) n += Contrast(with.At(x, y), without.At(x, y));
    return n;
  }

  // The close button as the window's hit test finds it along the middle of
  // the title band; empty when there is none.
  static RECT CloseButton(HWND wnd) {
    const RECT w = WindowRectOf(wnd);
    const int y = (w.top + ClientOnScreen(wnd).top) / 2;
    auto closeAt = [&](int x, int at) { return SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(x, at)) == HTCLOSE; };
    RECT found{w.right, y, w.left, y + 1};
    for (int x = w.right - 1; x > w.right - 120 && x > w.left; --x)
      if (closeAt(x, y)) found.left = x, found.right = found.right > x ? found.right : x + 1;
    if (found.left >= found.right) return RECT{};
    const int middle = (found.left + found.right) / 2;
    while (found.top > w.top && closeAt(middle, found.top - 1)) --found.top;
    while (found.bottom < w.bottom && closeAt(middle, found.bottom)) ++found.bottom;
    // The hit test marks the button hot: take the mark away again.
    SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(w.left + 40, y));
    return found;
  }

  // What a person needs in the window, read back from the screen. Every
  // window visited has a close button in the system's look.
  void ExpectReadable(HWND wnd, const std::string& name) {
    SCOPED_TRACE(name);
    SetForegroundWindow(wnd);
    Settle(wnd);
    EXPECT_GT(CaptionPixels(wnd), 15) << "no caption text in the title band";
    const RECT close = CloseButton(wnd);
    EXPECT_GT(close.right - close.left, 8) << "no close button";
    Redraw(wnd);
    EXPECT_GT(Strokes(ScreenCapture(close), close), 6) << "no glyph on the close button";
    if (name == "main" || name == "message" || name == "error") SaveScreenshot("lacking-" + GetParam() + "-" + name);
    const ScreenCapture screen(WindowRectOf(wnd));
    for (HWND c : VisibleDescendants(wnd)) {
      const RECT r = WindowRectOf(c);
      const std::wstring cls = ClassOf(c);
      if (IsPushButton(c)) {
        const int letters = static_cast<int>(TextOf(c).size());
        if (letters > 0) {
          EXPECT_GE(Strokes(screen, Inset(r, 6, 5)), 3 * letters) << Named(c) << ": no caption";
        }
      }
      // An empty list shows nothing in any look, nor does a static without
      // text; a combo box's own edit is a part of the box.
      if (cls == L"SysListView32" || cls == L"SHELLDLL_DefView" || (cls == L"Static" && TextOf(c).empty()) ||
          IsComboPart(c))
        continue;
      EXPECT_GT(OffColour(screen, r), 8) << Named(c) << ": a flat area";
      // A vertical scroll bar beside the client area shows its arrows and thumb.
      const RECT client = ClientOnScreen(c);
      if ((GetWindowLongW(c, GWL_STYLE) & WS_VSCROLL) && r.right - client.right > 8) {
        const RECT bar{client.right, client.top, r.right, client.bottom};
        EXPECT_GT(OffColour(screen, bar), 8) << Named(c) << ": a flat scroll bar";
      }
    }
  }

  // The check box shows its state: checked and unchecked again, both with
  // the focus the first click gives it, differ where the box is.
  void ExpectCheckShows(HWND check, const std::function<bool(bool)>& checked) {
    const RECT r = WindowRectOf(check);
    const RECT box{r.left, r.top, r.left + (r.bottom - r.top) + 4, r.bottom};
    std::vector<ScreenCapture> shown;
    for (bool state : {true, false}) {
      PostClick(check);
      ASSERT_TRUE(WaitUntil([&] { return checked(state); }));
      Redraw(GetParent(check));
      shown.emplace_back(box);
    }
    int changed = 0;
    for (int y = box.top; y < box.bottom; ++y)
      for (int x = box.left; x < box.right; ++x) changed += Contrast(shown[0].At(x, y), shown[1].At(x, y));
    EXPECT_GT(changed, 6) << "the check box does not show its state";
  }

  // The window menu, opened from the keyboard, shows its items.
  void ExpectWindowMenuReadable(const ChildProgram& program, HWND wnd) {
    PostMessageW(wnd, WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
    HWND menu = program.WaitForWindow(L"#32768", 5000);
    ASSERT_NE(menu, nullptr) << "no window menu";
    Sleep(300);
    const RECT r = WindowRectOf(menu);
    const ScreenCapture screen(r);
    EXPECT_GT(Strokes(screen, r), 20) << "the window menu shows no items";
    // Its frame in the skin's or the system's edges, not a band of white.
    int ring = 0, white = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (x < r.left + 3 || y < r.top + 3 || x >= r.right - 3 || y >= r.bottom - 3) ++ring, white += screen.At(x, y) == clWhite;
    EXPECT_LT(white, ring * 3 / 4) << "the window menu's frame is a white band";
    SaveScreenshot("lacking-" + GetParam() + "-windowmenu");
    for (int i = 0; i < 2 && IsWindowVisible(menu); ++i) {
      PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
      WaitUntil([&] { return !IsWindowVisible(menu); }, 1000);
    }
    EXPECT_FALSE(IsWindowVisible(menu));
  }

  TempFolder folder_{L"brsm-lacking"};
};

TEST_P(SkinLackingASection, EveryWindowStaysReadable) {
  ASSERT_TRUE(PutSkin(GetParam()));
  {
    ChildProgram program(WinePath(BRSM_BIN_DIR) + L"\\BRSM.exe", folder_.Path());
    ASSERT_TRUE(program.Started());
    HWND main = program.WaitForWindow(L"TForm1");
    ASSERT_NE(main, nullptr);
    HWND panel = ChildAt(main, L"TsPanel", 0, 589);
    ASSERT_NE(panel, nullptr);
    ExpectReadable(main, "main");
    HWND reload = ChildAt(main, L"TEdit", 24, 536);
    ExpectCheckShows(ChildAt(main, L"TCheckBox", 16, 512),
                     [&](bool checked) { return (IsWindowEnabled(reload) != 0) == checked; });
    ExpectWindowMenuReadable(program, main);

    // Every field empty: the first of the messages.
    PostClick(ChildAt(panel, L"TsBitBtn", 8, 5));
    for (int i = 0; i < 2; ++i) {
      HWND message = program.WaitForWindow(L"TMessageForm");
      ASSERT_NE(message, nullptr) << "message " << i;
      if (i == 0) ExpectReadable(message, "message");
      PostClick(ChildOfClass(message, L"TButton"));
      ASSERT_TRUE(WaitUntil([&] { return !IsWindow(message) || !IsWindowVisible(message); }));
    }

    for (const FieldInput& in : EveryFieldFilled()) SetTextOf(ChildAt(main, in.cls, in.left, in.top), in.text);
    PostClick(ChildAt(panel, L"TsBitBtn", 8, 5));
    HWND result = program.WaitForWindow(L"TForm2");
    ASSERT_NE(result, nullptr);
    ExpectReadable(result, "result");

    // The save dialog, then the system's message box of a save that cannot
    // be written (its ".uc" file is a folder).
    const std::wstring blocked = folder_.File(L"blocked.uc");
    ASSERT_TRUE(CreateDirectoryW(blocked.c_str(), nullptr));
    PostClick(ChildAt(ChildOfClass(result, L"TsPanel"), L"TsButton", 8, 4));
    HWND save = program.WaitForWindow(L"#32770");
    ASSERT_NE(save, nullptr) << "no save dialog";
    ExpectReadable(save, "save");
    HWND nameField = GetDlgItem(save, 0x480);
    if (!nameField) nameField = GetDlgItem(save, 0x47C);
    ASSERT_NE(nameField, nullptr);
    SetTextOf(nameField, folder_.File(L"blocked"));
    PostMessageW(save, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(save); })) << "the save dialog stayed";
    HWND error = program.WaitForWindow(L"#32770");
    ASSERT_NE(error, nullptr) << "no message box";
    ASSERT_TRUE(WaitUntil([&] { return ChildOfClass(error, L"Button") != nullptr; }));
    ExpectReadable(error, "error");
    PostMessageW(error, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(error); }));
    RemoveDirectoryW(blocked.c_str());
    PostClick(ChildAt(ChildOfClass(result, L"TsPanel"), L"TsButton", 164, 8));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(result) && IsWindowEnabled(main); }));

    PostClick(ChildAt(panel, L"TsButton", 96, 5));
    HWND about = program.WaitForWindow(L"TForm3");
    ASSERT_NE(about, nullptr);
    ExpectReadable(about, "about");
    PostClick(ChildAt(about, L"TsBitBtn", 84, 87));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(about) && IsWindowEnabled(main); }));

    PostClick(ChildAt(panel, L"TsButton", 112, 5));
    HWND howTo = program.WaitForWindow(L"TForm4");
    ASSERT_NE(howTo, nullptr);
    ExpectReadable(howTo, "howto");
  }

  ChildProgram menu(WinePath(BRSM_BIN_DIR) + L"\\BRSM-Menu.exe", folder_.Path());
  ASSERT_TRUE(menu.Started());
  HWND main = menu.WaitForWindow(L"TForm1");
  ASSERT_NE(main, nullptr);
  ExpectReadable(main, "menu");
  // "О программе", a speed button across the bottom, windowless.
  RECT c{};
  GetClientRect(main, &c);
  const RECT speed = OnScreen(main, RECT{0, c.bottom - 22, c.right, c.bottom});
  EXPECT_GT(Strokes(ScreenCapture(speed), Inset(speed, 6, 5)), 30) << "\"О программе\" without its caption";
  const POINT at{c.right / 2, c.bottom - 11};
  PostMessageW(main, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  PostMessageW(main, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  HWND about = menu.WaitForWindow(L"TForm2", 5000);
  ASSERT_NE(about, nullptr);
  ExpectReadable(about, "menu-about");
  PostMessageW(about, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(about); }));
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinLackingASection, ::testing::Values(BRSM_TEST_CASES),
                         [](const auto& info) { return info.param; });

}  // namespace

// The real BRSM.exe with a kit-made "Marl" in the Windows folder: after a
// request with every field filled, the result window shows the script on
// the EDIT section's colour inside its skinned frame, with a vertical bar
// painted from Marl's scroll sections that scrolls by its arrow and its
// thumb and stays skinned; the credit label is drawn in GLOBALINFO's
// FONTCOLOR. Pixels are read from the screen, as a user sees them.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "generator/filled_request.h"
#include "generator/program_driver.h"
#include "platform/rtl/text1251.h"
#include "skin/core/skin_commands.h"
#include "support/screenshot.h"
#include "support/windows_folder_skin.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

using namespace brsm::test;
using brsm::kit::KitColor;
using brsm::kit::MarlSectionIndex;

namespace {

TColor ScreenPixel(int x, int y) {
  HDC dc = GetDC(nullptr);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(nullptr, dc);
  return static_cast<TColor>(c);
}

TColor Edge(const char* section, int state) { return brsm::kit::Shade(KitColor(MarlSectionIndex(section), 10 + state)); }

// A rectangle of the screen as it shows now, row by row.
std::vector<uint32_t> ScreenPixels(const RECT& r) {
  const int width = r.right - r.left, height = r.bottom - r.top;
  std::vector<uint32_t> pixels;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  if (HBITMAP dib = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0)) {
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    pixels.assign(static_cast<const uint32_t*>(bits), static_cast<const uint32_t*>(bits) + width * height);
    SelectObject(mem, old);
    DeleteObject(dib);
  }
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// What the memo shows, text, frame and bar, is what it shows once the whole
// window is made to repaint: nothing was left unpainted after a scroll. The
// blinking caret, a stroke at most two pixels wide and a line high, may
// differ.
bool AsAFullRepaintShowsIt(HWND memo, HWND form, int lineHeight) {
  RECT r{};
  GetWindowRect(memo, &r);
  const std::vector<uint32_t> shown = ScreenPixels(r);
  Settle(form);
  const std::vector<uint32_t> repainted = ScreenPixels(r);
  if (shown.empty() || repainted.size() != shown.size()) return false;
  const int width = r.right - r.left;
  int left = width, right = -1, count = 0;
  for (size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] == repainted[i]) continue;
    left = std::min(left, static_cast<int>(i % width));
    right = std::max(right, static_cast<int>(i % width));
    ++count;
  }
  return count == 0 || (right - left < 2 && count <= 2 * lineHeight);
}

// The window holding the mouse capture on the thread of `wnd`, which may
// belong to another process.
HWND CaptureOf(HWND wnd) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(wnd, nullptr), &info)) return nullptr;
  return info.hwndCapture;
}

// The top of a line in the client, as the edit places its first character.
int LineTop(HWND memo, int line) {
  const LRESULT at = SendMessageW(memo, EM_POSFROMCHAR, SendMessageW(memo, EM_LINEINDEX, line, 0), 0);
  return static_cast<short>(HIWORD(at));
}

// The thumb of the vertical bar as the screen shows it: the rows of the
// track whose left edge is in the slider's edge or corner colour (any state).
struct Thumb {
  int top = -1, bottom = -1;
  bool Found() const { return top >= 0; }
};
Thumb ThumbOnScreen(const RECT& bar, int arrow) {
  Thumb thumb;
  for (int y = bar.top + arrow; y < bar.bottom - arrow; ++y) {
    const TColor c = ScreenPixel(bar.left, y);
    bool slider = false;
    for (int state = 0; state < 3; ++state) {
      const TColor face = KitColor(MarlSectionIndex("SCROLLSLIDERV"), 10 + state);
      slider = slider || c == brsm::kit::Shade(face) || c == brsm::kit::Corner(face);
    }
    if (!slider) continue;
    if (!thumb.Found()) thumb.top = y;
    thumb.bottom = y;
  }
  return thumb;
}

class ResultWindowSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(PutMarlInWindowsFolder(MarlKind::Folder));
    program_ = std::make_unique<ChildProgram>(WinePath(BRSM_BIN_DIR) + L"\\BRSM.exe", folder_.Path());
    ASSERT_TRUE(program_->Started());
    main_ = program_->WaitForWindow(L"TForm1");
    ASSERT_NE(main_, nullptr);
  }
  void TearDown() override {
    program_.reset();
    RemoveMarlFromWindowsFolder();
  }

  TempFolder folder_{L"brsm-result-skin"};
  std::unique_ptr<ChildProgram> program_;
  HWND main_ = nullptr;
};

// The direct children of that class.
std::vector<HWND> ChildrenOfClass(HWND parent, const std::wstring& className) {
  std::vector<HWND> found;
  for (HWND c = FindWindowExW(parent, nullptr, className.c_str(), nullptr); c;
       c = FindWindowExW(parent, c, className.c_str(), nullptr))
    found.push_back(c);
  return found;
}

// How many pixels of the window's client area show the colour on screen.
int ClientPixelsOf(HWND wnd, TColor color) {
  RECT r{};
  GetClientRect(wnd, &r);
  POINT at{0, 0};
  ClientToScreen(wnd, &at);
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, r.right, r.bottom);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, r.right, r.bottom, screen, at.x, at.y, SRCCOPY);
  SelectObject(mem, old);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = r.right;
  bi.bmiHeader.biHeight = -r.bottom;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  std::vector<uint32_t> pixels(static_cast<size_t>(r.right) * static_cast<size_t>(r.bottom));
  GetDIBits(mem, bmp, 0, static_cast<UINT>(r.bottom), pixels.data(), &bi, DIB_RGB_COLORS);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  // DIB pixels are 0x00RRGGBB, colours 0x00BBGGRR.
  const uint32_t want = ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
  int n = 0;
  for (uint32_t p : pixels) n += (p & 0xFFFFFF) == want;
  return n;
}

}  // namespace

TEST_F(ResultWindowSkin, MainFormsLabelsTakeTheSkinsTextColourAndItsPlainControlsAdapters) {
  Settle(main_);
  const TColor fontColor = KitColor(MarlSectionIndex("GLOBALINFO"), 2);
  // Nineteen captions on the form.
  EXPECT_GT(ClientPixelsOf(main_, fontColor), 500) << "the labels are not in the skin's font colour";
  const std::vector<HWND> edits = ChildrenOfClass(main_, L"TEdit");
  const std::vector<HWND> checks = ChildrenOfClass(main_, L"TCheckBox");
  EXPECT_GE(edits.size(), 15u);  // the form's own; a few more sit on panels
  EXPECT_EQ(checks.size(), 1u);
  for (const std::vector<HWND>* list : {&edits, &checks})
    for (HWND c : *list)
      EXPECT_EQ(SendMessageW(c, CommandMessage, SkinCmdWParam(SkinCmdQuerySkinned), 0), 1)
          << brsm::FromUtf16(ClassOf(c)) << " has no window adapter";
  SaveScreenshot("generator-main-marl");
}

TEST_F(ResultWindowSkin, ScriptShowsInTheSkinsLookWithASkinnedBarThatScrolls) {
  for (const FieldInput& in : EveryFieldFilled()) {
    HWND field = ChildAt(main_, in.cls, in.left, in.top);
    ASSERT_NE(field, nullptr);
    SetTextOf(field, in.text);
  }
  HWND panel = ChildAt(main_, L"TsPanel", 0, 589);
  ASSERT_NE(panel, nullptr);
  PostClick(ChildAt(panel, L"TsBitBtn", 8, 5));
  HWND result = program_->WaitForWindow(L"TForm2");
  ASSERT_NE(result, nullptr);
  HWND memo = ChildOfClass(result, L"TsMemo");
  ASSERT_NE(memo, nullptr);
  Settle(result);

  // The script on EDIT's colour: the client's right-hand columns, where no
  // text reaches, are that colour.
  RECT client{};
  GetClientRect(memo, &client);
  POINT origin{0, 0};
  ClientToScreen(memo, &origin);
  const TColor editColor = KitColor(MarlSectionIndex("EDIT"), 0);
  int onEdit = 0, column = 0;
  for (int y = origin.y + 4; y < origin.y + client.bottom - 4; y += 7, ++column)
    onEdit += ScreenPixel(origin.x + client.right - 1, y) == editColor;
  EXPECT_GT(onEdit * 2, column) << "the memo is not on the EDIT section's colour";

  // The bar: arrows, page areas and thumb from Marl, no system colour in it.
  const RECT bar = VerticalBarOnScreen(memo);
  ASSERT_GT(bar.right - bar.left, 4);
  const int mid = (bar.left + bar.right) / 2;
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  EXPECT_EQ(ScreenPixel(mid, bar.top), Edge("SCROLLBTNTOP", 0));
  EXPECT_EQ(ScreenPixel(mid, bar.bottom - arrow), Edge("SCROLLBTNBOTTOM", 0));
  const TColor system[] = {static_cast<TColor>(GetSysColor(COLOR_SCROLLBAR)),
                           static_cast<TColor>(GetSysColor(COLOR_BTNFACE)),
                           static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW))};
  int systemPixels = 0;
  for (int y = bar.top; y < bar.bottom; ++y)
    for (int x = bar.left; x < bar.right; x += 2)
      for (TColor s : system) systemPixels += ScreenPixel(x, y) == s;
  EXPECT_EQ(systemPixels, 0);
  SaveScreenshot("generator-result-marl");

  // The down arrow scrolls one line; text and bar on the screen are what a
  // full repaint shows, and the bar stays skinned. Nothing but the check
  // asks the program to repaint.
  const int lineHeight = LineTop(memo, 1) - LineTop(memo, 0);
  ASSERT_GT(lineHeight, 4);
  const int shown = (client.bottom - LineTop(memo, 0)) / lineHeight;
  EXPECT_EQ(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  const int arrowY = bar.bottom - arrow / 2;
  SetCursorPos(mid, arrowY);
  PostMessageW(memo, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(mid, arrowY));
  PostMessageW(memo, WM_LBUTTONUP, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0) == 1; }, 3000));
  Thumb afterArrow;
  EXPECT_TRUE(WaitUntil(
      [&] {
        afterArrow = ThumbOnScreen(bar, arrow);
        return afterArrow.top > bar.top + arrow;
      },
      3000))
      << "the thumb was not repainted: it starts at " << afterArrow.top - bar.top;
  EXPECT_EQ(ScreenPixel(mid, bar.top), Edge("SCROLLBTNTOP", 0));
  EXPECT_TRUE(AsAFullRepaintShowsIt(memo, result, lineHeight)) << "after the down arrow";
  SaveScreenshot("generator-result-marl-line-down");

  // The thumb dragged to the end shows the last line. Each step waits for
  // the program to take the one before.
  ASSERT_TRUE(afterArrow.Found());
  const LRESULT lines = SendMessageW(memo, EM_GETLINECOUNT, 0, 0);
  ASSERT_GT(lines, shown) << "the script fits the window";
  const int grabY = (afterArrow.top + afterArrow.bottom) / 2;
  SetCursorPos(mid, grabY);
  PostMessageW(memo, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(mid, grabY));
  ASSERT_TRUE(WaitUntil([&] { return CaptureOf(memo) == memo; }, 3000)) << "the thumb was not taken";
  SetCursorPos(mid, bar.bottom + 40);
  PostMessageW(memo, WM_MOUSEMOVE, MK_LBUTTON, 0);
  LRESULT first = 0;
  EXPECT_TRUE(WaitUntil(
      [&] {
        first = SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0);
        return first + shown >= lines;
      },
      3000))
      << "lines " << lines << " shown " << shown << " first visible " << first << "; thumb grabbed at "
      << grabY - bar.top << " in " << afterArrow.top - bar.top << ".." << afterArrow.bottom - bar.top;
  PostMessageW(memo, WM_LBUTTONUP, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return CaptureOf(memo) == nullptr; }, 3000)) << "the thumb was not let go";
  EXPECT_EQ(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0), first);
  Thumb atEnd;
  EXPECT_TRUE(WaitUntil(
      [&] {
        atEnd = ThumbOnScreen(bar, arrow);
        return atEnd.bottom == bar.bottom - arrow - 1;
      },
      3000))
      << "the thumb was not repainted at the end: it ends " << bar.bottom - atEnd.bottom << " above the bar's end";
  EXPECT_EQ(ScreenPixel(mid, bar.top), Edge("SCROLLBTNTOP", 0));
  EXPECT_EQ(ScreenPixel(mid, bar.bottom - arrow), Edge("SCROLLBTNBOTTOM", 0));
  EXPECT_TRUE(AsAFullRepaintShowsIt(memo, result, lineHeight)) << "after the thumb's drag";
  SaveScreenshot("generator-result-marl-scrolled");

  // The credit label's underline is drawn in GLOBALINFO's FONTCOLOR.
  HWND resultPanel = ChildOfClass(result, L"TsPanel");
  ASSERT_NE(resultPanel, nullptr);
  POINT at{320, 16};
  ClientToScreen(resultPanel, &at);
  const TColor fontColor = KitColor(MarlSectionIndex("GLOBALINFO"), 2);
  int inFontColor = 0;
  for (int y = at.y; y < at.y + 18; ++y)
    for (int x = at.x; x < at.x + 140; ++x) inFontColor += ScreenPixel(x, y) == fontColor;
  EXPECT_GT(inFontColor, 20) << "the credit label is not in the skin's font colour";

  // The about box's labels too.
  PostClick(ChildAt(ChildOfClass(result, L"TsPanel"), L"TsButton", 164, 8));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(result); }));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(main_) != 0; }));
  PostClick(ChildAt(panel, L"TsButton", 96, 5));
  HWND about = program_->WaitForWindow(L"TForm3");
  ASSERT_NE(about, nullptr);
  Settle(about);
  POINT labels{8, 16};
  ClientToScreen(about, &labels);
  int aboutInFontColor = 0;
  for (int y = labels.y; y < labels.y + 62; ++y)
    for (int x = labels.x; x < labels.x + 160; ++x) aboutInFontColor += ScreenPixel(x, y) == fontColor;
  EXPECT_GT(aboutInFontColor, 10) << "the about box's labels are not in the skin's font colour";
  SaveScreenshot("generator-about-marl");
  PostClick(ChildAt(about, L"TsBitBtn", 84, 87));
}

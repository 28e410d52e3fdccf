// The real BRSM.exe with a kit-made "Marl" in the Windows folder: after a
// request with every field filled, the result window shows the script on
// the EDIT section's colour inside its skinned frame, with a vertical bar
// painted from Marl's scroll sections that scrolls by its arrow and its
// thumb and stays skinned; the credit label is drawn in GLOBALINFO's
// FONTCOLOR. Pixels are read from the screen, as a user sees them.
#include <gtest/gtest.h>

#include <windows.h>

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

  // The memo's vertical bar on the screen: inside the frame ring, at the right.
  RECT VerticalBar(HWND memo) {
    RECT w{}, c{};
    GetWindowRect(memo, &w);
    GetClientRect(memo, &c);
    POINT origin{0, 0};
    ClientToScreen(memo, &origin);
    const int edge = origin.x - w.left;
    return RECT{origin.x + c.right, w.top + edge, w.right - edge, w.bottom - edge};
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
  const RECT bar = VerticalBar(memo);
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

  // The down arrow scrolls one line; the bar stays skinned.
  EXPECT_EQ(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  const LPARAM down = MAKELPARAM(mid, bar.bottom - arrow / 2);
  SetCursorPos(mid, bar.bottom - arrow / 2);
  PostMessageW(memo, WM_NCLBUTTONDOWN, HTVSCROLL, down);
  PostMessageW(memo, WM_LBUTTONUP, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0) >= 1; }, 3000));
  Settle(result);
  EXPECT_EQ(ScreenPixel(mid, bar.top), Edge("SCROLLBTNTOP", 0));

  // The thumb dragged to the end shows the last line.
  SCROLLINFO si{sizeof si, SIF_ALL};
  GetScrollInfo(memo, SB_VERT, &si);
  const int track = bar.bottom - bar.top - 2 * arrow;
  const int range = si.nMax - si.nMin + 1;
  const int size = std::max<int>(MulDiv(si.nPage, track, range), 10);
  const int thumbTop = bar.top + arrow + MulDiv(si.nPos - si.nMin, track - size, range - std::max<int>(si.nPage, 1));
  const int grabY = thumbTop + size / 2;
  SetCursorPos(mid, grabY);
  PostMessageW(memo, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(mid, grabY));
  Settle(result);
  SetCursorPos(mid, bar.bottom + 40);
  PostMessageW(memo, WM_MOUSEMOVE, MK_LBUTTON, 0);
  Settle(result);
  PostMessageW(memo, WM_LBUTTONUP, 0, 0);
  const LRESULT lines = SendMessageW(memo, EM_GETLINECOUNT, 0, 0);
  EXPECT_TRUE(WaitUntil(
      [&] {
        GetScrollInfo(memo, SB_VERT, &si);
        return si.nPos + static_cast<int>(si.nPage) >= si.nMax;
      },
      3000))
      << "lines " << lines << " pos " << si.nPos;
  Settle(result);
  EXPECT_EQ(ScreenPixel(mid, bar.bottom - arrow), Edge("SCROLLBTNBOTTOM", 0));
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

#include "platform/graphics/graphics.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/screenshot.h"

namespace {

struct FontCase {
  const char* face;
  int height;
  bool bold;
};

const FontCase kFonts[] = {
    {"MS Sans Serif", -11, false},
    {"MS Sans Serif", -11, true},
    {"Segoe UI", -12, false},
    {"Segoe UI", -12, true},
};

// 1251 texts in the programs' style.
const char* const kLines[] = {
    "\xD1\xE3\xE5\xED\xE5\xF0\xE8\xF0\xEE\xE2\xE0\xF2\xFC \xF1\xEA\xF0\xE8\xEF\xF2",  // Сгенерировать скрипт
    "\xC8\xEC\xFF \xEA\xEB\xE0\xF1\xF1\xE0 \xEE\xF0\xF3\xE6\xE8\xFF: \xB8\xA8 \xDF\xFF",  // Имя класса оружия: ёЁ Яя
};

void Apply(TFont* font, const FontCase& c) {
  font->SetName(c.face);
  font->SetHeight(c.height);
  font->SetStyle(c.bold ? TFontStyles{fsBold} : TFontStyles{});
}

// The pixels of one character drawn black on white.
std::vector<uint8_t> Glyph(const FontCase& c, const char* ch) {
  TBitmap b(24, 24, pf24bit);
  Apply(b.Canvas()->Font(), c);
  b.Canvas()->Font()->SetColor(clBlack);
  b.Canvas()->TextOut(2, 2, ch);
  const TPixelBufferView v = b.PixelView();
  std::vector<uint8_t> pixels;
  for (int y = 0; y < v.Height; ++y) pixels.insert(pixels.end(), v.Row(y), v.Row(y) + v.Width * 3);
  return pixels;
}

bool Blank(const std::vector<uint8_t>& pixels) {
  for (uint8_t p : pixels)
    if (p != 0xFF) return false;
  return true;
}

// Russian letters come out as their own shapes: not blank, not the question
// mark a code-page conversion would leave, not one shared missing-glyph box.
TEST(RussianText, LettersHaveTheirOwnGlyphs) {
  for (const FontCase& c : kFonts) {
    SCOPED_TRACE(testing::Message() << c.face << " " << c.height << (c.bold ? " bold" : ""));
    const auto question = Glyph(c, "?");
    const auto zhe = Glyph(c, "\xC6");     // Ж
    const auto shcha = Glyph(c, "\xD9");   // Щ
    const auto yo = Glyph(c, "\xA8");      // Ё
    const auto ye = Glyph(c, "\xC5");      // Е
    EXPECT_FALSE(Blank(zhe));
    EXPECT_NE(zhe, question);
    EXPECT_NE(zhe, shcha);
    EXPECT_NE(yo, ye);
  }
}

TEST(RussianText, MeasuredWidthsFollowTheText) {
  TBitmap b(4, 4, pf24bit);
  TCanvas* canvas = b.Canvas();
  Apply(canvas->Font(), kFonts[0]);
  const int one = canvas->TextWidth("\xC6");
  const int line = canvas->TextWidth(kLines[0]);
  EXPECT_GT(one, 0);
  EXPECT_GT(line, 10 * one / 2);
  EXPECT_EQ(canvas->TextWidth(""), 0);
  const int normal = canvas->TextWidth(kLines[1]);
  canvas->Font()->SetStyle({fsBold});
  EXPECT_GT(canvas->TextWidth(kLines[1]), normal);
  EXPECT_GE(canvas->TextHeight(kLines[1]), 11);
}

LRESULT CALLBACK DemoProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(wnd, &ps);
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Brush()->SetColor(clBtnFace);
    RECT rc;
    GetClientRect(wnd, &rc);
    canvas.FillRect(brsm::FromRECT(rc));
    canvas.Brush()->SetStyle(bsClear);
    int y = 8;
    for (const FontCase& c : kFonts) {
      Apply(canvas.Font(), c);
      canvas.Font()->SetColor(clWindowText);
      std::string label = std::string(c.face) + (c.bold ? " bold: " : ": ");
      canvas.TextOut(8, y, label + kLines[0]);
      y += canvas.TextHeight(kLines[0]) + 2;
      canvas.TextOut(8, y, kLines[1]);
      y += canvas.TextHeight(kLines[1]) + 8;
    }
    canvas.SetHandle(nullptr);
    EndPaint(wnd, &ps);
    return 0;
  }
  return DefWindowProcW(wnd, msg, wp, lp);
}

TEST(RussianText, DemoWindowForTheScreenshot) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DemoProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"BrsmRussianTextDemo";
  ASSERT_NE(RegisterClassW(&wc), 0);
  HWND wnd = CreateWindowExW(0, wc.lpszClassName, L"\x0428\x0440\x0438\x0444\x0442\x044B",
                             WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 460, 230, nullptr, nullptr,
                             wc.hInstance, nullptr);
  ASSERT_NE(wnd, nullptr);
  UpdateWindow(wnd);
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
  // Something dark was drawn where the first line stands.
  POINT p{8, 8};
  ClientToScreen(wnd, &p);
  HDC screen = GetDC(nullptr);
  int dark = 0;
  for (int x = 0; x < 200; ++x)
    for (int y = 0; y < 14; ++y)
      if (GetRValue(GetPixel(screen, p.x + x, p.y + y)) < 100) ++dark;
  ReleaseDC(nullptr, screen);
  EXPECT_GT(dark, 50);
  EXPECT_TRUE(brsm::test::SaveScreenshot("graphics_russian_text"));
  DestroyWindow(wnd);
  UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

}  // namespace

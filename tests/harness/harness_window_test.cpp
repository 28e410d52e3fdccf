#include <windows.h>

#include <gtest/gtest.h>

#include "support/screenshot.h"

namespace {

LRESULT CALLBACK PaintRedProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(wnd, &ps);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT rc;
    GetClientRect(wnd, &rc);
    FillRect(dc, &rc, red);
    DeleteObject(red);
    EndPaint(wnd, &ps);
    return 0;
  }
  return DefWindowProcW(wnd, msg, wp, lp);
}

void PumpMessages() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

TEST(HarnessWindow, ShowsAndPaintsAWindowOnTheDisplay) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = PaintRedProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"BrsmHarnessWindow";
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  ASSERT_NE(RegisterClassW(&wc), 0);

  HWND wnd = CreateWindowExW(0, wc.lpszClassName, L"Harness \x0422\x0435\x0441\x0442",
                             WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 200,
                             nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(wnd, nullptr);
  UpdateWindow(wnd);
  PumpMessages();

  // Read a pixel in the middle of the client area back from the screen.
  POINT mid{150, 80};
  ClientToScreen(wnd, &mid);
  HDC screen = GetDC(nullptr);
  COLORREF c = GetPixel(screen, mid.x, mid.y);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(c, RGB(255, 0, 0));

  EXPECT_TRUE(brsm::test::SaveScreenshot("harness_window"));
  DestroyWindow(wnd);
  UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

}  // namespace

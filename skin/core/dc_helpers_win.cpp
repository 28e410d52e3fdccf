#include "skin/core/dc_helpers_win.h"

void FillRectOnDC(HDC dc, const TRect& rect, TColor color) {
  const int saved = SaveDC(dc);
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(color)));
  HGDIOBJ old = SelectObject(dc, brush);
  const RECT r = brsm::ToRECT(rect);
  FillRect(dc, &r, brush);
  SelectObject(dc, old);
  DeleteObject(brush);
  RestoreDC(dc, saved);
}

void CopyBorderFrame(HDC target, int x, int y, int width, int height, HDC source, int source_x,
                     int source_y, int thickness) {
  const int t = thickness;
  BitBlt(target, x, y, t, height, source, source_x, source_y, SRCCOPY);
  BitBlt(target, x, y, width, t, source, source_x, source_y, SRCCOPY);
  BitBlt(target, x + width - t, y, t, height, source, source_x + width - t, source_y, SRCCOPY);
  BitBlt(target, x, y + height - t, width, t, source, source_x, source_y + height - t, SRCCOPY);
}

#include "skin/windows/bar_wnd_win.h"

#include "skin/core/cache_bitmap_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/image_painting.h"
#include "skin/core/section_painting.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/adapter_paint_win.h"
#include "skin/windows/bar_adapter_rules.h"
#include "skin/windows/button_adapter_rules.h"

TvxSpinWnd::TvxSpinWnd(const TvxAdapterArgs& args) : TvxMainWnd(args) {}

void TvxSpinWnd::WndProc(TMessage& m) {
  if (!Hooked() || !SkinData || !SkinData->IsSkinned()) {
    TvxMainWnd::WndProc(m);
    return;
  }
  if (AnswerPaintMessages(m, [this](HDC dc) { PaintWindow(dc); })) return;
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      // A press ends with the button, and with a capture taken away.
      Pressed = m.Msg == WM_LBUTTONDOWN;
      TvxMainWnd::WndProc(m);
      if (Hooked()) SendMessageW(WindowHandle, WM_PAINT, 0, 0);
      return;
    default:
      break;
  }
  TvxMainWnd::WndProc(m);
  if (!Hooked()) return;
  if (m.Msg == CommandMessage &&
      (SkinCmdOf(m.WParam) == SkinCmdHotEnter || SkinCmdOf(m.WParam) == SkinCmdHotLeave)) {
    SendMessageW(WindowHandle, WM_PAINT, 0, 0);
    return;
  }
  if (m.Msg != WM_MOUSEMOVE || !DefaultManager || !IsWindowEnabled(WindowHandle)) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT r{};
  GetWindowRect(WindowHandle, &r);
  const auto self = reinterpret_cast<uintptr_t>(WindowHandle);
  if (PtInRect(&r, cursor)) {
    // The hot half may have changed.
    if (DefaultManager->HotWindow() == self)
      SendMessageW(WindowHandle, WM_PAINT, 0, 0);
    else
      DefaultManager->SetHotControl(self);
  } else if (DefaultManager->HotWindow() == self) {
    DefaultManager->SetHotControl(0);
  }
}

void TvxSpinWnd::PaintWindow(HDC given) {
  GetWindowPosInParent(WindowHandle, Place);
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT bounds{Place.WindowRect.Left, Place.WindowRect.Top, Place.WindowRect.Right, Place.WindowRect.Bottom};
  UpState = DownState = 0;
  if (PtInRect(&bounds, cursor)) {
    const int pressed = Pressed ? 1 : 0;
    if (cursor.y < bounds.bottom - Place.Height / 2)
      UpState = pressed + 1;
    else
      DownState = pressed + 1;
  }
  PaintFromCache(given, [this] { PrepareCache(); }, LeftOffset);
}

void TvxSpinWnd::PrepareCache() {
  if (!SizeCacheToWindow(SkinData, WindowHandle)) return;
  const TUnderWindow under(WindowHandle, Place, SkinData);
  const TPixelBufferView pixels = SkinData->CachePixels();
  TsSkinManager* manager = SkinData->SkinManager();
  const TSize size{Place.Width, Place.Height};
  const TRect halves[2] = {SpinUpperHalf(size, LeftOffset), SpinLowerHalf(size, LeftOffset)};
  const int states[2] = {UpState, DownState};
  for (int i = 0; i < 2; ++i) {
    const TRect& half = halves[i];
    if (half.IsEmpty()) continue;
    PaintControlSkin(SkinData, under.Info(), true, 0, pixels, TPoint{half.Left, half.Top}, half, states[i]);
    // Arrows: the glyphs of the top and bottom scroll buttons.
    const int item = manager ? manager->CommonIndexCache.ScrollBtnGlyph[i] : -1;
    if (!manager || !manager->IsValidMaskIndex(item)) continue;
    const TSize frame = ItemFrameSize(manager->MaskItems[item]);
    PaintMaskGlyph(pixels,
                   TPoint{half.Left + (half.Width() - frame.cx) / 2, half.Top + (half.Height() - frame.cy) / 2},
                   states[i], manager->MaskItems[item], 1);
  }
  SkinData->BackgroundStale = false;
}

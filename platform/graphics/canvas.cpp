#include "platform/graphics/canvas.h"

#include <vector>

#include "platform/graphics/graphic.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/text1251.h"

namespace {

std::vector<POINT> ToPoints(const TPoint* points, int count) {
  std::vector<POINT> v(count > 0 ? static_cast<size_t>(count) : 0);
  for (int i = 0; i < count; ++i) v[i] = POINT{points[i].X, points[i].Y};
  return v;
}

}  // namespace

TCanvas::TCanvas()
    : font_(std::make_unique<TFont>()),
      brush_(std::make_unique<TBrush>()),
      pen_(std::make_unique<TPen>()) {
  font_->OnChange = [this](TObject*) {
    if (state_.Contains(csFontValid)) {
      SelectObject(handle_, GetStockObject(SYSTEM_FONT));
      state_.Exclude(csFontValid);
    }
  };
  brush_->OnChange = [this](TObject*) {
    if (state_.Contains(csBrushValid)) {
      SelectObject(handle_, GetStockObject(WHITE_BRUSH));
      state_.Exclude(csBrushValid);
    }
  };
  pen_->OnChange = [this](TObject*) {
    if (state_.Contains(csPenValid)) {
      SelectObject(handle_, GetStockObject(BLACK_PEN));
      state_.Exclude(csPenValid);
    }
  };
}

TCanvas::~TCanvas() {
  SetHandle(nullptr);
  font_->OnChange = nullptr;
  brush_->OnChange = nullptr;
  pen_->OnChange = nullptr;
}

HDC TCanvas::Handle() {
  // Whoever takes the DC measures and draws with it directly: it must hold
  // the canvas's own objects, not what a change left selected.
  RequiredState({csHandleValid, csFontValid, csPenValid, csBrushValid});
  return handle_;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == handle_) return;
  if (handle_) DeselectHandles();
  handle_ = dc;
  if (dc)
    state_.Include(csHandleValid);
  else
    state_.Exclude(csHandleValid);
}

void TCanvas::Refresh() {
  if (handle_) DeselectHandles();
}

void TCanvas::DeselectHandles() {
  if (state_.Contains(csPenValid)) SelectObject(handle_, GetStockObject(BLACK_PEN));
  if (state_.Contains(csBrushValid)) SelectObject(handle_, GetStockObject(WHITE_BRUSH));
  if (state_.Contains(csFontValid)) SelectObject(handle_, GetStockObject(SYSTEM_FONT));
  state_ -= TCanvasState{csPenValid, csBrushValid, csFontValid};
}

void TCanvas::Lock() {
  lock_.lock();
  ++lockCount_;
}

void TCanvas::Unlock() {
  --lockCount_;
  lock_.unlock();
}

bool TCanvas::TryLock() {
  if (!lock_.try_lock()) return false;
  ++lockCount_;
  return true;
}

void TCanvas::SetFont(TFont* font) { font_->Assign(font); }
void TCanvas::SetBrush(TBrush* brush) { brush_->Assign(brush); }
void TCanvas::SetPen(TPen* pen) { pen_->Assign(pen); }

void TCanvas::RequiredState(TCanvasState required) {
  const TCanvasState missing = required - state_;
  if (missing.Empty()) return;
  if (missing.Contains(csHandleValid)) {
    CreateHandle();
    if (!handle_) throw EInvalidOperation("Canvas does not allow drawing");
  }
  if (missing.Contains(csFontValid)) SelectFont();
  if (missing.Contains(csPenValid)) SelectPen();
  if (missing.Contains(csBrushValid)) SelectBrush();
}

void TCanvas::SelectFont() {
  SelectObject(handle_, font_->Handle());
  SetTextColor(handle_, static_cast<COLORREF>(ColorToRGB(font_->Color()) & 0xFFFFFF));
  state_.Include(csFontValid);
}

void TCanvas::SelectPen() {
  SelectObject(handle_, pen_->Handle());
  SetROP2(handle_, pen_->Rop2());
  state_.Include(csPenValid);
}

void TCanvas::SelectBrush() {
  HBRUSH brush = brush_->Handle();
  UnrealizeObject(brush);
  SelectObject(handle_, brush);
  const COLORREF color = static_cast<COLORREF>(ColorToRGB(brush_->Color()) & 0xFFFFFF);
  if (brush_->Style() == bsSolid) {
    SetBkColor(handle_, color);
    SetBkMode(handle_, OPAQUE);
  } else {
    // Hatches and text show the colour's complement behind them, as GDI
    // would otherwise fill with the DC's previous background.
    SetBkColor(handle_, ~color & 0xFFFFFF);
    SetBkMode(handle_, TRANSPARENT);
  }
  state_.Include(csBrushValid);
}

void TCanvas::Changing() {
  if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
  if (OnChange) OnChange(this);
}

TPoint TCanvas::PenPos() {
  RequiredState({csHandleValid});
  POINT p{};
  GetCurrentPositionEx(handle_, &p);
  return TPoint{static_cast<int>(p.x), static_cast<int>(p.y)};
}

void TCanvas::MoveTo(int x, int y) {
  RequiredState({csHandleValid});
  MoveToEx(handle_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::LineTo(handle_, x, y);
  Changed();
}

void TCanvas::FillRect(const TRect& r) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  const RECT rc = brsm::ToRECT(r);
  ::FillRect(handle_, &rc, brush_->Handle());
  Changed();
}

void TCanvas::FrameRect(const TRect& r) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  const RECT rc = brsm::ToRECT(r);
  ::FrameRect(handle_, &rc, brush_->Handle());
  Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Rectangle(handle_, x1, y1, x2, y2);
  Changed();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::RoundRect(handle_, x1, y1, x2, y2, cornerWidth, cornerHeight);
  Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Ellipse(handle_, x1, y1, x2, y2);
  Changed();
}

void TCanvas::Polygon(const TPoint* points, int count) {
  if (!points || count <= 0) return;
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  const std::vector<POINT> v = ToPoints(points, count);
  ::Polygon(handle_, v.data(), count);
  Changed();
}

void TCanvas::Polyline(const TPoint* points, int count) {
  if (!points || count <= 0) return;
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  const std::vector<POINT> v = ToPoints(points, count);
  ::Polyline(handle_, v.data(), count);
  Changed();
}

void TCanvas::DrawFocusRect(const TRect& r) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  const RECT rc = brsm::ToRECT(r);
  ::DrawFocusRect(handle_, &rc);
  Changed();
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  const std::wstring w = brsm::ToUtf16(text);
  ExtTextOutW(handle_, x, y, 0, nullptr, w.c_str(), static_cast<UINT>(w.size()), nullptr);
  SIZE size{};
  GetTextExtentPoint32W(handle_, w.c_str(), static_cast<int>(w.size()), &size);
  MoveToEx(handle_, x + size.cx, y, nullptr);
  Changed();
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  UINT options = ETO_CLIPPED;
  if (brush_->Style() != bsClear) options |= ETO_OPAQUE;
  const RECT rc = brsm::ToRECT(r);
  const std::wstring w = brsm::ToUtf16(text);
  ExtTextOutW(handle_, x, y, options, &rc, w.c_str(), static_cast<UINT>(w.size()), nullptr);
  Changed();
}

int TCanvas::TextRect(TRect& r, const std::string& text, unsigned flags) {
  const bool measuring = (flags & DT_CALCRECT) != 0;
  if (!measuring) Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  RECT rc = brsm::ToRECT(r);
  const std::wstring w = brsm::ToUtf16(text);
  // The text is not handed back, so DrawText must not write into it.
  const int height = DrawTextW(handle_, w.c_str(), static_cast<int>(w.size()), &rc,
                               flags & ~static_cast<unsigned>(DT_MODIFYSTRING));
  if (measuring)
    r = brsm::FromRECT(rc);
  else
    Changed();
  return height;
}

TSize TCanvas::TextExtent(const std::string& text) {
  RequiredState({csHandleValid, csFontValid});
  const std::wstring w = brsm::ToUtf16(text);
  SIZE size{};
  GetTextExtentPoint32W(handle_, w.c_str(), static_cast<int>(w.size()), &size);
  return TSize{static_cast<int>(size.cx), static_cast<int>(size.cy)};
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  Changing();
  RequiredState({csHandleValid});
  graphic->Draw(this, Bounds(x, y, graphic->Width(), graphic->Height()));
  Changed();
}

void TCanvas::StretchDraw(const TRect& r, TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  Changing();
  RequiredState({csHandleValid});
  graphic->Draw(this, r);
  Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect) {
  if (!source) return;
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  HDC src = source->Handle();
  if (dest.Width() == sourceRect.Width() && dest.Height() == sourceRect.Height())
    BitBlt(handle_, dest.Left, dest.Top, dest.Width(), dest.Height(), src, sourceRect.Left,
           sourceRect.Top, copyMode_);
  else
    StretchBlt(handle_, dest.Left, dest.Top, dest.Width(), dest.Height(), src, sourceRect.Left,
               sourceRect.Top, sourceRect.Width(), sourceRect.Height(), copyMode_);
  Changed();
}

TColor TCanvas::Pixel(int x, int y) {
  RequiredState({csHandleValid});
  return static_cast<TColor>(GetPixel(handle_, x, y));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  Changing();
  RequiredState({csHandleValid});
  ::SetPixel(handle_, x, y, static_cast<COLORREF>(ColorToRGB(color) & 0xFFFFFF));
  Changed();
}

TRect TCanvas::ClipRect() {
  RequiredState({csHandleValid});
  RECT rc{};
  GetClipBox(handle_, &rc);
  return brsm::FromRECT(rc);
}

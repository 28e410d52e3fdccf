// A drawing surface over any DC. The canvas selects its font, brush and pen
// into the DC when a drawing call needs them and puts the DC's stock
// objects back when the DC is replaced or the canvas ends, so the DC never
// holds one of its objects after it is gone. Text is 1251 and drawn with
// the W functions.
//
// Coordinates are the DC's logical ones: pointing a canvas at another DC
// whose origin was moved (SetWindowOrgEx/SetViewportOrgEx) moves everything
// drawn, PenPos and ClipRect with it.
#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/graphics/pen.h"
#include "platform/rtl/classes.h"
#include "platform/rtl/sysutils.h"  // the exceptions raised here

class TGraphic;

enum TCanvasStateItem { csHandleValid, csFontValid, csPenValid, csBrushValid };
using TCanvasState = TSet<TCanvasStateItem>;

using TCopyMode = DWORD;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmDstInvert = DSTINVERT;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmMergePaint = MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmPatInvert = PATINVERT;
constexpr TCopyMode cmPatPaint = PATPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcErase = SRCERASE;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmWhiteness = WHITENESS;

class TCanvas : public TPersistent {
 public:
  TCanvas();
  ~TCanvas() override;

  // The DC, made by CreateHandle when there is none (EInvalidOperation
  // "Canvas does not allow drawing" when the canvas cannot make one), with
  // the canvas's current font, pen and brush selected into it.
  HDC Handle();
  // Points the canvas at a DC it does not own (nullptr: at none); our
  // objects are selected out of the previous DC first.
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return handle_ != nullptr; }
  // Selects the stock objects back; ours are selected again on demand.
  void Refresh();

  // For drawing from more than one thread (the hint thread).
  void Lock();
  void Unlock();
  bool TryLock();
  int LockCount() const { return lockCount_; }

  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* font);  // copies
  TBrush* Brush() const { return brush_.get(); }
  void SetBrush(TBrush* brush);
  TPen* Pen() const { return pen_.get(); }
  void SetPen(TPen* pen);
  TCopyMode CopyMode() const { return copyMode_; }
  void SetCopyMode(TCopyMode mode) { copyMode_ = mode; }

  TPoint PenPos();
  void SetPenPos(TPoint p) { MoveTo(p.X, p.Y); }
  void MoveTo(int x, int y);
  void LineTo(int x, int y);

  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  void Polygon(const TPoint* points, int count);
  void Polyline(const TPoint* points, int count);
  void DrawFocusRect(const TRect& r);

  // Text at (x, y); the pen position moves to the end of it. The background
  // is filled with the brush colour unless the brush is bsClear.
  void TextOut(int x, int y, const std::string& text);
  // Text at (x, y) clipped to the rectangle, which is filled first unless
  // the brush is bsClear.
  void TextRect(const TRect& r, int x, int y, const std::string& text);
  // Text laid out in the rectangle by DrawText flags (DT_*); with
  // DT_CALCRECT the rectangle is set to the space needed and nothing is
  // drawn. Answers the text height.
  int TextRect(TRect& r, const std::string& text, unsigned flags);
  TSize TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }

  // The graphic at its own size with its top-left corner at (x, y).
  void Draw(int x, int y, TGraphic* graphic);
  void StretchDraw(const TRect& r, TGraphic* graphic);
  // Copies (stretching when the sizes differ) with CopyMode.
  void CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect);

  // -1 outside the DC's clipping region or surface.
  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);
  // The clipping box in logical coordinates.
  TRect ClipRect();

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  // Makes a DC and sets it with SetHandle. The base canvas cannot.
  virtual void CreateHandle() {}
  void RequiredState(TCanvasState state);
  void Changing();
  void Changed();
  TCanvasState State() const { return state_; }

 private:
  void SelectFont();
  void SelectBrush();
  void SelectPen();
  void DeselectHandles();

  HDC handle_ = nullptr;
  TCanvasState state_;
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TBrush> brush_;
  std::unique_ptr<TPen> pen_;
  TCopyMode copyMode_ = cmSrcCopy;
  std::recursive_mutex lock_;
  int lockCount_ = 0;
};

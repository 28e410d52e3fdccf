#include "platform/graphics/graphics.h"

#include <gtest/gtest.h>

namespace {

// A canvas on a DC of our own: a memory DC with a 24-bit DIB selected.
class ForeignDC {
 public:
  ForeignDC(int w, int h) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    dc_ = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    dib_ = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    old_ = SelectObject(dc_, dib_);
    PatBlt(dc_, 0, 0, w, h, WHITENESS);
  }
  ~ForeignDC() {
    SelectObject(dc_, old_);
    DeleteObject(dib_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC dc_;
  HBITMAP dib_;
  HGDIOBJ old_;
};

TEST(Canvas, WithoutADCItCannotDraw) {
  TCanvas canvas;
  EXPECT_FALSE(canvas.HandleAllocated());
  EXPECT_THROW(canvas.FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
  EXPECT_THROW(canvas.TextWidth("x"), EInvalidOperation);
}

TEST(Canvas, ShapesUseBrushAndPen) {
  ForeignDC target(40, 40);
  TCanvas canvas;
  canvas.SetHandle(target.dc());
  canvas.Brush()->SetColor(clRed);
  canvas.FillRect(Rect(0, 0, 10, 10));
  EXPECT_EQ(target.At(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(target.At(9, 9), RGB(255, 0, 0));
  EXPECT_EQ(target.At(10, 10), RGB(255, 255, 255));  // exclusive of Right and Bottom

  canvas.Brush()->SetColor(clBlue);
  canvas.FrameRect(Rect(20, 0, 30, 10));
  EXPECT_EQ(target.At(20, 5), RGB(0, 0, 255));
  EXPECT_EQ(target.At(25, 5), RGB(255, 255, 255));

  canvas.Pen()->SetColor(clLime);
  canvas.Brush()->SetColor(clYellow);
  canvas.Rectangle(0, 20, 10, 30);
  EXPECT_EQ(target.At(0, 25), RGB(0, 255, 0));
  EXPECT_EQ(target.At(5, 25), RGB(255, 255, 0));

  canvas.Brush()->SetStyle(bsClear);
  canvas.Ellipse(20, 20, 40, 40);
  EXPECT_EQ(target.At(30, 30), RGB(255, 255, 255));  // hollow inside
  EXPECT_EQ(target.At(20, 30), RGB(0, 255, 0));

  canvas.MoveTo(0, 15);
  canvas.LineTo(10, 15);
  EXPECT_EQ(canvas.PenPos(), Point(10, 15));
  EXPECT_EQ(target.At(5, 15), RGB(0, 255, 0));
  canvas.SetHandle(nullptr);
}

TEST(Canvas, PenModeXorInvertsTwice) {
  ForeignDC target(10, 10);
  TCanvas canvas;
  canvas.SetHandle(target.dc());
  canvas.Pen()->SetColor(clWhite);
  canvas.Pen()->SetMode(pmXor);
  canvas.MoveTo(0, 5);
  canvas.LineTo(10, 5);
  EXPECT_EQ(target.At(3, 5), RGB(0, 0, 0));
  canvas.MoveTo(0, 5);
  canvas.LineTo(10, 5);
  EXPECT_EQ(target.At(3, 5), RGB(255, 255, 255));
  canvas.SetHandle(nullptr);
}

TEST(Canvas, PixelsAndClipRect) {
  ForeignDC target(20, 10);
  TCanvas canvas;
  canvas.SetHandle(target.dc());
  canvas.SetPixel(3, 4, clBtnFace);
  EXPECT_EQ(canvas.Pixel(3, 4), ColorToRGB(clBtnFace));
  EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 20, 10));
  HRGN clip = CreateRectRgn(2, 2, 5, 5);
  SelectClipRgn(target.dc(), clip);
  DeleteObject(clip);
  EXPECT_EQ(canvas.ClipRect(), Rect(2, 2, 5, 5));
  EXPECT_EQ(canvas.Pixel(50, 50), -1);  // outside the surface
  canvas.SetHandle(nullptr);
}

TEST(Canvas, MovedOriginMovesEverything) {
  ForeignDC target(40, 40);
  SetViewportOrgEx(target.dc(), 10, 20, nullptr);
  TCanvas canvas;
  canvas.SetHandle(target.dc());
  canvas.Brush()->SetColor(clRed);
  canvas.FillRect(Rect(0, 0, 5, 5));
  EXPECT_EQ(target.At(-10, -20), RGB(255, 255, 255));  // device 0,0 untouched
  SetViewportOrgEx(target.dc(), 0, 0, nullptr);
  EXPECT_EQ(target.At(10, 20), RGB(255, 0, 0));
  EXPECT_EQ(target.At(14, 24), RGB(255, 0, 0));
  EXPECT_EQ(target.At(9, 20), RGB(255, 255, 255));

  SetWindowOrgEx(target.dc(), 5, 5, nullptr);
  EXPECT_EQ(canvas.ClipRect(), Rect(5, 5, 45, 45));
  canvas.MoveTo(7, 7);
  EXPECT_EQ(canvas.PenPos(), Point(7, 7));
  EXPECT_EQ(canvas.Pixel(15, 25), static_cast<TColor>(RGB(255, 0, 0)));
  canvas.SetHandle(nullptr);
}

TEST(Canvas, ObjectsLeaveTheDCWhenTheCanvasLetsGo) {
  ForeignDC target(10, 10);
  HGDIOBJ stockFont = GetCurrentObject(target.dc(), OBJ_FONT);
  HFONT font;
  {
    TCanvas canvas;
    canvas.SetHandle(target.dc());
    canvas.TextOut(0, 0, "a");
    font = canvas.Font()->Handle();
    EXPECT_EQ(GetCurrentObject(target.dc(), OBJ_FONT), static_cast<HGDIOBJ>(font));
    // A change while selected: the DC gives the old font up before it goes.
    canvas.Font()->SetHeight(-20);
    EXPECT_FALSE(GetObjectType(font));
    EXPECT_NE(GetCurrentObject(target.dc(), OBJ_FONT), static_cast<HGDIOBJ>(font));
    canvas.TextOut(0, 0, "a");
    font = canvas.Font()->Handle();
    EXPECT_EQ(GetCurrentObject(target.dc(), OBJ_FONT), static_cast<HGDIOBJ>(font));
  }
  EXPECT_FALSE(GetObjectType(font));
  EXPECT_EQ(GetCurrentObject(target.dc(), OBJ_FONT), stockFont);
  EXPECT_EQ(GetCurrentObject(target.dc(), OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
}

// What a raw GDI call on Handle() measures is what the canvas draws: the
// DC handed out holds the current font, pen and brush, also right after
// one of them changed.
TEST(Canvas, HandleHoldsTheCurrentFontPenAndBrush) {
  ForeignDC target(10, 10);
  TCanvas canvas;
  canvas.SetHandle(target.dc());
  canvas.TextOut(0, 0, "a");
  canvas.Font()->SetHeight(-30);
  canvas.Pen()->SetColor(clRed);
  canvas.Brush()->SetColor(clLime);
  HDC dc = canvas.Handle();
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), static_cast<HGDIOBJ>(canvas.Font()->Handle()));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), static_cast<HGDIOBJ>(canvas.Pen()->Handle()));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), static_cast<HGDIOBJ>(canvas.Brush()->Handle()));
  SIZE raw{};
  GetTextExtentPoint32W(dc, L"Caption", 7, &raw);
  const TSize size = canvas.TextExtent("Caption");
  EXPECT_EQ(raw.cx, size.cx);
  EXPECT_EQ(raw.cy, size.cy);
  EXPECT_GE(size.cy, 30);
  canvas.SetHandle(nullptr);
}

TEST(Canvas, TextOpaqueTransparentAndClipped) {
  ForeignDC target(60, 20);
  TCanvas canvas;
  canvas.SetHandle(target.dc());
  canvas.Font()->SetColor(clBlack);
  canvas.Brush()->SetColor(clLime);
  canvas.TextOut(0, 0, "\xDE");  // Ю
  const TSize size = canvas.TextExtent("\xDE");
  EXPECT_GT(size.cx, 0);
  EXPECT_GT(size.cy, 0);
  EXPECT_EQ(canvas.PenPos(), Point(size.cx, 0));
  // The opaque background fills the whole cell, the corner included.
  EXPECT_EQ(target.At(size.cx - 1, size.cy - 1), RGB(0, 255, 0));

  canvas.Brush()->SetStyle(bsClear);
  canvas.TextOut(30, 0, "\xDE");
  EXPECT_EQ(target.At(30 + size.cx - 1, size.cy - 1), RGB(255, 255, 255));

  // TextRect fills and clips to its rectangle only.
  canvas.Brush()->SetColor(clRed);
  canvas.TextRect(Rect(0, 15, 10, 18), 0, 15, "\xDE\xDE\xDE\xDE");
  EXPECT_NE(target.At(9, 16), RGB(255, 255, 255));
  EXPECT_EQ(target.At(11, 16), RGB(255, 255, 255));
  EXPECT_EQ(target.At(5, 19), RGB(255, 255, 255));
  canvas.SetHandle(nullptr);
}

TEST(Canvas, DrawTextLayoutAndMeasure) {
  ForeignDC target(100, 60);
  TCanvas canvas;
  canvas.SetHandle(target.dc());
  TRect r = Rect(0, 0, 40, 0);
  const int h = canvas.TextRect(r, "\xCE\xE4\xE8\xED \xE4\xE2\xE0 \xF2\xF0\xE8 \xF7\xE5\xF2\xFB\xF0\xE5",
                                DT_CALCRECT | DT_WORDBREAK);
  EXPECT_GT(h, canvas.TextHeight("\xCE"));  // wrapped onto more than one line
  EXPECT_EQ(r.Height(), h);
  EXPECT_EQ(target.At(1, 1), RGB(255, 255, 255));  // measuring draws nothing
  canvas.SetHandle(nullptr);
}

TEST(Canvas, CopyRectUsesCopyMode) {
  ForeignDC source(10, 10), dest(20, 10);
  TCanvas from, to;
  from.SetHandle(source.dc());
  to.SetHandle(dest.dc());
  from.Brush()->SetColor(RGBColor(0x10, 0x20, 0x30));
  from.FillRect(Rect(0, 0, 10, 10));
  to.CopyRect(Rect(0, 0, 10, 10), &from, Rect(0, 0, 10, 10));
  EXPECT_EQ(dest.At(5, 5), RGB(0x10, 0x20, 0x30));
  to.SetCopyMode(cmNotSrcCopy);
  to.CopyRect(Rect(10, 0, 20, 10), &from, Rect(0, 0, 5, 5));  // stretched
  EXPECT_EQ(dest.At(15, 5), RGB(0xEF, 0xDF, 0xCF));
  from.SetHandle(nullptr);
  to.SetHandle(nullptr);
}

TEST(Canvas, ChangeEventsAroundDrawing) {
  ForeignDC target(4, 4);
  TCanvas canvas;
  canvas.SetHandle(target.dc());
  std::string order;
  canvas.OnChanging = [&](TObject*) { order += "<"; };
  canvas.OnChange = [&](TObject*) { order += ">"; };
  canvas.FillRect(Rect(0, 0, 2, 2));
  canvas.TextWidth("abc");  // measuring is no change
  canvas.SetPixel(0, 0, clBlack);
  EXPECT_EQ(order, "<><>");
  canvas.SetHandle(nullptr);
}

}  // namespace

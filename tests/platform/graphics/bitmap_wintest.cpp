#include "platform/graphics/graphics.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/rtl/streams.h"

namespace {

COLORREF Rgb(TColor c) { return static_cast<COLORREF>(c); }

void PutPixel(TBitmap& b, int x, int y, uint8_t blue, uint8_t green, uint8_t red) {
  uint8_t* p = static_cast<uint8_t*>(b.ScanLine(y)) + x * (b.BitsPerPixel() / 8);
  p[0] = blue;
  p[1] = green;
  p[2] = red;
}

TEST(Bitmap, ScanLinesAreBottomUpWithANegativeRowDistance) {
  for (TPixelFormat format : {pf24bit, pf32bit}) {
    SCOPED_TRACE(format == pf24bit ? "24 bits" : "32 bits");
    TBitmap b(5, 3, format);
    const int bpp = format == pf24bit ? 3 : 4;
    const ptrdiff_t stride = ((5 * bpp) + 3) & ~3;
    uint8_t* row0 = static_cast<uint8_t*>(b.ScanLine(0));
    uint8_t* row1 = static_cast<uint8_t*>(b.ScanLine(1));
    EXPECT_EQ(row1 - row0, -stride);
    EXPECT_THROW(b.ScanLine(3), EInvalidGraphicOperation);
    EXPECT_THROW(b.ScanLine(-1), EInvalidGraphicOperation);

    // Written through the scan line, read through GDI.
    PutPixel(b, 4, 0, 0x30, 0x20, 0x10);
    PutPixel(b, 0, 2, 0xFF, 0x00, 0x00);
    EXPECT_EQ(b.Canvas()->Pixel(4, 0), static_cast<TColor>(RGB(0x10, 0x20, 0x30)));
    EXPECT_EQ(b.Canvas()->Pixel(0, 2), static_cast<TColor>(RGB(0, 0, 0xFF)));

    // Drawn through GDI, read through the scan line right away.
    b.Canvas()->SetPixel(2, 1, RGBColor(0xAA, 0xBB, 0xCC));
    const uint8_t* p = static_cast<uint8_t*>(b.ScanLine(1)) + 2 * bpp;
    EXPECT_EQ(p[0], 0xCC);
    EXPECT_EQ(p[1], 0xBB);
    EXPECT_EQ(p[2], 0xAA);

    // The portable view is the same memory.
    const TPixelBufferView v = b.PixelView();
    EXPECT_EQ(v.FirstRow, row0);
    EXPECT_EQ(v.RowDistance, -stride);
    EXPECT_EQ(v.BytesPerPixel, bpp);
    EXPECT_EQ(v.Pixel(2, 1), p);
  }
}

TEST(Bitmap, FillThenReadWithoutExplicitFlush) {
  TBitmap b(64, 64, pf24bit);
  b.Canvas()->Brush()->SetColor(clTeal);
  b.Canvas()->FillRect(Rect(0, 0, 64, 64));
  const TPixelBufferView v = b.PixelView();
  const uint8_t* last = v.Pixel(63, 63);
  EXPECT_EQ(last[0], 0x80);
  EXPECT_EQ(last[1], 0x80);
  EXPECT_EQ(last[2], 0x00);
}

TEST(Bitmap, PixelFormatSwitchKeepsPixels) {
  TBitmap b(3, 2, pf24bit);
  PutPixel(b, 0, 0, 1, 2, 3);
  PutPixel(b, 2, 1, 7, 8, 9);
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.SetPixelFormat(pf32bit);
  EXPECT_EQ(b.BitsPerPixel(), 32);
  EXPECT_EQ(b.PixelFormat(), pf32bit);
  const uint8_t* p = static_cast<uint8_t*>(b.ScanLine(1)) + 2 * 4;
  EXPECT_EQ(p[0], 7);
  EXPECT_EQ(p[2], 9);
  b.SetPixelFormat(pfDevice);
  EXPECT_EQ(b.HandleType(), bmDDB);
  b.SetPixelFormat(pf24bit);
  EXPECT_EQ(b.BitsPerPixel(), 24);
  EXPECT_EQ(b.HandleType(), bmDIB);
  p = static_cast<uint8_t*>(b.ScanLine(0));
  EXPECT_EQ(p[0], 1);
  EXPECT_EQ(p[1], 2);
  EXPECT_EQ(p[2], 3);
  EXPECT_EQ(b.Canvas()->Pixel(2, 1), static_cast<TColor>(RGB(9, 8, 7)));
  EXPECT_EQ(changes, 3);
}

TEST(Bitmap, ResizeKeepsTheTopLeftAndFillsWithTheBrush) {
  TBitmap b(2, 2, pf24bit);
  b.Canvas()->Brush()->SetColor(clRed);
  b.Canvas()->FillRect(Rect(0, 0, 2, 2));
  b.Canvas()->Brush()->SetColor(clBlue);
  b.SetSize(4, 3);
  EXPECT_EQ(b.Canvas()->Pixel(1, 1), static_cast<TColor>(Rgb(clRed)));
  EXPECT_EQ(b.Canvas()->Pixel(3, 2), static_cast<TColor>(Rgb(clBlue)));
  EXPECT_EQ(b.Canvas()->Pixel(0, 2), static_cast<TColor>(Rgb(clBlue)));
  b.SetSize(1, 1);
  EXPECT_EQ(b.Canvas()->Pixel(0, 0), static_cast<TColor>(Rgb(clRed)));
  b.SetSize(0, 5);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Handle(), nullptr);
  TBitmap fresh(2, 2, pf24bit);
  EXPECT_EQ(fresh.Canvas()->Pixel(1, 1), static_cast<TColor>(RGB(255, 255, 255)));
}

TEST(Bitmap, WidthAndHeightSetOneAfterTheOtherBothHold) {
  TBitmap b;
  b.SetPixelFormat(pf24bit);
  b.SetWidth(7);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Width(), 7);
  b.SetHeight(5);
  ASSERT_FALSE(b.Empty());
  EXPECT_EQ(b.Width(), 7);
  EXPECT_EQ(b.Height(), 5);
  EXPECT_NE(b.Handle(), nullptr);
  EXPECT_EQ(b.PixelView().Width, 7);
  EXPECT_EQ(b.PixelView().Height, 5);
}

TEST(Bitmap, SaveAndLoadRoundTrip) {
  for (TPixelFormat format : {pf24bit, pf32bit}) {
    TBitmap b(7, 5, format);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x) PutPixel(b, x, y, x * 30, y * 50, 200);
    TMemoryStream stream;
    b.SaveToStream(&stream);
    stream.SetPosition(0);
    TBitmap back;
    back.LoadFromStream(&stream);
    EXPECT_EQ(back.Width(), 7);
    EXPECT_EQ(back.Height(), 5);
    EXPECT_EQ(back.PixelFormat(), format);
    for (int y = 0; y < 5; ++y)
      EXPECT_EQ(std::memcmp(back.ScanLine(y), b.ScanLine(y), 7 * (b.BitsPerPixel() / 8)), 0);
  }
}

TEST(Bitmap, DamagedFileLeavesTheBitmapAlone) {
  TBitmap b(3, 3, pf24bit);
  PutPixel(b, 1, 1, 9, 9, 9);
  TStringStream damaged(std::string("BM\x10\x00\x00\x00garbage", 13));
  EXPECT_THROW(b.LoadFromStream(&damaged), EInvalidGraphic);
  EXPECT_EQ(b.Width(), 3);
  EXPECT_EQ(static_cast<uint8_t*>(b.ScanLine(1))[3], 9);
}

TEST(Bitmap, AssignCopiesPixelsAndTransparency) {
  TBitmap a(4, 4, pf32bit);
  PutPixel(a, 3, 3, 1, 2, 3);
  a.SetTransparentColor(clFuchsia);
  a.SetTransparent(true);
  TBitmap b;
  b.Assign(&a);
  EXPECT_EQ(b.Width(), 4);
  EXPECT_EQ(b.PixelFormat(), pf32bit);
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.TransparentColor(), clFuchsia);
  EXPECT_EQ(b.TransparentMode(), tmFixed);
  EXPECT_NE(b.Handle(), a.Handle());
  EXPECT_EQ(static_cast<uint8_t*>(b.ScanLine(3))[12 + 2], 3);
  b.Assign(nullptr);
  EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, TransparentColorAutoIsTheBottomLeftPixel) {
  TBitmap b(3, 3, pf24bit);
  PutPixel(b, 0, 2, 0x11, 0x22, 0x33);
  EXPECT_EQ(b.TransparentMode(), tmAuto);
  EXPECT_EQ(b.TransparentColor(), RGBColor(0x33, 0x22, 0x11));
  b.SetTransparentMode(tmFixed);
  PutPixel(b, 0, 2, 0, 0, 0);
  EXPECT_EQ(b.TransparentColor(), RGBColor(0x33, 0x22, 0x11));
  b.SetTransparentColor(clDefault);
  EXPECT_EQ(b.TransparentMode(), tmAuto);
  EXPECT_EQ(b.TransparentColor(), clBlack);
}

TEST(Bitmap, DrawPlainStretchedAndTransparent) {
  TBitmap glyph(2, 2, pf24bit);
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(Rect(0, 0, 2, 2));
  glyph.Canvas()->SetPixel(1, 0, clGreen);

  TBitmap target(8, 8, pf24bit);
  target.Canvas()->Brush()->SetColor(clWhite);
  target.Canvas()->FillRect(Rect(0, 0, 8, 8));
  target.Canvas()->Draw(0, 0, &glyph);
  EXPECT_EQ(target.Canvas()->Pixel(0, 0), clFuchsia);
  EXPECT_EQ(target.Canvas()->Pixel(1, 0), clGreen);

  target.Canvas()->StretchDraw(Rect(4, 4, 8, 8), &glyph);
  EXPECT_EQ(target.Canvas()->Pixel(7, 4), clGreen);
  EXPECT_EQ(target.Canvas()->Pixel(4, 7), clFuchsia);

  glyph.SetTransparent(true);  // key: the bottom-left pixel, magenta
  target.Canvas()->FillRect(Rect(0, 0, 8, 8));
  target.Canvas()->Draw(2, 2, &glyph);
  EXPECT_EQ(target.Canvas()->Pixel(2, 2), clWhite);
  EXPECT_EQ(target.Canvas()->Pixel(3, 2), clGreen);
}

TEST(Bitmap, HandleCanBeSelectedElsewhere) {
  TBitmap b(4, 4, pf24bit);
  b.Canvas()->Brush()->SetColor(clRed);
  b.Canvas()->FillRect(Rect(0, 0, 4, 4));
  HDC other = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(other, b.Handle());
  EXPECT_NE(old, nullptr);  // selecting succeeds: the canvas let the DIB go
  EXPECT_EQ(GetPixel(other, 1, 1), RGB(255, 0, 0));
  SelectObject(other, old);
  DeleteDC(other);
  // The canvas draws again with a DC of its own.
  b.Canvas()->SetPixel(0, 0, clBlue);
  EXPECT_EQ(b.Canvas()->Pixel(0, 0), clBlue);
}

TEST(Bitmap, CanvasChangesAreBitmapChanges) {
  TBitmap b(2, 2, pf24bit);
  int changes = 0;
  b.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &b);
    ++changes;
  };
  b.Canvas()->FillRect(Rect(0, 0, 1, 1));
  b.Canvas()->TextOut(0, 0, "x");
  EXPECT_EQ(changes, 2);
}

}  // namespace

#include "platform/graphics/graphics.h"

#include <gtest/gtest.h>

namespace {

bool Alive(HGDIOBJ object) { return GetObjectType(object) != 0; }

TEST(Font, PointSizeThroughPixelsPerInch) {
  TFont font;
  EXPECT_EQ(font.Size(), 8);
  font.SetPixelsPerInch(96);
  font.SetSize(9);
  EXPECT_EQ(font.Height(), -12);
  font.SetHeight(-16);
  EXPECT_EQ(font.Size(), 12);
}

TEST(Font, HandleFollowsTheAttributes) {
  TFont font;
  font.SetName("Segoe UI");
  font.SetHeight(-12);
  font.SetStyle({fsBold, fsItalic});
  LOGFONTW lf{};
  ASSERT_EQ(GetObjectW(font.Handle(), sizeof lf, &lf), static_cast<int>(sizeof lf));
  EXPECT_STREQ(lf.lfFaceName, L"Segoe UI");
  EXPECT_EQ(lf.lfHeight, -12);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_TRUE(lf.lfItalic);
  EXPECT_FALSE(lf.lfUnderline);
  // The 1251 texts need the Cyrillic variant of the default charset.
  EXPECT_EQ(lf.lfCharSet, RUSSIAN_CHARSET);
  font.SetCharset(ANSI_CHARSET);
  ASSERT_TRUE(GetObjectW(font.Handle(), sizeof lf, &lf));
  EXPECT_EQ(lf.lfCharSet, ANSI_CHARSET);
}

TEST(Font, ChangeDeletesTheOldHandleAfterTheHandlersRan) {
  TFont font;
  HFONT first = font.Handle();
  ASSERT_TRUE(Alive(first));
  int changes = 0;
  bool oldAliveInHandler = false;
  HFONT seenInHandler = nullptr;
  font.OnChange = [&](TObject* sender) {
    ++changes;
    EXPECT_EQ(sender, &font);
    oldAliveInHandler = Alive(first);
    seenInHandler = font.Handle();
  };
  font.SetColor(clRed);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(oldAliveInHandler);
  EXPECT_FALSE(Alive(first));
  EXPECT_NE(seenInHandler, first);
  EXPECT_EQ(font.Handle(), seenInHandler);
  // Setting the same value again is no change.
  font.SetColor(clRed);
  EXPECT_EQ(changes, 1);
}

TEST(Font, AssignCopiesEverythingInOneChange) {
  TFont a, b;
  a.SetName("Tahoma");
  a.SetHeight(-14);
  a.SetColor(clBlue);
  a.SetStyle({fsUnderline, fsStrikeOut});
  a.SetCharset(RUSSIAN_CHARSET);
  a.SetPitch(fpFixed);
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.Assign(&a);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(b.Name(), "Tahoma");
  EXPECT_EQ(b.Height(), -14);
  EXPECT_EQ(b.Color(), clBlue);
  EXPECT_TRUE(b.Style() == TFontStyles({fsUnderline, fsStrikeOut}));
  EXPECT_EQ(b.Charset(), RUSSIAN_CHARSET);
  EXPECT_EQ(b.Pitch(), fpFixed);

  TBrush brush;
  EXPECT_THROW(b.Assign(&brush), EConvertError);
}

TEST(Font, LogFontRoundTrip) {
  LOGFONTW lf{};
  lf.lfHeight = -13;
  lf.lfWeight = FW_BOLD;
  lf.lfCharSet = RUSSIAN_CHARSET;
  wcscpy(lf.lfFaceName, L"\x0428\x0440\x0438\x0444\x0442");  // a Cyrillic face name
  TFont font;
  font.AssignLogFont(lf);
  EXPECT_EQ(font.Name(), "\xD8\xF0\xE8\xF4\xF2");
  EXPECT_EQ(font.Height(), -13);
  EXPECT_TRUE(font.Style().Contains(fsBold));
  EXPECT_STREQ(font.LogFont().lfFaceName, lf.lfFaceName);
}

TEST(Brush, ClearIsTheStockHollowBrush) {
  TBrush brush;
  brush.SetStyle(bsCross);
  LOGBRUSH lb{};
  ASSERT_TRUE(GetObjectW(brush.Handle(), sizeof lb, &lb));
  EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_HATCHED));
  brush.SetStyle(bsClear);
  HBRUSH hollow = brush.Handle();
  EXPECT_EQ(hollow, GetStockObject(NULL_BRUSH));
  // A stock object is never deleted.
  brush.SetStyle(bsSolid);
  EXPECT_TRUE(Alive(hollow));
  // Choosing a colour on a clear brush makes it solid again.
  brush.SetStyle(bsClear);
  brush.SetColor(clRed);
  EXPECT_EQ(brush.Style(), bsSolid);
}

// Every GDI object the library makes is gone once its owner is.
TEST(Lifetime, ObjectsAreDeletedWithTheirOwners) {
  HGDIOBJ font, brush, pen, dib, dc, canvasFont, canvasBrush, canvasPen;
  {
    auto* f = new TFont;
    font = f->Handle();
    auto* b = new TBrush;
    b->SetColor(clLime);
    brush = b->Handle();
    auto* p = new TPen;
    pen = p->Handle();
    ASSERT_TRUE(Alive(font) && Alive(brush) && Alive(pen));
    delete f;
    delete b;
    delete p;
    EXPECT_FALSE(Alive(font));
    EXPECT_FALSE(Alive(brush));
    EXPECT_FALSE(Alive(pen));
  }
  {
    auto* bmp = new TBitmap(8, 8);
    bmp->Canvas()->Brush()->SetColor(clRed);
    bmp->Canvas()->FillRect(Rect(0, 0, 8, 8));
    bmp->Canvas()->TextOut(0, 0, "\xC0");
    bmp->Canvas()->LineTo(4, 4);
    dc = bmp->Canvas()->Handle();
    dib = bmp->Handle();
    dc = bmp->Canvas()->Handle();  // Handle() freed the first DC; this is a new one
    canvasFont = bmp->Canvas()->Font()->Handle();
    canvasBrush = bmp->Canvas()->Brush()->Handle();
    canvasPen = bmp->Canvas()->Pen()->Handle();
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_EQ(GetObjectType(dib), static_cast<DWORD>(OBJ_BITMAP));
    delete bmp;
  }
  EXPECT_FALSE(Alive(dc));
  EXPECT_FALSE(Alive(dib));
  EXPECT_FALSE(Alive(canvasFont));
  EXPECT_FALSE(Alive(canvasBrush));
  EXPECT_FALSE(Alive(canvasPen));
}

TEST(Lifetime, ResizingAndHandleReleaseLeaveNothingBehind) {
  TBitmap bmp(4, 4);
  HDC dc = bmp.Canvas()->Handle();
  HBITMAP first = bmp.Handle();
  EXPECT_FALSE(Alive(dc));  // Handle() takes the DIB out of the canvas DC
  dc = bmp.Canvas()->Handle();
  bmp.SetSize(10, 10);
  EXPECT_FALSE(Alive(first));
  // The canvas DC survives a new DIB and now holds it.
  EXPECT_EQ(bmp.Canvas()->Handle(), dc);
  HGDIOBJ selected = GetCurrentObject(dc, OBJ_BITMAP);
  EXPECT_EQ(selected, static_cast<HGDIOBJ>(bmp.Handle()));
  HBITMAP released = bmp.ReleaseHandle();
  EXPECT_TRUE(bmp.Empty());
  EXPECT_TRUE(Alive(released));
  DeleteObject(released);
}

}  // namespace

// The GDI fill of the painting seam against the portable one, the DC
// helpers and the bitmap constructors, under Wine.
#include "platform/graphics/gdi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "platform/graphics/canvas.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/bitmap_region.h"
#include "skin/core/dc_helpers_win.h"
#include "skin/core/gradients.h"
#include "skin/core/image_painting.h"
#include "skin/core/paint_seam.h"
#include "skin/core/round_shadow.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_content.h"
#include "tests/skin/core/paint_test_support.h"
#include "tests/support/screenshot.h"

using namespace painttest;

namespace {

constexpr TColor Key = 0xFF00FF;

class GdiSeam : public ::testing::Test {
 protected:
  void SetUp() override { UseWindowsPaintSeam(); }
  void TearDown() override { SetPaintSeam(nullptr); }
};

int MaxChannelDifference(TColor a, TColor b) {
  int d = 0;
  for (int s = 0; s < 24; s += 8) d = std::max(d, std::abs(((a >> s) & 0xFF) - ((b >> s) & 0xFF)));
  return d;
}

}  // namespace

TEST_F(GdiSeam, RegionsMatchThePortableRecord) {
  TPixelBuffer b = Make(9, 5, clWhite);
  FillRect(b, 0, 0, 3, 1, Key);
  FillRect(b, 6, 0, 9, 2, Key);
  Set(b, 4, 4, Key);
  TRegionHandle gdi = nullptr;
  BuildBitmapRegion(gdi, b.View(), Key);
  ASSERT_NE(gdi, nullptr);
  TPortablePaintSeam portable;
  SetPaintSeam(&portable);
  TRegionHandle record = nullptr;
  BuildBitmapRegion(record, b.View(), Key);
  UseWindowsPaintSeam();
  const auto& r = *static_cast<TRecordedRegion*>(record);
  int inside = 0;
  for (int y = -1; y <= 5; ++y)
    for (int x = -1; x <= 9; ++x) {
      EXPECT_EQ(PtInRegion(static_cast<HRGN>(gdi), x, y) != 0, r.Contains(x, y)) << x << "," << y;
      inside += r.Contains(x, y);
    }
  EXPECT_EQ(inside, 45 - 3 - 6 - 1);
  portable.DeleteRegion(record);
  PaintSeam().DeleteRegion(gdi);
  EXPECT_EQ(GetObjectType(static_cast<HGDIOBJ>(gdi)), 0u);  // freed
}

TEST_F(GdiSeam, CutCornersShapesAWindowRegion) {
  TsSkinContent skin;
  TsMaskData item;
  item.Image = std::make_shared<TPixelBuffer>(Make(6, 6, clNavy));
  Set(*item.Image, 0, 0, Key);
  Set(*item.Image, 1, 0, Key);
  Set(*item.Image, 0, 1, Key);
  item.Manager = &skin;
  item.SourceRect = TRect{0, 0, 6, 6};
  item.ImageCount = 1;
  item.WL = item.WT = item.WR = item.WB = 2;
  TPixelBuffer face = Make(10, 10, clWhite);
  HRGN rgn = CreateRectRgn(0, 0, 10, 10);
  CutMaskCorners(face.View(), rgn, false, 0, item);
  EXPECT_FALSE(PtInRegion(rgn, 0, 0));
  EXPECT_FALSE(PtInRegion(rgn, 1, 0));
  EXPECT_FALSE(PtInRegion(rgn, 0, 1));
  EXPECT_TRUE(PtInRegion(rgn, 1, 1));
  EXPECT_TRUE(PtInRegion(rgn, 9, 9));
  EXPECT_EQ(Get(face, 1, 1), clNavy);
  DeleteObject(rgn);
}

TEST_F(GdiSeam, HalftoneStretchStaysInItsRectangle) {
  TPixelBuffer source = Make(4, 4, RGBColor(40, 80, 120));
  TPixelBuffer target = Make(30, 20, clWhite);
  PaintSeam().StretchHalftone(target.View(), TRect{-5, 3, 25, 13}, source.View(), TRect{0, 0, 4, 4});
  EXPECT_EQ(Count(target, RGBColor(40, 80, 120)), 25 * 10);  // a plain colour stays plain
  EXPECT_EQ(Get(target, 25, 5), clWhite);
  EXPECT_EQ(Get(target, 0, 2), clWhite);

  // Halving a picture of two plain halves keeps each half's colour.
  TPixelBuffer halves = Make(8, 4, clRed);
  FillRect(halves, 4, 0, 8, 4, clBlue);
  TPixelBuffer half = Make(4, 2, clWhite);
  PaintSeam().StretchHalftone(half.View(), TRect{0, 0, 4, 2}, halves.View(), TRect{0, 0, 8, 4});
  EXPECT_EQ(Get(half, 0, 0), clRed);
  EXPECT_EQ(Get(half, 3, 1), clBlue);
}

TEST_F(GdiSeam, MeshGradientCoversTheRectangleLikeThePortableFill) {
  TGradientArray stops;
  ParseGradientData("255;0;0;2;0;65280;0;0;0;0;16711680;0;0;0;0;0;0;0;0;0;16777215;0;0;0;0", stops);
  TPixelBuffer gdi = Make(40, 30, clFuchsia), portable = Make(40, 30, clFuchsia);
  PaintGradient(gdi.View(), TRect{0, 0, 40, 30}, stops, 0);
  TPortablePaintSeam fallback;
  SetPaintSeam(&fallback);
  PaintGradient(portable.View(), TRect{0, 0, 40, 30}, stops, 0);
  EXPECT_EQ(Count(gdi, clFuchsia), 0);
  EXPECT_LE(MaxChannelDifference(Get(gdi, 0, 0), clRed), 16);
  EXPECT_LE(MaxChannelDifference(Get(gdi, 20, 15), clLime), 16);
  int apart = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) apart += MaxChannelDifference(Get(gdi, x, y), Get(portable, x, y)) > 12;
  EXPECT_LT(apart, 40 * 30 / 20);
}

TEST_F(GdiSeam, PenlessRoundRectAndTheShadow) {
  TPixelBuffer gdi = Make(12, 12, clBlack), portable = Make(12, 12, clBlack);
  PaintSeam().FillRoundRect(gdi.View(), TRect{2, 2, 10, 10}, 0, clWhite);
  TPortablePaintSeam().FillRoundRect(portable.View(), TRect{2, 2, 10, 10}, 0, clWhite);
  EXPECT_EQ(Bytes(gdi), Bytes(portable));
  EXPECT_EQ(Count(gdi, clWhite), 7 * 7);  // no pen: one pixel short right and bottom

  TPixelBuffer round = Make(40, 40, clBlack);
  PaintSeam().FillRoundRect(round.View(), TRect{0, 0, 40, 40}, 20, clWhite);
  EXPECT_EQ(Get(round, 0, 0), clBlack);
  EXPECT_EQ(Get(round, 20, 0), clWhite);

  TPixelBuffer hint = Make(60, 40, clWhite);
  PaintRoundShadow(hint.View(), TRect{0, 0, 60, 40}, 50, 8, 4, clBlack);
  EXPECT_EQ(Get(hint, 30, 20), RGBColor(126, 126, 126));
  EXPECT_GT(GetRValue(static_cast<COLORREF>(Get(hint, 30, 0))), 200);
}

TEST(PaintingOnDC, FillRectRestoresTheDCAndCopyBorderFrameCopiesBands) {
  std::unique_ptr<TBitmap> target(CreateBitmap24(10, 8));
  std::unique_ptr<TBitmap> source(CreateBitmap24(10, 8));
  EXPECT_EQ(target->PixelFormat(), pf24bit);
  EXPECT_EQ(target->PixelView().BytesPerPixel, 3);
  HDC dc = target->Canvas()->Handle();
  HGDIOBJ brushBefore = GetCurrentObject(dc, OBJ_BRUSH);
  FillRectOnDC(dc, TRect{0, 0, 10, 8}, clBtnFace);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brushBefore);
  TPixelBufferView v = target->PixelView();
  const uint8_t* p = v.Pixel(9, 7);
  EXPECT_EQ(RGBColor(p[2], p[1], p[0]), ColorToRGB(clBtnFace));

  FillRectOnDC(source->Canvas()->Handle(), TRect{0, 0, 10, 8}, clRed);
  CopyBorderFrame(dc, 1, 1, 8, 6, source->Canvas()->Handle(), 1, 1, 2);
  v = target->PixelView();
  const auto at = [&](int x, int y) {
    const uint8_t* q = v.Pixel(x, y);
    return RGBColor(q[2], q[1], q[0]);
  };
  EXPECT_EQ(at(1, 1), clRed);
  EXPECT_EQ(at(8, 6), clRed);
  EXPECT_EQ(at(2, 4), clRed);
  EXPECT_EQ(at(4, 4), ColorToRGB(clBtnFace));  // the inside is left alone
  EXPECT_EQ(at(0, 0), ColorToRGB(clBtnFace));  // outside the rectangle

  std::unique_ptr<TBitmap> wide(CreateBitmap32(5, 3));
  std::unique_ptr<TBitmap> like(CreateBitmapLike(wide.get()));
  EXPECT_EQ(wide->PixelView().BytesPerPixel, 4);
  EXPECT_EQ(like->PixelFormat(), pf24bit);
  EXPECT_EQ(like->Width(), 5);
  EXPECT_EQ(like->Height(), 3);
}

TEST(PaintingOnDC, ImageToBitmapFillsWithTheListBackground) {
  TCustomImageList list(nullptr);
  list.SetSize(4, 4);
  std::unique_ptr<TBitmap> glyph(CreateBitmap24(4, 4));
  FillRectOnDC(glyph->Canvas()->Handle(), TRect{0, 0, 4, 4}, clWhite);
  FillRectOnDC(glyph->Canvas()->Handle(), TRect{1, 1, 3, 3}, clBlue);
  ASSERT_EQ(list.AddMasked(glyph.get(), clWhite), 0);
  std::unique_ptr<TBitmap> out(CreateBitmap24(1, 1));
  ImageToBitmap(out.get(), &list, 0);
  ASSERT_EQ(out->Width(), 4);
  TPixelBufferView v = out->PixelView();
  EXPECT_EQ(RGBColor(v.Pixel(0, 0)[2], v.Pixel(0, 0)[1], v.Pixel(0, 0)[0]), Key);
  EXPECT_EQ(RGBColor(v.Pixel(2, 2)[2], v.Pixel(2, 2)[1], v.Pixel(2, 2)[0]), clBlue);
}

namespace {

TBitmap* ShownBitmap = nullptr;

LRESULT CALLBACK ShowBitmapProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_ERASEBKGND) return 1;
  if (msg != WM_PAINT) return DefWindowProcW(wnd, msg, wp, lp);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(wnd, &ps);
  if (ShownBitmap)
    BitBlt(dc, 0, 0, ShownBitmap->Width(), ShownBitmap->Height(), ShownBitmap->Canvas()->Handle(),
           0, 0, SRCCOPY);
  EndPaint(wnd, &ps);
  return 0;
}

}  // namespace

// A nine-part masked border and a keyed, stretched one painted into DIB
// sections and shown on screen for the eyes.
TEST_F(GdiSeam, PaintsBordersIntoADibSectionOnScreen) {
  TsSkinContent skin;
  TsMaskData masked;
  masked.Image = std::make_shared<TPixelBuffer>(Make(24, 24, RGBColor(60, 110, 200)));
  FillRect(*masked.Image, 3, 3, 9, 9, RGBColor(230, 230, 250));
  FillRect(*masked.Image, 0, 12, 12, 24, clBlack);
  FillRect(*masked.Image, 0, 12, 3, 15, RGBColor(255, 255, 255));  // soft corner
  FillRect(*masked.Image, 12, 0, 24, 12, RGBColor(200, 60, 60));
  FillRect(*masked.Image, 12, 12, 24, 24, clBlack);
  masked.Manager = &skin;
  masked.SourceRect = TRect{0, 0, 24, 24};
  masked.ImageCount = 2;
  masked.MaskType = 1;
  masked.WL = masked.WT = masked.WR = masked.WB = 3;
  masked.StretchMode = 4;
  TsMaskData keyed = masked;
  keyed.Image = std::make_shared<TPixelBuffer>(Make(12, 12, RGBColor(20, 140, 60)));
  FillRect(*keyed.Image, 4, 4, 8, 8, RGBColor(250, 250, 200));
  Set(*keyed.Image, 0, 0, Key);
  keyed.SourceRect = TRect{0, 0, 12, 12};
  keyed.ImageCount = 1;
  keyed.MaskType = 0;
  keyed.StretchMode = 1 | 4;

  std::unique_ptr<TBitmap> bmp(CreateBitmap24(320, 120));
  FillRectOnDC(bmp->Canvas()->Handle(), TRect{0, 0, 320, 120}, clBtnFace);
  TPixelBufferView view = bmp->PixelView();
  PaintMaskImage(view, TRect{10, 10, 150, 110}, true, 1, 0, masked, EmptyCacheInfo);
  PaintMaskImage(view, TRect{170, 10, 310, 110}, true, 1, 0, keyed, EmptyCacheInfo);
  const uint8_t* centre = view.Pixel(80, 60);
  EXPECT_EQ(RGBColor(centre[2], centre[1], centre[0]), RGBColor(230, 230, 250));
  const uint8_t* stretched = view.Pixel(240, 60);
  EXPECT_EQ(RGBColor(stretched[2], stretched[1], stretched[0]), RGBColor(250, 250, 200));

  ShownBitmap = bmp.get();
  WNDCLASSW wc{};
  wc.lpfnWndProc = ShowBitmapProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"BrsmPaintingShow";
  RegisterClassW(&wc);
  HWND wnd = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 40, 40,
                             320, 120, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(wnd, nullptr);
  UpdateWindow(wnd);
  MSG msg;
  for (int i = 0; i < 20; ++i) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(10);
  }
  HDC wdc = GetDC(wnd);
  const COLORREF shown = GetPixel(wdc, 80, 60);
  ReleaseDC(wnd, wdc);
  EXPECT_EQ(shown, static_cast<COLORREF>(RGBColor(230, 230, 250)));
  EXPECT_TRUE(brsm::test::SaveScreenshot("painting_borders"));
  DestroyWindow(wnd);
  ShownBitmap = nullptr;
}

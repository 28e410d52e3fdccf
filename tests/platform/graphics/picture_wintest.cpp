#include "platform/graphics/graphics.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "jpeg_test_image.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/text1251.h"

namespace {

using brsm::test::Compress;

// Red left half, blue right half, on 8-pixel block borders.
std::vector<uint8_t> HalvesJpeg() {
  return Compress(16, 8, 3, JCS_RGB, [](int x, int, JSAMPLE* px) {
    px[0] = x < 8 ? 255 : 0;
    px[1] = 0;
    px[2] = x < 8 ? 0 : 255;
  });
}

std::string AsString(const std::vector<uint8_t>& v) { return std::string(v.begin(), v.end()); }

bool Near(TColor c, TColor expected) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(((c >> shift) & 0xFF) - ((expected >> shift) & 0xFF)) > 8) return false;
  return true;
}

// A temporary file name in the prefix's temp folder, as 1251 text.
std::string TempFile(const char* name) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  return brsm::FromUtf16(dir) + name;
}

TEST(JpegImage, LoadsDrawsAndAssignsToABitmap) {
  TJPEGImage jpeg;
  EXPECT_TRUE(jpeg.Empty());
  TStringStream stream(AsString(HalvesJpeg()));
  jpeg.LoadFromStream(&stream);
  EXPECT_EQ(jpeg.Width(), 16);
  EXPECT_EQ(jpeg.Height(), 8);
  EXPECT_THROW(jpeg.SetWidth(3), EInvalidGraphicOperation);

  TBitmap bmp;
  bmp.Assign(&jpeg);
  EXPECT_EQ(bmp.PixelFormat(), pf24bit);
  EXPECT_EQ(bmp.Width(), 16);
  EXPECT_TRUE(Near(bmp.Canvas()->Pixel(2, 2), clRed));
  EXPECT_TRUE(Near(bmp.Canvas()->Pixel(13, 6), clBlue));

  TBitmap target(20, 10, pf24bit);
  target.Canvas()->Draw(2, 1, &jpeg);
  EXPECT_TRUE(Near(target.Canvas()->Pixel(3, 2), clRed));
  EXPECT_TRUE(Near(target.Canvas()->Pixel(17, 8), clBlue));
  EXPECT_EQ(target.Canvas()->Pixel(19, 9), static_cast<TColor>(RGB(255, 255, 255)));

  // Saved as it was loaded.
  TStringStream saved;
  jpeg.SaveToStream(&saved);
  EXPECT_EQ(saved.DataString(), AsString(HalvesJpeg()));
}

TEST(JpegImage, DamagedDataRaisesAndKeepsTheImage) {
  TJPEGImage jpeg;
  TStringStream good(AsString(HalvesJpeg()));
  jpeg.LoadFromStream(&good);
  std::vector<uint8_t> cut = HalvesJpeg();
  cut.resize(cut.size() / 3);
  TStringStream bad(AsString(cut));
  EXPECT_THROW(jpeg.LoadFromStream(&bad), EInvalidGraphic);
  EXPECT_EQ(jpeg.Width(), 16);
  TJPEGImage empty;
  TStringStream out;
  EXPECT_THROW(empty.SaveToStream(&out), EInvalidGraphicOperation);
}

// A 16x16 32-bit icon file: directory, one entry, a DIB with XOR and AND masks.
std::vector<uint8_t> IconFile(uint32_t bgra) {
  std::vector<uint8_t> f;
  auto u16 = [&](uint32_t v) { f.push_back(v & 0xFF); f.push_back((v >> 8) & 0xFF); };
  auto u32 = [&](uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); };
  const uint32_t image = 40 + 16 * 16 * 4 + 16 * 4;
  u16(0); u16(1); u16(1);
  f.push_back(16); f.push_back(16); f.push_back(0); f.push_back(0);
  u16(1); u16(32); u32(image); u32(22);
  u32(40); u32(16); u32(32); u16(1); u16(32); u32(0); u32(16 * 16 * 4); u32(0); u32(0); u32(0); u32(0);
  for (int i = 0; i < 16 * 16; ++i) u32(bgra);
  for (int i = 0; i < 16; ++i) u32(0);  // AND mask: all opaque
  return f;
}

TEST(Icon, LoadsFromAnIcoFileAndDraws) {
  TIcon icon;
  TStringStream stream(AsString(IconFile(0xFF00FF00)));  // opaque green
  icon.LoadFromStream(&stream);
  ASSERT_FALSE(icon.Empty());
  EXPECT_EQ(icon.Width(), 16);
  EXPECT_EQ(icon.Height(), 16);
  EXPECT_THROW(icon.SetWidth(32), EInvalidGraphicOperation);
  TBitmap target(20, 20, pf24bit);
  target.Canvas()->Draw(2, 2, &icon);
  EXPECT_EQ(target.Canvas()->Pixel(10, 10), clLime);
  EXPECT_EQ(target.Canvas()->Pixel(1, 1), static_cast<TColor>(RGB(255, 255, 255)));

  TStringStream saved;
  icon.SaveToStream(&saved);
  EXPECT_EQ(saved.DataString(), AsString(IconFile(0xFF00FF00)));
}

TEST(Icon, DamagedFilesAreRefused) {
  TIcon icon;
  std::vector<uint8_t> file = IconFile(0xFFFFFFFF);
  file[18] = 0xFF;  // image offset far past the end
  file[19] = 0xFF;
  file[20] = 0xFF;
  TStringStream bad(AsString(file));
  EXPECT_THROW(icon.LoadFromStream(&bad), EInvalidGraphic);
  TStringStream tiny(std::string("\0\0\1\0", 4));
  EXPECT_THROW(icon.LoadFromStream(&tiny), EInvalidGraphic);
  EXPECT_TRUE(icon.Empty());
}

TEST(Icon, OwnsItsHandleUntilReleased) {
  TIcon icon;
  HICON system = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  HICON copy = CopyIcon(system);
  icon.SetHandle(copy);
  EXPECT_EQ(icon.Handle(), copy);
  EXPECT_GT(icon.Width(), 0);
  TStringStream out;
  EXPECT_THROW(icon.SaveToStream(&out), EInvalidGraphicOperation);
  TIcon other;
  other.Assign(&icon);
  EXPECT_NE(other.Handle(), copy);
  EXPECT_EQ(other.Width(), icon.Width());
  HICON mine = icon.ReleaseHandle();
  EXPECT_TRUE(icon.Empty());
  EXPECT_TRUE(DestroyIcon(mine));
}

TEST(Picture, LoadFromFileChoosesByExtension) {
  const std::string bmpName = TempFile("brsm_picture_test.BMP");
  const std::string jpgName = TempFile("brsm_picture_test.jpeg");
  {
    TBitmap b(3, 2, pf24bit);
    b.Canvas()->Brush()->SetColor(clOlive);
    b.Canvas()->FillRect(Rect(0, 0, 3, 2));
    b.SaveToFile(bmpName);
    TFileStream f(jpgName, fmCreate);
    const std::vector<uint8_t> data = HalvesJpeg();
    f.WriteBuffer(data.data(), static_cast<int>(data.size()));
  }
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  picture.LoadFromFile(bmpName);
  ASSERT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(picture.Bitmap()->Canvas()->Pixel(2, 1), clOlive);
  EXPECT_EQ(changes, 1);
  picture.Bitmap()->Canvas()->SetPixel(0, 0, clRed);  // the graphic's changes reach the picture
  EXPECT_EQ(changes, 2);

  picture.LoadFromFile(jpgName);
  ASSERT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 16);

  EXPECT_THROW(picture.LoadFromFile(TempFile("brsm_picture_test.gif")), EInvalidGraphic);
  EXPECT_THROW(picture.LoadFromFile(TempFile("missing.bmp")), EFOpenError);
  EXPECT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);  // unchanged by the failures

  // Bitmap() on a JPEG picture replaces it by an empty bitmap.
  EXPECT_TRUE(picture.Bitmap()->Empty());

  TPicture copy;
  picture.LoadFromFile(bmpName);
  copy.Assign(&picture);
  EXPECT_NE(copy.Graphic(), picture.Graphic());
  EXPECT_EQ(copy.Bitmap()->Canvas()->Pixel(1, 1), clOlive);
  copy.Assign(nullptr);
  EXPECT_EQ(copy.Graphic(), nullptr);
  DeleteFileW(brsm::ToUtf16(bmpName).c_str());
  DeleteFileW(brsm::ToUtf16(jpgName).c_str());
}

}  // namespace

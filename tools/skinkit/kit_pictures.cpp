#include "tools/skinkit/kit_pictures.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

#include "platform/graphics/bmp_codec.h"

namespace brsm::kit {

namespace {
uint8_t Red(TColor c) { return static_cast<uint8_t>(c & 0xFF); }
uint8_t Green(TColor c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
uint8_t Blue(TColor c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }
}  // namespace

TColor KitColor(int group, int index) {
  // Channels walk at different strides so that no two (group, index) pairs
  // below a few hundred meet; red and blue never both 255 with green 0.
  const int r = 40 + (group * 53 + index * 97) % 180;
  const int g = 30 + (group * 29 + index * 61) % 190;
  int b = 20 + (group * 71 + index * 23) % 200;
  if (r == g && g == b) b = (b + 17) % 256;
  return RGBColor(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
}

TColor Shade(TColor color) {
  return RGBColor(static_cast<uint8_t>(Red(color) / 2), static_cast<uint8_t>(Green(color) / 2),
                  static_cast<uint8_t>(Blue(color) / 2 + 1));
}

TColor Corner(TColor color) {
  return RGBColor(static_cast<uint8_t>(255 - Red(color) / 2), static_cast<uint8_t>(Green(color) / 3 + 2),
                  static_cast<uint8_t>(200 - Blue(color) / 3));
}

void SetPixel(TPixelBuffer& picture, int x, int y, TColor color) {
  TPixelBufferView v = picture.View();
  if (!v.Contains(x, y)) return;
  uint8_t* p = v.Pixel(x, y);
  p[0] = Blue(color);
  p[1] = Green(color);
  p[2] = Red(color);
}

TColor GetPixel(const TPixelBuffer& picture, int x, int y) {
  TPixelBufferView v = const_cast<TPixelBuffer&>(picture).View();
  if (!v.Contains(x, y)) return -1;
  const uint8_t* p = v.Pixel(x, y);
  return RGBColor(p[2], p[1], p[0]);
}

void FillRect(TPixelBuffer& picture, int left, int top, int right, int bottom, TColor color) {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) SetPixel(picture, x, y, color);
}

TPixelBuffer SolidPicture(int width, int height, TColor color) {
  TPixelBuffer p(width, height, 3);
  FillRect(p, 0, 0, width, height, color);
  return p;
}

TPixelBuffer FramesPicture(int frameWidth, int frameHeight, const std::vector<TColor>& colors,
                           int edge, bool magentaCorners, int rows) {
  const int frames = static_cast<int>(colors.size());
  TPixelBuffer p(frameWidth * frames, frameHeight * rows, 3);
  for (int i = 0; i < frames; ++i) {
    const int l = i * frameWidth, r = l + frameWidth;
    const TColor c = colors[static_cast<size_t>(i)];
    FillRect(p, l, 0, r, frameHeight, Shade(c));
    FillRect(p, l + edge, edge, r - edge, frameHeight - edge, c);
    FillRect(p, l, 0, l + edge, edge, Corner(c));
    FillRect(p, r - edge, 0, r, edge, Corner(c));
    FillRect(p, l, frameHeight - edge, l + edge, frameHeight, Corner(c));
    FillRect(p, r - edge, frameHeight - edge, r, frameHeight, Corner(c));
    if (rows > 1) FillRect(p, l, frameHeight, r, 2 * frameHeight, 0);
    if (!magentaCorners) continue;
    for (int a = 0; a < edge; ++a)
      for (int b = 0; a + b < edge; ++b) {
        const int xs[2] = {l + a, r - 1 - a};
        const int ys[2] = {b, frameHeight - 1 - b};
        for (int x : xs)
          for (int y : ys) {
            SetPixel(p, x, y, Magenta);
            if (rows > 1) SetPixel(p, x, y + frameHeight, 0xFFFFFF);
          }
      }
  }
  return p;
}

TPixelBuffer GlyphStrip(int frameWidth, int frameHeight, const std::vector<TColor>& colors) {
  const int frames = static_cast<int>(colors.size());
  TPixelBuffer p = SolidPicture(frameWidth * frames, frameHeight, Magenta);
  for (int i = 0; i < frames; ++i) {
    const int l = i * frameWidth;
    FillRect(p, l + frameWidth / 4, frameHeight / 4, l + frameWidth - frameWidth / 4,
             frameHeight - frameHeight / 4, colors[static_cast<size_t>(i)]);
  }
  return p;
}

TPixelBuffer PatternPicture(int width, int height, int seed) {
  TPixelBuffer p(width, height, 3);
  TPixelBufferView v = p.View();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint8_t* px = v.Pixel(x, y);
      const int band = ((x + y + seed * 7) / 24) % 2;
      px[0] = static_cast<uint8_t>(60 + (x * 120) / (width > 1 ? width : 1));
      px[1] = static_cast<uint8_t>(band ? 150 : 90);
      px[2] = static_cast<uint8_t>(40 + (y * 150) / (height > 1 ? height : 1) + seed % 10);
    }
  return p;
}

std::vector<uint8_t> BmpBytes(TPixelBuffer& picture) { return EncodeBmp(picture.View()); }

std::vector<uint8_t> JpegBytes(TPixelBuffer& picture, int quality) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long outSize = 0;
  jpeg_mem_dest(&cinfo, &out, &outSize);
  cinfo.image_width = static_cast<JDIMENSION>(picture.Width());
  cinfo.image_height = static_cast<JDIMENSION>(picture.Height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  TPixelBufferView v = picture.View();
  std::vector<uint8_t> row(static_cast<size_t>(v.Width) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    const uint8_t* src = v.Row(static_cast<int>(cinfo.next_scanline));
    for (int x = 0; x < v.Width; ++x) {
      row[static_cast<size_t>(x) * 3] = src[x * v.BytesPerPixel + 2];
      row[static_cast<size_t>(x) * 3 + 1] = src[x * v.BytesPerPixel + 1];
      row[static_cast<size_t>(x) * 3 + 2] = src[x * v.BytesPerPixel];
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::vector<uint8_t> bytes(out, out + outSize);
  jpeg_destroy_compress(&cinfo);
  std::free(out);
  return bytes;
}

}  // namespace brsm::kit

#include "platform/graphics/bmp_codec.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>

namespace {

using brsm::DecodeBmp;
using brsm::EncodeBmp;

void Put16(std::vector<uint8_t>& v, size_t at, uint32_t x) {
  v[at] = static_cast<uint8_t>(x);
  v[at + 1] = static_cast<uint8_t>(x >> 8);
}
void Put32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
  Put16(v, at, x & 0xFFFF);
  Put16(v, at + 2, x >> 16);
}

// Writes a BMP file byte by byte, the way the various writers lay them out.
struct BmpFile {
  uint32_t headerSize = 40;
  int32_t width = 0;
  int32_t height = 0;
  uint16_t bits = 24;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
  std::vector<uint32_t> palette;  // 0x00RRGGBB
  std::vector<uint32_t> masks;    // written after a 40-byte header, inside larger ones
  std::vector<uint8_t> pixels;    // exactly as stored
  int64_t offBits = -1;           // -1: right after the palette

  std::vector<uint8_t> Build() const {
    const bool core = headerSize == 12;
    const size_t entry = core ? 3 : 4;
    const size_t maskBytes = headerSize == 40 ? masks.size() * 4 : 0;
    const size_t paletteAt = 14 + headerSize + maskBytes;
    const size_t pixelsAt = paletteAt + palette.size() * entry;
    std::vector<uint8_t> f(pixelsAt, 0);
    f[0] = 'B';
    f[1] = 'M';
    Put32(f, 10, offBits < 0 ? static_cast<uint32_t>(pixelsAt) : static_cast<uint32_t>(offBits));
    Put32(f, 14, headerSize);
    if (core) {
      Put16(f, 18, static_cast<uint32_t>(width));
      Put16(f, 20, static_cast<uint32_t>(height));
      Put16(f, 22, 1);
      Put16(f, 24, bits);
    } else {
      Put32(f, 18, static_cast<uint32_t>(width));
      Put32(f, 22, static_cast<uint32_t>(height));
      Put16(f, 26, 1);
      Put16(f, 28, bits);
      Put32(f, 30, compression);
      const bool shortPalette = !palette.empty() && palette.size() < (1u << bits);
      Put32(f, 46, colorsUsed ? colorsUsed : shortPalette ? static_cast<uint32_t>(palette.size()) : 0);
      for (size_t i = 0; i < masks.size(); ++i) Put32(f, 54 + 4 * i, masks[i]);
    }
    for (size_t i = 0; i < palette.size(); ++i) {
      f[paletteAt + i * entry] = static_cast<uint8_t>(palette[i]);
      f[paletteAt + i * entry + 1] = static_cast<uint8_t>(palette[i] >> 8);
      f[paletteAt + i * entry + 2] = static_cast<uint8_t>(palette[i] >> 16);
    }
    f.insert(f.end(), pixels.begin(), pixels.end());
    Put32(f, 2, static_cast<uint32_t>(f.size()));
    return f;
  }
};

// Pixel (x, y), y counted from the top, as 0x00RRGGBB.
uint32_t At(TPixelBuffer& b, int x, int y) {
  const uint8_t* p = b.View().Pixel(x, y);
  return static_cast<uint32_t>(p[0]) | (p[1] << 8) | (p[2] << 16);
}

bool Decode(const std::vector<uint8_t>& file, TPixelBuffer& out, std::string* error = nullptr) {
  return DecodeBmp(file.data(), file.size(), out, error);
}

// A 3x2 picture whose rows are padded to 4 bytes; stored rows are given
// bottom row first unless the file is top-down.
const uint32_t kPalette[4] = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};

TEST(BmpDecode, PalettedDepthsBothOrientations) {
  // Picture (top row first): 1 2 3 / 3 2 1, as palette indexes.
  struct Case {
    uint16_t bits;
    std::vector<uint8_t> topRow, bottomRow;
  };
  const std::vector<Case> cases = {
      {1, {0b01000000, 0, 0, 0}, {0b10100000, 0, 0, 0}},  // 1-bit: indexes 0/1 only
      {4, {0x12, 0x30, 0, 0}, {0x32, 0x10, 0, 0}},
      {8, {1, 2, 3, 0}, {3, 2, 1, 0}},
  };
  for (const Case& c : cases) {
    for (bool topDown : {false, true}) {
      SCOPED_TRACE(testing::Message() << c.bits << " bits, top-down " << topDown);
      BmpFile f;
      f.width = 3;
      f.height = topDown ? -2 : 2;
      f.bits = c.bits;
      f.palette.assign(kPalette, kPalette + (c.bits == 1 ? 2 : 4));
      const auto& first = topDown ? c.topRow : c.bottomRow;
      const auto& second = topDown ? c.bottomRow : c.topRow;
      f.pixels = first;
      f.pixels.insert(f.pixels.end(), second.begin(), second.end());
      TPixelBuffer b;
      std::string error;
      ASSERT_TRUE(Decode(f.Build(), b, &error)) << error;
      ASSERT_EQ(b.Width(), 3);
      ASSERT_EQ(b.Height(), 2);
      EXPECT_EQ(b.BytesPerPixel(), 3);
      if (c.bits == 1) {
        EXPECT_EQ(At(b, 0, 0), 0x000000u);
        EXPECT_EQ(At(b, 1, 0), 0xFF0000u);
        EXPECT_EQ(At(b, 0, 1), 0xFF0000u);
        EXPECT_EQ(At(b, 1, 1), 0x000000u);
        EXPECT_EQ(At(b, 2, 1), 0xFF0000u);
      } else {
        EXPECT_EQ(At(b, 0, 0), 0xFF0000u);
        EXPECT_EQ(At(b, 1, 0), 0x00FF00u);
        EXPECT_EQ(At(b, 2, 0), 0x0000FFu);
        EXPECT_EQ(At(b, 0, 1), 0x0000FFu);
        EXPECT_EQ(At(b, 2, 1), 0xFF0000u);
      }
    }
  }
}

TEST(BmpDecode, IndexBeyondShortPaletteIsBlack) {
  BmpFile f;
  f.width = 2;
  f.height = 1;
  f.bits = 8;
  f.colorsUsed = 1;
  f.palette = {0x123456};
  f.pixels = {0, 200, 0, 0};
  TPixelBuffer b;
  ASSERT_TRUE(Decode(f.Build(), b));
  EXPECT_EQ(At(b, 0, 0), 0x123456u);
  EXPECT_EQ(At(b, 1, 0), 0x000000u);
}

TEST(BmpDecode, DirectColourDepths) {
  // 16-bit 5-5-5 (the default without masks): white, pure red; row padded.
  {
    BmpFile f;
    f.width = 3;
    f.height = 1;
    f.bits = 16;
    f.pixels = {0xFF, 0x7F, 0x00, 0x7C, 0x1F, 0x00, 0, 0};
    TPixelBuffer b;
    ASSERT_TRUE(Decode(f.Build(), b));
    EXPECT_EQ(At(b, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(At(b, 1, 0), 0xFF0000u);
    EXPECT_EQ(At(b, 2, 0), 0x0000FFu);
  }
  // 16-bit 5-6-5 bit fields: green is six bits.
  {
    BmpFile f;
    f.width = 2;
    f.height = 1;
    f.bits = 16;
    f.compression = 3;
    f.masks = {0xF800, 0x07E0, 0x001F};
    f.pixels = {0xE0, 0x07, 0x00, 0xF8};
    TPixelBuffer b;
    ASSERT_TRUE(Decode(f.Build(), b));
    EXPECT_EQ(At(b, 0, 0), 0x00FF00u);
    EXPECT_EQ(At(b, 1, 0), 0xFF0000u);
  }
  // 24-bit, bottom-up and top-down, odd width so rows carry padding.
  for (bool topDown : {false, true}) {
    BmpFile f;
    f.width = 1;
    f.height = topDown ? -2 : 2;
    f.bits = 24;
    const std::vector<uint8_t> top = {0x11, 0x22, 0x33, 0}, bottom = {0x44, 0x55, 0x66, 0};
    f.pixels = topDown ? top : bottom;
    const auto& second = topDown ? bottom : top;
    f.pixels.insert(f.pixels.end(), second.begin(), second.end());
    TPixelBuffer b;
    ASSERT_TRUE(Decode(f.Build(), b));
    EXPECT_EQ(At(b, 0, 0), 0x332211u);
    EXPECT_EQ(At(b, 0, 1), 0x665544u);
  }
  // 32-bit plain keeps the fourth byte and gives a 4-byte buffer.
  {
    BmpFile f;
    f.width = 1;
    f.height = 1;
    f.bits = 32;
    f.pixels = {1, 2, 3, 4};
    TPixelBuffer b;
    ASSERT_TRUE(Decode(f.Build(), b));
    ASSERT_EQ(b.BytesPerPixel(), 4);
    EXPECT_EQ(std::memcmp(b.View().Pixel(0, 0), "\x01\x02\x03\x04", 4), 0);
  }
}

TEST(BmpDecode, VersionFourAndFiveHeadersWithAlphaMask) {
  for (uint32_t hs : {108u, 124u}) {
    BmpFile f;
    f.headerSize = hs;
    f.width = 1;
    f.height = -1;
    f.bits = 32;
    f.compression = 3;
    f.masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000};  // stored R, G, B, A
    f.pixels = {0x10, 0x20, 0x30, 0x80};
    TPixelBuffer b;
    std::string error;
    ASSERT_TRUE(Decode(f.Build(), b, &error)) << error;
    const uint8_t* p = b.View().Pixel(0, 0);
    EXPECT_EQ(p[0], 0x30);  // blue
    EXPECT_EQ(p[1], 0x20);
    EXPECT_EQ(p[2], 0x10);  // red
    EXPECT_EQ(p[3], 0x80);
  }
}

TEST(BmpDecode, OS2CoreHeader) {
  BmpFile f;
  f.headerSize = 12;
  f.width = 2;
  f.height = 2;
  f.bits = 8;
  f.palette = {0x0000FF, 0xABCDEF};
  f.pixels = {1, 0, 0, 0, 0, 1, 0, 0};  // bottom row first
  TPixelBuffer b;
  std::string error;
  ASSERT_TRUE(Decode(f.Build(), b, &error)) << error;
  EXPECT_EQ(At(b, 0, 0), 0x0000FFu);
  EXPECT_EQ(At(b, 1, 0), 0xABCDEFu);
  EXPECT_EQ(At(b, 0, 1), 0xABCDEFu);
  EXPECT_EQ(At(b, 1, 1), 0x0000FFu);
}

TEST(BmpDecode, Rle8RunsAbsoluteDeltaAndEnd) {
  BmpFile f;
  f.width = 5;
  f.height = 3;
  f.bits = 8;
  f.compression = 1;
  f.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  f.pixels = {
      3, 1,           // bottom row: three of index 1
      0, 3, 2, 3, 2, 0,  // then an absolute run of 3 (padded): 2 3 2 -> row has 5
      0, 0,           // end of line
      0, 2, 4, 1,     // delta: right 4, up 1 -> top row, x = 4
      1, 3,           // one of index 3 at (4, top)
      0, 1,           // end of bitmap
  };
  TPixelBuffer b;
  std::string error;
  ASSERT_TRUE(Decode(f.Build(), b, &error)) << error;
  // Bottom row (y = 2): 1 1 1 2 3, and the absolute run's last pixel is clipped.
  EXPECT_EQ(At(b, 0, 2), 0xFF0000u);
  EXPECT_EQ(At(b, 2, 2), 0xFF0000u);
  EXPECT_EQ(At(b, 3, 2), 0x00FF00u);
  EXPECT_EQ(At(b, 4, 2), 0x0000FFu);
  // Middle row skipped by the delta: palette entry 0.
  EXPECT_EQ(At(b, 2, 1), 0x000000u);
  EXPECT_EQ(At(b, 4, 0), 0x0000FFu);
  EXPECT_EQ(At(b, 3, 0), 0x000000u);
}

TEST(BmpDecode, Rle4Nibbles) {
  BmpFile f;
  f.width = 4;
  f.height = 1;
  f.bits = 4;
  f.compression = 2;
  f.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  f.pixels = {3, 0x12, 0, 1};  // 1 2 1, then end of bitmap
  TPixelBuffer b;
  std::string error;
  ASSERT_TRUE(Decode(f.Build(), b, &error)) << error;
  EXPECT_EQ(At(b, 0, 0), 0xFF0000u);
  EXPECT_EQ(At(b, 1, 0), 0x00FF00u);
  EXPECT_EQ(At(b, 2, 0), 0xFF0000u);
  EXPECT_EQ(At(b, 3, 0), 0x000000u);

  f.pixels = {0, 3, 0x31, 0x20, 0, 1};  // absolute 3 nibbles 3 1 2 (2 bytes, no pad)
  ASSERT_TRUE(Decode(f.Build(), b, &error)) << error;
  EXPECT_EQ(At(b, 0, 0), 0x0000FFu);
  EXPECT_EQ(At(b, 1, 0), 0xFF0000u);
  EXPECT_EQ(At(b, 2, 0), 0x00FF00u);
}

BmpFile Valid24() {
  BmpFile f;
  f.width = 2;
  f.height = 2;
  f.bits = 24;
  f.pixels.assign(16, 0x5A);
  return f;
}

void ExpectRejected(const std::vector<uint8_t>& file, const char* what) {
  SCOPED_TRACE(what);
  TPixelBuffer b(1, 1);
  b.Data()[0] = 0x77;
  std::string error;
  EXPECT_FALSE(DecodeBmp(file.data(), file.size(), b, &error));
  EXPECT_FALSE(error.empty());
  // The caller's buffer is left as it was.
  EXPECT_EQ(b.Width(), 1);
  EXPECT_EQ(b.Data()[0], 0x77);
}

TEST(BmpDecode, HostileHeadersAreRefused) {
  {
    BmpFile f = Valid24();
    f.width = 100000;
    ExpectRejected(f.Build(), "width beyond the side limit");
  }
  {
    BmpFile f = Valid24();
    f.width = 16384;
    f.height = 16384;
    ExpectRejected(f.Build(), "256 Mpixels");
  }
  {
    BmpFile f = Valid24();
    f.height = INT_MIN;
    ExpectRejected(f.Build(), "height INT_MIN");
  }
  {
    BmpFile f = Valid24();
    f.width = -2;
    ExpectRejected(f.Build(), "negative width");
  }
  {
    BmpFile f = Valid24();
    f.height = 0;
    ExpectRejected(f.Build(), "zero height");
  }
  {
    BmpFile f = Valid24();
    f.offBits = 0x7FFFFFF0;
    ExpectRejected(f.Build(), "pixel offset past end");
  }
  {
    BmpFile f = Valid24();
    f.offBits = 20;
    ExpectRejected(f.Build(), "pixel offset inside the header");
  }
  {
    BmpFile f;
    f.width = 1;
    f.height = 1;
    f.bits = 8;
    f.colorsUsed = 0xFFFFFFFF;
    f.offBits = 0;  // computed from the stored palette size: 16 GB
    f.palette.assign(256, 0x112233);
    f.pixels = {0, 0, 0, 0};
    ExpectRejected(f.Build(), "palette count overflow");
  }
  {
    BmpFile f;
    f.width = 1;
    f.height = 1;
    f.bits = 8;  // 256 entries expected, none present
    ExpectRejected(f.Build(), "palette past end");
  }
  {
    BmpFile f = Valid24();
    f.height = 3;  // a row more than stored
    ExpectRejected(f.Build(), "pixel data truncated");
  }
  {
    BmpFile f = Valid24();
    f.headerSize = 41;
    ExpectRejected(f.Build(), "unknown header size");
  }
  {
    BmpFile f = Valid24();
    f.bits = 7;
    ExpectRejected(f.Build(), "odd depth");
  }
  {
    BmpFile f = Valid24();
    f.compression = 1;  // RLE8 on 24 bits
    ExpectRejected(f.Build(), "RLE8 on 24 bits");
  }
  {
    BmpFile f = Valid24();
    f.compression = 4;
    ExpectRejected(f.Build(), "embedded JPEG");
  }
  {
    BmpFile f;
    f.width = 2;
    f.height = -2;
    f.bits = 8;
    f.compression = 1;
    f.palette = {0, 0};
    f.pixels = {2, 1, 0, 1};
    ExpectRejected(f.Build(), "top-down RLE");
  }
  {
    std::vector<uint8_t> file = Valid24().Build();
    file[0] = 'M';
    ExpectRejected(file, "bad magic");
  }
}

TEST(BmpDecode, TruncatedRleIsRefused) {
  BmpFile f;
  f.width = 4;
  f.height = 4;
  f.bits = 8;
  f.compression = 1;
  f.palette = {0, 0xFFFFFF};
  f.colorsUsed = 2;
  f.pixels = {4, 1, 0, 0, 4, 1};  // two rows, then the data ends
  ExpectRejected(f.Build(), "RLE without end");
  f.pixels = {4, 1, 0, 6, 1, 1};  // absolute run of six, two bytes present
  ExpectRejected(f.Build(), "absolute run past end");
  f.pixels = {4, 1, 0, 2, 1};  // delta without its second byte
  ExpectRejected(f.Build(), "delta past end");
}

TEST(BmpDecode, RleThatCoversEveryRowNeedsNoEndMarker) {
  BmpFile f;
  f.width = 2;
  f.height = 2;
  f.bits = 8;
  f.compression = 1;
  f.palette = {0, 0xFFFFFF};
  f.colorsUsed = 2;
  f.pixels = {2, 1, 0, 0, 2, 1, 0, 0};
  TPixelBuffer b;
  std::string error;
  ASSERT_TRUE(Decode(f.Build(), b, &error)) << error;
  EXPECT_EQ(At(b, 1, 0), 0xFFFFFFu);
}

// Every prefix of valid files of each kind: refused or decoded, never a read
// past the end (the sanitizers watch).
TEST(BmpDecode, EveryPrefixIsSafe) {
  std::vector<std::vector<uint8_t>> files;
  files.push_back(Valid24().Build());
  BmpFile rle;
  rle.width = 5;
  rle.height = 3;
  rle.bits = 8;
  rle.compression = 1;
  rle.palette = {0, 0xFF, 0xFF00};
  rle.colorsUsed = 3;
  rle.pixels = {3, 1, 0, 3, 2, 1, 2, 0, 0, 0, 0, 2, 1, 1, 0, 1};
  files.push_back(rle.Build());
  BmpFile v5;
  v5.headerSize = 124;
  v5.width = 3;
  v5.height = 2;
  v5.bits = 32;
  v5.compression = 3;
  v5.masks = {0xFF0000, 0xFF00, 0xFF, 0};
  v5.pixels.assign(24, 0x3C);
  files.push_back(v5.Build());
  for (const auto& file : files) {
    for (size_t n = 0; n < file.size(); ++n) {
      std::vector<uint8_t> prefix(file.begin(), file.begin() + n);
      TPixelBuffer b;
      DecodeBmp(prefix.data(), prefix.size(), b, nullptr);
    }
    TPixelBuffer b;
    EXPECT_TRUE(DecodeBmp(file.data(), file.size(), b, nullptr));
  }
}

TEST(BmpEncode, RoundTripsThreeAndFourBytePixels) {
  for (int bpp : {3, 4}) {
    SCOPED_TRACE(bpp);
    for (auto order : {TPixelBuffer::Orientation::BottomUp, TPixelBuffer::Orientation::TopDown}) {
      TPixelBuffer src(5, 3, bpp, order);
      TPixelBufferView v = src.View();
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
          for (int c = 0; c < bpp; ++c) v.Pixel(x, y)[c] = static_cast<uint8_t>(x * 40 + y * 7 + c);
      std::vector<uint8_t> file = EncodeBmp(v);
      const size_t stride = (5 * bpp + 3) & ~3;
      ASSERT_EQ(file.size(), 54 + stride * 3);
      EXPECT_EQ(file[28], bpp * 8);
      TPixelBuffer back;
      std::string error;
      ASSERT_TRUE(DecodeBmp(file.data(), file.size(), back, &error)) << error;
      ASSERT_EQ(back.BytesPerPixel(), bpp);
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
          EXPECT_EQ(std::memcmp(back.View().Pixel(x, y), v.Pixel(x, y), bpp), 0) << x << "," << y;
    }
  }
}

TEST(BmpEncode, EmptyViewGivesNothing) {
  TPixelBuffer empty;
  EXPECT_TRUE(EncodeBmp(empty.View()).empty());
}

}  // namespace

#include "platform/graphics/jpeg_codec.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "jpeg_test_image.h"

namespace {

using brsm::DecodeJpeg;
using brsm::test::Compress;

// Quadrants of solid colour on 8-pixel block borders, so the only loss is
// rounding; the odd size leaves partial blocks at the right and bottom.
uint32_t QuadrantColour(int x, int y) {  // 0x00RRGGBB
  static const uint32_t colours[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00};
  return colours[(x >= 8) + 2 * (y >= 8)];
}

void PaintQuadrants(int x, int y, JSAMPLE* px) {
  const uint32_t c = QuadrantColour(x, y);
  px[0] = static_cast<JSAMPLE>(c >> 16);
  px[1] = static_cast<JSAMPLE>(c >> 8);
  px[2] = static_cast<JSAMPLE>(c);
}

constexpr int kTolerance = 8;

void ExpectNear(const uint8_t* bgr, uint32_t rgb, int x, int y) {
  EXPECT_NEAR(bgr[2], static_cast<int>((rgb >> 16) & 0xFF), kTolerance) << "red at " << x << "," << y;
  EXPECT_NEAR(bgr[1], static_cast<int>((rgb >> 8) & 0xFF), kTolerance) << "green at " << x << "," << y;
  EXPECT_NEAR(bgr[0], static_cast<int>(rgb & 0xFF), kTolerance) << "blue at " << x << "," << y;
}

TEST(JpegDecode, ColourPatternComesBackAsBgrTopRowFirst) {
  for (bool progressive : {false, true}) {
    SCOPED_TRACE(progressive ? "progressive" : "baseline");
    const auto file = Compress(13, 11, 3, JCS_RGB, PaintQuadrants, progressive);
    TPixelBuffer b;
    std::string error;
    ASSERT_TRUE(DecodeJpeg(file.data(), file.size(), b, &error)) << error;
    ASSERT_EQ(b.Width(), 13);
    ASSERT_EQ(b.Height(), 11);
    ASSERT_EQ(b.BytesPerPixel(), 3);
    EXPECT_EQ(b.RowOrder(), TPixelBuffer::Orientation::BottomUp);
    const TPixelBufferView v = b.View();
    for (int y = 0; y < 11; ++y)
      for (int x = 0; x < 13; ++x) ExpectNear(v.Pixel(x, y), QuadrantColour(x, y), x, y);
  }
}

TEST(JpegDecode, GreyscaleExpandsToThreeEqualChannels) {
  const auto file = Compress(16, 8, 1, JCS_GRAYSCALE,
                             [](int x, int, JSAMPLE* px) { *px = static_cast<JSAMPLE>(x < 8 ? 40 : 220); });
  TPixelBuffer b;
  std::string error;
  ASSERT_TRUE(DecodeJpeg(file.data(), file.size(), b, &error)) << error;
  const uint8_t* dark = b.View().Pixel(2, 3);
  const uint8_t* light = b.View().Pixel(12, 3);
  EXPECT_NEAR(dark[0], 40, kTolerance);
  EXPECT_EQ(dark[0], dark[1]);
  EXPECT_EQ(dark[1], dark[2]);
  EXPECT_NEAR(light[2], 220, kTolerance);
}

TEST(JpegDecode, AdobeCmykIsConvertedToRgb) {
  // libjpeg writes an Adobe marker for CMYK, whose convention stores the
  // inks inverted (255 = no ink), as image editors write them.
  const auto file = Compress(16, 8, 4, JCS_CMYK, [](int x, int, JSAMPLE* px) {
    const bool red = x < 8;  // red: no cyan, full magenta and yellow; else blue-ish grey
    px[0] = red ? 255 : 255 - 0;
    px[1] = red ? 0 : 255 - 0;
    px[2] = red ? 0 : 255 - 255;
    px[3] = red ? 255 : 255 - 128;  // key
  });
  TPixelBuffer b;
  std::string error;
  ASSERT_TRUE(DecodeJpeg(file.data(), file.size(), b, &error)) << error;
  ExpectNear(b.View().Pixel(3, 3), 0xFF0000, 3, 3);
  // Right half: no cyan or magenta, full yellow, half key -> (127, 127, 0).
  ExpectNear(b.View().Pixel(12, 3), 0x7F7F00, 12, 3);
}

void ExpectRejected(const std::vector<uint8_t>& file, const char* what) {
  SCOPED_TRACE(what);
  TPixelBuffer b(2, 2);
  std::string error;
  EXPECT_FALSE(DecodeJpeg(file.data(), file.size(), b, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Height(), 2);
}

// Rewrites the frame size in the SOF marker.
std::vector<uint8_t> WithFrameSize(std::vector<uint8_t> file, int width, int height) {
  for (size_t i = 2; i + 9 < file.size(); ++i) {
    if (file[i] == 0xFF && (file[i + 1] == 0xC0 || file[i + 1] == 0xC2)) {
      file[i + 5] = static_cast<uint8_t>(height >> 8);
      file[i + 6] = static_cast<uint8_t>(height);
      file[i + 7] = static_cast<uint8_t>(width >> 8);
      file[i + 8] = static_cast<uint8_t>(width);
      return file;
    }
  }
  ADD_FAILURE() << "no frame header";
  return file;
}

TEST(JpegDecode, OversizeFrameIsRefusedBeforeDecoding) {
  const auto file = Compress(16, 16, 3, JCS_RGB, PaintQuadrants);
  ExpectRejected(WithFrameSize(file, 16385, 16), "side over the limit");
  ExpectRejected(WithFrameSize(file, 16384, 16384), "pixels over the limit");
  ExpectRejected(WithFrameSize(file, 65500, 65500), "largest frame libjpeg accepts");
}

TEST(JpegDecode, DamagedDataIsRefused) {
  const auto file = Compress(32, 32, 3, JCS_RGB, PaintQuadrants);
  ExpectRejected(std::vector<uint8_t>(file.begin(), file.begin() + file.size() / 2), "cut in half");
  ExpectRejected(std::vector<uint8_t>(file.begin(), file.begin() + 20), "cut in the header");
  ExpectRejected(std::vector<uint8_t>(100, 0xAB), "not a JPEG");
  std::vector<uint8_t> noFrame = {0xFF, 0xD8, 0xFF, 0xD9};
  ExpectRejected(noFrame, "no frame");
  TPixelBuffer b;
  EXPECT_FALSE(DecodeJpeg(nullptr, 0, b, nullptr));
}

TEST(JpegDecode, MissingEndMarkerAfterTheLastRowIsAccepted) {
  auto file = Compress(16, 16, 3, JCS_RGB, PaintQuadrants);
  ASSERT_EQ(file[file.size() - 2], 0xFF);
  ASSERT_EQ(file.back(), JPEG_EOI);
  file.erase(file.end() - 2, file.end());
  TPixelBuffer b;
  std::string error;
  ASSERT_TRUE(DecodeJpeg(file.data(), file.size(), b, &error)) << error;
  ExpectNear(b.View().Pixel(15, 15), QuadrantColour(15, 15), 15, 15);
}

// Every prefix and a run of single-byte corruptions: refused or decoded, never
// a crash or a read outside the data (the sanitizers watch).
TEST(JpegDecode, PrefixesAndCorruptionsAreSafe) {
  const auto file = Compress(24, 24, 3, JCS_RGB, PaintQuadrants, true);
  for (size_t n = 0; n < file.size(); n += 7) {
    TPixelBuffer b;
    DecodeJpeg(file.data(), n, b, nullptr);
  }
  std::srand(12345);
  for (int i = 0; i < 200; ++i) {
    auto bad = file;
    bad[static_cast<size_t>(std::rand()) % bad.size()] ^= static_cast<uint8_t>(1 + std::rand() % 255);
    TPixelBuffer b;
    if (DecodeJpeg(bad.data(), bad.size(), b, nullptr)) {
      EXPECT_EQ(b.BytesPerPixel(), 3);
      EXPECT_GT(b.Width(), 0);
    }
  }
}

}  // namespace

#include "skin/core/gradients.h"

#include "skin/core/paint_seam.h"
#include "tests/skin/core/paint_test_support.h"

using namespace painttest;

namespace {

TGradientArray Parse(const std::string& text) {
  TGradientArray stops;
  ParseGradientData(text, stops);
  return stops;
}

uint8_t Red(TPixelBuffer& b, int x, int y) { return static_cast<uint8_t>(Get(b, x, y) & 0xFF); }

struct MeshRecorder : TPortablePaintSeam {
  std::vector<TGradientVertex> Vertices;
  std::vector<TGradientTriangle> Triangles;
  int Calls = 0;
  void FillGradientTriangles(const TPixelBufferView& target, const std::vector<TGradientVertex>& v,
                             const std::vector<TGradientTriangle>& t) override {
    ++Calls;
    Vertices = v;
    Triangles = t;
    TPortablePaintSeam::FillGradientTriangles(target, v, t);
  }
};

}  // namespace

class Gradients : public ::testing::TestWithParam<Order> {};

TEST_P(Gradients, VerticalStopsRunRowByRow) {
  // Nine numbers make one stop; the last four are ignored.
  const TGradientArray one = Parse("16777215;0;100;0;0;1;2;3;4");
  ASSERT_EQ(one.size(), 1u);
  TPixelBuffer b = Make(3, 11, clLime, GetParam());
  PaintGradient(b.View(), TRect{0, 0, 3, 11}, one, 0);
  EXPECT_EQ(Get(b, 0, 0), clWhite);
  EXPECT_EQ(Get(b, 2, 10), clBlack);
  EXPECT_EQ(Red(b, 1, 5), 128);  // 255 - 5 * 25.5 = 127.5 -> 128
  EXPECT_EQ(Red(b, 1, 1), 230);  // 229.5 -> 230
  EXPECT_EQ(Red(b, 1, 3), 178);  // 178.5 -> 178

  // Two halves meet in the middle row, which the second stop repaints.
  TPixelBuffer two = Make(2, 11, clLime, GetParam());
  PaintGradient(two.View(), TRect{0, 0, 2, 11}, Parse("255;0;50;0;0;65280;16711680;50;0;0"), 0);
  EXPECT_EQ(Get(two, 0, 0), clRed);
  EXPECT_EQ(Get(two, 0, 5), clLime);
  EXPECT_EQ(Get(two, 1, 10), clBlue);
}

TEST_P(Gradients, SharesAreCappedAndNothingLeavesTheBitmap) {
  EXPECT_EQ(Parse("0;0;250;0;0")[0].Share, 100);
  TPixelBuffer b = Make(4, 4, clLime, GetParam());
  const TGradientArray stops = Parse("0;0;250;0;0;255;255;250;0;0");
  PaintGradient(b.View(), TRect{-3, -3, 40, 40}, stops, 0);
  EXPECT_EQ(Count(b, clLime), 0);

  // Horizontal shares past 100 are cut at every stop, not just the last.
  TPixelBuffer h = Make(5, 3, clLime, GetParam());
  PaintGradient(h.View(), TRect{1, 0, 4, 3}, Parse("0;0;150;1;0;255;255;150;1;0;65280;65280;90;1;0"), 0);
  EXPECT_EQ(Get(h, 0, 1), clLime);
  EXPECT_EQ(Get(h, 4, 1), clLime);
  EXPECT_EQ(Get(h, 1, 2), clBlack);
  EXPECT_EQ(Get(h, 3, 0), clBlack);

  TPixelBuffer none = Make(4, 4, clLime, GetParam());
  PaintGradient(none.View(), TRect{0, 0, 4, 4}, Parse("0;0;100;3;0"), 0);
  PaintGradient(none.View(), TRect{0, 0, 4, 4}, TGradientArray{}, 0);
  EXPECT_EQ(Count(none, clLime), 16);
}

TEST_P(Gradients, HorizontalStopsRunColumnByColumn) {
  TPixelBuffer b = Make(11, 2, clLime, GetParam());
  PaintGradient(b.View(), TRect{0, 0, 11, 2}, Parse("0;255;50;1;0;255;65280;50;1;0"), 0);
  EXPECT_EQ(Get(b, 0, 0), clBlack);
  EXPECT_EQ(Get(b, 6, 1), clRed);  // Round(50 * 0.11 + 0) = Round(5.5) = 6
  EXPECT_EQ(Get(b, 10, 0), clLime);
  EXPECT_EQ(Red(b, 3, 1), 128);  // 3 * 42.5 = 127.5 -> 128
}

TEST_P(Gradients, MeshHandsFiveVerticesAndFourTrianglesToTheSeam) {
  MeshRecorder seam;
  SetPaintSeam(&seam);
  TPixelBuffer b = Make(20, 10, clBlue, GetParam());
  PaintGradient(b.View(), TRect{0, 0, 30, 10}, Parse("255;0;0;2;0;65280;0;0;0;0"), 0);
  SetPaintSeam(nullptr);
  ASSERT_EQ(seam.Calls, 1);
  ASSERT_EQ(seam.Vertices.size(), 5u);
  EXPECT_EQ(seam.Vertices[0].X, 0);
  EXPECT_EQ(seam.Vertices[1].X, 10);  // the clipped rectangle's centre
  EXPECT_EQ(seam.Vertices[1].Y, 5);
  EXPECT_EQ(seam.Vertices[3].X, 20);
  EXPECT_EQ(seam.Vertices[3].Y, 10);
  EXPECT_EQ(seam.Vertices[0].Red, 0xFF00);
  EXPECT_EQ(seam.Vertices[1].Green, 0xFF00);
  EXPECT_EQ(seam.Vertices[4].Green, 0xFF00);  // no stop 4: the colour before it
  EXPECT_EQ(seam.Vertices[4].Alpha, 0);
  ASSERT_EQ(seam.Triangles.size(), 4u);
  EXPECT_EQ(seam.Triangles[3].V1, 4u);
  EXPECT_EQ(seam.Triangles[3].V3, 3u);
  EXPECT_EQ(Count(b, clBlue), 0);  // the portable fill covers the rectangle
}

INSTANTIATE_TEST_SUITE_P(BothRowOrders, Gradients,
                         ::testing::Values(Order::TopDown, Order::BottomUp), OrderName);

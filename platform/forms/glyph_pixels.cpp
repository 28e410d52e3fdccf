// The kinds' glyphs are small vector drawings rasterised by pixel-centre
// tests (inside a disk, near a segment, inside a triangle): crisp at 18
// pixels and the same on every system.
#include "platform/forms/glyph_pixels.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brsm {

namespace {

constexpr double Pi = std::numbers::pi;

class Raster {
 public:
  explicit Raster(const TPixelBufferView& view) : v_(view) {}

  void Set(int x, int y, TRGB c) const {
    if (!v_.Contains(x, y) || x >= KindGlyphSize || y >= KindGlyphSize) return;
    uint8_t* p = v_.Pixel(x, y);
    p[0] = c.B;
    p[1] = c.G;
    p[2] = c.R;
    if (v_.BytesPerPixel == 4) p[3] = 0xFF;
  }

  template <class Inside>
  void Fill(TRGB c, Inside inside) const {
    for (int y = 0; y < KindGlyphSize; ++y)
      for (int x = 0; x < KindGlyphSize; ++x)
        if (inside(x + 0.5, y + 0.5)) Set(x, y, c);
  }

  void Disk(double cx, double cy, double r, TRGB c) const {
    Fill(c, [&](double x, double y) { return Sq(x - cx) + Sq(y - cy) <= r * r; });
  }

  // A round-ended stroke of the given width.
  void Line(double x0, double y0, double x1, double y1, double width, TRGB c) const {
    Fill(c, [&](double x, double y) { return SegmentDistance(x, y, x0, y0, x1, y1) <= width / 2; });
  }

  void Polyline(const double* xy, int points, double width, TRGB c) const {
    for (int i = 0; i + 1 < points; ++i)
      Line(xy[2 * i], xy[2 * i + 1], xy[2 * i + 2], xy[2 * i + 3], width, c);
  }

  // Part of a ring between two angles (degrees, counter-clockwise from the
  // right, y pointing up as on paper).
  void Arc(double cx, double cy, double r, double width, double from, double to, TRGB c) const {
    Fill(c, [&](double x, double y) {
      const double d = std::sqrt(Sq(x - cx) + Sq(y - cy));
      if (std::abs(d - r) > width / 2) return false;
      double a = std::atan2(-(y - cy), x - cx) * 180 / Pi;
      if (a < from) a += 360;
      return a >= from && a <= to;
    });
  }

  void Triangle(double ax, double ay, double bx, double by, double qx, double qy, TRGB c) const {
    Fill(c, [&](double x, double y) {
      const double d1 = Cross(x, y, ax, ay, bx, by);
      const double d2 = Cross(x, y, bx, by, qx, qy);
      const double d3 = Cross(x, y, qx, qy, ax, ay);
      const bool negative = d1 < 0 || d2 < 0 || d3 < 0;
      const bool positive = d1 > 0 || d2 > 0 || d3 > 0;
      return !(negative && positive);
    });
  }

  void Box(int x0, int y0, int x1, int y1, TRGB c) const {
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) Set(x, y, c);
  }

 private:
  static double Sq(double v) { return v * v; }
  static double Cross(double x, double y, double ax, double ay, double bx, double by) {
    return (x - bx) * (ay - by) - (ax - bx) * (y - by);
  }
  static double SegmentDistance(double x, double y, double x0, double y0, double x1, double y1) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::sqrt(Sq(x - (x0 + t * dx)) + Sq(y - (y0 + t * dy)));
  }

  TPixelBufferView v_;
};

constexpr TRGB DarkGreen{0x00, 0x60, 0x00};
constexpr TRGB Green{0x00, 0xC0, 0x00};
constexpr TRGB DarkRed{0x80, 0x00, 0x00};
constexpr TRGB Red{0xF0, 0x00, 0x00};
constexpr TRGB Navy{0x00, 0x00, 0x80};
constexpr TRGB Blue{0x00, 0x40, 0xE0};
constexpr TRGB White{0xFF, 0xFF, 0xFF};
constexpr TRGB Brown{0x80, 0x40, 0x00};
constexpr TRGB Teal{0x00, 0x80, 0x80};
constexpr TRGB Yellow{0xFF, 0xFF, 0x00};
constexpr TRGB Gray{0x80, 0x80, 0x80};

// Strokes are drawn twice: a wider dark one under a bright one, so the
// shape keeps an outline on any face colour.
void OutlinedPolyline(const Raster& r, const double* xy, int points, double width, TRGB edge, TRGB fill) {
  r.Polyline(xy, points, width + 1.8, edge);
  r.Polyline(xy, points, width, fill);
}

void CheckMark(const Raster& r, double dx) {
  const double xy[] = {3.5 + dx, 9.0, 7.0 + dx, 12.5, 14.0 + dx, 4.5};
  OutlinedPolyline(r, xy, 3, 2.2, DarkGreen, Green);
}

void Cross(const Raster& r) {
  const double a[] = {4.5, 4.5, 13.5, 13.5};
  const double b[] = {13.5, 4.5, 4.5, 13.5};
  r.Polyline(a, 2, 4.0, DarkRed);
  r.Polyline(b, 2, 4.0, DarkRed);
  r.Polyline(a, 2, 2.2, Red);
  r.Polyline(b, 2, 2.2, Red);
}

void QuestionMark(const Raster& r) {
  r.Arc(9, 6.5, 3.8, 4.0, -60, 180, Navy);
  const double stem[] = {10.9, 9.8, 9.0, 11.2, 9.0, 12.0};
  r.Polyline(stem, 3, 4.0, Navy);
  r.Disk(9, 15, 2.0, Navy);
  r.Arc(9, 6.5, 3.8, 2.2, -60, 180, Blue);
  r.Polyline(stem, 3, 2.2, Blue);
  r.Disk(9, 15, 1.2, Blue);
}

void ProhibitionSign(const Raster& r) {
  r.Disk(9, 9, 7.6, DarkRed);
  r.Disk(9, 9, 6.8, Red);
  r.Disk(9, 9, 4.6, KindGlyphBackground);
  r.Line(4.2, 13.8, 13.8, 4.2, 2.6, Red);
}

void StopSign(const Raster& r) {
  r.Disk(9, 9, 7.6, DarkRed);
  r.Disk(9, 9, 6.8, Red);
  r.Box(5, 8, 12, 9, White);
}

void Door(const Raster& r) {
  r.Box(4, 2, 13, 16, Brown);
  r.Box(5, 3, 12, 16, Teal);
  r.Box(6, 4, 11, 7, White);
  r.Disk(10.5, 10.5, 1.1, Yellow);
}

void CircularArrow(const Raster& r) {
  r.Arc(9, 9.5, 5.5, 4.0, 40, 320, DarkGreen);
  r.Arc(9, 9.5, 5.5, 2.2, 40, 320, Green);
  // Head at the end of the arc (40 degrees: upper right), pointing down.
  r.Triangle(10.8, 3.2, 17.0, 4.6, 13.6, 9.8, DarkGreen);
  r.Triangle(11.9, 4.3, 15.6, 5.2, 13.5, 8.4, Green);
}

void JumpOver(const Raster& r) {
  r.Box(8, 10, 9, 16, Gray);
  r.Arc(9, 11, 5.5, 3.6, 0, 180, Navy);
  r.Arc(9, 11, 5.5, 1.8, 0, 180, Blue);
  r.Triangle(11.2, 10.0, 17.6, 10.0, 14.4, 15.0, Navy);
  r.Triangle(12.6, 10.8, 16.2, 10.8, 14.4, 13.6, Blue);
}

}  // namespace

void PaintKindGlyph(TBitBtnKind kind, const TPixelBufferView& view) {
  const Raster r(view);
  r.Box(0, 0, KindGlyphSize - 1, KindGlyphSize - 1, KindGlyphBackground);
  switch (kind) {
    case bkCustom: break;
    case bkOK:
    case bkYes: CheckMark(r, 0); break;
    case bkCancel: Cross(r); break;
    case bkHelp: QuestionMark(r); break;
    case bkNo: ProhibitionSign(r); break;
    case bkClose: Door(r); break;
    case bkAbort: StopSign(r); break;
    case bkRetry: CircularArrow(r); break;
    case bkIgnore: JumpOver(r); break;
    case bkAll:
      CheckMark(r, -2.5);
      CheckMark(r, 2.5);
      break;
  }
  // The see-through colour is read from this pixel.
  r.Set(0, KindGlyphSize - 1, KindGlyphBackground);
}

bool IsEmbossInk(const uint8_t* pixel, TRGB transparent) {
  const uint8_t b = pixel[0], g = pixel[1], red = pixel[2];
  if (red == transparent.R && g == transparent.G && b == transparent.B) return false;
  // Light pixels (highlights drawn in the glyph) vanish in the flat look.
  return (red * 30 + g * 59 + b * 11) / 100 < 0xC0;
}

void PaintEmbossed(const TPixelBufferView& source, TRGB transparent, const TPixelBufferView& dest,
                   TRGB background, TRGB highlight, TRGB shadow) {
  if (source.Empty() || dest.Empty()) return;
  auto put = [&](int x, int y, TRGB c) {
    if (!dest.Contains(x, y)) return;
    uint8_t* p = dest.Pixel(x, y);
    p[0] = c.B;
    p[1] = c.G;
    p[2] = c.R;
    if (dest.BytesPerPixel == 4) p[3] = 0xFF;
  };
  for (int y = 0; y < dest.Height; ++y)
    for (int x = 0; x < dest.Width; ++x) put(x, y, background);
  const int w = std::min(source.Width, dest.Width);
  const int h = std::min(source.Height, dest.Height);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (IsEmbossInk(source.Pixel(x, y), transparent) && x + 1 < w && y + 1 < h)
        put(x + 1, y + 1, highlight);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (IsEmbossInk(source.Pixel(x, y), transparent)) put(x, y, shadow);
}

}  // namespace brsm

#include "skin/core/color_helpers.h"
#include "skin/core/gradients.h"

#include <algorithm>
#include <cstring>

#include "platform/rtl/sysutils.h"
#include "skin/core/paint_seam.h"
#include "skin/core/pixel_access.h"
#include "skin/core/skin_utils.h"

namespace {

// A colour that moves by a fixed step per row or column, in floating point.
struct ColorRamp {
  double Channel[3];  // blue, green, red
  double Step[3];

  ColorRamp(TColor from, TColor to, int steps) {
    const int a[3] = {BlueOf(from), GreenOf(from), RedOf(from)};
    const int b[3] = {BlueOf(to), GreenOf(to), RedOf(to)};
    for (int c = 0; c < 3; ++c) {
      Channel[c] = a[c];
      Step[c] = static_cast<double>(b[c] - a[c]) / steps;
    }
  }
  void Bytes(uint8_t out[3]) const {
    for (int c = 0; c < 3; ++c) out[c] = static_cast<uint8_t>(ClampToByte(Round(Channel[c])));
  }
  void Advance() {
    for (int c = 0; c < 3; ++c) Channel[c] += Step[c];
  }
};

// Pixels left..right - 1 of one row in one colour: the first pixel is
// written, then the filled part doubles by copying itself.
void FillRow(uint8_t* row, int left, int right, const uint8_t bgr[3]) {
  if (right <= left) return;
  uint8_t* p = row + static_cast<ptrdiff_t>(left) * 3;
  const size_t total = static_cast<size_t>(right - left) * 3;
  p[0] = bgr[0];
  p[1] = bgr[1];
  p[2] = bgr[2];
  size_t done = 3;
  while (done < total) {
    const size_t n = std::min(done, total - done);
    std::memcpy(p + done, p, n);
    done += n;
  }
}

// Stops along one axis: `first` .. `last` are the pixel positions the rect
// covers on it, `start` the first stop's start; `endOf` gives a stop's
// unclamped end from its start, `paint` fills one position.
template <typename EndOf, typename Paint>
void PaintStops(const TGradientArray& stops, int start, int last, EndOf endOf, Paint paint) {
  for (size_t i = 0; i < stops.size(); ++i) {
    const TGradientStop& stop = stops[i];
    int end = i + 1 == stops.size() ? last : std::min(endOf(stop, start), last);
    if (end <= start) break;
    ColorRamp ramp(stop.StartColor, stop.EndColor, end - start);
    for (int pos = start; pos <= end; ++pos) {
      uint8_t bgr[3];
      ramp.Bytes(bgr);
      paint(pos, bgr);
      ramp.Advance();
    }
    start = end;
  }
}

void PaintMesh(const TPixelBufferView& bitmap, const TRect& r, const TGradientArray& stops) {
  const int xs[5] = {r.Left, r.Left + r.Width() / 2, r.Right, r.Right, r.Left};
  const int ys[5] = {r.Top, r.Top + r.Height() / 2, r.Top, r.Bottom, r.Bottom};
  std::vector<TGradientVertex> v(5);
  TColor color = 0;
  for (size_t k = 0; k < 5; ++k) {
    if (stops.size() > k) color = stops[k].StartColor;
    v[k].X = xs[k];
    v[k].Y = ys[k];
    v[k].Red = static_cast<uint16_t>(RedOf(color) << 8);
    v[k].Green = static_cast<uint16_t>(GreenOf(color) << 8);
    v[k].Blue = static_cast<uint16_t>(BlueOf(color) << 8);
    v[k].Alpha = 0;
  }
  const std::vector<TGradientTriangle> triangles = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
  PaintSeam().FillGradientTriangles(bitmap, v, triangles);
}

}  // namespace

void PaintGradient(const TPixelBufferView& bitmap, TRect rect, const TGradientArray& stops,
                   int offset) {
  if (stops.empty() || !Is24BitView(bitmap)) return;
  rect.Right = std::min(rect.Right, bitmap.Width);
  rect.Bottom = std::min(rect.Bottom, bitmap.Height);
  rect.Left = std::max(rect.Left, 0);
  rect.Top = std::max(rect.Top, 0);
  if (rect.Right <= rect.Left || rect.Bottom <= rect.Top) return;

  switch (stops.front().Mode) {
    case 0: {
      const int height = rect.Height() + offset;
      PaintStops(
          stops, rect.Top + offset, rect.Bottom - 1,
          [height](const TGradientStop& s, int from) {
            return static_cast<int>(static_cast<int64_t>(s.Share) * height / 100) + from;
          },
          [&](int y, const uint8_t bgr[3]) {
            if (y >= rect.Top) FillRow(bitmap.Row(y), rect.Left, rect.Right, bgr);
          });
      break;
    }
    case 1: {
      const double step = rect.Width() / 100.0;
      PaintStops(
          stops, rect.Left + offset, rect.Right - 1,
          [step](const TGradientStop& s, int from) { return Round(s.Share * step + from); },
          [&](int x, const uint8_t bgr[3]) {
            if (x < rect.Left) return;
            for (int y = rect.Top; y < rect.Bottom; ++y) {
              uint8_t* p = bitmap.Pixel(x, y);
              p[0] = bgr[0];
              p[1] = bgr[1];
              p[2] = bgr[2];
            }
          });
      break;
    }
    case 2:
      PaintMesh(bitmap, rect, stops);
      break;
    default:
      break;
  }
}

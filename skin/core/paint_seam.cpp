#include "skin/core/paint_seam.h"

#include <algorithm>
#include <cmath>

#include "skin/core/pixel_access.h"

namespace {

TPortablePaintSeam& DefaultSeam() {
  static TPortablePaintSeam seam;
  return seam;
}

TPaintSeam* installed = nullptr;

bool Inside(const TRect& r, int x, int y) {
  return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

}  // namespace

TPaintSeam& PaintSeam() { return installed ? *installed : DefaultSeam(); }

void SetPaintSeam(TPaintSeam* seam) { installed = seam; }

bool TRecordedRegion::Contains(int x, int y) const {
  bool in = Inside(start_, x, y);
  for (const Op& op : ops_) {
    if (!Inside(op.Rect, x, y)) continue;
    in = op.Mode == TRegionCombine::Xor ? !in : false;
  }
  return in;
}

bool TRecordedRegion::IsEmpty() const {
  TRect box = start_;
  for (const Op& op : ops_) {
    if (op.Mode != TRegionCombine::Xor) continue;
    box.Left = std::min(box.Left, op.Rect.Left);
    box.Top = std::min(box.Top, op.Rect.Top);
    box.Right = std::max(box.Right, op.Rect.Right);
    box.Bottom = std::max(box.Bottom, op.Rect.Bottom);
  }
  for (int y = box.Top; y < box.Bottom; ++y)
    for (int x = box.Left; x < box.Right; ++x)
      if (Contains(x, y)) return false;
  return true;
}

// Each target pixel averages the source pixels under its footprint; when
// enlarging that is the nearest source pixel.
void TPortablePaintSeam::StretchHalftone(const TPixelBufferView& target, const TRect& dst,
                                         const TPixelBufferView& source, const TRect& src) {
  if (!Is24BitView(target) || !Is24BitView(source)) return;
  const int dw = dst.Width(), dh = dst.Height(), sw = src.Width(), sh = src.Height();
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  const int sl = std::max(src.Left, 0), st = std::max(src.Top, 0);
  const int sr = std::min(src.Right, source.Width), sb = std::min(src.Bottom, source.Height);
  if (sl >= sr || st >= sb) return;
  const int y0 = std::max(dst.Top, 0), y1 = std::min(dst.Bottom, target.Height);
  const int x0 = std::max(dst.Left, 0), x1 = std::min(dst.Right, target.Width);
  const auto span = [](int d, int dLen, int sFrom, int sLen, int lo, int hi, int& a, int& b) {
    const int64_t off = d;
    a = sFrom + static_cast<int>(off * sLen / dLen);
    b = sFrom + static_cast<int>(((off + 1) * sLen + dLen - 1) / dLen);
    a = std::clamp(a, lo, hi - 1);
    b = std::clamp(b, a + 1, hi);
  };
  for (int y = y0; y < y1; ++y) {
    int ya, yb;
    span(y - dst.Top, dh, src.Top, sh, st, sb, ya, yb);
    uint8_t* out = target.Pixel(x0, y);
    for (int x = x0; x < x1; ++x, out += 3) {
      int xa, xb;
      span(x - dst.Left, dw, src.Left, sw, sl, sr, xa, xb);
      unsigned sum[3] = {0, 0, 0};
      const unsigned n = static_cast<unsigned>((yb - ya) * (xb - xa));
      for (int sy = ya; sy < yb; ++sy) {
        const uint8_t* p = source.Pixel(xa, sy);
        for (int sx = xa; sx < xb; ++sx, p += 3) {
          sum[0] += p[0];
          sum[1] += p[1];
          sum[2] += p[2];
        }
      }
      for (int c = 0; c < 3; ++c) out[c] = static_cast<uint8_t>((sum[c] + n / 2) / n);
    }
  }
}

// Barycentric fill over pixel centres, colours interpolated linearly.
void TPortablePaintSeam::FillGradientTriangles(const TPixelBufferView& target,
                                               const std::vector<TGradientVertex>& vertices,
                                               const std::vector<TGradientTriangle>& triangles) {
  if (!Is24BitView(target)) return;
  for (const TGradientTriangle& tri : triangles) {
    if (tri.V1 >= vertices.size() || tri.V2 >= vertices.size() || tri.V3 >= vertices.size())
      continue;
    const TGradientVertex& a = vertices[tri.V1];
    const TGradientVertex& b = vertices[tri.V2];
    const TGradientVertex& c = vertices[tri.V3];
    const double area = static_cast<double>(b.X - a.X) * (c.Y - a.Y) -
                        static_cast<double>(c.X - a.X) * (b.Y - a.Y);
    if (area == 0) continue;
    const int left = std::max(std::min({a.X, b.X, c.X}), 0);
    const int right = std::min(std::max({a.X, b.X, c.X}), target.Width);
    const int top = std::max(std::min({a.Y, b.Y, c.Y}), 0);
    const int bottom = std::min(std::max({a.Y, b.Y, c.Y}), target.Height);
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        const double px = x + 0.5, py = y + 0.5;
        const double wa = ((b.X - px) * (c.Y - py) - (c.X - px) * (b.Y - py)) / area;
        const double wb = ((c.X - px) * (a.Y - py) - (a.X - px) * (c.Y - py)) / area;
        const double wc = 1.0 - wa - wb;
        if (wa < 0 || wb < 0 || wc < 0) continue;
        const auto mix = [&](uint16_t ca, uint16_t cb, uint16_t cc) {
          const double v = (wa * ca + wb * cb + wc * cc) / 256.0;
          return static_cast<uint8_t>(std::clamp(static_cast<int>(v), 0, 255));
        };
        uint8_t* p = target.Pixel(x, y);
        p[0] = mix(a.Blue, b.Blue, c.Blue);
        p[1] = mix(a.Green, b.Green, c.Green);
        p[2] = mix(a.Red, b.Red, c.Red);
      }
    }
  }
}

void TPortablePaintSeam::FillRoundRect(const TPixelBufferView& target, const TRect& r, int corner,
                                       TColor color) {
  if (!Is24BitView(target)) return;
  // Without a pen the shape is one pixel smaller on the right and bottom.
  const int right = r.Right - 1, bottom = r.Bottom - 1;
  const int w = right - r.Left, h = bottom - r.Top;
  if (w <= 0 || h <= 0) return;
  const double rx = std::min(corner, w) / 2.0, ry = std::min(corner, h) / 2.0;
  for (int y = std::max(r.Top, 0); y < std::min(bottom, target.Height); ++y) {
    int inset = 0;
    const double cy = y + 0.5 - r.Top;
    double dy = 0;
    if (cy < ry) dy = ry - cy;
    else if (cy > h - ry) dy = cy - (h - ry);
    if (dy > 0 && rx > 0 && ry > 0) {
      const double t = std::max(0.0, 1.0 - (dy * dy) / (ry * ry));
      inset = static_cast<int>(std::lround(rx - rx * std::sqrt(t)));
    }
    const int x0 = std::max(r.Left + inset, 0), x1 = std::min(right - inset, target.Width);
    for (int x = x0; x < x1; ++x) WritePixelBytes(target.Pixel(x, y), color);
  }
}

TRegionHandle TPortablePaintSeam::CreateRectRegion(const TRect& r) { return new TRecordedRegion(r); }

void TPortablePaintSeam::CombineRectWithRegion(TRegionHandle region, const TRect& r,
                                               TRegionCombine mode) {
  if (region) static_cast<TRecordedRegion*>(region)->Combine(r, mode);
}

void TPortablePaintSeam::DeleteRegion(TRegionHandle region) {
  delete static_cast<TRecordedRegion*>(region);
}

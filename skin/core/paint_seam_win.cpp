// The GDI answers of the painting seam. The portable code hands over pixel
// views, not device contexts, so each call draws into a temporary DIB
// section that covers only the affected part of the target, with GDI's
// coordinates shifted so that the result equals drawing on the whole target.
#include "platform/graphics/gdi.h"
#include "skin/core/paint_seam.h"

#include <algorithm>
#include <cstring>

#include "skin/core/pixel_access.h"

namespace {

// A top-down 24-bit DIB section selected into a memory DC.
class TempDib {
 public:
  TempDib(int width, int height) : width_(width), height_(height) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    bmp_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<uint8_t*>(bits);
    if (dc_ && bmp_) old_ = SelectObject(dc_, bmp_);
  }
  ~TempDib() {
    if (dc_ && old_) SelectObject(dc_, old_);
    if (bmp_) DeleteObject(bmp_);
    if (dc_) DeleteDC(dc_);
  }
  TempDib(const TempDib&) = delete;
  TempDib& operator=(const TempDib&) = delete;

  bool Ok() const { return dc_ && bmp_ && bits_ && old_; }
  HDC Dc() const { return dc_; }
  TPixelBufferView View() const {
    TPixelBufferView v;
    v.FirstRow = bits_;
    v.RowDistance = (static_cast<ptrdiff_t>(width_) * 3 + 3) & ~ptrdiff_t{3};
    v.Width = width_;
    v.Height = height_;
    v.BytesPerPixel = 3;
    return v;
  }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bmp_ = nullptr;
  HGDIOBJ old_ = nullptr;
  uint8_t* bits_ = nullptr;
};

// Copies the w x h block at (fx, fy) of `from` to (tx, ty) of `to`; both
// blocks lie inside their views.
void CopyBlock(const TPixelBufferView& to, int tx, int ty, const TPixelBufferView& from, int fx,
               int fy, int w, int h) {
  for (int y = 0; y < h; ++y)
    std::memcpy(to.Pixel(tx, ty + y), from.Pixel(fx, fy + y), static_cast<size_t>(w) * 3);
}

TRect Intersect(const TRect& a, const TRect& b) {
  TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom)};
  return r;
}

// The visible part of `area` on the target, drawn by `draw(dc, dx, dy)`
// where (dx, dy) is the shift from target to temporary coordinates.
template <typename Draw>
void DrawThroughDib(const TPixelBufferView& target, const TRect& area, Draw draw) {
  if (!Is24BitView(target)) return;
  const TRect vis = Intersect(area, TRect{0, 0, target.Width, target.Height});
  if (vis.IsEmpty()) return;
  TempDib dib(vis.Width(), vis.Height());
  if (!dib.Ok()) return;
  const TPixelBufferView v = dib.View();
  CopyBlock(v, 0, 0, target, vis.Left, vis.Top, vis.Width(), vis.Height());
  draw(dib.Dc(), -vis.Left, -vis.Top);
  GdiFlush();
  CopyBlock(target, vis.Left, vis.Top, v, 0, 0, vis.Width(), vis.Height());
}

class TWindowsPaintSeam : public TPaintSeam {
 public:
  void StretchHalftone(const TPixelBufferView& target, const TRect& dst,
                       const TPixelBufferView& source, const TRect& src) override {
    if (!Is24BitView(source) || src.IsEmpty() || dst.IsEmpty()) return;
    // The source piece is copied out; what lies outside the source is black.
    TempDib piece(src.Width(), src.Height());
    if (!piece.Ok()) return;
    const TRect in = Intersect(src, TRect{0, 0, source.Width, source.Height});
    const TPixelBufferView pv = piece.View();
    std::memset(pv.FirstRow, 0, static_cast<size_t>(pv.RowDistance) * pv.Height);
    if (!in.IsEmpty())
      CopyBlock(pv, in.Left - src.Left, in.Top - src.Top, source, in.Left, in.Top, in.Width(),
                in.Height());
    DrawThroughDib(target, dst, [&](HDC dc, int dx, int dy) {
      SetStretchBltMode(dc, HALFTONE);
      SetBrushOrgEx(dc, 0, 0, nullptr);
      StretchBlt(dc, dst.Left + dx, dst.Top + dy, dst.Width(), dst.Height(), piece.Dc(), 0, 0,
                 src.Width(), src.Height(), SRCCOPY);
    });
  }

  void FillGradientTriangles(const TPixelBufferView& target,
                             const std::vector<TGradientVertex>& vertices,
                             const std::vector<TGradientTriangle>& triangles) override {
    if (vertices.empty() || triangles.empty()) return;
    TRect box{vertices[0].X, vertices[0].Y, vertices[0].X, vertices[0].Y};
    for (const TGradientVertex& v : vertices) {
      box.Left = std::min(box.Left, v.X);
      box.Top = std::min(box.Top, v.Y);
      box.Right = std::max(box.Right, v.X + 1);
      box.Bottom = std::max(box.Bottom, v.Y + 1);
    }
    std::vector<TRIVERTEX> tv(vertices.size());
    std::vector<GRADIENT_TRIANGLE> tt;
    for (const TGradientTriangle& t : triangles)
      if (t.V1 < vertices.size() && t.V2 < vertices.size() && t.V3 < vertices.size())
        tt.push_back(GRADIENT_TRIANGLE{t.V1, t.V2, t.V3});
    if (tt.empty()) return;
    DrawThroughDib(target, box, [&](HDC dc, int dx, int dy) {
      for (size_t i = 0; i < vertices.size(); ++i) {
        tv[i].x = vertices[i].X + dx;
        tv[i].y = vertices[i].Y + dy;
        tv[i].Red = vertices[i].Red;
        tv[i].Green = vertices[i].Green;
        tv[i].Blue = vertices[i].Blue;
        tv[i].Alpha = vertices[i].Alpha;
      }
      GradientFill(dc, tv.data(), static_cast<ULONG>(tv.size()), tt.data(),
                   static_cast<ULONG>(tt.size()), GRADIENT_FILL_TRIANGLE);
    });
  }

  void FillRoundRect(const TPixelBufferView& target, const TRect& r, int corner,
                     TColor color) override {
    DrawThroughDib(target, r, [&](HDC dc, int dx, int dy) {
      HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(color & 0xFFFFFF));
      HGDIOBJ oldBrush = SelectObject(dc, brush);
      HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
      RoundRect(dc, r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy, corner, corner);
      SelectObject(dc, oldPen);
      SelectObject(dc, oldBrush);
      DeleteObject(brush);
    });
  }

  TRegionHandle CreateRectRegion(const TRect& r) override {
    return CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
  }

  void CombineRectWithRegion(TRegionHandle region, const TRect& r, TRegionCombine mode) override {
    if (!region) return;
    HRGN rect = CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
    if (!rect) return;
    CombineRgn(static_cast<HRGN>(region), static_cast<HRGN>(region), rect,
               mode == TRegionCombine::Xor ? RGN_XOR : RGN_DIFF);
    DeleteObject(rect);
  }

  void DeleteRegion(TRegionHandle region) override {
    if (region) DeleteObject(static_cast<HRGN>(region));
  }
};

}  // namespace

void UseWindowsPaintSeam() {
  static TWindowsPaintSeam seam;
  SetPaintSeam(&seam);
}

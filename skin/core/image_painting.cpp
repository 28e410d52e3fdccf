#include "skin/core/image_painting.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "skin/core/blending.h"
#include "skin/core/image_piece.h"
#include "skin/core/keyed_copy.h"
#include "skin/core/paint_colors.h"
#include "skin/core/pixel_access.h"
#include "skin/core/pixel_copy.h"
#include "skin/core/skin_constants.h"

namespace {

constexpr TColor Magenta = SkinTransparentColor;

bool IsMagenta(const uint8_t* p) { return p[0] == 0xFF && p[1] == 0 && p[2] == 0xFF; }

// Where one state frame of an item lies and how wide its border is.
struct Frame {
  TPixelBufferView Source;
  TRect Item;         // the item's rectangle in Source
  int Width = 0;      // FW
  int Height = 0;     // FH
  int Left = 0;       // the frame's left edge in Source
  int Top = 0;
  int WL = 0, WT = 0, WR = 0, WB = 0;
  int CW = 0, CH = 0;
  bool Masked = false;
};

// Frame counts below 1 count as 1 and a negative MaskType as 0, so that no
// skin value divides by 0 and the state never leaves the item.
// Coordinates far beyond any bitmap are pulled in so that the frame
// arithmetic cannot overflow; nothing out there is ever read.
int Bounded(int64_t v) {
  constexpr int64_t limit = int64_t{1} << 28;
  return static_cast<int>(std::clamp(v, -limit, limit));
}

Frame FrameOf(const TsMaskData& item, int state, TPixelBufferView source, TRect itemRect,
              int frames, int maskType) {
  Frame f;
  f.Source = source;
  f.Item = TRect{Bounded(itemRect.Left), Bounded(itemRect.Top), Bounded(itemRect.Right),
                 Bounded(itemRect.Bottom)};
  frames = std::max(frames, 1);
  maskType = std::max(maskType, 0);
  const int rows = maskType + 1;
  f.Width = f.Item.Width() / frames;
  f.Height = f.Item.Height() / rows;
  state = std::clamp(state, 0, frames - 1);
  f.Left = Bounded(int64_t{f.Item.Left} + int64_t{state} * f.Width);
  f.Top = f.Item.Top;
  f.WL = std::max<int>(item.WL, 0);
  f.WT = std::max<int>(item.WT, 0);
  f.WR = std::max<int>(item.WR, 0);
  f.WB = std::max<int>(item.WB, 0);
  f.Masked = maskType != 0;
  return f;
}

Frame FrameOf(const TsMaskData& item, int state) {
  return FrameOf(item, state, ItemSourceBitmap(item), item.SourceRect, item.ImageCount,
                 item.MaskType);
}

// Sides too wide for the rectangle shrink evenly; the far side gives up the
// odd pixel.
void ShrinkSides(int size, int& near, int& far) {
  if (size >= near + far) return;
  const int d = (near + far - size) / 2;
  near -= d;
  far -= d;
  if (size % 2 != 0) far -= 1;
  near = std::max(near, 0);
  far = std::max(far, 0);
}

void FitToRect(Frame& f, const TRect& r) {
  ShrinkSides(r.Width(), f.WL, f.WR);
  ShrinkSides(r.Height(), f.WT, f.WB);
  f.CW = std::max(f.Width - f.WL - f.WR, 0);
  f.CH = std::max(f.Height - f.WT - f.WB, 0);
}

// Covers `area` with pieces of tile_w x tile_h taken from (sx, sy), the last
// column and row cut; nothing when a tile size is below 1.
template <typename Piece>
void Tile(const TRect& area, int sx, int sy, int tile_w, int tile_h, Piece piece) {
  if (tile_w < 1 || tile_h < 1) return;
  for (int y = area.Top; y < area.Bottom; y += tile_h) {
    const int h = std::min(tile_h, area.Bottom - y);
    for (int x = area.Left; x < area.Right; x += tile_w) {
      const int w = std::min(tile_w, area.Right - x);
      piece(TRect{x, y, x + w, y + h}, TRect{sx, sy, sx + w, sy + h});
    }
  }
}

// The eight border parts and the centre of a frame fitted to a rectangle.
struct Layout {
  TRect Dst[9];
  TRect Src[9];
};

enum Part { TopLeft, LeftSide, TopSide, BottomLeft, BottomSide, BottomRight, TopRight, RightSide, Centre };

Layout LayoutOf(const Frame& f, const TRect& r) {
  Layout l;
  const int fl = f.Left, ft = f.Top, fr = f.Left + f.Width, fb = f.Top + f.Height;
  const int inL = r.Left + f.WL, inT = r.Top + f.WT, inR = r.Right - f.WR, inB = r.Bottom - f.WB;
  l.Dst[TopLeft] = {r.Left, r.Top, inL, inT};
  l.Src[TopLeft] = {fl, ft, fl + f.WL, ft + f.WT};
  l.Dst[LeftSide] = {r.Left, inT, inL, inB};
  l.Src[LeftSide] = {fl, ft + f.WT, fl + f.WL, ft + f.WT + f.CH};
  l.Dst[TopSide] = {inL, r.Top, inR, inT};
  l.Src[TopSide] = {fl + f.WL, ft, fl + f.WL + f.CW, ft + f.WT};
  l.Dst[BottomLeft] = {r.Left, inB, inL, r.Bottom};
  l.Src[BottomLeft] = {fl, fb - f.WB, fl + f.WL, fb};
  l.Dst[BottomSide] = {inL, inB, inR, r.Bottom};
  l.Src[BottomSide] = {fl + f.WL, fb - f.WB, fl + f.WL + f.CW, fb};
  l.Dst[BottomRight] = {inR, inB, r.Right, r.Bottom};
  l.Src[BottomRight] = {fr - f.WR, fb - f.WB, fr, fb};
  l.Dst[TopRight] = {inR, r.Top, r.Right, inT};
  l.Src[TopRight] = {fr - f.WR, ft, fr, ft + f.WT};
  l.Dst[RightSide] = {inR, inT, r.Right, inB};
  l.Src[RightSide] = {fr - f.WR, ft + f.WT, fr, ft + f.WT + f.CH};
  l.Dst[Centre] = {inL, inT, inR, inB};
  l.Src[Centre] = {fl + f.WL, ft + f.WT, fl + f.WL + f.CW, ft + f.WT + f.CH};
  return l;
}

bool IsCorner(int part) {
  return part == TopLeft || part == BottomLeft || part == BottomRight || part == TopRight;
}

// Repeats a tile row of `tile` bytes across `total` bytes of out.
void RepeatRow(uint8_t* out, const uint8_t* tile, size_t tile_bytes, size_t total) {
  size_t done = std::min(tile_bytes, total);
  std::memcpy(out, tile, done);
  while (done < total) {
    const size_t n = std::min(done, total - done);
    std::memcpy(out + done, out, n);
    done += n;
  }
}

// A masked band whose every tile lies wholly inside the target and the
// source mixes exactly as tile-by-tile copies would, but a whole band row at
// a time: the tile's picture and mask rows are repeated across the band
// first. False when the band does not qualify.
bool MixBandRows(const TPixelBufferView& bitmap, const Frame& f, const TRect& dst,
                 const TRect& src) {
  const int tw = src.Width(), th = src.Height();
  const int maskOffset = f.Item.Height() / 2;
  if (dst.Left < 0 || dst.Top < 0 || dst.Right > bitmap.Width || dst.Bottom > bitmap.Height)
    return false;
  if (src.Left < 0 || src.Top < 0 || src.Right > f.Source.Width ||
      src.Top + maskOffset < 0 || src.Bottom + maskOffset > f.Source.Height ||
      src.Bottom > f.Source.Height)
    return false;
  // The repeated rows of all tile rows are made once when they fit in a
  // modest buffer, else again for each band row.
  static std::vector<uint8_t> picture, mask;  // painting runs on one thread
  const size_t bytes = static_cast<size_t>(dst.Width()) * 3;
  const int kept = std::min(th, dst.Height());
  const int slots = bytes * static_cast<size_t>(kept) <= (size_t{1} << 19) ? kept : 1;
  picture.resize(bytes * static_cast<size_t>(slots));
  mask.resize(bytes * static_cast<size_t>(slots));
  const size_t tileBytes = static_cast<size_t>(tw) * 3;
  for (int y = dst.Top; y < dst.Bottom; ++y) {
    const int row = (y - dst.Top) % th;
    const size_t at = slots == 1 ? 0 : static_cast<size_t>(row) * bytes;
    if (slots == 1 || y - dst.Top < kept) {
      RepeatRow(&picture[at], f.Source.Pixel(src.Left, src.Top + row), tileBytes, bytes);
      RepeatRow(&mask[at], f.Source.Pixel(src.Left, src.Top + row + maskOffset), tileBytes, bytes);
    }
    MixRow(bitmap.Pixel(dst.Left, y), &picture[at], &mask[at], static_cast<int>(bytes));
  }
  return true;
}

// Sides and centre of a frame: through the mask, stretched, or tiled opaque.
void PaintBand(const TPixelBufferView& bitmap, const Frame& f, const TsMaskData& item,
               const TRect& dst, const TRect& src, bool stretch) {
  if (f.Masked) {
    if (src.Width() < 1 || src.Height() < 1 || dst.Width() < 1 || dst.Height() < 1) return;
    if (MixBandRows(bitmap, f, dst, src)) return;
    Tile(dst, src.Left, src.Top, src.Width(), src.Height(), [&](const TRect& d, const TRect& s) {
      CopyImagePiece(d, s, bitmap, item, false, EmptyCacheInfo, f.Source);
    });
  } else if (stretch) {
    if (dst.Width() >= 1 && dst.Height() >= 1 && src.Width() >= 1 && src.Height() >= 1)
      PaintSeam().StretchHalftone(bitmap, dst, f.Source, src);
  } else {
    Tile(dst, src.Left, src.Top, src.Width(), src.Height(),
         [&](const TRect& d, const TRect& s) { CopyPixels(bitmap, d.Left, d.Top, f.Source, s); });
  }
}

}  // namespace

void PaintMaskImage(const TPixelBufferView& bitmap, TRect rect, bool fill_centre, int mode,
                    int state, const TsMaskData& item, const TCacheInfo& cache) {
  if (state == 0 && (item.StretchMode & 2) != 0) return;
  if (rect.Width() <= 1 || rect.Height() <= 1 || item.Manager == nullptr) return;
  if (!Is24BitView(bitmap)) return;
  Frame f = FrameOf(item, state);
  if (!Is24BitView(f.Source)) return;
  FitToRect(f, rect);
  const Layout l = LayoutOf(f, rect);
  const bool stretch = !f.Masked && (item.StretchMode & 1) != 0;
  const bool centre = fill_centre && (item.StretchMode & 4) != 0;

  for (int part = TopLeft; part <= Centre; ++part) {
    if (part == Centre && !centre) break;
    const TRect& d = l.Dst[part];
    const TRect& s = l.Src[part];
    if (!IsCorner(part)) {
      PaintBand(bitmap, f, item, d, s, stretch);
    } else if (f.Masked) {
      CopyImagePiece(d, s, bitmap, item, true, cache, f.Source);
    } else {
      // Keyed corners are copied from inclusive source rectangles; the
      // bottom ones from the bottom rows of the item.
      TRect incl = {s.Left, s.Top, s.Right - 1, s.Bottom - 1};
      if (part == BottomLeft || part == BottomRight) {
        incl.Top = f.Item.Bottom - f.WB;
        incl.Bottom = f.Item.Bottom - 1;
      }
      CopyRectKeyed(bitmap, f.Source, d.Left, mode != 0, cache, Magenta, incl, d.Top);
    }
  }
}

void CopyGlyphFrame(TRect dst, TRect src, const TPixelBufferView& target, const TsMaskData& item,
                    int mode, const TPixelBufferView& source) {
  if (!Is24BitView(target) || !Is24BitView(source)) return;
  int rows = std::min(src.Bottom - src.Top, dst.Bottom - dst.Top) + 1;
  int cols = std::min(src.Right - src.Left, dst.Right - dst.Left) + 1;
  const int minLeft = std::min(dst.Left, src.Left);
  if (minLeft < 0) { dst.Left -= minLeft; src.Left -= minLeft; cols += minLeft; }
  const int minTop = std::min(dst.Top, src.Top);
  if (minTop < 0) { dst.Top -= minTop; src.Top -= minTop; rows += minTop; }
  rows = std::min({rows, target.Height - dst.Top, source.Height - src.Top});
  cols = std::min({cols, target.Width - dst.Left, source.Width - src.Left});
  const bool masked = item.MaskType > 0;
  if (masked) {
    const int maskOffset = item.SourceRect.Height() / 2;
    if (src.Top + maskOffset < 0) return;
    rows = std::min(rows, source.Height - maskOffset - src.Top);
  }
  if (rows <= 0 || cols <= 0) return;

  if (!masked) {
    CopyRectKeyedPlain(target, source, dst.Left, EmptyCacheInfo, Magenta,
                       TRect{src.Left, src.Top, src.Left + cols - 1, src.Top + rows - 1}, dst.Top);
    return;
  }
  const int maskOffset = item.SourceRect.Height() / 2;
  for (int r = 0; r < rows; ++r) {
    const uint8_t* p = source.Pixel(src.Left, src.Top + r);
    const uint8_t* m = source.Pixel(src.Left, src.Top + r + maskOffset);
    uint8_t* t = target.Pixel(dst.Left, dst.Top + r);
    for (int c = 0; c < cols; ++c, p += 3, m += 3, t += 3) {
      if (IsMagenta(p)) continue;
      for (int k = 0; k < 3; ++k) {
        const int weight = mode == 1 ? m[k] : std::min(m[k] + 100, 255);
        t[k] = MixChannel(t[k], p[k], weight);
      }
    }
  }
}

void PaintMaskGlyph(const TPixelBufferView& bitmap, TPoint point, int state,
                    const TsMaskData& item, int mode) {
  const Frame f = FrameOf(item, state);
  const int skipX = point.X < 0 ? -point.X : 0;
  const int skipY = point.Y < 0 ? -point.Y : 0;
  const TRect dst = {point.X + skipX, point.Y + skipY, point.X + f.Width - 1, point.Y + f.Height - 1};
  const TRect src = {f.Left + skipX, f.Top + skipY, f.Left + f.Width - 1, f.Top + f.Height - 1};
  if (item.Image || item.MaskType > 0) {
    CopyGlyphFrame(dst, src, bitmap, item, mode, f.Source);
  } else if (item.MaskType == 0 && item.ImageCount > 0) {
    if (mode == 1)
      CopyRectKeyed(bitmap, f.Source, dst.Left, true, EmptyCacheInfo, Magenta, src, dst.Top);
    else
      BlendRectKeyed(bitmap, dst.Left, dst.Top, Magenta, 0.5, src, f.Source);
  }
}

namespace {

// One corner cell copied pixel by pixel. `onPixel(tx, ty, picture, mask,
// target)` paints one pixel; `onRow(ty)` runs after each row. The cell is
// clipped to the target, the source and (when masked) the mask rows.
template <typename OnPixel, typename OnRow>
void WalkCell(const TPixelBufferView& target, int dx, int dy, const Frame& f, TRect src,
              int maskOffset, OnPixel onPixel, OnRow onRow) {
  int w = src.Width(), h = src.Height();
  if (dx < 0) { src.Left -= dx; w += dx; dx = 0; }
  if (dy < 0) { src.Top -= dy; h += dy; dy = 0; }
  if (src.Left < 0) { dx -= src.Left; w += src.Left; src.Left = 0; }
  if (src.Top < 0) { dy -= src.Top; h += src.Top; src.Top = 0; }
  w = std::min({w, target.Width - dx, f.Source.Width - src.Left});
  h = std::min({h, target.Height - dy, f.Source.Height - src.Top});
  if (f.Masked) {
    if (src.Top + maskOffset < 0) return;
    h = std::min(h, f.Source.Height - maskOffset - src.Top);
  }
  if (w <= 0 || h <= 0) return;
  for (int r = 0; r < h; ++r) {
    const uint8_t* p = f.Source.Pixel(src.Left, src.Top + r);
    const uint8_t* m = f.Masked ? f.Source.Pixel(src.Left, src.Top + r + maskOffset) : p;
    uint8_t* t = target.Pixel(dx, dy + r);
    for (int c = 0; c < w; ++c, p += 3, m += 3, t += 3) onPixel(dx + c, dy + r, p, m, t);
    onRow(dy + r, dx + w);
  }
}

void PaintPicturePixel(const Frame& f, const uint8_t* p, const uint8_t* m, uint8_t* t) {
  if (f.Masked) {
    for (int k = 0; k < 3; ++k) t[k] = MixChannel(t[k], p[k], m[k]);
  } else {
    t[0] = p[0];
    t[1] = p[1];
    t[2] = p[2];
  }
}

}  // namespace

void PaintCacheCorners(const TPixelBufferView& cache, const TsMaskData& item, int state,
                       int parts, const TCacheInfo& parent_cache) {
  if (!Is24BitView(cache) || cache.Width <= 1 || cache.Height <= 1) return;
  // An own bitmap without frame count holds three frames and a mask half.
  Frame f = item.ImageCount == 0 && item.Image
                ? FrameOf(item, state, item.Image->View(),
                          TRect{0, 0, item.Image->Width(), item.Image->Height()}, 3, 1)
                : FrameOf(item, state);
  if (!Is24BitView(f.Source)) return;
  const int maskOffset = f.Item.Height() / 2;
  const TColor back = ParentBackColor;
  const bool useParent = back == Magenta && parent_cache.Ready && SharedFast24.Attach(parent_cache.Bmp);

  const int fr = f.Left + f.Width, fb = f.Top + f.Height;
  const struct { int Bit, X, Y; TRect Src; } corners[4] = {
      {CornerTopLeft, 0, 0, {f.Left, f.Top, f.Left + f.WL, f.Top + f.WT}},
      {CornerBottomLeft, 0, cache.Height - f.WB, {f.Left, fb - f.WB, f.Left + f.WL, fb}},
      {CornerTopRight, cache.Width - f.WR, 0, {fr - f.WR, f.Top, fr, f.Top + f.WT}},
      {CornerBottomRight, cache.Width - f.WR, cache.Height - f.WB, {fr - f.WR, fb - f.WB, fr, fb}},
  };
  for (const auto& corner : corners) {
    if ((parts & corner.Bit) == 0) continue;
    WalkCell(
        cache, corner.X, corner.Y, f, corner.Src, maskOffset,
        [&](int tx, int ty, const uint8_t* p, const uint8_t* m, uint8_t* t) {
          if (!IsMagenta(p)) {
            PaintPicturePixel(f, p, m, t);
          } else if (back != Magenta) {
            WritePixelBytes(t, back);
          } else if (useParent) {
            const int cx = parent_cache.X + tx, cy = parent_cache.Y + ty;
            if (SharedFast24.Contains(cx, cy)) {
              const uint8_t* c = SharedFast24.Address(cx, cy);
              t[0] = c[0];
              t[1] = c[1];
              t[2] = c[2];
            }
          }
        },
        [](int, int) {});
  }
}

void CutMaskCorners(const TPixelBufferView& bitmap, TRegionHandle region, bool fill_centre,
                    int state, const TsMaskData& item) {
  if (!Is24BitView(bitmap)) return;
  // Without a frame count the item is one frame over its whole bitmap.
  Frame f = item.ImageCount < 1 && item.Image
                ? FrameOf(item, state, item.Image->View(),
                          TRect{0, 0, item.Image->Width(), item.Image->Height()}, 1, item.MaskType)
                : FrameOf(item, state);
  if (!Is24BitView(f.Source)) return;
  const TRect rect = {0, 0, bitmap.Width, bitmap.Height};
  FitToRect(f, rect);
  const Layout l = LayoutOf(f, rect);
  const int maskOffset = f.Item.Height() / 2;
  const bool stretch = !f.Masked && (item.StretchMode & 1) != 0;
  TPaintSeam& seam = PaintSeam();

  for (int part = TopLeft; part <= Centre; ++part) {
    if (part == Centre && !(fill_centre && (item.StretchMode & 4) != 0)) break;
    if (!IsCorner(part)) {
      PaintBand(bitmap, f, item, l.Dst[part], l.Src[part], stretch);
      continue;
    }
    int runStart = -1;
    WalkCell(
        bitmap, l.Dst[part].Left, l.Dst[part].Top, f, l.Src[part], maskOffset,
        [&](int tx, int ty, const uint8_t* p, const uint8_t* m, uint8_t* t) {
          if (IsMagenta(p)) {
            if (runStart < 0) runStart = tx;
            return;
          }
          if (runStart >= 0 && region)
            seam.CombineRectWithRegion(region, TRect{runStart, ty, tx, ty + 1}, TRegionCombine::Xor);
          runStart = -1;
          PaintPicturePixel(f, p, m, t);
        },
        [&](int ty, int rowEnd) {
          if (runStart >= 0 && region)
            seam.CombineRectWithRegion(region, TRect{runStart, ty, rowEnd, ty + 1}, TRegionCombine::Diff);
          runStart = -1;
        });
  }
}

void CollectCornerHoles(std::vector<TRect>& holes, int window_width, const TsMaskData& item,
                        bool bottom, int top_offset) {
  Frame f = FrameOf(item, 0);
  if (!Is24BitView(f.Source)) return;
  const int height = bottom ? f.WB : f.WT;
  const int top = bottom ? f.Top + f.Height - f.WB : f.Top;
  const struct { int SrcLeft, Width, DstLeft; } cells[2] = {
      {f.Left, f.WL, 0},
      {f.Left + f.Width - f.WR, f.WR, window_width - f.WR},
  };
  for (const auto& cell : cells) {
    for (int r = 0; r < height; ++r) {
      const int sy = top + r;
      if (sy < 0 || sy >= f.Source.Height) continue;
      int runStart = -1;
      for (int c = 0; c <= cell.Width; ++c) {
        const int sx = cell.SrcLeft + c;
        const bool key = c < cell.Width && sx >= 0 && sx < f.Source.Width &&
                         IsMagenta(f.Source.Pixel(sx, sy));
        if (key) {
          if (runStart < 0) runStart = c;
        } else if (runStart >= 0) {
          holes.push_back(TRect{cell.DstLeft + runStart, top_offset + r, cell.DstLeft + c,
                                top_offset + r + 1});
          runStart = -1;
        }
      }
    }
  }
}

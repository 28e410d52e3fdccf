#include "skin/core/image_piece.h"

#include <algorithm>

#include "skin/core/blending.h"
#include "skin/core/paint_colors.h"
#include "skin/core/pixel_access.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_content.h"

TPixelBufferView ItemSourceBitmap(const TsMaskData& item) {
  if (item.Image) return item.Image->View();
  if (item.Manager && item.Manager->MasterBitmap) return item.Manager->MasterBitmap->View();
  return {};
}

namespace {

// The parent's cache as the piece copies read it: 24- or 32-bit.
struct CacheReader {
  const TvxFast24* Fast24 = nullptr;
  const TvxFast32* Fast32 = nullptr;
  int Width = 0;
  int Height = 0;
  const uint8_t* Address(int x, int y) const {
    return Fast24 ? Fast24->Address(x, y) : Fast32->Address(x, y);
  }
};

// False when the cache is ready but cannot be read at all.
bool BindCache(const TCacheInfo& cache, CacheReader& reader, bool& have) {
  have = false;
  if (!cache.Ready || cache.Bmp.Empty()) return true;
  if (cache.Bmp.BytesPerPixel == 3 && SharedFast24.Attach(cache.Bmp)) {
    reader.Fast24 = &SharedFast24;
    reader.Width = SharedFast24.Width;
    reader.Height = SharedFast24.Height;
  } else if (cache.Bmp.BytesPerPixel == 4 && SharedFast32.Attach(cache.Bmp)) {
    reader.Fast32 = &SharedFast32;
    reader.Width = SharedFast32.Width;
    reader.Height = SharedFast32.Height;
  } else {
    return false;
  }
  have = true;
  return true;
}

enum class KeyAction { Mix, Skip, EndRow };

// How a magenta picture pixel at target (tx, ty) is filled from the cache.
KeyAction FillFromCache(const CacheReader& reader, const TCacheInfo& cache, int tx, int ty,
                        uint8_t* t) {
  const int cx = cache.X + tx, cy = cache.Y + ty;
  if (cy >= reader.Height) return KeyAction::Skip;
  if (cx >= reader.Width || cy < 0) return KeyAction::EndRow;
  if (cx < 0) return KeyAction::Skip;
  const uint8_t* c = reader.Address(cx, cy);
  t[0] = c[0];
  t[1] = c[1];
  t[2] = c[2];
  return KeyAction::Skip;
}

// Shared walk of both piece copies: clips rows and columns to the piece,
// the target and the source (mask rows included), then hands each magenta
// picture pixel to onKey, which paints it or asks for the mix or the row end.
bool RowHasMagenta(const uint8_t* p, int cols) {
  for (int c = 0; c < cols; ++c, p += 3)
    if (p[0] == 0xFF && p[1] == 0 && p[2] == 0xFF) return true;
  return false;
}

// keys: whether magenta picture pixels need onKey at all.
template <typename OnKey>
void CopyPiece(TRect dst, TRect src, const TPixelBufferView& target, const TsMaskData& item,
               const TPixelBufferView& source, bool keys, OnKey onKey) {
  if (!Is24BitView(target) || !Is24BitView(source)) return;
  int rows = std::min({src.Height(), dst.Height(), target.Height - dst.Top, source.Height - src.Top});
  int cols = std::min({src.Width(), dst.Width(), target.Width - dst.Left, source.Width - src.Left});
  if (rows <= 0 || cols <= 0) return;
  const int minLeft = std::min(dst.Left, src.Left);
  if (minLeft < 0) {
    dst.Left -= minLeft;
    src.Left -= minLeft;
    cols += minLeft;
  }
  const int minTop = std::min(dst.Top, src.Top);
  if (minTop < 0) {
    dst.Top -= minTop;
    src.Top -= minTop;
    rows += minTop;
  }
  const int maskOffset = item.SourceRect.Height() / 2;
  if (src.Top + maskOffset < 0) return;
  rows = std::min(rows, source.Height - maskOffset - src.Top);
  if (rows <= 0 || cols <= 0) return;

  for (int r = 0; r < rows; ++r) {
    const int ty = dst.Top + r;
    const uint8_t* p = source.Pixel(src.Left, src.Top + r);
    const uint8_t* m = source.Pixel(src.Left, src.Top + r + maskOffset);
    uint8_t* t = target.Pixel(dst.Left, ty);
    if (!keys || !RowHasMagenta(p, cols)) {
      MixRow(t, p, m, cols * 3);
      continue;
    }
    for (int c = 0; c < cols; ++c, p += 3, m += 3, t += 3) {
      if (p[0] == 0xFF && p[1] == 0 && p[2] == 0xFF) {
        const KeyAction a = onKey(dst.Left + c, ty, p, t);
        if (a == KeyAction::EndRow) break;
        if (a == KeyAction::Skip) continue;
      }
      t[0] = MixChannel(t[0], p[0], m[0]);
      t[1] = MixChannel(t[1], p[1], m[1]);
      t[2] = MixChannel(t[2], p[2], m[2]);
    }
  }
}

}  // namespace

void CopyImagePiece(TRect dst, TRect src, const TPixelBufferView& target, const TsMaskData& item,
                    bool parent_fill, const TCacheInfo& cache, const TPixelBufferView& source) {
  CacheReader reader;
  bool haveCache = false;
  if (parent_fill && !BindCache(cache, reader, haveCache)) return;
  const TColor fill = TransparentFillColor;
  CopyPiece(dst, src, target, item, source, parent_fill,
            [&](int tx, int ty, const uint8_t* p, uint8_t* t) {
              if (haveCache) return FillFromCache(reader, cache, tx, ty, t);
              if (fill == SkinTransparentColor) {
                t[0] = p[0];
                t[1] = p[1];
                t[2] = p[2];
              } else {
                WritePixelBytes(t, fill);
              }
              return KeyAction::Skip;
            });
}

void CopyMasterPiece(TRect dst, TRect src, const TPixelBufferView& target, const TsMaskData& item,
                     const TCacheInfo& cache) {
  if (!item.Manager || !item.Manager->MasterBitmap) return;
  CacheReader reader;
  bool haveCache = false;
  const TColor fill = TransparentFillColor;
  if (fill == SkinTransparentColor && !BindCache(cache, reader, haveCache)) return;
  CopyPiece(dst, src, target, item, item.Manager->MasterBitmap->View(), true,
            [&](int tx, int ty, const uint8_t*, uint8_t* t) {
              if (fill != SkinTransparentColor) {
                WritePixelBytes(t, fill);
                return KeyAction::Skip;
              }
              if (haveCache) return FillFromCache(reader, cache, tx, ty, t);
              return KeyAction::Skip;
            });
}

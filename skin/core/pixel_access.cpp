#include "skin/core/pixel_access.h"

#include <algorithm>

TvxFast24 SharedFast24;
TvxFast32 SharedFast32;
TvxFastSum24 SharedFastSum24;

namespace {

bool Bindable(const TPixelBufferView& v, int bytesPerPixel) {
  return v.FirstRow != nullptr && v.BytesPerPixel == bytesPerPixel && v.Width >= 2 &&
         v.Height >= 2 && v.RowDistance != 0;
}

template <typename Accessor>
bool AttachAccessor(Accessor& a, const TPixelBufferView& bitmap, int bytesPerPixel) {
  if (!Bindable(bitmap, bytesPerPixel)) {
    a.Width = 0;
    return false;
  }
  a.Bitmap = bitmap;
  a.Width = bitmap.Width;
  a.Height = bitmap.Height;
  a.FirstRow = bitmap.FirstRow;
  a.RowDelta = bitmap.Row(1) - bitmap.Row(0);
  return true;
}

}  // namespace

bool TvxFast24::Attach(const TPixelBufferView& bitmap) { return AttachAccessor(*this, bitmap, 3); }

bool TvxFast32::Attach(const TPixelBufferView& bitmap) { return AttachAccessor(*this, bitmap, 4); }

bool TvxFastSum24::Attach(const TPixelBufferView& source, const TPixelBufferView& target) {
  if (!Bindable(source, 3) || !Bindable(target, 3)) return false;
  Source = source;
  Target = target;
  Width = std::min(source.Width, target.Width);
  Height = std::min(source.Height, target.Height);
  SourceFirstRow = source.FirstRow;
  TargetFirstRow = target.FirstRow;
  SourceRowDelta = source.Row(1) - source.Row(0);
  TargetRowDelta = target.Row(1) - target.Row(0);
  return true;
}

void TvxFastSum24::Blend() {
  if (TargetFirstRow == nullptr || SourceFirstRow == nullptr) return;
  int dl = DstLeft, dt = DstTop, dr = DstRight, db = DstBottom;
  int sl = SrcLeft, st = SrcTop, sr = SrcRight, sb = SrcBottom;
  // Columns pair up from the left edges, rows from the bottom edges.
  if (dl < 0) { sl -= dl; dl = 0; }
  if (sl < 0) { dl -= sl; sl = 0; }
  dr = std::min(dr, Target.Width);
  sr = std::min(sr, Source.Width);
  if (db > Target.Height) { sb -= db - Target.Height; db = Target.Height; }
  if (sb > Source.Height) { db -= sb - Source.Height; sb = Source.Height; }
  dt = std::max(dt, 0);
  st = std::max(st, 0);
  const int cols = std::min(dr - dl, sr - sl);
  const int rows = std::min(db - dt, sb - st);
  if (cols <= 0 || rows <= 0) return;

  const ptrdiff_t bytes = static_cast<ptrdiff_t>(cols) * 3;
  for (int r = 0; r < rows; ++r) {
    uint8_t* t = TargetFirstRow + TargetRowDelta * (db - 1 - r) + static_cast<ptrdiff_t>(dl) * 3;
    const uint8_t* s =
        SourceFirstRow + SourceRowDelta * (sb - 1 - r) + static_cast<ptrdiff_t>(sl) * 3;
    BlendRow(t, s, bytes, Alpha);
  }
}

namespace {

// The sum stays below 65536, so 16-bit lanes hold it.
void BlendApart(uint8_t* __restrict t, const uint8_t* __restrict s, ptrdiff_t n, unsigned a) {
  const uint16_t wa = static_cast<uint16_t>(a), wn = static_cast<uint16_t>(255u - a);
  for (ptrdiff_t i = 0; i < n; ++i)
    t[i] = static_cast<uint8_t>(static_cast<uint16_t>(t[i] * wa + s[i] * wn + 127u) >> 8);
}

}  // namespace

void TvxFastSum24::BlendRow(uint8_t* t, const uint8_t* s, ptrdiff_t n, uint8_t alpha) {
  const unsigned a = alpha, na = 255u - a;
  // Rows of different memory may run forward; overlapping ones keep the
  // right-to-left order, which decides what a shifted copy reads.
  if (t + n <= s || s + n <= t) {
    BlendApart(t, s, n, a);
  } else if (t == s) {
    for (ptrdiff_t i = 0; i < n; ++i)
      t[i] = static_cast<uint8_t>((t[i] * a + t[i] * na + 127u) >> 8);
  } else {
    for (ptrdiff_t i = n - 1; i >= 0; --i)
      t[i] = static_cast<uint8_t>((t[i] * a + s[i] * na + 127u) >> 8);
  }
}

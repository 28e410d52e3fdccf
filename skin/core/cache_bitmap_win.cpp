#include "skin/core/cache_bitmap_win.h"

#include <algorithm>

#include "skin/core/bitmap_create_win.h"
#include "skin/core/common_data.h"

TsDibCacheBitmap::TsDibCacheBitmap() : bitmap_(CreateBitmap24(0, 0)) {}

void TsDibCacheBitmap::SetSize(int width, int height) {
  bitmap_->SetSize(std::max(width, 0), std::max(height, 0));
}

void TsDibCacheBitmap::Force24Bit() {
  if (bitmap_->PixelFormat() != pf24bit) bitmap_->SetPixelFormat(pf24bit);
}

TPixelBufferView TsDibCacheBitmap::PixelView() {
  if (bitmap_->Empty()) return TPixelBufferView{};
  return bitmap_->PixelView();
}

TBitmap* CacheBitmapOf(const TsCommonData* record) {
  if (!record || !record->CacheBitmap) return nullptr;
  auto* dib = dynamic_cast<TsDibCacheBitmap*>(record->CacheBitmap.get());
  return dib ? dib->Bitmap() : nullptr;
}

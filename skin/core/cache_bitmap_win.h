// The cache of the Windows build: a 24-bit DIB section, so GDI can draw
// captions on it and copy it to the screen.
#pragma once

#include <memory>

#include "platform/graphics/bitmap.h"
#include "skin/core/cache_bitmap.h"

class TsCommonData;

class TsDibCacheBitmap : public TsCacheBitmap {
 public:
  TsDibCacheBitmap();
  int Width() const override { return bitmap_->Width(); }
  int Height() const override { return bitmap_->Height(); }
  void SetSize(int width, int height) override;
  void Force24Bit() override;
  TPixelBufferView PixelView() override;
  TBitmap* Bitmap() const { return bitmap_.get(); }

 private:
  std::unique_ptr<TBitmap> bitmap_;
};

// The record's cache as a bitmap; nullptr without cache.
TBitmap* CacheBitmapOf(const TsCommonData* record);

// A control's cache: the finished look of a skinned control, 24 bits per
// pixel, from which its children copy their background. The Windows build
// keeps it in a DIB section (cache_bitmap_win.h) so GDI can draw on it and
// copy it to the screen; portable code sees only its pixels.
#pragma once

#include <memory>

#include "platform/graphics/pixel_buffer.h"

class TsCacheBitmap {
 public:
  virtual ~TsCacheBitmap() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Pixels that remain inside are kept; 0 x 0 frees the pixels.
  virtual void SetSize(int width, int height) = 0;
  // 24 bits per pixel, device-independent (a no-op where nothing else exists).
  virtual void Force24Bit() {}
  // The pixels, after any pending drawing has landed. Empty when 0 x 0.
  virtual TPixelBufferView PixelView() = 0;

  bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }
};

// The cache of the portable build: a plain pixel buffer.
class TsBufferCacheBitmap : public TsCacheBitmap {
 public:
  int Width() const override { return buffer_.Width(); }
  int Height() const override { return buffer_.Height(); }
  void SetSize(int width, int height) override;
  TPixelBufferView PixelView() override { return buffer_.View(); }

 private:
  TPixelBuffer buffer_;
};

// Pixel accessors bound to one bitmap at a time. Rows are reached from row 0
// by the signed distance between rows 0 and 1, so top-down and bottom-up
// bitmaps work alike. The accessors test no bounds: callers clip first.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/graphics/colors.h"
#include "platform/graphics/pixel_buffer.h"

// A key colour passes through here before it is compared with pixels.
inline TColor KeyColorValue(TColor key) { return key; }

// A key argument with 0xFF in its top byte means "no key".
inline bool HasKeyColor(TColor key) { return (static_cast<uint32_t>(key) >> 24) != 0xFF; }

// True when the three bytes at p (blue, green, red) equal the key's low three bytes.
inline bool PixelIsKey(const uint8_t* p, TColor key) {
  const uint32_t k = static_cast<uint32_t>(key);
  return p[0] == ((k >> 16) & 0xFF) && p[1] == ((k >> 8) & 0xFF) && p[2] == (k & 0xFF);
}

inline TColor ReadPixelBytes(const uint8_t* p) {
  return static_cast<TColor>(p[2] | (p[1] << 8) | (p[0] << 16));
}

inline void WritePixelBytes(uint8_t* p, TColor c) {
  const uint32_t v = static_cast<uint32_t>(c);
  p[0] = static_cast<uint8_t>(v >> 16);
  p[1] = static_cast<uint8_t>(v >> 8);
  p[2] = static_cast<uint8_t>(v);
}

// A view that the 24-bit routines accept: pixels, three bytes each, at least
// one row and column.
inline bool Is24BitView(const TPixelBufferView& v) {
  return v.BytesPerPixel == 3 && !v.Empty();
}

class TvxFast24 {
 public:
  // False (Width 0) for a bitmap under 2 x 2 or of another pixel format.
  bool Attach(const TPixelBufferView& bitmap);

  void WritePixel(int x, int y, TColor color) { WritePixelBytes(Address(x, y), color); }
  TColor ReadPixel(int x, int y) const { return ReadPixelBytes(Address(x, y)); }
  uint8_t* Address(int x, int y) const {
    return FirstRow + RowDelta * y + static_cast<ptrdiff_t>(x) * 3;
  }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }

  TPixelBufferView Bitmap;
  int Width = 0;
  int Height = 0;
  ptrdiff_t RowDelta = 0;
  uint8_t* FirstRow = nullptr;
};

class TvxFast32 {
 public:
  bool Attach(const TPixelBufferView& bitmap);

  // The colour's top byte is stored as alpha.
  void WritePixel(int x, int y, TColor color) {
    uint8_t* p = Address(x, y);
    WritePixelBytes(p, color);
    p[3] = static_cast<uint8_t>(static_cast<uint32_t>(color) >> 24);
  }
  // Low three bytes are the pixel; the top byte repeats red (not alpha).
  TColor ReadPixel(int x, int y) const {
    const uint8_t* p = Address(x, y);
    return static_cast<TColor>(static_cast<uint32_t>(ReadPixelBytes(p)) |
                               (static_cast<uint32_t>(p[2]) << 24));
  }
  uint8_t* Address(int x, int y) const {
    return FirstRow + RowDelta * y + static_cast<ptrdiff_t>(x) * 4;
  }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }

  TPixelBufferView Bitmap;
  int Width = 0;
  int Height = 0;
  ptrdiff_t RowDelta = 0;
  uint8_t* FirstRow = nullptr;
};

// Blends a rectangle of one 24-bit bitmap into another:
// target = (target * Alpha + source * (255 - Alpha) + 127) >> 8.
class TvxFastSum24 {
 public:
  // False when either bitmap is under 2 x 2 or not 24-bit.
  bool Attach(const TPixelBufferView& source, const TPixelBufferView& target);
  // Rectangles exclusive of Right and Bottom. Rows run from Bottom - 1 up to
  // Top, bytes from the right end down; source and target rows are matched
  // from the bottom. Both rectangles are clipped to their bitmaps and to each
  // other's size first, so a careless caller cannot leave either bitmap.
  void Blend();
  // One row of n bytes, last byte first.
  static void BlendRow(uint8_t* target, const uint8_t* source, ptrdiff_t n, uint8_t alpha);

  TPixelBufferView Source;
  TPixelBufferView Target;
  int Width = 0;
  int Height = 0;
  uint8_t* SourceFirstRow = nullptr;
  uint8_t* TargetFirstRow = nullptr;
  ptrdiff_t SourceRowDelta = 0;
  ptrdiff_t TargetRowDelta = 0;
  uint8_t Alpha = 0;
  int DstLeft = 0, DstTop = 0, DstRight = 0, DstBottom = 0;
  int SrcLeft = 0, SrcTop = 0, SrcRight = 0, SrcBottom = 0;
};

// The process-wide accessors every painter binds. A routine that holds one
// must not call another routine that binds the same instance.
extern TvxFast24 SharedFast24;
extern TvxFast32 SharedFast32;
extern TvxFastSum24 SharedFastSum24;

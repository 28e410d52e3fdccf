// Portable pixel storage shared by the skin engine and the GDI bitmap.
//
// A view addresses rows from the first row by a signed row distance, never by
// width * bytes: a bottom-up DIB has a negative distance, a top-down buffer a
// positive one. Pixels are blue, green, red (24-bit) or blue, green, red,
// alpha (32-bit), as Windows DIBs store them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct TPixelBufferView {
  uint8_t* FirstRow = nullptr;   // row 0 (the top row of the picture)
  ptrdiff_t RowDistance = 0;     // bytes from row y to row y + 1, signed
  int Width = 0;
  int Height = 0;
  int BytesPerPixel = 3;         // 3 or 4

  bool Empty() const { return FirstRow == nullptr || Width <= 0 || Height <= 0; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
  uint8_t* Row(int y) const { return FirstRow + RowDistance * y; }
  uint8_t* Pixel(int x, int y) const { return Row(y) + static_cast<ptrdiff_t>(x) * BytesPerPixel; }
};

// An owning buffer with DIB row padding (rows aligned to 4 bytes).
class TPixelBuffer {
 public:
  enum class Orientation { TopDown, BottomUp };

  TPixelBuffer() = default;
  TPixelBuffer(int width, int height, int bytesPerPixel = 3,
               Orientation orientation = Orientation::BottomUp) {
    Resize(width, height, bytesPerPixel, orientation);
  }

  void Resize(int width, int height, int bytesPerPixel = 3,
              Orientation orientation = Orientation::BottomUp) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    width_ = width;
    height_ = height;
    bpp_ = bytesPerPixel == 4 ? 4 : 3;
    orientation_ = orientation;
    stride_ = ((static_cast<ptrdiff_t>(width_) * bpp_) + 3) & ~static_cast<ptrdiff_t>(3);
    data_.assign(static_cast<size_t>(stride_) * static_cast<size_t>(height_), 0);
  }

  TPixelBufferView View() {
    TPixelBufferView v;
    v.Width = width_;
    v.Height = height_;
    v.BytesPerPixel = bpp_;
    if (data_.empty()) return v;
    if (orientation_ == Orientation::TopDown) {
      v.FirstRow = data_.data();
      v.RowDistance = stride_;
    } else {
      v.FirstRow = data_.data() + stride_ * (height_ - 1);
      v.RowDistance = -stride_;
    }
    return v;
  }

  int Width() const { return width_; }
  int Height() const { return height_; }
  int BytesPerPixel() const { return bpp_; }
  ptrdiff_t Stride() const { return stride_; }
  Orientation RowOrder() const { return orientation_; }
  // Raw storage in memory order (bottom row first when BottomUp), as a DIB.
  uint8_t* Data() { return data_.data(); }
  const uint8_t* Data() const { return data_.data(); }
  size_t SizeInBytes() const { return data_.size(); }

 private:
  std::vector<uint8_t> data_;
  int width_ = 0;
  int height_ = 0;
  int bpp_ = 3;
  ptrdiff_t stride_ = 0;
  Orientation orientation_ = Orientation::BottomUp;
};

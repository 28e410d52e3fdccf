// A bitmap held as a DIB section, bottom-up as the platform stores it.
//
// Row y (0 = top) lies at ScanLine(y); rows are reached from row 0 by the
// signed distance ScanLine(1) - ScanLine(0), which is negative. PixelView()
// hands the same memory to portable code without copying. Both flush GDI
// first, so pixels drawn through the canvas are there to read.
#pragma once

#include <memory>

#include "platform/graphics/graphic.h"
#include "platform/graphics/pixel_buffer.h"

// pfDevice is kept as a DIB of the screen's depth (32 bits unless the
// screen has 24), so that scan lines work for every format.
enum TPixelFormat { pfDevice, pf24bit, pf32bit };
enum TBitmapHandleType { bmDIB, bmDDB };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmapCanvas;

class TBitmap : public TGraphic {
 public:
  TBitmap();
  TBitmap(int width, int height, TPixelFormat format = pf24bit);
  ~TBitmap() override;

  bool Empty() const override { return width_ <= 0 || height_ <= 0; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // Resizing keeps the pixels that remain inside; new pixels take the
  // canvas brush colour (white at first).
  void SetWidth(int width) override { SetSize(width, height_); }
  void SetHeight(int height) override { SetSize(width_, height); }
  void SetSize(int width, int height);

  TPixelFormat PixelFormat() const { return format_; }
  // Converts the pixels to the new format (24 to 32 bits gives alpha 0).
  void SetPixelFormat(TPixelFormat format);
  // bmDDB for pfDevice; setting bmDIB on a pfDevice bitmap picks the
  // explicit format of the same depth.
  TBitmapHandleType HandleType() const { return format_ == pfDevice ? bmDDB : bmDIB; }
  void SetHandleType(TBitmapHandleType type);
  int BitsPerPixel() const { return bitsPerPixel_; }

  // EInvalidGraphicOperation "Scan line index out of range" outside 0..Height-1.
  void* ScanLine(int row);
  TPixelBufferView PixelView();

  // A memory DC with the bitmap selected, made on first use.
  TCanvas* Canvas();
  // The DIB section (nullptr when empty). Takes the bitmap out of its
  // canvas's DC first (unless the canvas is locked), so the handle can be
  // selected elsewhere; the canvas makes a new DC when drawn on again.
  HBITMAP Handle();
  bool HandleAllocated() const { return dib_ != nullptr; }
  // Gives the DIB section to the caller, who deletes it; the bitmap is
  // empty afterwards.
  HBITMAP ReleaseHandle();

  // tmAuto: the bottom-left pixel; tmFixed: the colour set. Setting a
  // colour other than clDefault makes the mode tmFixed.
  TColor TransparentColor();
  void SetTransparentColor(TColor color);
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode mode);

  // BMP files of every common kind (see bmp_codec.h); saving writes 24 bits
  // (32 for a 32-bit bitmap).
  void LoadFromStream(TStream* stream) override;
  void SaveToStream(TStream* stream) override;

  // From a TBitmap, a TJPEGImage, any other TGraphic (drawn), or nullptr
  // (empty).
  void Assign(TPersistent* source) override;
  // Replaces the pixels by a copy of a buffer (3 or 4 bytes per pixel).
  void AssignPixels(const TPixelBufferView& pixels);

 protected:
  void Draw(TCanvas* canvas, const TRect& rect) override;

 private:
  friend class TBitmapCanvas;
  // Replaces the DIB; the old one is deleted after the copy function ran.
  void Rebuild(int width, int height, TPixelFormat format, bool keepPixels);
  static int StorageBits(TPixelFormat format);
  void FreeContext();

  HBITMAP dib_ = nullptr;
  uint8_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int bitsPerPixel_ = 32;
  ptrdiff_t stride_ = 0;
  TPixelFormat format_ = pfDevice;
  TColor transparentColor_ = clDefault;
  TTransparentMode transparentMode_ = tmAuto;
  std::unique_ptr<TBitmapCanvas> canvas_;
};

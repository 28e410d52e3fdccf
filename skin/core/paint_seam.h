// The few painting operations that only the platform's GDI can do exactly:
// the halftone stretch, the triangle gradient fill, the pen-less round
// rectangle and window regions. The Windows build installs the GDI answers
// (UseWindowsPaintSeam in paint_seam_win.cpp); native builds keep the
// portable default, which approximates the drawing and keeps regions as
// recorded rectangle operations that tests can query.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/graphics/colors.h"
#include "platform/graphics/pixel_buffer.h"
#include "platform/graphics/geometry.h"

// An HRGN in the Windows build; a TRecordedRegion* with the portable seam.
using TRegionHandle = void*;

enum class TRegionCombine { Diff, Xor };

// Channels as GDI's TRIVERTEX takes them: byte x 256.
struct TGradientVertex {
  int X = 0;
  int Y = 0;
  uint16_t Red = 0;
  uint16_t Green = 0;
  uint16_t Blue = 0;
  uint16_t Alpha = 0;
};

struct TGradientTriangle {
  unsigned V1 = 0, V2 = 0, V3 = 0;
};

class TPaintSeam {
 public:
  virtual ~TPaintSeam() = default;

  // StretchBlt SRCCOPY in HALFTONE mode from src of source to dst of target.
  // Both views are 24-bit; pixels outside target are never written.
  virtual void StretchHalftone(const TPixelBufferView& target, const TRect& dst,
                               const TPixelBufferView& source, const TRect& src) = 0;

  // GradientFill with GRADIENT_FILL_TRIANGLE on a 24-bit target; vertex
  // coordinates are target pixels.
  virtual void FillGradientTriangles(const TPixelBufferView& target,
                                     const std::vector<TGradientVertex>& vertices,
                                     const std::vector<TGradientTriangle>& triangles) = 0;

  // RoundRect(r, corner, corner) with no pen and a solid brush of the colour
  // (the pen-less shape covers Left..Right - 1 and Top..Bottom - 1).
  virtual void FillRoundRect(const TPixelBufferView& target, const TRect& r, int corner,
                             TColor color) = 0;

  // CreateRectRgn; the caller owns the result and frees it with DeleteRegion.
  virtual TRegionHandle CreateRectRegion(const TRect& r) = 0;
  // CombineRgn(region, region, rectangle region, mode).
  virtual void CombineRectWithRegion(TRegionHandle region, const TRect& r,
                                     TRegionCombine mode) = 0;
  virtual void DeleteRegion(TRegionHandle region) = 0;
};

// The seam in use; never null.
TPaintSeam& PaintSeam();
// Installs another seam (not owned); nullptr restores the portable default.
void SetPaintSeam(TPaintSeam* seam);

// Windows build only: installs the GDI answers.
void UseWindowsPaintSeam();

// A region of the portable seam: a starting rectangle and the rectangles
// combined into it since, replayed for each query.
class TRecordedRegion {
 public:
  explicit TRecordedRegion(const TRect& start) : start_(start) {}
  void Combine(const TRect& r, TRegionCombine mode) { ops_.push_back({r, mode}); }
  bool Contains(int x, int y) const;
  // True when no pixel of the starting rectangle's area remains.
  bool IsEmpty() const;
  const TRect& Start() const { return start_; }

 private:
  struct Op {
    TRect Rect;
    TRegionCombine Mode;
  };
  TRect start_;
  std::vector<Op> ops_;
};

// The portable seam, also usable as a base for recorders in tests.
class TPortablePaintSeam : public TPaintSeam {
 public:
  void StretchHalftone(const TPixelBufferView& target, const TRect& dst,
                       const TPixelBufferView& source, const TRect& src) override;
  void FillGradientTriangles(const TPixelBufferView& target,
                             const std::vector<TGradientVertex>& vertices,
                             const std::vector<TGradientTriangle>& triangles) override;
  void FillRoundRect(const TPixelBufferView& target, const TRect& r, int corner,
                     TColor color) override;
  TRegionHandle CreateRectRegion(const TRect& r) override;
  void CombineRectWithRegion(TRegionHandle region, const TRect& r, TRegionCombine mode) override;
  void DeleteRegion(TRegionHandle region) override;
};

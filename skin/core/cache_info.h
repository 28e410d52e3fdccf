// Where a control finds its parent's finished look: the parent's cache
// pixels and the control's offset in them.
#pragma once

#include "platform/graphics/pixel_buffer.h"

struct TCacheInfo {
  TPixelBufferView Bmp;  // empty view: no cache
  int X = -99;
  int Y = -99;
  bool Ready = false;
};

inline TCacheInfo MakeCacheInfo(const TPixelBufferView& bmp, int x, int y) {
  TCacheInfo info;
  info.Bmp = bmp;
  info.X = x;
  info.Y = y;
  info.Ready = true;
  return info;
}

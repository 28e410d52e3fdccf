// The hint picture's pixel work: the body's fill (colour, texture, gradient
// and their mix), the shape's traced edge and the per-pixel alpha of a
// layered hint. 24-bit bitmaps unless said otherwise.
#pragma once

#include <string>

#include "platform/graphics/colors.h"
#include "platform/graphics/geometry.h"
#include "platform/graphics/pixel_buffer.h"

struct THintFill {
  TColor Color = 0;  // resolved, no system colour
  int GradientPercent = 0;
  std::string GradientData;
  int TexturePercent = 0;
  TPixelBufferView Texture;  // empty: none
};
// Fills the body; answers the gradient percent to keep, 0 when the gradient
// data gave no steps (it would otherwise be parsed again on every paint).
int PaintHintBackground(const TPixelBufferView& bitmap, const TRect& body, const THintFill& fill);

// A mask pixel is inside the shape when its channels sum below 765 (white).
inline bool InsideMask(const TPixelBufferView& mask, int x, int y) {
  const uint8_t* p = mask.Pixel(x, y);
  return p[0] + p[1] + p[2] < 765;
}
// Inside pixels whose left or upper neighbour is outside (or off the bitmap)
// take the top colour; else those whose right or lower neighbour is outside
// take the bottom one. The mask is the bitmap's size.
void TraceShapeEdge(const TPixelBufferView& bitmap, const TPixelBufferView& mask, TColor top,
                    TColor bottom);

// The 32-bit layered picture: outside the shape (mask red 255) black with
// alpha 255 - the shadow's red, premultiplied; inside the image, opaque.
// All four bitmaps are the same size.
void ComposeLayeredImage(const TPixelBufferView& target32, const TPixelBufferView& image,
                         const TPixelBufferView& mask, const TPixelBufferView& shadow);

// Pictures the skin kit draws for its test skins, and their file forms.
// Every colour is chosen so that a test can tell sections, states and
// pieces apart by reading pixels back.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/graphics/colors.h"
#include "platform/graphics/pixel_buffer.h"

namespace brsm::kit {

constexpr TColor Magenta = 0xFF00FF;

// A distinct, never grey, never magenta colour for (group, index).
TColor KitColor(int group, int index);

void SetPixel(TPixelBuffer& picture, int x, int y, TColor color);
TColor GetPixel(const TPixelBuffer& picture, int x, int y);
void FillRect(TPixelBuffer& picture, int left, int top, int right, int bottom, TColor color);

TPixelBuffer SolidPicture(int width, int height, TColor color);

// Frames side by side, one per state: frame i is framed by a band of
// `edge` pixels in Shade(colors[i]) with corner cells in Corner(colors[i])
// around a centre of colors[i]. With magentaCorners the outermost corner
// pixel of each frame corner (a triangle of `edge` pixels) is magenta.
// With a mask row (rows = 2) the lower half is the per-channel mask: 0
// (show the picture) everywhere but 255 (keep what is under) where the
// upper half has magenta corners.
TPixelBuffer FramesPicture(int frameWidth, int frameHeight, const std::vector<TColor>& colors,
                           int edge, bool magentaCorners, int rows);
TColor Shade(TColor color);
TColor Corner(TColor color);

// Glyph frames on magenta: frame i holds a square of colors[i] inset by a
// quarter of the frame size.
TPixelBuffer GlyphStrip(int frameWidth, int frameHeight, const std::vector<TColor>& colors);

// A smooth picture (diagonal bands and a ramp) that compresses well as JPEG.
TPixelBuffer PatternPicture(int width, int height, int seed);

std::vector<uint8_t> BmpBytes(TPixelBuffer& picture);
std::vector<uint8_t> JpegBytes(TPixelBuffer& picture, int quality = 90);

}  // namespace brsm::kit

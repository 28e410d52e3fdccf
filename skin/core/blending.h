// Mixing pixels: with a colour, with another bitmap by a weight or an alpha
// byte, through a per-channel mask, and the frames of a fade. Bitmaps are
// 24-bit unless said otherwise; every routine clips to every bitmap it
// touches, whatever rectangle it is given.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/graphics/colors.h"
#include "platform/graphics/pixel_buffer.h"
#include "platform/graphics/geometry.h"

// Logical shift by 8 of a mix sum, limited to a byte: a negative sum shifts
// in as a large unsigned value and ends at 255.
inline uint8_t ShiftMix(int32_t sum) {
  const uint32_t v = static_cast<uint32_t>(sum) >> 8;
  return static_cast<uint8_t>(v > 255 ? 255 : v);
}

// ((a - b) * weight + b * 256) shr 8, clamped: weight 256 is a, 0 is b.
inline uint8_t MixChannel(int a, int b, int weight) { return ShiftMix((a - b) * weight + b * 256); }

// MixChannel over n bytes with byte weights, where no clamp is needed.
void MixRow(uint8_t* target, const uint8_t* picture, const uint8_t* mask, int n);

// The rectangle is inclusive here: Right and Bottom are lowered to width - 1
// and height - 1, so 0,0,10,10 covers 11 x 11 pixels. Per channel
// Round(f * pixel + (1 - f) * colour) with f = percent / 100.
void BlendRectWithColor(const TPixelBufferView& bitmap, TRect rect, uint8_t percent, TColor color);

// Lays the inclusive source rectangle (clipped to the source) on the target
// at x, y: Round(source - weight * (source - target)) per channel. Source
// pixels of the key are skipped unless the key's top byte is 0xFF (no key).
// Weight 0 copies, 1 keeps the target.
void BlendRectKeyed(const TPixelBufferView& target, int x, int y, TColor key, double weight,
                    TRect source_rect, const TPixelBufferView& source);

// target = (target * alpha + source * (255 - alpha) + 127) shr 8 over the
// whole bitmap; nothing when the sizes differ or either is under 2 x 2.
// A white target under alpha 255 ends at 254.
void BlendWholeBitmap(const TPixelBufferView& target, const TPixelBufferView& source,
                      uint8_t alpha);

// The same blend for a source rectangle placed with its top-left at point.
void BlendBitmapRect(const TPixelBufferView& target, const TPixelBufferView& source,
                     uint8_t alpha, TPoint point, TRect source_rect);

// Per channel (c * 256 + m * (p - c)) shr 8: a white mask keeps the pixel,
// black gives the colour. Nothing unless bitmap and mask are the same size.
void TintThroughMask(const TPixelBufferView& bitmap, const TPixelBufferView& mask, TColor color);

// For each pixel of the rectangle (the same place in all three bitmaps):
// target = ((target - source) * mask + source * 256) shr 8 per channel.
void MixThroughMask(const TPixelBufferView& target, const TPixelBufferView& source,
                    const TPixelBufferView& mask, TRect rect);

// Fills the 32-bit frame with ((first - second) * w + second * 256) shr 8
// per channel, w the weight or the mask pixel's channel when a mask is given;
// the frame's fourth byte is left as it is. first and second must be the
// same size; the frame and mask may be smaller (their area is mixed).
void MixFadeFrame(const TPixelBufferView& frame, const TPixelBufferView& first,
                  const TPixelBufferView& second, int weight, const TPixelBufferView* mask);

// The weights of the frames a fade of `time_ms` shows before its final
// image: none below 8 ms; else steps = time shr 3 and weights 255, 255 -
// delta, ... for i = 0..steps with delta = 255 div steps.
std::vector<int> FadeFrameWeights(int time_ms);

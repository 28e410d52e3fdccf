// The pixel work of a button glyph taken from an image list: the two-frame
// strip an unskinned button shows, and the image laid into a skinned
// button's cache. Reading the list itself is the Windows half's job
// (bit_btn_glyph.h); here the image is a 24-bit picture whose background
// is the key colour.
#pragma once

#include "platform/graphics/colors.h"
#include "platform/graphics/geometry.h"
#include "platform/graphics/pixel_buffer.h"
#include "skin/core/section_painting.h"

// Twice as wide as the image: the image, then its disabled frame. An empty
// kind repeats the image. Otherwise the disabled frame is `face` (the
// button face colour) under the image, greyed except the key with
// dgGrayed, half mixed with dgBlended, else copied keyed with its
// bottom-left pixel set to magenta.
TPixelBuffer MakeImageListGlyphFrames(const TPixelBufferView& image, TColor key,
                                      TsDisabledGlyphKind kind, TColor face);

struct TsImageGlyphLook {
  bool Enabled = true;
  bool Active = false;  // the button's hot look
  bool Grayed = false;  // grey while not active
  int Blend = 0;        // percent
  TsDisabledGlyphKind DisabledKind{dgBlended};
  // The colour kept when greying is the image's pixel here (the top-left
  // one for the bit-map button).
  TPoint KeepPixel{0, 0};
};

// Lays the image (modified in place when greyed) into the target with its
// top-left at `at`; key pixels leave the target as it is.
void PaintImageListGlyph(const TPixelBufferView& target, TPoint at, const TPixelBufferView& image,
                         TColor key, const TsImageGlyphLook& look);

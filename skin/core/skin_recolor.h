// Turning a loaded skin's hue and saturation. Magenta (the key colour) and
// grey pixels keep their colour, so see-through parts and neutral shades
// stay as they are.
#pragma once

#include "platform/graphics/pixel_buffer.h"

class TsSkinContent;

// Turns the hue of every coloured pixel by `degrees`; 0 changes nothing.
void ApplyHueOffset(TsSkinContent& skin, int degrees);
// Moves every coloured pixel toward grey (positive) or away from it; 0
// changes nothing.
void ApplySaturation(TsSkinContent& skin, int amount);

// The pixel rule of both, over one 24-bit view.
void RecolorHue(const TPixelBufferView& pixels, int degrees);
void RecolorSaturation(const TPixelBufferView& pixels, int amount);

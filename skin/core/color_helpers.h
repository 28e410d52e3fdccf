// Colour arithmetic on TColor values (0x00BBGGRR).
#pragma once

#include <cstdint>

#include "platform/graphics/colors.h"

inline uint8_t RedOf(TColor c) { return static_cast<uint8_t>(c & 0xFF); }
inline uint8_t GreenOf(TColor c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
inline uint8_t BlueOf(TColor c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }

// Red and blue exchanged, green kept, top byte cleared.
TColor SwapRedBlue(TColor color);

// Per channel Round(factor * (a - b) + b): factor 1 gives a, 0 gives b. The
// result keeps a's top byte.
TColor InterpolateColor(TColor a, TColor b, double factor);

// Positive amounts move toward grey (100 is grey), negative ones away from
// it; 0 returns the colour bit for bit.
TColor ChangeColorSaturation(TColor color, int amount);

// Turns the hue by the given degrees (any sign) through an HSV round trip.
TColor ChangeColorHue(int degrees, TColor color);

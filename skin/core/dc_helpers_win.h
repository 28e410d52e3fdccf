// Two plain device-context helpers of the painting library.
#pragma once

#include "platform/graphics/gdi.h"
#include "platform/graphics/colors.h"

// Fills the rectangle with a solid brush of ColorToRGB(color); the DC's
// state is saved and restored around it.
void FillRectOnDC(HDC dc, const TRect& rect, TColor color);

// Copies the left, top, right and bottom bands, `thickness` wide, of the
// rectangle x, y, width, height from the source DC (at source_x, source_y)
// to the same places on the target DC.
void CopyBorderFrame(HDC target, int x, int y, int width, int height, HDC source, int source_x,
                     int source_y, int thickness);

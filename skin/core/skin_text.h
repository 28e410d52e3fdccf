// Text in a section's colours: the contour passes that emboss or outline a
// caption, the disabled mix, cutting text to a width with "...", and the
// pixel pattern of the dotted focus frame. The drawing itself is in
// skin_text_win.h.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/graphics/colors.h"
#include "platform/graphics/geometry.h"

struct TsGeneralData;

// One DrawText of the whole string, the rectangle moved by DX, DY.
struct TsTextPass {
  TColor Color = 0;
  int DX = 0;
  int DY = 0;
  bool operator==(const TsTextPass&) const = default;
};

// The contours that are set (left, top, right, bottom, each one pixel
// out), then the text colour; the hot colours when hot.
std::vector<TsTextPass> SectionTextPasses(const TsGeneralData& section, bool hot);
// 40 percent text colour, 60 percent background.
TColor DisabledTextColor(const TsGeneralData& section);

// The text when it fits; else cut from the end with "..." appended; empty
// for a width below 1 or when no character is left.
std::string CutTextToWidth(const std::string& text, int width,
                           const std::function<int(const std::string&)>& textWidth);

// Along each edge a black pixel every third pixel and a white one up and
// left of it.
void ForEachDottedFramePixel(const TRect& rect, const std::function<void(int x, int y, TColor c)>& put);

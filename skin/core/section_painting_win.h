// Painting a section straight onto a device context.
#pragma once

#include <string>

#include "platform/graphics/gdi.h"
#include "skin/core/cache_info.h"

class TsSkinManager;

// PaintSection into a temporary bitmap of the rectangle's size, then copied
// to the rectangle on the DC, whose state is kept.
void PaintSectionToDC(int sectionIndex, const std::string& sectionName, const TCacheInfo& cache,
                      TsSkinManager* manager, HDC dc, TPoint offset, TRect rect, int state,
                      bool fillCentre);

// The ready-made hint looks a hint manager's Predefinitions chooses.
#pragma once

#include <string>

#include "platform/graphics/colors.h"
#include "skin/controls/hint_types.h"

struct THintPreset {
  TsHintStyle Style;
  int BevelWidth;
  int ExOffset;  // -1: left as it is
  int MarginH;
  int MarginV;
  int MaxWidth;
  int Radius;  // -1: left as it is
  TColor Color;
  int Transparency;
  TColor ColorBorderTop;
  TColor ColorBorderBottom;
  int Bevel;
  int GradientPercent;
  int ShadowBlur;
  int ShadowOffset;
  int ShadowTransparency;
  const char* GradientData;  // "" clears it
};

// The preset's values; nullptr for shStandard, shNone and shCustom, which
// set only the style (or nothing).
const THintPreset* HintPreset(TsHintsPredefinitions preset);

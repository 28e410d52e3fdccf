#include "skin/controls/label_colors.h"

#include "skin/core/color_helpers.h"
#include "skin/core/skin_constants.h"

bool LabelShowsSection(const std::string& section, bool managerActive, int sectionIndex) {
  return !section.empty() && managerActive && sectionIndex > 0;
}

TColor LabelTextColor(TColor own, bool followsSkin, bool skinLoaded, TColor globalText) {
  if (!followsSkin || !skinLoaded || globalText == SkinTransparentColor) return own;
  return globalText;
}

TColor DisabledLabelColor(TColor fontColor, TColor parentBack) {
  return InterpolateColor(ColorToRGB(fontColor), ColorToRGB(parentBack), 0.4);
}

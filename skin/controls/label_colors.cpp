#include "skin/controls/label_colors.h"

#include "skin/core/color_helpers.h"

bool LabelShowsSection(const std::string& section, bool managerActive, int sectionIndex) {
  return !section.empty() && managerActive && sectionIndex > 0;
}

TColor DisabledLabelColor(TColor fontColor, TColor parentBack) {
  return InterpolateColor(ColorToRGB(fontColor), ColorToRGB(parentBack), 0.4);
}

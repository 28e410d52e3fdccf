// The colour decisions of the skinned labels: whether a label paints its
// section's look, and the text of a disabled label over its parent.
#pragma once

#include <string>

#include "platform/graphics/colors.h"

// A section look only for a named section with an index above 0 of an
// active manager: the skin's first section never paints behind a label.
bool LabelShowsSection(const std::string& section, bool managerActive, int sectionIndex);

// 40 percent of the text colour over 60 percent of the parent's background;
// system colours are taken as RGB first.
TColor DisabledLabelColor(TColor fontColor, TColor parentBack);

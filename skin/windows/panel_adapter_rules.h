// What the adapters of group boxes, panels and statics decide without a
// window: a panel's section from its bevels, a dialog panel's section from
// its control's class, the group box's caption rectangle and a link's text.
#pragma once

#include <string>
#include <string_view>

#include "platform/graphics/geometry.h"

// The bevels as the panel publishes them (0 none, 1 lowered, 2 raised,
// 3 space) and whether it has a single border.
std::string PanelSectionOfBevels(int bevelOuter, int bevelInner, bool singleBorder);
// "CHECKBOX" for a control of class exactly "TPanel", else "GROUPBOX".
std::string DialogPanelSection(bool hasControl, std::string_view className);

// Left 6, a caption of textWidth with 8 pixels after it, cut one pixel
// before the right edge; the height is the text's, at least 4, plus 2.
TRect GroupCaptionRect(int windowWidth, TSize text);

// The text without its "<A>" and "</A>" tags.
std::string StripLinkTags(std::string_view text);

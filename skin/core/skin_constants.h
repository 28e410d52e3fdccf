// Library-wide values of the skin engine: the key colour, the empty
// cache-info record and the default class lists of the manager's ThirdParty
// property.
#pragma once

#include <string>

#include "skin/core/cache_info.h"

// Pixels of this colour in skin masks and glyphs are see-through; colour
// answers use it for "no colour".
constexpr int SkinTransparentColor = 0xFF00FF;

// What painters receive when a control has no parent background.
extern const TCacheInfo EmptyCacheInfo;

// The system's horizontal scroll-bar arrow width, asked once of each
// platform installed (the Windows answers are installed at start-up).
int CachedHScrollArrowWidth();

// The 13 ThirdParty lists, by the manager's list index.
enum TThirdPartyIndex {
  tpEdits = 0, tpButtons, tpBitBtns, tpCheckBoxes, tpComboBoxes, tpGrids,
  tpGroupBoxes, tpListViews, tpPanels, tpTreeViews, tpWWEdits, tpGridEh,
  tpVirtualTrees
};
constexpr int ThirdPartyListCount = 13;

// Default class names of one list, CR LF separated (no trailing line break);
// empty for an index outside 0..12.
const std::string& DefaultThirdPartyList(int index);

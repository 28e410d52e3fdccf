// The kit's ready-made skins.
#pragma once

#include <string>
#include <vector>

#include "tools/skinkit/kit_skin.h"

namespace brsm::kit {

// Sections of "Marl" in the order they are written; section i has
// COLOR KitColor(i, 0), HOTCOLOR KitColor(i, 1), FONTCOLOR KitColor(i, 2),
// HOTFONTCOLOR KitColor(i, 3), and its frames (state s) are drawn in
// KitColor(i, 10 + s).
const std::vector<std::string>& MarlSections();
int MarlSectionIndex(const std::string& section);  // -1 when not in Marl

// A complete skin using every image-value form: master-bitmap glyphs ("@"),
// borders ("^"), textures ("~") and lists ("#"), own-file items ("!" and
// plain names), a JPEG pattern over the size threshold and a small JPEG
// texture, PARENTCLASS inheritance and gradients.
KitSkin MakeMarlSkin(const std::string& name = "Marl");
// Marl whose FORM section lets a form reuse its kept title rows
// (RESERVEDBOOLEAN).
KitSkin MakeMarlReusableTitleSkin(const std::string& name = "MarlReused");

// Marl for the skinned menus: MAINMENU's border with magenta corners, and
// the DIVIDERV and EXTRALINE sections (colour groups MarlMenuGroup + 0
// and + 1).
KitSkin MakeMarlMenuSkin(const std::string& name = "MarlMenus");
inline constexpr int MarlMenuGroup = 60;

// Many sections with own bitmaps, master items and JPEG patterns; for
// measuring loads.
KitSkin MakeLargeSkin(int sections, const std::string& name = "Large");

}  // namespace brsm::kit

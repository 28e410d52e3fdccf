#include "skin/controls/hint_presets.h"

namespace {

// The hint background's default colour is the platform's clInfoBk.
constexpr TColor kInfoBk = static_cast<TColor>(0xFF000018);

constexpr THintPreset kPresets[] = {
    {hsSimply, 1, -1, 4, 2, 240, -1, kInfoBk, 0, 0x000000, 0x000000, 1, 0, 3, 6, 40, ""},
    {hsSimply, 1, -1, 6, 3, 240, -1, 0xB6FCFA, 10, 0xFFFFFF, 0x008080, 1, 100, 5, 6, 50,
     "167827;6865090;24;2;0;6865090;6865090;24;2;0;6865090;15400959;24;2;0;15400959;6865090;24;2;0;"
     "6865090;6865090;0;2;0"},
    {hsSimply, 0, -1, 13, 5, 240, -1, 0xB6FCFA, 20, 0xFFFFFF, 0x008080, 1, 0, 3, 10, 70, ""},
    {hsEllipse, 1, 16, 6, 12, 240, -1, 0xC2FCFC, 5, 0x008080, 0x000000, 1, 100, 4, 16, 75,
     "7728127;16777215;99;0;0;16777215;16777215;0;0;0"},
    {hsBalloon, 6, 18, 6, 6, 240, -1, 0xC2FCFC, 10, 0x408080, 0x408080, 1, 0, 6, 8, 70, ""},
    {hsComics, 1, 24, 15, 7, 180, 21, 0xFFB44F, 8, 0x400000, 0x400000, 1, 100, 10, 7, 28,
     "16753188;16777215;99;0;0;16777215;16777215;0;0;0"},
    {hsComics, 1, 19, 15, 8, 180, 13, 0xC2FCFC, 10, 0x000000, 0x000000, 1, 0, 4, 7, 45, ""},
};

}  // namespace

const THintPreset* HintPreset(TsHintsPredefinitions preset) {
  const int i = static_cast<int>(preset);
  if (i < 0 || i >= static_cast<int>(sizeof kPresets / sizeof kPresets[0])) return nullptr;
  return &kPresets[i];
}

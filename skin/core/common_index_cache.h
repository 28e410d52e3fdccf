// Indexes of the sections and image items that scroll bars, tabs, check
// boxes and combo buttons share, looked up once per skin by the manager.
// Every entry is -1 when the skin lacks it.
#pragma once

#include <cstdint>

// Order of the per-direction arrays below.
enum TsTabSide { tsTop = 0, tsBottom, tsLeft, tsRight };
enum TsScrollSlider { sliderVertical = 0, sliderHorizontal };
enum TsScrollBarSection { sb1H = 0, sb1V, sb2H, sb2V };
// GLOBALINFO glyphs, in this order.
enum TsCheckGlyph {
  cgBoxChecked = 0, cgBoxUnchecked, cgBoxGrayed,
  cgRadioChecked, cgRadioUnchecked, cgRadioGrayed,
  cgSmallChecked, cgSmallUnchecked, cgSmallGrayed
};

struct TsCommonIndexCache {
  int16_t GlobalInfo = -1;
  int16_t CheckGlyph[9] = {-1, -1, -1, -1, -1, -1, -1, -1, -1};

  // COMBOBTN and its images; COMBOBOX's GLYPHMASK.
  int32_t ComboBtn = -1;
  int32_t ComboBtnBorder = -1;
  int32_t ComboBtnPattern = -1;
  int32_t ComboBtnHotPattern = -1;
  int32_t ComboBoxGlyph = -1;

  // TABTOP, TABBOTTOM, TABLEFT, TABRIGHT.
  int16_t Tab[4] = {-1, -1, -1, -1};
  int16_t TabBorder[4] = {-1, -1, -1, -1};

  // SCROLLBTNTOP, SCROLLBTNBOTTOM, SCROLLBTNLEFT, SCROLLBTNRIGHT.
  int16_t ScrollBtn[4] = {-1, -1, -1, -1};
  int16_t ScrollBtnBorder[4] = {-1, -1, -1, -1};
  int16_t ScrollBtnGlyph[4] = {-1, -1, -1, -1};
  int16_t ScrollBtnPattern[4] = {-1, -1, -1, -1};
  int16_t ScrollBtnHotPattern[4] = {-1, -1, -1, -1};

  // SCROLLSLIDERV, SCROLLSLIDERH.
  int16_t Slider[2] = {-1, -1};
  int16_t SliderBorder[2] = {-1, -1};
  int16_t SliderGlyph[2] = {-1, -1};
  int16_t SliderPattern[2] = {-1, -1};
  int16_t SliderHotPattern[2] = {-1, -1};

  // SCROLLBAR1H, SCROLLBAR1V, SCROLLBAR2H, SCROLLBAR2V.
  int16_t ScrollBar[4] = {-1, -1, -1, -1};
  int16_t ScrollBarBorder[4] = {-1, -1, -1, -1};
  int16_t ScrollBarPattern[4] = {-1, -1, -1, -1};
  int16_t ScrollBarHotPattern[4] = {-1, -1, -1, -1};
};

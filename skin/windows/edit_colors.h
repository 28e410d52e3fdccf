// Which colours an edit adapter gives its window: a control takes the
// section's colour (or its parent's background when the section is see-
// through) and the section's hot font colour, each unless the record keeps
// its own; a window without control paints its background itself.
#pragma once

#include "platform/graphics/colors.h"

struct TvxEditColorInput {
  bool HasControl = false;
  bool CustomColor = false;
  bool CustomFont = false;
  bool DialogMode = false;
  bool SectionValid = false;
  int Transparency = 0;
  TColor SectionColor = 0;
  TColor HotFontColor = 0;
  TColor ParentAnswer = 0xFF00FF;  // the parent's SkinCmdQueryBackColor answer; magenta: none
  TColor ParentColor = 0;          // the parent's own Color
  TColor ControlColor = 0;
  TColor ControlFontColor = 0;
};

struct TvxEditColors {
  bool SetColor = false;
  TColor Color = 0;
  bool SetFontColor = false;
  TColor FontColor = 0;
  // Without a control.
  TColor Background = 0;
  TColor Frame = 0;
};

TvxEditColors DecideEditColors(const TvxEditColorInput& in);

// Where a bound label goes beside its control: the geometry of the four
// caption layouts, without any window. TsBoundLabel (edit_label_win.h)
// applies it to a real label.
#pragma once

#include "platform/graphics/geometry.h"

enum TsCaptionLayout { sclLeft, sclTopLeft, sclTopCenter, sclTopRight };

// The label's text alignment as the class library numbers it:
// 0 left, 1 right, 2 centre.
int BoundLabelAlignment(TsCaptionLayout layout);

struct TsLabelPlace {
  int Left = 0;
  int Top = 0;
  // Set when MaxWidth holds the label: then it wraps at that width and is
  // at least as high as the control.
  bool Fixed = false;
  int Width = 0;
  int Height = 0;
};

// control: the control's bounds in its parent; labelWidth and labelHeight:
// the auto-sized label.
TsLabelPlace PlaceBoundLabel(TsCaptionLayout layout, int indent, int maxWidth, const TRect& control,
                             int labelWidth, int labelHeight);

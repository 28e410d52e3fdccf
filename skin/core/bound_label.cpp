#include "skin/core/bound_label.h"

#include <algorithm>

int BoundLabelAlignment(TsCaptionLayout layout) {
  switch (layout) {
    case sclTopLeft: return 0;
    case sclTopCenter: return 2;
    default: return 1;  // sclLeft, sclTopRight
  }
}

TsLabelPlace PlaceBoundLabel(TsCaptionLayout layout, int indent, int maxWidth, const TRect& c,
                             int labelWidth, int labelHeight) {
  TsLabelPlace p;
  p.Width = labelWidth;
  p.Height = labelHeight;
  const int above = c.Top - labelHeight - indent;
  switch (layout) {
    case sclLeft:
      p.Left = c.Left - labelWidth - indent - 4;
      p.Top = c.Top + (c.Height() - labelHeight) / 2;
      break;
    case sclTopLeft:
      p.Left = c.Left;
      p.Top = above;
      break;
    case sclTopCenter:
      p.Left = c.Left + (c.Width() - labelWidth) / 2;
      p.Top = above;
      break;
    case sclTopRight:
      p.Left = c.Left + c.Width() - labelWidth;
      p.Top = above;
      break;
  }
  if (maxWidth != 0) {
    p.Fixed = true;
    p.Width = maxWidth;
    p.Height = std::max(labelHeight, c.Height());
  }
  return p;
}

#include "skin/windows/edit_colors.h"

#include "skin/core/skin_constants.h"

TvxEditColors DecideEditColors(const TvxEditColorInput& in) {
  TvxEditColors out;
  if (!in.HasControl) {
    out.Background = !in.DialogMode && in.SectionValid ? in.SectionColor : clWindow;
    out.Frame = 0;
    return out;
  }
  if (!in.CustomColor) {
    const TColor wanted = in.Transparency != 0
                              ? (in.ParentAnswer != SkinTransparentColor ? in.ParentAnswer : ColorToRGB(in.ParentColor))
                              : in.SectionColor;
    out.SetColor = wanted != in.ControlColor;
    out.Color = wanted;
  }
  if (!in.CustomFont) {
    out.SetFontColor = in.HotFontColor != in.ControlFontColor;
    out.FontColor = in.HotFontColor;
  }
  return out;
}

// A brush's colour and style and the HBRUSH made from them on first use.
#pragma once

#include "platform/graphics/colors.h"
#include "platform/graphics/graphics_object.h"

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
 public:
  TColor Color() const { return color_; }  // clWhite at first
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }  // bsSolid at first
  void SetStyle(TBrushStyle style);
  void Assign(TPersistent* source) override;

  // bsClear gives the stock hollow brush. Valid until the next change.
  HBRUSH Handle() { return static_cast<HBRUSH>(ObjectHandle()); }

 protected:
  HGDIOBJ CreateObjectHandle(bool& owned) override;

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};

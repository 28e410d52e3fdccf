#include "platform/graphics/brush.h"

void TBrush::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  if (style_ == bsClear) style_ = bsSolid;  // a colour is asked for: show it
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TBrush::Assign(TPersistent* source) {
  if (auto* b = dynamic_cast<TBrush*>(source)) {
    if (b == this) return;
    color_ = b->color_;
    style_ = b->style_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

HGDIOBJ TBrush::CreateObjectHandle(bool& owned) {
  if (style_ == bsClear) {
    owned = false;
    return GetStockObject(NULL_BRUSH);
  }
  LOGBRUSH lb{};
  lb.lbColor = static_cast<COLORREF>(ColorToRGB(color_) & 0xFFFFFF);
  if (style_ == bsSolid) {
    lb.lbStyle = BS_SOLID;
  } else {
    static const LONG hatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL,
                                   HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
    lb.lbStyle = BS_HATCHED;
    lb.lbHatch = static_cast<ULONG_PTR>(hatches[style_ - bsHorizontal]);
  }
  HBRUSH brush = CreateBrushIndirect(&lb);
  owned = brush != nullptr;
  return brush ? static_cast<HGDIOBJ>(brush) : GetStockObject(WHITE_BRUSH);
}

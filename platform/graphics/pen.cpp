#include "platform/graphics/pen.h"

void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TPen::SetWidth(int width) {
  if (width < 0 || width == width_) return;
  width_ = width;
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TPen::SetMode(TPenMode mode) {
  if (mode == mode_) return;
  mode_ = mode;
  Changed();
}

void TPen::Assign(TPersistent* source) {
  if (auto* p = dynamic_cast<TPen*>(source)) {
    if (p == this) return;
    color_ = p->color_;
    width_ = p->width_;
    style_ = p->style_;
    mode_ = p->mode_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

int TPen::Rop2() const {
  static const int modes[] = {R2_BLACK, R2_WHITE, R2_NOP, R2_NOT, R2_COPYPEN, R2_NOTCOPYPEN,
                              R2_MERGEPENNOT, R2_MASKPENNOT, R2_MERGENOTPEN, R2_MASKNOTPEN,
                              R2_MERGEPEN, R2_NOTMERGEPEN, R2_MASKPEN, R2_NOTMASKPEN,
                              R2_XORPEN, R2_NOTXORPEN};
  return modes[mode_];
}

HGDIOBJ TPen::CreateObjectHandle(bool& owned) {
  static const UINT styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT,
                                PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
  LOGPEN lp{};
  lp.lopnStyle = styles[style_];
  lp.lopnWidth.x = width_;
  lp.lopnColor = static_cast<COLORREF>(ColorToRGB(color_) & 0xFFFFFF);
  HPEN pen = CreatePenIndirect(&lp);
  owned = pen != nullptr;
  return pen ? static_cast<HGDIOBJ>(pen) : GetStockObject(BLACK_PEN);
}

#include "skin/launcher-controls/speed_button_layout.h"

int DropDownStripWidth(TToolButtonStyle style) { return style == tbsDropDown ? SpeedButtonArrowWidth : 0; }

int WidthForStyleChange(int width, TToolButtonStyle from, TToolButtonStyle to) {
  if (from == to) return width;
  if (to == tbsDropDown) return width + SpeedButtonArrowWidth;
  if (from == tbsDropDown) return width - SpeedButtonArrowWidth;
  return width;
}

bool PressOpensDropDown(const TsDropDownPress& p) {
  if (!p.LeftButton || !p.Enabled || p.Style != tbsDropDown || !p.HasMenu) return false;
  return p.X > p.Width - SpeedButtonArrowWidth || !p.HasOnClick;
}

TPoint DropDownMenuPoint(int height) { return TPoint{0, height + 1}; }

TRect DropDownStayRect(TPoint s, int width, int height) {
  return TRect{s.X, s.Y - height - 1, s.X + width, s.Y - 1};
}

namespace {

bool KnownPlace(TButtonLayout layout, TAlignment alignment) {
  switch (layout) {
    case blGlyphLeft:
    case blGlyphRight:
      return alignment == taLeftJustify || alignment == taCenter || alignment == taRightJustify;
    case blGlyphTop:
    case blGlyphBottom:
      return true;
  }
  return false;
}

}  // namespace

TRect SpeedButtonGlyphRect(const TsGlyphPlaceFacts& f) {
  TPoint p{0, 0};
  if (KnownPlace(f.Layout, f.Alignment)) p = ButtonGlyphPosition(f);
  return TRect{p.X, p.Y, p.X + f.GlyphWidth, p.Y + f.GlyphHeight};
}

std::string KeepCaption(std::string& kept, const std::string& caption, bool showCaption) {
  if (!caption.empty()) kept = caption;
  return showCaption ? kept : std::string();
}

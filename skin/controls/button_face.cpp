#include "skin/controls/button_face.h"

int ButtonStateIndex(const TsButtonStateFacts& f) {
  const bool pressedNow = (f.Pushed || f.ForcedPress) && (f.MouseOver || !f.LeftButtonHeld);
  if (f.Down || pressedNow) return ButtonStatePressed;
  if (f.DefaultStyle || f.DefPushStyle || f.ActiveState || f.DesignDefault) return ButtonStateActive;
  return ButtonStateNormal;
}

TPoint ButtonGlyphPosition(const TsGlyphPlaceFacts& f) {
  const int width = f.Width - f.RightStrip;
  const int gw = f.GlyphWidth, gh = f.GlyphHeight;
  const int m = f.Margin < 0 ? 0 : f.Margin + 3;
  const bool withCaption = f.ShowCaption && gw > 0 && f.HasCaption;
  const int t = withCaption ? f.CaptionWidth : 0;
  const int s = withCaption ? f.Spacing : 0;
  const int fx = (width - gw - s - t) / 2 - m;
  const int fy = (f.Height - gh - s - f.CaptionHeight) / 2 - m;
  TPoint p{0, 0};
  switch (f.Layout) {
    case blGlyphLeft:
      switch (f.Alignment) {
        case taLeftJustify: p.X = m; break;
        case taRightJustify: p.X = m + 2 * fx; break;
        case taCenter: p.X = m + fx; break;
      }
      p.Y = (f.Height - gh) / 2;
      break;
    case blGlyphRight:
      switch (f.Alignment) {
        case taLeftJustify: p.X = width - m - 2 * fx - s - gw; break;
        case taRightJustify: p.X = width - gw - m; break;
        case taCenter: p.X = (width + f.CaptionWidth + s - gw) / 2; break;
      }
      p.Y = (f.Height - gh) / 2;
      break;
    case blGlyphTop:
      p.X = (width - gw) / 2 + 1;
      p.Y = m + fy;
      break;
    case blGlyphBottom:
      p.X = (width - gw) / 2 + 1;
      p.Y = f.Height - m - fy - gh;
      break;
  }
  if (f.Pressed) {
    ++p.X;
    ++p.Y;
  }
  return p;
}

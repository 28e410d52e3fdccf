#include "skin/controls/hint_geometry.h"

#include <algorithm>
#include <cmath>

#include "skin/core/skin_data.h"
#include "skin/core/skin_utils.h"

THintBorders HintSkinBorders(const TsMaskData* item) {
  THintBorders b;
  if (!item) return b;
  if (item->WL >= 1) {
    b.L = item->WL;
    b.T = item->WT;
    b.R = item->WR;
    b.B = item->WB;
    return b;
  }
  const int parts = std::max<int>(item->ImageCount, 1) * 3;
  b.L = b.R = item->SourceRect.Width() / parts;
  b.T = b.B = item->SourceRect.Height() / parts;
  return b;
}

THintSize FinishHintRect(TRect r, const THintSizing& s) {
  THintSize out;
  const bool round = s.Style == hsEllipse || s.Style == hsBalloon;
  if (!s.HasFrame) {
    if (round) r.Right = std::max(r.Right, r.Left + 50);
    if (s.SkinInUse) {
      r.Right += s.Borders.L + s.Borders.R + 8;
      r.Bottom += s.Borders.T + s.Borders.B + 8;
    } else {
      r.Right += 2 * (s.MarginH + s.BevelWidth);
      r.Bottom += 2 * (s.MarginV + s.BevelWidth);
    }
  }
  r.Right += s.Shadow;
  r.Bottom += s.Shadow;
  if (!s.SkinInUse && (s.Style == hsComics || round)) r.Bottom += s.ExOffset;
  if (!s.SkinInUse && round && !s.HasFrame) {
    const double w = r.Width(), h = r.Height();
    // The ellipse round the text's rectangle grows along the diagonal; a
    // rectangle without width or height has no diagonal to grow by.
    if (w >= 1 && h >= 1) {
      const double d = std::sqrt(w * w + h * h) - w;
      out.ExtraWidth = static_cast<int>(std::lround(w * d / h));
      out.ExtraHeight = static_cast<int>(std::lround(d * h / w));
      r.Right += out.ExtraWidth;
      r.Bottom += out.ExtraHeight;
    }
  }
  // A one-line mark-up text or a huge font must not make a window larger
  // than the desktop.
  if (s.Desktop.cx > 0) r.Right = std::min(r.Right, r.Left + s.Desktop.cx);
  if (s.Desktop.cy > 0) r.Bottom = std::min(r.Bottom, r.Top + s.Desktop.cy);
  out.Rect = r;
  return out;
}

THintPlacement PlaceHint(TPoint p, int w, int h, TsMousePosition wanted, const TRect& desktop) {
  TRect r{p.X, p.Y, p.X + w, p.Y + h};
  bool bottom = IsBottomCorner(wanted), right = IsRightCorner(wanted);
  if (bottom) r.Top -= h;
  if (right) r.Left -= w;
  r.Right = r.Left + w;
  r.Bottom = r.Top + h;
  bool flipped = false;
  // Against the desktop's far edges, not its size: the desktop may begin
  // left of or above 0.
  if (r.Bottom > desktop.Bottom) r.Top = p.Y - h, bottom = true, flipped = true;
  if (r.Top < desktop.Top) r.Top = p.Y, bottom = false, flipped = true;
  if (r.Right > desktop.Right) r.Left = p.X - w, right = true, flipped = true;
  if (r.Left < desktop.Left) r.Left = p.X, right = false, flipped = true;
  THintPlacement out;
  out.Corner = wanted;
  if (flipped)
    out.Corner = static_cast<TsMousePosition>((right ? 2 : 0) + (bottom ? 1 : 0));
  r.Right = r.Left + w;
  r.Bottom = r.Top + h;
  out.Rect = r;
  return out;
}

TRect HintBodyRect(TsHintStyle style, bool skinInUse, TsMousePosition corner, int width,
                   int height, int shadow, int exOffset) {
  TRect r{0, 0, width - shadow, height - shadow};
  if (skinInUse || style == hsSimply || style == hsStandard || style == hsNone) return r;
  if (IsBottomCorner(corner)) r.Bottom = height - shadow - exOffset;
  else r.Top = exOffset;
  if (style == hsEllipse) {
    r.Top = std::max(r.Top, 0);
    r.Bottom = std::min(r.Bottom, height);
  }
  return r;
}

TPoint HintTailPoint(TsMousePosition corner, int width, int height) {
  return TPoint{IsRightCorner(corner) ? width - 3 : 3, IsBottomCorner(corner) ? height - 3 : 3};
}

THintTailBase HintTailBase(const TRect& body, TsMousePosition corner) {
  const int w = body.Width(), h = body.Height();
  THintTailBase base;
  base.CentreX = body.Left + w / 2;
  base.Y = IsBottomCorner(corner) ? body.Bottom - h / 2 : body.Top + h / 2;
  base.HalfWidth = std::max(0, w / 8);
  return base;
}

double ShadowTailFactor(const TRect& body, TsMousePosition corner, int height) {
  const double halfH = body.Height() / 2.0;
  if (IsBottomCorner(corner)) {
    const int below = height - body.Bottom + 1;
    return below == 0 ? 0.0 : (height - (body.Bottom - halfH)) / below;
  }
  const int above = body.Top + 1;
  return above == 0 ? 0.0 : (halfH + body.Top) / above;
}

std::vector<TRect> BalloonBubbles(const TRect& body, TsMousePosition corner, int width,
                                  int height, int shadow) {
  constexpr int n = 5, divisor = 4;
  const int w = body.Width(), h = body.Height();
  const int cx = body.Left + w / 2, q = w / 4, r = h / 4;
  int dx = 0, dy = 0, x = 0, y = 0;
  switch (corner) {
    case mpLeftTop:
      dx = (w / 2 - q) / (n + 1);
      dy = (h / 6 + body.Top - r) / (n + 1);
      x = cx - q;
      y = h / 6 + body.Top - r;
      break;
    case mpLeftBottom:
      dx = (w / 2 - q) / (n - 1);
      dy = (body.Bottom - height) / (n - 1);
      x = cx - dx / 2;
      y = body.Bottom + dy + dy / 2;
      break;
    case mpRightTop:
      dx = 2 * ((q - (shadow + w) / 2) / n);
      dy = (h / 6 + body.Top - r) / (n + 1);
      x = cx + dx;
      y = h / 6 + body.Top - r;
      break;
    case mpRightBottom:
      dx = (q / 2 - shadow - (width - cx)) / (n - 1);
      dy = (r - shadow - body.Bottom - h / 6) / (n - 1);
      x = cx + dx / 2;
      y = body.Bottom + dy + dy / 2;
      break;
  }
  std::vector<TRect> bubbles;
  for (int i = 1; i <= n; ++i) {
    x -= dx;
    y -= dy;
    bubbles.push_back(TRect{x, y, x + w / (divisor * i), y + h / (divisor * i)});
  }
  return bubbles;
}

int ClampPercent(int value) { return std::clamp(value, 0, 100); }

int LayerGreyLevel(int blur, int e, int base) {
  if (blur < 0) return ClampToByte(base);
  const double v = static_cast<double>(blur - e) * (255 - base) / (blur + 1);
  return ClampToByte(static_cast<int>(std::lround(v)) + base);
}

int ShapeMaskGreyLevel(TsHintStyle style, bool layered, int transparency) {
  if (layered) return 0;
  const int t = ClampPercent(transparency);
  if (style == hsBalloon) return std::min(t * 256 / 100, 255);
  return ClampToByte(2 * (t * 255 / 100) - 255);
}

int EffectiveShadowTransparency(int transparency, int shadowTransparency) {
  return MapPercentRange(ClampPercent(transparency), ClampPercent(shadowTransparency));
}

int HintConstantAlpha(int transparency) {
  return static_cast<int>(std::lround(255 - ClampPercent(transparency) * 2.55));
}

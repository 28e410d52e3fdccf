// Where a hint goes and what shape it has: its size around the measured
// text, the corner at the mouse point with flips at the desktop's edges, the
// body and its tail, the balloon's bubbles and the grey levels of masks and
// shadow layers. Window-free, so the hint windows only draw what this says.
#pragma once

#include <vector>

#include "platform/graphics/geometry.h"
#include "skin/controls/hint_types.h"

struct TsMaskData;

// A skin section's border widths as its BORDERSMASK item gives them.
struct THintBorders {
  int L = 0, T = 0, R = 0, B = 0;
};
// Unset side widths (WL < 1) are a third of one frame: the rectangle's
// width and height div (ImageCount * 3). No item: all 0.
THintBorders HintSkinBorders(const TsMaskData* item);

struct THintSizing {
  TsHintStyle Style = hsSimply;
  bool SkinInUse = false;
  bool HasFrame = false;  // a control shown instead of the text
  THintBorders Borders;
  int MarginH = 0, MarginV = 0, BevelWidth = 0;
  int Shadow = 0;  // the shadow offset in use, 0 without shadow
  int ExOffset = 0;
  TSize Desktop{};  // the largest size a hint may take
};
struct THintSize {
  TRect Rect;
  int ExtraWidth = 0, ExtraHeight = 0;  // the ellipse's growth round the text
};
// The window rectangle around the measured text (or frame) rectangle.
THintSize FinishHintRect(TRect measured, const THintSizing& s);

// The window's rectangle with its top-left... at the point by the wanted
// corner, flipped to the other side where it would leave the desktop; the
// corner that then lies at the point.
struct THintPlacement {
  TRect Rect;
  TsMousePosition Corner = mpLeftTop;
};
THintPlacement PlaceHint(TPoint point, int width, int height, TsMousePosition wanted,
                         const TRect& desktop);

// The part of the window the shape fills: all but the shadow for skinned and
// rectangular hints, less the tail's height for the others.
TRect HintBodyRect(TsHintStyle style, bool skinInUse, TsMousePosition corner, int width,
                   int height, int shadow, int exOffset);
// Where the tail points: 3 pixels in from the window's corner.
TPoint HintTailPoint(TsMousePosition corner, int width, int height);
// The tail's base on the body: its centre x, its y and its half-width.
struct THintTailBase {
  int CentreX = 0, Y = 0, HalfWidth = 0;
};
THintTailBase HintTailBase(const TRect& body, TsMousePosition corner);
// The shadow tail's narrowing factor for layers after the first; 0 where
// the body's position leaves nothing to divide by.
double ShadowTailFactor(const TRect& body, TsMousePosition corner, int height);

// The balloon's five bubbles, largest first, trailing toward the corner.
std::vector<TRect> BalloonBubbles(const TRect& body, TsMousePosition corner, int width,
                                  int height, int shadow);

// Percentages held to 0..100 before they become bytes.
int ClampPercent(int value);
// Layer e of a blurred shape: from the base level at the outside layer
// toward white... clamp(round((blur - e) * (255 - base) / (blur + 1)) + base).
int LayerGreyLevel(int blur, int e, int base);
// The grey a mask's shape takes: black for layered windows; on the plain
// path light enough that the screen shows through by the transparency.
int ShapeMaskGreyLevel(TsHintStyle style, bool layered, int transparency);
// The shadow's transparency after the hint's own.
int EffectiveShadowTransparency(int transparency, int shadowTransparency);
// round(255 - transparency * 2.55): the layered window's constant alpha.
int HintConstantAlpha(int transparency);

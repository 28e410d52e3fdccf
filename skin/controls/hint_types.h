// The hint manager's enumerations, shared by its portable geometry and its
// windows.
#pragma once

enum TsHintStyle { hsSimply, hsComics, hsEllipse, hsBalloon, hsStandard, hsNone };
enum TsHintsPredefinitions {
  shSimply, shGradient, shTransparent, shEllipse, shBalloon, shComicsGradient,
  shComicsTransparent, shStandard, shNone, shCustom,
};
// The corner of the hint at which the mouse point lies: mpLeftTop puts the
// hint to the right of and below the point.
enum TsMousePosition { mpLeftTop, mpLeftBottom, mpRightTop, mpRightBottom };

inline bool IsBottomCorner(TsMousePosition p) { return p == mpLeftBottom || p == mpRightBottom; }
inline bool IsRightCorner(TsMousePosition p) { return p == mpRightTop || p == mpRightBottom; }

// windows.h for the GDI half of the graphics library, with the macros that
// would rename the library's own members (TextOut) taken out again.
#pragma once

#include <windows.h>

#include "platform/graphics/geometry.h"
#include "platform/rtl/win_macro_guard.h"

#ifdef TextOut
#undef TextOut
#endif

namespace brsm {

inline RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }
inline TRect FromRECT(const RECT& r) {
  return TRect{static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
               static_cast<int>(r.bottom)};
}

// Logical pixels per inch of the screen (LOGPIXELSY), read once.
int ScreenPixelsPerInch();
// Bits per pixel of the screen, read once.
int ScreenBitsPerPixel();

}  // namespace brsm

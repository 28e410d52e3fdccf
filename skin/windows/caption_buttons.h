// The caption buttons a skinned title bar shows and the hit-test codes that
// name them; the provider, its system menu and the MDI support share them.
#pragma once

#include "platform/graphics/geometry.h"

enum : int {
  CaptionNone = 0,
  CaptionIcon = 3,       // HTSYSMENU
  CaptionMinimize = 8,   // HTMINBUTTON
  CaptionMaximize = 9,   // HTMAXBUTTON, or restore on a maximised form
  CaptionClose = 20,     // HTCLOSE
  CaptionHelp = 21,      // HTHELP
  CaptionMDIClose = 101,
  CaptionMDIRestore = 102,
  CaptionMDIMinimize = 103,
  CaptionTitleButton = 1000,  // + index of the user title button
};

// One caption button as the provider draws and tracks it.
struct TsCaptionButton {
  int State = 0;        // 0 normal, 1 hot, 2 pressed
  int ImageIndex = -1;  // image item of the skin, -1 none
  TRect Rect{};         // window coordinates
};

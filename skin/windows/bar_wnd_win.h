// Adapters of a foreign dialog's size grip, tool bars and up-down controls:
// each is painted from the skin into the record's cache and never lets the
// previous procedure paint.
#pragma once

#include "platform/graphics/bitmap.h"
#include "skin/windows/main_wnd_win.h"

class TvxSizerWnd : public TvxMainWnd {
 public:
  using TvxMainWnd::TvxMainWnd;
  void WndProc(TMessage& message) override;

 protected:
  void PaintWindow(HDC given);
};

class TvxToolBarWnd : public TvxMainWnd {
 public:
  using TvxMainWnd::TvxMainWnd;
  void WndProc(TMessage& message) override;

  TRect ClientArea;
  int EdgeWidth = 0;

 protected:
  // True while the bar or its parent is updating: nothing is painted.
  bool HoldsPainting();
  void PrepareCache();
  // The edge ring into the given DC, else the window's.
  void PaintFrame(HDC given = nullptr);
  // The client into the given DC, else the window's; a whole-window DC
  // (`wholeWindow`) gets it inside the edge.
  void PaintWindow(HDC given, bool wholeWindow = false);
  void PaintItems(TBitmap* work);
  void PaintItem(int index, const TRect& rect, HDC dc);
};

class TvxSpinWnd : public TvxMainWnd {
 public:
  explicit TvxSpinWnd(const TvxAdapterArgs& args);
  void WndProc(TMessage& message) override;

  int LeftOffset = 0;  // columns at the left neither painted nor copied
  bool Pressed = false;
  int UpState = 0;
  int DownState = 0;

 protected:
  void PaintWindow(HDC given);
  void PrepareCache();
};

// Adapters of check boxes, radio buttons and group boxes the library does
// not own: their whole look comes from the skin (a foreign dialog's group
// box repaints only its frame band).
#pragma once

#include <cstdint>

#include "skin/windows/main_wnd_win.h"

// The style of the window being skinned or painted last; a check box's
// painting stores its own style here, and its check images follow it.
extern int32_t LastWindowStyle;

class TvxCheckBoxWnd : public TvxMainWnd {
 public:
  using TvxMainWnd::TvxMainWnd;
  void WndProc(TMessage& message) override;

  // 2 grayed, 1 checked, 0 unchecked.
  int CheckState() const;
  // The frame of the check image: 2 pushed, 1 focused or hot, 0.
  int GlyphState() const;
  // The GLOBALINFO item of a check state; -1 when the skin has none.
  int FindCheckGlyph(int checkState) const;
  TRect GlyphRect(int item) const;
  // The room of the box: the checked image's, else 16 x 16.
  TRect CheckAreaRect() const;

 protected:
  void PaintWindow(HDC given);
  void PrepareCache();
  void PaintCaption();
  void PaintCheckGlyph(int item);
  void PaintSystemCheckGlyph();
};

class TvxGroupBoxWnd : public TvxMainWnd {
 public:
  using TvxMainWnd::TvxMainWnd;
  void WndProc(TMessage& message) override;
  // The caption's room, measured in the caption's font.
  TRect CaptionRect();

 protected:
  // Into the print DC when given, else the window's DC.
  void PaintWindow(HDC print);
  void PrepareCache();
  void SelectFont();
};

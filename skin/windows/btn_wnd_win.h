// Adapters of push buttons and bit-map buttons the library does not own:
// the whole button is painted into the record's cache from the skin and
// copied to the window; the previous procedure never paints.
#pragma once

#include "skin/windows/main_wnd_win.h"

class TvxBtnWnd : public TvxMainWnd {
 public:
  using TvxMainWnd::TvxMainWnd;
  void RestoreColors() override { TvxMainWnd::RestoreColors(); }
  void ApplySkinColors() override { TvxMainWnd::ApplySkinColors(); }
  void WndProc(TMessage& message) override;

  // 2 pushed, 0 disabled, 1 focused, hot or default, else 0.
  int ButtonState();

 protected:
  // The painting steps, in the order PrepareCache runs them.
  virtual void PaintCaption();
  virtual void PaintGlyph() {}
  virtual TSize GetGlyphSize() { return {}; }
  virtual void DrawCaptionText(TRect rect, unsigned flags);
  virtual TRect GetCaptionRect();
  virtual int TextWidthLimit();
  virtual TSize GetCaptionSize();
  virtual void PrepareCache();

  void PaintWindow(HDC given);
  TCanvas* CacheCanvas() const;
  TControl* OwnerControl() const;
  uint32_t Style() const;
  bool Pushed() const;
  bool Enabled() const;
  // The caption's font on the cache canvas.
  void SelectCaptionFont();
  // A state change the previous procedure makes, with its drawing held,
  // then the skinned look.
  void ChangeHidden(TMessage& message, bool passToRoot);
};

class TvxBitBtnWnd : public TvxBtnWnd {
 public:
  using TvxBtnWnd::TvxBtnWnd;

 protected:
  void PaintGlyph() override;
  TSize GetGlyphSize() override;
  TRect GetCaptionRect() override;
  int TextWidthLimit() override;
  // Where the glyph lies in the window.
  TRect GetGlyphRect();
};

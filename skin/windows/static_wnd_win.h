// Adapters of the static windows of foreign dialogs: text, icons and
// pictures, and link windows. The content is painted over the skinned
// background into the record's cache and copied when the window erases.
#pragma once

#include "skin/windows/main_wnd_win.h"

class TvxStaticWnd : public TvxMainWnd {
 public:
  using TvxMainWnd::TvxMainWnd;
  void WndProc(TMessage& message) override;

 protected:
  // What the static shows, painted into the cache over its background.
  virtual void PaintContent();
  // The background and the content into the given DC (or the window's).
  void PaintStatic(HDC given);
  // Tab stops and sunken edges keep the system look.
  bool LeftAlone() const;
  void PaintText(const std::string& text);
};

class TvxIconWnd : public TvxStaticWnd {
 public:
  using TvxStaticWnd::TvxStaticWnd;

 protected:
  void PaintContent() override;
};

class TvxLinkWnd : public TvxStaticWnd {
 public:
  using TvxStaticWnd::TvxStaticWnd;

 protected:
  void PaintContent() override;
};

// Adapters of panels the library does not own: class-library panels (their
// section from their bevels), panels inside foreign dialogs, and nested
// dialogs that show the skinned background under their children.
#pragma once

#include "skin/windows/main_wnd_win.h"

class TvxPanelWnd : public TvxMainWnd {
 public:
  explicit TvxPanelWnd(const TvxAdapterArgs& args);
  void WndProc(TMessage& message) override;

 protected:
  virtual void PrepareCache();
  void PaintWindow(HDC given);
  void PaintFrame(HDC given);
  TWinControl* Host() const;
};

class TvxDlgPanelWnd : public TvxMainWnd {
 public:
  explicit TvxDlgPanelWnd(const TvxAdapterArgs& args);
  void WndProc(TMessage& message) override;

  TControl* Panel = nullptr;  // the class-library control of the window, if any

 protected:
  virtual void PrepareCache();
  void PaintWindow(HDC given);
  void PaintFrame(HDC given);
  // The skinned background, then the panel's own painting inside it.
  void PaintWithContent(HDC dc);
  int BorderWidth() const;
};

class TvxTransPanelWnd : public TvxMainWnd {
 public:
  using TvxMainWnd::TvxMainWnd;
  void WndProc(TMessage& message) override;

 protected:
  // Into the print DC when given, else the window's DC.
  void PaintWindow(HDC print = nullptr);
};

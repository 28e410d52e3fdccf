// The adapter of a tree view (a foreign "SysTreeView32" or a listed
// class-library tree): the edit adapter's frame and bars over a background
// in the section's hot colour.
#pragma once

#include "skin/windows/base_wnd_win.h"

class TvxTreeViewWnd : public TvxEditWnd {
 public:
  using TvxEditWnd::TvxEditWnd;
  void RestoreColors() override;
  void ApplySkinColors() override;
  void WndProc(TMessage& message) override;

  // The colour the background is erased in.
  TColor Background() const;
};

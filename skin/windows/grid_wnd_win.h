// The adapters of grids of other component libraries (named in the
// manager's grid class lists): the edit adapter's frame and bars, and the
// grid's own fixed, title, footer, indicator and column colours reached
// through its published properties.
#pragma once

#include "skin/windows/base_wnd_win.h"
#include "skin/windows/grid_colors.h"

class TvxGridWnd : public TvxEditWnd {
 public:
  using TvxEditWnd::TvxEditWnd;
  void SaveColors() override;
  void RestoreColors() override;
  void ApplySkinColors() override;
  void WndProc(TMessage& message) override;

  TvxGridSavedColors Saved;

 private:
  // The grid as the property registry knows it, nullptr for a foreign window.
  TObject* Grid() const;
};

class TvxGridEhWnd : public TvxGridWnd {
 public:
  using TvxGridWnd::TvxGridWnd;
};

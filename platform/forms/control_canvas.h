// A canvas on a control: the window's DC for a windowed control, the
// parent's DC moved and clipped to the control's bounds for a windowless
// one. While a paint handler runs it is pointed at the paint DC instead.
#pragma once

#include "platform/forms/controls.h"
#include "platform/graphics/canvas.h"

class TControlCanvas : public TCanvas {
 public:
  TControlCanvas() = default;
  ~TControlCanvas() override;
  TControl* Control() const { return control_; }
  void SetControl(TControl* control);
  // Releases a DC this canvas obtained itself.
  void FreeHandle();

 protected:
  void CreateHandle() override;

 private:
  TControl* control_ = nullptr;
  HDC ownDC_ = nullptr;
  HWND ownWnd_ = nullptr;
};

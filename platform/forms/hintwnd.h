// Hints: the window that shows one, and the application's machinery that
// shows the Hint of the control under a resting mouse after HintPause,
// hides it after HintHidePause or when the mouse leaves, and asks the
// control (CM_HINTSHOW) and Application->OnShowHint first.
#pragma once

#include <string>

#include "platform/forms/forms.h"

class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* owner);
  ~THintWindow() override;

  // Shows the text in `rect` (screen coordinates, kept on the desktop),
  // on top, without taking the focus.
  virtual void ActivateHint(TRect rect, const std::string& hint);
  virtual void ActivateHintData(TRect rect, const std::string& hint, void* data);
  // The size the text needs, word-wrapped within maxWidth, at (0, 0).
  virtual TRect CalcHintRect(int maxWidth, const std::string& hint, void* data);
  // Hides the hint: the window goes until the next ActivateHint.
  void ReleaseHandle();

  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
};

// The parts of a hint "short|long": before and after the first '|'.
std::string GetShortHint(const std::string& hint);
std::string GetLongHint(const std::string& hint);

namespace brsm {
// The machinery the application gets; installed when the program starts.
THintMachinery& ApplicationHintMachinery();
// How far below the hot spot the current cursor's picture reaches, so a
// hint placed that far down does not cover it.
int CursorHeightMargin();
}  // namespace brsm

// The hot fade of a windowless control: the control cannot be drawn on
// through a window of its own, so each frame is blended here and the
// control repaints itself showing it (it copies FrameImage while the
// timer runs).
#pragma once

#include <memory>

#include "platform/forms/timers.h"
#include "platform/graphics/bitmap.h"
#include "skin/launcher-controls/anim_steps.h"

class TsCommonData;
class TControl;

class TsAnimTimer : public TTimer, public TsAnimSteps {
 public:
  // Disabled until started.
  explicit TsAnimTimer(TComponent* owner);
  ~TsAnimTimer() override;

  // Binds the control's record: 10 ms frames, the section's
  // FadingIterations steps.
  void Prepare(TsCommonData* record);
  // Blends and shows the frame at StepIndex, then moves on.
  void AnimStep();
  // Over when the timer, the control or the application is going, or the
  // index has left the fade; in that last case the control is told to halt
  // the animation, which frees this timer.
  bool Finished();

  std::unique_ptr<TBitmap> StartImage;
  std::unique_ptr<TBitmap> FrameImage;
  bool InStep = false;
  TsCommonData* SkinRecord = nullptr;

 protected:
  void Timer() override;

 private:
  TControl* Control() const;
};

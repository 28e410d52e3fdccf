// The cross-fade of a windowed skinned button from its old look to its new
// one: a timer per running fade that blends the look it started from into
// the control's freshly built cache, one frame every 10 ms, and offers each
// frame to the control (SkinCmdFadeFrame) before drawing it on the window.
#pragma once

#include <memory>

#include "platform/forms/timers.h"
#include "platform/graphics/bitmap.h"
#include "skin/controls/fade_steps.h"

class TsCommonData;
class TControl;

class TsFadeTimer : public TTimer, public TsFadeSteps {
 public:
  explicit TsFadeTimer(TComponent* owner);
  ~TsFadeTimer() override;

  // Stores the direction; a negative index becomes 1; a direction other
  // than 0 starts the timer, 0 stops it.
  void SetStepDirection(uint8_t value);
  // One step now (what each timer message does); no exception leaves it.
  void Tick();

  TsCommonData* SkinRecord = nullptr;
  std::unique_ptr<TBitmap> StartImage;

 protected:
  void Timer() override;

 private:
  void Step();
};

// A button's look changed: fade to it when asked and allowed (the section
// fades, no library-wide suppression, a cache to start from and a
// background not yet marked changed), else repaint at once.
void FadeToNewState(TsFadeTimer*& timer, TsCommonData* record, bool halveSteps, uint8_t direction,
                    bool animate);
// Makes or re-aims the timer, has the control rebuild its cache
// (SkinCmdRedrawNow) and starts it.
void StartFadeTimer(TsFadeTimer*& timer, TsCommonData* record, bool halveSteps, uint8_t direction);
// Frees a timer that is not already being destroyed; the variable becomes
// nullptr either way.
void StopFadeTimer(TsFadeTimer*& timer, TsCommonData* record);

#include "skin/controls/fade_steps.h"

#include <algorithm>

#include "skin/core/anim_effects.h"

bool FadeSuppressed = false;
bool FadeSuppressedForSkinChange = false;
TComponent* FadeFrameListener = nullptr;

bool AnimEventEnabled(TvxAnimatEvent event, TvxAnimatEvents events) {
  if (events.Contains(event)) return true;
  if (event == aeGlobalDef || !events.Contains(aeGlobalDef)) return false;
  return GlobalBtnEvents.Contains(static_cast<TvxBtnEvent>(event));
}

void PlanFadeSteps(TsFadeSteps& steps, int iterations, bool halve) {
  int count = iterations;
  if (steps.StepDirection == 1) count = steps.StepIndex;
  else if (steps.StepDirection == 2) count = iterations - steps.StepIndex;
  if (halve) count /= 2;
  steps.StepCount = count;
  if (steps.StepIndex >= count || steps.StepIndex <= 0) steps.StepIndex = 1;
}

TsFadeTick NextFadeTick(const TsFadeSteps& steps) {
  if (steps.StepCount <= 0 || steps.StepIndex > steps.StepCount || steps.StepIndex < 0)
    return TsFadeTick::Finish;
  return steps.StepDirection == 1 || steps.StepDirection == 2 ? TsFadeTick::Frame : TsFadeTick::Idle;
}

uint8_t FadeFrameAlpha(int stepIndex, int stepCount) {
  if (stepCount <= 0) return 0;
  const long long a = 255 - (static_cast<long long>(stepIndex) * 256) / stepCount;
  return static_cast<uint8_t>(std::clamp<long long>(a, 0, 255));
}

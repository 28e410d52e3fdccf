#include "skin/launcher-controls/anim_steps.h"

#include <algorithm>

#include "skin/controls/fade_steps.h"

void PlanAnimSteps(TsAnimSteps& steps, int iterations, bool halve, int stepsLeft) {
  steps.StepCount = halve ? iterations / 2 : iterations;
  steps.StepIndex = std::max(stepsLeft, 0);
}

int AnimStepsLeft(const TsAnimSteps& steps) { return std::max(steps.StepCount - steps.StepIndex, 0); }

bool AnimStepDraws(const TsAnimSteps& steps) { return steps.StepCount != 0 && steps.StepIndex >= 0; }

bool AnimStepsDone(const TsAnimSteps& steps) {
  return steps.StepIndex < 0 || steps.StepIndex > steps.StepCount;
}

uint8_t AnimFrameAlpha(const TsAnimSteps& steps) { return FadeFrameAlpha(steps.StepIndex, steps.StepCount); }

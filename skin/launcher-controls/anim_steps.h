// Where an animation of a windowless control stands: the frames it blends
// from the look it started with to the control's new look, and when it is
// over. The part of TsAnimTimer that needs no window.
#pragma once

#include <cstdint>

struct TsAnimSteps {
  int32_t StepCount = 0;
  int32_t StepIndex = 0;  // the frame about to be drawn, from 0
};

// A fade starts: `iterations` steps (halved on request), beginning at the
// steps a stopped fade had left, so that a reversed fade runs back only
// the steps the stopped one had made.
void PlanAnimSteps(TsAnimSteps& steps, int iterations, bool halve, int stepsLeft);
// What a running fade has still to go; 0 once it is past its last frame.
int AnimStepsLeft(const TsAnimSteps& steps);
// The next step blends and shows a frame (a count of 0 draws nothing, while
// the index still grows until the fade is over).
bool AnimStepDraws(const TsAnimSteps& steps);
// The fade is over: the index has left 0..StepCount.
bool AnimStepsDone(const TsAnimSteps& steps);
// The weight of the start look in the frame at the index (255 the start
// look alone, 0 the new look alone).
uint8_t AnimFrameAlpha(const TsAnimSteps& steps);

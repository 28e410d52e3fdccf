// The arithmetic of a skinned button's cross-fade and the choice of which
// mouse events fade: the part of the fade timer that needs no window.
#pragma once

#include <cstdint>

#include "platform/rtl/sets.h"

class TComponent;

// The events a control animates; aeGlobalDef follows the library-wide
// GlobalBtnEvents.
enum TvxAnimatEvent { aeMouseEnter, aeMouseLeave, aeMouseDown, aeMouseUp, aeGlobalDef };
using TvxAnimatEvents = TSet<TvxAnimatEvent>;

// True when the event is in the set, or the set holds aeGlobalDef and the
// event is one of GlobalBtnEvents (events 0-3 in TvxBtnEvent order).
bool AnimEventEnabled(TvxAnimatEvent event, TvxAnimatEvents events);

// Library-wide switches that keep every change of look from fading (set
// while a skin changes or a caller wants instant looks); both off unless
// set.
extern bool FadeSuppressed;
extern bool FadeSuppressedForSkinChange;
// Told SkinCmdSkinReapplied after each frame a fade draws; nullptr: none.
extern TComponent* FadeFrameListener;

// Where a fade stands: 0 no direction (stopped), 1 and 2 the two
// directions; StepIndex is the step about to be drawn, from 1.
struct TsFadeSteps {
  uint8_t StepDirection = 0;
  int32_t StepCount = 0;
  int32_t StepIndex = 1;
};

// A fade (re)starts: `iterations` steps, or, when one is still running in
// direction 1, only the steps already made (StepIndex), in direction 2
// iterations - StepIndex; halved on request; the index back to 1 when it
// no longer lies inside.
void PlanFadeSteps(TsFadeSteps& steps, int iterations, bool halve);

enum class TsFadeTick { Idle, Finish, Frame };
// What the next tick does: Finish when the index has left 0..StepCount
// (a StepCount of 0 or less always finishes), Frame for direction 1 or 2.
TsFadeTick NextFadeTick(const TsFadeSteps& steps);
// The weight of the old look in a frame: 255 - StepIndex * 256 / StepCount,
// held to 0..255.
uint8_t FadeFrameAlpha(int stepIndex, int stepCount);

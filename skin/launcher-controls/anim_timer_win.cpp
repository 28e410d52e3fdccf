#include "skin/launcher-controls/anim_timer.h"

#include "platform/forms/forms.h"
#include "skin/controls/fade_steps.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/blending.h"
#include "skin/core/button_menu_state.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/common_data.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/skin_data.h"

namespace {

constexpr unsigned kAnimInterval = 10;

bool BeingDestroyed(const TComponent* c) { return c->ComponentState().Contains(csDestroying); }

// The animated-control mark and the step flag, cleared however a frame
// ends.
class FrameInProgress {
 public:
  FrameInProgress(bool& inStep, TControl* control) : inStep_(inStep) {
    inStep_ = true;
    AnimatedControl = control;
  }
  ~FrameInProgress() {
    AnimatedControl = nullptr;
    inStep_ = false;
  }

 private:
  bool& inStep_;
};

}  // namespace

TsAnimTimer::TsAnimTimer(TComponent* owner)
    : TTimer(owner), StartImage(std::make_unique<TBitmap>()), FrameImage(std::make_unique<TBitmap>()) {
  SetEnabled(false);
}

TsAnimTimer::~TsAnimTimer() = default;

TControl* TsAnimTimer::Control() const {
  return SkinRecord ? dynamic_cast<TControl*>(SkinRecord->HostControl) : nullptr;
}

void TsAnimTimer::Prepare(TsCommonData* record) {
  SkinRecord = record;
  SetInterval(kAnimInterval);
  const TsGeneralData* s = record ? record->Section() : nullptr;
  StepCount = s ? s->FadingIterations : 0;
}

bool TsAnimTimer::Finished() {
  TControl* c = Control();
  if (BeingDestroyed(this) || !c || BeingDestroyed(c) || Application->Terminated()) return true;
  if (!AnimStepsDone(*this)) return false;
  // The control frees this timer: nothing of it is touched afterwards.
  SendCmdToControl(c, SkinCmdHaltAnimation);
  return true;
}

void TsAnimTimer::AnimStep() {
  TControl* c = Control();
  if (InStep || !c || BeingDestroyed(c) || !AnimStepDraws(*this)) {
    ++StepIndex;
    return;
  }
  {
    FrameInProgress frame(InStep, c);
    GdiFlush();
    FrameImage->Assign(StartImage.get());
    TBitmap* cache = CacheBitmapOf(SkinRecord);
    if (cache && !cache->Empty() && !FrameImage->Empty()) {
      GdiFlush();
      BlendWholeBitmap(FrameImage->PixelView(), cache->PixelView(), AnimFrameAlpha(*this));
    }
    // Clearing the updating flag lets the control's paint show the frame.
    SendCmdToControl(c, SkinCmdSetUpdating);
    c->Repaint();
  }
  if (auto* listener = dynamic_cast<TControl*>(FadeFrameListener))
    SendCmdToControl(listener, SkinCmdSkinReapplied);
  ++StepIndex;
}

void TsAnimTimer::Timer() {
  try {
    if (Finished()) return;
    AnimStep();
  } catch (...) {
    Application->HandleException(this);
  }
}

#include "skin/controls/fade_timer.h"

#include "platform/forms/forms.h"
#include "platform/rtl/sysutils.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/blending.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/common_data.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_utils.h"

namespace {

constexpr unsigned kFadeInterval = 10;

TControl* OwnerControl(TsCommonData* record) {
  return record ? dynamic_cast<TControl*>(record->HostControl) : nullptr;
}

bool SectionFades(const TsCommonData* record) {
  const TsGeneralData* s = record ? record->Section() : nullptr;
  return s && s->FadingEnabled;
}

bool BeingDestroyed(const TComponent* c) { return c->ComponentState().Contains(csDestroying); }

// The window DC of a frame, released however drawing ends.
class WindowDC {
 public:
  explicit WindowDC(HWND wnd) : wnd_(wnd), dc_(wnd ? GetWindowDC(wnd) : nullptr) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(wnd_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

}  // namespace

TsFadeTimer::TsFadeTimer(TComponent* owner) : TTimer(owner), StartImage(std::make_unique<TBitmap>()) {
  SetEnabled(false);
}

TsFadeTimer::~TsFadeTimer() = default;

void TsFadeTimer::SetStepDirection(uint8_t value) {
  StepDirection = value;
  if (StepIndex < 0) StepIndex = 1;
  SetEnabled(value != 0);
}

void TsFadeTimer::Timer() { Tick(); }

void TsFadeTimer::Tick() {
  try {
    Step();
  } catch (const Exception& e) {
    ShowErrorBox(e.Message);
  } catch (...) {
    Application->HandleException(this);
  }
}

void TsFadeTimer::Step() {
  TControl* owner = OwnerControl(SkinRecord);
  if (!owner || BeingDestroyed(owner) || Application->Terminated()) {
    SetStepDirection(0);
    return;
  }
  switch (NextFadeTick(*this)) {
    case TsFadeTick::Idle: return;
    case TsFadeTick::Finish:
      // The owner frees this timer: nothing of it is touched afterwards.
      SendCmdToControl(owner, SkinCmdHaltAnimation);
      return;
    case TsFadeTick::Frame: break;
  }
  TsCommonData* record = SkinRecord;
  if (!owner->Enabled()) {
    // The disabled look must show: end the fade as a halt does, then repaint.
    SetEnabled(false);
    StepCount = 0;
    SendCmdToControl(owner, SkinCmdHaltAnimation);
    record->InvalidateSkin();
    return;
  }
  std::unique_ptr<TBitmap> frame(CreateBitmapLike(StartImage.get()));
  frame->AssignPixels(StartImage->PixelView());
  if (TBitmap* cache = CacheBitmapOf(record)) {
    GdiFlush();
    BlendWholeBitmap(frame->PixelView(), cache->PixelView(), FadeFrameAlpha(StepIndex, StepCount));
  }
  auto* win = dynamic_cast<TWinControl*>(owner);
  const bool drawnByOwner =
      SendCmdToControl(owner, SkinCmdFadeFrame, reinterpret_cast<LPARAM>(frame.get())) != 0;
  if (!drawnByOwner && win && win->HandleAllocated()) {
    WindowDC dc(win->HandleIfAllocated());
    if (dc.Get())
      BitBlt(dc.Get(), 0, 0, frame->Width(), frame->Height(), frame->Canvas()->Handle(), 0, 0, SRCCOPY);
  }
  if (auto* listener = dynamic_cast<TControl*>(FadeFrameListener))
    SendCmdToControl(listener, SkinCmdSkinReapplied);
  ++StepIndex;
}

void FadeToNewState(TsFadeTimer*& timer, TsCommonData* record, bool halveSteps, uint8_t direction,
                    bool animate) {
  if (!TsCommonData::IsSkinned(record)) return;
  if (animate && !FadeSuppressed && !FadeSuppressedForSkinChange && SectionFades(record) &&
      record->CacheBitmap && !record->BackgroundStale) {
    record->BackgroundStale = true;
    StartFadeTimer(timer, record, halveSteps, direction);
    return;
  }
  record->BackgroundStale = true;
  StopFadeTimer(timer, record);
  if (TControl* owner = OwnerControl(record)) owner->Repaint();
}

void StartFadeTimer(TsFadeTimer*& timer, TsCommonData* record, bool halveSteps, uint8_t direction) {
  if (!SectionFades(record)) return;
  TControl* owner = OwnerControl(record);
  if (!owner) return;
  if (!timer) {
    timer = new TsFadeTimer(owner);
    timer->StepIndex = 1;
  }
  timer->SkinRecord = record;
  if (TBitmap* cache = CacheBitmapOf(record)) {
    GdiFlush();
    timer->StartImage->Assign(cache);
  }
  timer->SetInterval(kFadeInterval);
  PlanFadeSteps(*timer, record->Section()->FadingIterations, halveSteps);
  SendCmdToControl(owner, SkinCmdRedrawNow);
  timer->SetStepDirection(direction);
}

void StopFadeTimer(TsFadeTimer*& timer, TsCommonData* /*record*/) {
  TsFadeTimer* t = timer;
  timer = nullptr;
  if (!t || BeingDestroyed(t)) return;
  t->SetStepDirection(0);
  t->Free();
}

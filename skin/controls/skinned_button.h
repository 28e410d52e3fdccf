// What the skinned push button and the skinned bit-map button share: the
// skin record, the four looks and the state index, the fade between them,
// the window region cut from the border image, the paint path through the
// cache and the window procedure. Each button adds its own cache rebuild.
#pragma once

#include <memory>

#include "platform/forms/stdctrls.h"
#include "skin/controls/fade_steps.h"
#include "skin/core/common_data.h"
#include "skin/core/section_painting.h"
#include "skin/core/skin_constants.h"

class TsFadeTimer;
class TBitmap;

// Library-wide switches other parts of the library set: no hover looks
// while set; every button looks pressed while pushed; the next region
// handed to a window redraws it.
extern bool ButtonHoverSuppressed;
extern bool ButtonForcedPress;
extern bool ButtonRegionRedraw;

template <class Base>
class TsSkinnedButton : public Base {
 public:
  TsSkinnedButton(TComponent* owner, int controlKind);
  ~TsSkinnedButton() override;

  TsCommonData* SkinData() const { return skinData_.get(); }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind v);
  // Drawn pressed for good.
  bool Down() const { return down_; }
  void SetDown(bool v);
  // Pixels between the caption and its focus frame.
  int FocusMargin() const { return focusMargin_; }
  void SetFocusMargin(int v) { focusMargin_ = v; }
  TvxAnimatEvents AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(TvxAnimatEvents v) { animatEvents_ = v; }

  // 2 pressed, 1 active, 0 normal.
  virtual int CurrentState();
  // The running fade, nullptr when none.
  TsFadeTimer* FadeTimer() const { return fadeTimer_; }
  // The region waiting for the next paint: nullptr, or the marker 1 of a
  // button not yet painted.
  HRGN PendingRegion() const { return pendingRegion_; }

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  // The face into the cache for the current state.
  virtual void RebuildCache() = 0;
  // Extra steps of skin commands 1 (before the common handling) and 2
  // (after it).
  virtual void OnNewSkin() {}
  virtual void OnSkinRemoved() {}
  virtual void OnSkinReapplied() {}
  virtual bool SpacingChanged() { return false; }

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

  // Steps shared by the rebuilds: the parent's cache, the section's
  // background for the state and, after a change of look, a new pending
  // region.
  void BeginFace(int state);
  // CutMaskCorners with the section's border image for the state.
  void CutFaceCorners(int state);
  // The disabled look over the finished face.
  void FinishDisabledFace();
  void ApplySkinLook();
  // The region handed to the window at the next paint is dropped.
  void ForgetPendingRegion();
  // The window's region and the pending one gone: the whole window shows.
  void DropRegion();
  void StopFade();
  bool FocusFrameWanted() const;

  std::unique_ptr<TsCommonData> skinData_;
  TCacheInfo parentCache_ = EmptyCacheInfo;
  bool stateChanged_ = true;
  bool defaultStyle_ = false;
  TsFadeTimer* fadeTimer_ = nullptr;

 private:
  bool HandleSkinCommand(TMessage& m);
  bool HandleSkinnedMessage(TMessage& m);
  // Into the WM_PAINT DC (between BeginPaint and EndPaint), or into the
  // DC of WM_PRINT.
  void Paint(HDC dc, bool print);
  void WithRedrawOff(TMessage& m, bool markFocusPaint);
  void FocusIn(TMessage& m);
  void FocusOut(TMessage& m);
  void HotChange(bool hot);
  bool Destroying() const { return this->ComponentState().Contains(csDestroying); }
  bool Designing() const { return this->ComponentState().Contains(csDesigning); }
  // The marker a new button holds instead of a region.
  static HRGN Marker() { return reinterpret_cast<HRGN>(1); }
  bool IsRealRegion() const { return pendingRegion_ && pendingRegion_ != Marker(); }

  TsDisabledKind disabledKind_{dkBlended};
  bool down_ = false;
  int focusMargin_ = 1;
  TvxAnimatEvents animatEvents_{aeGlobalDef};
  bool pressedByMouse_ = false;
  bool focusPainting_ = false;
  HRGN pendingRegion_ = Marker();
};

extern template class TsSkinnedButton<TButton>;

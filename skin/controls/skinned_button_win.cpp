#include "skin/controls/skinned_button.h"

#include "platform/forms/buttons.h"
#include "platform/forms/forms.h"
#include "skin/controls/button_face.h"
#include "skin/controls/fade_timer.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/common_data_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/image_painting.h"
#include "skin/core/paint_colors.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_manager.h"

bool ButtonHoverSuppressed = false;
bool ButtonForcedPress = false;
bool ButtonRegionRedraw = false;

namespace {

// Redrawing off (which also hides the window as far as Windows knows) for
// the span of an inherited handler, back on however it ends.
class RedrawOff {
 public:
  explicit RedrawOff(HWND wnd) : wnd_(wnd) {
    if (wnd_) SendMessageW(wnd_, WM_SETREDRAW, FALSE, 0);
  }
  ~RedrawOff() {
    if (wnd_) SendMessageW(wnd_, WM_SETREDRAW, TRUE, 0);
  }

 private:
  HWND wnd_;
};

template <class T>
class Restore {
 public:
  Restore(T& place, T during) : place_(place), saved_(place) { place_ = during; }
  ~Restore() { place_ = saved_; }

 private:
  T& place_;
  T saved_;
};

// Application.ShowHint off while a press is handled.
class HintsOff {
 public:
  HintsOff() : saved_(Application->ShowHint()) { Application->SetShowHint(false); }
  ~HintsOff() { Application->SetShowHint(saved_); }

 private:
  bool saved_;
};

bool LiesInsideParent(TControl* c) {
  TWinControl* p = c->Parent();
  if (!p) return true;
  const TRect client = p->ClientRect();
  return c->Left() >= client.Left && c->Top() >= client.Top && c->Left() + c->Width() <= client.Right &&
         c->Top() + c->Height() <= client.Bottom;
}

}  // namespace

template <class Base>
TsSkinnedButton<Base>::TsSkinnedButton(TComponent* owner, int controlKind)
    : Base(owner), skinData_(std::make_unique<TsCommonData>(this, true)) {
  this->SetControlStyle(this->ControlStyle() - TControlStyle{csOpaque});
  skinData_->ControlKind = controlKind;
  this->SetWordWrap(true);
  ApplySkinLook();
}

template <class Base>
TsSkinnedButton<Base>::~TsSkinnedButton() {
  StopFade();
  ForgetPendingRegion();
}

template <class Base>
void TsSkinnedButton<Base>::ApplySkinLook() {
  if (TBitmap* cache = CacheBitmapOf(skinData_.get())) cache->Canvas()->SetFont(this->Font());
  skinData_->ApplySkinColors();
}

template <class Base>
void TsSkinnedButton<Base>::Loaded() {
  Base::Loaded();
  ApplySkinLook();
}

template <class Base>
void TsSkinnedButton<Base>::SetDisabledKind(TsDisabledKind v) {
  if (disabledKind_ == v) return;
  disabledKind_ = v;
  skinData_->InvalidateSkin();
}

template <class Base>
void TsSkinnedButton<Base>::SetDown(bool v) {
  if (down_ == v) return;
  down_ = v;
  stateChanged_ = true;
  skinData_->BackgroundStale = true;
  if (!this->ComponentState().Contains(csLoading)) this->Repaint();
}

template <class Base>
int TsSkinnedButton<Base>::CurrentState() {
  TsButtonStateFacts f;
  f.Down = down_;
  f.ForcedPress = ButtonForcedPress;
  if (HWND wnd = this->HandleIfAllocated()) {
    f.Pushed = (SendMessageW(wnd, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    f.DefPushStyle = (GetWindowLongW(wnd, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    POINT p{};
    GetCursorPos(&p);
    f.MouseOver = WindowFromPoint(p) == wnd;
  }
  f.LeftButtonHeld = (GetAsyncKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) & 0x8000) != 0;
  f.DefaultStyle = defaultStyle_;
  f.ActiveState = skinData_->IsActiveState();
  f.DesignDefault = Designing() && this->Default();
  return ButtonStateIndex(f);
}

template <class Base>
void TsSkinnedButton<Base>::DropRegion() {
  if (HWND wnd = this->HandleIfAllocated()) SetWindowRgn(wnd, nullptr, FALSE);
  ForgetPendingRegion();
}

template <class Base>
void TsSkinnedButton<Base>::ForgetPendingRegion() {
  if (IsRealRegion()) DeleteObject(pendingRegion_);
  pendingRegion_ = nullptr;
}

template <class Base>
void TsSkinnedButton<Base>::StopFade() {
  StopFadeTimer(fadeTimer_, skinData_.get());
}

template <class Base>
bool TsSkinnedButton<Base>::FocusFrameWanted() const {
  const TsGeneralData* s = skinData_->Section();
  return this->Enabled() && this->Focused() && !this->Caption().empty() && s && s->ShowFocus;
}

// -- Face ---------------------------------------------------------------------------------------

template <class Base>
void TsSkinnedButton<Base>::BeginFace(int state) {
  TsCommonData* sd = skinData_.get();
  ReadParentLook(this, sd, parentCache_);
  TBitmap* cache = CacheBitmapOf(sd);
  if (!cache || cache->Empty()) return;
  GdiFlush();
  PaintControlBackground(sd, parentCache_, state, cache->PixelView(), TPoint{0, 0},
                         TRect{0, 0, this->Width(), this->Height()});
  if (stateChanged_) {
    ForgetPendingRegion();
    pendingRegion_ = CreateRectRgn(0, 0, this->Width(), this->Height());
  }
}

template <class Base>
void TsSkinnedButton<Base>::CutFaceCorners(int state) {
  TsSkinManager* m = skinData_->SkinManager();
  TBitmap* cache = CacheBitmapOf(skinData_.get());
  if (!m || !cache || cache->Empty() || !m->IsValidMaskIndex(skinData_->BorderItemIndex)) return;
  GdiFlush();
  CutMaskCorners(cache->PixelView(), IsRealRegion() && stateChanged_ ? pendingRegion_ : nullptr, false,
                 state, m->MaskItems[static_cast<size_t>(skinData_->BorderItemIndex)]);
}

template <class Base>
void TsSkinnedButton<Base>::FinishDisabledFace() {
  TBitmap* cache = CacheBitmapOf(skinData_.get());
  if (this->Enabled() || !cache || cache->Empty()) return;
  GdiFlush();
  PaintDisabledLook(cache->PixelView(), disabledKind_, this->Parent(), TPoint{0, 0}, parentCache_);
}

// -- Paint --------------------------------------------------------------------------------------

template <class Base>
void TsSkinnedButton<Base>::Paint(HDC given, bool print) {
  HWND wnd = this->Handle();
  PAINTSTRUCT ps{};
  HDC dc = print ? given : BeginPaint(wnd, &ps);
  // EndPaint however painting ends, or WM_PAINT comes straight back.
  struct End {
    HWND wnd;
    PAINTSTRUCT* ps;
    bool began;
    ~End() {
      if (began) EndPaint(wnd, ps);
    }
  } end{wnd, &ps, !print};
  if (given) dc = given;
  if (!dc) return;
  TsCommonData* sd = skinData_.get();
  sd->Updating = sd->IsUpdating();
  if (sd->Updating) return;
  bool repaint = false;
  bool regionRedraw = false;
  if (!fadeTimer_) {
    repaint = sd->BackgroundStale || sd->RedrawFlag ||
              (this->Parent() && ControlAnswersCmd(this->Parent(), SkinCmdQueryRedrawFlag));
    if (!LiesInsideParent(this)) sd->RedrawFlag = true;
    if (SpacingChanged()) repaint = true;
    regionRedraw = pendingRegion_ == Marker() || ButtonRegionRedraw;
  }
  if (stateChanged_) repaint = true;
  if (repaint || Designing()) RebuildCache();
  if (stateChanged_) {
    RedrawCachedBorders(sd, CurrentState());
    if (dc != FadePaintDC && !Designing() && !this->ControlState().Contains(csAlignmentNeeded)) {
      if (IsRealRegion()) SetWindowRgn(wnd, pendingRegion_, regionRedraw);  // the window owns it now
      pendingRegion_ = nullptr;
      stateChanged_ = false;
    }
  }
  if (TBitmap* cache = CacheBitmapOf(sd); cache && !cache->Empty())
    BitBlt(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
}

// -- Window procedure ---------------------------------------------------------------------------

template <class Base>
bool TsSkinnedButton<Base>::HandleSkinCommand(TMessage& m) {
  if (AnswerIdentityQuery(m)) return true;
  TsCommonData* sd = skinData_.get();
  const bool own = m.LParam == reinterpret_cast<LPARAM>(sd->SkinManager());
  switch (SkinCmdOf(m.WParam)) {
    case SkinCmdNewSkin:
      if (!own) return false;
      stateChanged_ = true;
      StopFade();
      OnNewSkin();
      CommonControlMessage(m, sd);
      return true;
    case SkinCmdSkinRemoved:
      if (!own || Destroying()) return false;
      StopFade();
      CommonControlMessage(m, sd);
      OnSkinRemoved();
      DropRegion();
      this->Repaint();
      return true;
    case SkinCmdSkinReapplied:
      if (!own) return false;
      StopFade();
      CommonControlMessage(m, sd);
      stateChanged_ = true;
      OnSkinReapplied();
      // A skin without the button's section leaves it to the platform,
      // whole: no corners cut by the previous skin.
      if (!sd->IsSkinned()) DropRegion();
      if (!FadePaintDC) this->Repaint();
      return true;
    case SkinCmdHaltAnimation:
      StopFade();
      return true;
    case SkinCmdRedrawNow:
      if (sd->IsSkinned()) RebuildCache();
      return false;
    case SkinCmdFadeFrame:
      ForgetPendingRegion();
      return false;
  }
  return false;
}

template <class Base>
void TsSkinnedButton<Base>::WithRedrawOff(TMessage& m, bool markFocusPaint) {
  RedrawOff off(this->Visible() ? this->HandleIfAllocated() : nullptr);
  Restore<bool> mark(focusPainting_, markFocusPaint || focusPainting_);
  Base::WndProc(m);
}

template <class Base>
void TsSkinnedButton<Base>::FocusIn(TMessage& m) {
  CommonControlMessage(m, skinData_.get());
  WithRedrawOff(m, true);
  if (fadeTimer_)
    fadeTimer_->Tick();
  else
    skinData_->InvalidateSkin();
}

template <class Base>
void TsSkinnedButton<Base>::FocusOut(TMessage& m) {
  StopFade();
  WithRedrawOff(m, false);
  if (skinData_->IsSkinned()) {
    skinData_->Focused = false;
    stateChanged_ = true;
    skinData_->InvalidateSkin();
  }
}

template <class Base>
void TsSkinnedButton<Base>::HotChange(bool hot) {
  skinData_->Hot = hot;
  skinData_->BackgroundStale = false;
  FadeToNewState(fadeTimer_, skinData_.get(), false, 1,
                 AnimEventEnabled(hot ? aeMouseEnter : aeMouseLeave, animatEvents_));
}

// True when the message is fully handled.
template <class Base>
bool TsSkinnedButton<Base>::HandleSkinnedMessage(TMessage& m) {
  TsCommonData* sd = skinData_.get();
  switch (m.Msg) {
    case CommandMessage:
      switch (SkinCmdOf(m.WParam)) {
        case SkinCmdFinishUpdate:
          if (sd->Updating) {
            sd->Updating = false;
            this->Repaint();
          }
          return true;
        case SkinCmdForceFullRedraw:
          if (sd->ForceFullRedraw) RebuildCache();
          CommonControlMessage(m, sd);
          return true;
      }
      break;
    case WM_MOVE: {
      const TsGeneralData* s = sd->Section();
      if (s && (s->Transparency > 0 || (s->HotTransparency > 0 && CurrentState() == ButtonStateActive))) {
        sd->BackgroundStale = true;
        this->Repaint();
      }
      break;
    }
    case WM_SIZE:
    case WM_WINDOWPOSCHANGING:
      stateChanged_ = true;
      break;
    case WM_WINDOWPOSCHANGED:
      stateChanged_ = true;
      sd->BackgroundStale = true;
      break;
    case WM_SETFOCUS:
    case CM_ENTER:
      if (Designing() || !this->Visible()) break;
      if (!this->Enabled() || Destroying()) return true;
      // The form's CM_ENTER comes from inside the inherited WM_SETFOCUS:
      // it gets the ordinary handling (OnEnter), not a second focus paint.
      if (focusPainting_) break;
      FocusIn(m);
      return true;
    case WM_KILLFOCUS:
    case CM_EXIT:
      if (Designing() || !this->Visible()) break;
      if (!this->Enabled() || Destroying()) return true;
      FocusOut(m);
      return true;
    case WM_ENABLE:
      return true;
    case WM_SETTEXT:
      WithRedrawOff(m, false);
      return true;
    case WM_PAINT:
      if (!this->Parent()) break;
      Paint(reinterpret_cast<HDC>(m.WParam), false);
      if (!Designing()) return true;
      break;
    case WM_PRINT:
      stateChanged_ = true;
      Paint(reinterpret_cast<HDC>(m.WParam), true);
      return true;
    case CM_DIALOGCHAR:
      if (m.WParam == VK_SPACE && this->Enabled() && this->Focused()) {
        StopFade();
        stateChanged_ = true;
        sd->BackgroundStale = true;
        this->Repaint();
      }
      break;
    case CM_TEXTCHANGED:
      if (Destroying()) break;
      sd->InvalidateSkin();
      return true;
    case CM_MOUSEENTER:
      if (this->Enabled() && !Designing() && !sd->Hot && !ButtonHoverSuppressed) HotChange(true);
      break;
    case CM_MOUSELEAVE:
      if (this->Enabled() && !Designing()) HotChange(false);
      break;
    case CM_UIACTIVATE:
      sd->Updating = false;
      break;
    case CN_DRAWITEM:
    case WM_ERASEBKGND:
    case WM_UPDATEUISTATE:
      m.Result = 1;
      return true;
  }
  if (CommonControlMessage(m, sd)) return true;
  Base::WndProc(m);
  switch (m.Msg) {
    case WM_SETFONT:
      if (!this->Visible()) break;
      sd->Updating = false;
      sd->InvalidateSkin();
      break;
    case CM_ENABLEDCHANGED:
      if (!this->Visible() || Destroying()) break;
      sd->Updating = false;
      sd->InvalidateSkin();
      break;
    case CM_VISIBLECHANGED:
      if (Destroying()) break;
      sd->BackgroundStale = true;
      sd->Updating = false;
      if (this->Visible()) this->Repaint();
      break;
    case WM_KEYUP:
      if (m.WParam == VK_SPACE) {
        stateChanged_ = true;
        sd->BackgroundStale = true;
        this->Repaint();
      }
      break;
  }
  return true;
}

template <class Base>
void TsSkinnedButton<Base>::WndProc(TMessage& m) {
  if (m.Msg == WM_KILLFOCUS && Destroying()) return;
  if (m.Msg == CommandMessage && HandleSkinCommand(m)) return;
  if (IsControlPaintable(this) && skinData_->IsSkinned()) {
    HandleSkinnedMessage(m);
    return;
  }
  Base::WndProc(m);
}

// -- Mouse --------------------------------------------------------------------------------------

template <class Base>
void TsSkinnedButton<Base>::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TsCommonData* sd = skinData_.get();
  if (!sd->IsSkinned() || !this->Enabled() || Designing()) {
    Base::MouseDown(button, shift, x, y);
    return;
  }
  sd->Updating = false;
  std::unique_ptr<HintsOff> hints;
  if (button == mbLeft) hints = std::make_unique<HintsOff>();
  pressedByMouse_ = true;
  if (button == mbLeft && !down_) {
    stateChanged_ = true;
    sd->Updating = sd->IsUpdating();
    sd->BackgroundStale = false;
    FadeToNewState(fadeTimer_, sd, true, 1, AnimEventEnabled(aeMouseDown, animatEvents_));
  }
  Base::MouseDown(button, shift, x, y);
}

template <class Base>
void TsSkinnedButton<Base>::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TsCommonData* sd = skinData_.get();
  if (sd->IsSkinned() && this->Enabled() && !Designing() && pressedByMouse_ && !Destroying()) {
    pressedByMouse_ = false;
    if (button == mbLeft) {
      try {
        if (fadeTimer_ && NextFadeTick(*fadeTimer_) == TsFadeTick::Frame) {
          // A release during the press fade: show the pressed look once.
          fadeTimer_->SetEnabled(false);
          sd->BackgroundStale = true;
          stateChanged_ = true;
          Restore<bool> forced(ButtonForcedPress, true);
          if (HWND wnd = this->HandleIfAllocated())
            RedrawWindow(wnd, nullptr, nullptr, RDW_UPDATENOW | RDW_INVALIDATE);
          Sleep(30);
        }
        sd->Updating = false;
        stateChanged_ = true;
        FadeToNewState(fadeTimer_, sd, true, 1, AnimEventEnabled(aeMouseUp, animatEvents_));
      } catch (...) {
        sd->BackgroundStale = true;
        StopFade();
        this->Repaint();
      }
    }
  }
  Base::MouseUp(button, shift, x, y);
}

template class TsSkinnedButton<TButton>;
template class TsSkinnedButton<TBitBtn>;

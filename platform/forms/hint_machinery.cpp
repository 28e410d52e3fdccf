// The application's hint machinery: which control's hint to show, when to
// show it and when to take it away.
#include <algorithm>
#include <memory>
#include <vector>

#include "platform/forms/hintwnd.h"
#include "platform/forms/timers.h"

namespace brsm {

namespace {

// How often the machinery looks whether the mouse is still on the hint
// control: leaving for another program's window sends no message of ours.
constexpr unsigned kPollInterval = 100;

bool Inside(const TRect& r, TPoint p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }

// The control whose hint shows for `control`: itself or the nearest parent
// with ShowHint.
TControl* HintControlOf(TControl* control) {
  while (control && !control->ShowHint()) control = control->Parent();
  if (dynamic_cast<THintWindow*>(control)) return nullptr;
  return control;
}

TRect ScreenBounds(TControl* control) {
  const TRect client = control->ClientRect();
  const TPoint origin = control->ClientToScreen(Point(client.Left, client.Top));
  return Bounds(origin.X, origin.Y, client.Width(), client.Height());
}

class THintController final : public THintMachinery {
 public:
  void MouseMessage(TControl* control, const TMessage& message) override;
  void CancelHint() override;
  void ActivateHint(TPoint cursorPos) override;
  void ControlDestroyed(TControl* control) override;

 private:
  TTimer* Timer(std::unique_ptr<TTimer>& timer, void (THintController::*handler)());
  void Stop(std::unique_ptr<TTimer>& timer) {
    if (timer) timer->SetEnabled(false);
  }
  void Start(std::unique_ptr<TTimer>& timer, void (THintController::*handler)(), unsigned ms);
  void ShowTimerFired();
  void HideTimerFired();
  void PollTimerFired();
  void Show(TControl* control, TPoint cursor);
  void HideWindow();

  TControl* hintControl_ = nullptr;
  THintWindow* window_ = nullptr;  // the window that shows the hint
  bool active_ = false;
  TRect cursorRect_{};  // screen rectangle the mouse may roam without a new hint
  std::unique_ptr<TTimer> showTimer_, hideTimer_, pollTimer_;
};

TTimer* THintController::Timer(std::unique_ptr<TTimer>& timer, void (THintController::*handler)()) {
  if (!timer) {
    timer = std::make_unique<TTimer>(nullptr);
    timer->SetEnabled(false);
    timer->OnTimer = [this, handler](TObject*) { (this->*handler)(); };
  }
  return timer.get();
}

void THintController::Start(std::unique_ptr<TTimer>& timer, void (THintController::*handler)(), unsigned ms) {
  TTimer* t = Timer(timer, handler);
  t->SetEnabled(false);
  t->SetInterval(ms > 0 ? ms : 1);
  t->SetEnabled(true);
}

void THintController::MouseMessage(TControl* control, const TMessage& message) {
  if (!Application || !Application->ShowHint()) return;
  if (message.Msg == WM_MOUSEMOVE) {
    const TPoint cursor = Mouse->CursorPos();
    TControl* target = HintControlOf(control);
    if (!target) {
      CancelHint();
      return;
    }
    if (target != hintControl_ || !Inside(cursorRect_, cursor)) {
      const bool wasActive = active_;
      CancelHint();
      hintControl_ = target;
      cursorRect_ = ScreenBounds(target);
      // Moving on from a shown hint to the next control shows the next one
      // sooner.
      const int pause = wasActive ? Application->HintShortPause() : Application->HintPause();
      Start(showTimer_, &THintController::ShowTimerFired, static_cast<unsigned>(std::max(pause, 0)));
      Start(pollTimer_, &THintController::PollTimerFired, kPollInterval);
    }
    return;
  }
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      CancelHint();
      break;
  }
}

void THintController::ShowTimerFired() {
  Stop(showTimer_);
  if (hintControl_) Show(hintControl_, Mouse->CursorPos());
}

void THintController::HideTimerFired() {
  Stop(hideTimer_);
  Stop(showTimer_);
  // The control stays the hint control: its hint comes back only after the
  // mouse left it.
  HideWindow();
  active_ = false;
}

void THintController::PollTimerFired() {
  if (!hintControl_) {
    Stop(pollTimer_);
    return;
  }
  const TPoint cursor = Mouse->CursorPos();
  TControl* under = FindDragTarget(cursor, true);
  if (HintControlOf(under) != hintControl_ || !Inside(cursorRect_, cursor)) CancelHint();
}

void THintController::Show(TControl* control, TPoint cursor) {
  THintInfo info;
  info.HintControl = control;
  info.HintWindowClass = HintWindowClass;
  info.HintPos = Point(cursor.X, cursor.Y + CursorHeightMargin());
  info.HintMaxWidth = Screen->Width();
  info.HintColor = Application->HintColor();
  info.CursorRect = control->ClientRect();
  info.CursorPos = control->ScreenToClient(cursor);
  info.HideTimeout = Application->HintHidePause();
  info.HintStr = GetShortHint(control->Hint());
  bool canShow = control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) == 0;
  if (canShow && Application->OnShowHint) {
    TShowHintEvent handler = Application->OnShowHint;
    handler(info.HintStr, canShow, info);
  }
  // The handler may narrow the area in which the hint stays.
  const TPoint origin = control->ClientToScreen(Point(info.CursorRect.Left, info.CursorRect.Top));
  cursorRect_ = Bounds(origin.X, origin.Y, info.CursorRect.Width(), info.CursorRect.Height());
  if (!canShow || info.HintStr.empty()) return;
  THintWindow* window = Application->HintWindow();
  if (!window) return;
  window->SetColor(info.HintColor);
  TRect r = window->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
  r = Bounds(info.HintPos.X, info.HintPos.Y, r.Width(), r.Height());
  window->ActivateHintData(r, info.HintStr, info.HintData);
  window_ = window;
  active_ = true;
  if (info.HideTimeout > 0)
    Start(hideTimer_, &THintController::HideTimerFired, static_cast<unsigned>(info.HideTimeout));
  if (info.ReshowTimeout > 0)
    Start(showTimer_, &THintController::ShowTimerFired, static_cast<unsigned>(info.ReshowTimeout));
}

void THintController::HideWindow() {
  if (!window_) return;
  THintWindow* window = window_;
  window_ = nullptr;
  window->ReleaseHandle();
}

void THintController::CancelHint() {
  Stop(showTimer_);
  Stop(hideTimer_);
  Stop(pollTimer_);
  HideWindow();
  hintControl_ = nullptr;
  active_ = false;
}

void THintController::ActivateHint(TPoint cursorPos) {
  TControl* target = HintControlOf(FindDragTarget(cursorPos, true));
  CancelHint();
  if (!target) return;
  hintControl_ = target;
  Show(target, cursorPos);
  Start(pollTimer_, &THintController::PollTimerFired, kPollInterval);
}

void THintController::ControlDestroyed(TControl* control) {
  if (control == window_) {
    window_ = nullptr;
    active_ = false;
  }
  if (control == hintControl_) CancelHint();
}

}  // namespace

THintMachinery& ApplicationHintMachinery() {
  // Never freed: the application may still call it while the program ends.
  static THintController* machinery = new THintController;
  return *machinery;
}

int CursorHeightMargin() {
  HCURSOR cursor = GetCursor();
  ICONINFO info{};
  if (!cursor || !GetIconInfo(cursor, &info)) return GetSystemMetrics(SM_CYCURSOR);
  BITMAP mask{};
  GetObjectW(info.hbmMask, sizeof(mask), &mask);
  const bool monochrome = info.hbmColor == nullptr;
  const int width = mask.bmWidth;
  const int height = monochrome ? mask.bmHeight / 2 : mask.bmHeight;
  // The lowest row with a visible pixel: black in the AND mask, or (for a
  // monochrome cursor) white in the XOR mask below it.
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(mask.bmHeight));
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -mask.bmHeight;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  HDC dc = GetDC(nullptr);
  const int rows = width > 0 ? GetDIBits(dc, info.hbmMask, 0, static_cast<UINT>(mask.bmHeight), pixels.data(),
                                         &bi, DIB_RGB_COLORS)
                             : 0;
  ReleaseDC(nullptr, dc);
  int lowest = -1;
  if (rows > 0) {
    for (int y = height - 1; y >= 0 && lowest < 0; --y) {
      for (int x = 0; x < width; ++x) {
        const bool andBlack = (pixels[static_cast<size_t>(y * width + x)] & 0xFFFFFF) == 0;
        const bool xorWhite =
            monochrome && (pixels[static_cast<size_t>((y + height) * width + x)] & 0xFFFFFF) != 0;
        if (andBlack || xorWhite) {
          lowest = y;
          break;
        }
      }
    }
  }
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (lowest < 0) return GetSystemMetrics(SM_CYCURSOR);
  return lowest - static_cast<int>(info.yHotspot) + 1;
}

}  // namespace brsm

// TTimer on one hidden message window shared by every timer. Timer ids are
// never reused, so a WM_TIMER still queued for a timer that has gone finds
// nothing.
#include "platform/forms/timers.h"

#include <map>

#include "platform/forms/forms.h"
#include "platform/forms/window_procedure.h"

struct TimerWindow {
  // Never freed: timers owned by forms go when the application is freed at
  // exit, after the other statics of the program.
  static std::map<UINT_PTR, TTimer*>& Timers() {
    static auto* timers = new std::map<UINT_PTR, TTimer*>;
    return *timers;
  }

  static HWND Handle() {
    static HWND wnd = nullptr;
    if (wnd && IsWindow(wnd)) return wnd;
    const wchar_t kClass[] = L"TTimerWindow";
    WNDCLASSW wc{};
    HINSTANCE instance = brsm::ModuleInstance();
    if (!GetClassInfoW(instance, kClass, &wc)) {
      wc = WNDCLASSW{};
      wc.lpfnWndProc = Procedure;
      wc.hInstance = instance;
      wc.lpszClassName = kClass;
      RegisterClassW(&wc);
    }
    wnd = CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    return wnd;
  }

  static LRESULT CALLBACK Procedure(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_TIMER) return DefWindowProcW(wnd, msg, wParam, lParam);
    auto& timers = Timers();
    auto it = timers.find(static_cast<UINT_PTR>(wParam));
    if (it == timers.end()) {
      KillTimer(wnd, wParam);
      return 0;
    }
    TTimer* timer = it->second;
    brsm::DispatchScope scope;
    try {
      // Nothing of the timer is touched after this call: it may be gone.
      timer->Timer();
    } catch (...) {
      Application->HandleException(timer);
    }
    return 0;
  }
};

namespace {
UINT_PTR lastTimerId = 0;
}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) { UpdateTimer(); }

TTimer::~TTimer() {
  if (id_) {
    KillTimer(TimerWindow::Handle(), id_);
    TimerWindow::Timers().erase(id_);
    id_ = 0;
  }
}

void TTimer::SetEnabled(bool v) {
  if (enabled_ == v) return;
  enabled_ = v;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned v) {
  if (interval_ == v) return;
  interval_ = v;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  HWND wnd = TimerWindow::Handle();
  if (id_) {
    KillTimer(wnd, id_);
    TimerWindow::Timers().erase(id_);
    id_ = 0;
  }
  if (!enabled_ || interval_ == 0) return;
  const UINT_PTR id = ++lastTimerId;
  if (!SetTimer(wnd, id, interval_, nullptr))
    throw EOSError("Not enough timers available", GetLastError());
  id_ = id;
  TimerWindow::Timers()[id] = this;
}

void TTimer::Timer() {
  // A copy: the handler may free the timer, and with it OnTimer.
  if (TNotifyEvent handler = OnTimer) handler(this);
}

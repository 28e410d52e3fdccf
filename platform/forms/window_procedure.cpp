#include "platform/forms/window_procedure.h"

#include <mutex>
#include <unordered_map>

#include "platform/forms/forms.h"
#include "platform/rtl/text1251.h"

namespace {

// Which control each window of ours belongs to. Every message to one of our
// windows asks this, so it is kept in the process: a window property costs
// a round trip to the window server per message under Wine. The table is
// never freed: the forms go when the last forms unit finalises, which may
// come after this file's own statics are gone, and their windows still
// have to reach them while they are destroyed.
struct TControlTable {
  std::mutex Lock;
  std::unordered_map<HWND, TWinControl*> ByWindow;
};

TControlTable& Controls() {
  static auto* table = new TControlTable;
  return *table;
}

TWinControl* creationControl = nullptr;
int dispatchDepth = 0;
UINT lastChildId = 0;

}  // namespace

namespace brsm {

void AttachControlWindow(HWND wnd, TWinControl* control) {
  TControlTable& t = Controls();
  std::lock_guard<std::mutex> lock(t.Lock);
  t.ByWindow[wnd] = control;
}

void DetachControlWindow(HWND wnd) {
  TControlTable& t = Controls();
  std::lock_guard<std::mutex> lock(t.Lock);
  t.ByWindow.erase(wnd);
}

void BeginWindowCreation(TWinControl* control) { creationControl = control; }
void EndWindowCreation() { creationControl = nullptr; }

HINSTANCE ModuleInstance() { return GetModuleHandleW(nullptr); }

void RegisterControlClass(const TCreateParams& params) {
  const std::wstring name = ToUtf16(params.WinClassName);
  HINSTANCE instance = ModuleInstance();
  WNDCLASSW existing{};
  if (GetClassInfoW(instance, name.c_str(), &existing)) {
    if (existing.lpfnWndProc == ControlWindowProcedure) return;
    // A class of that name with another procedure (a system class or one
    // registered by foreign code) would bypass the model: register ours.
    UnregisterClassW(name.c_str(), instance);
  }
  WNDCLASSW wc = params.WindowClass;
  wc.lpfnWndProc = ControlWindowProcedure;
  wc.hInstance = instance;
  wc.lpszClassName = name.c_str();
  wc.lpszMenuName = nullptr;
  if (!RegisterClassW(&wc)) {
    const DWORD error = GetLastError();
    if (error != ERROR_CLASS_ALREADY_EXISTS)
      throw EOSError("Cannot register the window class " + params.WinClassName, error);
  }
}

DispatchScope::DispatchScope() { ++dispatchDepth; }
DispatchScope::~DispatchScope() { --dispatchDepth; }
int DispatchDepth() { return dispatchDepth; }

void CallWindowProcOf(TControl* control, TMessage& message) {
  // A copy: the procedure may replace WindowProc (unhook itself) while it runs.
  const TWndMethod proc = control->WindowProc;
  if (proc)
    proc(message);
  else
    control->WndProc(message);
}

UINT NextChildWindowId() {
  lastChildId = lastChildId >= 0x7FFF ? 1 : lastChildId + 1;
  return lastChildId;
}

void GuardedCall(TObject* sender, const std::function<void()>& body) {
  try {
    body();
  } catch (...) {
    Application->HandleException(sender);
  }
}

}  // namespace brsm

TWinControl* FindControl(HWND wnd) {
  if (!wnd) return nullptr;
  TControlTable& t = Controls();
  std::lock_guard<std::mutex> lock(t.Lock);
  const auto it = t.ByWindow.find(wnd);
  return it == t.ByWindow.end() ? nullptr : it->second;
}

bool IsOwnWindowProcedure(HWND wnd) {
  return wnd && GetWindowLongPtrW(wnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(ControlWindowProcedure);
}

LRESULT CALLBACK ControlWindowProcedure(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FindControl(wnd);
  // WM_NCCREATE goes only to a window being made: a control still listed
  // for its handle lost an earlier window whose WM_NCDESTROY a foreign
  // subclass kept from us.
  if (!control || (msg == WM_NCCREATE && creationControl && control != creationControl)) {
    control = creationControl;
    if (!control) return DefWindowProcW(wnd, msg, wParam, lParam);
    creationControl = nullptr;
    brsm::AttachControlWindow(wnd, control);
    control->handle_ = wnd;
  }
  TMessage m = MakeMessage(msg, wParam, lParam);
  {
    brsm::DispatchScope scope;
    try {
      brsm::CallWindowProcOf(control, m);
    } catch (...) {
      Application->HandleException(control);
    }
  }
  if (msg == WM_NCDESTROY && FindControl(wnd) == control) {
    // The window is gone; the control keeps living and may make a new one.
    brsm::DetachControlWindow(wnd);
    control->handle_ = nullptr;
    control->showing_ = false;
  }
  return m.Result;
}

// TApplication: the hidden application window, the message loop, the
// exception box and deferred deletion.
#include <algorithm>

#include "platform/forms/forms.h"

#include <commctrl.h>

#include "platform/forms/window_procedure.h"
#include "platform/graphics/icon.h"
#include "platform/rtl/text1251.h"

namespace {

const wchar_t kApplicationClass[] = L"TApplication";

std::string ModuleFileName() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n < buffer.size()) return brsm::FromUtf16(buffer.data(), static_cast<int>(n));
    buffer.resize(buffer.size() * 2);
  }
}

std::string FileTitle(const std::string& path) {
  const size_t slash = path.find_last_of("\\/:");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

void DefaultExceptionBox(const std::string& message, const std::string& title) {
  HWND owner = GetActiveWindow();
  if (!owner && Application) owner = Application->Handle();
  MessageBoxW(owner, brsm::ToUtf16(message).c_str(), brsm::ToUtf16(title).c_str(),
              MB_OK | MB_ICONSTOP);
}

brsm::TExceptionBox exceptionBox = DefaultExceptionBox;

}  // namespace

brsm::TExceptionBox brsm::SetExceptionBox(TExceptionBox box) {
  TExceptionBox old = exceptionBox;
  exceptionBox = box ? box : DefaultExceptionBox;
  return old == DefaultExceptionBox ? nullptr : old;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner), title_(FileTitle(ModuleFileName())) {}

TApplication::~TApplication() {
  Destroying();
  hooks_.clear();
  // Forms go while the application is whole: they ask it things on their way.
  DestroyComponents();
  deferred_.clear();
  hintWindow_ = nullptr;
  hintWindowComponent_ = nullptr;
  if (handle_) {
    DestroyWindow(handle_);
    handle_ = nullptr;
  }
}

HWND TApplication::Handle() {
  if (handle_) return handle_;
  WNDCLASSW wc{};
  HINSTANCE instance = brsm::ModuleInstance();
  if (!GetClassInfoW(instance, kApplicationClass, &wc)) {
    wc = WNDCLASSW{};
    wc.lpfnWndProc = AppWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kApplicationClass;
    if (!RegisterClassW(&wc)) throw EOSError("Cannot register the application window class", GetLastError());
  }
  const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
  const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
  handle_ = CreateWindowExW(0, kApplicationClass, brsm::ToUtf16(title_).c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, x, y,
                            0, 0, nullptr, nullptr, instance, nullptr);
  if (!handle_) throw EOSError("Cannot create the application window", GetLastError());
  return handle_;
}

void TApplication::SetTitle(const std::string& v) {
  title_ = v;
  if (handle_) SetWindowTextW(handle_, brsm::ToUtf16(v).c_str());
}

TIcon* TApplication::Icon() const {
  if (!icon_) {
    icon_ = std::make_unique<TIcon>();
    HICON icon = LoadIconW(brsm::ModuleInstance(), L"MAINICON");
    if (!icon) icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    // Loaded icons are shared: the TIcon gets a copy it may destroy.
    if (icon) icon_->SetHandle(CopyIcon(icon));
  }
  return icon_.get();
}

std::string TApplication::ExeName() const { return ModuleFileName(); }

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  Handle();
}

void TApplication::FormCreated(TCustomForm* form) {
  form->AfterConstruction();
  if (!mainForm_) {
    mainForm_ = form;
    form->HandleNeeded();
  }
}

// -- Message loop -----------------------------------------------------------------

void TApplication::Run() {
  if (mainForm_ && showMainForm_) mainForm_->SetVisible(true);
  do {
    try {
      HandleMessage();
    } catch (...) {
      HandleException(this);
    }
  } while (!terminated_);
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg)) Idle();
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (hintMachinery_) {
    const UINT m = msg.message;
    if (m == WM_KEYDOWN || m == WM_SYSKEYDOWN || m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN ||
        m == WM_MBUTTONDOWN || m == WM_NCLBUTTONDOWN || m == WM_NCRBUTTONDOWN)
      hintMachinery_->CancelHint();
  }
  if (!IsKeyMsg(msg) && !IsMDIMsg(msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (brsm::DispatchDepth() == 0 && !deferred_.empty()) DoDeferredDeletes();
  return true;
}

// Keys go to the control (of ours) that has them as CN_ messages first: the
// control answers 1 for a key it used as a dialog key, and the loop drops it.
bool TApplication::IsKeyMsg(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  HWND wnd = GetCapture();
  if (!wnd) {
    wnd = msg.hwnd;
    if (mainForm_ && mainForm_->ClientHandle() && wnd == mainForm_->ClientHandle()) {
      wnd = mainForm_->Handle();
    } else {
      while (wnd && !FindControl(wnd)) wnd = GetParent(wnd);
    }
  }
  if (!wnd || !FindControl(wnd)) return false;
  return SendMessageW(wnd, CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

bool TApplication::IsMDIMsg(MSG& msg) {
  if (!mainForm_ || mainForm_->FormStyle() != fsMDIForm || !mainForm_->ClientHandle()) return false;
  if (!mainForm_->ActiveMDIChild()) return false;
  return TranslateMDISysAccel(mainForm_->ClientHandle(), &msg) != 0;
}

void TApplication::Idle() {
  brsm::FreeControlCanvasDCs();
  if (brsm::DispatchDepth() == 0 && !deferred_.empty()) DoDeferredDeletes();
  bool done = true;
  if (TIdleEvent handler = OnIdle) {
    try {
      handler(this, done);
    } catch (...) {
      HandleException(this);
    }
  }
  if (done) WaitMessage();
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::Minimize() {
  if (mainForm_ && mainForm_->HandleAllocated())
    ShowWindow(mainForm_->HandleIfAllocated(), SW_MINIMIZE);
}

int TApplication::DispatchDepth() const { return brsm::DispatchDepth(); }

// -- Application window ---------------------------------------------------------------

LRESULT CALLBACK TApplication::AppWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!Application || (Application->handle_ && Application->handle_ != wnd))
    return DefWindowProcW(wnd, msg, wParam, lParam);
  TMessage m = MakeMessage(msg, wParam, lParam);
  brsm::DispatchScope scope;
  try {
    if (!Application->handle_) Application->handle_ = wnd;
    Application->WndProc(m);
  } catch (...) {
    Application->HandleException(Application);
  }
  return m.Result;
}

void TApplication::WndProc(TMessage& m) {
  // A copy: a hook may unhook itself (or another) while it runs.
  const std::vector<Hook> hooks = hooks_;
  for (const Hook& h : hooks) {
    if (std::none_of(hooks_.begin(), hooks_.end(), [&](const Hook& x) { return x.id == h.id; }))
      continue;
    if (h.fn(m)) return;
  }
  switch (m.Msg) {
    case WM_QUERYENDSESSION:
      m.Result = 1;
      return;
    case WM_CLOSE:
      if (mainForm_) mainForm_->Close();
      return;
    default:
      m.Result = DefWindowProcW(handle_, m.Msg, m.WParam, m.LParam);
      return;
  }
}

int TApplication::HookMainWindow(TWindowHook hook) {
  const int id = nextHookId_++;
  hooks_.push_back(Hook{id, std::move(hook)});
  return id;
}

void TApplication::UnhookMainWindow(int hookId) {
  hooks_.erase(std::remove_if(hooks_.begin(), hooks_.end(), [&](const Hook& h) { return h.id == hookId; }),
               hooks_.end());
}

// -- Exceptions -------------------------------------------------------------------------

void TApplication::HandleException(TObject* sender) {
  std::exception_ptr current = std::current_exception();
  if (!current) return;
  try {
    try {
      std::rethrow_exception(current);
    } catch (const EAbort&) {
      return;
    } catch (const Exception& e) {
      if (TExceptionEvent handler = OnException)
        handler(sender, e);
      else
        ShowException(e.Message);
    } catch (const std::exception& e) {
      const Exception wrapped(e.what());
      if (TExceptionEvent handler = OnException)
        handler(sender, wrapped);
      else
        ShowException(wrapped.Message);
    } catch (...) {
      const Exception wrapped("Unknown exception");
      if (TExceptionEvent handler = OnException)
        handler(sender, wrapped);
      else
        ShowException(wrapped.Message);
    }
  } catch (...) {
    // OnException itself failed: the box still tells the user something.
    try {
      ShowException("Exception in the application's exception handler");
    } catch (...) {
    }
  }
}

void TApplication::ShowException(const std::string& message) {
  std::string text = message;
  // The platform's box ends a message that ends in a letter with a full stop.
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  exceptionBox(text, title_);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
  HWND owner = GetActiveWindow();
  if (!owner) owner = Handle();
  return MessageBoxW(owner, brsm::ToUtf16(text).c_str(), brsm::ToUtf16(caption).c_str(), flags);
}

// -- Deferred deletion ----------------------------------------------------------------------

void TApplication::DeferDelete(TObject* object) {
  if (!object || std::find(deferred_.begin(), deferred_.end(), object) != deferred_.end()) return;
  deferred_.push_back(object);
  if (auto* c = dynamic_cast<TComponent*>(object)) FreeNotification(c);
  // Wake a loop that waits for messages.
  PostMessageW(Handle(), WM_NULL, 0, 0);
}

void TApplication::DoDeferredDeletes() {
  while (!deferred_.empty()) {
    TObject* object = deferred_.front();
    deferred_.erase(deferred_.begin());
    if (auto* c = dynamic_cast<TComponent*>(object)) RemoveFreeNotification(c);
    try {
      object->Free();
    } catch (...) {
      HandleException(this);
    }
  }
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  deferred_.erase(std::remove(deferred_.begin(), deferred_.end(), static_cast<TObject*>(component)),
                  deferred_.end());
  if (component == mainForm_) mainForm_ = nullptr;
  if (component == hintWindowComponent_) {
    hintWindow_ = nullptr;
    hintWindowComponent_ = nullptr;
  }
}

#include "skin/windows/main_wnd_win.h"

#include <memory>

#include "platform/forms/forms.h"
#include "platform/rtl/text1251.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/common_data_win.h"
#include "skin/core/control_model_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/adapter_chain_win.h"
#include "skin/windows/adapter_paint_win.h"

bool AdaptingDialogChild = false;
bool ClearingAdapterItems = false;

namespace {

LPARAM AsLParam(const void* p) { return reinterpret_cast<LPARAM>(p); }

// The class-library control that carries the hook for a record: the
// provider's form, else the owner control, but only when its window is the
// hooked one (a record may belong to a control whose child window is
// adapted, as a combo box's list).
TControl* HookTargetOf(const TsCommonData* record, HWND window) {
  if (!record) return nullptr;
  TControl* control = nullptr;
  if (record->HostObject && ControlModel().IsSkinProvider(record->HostObject)) {
    if (TsProviderLink* link = ProviderLink())
      control = FindControl(link->FormWindow(record->HostObject));
  } else {
    control = dynamic_cast<TControl*>(record->HostControl);
  }
  auto* windowed = dynamic_cast<TWinControl*>(control);
  return windowed && windowed->HandleIfAllocated() == window ? windowed : nullptr;
}

bool IsSkinManagerDesigning(const TsSkinManager* manager) {
  return manager->ComponentState().Contains(csDesigning);
}

}  // namespace

// -- Life ------------------------------------------------------------------------------------

TvxMainWnd::TvxMainWnd(const TvxAdapterArgs& args) {
  if (SetWindowThemeProc && args.Handle && args.ThemeOff && args.Section != "DIALOG") {
    SetWindowThemeProc(args.Handle, L" ", L" ");
    themeOff_ = true;
  }
  WindowHandle = args.Handle;
  SkinManager = args.Manager;
  if (args.SkinData) {
    SkinData = args.SkinData;
    if (!SkinManager) SkinManager = SkinData->SkinManager();
  } else {
    OwnsSkinData = true;
    SkinData = new TsCommonData(nullptr, true);
    SkinData->OwnManager = args.Manager;
  }
  if (SkinData->SkinSection().empty() && !args.Section.empty()) SkinData->SetSkinSection(args.Section);
  DialogMode = AdaptingDialogChild;
}

void TvxMainWnd::Start(bool repaint) {
  SaveColors();
  ColorsApplied = false;
  PrevWindowProc = nullptr;
  PrevWndProc = nullptr;
  Caption = ReadWindowText(WindowHandle);
  if (WindowHandle) Install(repaint);
  if (auto* control = dynamic_cast<TControl*>(SkinData->HostControl))
    control->SetControlStyle(control->ControlStyle() + TControlStyle{csOpaque});
}

void TvxMainWnd::BeforeDestruction() { UnhookForGood(); }

TvxMainWnd::~TvxMainWnd() {
  UnhookForGood();
  if (OwnsSkinData) delete SkinData;
  SkinData = nullptr;
  SkinManager = nullptr;
}

void TvxMainWnd::UnhookForGood() {
  // A hook still in place on a live window always comes out, whatever is
  // being cleared: the window would call a freed adapter otherwise. Only
  // the window's theme and colours are left alone while the control
  // adapter frees everything at once (the windows may be going).
  const bool touchWindow = !ClearingAdapterItems || SkinRemoving;
  // The theme this adapter took comes back with it, also when the hook went
  // earlier (an owner that unhooks, then frees).
  if (themeOff_ && touchWindow && SetWindowThemeProc && IsWindow(WindowHandle))
    SetWindowThemeProc(WindowHandle, nullptr, nullptr);
  themeOff_ = false;
  if (Hooked()) {
    hook_.Uninstall();
    adapter_chain::Remove(WindowHandle, this);
    if (touchWindow) RestoreColors();
  }
  Destroyed = true;
}

// -- Hook --------------------------------------------------------------------------------------

bool TvxMainWnd::Hooked() const { return !Destroyed && (hook_.Installed() || foreign_); }

void HookAdapterWindow(TvxMainWnd* adapter, HWND window) {
  adapter->Installing = false;
  adapter->WindowHandle = window;
  adapter->Destroyed = false;
  TControl* control = HookTargetOf(adapter->SkinData, window);
  adapter->hookedControl_ = control;
  adapter->foreign_ = control == nullptr;
  if (control) {
    adapter->PrevWindowProc = control->WindowProc;
    adapter->hook_.Install(control, [adapter](TMessage& m) { adapter->Dispatch(m); });
    adapter_chain::Push(window, adapter, false);
  } else {
    adapter->PrevWndProc = adapter_chain::Push(window, adapter, true);
  }
}

void TvxMainWnd::Install(bool) { HookAdapterWindow(this, WindowHandle); }

void TvxMainWnd::Unhook(bool repaint) {
  if (!Hooked()) return;
  hook_.Uninstall();
  adapter_chain::Remove(WindowHandle, this);
  foreign_ = false;
  RestoreColors();
  if (IsWindowVisible(WindowHandle)) RedrawWindowFrame(WindowHandle, repaint);
  Destroyed = true;
}

void UninstallWnd(HWND window, bool freeIt, bool repaint, TvxMainWnd*& adapter) {
  if (!adapter) return;
  if (adapter->Hooked()) {
    adapter->WindowHandle = window ? window : adapter->WindowHandle;
    adapter->Unhook(repaint);
  }
  if (!freeIt) return;
  TvxMainWnd* gone = adapter;
  adapter = nullptr;
  // While its procedure is on the stack the adapter may still pass the
  // message on: it goes once that has returned.
  if (gone->InHandler() && Application)
    Application->DeferDelete(gone);
  else
    gone->Free();
}

void TvxMainWnd::Dispatch(TMessage& message) {
  ++depth_;
  struct Leave {
    int& depth;
    ~Leave() { --depth; }
  } leave{depth_};
  WndProc(message);
}

LRESULT TvxMainWnd::CallOldProc(HWND window, UINT msg, LPARAM& lParam, WPARAM wParam) {
  if (PrevWindowProc) {
    TMessage m = MakeMessage(msg, wParam, lParam);
    PrevWindowProc(m);
    lParam = m.LParam;
    return m.Result;
  }
  const adapter_chain::Below below = adapter_chain::Find(window, this);
  if (below.Found) return adapter_chain::Call(below, window, msg, wParam, lParam);
  if (PrevWndProc) return CallWindowProcW(PrevWndProc, window, msg, wParam, lParam);
  return 0;
}

void TvxMainWnd::CallOldProc(TMessage& message) {
  message.Result = CallOldProc(WindowHandle, message.Msg, message.LParam, message.WParam);
}

void TvxMainWnd::PassAfterUnhook(TMessage& message) {
  // The window must not see its destruction with our hook still in: what
  // lies below is found first, the hook taken out, then the message passed.
  const adapter_chain::Below below = adapter_chain::Find(WindowHandle, this);
  TvxMainWnd* self = this;
  UninstallWnd(WindowHandle, false, false, self);
  if (!PrevWindowProc && below.Found)
    message.Result = adapter_chain::Call(below, WindowHandle, message.Msg, message.WParam, message.LParam);
  else
    CallOldProc(message);
}

TsSkinManager* TvxMainWnd::Manager() const {
  if (SkinManager) return SkinManager;
  return SkinData ? SkinData->SkinManager() : nullptr;
}

// -- Messages ----------------------------------------------------------------------------------

void TvxMainWnd::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY:
      if (Hooked()) {
        PassAfterUnhook(m);
        return;
      }
      CallOldProc(m);
      return;
    case WM_UPDATEUISTATE:
      return;
    case WM_PRINT:
      m.Result = SendMessageW(WindowHandle, WM_PAINT, m.WParam, m.LParam);
      return;
    case WM_SIZE:
      if (SkinData) SkinData->BackgroundStale = true;
      break;
    case WM_SETTEXT:
      CallOldProc(m);
      Caption = ReadWindowText(WindowHandle);
      return;
    case WM_MOUSEMOVE:
      MakeHotWindow(WindowHandle);
      break;
    default:
      break;
  }
  TsSkinManager* manager = Manager();
  if (!SkinData || !manager || !manager->Active()) {
    CallOldProc(m);
    return;
  }
  if (m.Msg == CommandMessage && HandleCommand(m)) return;
  CallOldProc(m);
}

bool TvxMainWnd::HandleCommand(TMessage& m) {
  const bool fromOwnManager = m.LParam == AsLParam(SkinData->SkinManager());
  switch (SkinCmdOf(m.WParam)) {
    case SkinCmdNewSkin:
      if (fromOwnManager) {
        SkinData->RefreshSkinIndexes();
        SkinData->BackgroundStale = true;
      }
      return false;
    case SkinCmdSkinRemoved:
      if (fromOwnManager) RestoreColors();
      return false;
    case SkinCmdSkinReapplied:
      if (!fromOwnManager) return false;
      SkinData->RefreshSkinIndexes();
      SkinData->BackgroundStale = true;
      SendMessageW(WindowHandle, WM_PAINT, 0, 0);
      return true;
    case SkinCmdQueryCache:
      AnswerCacheQuery();
      return true;
    case SkinCmdFinishUpdate:
      return FinishUpdate(RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    case SkinCmdQuerySkinned:
    case SkinCmdQueryApplication:
      return AnswerIdentityQuery(m);
    case SkinCmdQueryUpdating:
      m.LParam = SkinData->BackgroundStale || SkinData->IsUpdating();
      return false;
    case SkinCmdQueryBackgroundKind:
    case SkinCmdQueryBackColor: {
      if (!SkinData->HostControl) return false;
      TsCmdMessage command{m.Msg, m.WParam, m.LParam, m.Result};
      TsCommonData::DispatchSkinCommand(command, SkinData);
      m.LParam = command.LParam;
      m.Result = command.Result;
      return true;
    }
    case SkinCmdRedrawNow:
      RefreshControlCache(SkinData, WindowHandle, false);
      return false;
    default:
      return false;
  }
}

void TvxMainWnd::AnswerCacheQuery() {
  // Ready only with pixels to copy: an empty answer would send the asker
  // into a cache that is not there.
  const TPixelBufferView pixels = SkinData ? SkinData->CachePixels() : TPixelBufferView{};
  if (!pixels.Empty()) ParentCacheInfo = MakeCacheInfo(pixels, 0, 0);
}


bool TvxMainWnd::FinishUpdate(UINT redrawFlags) {
  if (!SkinData || !SkinData->IsUpdating()) return false;
  SkinData->Updating = false;
  RedrawWindow(WindowHandle, nullptr, nullptr, redrawFlags);
  return true;
}

bool TvxMainWnd::AnswerChildNotice(TMessage& m) {
  if (m.Msg != WM_PARENTNOTIFY) return false;
  const WORD event = LOWORD(m.WParam);
  if (event != WM_CREATE && event != WM_DESTROY) return false;
  TvxMainWnd::WndProc(m);
  if (event == WM_CREATE && SkinData)
    if (auto* control = dynamic_cast<TControl*>(SkinData->HostControl)) RequestControlAdapt(control);
  return true;
}

void TvxMainWnd::PaintFromCache(HDC given, const std::function<void()>& prepare, int left,
                                const std::function<bool()>& ready) {
  std::unique_ptr<TPaintScope> paint;
  if (!given) paint = std::make_unique<TPaintScope>(WindowHandle);
  if (SkinData->IsUpdating()) return;
  if (ready && !ready()) return;
  TTargetDC dc(WindowHandle, given);
  SkinData->BackgroundStale = true;
  prepare();
  TBitmap* cache = CacheBitmapOf(SkinData);
  if (!cache || SkinData->CachePixels().Empty()) return;
  BitBlt(dc.Handle(), left, 0, cache->Width() - left, cache->Height(), cache->Canvas()->Handle(), left, 0, SRCCOPY);
}

// -- Routines ----------------------------------------------------------------------------------

TvxMainWnd* AdapterOfWindow(HWND window) {
  return window ? static_cast<TvxMainWnd*>(GetPropA(window, AdapterPropertyName)) : nullptr;
}

void RedrawWindowFrame(HWND window, bool frameChanged) {
  if (frameChanged)
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  else
    SendMessageW(window, WM_NCPAINT, 1, 0);
}

void MakeHotWindow(HWND window) {
  if (DefaultManager && !IsSkinManagerDesigning(DefaultManager) && IsWindowEnabled(window) &&
      DefaultManager->HotWindow() != reinterpret_cast<uintptr_t>(window))
    DefaultManager->SetHotControl(reinterpret_cast<uintptr_t>(window));
}

std::string ReadWindowText(HWND window) {
  if (!window) return {};
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(window, text.data(), length + 1);
  return brsm::FromUtf16(text.data(), got < 0 ? 0 : got);
}

TWinControl* FindControlByHandle(HWND window, TComponent* component) {
  if (!component || !window) return nullptr;
  for (int i = 0; i < component->ComponentCount(); ++i) {
    TComponent* child = component->Components(i);
    if (auto* w = dynamic_cast<TWinControl*>(child); w && w->HandleIfAllocated() == window) return w;
    if (TWinControl* found = FindControlByHandle(window, child)) return found;
  }
  return nullptr;
}

void GetWindowPosInParent(HWND window, TvxWindowPlace& place) {
  RECT r{};
  GetWindowRect(window, &r);
  place.WindowRect = {r.left, r.top, r.right, r.bottom};
  place.Width = r.right - r.left;
  place.Height = r.bottom - r.top;
  place.Parent = GetParent(window);
  RECT p{};
  if (place.Parent) GetWindowRect(place.Parent, &p);
  place.ParentRect = {p.left, p.top, p.right, p.bottom};
  place.Position = {r.left - p.left, r.top - p.top};
  if (place.Parent) {
    const LRESULT offset = SendCmdToWindow(place.Parent, SkinCmdQueryCacheOffset, 0);
    if (offset != 0) {
      place.Position.X -= static_cast<short>(LOWORD(offset));
      place.Position.Y -= static_cast<short>(HIWORD(offset));
    }
  }
}

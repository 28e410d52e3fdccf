#include "skin/windows/hook_provider_win.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/rtl/text1251.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/message_box_position_win.h"
#include "skin/core/skin_commands.h"
#include "skin/core/skin_hook_win.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/adapter_factory_win.h"
#include "skin/windows/dialog_frame.h"
#include "skin/windows/dialog_wnd_win.h"
#include "skin/windows/hook_decisions.h"
#include "skin/windows/skin_provider.h"

namespace {

bool ManagerActive() { return DefaultManager && DefaultManager->Active(); }

// The skin takes a foreign dialog's frame only with a dialog section and a
// close button to draw in it; else the system's frame, title and caption
// buttons stay.
bool SkinTakesDialogFrame(const TsSkinManager* m) {
  const int dialog = m->LookupSection("DIALOG");
  if (dialog < 0) return false;
  const int g = m->CommonIndexCache.GlobalInfo;
  const TvxDialogButtonIndexes r = DialogButtonIndexes(
      DialogFrameSizing, m->IsValidSectionIndex(g),
      [&](const char* p) { return m->LookupImageItem(g, "GLOBALINFO", p); },
      [&](const char* p) { return m->LookupImageItem(dialog, "FORM", p); });
  return m->IsValidMaskIndex(r.Index[dbClose]);
}

void ForgetInList(TvxProvider* provider) {
  if (!ProviderList) return;
  auto it = std::find(ProviderList->begin(), ProviderList->end(), provider);
  if (it != ProviderList->end()) *it = nullptr;
}

uint32_t StyleOf(HWND window) { return static_cast<uint32_t>(GetWindowLongPtrW(window, GWL_STYLE)); }

// The flat scroll-bar calls live in comctl32 and are bound by name: not
// every comctl32 (nor every import library) has them, and a missing entry
// only means nothing to switch.
void SetFlatScrollBars(HWND window, bool on) {
  HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
  if (!comctl) return;
  using TFlatSBProc = BOOL(WINAPI*)(HWND);
  auto proc = reinterpret_cast<TFlatSBProc>(reinterpret_cast<void*>(
      GetProcAddress(comctl, on ? "InitializeFlatSB" : "UninitializeFlatSB")));
  if (proc) proc(window);
}

}  // namespace

TvxProvider::TvxProvider(TComponent* owner) : TComponent(owner) {}

TvxProvider::~TvxProvider() {
  ForgetInList(this);
  for (TvxMainWnd*& adapter : ChildAdapters) FreeAdapter(adapter);
  ChildAdapters.clear();
  // A dialog still on screen gets its own frame back from its adapter.
  FreeAdapter(DialogAdapter);
}

void TvxProvider::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == SkinProvider) SkinProvider = nullptr;
}

void TvxProvider::CreateFormProvider(TCustomForm* form) {
  SkinProvider = new TsSkinProvider(form);
  SkinProvider->FreeNotification(this);
  SkinProvider->SetMakeSkinMenu(false);
}

bool TvxProvider::SkinDialog(HWND window) {
  DialogWindow = window;
  ChildAdapters.clear();
  if (DialogAdapter || !ManagerActive()) return true;
  RightToLeftScroll = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  const std::string cls = GetWindowClassName(window);
  if (cls != "#32770" && cls != "TMessageForm") return true;
  UpdateDialogAdapter(window, DialogAdapter);
  auto* frame = dynamic_cast<TvxDialogWnd*>(DialogAdapter);
  if (frame) frame->Provider = this;
  if (MessageBoxLeft != -1 || MessageBoxTop != -1) {
    SetWindowPos(window, nullptr, MessageBoxLeft, MessageBoxTop, 0, 0,
                 SWP_NOSIZE | SWP_NOREDRAW | SWP_NOOWNERZORDER | SWP_NOZORDER);
  }
  if (!AdaptChildren(window)) {
    ForgetInList(this);
    return false;
  }
  if (frame) frame->StartFrame();
  SendCmdToWindow(window, SkinCmdNewSkin, reinterpret_cast<LPARAM>(DefaultManager));
  return true;
}

bool TvxProvider::AdaptChildren(HWND window) {
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!AdaptChildren(child)) return false;
    if ((StyleOf(child) & WS_CHILD) && !AdaptChildWindow(child)) return false;
  }
  return true;
}

bool TvxProvider::AdaptChildWindow(HWND child) {
  if (!child || WindowAnswersCmd(child, SkinCmdQuerySkinned)) return true;
  RECT r{};
  GetWindowRect(child, &r);
  const TvxChildAdapterChoice choice =
      ChooseChildAdapter(LowerCase(GetWindowClassName(child)), StyleOf(child), r.right - r.left,
                         r.bottom - r.top);
  if (choice.LeaveDialog) return false;
  if (!choice.Make || !AdapterConstructor(choice.Kind)) return true;
  TvxAdapterArgs args;
  args.Handle = child;
  args.Repaint = true;
  args.Section = std::string(choice.Section);
  args.Manager = DialogAdapter && DialogAdapter->SkinData ? DialogAdapter->SkinData->SkinManager()
                                                           : DefaultManager;
  TvxMainWnd* adapter = nullptr;
  // The adapter's constructor reads the flag; a raising one must not leave
  // later adapters in dialog mode.
  AdaptingDialogChild = true;
  try {
    adapter = CreateAdapter(choice.Kind, args);
  } catch (...) {
    AdaptingDialogChild = false;
    throw;
  }
  AdaptingDialogChild = false;
  if (!adapter) return true;
  if (choice.DialogMode) adapter->DialogMode = true;
  ChildAdapters.push_back(adapter);
  // The child's own window gives its first placement.
  if (!choice.ListedOnly) GetWindowPosInParent(child, adapter->Place);
  return true;
}

void UpdateDialogAdapter(HWND window, TvxMainWnd*& adapter) {
  if (!ManagerActive() || !SkinTakesDialogFrame(DefaultManager)) {
    FreeAdapter(adapter);
    SetFlatScrollBars(window, true);
    return;
  }
  SetFlatScrollBars(window, false);
  if (adapter && adapter->Destroyed) FreeAdapter(adapter);
  if (!adapter) {
    TvxAdapterArgs args;
    args.Handle = window;
    args.Section = "DIALOG";
    args.Manager = DefaultManager;
    args.ThemeOff = false;
    adapter = CreateAdapter(TvxAdapterKind::DialogWnd, args);
  }
}

std::string GetWindowClassName(HWND window) {
  char buffer[128] = {};
  const int n = GetClassNameA(window, buffer, sizeof buffer);
  return std::string(buffer, n > 0 ? n : 0);
}

TCustomForm* FindFormByHandle(HWND window) {
  if (!Screen || !window) return nullptr;
  for (int i = 0; i < Screen->CustomFormCount(); ++i) {
    TCustomForm* form = Screen->CustomForms(i);
    if (form->HandleIfAllocated() == window) return form;
    if (form->FormStyle() != fsMDIForm) continue;
    for (int j = 0; j < form->MDIChildCount(); ++j) {
      TCustomForm* child = form->MDIChildren(j);
      if (child && child->HandleIfAllocated() == window) return child;
    }
  }
  return nullptr;
}

TvxProvider* FindProviderByHandle(HWND window) {
  if (!ProviderList) return nullptr;
  for (TComponent* entry : *ProviderList) {
    auto* p = static_cast<TvxProvider*>(entry);
    if (p && p->DialogWindow == window) return p;
  }
  return nullptr;
}

int CountVisibleDialogProviders() {
  int count = 0;
  if (!ProviderList) return 0;
  for (TComponent* entry : *ProviderList) {
    auto* p = static_cast<TvxProvider*>(entry);
    if (p && p->DialogAdapter && IsWindowVisible(p->DialogAdapter->WindowHandle)) ++count;
  }
  return count;
}

bool HasChildOfClass(HWND window, const std::string& lowerClass) {
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (LowerCase(GetWindowClassName(child)) == lowerClass || HasChildOfClass(child, lowerClass)) {
      return true;
    }
  }
  return false;
}

bool ActivateHookedWindow(HWND window) {
  // The list comes with the hook; without it nothing is made.
  if (!ProviderList) return false;
  THookWindowFacts facts;
  facts.AnswersSkinned = WindowAnswersCmd(window, SkinCmdQuerySkinned);
  facts.HasDefaultManager = DefaultManager != nullptr;
  facts.HasProvider = FindProviderByHandle(window) != nullptr;
  TCustomForm* form = FindFormByHandle(window);
  facts.ClassName = GetWindowClassName(window);
  facts.IsForm = form != nullptr;
  if (form) facts.FormTag = form->Tag();
  if (DefaultManager) {
    facts.StdForms = DefaultManager->SkinningRules().Contains(srStdForms);
    facts.StdDialogs = DefaultManager->SkinningRules().Contains(srStdDialogs);
  }
  if (!form && facts.StdDialogs && !facts.AnswersSkinned && !facts.HasProvider) {
    facts.VisibleDialogProviders = CountVisibleDialogProviders();
    if (facts.VisibleDialogProviders > 0) {
      facts.HasToolbarDescendant = HasChildOfClass(window, "toolbarwindow32");
    }
  }
  switch (DecideHookActivation(facts)) {
    case THookActivation::Ignore:
      return false;
    case THookActivation::FormProvider: {
      auto* provider = new TvxProvider(form);
      ProviderList->push_back(provider);
      try {
        provider->CreateFormProvider(form);
      } catch (...) {
        delete provider;
        throw;
      }
      return true;
    }
    case THookActivation::DialogProvider: {
      // Without a frame adapter a foreign window has nothing to be skinned by.
      if (!AdapterConstructor(TvxAdapterKind::DialogWnd)) return false;
      auto* provider = new TvxProvider(nullptr);
      ProviderList->push_back(provider);
      bool skinned = false;
      try {
        skinned = provider->SkinDialog(window);
      } catch (...) {
        delete provider;
        throw;
      }
      if (!skinned) delete provider;
      return true;
    }
  }
  return false;
}

void FreeDeadProviders() {
  if (!ProviderList) return;
  // Every ownerless provider whose window is gone, whatever its frame kind:
  // a message box's must not wait for the skin to go.
  for (TComponent*& entry : *ProviderList) {
    auto* p = static_cast<TvxProvider*>(entry);
    if (!p || p->Owner() || !p->DialogWindow) continue;
    const bool gone = (p->DialogAdapter && p->DialogAdapter->Destroyed) || !IsWindow(p->DialogWindow);
    if (!gone) continue;
    entry = nullptr;
    delete p;
  }
}

void AdaptPopupMenuWindow(HWND window) {
  if (GetWindowClassName(window) != "#32768" || WindowAnswersCmd(window, SkinCmdQuerySkinned)) return;
  if (!AdapterConstructor(TvxAdapterKind::MnuWnd)) return;
  TvxAdapterArgs args;
  args.Handle = window;
  args.Section = "MAINMENU";
  args.Manager = DefaultManager;
  if (TvxMainWnd* adapter = CreateAdapter(TvxAdapterKind::MnuWnd, args)) {
    adapter->WindowHandle = window;
    PopupMenuWndList().push_back(adapter);
  }
}

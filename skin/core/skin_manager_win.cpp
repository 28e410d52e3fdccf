// The skin manager's Win32 platform: the main-window hook through the
// application object, the creation hook, the broadcast model of the real
// forms and the NT-family test.
#include <windows.h>

#include <map>

#include "platform/forms/forms.h"
#include "skin/core/broadcast_win.h"
#include "skin/core/control_model_win.h"
#include "skin/core/manager_platform.h"
#include "skin/core/skin_hook_win.h"
#include "skin/core/skin_manager.h"

namespace {

class TWindowsManagerPlatform final : public TsManagerPlatform {
 public:
  bool IsNTFamily() override {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExW(&info)) return true;
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
  }

  void AddMainWindowHook(TsSkinManager& manager) override {
    if (!::Application) return;
    TsSkinManager* m = &manager;
    const int id = ::Application->HookMainWindow([m](TMessage& message) {
      bool handled = false;
      brsm::GuardedCall(m, [&] {
        handled = m->MainWindowHook(message.Msg, message.WParam, message.LParam);
      });
      return handled;
    });
    mainHooks_[m] = id;
  }

  void RemoveMainWindowHook(TsSkinManager& manager) override {
    auto it = mainHooks_.find(&manager);
    if (it == mainHooks_.end()) return;
    if (::Application) ::Application->UnhookMainWindow(it->second);
    mainHooks_.erase(it);
  }

  bool InstallSkinHook() override { return InstallCbtHook(); }
  void RemoveSkinHook() override { RemoveCbtHook(); }
  TComponent* Application() override { return ::Application; }
  TsBroadcastModel* Model() override { return &WindowsBroadcastModel(); }

  intptr_t SendToWindowHandle(uintptr_t window, TsCmdMessage& message) override {
    message.Result = SendMessageW(reinterpret_cast<HWND>(window), message.Msg, message.WParam,
                                  message.LParam);
    return message.Result;
  }

  void SendToControlWindow(TComponent* control, TsCmdMessage& message) override {
    TellControl(WindowsControlModel(), control, message);
  }

 private:
  std::map<TsSkinManager*, int> mainHooks_;
};

}  // namespace

void UseWindowsSkinManager() {
  // Never destroyed: managers freed while static objects go still reach it.
  static auto* platform = new TWindowsManagerPlatform();
  static const bool registered = [] {
    // The name is registered as the library always did; the number in use
    // is the fixed CommandMessage.
    RegisterWindowMessageW(L"SM_TESSERACMD");
    return true;
  }();
  (void)registered;
  SetManagerPlatform(platform);
}

#include "skin/core/manager_platform.h"

namespace {

class TNoManagerPlatform final : public TsManagerPlatform {
 public:
  bool IsNTFamily() override { return true; }
  void AddMainWindowHook(TsSkinManager&) override {}
  void RemoveMainWindowHook(TsSkinManager&) override {}
  bool InstallSkinHook() override { return true; }
  void RemoveSkinHook() override {}
  TComponent* Application() override { return nullptr; }
  TsBroadcastModel* Model() override { return nullptr; }
  intptr_t SendToWindowHandle(uintptr_t, TsCmdMessage&) override { return 0; }
  void SendToControlWindow(TComponent*, TsCmdMessage&) override {}
};

// Trivially destroyed: a manager freed during static destruction still
// finds a platform.
TNoManagerPlatform& NoPlatform() {
  static auto* platform = new TNoManagerPlatform();
  return *platform;
}

TsManagerPlatform* current = nullptr;

}  // namespace

TsManagerPlatform& ManagerPlatform() { return current ? *current : NoPlatform(); }

void SetManagerPlatform(TsManagerPlatform* platform) { current = platform; }

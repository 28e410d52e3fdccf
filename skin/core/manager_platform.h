// What the skin manager needs of the window system: the application's
// main-window hook, the thread's creation hook, the application object that
// owns the forms and the model the broadcasts walk. The Windows build
// installs the real one (UseWindowsSkinManager, skin_manager_win.cpp);
// without it nothing is hooked and nothing is told, and tests install a
// recorder.
#pragma once

#include <cstdint>

#include "skin/core/skin_commands.h"

class TComponent;
class TsBroadcastModel;
class TsSkinManager;

class TsManagerPlatform {
 public:
  virtual ~TsManagerPlatform() = default;
  // The system is of the NT family.
  virtual bool IsNTFamily() = 0;
  // The manager's MainWindowHook sees the application window's messages.
  virtual void AddMainWindowHook(TsSkinManager& manager) = 0;
  virtual void RemoveMainWindowHook(TsSkinManager& manager) = 0;
  // The thread's computer-based-training hook; false when the system
  // refused it.
  virtual bool InstallSkinHook() = 0;
  virtual void RemoveSkinHook() = 0;
  // The owner of the application's forms; nullptr when there is none.
  virtual TComponent* Application() = 0;
  // nullptr: there is nobody to tell.
  virtual TsBroadcastModel* Model() = 0;
  // SendMessage of the command to a window handle; its result.
  virtual intptr_t SendToWindowHandle(uintptr_t window, TsCmdMessage& message) = 0;
  // The command to the window of a control (ExtraNotifyControl).
  virtual void SendToControlWindow(TComponent* control, TsCmdMessage& message) = 0;
};

// Never null.
TsManagerPlatform& ManagerPlatform();
// Not owned; nullptr restores the default, which does nothing.
void SetManagerPlatform(TsManagerPlatform* platform);

// Windows build only: installs the Win32 platform. The programs call it once
// before their first form is made.
void UseWindowsSkinManager();

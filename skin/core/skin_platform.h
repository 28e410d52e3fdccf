// The few things the portable skin core asks of the operating system. The
// Windows build installs the real answers (UseWindowsSkinPlatform in
// skin_platform_win.cpp); native builds and tests keep the default, which
// shows nothing and answers fixed values, or install a recorder.
#pragma once

#include <cstdint>
#include <string>

enum class TSkinBoxKind { Warning, Error };

class TSkinPlatform {
 public:
  virtual ~TSkinPlatform() = default;
  // A modal box with one OK button.
  virtual void ShowMessageBox(TSkinBoxKind kind, const std::string& text) = 0;
  // Major and minor version of the running system.
  virtual void OsVersion(int& major, int& minor) = 0;
  // GetSystemMetrics(SM_CXHSCROLL).
  virtual int HScrollArrowWidth() = 0;
  // Height of the system caption font, 0 when unknown.
  virtual int CaptionFontHeight() = 0;
};

// The platform in use; never null.
TSkinPlatform& SkinPlatform();
// Installs another platform (not owned); nullptr restores the default.
void SetSkinPlatform(TSkinPlatform* platform);
// Counts the installations, so that values asked once can be asked again
// of a newly installed platform.
int SkinPlatformGeneration();

// Windows build only: installs the Win32 answers.
void UseWindowsSkinPlatform();
// Windows build only: the routine the Win32 answers show warning and error
// boxes through (the skinned controls' typed message box); nullptr shows
// the system's box directly.
using TSkinMessageBoxAnswer = void (*)(TSkinBoxKind kind, const std::string& text);
void SetSkinMessageBoxAnswer(TSkinMessageBoxAnswer answer);

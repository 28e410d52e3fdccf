// The general helpers that need the platform's window and shell types.
#pragma once

#include <string>

#include "platform/forms/messages.h"

class TIcon;

// A message record with result 0.
inline TMessage BuildMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return MakeMessage(msg, wParam, lParam);
}

// The shell's icon of an existing file: small when flags holds 1, else
// large. Null when the file is missing or the shell gives no icon; the
// caller owns the result.
TIcon* GetFileIcon(const std::string& fileName, unsigned flags);

// The program's own icons, small and large, as the shell shows its file;
// null when it gives none. Loaded by the engine's start step and freed by
// its end step (never by a static destructor: the icons are GDI objects).
TIcon* AppSmallIcon();
TIcon* AppLargeIcon();
void LoadAppIcons();
void FreeAppIcons();

// Which window commands a skinned form's system menu shows and allows. The
// menu's items and the caption buttons both follow these answers, so a
// button is drawn exactly when the menu would show its command.
#pragma once

#include <cstdint>

#include "skin/windows/form_geometry.h"

// The form's BorderIcons.
struct TsBorderIconFlags {
  bool SystemMenu = true;
  bool Minimize = true;
  bool Maximize = true;
  bool Help = false;
};

enum TsFormWindowState { fwNormal, fwMinimized, fwMaximized };

struct TsWindowCommandState {
  TsBorderIconFlags Icons;
  TsFormBorder Border = fbSizeable;
  TsFormWindowState State = fwNormal;
  bool MDIChild = false;
  bool Iconic = false;
};

// Shown (visible) and allowed (enabled) for each command of the menu.
struct TsWindowCommands {
  bool RestoreVisible = false, RestoreEnabled = false;
  bool MoveVisible = true, MoveEnabled = true;
  bool SizeVisible = false, SizeEnabled = false;
  bool MinimizeVisible = false, MinimizeEnabled = false;
  bool MaximizeVisible = false, MaximizeEnabled = false;
  bool CloseVisible = false, CloseEnabled = true;
};

TsWindowCommands WindowCommandsOf(const TsWindowCommandState& s);

// The same answers for a foreign dialog's window menu, from the style its
// frame adapter captured and its frame kind (0 to 5).
TsWindowCommands DialogWindowCommandsOf(uint32_t style, int frameKind, bool iconic, bool zoomed);

// Which window commands a skinned form's system menu shows and allows. The
// menu's items and the caption buttons both follow these answers, so a
// button is drawn exactly when the menu would show its command.
#pragma once

#include <string>
#include <vector>

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

// A foreign dialog's state: the style captured when its frame was taken
// up, its frame kind (0 to 5) and whether it is iconic or zoomed now.
struct TsDialogCommandState {
  bool SysMenu = false;      // WS_SYSMENU
  bool MinimizeBox = false;  // WS_MINIMIZEBOX
  bool MaximizeBox = false;  // WS_MAXIMIZEBOX
  int FrameKind = 0;
  bool Iconic = false;
  bool Zoomed = false;
};
TsWindowCommands DialogWindowCommandsOf(const TsDialogCommandState& s);

// One entry of the system menu's skin list.
struct TsSkinListEntry {
  std::string Caption;  // shown: every "&" doubled
  std::string Name;     // the skin chosen: the name as listed
  bool Checked = false;
  bool Break = false;   // starts a new column
};
// The entries for the names in list order: a new column at every 20th
// after the first, the current skin (compared by name) checked.
std::vector<TsSkinListEntry> SkinListEntriesOf(const std::vector<std::string>& names,
                                               const std::string& skinName);

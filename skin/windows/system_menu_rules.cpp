#include "skin/windows/system_menu_rules.h"

TsWindowCommands WindowCommandsOf(const TsWindowCommandState& s) {
  const bool framed = s.Border == fbSingle || s.Border == fbSizeable;
  const bool sysMenu = s.Icons.SystemMenu;
  TsWindowCommands c;
  c.RestoreVisible = sysMenu && (s.MDIChild || framed);
  c.RestoreEnabled = (s.Icons.Maximize && s.State != fwNormal) || s.State == fwMinimized;
  c.MoveVisible = true;
  c.MoveEnabled = s.State != fwMaximized;
  c.SizeVisible = s.MDIChild || (s.Border != fbNone && s.Border != fbDialog && s.Border != fbToolWindow);
  c.SizeEnabled = s.Border != fbSingle && !s.Iconic;
  c.MinimizeVisible = sysMenu && (s.Iconic || s.MDIChild || (s.Icons.Minimize && framed));
  c.MinimizeEnabled = s.Icons.Minimize && s.State != fwMinimized;
  c.MaximizeVisible = sysMenu && (s.Iconic || s.MDIChild || (s.Icons.Maximize && framed));
  c.MaximizeEnabled = s.Icons.Maximize && (s.MDIChild || (s.State != fwMaximized && framed));
  c.CloseVisible = sysMenu;
  c.CloseEnabled = true;
  return c;
}

TsWindowCommands DialogWindowCommandsOf(uint32_t style, int frameKind, bool iconic, bool zoomed) {
  const bool sysMenu = (style & 0x80000u) != 0;
  const bool maxBox = (style & 0x10000u) != 0;
  const bool minBox = (style & 0x20000u) != 0;
  const bool sizing = frameKind == 1 || frameKind == 3 || frameKind == 5;
  TsWindowCommands c;
  c.RestoreVisible = (frameKind == 1 || frameKind == 3) && sysMenu;
  c.RestoreEnabled = maxBox && (iconic || zoomed);
  c.MoveVisible = true;
  c.MoveEnabled = !zoomed;
  c.SizeVisible = sizing;
  c.SizeEnabled = frameKind != 1 && !iconic;
  c.MinimizeVisible = minBox;
  c.MinimizeEnabled = minBox && !iconic;
  c.MaximizeVisible = maxBox;
  c.MaximizeEnabled = maxBox && !zoomed && sizing;
  c.CloseVisible = sysMenu;
  c.CloseEnabled = true;
  return c;
}

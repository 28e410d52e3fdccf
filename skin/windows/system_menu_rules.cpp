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

TsWindowCommands DialogWindowCommandsOf(const TsDialogCommandState& s) {
  const bool framed = s.FrameKind == 1 || s.FrameKind == 3;
  const bool sizeable = framed || s.FrameKind == 5;
  TsWindowCommands c;
  c.RestoreVisible = framed && s.SysMenu;
  c.RestoreEnabled = s.MaximizeBox && (s.Iconic || s.Zoomed);
  c.MoveVisible = true;
  c.MoveEnabled = !s.Zoomed;
  c.SizeVisible = sizeable;
  c.SizeEnabled = s.FrameKind != 1 && !s.Iconic;
  c.MinimizeVisible = s.MinimizeBox;
  c.MinimizeEnabled = s.MinimizeBox && !s.Iconic;
  c.MaximizeVisible = s.MaximizeBox;
  c.MaximizeEnabled = s.MaximizeBox && !s.Zoomed && sizeable;
  c.CloseVisible = s.SysMenu;
  c.CloseEnabled = true;
  return c;
}

std::vector<TsSkinListEntry> SkinListEntriesOf(const std::vector<std::string>& names,
                                               const std::string& skinName) {
  std::vector<TsSkinListEntry> entries;
  entries.reserve(names.size());
  for (size_t i = 0; i < names.size(); ++i) {
    TsSkinListEntry e;
    e.Name = names[i];
    for (char ch : names[i]) {
      e.Caption += ch;
      if (ch == '&') e.Caption += '&';
    }
    e.Checked = names[i] == skinName;
    e.Break = i > 0 && i % 20 == 0;
    entries.push_back(std::move(e));
  }
  return entries;
}

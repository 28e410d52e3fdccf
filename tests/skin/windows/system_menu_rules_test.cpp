// The system menu's commands against the rule table, written out case by
// case rather than recomputed.
#include "skin/windows/system_menu_rules.h"

#include <gtest/gtest.h>

namespace {

struct Row {
  const char* Name;
  TsWindowCommandState State;
  // Restore, Move, Size, Minimize, Maximize, Close: visible then enabled.
  bool Visible[6];
  bool Enabled[6];
};

TsWindowCommandState S(TsFormBorder b, TsFormWindowState w, TsBorderIconFlags i, bool mdi = false) {
  TsWindowCommandState s;
  s.Border = b;
  s.State = w;
  s.Icons = i;
  s.MDIChild = mdi;
  s.Iconic = w == fwMinimized;
  return s;
}

constexpr TsBorderIconFlags kAll{true, true, true, false};
constexpr TsBorderIconFlags kCloseOnly{true, false, false, false};
constexpr TsBorderIconFlags kNone{false, false, false, false};

TEST(SystemMenuRules, CommandsFollowTheTable) {
  const Row rows[] = {
      {"sizeable normal", S(fbSizeable, fwNormal, kAll),
       {true, true, true, true, true, true}, {false, true, true, true, true, true}},
      {"sizeable maximised", S(fbSizeable, fwMaximized, kAll),
       {true, true, true, true, true, true}, {true, false, true, true, false, true}},
      {"sizeable iconic", S(fbSizeable, fwMinimized, kAll),
       {true, true, true, true, true, true}, {true, true, false, false, true, true}},
      {"single normal", S(fbSingle, fwNormal, kAll),
       {true, true, true, true, true, true}, {false, true, false, true, true, true}},
      {"dialog close only", S(fbDialog, fwNormal, kCloseOnly),
       {false, true, false, false, false, true}, {false, true, true, false, false, true}},
      {"dialog with all icons", S(fbDialog, fwNormal, kAll),
       {false, true, false, false, false, true}, {false, true, true, true, false, true}},
      {"tool window", S(fbToolWindow, fwNormal, kAll),
       {false, true, false, false, false, true}, {false, true, true, true, false, true}},
      {"size tool window", S(fbSizeToolWin, fwNormal, kAll),
       {false, true, true, false, false, true}, {false, true, true, true, false, true}},
      {"no system menu", S(fbSizeable, fwNormal, kNone),
       {false, true, true, false, false, false}, {false, true, true, false, false, true}},
      {"mdi child dialog maximised", S(fbDialog, fwMaximized, kAll, true),
       {true, true, true, true, true, true}, {true, false, true, true, true, true}},
      {"no border", S(fbNone, fwNormal, kAll),
       {false, true, false, false, false, true}, {false, true, true, true, false, true}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.Name);
    const TsWindowCommands c = WindowCommandsOf(r.State);
    const bool visible[6] = {c.RestoreVisible, c.MoveVisible, c.SizeVisible,
                             c.MinimizeVisible, c.MaximizeVisible, c.CloseVisible};
    const bool enabled[6] = {c.RestoreEnabled, c.MoveEnabled, c.SizeEnabled,
                             c.MinimizeEnabled, c.MaximizeEnabled, c.CloseEnabled};
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(visible[i], r.Visible[i]) << "visible " << i;
      EXPECT_EQ(enabled[i], r.Enabled[i]) << "enabled " << i;
    }
  }
}

TEST(SystemMenuRules, DialogMenuFollowsTheCapturedStyleAndFrameKind) {
  // A message box: Move and Close only.
  TsWindowCommands c = DialogWindowCommandsOf(0x80C80080u, 0, false, false);
  EXPECT_FALSE(c.RestoreVisible || c.SizeVisible || c.MinimizeVisible || c.MaximizeVisible);
  EXPECT_TRUE(c.MoveVisible && c.MoveEnabled && c.CloseVisible && c.CloseEnabled);
  // A resizable dialog with both boxes, zoomed: restore allowed, maximise not.
  c = DialogWindowCommandsOf(0x00CF0000u, 3, false, true);
  EXPECT_TRUE(c.RestoreVisible && c.RestoreEnabled && c.SizeVisible && c.SizeEnabled);
  EXPECT_TRUE(c.MaximizeVisible && c.MinimizeEnabled);
  EXPECT_FALSE(c.MaximizeEnabled || c.MoveEnabled);
  // The kind before start-up shows Size but never allows it.
  c = DialogWindowCommandsOf(0x00CF0000u, 1, false, false);
  EXPECT_TRUE(c.SizeVisible);
  EXPECT_FALSE(c.SizeEnabled);
  // Without WS_SYSMENU: no Close.
  EXPECT_FALSE(DialogWindowCommandsOf(0x00C40000u, 3, false, false).CloseVisible);
}

}  // namespace

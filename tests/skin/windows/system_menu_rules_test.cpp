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

// Restore, Move, Size, Minimize, Maximize, Close: visible then enabled.
void ExpectCommands(const TsWindowCommands& c, const bool (&visible)[6], const bool (&enabled)[6]) {
  const bool v[6] = {c.RestoreVisible, c.MoveVisible, c.SizeVisible, c.MinimizeVisible, c.MaximizeVisible,
                     c.CloseVisible};
  const bool e[6] = {c.RestoreEnabled, c.MoveEnabled, c.SizeEnabled, c.MinimizeEnabled, c.MaximizeEnabled,
                     c.CloseEnabled};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(v[i], visible[i]) << "visible " << i;
    EXPECT_EQ(e[i], enabled[i]) << "enabled " << i;
  }
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
    ExpectCommands(WindowCommandsOf(r.State), r.Visible, r.Enabled);
  }
}

TsDialogCommandState D(int kind, bool sys, bool min, bool max, bool iconic = false, bool zoomed = false) {
  TsDialogCommandState s;
  s.FrameKind = kind;
  s.SysMenu = sys;
  s.MinimizeBox = min;
  s.MaximizeBox = max;
  s.Iconic = iconic;
  s.Zoomed = zoomed;
  return s;
}

TEST(SystemMenuRules, DialogCommandsFollowTheTable) {
  struct DialogRow {
    const char* Name;
    TsDialogCommandState State;
    bool Visible[6];
    bool Enabled[6];
  };
  const DialogRow rows[] = {
      {"kind 0 close only", D(0, true, false, false),
       {false, true, false, false, false, true}, {false, true, true, false, false, true}},
      {"kind 1 all boxes", D(1, true, true, true),
       {true, true, true, true, true, true}, {false, true, false, true, true, true}},
      {"kind 2 boxes", D(2, true, true, true),
       {false, true, false, true, true, true}, {false, true, true, true, false, true}},
      {"kind 3 zoomed", D(3, true, true, true, false, true),
       {true, true, true, true, true, true}, {true, false, true, true, false, true}},
      {"kind 4 no system menu", D(4, false, false, false),
       {false, true, false, false, false, false}, {false, true, true, false, false, true}},
      {"kind 5 iconic", D(5, true, true, true, true),
       {false, true, true, true, true, true}, {true, true, false, false, true, true}},
  };
  for (const DialogRow& r : rows) {
    SCOPED_TRACE(r.Name);
    ExpectCommands(DialogWindowCommandsOf(r.State), r.Visible, r.Enabled);
  }
}

std::vector<std::string> Names(int n) {
  std::vector<std::string> names;
  for (int i = 0; i < n; ++i) names.push_back("Skin" + std::to_string(i));
  return names;
}

TEST(SystemMenuRules, SkinListStartsColumnsAtThe21stAnd41stName) {
  EXPECT_TRUE(SkinListEntriesOf({}, "Marl").empty());
  for (int n : {20, 21, 45}) {
    SCOPED_TRACE(n);
    const auto entries = SkinListEntriesOf(Names(n), "Skin7");
    ASSERT_EQ(static_cast<int>(entries.size()), n);
    for (int i = 0; i < n; ++i) {
      EXPECT_EQ(entries[i].Break, i == 20 || i == 40) << i;
      EXPECT_EQ(entries[i].Checked, i == 7) << i;
    }
  }
}

TEST(SystemMenuRules, SkinNameWithAmpersandIsShownDoubledAndChosenAsListed) {
  const auto entries = SkinListEntriesOf({"Black&White", "Marl"}, "Black&White");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].Caption, "Black&&White");
  EXPECT_EQ(entries[0].Name, "Black&White");
  EXPECT_TRUE(entries[0].Checked);
  EXPECT_FALSE(entries[1].Checked);
}

}  // namespace

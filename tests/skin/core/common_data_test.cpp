// The per-control skin record against a small model of a control, its
// parent and its form.
#include "skin/core/common_data.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "control_model_test_support.h"
#include "skin/core/control_messages.h"
#include "skin/core/paint_colors.h"
#include "skin/core/skin_constants.h"

using namespace recordtest;

namespace {

TsCmdMessage Cmd(uint16_t code, intptr_t lParam = 0, uint16_t argument = 0) {
  return MakeSkinCommand(code, lParam, argument);
}
TsCmdMessage Msg(uint32_t msg, uintptr_t wParam = 0) {
  TsCmdMessage m;
  m.Msg = msg;
  m.WParam = wParam;
  return m;
}
intptr_t From(const TsSkinManager* m) { return reinterpret_cast<intptr_t>(m); }

// A form with a panel holding the control under test; every one carries a
// record of the skin, the control's section is "BUTTON".
class RecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin.Add("FORM", 0x102030);
    skin.Add("PANEL", 0x405060);
    skin.Add("BUTTON", 0x708090);
    TsMaskData border;
    border.SectionName = "BUTTON";
    border.PropertyName = "BORDERSMASK";
    skin.manager->MaskItems.push_back(border);
    TsMaskData pattern = border;
    pattern.PropertyName = "PATTERN";
    pattern.ImgType = itisaTexture;
    skin.manager->MaskItems.push_back(pattern);

    form = std::make_unique<Control>(nullptr, "TForm1");
    panel = form->Add(new Control(form.get(), "TsPanel"));
    control = panel->Add(new Control(form.get(), "TsButton"));
    form->Form = form.get();
    panel->Form = control->Form = form.get();
    // A form's record belongs to its skin provider.
    provider = std::make_unique<Control>(nullptr, "TsSkinProvider");
    provider->Provider = true;
    records.push_back(std::make_unique<TsCommonData>(provider.get(), true));
    formRecord = records.back().get();
    form->Record = formRecord;
    formRecord->SetSkinSection("FORM");
    panelRecord = Attach(panel, "PANEL");
    record = Attach(control, "BUTTON");
    form->Received.clear();
    provider->Received.clear();
  }
  TsCommonData* Attach(Control* c, const std::string& section) {
    records.push_back(std::make_unique<TsCommonData>(c, true));
    TsCommonData* r = records.back().get();
    c->Record = r;
    r->SetSkinSection(section);
    c->Received.clear();
    return r;
  }
  TsGeneralData& Sec(const std::string& name) {
    return skin.manager->SectionItems[static_cast<size_t>(skin.manager->LookupSection(name))];
  }

  ModelScope scope;
  ManagerScope skin;
  std::unique_ptr<Control> provider;
  std::unique_ptr<Control> form;
  Control* panel = nullptr;
  Control* control = nullptr;
  std::vector<std::unique_ptr<TsCommonData>> records;
  TsCommonData* formRecord = nullptr;
  TsCommonData* panelRecord = nullptr;
  TsCommonData* record = nullptr;
};

}  // namespace

// -- Tables ------------------------------------------------------------------------------

TEST(ControlKindTest, DefaultSectionsByKind) {
  const std::pair<int, const char*> table[] = {
      {2, "EDIT"}, {8, "EDIT"}, {10, "EDIT"}, {97, "EDIT"}, {227, "EDIT"}, {11, "COMBOBOX"},
      {18, "COMBOBOX"}, {82, "COMBOBOX"}, {19, "BAR"}, {20, "BARTITLE"}, {152, "CHECKBOX"},
      {33, "RADIOBUTTON"}, {51, "PANEL"}, {73, "PANEL"}, {52, "PANEL_LOW"}, {58, "PANEL_LOW"},
      {60, "TOOLBAR"}, {56, "DRAGBAR"}, {57, "TABSHEET"}, {226, "GROUPBOX"}, {75, "SPLITTER"},
      {95, "SPEEDBUTTON"}, {93, "BUTTON"}, {94, "BUTTON"}, {98, "TOOLBUTTON"},
      {143, "PAGECONTROL"}, {151, "STATUSBAR"}, {161, "GAUGE"}, {165, "TRACKBAR"}};
  for (const auto& [kind, section] : table) EXPECT_EQ(DefaultSectionOfKind(kind, "TX"), section) << kind;
  // Neighbours of the ranges, and the kinds of records that name their own.
  for (int kind : {0, 1, 9, 12 + 7, 224, 9999}) {
    if (kind == 19) continue;
    EXPECT_EQ(DefaultSectionOfKind(kind, "TsOwner"), "TsOwner") << kind;
  }
}

TEST(ControlKindTest, HotlessKinds) {
  for (int kind : {51, 60, 74, 110, 141, 150, 161}) EXPECT_TRUE(IsHotlessKind(kind)) << kind;
  for (int kind : {0, 50, 75, 109, 111, 140, 162, 255, 256 + 51, -1})
    EXPECT_FALSE(IsHotlessKind(kind)) << kind;
}

// -- Section and manager properties ---------------------------------------------------------

TEST_F(RecordTest, SectionNamesAreUpperCasedAndEmptyIsUnknown) {
  record->SetSkinSection("panel");
  EXPECT_EQ(record->SkinSection(), "PANEL");
  EXPECT_EQ(record->SectionIndex, skin.manager->LookupSection("PANEL"));
  record->SetSkinSection("");
  EXPECT_EQ(record->SkinSection(), "UNKNOWN");
  EXPECT_EQ(record->SectionIndex, -1);
  EXPECT_EQ(record->PatternIndex, -1);
  control->Received.clear();
  record->SetSkinSection("UNKNOWN");
  EXPECT_TRUE(control->Received.empty());
}

TEST_F(RecordTest, NewSectionAtRunTimeIsApplied) {
  // The owner hears of it from the record's own manager, so the record
  // obeys: the batch wait ends and the section is painted.
  record->SetSkinSection("PANEL");
  control->Received.clear();
  record->Updating = true;
  record->BackgroundStale = false;
  record->SetSkinSection("BUTTON");
  ASSERT_EQ(control->Commands(), std::vector<int>{SkinCmdSkinReapplied});
  EXPECT_EQ(control->Received.back().LParam, From(skin.manager.get()));
  EXPECT_FALSE(record->Updating);
  EXPECT_TRUE(record->BackgroundStale);
  EXPECT_EQ(record->SectionIndex, skin.manager->LookupSection("BUTTON"));
  EXPECT_EQ(record->BorderItemIndex, 0);
  EXPECT_EQ(record->PatternIndex, 1);

  control->Received.clear();
  record->SetSkinSection("NOSUCH");
  ASSERT_EQ(control->Commands(), std::vector<int>{SkinCmdSkinRemoved});
  EXPECT_FALSE(record->IsSkinned());
  EXPECT_EQ(record->CacheBitmap->Width(), 0);
}

TEST_F(RecordTest, SectionChangeTellsNobodyWhileLoadingOrWithoutParent) {
  control->SetState(csLoading, true);
  record->SetSkinSection("PANEL");
  control->SetState(csLoading, false);
  panel->Remove(control);
  record->SetSkinSection("FORM");
  EXPECT_TRUE(control->Received.empty());
  EXPECT_EQ(record->SectionIndex, skin.manager->LookupSection("FORM"));
}

TEST_F(RecordTest, ProviderOwnedRecordFreesTheFormCacheOnSectionChange) {
  Control provider(nullptr, "TsSkinProvider");
  provider.Provider = true;
  TsCommonData r(&provider, false);
  EXPECT_EQ(r.HostControl, nullptr);
  scope.model.ProviderCachesFreed = 0;
  r.BackgroundStale = false;
  r.SetSkinSection("FORM");
  EXPECT_TRUE(r.BackgroundStale);
  EXPECT_EQ(scope.model.ProviderCachesFreed, 1);
  EXPECT_TRUE(provider.Received.empty());
}

TEST_F(RecordTest, DefaultSectionComesFromTheKindOrTheClassName) {
  TsCommonData byKind(control, false);
  byKind.ControlKind = 51;
  byKind.SetDefaultSection();
  EXPECT_EQ(byKind.SkinSection(), "PANEL");
  TsCommonData byClass(control, false);
  byClass.ControlKind = 224;
  byClass.SetDefaultSection();
  EXPECT_EQ(byClass.SkinSection(), "TSBUTTON");
  // A named section is only looked up again.
  skin.manager->SectionItems.insert(skin.manager->SectionItems.begin(), Section("EXTRA", 0));
  byKind.SetDefaultSection();
  EXPECT_EQ(byKind.SkinSection(), "PANEL");
  EXPECT_EQ(byKind.SectionIndex, skin.manager->LookupSection("PANEL"));
}

TEST_F(RecordTest, SettingAManagerReappliesOrRemoves) {
  TsSkinManager other(nullptr);
  record->SetSkinManager(&other);
  EXPECT_EQ(record->OwnManager, &other);
  EXPECT_EQ(record->SectionIndex, -1);
  ASSERT_EQ(control->Commands(), std::vector<int>{SkinCmdSkinRemoved});
  EXPECT_EQ(control->Received.back().LParam, From(&other));

  control->Received.clear();
  record->SetSkinManager(skin.manager.get());
  EXPECT_EQ(record->OwnManager, nullptr);  // the default one is not named
  ASSERT_EQ(control->Commands(), std::vector<int>{SkinCmdSkinReapplied});
  EXPECT_TRUE(record->IsSkinned());

  // A control that fails on the news keeps its new manager.
  control->Handler = [](TsCmdMessage&) -> bool { throw std::runtime_error("paint failed"); };
  EXPECT_NO_THROW(record->SetSkinManager(&other));
  EXPECT_EQ(record->SkinManager(), &other);
}

TEST_F(RecordTest, EditColorsFollowTheSectionUnlessCustom) {
  control->CustomEdit = true;
  control->BackColor = clWindow;
  Sec("BUTTON").FontColor[0] = 0x0000AA;
  record->ApplySkinColors();
  EXPECT_EQ(control->BackColor, 0x708090);
  EXPECT_EQ(control->TextColor, 0x0000AA);
  EXPECT_EQ(form->Commands(), std::vector<int>{SkinCmdAdaptControl});
  EXPECT_EQ(form->Received.back().LParam, reinterpret_cast<intptr_t>(control));

  record->SetCustomColor(true);
  TsCmdMessage removed = Cmd(SkinCmdSkinRemoved, From(skin.manager.get()));
  CommonControlMessage(removed, record);
  EXPECT_EQ(control->BackColor, 0x708090);  // custom: kept
  EXPECT_EQ(control->TextColor, clWindowText);
}

// -- State tests -------------------------------------------------------------------------------

TEST_F(RecordTest, SkinnedNeedsALiveLoadedManagerAndAValidSection) {
  EXPECT_TRUE(record->IsSkinned());
  EXPECT_FALSE(TsCommonData::IsSkinned(nullptr));
  skin.manager->SkinData.Loaded = false;
  EXPECT_FALSE(record->IsSkinned(true));
  EXPECT_TRUE(record->IsSkinned(false));
  skin.manager->SkinData.Loaded = true;
  control->SetState(csDestroying, true);
  EXPECT_FALSE(record->IsSkinned());
  control->SetState(csDestroying, false);
  record->SectionIndex = 99;
  EXPECT_FALSE(record->IsSkinned());
}

TEST_F(RecordTest, ActiveStateTruthTable) {
  record->Hot = true;
  EXPECT_TRUE(record->IsActiveState());
  record->ControlKind = 51;  // a panel never turns hot
  EXPECT_FALSE(record->IsActiveState());
  record->Focused = true;
  EXPECT_TRUE(record->IsActiveState());
  record->Focused = false;
  control->HasInputFocus = true;
  EXPECT_TRUE(record->IsActiveState());
  control->IsEnabled = false;
  EXPECT_FALSE(record->IsActiveState());
  control->IsEnabled = true;
  control->SetState(csDesigning, true);
  EXPECT_FALSE(record->IsActiveState());
}

TEST_F(RecordTest, FullRedrawTruthTable) {
  EXPECT_TRUE(TsCommonData::NeedsFullRedraw(nullptr));
  EXPECT_FALSE(record->NeedsFullRedraw());  // opaque, enabled, visible
  record->ForceFullRedraw = true;
  EXPECT_TRUE(record->NeedsFullRedraw());
  record->ForceFullRedraw = false;
  control->IsVisible = false;
  EXPECT_TRUE(record->NeedsFullRedraw());
  control->IsVisible = true;
  control->Creating = true;
  EXPECT_TRUE(record->NeedsFullRedraw());
  control->Creating = false;
  // Transparent: the parent decides; a plain parent needs nothing.
  Sec("BUTTON").Transparency = 40;
  EXPECT_FALSE(record->NeedsFullRedraw());
  Sec("PANEL").GradientPercent = 20;
  EXPECT_TRUE(record->NeedsFullRedraw());
  Sec("PANEL").GradientPercent = 0;
  panel->HandleMade = false;  // nobody to ask
  EXPECT_TRUE(record->NeedsFullRedraw());
  panel->HandleMade = true;
  Sec("BUTTON").Transparency = 0;
  control->IsEnabled = false;
  Sec("PANEL").ImagePercent = 10;
  EXPECT_TRUE(record->NeedsFullRedraw());
  record->SetSkinSection("NOSUCH");
  EXPECT_TRUE(record->NeedsFullRedraw());
}

TEST_F(RecordTest, UpdatingAsksTheParent) {
  record->BackgroundStale = panelRecord->BackgroundStale = formRecord->BackgroundStale = false;
  EXPECT_FALSE(record->IsUpdating());
  panelRecord->Updating = true;
  EXPECT_TRUE(record->IsUpdating());
  panelRecord->Updating = false;
  panelRecord->BackgroundStale = true;
  EXPECT_TRUE(record->IsUpdating());
  panelRecord->BackgroundStale = false;
  skin.manager->SkinData.Loaded = false;
  EXPECT_TRUE(record->IsUpdating());
  skin.manager->SkinData.Loaded = true;
  panel->Remove(control);
  EXPECT_TRUE(record->IsUpdating());
  EXPECT_TRUE(record->MarkUpdating(true)->Updating);
}

// -- The command table -----------------------------------------------------------------------------

TEST_F(RecordTest, SkinChangesFromAnotherManagerAreIgnored) {
  TsSkinManager other(nullptr);
  record->Updating = false;
  const int index = record->SectionIndex;
  for (uint16_t code : {SkinCmdNewSkin, SkinCmdSkinRemoved, SkinCmdSkinReapplied}) {
    TsCmdMessage m = Cmd(code, From(&other));
    EXPECT_FALSE(CommonControlMessage(m, record));
  }
  EXPECT_FALSE(record->Updating);
  EXPECT_EQ(record->SectionIndex, index);
}

TEST_F(RecordTest, RemovalEmptiesAndReapplyRestores) {
  record->PrepareCacheBitmap();
  ASSERT_EQ(record->CacheBitmap->Width(), 40);
  TsCmdMessage removed = Cmd(SkinCmdSkinRemoved, From(skin.manager.get()));
  CommonControlMessage(removed, record);
  EXPECT_EQ(record->SectionIndex, -1);
  EXPECT_EQ(record->BorderItemIndex, -1);
  EXPECT_EQ(record->PatternIndex, -1);
  EXPECT_TRUE(record->Updating);
  EXPECT_EQ(record->CacheBitmap->Width(), 0);

  TsCmdMessage fresh = Cmd(SkinCmdNewSkin, From(skin.manager.get()));
  CommonControlMessage(fresh, record);
  EXPECT_TRUE(record->Updating);
  EXPECT_EQ(record->BorderItemIndex, 0);
  TsCmdMessage reapplied = Cmd(SkinCmdSkinReapplied, From(skin.manager.get()));
  CommonControlMessage(reapplied, record);
  EXPECT_FALSE(record->Updating);
  EXPECT_TRUE(record->IsSkinned());
  EXPECT_EQ(form->Commands(), std::vector<int>{SkinCmdAdaptControl});
}

TEST_F(RecordTest, QueriesAnswerInLParam) {
  TsCmdMessage skinned = Cmd(SkinCmdQuerySkinned);
  EXPECT_TRUE(CommonControlMessage(skinned, record));
  EXPECT_EQ(skinned.LParam, 1);
  EXPECT_FALSE(CommonControlMessage(skinned, nullptr));

  record->RedrawFlag = false;
  TsCmdMessage redraw = Cmd(SkinCmdQueryRedrawFlag);
  EXPECT_TRUE(CommonControlMessage(redraw, record));
  EXPECT_EQ(redraw.LParam, 0);
  TsCmdMessage set = Cmd(SkinCmdSetRedrawFlag);
  CommonControlMessage(set, record);
  CommonControlMessage(redraw, record);
  EXPECT_EQ(redraw.LParam, 1);

  record->BackgroundStale = true;
  TsCmdMessage updating = Cmd(SkinCmdQueryUpdating);
  EXPECT_TRUE(CommonControlMessage(updating, record));
  EXPECT_EQ(updating.LParam, 1);
}

TEST_F(RecordTest, FlagCommandsTakeTheLowWord) {
  TsCmdMessage on = Cmd(SkinCmdSetUpdating, 0, 1), off = Cmd(SkinCmdSetUpdating, 0, 0);
  CommonControlMessage(on, record);
  EXPECT_TRUE(record->Updating);
  CommonControlMessage(off, record);
  EXPECT_FALSE(record->Updating);
  TsCmdMessage force = Cmd(SkinCmdForceFullRedraw, 0, 1);
  CommonControlMessage(force, record);
  EXPECT_TRUE(record->ForceFullRedraw);

  record->BackgroundStale = false;
  TsCmdMessage check = Cmd(SkinCmdCheckBackground, 0, 1);
  CommonControlMessage(check, record);
  EXPECT_FALSE(record->BackgroundStale);  // opaque section
  Sec("BUTTON").Transparency = 10;
  TsCmdMessage checkOff = Cmd(SkinCmdCheckBackground, 0, 0);
  CommonControlMessage(checkOff, record);
  EXPECT_FALSE(record->BackgroundStale);
  CommonControlMessage(check, record);
  EXPECT_TRUE(record->BackgroundStale);

  record->BackgroundStale = false;
  TsCmdMessage mark = Cmd(SkinCmdMarkBackground);
  CommonControlMessage(mark, record);
  EXPECT_TRUE(record->BackgroundStale);

  TsCmdMessage child = Cmd(SkinCmdSetPaintingChild, reinterpret_cast<intptr_t>(panel));
  CommonControlMessage(child, record);
  EXPECT_EQ(record->PaintingChild, panel);
}

TEST_F(RecordTest, RepaintSectionOnlyForTheNamedSection) {
  TsCmdMessage m = Cmd(SkinCmdRepaintSection);
  CommonControlMessage(m, record);
  EXPECT_EQ(control->Invalidated, 0);
  RepaintSectionName = "BUTTON";
  CommonControlMessage(m, record);
  CommonControlMessage(m, panelRecord);
  RepaintSectionName.clear();
  EXPECT_EQ(control->Invalidated, 1);
  EXPECT_EQ(panel->Invalidated, 0);
}

TEST_F(RecordTest, CacheQueryAnswersWithTheCache) {
  panelRecord->PrepareCacheBitmap();
  ParentCacheInfo = EmptyCacheInfo;
  TCacheInfo info = EmptyCacheInfo;
  record->GetParentCacheInfo(info);
  EXPECT_TRUE(info.Ready);
  EXPECT_EQ(info.X, 0);
  EXPECT_EQ(info.Bmp.Width, 40);
  EXPECT_EQ(info.Bmp.FirstRow, panelRecord->CachePixels().FirstRow);

  // Hidden, the panel's cache is emptied and no longer offered.
  TsCmdMessage hide = Msg(skinmsg::VisibleChanged, 0);
  CommonControlMessage(hide, panelRecord);
  record->GetParentCacheInfo(info);
  EXPECT_FALSE(info.Ready);
  TsCmdMessage show = Msg(skinmsg::VisibleChanged, 1);
  panelRecord->BackgroundStale = false;
  panelRecord->Updating = true;
  CommonControlMessage(show, panelRecord);
  EXPECT_TRUE(panelRecord->BackgroundStale);
  EXPECT_FALSE(panelRecord->Updating);

  panel->Handler = [](TsCmdMessage&) -> bool { throw std::runtime_error("gone"); };
  info.Ready = true;
  record->GetParentCacheInfo(info);
  EXPECT_FALSE(info.Ready);
  EXPECT_EQ(info.X, -99);
}

TEST_F(RecordTest, BackgroundKindQuery) {
  TsCommonData none(control, false);
  TsCmdMessage m = Cmd(SkinCmdQueryBackgroundKind);
  EXPECT_FALSE(CommonControlMessage(m, &none));  // no section: the asker keeps its default
  EXPECT_EQ(m.LParam, 0);

  EXPECT_TRUE(CommonControlMessage(m, record));
  EXPECT_EQ(m.LParam, 0);
  Sec("BUTTON").ImagePercent = 5;
  EXPECT_TRUE(CommonControlMessage(m, record));
  EXPECT_EQ(m.Result, 1);
  // Fully transparent: whatever the parent answers.
  Sec("BUTTON").ImagePercent = 0;
  Sec("BUTTON").Transparency = 100;
  EXPECT_TRUE(CommonControlMessage(m, record));
  EXPECT_EQ(m.LParam, 0);
  Sec("PANEL").GradientPercent = 50;
  EXPECT_TRUE(CommonControlMessage(m, record));
  EXPECT_EQ(m.LParam, 1);
}

TEST_F(RecordTest, RepaintCommandRedrawsAndPassesOnWhenFull) {
  Control* child = control->Add(new Control(form.get()));
  TsCmdMessage plain = Cmd(SkinCmdRepaint, 0, 1);
  CommonControlMessage(plain, record);
  EXPECT_EQ(control->Redraws, std::vector<uint32_t>{RedrawInvalidateChildren});
  EXPECT_TRUE(child->Received.empty());  // the look does not depend on the parent

  record->BackgroundStale = false;
  record->ForceFullRedraw = true;
  TsCmdMessage quiet = Cmd(SkinCmdRepaint, 0, 0);
  CommonControlMessage(quiet, record);
  EXPECT_EQ(control->Redraws.size(), 1u);
  EXPECT_TRUE(record->BackgroundStale);
  EXPECT_EQ(child->Commands(), std::vector<int>{SkinCmdRepaint});
}

TEST_F(RecordTest, QueryApplicationAndUnknownCommandsAreNotHandled) {
  TsCmdMessage app = Cmd(SkinCmdQueryApplication);
  EXPECT_FALSE(CommonControlMessage(app, record));
  TsCmdMessage unknown = Cmd(45);
  EXPECT_FALSE(CommonControlMessage(unknown, record));
  TsCmdMessage other = Msg(0x0200);
  EXPECT_FALSE(CommonControlMessage(other, record));
}

// -- Background colour answers ------------------------------------------------------------------------

TEST_F(RecordTest, BackColorMixesWithTheParentByAWeightOf256) {
  Sec("FORM").Color = 0x000000;
  Sec("PANEL").Color = 0xFFFFFF;
  Sec("PANEL").Transparency = 50;
  ParentBackColor = SkinTransparentColor;
  TsCmdMessage m = Cmd(SkinCmdQueryBackColor);
  EXPECT_TRUE(CommonControlMessage(m, panelRecord));
  EXPECT_EQ(ParentBackColor, 0xCDCDCD);

  // Per channel, with the parent's colour from its own answer.
  Sec("FORM").Color = 0x00FF40;
  Sec("PANEL").Color = 0x204080;
  Sec("PANEL").Transparency = 25;
  CommonControlMessage(m, panelRecord);
  const auto mix = [](int p, int o) { return (25 * (p - o) + o * 256) >> 8; };
  EXPECT_EQ(ParentBackColor, RGBColor(mix(0x40, 0x80), mix(0xFF, 0x40), mix(0x00, 0x20)));
  ParentBackColor = SkinTransparentColor;
}

TEST_F(RecordTest, BackColorOfOpaqueTransparentAndUnskinnedControls) {
  TsCmdMessage m = Cmd(SkinCmdQueryBackColor);
  CommonControlMessage(m, record);
  EXPECT_EQ(ParentBackColor, 0x708090);

  // A custom colour may be a system colour: answered as RGB.
  control->BackColor = clBtnFace;
  record->SetCustomColor(true);
  CommonControlMessage(m, record);
  EXPECT_EQ(ParentBackColor, ColorToRGB(clBtnFace));
  EXPECT_GE(ParentBackColor, 0);

  // Fully transparent: the parent's answer.
  Sec("BUTTON").Transparency = 100;
  CommonControlMessage(m, record);
  EXPECT_EQ(ParentBackColor, 0x405060);
  // A parent that does not answer gives its Color.
  panel->Record = nullptr;
  panel->BackColor = 0x010203;
  CommonControlMessage(m, record);
  EXPECT_EQ(ParentBackColor, 0x010203);

  record->SetSkinSection("NOSUCH");
  control->BackColor = 0x0A0B0C;
  CommonControlMessage(m, record);
  EXPECT_EQ(ParentBackColor, 0x0A0B0C);
  ParentBackColor = SkinTransparentColor;
}

// -- Window messages -----------------------------------------------------------------------------------

TEST_F(RecordTest, HotFollowsTheMouseExceptForHotlessKinds) {
  TsCmdMessage enter = Msg(skinmsg::MouseEnter), leave = Msg(skinmsg::MouseLeave);
  CommonControlMessage(enter, record);
  EXPECT_TRUE(record->Hot);
  EXPECT_EQ(skin.manager->HotWindow(), control->Wnd);
  CommonControlMessage(leave, record);
  EXPECT_FALSE(record->Hot);
  panelRecord->ControlKind = 51;
  CommonControlMessage(enter, panelRecord);
  EXPECT_FALSE(panelRecord->Hot);

  record->Hot = record->Focused = true;
  TsCmdMessage enabled = Msg(skinmsg::EnabledChanged);
  CommonControlMessage(enabled, record);
  EXPECT_FALSE(record->Hot);
  EXPECT_FALSE(record->Focused);
}

TEST_F(RecordTest, FocusIsKeptForTabStops) {
  TsCmdMessage set = Msg(skinmsg::SetFocus), kill = Msg(skinmsg::KillFocus);
  CommonControlMessage(set, record);
  EXPECT_TRUE(record->Focused);
  CommonControlMessage(kill, record);
  EXPECT_FALSE(record->Focused);
  control->Tab = false;
  CommonControlMessage(set, record);
  EXPECT_FALSE(record->Focused);
}

TEST_F(RecordTest, SizeRepaintsUnanchoredChildrenOfAGradient) {
  Control* free = panel->Add(new Control(form.get()));
  Control* anchored = panel->Add(new Control(form.get()));
  anchored->AnchoredRB = true;
  TsCmdMessage size = Msg(skinmsg::Size);
  panelRecord->BackgroundStale = false;
  CommonControlMessage(size, panelRecord);
  EXPECT_TRUE(panelRecord->BackgroundStale);
  EXPECT_TRUE(free->Received.empty());
  Sec("PANEL").GradientPercent = 100;
  control->Received.clear();
  CommonControlMessage(size, panelRecord);
  EXPECT_EQ(free->Commands(), std::vector<int>{SkinCmdRepaint});
  EXPECT_EQ(SkinCmdArgumentOf(free->Received[0].WParam), 1);
  EXPECT_EQ(control->Commands(), std::vector<int>{SkinCmdRepaint});
  EXPECT_TRUE(anchored->Received.empty());
}

TEST_F(RecordTest, UIStateIsSwallowedWhenSkinnedAndThemesComeBackOtherwise) {
  scope.model.Themes = true;
  TsCmdMessage ui = Msg(skinmsg::UpdateUIState);
  EXPECT_TRUE(CommonControlMessage(ui, record));
  record->SetSkinSection("NOSUCH");
  EXPECT_FALSE(CommonControlMessage(ui, record));
  EXPECT_EQ(scope.model.ThemesRestored, 1);
}

TEST_F(RecordTest, ChildWindowCreationAsksForAnAdapter) {
  TsCmdMessage created = Msg(skinmsg::ParentNotify, skinmsg::Create);
  CommonControlMessage(created, panelRecord);
  ASSERT_EQ(form->Commands(), std::vector<int>{SkinCmdAdaptControl});
  EXPECT_EQ(form->Received[0].LParam, reinterpret_cast<intptr_t>(panel));
  TsCmdMessage destroyed = Msg(skinmsg::ParentNotify, 2);
  CommonControlMessage(destroyed, panelRecord);
  EXPECT_EQ(form->Commands().size(), 1u);
}

TEST_F(RecordTest, MoveOfAFullRedrawControlRepaintsIt) {
  TsCmdMessage move = Msg(skinmsg::Move);
  CommonControlMessage(move, record);
  EXPECT_TRUE(control->Received.empty());
  record->ForceFullRedraw = true;
  CommonControlMessage(move, record);
  EXPECT_EQ(control->Commands(), std::vector<int>{SkinCmdRepaint});
}

TEST_F(RecordTest, BatchUpdatesTellTheOwner) {
  record->BeginSkinUpdate();
  EXPECT_TRUE(record->Updating);
  record->EndSkinUpdate();
  EXPECT_FALSE(record->Updating);
  EXPECT_EQ(control->Commands(), (std::vector<int>{SkinCmdBatchBegin, SkinCmdBatchEnd}));
}

TEST_F(RecordTest, InvalidateOnlyPaintableControls) {
  record->InvalidateSkin();
  EXPECT_EQ(control->Invalidated, 1);
  control->HandleMade = false;
  record->InvalidateSkin();
  EXPECT_EQ(control->Invalidated, 1);
  EXPECT_TRUE(record->BackgroundStale);
  record->SetCustomFont(true);
  control->HandleMade = true;
  record->SetCustomFont(false);
  EXPECT_EQ(control->Invalidated, 2);
}

// Finding and loading skins, the stored-layout order, what the manager
// announces and hooks, recolouring and its options.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/rtl/files.h"
#include "platform/rtl/strings.h"
#include "skin/core/color_helpers.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skinned_forms.h"
#include "tests/skin/core/manager_test_support.h"
#include "tests/skin/core/skin_files_test_support.h"
#include "tools/skinkit/kit_archive.h"
#include "tools/skinkit/kit_skin.h"
#include "tools/skinkit/marl_skin.h"

using managertest::Kind;
using managertest::Node;
using Commands = std::vector<uint16_t>;
using Labels = std::vector<std::string>;

namespace {

// A quick skin whose VERSION tells where it was loaded from.
brsm::kit::KitSkin SmallSkin(const std::string& name, const std::string& version) {
  brsm::kit::KitSkin skin(name);
  skin.Set("GLOBALINFO", "VERSION", version);
  skin.Set("GLOBALINFO", "COLOR", 0x102030);
  skin.Set("BUTTON", "COLOR", 0x0000FF);
  skin.Set("BUTTON", "FONTCOLOR", 0x00FF00);
  skin.Set("BUTTON", "HOTCOLOR", 0x808080);
  return skin;
}

class ManagerTest : public ::testing::Test {
 protected:
  ~ManagerTest() override {
    while (!SkinnedFormList().empty()) UnregisterSkinnedForm(SkinnedFormList().front());
    brsm::SetExecutableFileName("");
  }

  std::unique_ptr<TsSkinManager> Manager(const std::string& name = std::string()) {
    auto m = std::make_unique<TsSkinManager>(nullptr);
    m->SetSkinDirectory(dir.Path());
    if (!name.empty()) m->SetSkinName(name);
    return m;
  }
  // A form the application already has when the skin comes.
  Node* OtherForm() { return new Node(platform.App, "other", Kind::Form); }
  void WriteText(const std::string& file, const std::string& text) {
    ASSERT_TRUE(brsm::kit::WriteBytes(dir.Path() + file, brsm::kit::BytesOf(text)));
  }

  managertest::RecordingManagerPlatform platform;
  skintest::RecordingPlatform boxes;
  skintest::ScratchFolder dir{"manager"};
};

// -- Where a skin is found ------------------------------------------------------------

TEST_F(ManagerTest, ArchiveComesBeforeFolderAndFolderBeforeStoredSkins) {
  ASSERT_TRUE(SmallSkin("Marl", "1.5").WriteArchive(dir.Path()));
  ASSERT_TRUE(SmallSkin("Marl", "2.5").WriteFolder(dir.Path()));
  auto m = Manager("Marl");
  EXPECT_TRUE(m->Active());
  EXPECT_TRUE(m->LoadedFromPacked);
  EXPECT_EQ(m->SkinInfo(), "1.5");
  EXPECT_GE(m->LookupSection("BUTTON"), 0);

  ASSERT_TRUE(DeleteFile(dir.Path() + "Marl.vlz"));
  m->SetSkinName("Marl");
  EXPECT_FALSE(m->LoadedFromPacked);
  EXPECT_EQ(m->SkinInfo(), "2.5");
  EXPECT_EQ(m->SkinData.SkinPath, dir.Path() + "Marl\\");
}

TEST_F(ManagerTest, StoredSkinsAreTheLastResortAndTheFirstOneStandsIn) {
  auto m = Manager();
  for (const char* name : {"First", "Second"}) {
    TsStoredSkin* stored = m->InternalSkins()->Add();
    stored->Name = name;
    stored->Version = name[0] == 'F' ? 1 : 2;
    stored->GeneralData->Add()->SectionName = std::string(name) + "SECTION";
  }
  m->SetSkinName("Second");
  EXPECT_EQ(m->SkinInfo(), "2");
  EXPECT_GE(m->LookupSection("SecondSECTION"), 0);

  m->SetSkinName("Nowhere");
  EXPECT_TRUE(m->Active());
  EXPECT_EQ(m->SkinName(), "First");
  EXPECT_EQ(m->SkinInfo(), "1");
  EXPECT_TRUE(m->SkinData.SkinPath.empty());
}

TEST_F(ManagerTest, MissingSkinTurnsTheManagerInactiveAndAnnouncesTheRemoval) {
  OtherForm();
  int before = 0, after = 0;
  auto m = Manager();
  m->OnBeforeChange = [&](TObject* sender) { EXPECT_EQ(sender, m.get()); ++before; };
  m->OnAfterChange = [&](TObject*) {
    EXPECT_FALSE(SkinChangeInProgress);
    ++after;
  };
  m->SetSkinName("Marl");
  EXPECT_FALSE(m->Active());
  EXPECT_EQ(m->SkinName(), "Marl");
  EXPECT_EQ(m->SkinInfo(), "N/A");
  EXPECT_EQ(platform.Forms.CommandsAt("other"), Commands{SkinCmdSkinRemoved});
  EXPECT_EQ(platform.Hooks, 0);
  EXPECT_EQ(before, 1);
  EXPECT_EQ(after, 1);

  // Inactive: a new name is kept, nothing is tried, no event runs.
  m->SetSkinName("Other");
  EXPECT_EQ(before, 1);
  ASSERT_TRUE(SmallSkin("Other", "3").WriteFolder(dir.Path()));
  m->SetActive(true);
  EXPECT_TRUE(m->Active());
  EXPECT_EQ(m->SkinInfo(), "3");
  EXPECT_EQ(before, 2);
  EXPECT_EQ(after, 2);
}

TEST_F(ManagerTest, DamagedArchiveLeavesTheManagerInactiveWithoutFallingBack) {
  OtherForm();
  WriteText("Marl.vlz", "VLzf but nothing sensible follows");
  ASSERT_TRUE(SmallSkin("Marl", "2").WriteFolder(dir.Path()));
  auto m = Manager("Marl");
  EXPECT_FALSE(m->Active());
  EXPECT_TRUE(m->SectionItems.empty());
  EXPECT_EQ(platform.Forms.CommandsAt("other"), Commands{SkinCmdSkinRemoved});
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_EQ(boxes.Boxes[0].Text, "Loaded data is not packed Vellum file");
}

TEST_F(ManagerTest, DamagedDescriptionNeverEscapesTheNameSetter) {
  brsm::kit::KitSkin skin = SmallSkin("Marl", "2");
  skin.Set("GLOBALINFO", "SHADOW1OFFSET", "not a number");
  ASSERT_TRUE(skin.WriteFolder(dir.Path()));
  OtherForm();

  TComponent form(nullptr);
  TsSkinManager* m = nullptr;
  {
    brsm::LayoutReader layout(&form);
    m = layout.Read(new TsSkinManager(&form));
    m->SetSkinDirectory(dir.Path());
    EXPECT_NO_THROW(m->SetSkinName("Marl"));
    layout.Finish();
  }
  EXPECT_FALSE(m->Active());
  EXPECT_FALSE(SkinChangeInProgress);
  EXPECT_FALSE(SkinAnnouncing);
  EXPECT_TRUE(m->SectionItems.empty());
  EXPECT_TRUE(m->MaskItems.empty());
  EXPECT_EQ(platform.Forms.CommandsAt("other"), Commands{SkinCmdSkinRemoved});
  EXPECT_EQ(platform.Hooks, 0);
}

TEST_F(ManagerTest, RelativeSkinDirectoryFindsArchivesInTheProgramFolder) {
  // The program lives in A/B; the current directory is somewhere else.
  brsm::SetExecutableFileName(dir.Path() + "A/B/BRSM.exe");
  ASSERT_TRUE(ForceDirectories(dir.Path() + "A/B"));
  ASSERT_TRUE(SmallSkin("Marl", "4").WriteArchive(dir.Path() + "A/Skins"));
  ASSERT_TRUE(SmallSkin("Near", "5").WriteArchive(dir.Path() + "A/B/Skins"));

  auto m = std::make_unique<TsSkinManager>(nullptr);
  m->SetSkinDirectory("..\\Skins");
  m->SetSkinName("Marl");
  EXPECT_TRUE(m->LoadedFromPacked);
  EXPECT_EQ(m->SkinInfo(), "4");
  m->SetSkinDirectory("Skins");
  m->SetSkinName("Near");
  EXPECT_EQ(m->SkinInfo(), "5");
}

// -- The stored-layout order -------------------------------------------------------------

TEST_F(ManagerTest, LayoutLoadsAtTheNameAndAnnouncesOnceMoreWhenLoaded) {
  ASSERT_TRUE(brsm::kit::MakeMarlSkin().WriteFolder(dir.Path()));
  Node* other = OtherForm();
  Node* form = new Node(platform.App, "main", Kind::Form);
  TsSkinManager* m = nullptr;
  // A form with a provider of this manager, for the redraw lock.
  Node* skinned = new Node(platform.App, "skinned", Kind::CustomForm);
  {
    brsm::LayoutReader layout(form);
    m = layout.Read(new TsSkinManager(form));
    skinned->Provider = m;
    RegisterSkinnedForm(skinned);
    m->SetSkinDirectory(dir.Path());
    EXPECT_TRUE(m->SectionItems.empty());  // the directory alone loads nothing
    m->SetSkinName("Marl");

    // Loaded while the form is read: the forms that exist are told, the form
    // being read is not, and nothing is locked.
    EXPECT_TRUE(m->Active());
    EXPECT_TRUE(m->SkinData.Loaded);
    EXPECT_GE(m->LookupSection("BUTTON"), 0);
    EXPECT_EQ(platform.Forms.CommandsAt("other"),
              (Commands{SkinCmdNewSkin, SkinCmdHaltAnimation, SkinCmdSkinReapplied}));
    EXPECT_TRUE(platform.Forms.CommandsAt("main").empty());
    EXPECT_EQ(platform.Hooks, 1);
    for (const auto& line : platform.Forms.Log) EXPECT_EQ(line.find("redraw"), std::string::npos);
    platform.Forms.Log.clear();
    layout.Finish();
  }
  EXPECT_EQ(m->MenuSupport()->IcoLineSkin(), "ICOLINE");
  EXPECT_EQ(platform.Forms.CommandsAt("main"),
            (Commands{SkinCmdNewSkin, SkinCmdHaltAnimation, SkinCmdSkinReapplied}));
  EXPECT_EQ(platform.Forms.CommandsAt("other").size(), 6u);
  EXPECT_EQ(platform.Hooks, 1);  // installed once
  // Locked before the announcement and unlocked after the re-apply.
  const Labels& log = platform.Forms.Log;
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "redraw-off:skinned");
  EXPECT_EQ(log.back(), "repaint:skinned");
  for (const auto& d : platform.Forms.Received) {
    if (d.Command != SkinCmdHaltAnimation) {
      EXPECT_EQ(d.LParam, reinterpret_cast<intptr_t>(m));
    }
  }
  (void)other;
}

TEST_F(ManagerTest, LoadedFillsWhatTheLayoutLeftEmpty) {
  TComponent form(nullptr);
  TsSkinManager* m = nullptr;
  {
    brsm::LayoutReader layout(&form);
    m = layout.Read(new TsSkinManager(&form));
    m->SetSkinDirectory("");
    m->ThirdParty()->SetThirdGrids("");
    layout.Finish();
  }
  EXPECT_EQ(m->SkinDirectory(), "c:\\Skins");
  EXPECT_EQ(m->ThirdParty()->ThirdGrids(), DefaultThirdPartyList(tpGrids));
  EXPECT_EQ(m->ThirdPartyStrings()[tpGrids]->Count(), 11);
  EXPECT_TRUE(platform.Forms.Received.empty());  // no name, nothing announced
}

// -- Default manager, hooks, shutdown -------------------------------------------------------

TEST_F(ManagerTest, OnlyTheDefaultManagerHooksAndItUnhooksBeforeItGoes) {
  ASSERT_TRUE(SmallSkin("Marl", "1").WriteFolder(dir.Path()));
  auto first = Manager("Marl");
  auto second = Manager("Marl");
  EXPECT_TRUE(first->IsDefault());
  EXPECT_FALSE(second->IsDefault());
  EXPECT_EQ(DefaultManager, first.get());
  EXPECT_TRUE(first->HookInstalled());
  EXPECT_FALSE(second->HookInstalled());
  EXPECT_EQ(platform.Hooks, 1);
  EXPECT_EQ(platform.MainHooks, 1);

  first->SetActive(false);
  EXPECT_EQ(platform.Hooks, 0);
  EXPECT_FALSE(first->HookInstalled());
  first->SetActive(true);
  EXPECT_EQ(platform.Hooks, 1);

  platform.Events.clear();
  first.reset();
  EXPECT_EQ(DefaultManager, nullptr);
  EXPECT_EQ(platform.Events, (Labels{"hook-", "main-hook-"}));
  EXPECT_EQ(platform.Hooks, 0);
}

TEST_F(ManagerTest, RefusedHookIsNotTakenForInstalled) {
  ASSERT_TRUE(SmallSkin("Marl", "1").WriteFolder(dir.Path()));
  platform.RefuseHook = true;
  auto m = Manager("Marl");
  EXPECT_TRUE(m->Active());
  EXPECT_FALSE(m->HookInstalled());
  m.reset();
  EXPECT_EQ(platform.Hooks, 0);
}

TEST_F(ManagerTest, ButtonEventsFollowTheDefaultManagerOnly) {
  auto first = Manager();
  auto second = Manager();
  second->AnimEffects()->Buttons()->SetEvents({beMouseDown});
  EXPECT_EQ(GlobalBtnEvents, AllBtnEvents);
  EXPECT_EQ(second->AnimEffects()->Buttons()->Events(), AllBtnEvents);
  first->AnimEffects()->Buttons()->SetEvents({beMouseEnter, beMouseLeave});
  EXPECT_EQ(second->AnimEffects()->Buttons()->Events(), (TvxBtnEvents{beMouseEnter, beMouseLeave}));
  first->AnimEffects()->Buttons()->SetEvents(AllBtnEvents);
  EXPECT_EQ(GlobalBtnEvents, AllBtnEvents);
  EXPECT_EQ(first->AnimEffects()->DialogShow()->Time(), 100);
  EXPECT_EQ(first->AnimEffects()->SkinChanging()->Time(), 100);
  EXPECT_EQ(first->AnimEffects()->FormShow()->Time(), 0);
  EXPECT_TRUE(first->AnimEffects()->PageChange()->Active());
}

TEST_F(ManagerTest, ClaimingTheDefaultRoleAnnouncesThisManagersState) {
  OtherForm();
  auto first = Manager();
  auto second = Manager();
  second->SetActive(false);
  platform.Forms.Received.clear();
  second->SetIsDefault(true);
  EXPECT_EQ(DefaultManager, second.get());
  EXPECT_FALSE(first->IsDefault());
  EXPECT_EQ(platform.Forms.CommandsAt("other"), Commands{SkinCmdSkinRemoved});
  first.reset();
  EXPECT_EQ(DefaultManager, second.get());  // the old one does not clear it
}

// -- Recolouring ------------------------------------------------------------------------------

TEST_F(ManagerTest, HueAndSaturationReloadTheSkinAndRefreshWithoutANewSkin) {
  ASSERT_TRUE(SmallSkin("Marl", "1").WriteFolder(dir.Path()));
  OtherForm();
  auto m = Manager();
  m->SetHueOffset(120);  // no skin yet: only stored
  EXPECT_TRUE(platform.Forms.Received.empty());
  m->SetSkinName("Marl");
  const int button = m->LookupSection("BUTTON");
  ASSERT_GE(button, 0);
  EXPECT_EQ(m->SectionItems[button].Color, ChangeColorHue(120, 0x0000FF));

  platform.Forms.Received.clear();
  m->SetHueOffset(0);
  EXPECT_EQ(m->SectionItems[m->LookupSection("BUTTON")].Color, 0x0000FF);
  EXPECT_EQ(platform.Forms.CommandsAt("other"), (Commands{SkinCmdHaltAnimation, SkinCmdSkinReapplied}));

  m->SetSaturation(100);
  const TsGeneralData& g = m->SectionItems[m->LookupSection("BUTTON")];
  EXPECT_EQ(g.Color, ChangeColorSaturation(0x0000FF, 100));
  EXPECT_EQ(g.FontColor[0], ChangeColorSaturation(0x00FF00, 100));
  EXPECT_EQ(g.FontColor[1], -1);
  EXPECT_EQ(g.HotColor, 0x808080);  // grey moves nowhere
}

TEST_F(ManagerTest, RecolouringASkinThatWentAwayRemovesIt) {
  ASSERT_TRUE(SmallSkin("Marl", "1").WriteArchive(dir.Path()));
  auto m = Manager("Marl");
  ASSERT_TRUE(DeleteFile(dir.Path() + "Marl.vlz"));
  m->SetSaturation(30);
  EXPECT_FALSE(m->Active());
  EXPECT_FALSE(m->SkinData.Loaded);
  EXPECT_EQ(m->CommonIndexCache.GlobalInfo, -1);
}

// -- Options --------------------------------------------------------------------------------------

TEST_F(ManagerTest, CommonSectionsLoseTheirBlanksAndJoinTheSkin) {
  ASSERT_TRUE(SmallSkin("Marl", "1").WriteFolder(dir.Path()));
  auto m = Manager();
  TStringList lines;
  lines.Add("[MY SECTION]");
  lines.Add("; a comment stays as it is");
  lines.Add("COLOR = 255");
  m->SetCommonSections(&lines);
  EXPECT_TRUE(m->Active());  // no name yet: nothing to load, nothing lost
  EXPECT_EQ(m->CommonSections()->Strings(0), "[MYSECTION]");
  EXPECT_EQ(m->CommonSections()->Strings(1), "; a comment stays as it is");
  EXPECT_EQ(m->CommonSections()->Strings(2), "COLOR=255");
  m->SetSkinName("Marl");
  EXPECT_GE(m->LookupSection("MYSECTION"), 0);
}

TEST_F(ManagerTest, ListsStoredSkinsFoldersAndArchivesSorted) {
  ASSERT_TRUE(SmallSkin("Zeta", "1").WriteFolder(dir.Path()));
  ASSERT_TRUE(SmallSkin("Alpha", "1").WriteArchive(dir.Path()));
  WriteText("Upper.VLZ", "x");  // the extension must be ".vlz" exactly
  ASSERT_TRUE(ForceDirectories(dir.Path() + "Empty"));
  ASSERT_TRUE(ForceDirectories(dir.Path() + ".hidden"));
  auto m = Manager();
  TStringList list;
  std::string first;

  m->ListAvailableSkins(&list, 0, first);
  EXPECT_EQ(list.Text(), "Zeta\r\n");
  EXPECT_EQ(first, "Zeta");
  m->ListAvailableSkins(&list, 1, first);
  EXPECT_EQ(list.Text(), "Alpha\r\n");
  m->ListAvailableSkins(&list, 2, first);
  EXPECT_EQ(list.Text(), "Alpha\r\nZeta\r\n");

  m->InternalSkins()->Add()->Name = "Stored";
  m->ListAvailableSkins(&list, 2, first);
  EXPECT_EQ(first, "Stored");
  EXPECT_EQ(list.Text(), "Alpha\r\nStored\r\nZeta\r\n");
}

TEST_F(ManagerTest, HotControlTellsTheLeftWindowThenTheEnteredOne) {
  auto m = Manager();
  EXPECT_EQ(m->SetHotControl(5), 5 * 10 + SkinCmdHotEnter);
  EXPECT_EQ(m->SetHotControl(5), 5);  // unchanged: nothing sent
  EXPECT_EQ(m->SetHotControl(0), 0 * 10 + SkinCmdHotEnter);
  EXPECT_EQ(platform.Events, (Labels{"main-hook+", "window:5:29", "window:5:30", "window:0:29"}));
  EXPECT_EQ(m->HotWindow(), 0u);
}

TEST_F(ManagerTest, ThemeChangesPassWhenNoSkinIsInForce) {
  auto m = Manager();
  EXPECT_FALSE(m->MainWindowHook(ThemeChangedMessage, 0, 0));
  ASSERT_TRUE(SmallSkin("Marl", "1").WriteFolder(dir.Path()));
  m->SetSkinName("Marl");
  EXPECT_TRUE(m->MainWindowHook(ThemeChangedMessage, 0, 0));
  EXPECT_FALSE(m->MainWindowHook(0x0010, 0, 0));
  m->SetSkinnedPopups(false);
  EXPECT_FALSE(m->MainWindowHook(ThemeChangedMessage, 0, 0));
  m->SetSkinnedPopups(true);
  m->SetActive(false);
  EXPECT_FALSE(m->MainWindowHook(ThemeChangedMessage, 0, 0));
}

TEST_F(ManagerTest, ExtraNotifyControlGetsTheReapplyToo) {
  ASSERT_TRUE(SmallSkin("Marl", "1").WriteFolder(dir.Path()));
  TComponent extra(nullptr);
  ExtraNotifyControl = &extra;
  auto m = Manager("Marl");
  ExtraNotifyControl = nullptr;
  EXPECT_EQ(std::count(platform.Events.begin(), platform.Events.end(), "extra:3"), 1);
}

}  // namespace

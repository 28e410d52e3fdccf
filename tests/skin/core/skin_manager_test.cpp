// Finding and loading skins, the stored-layout order, what the manager
// announces and hooks, recolouring and its options.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/files.h"
#include "skin/core/color_helpers.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skinned_forms.h"
#include "tests/skin/core/manager_test_support.h"
#include "tests/skin/core/skin_files_test_support.h"
#include "tools/skinkit/kit_archive.h"
#include "tools/skinkit/marl_skin.h"

using managertest::Kind;
using managertest::Node;
using Commands = std::vector<uint16_t>;
using Labels = std::vector<std::string>;

namespace {

const Commands kNewSkin{SkinCmdNewSkin, SkinCmdHaltAnimation, SkinCmdSkinReapplied};

// A quick skin whose VERSION tells where it was loaded from.
brsm::kit::KitSkin SmallSkin(const std::string& name, const std::string& version) {
  brsm::kit::KitSkin skin(name);
  skin.Set("GLOBALINFO", "VERSION", version);
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
  // A form the application has before the skin comes.
  Node* OtherForm() { return new Node(platform.App, "other", Kind::Form); }

  managertest::RecordingManagerPlatform platform;
  skintest::RecordingPlatform boxes;
  skintest::ScratchFolder dir{"manager"};
};

// -- Where a skin is found ------------------------------------------------------------

TEST_F(ManagerTest, ArchiveComesBeforeFolderAndFolderBeforeStoredSkins) {
  ASSERT_TRUE(SmallSkin("Marl", "1.5").WriteArchive(dir.Path()));
  ASSERT_TRUE(SmallSkin("Marl", "2.5").WriteFolder(dir.Path()));
  auto m = Manager();
  TsStoredSkin* stored = m->InternalSkins()->Add();
  stored->Name = "Stored";
  stored->Version = 3;
  stored->GeneralData->Add()->SectionName = "STOREDSECTION";
  EXPECT_EQ(m->SkinInfo(), "N/A");

  m->SetSkinName("Marl");
  EXPECT_TRUE(m->LoadedFromPacked);
  EXPECT_EQ(m->SkinInfo(), "1.5");
  ASSERT_TRUE(DeleteFile(dir.Path() + "Marl.vlz"));
  m->SetSkinName("Marl");
  EXPECT_FALSE(m->LoadedFromPacked);
  EXPECT_EQ(m->SkinInfo(), "2.5");
  EXPECT_EQ(m->SkinData.SkinPath, dir.Path() + "Marl\\");
  // Nothing of that name: the first stored skin stands in and names itself.
  m->SetSkinName("Nowhere");
  EXPECT_TRUE(m->Active());
  EXPECT_EQ(m->SkinName(), "Stored");
  EXPECT_EQ(m->SkinInfo(), "3");
  EXPECT_GE(m->LookupSection("STOREDSECTION"), 0);
}

TEST_F(ManagerTest, MissingSkinTurnsTheManagerInactiveAndAnnouncesTheRemoval) {
  OtherForm();
  int before = 0, after = 0;
  auto m = Manager();
  m->OnBeforeChange = [&](TObject*) { ++before; };
  m->OnAfterChange = [&](TObject*) {
    EXPECT_FALSE(SkinChangeInProgress);
    ++after;
  };
  m->SetSkinName("Marl");
  EXPECT_FALSE(m->Active());
  EXPECT_EQ(platform.Forms.CommandsAt("other"), Commands{SkinCmdSkinRemoved});
  EXPECT_EQ(platform.Hooks, 0);

  // Inactive: a new name is kept and nothing is tried until Active again.
  m->SetSkinName("Other");
  EXPECT_EQ(before, 1);
  ASSERT_TRUE(SmallSkin("Other", "3").WriteFolder(dir.Path()));
  m->SetActive(true);
  EXPECT_EQ(m->SkinInfo(), "3");
  EXPECT_EQ(before, 2);
  EXPECT_EQ(after, 2);
}

TEST_F(ManagerTest, DamagedSkinsLeaveTheManagerInactiveAndNeverEscapeTheSetter) {
  OtherForm();
  // An archive that does not unpack: no falling back to the folder beside it.
  ASSERT_TRUE(brsm::kit::WriteBytes(dir.Path() + "Marl.vlz", brsm::kit::BytesOf("VLzf junk")));
  ASSERT_TRUE(SmallSkin("Marl", "2").WriteFolder(dir.Path()));
  auto m = Manager("Marl");
  EXPECT_FALSE(m->Active());
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_EQ(boxes.Boxes[0].Text, "Loaded data is not packed Vellum file");

  // A description the loader chokes on, read with the form's layout.
  brsm::kit::KitSkin bad = SmallSkin("Bad", "2");
  bad.Set("GLOBALINFO", "SHADOW1OFFSET", "not a number");
  ASSERT_TRUE(bad.WriteFolder(dir.Path()));
  TComponent form(nullptr);
  TsSkinManager* read = nullptr;
  {
    brsm::LayoutReader layout(&form);
    read = layout.Read(new TsSkinManager(&form));
    read->SetSkinDirectory(dir.Path());
    EXPECT_NO_THROW(read->SetSkinName("Bad"));
    layout.Finish();
  }
  EXPECT_FALSE(read->Active());
  EXPECT_FALSE(SkinChangeInProgress);
  EXPECT_TRUE(read->SectionItems.empty());
  EXPECT_TRUE(read->MaskItems.empty());
  EXPECT_EQ(platform.Forms.CommandsAt("other"), (Commands{SkinCmdSkinRemoved, SkinCmdSkinRemoved}));
  EXPECT_EQ(platform.Hooks, 0);
}

TEST_F(ManagerTest, RelativeSkinDirectoryFindsArchivesInTheProgramFolder) {
  // The program lives in A/B; the current directory is elsewhere.
  brsm::SetExecutableFileName(dir.Path() + "A/B/BRSM.exe");
  ASSERT_TRUE(SmallSkin("Marl", "4").WriteArchive(dir.Path() + "A/Skins"));
  auto m = std::make_unique<TsSkinManager>(nullptr);
  m->SetSkinDirectory("..\\Skins");
  m->SetSkinName("Marl");
  EXPECT_TRUE(m->LoadedFromPacked);
  EXPECT_EQ(m->SkinInfo(), "4");
}

// -- The stored-layout order -------------------------------------------------------------

TEST_F(ManagerTest, LayoutLoadsAtTheNameAndAnnouncesOnceMoreWhenLoaded) {
  ASSERT_TRUE(brsm::kit::MakeMarlSkin().WriteFolder(dir.Path()));
  OtherForm();
  Node* form = new Node(platform.App, "main", Kind::Form);
  Node* skinned = new Node(platform.App, "skinned", Kind::CustomForm);  // for the redraw lock
  TsSkinManager* m = nullptr;
  {
    brsm::LayoutReader layout(form);
    m = layout.Read(new TsSkinManager(form));
    skinned->Provider = m;
    RegisterSkinnedForm(skinned);
    m->SetSkinDirectory(dir.Path());
    EXPECT_TRUE(m->SectionItems.empty());  // the directory alone loads nothing
    m->SetSkinName("Marl");

    // Loaded while the form is read: the forms that exist are told, the
    // form being read is not, nothing is locked.
    EXPECT_TRUE(m->SkinData.Loaded);
    EXPECT_GE(m->LookupSection("BUTTON"), 0);
    EXPECT_EQ(platform.Forms.CommandsAt("other"), kNewSkin);
    EXPECT_TRUE(platform.Forms.CommandsAt("main").empty());
    EXPECT_EQ(platform.Hooks, 1);
    EXPECT_EQ(platform.Forms.Log.front().find("redraw"), std::string::npos);
    platform.Forms.Log.clear();
    m->MenuSupport()->SetIcoLineSkin("");
    m->ThirdParty()->SetThirdGrids("");
    layout.Finish();
  }
  EXPECT_EQ(m->MenuSupport()->IcoLineSkin(), "ICOLINE");
  EXPECT_EQ(m->ThirdParty()->ThirdGrids(), DefaultThirdPartyList(tpGrids));
  EXPECT_EQ(platform.Forms.CommandsAt("main"), kNewSkin);
  EXPECT_EQ(platform.Forms.CommandsAt("other").size(), 6u);
  EXPECT_EQ(platform.Hooks, 1);  // installed once
  // Locked before the announcement, unlocked and repainted after the re-apply.
  EXPECT_EQ(platform.Forms.Log.front(), "redraw-off:skinned");
  EXPECT_EQ(platform.Forms.Log.back(), "repaint:skinned");
  for (const auto& d : platform.Forms.Received) {
    if (d.Command != SkinCmdHaltAnimation) {
      EXPECT_EQ(d.LParam, reinterpret_cast<intptr_t>(m));
    }
  }
}

// -- Default manager, hooks, shutdown -------------------------------------------------------

TEST_F(ManagerTest, OnlyTheDefaultManagerHooksAndItUnhooksBeforeItGoes) {
  ASSERT_TRUE(SmallSkin("Marl", "1").WriteFolder(dir.Path()));
  auto first = Manager("Marl");
  auto second = Manager("Marl");
  EXPECT_EQ(DefaultManager, first.get());
  EXPECT_FALSE(second->IsDefault());
  EXPECT_FALSE(second->HookInstalled());
  EXPECT_EQ(platform.Hooks, 1);
  first->SetActive(false);
  EXPECT_EQ(platform.Hooks, 0);
  first->SetActive(true);
  EXPECT_EQ(platform.Hooks, 1);

  // The button events follow the default manager only.
  second->AnimEffects()->Buttons()->SetEvents({beMouseDown});
  EXPECT_EQ(second->AnimEffects()->Buttons()->Events(), AllBtnEvents);
  first->AnimEffects()->Buttons()->SetEvents({beMouseEnter});
  EXPECT_EQ(second->AnimEffects()->Buttons()->Events(), TvxBtnEvents{beMouseEnter});
  first->AnimEffects()->Buttons()->SetEvents(AllBtnEvents);

  platform.Events.clear();
  first.reset();
  EXPECT_EQ(DefaultManager, nullptr);
  EXPECT_EQ(platform.Events, (Labels{"hook-", "main-hook-"}));
}

// -- Recolouring and options ------------------------------------------------------------------

TEST_F(ManagerTest, HueAndSaturationReloadTheSkinAndRefreshWithoutANewSkin) {
  ASSERT_TRUE(SmallSkin("Marl", "1").WriteArchive(dir.Path()));
  OtherForm();
  auto m = Manager();
  m->SetHueOffset(120);  // no skin yet: only kept
  EXPECT_TRUE(platform.Forms.Received.empty());
  m->SetSkinName("Marl");
  auto button = [&]() -> const TsGeneralData& { return m->SectionItems[m->LookupSection("BUTTON")]; };
  EXPECT_EQ(button().Color, ChangeColorHue(120, 0x0000FF));

  platform.Forms.Received.clear();
  m->SetHueOffset(0);
  m->SetSaturation(100);
  EXPECT_EQ(button().Color, ChangeColorSaturation(0x0000FF, 100));
  EXPECT_EQ(button().FontColor[1], -1);
  EXPECT_EQ(button().HotColor, 0x808080);  // grey moves nowhere
  EXPECT_EQ(platform.Forms.CommandsAt("other"),
            (Commands{SkinCmdHaltAnimation, SkinCmdSkinReapplied, SkinCmdHaltAnimation, SkinCmdSkinReapplied}));

  // The skin went away meanwhile: it is removed, indexes included.
  ASSERT_TRUE(DeleteFile(dir.Path() + "Marl.vlz"));
  m->SetSaturation(30);
  EXPECT_FALSE(m->Active());
  EXPECT_EQ(m->CommonIndexCache.GlobalInfo, -1);
}

TEST_F(ManagerTest, CommonSectionsLoseTheirBlanksAndJoinTheSkin) {
  ASSERT_TRUE(SmallSkin("Marl", "1").WriteFolder(dir.Path()));
  auto m = Manager();
  TStringList lines;
  lines.SetText("[MY SECTION]\r\n; a comment stays\r\nCOLOR = 255");
  m->SetCommonSections(&lines);
  EXPECT_TRUE(m->Active());  // no name yet: nothing tried, nothing lost
  EXPECT_EQ(m->CommonSections()->Text(), "[MYSECTION]\r\n; a comment stays\r\nCOLOR=255\r\n");
  m->SetSkinName("Marl");
  EXPECT_GE(m->LookupSection("MYSECTION"), 0);
}

TEST_F(ManagerTest, ListsStoredSkinsFoldersAndArchivesSorted) {
  ASSERT_TRUE(SmallSkin("Zeta", "1").WriteFolder(dir.Path()));
  ASSERT_TRUE(SmallSkin("Alpha", "1").WriteArchive(dir.Path()));
  ASSERT_TRUE(brsm::kit::WriteBytes(dir.Path() + "Upper.VLZ", {1}));  // ".vlz" exactly
  ASSERT_TRUE(ForceDirectories(dir.Path() + "NoOptions"));
  auto m = Manager();
  TStringList list;
  std::string first;
  m->ListAvailableSkins(&list, 0, first);
  EXPECT_EQ(list.Text(), "Zeta\r\n");
  EXPECT_EQ(first, "Zeta");
  m->ListAvailableSkins(&list, 1, first);
  EXPECT_EQ(list.Text(), "Alpha\r\n");
  m->InternalSkins()->Add()->Name = "Stored";
  m->ListAvailableSkins(&list, 2, first);
  EXPECT_EQ(first, "Stored");
  EXPECT_EQ(list.Text(), "Alpha\r\nStored\r\nZeta\r\n");
}

}  // namespace

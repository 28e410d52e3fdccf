// The control adapter's choices: which controls of a form it adapts and
// which adapter a class named in the ThirdParty lists gets.
#include "skin/windows/ctrl_adapter_rules.h"

#include <gtest/gtest.h>

namespace {

ThirdPartyLineLists Lists() {
  ThirdPartyLineLists lists = MakeThirdPartyLineLists();
  lists[tpEdits]->Add("TEdit");
  lists[tpButtons]->Add("TButton");
  lists[tpCheckBoxes]->Add("TCheckBox");
  lists[tpCheckBoxes]->Add("TTwice");
  lists[tpPanels]->Add("TTwice");
  lists[tpWWEdits]->Add("TwwDBComboBox");
  return lists;
}

TvxControlFacts Windowed(const std::string& cls) {
  TvxControlFacts f;
  f.Windowed = true;
  f.HandleAllocated = true;
  f.ClassName = cls;
  return f;
}

TvxControlFacts Label() {
  TvxControlFacts f;
  f.IsCustomLabel = true;
  f.IsGraphic = true;
  f.ClassName = "TLabel";
  return f;
}

TEST(CtrlAdapterRules, ListLookUpIsExactAndTakesTheLowerIndex) {
  const ThirdPartyLineLists lists = Lists();
  EXPECT_EQ(FindThirdPartyList(lists, "TEdit"), tpEdits);
  // Case counts, unlike the string list's own search.
  EXPECT_EQ(FindThirdPartyList(lists, "TEDIT"), -1);
  EXPECT_EQ(FindThirdPartyList(lists, "TEdi"), -1);
  EXPECT_EQ(FindThirdPartyList(lists, "TTwice"), tpCheckBoxes);

  const TvxThirdPartyChoice twice = ChooseThirdPartyAdapter(lists, "TTwice");
  ASSERT_TRUE(twice.Found);
  EXPECT_EQ(twice.Kind, TvxAdapterKind::CheckBoxWnd);
  EXPECT_EQ(twice.RecordSection, "CHECKBOX");
  EXPECT_TRUE(twice.AdapterSection.empty());

  const TvxThirdPartyChoice edit = ChooseThirdPartyAdapter(lists, "TEdit");
  EXPECT_EQ(edit.Kind, TvxAdapterKind::EditWnd);
  EXPECT_TRUE(edit.RecordSection.empty());  // the record keeps its section
  EXPECT_EQ(edit.AdapterSection, "EDIT");
  const TvxThirdPartyChoice button = ChooseThirdPartyAdapter(lists, "TButton");
  EXPECT_EQ(button.Kind, TvxAdapterKind::BtnWnd);
  EXPECT_EQ(button.RecordSection, "BUTTON");
  EXPECT_EQ(button.AdapterSection, "BUTTON");
  const TvxThirdPartyChoice ww = ChooseThirdPartyAdapter(lists, "TwwDBComboBox");
  EXPECT_EQ(ww.Kind, TvxAdapterKind::WWComboBoxWnd);
  EXPECT_TRUE(ww.OnControl);
  EXPECT_FALSE(edit.OnControl);
  EXPECT_FALSE(ChooseThirdPartyAdapter(lists, "TMemo").Found);
  EXPECT_FALSE(ChooseThirdPartyAdapter(ThirdPartyLineLists{}, "TEdit").Found);
}

TEST(CtrlAdapterRules, SupportedControls) {
  const ThirdPartyLineLists lists = Lists();
  const auto yes = [] { return true; };
  EXPECT_TRUE(DecideControlSupported(Windowed("TEdit"), &lists, yes));
  EXPECT_FALSE(DecideControlSupported(Windowed("TMemo"), &lists, yes));
  EXPECT_FALSE(DecideControlSupported(Windowed("TEdit"), nullptr, yes));

  TvxControlFacts tagged = Windowed("TEdit");
  tagged.Tag = NoAdaptTag;
  EXPECT_FALSE(DecideControlSupported(tagged, &lists, yes));
  TvxControlFacts noWindow = Windowed("TEdit");
  noWindow.HandleAllocated = false;
  EXPECT_FALSE(DecideControlSupported(noWindow, &lists, yes));
  // The skin library's own control, even with its class in a list.
  TvxControlFacts skinned = Windowed("TEdit");
  skinned.AnswersSkinned = true;
  EXPECT_FALSE(DecideControlSupported(skinned, &lists, yes));

  // Labels: OnSkinItem alone decides, whatever the lists hold.
  int asked = 0;
  EXPECT_TRUE(DecideControlSupported(Label(), nullptr, [&] { return ++asked, true; }));
  EXPECT_FALSE(DecideControlSupported(Label(), &lists, [&] { return ++asked, false; }));
  EXPECT_EQ(asked, 2);
  TvxControlFacts skinLabel = Label();
  skinLabel.ClassName = "TsLabel";
  EXPECT_TRUE(DecideControlSupported(skinLabel, &lists, yes));
  TvxControlFacts taggedLabel = Label();
  taggedLabel.Tag = NoAdaptTag;
  EXPECT_FALSE(DecideControlSupported(taggedLabel, &lists, [&] { return ++asked, true; }));
  EXPECT_EQ(asked, 2);

  // Other windowless controls never, even when listed.
  TvxControlFacts graphic;
  graphic.IsGraphic = true;
  graphic.ClassName = "TButton";
  EXPECT_FALSE(DecideControlSupported(graphic, &lists, yes));
  // Nobody asked is taken as a yes.
  EXPECT_TRUE(DecideControlSupported(Label(), &lists, nullptr));
}

}  // namespace

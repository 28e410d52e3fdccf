// The broadcast walk over a model of forms and controls, the registry of
// skinned forms and the redraw lock.
#include <gtest/gtest.h>

#include "skin/core/broadcast.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skinned_forms.h"
#include "tests/skin/core/manager_test_support.h"
#include "tests/skin/core/skin_files_test_support.h"

using managertest::Kind;
using managertest::Node;
using Labels = std::vector<std::string>;

namespace {

class BroadcastTest : public ::testing::Test {
 protected:
  ~BroadcastTest() override {
    while (!SkinnedFormList().empty()) UnregisterSkinnedForm(SkinnedFormList().front());
    delete app;
  }
  Node* Form(const std::string& label, Kind kind = Kind::Form) { return new Node(app, label, kind); }
  static Node* Control(Node* parent, const std::string& label, Kind kind) {
    return parent->Add(new Node(parent, label, kind));
  }
  Node* Registered(const std::string& label, Kind kind, const TsSkinManager* provider) {
    Node* form = Form(label, kind);
    form->Provider = provider;
    RegisterSkinnedForm(form);
    return form;
  }
  void Broadcast(uint16_t command = SkinCmdNewSkin) {
    TsCmdMessage m = MakeSkinCommand(command, 77);
    BroadcastToAppForms(model, app, m);
  }

  TComponent* app = new TComponent(nullptr);
  managertest::Model model;
};

TEST_F(BroadcastTest, EachControlGetsTheMessageByItsKind) {
  Node* form = Form("form");
  form->AnswerInLParam = 5;
  // Receivers that answer in LParam leave what the next one is told alone.
  Control(form, "label", Kind::Windowless)->AnswerInLParam = 6;
  Node* panel = Control(form, "panel", Kind::Windowed);  // only walked through
  Control(panel, "edit", Kind::Windowed);
  Control(panel, "button", Kind::Skinned)->AnswerInLParam = 7;
  Node* skinnedPanel = Control(form, "skinnedPanel", Kind::Skinned);
  Control(skinnedPanel, "inner", Kind::Windowless);  // the skinned panel's own business
  Control(form, "noHandle", Kind::Windowed)->HasHandle = false;
  Control(form, "dying", Kind::Windowless)->Destroying();
  Control(form, "afterDying", Kind::Windowless);

  Broadcast();
  EXPECT_EQ(model.Log, (Labels{"send:form:1", "perform:label:1", "send:button:1",
                               "send:skinnedPanel:1", "perform:noHandle:1"}));
  for (const auto& d : model.Received) EXPECT_EQ(d.LParam, 77);
  // Only controls with a window are asked whether they are skinned.
  EXPECT_EQ(model.Nodes.Queried,
            (std::set<std::string>{"form", "panel", "edit", "button", "skinnedPanel"}));
}

TEST_F(BroadcastTest, ApplicationWalkGoesBackwardsSkipsWhatItMustAndEndsWithTheRegistry) {
  Form("first");
  Form("child", Kind::MDIChild);
  Form("loading")->SetState(csLoading);
  Form("destroying")->Destroying();
  Form("custom", Kind::CustomForm);  // no TForm: only the registry would reach it
  new Node(app, "component", Kind::Other);
  Registered("withProvider", Kind::Form, reinterpret_cast<const TsSkinManager*>(1));
  Registered("registeredDying", Kind::CustomForm, nullptr)->Destroying();
  Node* mdi = Form("mdi", Kind::MDIForm);
  Control(mdi, "mdiLabel", Kind::Windowless);
  Form("last");

  Broadcast(SkinCmdSkinRemoved);
  // The form with a provider is told once, through the registry.
  EXPECT_EQ(model.Log, (Labels{"send:last:2", "send:mdi:2", "perform:mdiLabel:2", "mdi:mdi:2",
                               "send:first:2", "send:withProvider:2"}));
}

TEST_F(BroadcastTest, FormsFreedDuringTheWalkNeitherEndItNorSkipTheRegistry) {
  Form("keep1");
  Node* doomed1 = Form("doomed1");
  Form("keep2");
  Node* doomed2 = Form("doomed2");
  Node* registered = Registered("registered", Kind::CustomForm, nullptr);
  Node* unregistered = Registered("unregistered", Kind::CustomForm, nullptr);
  // The last form's handler frees two forms before it and a provider goes.
  Node* closer = Form("closer");
  closer->OnReceive = [&] {
    delete doomed1;
    delete doomed2;
    UnregisterSkinnedForm(unregistered);
    closer->OnReceive = nullptr;
  };

  Broadcast();
  EXPECT_EQ(model.Receivers(SkinCmdNewSkin), (Labels{"closer", "keep2", "keep1", "registered"}));
  (void)registered;
}

TEST_F(BroadcastTest, UnregisteringRemovesEveryEntryOfTheForm) {
  Node* a = Form("a");
  Node* b = Form("b");
  for (Node* form : {a, b, a, a}) RegisterSkinnedForm(form);
  UnregisterSkinnedForm(a);
  EXPECT_EQ(SkinnedFormList(), (std::vector<TComponent*>{b}));
  UnregisterSkinnedForm(a);
  EXPECT_EQ(SkinnedFormList().size(), 1u);
}

TEST_F(BroadcastTest, RedrawLockConcernsVisibleTopLevelFormsOfThisManagerOnly) {
  skintest::RecordingPlatform platform;  // system version
  TsSkinManager manager(nullptr);
  Registered("mine", Kind::Form, &manager);
  Registered("child", Kind::MDIChild, &manager);
  Registered("hidden", Kind::Form, &manager)->Visible = false;
  Registered("docked", Kind::Form, &manager)->HasParentControl = true;
  Registered("other", Kind::Form, reinterpret_cast<const TsSkinManager*>(2));
  Registered("noProvider", Kind::Form, nullptr);

  LockFormRedraw(model, &manager);
  UnlockFormRedraw(model, &manager, false);
  EXPECT_EQ(model.Log, (Labels{"redraw-off:mine", "redraw-on:mine"}));

  // Animated: below version 6 the fade takes its time and the region is
  // dropped before the provider puts its own back.
  model.Log.clear();
  UnlockFormRedraw(model, &manager, true);
  platform.Major = 5;
  manager.AnimEffects()->SkinChanging()->SetTime(40);
  UnlockFormRedraw(model, &manager, true);
  manager.AnimEffects()->SkinChanging()->SetActive(false);
  UnlockFormRedraw(model, &manager, true);
  EXPECT_EQ(model.Log, (Labels{"fade:mine:0", "redraw-on:mine", "region:mine", "repaint:mine",
                               "fade:mine:40", "redraw-on:mine", "no-region:mine", "region:mine",
                               "repaint:mine",
                               "redraw-on:mine", "no-region:mine", "region:mine", "repaint:mine"}));
}

}  // namespace

// The broadcast walk over a model of forms and controls, the registry of
// skinned forms and the redraw lock.
#include <gtest/gtest.h>

#include "skin/core/broadcast.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skinned_forms.h"
#include "tests/skin/core/manager_test_support.h"
#include "tests/skin/core/skin_files_test_support.h"

using managertest::Kind;
using managertest::Model;
using managertest::Node;
using Labels = std::vector<std::string>;

namespace {

class BroadcastTest : public ::testing::Test {
 protected:
  ~BroadcastTest() override {
    while (!SkinnedFormList().empty()) UnregisterSkinnedForm(SkinnedFormList().front());
    delete app;
  }
  Node* Form(const std::string& name, Kind kind = Kind::Form) { return new Node(app, name, kind); }
  static Node* Control(Node* parent, const std::string& name, Kind kind) {
    return parent->Add(new Node(parent, name, kind));
  }
  void Broadcast(uint16_t command = SkinCmdNewSkin) {
    TsCmdMessage m = MakeSkinCommand(command, 77);
    BroadcastToAppForms(model, app, m);
  }

  TComponent* app = new TComponent(nullptr);
  Model model;
};

TEST_F(BroadcastTest, ControlTreeGetsTheMessageByTheKindOfEachControl) {
  Node* form = Form("form");
  Control(form, "label", Kind::Windowless);
  Node* panel = Control(form, "panel", Kind::Windowed);
  Control(panel, "edit", Kind::Windowed);
  Control(panel, "button", Kind::Skinned);
  Node* skinnedPanel = Control(form, "skinnedPanel", Kind::Skinned);
  Control(skinnedPanel, "inner", Kind::Windowless);  // the skinned panel tells it itself
  Node* noHandle = Control(form, "noHandle", Kind::Windowed);
  noHandle->HasHandle = false;

  Broadcast();

  EXPECT_EQ(model.Log, (Labels{"send:form:1", "perform:label:1", "send:button:1",
                               "send:skinnedPanel:1", "perform:noHandle:1"}));
  // The platform's windowed edit inside the plain panel is only walked through.
  for (const auto& d : model.Received) EXPECT_EQ(d.LParam, 77);
}

TEST_F(BroadcastTest, ApplicationWalkSkipsWhatTheSkinMustNotReachAndEndsWithTheRegistry) {
  Form("first");
  Form("child", Kind::MDIChild);
  Form("loading")->SetState(csLoading, true);
  Form("custom", Kind::CustomForm);  // not a TForm: only the registry reaches it
  new Node(app, "component", Kind::Other);
  Node* withProvider = Form("withProvider");
  withProvider->Provider = reinterpret_cast<const TsSkinManager*>(1);
  RegisterSkinnedForm(withProvider);
  Node* mdi = Form("mdi", Kind::MDIForm);
  Control(mdi, "mdiLabel", Kind::Windowless);
  Form("last");

  Broadcast(SkinCmdSkinRemoved);

  // Owned order backwards, then the registered forms: the form with a
  // provider is told once, through the registry.
  EXPECT_EQ(model.Log, (Labels{"send:last:2", "send:mdi:2", "perform:mdiLabel:2", "mdi:mdi:2",
                               "send:first:2", "send:withProvider:2"}));
}

TEST_F(BroadcastTest, DestroyedFormsAreNotTold) {
  Node* going = Form("going");
  going->Destroying();
  Node* registered = Form("registered", Kind::CustomForm);
  RegisterSkinnedForm(registered);
  Node* dying = Form("dying", Kind::CustomForm);
  RegisterSkinnedForm(dying);
  dying->Destroying();

  Broadcast();
  EXPECT_EQ(model.Receivers(SkinCmdNewSkin), (Labels{"registered"}));
}

TEST_F(BroadcastTest, WalkStopsAtTheFirstChildBeingDestroyed) {
  Node* form = Form("form");
  Control(form, "a", Kind::Windowless);
  Control(form, "b", Kind::Windowless)->Destroying();
  Control(form, "c", Kind::Windowless);
  Broadcast();
  EXPECT_EQ(model.Receivers(SkinCmdNewSkin), (Labels{"form", "a"}));
}

TEST_F(BroadcastTest, FormFreedDuringTheWalkNeitherBreaksItNorSkipsTheRegistry) {
  Node* first = Form("first");
  Node* second = Form("second");
  Form("third");
  Node* registered = Form("registered", Kind::CustomForm);
  RegisterSkinnedForm(registered);
  // The last form's handler frees the two forms before it.
  Node* closer = Form("closer");
  closer->OnReceive = [&] {
    delete second;
    delete first;
    closer->OnReceive = nullptr;
  };

  Broadcast();
  EXPECT_EQ(model.Receivers(SkinCmdNewSkin), (Labels{"closer", "third", "registered"}));
}

TEST_F(BroadcastTest, RegisteredFormUnregisteredDuringTheWalkIsNotTold) {
  Node* a = Form("a", Kind::CustomForm);
  Node* b = Form("b", Kind::CustomForm);
  RegisterSkinnedForm(a);
  RegisterSkinnedForm(b);
  a->OnReceive = [&] { UnregisterSkinnedForm(b); };
  TsCmdMessage m = MakeSkinCommand(SkinCmdSkinReapplied);
  BroadcastToSkinnedForms(model, m);
  EXPECT_EQ(model.Receivers(SkinCmdSkinReapplied), (Labels{"a"}));
}

TEST_F(BroadcastTest, UnregisteringRemovesEveryEntryOfTheForm) {
  Node* a = Form("a");
  Node* b = Form("b");
  RegisterSkinnedForm(a);
  RegisterSkinnedForm(b);
  RegisterSkinnedForm(a);
  RegisterSkinnedForm(a);
  UnregisterSkinnedForm(a);
  EXPECT_EQ(SkinnedFormList(), (std::vector<TComponent*>{b}));
  EXPECT_FALSE(IsSkinnedFormRegistered(a));
  UnregisterSkinnedForm(a);  // again: nothing happens
  EXPECT_EQ(SkinnedFormList().size(), 1u);
}

class RedrawLockTest : public BroadcastTest {
 protected:
  void SetUp() override {
    const auto* other = reinterpret_cast<const TsSkinManager*>(2);
    auto registered = [&](const std::string& name, Kind kind, const TsSkinManager* provider) {
      Node* form = Form(name, kind);
      form->Provider = provider;
      RegisterSkinnedForm(form);
      return form;
    };
    registered("mine", Kind::Form, manager.get());
    registered("child", Kind::MDIChild, manager.get());
    registered("hidden", Kind::Form, manager.get())->Visible = false;
    registered("docked", Kind::Form, manager.get())->HasParentControl = true;
    registered("other", Kind::Form, other);
    registered("noProvider", Kind::Form, nullptr);
    registered("mine2", Kind::CustomForm, manager.get());
  }

  skintest::RecordingPlatform platform;  // system version
  std::unique_ptr<TsSkinManager> manager = std::make_unique<TsSkinManager>(nullptr);
};

TEST_F(RedrawLockTest, LockConcernsVisibleTopLevelFormsOfThisManagerOnly) {
  LockFormRedraw(model, manager.get());
  EXPECT_EQ(model.Log, (Labels{"redraw-off:mine", "redraw-off:mine2"}));
  model.Log.clear();
  UnlockFormRedraw(model, manager.get(), false);
  EXPECT_EQ(model.Log, (Labels{"redraw-on:mine", "redraw-on:mine2"}));
}

TEST_F(RedrawLockTest, AnimatedUnlockFadesAndRepaintsByTheSystemVersion) {
  platform.Major = 6;
  UnlockFormRedraw(model, manager.get(), true);
  EXPECT_EQ(model.Log, (Labels{"fade:mine:0", "redraw-on:mine", "region:mine", "repaint:mine",
                               "fade:mine2:0", "redraw-on:mine2", "region:mine2", "repaint:mine2"}));

  model.Log.clear();
  platform.Major = 5;
  manager->AnimEffects()->SkinChanging()->SetTime(40);
  UnregisterSkinnedForm(SkinnedFormList().back());  // mine2
  UnlockFormRedraw(model, manager.get(), true);
  EXPECT_EQ(model.Log, (Labels{"fade:mine:40", "redraw-on:mine", "no-region:mine", "region:mine",
                               "repaint:mine"}));

  model.Log.clear();
  manager->AnimEffects()->SkinChanging()->SetActive(false);
  UnlockFormRedraw(model, manager.get(), true);
  EXPECT_EQ(model.Log, (Labels{"redraw-on:mine", "no-region:mine", "region:mine", "repaint:mine"}));
}

}  // namespace

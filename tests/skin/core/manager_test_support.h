// A model of forms and controls for the broadcast walk and a manager
// platform that records what the manager would hook and tell.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/classes.h"
#include "skin/core/broadcast.h"
#include "skin/core/manager_platform.h"
#include "skin/core/skin_commands.h"

namespace managertest {

enum class Kind {
  Form,          // a TForm
  CustomForm,    // a form class that is no TForm
  MDIForm,       // a TForm holding MDI children
  MDIChild,
  Windowed,      // a windowed control of the platform
  Skinned,       // a windowed control of the skin library (answers the query)
  Windowless,
  Other,         // a component that is no control
};

class Node : public TComponent {
 public:
  Node(TComponent* owner, std::string name, Kind kind) : TComponent(owner), Label(std::move(name)), NodeKind(kind) {}
  ~Node() override {
    if (parent_) parent_->RemoveChild(this);
    for (Node* child : Children) child->parent_ = nullptr;
  }

  Node* Add(Node* child) {
    Children.push_back(child);
    child->parent_ = this;
    return child;
  }
  void RemoveChild(Node* child) {
    for (size_t i = 0; i < Children.size(); ++i)
      if (Children[i] == child) {
        Children.erase(Children.begin() + static_cast<long>(i));
        return;
      }
  }
  void SetState(TComponentStateItem item, bool on) {
    TComponentState s = ComponentState();
    if (on) s.Include(item); else s.Exclude(item);
    SetComponentState(s);
  }

  std::string Label;
  Kind NodeKind;
  bool HasHandle = true;
  bool Visible = true;
  bool HasParentControl = false;
  const TsSkinManager* Provider = nullptr;
  std::vector<Node*> Children;
  // Runs when the node receives a command (to free forms mid-walk).
  std::function<void()> OnReceive;

 private:
  Node* parent_ = nullptr;
};

inline Node* AsNode(TComponent* c) { return dynamic_cast<Node*>(c); }

// Every delivery and redraw call as "<what>:<node>[:<sub-command>]".
class Model : public TsBroadcastModel {
 public:
  bool IsForm(TComponent* c) override {
    Node* n = AsNode(c);
    return n && (n->NodeKind == Kind::Form || n->NodeKind == Kind::MDIForm || n->NodeKind == Kind::MDIChild);
  }
  bool IsCustomForm(TComponent* c) override {
    Node* n = AsNode(c);
    return n && (IsForm(c) || n->NodeKind == Kind::CustomForm);
  }
  bool IsMDIChild(TComponent* c) override { return AsNode(c) && AsNode(c)->NodeKind == Kind::MDIChild; }
  bool IsMDIForm(TComponent* c) override { return AsNode(c) && AsNode(c)->NodeKind == Kind::MDIForm; }
  bool HasWindow(TComponent* c) override {
    Node* n = AsNode(c);
    return n && n->NodeKind != Kind::Windowless && n->NodeKind != Kind::Other && n->HasHandle;
  }
  bool AnswersQuerySkinned(TComponent* c) override {
    Node* n = AsNode(c);
    return n && (n->NodeKind == Kind::Skinned || n->Provider != nullptr);
  }
  int ChildCount(TComponent* c) override { return AsNode(c) ? static_cast<int>(AsNode(c)->Children.size()) : 0; }
  TComponent* Child(TComponent* c, int i) override { return AsNode(c)->Children[static_cast<size_t>(i)]; }

  void SendToWindow(TComponent* c, TsCmdMessage& m) override { Deliver("send", c, m); }
  void Perform(TComponent* c, TsCmdMessage& m) override { Deliver("perform", c, m); }
  void SendToMDIClient(TComponent* c, TsCmdMessage& m) override {
    Log.push_back("mdi:" + AsNode(c)->Label + ":" + std::to_string(SkinCmdOf(m.WParam)));
  }

  bool HasParentControl(TComponent* c) override { return AsNode(c)->HasParentControl; }
  bool IsVisible(TComponent* c) override { return AsNode(c)->Visible; }
  const TsSkinManager* ProviderManager(TComponent* c) override { return AsNode(c)->Provider; }
  void SetRedraw(TComponent* c, bool on) override { Log.push_back(std::string(on ? "redraw-on:" : "redraw-off:") + AsNode(c)->Label); }
  void FadeIn(TComponent* c, int time) override { Log.push_back("fade:" + AsNode(c)->Label + ":" + std::to_string(time)); }
  void RemoveWindowRegion(TComponent* c) override { Log.push_back("no-region:" + AsNode(c)->Label); }
  void UpdateFormRegion(TComponent* c) override { Log.push_back("region:" + AsNode(c)->Label); }
  void RedrawAll(TComponent* c) override { Log.push_back("repaint:" + AsNode(c)->Label); }

  // The nodes that received the sub-command, in order.
  std::vector<std::string> Receivers(uint16_t command) const {
    std::vector<std::string> out;
    for (const auto& r : Received)
      if (r.Command == command) out.push_back(r.Label);
    return out;
  }
  // Sub-commands in the order they went out (each once per broadcast, as
  // counted at the first receiver `label`).
  std::vector<uint16_t> CommandsAt(const std::string& label) const {
    std::vector<uint16_t> out;
    for (const auto& r : Received)
      if (r.Label == label) out.push_back(r.Command);
    return out;
  }

  struct Delivery {
    std::string Label;
    uint16_t Command;
    intptr_t LParam;
  };
  std::vector<Delivery> Received;
  std::vector<std::string> Log;

 private:
  void Deliver(const char* how, TComponent* c, TsCmdMessage& m) {
    Node* n = AsNode(c);
    Log.push_back(std::string(how) + ":" + n->Label + ":" + std::to_string(SkinCmdOf(m.WParam)));
    Received.push_back({n->Label, SkinCmdOf(m.WParam), m.LParam});
    if (n->OnReceive) n->OnReceive();
  }
};

// Installed for its lifetime; Application is a component that owns the
// test's forms.
class RecordingManagerPlatform : public TsManagerPlatform {
 public:
  RecordingManagerPlatform() : App(new TComponent(nullptr)) { SetManagerPlatform(this); }
  ~RecordingManagerPlatform() override {
    SetManagerPlatform(nullptr);
    delete App;
  }

  bool IsNTFamily() override { return true; }
  void AddMainWindowHook(TsSkinManager&) override { Events.push_back("main-hook+"); ++MainHooks; }
  void RemoveMainWindowHook(TsSkinManager&) override { Events.push_back("main-hook-"); --MainHooks; }
  bool InstallSkinHook() override {
    Events.push_back("hook+");
    if (RefuseHook) return false;
    ++Hooks;
    return true;
  }
  void RemoveSkinHook() override {
    Events.push_back("hook-");
    --Hooks;
  }
  TComponent* Application() override { return App; }
  TsBroadcastModel* Model() override { return &Forms; }
  intptr_t SendToWindowHandle(uintptr_t window, TsCmdMessage& m) override {
    Events.push_back("window:" + std::to_string(window) + ":" + std::to_string(SkinCmdOf(m.WParam)));
    return static_cast<intptr_t>(window) * 10 + SkinCmdOf(m.WParam);
  }
  void SendToControlWindow(TComponent* c, TsCmdMessage& m) override {
    Events.push_back("extra:" + std::to_string(SkinCmdOf(m.WParam)));
  }

  TComponent* App;
  managertest::Model Forms;
  std::vector<std::string> Events;
  int Hooks = 0;
  int MainHooks = 0;
  bool RefuseHook = false;
};

}  // namespace managertest

// A model of forms and controls for the broadcast walk, and a manager
// platform that records what the manager would hook and tell.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/rtl/classes.h"
#include "skin/core/broadcast.h"
#include "skin/core/control_model.h"
#include "skin/core/manager_platform.h"

namespace managertest {

enum class Kind { Form, CustomForm, MDIForm, MDIChild, Windowed, Skinned, Windowless, Other };

class Node : public TComponent {
 public:
  Node(TComponent* owner, std::string label, Kind kind)
      : TComponent(owner), Label(std::move(label)), NodeKind(kind) {}
  Node* Add(Node* child) {
    Children.push_back(child);
    return child;
  }
  void SetState(TComponentStateItem item) { SetComponentState(ComponentState().Include(item)); }

  std::string Label;
  Kind NodeKind;
  bool HasHandle = true, Visible = true, HasParentControl = false;
  const TsSkinManager* Provider = nullptr;
  std::vector<Node*> Children;
  std::function<void()> OnReceive;  // runs when a command arrives
  intptr_t AnswerInLParam = 0;      // non-zero: written into LParam on receipt
};

// Deliveries and redraw calls as "<what>:<label>[:<sub-command>]". The
// controls, forms included, are answered by the nested control model;
// skinned nodes and forms with a provider answer SkinCmdQuerySkinned as a
// skinned control does, and such a query is no delivery.
class Model : public TsBroadcastModel {
 public:
  static Node* N(TComponent* c) { return dynamic_cast<Node*>(c); }
  static bool Is(TComponent* c, std::initializer_list<Kind> kinds) {
    for (Kind k : kinds)
      if (N(c) && N(c)->NodeKind == k) return true;
    return false;
  }

  class NodeControls : public TsControlModel {
   public:
    explicit NodeControls(Model& owner) : owner_(owner) {}
    bool IsWindowed(TComponent* c) override { return N(c) && !Is(c, {Kind::Windowless, Kind::Other}); }
    bool HasHandle(TComponent* c) override { return IsWindowed(c) && N(c)->HasHandle; }
    TComponent* Parent(TComponent* c) override {
      // A docked form stands in its owner.
      return N(c) && N(c)->HasParentControl ? c->Owner() : nullptr;
    }
    int ChildCount(TComponent* c) override { return N(c) ? static_cast<int>(N(c)->Children.size()) : 0; }
    TComponent* Child(TComponent* c, int i) override { return N(c)->Children[static_cast<size_t>(i)]; }
    bool Visible(TComponent* c) override { return N(c)->Visible; }
    intptr_t Perform(TComponent* c, TsCmdMessage& m) override {
      if (AnswerQuery(c, m)) return m.Result;
      owner_.Deliver("perform", c, m);
      return m.Result;
    }
    intptr_t SendToWindow(TComponent* c, TsCmdMessage& m) override {
      if (!HasHandle(c)) return 0;
      if (AnswerQuery(c, m)) return m.Result;
      owner_.Deliver("send", c, m);
      return m.Result;
    }
    std::set<std::string> Queried;  // labels asked SkinCmdQuerySkinned

   private:
    bool AnswerQuery(TComponent* c, TsCmdMessage& m) {
      if (m.Msg != CommandMessage || SkinCmdOf(m.WParam) != SkinCmdQuerySkinned) return false;
      if (N(c)) Queried.insert(N(c)->Label);
      if (Is(c, {Kind::Skinned}) || (N(c) && N(c)->Provider)) m.LParam = 1;
      return true;
    }
    Model& owner_;
  };

  TsControlModel& Controls() override { return Nodes; }
  bool IsForm(TComponent* c) override { return Is(c, {Kind::Form, Kind::MDIForm, Kind::MDIChild}); }
  bool IsCustomForm(TComponent* c) override { return IsForm(c) || Is(c, {Kind::CustomForm}); }
  bool IsMDIChild(TComponent* c) override { return Is(c, {Kind::MDIChild}); }
  bool IsMDIForm(TComponent* c) override { return Is(c, {Kind::MDIForm}); }
  void SendToMDIClient(TComponent* c, TsCmdMessage& m) override {
    Log.push_back("mdi:" + N(c)->Label + ":" + std::to_string(SkinCmdOf(m.WParam)));
  }
  const TsSkinManager* ProviderManager(TComponent* c) override { return N(c)->Provider; }
  void SetRedraw(TComponent* c, bool on) override { Note(on ? "redraw-on" : "redraw-off", c); }
  void FadeIn(TComponent* c, int time) override { Note("fade", c, ":" + std::to_string(time)); }
  void RemoveWindowRegion(TComponent* c) override { Note("no-region", c); }
  void UpdateFormRegion(TComponent* c) override { Note("region", c); }
  void RedrawAll(TComponent* c) override { Note("repaint", c); }

  // Labels of the receivers of one sub-command, and the sub-commands one
  // receiver got, in order.
  std::vector<std::string> Receivers(uint16_t command) const {
    std::vector<std::string> out;
    for (const auto& d : Received)
      if (d.Command == command) out.push_back(d.Label);
    return out;
  }
  std::vector<uint16_t> CommandsAt(const std::string& label) const {
    std::vector<uint16_t> out;
    for (const auto& d : Received)
      if (d.Label == label) out.push_back(d.Command);
    return out;
  }

  struct Delivery {
    std::string Label;
    uint16_t Command;
    intptr_t LParam;
  };
  std::vector<Delivery> Received;
  std::vector<std::string> Log;
  NodeControls Nodes{*this};

 private:
  void Note(const char* what, TComponent* c, const std::string& extra = "") {
    Log.push_back(std::string(what) + ":" + N(c)->Label + extra);
  }
  void Deliver(const char* how, TComponent* c, TsCmdMessage& m) {
    Note(how, c, ":" + std::to_string(SkinCmdOf(m.WParam)));
    Received.push_back({N(c)->Label, SkinCmdOf(m.WParam), m.LParam});
    if (N(c)->AnswerInLParam) m.LParam = N(c)->AnswerInLParam;
    if (N(c)->OnReceive) N(c)->OnReceive();
  }
};

// Installed for its lifetime. App owns the test's forms.
class RecordingManagerPlatform : public TsManagerPlatform {
 public:
  RecordingManagerPlatform() { SetManagerPlatform(this); }
  ~RecordingManagerPlatform() override {
    SetManagerPlatform(nullptr);
    delete App;
  }
  bool IsNTFamily() override { return true; }
  void AddMainWindowHook(TsSkinManager&) override { Events.push_back("main-hook+"); }
  void RemoveMainWindowHook(TsSkinManager&) override { Events.push_back("main-hook-"); }
  bool InstallSkinHook() override {
    Events.push_back("hook+");
    Hooks += RefuseHook ? 0 : 1;
    return !RefuseHook;
  }
  void RemoveSkinHook() override {
    Events.push_back("hook-");
    --Hooks;
  }
  TComponent* Application() override { return App; }
  TsBroadcastModel* Model() override { return &Forms; }
  intptr_t SendToWindowHandle(uintptr_t window, TsCmdMessage& m) override {
    Events.push_back("window:" + std::to_string(window) + ":" + std::to_string(SkinCmdOf(m.WParam)));
    return 1;
  }
  void SendToControlWindow(TComponent*, TsCmdMessage& m) override {
    Events.push_back("extra:" + std::to_string(SkinCmdOf(m.WParam)));
  }

  TComponent* App = new TComponent(nullptr);
  managertest::Model Forms;
  std::vector<std::string> Events;
  int Hooks = 0;
  bool RefuseHook = false;
};

}  // namespace managertest

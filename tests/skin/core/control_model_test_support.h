// A small model of controls for the skin record's tests: each control is a
// component with the few properties the record asks about; a control that
// carries a record answers commands through CommonControlMessage, as a
// skinned control does. A manager is filled by hand with sections and items.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/classes.h"
#include "skin/core/common_data.h"
#include "skin/core/control_model.h"
#include "skin/core/skin_commands.h"
#include "skin/core/skin_manager.h"

namespace recordtest {

class Control : public TComponent {
 public:
  explicit Control(TComponent* owner, std::string className = "TTestControl")
      : TComponent(owner), Class(std::move(className)) {}
  ~Control() override {
    if (ParentControl) ParentControl->Remove(this);
    for (Control* c : Children) c->ParentControl = nullptr;
  }
  std::string ClassName() const override { return Class; }

  Control* Add(Control* child) {
    Children.push_back(child);
    child->ParentControl = this;
    return child;
  }
  void Remove(Control* child) {
    for (size_t i = 0; i < Children.size(); ++i)
      if (Children[i] == child) {
        Children.erase(Children.begin() + static_cast<long>(i));
        child->ParentControl = nullptr;
        return;
      }
  }
  void SetState(TComponentStateItem item, bool on) {
    TComponentState s = ComponentState();
    if (on) s.Include(item); else s.Exclude(item);
    SetComponentState(s);
  }
  // Commands received, by sub-command, in order.
  std::vector<int> Commands() const {
    std::vector<int> out;
    for (const TsCmdMessage& m : Received)
      if (m.Msg == CommandMessage) out.push_back(SkinCmdOf(m.WParam));
    return out;
  }

  std::string Class;
  Control* ParentControl = nullptr;
  std::vector<Control*> Children;
  bool Windowed = true;
  bool HandleMade = true;
  bool IsVisible = true;
  bool IsEnabled = true;
  bool CustomEdit = false;
  bool Creating = false;
  bool Focusable = true;
  bool Tab = true;
  bool HasInputFocus = false;
  bool AnchoredRB = false;
  bool Provider = false;
  TColor BackColor = clBtnFace;
  TColor TextColor = clWindowText;
  int W = 40;
  int H = 20;
  uintptr_t Wnd = 0x100;
  TsCommonData* Record = nullptr;
  // Runs before the record sees a message; true swallows it.
  std::function<bool(TsCmdMessage&)> Handler;
  std::vector<TsCmdMessage> Received;
  int Invalidated = 0;
  std::vector<uint32_t> Redraws;
  TComponent* Form = nullptr;  // its parent form
};

inline Control* AsTest(TComponent* c) { return dynamic_cast<Control*>(c); }
inline Control* AsTest(TPersistent* p) { return dynamic_cast<Control*>(p); }

class Model : public TsControlModel {
 public:
  TComponent* AsControl(TPersistent* o) override {
    Control* c = AsTest(o);
    return c && !c->Provider ? c : nullptr;
  }
  bool IsWindowed(TComponent* c) override { return AsTest(c) && AsTest(c)->Windowed; }
  bool HasHandle(TComponent* c) override {
    return AsTest(c) && AsTest(c)->Windowed && AsTest(c)->HandleMade;
  }
  uintptr_t Handle(TComponent* c) override { return HasHandle(c) ? AsTest(c)->Wnd : 0; }
  bool IsCustomEdit(TComponent* c) override { return AsTest(c) && AsTest(c)->CustomEdit; }
  bool IsSkinProvider(TPersistent* o) override { return AsTest(o) && AsTest(o)->Provider; }
  TComponent* Parent(TComponent* c) override { return AsTest(c) ? AsTest(c)->ParentControl : nullptr; }
  int ChildCount(TComponent* c) override {
    return AsTest(c) ? static_cast<int>(AsTest(c)->Children.size()) : 0;
  }
  TComponent* Child(TComponent* c, int i) override { return AsTest(c)->Children[static_cast<size_t>(i)]; }
  TComponent* ParentForm(TComponent* c) override { return AsTest(c) ? AsTest(c)->Form : nullptr; }
  int Width(TComponent* c) override { return AsTest(c)->W; }
  int Height(TComponent* c) override { return AsTest(c)->H; }
  bool AnchoredRightOrBottom(TComponent* c) override { return AsTest(c)->AnchoredRB; }
  bool Visible(TComponent* c) override { return AsTest(c)->IsVisible; }
  bool Enabled(TComponent* c) override { return AsTest(c)->IsEnabled; }
  bool IsCreating(TComponent* c) override { return AsTest(c)->Creating; }
  bool CanFocus(TComponent* c) override { return AsTest(c)->Focusable; }
  bool TabStop(TComponent* c) override { return AsTest(c)->Tab; }
  bool HasFocus(TComponent* c) override { return AsTest(c)->HasInputFocus; }
  TColor Color(TComponent* c) override { return AsTest(c)->BackColor; }
  void SetColor(TComponent* c, TColor v) override { AsTest(c)->BackColor = v; }
  TColor FontColor(TComponent* c) override { return AsTest(c)->TextColor; }
  void SetFontColor(TComponent* c, TColor v) override { AsTest(c)->TextColor = v; }
  intptr_t Perform(TComponent* c, TsCmdMessage& m) override {
    Control* t = AsTest(c);
    if (!t) return 0;
    t->Received.push_back(m);
    if (t->Handler && t->Handler(m)) return m.Result;
    if (t->Record) CommonControlMessage(m, t->Record);
    return m.Result;
  }
  intptr_t SendToWindow(TComponent* c, TsCmdMessage& m) override {
    if (!HasHandle(c)) return 0;
    ++Sent;
    return Perform(c, m);
  }
  void Invalidate(TComponent* c) override { ++AsTest(c)->Invalidated; }
  void RedrawWindow(TComponent* c, uint32_t flags) override { AsTest(c)->Redraws.push_back(flags); }
  bool ThemesInUse() override { return Themes; }
  void ClearParentBackground(TComponent* c) override { ++ParentBackgroundCleared; (void)c; }
  void RestoreWindowTheme(TComponent* c) override { ++ThemesRestored; (void)c; }
  void DeliverToProvider(TPersistent* p, TsCmdMessage& m) override { AsTest(p)->Received.push_back(m); }
  void SendToProviderForm(TPersistent* p, TsCmdMessage& m) override { AsTest(p)->Received.push_back(m); }
  void FreeProviderFormCache(TPersistent*) override { ++ProviderCachesFreed; }

  bool Themes = false;
  int Sent = 0;
  int ParentBackgroundCleared = 0;
  int ThemesRestored = 0;
  int ProviderCachesFreed = 0;
};

// Installs the model for one test and takes it out again.
class ModelScope {
 public:
  ModelScope() { SetControlModel(&model); }
  ~ModelScope() { SetControlModel(nullptr); }
  Model model;
};

inline TsGeneralData Section(const std::string& name, TColor color) {
  TsGeneralData s;
  s.SectionName = name;
  s.Color = color;
  s.HotColor = color;
  return s;
}

// A manager that is the default one, holding sections added by the test.
class ManagerScope {
 public:
  ManagerScope() : manager(std::make_unique<TsSkinManager>(nullptr)) {
    manager->SkinData.Loaded = true;
  }
  TsGeneralData& Add(const std::string& name, TColor color) {
    manager->SectionItems.push_back(Section(name, color));
    return manager->SectionItems.back();
  }
  std::unique_ptr<TsSkinManager> manager;
};

}  // namespace recordtest

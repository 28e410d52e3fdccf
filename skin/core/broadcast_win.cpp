#include "skin/core/broadcast_win.h"

#include "skin/core/skin_commands.h"

namespace {

TsProviderHooks providerHooks;

TControl* AsControl(TComponent* c) { return dynamic_cast<TControl*>(c); }
TWinControl* AsWinControl(TComponent* c) { return dynamic_cast<TWinControl*>(c); }
TCustomForm* AsCustomForm(TComponent* c) { return dynamic_cast<TCustomForm*>(c); }

// Only the result comes back: a receiver that answers in LParam must not
// change what the next one is told (the sending manager).
void PerformOn(TControl* control, TsCmdMessage& command) {
  TMessage m = ToMessage(command);
  control->Perform(m);
  command.Result = m.Result;
}

class TWindowsBroadcastModel final : public TsBroadcastModel {
 public:
  bool IsForm(TComponent* c) override { return dynamic_cast<TForm*>(c) != nullptr; }
  bool IsCustomForm(TComponent* c) override { return AsCustomForm(c) != nullptr; }
  bool IsMDIChild(TComponent* c) override {
    TCustomForm* f = AsCustomForm(c);
    return f && f->FormStyle() == fsMDIChild;
  }
  bool IsMDIForm(TComponent* c) override {
    TCustomForm* f = AsCustomForm(c);
    return f && f->FormStyle() == fsMDIForm;
  }
  bool HasWindow(TComponent* c) override {
    TWinControl* w = AsWinControl(c);
    return w && w->HandleAllocated();
  }

  // Asked through the control's window procedure first (the answer comes
  // in LParam), then of its window.
  bool AnswersQuerySkinned(TComponent* c) override {
    TControl* control = AsControl(c);
    if (!control) return false;
    TMessage m = MakeMessage(CommandMessage, SkinCmdWParam(SkinCmdQuerySkinned), 0);
    control->Perform(m);
    if (m.LParam == 1) return true;
    TWinControl* w = AsWinControl(c);
    if (!w || !w->HandleAllocated()) return false;
    return SendMessageW(w->HandleIfAllocated(), CommandMessage, m.WParam, 0) == 1;
  }

  int ChildCount(TComponent* c) override {
    TWinControl* w = AsWinControl(c);
    return w ? w->ControlCount() : 0;
  }
  TComponent* Child(TComponent* c, int index) override {
    TWinControl* w = AsWinControl(c);
    return w && index < w->ControlCount() ? w->Controls(index) : nullptr;
  }

  // A form that has no window yet gets the message through its window
  // procedure: a broadcast must not make windows.
  void SendToWindow(TComponent* c, TsCmdMessage& command) override {
    TWinControl* w = AsWinControl(c);
    if (w && w->HandleAllocated()) {
      command.Result = SendMessageW(w->HandleIfAllocated(), command.Msg, command.WParam, command.LParam);
      return;
    }
    if (TControl* control = AsControl(c)) PerformOn(control, command);
  }
  void Perform(TComponent* c, TsCmdMessage& command) override {
    if (TControl* control = AsControl(c)) PerformOn(control, command);
  }
  void SendToMDIClient(TComponent* c, TsCmdMessage& command) override {
    TCustomForm* f = AsCustomForm(c);
    if (f && f->ClientHandle())
      SendMessageW(f->ClientHandle(), command.Msg, command.WParam, command.LParam);
  }

  bool HasParentControl(TComponent* c) override {
    TControl* control = AsControl(c);
    return control && control->Parent();
  }
  bool IsVisible(TComponent* c) override {
    TControl* control = AsControl(c);
    return control && control->Visible();
  }
  const TsSkinManager* ProviderManager(TComponent* c) override {
    TCustomForm* f = AsCustomForm(c);
    return f && providerHooks.ManagerOf ? providerHooks.ManagerOf(f) : nullptr;
  }
  void SetRedraw(TComponent* c, bool on) override {
    if (HasWindow(c)) SendMessageW(AsWinControl(c)->HandleIfAllocated(), WM_SETREDRAW, on ? 1 : 0, 0);
  }
  void FadeIn(TComponent* c, int time) override {
    if (providerHooks.FadeControlIn && AsWinControl(c)) providerHooks.FadeControlIn(AsWinControl(c), time);
  }
  void RemoveWindowRegion(TComponent* c) override {
    if (HasWindow(c)) SetWindowRgn(AsWinControl(c)->HandleIfAllocated(), nullptr, FALSE);
  }
  void UpdateFormRegion(TComponent* c) override {
    if (providerHooks.UpdateFormRegion && AsCustomForm(c)) providerHooks.UpdateFormRegion(AsCustomForm(c));
  }
  void RedrawAll(TComponent* c) override {
    if (HasWindow(c))
      RedrawWindow(AsWinControl(c)->HandleIfAllocated(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
};

}  // namespace

void SetProviderHooks(const TsProviderHooks& hooks) { providerHooks = hooks; }

TsBroadcastModel& WindowsBroadcastModel() {
  static auto* model = new TWindowsBroadcastModel();
  return *model;
}

TMessage ToMessage(const TsCmdMessage& command) {
  TMessage m = MakeMessage(command.Msg, command.WParam, command.LParam);
  m.Result = command.Result;
  return m;
}

void BroadcastToChildren(TWinControl* control, TMessage& message) {
  TsCmdMessage command;
  command.Msg = message.Msg;
  command.WParam = message.WParam;
  command.LParam = message.LParam;
  command.Result = message.Result;
  BroadcastToChildren(WindowsBroadcastModel(), control, command);
  message.Result = command.Result;
}

#include "skin/core/broadcast_win.h"

#include "skin/core/control_model_win.h"
#include "skin/core/skin_commands.h"

namespace {

TsProviderHooks providerHooks;

TWinControl* AsWinControl(TComponent* c) { return dynamic_cast<TWinControl*>(c); }
TCustomForm* AsCustomForm(TComponent* c) { return dynamic_cast<TCustomForm*>(c); }

// The window of a form whose window exists.
HWND WindowOf(TComponent* c) {
  TWinControl* w = AsWinControl(c);
  return w && w->HandleAllocated() ? w->HandleIfAllocated() : nullptr;
}

class TWindowsBroadcastModel final : public TsBroadcastModel {
 public:
  TsControlModel& Controls() override { return WindowsControlModel(); }
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
  void SendToMDIClient(TComponent* c, TsCmdMessage& command) override {
    TCustomForm* f = AsCustomForm(c);
    if (f && f->ClientHandle())
      SendMessageW(f->ClientHandle(), command.Msg, command.WParam, command.LParam);
  }

  const TsSkinManager* ProviderManager(TComponent* c) override {
    TCustomForm* f = AsCustomForm(c);
    return f && providerHooks.ManagerOf ? providerHooks.ManagerOf(f) : nullptr;
  }
  void SetRedraw(TComponent* c, bool on) override {
    if (HWND wnd = WindowOf(c)) SendMessageW(wnd, WM_SETREDRAW, on ? 1 : 0, 0);
  }
  void FadeIn(TComponent* c, int time) override {
    if (providerHooks.FadeControlIn && AsWinControl(c)) providerHooks.FadeControlIn(AsWinControl(c), time);
  }
  void RemoveWindowRegion(TComponent* c) override {
    if (HWND wnd = WindowOf(c)) SetWindowRgn(wnd, nullptr, FALSE);
  }
  void UpdateFormRegion(TComponent* c) override {
    if (providerHooks.UpdateFormRegion && AsCustomForm(c)) providerHooks.UpdateFormRegion(AsCustomForm(c));
  }
  void RedrawAll(TComponent* c) override {
    if (HWND wnd = WindowOf(c))
      RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
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
  BroadcastToChildren(WindowsControlModel(), control, command);
  message.Result = command.Result;
}

#include "skin/core/control_model_win.h"

#include "platform/forms/forms.h"
#include "platform/forms/stdctrls.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/control_utils_win.h"

namespace {

TsProviderLink* providerLink = nullptr;

TControl* Ctl(TComponent* c) { return dynamic_cast<TControl*>(c); }
TWinControl* Win(TComponent* c) { return dynamic_cast<TWinControl*>(c); }

class WindowsModel : public TsControlModel {
 public:
  TComponent* AsControl(TPersistent* o) override { return dynamic_cast<TControl*>(o); }
  bool IsWindowed(TComponent* c) override { return Win(c) != nullptr; }
  bool HasHandle(TComponent* c) override { return Win(c) && Win(c)->HandleAllocated(); }
  uintptr_t Handle(TComponent* c) override {
    return Win(c) ? reinterpret_cast<uintptr_t>(Win(c)->HandleIfAllocated()) : 0;
  }
  bool IsCustomEdit(TComponent* c) override { return dynamic_cast<TCustomEdit*>(c) != nullptr; }
  bool IsSkinProvider(TPersistent* o) override { return providerLink && providerLink->IsProvider(o); }
  TComponent* Parent(TComponent* c) override { return Ctl(c) ? Ctl(c)->Parent() : nullptr; }
  int ChildCount(TComponent* c) override { return Win(c) ? Win(c)->ControlCount() : 0; }
  TComponent* Child(TComponent* c, int i) override { return Win(c) ? Win(c)->Controls(i) : nullptr; }
  TComponent* ParentForm(TComponent* c) override { return Ctl(c) ? GetParentForm(Ctl(c)) : nullptr; }
  TPoint Position(TComponent* c) override { return Ctl(c) ? TPoint{Ctl(c)->Left(), Ctl(c)->Top()} : TPoint{0, 0}; }
  int Width(TComponent* c) override { return Ctl(c) ? Ctl(c)->Width() : 0; }
  int Height(TComponent* c) override { return Ctl(c) ? Ctl(c)->Height() : 0; }
  bool AnchoredRightOrBottom(TComponent* c) override {
    if (!Ctl(c)) return false;
    const TAnchors a = Ctl(c)->Anchors();
    return a.Contains(akRight) || a.Contains(akBottom);
  }
  bool Visible(TComponent* c) override { return Ctl(c) && Ctl(c)->Visible(); }
  bool Enabled(TComponent* c) override { return Ctl(c) && Ctl(c)->Enabled(); }
  bool IsCreating(TComponent* c) override {
    return Ctl(c) && Ctl(c)->ControlState().Contains(csCreating);
  }
  bool IsReadingState(TComponent* c) override {
    return Ctl(c) && Ctl(c)->ControlState().Contains(csReadingState);
  }
  bool CanFocus(TComponent* c) override { return Win(c) && Win(c)->CanFocus(); }
  bool TabStop(TComponent* c) override { return Win(c) && Win(c)->TabStop(); }
  bool HasFocus(TComponent* c) override { return Win(c) && Win(c)->Focused(); }
  TColor Color(TComponent* c) override { return Ctl(c) ? Ctl(c)->Color() : clBtnFace; }
  void SetColor(TComponent* c, TColor v) override {
    if (Ctl(c)) Ctl(c)->SetColor(v);
  }
  TColor FontColor(TComponent* c) override { return Ctl(c) ? Ctl(c)->Font()->Color() : clWindowText; }
  void SetFontColor(TComponent* c, TColor v) override {
    if (Ctl(c)) Ctl(c)->Font()->SetColor(v);
  }
  intptr_t Perform(TComponent* c, TsCmdMessage& m) override {
    TControl* control = Ctl(c);
    if (!control) return 0;
    TMessage tm = ToMessage(m);
    control->Perform(tm);
    CopyAnswers(tm, m);
    return m.Result;
  }
  intptr_t SendToWindow(TComponent* c, TsCmdMessage& m) override {
    TWinControl* w = Win(c);
    if (!w || !w->HandleAllocated()) return 0;
    m.Result = SendMessageW(w->HandleIfAllocated(), m.Msg, m.WParam, m.LParam);
    return m.Result;
  }
  bool SendReachesPerform(TComponent* c) override {
    TWinControl* w = Win(c);
    return w && IsOwnWindowProcedure(w->HandleIfAllocated());
  }
  void Invalidate(TComponent* c) override {
    if (Ctl(c)) Ctl(c)->Invalidate();
  }
  void RedrawWindow(TComponent* c, uint32_t flags) override {
    if (HasHandle(c)) ::RedrawWindow(Win(c)->HandleIfAllocated(), nullptr, nullptr, flags);
  }
  bool ThemesInUse() override { return VisualThemesInUse(); }
  void ClearParentBackground(TComponent* c) override {
    if (Ctl(c)) Ctl(c)->SetControlStyle(Ctl(c)->ControlStyle() - TControlStyle{csParentBackground});
  }
  void RestoreWindowTheme(TComponent* c) override {
    if (SetWindowThemeProc && HasHandle(c)) SetWindowThemeProc(Win(c)->HandleIfAllocated(), nullptr, nullptr);
  }
  void DeliverToProvider(TPersistent* p, TsCmdMessage& m) override {
    if (!providerLink) return;
    TMessage tm = ToMessage(m);
    providerLink->Deliver(p, tm);
    CopyAnswers(tm, m);
  }
  void SendToProviderForm(TPersistent* p, TsCmdMessage& m) override {
    if (!providerLink) return;
    if (HWND wnd = providerLink->FormWindow(p)) m.Result = SendMessageW(wnd, m.Msg, m.WParam, m.LParam);
  }
  void FreeProviderFormCache(TPersistent* p) override {
    if (providerLink) providerLink->FreeFormCache(p);
  }
  TColor ProviderFormColor(TPersistent* p) override {
    return providerLink ? providerLink->FormColor(p) : clBtnFace;
  }
  std::unique_ptr<TsCacheBitmap> CreateCacheBitmap() override {
    return std::make_unique<TsDibCacheBitmap>();
  }
};

}  // namespace

void CopyAnswers(const TMessage& from, TsCmdMessage& to) {
  to.LParam = from.LParam;
  to.Result = from.Result;
}

void SetProviderLink(TsProviderLink* link) { providerLink = link; }
TsProviderLink* ProviderLink() { return providerLink; }

TsControlModel& WindowsControlModel() {
  // Never destroyed: the broadcasts of managers freed while static objects
  // go still walk the controls through it.
  static auto* model = new WindowsModel();
  return *model;
}

void UseWindowsControlModel() { SetControlModel(&WindowsControlModel()); }

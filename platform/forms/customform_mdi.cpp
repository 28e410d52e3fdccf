// The MDI basics: a frame form's client window and its child forms.
#include "platform/forms/forms.h"
#include "platform/forms/window_procedure.h"

void TCustomForm::CreateMDIClient() {
  CLIENTCREATESTRUCT ccs{};
  ccs.hWindowMenu = nullptr;
  ccs.idFirstChild = 0xFF00;
  const TRect r = ClientRect();
  clientHandle_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL,
                                  0, 0, r.Width(), r.Height(), HandleIfAllocated(), nullptr,
                                  brsm::ModuleInstance(), &ccs);
  if (!clientHandle_) throw EOSError("Cannot create the MDI client window", GetLastError());
  Realign();
}

TForm* TCustomForm::ActiveMDIChild() const {
  if (formStyle_ != fsMDIForm || !clientHandle_) return nullptr;
  auto wnd = reinterpret_cast<HWND>(SendMessageW(clientHandle_, WM_MDIGETACTIVE, 0, 0));
  return dynamic_cast<TForm*>(FindControl(wnd));
}

int TCustomForm::MDIChildCount() const {
  if (formStyle_ != fsMDIForm || !clientHandle_) return 0;
  int count = 0;
  for (int i = 0; i < Screen->CustomFormCount(); ++i) {
    TCustomForm* f = Screen->CustomForms(i);
    if (f->FormStyle() == fsMDIChild && f->HandleAllocated() &&
        GetParent(f->HandleIfAllocated()) == clientHandle_ && dynamic_cast<TForm*>(f))
      ++count;
  }
  return count;
}

TForm* TCustomForm::MDIChildren(int index) const {
  if (formStyle_ == fsMDIForm && clientHandle_) {
    int n = 0;
    for (int i = 0; i < Screen->CustomFormCount(); ++i) {
      TCustomForm* f = Screen->CustomForms(i);
      auto* form = dynamic_cast<TForm*>(f);
      if (form && f->FormStyle() == fsMDIChild && f->HandleAllocated() &&
          GetParent(f->HandleIfAllocated()) == clientHandle_) {
        if (n == index) return form;
        ++n;
      }
    }
  }
  throw EListError("List index out of bounds (" + IntToStr(index) + ")");
}

void TCustomForm::Cascade() {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDICASCADE, 0, 0);
}

void TCustomForm::Tile() {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDITILE, MDITILE_VERTICAL, 0);
}

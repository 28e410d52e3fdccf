#include "skin/windows/mdi_form_win.h"

#include "skin/core/common_data.h"
#include "skin/windows/adapter_factory_win.h"
#include "skin/windows/base_wnd_win.h"
#include "skin/windows/skin_provider.h"

TsMDIForm::TsMDIForm(TsSkinProvider* provider) : Provider(provider) {
  if (Provider && Provider->Form()) {
    Form = Provider->Form();
    Form->HandleNeeded();
  }
}

TsMDIForm::~TsMDIForm() { FreeClientAdapter(); }

void TsMDIForm::Connect() {
  if (!Provider || Provider->ComponentState().Contains(csDesigning)) return;
  if (ClientAdapter && !ClientAdapter->Destroyed) return;
  UpdateClientAdapter();
}

void TsMDIForm::UpdateClientAdapter() {
  if (!Provider || !Form) return;
  TsCommonData* record = Provider->SkinData();
  if (!TsCommonData::IsSkinned(record)) {
    FreeClientAdapter();
    return;
  }
  HWND client = Form->HandleAllocated() ? Form->ClientHandle() : nullptr;
  if (!client) return;
  FreeClientAdapter();
  TvxAdapterArgs args;
  args.Handle = client;
  args.Repaint = true;
  args.Section = "CHECKBOX";
  args.Manager = record->SkinManager();
  auto* adapter = dynamic_cast<TvxMDIWnd*>(CreateAdapter(TvxAdapterKind::MDIWnd, args));
  if (!adapter) return;  // no client adapter: the client keeps the platform's look
  adapter->Form = Form;
  adapter->FormSkinData = record;
  adapter->Provider = Provider;
  ClientAdapter = adapter;
  // Painted from the form's cache from now on.
  RedrawWindow(client, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void TsMDIForm::FreeClientAdapter() {
  // The adapter frees its own record.
  FreeAdapter(ClientAdapter);
}

LRESULT TsMDIForm::RepaintFrame() {
  if (!Provider || !Form || !Form->HandleAllocated()) return 0;
  Provider->SkinData()->BackgroundStale = true;
  return SendMessageW(Form->HandleIfAllocated(), WM_NCPAINT, 1, 0);
}

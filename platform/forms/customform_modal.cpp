// ShowModal: the other windows of the thread are disabled while the form's
// own loop runs, and given back afterwards whatever happened.
#include <vector>

#include "platform/forms/forms.h"

namespace {

struct DisabledWindows {
  HWND except = nullptr;
  std::vector<HWND> windows;
};

BOOL CALLBACK DisableWindow(HWND wnd, LPARAM data) {
  auto* list = reinterpret_cast<DisabledWindows*>(data);
  if (wnd != list->except && IsWindowVisible(wnd) && IsWindowEnabled(wnd)) {
    EnableWindow(wnd, FALSE);
    list->windows.push_back(wnd);
  }
  return TRUE;
}

void EnableWindows(const DisabledWindows& list) {
  for (HWND wnd : list.windows)
    if (IsWindow(wnd)) EnableWindow(wnd, TRUE);
}

}  // namespace

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || formState_.Contains(fsModal) || formStyle_ == fsMDIChild)
    throw EInvalidOperation("Cannot make a visible window modal");
  if (HWND captured = GetCapture()) SendMessageW(captured, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  formState_.Include(fsModal);
  HWND activeWindow = GetActiveWindow();
  DisabledWindows disabled;
  disabled.except = HandleAllocated() ? HandleIfAllocated() : nullptr;
  EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&disabled));
  TModalResult result = mrNone;
  try {
    Show();
    try {
      SendMessageW(Handle(), CM_ACTIVATE, 0, 0);
      modalResult_ = mrNone;
      do {
        Application->HandleMessage();
        if (Application->Terminated())
          modalResult_ = mrCancel;
        else if (modalResult_ != mrNone)
          CloseModal();
      } while (modalResult_ == mrNone);
      result = modalResult_;
      SendMessageW(Handle(), CM_DEACTIVATE, 0, 0);
      if (GetActiveWindow() != HandleIfAllocated()) activeWindow = nullptr;
    } catch (...) {
      Hide();
      throw;
    }
    Hide();
  } catch (...) {
    EnableWindows(disabled);
    if (activeWindow && IsWindow(activeWindow)) SetActiveWindow(activeWindow);
    formState_.Exclude(fsModal);
    throw;
  }
  EnableWindows(disabled);
  if (activeWindow && IsWindow(activeWindow)) SetActiveWindow(activeWindow);
  formState_.Exclude(fsModal);
  return result;
}

// A modal result was set: the form may still refuse to close.
void TCustomForm::CloseModal() {
  try {
    TCloseAction action = caNone;
    if (CloseQuery()) {
      action = caHide;
      DoClose(action);
    }
    switch (action) {
      case caNone:
        modalResult_ = mrNone;
        break;
      case caFree:
        Release();
        break;
      default:
        break;
    }
  } catch (...) {
    modalResult_ = mrNone;
    Application->HandleException(this);
  }
}

#include "skin/controls/skin_controls_start_win.h"

#include <windows.h>

#include "platform/forms/dialogs.h"
#include "skin/controls/hint_manager.h"
#include "skin/controls/label.h"
#include "skin/controls/message_box.h"
#include "skin/controls/shell_folder_win.h"
#include "skin/core/skin_platform.h"
#include "skin/windows/ctrl_adapter.h"

namespace brsm {

namespace {

void ShowSkinBox(TSkinBoxKind kind, const std::string& text) {
  ShowTypedMessageBoxDefault(text, kind == TSkinBoxKind::Error ? mtError : mtWarning, {mbOK}, 0);
}

bool IsSkinnedLabel(const TControl* control) {
  return dynamic_cast<const TsCustomLabel*>(control) != nullptr;
}

}  // namespace

void StartSkinControls() {
  // Bound by name: the systems before layered windows lack it, and the hint
  // windows then paint over a snapshot of the screen.
  if (HMODULE user32 = GetModuleHandleW(L"user32.dll"))
    LayeredWindowProc = reinterpret_cast<TUpdateLayeredWindowProc>(
        reinterpret_cast<void*>(GetProcAddress(user32, "UpdateLayeredWindow")));
  SetSkinMessageBoxAnswer(ShowSkinBox);
  RegisterEditLabelMaker();
  SetSkinLabelTest(IsSkinnedLabel);
  StartShellFolders();
}

void StopSkinControls() {
  StopShellFolders();
  SetSkinLabelTest(nullptr);
  SetEditLabelMaker(nullptr);
  SetSkinMessageBoxAnswer(nullptr);
}

}  // namespace brsm

// Ends as both programs end: a form still owned by the application, freed
// by the forms unit's last finaliser after every other static of the
// process may be gone. While it goes, the form sends a message to its own
// window and makes a control with a window of its own; the file named by
// the first argument gets "reached=N found=N": whether the message reached
// the form and whether the new window maps to its control.
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "platform/forms/forms.h"

namespace {

// Plain storage: a string object would itself be gone by then.
wchar_t reportPath[MAX_PATH] = {};
constexpr UINT WM_PROBE = WM_USER + 77;

class TProbeForm : public TForm {
 public:
  explicit TProbeForm(TComponent* owner) : TForm(owner) {}
  ~TProbeForm() override {
    if (HandleAllocated()) SendMessageW(HandleIfAllocated(), WM_PROBE, 0, 0);
    auto* late = new TForm(nullptr);
    const bool found = FindControl(late->Handle()) == late;
    delete late;
    char line[64];
    const int n = std::snprintf(line, sizeof line, "reached=%d found=%d", probes_, found ? 1 : 0);
    HANDLE file = CreateFileW(reportPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(n), &written, nullptr);
    CloseHandle(file);
  }
  void Dispatch(TMessage& m) override {
    if (m.Msg == WM_PROBE) ++probes_;
    TForm::Dispatch(m);
  }

 private:
  int probes_ = 0;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  std::wcsncpy(reportPath, argv[1], MAX_PATH - 1);
  auto* form = new TProbeForm(Application);
  form->SetBounds(40, 40, 200, 120);
  form->Show();
  Application->ProcessMessages();
  return 0;
}

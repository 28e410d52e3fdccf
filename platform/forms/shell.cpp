#include "platform/forms/shell.h"

#include <shellapi.h>

#include "platform/rtl/text1251.h"

namespace brsm {

namespace {

intptr_t RunThroughShell(const TShellRequest& r) {
  const std::wstring verb = ToUtf16(r.Verb), file = ToUtf16(r.File);
  const std::wstring parameters = ToUtf16(r.Parameters), directory = ToUtf16(r.Directory);
  HINSTANCE result = ShellExecuteW(r.Parent, verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                                   parameters.empty() ? nullptr : parameters.c_str(),
                                   directory.empty() ? nullptr : directory.c_str(), r.ShowCommand);
  return reinterpret_cast<intptr_t>(result);
}

TShellRunner& CurrentRunner() {
  static TShellRunner runner;
  return runner;
}

}  // namespace

TShellRunner SetShellRunner(TShellRunner runner) {
  TShellRunner old = std::move(CurrentRunner());
  CurrentRunner() = std::move(runner);
  return old;
}

intptr_t ShellRun(const TShellRequest& request) {
  const TShellRunner& runner = CurrentRunner();
  return runner ? runner(request) : RunThroughShell(request);
}

intptr_t ShellOpen(HWND parent, const std::string& address) {
  TShellRequest request;
  request.Parent = parent;
  request.Verb = "open";
  request.File = address;
  request.ShowCommand = SW_SHOWNORMAL;
  return ShellRun(request);
}

}  // namespace brsm

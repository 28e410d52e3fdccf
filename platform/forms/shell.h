// Asking the shell to run a verb on a file or address ("open" a web page),
// through a seam that tests replace to see the request instead.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/rtl/win_macro_guard.h"

namespace brsm {

struct TShellRequest {
  HWND Parent = nullptr;
  std::string Verb;
  std::string File;
  std::string Parameters;
  std::string Directory;
  int ShowCommand = SW_SHOWNORMAL;
};

// Answers what ShellExecuteW answers (above 32 when it worked).
using TShellRunner = std::function<intptr_t(const TShellRequest&)>;

// Installs a runner and answers the previous one; an empty runner puts the
// shell back.
TShellRunner SetShellRunner(TShellRunner runner);

// Runs a request through the current runner (1251 text to the W call).
intptr_t ShellRun(const TShellRequest& request);

// Opens a document or web address with the "open" verb: no parameters, no
// working folder, SW_SHOWNORMAL. The result is the runner's.
intptr_t ShellOpen(HWND parent, const std::string& address);

}  // namespace brsm

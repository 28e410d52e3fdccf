// The adapters hooked on each window, bottom first: "VXSBSC" names the top
// one, and a foreign window's messages run down its foreign adapters to the
// procedure that was in place before the first of them. Internal to the
// adapter root.
#pragma once

#include <windows.h>

class TvxMainWnd;

namespace adapter_chain {

// The adapter goes on top of the window's list; "VXSBSC" names it. A
// foreign adapter also subclasses the window (once for all of them);
// returns the window's own procedure then.
WNDPROC Push(HWND window, TvxMainWnd* adapter, bool foreign);
// The adapter leaves the list wherever it stands; "VXSBSC" names the new
// top or goes. When the last foreign adapter leaves, the window gets its
// procedure back while ours is still the one in place; else ours stays as
// a pass-through until the window is destroyed.
void Remove(HWND window, TvxMainWnd* adapter);
// What lies below a foreign adapter: the next foreign adapter, else the
// window's own procedure.
struct Below {
  bool Found = false;  // the adapter is on the window
  TvxMainWnd* Adapter = nullptr;
  WNDPROC Procedure = nullptr;
};
Below Find(HWND window, TvxMainWnd* adapter);
LRESULT Call(const Below& below, HWND window, UINT msg, WPARAM wParam, LPARAM& lParam);
// How many windows still carry our procedure (tests).
int SubclassedWindowCount();
bool IsOurProcedure(WNDPROC procedure);

}  // namespace adapter_chain

// The single window procedure of the library's windows and the bookkeeping
// around it (which control a window belongs to, window classes, how deep
// the dispatch runs). Internal to the forms layer.
#pragma once

#include "platform/forms/controls.h"

LRESULT CALLBACK ControlWindowProcedure(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

namespace brsm {

// Lists and unlists the control a window of ours belongs to (FindControl).
void AttachControlWindow(HWND wnd, TWinControl* control);
void DetachControlWindow(HWND wnd);

// The control whose window CreateWindowEx is about to make: the window's
// first message (WM_GETMINMAXINFO or WM_NCCREATE) attaches it, so WindowProc
// sees WM_NCCREATE and WM_CREATE.
void BeginWindowCreation(TWinControl* control);
void EndWindowCreation();

// Registers the window class params.WinClassName with the library's window
// procedure, once per process. Raises EOSError when the system refuses.
void RegisterControlClass(const TCreateParams& params);

// Window procedures of ours on the stack: deferred deletions wait for 0.
class DispatchScope {
 public:
  DispatchScope();
  ~DispatchScope();
  DispatchScope(const DispatchScope&) = delete;
  DispatchScope& operator=(const DispatchScope&) = delete;
};
int DispatchDepth();

// Sends a message through a control's WindowProc (WndProc when none is set).
void CallWindowProcOf(TControl* control, TMessage& message);

// A fresh id for a child window (WM_MEASUREITEM finds controls by it).
UINT NextChildWindowId();

HINSTANCE ModuleInstance();

// The control that last got CM_MOUSEENTER (nullptr after CM_MOUSELEAVE).
void SetMouseControl(TControl* control);

// SetWindowOrgEx moved by (dx, dy): (0, 0) lands on the old (dx, dy).
void MoveWindowOrg(HDC dc, int dx, int dy);

}  // namespace brsm

namespace brsm {
// Gives back the DCs that control canvases took outside a paint.
void FreeControlCanvasDCs();
}  // namespace brsm

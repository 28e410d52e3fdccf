// The root of the window adapters: an object that skins a window it does not
// own by hooking its messages, keeps a skin record for it, answers the
// command message in the window's place and hands everything else to the
// procedure it replaced. A class-library control (or a provider's form) is
// hooked at its WindowProc through the platform's hook chain; a foreign
// window is subclassed by one window procedure of ours that finds the
// adapter by the window property "VXSBSC". Hooks come out in any order.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/forms/controls.h"
#include "skin/core/common_data.h"
#include "skin/core/section_painting.h"

class TsSkinManager;

// True while the creation hook makes the adapters of a foreign dialog's
// children; an adapter made meanwhile is in dialog mode.
extern bool AdaptingDialogChild;
// True while the control adapter frees all its items at once.
extern bool ClearingAdapterItems;

// The window property that holds a hooked window's adapter.
inline constexpr const char* AdapterPropertyName = "VXSBSC";

// What an adapter is made with.
struct TvxAdapterArgs {
  HWND Handle = nullptr;
  bool Repaint = false;  // redraw the frame once hooked (scroll-window adapters)
  std::string Section;   // the record's section when it has none
  TsSkinManager* Manager = nullptr;
  TsCommonData* SkinData = nullptr;  // borrowed; nullptr: the adapter makes and owns one
  bool ThemeOff = true;  // the window's visual theme goes (never for "DIALOG")
};

// Where a window sits (GetWindowPosInParent).
struct TvxWindowPlace {
  HWND Parent = nullptr;
  TRect WindowRect;   // screen
  TPoint Position;    // in the parent's rectangle, less the parent's cache offset
  int Width = 0;
  int Height = 0;
  TRect ParentRect;   // screen
};

class TvxMainWnd : public TObject {
 public:
  explicit TvxMainWnd(const TvxAdapterArgs& args);
  ~TvxMainWnd() override;
  // Unhooks while the descendants' colour operations still run.
  void BeforeDestruction() override;

  // Makes an adapter of class T and hooks it; free it with Free() (or
  // FreeAdapter), not delete, so its own colours come back.
  template <class T>
  static T* Create(const TvxAdapterArgs& args) {
    auto* adapter = new T(args);
    adapter->Start(args.Repaint);
    return adapter;
  }

  // -- Fields ----------------------------------------------------------------------
  bool DialogMode = false;
  std::string Caption;
  TvxWindowPlace Place;  // work values of the descendants
  TWndMethod PrevWindowProc;      // a control hooked at its WindowProc
  WNDPROC PrevWndProc = nullptr;  // a foreign window's own procedure
  HWND WindowHandle = nullptr;
  TsSkinManager* SkinManager = nullptr;
  TsCommonData* SkinData = nullptr;
  bool Installing = true;
  bool ColorsApplied = false;
  bool Destroyed = false;  // the hook has been taken out
  bool OwnsSkinData = false;

  // -- Virtual operations ------------------------------------------------------------
  virtual void SaveColors() {}
  virtual void RestoreColors() {}
  virtual void ApplySkinColors() { ColorsApplied = true; }
  virtual void WndProc(TMessage& message);

  // -- Hook ------------------------------------------------------------------------------
  // The hook is in place (a saved method or window procedure, not yet taken out).
  bool Hooked() const;
  // Every message of the hooked window enters here.
  void Dispatch(TMessage& message);
  // The adapter's procedure is on the stack: it must not be deleted now.
  bool InHandler() const { return depth_ > 0; }
  // The previous procedure; 0 when there is none.
  LRESULT CallOldProc(HWND window, UINT msg, LPARAM& lParam, WPARAM wParam);
  void CallOldProc(TMessage& message);
  // The manager to follow: the adapter's own, else the record's.
  TsSkinManager* Manager() const;
  // The class-library control whose WindowProc carries the hook, nullptr
  // for a foreign window.
  TControl* HookedControl() const { return hookedControl_; }

 protected:
  // Hooks the window; scroll-window adapters hook with their bars.
  virtual void Install(bool repaint);
  // Takes the hook out; scroll-window adapters free their bars as well.
  // Nothing when it is already out.
  virtual void Unhook(bool repaint);
  // Answers a command; true when it is not passed on.
  virtual bool HandleCommand(TMessage& message);

  // SkinCmdQueryCache answered from the record's cache (ready only with
  // pixels).
  void AnswerCacheQuery();
  // SkinCmdFinishUpdate: when the record is updating it stops and the window
  // is redrawn with `redrawFlags`; false when it was not updating.
  bool FinishUpdate(UINT redrawFlags);

  // WM_PAINT, WM_ERASEBKGND and WM_NCPAINT of a window painted whole from
  // the record's cache: WM_PAINT goes to `paint` with the message's DC (none
  // for a plain WM_PAINT) and answers 0, the background is left (1) and the
  // previous procedure draws no frame. False for any other message.
  template <class Paint>
  bool AnswerPaintMessages(TMessage& message, Paint&& paint) {
    switch (message.Msg) {
      case WM_PAINT:
        paint(reinterpret_cast<HDC>(message.WParam));
        message.Result = 0;
        return true;
      case WM_ERASEBKGND:
        message.Result = 1;
        return true;
      case WM_NCPAINT:
        return true;
    }
    return false;
  }
  // WM_PARENTNOTIFY of a child's creation or end goes on to the window, and
  // then the record's control is asked to adapt the created child; false
  // (nothing done) for any other message.
  bool AnswerChildNotice(TMessage& message);
  // The window painted from the record's cache: BeginPaint and EndPaint
  // around it when no DC is given; nothing while the record is updating or
  // when `ready` (when given) says no; else the background is marked stale,
  // `prepare` brings the cache up to date and the cache, from column `left`
  // on, goes to the DC.
  void PaintFromCache(HDC given, const std::function<void()>& prepare, int left = 0,
                      const std::function<bool()>& ready = {});

  // Second half of construction: colours saved, the hook installed.
  void Start(bool repaint);

  friend void HookAdapterWindow(TvxMainWnd* adapter, HWND window);
  friend void UninstallWnd(HWND window, bool freeIt, bool repaint, TvxMainWnd*& adapter);

 private:
  void UnhookForGood();
  void PassAfterUnhook(TMessage& message);

  brsm::TWindowProcHook hook_;
  TControl* hookedControl_ = nullptr;
  bool foreign_ = false;
  bool themeOff_ = false;  // this adapter took the window's theme away
  int depth_ = 0;
};

// InstallWnd and HookAdapterWindow: "VXSBSC" set, then the control's
// WindowProc or the foreign window's procedure hooked.
void HookAdapterWindow(TvxMainWnd* adapter, HWND window);
inline void InstallWnd(TvxMainWnd* adapter, HWND window) { HookAdapterWindow(adapter, window); }

// UninstallWnd and UninstallScrollWnd: takes the hook out (nothing for a nil
// adapter or one already out), gives the window its colours back and
// redraws its frame when visible (SWP_FRAMECHANGED with `repaint`, else
// WM_NCPAINT); with `freeIt` frees the adapter (deferred while its
// procedure is on the stack) and clears the variable.
void UninstallWnd(HWND window, bool freeIt, bool repaint, TvxMainWnd*& adapter);
template <class T>
void UninstallWnd(HWND window, bool freeIt, bool repaint, T*& adapter) {
  TvxMainWnd* root = adapter;
  UninstallWnd(window, freeIt, repaint, root);
  adapter = static_cast<T*>(root);
}
// Unhooks and frees; the variable is cleared.
template <class T>
void FreeAdapter(T*& adapter) {
  if (adapter) UninstallWnd(adapter->WindowHandle, true, false, adapter);
}

// The adapter "VXSBSC" names on the window, nullptr when none.
TvxMainWnd* AdapterOfWindow(HWND window);
// SetWindowPos with SWP_FRAMECHANGED (flag set), else WM_NCPAINT (1, 0).
void RedrawWindowFrame(HWND window, bool frameChanged);
// The default manager's hot window becomes this one (the mouse is over it),
// unless it is disabled or already hot.
void MakeHotWindow(HWND window);
// The window's text in the program's code page.
std::string ReadWindowText(HWND window);

// -- Routines of the adapters ------------------------------------------------------------
// Depth first among the components owned by `component` (and theirs): the
// windowed control whose handle is `window`.
TWinControl* FindControlByHandle(HWND window, TComponent* component);
void GetWindowPosInParent(HWND window, TvxWindowPlace& place);
// The corner cells of the record's border image repainted into its cache,
// their see-through pixels showing what lies under the window.
void PaintAdapterCorners(TsCommonData* record, int state, TvxMainWnd* adapter);
// The cache brought up to date when the background is stale: the parent's
// look and the section, or a plain frame in the skin's border colour.
void RefreshControlCache(TsCommonData* record, HWND window, bool plainFrame);
// The record's cache made and sized to the window; false (and no pixels)
// for a window without size.
bool SizeCacheToWindow(TsCommonData* record, HWND window);
// The whole bitmap in `fill` inside a one-pixel frame.
void FillFramed(const TPixelBufferView& pixels, TColor fill, TColor frame);
// The disabled kind a receiver of SkinCmdQuerySectionIndex may set for
// RefreshControlCache.
extern TsDisabledKind AdapterDisabledKind;

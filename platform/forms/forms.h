// Forms, the application object, the screen and the mouse.
//
// A form's window class is named after its C++ class ("TForm1",
// "TMessageForm"): the skin engine's creation hook tells forms apart by it.
// Forms made from a stored layout build their components in the derived
// constructor between brsm::LayoutReader's construction and Finish(); the
// application (CreateForm) then calls AfterConstruction, which runs OnCreate.
#pragma once

#include "platform/forms/controls.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/sysutils.h"

class TControlCanvas;
class TCustomForm;
class TForm;
class TIcon;
class TMainMenu;
class THintWindow;
class TTimer;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition { poDesigned, poDefault, poDesktopCenter, poMainFormCenter, poScreenCenter, poOwnerFormCenter };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormStateItem { fsVisible, fsShowing, fsModal, fsActivated };
using TFormState = TSet<TFormStateItem>;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

// A display, as the screen lists them.
class TMonitor {
 public:
  explicit TMonitor(HMONITOR handle) : handle_(handle) {}
  HMONITOR Handle() const { return handle_; }
  TRect BoundsRect() const;
  TRect WorkareaRect() const;
  int Left() const { return BoundsRect().Left; }
  int Top() const { return BoundsRect().Top; }
  int Width() const { return BoundsRect().Width(); }
  int Height() const { return BoundsRect().Height(); }
  bool Primary() const;

 private:
  HMONITOR handle_;
};

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  // Runs OnCreate and shows the form when its layout made it visible. The
  // application's CreateForm calls it; code that makes a form with `new`
  // and a layout calls it right after construction.
  virtual void AfterConstruction();
  void BeforeDestruction() override;

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle v);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons v);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition v) { position_ = v; }
  TFormStyle FormStyle() const { return formStyle_; }
  // fsStayOnTop and back are done with SetWindowPos on the same window;
  // the MDI styles recreate it.
  void SetFormStyle(TFormStyle v);
  TWindowState WindowState() const;
  void SetWindowState(TWindowState v);
  TFormState FormState() const { return formState_; }
  TIcon* Icon() const { return icon_.get(); }
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* v);
  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool v);
  int AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(int v);
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool v) { keyPreview_ = v; }
  TCanvas* Canvas() const;
  TMonitor* Monitor();

  // -- Focus ------------------------------------------------------------------
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* v);
  bool Active() const { return active_; }
  // Moves the focus to a control of this form; false when it cannot.
  bool SetFocusedControl(TWinControl* control);
  void FocusControl(TWinControl* control);
  // A control leaving (removing) or losing focus gives ActiveControl back.
  void DefocusControl(TWinControl* control, bool removing);
  void SetFocus() override;

  // -- Showing ------------------------------------------------------------------
  void Show();
  void Close();
  // Frees the form from the message loop, after the current handler.
  void Release();
  virtual TModalResult ShowModal();
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult v) { modalResult_ = v; }
  virtual bool CloseQuery();
  void SetVisible(bool v) override;

  // -- MDI -------------------------------------------------------------------------
  HWND ClientHandle() const { return clientHandle_; }
  TForm* ActiveMDIChild() const;
  int MDIChildCount() const;
  TForm* MDIChildren(int index) const;
  void Cascade();
  void Tile();

  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnPaint;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void CreateWindowHandle(const TCreateParams& params) override;
  void DestroyWindowHandle() override;
  void PaintWindow(HDC dc) override;
  void AlignControls(TControl* control, TRect& rect) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

  virtual void DoCreate();
  virtual void DoDestroy();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& action);
  virtual void Activate();
  virtual void Deactivate();
  virtual void Paint();

  void CMShowingChangedForm(TMessage& m);
  void CMDialogKeyForm(TMessage& m);
  void WMGetMinMaxInfo(TMessage& m);

 private:
  friend class TApplication;
  void ApplyPosition();
  void CloseModal();
  void UpdateStayOnTop();
  void UpdateLayered();
  void SetActive(bool v);
  void SetWindowFocus();
  void DestroyEarly();
  void CreateMDIClient();

  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
  TPosition position_ = poDesigned;
  TFormStyle formStyle_ = fsNormal;
  TWindowState windowState_ = wsNormal;
  TFormState formState_;
  std::unique_ptr<TIcon> icon_;
  TMainMenu* menu_ = nullptr;
  bool alphaBlend_ = false;
  int alphaBlendValue_ = 255;
  bool keyPreview_ = false;
  std::unique_ptr<TControlCanvas> canvas_;
  std::unique_ptr<TMonitor> monitor_;
  TWinControl* activeControl_ = nullptr;
  TWinControl* focusedControl_ = nullptr;
  bool active_ = false;
  TModalResult modalResult_ = mrNone;
  HWND clientHandle_ = nullptr;
  bool destroyedEarly_ = false;
  bool positioned_ = false;
  int focusCount_ = 0;
};

class TForm : public TCustomForm {
 public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

// The form that holds `control`, walking up the parents; nullptr when none.
TCustomForm* GetParentForm(TControl* control);

// -- Hints -------------------------------------------------------------------------
// The hint window class: a factory the application calls when it needs a
// hint window. Changing the global makes the application drop its hint
// window and make a new one from the new class the next time it needs one.
// nullptr: no hint window.
using THintWindowClass = THintWindow* (*)(TComponent* owner);
extern THintWindowClass HintWindowClass;
template <class T>
THintWindow* HintWindowClassOf(TComponent* owner) {
  return new T(owner);
}

struct THintInfo {
  TControl* HintControl = nullptr;
  THintWindowClass HintWindowClass = nullptr;
  TPoint HintPos{};       // screen position of the hint window
  int HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  TRect CursorRect{};     // in HintControl's client coordinates
  TPoint CursorPos{};     // in HintControl's client coordinates
  int ReshowTimeout = 0;
  int HideTimeout = 0;
  std::string HintStr;
  void* HintData = nullptr;
};
using TShowHintEvent =
    std::function<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)>;

namespace brsm {

// What shows and hides hints. The hint window unit provides one and installs
// it with TApplication::SetHintMachinery; without one no hints appear.
class THintMachinery {
 public:
  virtual ~THintMachinery() = default;
  // Every mouse message that reaches a control.
  virtual void MouseMessage(TControl* control, const TMessage& message) = 0;
  // Hide the hint now and forget the hint control.
  virtual void CancelHint() = 0;
  // Show the hint of the control under the cursor now.
  virtual void ActivateHint(TPoint cursorPos) = 0;
  // A control is going away: forget it if it is the hint control.
  virtual void ControlDestroyed(TControl* control) {}
};

// The default exception box: a message box with the exception's message.
// Tests install their own to see it without a blocking dialog.
using TExceptionBox = void (*)(const std::string& message, const std::string& title);
TExceptionBox SetExceptionBox(TExceptionBox box);  // nullptr restores the default; answers the old one

}  // namespace brsm

// -- Application ---------------------------------------------------------------------
using TWindowHook = std::function<bool(TMessage& message)>;
using TExceptionEvent = std::function<void(TObject* Sender, const Exception& E)>;
using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;

class TApplication : public TComponent {
 public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  // The hidden top-level window of class "TApplication".
  HWND Handle();
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& v);
  TIcon* Icon() const;  // made on first use
  std::string ExeName() const;

  void Initialize();
  // Creates a form owned by the application; the first one becomes the
  // main form (and gets its window at once).
  template <class T>
  void CreateForm(T*& reference) {
    T* form = new T(this);
    reference = form;
    FormCreated(form);
  }
  void FormCreated(TCustomForm* form);
  TCustomForm* MainForm() const { return mainForm_; }
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool v) { showMainForm_ = v; }

  // The message loop until Terminate (closing the main form terminates).
  void Run();
  void ProcessMessages();
  // One message, or waits for one when the queue is empty.
  void HandleMessage();
  void Terminate();
  // Minimises the main form: it carries the task-bar button and owns the
  // other forms, so the whole application goes to the task bar.
  void Minimize();
  bool Terminated() const { return terminated_; }

  // Called inside a catch block: the current exception goes to OnException,
  // or to the exception box; EAbort is dropped.
  void HandleException(TObject* sender);
  void ShowException(const std::string& message);
  TExceptionEvent OnException;
  TIdleEvent OnIdle;

  // Hooks see every message of the application window first; a hook that
  // answers true ends its handling. Unhook with the number Hook answered.
  int HookMainWindow(TWindowHook hook);
  void UnhookMainWindow(int hookId);

  // Deletes the object from the message loop once no window procedure is
  // running any more, so an object can ask for its end inside its own handler.
  // A component deleted meanwhile is taken off the list.
  void DeferDelete(TObject* object);

  int MessageBox(const std::string& text, const std::string& caption, UINT flags = MB_OK);

  // -- Hints -------------------------------------------------------------------
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool v);
  int HintPause() const { return hintPause_; }
  void SetHintPause(int v) { hintPause_ = v; }
  int HintShortPause() const { return hintShortPause_; }
  void SetHintShortPause(int v) { hintShortPause_ = v; }
  int HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int v) { hintHidePause_ = v; }
  TColor HintColor() const { return hintColor_; }
  void SetHintColor(TColor v) { hintColor_ = v; }
  TShowHintEvent OnShowHint;
  // The application's hint window, made from HintWindowClass on first use
  // and made again after HintWindowClass changed; nullptr without a class.
  THintWindow* HintWindow();
  void SetHintMachinery(brsm::THintMachinery* machinery);  // not owned
  brsm::THintMachinery* HintMachinery() const { return hintMachinery_; }
  void HintMouseMessage(TControl* control, const TMessage& message);
  void CancelHint();
  void ActivateHint(TPoint cursorPos);

  // Number of window procedures of ours running on the stack.
  int DispatchDepth() const;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TCustomForm;
  bool ProcessMessage(MSG& msg);
  bool IsKeyMsg(MSG& msg);
  bool IsMDIMsg(MSG& msg);
  void Idle();
  void DoDeferredDeletes();
  void WndProc(TMessage& m);
  static LRESULT CALLBACK AppWindowProc(HWND, UINT, WPARAM, LPARAM);

  HWND handle_ = nullptr;
  std::string title_;
  mutable std::unique_ptr<TIcon> icon_;
  TCustomForm* mainForm_ = nullptr;
  bool showMainForm_ = true;
  bool terminated_ = false;
  struct Hook { int id; TWindowHook fn; };
  std::vector<Hook> hooks_;
  int nextHookId_ = 1;
  std::vector<TObject*> deferred_;
  bool showHint_ = true;
  int hintPause_ = 500;
  int hintShortPause_ = 50;
  int hintHidePause_ = 2500;
  TColor hintColor_ = clInfoBk;
  THintWindow* hintWindow_ = nullptr;
  TComponent* hintWindowComponent_ = nullptr;  // the same object
  THintWindowClass hintWindowMadeBy_ = nullptr;
  brsm::THintMachinery* hintMachinery_ = nullptr;
};

// -- Screen and mouse ----------------------------------------------------------------
class TScreen : public TComponent {
 public:
  explicit TScreen(TComponent* owner);
  ~TScreen() override;

  // Forms of ours that exist, in creation order (TForm descendants), and
  // every TCustomForm.
  int FormCount() const;
  TForm* Forms(int index) const;
  int CustomFormCount() const { return static_cast<int>(customForms_.size()); }
  TCustomForm* CustomForms(int index) const;
  TForm* ActiveForm() const;
  TCustomForm* ActiveCustomForm() const { return activeCustomForm_; }
  TWinControl* ActiveControl() const { return activeControl_; }

  int DesktopLeft() const;
  int DesktopTop() const;
  int DesktopWidth() const;
  int DesktopHeight() const;
  int Width() const;
  int Height() const;
  TRect WorkAreaRect() const;
  int PixelsPerInch() const;
  int MonitorCount() const;
  TMonitor* Monitors(int index) const;
  TMonitor* MonitorFromWindow(HWND wnd) const;

  // The system's fonts for hints, menus and icon titles, read on first use.
  TFont* HintFont() const;
  TFont* MenuFont() const;
  TFont* IconFont() const;

  // crDefault lets each control show its own cursor.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor v);
  HCURSOR Cursors(TCursor cursor) const;
  void SetCursors(TCursor cursor, HCURSOR handle);

  TNotifyEvent OnActiveFormChange;
  TNotifyEvent OnActiveControlChange;

 private:
  friend class TCustomForm;
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  void SetActiveForm(TCustomForm* form);
  void SetActiveControl(TWinControl* control);
  void RefreshMonitors() const;

  std::vector<TCustomForm*> customForms_;
  TCustomForm* activeCustomForm_ = nullptr;
  TCustomForm* focusedForm_ = nullptr;
  TWinControl* activeControl_ = nullptr;
  mutable std::unique_ptr<TFont> hintFont_, menuFont_, iconFont_;
  TCursor cursor_ = crDefault;
  std::vector<std::pair<TCursor, HCURSOR>> cursors_;
  mutable std::vector<std::unique_ptr<TMonitor>> monitors_;
};

class TMouse {
 public:
  TPoint CursorPos() const;
  void SetCursorPos(TPoint p);
  HWND Capture() const;
  void SetCapture(HWND wnd);
  bool MousePresent() const;
  int WheelScrollLines() const;
};

// The process's application, screen and mouse; they exist before any static
// initialisation of a file that includes this header runs.
extern TApplication* Application;
extern TScreen* Screen;
extern TMouse* Mouse;

namespace brsm {
// Makes the three globals on first inclusion and frees them at exit.
struct FormsUnitInit {
  FormsUnitInit();
  ~FormsUnitInit();
};
static FormsUnitInit formsUnitInit;

// The form talks to a main menu through these hooks so that it builds
// without the menu unit, which fills them in when its first menu is made.
struct TMenuHooks {
  HMENU (*Handle)(TMainMenu* menu) = nullptr;
  // WM_COMMAND of a menu item (of any menu); true when an item took it.
  bool (*DispatchCommand)(WORD id) = nullptr;
  // WM_INITMENUPOPUP of a menu of ours; true when it was one.
  bool (*DispatchPopup)(HMENU popup) = nullptr;
  // A key down message: true when a shortcut of the menu took it.
  bool (*IsShortCut)(TMainMenu* menu, TMessage& keyMessage) = nullptr;
  // WM_MEASUREITEM/WM_DRAWITEM of an owner-drawn menu item.
  bool (*ItemMessage)(TMessage& message) = nullptr;
  // The menu was given to a form (or taken away, form nullptr).
  void (*SetForm)(TMainMenu* menu, TCustomForm* form) = nullptr;
  // WM_CONTEXTMENU on a control with a PopupMenu: show it at a screen point.
  void (*Popup)(TPopupMenu* menu, TControl* control, TPoint screenPos) = nullptr;
};
extern TMenuHooks MenuHooks;

}  // namespace brsm

// The control model: windowless and windowed controls, their window
// procedure chain, alignment, painting and focus.
//
// Every message of a control enters through its WindowProc, a replaceable
// function that a skin provider or adapter may save, replace and restore.
// The default WindowProc calls the virtual WndProc, which does the model's
// own pre-processing (mouse capture, windowless children, keys) and calls
// Dispatch; Dispatch calls the handler for the message number and passes
// everything it does not handle to DefaultHandler (for a windowed control:
// the window's default procedure). To handle a message in a derived class,
// override Dispatch, switch on Msg, and call the base Dispatch for the
// inherited handling.
#pragma once

#include "platform/forms/messages.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/graphics/geometry.h"
#include "platform/rtl/classes.h"
#include "platform/rtl/win_macro_guard.h"

class TCanvas;
class TControlCanvas;  // control_canvas.h
class TPopupMenu;
class TWinControl;

using TWndMethod = std::function<void(TMessage&)>;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

enum TControlStyleItem {
  csAcceptsControls,
  csCaptureMouse,
  csDesignInteractive,
  csClickEvents,
  csFramed,
  csSetCaption,
  csOpaque,
  csDoubleClicks,
  csFixedWidth,
  csFixedHeight,
  csNoDesignVisible,
  csReplicatable,
  csNoStdEvents,
  csDisplayDragImage,
  csReflector,
  csActionClient,
  csMenuEvents,
  csNeedsBorderPaint,
  csParentBackground,
};
using TControlStyle = TSet<TControlStyleItem>;

enum TControlStateItem {
  csLButtonDown,
  csClicked,
  csPalette,
  csReadingState,
  csAlignmentNeeded,
  csFocusing,
  csCreating,
  csPaintCopy,
  csCustomPaint,
  csDestroyingHandle,
  csDocking,
};
using TControlState = TSet<TControlStateItem>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

enum TDragKind { dkDrag, dkDock };

// Borders of forms and of controls that have one (edits, panels use
// bsNone/bsSingle only).
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;

// Shift state from the MK_* bits of a mouse message, and from the keyboard.
TShiftState KeysToShiftState(WPARAM keys);
TShiftState KeyDataToShiftState(LPARAM keyData);

// Minimum and maximum size of a control; 0 means no limit.
class TSizeConstraints : public TPersistent {
 public:
  int MinWidth() const { return minWidth_; }
  int MinHeight() const { return minHeight_; }
  int MaxWidth() const { return maxWidth_; }
  int MaxHeight() const { return maxHeight_; }
  void SetMinWidth(int v);
  void SetMinHeight(int v);
  void SetMaxWidth(int v);
  void SetMaxHeight(int v);
  void Assign(TPersistent* source) override;

  // Clamps a size to the limits.
  void Apply(int& width, int& height) const;

  TNotifyEvent OnChange;

 private:
  void Changed();
  int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
};

// Window creation parameters, filled by CreateParams before the window is
// made. WinClassName is the registered class name (the control's ClassName()
// by default); WindowClass.lpfnWndProc is the default procedure that the
// control's DefaultHandler calls (DefWindowProcW, or the system class's
// procedure after CreateSubClass).
struct TCreateParams {
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  WNDCLASSW WindowClass{};
  std::string WinClassName;
};

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // -- Message path -----------------------------------------------------------
  // Receives every message of the control. Replace it to hook the control;
  // keep the previous value to call on and to put back (see TWindowProcHook).
  TWndMethod WindowProc;
  // Sends a message through WindowProc and answers its Result.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  LRESULT Perform(TMessage& message);  // the record itself, LParam answers included
  virtual void WndProc(TMessage& message);
  virtual void Dispatch(TMessage& message);
  virtual void DefaultHandler(TMessage& message);

  // -- Place --------------------------------------------------------------------
  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  bool HasParent() const { return parent_ != nullptr; }

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const;
  void SetBoundsRect(const TRect& r);

  // The client area in the control's own coordinates.
  virtual TRect ClientRect() const;
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  void SetClientWidth(int v) { SetClientSize(v, ClientHeight()); }
  void SetClientHeight(int v) { SetClientSize(ClientWidth(), v); }
  virtual void SetClientSize(int width, int height);
  // Screen position of the client area's top-left corner.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign v);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors v);
  TSizeConstraints* Constraints() const { return constraints_.get(); }

  // -- State ----------------------------------------------------------------------
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool v);
  void Show();
  void Hide();
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool v);

  TColor Color() const { return color_; }
  void SetColor(TColor v);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool v);
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* v);  // copies
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool v);

  // Caption and Text are the same text (the window text of windowed
  // controls); 1251.
  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& v) { SetText(v); }
  std::string Text() const { return GetText(); }
  void SetText(const std::string& v);
  int GetTextLen() const;

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& v) { hint_ = v; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool v);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool v);

  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor v);
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* v);
  TDragKind DragKind() const { return dragKind_; }
  void SetDragKind(TDragKind v) { dragKind_ = v; }

  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle v) { controlStyle_ = v; }
  TControlState ControlState() const { return controlState_; }
  void SetControlState(TControlState v) { controlState_ = v; }

  bool MouseCapture() const;
  void SetMouseCapture(bool v);

  // -- Painting -------------------------------------------------------------------
  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();

  // Flags for DrawText; text is always left to right here.
  int DrawTextBiDiModeFlags(int flags) const { return flags; }

  virtual void Click();
  virtual void DblClick();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;

 protected:
  friend class TWinControl;
  friend class TCustomForm;

  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

  virtual std::string GetText() const;
  // Alignment asked of the parent when Align, Anchors or the bounds change.
  virtual void RequestAlign();
  virtual void Resize();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // Stores the bounds (a windowed control with a window moves it instead).
  virtual void SetBoundsCore(int left, int top, int width, int height);
  // The inherited handling of the standard messages; Dispatch calls these.
  void WMMouseButton(TMessage& m, TMouseButton button, bool down, bool dbl);
  void WMMouseMove(TMessage& m);
  void WMContextMenu(TMessage& m);
  void CMParentFontChanged(TMessage& m);
  void CMParentColorChanged(TMessage& m);
  void CMParentShowHintChanged(TMessage& m);
  void CMEnabledChanged(TMessage& m);
  void CMVisibleChanged(TMessage& m);
  void CMColorChanged(TMessage& m);
  void CMFontChanged(TMessage& m);
  void CMTextChanged(TMessage& m);
  void CMMouseEnter(TMessage& m);
  void CMMouseLeave(TMessage& m);
  void CMHitTest(TMessage& m);

  // The text of a control without window (and of a windowed one while it
  // has no handle).
  std::string text_;

  // Anchor bookkeeping: the bounds and the parent's client size when the
  // control was last placed by hand.
  void UpdateAnchorRules();
  void AnchorTo(int parentWidth, int parentHeight, TRect& bounds) const;

 private:
  void FontChanged();
  void ParentColorChangedTo(TColor c);

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = alNone;
  TAnchors anchors_{akLeft, akTop};
  std::unique_ptr<TSizeConstraints> constraints_;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clWindow;
  bool parentColor_ = true;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  bool assigningParentFont_ = false;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TCursor cursor_ = crDefault;
  TPopupMenu* popupMenu_ = nullptr;
  TDragKind dragKind_ = dkDrag;
  TControlStyle controlStyle_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState controlState_;
  TRect anchorBounds_{};
  TPoint anchorParentSize_{};
  bool anchorRulesValid_ = false;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // -- Window handle ---------------------------------------------------------------
  // Made on first use (for a child: after the parent's).
  HWND Handle();
  HWND HandleIfAllocated() const { return handle_; }
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded();
  // Window text, state and children survive; the window is made again.
  void RecreateWnd();
  // Parent window of a control that has no Parent control.
  HWND ParentWindow() const { return parentWindow_; }
  void SetParentWindow(HWND v);
  // The procedure DefaultHandler passes messages to.
  WNDPROC DefWndProc() const { return defWndProc_; }

  // -- Children -------------------------------------------------------------------
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const;
  bool ContainsControl(TControl* control) const;  // any depth
  // The topmost visible child at a client point; windowless children only
  // unless allowWinControls.
  TControl* ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls = false) const;
  // Sends the message to each child with Perform until one answers non-zero.
  void Broadcast(TMessage& message);
  void DisableAlign();
  void EnableAlign();
  void Realign();
  bool AlignDisabled() const { return alignLevel_ > 0; }

  // -- Visibility -----------------------------------------------------------------
  // The control's window is on screen as far as the library is concerned:
  // visible, with a handle, and every parent showing. Never read back from
  // the window (WM_SETREDRAW(0) clears WS_VISIBLE).
  bool Showing() const { return showing_; }

  // -- Focus and tabbing ----------------------------------------------------------
  int TabOrder() const;
  void SetTabOrder(int v);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool v);
  virtual bool CanFocus() const;
  virtual bool Focused() const;
  virtual void SetFocus();
  // Children (at any depth) in tab order.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                               bool checkParent) const;
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

  // -- Painting -------------------------------------------------------------------
  // Paints the control and its children into a DC at (x, y).
  void PaintTo(HDC dc, int x, int y);
  TBrush* Brush() const { return brush_.get(); }
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int v);
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool v) { doubleBuffered_ = v; }
  bool ParentBackground() const { return ControlStyle().Contains(csParentBackground); }
  void SetParentBackground(bool v);
  void Invalidate() override;
  void Update() override;
  void Repaint() override;

  TRect ClientRect() const override;
  TPoint ClientOrigin() const override;
  void SetClientSize(int width, int height) override;
  void SetParent(TWinControl* parent) override;

  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

 protected:
  friend class TControl;

  void Loaded() override;

  // -- Window making ---------------------------------------------------------------
  virtual void CreateParams(TCreateParams& params);
  // Takes a system window class ("EDIT", "BUTTON", "msctls_progress32") as
  // the default procedure and class styles; the window class stays named
  // after the control.
  void CreateSubClass(TCreateParams& params, const char* systemClassName);
  virtual void CreateHandle();
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void DestroyWnd();
  virtual void DestroyWindowHandle();
  void DestroyHandle();
  // The window, then every child control, then the owned components: what
  // a destructor does before its own parts go.
  void DestroyContents();
  // Reads the bounds back from the window.
  void UpdateBounds();
  // Sets the bounds fields without moving the window (for windows that
  // placed themselves with SetWindowPos).
  void UpdateBoundsRect(const TRect& r);

  // -- Alignment -------------------------------------------------------------------
  virtual void AlignControls(TControl* control, TRect& rect);
  virtual void AdjustClientRect(TRect& rect) const;

  // -- Children -------------------------------------------------------------------
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void UpdateShowing();
  void UpdateControlState();
  // Puts the windowed children in the tab order their layout stored.
  void FixupTabList();
  void UpdateTabOrder(int v);
  // The parent form forgets this control as active (or focused) control.
  void RemoveFocus(bool removing);

  // -- Painting -------------------------------------------------------------------
  virtual void PaintWindow(HDC dc);
  // Paints the windowless children (from `first` on, all when nullptr).
  void PaintControls(HDC dc, TControl* first);
  void PaintHandler(TMessage& m);

  // -- Keys -------------------------------------------------------------------------
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyUp(WORD& key, TShiftState shift);
  virtual void KeyPress(char& key);
  // True when the key was handled (by OnKeyDown setting it to 0, or the form's preview).
  bool DoKeyDown(TMessage& m);
  bool DoKeyUp(TMessage& m);
  bool DoKeyPress(TMessage& m);

  // Inherited handling; Dispatch calls these.
  void WMPaint(TMessage& m);
  void WMEraseBkgnd(TMessage& m);
  void WMWindowPosChanged(TMessage& m);
  void WMSize(TMessage& m);
  void WMSetCursor(TMessage& m);
  void WMCommand(TMessage& m);
  void WMNotify(TMessage& m);
  void WMDrawItem(TMessage& m);
  void WMMeasureItem(TMessage& m);
  void WMScroll(TMessage& m);
  void WMKeyDown(TMessage& m);
  void WMKeyUp(TMessage& m);
  void WMChar(TMessage& m);
  void WMMouseLeave(TMessage& m);
  void CNKeyDown(TMessage& m);
  void CNChar(TMessage& m);
  void CNCtlColor(TMessage& m);
  void CMShowingChanged(TMessage& m);
  void CMVisibleChangedWin(TMessage& m);
  void CMEnabledChangedWin(TMessage& m);
  void CMColorChangedWin(TMessage& m);
  void CMFontChangedWin(TMessage& m);
  void CMDialogKey(TMessage& m);
  void CMDialogChar(TMessage& m);
  void CMEnter(TMessage& m);
  void CMExit(TMessage& m);
  void CMFocusChanged(TMessage& m);
  void CMRecreateWnd(TMessage& m);
  // Sends a notification to the child control whose window is `child` as
  // CN_BASE + m.Msg; false when no control of ours owns that window.
  bool DoControlMsg(HWND child, TMessage& m);

  void SetBoundsCore(int left, int top, int width, int height) override;

 private:
  friend LRESULT CALLBACK ControlWindowProcedure(HWND, UINT, WPARAM, LPARAM);
  // Routes mouse messages to windowless children (capture, hit test) and
  // synthesises their CM_MOUSEENTER/CM_MOUSELEAVE; true when a child took it.
  bool IsControlMouseMsg(TMessage& m);
  void TrackMouseControl(TControl* underMouse);
  void AlignNow(TControl* control);
  void UpdateShowingHidden();

  HWND handle_ = nullptr;
  HWND parentWindow_ = nullptr;
  WNDPROC defWndProc_ = nullptr;
  std::vector<TControl*> controls_;    // every child, in z order (bottom first)
  std::vector<TWinControl*> tabList_;  // windowed children in tab order
  bool showing_ = false;
  bool tabStop_ = false;
  int alignLevel_ = 0;
  std::unique_ptr<TBrush> brush_;
  int borderWidth_ = 0;
  bool doubleBuffered_ = false;
  bool trackingMouse_ = false;
  bool anchoring_ = false;  // bounds set by alignment keep the anchor rules
  int storedTabOrder_ = -1;
  int alignGeneration_ = 0;
};

// A control without a window, painted by its parent.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;
  TCanvas* Canvas() const;
  void Dispatch(TMessage& message) override;

 protected:
  virtual void Paint() {}
  void WMPaint(TMessage& m);

 private:
  std::unique_ptr<TControlCanvas> canvas_;
};

// A windowed control that paints itself on a canvas.
class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;
  TCanvas* Canvas() const;
  void Dispatch(TMessage& message) override;

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;

 private:
  std::unique_ptr<TControlCanvas> canvas_;
};

// The control of ours whose window `wnd` is, or nullptr.
TWinControl* FindControl(HWND wnd);
// The window's procedure is still the library's own: what is sent to it
// goes straight to its control's WindowProc.
bool IsOwnWindowProcedure(HWND wnd);
// The topmost control of ours under a screen point.
TControl* FindDragTarget(TPoint screenPos, bool allowDisabled);
// The control that holds the mouse capture (windowless ones included).
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);
// The control the mouse is over as CM_MOUSEENTER/CM_MOUSELEAVE last told.
TControl* MouseControl();

namespace brsm {

// Installs a function in front of a control's WindowProc and takes it out
// again, in any order relative to other hooks: a hook that is no longer on
// top when it goes leaves a pass-through behind, so the hooks above it keep
// a valid previous procedure. `Previous` calls the procedure that was in
// place before this hook.
class TWindowProcHook {
 public:
  TWindowProcHook() = default;
  ~TWindowProcHook() { Uninstall(); }
  TWindowProcHook(const TWindowProcHook&) = delete;
  TWindowProcHook& operator=(const TWindowProcHook&) = delete;

  void Install(TControl* control, TWndMethod hook);
  void Uninstall();
  bool Installed() const { return node_ != nullptr; }
  void Previous(TMessage& message) const;

  struct Node;

 private:
  TControl* control_ = nullptr;
  std::shared_ptr<Node> node_;
};

// Runs `body`, handing any exception to Application->HandleException. For
// code called from Win32 frames (window procedures, hooks, timer callbacks).
void GuardedCall(TObject* sender, const std::function<void()>& body);

}  // namespace brsm

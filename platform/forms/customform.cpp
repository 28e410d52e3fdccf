// TCustomForm: a top-level window named after its class, its frame styles,
// showing, closing and focus among its controls. The modal loop is in
// customform_modal.cpp, MDI in customform_mdi.cpp.
#include <algorithm>

#include "platform/forms/control_canvas.h"
#include "platform/forms/forms.h"
#include "platform/forms/window_procedure.h"
#include "platform/graphics/icon.h"
#include "platform/rtl/text1251.h"

namespace {

TComponent* AsComponent(TMainMenu* menu) {
  // TMainMenu is a TComponent by single inheritance (menus.h).
  return reinterpret_cast<TComponent*>(menu);
}

}  // namespace

TCustomForm* GetParentForm(TControl* control) {
  if (!control) return nullptr;
  while (control->Parent()) control = control->Parent();
  return dynamic_cast<TCustomForm*>(control);
}

TCustomForm::TCustomForm(TComponent* owner)
    : TWinControl(owner), icon_(std::make_unique<TIcon>()), canvas_(std::make_unique<TControlCanvas>()) {
  visible_ = false;
  SetControlStyle(TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                                csDoubleClicks});
  SetColor(clBtnFace);
  SetParentFont(false);
  SetBounds(0, 0, 320, 240);
  canvas_->SetControl(this);
  icon_->OnChange = [this](TObject*) {
    if (HandleAllocated())
      SendMessageW(HandleIfAllocated(), WM_SETICON, ICON_BIG,
                   reinterpret_cast<LPARAM>(icon_->Handle()));
  };
  Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  DestroyEarly();
  icon_->OnChange = nullptr;
  canvas_->SetControl(nullptr);
  Screen->RemoveForm(this);
}

void TCustomForm::BeforeDestruction() {
  TWinControl::BeforeDestruction();
  DestroyEarly();
}

// Everything that needs the whole form goes while it is whole: OnDestroy,
// the window (its messages still pass a skin provider's WindowProc), the
// controls and the owned components.
void TCustomForm::DestroyEarly() {
  if (destroyedEarly_) return;
  destroyedEarly_ = true;
  Destroying();
  DoDestroy();
  if (Application && Application->mainForm_ == this) Application->mainForm_ = nullptr;
  if (menu_) {
    if (brsm::MenuHooks.SetForm) brsm::MenuHooks.SetForm(menu_, nullptr);
    RemoveFreeNotification(AsComponent(menu_));
    menu_ = nullptr;
  }
  activeControl_ = nullptr;
  focusedControl_ = nullptr;
  Screen->RemoveForm(this);
  DestroyContents();
}

void TCustomForm::AfterConstruction() {
  DoCreate();
  if (formState_.Contains(fsVisible)) {
    formState_.Exclude(fsVisible);
    SetVisible(true);
  }
}

void TCustomForm::DoCreate() {
  if (TNotifyEvent handler = OnCreate) {
    try {
      handler(this);
    } catch (...) {
      Application->HandleException(this);
    }
  }
}

void TCustomForm::DoDestroy() {
  if (TNotifyEvent handler = OnDestroy) {
    try {
      handler(this);
    } catch (...) {
      Application->HandleException(this);
    }
  }
}

void TCustomForm::DoShow() {
  if (TNotifyEvent handler = OnShow) handler(this);
}

void TCustomForm::DoHide() {
  if (TNotifyEvent handler = OnHide) handler(this);
}

void TCustomForm::DoClose(TCloseAction& action) {
  if (TCloseEvent handler = OnClose) handler(this, action);
}

void TCustomForm::Activate() {
  if (TNotifyEvent handler = OnActivate) handler(this);
}

void TCustomForm::Deactivate() {
  if (TNotifyEvent handler = OnDeactivate) handler(this);
}

void TCustomForm::Paint() {
  if (TNotifyEvent handler = OnPaint) handler(this);
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  if (activeControl_ && !ContainsControl(activeControl_)) activeControl_ = nullptr;
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (menu_ && AsComponent(menu_) == component) {
    menu_ = nullptr;
    if (HandleAllocated()) ::SetMenu(HandleIfAllocated(), nullptr);
  }
  if (activeControl_ == component) activeControl_ = nullptr;
  if (focusedControl_ == component) focusedControl_ = nullptr;
}

// -- Window ----------------------------------------------------------------------

void TCustomForm::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  const bool topLevel = !Parent() && !ParentWindow();
  if (topLevel) {
    p.Style &= ~(WS_CHILD | WS_GROUP | WS_TABSTOP);
    // The main form stands alone (it carries the task-bar button); the
    // others belong to it, or to the application window before there is one.
    TCustomForm* mainForm = Application->MainForm();
    if (mainForm == this)
      p.WndParent = nullptr;
    else if (mainForm && mainForm->HandleAllocated() && formStyle_ != fsMDIChild)
      p.WndParent = mainForm->HandleIfAllocated();
    else
      p.WndParent = Application->Handle();
  }
  p.Style |= WS_CLIPCHILDREN;
  p.WindowClass.style = CS_DBLCLKS;
  TFormBorderStyle style = borderStyle_;
  if (formStyle_ == fsMDIChild && (style == bsNone || style == bsDialog)) style = bsSizeable;
  TBorderIcons icons = borderIcons_;
  switch (style) {
    case bsNone:
      if (topLevel) p.Style |= WS_POPUP;
      icons = TBorderIcons{};
      break;
    case bsSingle:
    case bsToolWindow:
      p.Style |= WS_CAPTION | WS_BORDER;
      break;
    case bsSizeable:
    case bsSizeToolWin:
      p.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      p.Style |= WS_POPUP | WS_CAPTION;
      p.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      icons = icons * TBorderIcons{biSystemMenu, biHelp};
      p.WindowClass.style |= CS_SAVEBITS | CS_BYTEALIGNWINDOW;
      break;
  }
  if (style == bsToolWindow || style == bsSizeToolWin) {
    p.ExStyle |= WS_EX_TOOLWINDOW;
    icons = icons * TBorderIcons{biSystemMenu};
  }
  if (style == bsSingle || style == bsSizeable || style == bsNone) {
    if (formStyle_ != fsMDIChild || icons.Contains(biSystemMenu)) {
      if (icons.Contains(biMinimize)) p.Style |= WS_MINIMIZEBOX;
      if (icons.Contains(biMaximize)) p.Style |= WS_MAXIMIZEBOX;
    }
  }
  if (icons.Contains(biSystemMenu)) p.Style |= WS_SYSMENU;
  if (icons.Contains(biHelp) &&
      (style == bsDialog || (!icons.Contains(biMinimize) && !icons.Contains(biMaximize))))
    p.ExStyle |= WS_EX_CONTEXTHELP;
  if (formStyle_ == fsStayOnTop && topLevel) p.ExStyle |= WS_EX_TOPMOST;
  if (formStyle_ == fsMDIChild) {
    p.ExStyle |= WS_EX_MDICHILD;
    p.WindowClass.lpfnWndProc = DefMDIChildProcW;
  }
  if (alphaBlend_ && topLevel) p.ExStyle |= WS_EX_LAYERED;
  if (position_ == poDefault && !positioned_) p.X = p.Y = CW_USEDEFAULT;
}

void TCustomForm::CreateWindowHandle(const TCreateParams& params) {
  if (formStyle_ != fsMDIChild) {
    TWinControl::CreateWindowHandle(params);
    return;
  }
  TCustomForm* frame = Application->MainForm();
  if (!frame || frame->FormStyle() != fsMDIForm || !frame->ClientHandle())
    throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
  TCreateParams p = params;
  p.WndParent = frame->ClientHandle();
  p.Style |= WS_CHILD | WS_CLIPSIBLINGS;
  p.Style &= ~WS_POPUP;
  TWinControl::CreateWindowHandle(p);
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  HWND wnd = HandleIfAllocated();
  if (formStyle_ == fsMDIForm) CreateMDIClient();
  if (menu_ && brsm::MenuHooks.Handle) {
    ::SetMenu(wnd, brsm::MenuHooks.Handle(menu_));
  }
  HICON icon = icon_->Handle() ? icon_->Handle() : Application->Icon()->Handle();
  if (icon) SendMessageW(wnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  UpdateLayered();
}

void TCustomForm::DestroyWindowHandle() {
  if (formStyle_ == fsMDIChild && HandleAllocated()) {
    HWND client = GetParent(HandleIfAllocated());
    if (client) {
      SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(HandleIfAllocated()), 0);
      if (!HandleAllocated()) return;
    }
  }
  // The window would destroy the menu with it; the HMENUs belong to the
  // menu component, which gives them to the next window.
  if (HandleAllocated() && menu_) ::SetMenu(HandleIfAllocated(), nullptr);
  TWinControl::DestroyWindowHandle();
  clientHandle_ = nullptr;
}

void TCustomForm::PaintWindow(HDC dc) {
  canvas_->Lock();
  canvas_->FreeHandle();
  canvas_->SetHandle(dc);
  try {
    Paint();
  } catch (...) {
    canvas_->SetHandle(nullptr);
    canvas_->Unlock();
    throw;
  }
  canvas_->SetHandle(nullptr);
  canvas_->Unlock();
}

TCanvas* TCustomForm::Canvas() const { return canvas_.get(); }

TMonitor* TCustomForm::Monitor() {
  HMONITOR h = HandleAllocated()
                   ? MonitorFromWindow(HandleIfAllocated(), MONITOR_DEFAULTTONEAREST)
                   : MonitorFromPoint(POINT{Left(), Top()}, MONITOR_DEFAULTTONEAREST);
  if (!monitor_ || monitor_->Handle() != h) monitor_ = std::make_unique<TMonitor>(h);
  return monitor_.get();
}

// -- Properties --------------------------------------------------------------------

void TCustomForm::SetBorderStyle(TFormBorderStyle v) {
  if (borderStyle_ == v) return;
  borderStyle_ = v;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons v) {
  if (borderIcons_ == v) return;
  borderIcons_ = v;
  RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle v) {
  if (formStyle_ == v) return;
  const TFormStyle old = formStyle_;
  formStyle_ = v;
  const bool mdi = old == fsMDIForm || old == fsMDIChild || v == fsMDIForm || v == fsMDIChild;
  if (!HandleAllocated()) return;
  if (mdi)
    RecreateWnd();
  else
    UpdateStayOnTop();
}

// The same window changes its z band; the platform recreates nothing here.
void TCustomForm::UpdateStayOnTop() {
  if (!HandleAllocated() || Parent()) return;
  SetWindowPos(HandleIfAllocated(), formStyle_ == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0,
               0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TWindowState TCustomForm::WindowState() const {
  if (HandleAllocated() && Showing()) {
    if (IsIconic(HandleIfAllocated())) return wsMinimized;
    if (IsZoomed(HandleIfAllocated())) return wsMaximized;
    return wsNormal;
  }
  return windowState_;
}

void TCustomForm::SetWindowState(TWindowState v) {
  windowState_ = v;
  if (!HandleAllocated() || !Showing()) return;
  static const int commands[] = {SW_SHOWNORMAL, SW_MINIMIZE, SW_SHOWMAXIMIZED};
  ShowWindow(HandleIfAllocated(), commands[v]);
}

void TCustomForm::SetMenu(TMainMenu* v) {
  if (menu_ == v) return;
  if (menu_) {
    if (brsm::MenuHooks.SetForm) brsm::MenuHooks.SetForm(menu_, nullptr);
    RemoveFreeNotification(AsComponent(menu_));
  }
  menu_ = v;
  if (menu_) {
    FreeNotification(AsComponent(menu_));
    if (brsm::MenuHooks.SetForm) brsm::MenuHooks.SetForm(menu_, this);
  }
  if (HandleAllocated()) {
    HMENU handle = menu_ && brsm::MenuHooks.Handle ? brsm::MenuHooks.Handle(menu_) : nullptr;
    ::SetMenu(HandleIfAllocated(), handle);
    DrawMenuBar(HandleIfAllocated());
    Realign();
  }
  Perform(CM_MENUCHANGED);
}

void TCustomForm::SetAlphaBlend(bool v) {
  if (alphaBlend_ == v) return;
  alphaBlend_ = v;
  UpdateLayered();
}

void TCustomForm::SetAlphaBlendValue(int v) {
  v = std::clamp(v, 0, 255);
  if (alphaBlendValue_ == v) return;
  alphaBlendValue_ = v;
  UpdateLayered();
}

void TCustomForm::UpdateLayered() {
  if (!HandleAllocated() || Parent()) return;
  HWND wnd = HandleIfAllocated();
  LONG ex = GetWindowLongW(wnd, GWL_EXSTYLE);
  if (alphaBlend_) {
    if (!(ex & WS_EX_LAYERED)) SetWindowLongW(wnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    SetLayeredWindowAttributes(wnd, 0, static_cast<BYTE>(alphaBlendValue_), LWA_ALPHA);
  } else if (ex & WS_EX_LAYERED) {
    SetWindowLongW(wnd, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
    RedrawWindow(wnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

// -- Showing and closing -------------------------------------------------------------

void TCustomForm::SetVisible(bool v) {
  if (ComponentState().Contains(csLoading)) {
    // The layout's Visible takes effect once the form is made.
    if (v)
      formState_.Include(fsVisible);
    else
      formState_.Exclude(fsVisible);
    return;
  }
  TWinControl::SetVisible(v);
}

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TCustomForm::ApplyPosition() {
  if (positioned_ || Parent()) return;
  positioned_ = true;
  int x = Left(), y = Top();
  switch (position_) {
    case poScreenCenter:
      x = (Screen->Width() - Width()) / 2;
      y = (Screen->Height() - Height()) / 2;
      break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
      TCustomForm* center = Application->MainForm();
      if (position_ == poOwnerFormCenter)
        if (auto* owner = dynamic_cast<TCustomForm*>(Owner())) center = owner;
      if (center && center != this) {
        x = (center->Width() - Width()) / 2 + center->Left();
        y = (center->Height() - Height()) / 2 + center->Top();
      } else {
        x = (Screen->Width() - Width()) / 2;
        y = (Screen->Height() - Height()) / 2;
      }
      break;
    }
    case poDesktopCenter:
      x = Screen->DesktopWidth() / 2 + Screen->DesktopLeft() - Width() / 2;
      y = Screen->DesktopHeight() / 2 + Screen->DesktopTop() - Height() / 2;
      break;
    default:
      return;
  }
  x = std::max(x, Screen->DesktopLeft());
  y = std::max(y, Screen->DesktopTop());
  SetBounds(x, y, Width(), Height());
}

void TCustomForm::CMShowingChangedForm(TMessage& m) {
  if (formState_.Contains(fsShowing))
    throw EInvalidOperation("Cannot change Visible in OnShow or OnHide");
  formState_.Include(fsShowing);
  try {
    HWND wnd = HandleIfAllocated();
    if (Showing()) {
      try {
        DoShow();
      } catch (...) {
        Application->HandleException(this);
      }
      ApplyPosition();
      static const int commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
      ShowWindow(wnd, commands[windowState_]);
      if (formStyle_ == fsStayOnTop) UpdateStayOnTop();
    } else {
      try {
        DoHide();
      } catch (...) {
        Application->HandleException(this);
      }
      if (formState_.Contains(fsModal))
        SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      else
        ShowWindow(wnd, SW_HIDE);
    }
  } catch (...) {
    formState_.Exclude(fsShowing);
    throw;
  }
  formState_.Exclude(fsShowing);
}

bool TCustomForm::CloseQuery() {
  if (formStyle_ == fsMDIForm) {
    for (int i = 0; i < MDIChildCount(); ++i)
      if (!MDIChildren(i)->CloseQuery()) return false;
  }
  bool canClose = true;
  if (TCloseQueryEvent handler = OnCloseQuery) handler(this, canClose);
  return canClose;
}

// Closing the main form ends the program; any other form only hides
// unless OnClose asks for more.
void TCustomForm::Close() {
  if (formState_.Contains(fsModal)) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  if (formStyle_ == fsMDIChild) action = borderIcons_.Contains(biMinimize) ? caMinimize : caNone;
  DoClose(action);
  if (action == caNone) return;
  if (Application->MainForm() == this) {
    Application->Terminate();
  } else if (action == caHide) {
    Hide();
  } else if (action == caMinimize) {
    SetWindowState(wsMinimized);
  } else {
    Release();
  }
}

void TCustomForm::Release() { Application->DeferDelete(this); }

// -- Focus --------------------------------------------------------------------------

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (activeControl_ == control) return;
  if (control && !ComponentState().Contains(csLoading) &&
      (control == this || GetParentForm(control) != this || !control->CanFocus()))
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  activeControl_ = control;
  if (!ComponentState().Contains(csLoading) && active_) SetWindowFocus();
}

void TCustomForm::SetWindowFocus() {
  if (!HandleAllocated()) return;
  HWND target = activeControl_ ? activeControl_->Handle() : HandleIfAllocated();
  ::SetFocus(target);
  if (activeControl_ && GetFocus() == target) activeControl_->Perform(CM_UIACTIVATE);
}

void TCustomForm::FocusControl(TWinControl* control) {
  const bool wasActive = active_;
  SetActiveControl(control);
  if (!wasActive) SetFocus();
}

void TCustomForm::SetFocus() {
  if (!active_) {
    if (!Visible() || !Enabled()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    SetWindowFocus();
  }
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing) {
  if (removing && focusedControl_ && control->ContainsControl(focusedControl_))
    focusedControl_ = control->Parent();
  if (activeControl_ && control->ContainsControl(activeControl_)) activeControl_ = nullptr;
  if (Screen->activeControl_ && control->ContainsControl(Screen->activeControl_))
    Screen->activeControl_ = nullptr;
}

namespace {

// Sends a focus message; false when the focus moved on while it ran.
bool SendFocusMessage(HWND wnd, UINT msg, const int& focusCount) {
  const int count = focusCount;
  SendMessageW(wnd, msg, 0, 0);
  return focusCount == count;
}

}  // namespace

// The focus moved to `control` (or the form): CM_EXIT up from the old
// control to the common parent, CM_ENTER down to the new one.
bool TCustomForm::SetFocusedControl(TWinControl* control) {
  ++focusCount_;
  activeControl_ = control != this ? control : nullptr;
  Screen->SetActiveControl(control);
  Screen->SetActiveForm(this);
  if (control->ControlState().Contains(csFocusing)) return false;
  control->SetControlState(control->ControlState() + TControlState{csFocusing});
  auto done = [control] {
    control->SetControlState(control->ControlState() - TControlState{csFocusing});
  };
  try {
    if (Screen->focusedForm_ != this) {
      if (TCustomForm* old = Screen->focusedForm_) {
        Screen->focusedForm_ = nullptr;
        if (old->HandleAllocated() && !SendFocusMessage(old->HandleIfAllocated(), CM_DEACTIVATE, focusCount_)) {
          done();
          return false;
        }
      }
      Screen->focusedForm_ = this;
      if (!SendFocusMessage(Handle(), CM_ACTIVATE, focusCount_)) {
        done();
        return false;
      }
    }
    if (!focusedControl_) focusedControl_ = this;
    if (focusedControl_ != control) {
      while (focusedControl_ && !focusedControl_->ContainsControl(control)) {
        HWND wnd = focusedControl_->HandleIfAllocated();
        focusedControl_ = focusedControl_->Parent();
        if (wnd && !SendFocusMessage(wnd, CM_EXIT, focusCount_)) {
          done();
          return false;
        }
      }
      while (focusedControl_ != control) {
        TWinControl* step = control;
        while (step->Parent() != focusedControl_) step = step->Parent();
        focusedControl_ = step;
        if (!SendFocusMessage(step->Handle(), CM_ENTER, focusCount_)) {
          done();
          return false;
        }
      }
      Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
    }
  } catch (...) {
    done();
    throw;
  }
  done();
  return true;
}

void TCustomForm::SetActive(bool v) {
  active_ = v;
  if (!v) return;
  if (!activeControl_) activeControl_ = FindNextControl(nullptr, true, true, false);
  SetWindowFocus();
}

// -- Messages ----------------------------------------------------------------------------

void TCustomForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_SETFOCUS:
      // The form's window hands the focus on to its active control.
      if (activeControl_ && activeControl_ != this && activeControl_->CanFocus()) {
        ::SetFocus(activeControl_->Handle());
        return;
      }
      break;
  }
  TWinControl::WndProc(m);
}

void TCustomForm::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_ACTIVATE:
      if (formStyle_ != fsMDIForm) SetActive(LOWORD(m.WParam) != WA_INACTIVE);
      return;
    case WM_CLOSE:
      Close();
      return;
    case WM_GETMINMAXINFO:
      WMGetMinMaxInfo(m);
      return;
    case WM_COMMAND:
      if (m.LParam == 0 && brsm::MenuHooks.DispatchCommand &&
          brsm::MenuHooks.DispatchCommand(LOWORD(m.WParam)))
        return;
      break;
    case WM_INITMENUPOPUP:
      if (brsm::MenuHooks.DispatchPopup &&
          brsm::MenuHooks.DispatchPopup(reinterpret_cast<HMENU>(m.WParam)))
        return;
      break;
    case WM_MEASUREITEM:
      if (reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->CtlType == ODT_MENU &&
          brsm::MenuHooks.ItemMessage && brsm::MenuHooks.ItemMessage(m))
        return;
      break;
    case WM_DRAWITEM:
      if (reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->CtlType == ODT_MENU &&
          brsm::MenuHooks.ItemMessage && brsm::MenuHooks.ItemMessage(m))
        return;
      break;
    case WM_ERASEBKGND:
      if (formStyle_ == fsMDIForm) {
        m.Result = 1;
        return;
      }
      break;
    case CM_SHOWINGCHANGED:
      if (!Parent()) {
        CMShowingChangedForm(m);
        return;
      }
      break;
    case CM_DIALOGKEY:
      CMDialogKeyForm(m);
      return;
    case CM_ACTIVATE:
      Activate();
      return;
    case CM_DEACTIVATE:
      Deactivate();
      return;
    case CM_RELEASE:
      Release();
      return;
    case CM_ICONCHANGED:
      if (HandleAllocated())
        SendMessageW(HandleIfAllocated(), WM_SETICON, ICON_BIG,
                     reinterpret_cast<LPARAM>(icon_->Handle()));
      return;
  }
  TWinControl::Dispatch(m);
}

void TCustomForm::DefaultHandler(TMessage& m) {
  if (formStyle_ == fsMDIForm && HandleAllocated() && clientHandle_) {
    m.Result = DefFrameProcW(HandleIfAllocated(), clientHandle_, m.Msg, m.WParam, m.LParam);
    return;
  }
  TWinControl::DefaultHandler(m);
}

void TCustomForm::WMGetMinMaxInfo(TMessage& m) {
  DefaultHandler(m);
  auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
  TSizeConstraints* c = Constraints();
  if (c->MinWidth() > 0) info->ptMinTrackSize.x = c->MinWidth();
  if (c->MinHeight() > 0) info->ptMinTrackSize.y = c->MinHeight();
  if (c->MaxWidth() > 0) info->ptMaxTrackSize.x = c->MaxWidth();
  if (c->MaxHeight() > 0) info->ptMaxTrackSize.y = c->MaxHeight();
}

void TCustomForm::CMDialogKeyForm(TMessage& m) {
  if (GetKeyState(VK_MENU) >= 0) {
    switch (m.WParam) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
          SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
          m.Result = 1;
          return;
        }
        break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (activeControl_ && activeControl_->Parent()) {
          activeControl_->Parent()->SelectNext(activeControl_,
                                                m.WParam == VK_RIGHT || m.WParam == VK_DOWN, false);
          m.Result = 1;
          return;
        }
        break;
    }
  }
  CMDialogKey(m);
}

void TCustomForm::AlignControls(TControl* control, TRect& rect) {
  TWinControl::AlignControls(control, rect);
  if (clientHandle_) {
    SetWindowPos(clientHandle_, HWND_BOTTOM, rect.Left, rect.Top, std::max(rect.Width(), 0),
                 std::max(rect.Height(), 0), SWP_NOACTIVATE);
  }
}

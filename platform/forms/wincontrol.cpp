// TWinControl: the window handle's life, children, showing and the message
// reflection. Alignment, focus, mouse routing and painting have files of
// their own (wincontrol_*.cpp).
#include <algorithm>

#include "platform/forms/forms.h"

#include <commctrl.h>

#include "platform/forms/window_procedure.h"
#include "platform/rtl/text1251.h"

TWinControl::TWinControl(TComponent* owner)
    : TControl(owner), brush_(std::make_unique<TBrush>()) {
  brush_->SetColor(Color());
}

TWinControl::~TWinControl() {
  Destroying();
  // Leave the parent while this is still a windowed control (the parent
  // keeps windowed children in its tab list too).
  if (Parent()) Parent()->RemoveControl(this);
  DestroyContents();
}

void TWinControl::DestroyContents() {
  if (handle_) DestroyWindowHandle();
  if (handle_) {
    brsm::DetachControlWindow(handle_);
    handle_ = nullptr;
  }
  // Children go while this control is still whole; they are taken off the
  // lists first, so they tell the parent nothing on their way out.
  while (!controls_.empty()) {
    TControl* child = controls_.back();
    controls_.pop_back();
    if (auto* w = dynamic_cast<TWinControl*>(child))
      tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), w), tabList_.end());
    if (MouseControl() == child) brsm::SetMouseControl(nullptr);
    child->parent_ = nullptr;
    child->Free();
  }
  DestroyComponents();
}

// -- Window handle -----------------------------------------------------------------

HWND TWinControl::Handle() {
  HandleNeeded();
  return handle_;
}

void TWinControl::HandleNeeded() {
  if (handle_) return;
  if (Parent()) Parent()->HandleNeeded();
  CreateHandle();
}

void TWinControl::SetParentWindow(HWND v) {
  if (parentWindow_ == v) return;
  if (!Parent()) {
    if (handle_ && v)
      ::SetParent(handle_, v);
    else if (handle_)
      DestroyHandle();
  }
  parentWindow_ = v;
  UpdateControlState();
}

void TWinControl::CreateParams(TCreateParams& p) {
  p = TCreateParams{};
  p.Caption = text_;
  p.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (ControlStyle().Contains(csAcceptsControls)) p.Style |= WS_CLIPCHILDREN;
  if (!Enabled()) p.Style |= WS_DISABLED;
  if (tabStop_) p.Style |= WS_TABSTOP;
  p.X = Left();
  p.Y = Top();
  p.Width = Width();
  p.Height = Height();
  if (Parent())
    p.WndParent = Parent()->HandleIfAllocated();
  else
    p.WndParent = parentWindow_;
  p.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  p.WindowClass.lpfnWndProc = DefWindowProcW;
  p.WindowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  p.WindowClass.hbrBackground = nullptr;
  p.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& p, const char* systemClassName) {
  const std::wstring name = brsm::ToUtf16(systemClassName);
  WNDCLASSW wc{};
  if (!GetClassInfoW(nullptr, name.c_str(), &wc)) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    if (!GetClassInfoW(nullptr, name.c_str(), &wc))
      throw EOSError(std::string("Window class ") + systemClassName + " is not there",
                     GetLastError());
  }
  const UINT keep = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_SAVEBITS | CS_BYTEALIGNCLIENT |
                    CS_BYTEALIGNWINDOW | CS_NOCLOSE | CS_DROPSHADOW;
  p.WindowClass = wc;
  p.WindowClass.style &= keep;
  p.WindowClass.hInstance = nullptr;
  p.WindowClass.lpszClassName = nullptr;
  p.WindowClass.lpszMenuName = nullptr;
}

void TWinControl::CreateHandle() {
  if (handle_) return;
  CreateWnd();
  if (!handle_) return;
  // Children that have windows already keep the list's z order.
  HWND after = HWND_TOP;
  for (TControl* c : controls_) {
    auto* w = dynamic_cast<TWinControl*>(c);
    if (!w || !w->handle_) continue;
    SetWindowPos(w->handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    after = w->handle_;
  }
  UpdateBounds();
  Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (params.WndParent == nullptr && (params.Style & WS_CHILD) && !Parent() && !parentWindow_)
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  defWndProc_ = params.WindowClass.lpfnWndProc ? params.WindowClass.lpfnWndProc : DefWindowProcW;
  brsm::RegisterControlClass(params);
  SetControlState(ControlState() + TControlState{csCreating});
  try {
    CreateWindowHandle(params);
  } catch (...) {
    SetControlState(ControlState() - TControlState{csCreating});
    throw;
  }
  SetControlState(ControlState() - TControlState{csCreating});
  if (!handle_) throw EOSError("Error creating window for '" + Name() + "'", GetLastError());
  text_.clear();
}

void TWinControl::CreateWindowHandle(const TCreateParams& p) {
  const std::wstring cls = brsm::ToUtf16(p.WinClassName);
  const std::wstring caption = brsm::ToUtf16(p.Caption);
  HMENU id = nullptr;
  if (p.Style & WS_CHILD) id = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(brsm::NextChildWindowId()));
  brsm::BeginWindowCreation(this);
  HWND wnd = CreateWindowExW(p.ExStyle, cls.c_str(), caption.c_str(), p.Style, p.X, p.Y, p.Width,
                             p.Height, p.WndParent, id, brsm::ModuleInstance(), p.Param);
  brsm::EndWindowCreation();
  if (wnd && !handle_) {
    // A window that sent nothing while it was made (never the case with
    // USER, but cheap to cover).
    brsm::AttachControlWindow(wnd, this);
    handle_ = wnd;
  }
}

void TWinControl::DestroyWnd() {
  text_ = GetText();
  DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle() {
  SetControlState(ControlState() + TControlState{csDestroyingHandle});
  HWND wnd = handle_;
  if (wnd) DestroyWindow(wnd);
  SetControlState(ControlState() - TControlState{csDestroyingHandle});
  if (handle_ == wnd && wnd) {
    // DestroyWindow refused (a foreign hook, a window of another thread).
    brsm::DetachControlWindow(wnd);
    handle_ = nullptr;
  }
  showing_ = false;
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
  DestroyWnd();
}

void TWinControl::RecreateWnd() {
  if (handle_) Perform(CM_RECREATEWND);
}

void TWinControl::CMRecreateWnd(TMessage& m) {
  const bool wasFocused = Focused();
  DestroyHandle();
  UpdateControlState();
  if (wasFocused && handle_) ::SetFocus(handle_);
}

void TWinControl::UpdateBounds() {
  if (!handle_) return;
  RECT r;
  GetWindowRect(handle_, &r);
  HWND parent = GetParent(handle_);
  if ((GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD) && parent)
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  UpdateBoundsRect(brsm::FromRECT(r));
}

void TWinControl::UpdateBoundsRect(const TRect& r) {
  const bool resized = r.Width() != Width() || r.Height() != Height();
  TControl::SetBoundsCore(r.Left, r.Top, r.Width(), r.Height());
  UpdateAnchorRules();
  if (resized) Realign();
}

void TWinControl::SetBoundsCore(int left, int top, int width, int height) {
  if (handle_ && !IsIconic(handle_)) {
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    // WM_WINDOWPOSCHANGED read the bounds back; a window that refused the
    // move still reports where it is.
    return;
  }
  const bool resized = width != Width() || height != Height();
  TControl::SetBoundsCore(left, top, width, height);
  if (resized) Realign();
}

TRect TWinControl::ClientRect() const {
  if (handle_) {
    RECT r;
    GetClientRect(handle_, &r);
    return brsm::FromRECT(r);
  }
  // Without a window the frame comes from the style the window would get.
  TCreateParams params;
  const_cast<TWinControl*>(this)->CreateParams(params);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
  const int w = Width() - (frame.right - frame.left);
  const int h = Height() - (frame.bottom - frame.top);
  return Rect(0, 0, std::max(w, 0), std::max(h, 0));
}

void TWinControl::SetClientSize(int width, int height) {
  const TRect client = ClientRect();
  SetBounds(Left(), Top(), width + (Width() - client.Width()), height + (Height() - client.Height()));
}

TPoint TWinControl::ClientOrigin() const {
  if (handle_) {
    POINT p{0, 0};
    ::ClientToScreen(handle_, &p);
    return Point(p.x, p.y);
  }
  if (Parent()) {
    const TPoint o = Parent()->ClientOrigin();
    return Point(o.X + Left(), o.Y + Top());
  }
  return Point(Left(), Top());
}

// -- Children -----------------------------------------------------------------------

TControl* TWinControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount())
    throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  return controls_[static_cast<size_t>(index)];
}

bool TWinControl::ContainsControl(TControl* control) const {
  for (TControl* c = control; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

void TWinControl::InsertControl(TControl* control) {
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 1);
  controls_.push_back(control);
  control->parent_ = this;
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    tabList_.push_back(w);
  }
  if (!control->ComponentState().Contains(csReading)) {
    control->Perform(CM_PARENTCOLORCHANGED);
    control->Perform(CM_PARENTFONTCHANGED);
    control->Perform(CM_PARENTSHOWHINTCHANGED);
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
      w->UpdateControlState();
    } else if (handle_) {
      control->Invalidate();
    }
    AlignNow(control);
  }
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 1);
}

void TWinControl::RemoveControl(TControl* control) {
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 0);
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    w->RemoveFocus(true);
    w->DestroyHandle();
  } else if (handle_) {
    control->Invalidate();
  }
  tabList_.erase(std::remove_if(tabList_.begin(), tabList_.end(),
                                [control](TWinControl* w) { return static_cast<TControl*>(w) == control; }),
                 tabList_.end());
  if (MouseControl() == control) brsm::SetMouseControl(nullptr);
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  control->parent_ = nullptr;
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 0);
  if (!ComponentState().Contains(csDestroying)) Realign();
}

void TWinControl::SetParent(TWinControl* parent) {
  if (parent == Parent()) return;
  if (parent && parent->ContainsControl(this) == false && ContainsControl(parent))
    throw EInvalidOperation("A control cannot be placed inside one of its own children");
  TControl::SetParent(parent);
}

void TWinControl::Broadcast(TMessage& message) {
  // A copy: a handler may change the children.
  const std::vector<TControl*> children = controls_;
  for (TControl* c : children) {
    if (std::find(controls_.begin(), controls_.end(), c) == controls_.end()) continue;
    c->Perform(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::Loaded() {
  TControl::Loaded();
  if (handle_) UpdateBounds();
  FixupTabList();
  UpdateControlState();
  Realign();
}

// -- Showing --------------------------------------------------------------------------

// A windowed control shows when it is visible and its parent shows; a
// control without parent control shows only as a form or inside a foreign
// parent window.
void TWinControl::UpdateControlState() {
  TWinControl* top = this;
  while (top->Parent()) {
    top = top->Parent();
    if (!top->showing_) {
      // A hidden parent: this control is not on screen either.
      UpdateShowingHidden();
      return;
    }
  }
  if (dynamic_cast<TCustomForm*>(top) || top->parentWindow_) UpdateShowing();
}

void TWinControl::UpdateShowing() {
  bool show = Visible() && !ComponentState().Contains(csDestroying) &&
              !ControlState().Contains(csReadingState);
  // Called for a parent that is on screen or about to be.
  if (Parent() && !Parent()->Visible()) show = false;
  if (show) {
    if (!handle_) CreateHandle();
    const std::vector<TControl*> children = controls_;
    for (TControl* c : children)
      if (auto* w = dynamic_cast<TWinControl*>(c)) w->UpdateShowing();
  }
  if (!handle_) return;
  if (showing_ != show) {
    showing_ = show;
    try {
      Perform(CM_SHOWINGCHANGED);
    } catch (...) {
      showing_ = !show;
      throw;
    }
    if (!show) {
      const std::vector<TControl*> children = controls_;
      for (TControl* c : children)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->UpdateShowingHidden();
    }
  }
}

void TWinControl::UpdateShowingHidden() {
  // The parent went off screen: so does every child window that showed.
  if (showing_ && handle_) {
    showing_ = false;
    Perform(CM_SHOWINGCHANGED);
  }
  const std::vector<TControl*> children = controls_;
  for (TControl* c : children)
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->UpdateShowingHidden();
}

void TWinControl::CMShowingChanged(TMessage& m) {
  static const UINT flags[2] = {SWP_HIDEWINDOW, SWP_SHOWWINDOW};
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags[showing_ ? 1 : 0]);
}

void TWinControl::CMVisibleChangedWin(TMessage& m) {
  if (!Visible() && Parent()) RemoveFocus(false);
  UpdateControlState();
}

void TWinControl::CMEnabledChangedWin(TMessage& m) {
  if (!Enabled() && Parent()) RemoveFocus(false);
  if (handle_) EnableWindow(handle_, Enabled());
}

void TWinControl::CMColorChangedWin(TMessage& m) {
  brush_->SetColor(Color());
  for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(CM_PARENTCOLORCHANGED);
  Invalidate();
}

void TWinControl::CMFontChangedWin(TMessage& m) {
  if (handle_) Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
  for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(CM_PARENTFONTCHANGED);
  Invalidate();
}

void TWinControl::SetBorderWidth(int v) {
  if (borderWidth_ == v) return;
  borderWidth_ = std::max(v, 0);
  Realign();
  Invalidate();
}

void TWinControl::SetParentBackground(bool v) {
  if (ParentBackground() == v) return;
  TControlStyle s = ControlStyle();
  if (v)
    s.Include(csParentBackground);
  else
    s.Exclude(csParentBackground);
  SetControlStyle(s);
  Invalidate();
}

// -- Message path --------------------------------------------------------------------

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_SETFOCUS: {
      TCustomForm* form = GetParentForm(this);
      if (form && !form->SetFocusedControl(this)) return;
      break;
    }
    case WM_KILLFOCUS:
      if (ControlState().Contains(csFocusing)) return;
      break;
    case WM_NCHITTEST: {
      TControl::WndProc(m);
      if (m.Result == HTTRANSPARENT) {
        const TPoint p = ScreenToClient(Point(static_cast<int16_t>(LOWORD(m.LParam)),
                                              static_cast<int16_t>(HIWORD(m.LParam))));
        if (ControlAtPos(p, false)) m.Result = HTCLIENT;
      }
      return;
    }
    case WM_CANCELMODE: {
      TControl* c = GetCaptureControl();
      if (c && c != this && c->Parent() == this) c->Perform(WM_CANCELMODE);
      break;
    }
  }
  if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MBUTTONDBLCLK) {
    if (IsControlMouseMsg(m)) return;
  }
  TControl::WndProc(m);
}

void TWinControl::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: WMPaint(m); return;
    case WM_ERASEBKGND: WMEraseBkgnd(m); return;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(m); return;
    case WM_SIZE: WMSize(m); return;
    case WM_SETCURSOR: WMSetCursor(m); return;
    case WM_COMMAND: WMCommand(m); return;
    case WM_NOTIFY: WMNotify(m); return;
    case WM_DRAWITEM: WMDrawItem(m); return;
    case WM_MEASUREITEM: WMMeasureItem(m); return;
    case WM_HSCROLL:
    case WM_VSCROLL:
      WMScroll(m);
      return;
    case WM_COMPAREITEM:
      if (!DoControlMsg(reinterpret_cast<COMPAREITEMSTRUCT*>(m.LParam)->hwndItem, m)) DefaultHandler(m);
      return;
    case WM_DELETEITEM:
      if (!DoControlMsg(reinterpret_cast<DELETEITEMSTRUCT*>(m.LParam)->hwndItem, m)) DefaultHandler(m);
      return;
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
      if (!DoControlMsg(reinterpret_cast<HWND>(m.LParam), m)) DefaultHandler(m);
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      WMKeyDown(m);
      return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      WMKeyUp(m);
      return;
    case WM_CHAR: WMChar(m); return;
    case WM_MOUSELEAVE: WMMouseLeave(m); return;
    case WM_CAPTURECHANGED:
      DefaultHandler(m);
      if (reinterpret_cast<HWND>(m.LParam) != handle_ && GetCaptureControl() == nullptr)
        SetCaptureControl(nullptr);
      return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
      CNKeyDown(m);
      return;
    case CN_CHAR: CNChar(m); return;
    case CN_SYSCHAR:
      if (m.WParam != VK_SPACE) {
        TCustomForm* form = GetParentForm(this);
        if (form && form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0) {
          m.Result = 1;
          return;
        }
      }
      m.Result = 0;
      return;
    case CM_SHOWINGCHANGED: CMShowingChanged(m); return;
    case CM_VISIBLECHANGED: CMVisibleChangedWin(m); return;
    case CM_ENABLEDCHANGED: CMEnabledChangedWin(m); return;
    case CM_COLORCHANGED: CMColorChangedWin(m); return;
    case CM_FONTCHANGED: CMFontChangedWin(m); return;
    case CM_DIALOGKEY: CMDialogKey(m); return;
    case CM_DIALOGCHAR: CMDialogChar(m); return;
    case CM_FOCUSCHANGED: CMFocusChanged(m); return;
    case CM_ENTER: CMEnter(m); return;
    case CM_EXIT: CMExit(m); return;
    case CM_CHILDKEY:
      m.Result = Parent() ? Parent()->Perform(CM_CHILDKEY, m.WParam, m.LParam) : 0;
      return;
    case CM_RECREATEWND: CMRecreateWnd(m); return;
    default: TControl::Dispatch(m); return;
  }
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (!handle_) {
    TControl::DefaultHandler(m);
    return;
  }
  if (IsCtlColorMessage(m.Msg)) {
    if (FindControl(reinterpret_cast<HWND>(m.LParam))) {
      m.Result = SendMessageW(reinterpret_cast<HWND>(m.LParam), CN_BASE + m.Msg, m.WParam, m.LParam);
      return;
    }
  } else if (m.Msg >= CN_CTLCOLORMSGBOX && m.Msg <= CN_CTLCOLORSTATIC) {
    CNCtlColor(m);
    return;
  }
  m.Result = CallWindowProcW(defWndProc_, handle_, m.Msg, m.WParam, m.LParam);
}

void TWinControl::CNCtlColor(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
  SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(brush_->Color())));
  m.Result = reinterpret_cast<LRESULT>(brush_->Handle());
}

bool TWinControl::DoControlMsg(HWND child, TMessage& m) {
  TWinControl* control = FindControl(child);
  if (!control || control == this) return false;
  m.Result = control->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
  return true;
}

void TWinControl::WMCommand(TMessage& m) {
  if (m.LParam == 0 || !DoControlMsg(reinterpret_cast<HWND>(m.LParam), m)) DefaultHandler(m);
}

void TWinControl::WMNotify(TMessage& m) {
  auto* header = reinterpret_cast<NMHDR*>(m.LParam);
  if (!header || !DoControlMsg(header->hwndFrom, m)) DefaultHandler(m);
}

void TWinControl::WMDrawItem(TMessage& m) {
  auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
  if (item->CtlType == ODT_MENU || !DoControlMsg(item->hwndItem, m)) DefaultHandler(m);
}

void TWinControl::WMMeasureItem(TMessage& m) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
  if (item->CtlType != ODT_MENU && handle_) {
    if (DoControlMsg(GetDlgItem(handle_, static_cast<int>(item->CtlID)), m)) return;
  }
  DefaultHandler(m);
}

void TWinControl::WMScroll(TMessage& m) {
  if (m.LParam == 0 || !DoControlMsg(reinterpret_cast<HWND>(m.LParam), m)) DefaultHandler(m);
}

void TWinControl::WMWindowPosChanged(TMessage& m) {
  DefaultHandler(m);
  auto* pos = reinterpret_cast<WINDOWPOS*>(m.LParam);
  if (pos && (pos->flags & SWP_NOSIZE) && (pos->flags & SWP_NOMOVE)) return;
  UpdateBounds();
}

void TWinControl::WMSize(TMessage& m) {
  DefaultHandler(m);
  UpdateBounds();
  // A minimised window keeps its children where they were.
  if (m.WParam != SIZE_MINIMIZED) Realign();
  if (!ComponentState().Contains(csLoading)) Resize();
}

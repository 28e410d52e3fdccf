// TControl: properties, the message path and the standard handlers shared
// by windowless and windowed controls.
#include <algorithm>

#include "platform/forms/forms.h"
#include "platform/forms/window_procedure.h"
#include "platform/rtl/text1251.h"

namespace {

TControl* captureControl = nullptr;
TControl* mouseControl = nullptr;

}  // namespace

TShiftState KeysToShiftState(WPARAM keys) {
  TShiftState s;
  if (keys & MK_SHIFT) s.Include(ssShift);
  if (keys & MK_CONTROL) s.Include(ssCtrl);
  if (keys & MK_LBUTTON) s.Include(ssLeft);
  if (keys & MK_RBUTTON) s.Include(ssRight);
  if (keys & MK_MBUTTON) s.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
  return s;
}

TShiftState KeyDataToShiftState(LPARAM keyData) {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
  if (keyData & 0x20000000) s.Include(ssAlt);
  return s;
}

// -- TSizeConstraints -----------------------------------------------------------

void TSizeConstraints::SetMinWidth(int v) {
  if (v == minWidth_) return;
  minWidth_ = std::max(v, 0);
  if (maxWidth_ > 0 && minWidth_ > maxWidth_) maxWidth_ = minWidth_;
  Changed();
}
void TSizeConstraints::SetMinHeight(int v) {
  if (v == minHeight_) return;
  minHeight_ = std::max(v, 0);
  if (maxHeight_ > 0 && minHeight_ > maxHeight_) maxHeight_ = minHeight_;
  Changed();
}
void TSizeConstraints::SetMaxWidth(int v) {
  if (v == maxWidth_) return;
  maxWidth_ = std::max(v, 0);
  if (maxWidth_ > 0 && minWidth_ > maxWidth_) minWidth_ = maxWidth_;
  Changed();
}
void TSizeConstraints::SetMaxHeight(int v) {
  if (v == maxHeight_) return;
  maxHeight_ = std::max(v, 0);
  if (maxHeight_ > 0 && minHeight_ > maxHeight_) minHeight_ = maxHeight_;
  Changed();
}

void TSizeConstraints::Assign(TPersistent* source) {
  if (auto* c = dynamic_cast<TSizeConstraints*>(source)) {
    minWidth_ = c->minWidth_;
    minHeight_ = c->minHeight_;
    maxWidth_ = c->maxWidth_;
    maxHeight_ = c->maxHeight_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

void TSizeConstraints::Apply(int& width, int& height) const {
  if (maxWidth_ > 0 && width > maxWidth_) width = maxWidth_;
  if (minWidth_ > 0 && width < minWidth_) width = minWidth_;
  if (maxHeight_ > 0 && height > maxHeight_) height = maxHeight_;
  if (minHeight_ > 0 && height < minHeight_) height = minHeight_;
}

void TSizeConstraints::Changed() {
  if (OnChange) OnChange(this);
}

// -- TControl -------------------------------------------------------------------

TControl::TControl(TComponent* owner)
    : TComponent(owner),
      constraints_(std::make_unique<TSizeConstraints>()),
      font_(std::make_unique<TFont>()) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  font_->OnChange = [this](TObject*) { FontChanged(); };
  constraints_->OnChange = [this](TObject*) { SetBounds(left_, top_, width_, height_); };
}

TControl::~TControl() {
  if (Application) {
    if (auto* hints = Application->HintMachinery()) hints->ControlDestroyed(this);
  }
  if (captureControl == this) SetCaptureControl(nullptr);
  if (mouseControl == this) mouseControl = nullptr;
  if (parent_) parent_->RemoveControl(this);
  // The font's handler points at this object.
  font_->OnChange = nullptr;
  constraints_->OnChange = nullptr;
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m = MakeMessage(msg, wParam, lParam);
  brsm::CallWindowProcOf(this, m);
  return m.Result;
}

LRESULT TControl::Perform(TMessage& message) {
  brsm::CallWindowProcOf(this, message);
  return message.Result;
}

void TControl::WndProc(TMessage& m) {
  if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MBUTTONDBLCLK) {
    if (!controlStyle_.Contains(csDoubleClicks)) {
      switch (m.Msg) {
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
          m.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
          break;
      }
    }
    if (Application) Application->HintMouseMessage(this, m);
    switch (m.Msg) {
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        controlState_.Include(csLButtonDown);
        break;
      case WM_LBUTTONUP:
        controlState_.Exclude(csLButtonDown);
        break;
    }
  }
  Dispatch(m);
}

void TControl::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN: WMMouseButton(m, mbLeft, true, false); return;
    case WM_LBUTTONDBLCLK: WMMouseButton(m, mbLeft, true, true); return;
    case WM_LBUTTONUP: WMMouseButton(m, mbLeft, false, false); return;
    case WM_RBUTTONDOWN: WMMouseButton(m, mbRight, true, false); return;
    case WM_RBUTTONDBLCLK: WMMouseButton(m, mbRight, true, true); return;
    case WM_RBUTTONUP: WMMouseButton(m, mbRight, false, false); return;
    case WM_MBUTTONDOWN: WMMouseButton(m, mbMiddle, true, false); return;
    case WM_MBUTTONDBLCLK: WMMouseButton(m, mbMiddle, true, true); return;
    case WM_MBUTTONUP: WMMouseButton(m, mbMiddle, false, false); return;
    case WM_MOUSEMOVE: WMMouseMove(m); return;
    case WM_CONTEXTMENU: WMContextMenu(m); return;
    case WM_CANCELMODE:
      if (MouseCapture()) SetMouseCapture(false);
      DefaultHandler(m);
      return;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(m); return;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(m); return;
    case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(m); return;
    case CM_ENABLEDCHANGED: CMEnabledChanged(m); return;
    case CM_VISIBLECHANGED: CMVisibleChanged(m); return;
    case CM_COLORCHANGED: CMColorChanged(m); return;
    case CM_FONTCHANGED: CMFontChanged(m); return;
    case CM_TEXTCHANGED: CMTextChanged(m); return;
    case CM_MOUSEENTER: CMMouseEnter(m); return;
    case CM_MOUSELEAVE: CMMouseLeave(m); return;
    case CM_HITTEST: CMHitTest(m); return;
    default: DefaultHandler(m); return;
  }
}

// Text of a control without window lives in text_; the window messages
// read and write it so that the same calls work with and without a handle.
void TControl::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case WM_GETTEXT: {
      auto* buffer = reinterpret_cast<wchar_t*>(m.LParam);
      const std::wstring w = brsm::ToUtf16(text_);
      const size_t room = static_cast<size_t>(m.WParam);
      if (!buffer || room == 0) {
        m.Result = 0;
        return;
      }
      const size_t n = std::min(w.size(), room - 1);
      std::copy_n(w.data(), n, buffer);
      buffer[n] = 0;
      m.Result = static_cast<LRESULT>(n);
      return;
    }
    case WM_GETTEXTLENGTH:
      m.Result = static_cast<LRESULT>(brsm::ToUtf16(text_).size());
      return;
    case WM_SETTEXT: {
      auto* text = reinterpret_cast<const wchar_t*>(m.LParam);
      text_ = text ? brsm::FromUtf16(text) : std::string();
      m.Result = 1;
      return;
    }
  }
}

std::string TControl::GetText() const {
  auto* self = const_cast<TControl*>(this);
  const int length = static_cast<int>(self->Perform(WM_GETTEXTLENGTH));
  if (length <= 0) return {};
  std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
  const int got = static_cast<int>(
      self->Perform(WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data())));
  return brsm::FromUtf16(buffer.data(), std::clamp(got, 0, length));
}

int TControl::GetTextLen() const {
  return static_cast<int>(const_cast<TControl*>(this)->Perform(WM_GETTEXTLENGTH));
}

void TControl::SetText(const std::string& v) {
  if (GetText() == v) return;
  const std::wstring w = brsm::ToUtf16(v);
  Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(w.c_str()));
  Perform(CM_TEXTCHANGED);
}

// -- Place ------------------------------------------------------------------------

void TControl::SetParent(TWinControl* parent) {
  if (parent_ == parent) return;
  if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) {
    parent->InsertControl(this);
    UpdateAnchorRules();
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  constraints_->Apply(width, height);
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool resized = width != width_ || height != height_;
  SetBoundsCore(left, top, width, height);
  UpdateAnchorRules();
  RequestAlign();
  if (resized && !dynamic_cast<TWinControl*>(this) && !ComponentState().Contains(csLoading))
    Resize();
}

void TControl::SetBoundsCore(int left, int top, int width, int height) {
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
}

TRect TControl::BoundsRect() const { return Bounds(left_, top_, width_, height_); }

void TControl::SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }

TRect TControl::ClientRect() const { return Rect(0, 0, width_, height_); }

void TControl::SetClientSize(int width, int height) {
  SetBounds(left_, top_, width, height);
}

TPoint TControl::ClientOrigin() const {
  if (!parent_) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  TPoint p = parent_->ClientOrigin();
  return Point(p.X + left_, p.Y + top_);
}

TPoint TControl::ClientToScreen(TPoint p) const {
  const TPoint o = ClientOrigin();
  return Point(p.X + o.X, p.Y + o.Y);
}

TPoint TControl::ScreenToClient(TPoint p) const {
  const TPoint o = ClientOrigin();
  return Point(p.X - o.X, p.Y - o.Y);
}

void TControl::SetAlign(TAlign v) {
  if (align_ == v) return;
  const TAlign old = align_;
  align_ = v;
  anchors_ = TAnchors{akLeft, akTop};
  if (old == alNone && parent_ && !ComponentState().Contains(csLoading)) {
    // Remember where the control stood so that alNone restores sensibly.
    UpdateAnchorRules();
  }
  RequestAlign();
}

void TControl::SetAnchors(TAnchors v) {
  if (anchors_ == v) return;
  anchors_ = v;
  UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
  if (!parent_ || ComponentState().Contains(csLoading)) return;
  if (parent_->anchoring_) return;
  anchorBounds_ = BoundsRect();
  anchorParentSize_ = Point(parent_->ClientWidth(), parent_->ClientHeight());
  anchorRulesValid_ = true;
}

void TControl::AnchorTo(int parentWidth, int parentHeight, TRect& bounds) const {
  bounds = BoundsRect();
  if (!anchorRulesValid_) return;
  const int dx = parentWidth - anchorParentSize_.X;
  const int dy = parentHeight - anchorParentSize_.Y;
  int left = anchorBounds_.Left, width = anchorBounds_.Width();
  int top = anchorBounds_.Top, height = anchorBounds_.Height();
  if (anchors_.Contains(akRight)) {
    if (anchors_.Contains(akLeft))
      width += dx;
    else
      left += dx;
  } else if (!anchors_.Contains(akLeft)) {
    left += dx / 2;
  }
  if (anchors_.Contains(akBottom)) {
    if (anchors_.Contains(akTop))
      height += dy;
    else
      top += dy;
  } else if (!anchors_.Contains(akTop)) {
    top += dy / 2;
  }
  bounds = Bounds(left, top, std::max(width, 0), std::max(height, 0));
}

void TControl::RequestAlign() {
  if (parent_) parent_->AlignNow(this);
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

// -- State --------------------------------------------------------------------------

void TControl::SetVisible(bool v) {
  if (visible_ == v) return;
  visible_ = v;
  Perform(CM_VISIBLECHANGED, v ? 1 : 0);
  RequestAlign();
}

void TControl::Show() {
  if (parent_) parent_->Show();
  SetVisible(true);
}

void TControl::Hide() { SetVisible(false); }

void TControl::SetEnabled(bool v) {
  if (enabled_ == v) return;
  enabled_ = v;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor v) {
  if (color_ == v) return;
  color_ = v;
  parentColor_ = false;
  Perform(CM_COLORCHANGED);
}

void TControl::ParentColorChangedTo(TColor c) {
  SetColor(c);
  parentColor_ = true;
}

void TControl::SetParentColor(bool v) {
  if (parentColor_ == v) return;
  parentColor_ = v;
  if (v && parent_ && !ComponentState().Contains(csReading)) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetFont(TFont* v) { font_->Assign(v); }

void TControl::FontChanged() {
  if (!assigningParentFont_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool v) {
  if (parentFont_ == v) return;
  parentFont_ = v;
  if (v && parent_ && !ComponentState().Contains(csReading)) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetShowHint(bool v) {
  if (showHint_ == v) return;
  showHint_ = v;
  parentShowHint_ = false;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool v) {
  if (parentShowHint_ == v) return;
  parentShowHint_ = v;
  if (v && parent_ && !ComponentState().Contains(csReading)) Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetCursor(TCursor v) {
  if (cursor_ == v) return;
  cursor_ = v;
  Perform(CM_CURSORCHANGED);
}

// TPopupMenu is a TComponent by single inheritance (menus.h), so the
// pointer converts without its full type being known here.
void TControl::SetPopupMenu(TPopupMenu* v) {
  if (popupMenu_ == v) return;
  if (auto* old = reinterpret_cast<TComponent*>(popupMenu_)) RemoveFreeNotification(old);
  popupMenu_ = v;
  if (auto* now = reinterpret_cast<TComponent*>(popupMenu_)) FreeNotification(now);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && reinterpret_cast<TComponent*>(popupMenu_) == component)
    popupMenu_ = nullptr;
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (parent_) {
    Perform(CM_PARENTCOLORCHANGED);
    Perform(CM_PARENTFONTCHANGED);
    Perform(CM_PARENTSHOWHINTCHANGED);
  }
  UpdateAnchorRules();
}

bool TControl::MouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool v) {
  if (MouseCapture() == v) return;
  SetCaptureControl(v ? this : nullptr);
}

// -- Painting ---------------------------------------------------------------------

void TControl::Invalidate() {
  if (!parent_ || !parent_->HandleAllocated() || !visible_) return;
  const RECT r = brsm::ToRECT(BoundsRect());
  InvalidateRect(parent_->HandleIfAllocated(), &r, !controlStyle_.Contains(csOpaque));
}

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::Repaint() {
  if (!visible_ || !parent_ || !parent_->HandleAllocated()) return;
  Invalidate();
  parent_->Update();
}

void TControl::BringToFront() {
  if (!parent_) {
    if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
      SetWindowPos(w->HandleIfAllocated(), HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return;
  }
  auto& list = parent_->controls_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  list.push_back(this);
  if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
    SetWindowPos(w->HandleIfAllocated(), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  else
    Invalidate();
}

void TControl::SendToBack() {
  if (!parent_) return;
  auto& list = parent_->controls_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  list.insert(list.begin(), this);
  if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
    SetWindowPos(w->HandleIfAllocated(), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  else
    Invalidate();
}

void TControl::Click() {
  // A copy: the handler may free this control (and so its OnClick).
  if (TNotifyEvent handler = OnClick) handler(this);
}

void TControl::DblClick() {
  if (TNotifyEvent handler = OnDblClick) handler(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (TMouseEvent handler = OnMouseDown) handler(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (TMouseMoveEvent handler = OnMouseMove) handler(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (TMouseEvent handler = OnMouseUp) handler(this, button, shift, x, y);
}

// -- Handlers -------------------------------------------------------------------------

void TControl::WMMouseButton(TMessage& m, TMouseButton button, bool down, bool dbl) {
  const TWMMouse mouse(m);
  if (down) {
    if (auto* c = GetCaptureControl(); c && c != this) c->Perform(WM_CANCELMODE);
    DefaultHandler(m);
    if (controlStyle_.Contains(csCaptureMouse) && button == mbLeft) SetMouseCapture(true);
    if (button == mbLeft && controlStyle_.Contains(csClickEvents)) {
      if (dbl)
        DblClick();
      else
        controlState_.Include(csClicked);
    }
    TShiftState shift = KeysToShiftState(mouse.Keys());
    if (dbl) shift.Include(ssDouble);
    if (!controlStyle_.Contains(csNoStdEvents)) MouseDown(button, shift, mouse.XPos(), mouse.YPos());
    return;
  }
  DefaultHandler(m);
  if (button == mbLeft) {
    if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(false);
    if (controlState_.Contains(csClicked)) {
      controlState_.Exclude(csClicked);
      if (ClientRect().Contains(mouse.XPos(), mouse.YPos())) Click();
    }
  }
  if (!controlStyle_.Contains(csNoStdEvents))
    MouseUp(button, KeysToShiftState(mouse.Keys()), mouse.XPos(), mouse.YPos());
}

void TControl::WMMouseMove(TMessage& m) {
  DefaultHandler(m);
  if (controlStyle_.Contains(csNoStdEvents)) return;
  const TWMMouse mouse(m);
  MouseMove(KeysToShiftState(mouse.Keys()), mouse.XPos(), mouse.YPos());
}

void TControl::WMContextMenu(TMessage& m) {
  if (popupMenu_ && brsm::MenuHooks.Popup) {
    TPoint p{static_cast<int16_t>(LOWORD(m.LParam)), static_cast<int16_t>(HIWORD(m.LParam))};
    if (p.X == -1 && p.Y == -1) p = ClientToScreen(Point(width_ / 2, height_ / 2));
    brsm::MenuHooks.Popup(popupMenu_, this, p);
    m.Result = 1;
    return;
  }
  DefaultHandler(m);
}

void TControl::CMParentFontChanged(TMessage& m) {
  if (!parentFont_ || !parent_) return;
  assigningParentFont_ = true;
  try {
    font_->Assign(parent_->Font());
  } catch (...) {
    assigningParentFont_ = false;
    throw;
  }
  assigningParentFont_ = false;
  parentFont_ = true;
}

void TControl::CMParentColorChanged(TMessage& m) {
  if (!parentColor_ || !parent_) return;
  ParentColorChangedTo(parent_->Color());
}

void TControl::CMParentShowHintChanged(TMessage& m) {
  if (!parentShowHint_ || !parent_) return;
  SetShowHint(parent_->ShowHint());
  parentShowHint_ = true;
}

void TControl::CMEnabledChanged(TMessage& m) { Invalidate(); }

void TControl::CMVisibleChanged(TMessage& m) {
  // Windowless: the parent repaints the place it had or takes now.
  if (parent_ && parent_->HandleAllocated()) {
    const RECT r = brsm::ToRECT(BoundsRect());
    InvalidateRect(parent_->HandleIfAllocated(), &r, TRUE);
  }
}

void TControl::CMColorChanged(TMessage& m) { Invalidate(); }
void TControl::CMFontChanged(TMessage& m) { Invalidate(); }
void TControl::CMTextChanged(TMessage& m) { Invalidate(); }

void TControl::CMMouseEnter(TMessage& m) {
  if (m.LParam == 0 && enabled_) {
    if (TNotifyEvent handler = OnMouseEnter) handler(this);
  }
}

void TControl::CMMouseLeave(TMessage& m) {
  if (m.LParam == 0 && enabled_) {
    if (TNotifyEvent handler = OnMouseLeave) handler(this);
  }
}

void TControl::CMHitTest(TMessage& m) { m.Result = 1; }

// -- Capture and the mouse's control ----------------------------------------------------

TControl* GetCaptureControl() {
  HWND captured = GetCapture();
  TWinControl* owner = FindControl(captured);
  if (!owner) return nullptr;
  if (captureControl && captureControl->Parent() == owner &&
      !dynamic_cast<TWinControl*>(captureControl))
    return captureControl;
  return owner;
}

void SetCaptureControl(TControl* control) {
  captureControl = nullptr;
  ReleaseCapture();
  if (!control) return;
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    SetCapture(w->Handle());
    captureControl = control;
    return;
  }
  if (control->Parent()) {
    SetCapture(control->Parent()->Handle());
    captureControl = control;
  }
}

TControl* MouseControl() { return mouseControl; }

void brsm::SetMouseControl(TControl* control) { mouseControl = control; }

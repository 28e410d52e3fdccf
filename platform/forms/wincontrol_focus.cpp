// Tab order, focus and keyboard handling of windowed controls: the keys a
// control does not want go to its form as dialog keys and characters.
#include <algorithm>

#include "platform/forms/forms.h"
#include "platform/rtl/text1251.h"

// -- Tab order ----------------------------------------------------------------------

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  if (ComponentState().Contains(csLoading) && storedTabOrder_ >= 0) return storedTabOrder_;
  const auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int v) {
  if (ComponentState().Contains(csLoading)) {
    storedTabOrder_ = v;
    return;
  }
  UpdateTabOrder(v);
}

void TWinControl::UpdateTabOrder(int v) {
  if (!Parent()) return;
  auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  const int count = static_cast<int>(list.size());
  if (v < 0 || v > count) v = count;
  list.insert(list.begin() + v, this);
}

// The layout sets tab orders before the siblings they refer to exist; put
// them in place once every sibling is there.
void TWinControl::FixupTabList() {
  const int count = static_cast<int>(tabList_.size());
  std::vector<TWinControl*> placed(static_cast<size_t>(count), nullptr);
  for (TWinControl* c : tabList_) {
    const int j = c->storedTabOrder_;
    if (j >= 0 && j < count) placed[static_cast<size_t>(j)] = c;
  }
  for (int i = 0; i < count; ++i) {
    if (TWinControl* c = placed[static_cast<size_t>(i)]) {
      c->UpdateTabOrder(i);
      c->storedTabOrder_ = -1;
    }
  }
}

void TWinControl::SetTabStop(bool v) {
  if (tabStop_ == v) return;
  tabStop_ = v;
  if (handle_) {
    LONG style = GetWindowLongW(handle_, GWL_STYLE);
    style = v ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
    SetWindowLongW(handle_, GWL_STYLE, style);
  }
  Perform(CM_TABSTOPCHANGED);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* c : tabList_) {
    list.push_back(c);
    c->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  const int count = static_cast<int>(list.size());
  auto it = std::find(list.begin(), list.end(), current);
  int start = it == list.end() ? (goForward ? count - 1 : 0) : static_cast<int>(it - list.begin());
  int i = start;
  do {
    if (goForward) {
      if (++i == count) i = 0;
    } else {
      if (i == 0) i = count;
      --i;
    }
    TWinControl* c = list[static_cast<size_t>(i)];
    if (c->CanFocus() && (!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this))
      return c;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, false))
    next->SetFocus();
}

// -- Focus ------------------------------------------------------------------------

bool TWinControl::CanFocus() const {
  TCustomForm* form = GetParentForm(const_cast<TWinControl*>(this));
  if (!form || !form->Visible() || !form->Enabled()) return false;
  for (const TWinControl* c = this; c && c != form; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this)) {
    form->FocusControl(this);
  } else if (parentWindow_) {
    ::SetFocus(Handle());
  } else {
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  }
}

void TWinControl::RemoveFocus(bool removing) {
  if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(this, removing);
}

void TWinControl::CMEnter(TMessage& m) {
  if (TNotifyEvent handler = OnEnter) handler(this);
}

void TWinControl::CMExit(TMessage& m) {
  if (TNotifyEvent handler = OnExit) handler(this);
}

void TWinControl::CMFocusChanged(TMessage& m) { Broadcast(m); }

// -- Keys ---------------------------------------------------------------------------

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (TKeyEvent handler = OnKeyDown) handler(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (TKeyEvent handler = OnKeyUp) handler(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
  if (TKeyPressEvent handler = OnKeyPress) handler(this, key);
}

bool TWinControl::DoKeyDown(TMessage& m) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && form->DoKeyDown(m)) return true;
  if (!ControlStyle().Contains(csNoStdEvents)) {
    WORD key = static_cast<WORD>(m.WParam);
    KeyDown(key, KeyDataToShiftState(m.LParam));
    m.WParam = key;
    if (key == 0) return true;
  }
  return false;
}

bool TWinControl::DoKeyUp(TMessage& m) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && form->DoKeyUp(m)) return true;
  if (!ControlStyle().Contains(csNoStdEvents)) {
    WORD key = static_cast<WORD>(m.WParam);
    KeyUp(key, KeyDataToShiftState(m.LParam));
    m.WParam = key;
    if (key == 0) return true;
  }
  return false;
}

// Characters arrive as UTF-16 and are handed to OnKeyPress as 1251.
bool TWinControl::DoKeyPress(TMessage& m) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && form->DoKeyPress(m)) return true;
  if (!ControlStyle().Contains(csNoStdEvents)) {
    const wchar_t wide = static_cast<wchar_t>(m.WParam);
    char key = brsm::CharFromUtf16(wide);
    const char before = key;
    KeyPress(key);
    if (key != before) m.WParam = static_cast<WPARAM>(static_cast<uint16_t>(brsm::CharToUtf16(key)));
    if (key == 0) return true;
  }
  return false;
}

void TWinControl::WMKeyDown(TMessage& m) {
  if (!DoKeyDown(m)) DefaultHandler(m);
}

void TWinControl::WMKeyUp(TMessage& m) {
  if (!DoKeyUp(m)) DefaultHandler(m);
}

void TWinControl::WMChar(TMessage& m) {
  if (!DoKeyPress(m)) DefaultHandler(m);
}

// A key the message loop routed here before translating it. Result 1 means
// it was used and the loop drops it.
void TWinControl::CNKeyDown(TMessage& m) {
  m.Result = 1;
  TCustomForm* form = GetParentForm(this);
  if (form && form->Menu() && brsm::MenuHooks.IsShortCut) {
    TMessage key = MakeMessage(WM_KEYDOWN, m.WParam, m.LParam);
    if (brsm::MenuHooks.IsShortCut(form->Menu(), key)) return;
  }
  if (Perform(CM_CHILDKEY, m.WParam, reinterpret_cast<LPARAM>(this)) != 0) return;
  UINT mask = 0;
  switch (m.WParam) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
  }
  if (mask != 0 && Perform(CM_WANTSPECIALKEY, m.WParam) == 0 &&
      (Perform(WM_GETDLGCODE) & mask) == 0 && form &&
      form->Perform(CM_DIALOGKEY, m.WParam, m.LParam) != 0)
    return;
  m.Result = 0;
}

void TWinControl::CNChar(TMessage& m) {
  m.Result = 1;
  if ((Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0) {
    TCustomForm* form = GetParentForm(this);
    if (form && form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0) return;
  }
  m.Result = 0;
}

void TWinControl::CMDialogKey(TMessage& m) { Broadcast(m); }
void TWinControl::CMDialogChar(TMessage& m) { Broadcast(m); }

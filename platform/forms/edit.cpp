// TCustomEdit: the single-line edit over the system's "EDIT" class.
#include "platform/forms/stdctrls.h"

#include <algorithm>

#include "platform/forms/forms.h"
#include "platform/rtl/text1251.h"

namespace {

std::wstring WindowTextW(HWND wnd) {
  const int length = GetWindowTextLengthW(wnd);
  if (length <= 0) return {};
  std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(wnd, buffer.data(), length + 1);
  buffer.resize(static_cast<size_t>(std::clamp(got, 0, length)));
  return buffer;
}

}  // namespace

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() + TControlStyle{csSetCaption, csFixedHeight, csDoubleClicks});
  SetBounds(Left(), Top(), 121, 25);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

TCustomEdit::~TCustomEdit() = default;

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "EDIT");
  params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
  if (readOnly_) params.Style |= ES_READONLY;
  if (!hideSelection_) params.Style |= ES_NOHIDESEL;
  if (charCase_ == ecUpperCase) params.Style |= ES_UPPERCASE;
  if (charCase_ == ecLowerCase) params.Style |= ES_LOWERCASE;
  if (passwordChar_) params.Style |= ES_PASSWORD;
}

void TCustomEdit::CreateWnd() {
  creating_ = true;
  try {
    TWinControl::CreateWnd();
  } catch (...) {
    creating_ = false;
    throw;
  }
  creating_ = false;
  HWND wnd = HandleIfAllocated();
  lastText_ = Text();
  // 0 lifts the system's default limit (32767 characters) to its maximum.
  SendMessageW(wnd, EM_LIMITTEXT, static_cast<WPARAM>(std::max(maxLength_, 0)), 0);
  if (passwordChar_)
    SendMessageW(wnd, EM_SETPASSWORDCHAR, brsm::CharToUtf16(passwordChar_), 0);
  SendMessageW(wnd, EM_SETSEL, static_cast<WPARAM>(savedSelStart_),
               static_cast<LPARAM>(savedSelStart_ + savedSelLength_));
  SendMessageW(wnd, EM_SETMODIFY, savedModified_ ? TRUE : FALSE, 0);
  if (autoSize_ && IsSingleLine()) AdjustHeight();
}

void TCustomEdit::DestroyWnd() {
  if (HWND wnd = HandleIfAllocated()) {
    DWORD start = 0, end = 0;
    SendMessageW(wnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    savedSelStart_ = static_cast<int>(start);
    savedSelLength_ = static_cast<int>(end - start);
    savedModified_ = SendMessageW(wnd, EM_GETMODIFY, 0, 0) != 0;
  }
  TWinControl::DestroyWnd();
}

void TCustomEdit::AdjustHeight() {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  // Room for the sunken border and the edit's inner margin above and below.
  const int extra = borderStyle_ == bsSingle ? 8 * GetSystemMetrics(SM_CYBORDER)
                                             : 2 * GetSystemMetrics(SM_CYBORDER);
  SetHeight(metrics.tmHeight + extra);
}

void TCustomEdit::SetAutoSize(bool v) {
  if (autoSize_ == v) return;
  autoSize_ = v;
  TControlStyle style = ControlStyle();
  if (v) style.Include(csFixedHeight); else style.Exclude(csFixedHeight);
  SetControlStyle(style);
  if (v && IsSingleLine() && HandleAllocated()) AdjustHeight();
}

void TCustomEdit::SetBorderStyle(TBorderStyle v) {
  if (borderStyle_ == v) return;
  borderStyle_ = v;
  RecreateWnd();
}

void TCustomEdit::SetCharCase(TEditCharCase v) {
  if (charCase_ == v) return;
  charCase_ = v;
  RecreateWnd();
}

void TCustomEdit::SetHideSelection(bool v) {
  if (hideSelection_ == v) return;
  hideSelection_ = v;
  RecreateWnd();
}

void TCustomEdit::SetMaxLength(int v) {
  if (v < 0) v = 0;
  if (maxLength_ == v) return;
  maxLength_ = v;
  if (HWND wnd = HandleIfAllocated()) SendMessageW(wnd, EM_LIMITTEXT, static_cast<WPARAM>(v), 0);
}

bool TCustomEdit::Modified() const {
  if (HWND wnd = HandleIfAllocated()) return SendMessageW(wnd, EM_GETMODIFY, 0, 0) != 0;
  return savedModified_;
}

void TCustomEdit::SetModified(bool v) {
  savedModified_ = v;
  if (HWND wnd = HandleIfAllocated()) SendMessageW(wnd, EM_SETMODIFY, v ? TRUE : FALSE, 0);
}

void TCustomEdit::SetPasswordChar(char v) {
  if (passwordChar_ == v) return;
  passwordChar_ = v;
  // ES_PASSWORD only counts when the window is made.
  RecreateWnd();
}

void TCustomEdit::SetReadOnly(bool v) {
  if (readOnly_ == v) return;
  readOnly_ = v;
  if (HWND wnd = HandleIfAllocated()) SendMessageW(wnd, EM_SETREADONLY, v ? TRUE : FALSE, 0);
}

int TCustomEdit::SelStart() const {
  DWORD start = 0, end = 0;
  SendMessageW(const_cast<TCustomEdit*>(this)->Handle(), EM_GETSEL,
               reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int v) {
  SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(v), static_cast<LPARAM>(v));
}

int TCustomEdit::SelLength() const {
  DWORD start = 0, end = 0;
  SendMessageW(const_cast<TCustomEdit*>(this)->Handle(), EM_GETSEL,
               reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int v) {
  DWORD start = 0, end = 0;
  HWND wnd = Handle();
  SendMessageW(wnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  SendMessageW(wnd, EM_SETSEL, start, static_cast<LPARAM>(static_cast<int>(start) + v));
  SendMessageW(wnd, EM_SCROLLCARET, 0, 0);
}

std::string TCustomEdit::SelText() const {
  HWND wnd = const_cast<TCustomEdit*>(this)->Handle();
  DWORD start = 0, end = 0;
  SendMessageW(wnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const std::wstring text = WindowTextW(wnd);
  if (start >= end || start >= text.size()) return {};
  return brsm::FromUtf16(text.substr(start, std::min<size_t>(end, text.size()) - start));
}

void TCustomEdit::SetSelText(const std::string& v) {
  const std::wstring w = brsm::ToUtf16(v);
  SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(w.c_str()));
}

void TCustomEdit::Clear() { SetText(std::string()); }
void TCustomEdit::ClearSelection() { SendMessageW(Handle(), WM_CLEAR, 0, 0); }
void TCustomEdit::CopyToClipboard() { SendMessageW(Handle(), WM_COPY, 0, 0); }
void TCustomEdit::CutToClipboard() { SendMessageW(Handle(), WM_CUT, 0, 0); }
void TCustomEdit::PasteFromClipboard() { SendMessageW(Handle(), WM_PASTE, 0, 0); }
void TCustomEdit::Undo() { SendMessageW(Handle(), WM_UNDO, 0, 0); }
void TCustomEdit::ClearUndo() { SendMessageW(Handle(), EM_EMPTYUNDOBUFFER, 0, 0); }

bool TCustomEdit::CanUndo() const {
  if (HWND wnd = HandleIfAllocated()) return SendMessageW(wnd, EM_CANUNDO, 0, 0) != 0;
  return false;
}

void TCustomEdit::SelectAll() {
  if (HWND wnd = HandleIfAllocated()) SendMessageW(wnd, EM_SETSEL, 0, -1);
}

void TCustomEdit::Change() {
  if (ComponentState().Contains(csLoading)) return;
  // Text that arrives without a key (a paste from the context menu) is
  // told to the control's hooks as well.
  Perform(CM_CHANGED, 0, reinterpret_cast<LPARAM>(this));
  if (OnChange) OnChange(this);
}

void TCustomEdit::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      // The window's own text setting while it is made is no change, nor
      // is a keystroke the text limit refused (some systems notify it).
      if (HIWORD(m.WParam) == EN_CHANGE && !creating_) {
        std::string now = Text();
        if (now == lastText_) return;
        lastText_ = std::move(now);
        Change();
      }
      return;
    case WM_CHAR:
      // The system edit has no Ctrl+A of its own; copy, paste, cut and undo
      // (Ctrl+C, V, X, Z) it handles itself.
      if (m.WParam == 1) {
        SelectAll();
        m.Result = 0;
        return;
      }
      break;
    case CM_ENTER:
      if (autoSelect_ && IsSingleLine() && !ControlState().Contains(csLButtonDown)) SelectAll();
      break;
    case CM_FONTCHANGED:
      TWinControl::Dispatch(m);
      if (autoSize_ && IsSingleLine() && HandleAllocated()) AdjustHeight();
      return;
  }
  TWinControl::Dispatch(m);
}

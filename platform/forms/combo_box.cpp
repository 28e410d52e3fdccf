// TCustomComboBox over the system's "COMBOBOX" class, and its Items.
#include "platform/forms/stdctrls.h"

#include <algorithm>
#include <vector>

#include "platform/forms/control_canvas.h"
#include "platform/forms/forms.h"
#include "platform/rtl/text1251.h"

namespace brsm {

DWORD ComboBoxStyleBits(TComboBoxStyle style) {
  switch (style) {
    case csDropDown: return CBS_DROPDOWN;
    case csSimple: return CBS_SIMPLE;
    case csDropDownList: return CBS_DROPDOWNLIST;
    case csOwnerDrawFixed: return CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED;
    case csOwnerDrawVariable: return CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE;
  }
  return CBS_DROPDOWN;
}

DWORD ComboBoxCharCaseBits(TEditCharCase charCase) {
  switch (charCase) {
    case ecNormal: return 0;
    case ecUpperCase: return CBS_UPPERCASE;
    case ecLowerCase: return CBS_LOWERCASE;
  }
  return 0;
}

DWORD ComboBoxSortBits(bool sorted) { return sorted ? CBS_SORT : 0; }

}  // namespace brsm

namespace {

bool IsListStyle(TComboBoxStyle style) {
  return style == csDropDownList || style == csOwnerDrawFixed || style == csOwnerDrawVariable;
}

}  // namespace

// The items of a combo box: the window's list while there is a window, a
// string list of their own while there is none (before the window is made,
// and while it is made again).
class TComboBoxStrings : public TStrings {
 public:
  explicit TComboBoxStrings(TCustomComboBox* combo) : combo_(combo) {}

  int Add(const std::string& s) override { return AddObject(s, nullptr); }
  int AddObject(const std::string& s, TObject* object) override;
  void Insert(int index, const std::string& s) override { InsertObject(index, s, nullptr); }
  void InsertObject(int index, const std::string& s, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;
  int IndexOf(const std::string& s) const override;

  // Moves the items into the new window / out of the dying one.
  void MoveToWindow();
  void MoveFromWindow();
  void SetSorted(bool sorted) { saved_.SetSorted(sorted); }

 protected:
  std::string Get(int index) const override;
  TObject* GetObject(int index) const override;
  void PutObject(int index, TObject* object) override;
  int GetCount() const override;
  void SetUpdateState(bool updating) override;

 private:
  HWND Window() const { return combo_->HandleIfAllocated(); }
  LRESULT Send(UINT msg, WPARAM w = 0, LPARAM l = 0) const { return SendMessageW(Window(), msg, w, l); }
  void CheckIndex(int index) const {
    if (index < 0 || index >= GetCount()) IndexError(index);
  }

  TCustomComboBox* combo_;
  TStringList saved_;
};

int TComboBoxStrings::GetCount() const {
  if (!Window()) return saved_.Count();
  return static_cast<int>(Send(CB_GETCOUNT));
}

std::string TComboBoxStrings::Get(int index) const {
  CheckIndex(index);
  if (!Window()) return saved_.Strings(index);
  const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length == CB_ERR) IndexError(index);
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, 0);
  const LRESULT got = Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  if (got == CB_ERR) IndexError(index);
  return brsm::FromUtf16(buffer.data(), static_cast<int>(std::min(got, length)));
}

TObject* TComboBoxStrings::GetObject(int index) const {
  CheckIndex(index);
  if (!Window()) return saved_.Objects(index);
  return reinterpret_cast<TObject*>(Send(CB_GETITEMDATA, static_cast<WPARAM>(index)));
}

void TComboBoxStrings::PutObject(int index, TObject* object) {
  CheckIndex(index);
  if (!Window()) {
    saved_.SetObjects(index, object);
    return;
  }
  Send(CB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(object));
}

int TComboBoxStrings::AddObject(const std::string& s, TObject* object) {
  if (!Window()) return saved_.AddObject(s, object);
  const std::wstring w = brsm::ToUtf16(s);
  const LRESULT index = Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
  if (index < 0) throw EOutOfResources("Unable to insert a line");
  if (object) Send(CB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(object));
  return static_cast<int>(index);
}

void TComboBoxStrings::InsertObject(int index, const std::string& s, TObject* object) {
  if (index < 0 || index > GetCount()) IndexError(index);
  if (!Window()) {
    // A sorted list places the line itself, as the window would.
    if (saved_.Sorted()) saved_.AddObject(s, object);
    else saved_.InsertObject(index, s, object);
    return;
  }
  const std::wstring w = brsm::ToUtf16(s);
  const LRESULT at = Send(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(w.c_str()));
  if (at < 0) throw EOutOfResources("Unable to insert a line");
  if (object) Send(CB_SETITEMDATA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(object));
}

void TComboBoxStrings::Delete(int index) {
  CheckIndex(index);
  if (!Window()) {
    saved_.Delete(index);
    return;
  }
  Send(CB_DELETESTRING, static_cast<WPARAM>(index));
}

void TComboBoxStrings::Clear() {
  if (!Window()) {
    saved_.Clear();
    combo_->savedIndex_ = -1;
    return;
  }
  // Emptying the list keeps the typed text of an editable box.
  const std::string text = combo_->Text();
  Send(CB_RESETCONTENT);
  if (!IsListStyle(combo_->Style())) combo_->SetText(text);
}

int TComboBoxStrings::IndexOf(const std::string& s) const {
  if (!Window()) return saved_.IndexOf(s);
  const std::wstring w = brsm::ToUtf16(s);
  const LRESULT index = Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(w.c_str()));
  return index == CB_ERR ? -1 : static_cast<int>(index);
}

void TComboBoxStrings::SetUpdateState(bool updating) {
  if (!Window() || !combo_->Showing()) return;
  Send(WM_SETREDRAW, updating ? FALSE : TRUE);
  if (!updating) combo_->Refresh();
}

void TComboBoxStrings::MoveToWindow() {
  for (int i = 0; i < saved_.Count(); ++i) {
    const std::wstring w = brsm::ToUtf16(saved_.Strings(i));
    const LRESULT at = Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
    if (at >= 0 && saved_.Objects(i))
      Send(CB_SETITEMDATA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(saved_.Objects(i)));
  }
  saved_.Clear();
}

void TComboBoxStrings::MoveFromWindow() {
  saved_.Clear();
  const bool sorted = saved_.Sorted();
  saved_.SetSorted(false);  // keep the window's order as it is
  const int count = GetCount();
  std::vector<std::pair<std::string, TObject*>> items;
  for (int i = 0; i < count; ++i) items.emplace_back(Get(i), GetObject(i));
  for (auto& [text, object] : items) saved_.AddObject(text, object);
  saved_.SetSorted(sorted);
}

// -- TCustomComboBox --------------------------------------------------------------

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner),
      items_(std::make_unique<TComboBoxStrings>(this)),
      canvas_(std::make_unique<TControlCanvas>()) {
  canvas_->SetControl(this);
  SetControlStyle(TControlStyle{csCaptureMouse, csSetCaption, csDoubleClicks, csFixedHeight});
  SetBounds(Left(), Top(), 145, 21);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

TCustomComboBox::~TCustomComboBox() = default;

TCanvas* TCustomComboBox::Canvas() const { return canvas_.get(); }

void TCustomComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "COMBOBOX");
  params.Style |= WS_VSCROLL | CBS_HASSTRINGS | CBS_AUTOHSCROLL | brsm::ComboBoxStyleBits(style_) |
                  brsm::ComboBoxSortBits(sorted_) | brsm::ComboBoxCharCaseBits(charCase_);
}

void TCustomComboBox::CreateWnd() {
  // The text belongs to the edit part: a list-style window refuses it.
  const std::string text = TWinControl::GetText();
  TWinControl::CreateWnd();
  HWND wnd = HandleIfAllocated();
  auto* strings = static_cast<TComboBoxStrings*>(items_.get());
  strings->MoveToWindow();
  SendMessageW(wnd, CB_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  if (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable)
    SendMessageW(wnd, CB_SETITEMHEIGHT, 0, itemHeight_);
  if (savedIndex_ >= 0 && savedIndex_ < items_->Count()) {
    SendMessageW(wnd, CB_SETCURSEL, static_cast<WPARAM>(savedIndex_), 0);
  } else if (!IsListStyle(style_) && !text.empty()) {
    const std::wstring w = brsm::ToUtf16(text);
    SetWindowTextW(wnd, w.c_str());
  }
  savedIndex_ = -1;
}

void TCustomComboBox::DestroyWnd() {
  if (HWND wnd = HandleIfAllocated()) {
    savedIndex_ = static_cast<int>(SendMessageW(wnd, CB_GETCURSEL, 0, 0));
    static_cast<TComboBoxStrings*>(items_.get())->MoveFromWindow();
  }
  TWinControl::DestroyWnd();
}

std::string TCustomComboBox::GetText() const {
  if (!HandleAllocated() && IsListStyle(style_)) {
    if (savedIndex_ >= 0 && savedIndex_ < items_->Count()) return items_->Strings(savedIndex_);
    return {};
  }
  return TWinControl::GetText();
}

void TCustomComboBox::SetStyle(TComboBoxStyle v) {
  if (style_ == v) return;
  style_ = v;
  RecreateWnd();
}

void TCustomComboBox::SetItems(TStrings* v) { items_->Assign(v); }

int TCustomComboBox::ItemIndex() const {
  if (HWND wnd = HandleIfAllocated()) return static_cast<int>(SendMessageW(wnd, CB_GETCURSEL, 0, 0));
  return savedIndex_;
}

void TCustomComboBox::SetItemIndex(int v) {
  if (v < -1 || v >= items_->Count()) v = -1;
  if (HWND wnd = HandleIfAllocated()) {
    if (ItemIndex() != v) SendMessageW(wnd, CB_SETCURSEL, static_cast<WPARAM>(v), 0);
    return;
  }
  savedIndex_ = v;
}

void TCustomComboBox::SetCharCase(TEditCharCase v) {
  if (charCase_ == v) return;
  charCase_ = v;
  RecreateWnd();
}

void TCustomComboBox::SetSorted(bool v) {
  if (sorted_ == v) return;
  sorted_ = v;
  static_cast<TComboBoxStrings*>(items_.get())->SetSorted(v);
  RecreateWnd();
}

void TCustomComboBox::SetMaxLength(int v) {
  if (v < 0) v = 0;
  if (maxLength_ == v) return;
  maxLength_ = v;
  if (HWND wnd = HandleIfAllocated()) SendMessageW(wnd, CB_LIMITTEXT, static_cast<WPARAM>(v), 0);
}

int TCustomComboBox::ItemHeight() const {
  if (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable || !HandleAllocated())
    return itemHeight_;
  return static_cast<int>(SendMessageW(HandleIfAllocated(), CB_GETITEMHEIGHT, 0, 0));
}

void TCustomComboBox::SetItemHeight(int v) {
  if (v <= 0 || itemHeight_ == v) return;
  itemHeight_ = v;
  if (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable) RecreateWnd();
}

bool TCustomComboBox::DroppedDown() const {
  if (HWND wnd = HandleIfAllocated()) return SendMessageW(wnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
  return false;
}

void TCustomComboBox::SetDroppedDown(bool v) {
  SendMessageW(Handle(), CB_SHOWDROPDOWN, v ? TRUE : FALSE, 0);
}

int TCustomComboBox::SelStart() const {
  DWORD start = 0, end = 0;
  SendMessageW(const_cast<TCustomComboBox*>(this)->Handle(), CB_GETEDITSEL,
               reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

void TCustomComboBox::SetSelStart(int v) {
  SendMessageW(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(v, v));
}

int TCustomComboBox::SelLength() const {
  DWORD start = 0, end = 0;
  SendMessageW(const_cast<TCustomComboBox*>(this)->Handle(), CB_GETEDITSEL,
               reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomComboBox::SetSelLength(int v) {
  const int start = SelStart();
  SendMessageW(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(start, start + v));
}

std::string TCustomComboBox::SelText() const {
  const std::wstring text = brsm::ToUtf16(Text());
  const size_t start = static_cast<size_t>(SelStart());
  const size_t length = static_cast<size_t>(SelLength());
  if (start >= text.size()) return {};
  return brsm::FromUtf16(text.substr(start, length));
}

void TCustomComboBox::SetSelText(const std::string& v) {
  if (IsListStyle(style_)) return;
  // The edit part is the combo box's child window of class "Edit".
  HWND edit = FindWindowExW(Handle(), nullptr, L"Edit", nullptr);
  if (!edit) return;
  const std::wstring w = brsm::ToUtf16(v);
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(w.c_str()));
}

void TCustomComboBox::SelectAll() {
  if (HWND wnd = HandleIfAllocated()) SendMessageW(wnd, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

void TCustomComboBox::Clear() {
  SetText(std::string());
  items_->Clear();
  SetItemIndex(-1);
}

void TCustomComboBox::AddItem(const std::string& item, TObject* object) {
  items_->AddObject(item, object);
}

void TCustomComboBox::Change() {
  if (ComponentState().Contains(csLoading)) return;
  if (OnChange) OnChange(this);
}

void TCustomComboBox::Select() {
  if (OnSelect) OnSelect(this);
  else Change();
}

void TCustomComboBox::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

void TCustomComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  canvas_->FillRect(rect);
  if (index >= 0 && index < items_->Count())
    canvas_->TextOut(rect.Left + 2, rect.Top, items_->Strings(index));
}

void TCustomComboBox::MeasureItem(int index, int& height) {
  if (OnMeasureItem) OnMeasureItem(this, index, height);
}

void TCustomComboBox::AdjustDropDown() {
  // The window's height, list included, decides how many rows the list shows.
  const int rows = std::max(1, std::min(items_->Count(), dropDownCount_));
  HWND wnd = HandleIfAllocated();
  if (!wnd) return;
  RECT r;
  GetWindowRect(wnd, &r);
  const int closedHeight = r.bottom - r.top;
  SetWindowPos(wnd, nullptr, 0, 0, Width(), closedHeight + ItemHeight() * rows + 2,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_HIDEWINDOW);
  SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_SHOWWINDOW);
}

void TCustomComboBox::CNCommand(TMessage& m) {
  switch (HIWORD(m.WParam)) {
    case CBN_DBLCLK:
      DblClick();
      break;
    case CBN_EDITCHANGE:
      Change();
      break;
    case CBN_DROPDOWN:
      DropDown();
      AdjustDropDown();
      break;
    case CBN_SELCHANGE: {
      // The edit part shows the picked row only after this notification;
      // Text must read it inside OnChange already.
      const int index = ItemIndex();
      if (index >= 0 && !IsListStyle(style_)) {
        const std::wstring w = brsm::ToUtf16(items_->Strings(index));
        SetWindowTextW(HandleIfAllocated(), w.c_str());
      }
      Click();
      Select();
      break;
    }
    case CBN_CLOSEUP:
      CloseUp();
      break;
    case CBN_SETFOCUS:
      if (TCustomForm* form = GetParentForm(this)) form->SetFocusedControl(this);
      break;
  }
}

void TCustomComboBox::CNDrawItem(TMessage& m) {
  auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
  const TOwnerDrawState state = OwnerDrawStateFromBits(item->itemState);
  const TRect rect = brsm::FromRECT(item->rcItem);
  const int index = static_cast<int>(item->itemID);
  canvas_->SetHandle(item->hDC);
  canvas_->SetFont(Font());
  canvas_->SetBrush(Brush());
  if (index >= 0 && state.Contains(odSelected)) {
    canvas_->Brush()->SetColor(clHighlight);
    canvas_->Font()->SetColor(clHighlightText);
  }
  try {
    if (index >= 0) DrawItem(index, rect, state);
    else canvas_->FillRect(rect);
    if (state.Contains(odFocused)) DrawFocusRect(item->hDC, &item->rcItem);
  } catch (...) {
    canvas_->SetHandle(nullptr);
    throw;
  }
  canvas_->SetHandle(nullptr);
  m.Result = TRUE;
}

void TCustomComboBox::CNMeasureItem(TMessage& m) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
  int height = itemHeight_;
  if (style_ == csOwnerDrawVariable) MeasureItem(static_cast<int>(item->itemID), height);
  item->itemHeight = static_cast<UINT>(std::max(height, 1));
  m.Result = TRUE;
}

void TCustomComboBox::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND: CNCommand(m); return;
    case CN_DRAWITEM: CNDrawItem(m); return;
    case CN_MEASUREITEM: CNMeasureItem(m); return;
    case WM_SETTEXT:
      // A list-style box shows a text only by selecting the row that has it.
      if (IsListStyle(style_)) {
        const auto* w = reinterpret_cast<const wchar_t*>(m.LParam);
        const int index = items_->IndexOf(w ? brsm::FromUtf16(w) : std::string());
        SetItemIndex(index);
        m.Result = TRUE;
        return;
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      // The edit and list parts are windows of the system, not controls of
      // ours: colour them from this control's font and brush.
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
      SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(Brush()->Color())));
      m.Result = reinterpret_cast<LRESULT>(Brush()->Handle());
      return;
    }
  }
  TWinControl::Dispatch(m);
}

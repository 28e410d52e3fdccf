// The skinned combo box's keyboard search and the messages of its edit and
// list child windows.
#include "platform/forms/forms.h"
#include "platform/rtl/text1251.h"
#include "skin/controls/common_combo_box.h"
#include "skin/windows/child_hook_win.h"

namespace {

// The search over the box's window and the system clock.
class TComboWindowSeam : public TvxComboSearchSeam {
 public:
  explicit TComboWindowSeam(TCustomComboBox* box) : box_(box) {}
  int FindPrefix(const std::string& prefix) override {
    HWND w = box_->HandleIfAllocated();
    if (!w) return -1;
    const std::wstring text = brsm::ToUtf16(prefix);
    const LRESULT found = SendMessageW(w, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    return found == CB_ERR ? -1 : static_cast<int>(found);
  }
  std::string ItemText(int index) override { return box_->Items()->Strings(index); }
  uint32_t Now() override { return GetTickCount(); }

 private:
  TCustomComboBox* box_;
};

bool ClosesList(WPARAM key) { return key == VK_RETURN || key == VK_ESCAPE; }

bool HasPopupMenu(TControl* control) {
  for (TControl* c = control; c; c = c->Parent())
    if (c->PopupMenu()) return true;
  return false;
}

LPARAM MapPoint(HWND from, HWND to, LPARAM at) {
  POINT p{static_cast<int16_t>(LOWORD(at)), static_cast<int16_t>(HIWORD(at))};
  MapWindowPoints(from, to, &p, 1);
  return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

}  // namespace

void TsCommonComboBox::KeyPress(char& key) {
  TCustomComboBox::KeyPress(key);
  if (key == 0 || !HandleAllocated()) return;
  TvxComboKeyState box;
  box.Editable = IsEditable();
  box.ItemIndex = ItemIndex();
  if (box.Editable) {
    box.EditText = Text();
    box.SelStart = SelStart();
    box.SelLength = SelLength();
  }
  TComboWindowSeam seam(this);
  const TvxComboKeyResult r = ComboSearchKey(search_, box, key, seam);
  if (r.SetIndex) SetItemIndex(r.Index);
  if (r.SetText) {
    SetText(r.Text);
    SendMessageW(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(r.SelStart, r.SelStart + r.SelLength));
  }
  if (r.Select) {
    Click();
    Select();
  }
  if (r.Change) Change();
  if (r.Swallowed) key = 0;
}

void TsCommonComboBox::ChildWndProc(const TvxChildHook& hook, TMessage& m) {
  const HWND child = hook.Window();
  switch (m.Msg) {
    case WM_SETFOCUS:
      if (TCustomForm* form = GetParentForm(this); form && !form->SetFocusedControl(this)) return;
      break;
    case WM_KILLFOCUS:
      if (ControlState().Contains(csFocusing)) return;
      break;
    case WM_GETDLGCODE:
      if (DroppedDown()) {
        m.Result = DLGC_WANTALLKEYS;
        return;
      }
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (child == editHandle_ && DoKeyDown(m)) return;
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (DoKeyUp(m)) return;
      break;
    case WM_CHAR:
      if (DoKeyPress(m)) return;
      if (ClosesList(m.WParam) && DroppedDown()) SetDroppedDown(false);
      break;
    case WM_MOUSEMOVE: {
      if (Application) Application->HintMouseMessage(this, MakeMessage(m.Msg, m.WParam, MapPoint(child, Handle(), m.LParam)));
      // The box is hot over its edit part too; the child tells when the
      // pointer leaves it.
      TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, child, 0};
      TrackMouseEvent(&tme);
      if (skinData_->IsSkinned() && !skinData_->Hot) SetHot(true);
      break;
    }
    case WM_MOUSELEAVE:
      hook.CallPrevious(m);
      if (skinData_->IsSkinned() && skinData_->Hot && !PointerOverBox()) SetHot(false);
      return;
    case WM_RBUTTONUP:
      if (HasPopupMenu(this)) {
        m.Result = Perform(WM_RBUTTONUP, m.WParam, MapPoint(child, Handle(), m.LParam));
        return;
      }
      break;
    case CN_KEYDOWN:
    case CN_CHAR:
    case CN_SYSKEYDOWN:
    case CN_SYSCHAR:
      WndProc(m);
      return;
    default:
      break;
  }
  hook.CallPrevious(m);
  if (m.Msg == WM_LBUTTONDBLCLK && ControlStyle().Contains(csDoubleClicks)) DblClick();
}

#include "skin/controls/common_combo_box.h"

#include "platform/forms/forms.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/common_data_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/paint_colors.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/base_wnd_win.h"
#include "skin/windows/child_hook_win.h"
#include "skin/windows/combo_button_painting.h"
#include "skin/windows/combo_geometry.h"

namespace {

constexpr int kComboKind = 11;  // the first kind of the COMBOBOX row
constexpr int kDropDownCount = 14;

bool IsFocusMessage(UINT msg) {
  return msg == WM_SETFOCUS || msg == WM_KILLFOCUS || msg == CM_ENTER || msg == CM_EXIT;
}

bool ClosesList(WPARAM key) { return key == VK_RETURN || key == VK_ESCAPE; }

}  // namespace

TsCommonComboBox::TsCommonComboBox(TComponent* owner)
    : TCustomComboBox(owner), skinData_(std::make_unique<TsCommonData>(this, true)) {
  editHook_ = std::make_unique<TvxChildHook>(ComboChildPropertyName, this,
                                             [this](TMessage& m) { ChildWndProc(*editHook_, m); });
  listHook_ = std::make_unique<TvxChildHook>(ComboChildPropertyName, this,
                                             [this](TMessage& m) { ChildWndProc(*listHook_, m); });
  skinData_->ControlKind = kComboKind;
  boundLabel_ = std::make_unique<TsBoundLabel>(skinData_.get());
  SetDropDownCount(kDropDownCount);
  SetWidth(145);
  SetHeight(22);
  SetTabStop(true);
  SetParentColor(false);
}

TsCommonComboBox::~TsCommonComboBox() {
  DropListAdapter();
  UnhookChildren();
  boundLabel_.reset();
}

void TsCommonComboBox::SetDisabledKind(TsDisabledKind value) {
  if (value == disabledKind_) return;
  disabledKind_ = value;
  skinData_->InvalidateSkin();
}

TRect TsCommonComboBox::ButtonRect() const {
  const int width = showButton_ ? GetSystemMetrics(SM_CXVSCROLL) + 1 : 0;
  HWND w = HandleIfAllocated();
  const bool rtl = w && (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_RTLREADING);
  return ComboButtonRect(Width(), Height(), width, rtl);
}

void TsCommonComboBox::Loaded() {
  TCustomComboBox::Loaded();
  skinData_->ApplySkinColors();
}

void TsCommonComboBox::CreateWnd() {
  TCustomComboBox::CreateWnd();
  HookChildren();
  // The edit part sits right at the box's face.
  if (editHandle_) SendMessageW(editHandle_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
  UpdateMargins();
}

void TsCommonComboBox::DestroyWnd() {
  // A window made again has new children: their hooks and the list's
  // adapter go with the old ones.
  DropListAdapter();
  UnhookChildren();
  TCustomComboBox::DestroyWnd();
}

void TsCommonComboBox::HookChildren() {
  if (!IsEditable()) return;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!GetComboBoxInfo(Handle(), &info)) return;
  editHandle_ = info.hwndItem != Handle() ? info.hwndItem : nullptr;
  editHook_->Install(editHandle_);
  if (Style() == csSimple) listHook_->Install(info.hwndList);
}

void TsCommonComboBox::UnhookChildren() {
  editHook_->Uninstall();
  listHook_->Uninstall();
  editHandle_ = nullptr;
}

void TsCommonComboBox::DropListAdapter() {
  FreeAdapter(listAdapter_);
  listHandle_ = nullptr;
}

void TsCommonComboBox::AdaptList(HWND list) {
  if (listAdapter_ || !list || ComponentState().Contains(csLoading)) return;
  if (Items()->Count() <= DropDownCount()) return;
  listHandle_ = list;
  TvxAdapterArgs args;
  args.Handle = list;
  args.Section = "EDIT";
  args.Manager = skinData_->SkinManager();
  listAdapter_ = TvxMainWnd::Create<TvxComboListWnd>(args);
}

void TsCommonComboBox::MarkChanged() { skinData_->BackgroundStale = true; }

bool TsCommonComboBox::PointerOverBox() const {
  HWND w = HandleIfAllocated();
  POINT p{};
  RECT r{};
  return w && GetCursorPos(&p) && GetWindowRect(w, &r) && PtInRect(&r, p);
}

void TsCommonComboBox::SetHot(bool hot) {
  if (skinData_->Focused || ComponentState().Contains(csDesigning)) return;
  skinData_->Hot = hot;
  MarkChanged();
  if (HWND w = HandleIfAllocated()) SendMessageW(w, WM_NCPAINT, 0, 0);
  Repaint();
}

void TsCommonComboBox::Change() {
  if (ComponentState().Contains(csLoading)) return;
  UpdateMargins();
  TsSkinManager* manager = skinData_->SkinManager();
  if (HWND w = HandleIfAllocated(); w && manager && manager->IsValidSectionIndex(skinData_->SectionIndex)) {
    const RECT face{3, 3, Width() - 3, Height() - 3};
    InvalidateRect(w, &face, FALSE);
  }
  TCustomComboBox::Change();
}

void TsCommonComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  TCanvas* canvas = Canvas();
  canvas->FillRect(rect);
  if (index >= 0 && index < Items()->Count()) canvas->TextOut(rect.Left + 2, rect.Top, Items()->Strings(index));
}

bool TsCommonComboBox::SkinCommand(TMessage& m) {
  const uint16_t code = SkinCmdOf(m.WParam);
  const bool own = m.LParam == reinterpret_cast<LPARAM>(skinData_->SkinManager());
  switch (code) {
    case SkinCmdNewSkin:
      if (!own) return false;
      CommonControlMessage(m, skinData_.get());
      return true;
    case SkinCmdSkinRemoved:
      if (!own) return false;
      DropListAdapter();
      CommonControlMessage(m, skinData_.get());
      if (!skinData_->CustomColor()) SetColor(clWindow);
      if (!skinData_->CustomFont()) Font()->SetColor(clWindowText);
      Repaint();
      return true;
    case SkinCmdSkinReapplied:
      if (!own) return false;
      CommonControlMessage(m, skinData_.get());
      if (const TsGeneralData* section = skinData_->IsSkinned() ? skinData_->Section() : nullptr) {
        if (!skinData_->CustomColor()) SetColor(section->Color);
        if (!skinData_->CustomFont()) Font()->SetColor(section->FontColor[0]);
      }
      Repaint();
      return true;
    case SkinCmdFinishUpdate:
      if (skinData_->Updating) {
        skinData_->Updating = false;
        Repaint();
      }
      return true;
    case SkinCmdQuerySkinned:
      m.LParam = 1;
      return true;
    case SkinCmdQueryApplication:
      m.Result = reinterpret_cast<LRESULT>(Application);
      return true;
    default:
      return false;
  }
}

void TsCommonComboBox::PaintFace(HDC dc) {
  TsCommonData* record = skinData_.get();
  // The parent's cache at the box's place in it.
  TCacheInfo parent;
  ReadParentLook(this, record, parent);
  TBitmap* cache = CacheBitmapOf(record);
  const TPixelBufferView pixels = record->CachePixels();
  if (!cache || pixels.Empty()) {
    ParentBackColor = TransparentFillColor = SkinTransparentColor;
    return;
  }
  const int state = record->IsActiveState() ? 1 : 0;
  PaintControlSkin(record, parent, true, 0, pixels, TPoint{0, 0}, TRect{0, 0, pixels.Width, pixels.Height}, state);
  RedrawCachedBorders(record, 0);
  if (showButton_) PaintComboButton(record->SkinManager(), pixels, ButtonRect(), DroppedDown() ? 2 : state);
  record->BackgroundStale = false;
  if (!Enabled()) PaintDisabledLook(pixels, disabledKind_, Parent(), TPoint{0, 0}, parent);
  // The face of a list-only box shows the selected item; an editable box's
  // edit window shows its own text over it.
  if (!IsEditable()) {
    TCanvas* canvas = cache->Canvas();
    canvas->SetFont(Font());
    TOwnerDrawState itemState{odComboBoxEdit};
    if (record->Focused) itemState.Include(odFocused);
    DrawSkinItem(canvas, ItemIndex(), TRect{3, 3, Width() - 3, Height() - 3}, itemState);
  }
  GdiFlush();
  BitBlt(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TsCommonComboBox::PaintSkinned(TMessage& m) {
  if (!skinData_->CustomColor())
    if (const TsGeneralData* section = skinData_->Section()) SetColor(section->HotColor);
  // Only a paint without DC of its own begins and ends one.
  HDC given = reinterpret_cast<HDC>(m.WParam);
  PAINTSTRUCT ps{};
  HDC dc = given ? given : BeginPaint(Handle(), &ps);
  if (dc) {
    const int saved = SaveDC(dc);
    if (!skinData_->IsUpdating()) PaintFace(dc);
    RestoreDC(dc, saved);
  }
  if (!given) EndPaint(Handle(), &ps);
  m.Result = 0;
}

void TsCommonComboBox::SkinnedDrawItem(TMessage& m) {
  m.Result = TRUE;
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
  const TOwnerDrawState state = OwnerDrawStateFromBits(item->itemState);
  const int index = static_cast<int>(item->itemID);
  // The face's item is drawn by the face painter only.
  if (state.Contains(odComboBoxEdit) || index < 0) return;
  TCanvas* canvas = Canvas();
  canvas->SetHandle(item->hDC);
  canvas->SetFont(Font());
  canvas->SetBrush(Brush());
  try {
    DrawSkinItem(canvas, index, brsm::FromRECT(item->rcItem), state);
  } catch (...) {
    canvas->SetHandle(nullptr);
    throw;
  }
  canvas->SetHandle(nullptr);
}

bool TsCommonComboBox::ReadOnlyMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_SYSCHAR:
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
    case CN_SYSCHAR:
      return m.WParam == VK_UP || m.WParam == VK_DOWN;
    case WM_COMMAND:
    case CN_COMMAND:
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (CanFocus()) SetFocus();
      if (m.Msg == WM_LBUTTONDBLCLK && OnDblClick) OnDblClick(this);
      return true;
    default:
      return false;
  }
}

void TsCommonComboBox::WndProc(TMessage& m) {
  if (m.Msg == CommandMessage && SkinCommand(m)) return;
  if (readOnly_ && ReadOnlyMessage(m)) return;
  if (m.Msg == WM_CHAR && ClosesList(m.WParam) && DroppedDown()) SetDroppedDown(false);
  const bool paintable = IsControlPaintable(this);
  const bool skinned = paintable && skinData_->IsSkinned();
  if (skinned) {
    switch (m.Msg) {
      case WM_PAINT:
        PaintSkinned(m);
        return;
      case WM_ERASEBKGND:
        m.Result = 1;
        return;
      case WM_VSCROLL:
        return;
      case WM_PRINT:
        if (m.WParam) {
          TMessage paint{WM_PAINT, m.WParam, 0, 0};
          PaintSkinned(paint);
        }
        return;
      case CN_DRAWITEM:
        SkinnedDrawItem(m);
        return;
      case WM_CTLCOLORLISTBOX:
        AdaptList(reinterpret_cast<HWND>(m.LParam));
        break;
      case WM_MOVE:
      case WM_SIZE:
      case WM_WINDOWPOSCHANGED:
      case WM_MOUSEWHEEL:
      case CM_VISIBLECHANGED:
      case CM_ENABLEDCHANGED:
        MarkChanged();
        break;
      default:
        break;
    }
  }
  // A disabled or read-only edit part asks with WM_CTLCOLORSTATIC: every
  // part takes the box's colours.
  if (IsCtlColorMessage(m.Msg)) {
    CNCtlColor(m);
    return;
  }
  if (paintable && m.Msg != WM_PAINT && CommonControlMessage(m, skinData_.get())) return;
  TCustomComboBox::WndProc(m);
  if (skinned) {
    if (IsFocusMessage(m.Msg)) {
      skinData_->Focused = m.Msg == WM_SETFOCUS || m.Msg == CM_ENTER;
      skinData_->Hot = false;
      MarkChanged();
      Repaint();
    } else if (m.Msg == WM_SETFONT) {
      MarkChanged();
      Repaint();
    } else if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) {
      // Leaving the box for its edit part keeps it hot.
      SetHot(m.Msg == CM_MOUSEENTER || PointerOverBox());
    } else if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == CBN_DROPDOWN) {
      // Painted once the list is out: the button shows pressed.
      Invalidate();
    } else if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == CBN_CLOSEUP) {
      if (listAdapter_ && listAdapter_->SkinData) listAdapter_->SkinData->BackgroundStale = true;
      MarkChanged();
      Repaint();
    }
  }
  if (boundLabel_) boundLabel_->FollowControl(m.Msg);
}

#include "skin/controls/combo_box_ex.h"

#include "platform/forms/forms.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/common_data_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skin_text_win.h"
#include "skin/windows/base_wnd_win.h"
#include "skin/windows/combo_button_painting.h"
#include "skin/windows/combo_geometry.h"

namespace {

constexpr int kComboKind = 11;  // the first kind of the COMBOBOX row
constexpr int kDropDownCount = 14;

bool IsFocusMessage(UINT msg) {
  return msg == WM_SETFOCUS || msg == WM_KILLFOCUS || msg == CM_ENTER || msg == CM_EXIT;
}

}  // namespace

TsComboBoxEx::TsComboBoxEx(TComponent* owner)
    : TComboBox(owner), skinData_(std::make_unique<TsCommonData>(this, true)) {
  skinData_->ControlKind = kComboKind;
  boundLabel_ = std::make_unique<TsBoundLabel>(skinData_.get());
  SetDropDownCount(kDropDownCount);
  SetWidth(145);
  SetHeight(22);
  SetTabStop(true);
  SetParentColor(false);
  SetStyle(csOwnerDrawFixed);
}

TsComboBoxEx::~TsComboBoxEx() {
  DropListAdapter();
  boundLabel_.reset();
}

void TsComboBoxEx::SetDisabledKind(TsDisabledKind value) {
  if (value == disabledKind_) return;
  disabledKind_ = value;
  skinData_->InvalidateSkin();
}

TRect TsComboBoxEx::ButtonRect() const {
  const int width = showButton_ ? GetSystemMetrics(SM_CXVSCROLL) + 1 : 0;
  const bool rtl = HandleAllocated() &&
                   (GetWindowLongW(const_cast<TsComboBoxEx*>(this)->Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING);
  return ComboButtonRect(Width(), Height(), width, rtl);
}

void TsComboBoxEx::Loaded() {
  TComboBox::Loaded();
  skinData_->ApplySkinColors();
}

void TsComboBoxEx::DestroyWnd() {
  // A window made again has a new list: its adapter goes with the old one.
  DropListAdapter();
  TComboBox::DestroyWnd();
}

void TsComboBoxEx::DropListAdapter() {
  FreeAdapter(listAdapter_);
  listHandle_ = nullptr;
}

void TsComboBoxEx::AdaptList(HWND list) {
  if (listAdapter_ || !list || ComponentState().Contains(csLoading)) return;
  if (Items()->Count() <= DropDownCount()) return;
  listHandle_ = list;
  TvxAdapterArgs args;
  args.Handle = list;
  args.Section = "EDIT";
  args.Manager = skinData_->SkinManager();
  listAdapter_ = TvxMainWnd::Create<TvxComboListWnd>(args);
}

void TsComboBoxEx::MarkChanged() { skinData_->BackgroundStale = true; }

bool TsComboBoxEx::SkinCommand(TMessage& m) {
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

void TsComboBoxEx::PaintFace(HDC dc) {
  TsCommonData* record = skinData_.get();
  record->PrepareCacheBitmap();
  TBitmap* cache = CacheBitmapOf(record);
  const TPixelBufferView pixels = record->CachePixels();
  if (!cache || pixels.Empty()) return;
  TCacheInfo parent;
  record->GetParentCacheInfo(parent);
  const bool active = record->IsActiveState();
  const int state = active ? 1 : 0;
  PaintControlSkin(record, parent, true, 0, pixels, TPoint{0, 0}, TRect{0, 0, pixels.Width, pixels.Height}, state);
  RedrawCachedBorders(record, 0);
  if (showButton_) PaintComboButton(record->SkinManager(), pixels, ButtonRect(), DroppedDown() ? 2 : state);
  record->BackgroundStale = false;
  if (!Enabled()) PaintDisabledLook(pixels, disabledKind_, Parent(), TPoint{Left(), Top()}, parent);
  // The face of a list-only box shows the selected item; an editable box's
  // edit window shows its own text.
  if (Style() != csDropDown && Style() != csSimple) {
    TCanvas* canvas = cache->Canvas();
    canvas->SetFont(Font());
    const int index = ItemIndex();
    const std::string caption = index >= 0 && index < Items()->Count() ? Items()->Strings(index) : std::string();
    const TRect text = ComboEditTextRect(TRect{}, Width(), Height(), ButtonRect().Width(), showButton_);
    const bool focused = record->Focused || GetFocus() == Handle();
    if (focused && !DroppedDown()) {
      const TRect band{text.Left, 3, text.Right, Height() - 3};
      canvas->Brush()->SetStyle(bsSolid);
      canvas->Brush()->SetColor(clHighlight);
      canvas->FillRect(band);
      canvas->Font()->SetColor(clHighlightText);
      canvas->Brush()->SetStyle(bsClear);
      TRect r = band;
      canvas->TextRect(r, caption, DT_NOPREFIX | DT_VCENTER | DT_SINGLELINE);
      canvas->DrawFocusRect(band);
    } else {
      DrawControlText(canvas, caption, Enabled(), active, record, DT_NOPREFIX | DT_VCENTER | DT_SINGLELINE, text);
    }
  }
  GdiFlush();
  BitBlt(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TsComboBoxEx::PaintSkinned(TMessage& m) {
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

void TsComboBoxEx::WndProc(TMessage& m) {
  if (m.Msg == CommandMessage && SkinCommand(m)) return;
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
          if (skinData_->BackgroundStale) MarkChanged();
          TMessage paint{WM_PAINT, m.WParam, 0, 0};
          PaintSkinned(paint);
        }
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
  if (paintable && m.Msg != WM_PAINT && CommonControlMessage(m, skinData_.get())) return;
  TComboBox::WndProc(m);
  if (skinned) {
    if (IsFocusMessage(m.Msg)) {
      skinData_->Focused = m.Msg == WM_SETFOCUS || m.Msg == CM_ENTER;
      skinData_->Hot = false;
      MarkChanged();
      Repaint();
    } else if (m.Msg == WM_SETFONT) {
      MarkChanged();
      Repaint();
    } else if ((m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) && !skinData_->Focused &&
               !ComponentState().Contains(csDesigning)) {
      skinData_->Hot = m.Msg == CM_MOUSEENTER;
      MarkChanged();
      Repaint();
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

#include "skin/controls/memo.h"

#include "platform/forms/forms.h"
#include "skin/core/common_data_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/windows/base_wnd_win.h"

namespace {
constexpr int kMemoKind = 7;
}

TsMemo::TsMemo(TComponent* owner)
    : TMemo(owner), skinData_(std::make_unique<TsCommonData>(this, true)) {
  SetControlStyle(ControlStyle() - TControlStyle{csOpaque});
  skinData_->ControlKind = kMemoKind;
  if (skinData_->SkinSection().empty()) skinData_->SetSkinSection("EDIT");
  boundLabel_ = std::make_unique<TsBoundLabel>(skinData_.get());
  skinData_->ApplySkinColors();
}

TsMemo::~TsMemo() {
  FreeAdapter(adapter_);
  boundLabel_.reset();
}

void TsMemo::SetDisabledKind(TsDisabledKind value) {
  if (value == disabledKind_) return;
  disabledKind_ = value;
  skinData_->InvalidateSkin();
}

void TsMemo::Loaded() {
  TMemo::Loaded();
  skinData_->ApplySkinColors();
  UpdateMemoAdapter(skinData_.get(), adapter_);
}

void TsMemo::DropAdapter() {
  // The adapter's own procedure may be on the stack (the command passes
  // through it): it is unhooked now and freed once that has returned.
  FreeAdapter(adapter_);
}

void TsMemo::WndProc(TMessage& m) {
  if (m.Msg == CommandMessage) {
    const uint16_t code = SkinCmdOf(m.WParam);
    const bool own = m.LParam == reinterpret_cast<LPARAM>(skinData_->SkinManager());
    switch (code) {
      case SkinCmdNewSkin:
        if (!own) break;
        CommonControlMessage(m, skinData_.get());
        return;
      case SkinCmdSkinRemoved:
        if (!own) break;
        DropAdapter();
        CommonControlMessage(m, skinData_.get());
        // A window made anew regains the system's look.
        if (HandleAllocated()) RecreateWnd();
        return;
      case SkinCmdSkinReapplied:
        if (!own) break;
        CommonControlMessage(m, skinData_.get());
        UpdateMemoAdapter(skinData_.get(), adapter_);
        Perform(WM_ERASEBKGND, 0, 0);
        Repaint();
        if (HandleAllocated()) SendMessageW(Handle(), WM_NCPAINT, 0, 0);
        return;
      case SkinCmdQuerySkinned:
        m.LParam = 1;
        return;
      case SkinCmdQueryApplication:
        m.Result = reinterpret_cast<LRESULT>(Application);
        return;
      default:
        break;
    }
  }
  if (IsControlPaintable(this) && skinData_->IsSkinned()) {
    if (m.Msg == WM_PAINT) {
      if (skinData_->IsUpdating()) {
        PAINTSTRUCT ps;
        BeginPaint(Handle(), &ps);
        EndPaint(Handle(), &ps);
        return;
      }
      TMemo::WndProc(m);
    } else {
      if (CommonControlMessage(m, skinData_.get())) return;
      TMemo::WndProc(m);
      switch (m.Msg) {
        case WM_SETFONT:
        case CM_VISIBLECHANGED:
        case CM_ENABLEDCHANGED:
          skinData_->InvalidateSkin();
          break;
        case EM_SCROLLCARET:
          if (OnScrollCaret) OnScrollCaret(this);
          break;
        case WM_VSCROLL:
          if (OnVScroll) OnVScroll(this);
          break;
        case CM_TEXTCHANGED:
        case CM_CHANGED:
          if (adapter_) adapter_->RefreshScrollInfo(true);
          break;
        case CM_SHOWINGCHANGED:
          UpdateMemoAdapter(skinData_.get(), adapter_);
          break;
        case CommandMessage:
          if (SkinCmdOf(m.WParam) == SkinCmdForceFullRedraw && skinData_->ForceFullRedraw && HandleAllocated())
            RefreshControlCache(skinData_.get(), Handle(), false);
          break;
        default:
          break;
      }
    }
  } else {
    TMemo::WndProc(m);
    // A memo that becomes showing after the skin came gets its adapter then.
    if (m.Msg == CM_SHOWINGCHANGED) UpdateMemoAdapter(skinData_.get(), adapter_);
  }
  if (boundLabel_) boundLabel_->FollowControl(m.Msg);
}

// TSpeedButton: a windowless button that can stay down, alone or in a group.
#include "platform/forms/buttons.h"

#include "platform/forms/forms.h"

namespace {

// The checked look of a button that stays down: face and highlight
// colours in a one-pixel checkerboard.
void FillDithered(HDC dc, const RECT& r) {
  static const WORD rows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  HBITMAP pattern = CreateBitmap(8, 8, 1, 1, rows);
  HBRUSH brush = CreatePatternBrush(pattern);
  const COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
  const COLORREF oldBack = SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  FillRect(dc, &r, brush);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
  DeleteObject(brush);
  DeleteObject(pattern);
}

}  // namespace

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(TControlStyle{csCaptureMouse, csDoubleClicks});
  SetBounds(Left(), Top(), 23, 22);
  glyph_.OnChange = [this](TObject*) { Invalidate(); };
}

TSpeedButton::~TSpeedButton() { glyph_.OnChange = nullptr; }

void TSpeedButton::SetAllowAllUp(bool v) {
  if (allowAllUp_ == v) return;
  allowAllUp_ = v;
  UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(int v) {
  if (groupIndex_ == v) return;
  groupIndex_ = v;
  UpdateExclusive();
}

void TSpeedButton::SetDown(bool v) {
  if (groupIndex_ == 0) v = false;
  if (v == down_) return;
  // The down button of a group without AllowAllUp comes up only when
  // another one goes down.
  if (down_ && !allowAllUp_) return;
  down_ = v;
  if (v) {
    if (state_ == bsUp) Invalidate();
    state_ = bsExclusive;
    UpdateExclusive();
  } else {
    state_ = bsUp;
    Repaint();
  }
}

void TSpeedButton::SetFlat(bool v) {
  if (flat_ == v) return;
  flat_ = v;
  Invalidate();
}

void TSpeedButton::SetGlyph(TBitmap* v) { glyph_.SetGlyph(v); }

void TSpeedButton::SetLayout(TButtonLayout v) {
  if (layout_ == v) return;
  layout_ = v;
  Invalidate();
}

void TSpeedButton::SetMargin(int v) {
  if (v < -1) v = -1;
  if (margin_ == v) return;
  margin_ = v;
  Invalidate();
}

void TSpeedButton::SetSpacing(int v) {
  if (v < -1) v = -1;
  if (spacing_ == v) return;
  spacing_ = v;
  Invalidate();
}

void TSpeedButton::SetTransparent(bool v) {
  if (transparent_ == v) return;
  transparent_ = v;
  Invalidate();
}

void TSpeedButton::SetState(TButtonState v) {
  if (state_ == v) return;
  state_ = v;
  Invalidate();
}

void TSpeedButton::UpdateExclusive() {
  if (groupIndex_ == 0 || !Parent()) return;
  TMessage m = MakeMessage(CM_BUTTONPRESSED, static_cast<WPARAM>(groupIndex_),
                           reinterpret_cast<LPARAM>(static_cast<TControl*>(this)));
  Parent()->Broadcast(m);
}

bool TSpeedButton::PointInside(int x, int y) const {
  return x >= 0 && x < Width() && y >= 0 && y < Height();
}

void TSpeedButton::Loaded() {
  TGraphicControl::Loaded();
  if (down_) UpdateExclusive();
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  if (!down_) {
    state_ = bsDown;
    Invalidate();
  }
  dragging_ = true;
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (!dragging_) return;
  TButtonState next = bsUp;
  if (PointInside(x, y)) next = down_ ? bsExclusive : bsDown;
  else if (down_) next = bsExclusive;
  if (next != state_) {
    state_ = next;
    Invalidate();
  }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (!dragging_) return;
  dragging_ = false;
  const bool click = PointInside(x, y);
  if (groupIndex_ == 0) {
    state_ = bsUp;
    Invalidate();
  } else if (click) {
    SetDown(!down_);
    // A refused release (last button of the group) shows the down face again.
    if (down_) {
      state_ = bsExclusive;
      Repaint();
    }
  } else {
    state_ = down_ ? bsExclusive : bsUp;
    Repaint();
  }
  if (click) Click();
}

void TSpeedButton::Paint() {
  if (!Enabled()) {
    state_ = bsDisabled;
    dragging_ = false;
  } else if (state_ == bsDisabled) {
    state_ = down_ && groupIndex_ != 0 ? bsExclusive : bsUp;
  }
  TCanvas* canvas = Canvas();
  HDC dc = canvas->Handle();
  const bool pushed = state_ == bsDown || state_ == bsExclusive;
  RECT face = brsm::ToRECT(ClientRect());
  if (!flat_) {
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pushed ? DFCS_PUSHED : 0));
  } else {
    if (!transparent_ || pushed) FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
    if (pushed || (mouseInControl_ && state_ != bsDisabled))
      DrawEdge(dc, &face, pushed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    InflateRect(&face, -1, -1);
  }
  if (state_ == bsExclusive && (!flat_ || !mouseInControl_)) FillDithered(dc, face);
  canvas->SetFont(Font());
  canvas->Brush()->SetStyle(bsClear);
  glyph_.Draw(canvas, brsm::FromRECT(face), pushed ? TPoint{1, 1} : TPoint{0, 0}, Caption(), layout_,
              margin_, spacing_, state_, false);
}

void TSpeedButton::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CM_BUTTONPRESSED: {
      if (static_cast<int>(m.WParam) != groupIndex_ || groupIndex_ == 0) break;
      auto* sender = dynamic_cast<TSpeedButton*>(reinterpret_cast<TControl*>(m.LParam));
      if (!sender || sender == this) break;
      if (sender->Down() && down_) {
        down_ = false;
        state_ = bsUp;
        Invalidate();
      }
      allowAllUp_ = sender->AllowAllUp();
      return;
    }
    case CM_MOUSEENTER:
      mouseInControl_ = true;
      if (flat_ && Enabled()) Invalidate();
      break;
    case CM_MOUSELEAVE:
      mouseInControl_ = false;
      if (flat_ && Enabled()) Invalidate();
      break;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<WORD>(m.WParam), Caption()) && Enabled() && Visible() && Parent() &&
          Parent()->Showing()) {
        Click();
        m.Result = 1;
        return;
      }
      break;
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
    case CM_SYSCOLORCHANGE:
      TGraphicControl::Dispatch(m);
      Invalidate();
      return;
  }
  TGraphicControl::Dispatch(m);
}

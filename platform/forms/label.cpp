// TCustomLabel: windowless text painted on its parent.
#include "platform/forms/stdctrls.h"

#include "platform/forms/control_canvas.h"
#include "platform/forms/forms.h"

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(ControlStyle() + TControlStyle{csOpaque, csReplicatable});
  SetBounds(Left(), Top(), 65, 17);
}

void TCustomLabel::SetAlignment(TAlignment v) {
  if (alignment_ == v) return;
  alignment_ = v;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool v) {
  if (autoSize_ == v) return;
  autoSize_ = v;
  AdjustBounds();
}

void TCustomLabel::SetFocusControl(TWinControl* v) {
  if (focusControl_ == v) return;
  if (focusControl_) focusControl_->RemoveFreeNotification(this);
  focusControl_ = v;
  if (v) v->FreeNotification(this);
}

void TCustomLabel::SetLayout(TTextLayout v) {
  if (layout_ == v) return;
  layout_ = v;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool v) {
  if (showAccelChar_ == v) return;
  showAccelChar_ = v;
  Invalidate();
  AdjustBounds();
}

void TCustomLabel::SetTransparent(bool v) {
  if (Transparent() == v) return;
  TControlStyle style = ControlStyle();
  if (v) style.Exclude(csOpaque); else style.Include(csOpaque);
  SetControlStyle(style);
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool v) {
  if (wordWrap_ == v) return;
  wordWrap_ = v;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

int TCustomLabel::TextFlags() const {
  int flags = DT_EXPANDTABS;
  if (wordWrap_) flags |= DT_WORDBREAK;
  switch (alignment_) {
    case taLeftJustify: flags |= DT_LEFT; break;
    case taRightJustify: flags |= DT_RIGHT; break;
    case taCenter: flags |= DT_CENTER; break;
  }
  return flags;
}

void TCustomLabel::DoDrawText(TRect& rect, int flags) {
  std::string text = GetLabelText();
  // An empty text still measures one line high.
  if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&"))) text += ' ';
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  flags = DrawTextBiDiModeFlags(flags);
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  if (!Enabled() && !(flags & DT_CALCRECT)) {
    // The system's disabled text: a highlight copy one pixel down-right
    // under the shadow-coloured text.
    TRect shifted{rect.Left + 1, rect.Top + 1, rect.Right + 1, rect.Bottom + 1};
    canvas->Font()->SetColor(clBtnHighlight);
    canvas->TextRect(shifted, text, static_cast<unsigned>(flags));
    canvas->Font()->SetColor(clBtnShadow);
    canvas->TextRect(rect, text, static_cast<unsigned>(flags));
    return;
  }
  canvas->TextRect(rect, text, static_cast<unsigned>(flags));
}

void TCustomLabel::Paint() {
  TCanvas* canvas = Canvas();
  const TRect client = ClientRect();
  if (!Transparent()) {
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(client);
  }
  canvas->Brush()->SetStyle(bsClear);
  TRect rect = client;
  const int flags = TextFlags();
  if (layout_ != tlTop) {
    TRect measured = rect;
    DoDrawText(measured, flags | DT_CALCRECT);
    const int room = client.Height() - measured.Height();
    const int dy = layout_ == tlBottom ? room : room / 2;
    rect.Top += dy;
    rect.Bottom += dy;
  }
  DoDrawText(rect, flags);
}

void TCustomLabel::AdjustBounds() {
  if (!autoSize_ || adjusting_ || ComponentState().Contains(csLoading)) return;
  adjusting_ = true;
  TCanvas* canvas = Canvas();
  // Measured on a screen DC: the label may have no parent window yet.
  if (auto* own = dynamic_cast<TControlCanvas*>(canvas)) own->FreeHandle();
  HDC screen = GetDC(nullptr);
  canvas->SetHandle(screen);
  TRect rect = ClientRect();
  rect.Bottom = rect.Top;  // DT_CALCRECT sets the height; the width stays for word wrap
  try {
    DoDrawText(rect, TextFlags() | DT_CALCRECT);
  } catch (...) {
    canvas->SetHandle(nullptr);
    ReleaseDC(nullptr, screen);
    adjusting_ = false;
    throw;
  }
  canvas->SetHandle(nullptr);
  ReleaseDC(nullptr, screen);
  int left = Left();
  // A right-aligned label keeps its right edge where it was.
  if (alignment_ == taRightJustify) left += Width() - rect.Right;
  SetBounds(left, Top(), rect.Right, rect.Bottom);
  adjusting_ = false;
}

void TCustomLabel::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CM_TEXTCHANGED:
      Invalidate();
      AdjustBounds();
      return;
    case CM_FONTCHANGED:
      TGraphicControl::Dispatch(m);
      AdjustBounds();
      return;
    case CM_DIALOGCHAR:
      if (focusControl_ && Enabled() && showAccelChar_ &&
          IsAccel(static_cast<WORD>(m.WParam), GetLabelText()) && focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        m.Result = 1;
        return;
      }
      break;
  }
  TGraphicControl::Dispatch(m);
}

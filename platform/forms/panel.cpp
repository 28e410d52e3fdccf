// TCustomPanel: a container with raised or lowered bevels and a caption.
#include "platform/forms/extctrls.h"

#include "platform/forms/forms.h"

void Frame3D(TCanvas* canvas, TRect& rect, TColor topColor, TColor bottomColor, int width) {
  TPen* pen = canvas->Pen();
  pen->SetWidth(1);
  pen->SetStyle(psSolid);
  // Each ring: top and left edges, then bottom and right, one pixel inward.
  for (int i = 0; i < width && rect.Width() > 0 && rect.Height() > 0; ++i) {
    const int right = rect.Right - 1, bottom = rect.Bottom - 1;
    pen->SetColor(topColor);
    canvas->MoveTo(rect.Left, bottom);
    canvas->LineTo(rect.Left, rect.Top);
    canvas->LineTo(right, rect.Top);
    pen->SetColor(bottomColor);
    canvas->LineTo(right, bottom);
    canvas->LineTo(rect.Left - 1, bottom);
    rect.Left += 1;
    rect.Top += 1;
    rect.Right -= 1;
    rect.Bottom -= 1;
  }
}

namespace {

void BevelColors(TBevelCut bevel, TColor face, TColor& top, TColor& bottom) {
  switch (bevel) {
    case bvLowered: top = clBtnShadow; bottom = clBtnHighlight; break;
    case bvRaised: top = clBtnHighlight; bottom = clBtnShadow; break;
    default: top = face; bottom = face; break;
  }
}

}  // namespace

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                                csOpaque, csDoubleClicks, csReplicatable});
  SetBounds(Left(), Top(), 185, 41);
  SetParentColor(false);
  SetColor(clBtnFace);
}

void TCustomPanel::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
  if (fullRepaint_) params.WindowClass.style |= CS_HREDRAW | CS_VREDRAW;
}

void TCustomPanel::AdjustClientRect(TRect& rect) const {
  TCustomControl::AdjustClientRect(rect);
  int inset = borderWidth_;
  if (bevelOuter_ != bvNone) inset += bevelWidth_;
  if (bevelInner_ != bvNone) inset += bevelWidth_;
  rect.Left += inset;
  rect.Top += inset;
  rect.Right -= inset;
  rect.Bottom -= inset;
}

void TCustomPanel::Paint() {
  TCanvas* canvas = Canvas();
  TRect rect = ClientRect();
  TColor top = clBtnHighlight, bottom = clBtnShadow;
  if (bevelOuter_ != bvNone) {
    BevelColors(bevelOuter_, Color(), top, bottom);
    Frame3D(canvas, rect, top, bottom, bevelWidth_);
  }
  Frame3D(canvas, rect, Color(), Color(), borderWidth_);
  if (bevelInner_ != bvNone) {
    BevelColors(bevelInner_, Color(), top, bottom);
    Frame3D(canvas, rect, top, bottom, bevelWidth_);
  }
  canvas->Brush()->SetColor(Color());
  canvas->Brush()->SetStyle(bsSolid);
  canvas->FillRect(rect);
  const std::string caption = Caption();
  if (caption.empty()) return;
  canvas->SetFont(Font());
  canvas->Brush()->SetStyle(bsClear);
  unsigned flags = DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER;
  switch (alignment_) {
    case taLeftJustify: flags |= DT_LEFT; break;
    case taRightJustify: flags |= DT_RIGHT; break;
    case taCenter: flags |= DT_CENTER; break;
  }
  canvas->TextRect(rect, caption, static_cast<unsigned>(DrawTextBiDiModeFlags(static_cast<int>(flags))));
}

void TCustomPanel::SetAlignment(TAlignment v) {
  if (alignment_ == v) return;
  alignment_ = v;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut v) {
  if (bevelInner_ == v) return;
  bevelInner_ = v;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut v) {
  if (bevelOuter_ == v) return;
  bevelOuter_ = v;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelWidth(int v) {
  if (v < 1) v = 1;
  if (bevelWidth_ == v) return;
  bevelWidth_ = v;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBorderWidth(int v) {
  if (v < 0) v = 0;
  if (borderWidth_ == v) return;
  borderWidth_ = v;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle v) {
  if (borderStyle_ == v) return;
  borderStyle_ = v;
  RecreateWnd();
}

void TCustomPanel::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CM_TEXTCHANGED:
      Invalidate();
      break;
    case CM_ENABLEDCHANGED:
      TCustomControl::Dispatch(m);
      Invalidate();
      return;
  }
  TCustomControl::Dispatch(m);
}

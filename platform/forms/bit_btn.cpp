// TBitBtn: an owner-drawn push button with a glyph and the stock kinds.
#include "platform/forms/buttons.h"

#include "platform/forms/forms.h"

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), canvas_(std::make_unique<TCanvas>()) {
  // The window sees double clicks as two presses.
  SetControlStyle(ControlStyle() - TControlStyle{csDoubleClicks});
  glyph_.OnChange = [this](TObject*) {
    if (!settingKind_) modifiedGlyph_ = true;
    Invalidate();
  };
}

TBitBtn::~TBitBtn() { glyph_.OnChange = nullptr; }

std::string TBitBtn::KindCaption(TBitBtnKind kind) {
  switch (kind) {
    case bkCustom: return {};
    case bkOK: return "OK";
    case bkCancel: return "Cancel";
    case bkHelp: return "&Help";
    case bkYes: return "&Yes";
    case bkNo: return "&No";
    case bkClose: return "&Close";
    case bkAbort: return "Abort";
    case bkRetry: return "&Retry";
    case bkIgnore: return "&Ignore";
    case bkAll: return "&All";
  }
  return {};
}

TModalResult TBitBtn::KindModalResult(TBitBtnKind kind) {
  switch (kind) {
    case bkCustom: return mrNone;
    case bkOK: return mrOk;
    case bkCancel: return mrCancel;
    case bkHelp: return mrNone;
    case bkYes: return mrYes;
    case bkNo: return mrNo;
    case bkClose: return mrNone;
    case bkAbort: return mrAbort;
    case bkRetry: return mrRetry;
    case bkIgnore: return mrIgnore;
    case bkAll: return mrAll;
  }
  return mrNone;
}

std::unique_ptr<TBitmap> TBitBtn::KindGlyph(TBitBtnKind kind) {
  constexpr int s = brsm::KindGlyphSize;
  auto bitmap = std::make_unique<TBitmap>(2 * s, s, pf24bit);
  TPixelBufferView all = bitmap->PixelView();
  TPixelBufferView normal = all;
  normal.Width = s;
  brsm::PaintKindGlyph(kind, normal);
  TPixelBufferView disabled = all;
  disabled.FirstRow += s * all.BytesPerPixel;
  disabled.Width = s;
  const TColor light = ColorToRGB(clBtnHighlight), dark = ColorToRGB(clBtnShadow);
  brsm::PaintEmbossed(normal, brsm::KindGlyphBackground, disabled, brsm::KindGlyphBackground,
                      brsm::TRGB{GetRValue(light), GetGValue(light), GetBValue(light)},
                      brsm::TRGB{GetRValue(dark), GetGValue(dark), GetBValue(dark)});
  return bitmap;
}

TBitBtnKind TBitBtn::Kind() const {
  if (kind_ != bkCustom) {
    const bool wantsDefault = kind_ == bkOK || kind_ == bkYes;
    const bool wantsCancel = kind_ == bkCancel || kind_ == bkNo;
    if (wantsDefault != Default() || wantsCancel != Cancel() ||
        ModalResult() != KindModalResult(kind_) || modifiedGlyph_)
      kind_ = bkCustom;
  }
  return kind_;
}

void TBitBtn::SetKind(TBitBtnKind v) {
  if (v == kind_) return;
  if (v != bkCustom) {
    settingKind_ = true;
    try {
      SetDefault(v == bkOK || v == bkYes);
      SetCancel(v == bkCancel || v == bkNo);
      // A caption the stored layout gave before the kind stays.
      if (!ComponentState().Contains(csLoading) || Caption().empty()) SetCaption(KindCaption(v));
      SetModalResult(KindModalResult(v));
      const std::unique_ptr<TBitmap> glyph = KindGlyph(v);
      glyph_.SetGlyph(glyph.get());
      glyph_.SetNumGlyphs(2);
    } catch (...) {
      settingKind_ = false;
      throw;
    }
    settingKind_ = false;
    modifiedGlyph_ = false;
  }
  kind_ = v;
  Invalidate();
}

void TBitBtn::SetGlyph(TBitmap* v) {
  glyph_.SetGlyph(v);
  modifiedGlyph_ = true;
}

void TBitBtn::SetLayout(TButtonLayout v) {
  if (layout_ == v) return;
  layout_ = v;
  Invalidate();
}

void TBitBtn::SetMargin(int v) {
  if (v < -1) v = -1;
  if (margin_ == v) return;
  margin_ = v;
  Invalidate();
}

void TBitBtn::SetSpacing(int v) {
  if (v < -1) v = -1;
  if (spacing_ == v) return;
  spacing_ = v;
  Invalidate();
}

void TBitBtn::SetStyle(TButtonStyle v) {
  if (style_ == v) return;
  style_ = v;
  Invalidate();
}

void TBitBtn::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.Style = (params.Style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TBitBtn::SetButtonStyle(bool isDefault) {
  if (DefaultStyleShown() == isDefault) return;
  SetDefaultStyleShown(isDefault);
  Invalidate();
}

void TBitBtn::Click() {
  // The close kind closes its form instead of clicking.
  if (Kind() == bkClose) {
    if (TCustomForm* form = GetParentForm(this)) {
      form->Close();
      return;
    }
  }
  TButton::Click();
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  canvas_->SetHandle(item.hDC);
  struct Unbind {
    TCanvas* canvas;
    ~Unbind() { canvas->SetHandle(nullptr); }
  } unbind{canvas_.get()};
  HDC dc = item.hDC;
  const bool down = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  RECT face = item.rcItem;
  // The button Enter presses gets the black frame of the default button.
  if (DefaultStyleShown() || focused) {
    FrameRect(dc, &face, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&face, -1, -1);
  }
  if (down) {
    FrameRect(dc, &face, GetSysColorBrush(COLOR_BTNSHADOW));
    InflateRect(&face, -1, -1);
    FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
  } else {
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH);
  }
  TRect client = brsm::FromRECT(face);
  client.Left += 1;
  client.Top += 1;
  client.Right -= 1;
  client.Bottom -= 1;
  const TButtonState state = !Enabled() ? bsDisabled : down ? bsDown : bsUp;
  canvas_->SetFont(Font());
  canvas_->Brush()->SetStyle(bsClear);
  glyph_.Draw(canvas_.get(), client, down ? TPoint{1, 1} : TPoint{0, 0}, Caption(), layout_, margin_,
              spacing_, state, WordWrap());
  if (focused) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(dc, &focus);
  }
}

void TBitBtn::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CN_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
      m.Result = TRUE;
      return;
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
      TButton::Dispatch(m);
      Invalidate();
      return;
  }
  TButton::Dispatch(m);
}

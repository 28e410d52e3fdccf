#include "skin/core/edit_label_win.h"

#include "skin/core/common_data.h"
#include "skin/core/skin_commands.h"
#include "skin/core/skin_text_win.h"

// -- TsEditLabel ------------------------------------------------------------------

TsEditLabel::TsEditLabel(TComponent* owner, TsBoundLabel* boundLabel)
    : TLabel(owner), BoundLabel(boundLabel) {
  SetTransparent(true);
}

TsEditLabel::~TsEditLabel() {
  if (BoundLabel) {
    BoundLabel->active_ = false;
    BoundLabel->label_ = nullptr;
  }
}

void TsEditLabel::SetUseSkinColor(bool value) {
  if (value == useSkinColor_) return;
  useSkinColor_ = value;
  Invalidate();
}

void TsEditLabel::Paint() {
  // A font change made here must not start another painting.
  if (!painting_ && useSkinColor_) {
    painting_ = true;
    ApplySkinTextColor(Font());
    painting_ = false;
  }
  TLabel::Paint();
}

void TsEditLabel::Dispatch(TMessage& message) {
  if (message.Msg == CM_FONTCHANGED && painting_) return;
  if (message.Msg == CommandMessage && SkinCmdOf(message.WParam) == SkinCmdSkinRemoved &&
      IsFromDefaultManager(message.LParam)) {
    if (useSkinColor_ && Font()->Color() != clWindowText) Font()->SetColor(clWindowText);
    return;
  }
  TLabel::Dispatch(message);
}

// -- TsBoundLabel -----------------------------------------------------------------

TsBoundLabel::TsBoundLabel(TsCommonData* commonData)
    : font_(std::make_unique<TFont>()), commonData_(commonData) {}

TsBoundLabel::~TsBoundLabel() {
  if (label_) {
    label_->BoundLabel = nullptr;
    delete label_;
    label_ = nullptr;
  }
}

TWinControl* TsBoundLabel::Control() const {
  return commonData_ ? dynamic_cast<TWinControl*>(commonData_->HostControl) : nullptr;
}

void TsBoundLabel::SetActive(bool value) {
  if (value == active_) return;
  if (!value) {
    TsEditLabel* label = label_;
    label_ = nullptr;
    active_ = false;
    if (label) {
      label->BoundLabel = nullptr;
      delete label;
    }
    return;
  }
  TWinControl* control = Control();
  if (!control) return;  // a label needs a control to stand beside
  label_ = new TsEditLabel(control, this);
  active_ = true;
  label_->SetVisible(false);
  label_->SetParent(control->Parent());
  label_->SetFocusControl(control);
  label_->SetAlignment(static_cast<TAlignment>(BoundLabelAlignment(layout_)));
  // An unnamed control gives an unnamed label, so two of them never clash.
  if (!control->Name().empty()) {
    try {
      label_->SetName(control->Name() + "Label");
    } catch (const Exception&) {
      // The name is taken: the label stays unnamed.
    }
  }
  if (fontSet_) {
    label_->Font()->Assign(font_.get());
    label_->SetParentFont(false);
  }
  if (caption_.empty()) caption_ = control->Name();
  label_->SetCaption(caption_);
  label_->SetVisible(control->Visible() ||
                     control->ComponentState().Contains(csDesigning));
  label_->SetEnabled(control->Enabled());
  PlaceLabel();
}

void TsBoundLabel::SetCaption(const std::string& value) {
  if (value == caption_) return;
  caption_ = value;
  if (active_ && label_) {
    label_->SetCaption(caption_);
    PlaceLabel();
  }
}

TFont* TsBoundLabel::Font() const { return label_ ? label_->Font() : font_.get(); }

void TsBoundLabel::SetFont(TFont* value) {
  if (!value) return;
  if (!label_) {
    // Kept until a label exists.
    font_->Assign(value);
    fontSet_ = true;
    return;
  }
  label_->Font()->Assign(value);
  label_->SetParentFont(false);
  PlaceLabel();
}

void TsBoundLabel::SetIndent(int value) {
  if (value == indent_) return;
  indent_ = value;
  if (active_) PlaceLabel();
}

void TsBoundLabel::SetMaxWidth(int value) {
  if (value == maxWidth_) return;
  maxWidth_ = value;
  if (active_) PlaceLabel();
}

void TsBoundLabel::SetLayout(TsCaptionLayout value) {
  if (value == layout_) return;
  layout_ = value;
  if (label_) label_->SetAlignment(static_cast<TAlignment>(BoundLabelAlignment(layout_)));
  if (active_) PlaceLabel();
}

bool TsBoundLabel::UseSkinColor() const { return label_ ? label_->UseSkinColor() : true; }

void TsBoundLabel::SetUseSkinColor(bool value) {
  if (label_) label_->SetUseSkinColor(value);
}

void TsBoundLabel::PlaceLabel() {
  TWinControl* control = Control();
  if (!label_ || !label_->Visible() || !control) return;
  label_->SetAutoSize(true);
  const TsLabelPlace p = PlaceBoundLabel(layout_, indent_, maxWidth_, control->BoundsRect(),
                                         label_->Width(), label_->Height());
  if (p.Fixed) {
    label_->SetAutoSize(false);
    label_->SetWordWrap(true);
    label_->SetBounds(p.Left, p.Top, p.Width, p.Height);
  } else {
    label_->SetBounds(p.Left, p.Top, label_->Width(), label_->Height());
  }
}

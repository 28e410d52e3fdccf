#include "skin/core/edit_label_win.h"

#include "skin/core/common_data.h"
#include "skin/core/skin_commands.h"

// -- The label of a bound label ----------------------------------------------------

namespace {

TsEditLabelMaker editLabelMaker = nullptr;

// Without the skinned controls: a label that only tells its bound label
// when it goes.
class TsPlainBoundCaption : public TLabel, public TsBoundLabelTarget {
 public:
  TsPlainBoundCaption(TComponent* owner, TsBoundLabel* boundLabel)
      : TLabel(owner), TsBoundLabelTarget(boundLabel) {
    SetTransparent(true);
  }
};

TCustomLabel* MakeLabel(TComponent* owner, TsBoundLabel* boundLabel) {
  if (editLabelMaker) return editLabelMaker(owner, boundLabel);
  return new TsPlainBoundCaption(owner, boundLabel);
}

}  // namespace

void SetEditLabelMaker(TsEditLabelMaker maker) { editLabelMaker = maker; }

TsBoundLabelTarget::~TsBoundLabelTarget() {
  if (BoundLabel) {
    BoundLabel->active_ = false;
    BoundLabel->label_ = nullptr;
  }
}

// -- TsBoundLabel -----------------------------------------------------------------

TsBoundLabel::TsBoundLabel(TsCommonData* commonData)
    : font_(std::make_unique<TFont>()), commonData_(commonData) {}

TsBoundLabel::~TsBoundLabel() {
  if (label_) {
    if (TsBoundLabelTarget* target = Target()) target->BoundLabel = nullptr;
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
    TsBoundLabelTarget* target = Target();
    TCustomLabel* label = label_;
    label_ = nullptr;
    active_ = false;
    if (label) {
      if (target) target->BoundLabel = nullptr;
      delete label;
    }
    return;
  }
  TWinControl* control = Control();
  if (!control) return;  // a label needs a control to stand beside
  label_ = MakeLabel(control, this);
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

TsBoundLabelTarget* TsBoundLabel::Target() const { return dynamic_cast<TsBoundLabelTarget*>(label_); }

bool TsBoundLabel::UseSkinColor() const { return Target() ? Target()->UseSkinColor() : true; }

void TsBoundLabel::SetUseSkinColor(bool value) {
  if (Target()) Target()->SetUseSkinColor(value);
}

void TsBoundLabel::FollowControl(UINT msg) {
  TWinControl* control = Control();
  if (!label_ || !control) return;
  switch (msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      PlaceLabel();
      break;
    case CM_VISIBLECHANGED:
      label_->SetVisible(control->Visible());
      PlaceLabel();
      break;
    case CM_ENABLEDCHANGED:
      label_->SetEnabled(control->Enabled());
      PlaceLabel();
      break;
    default:
      break;
  }
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

// Alignment of a windowed control's children: alTop, alBottom, alLeft,
// alRight and alClient take their band of the client area in that order;
// anchored children of alNone follow the client area's change of size.
#include <algorithm>

#include "platform/forms/controls.h"

void TWinControl::DisableAlign() { ++alignLevel_; }

void TWinControl::EnableAlign() {
  if (alignLevel_ > 0) --alignLevel_;
  if (alignLevel_ == 0 && ControlState().Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() { AlignNow(nullptr); }

void TWinControl::AlignNow(TControl* control) {
  if (ComponentState().Contains(csDestroying)) return;
  if (alignLevel_ != 0 || ComponentState().Contains(csLoading)) {
    SetControlState(ControlState() + TControlState{csAlignmentNeeded});
    return;
  }
  DisableAlign();
  try {
    TRect rect = ClientRect();
    AlignControls(control, rect);
  } catch (...) {
    SetControlState(ControlState() - TControlState{csAlignmentNeeded});
    if (alignLevel_ > 0) --alignLevel_;
    throw;
  }
  SetControlState(ControlState() - TControlState{csAlignmentNeeded});
  EnableAlign();
}

void TWinControl::AdjustClientRect(TRect& rect) const {
  rect.Left += borderWidth_;
  rect.Top += borderWidth_;
  rect.Right -= borderWidth_;
  rect.Bottom -= borderWidth_;
}

namespace {

// The order within one alignment: by position, the list order breaking ties.
bool AlignedBefore(TAlign align, const TControl* a, const TControl* b) {
  switch (align) {
    case alTop: return a->Top() < b->Top();
    case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
    case alLeft: return a->Left() < b->Left();
    case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
    default: return false;
  }
}

}  // namespace

void TWinControl::AlignControls(TControl* control, TRect& rect) {
  AdjustClientRect(rect);
  anchoring_ = true;
  try {
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
      std::vector<TControl*> list;
      for (TControl* c : controls_)
        if (c->Align() == align && c->Visible()) list.push_back(c);
      std::stable_sort(list.begin(), list.end(), [align](const TControl* a, const TControl* b) {
        return AlignedBefore(align, a, b);
      });
      for (TControl* c : list) {
        const int w = std::max(rect.Width(), 0);
        const int h = std::max(rect.Height(), 0);
        switch (align) {
          case alTop:
            c->SetBounds(rect.Left, rect.Top, w, c->Height());
            rect.Top += c->Height();
            break;
          case alBottom:
            c->SetBounds(rect.Left, rect.Bottom - c->Height(), w, c->Height());
            rect.Bottom -= c->Height();
            break;
          case alLeft:
            c->SetBounds(rect.Left, rect.Top, c->Width(), h);
            rect.Left += c->Width();
            break;
          case alRight:
            c->SetBounds(rect.Right - c->Width(), rect.Top, c->Width(), h);
            rect.Right -= c->Width();
            break;
          case alClient:
            c->SetBounds(rect.Left, rect.Top, w, h);
            break;
          default:
            break;
        }
      }
    }
    // Anchored children follow the client area (not the rectangle that
    // the aligned ones left).
    const TRect full = ClientRect();
    for (TControl* c : std::vector<TControl*>(controls_)) {
      if (c->Align() != alNone || c == control) continue;
      if (c->Anchors() == TAnchors{akLeft, akTop}) continue;
      TRect bounds;
      c->AnchorTo(full.Width(), full.Height(), bounds);
      c->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    }
  } catch (...) {
    anchoring_ = false;
    throw;
  }
  anchoring_ = false;
}

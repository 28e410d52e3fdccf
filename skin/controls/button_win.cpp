#include "skin/controls/button.h"

#include "platform/forms/buttons.h"
#include "skin/controls/button_face.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/paint_colors.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skin_text_win.h"

namespace {
constexpr int kButtonKind = 93;
}

TsButton::TsButton(TComponent* owner) : TsSkinnedButton<TButton>(owner, kButtonKind) {
  SetControlStyle(ControlStyle() - TControlStyle{csDoubleClicks});
}

// Owner-drawn only when the skin has the button's section: without it the
// platform draws the button, caption and all. The window may be made before
// the record has read its indexes, so the section is looked up here.
bool TsButton::SkinDrawsFace() const {
  TsSkinManager* m = skinData_->SkinManager();
  if (!m || !m->Active() || m->SkinName().empty()) return false;
  const std::string& named = skinData_->SkinSection();
  const std::string section = named.empty() ? DefaultSectionOfKind(skinData_->ControlKind, "") : named;
  return m->LookupSection(section) >= 0;
}

void TsButton::CreateParams(TCreateParams& params) {
  TsSkinnedButton<TButton>::CreateParams(params);
  if (SkinDrawsFace()) params.Style |= BS_OWNERDRAW;
}

void TsButton::SetOwnerDrawn(bool on) {
  HWND wnd = HandleIfAllocated();
  if (!wnd) return;
  const bool now = (GetWindowLongW(wnd, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
  if (now == on) return;
  const DWORD look = on ? BS_OWNERDRAW : (defaultStyle_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  SendMessageW(wnd, BM_SETSTYLE, look, TRUE);
}

void TsButton::SetButtonStyle(bool isDefault) {
  // Unskinned the platform shows the default frame; skinned the face does.
  if (!skinData_->IsSkinned()) TsSkinnedButton<TButton>::SetButtonStyle(isDefault);
  else SetDefaultStyleShown(isDefault);
  defaultStyle_ = isDefault;
  skinData_->InvalidateSkin();
}

void TsButton::OnSkinRemoved() { SetOwnerDrawn(false); }

void TsButton::OnSkinReapplied() { SetOwnerDrawn(skinData_->IsSkinned()); }

void TsButton::Dispatch(TMessage& m) {
  if (m.Msg == CN_MEASUREITEM) {
    auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
    if (item) {
      item->itemWidth = static_cast<UINT>(Width());
      item->itemHeight = static_cast<UINT>(Height());
    }
    m.Result = 1;
    return;
  }
  TsSkinnedButton<TButton>::Dispatch(m);
}

TRect TsButton::CaptionRect() {
  TBitmap* cache = CacheBitmapOf(skinData_.get());
  TSize text{0, 0};
  if (cache && !Caption().empty()) {
    TCanvas* canvas = cache->Canvas();
    canvas->SetFont(Font());
    text = brsm::TButtonGlyph::CaptionSize(canvas, Caption(), Width() - 2, WordWrap());
  }
  const int tw = text.cx, th = text.cy;
  TRect r;
  r.Left = (Width() - tw) / 2;
  r.Right = Width() - r.Left + 1;
  r.Top = (Height() - th) / 2;
  r.Bottom = Height() - r.Top;
  if (CurrentState() == ButtonStatePressed) {
    r.Left += 1;
    r.Right += 1;
    r.Top += 1;
    r.Bottom += 1;
  }
  return r;
}

void TsButton::DrawCaptionText(const TRect& rect, unsigned flags) {
  TBitmap* cache = CacheBitmapOf(skinData_.get());
  if (!cache) return;
  DrawControlText(cache->Canvas(), Caption(), true, CurrentState() != ButtonStateNormal, skinData_.get(),
                  flags, rect);
}

void TsButton::DrawCaption() {
  TBitmap* cache = CacheBitmapOf(skinData_.get());
  if (!cache || cache->Empty()) return;
  TCanvas* canvas = cache->Canvas();
  canvas->SetFont(Font());
  canvas->Brush()->SetStyle(bsClear);
  const TRect r = CaptionRect();
  DrawCaptionText(r, DT_EXPANDTABS | DT_CENTER | (WordWrap() ? DT_WORDBREAK : 0));
  if (FocusFrameWanted()) {
    const int m = FocusMargin();
    DrawDottedFrame(canvas, TRect{r.Left - m, r.Top - m, r.Right + m, r.Bottom + m});
  }
}

void TsButton::RebuildCache() {
  const int state = CurrentState();
  BeginFace(state);
  TBitmap* cache = CacheBitmapOf(skinData_.get());
  if (cache && !cache->Empty()) {
    CutFaceCorners(state);
    DrawCaption();
    FinishDisabledFace();
  }
  ParentBackColor = SkinTransparentColor;
  TransparentFillColor = SkinTransparentColor;
  skinData_->BackgroundStale = false;
}

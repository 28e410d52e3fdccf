#include "skin/controls/label.h"

#include "platform/graphics/canvas.h"
#include "skin/controls/label_colors.h"
#include "skin/core/common_data.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/paint_colors.h"
#include "skin/core/section_painting_win.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skin_text_win.h"

namespace {

// Font changes made while a label paints must not start another painting.
bool painting = false;

bool SkinLoaded() { return DefaultManager && DefaultManager->SkinData.Loaded; }

int SectionIndexOf(const std::string& section) {
  return DefaultManager && !section.empty() ? DefaultManager->LookupSection(section) : -1;
}

bool ShowsSection(const std::string& section) {
  return LabelShowsSection(section, DefaultManager && DefaultManager->Active() && SkinLoaded(),
                           SectionIndexOf(section));
}

void ResetFontColor(TFont* font) {
  if (font->Color() != clWindowText) font->SetColor(clWindowText);
}

bool IsSkinRemovedByDefault(const TMessage& m) {
  return m.Msg == CommandMessage && SkinCmdOf(m.WParam) == SkinCmdSkinRemoved && IsFromDefaultManager(m.LParam);
}

}  // namespace

// -- TsCustomLabel -----------------------------------------------------------------------------

TsCustomLabel::TsCustomLabel(TComponent* owner) : TCustomLabel(owner) { SetTransparent(true); }

void TsCustomLabel::SetSkinSection(const std::string& value) {
  if (value == skinSection_) return;
  skinSection_ = value;
  Invalidate();
}

void TsCustomLabel::PaintFont() { ApplySkinTextColor(Font()); }

void TsCustomLabel::Paint() {
  const bool section = ShowsSection(skinSection_);
  if (!painting) {
    painting = true;
    try {
      PaintFont();
      if (section) {
        const TColor c = DefaultManager->SectionItems[SectionIndexOf(skinSection_)].FontColor[0];
        if (Font()->Color() != c) Font()->SetColor(c);
      }
    } catch (...) {
      painting = false;
      throw;
    }
    painting = false;
  }
  if (section && Parent()) {
    ParentCacheInfo.Ready = false;
    SendCmdToControl(Parent(), SkinCmdQueryCache);
    TCacheInfo cache = ParentCacheInfo;
    if (cache.Ready) {
      cache.X += Left();
      cache.Y += Top();
    }
    PaintSectionToDC(SectionIndexOf(skinSection_), skinSection_, cache, DefaultManager, Canvas()->Handle(),
                     TPoint{0, 0}, TRect{0, 0, Width(), Height()}, 0, true);
  }
  TCustomLabel::Paint();
}

void TsCustomLabel::DoDrawText(TRect& rect, int flags) {
  if (Enabled() || !SkinLoaded()) {
    TCustomLabel::DoDrawText(rect, flags);
    return;
  }
  std::string text = GetLabelText();
  if ((flags & DT_CALCRECT) && (text.empty() || (ShowAccelChar() && text == "&"))) text += ' ';
  if (!ShowAccelChar()) flags |= DT_NOPREFIX;
  flags = DrawTextBiDiModeFlags(flags);
  ParentBackColor = SkinTransparentColor;
  if (Parent()) QueryParentColor(Parent());
  const TColor back = ParentBackColor != SkinTransparentColor ? ParentBackColor : ColorToRGB(clBtnFace);
  ParentBackColor = SkinTransparentColor;
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  canvas->Font()->SetColor(DisabledLabelColor(Font()->Color(), back));
  canvas->TextRect(rect, text, static_cast<unsigned>(flags));
}

void TsCustomLabel::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_FONTCHANGED:
      if (painting) return;
      if (AutoSize()) AdjustBounds();
      Invalidate();
      return;
    case CM_MOUSEENTER:
      if (OnMouseEnter) OnMouseEnter(this);
      TCustomLabel::WndProc(m);
      return;
    case CM_MOUSELEAVE:
      TCustomLabel::WndProc(m);
      if (OnMouseLeave) OnMouseLeave(this);
      return;
    default:
      break;
  }
  TCustomLabel::WndProc(m);
  if (IsSkinRemovedByDefault(m)) ResetFontColor(Font());
}

// -- TsLabel ------------------------------------------------------------------------------------

void TsLabel::SetUseSkinColor(bool value) {
  if (value == useSkinColor_) return;
  useSkinColor_ = value;
  Invalidate();
}

void TsLabel::PaintFont() {
  if (useSkinColor_) TsCustomLabel::PaintFont();
}

void TsLabel::WndProc(TMessage& m) {
  if (IsSkinRemovedByDefault(m)) {
    if (useSkinColor_) ResetFontColor(Font());
    return;
  }
  TsCustomLabel::WndProc(m);
}

// -- TsEditLabel --------------------------------------------------------------------------------

TsEditLabel::TsEditLabel(TComponent* owner, TsBoundLabel* boundLabel)
    : TsLabel(owner), TsBoundLabelTarget(boundLabel) {}

void RegisterEditLabelMaker() {
  SetEditLabelMaker([](TComponent* owner, TsBoundLabel* bound) -> TCustomLabel* {
    return new TsEditLabel(owner, bound);
  });
}

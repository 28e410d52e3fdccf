#include "skin/launcher-controls/speed_button.h"

#include <algorithm>

#include "platform/forms/forms.h"
#include "skin/controls/bit_btn_glyph.h"
#include "skin/controls/changed_value.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/button_menu_state.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/common_data_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/image_painting.h"
#include "skin/core/paint_colors.h"
#include "skin/core/pixel_copy.h"
#include "skin/core/pixel_fill.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skin_text_win.h"
#include "skin/launcher-controls/anim_timer.h"
#include "skin/launcher-controls/speed_button_layout.h"

namespace {

constexpr int kSpeedButtonKind = 92;

// Set while any speed button shows its drop-down menu: one menu at a time.
bool DropDownShown = false;

bool Fades(const TsCommonData* record) {
  const TsGeneralData* s = record->Section();
  return s && s->FadingEnabled && !FadeSuppressed && !FadeSuppressedForSkinChange;
}

// Application.ShowHint off for the length of a press; back however the
// press ends.
class PressHints {
 public:
  PressHints() {
    if (HintsSuspended) return;
    SavedShowHint = Application->ShowHint();
    Application->SetShowHint(false);
    HintsSuspended = true;
  }
  ~PressHints() {
    if (!HintsSuspended) return;
    Application->SetShowHint(SavedShowHint);
    HintsSuspended = false;
  }
};

}  // namespace

TsSpeedButton::TsSpeedButton(TComponent* owner)
    : TSpeedButton(owner), skinData_(std::make_unique<TsCommonData>(this, true)) {
  skinData_->ControlKind = kSpeedButtonKind;
  previousGlyphChange_ = GlyphPainter().OnChange;
  GlyphPainter().OnChange = [this](TObject* sender) { GlyphChanged(sender); };
  ApplySkinLook();
}

TsSpeedButton::~TsSpeedButton() {
  StopAnimation();
  if (DropDownControl == this) DropDownControl = nullptr;
  if (AnimatedControl == this) AnimatedControl = nullptr;
  if (images_) RemoveFreeNotification(images_);
  if (dropdownMenu_) RemoveFreeNotification(dropdownMenu_);
}

void TsSpeedButton::ApplySkinLook() {
  skinData_->ApplySkinColors();
  if (skinData_->IsSkinned()) SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
}

void TsSpeedButton::Loaded() {
  TSpeedButton::Loaded();
  ApplySkinLook();
}

void TsSpeedButton::GlyphChanged(TObject* sender) {
  if (previousGlyphChange_) previousGlyphChange_(sender);
  if (Loading() || Destroying() || ControlState().Contains(csCreating)) return;
  skinData_->InvalidateSkin();
}

// -- Properties ---------------------------------------------------------------------------------

void TsSpeedButton::Changed() {
  if (Visible()) skinData_->BackgroundStale = true;
  Repaint();
}

void TsSpeedButton::SetAlignment(TAlignment v) {
  if (StoreChanged(alignment_, v)) Changed();
}
void TsSpeedButton::SetBlend(int v) {
  if (StoreChanged(blend_, std::clamp(v, 0, 100))) Changed();
}
void TsSpeedButton::SetDisabledGlyphKind(TsDisabledGlyphKind v) {
  if (StoreChanged(disabledGlyphKind_, v)) Changed();
}
void TsSpeedButton::SetDisabledKind(TsDisabledKind v) {
  if (StoreChanged(disabledKind_, v)) Changed();
}
void TsSpeedButton::SetGrayed(bool v) {
  if (StoreChanged(grayed_, v)) Changed();
}
void TsSpeedButton::SetTextOffset(int v) {
  if (StoreChanged(textOffset_, v)) Changed();
}
void TsSpeedButton::SetDrawOverBorder(bool v) {
  if (StoreChanged(drawOverBorder_, v)) Changed();
}
void TsSpeedButton::SetTextAlignment(TAlignment v) {
  if (StoreChanged(textAlignment_, v)) Changed();
}

void TsSpeedButton::SetButtonStyle(TToolButtonStyle v) {
  if (buttonStyle_ == v) return;
  if (!Loading()) SetWidth(WidthForStyleChange(Width(), buttonStyle_, v));
  buttonStyle_ = v;
  Changed();
}

void TsSpeedButton::SetImageIndex(int v) {
  if (!StoreChanged(imageIndex_, v)) return;
  if (!skinData_->IsSkinned() && images_) SetGlyph(nullptr);
  Changed();
}

void TsSpeedButton::SetImages(TCustomImageList* v) {
  if (images_ == v) return;
  if (images_) RemoveFreeNotification(images_);
  images_ = v;
  if (images_) {
    FreeNotification(images_);
    if (!skinData_->IsSkinned() && imageIndex_ >= 0 && imageIndex_ < ImageListCount(images_)) SetGlyph(nullptr);
  }
  Changed();
}

void TsSpeedButton::SetDropdownMenu(TPopupMenu* v) {
  if (dropdownMenu_ == v) return;
  if (dropdownMenu_) RemoveFreeNotification(dropdownMenu_);
  dropdownMenu_ = v;
  if (dropdownMenu_) FreeNotification(dropdownMenu_);
}

void TsSpeedButton::SetShowCaption(bool v) {
  if (!StoreChanged(showCaption_, v)) return;
  ApplyCaptionKeeping();
  Changed();
}

void TsSpeedButton::ApplyCaptionKeeping() {
  const std::string shown = KeepCaption(keptCaption_, Caption(), showCaption_);
  if (Caption() != shown) SetCaption(shown);
}

void TsSpeedButton::Notification(TComponent* component, TOperation operation) {
  TSpeedButton::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == images_) {
    images_ = nullptr;
    Changed();
  }
  if (component == dropdownMenu_) dropdownMenu_ = nullptr;
}

void TsSpeedButton::Invalidate() {
  // The platform's setters of layout and margin only invalidate.
  if (skinData_ && (Layout() != paintedLayout_ || Margin() != paintedMargin_)) {
    paintedLayout_ = Layout();
    paintedMargin_ = Margin();
    skinData_->BackgroundStale = true;
  }
  TSpeedButton::Invalidate();
}

void TsSpeedButton::Repaint() {
  if (ControlState().Contains(csCreating) || Destroying() || Loading()) return;
  TWinControl* parent = Parent();
  if (!parent || !Visible() || !parent->HandleAllocated()) return;
  SendCmdToControl(parent, SkinCmdSetPaintingChild, reinterpret_cast<LPARAM>(static_cast<TComponent*>(this)));
  // The parent must not keep painting this button after a paint that raised.
  struct NoPaintingChild {
    TWinControl* parent;
    ~NoPaintingChild() { SendCmdToControl(parent, SkinCmdSetPaintingChild, 0); }
  } done{parent};
  TSpeedButton::Repaint();
}

// -- Measures -----------------------------------------------------------------------------------

int TsSpeedButton::Strip() const { return DropDownStripWidth(buttonStyle_); }

int TsSpeedButton::CurrentState() {
  if (State() == bsDown || State() == bsExclusive) return ButtonStatePressed;
  return skinData_->IsActiveState() ? ButtonStateActive : ButtonStateNormal;
}

int TsSpeedButton::GlyphWidth() { return ButtonGlyphSize(Glyph(), NumGlyphs(), images_, imageIndex_).cx; }

int TsSpeedButton::GlyphHeight() { return ButtonGlyphSize(Glyph(), NumGlyphs(), images_, imageIndex_).cy; }

TSize TsSpeedButton::CaptionSize() {
  TBitmap* cache = CacheBitmapOf(skinData_.get());
  if (!cache || !showCaption_ || Caption().empty()) return TSize{0, 0};
  TCanvas* canvas = cache->Canvas();
  canvas->SetFont(Font());
  const int gw = GlyphWidth();
  int room = Width() - Strip() - 2 * std::max(Margin(), 0);
  if (gw > 0) room -= gw + Spacing();
  return brsm::TButtonGlyph::CaptionSize(canvas, Caption(), std::max(room, 0), true);
}

TRect TsSpeedButton::GlyphRect() {
  TsGlyphPlaceFacts f = ReadGlyphPlaceFacts(this, TSize{GlyphWidth(), GlyphHeight()}, CaptionSize(),
                                            CurrentState() == ButtonStatePressed);
  f.RightStrip = Strip();
  return SpeedButtonGlyphRect(f);
}

TRect TsSpeedButton::CaptionRect() {
  TRect glyphRect, textRect;
  LayoutGlyphAndText(TRect{0, 0, Width() - Strip(), Height()}, CaptionSize(), TSize{GlyphWidth(), GlyphHeight()},
                     0, glyphRect, textRect, Spacing(), Margin(), alignment_, Layout());
  textRect.Left += textOffset_ - 1;
  textRect.Right += textOffset_ + 2;
  if (CurrentState() == ButtonStatePressed) {
    ++textRect.Left;
    ++textRect.Right;
    ++textRect.Top;
    ++textRect.Bottom;
  }
  return textRect;
}

// -- Face ---------------------------------------------------------------------------------------

void TsSpeedButton::DrawCaptionText(TCanvas* canvas, const std::string& text, TRect rect, unsigned flags) {
  DrawControlText(canvas, text, Enabled(), CurrentState() != ButtonStateNormal, skinData_.get(), flags, rect);
}

void TsSpeedButton::DrawCaption(int /*state*/) {
  TBitmap* cache = CacheBitmapOf(skinData_.get());
  if (!showCaption_ || !cache || cache->Empty() || Caption().empty()) return;
  TCanvas* canvas = cache->Canvas();
  canvas->SetFont(Font());
  canvas->Brush()->SetStyle(bsClear);
  DrawCaptionText(canvas, Caption(), CaptionRect(),
                  AlignmentTextFlags(this, textAlignment_) | DT_EXPANDTABS | DT_WORDBREAK);
}

void TsSpeedButton::DrawGlyph() { DrawSpeedButtonGlyph(this); }

void TsSpeedButton::UpdateImageGlyph() {
  TBitmap* g = Glyph();
  if ((g && !g->Empty()) || Loading() || ImageListCount(images_) < 1) return;
  TBitmap glyph;
  int count = NumGlyphs() & 0x7F;
  MakeImageListGlyph(this, skinData_.get(), imageIndex_, count, disabledGlyphKind_, &glyph, images_);
  if (glyph.Empty()) return;
  SetGlyph(&glyph);
  SetNumGlyphs(count);
}

void TsSpeedButton::PaintGap() {
  TBitmap* cache = CacheBitmapOf(skinData_.get());
  const TPixelBufferView view = cache->PixelView();
  const TColor back =
      ParentBackColor != SkinTransparentColor ? ParentBackColor : ColorToRGB(Parent() ? Parent()->Color() : clBtnFace);
  FillRectPixels(view, TRect{0, 0, Width(), Height()}, back);
  TsSkinManager* m = skinData_->SkinManager();
  if (buttonStyle_ != tbsDivider || !m) return;
  const int item = m->LookupImageItem(m->LookupSection("DIVIDER"), "DIVIDER", "BORDERSMASK");
  if (!m->IsValidMaskIndex(item)) return;
  TPoint cell;
  m->ImageCellSize(item, cell);
  const int x = (Width() - cell.X) / 2;
  PaintMaskImage(view, TRect{x, 0, x + cell.X, Height()}, true, 0, 0, m->MaskItems[static_cast<size_t>(item)],
                 parentCache_);
}

void TsSpeedButton::PaintArrowStrip(int state) {
  TsSkinManager* m = skinData_->SkinManager();
  TBitmap* cache = CacheBitmapOf(skinData_.get());
  const int w = SpeedButtonArrowWidth, h = Height();
  if (Width() <= w || h <= 0) return;
  const int stripState = dropDownOpen_ || Down() ? ButtonStatePressed : std::min(state, int{ButtonStateActive});
  std::unique_ptr<TBitmap> strip(CreateBitmap24(w, h));
  GdiFlush();
  TCacheInfo under = parentCache_;
  under.X += Width() - w;
  PaintControlBackground(skinData_.get(), under, stripState, strip->PixelView(), TPoint{0, 0}, TRect{0, 0, w, h});
  if (m && m->IsValidMaskIndex(skinData_->BorderItemIndex))
    CutMaskCorners(strip->PixelView(), nullptr, false, stripState,
                   m->MaskItems[static_cast<size_t>(skinData_->BorderItemIndex)]);
  // A small arrow pointing down, in the section's font colour.
  const TsGeneralData* s = skinData_->Section();
  const TColor ink = ColorToRGB(s ? (stripState == ButtonStateNormal ? s->FontColor[0] : s->HotFontColor[0]) : clBlack);
  const int cx = w / 2, top = h / 2 - 2 + (stripState == ButtonStatePressed ? 1 : 0);
  for (int i = 0; i < 4; ++i)
    FillRectPixels(strip->PixelView(), TRect{cx - 3 + i, top + i, cx + 4 - i, top + i + 1}, ink);
  CopyPixels(cache->PixelView(), Width() - w, 0, strip->PixelView(), TRect{0, 0, w, h});
}

void TsSpeedButton::PaintFace(int state) {
  TsSkinManager* m = skinData_->SkinManager();
  TBitmap* cache = CacheBitmapOf(skinData_.get());
  PaintControlBackground(skinData_.get(), parentCache_, state, cache->PixelView(), TPoint{0, 0},
                         TRect{0, 0, Width(), Height()});
  auto border = [&] {
    if (!m || !m->IsValidMaskIndex(skinData_->BorderItemIndex)) return;
    GdiFlush();
    CutMaskCorners(cache->PixelView(), nullptr, false, state,
                   m->MaskItems[static_cast<size_t>(skinData_->BorderItemIndex)]);
  };
  if (drawOverBorder_) border();
  DrawCaption(state);
  GdiFlush();
  DrawGlyph();
  if (!drawOverBorder_) border();
  if (buttonStyle_ == tbsDropDown) PaintArrowStrip(state);
  if (!Enabled()) {
    GdiFlush();
    PaintDisabledLook(cache->PixelView(), disabledKind_, Parent(), TPoint{0, 0}, parentCache_);
  }
}

void TsSpeedButton::PrepareCache() {
  TsCommonData* sd = skinData_.get();
  ReadParentLook(this, sd, parentCache_);
  TBitmap* cache = CacheBitmapOf(sd);
  if (cache && !cache->Empty()) {
    GdiFlush();
    if (buttonStyle_ == tbsSeparator || buttonStyle_ == tbsDivider)
      PaintGap();
    else
      PaintFace(CurrentState());
    if (OnPaint) OnPaint(this, cache);
  }
  ParentBackColor = SkinTransparentColor;
  TransparentFillColor = SkinTransparentColor;
  sd->BackgroundStale = false;
}

// -- Paint --------------------------------------------------------------------------------------

void TsSpeedButton::Paint() {
  TsCommonData* sd = skinData_.get();
  TsSkinManager* m = sd->SkinManager();
  if (m && m->Active() && sd->SectionIndex <= 0) sd->RefreshSkinIndexes();
  if (!sd->IsSkinned() || (!Visible() && !Designing())) {
    if (Visible() || Designing()) UpdateImageGlyph();
    TSpeedButton::Paint();
    return;
  }
  if (Width() <= 0 || Height() <= 0 || sd->Updating) return;
  HDC dc = Canvas()->Handle();
  if (animTimer_ && animTimer_->FrameImage->Width() == Width()) {
    GdiFlush();
    TBitmap* frame = animTimer_->FrameImage.get();
    BitBlt(dc, 0, 0, frame->Width(), frame->Height(), frame->Canvas()->Handle(), 0, 0, SRCCOPY);
    return;
  }
  bool changed = Down() != paintedDown_ || sd->BackgroundStale || sd->RedrawFlag;
  paintedDown_ = Down();
  sd->RedrawFlag = sd->NeedsFullRedraw();
  if (changed) {
    paintedGlyphs_ = NumGlyphs();
    paintedSpacing_ = Spacing();
  } else if (paintedGlyphs_ != NumGlyphs() || paintedSpacing_ != Spacing()) {
    changed = true;
  }
  if (changed && !sd->ForceFullRedraw) PrepareCache();
  RedrawCachedBorders(sd, 0);
  TBitmap* cache = CacheBitmapOf(sd);
  if (cache && !cache->Empty()) {
    GdiFlush();
    BitBlt(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
  }
}

// -- Looks and the fade -------------------------------------------------------------------------

void TsSpeedButton::ChangeLook(bool animate, bool halveSteps) {
  TsCommonData* sd = skinData_.get();
  if (animate && sd->IsSkinned() && Fades(sd) && !sd->BackgroundStale) {
    sd->BackgroundStale = true;
    StartFade(halveSteps);
    return;
  }
  sd->BackgroundStale = true;
  StopAnimation();
  Repaint();
}

void TsSpeedButton::StartFade(bool halveSteps) {
  TsCommonData* sd = skinData_.get();
  int stepsLeft = 0;
  if (TsAnimTimer* running = animTimer_) {
    stepsLeft = AnimStepsLeft(*running);
    animTimer_ = nullptr;
    running->SetEnabled(false);
    running->Free();
  }
  if (!Fades(sd)) return;
  animTimer_ = new TsAnimTimer(nullptr);
  animTimer_->Prepare(sd);
  PlanAnimSteps(*animTimer_, animTimer_->StepCount, halveSteps, stepsLeft);
  if (TBitmap* cache = CacheBitmapOf(sd)) {
    GdiFlush();
    animTimer_->StartImage->Assign(cache);
  }
  PrepareCache();
  RedrawCachedBorders(sd, 1);
  animTimer_->SetEnabled(true);
  animTimer_->AnimStep();
}

void TsSpeedButton::StopAnimation() {
  TsAnimTimer* t = animTimer_;
  if (!t) return;
  animTimer_ = nullptr;
  const bool stepped = t->StepIndex > 0;
  t->SetEnabled(false);
  t->Free();
  if (stepped) Repaint();
}

void TsSpeedButton::MouseEnter() {
  TsCommonData* sd = skinData_.get();
  if (sd->Hot) return;
  sd->Hot = true;
  ChangeLook(AnimEventEnabled(aeMouseEnter, animatEvents_), false);
}

void TsSpeedButton::MouseLeave() {
  skinData_->Hot = false;
  if (State() == bsDown) SetState(bsUp);
  ChangeLook(AnimEventEnabled(aeMouseLeave, animatEvents_), false);
}

// -- Window procedure ---------------------------------------------------------------------------

bool TsSpeedButton::HandleSkinCommand(TMessage& m) {
  if (AnswerIdentityQuery(m)) return true;
  TsCommonData* sd = skinData_.get();
  const bool own = m.LParam == reinterpret_cast<LPARAM>(sd->SkinManager());
  switch (SkinCmdOf(m.WParam)) {
    case SkinCmdNewSkin:
      if (!own) return false;
      if (ImageListCount(images_) > 0) SetGlyph(nullptr);
      CommonControlMessage(m, sd);
      if (sd->IsSkinned()) SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
      return true;
    case SkinCmdSkinRemoved:
      if (!own || Destroying()) return false;
      StopAnimation();
      CommonControlMessage(m, sd);
      Repaint();
      SetControlStyle(ControlStyle() - TControlStyle{csOpaque});
      return false;
    case SkinCmdSkinReapplied:
      if (!own) return false;
      CommonControlMessage(m, sd);
      if (Visible()) Repaint();
      return true;
    case SkinCmdFinishUpdate:
      if (sd->Updating) {
        sd->Updating = false;
        Repaint();
      }
      return true;
  }
  return false;
}

// True when the message is fully handled.
bool TsSpeedButton::HandleSkinnedMessage(TMessage& m) {
  TsCommonData* sd = skinData_.get();
  switch (m.Msg) {
    case CommandMessage:
      switch (SkinCmdOf(m.WParam)) {
        case SkinCmdForceFullRedraw:
          CommonControlMessage(m, sd);
          if (sd->ForceFullRedraw) PrepareCache();
          return true;
        case SkinCmdQueryUpdating:
          if (sd->Updating) m.LParam = 1;
          return true;
        case SkinCmdRepaintSection:
          Repaint();
          return true;
        case SkinCmdHaltAnimation:
          StopAnimation();
          return true;
      }
      break;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      if (Visible()) sd->BackgroundStale = true;
      break;
    case WM_ERASEBKGND:
      return true;
    case WM_LBUTTONUP:
      if (!Designing() && animTimer_ && animTimer_->FrameImage->Width() == Width()) {
        StopAnimation();
        PrepareCache();
        Repaint();
      }
      break;
    case CM_TEXTCHANGED:
      if (!showCaption_) break;
      sd->InvalidateSkin();
      return true;
    case CM_MOUSEENTER: {
      const bool enter = Enabled() && !MouseInControl() && !Designing();
      TSpeedButton::WndProc(m);
      if (enter) MouseEnter();
      return true;
    }
    case CM_MOUSELEAVE:
      TSpeedButton::WndProc(m);
      if (Enabled()) MouseLeave();
      return true;
  }
  if (CommonControlMessage(m, sd)) return true;
  TSpeedButton::WndProc(m);
  switch (m.Msg) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      if (Designing() && !sd->Updating) Repaint();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!Designing()) ChangeLook(AnimEventEnabled(aeMouseDown, animatEvents_), true);
      break;
    case WM_LBUTTONUP:
      if (Designing() || Destroying())
        m.Result = 1;
      else
        ChangeLook(AnimEventEnabled(aeMouseUp, animatEvents_), true);
      break;
    case CM_VISIBLECHANGED:
      Perform(CM_MOUSELEAVE);
      break;
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
      if (Visible()) {
        sd->BackgroundStale = true;
        Repaint();
      }
      break;
  }
  return true;
}

void TsSpeedButton::UnskinnedMessage(TMessage& m) {
  // The inherited handling calls OnMouseEnter and OnMouseLeave.
  if (m.Msg == CM_MOUSELEAVE && Enabled() && !Designing() && State() == bsDown) SetState(bsUp);
  TSpeedButton::WndProc(m);
}

void TsSpeedButton::WndProc(TMessage& m) {
  if (m.Msg == CommandMessage && HandleSkinCommand(m)) return;
  if (IsControlPaintable(this) && skinData_->IsSkinned()) {
    HandleSkinnedMessage(m);
    return;
  }
  UnskinnedMessage(m);
}

// -- Mouse --------------------------------------------------------------------------------------

void TsSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  PressHints hints;
  TsDropDownPress press;
  press.LeftButton = button == mbLeft;
  press.Enabled = Enabled();
  press.Style = buttonStyle_;
  press.HasMenu = dropdownMenu_ != nullptr;
  press.HasOnClick = static_cast<bool>(OnClick);
  press.X = x;
  press.Width = Width();
  if (PressOpensDropDown(press))
    OpenDropDown();
  else
    TSpeedButton::MouseDown(button, shift, x, y);
}

void TsSpeedButton::OpenDropDown() {
  DropDownControl = this;
  StopAnimation();
  if (DropDownShown) return;
  const bool noOnClick = !OnClick;
  DropDownShown = true;
  dropDownOpen_ = true;
  // Undone on every path, a menu handler that raises included.
  struct Closed {
    TsSpeedButton* button;
    bool noOnClick;
    bool done = false;
    void Now() {
      if (done) return;
      done = true;
      button->dropDownOpen_ = false;
      DropDownShown = false;
      if (DropDownControl == button) DropDownControl = nullptr;
    }
    ~Closed() {
      if (done) return;
      Now();
      if (noOnClick) button->SetState(bsUp);
      button->skinData_->BackgroundStale = true;
      try {
        button->Repaint();
      } catch (...) {
        // The menu's own exception is the one that goes on.
      }
    }
  } closed{this, noOnClick};
  skinData_->BackgroundStale = true;
  if (noOnClick) SetState(bsDown);
  Repaint();
  const TPoint at = ClientToScreen(DropDownMenuPoint(Height()));
  dropdownMenu_->SetPopupComponent(this);
  dropdownMenu_->Popup(at.X, at.Y);
  closed.Now();
  POINT cursor{};
  GetCursorPos(&cursor);
  if (!DropDownStayRect(at, Width(), Height()).Contains(cursor.x, cursor.y)) Perform(CM_MOUSELEAVE);
  if (noOnClick) SetState(bsUp);
  skinData_->BackgroundStale = true;
  Repaint();
}

void TsSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && Enabled() && buttonStyle_ == tbsDropDown) {
    dropDownOpen_ = false;
    if (DropDownControl == this) DropDownControl = nullptr;
  }
  TSpeedButton::MouseUp(button, shift, x, y);
}

#include "skin/controls/hint_windows.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

#include "platform/forms/extctrls.h"
#include "platform/forms/forms.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/font.h"
#include "platform/graphics/picture.h"
#include "skin/controls/hint_manager.h"
#include "skin/controls/hint_pixels.h"
#include "skin/controls/html_canvas_win.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/bitmap_region.h"
#include "skin/core/blending.h"
#include "skin/core/common_data.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/manager_platform.h"
#include "skin/core/paint_colors.h"
#include "skin/core/paint_seam.h"
#include "skin/core/pixel_fill.h"
#include "skin/core/round_shadow.h"
#include "skin/core/section_painting.h"
#include "skin/core/skin_commands.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skin_text_win.h"
#include "skin/core/skin_utils.h"

namespace {

// The blend of UpdateLayeredWindow; only its constant alpha changes.
BLENDFUNCTION layeredBlend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};

constexpr int kFadeSteps = 31;
constexpr DWORD kFadeStepMs = 8;

TPixelBufferView ViewOf(TBitmap* bitmap) {
  GdiFlush();
  return bitmap ? bitmap->PixelView() : TPixelBufferView{};
}

TsHintKind* Kind() { return CurrentHintManager ? CurrentHintManager->HintKind() : nullptr; }

// A 24-bit bitmap of the size, filled with the colour.
TBitmap* FilledBitmap(int w, int h, TColor color) {
  TBitmap* b = CreateBitmap24(std::max(w, 0), std::max(h, 0));
  FillRectPixels(ViewOf(b), TRect{0, 0, b->Width(), b->Height()}, color);
  return b;
}

void UseGrey(TCanvas* canvas, int level) {
  const TColor grey = RGBColor(static_cast<uint8_t>(level), static_cast<uint8_t>(level),
                               static_cast<uint8_t>(level));
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(grey);
  canvas->Pen()->SetStyle(psSolid);
  canvas->Pen()->SetColor(grey);
}

void DrawTail(TCanvas* canvas, TPoint tip, int centreX, int y, int halfWidth) {
  const TPoint points[3] = {tip, TPoint{centreX - halfWidth, y}, TPoint{centreX + halfWidth, y}};
  canvas->Polygon(points, 3);
}

}  // namespace

// -- TsCustomHintWindow -------------------------------------------------------------

TsCustomHintWindow::TsCustomHintWindow(TComponent* owner) : THintWindow(owner) {
  layeredBlend.BlendOp = 0;
  layeredBlend.BlendFlags = 0;
  layeredBlend.AlphaFormat = 1;
}

TsCustomHintWindow::~TsCustomHintWindow() = default;

void TsCustomHintWindow::CreateParams(TCreateParams& params) {
  THintWindow::CreateParams(params);
  params.Style = (params.Style & ~static_cast<DWORD>(WS_BORDER)) | 0x20;
}

bool TsCustomHintWindow::SkinInUse() const {
  return CurrentHintManager && CurrentHintManager->SkinDataInUse();
}

int TsCustomHintWindow::ShadowShift() const {
  TsHintKind* k = Kind();
  return k && k->ShadowEnabled() ? k->ShadowOffset() : 0;
}

TRect TsCustomHintWindow::ClientArea() const { return TRect{0, 0, Width(), Height()}; }

TBitmap* TsCustomHintWindow::Work() const {
  return CurrentHintManager ? CurrentHintManager->WorkBitmap() : nullptr;
}

TRect TsCustomHintWindow::CalcHintRect(int, const std::string& hint, void*) {
  TsHintKind* k = Kind();
  THintSizing s;
  s.Style = Shape();
  TRect r{0, 0, 0, 0};
  extraWidth_ = extraHeight_ = 0;
  if (HintFrame) {
    s.HasFrame = true;
    r = TRect{0, 0, HintFrame->Width(), HintFrame->Height()};
  } else {
    if (!k) return TRect{0, 0, 0, 0};
    s.SkinInUse = SkinInUse();
    sectionIndex_ = maskIndex_ = patternIndex_ = -1;
    if (s.SkinInUse) {
      const std::string& name = CurrentHintManager->SkinSection();
      sectionIndex_ = DefaultManager->LookupSection(name);
      if (sectionIndex_ < 0) {
        sectionIndex_ = DefaultManager->LookupSection("EDIT");
        maskIndex_ = DefaultManager->LookupImageItemNoParent("EDIT", "BORDERSMASK");
      } else {
        maskIndex_ = DefaultManager->LookupImageItemNoParent(name, "BORDERSMASK");
      }
      patternIndex_ = DefaultManager->LookupTextureItem(sectionIndex_, name, "PATTERN");
      if (maskIndex_ >= 0 && maskIndex_ < static_cast<int>(DefaultManager->MaskItems.size()))
        s.Borders = HintSkinBorders(&DefaultManager->MaskItems[maskIndex_]);
    }
    r = TRect{0, 0, k->MaxWidth(), 0};
    TBitmap* work = Work();
    TCanvas* canvas = work->Canvas();
    canvas->SetFont(s.SkinInUse ? Screen->HintFont() : k->Font());
    if (CurrentHintManager->HTMLMode()) {
      RenderMarkup(canvas, hint, r);
    } else {
      canvas->TextRect(r, hint,
                       static_cast<unsigned>(DrawTextBiDiModeFlags(DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX |
                                                                   DT_CENTER | DT_VCENTER)));
    }
  }
  if (k) {
    s.MarginH = k->MarginH();
    s.MarginV = k->MarginV();
    s.BevelWidth = k->BevelWidth();
    s.ExOffset = k->ExOffset();
    s.Shadow = ShadowShift();
    s.SkinInUse = SkinInUse();
  }
  s.Desktop = TSize{Screen->DesktopWidth(), Screen->DesktopHeight()};
  const THintSize size = FinishHintRect(r, s);
  extraWidth_ = size.ExtraWidth;
  extraHeight_ = size.ExtraHeight;
  return size.Rect;
}

void TsCustomHintWindow::GetMousePosition(TPoint& point) {
  point = CurrentHintManager ? CurrentHintManager->HintPosition() : TPoint{-1, -1};
  if (point.X == -1) point = Mouse->CursorPos();
}

void TsCustomHintWindow::ActivateHint(TRect rect, const std::string& hint) {
  TsHintKind* k = Kind();
  if (!k || k->Style() == hsNone) return;
  const int w = rect.Width(), h = rect.Height();
  // Nothing to show: no text and no frame, or no area.
  if ((hint.empty() && !HintFrame) || w <= 0 || h <= 0) return;
  HandleNeeded();
  const bool skin = SkinInUse();
  const DWORD classStyle = GetClassLongW(Handle(), GCL_STYLE);
  SetClassLongW(Handle(), GCL_STYLE,
                skin && LayeredWindowProc ? classStyle | CS_DROPSHADOW : classStyle & ~CS_DROPSHADOW);
  SetCaption(hint);
  TPoint point;
  GetMousePosition(point);
  const TRect desktop{Screen->DesktopLeft(), Screen->DesktopTop(),
                      Screen->DesktopLeft() + Screen->DesktopWidth(),
                      Screen->DesktopTop() + Screen->DesktopHeight()};
  const THintPlacement placed = PlaceHint(point, w, h, CurrentHintManager->DefaultMousePos(), desktop);
  shownCorner_ = placed.Corner;
  UpdateBoundsRect(placed.Rect);
  Work()->SetSize(w, h);
  if (LayeredWindowProc) ShowLayered(placed.Rect);
  else ShowPlain(placed.Rect);
  if (CurrentHintManager) {
    TPoint p = CurrentHintManager->HintPosition();
    p.X = -1;
    CurrentHintManager->SetHintPosition(p);
  }
}

bool TsCustomHintWindow::ShowLayered(const TRect& r) {
  TsHintKind* k = Kind();
  const int w = r.Width(), h = r.Height();
  SetWindowPos(Handle(), HWND_TOPMOST, r.Left, r.Top, w, h, SWP_NOACTIVATE);
  layeredBlend.SourceConstantAlpha = static_cast<BYTE>(HintConstantAlpha(k->Transparency()));
  std::unique_ptr<TBitmap> layered(CreateBitmap32(w, h));
  if (!layered || layered->Width() != w || layered->Height() != h) return false;
  RebuildMaskAndRegion();
  std::unique_ptr<TBitmap> image(MakeImage());
  image_.reset();
  TBitmap* work = Work();
  FillRectPixels(ViewOf(work), TRect{0, 0, w, h}, clWhite);
  PaintShadow(nullptr);
  if (!image || !mask_) return false;
  ComposeLayeredImage(ViewOf(layered.get()), ViewOf(image.get()), ViewOf(mask_.get()), ViewOf(work));
  image.reset();
  SetWindowLongW(Handle(), GWL_EXSTYLE, GetWindowLongW(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
  HDC screen = GetDC(nullptr);
  HDC source = layered->Canvas()->Handle();
  SIZE size{w, h};
  POINT origin{0, 0};
  auto update = [&] {
    LayeredWindowProc(Handle(), screen, nullptr, &size, source, &origin, 0x1FFFFFFF, &layeredBlend,
                      ULW_ALPHA);
  };
  const bool nt = ManagerPlatform().IsNTFamily();
  if (CurrentHintManager->Animated() && nt) {
    int t = k->Transparency();
    if (SkinInUse() && sectionIndex_ >= 0 && sectionIndex_ < static_cast<int>(DefaultManager->SectionItems.size()))
      t = DefaultManager->SectionItems[sectionIndex_].Transparency;
    const int g = ClampPercent(t);
    if (!ComponentState().Contains(csDestroying)) {
      const double target = std::nearbyint((100 - g) * 2.55);
      const double step = target / kFadeSteps;
      double alpha = 0;
      layeredBlend.SourceConstantAlpha = 0;
      update();
      ShowWindow(Handle(), SW_SHOWNOACTIVATE);
      RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_NOERASE);
      for (int i = 0; i < kFadeSteps; ++i) {
        alpha += step;
        layeredBlend.SourceConstantAlpha = static_cast<BYTE>(std::clamp(std::lround(alpha), 0L, 255L));
        if (ComponentState().Contains(csDestroying)) break;
        update();
        Sleep(kFadeStepMs);
      }
    }
  } else if (nt) {
    layeredBlend.SourceConstantAlpha = static_cast<BYTE>(HintConstantAlpha(k->Transparency()));
    update();
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
  } else {
    SetWindowPos(Handle(), HWND_TOPMOST, r.Left, r.Top, w, h, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  }
  ReleaseDC(nullptr, screen);
  return true;
}

bool TsCustomHintWindow::ShowPlain(const TRect& r) {
  const int w = r.Width(), h = r.Height();
  HDC screen = GetDC(nullptr);
  if (!screen) {
    ShowErrorBox("GDI error (out of resources)");
    return false;
  }
  if (!snapshot_) snapshot_.reset(CreateBitmap24(w, h));
  else snapshot_->SetSize(w, h);
  if (snapshot_->Width() != w || snapshot_->Height() != h) {
    ReleaseDC(nullptr, screen);
    return false;
  }
  BitBlt(snapshot_->Canvas()->Handle(), 0, 0, w, h, screen, r.Left, r.Top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  Work()->Canvas()->Draw(0, 0, snapshot_.get());
  SetWindowPos(Handle(), HWND_TOPMOST, r.Left, r.Top, w, h, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
  return true;
}

void TsCustomHintWindow::RebuildMaskAndRegion() {
  mask_.reset(MakeMask());
  TRegionHandle region = nullptr;
  if (mask_ && SkinInUse()) BuildBitmapRegion(region, ViewOf(mask_.get()), clWhite);
  if (HandleAllocated()) SetWindowRgn(Handle(), static_cast<HRGN>(region), FALSE);
  else if (region) PaintSeam().DeleteRegion(region);
}

void TsCustomHintWindow::Paint() {
  if (!CurrentHintManager) return;
  TBitmap* work = Work();
  // Each painting starts from the screen under the window, so a repaint
  // does not lay the shadow over the last one.
  if (snapshot_ && !LayeredWindowProc && snapshot_->Width() == work->Width() &&
      snapshot_->Height() == work->Height())
    work->Canvas()->Draw(0, 0, snapshot_.get());
  struct TFreeAfterPaint {
    TsCustomHintWindow* self;
    ~TFreeAfterPaint() {
      self->image_.reset();
      self->mask_.reset();
    }
  } freeAfter{this};
  if (Kind()->ShadowEnabled()) PaintShadow(nullptr);
  image_.reset(MakeImage());
  if (!mask_) RebuildMaskAndRegion();
  if (image_ && mask_) MixThroughMask(ViewOf(work), ViewOf(image_.get()), ViewOf(mask_.get()), ClientArea());
  BitBlt(Canvas()->Handle(), 0, 0, work->Width(), work->Height(), work->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TsCustomHintWindow::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    case WM_NCPAINT:
      if (CurrentHintManager) RebuildMaskAndRegion();
      m.Result = 1;
      return;
    case CommandMessage:
      if (SkinCmdOf(m.WParam) == SkinCmdQueryCache) {
        // The picture lives only while a painting runs.
        if (image_) ParentCacheInfo = MakeCacheInfo(ViewOf(image_.get()), 0, 0);
        else ParentCacheInfo.Ready = false;
      } else if (SkinCmdOf(m.WParam) == SkinCmdQueryBackgroundKind) {
        m.LParam = 1;
      }
      break;
  }
  THintWindow::Dispatch(m);
}

TRect TsCustomHintWindow::GetBodyRect() {
  TsHintKind* k = Kind();
  return HintBodyRect(Shape(), SkinInUse(), shownCorner_, Width(), Height(), ShadowShift(),
                      k ? k->ExOffset() : 0);
}

TBitmap* TsCustomHintWindow::MakeMask() {
  if (!SkinInUse()) return nullptr;
  TBitmap* b = CreateBitmap24(Width(), Height());
  const TPixelBufferView v = ViewOf(b);
  const TColor fill = 0xFF00FF - 1;
  TransparentFillColor = fill;
  // Keyed corners of a plain border image take what lies under them from a
  // ready cache, not the fill colour: a backdrop of that colour makes every
  // see-through pixel show it whichever way the image is cut.
  TPixelBuffer backdrop(v.Width, v.Height);
  FillRectPixels(backdrop.View(), TRect{0, 0, v.Width, v.Height}, fill);
  PaintSectionWithMask(sectionIndex_, maskIndex_, patternIndex_, DefaultManager, v, TPoint{0, 0},
                       ClientArea(), 0, true, MakeCacheInfo(backdrop.View(), 0, 0),
                       CurrentHintManager->SkinSection(), -1);
  TransparentFillColor = 0xFF00FF;
  for (int y = 0; y < v.Height; ++y)
    for (int x = 0; x < v.Width; ++x) {
      uint8_t* p = v.Pixel(x, y);
      // A band copied from the image verbatim may still carry the skin's
      // key colour: it is see-through as well.
      const TColor c = RGBColor(p[2], p[1], p[0]);
      const bool see = c == fill || c == SkinTransparentColor;
      p[0] = p[1] = p[2] = see ? 255 : 0;
    }
  return b;
}

TBitmap* TsCustomHintWindow::MakeImage() {
  if (!SkinInUse()) return nullptr;
  TBitmap* b = CreateBitmapLike(Work());
  const TCacheInfo cache = snapshot_ ? MakeCacheInfo(ViewOf(snapshot_.get()), 0, 0) : EmptyCacheInfo;
  PaintSectionWithMask(sectionIndex_, maskIndex_, patternIndex_, DefaultManager, ViewOf(b), TPoint{0, 0},
                       ClientArea(), 0, true, cache, CurrentHintManager->SkinSection(), -1);
  PaintText(b);
  return b;
}

void TsCustomHintWindow::PaintBackground(TBitmap* bitmap, TRect rect) {
  TsHintKind* k = Kind();
  if (!k || !bitmap) return;
  THintFill fill;
  fill.Color = ColorToRGB(k->Color());
  fill.GradientPercent = k->GradientPercent();
  fill.GradientData = k->GradientData();
  fill.TexturePercent = k->TexturePercent();
  TBitmap* texture = nullptr;
  if (k->Texture()->Graphic() && !k->Texture()->Graphic()->Empty()) texture = k->Texture()->Bitmap();
  if (texture) fill.Texture = ViewOf(texture);
  const int kept = PaintHintBackground(ViewOf(bitmap), rect, fill);
  if (kept != k->GradientPercent()) k->SetGradientPercent(kept);
}

void TsCustomHintWindow::PaintText(TBitmap* bitmap) {
  TsHintKind* k = Kind();
  if (!k || !bitmap) return;
  TRect r = GetBodyRect();
  if (HintFrame) {
    TControl* frame = HintFrame;
    HintFrame = nullptr;
    const int fw = frame->Width(), fh = frame->Height();
    frame->SetVisible(false);
    frame->SetBounds(r.Left, r.Top, fw, fh);
    frame->SetParent(this);
    std::unique_ptr<TBitmap> picture(CreateBitmap24(fw, fh));
    // Painted in any case: a frame left blank would show as a black box.
    frame->SetVisible(true);
    PaintControlToBitmap(picture.get(), frame);
    bitmap->Canvas()->Draw(r.Left, r.Top, picture.get());
    frame->SetParent(nullptr);
    Application->DeferDelete(frame);
    return;
  }
  const bool skin = SkinInUse();
  if (skin) {
    THintBorders b;
    if (maskIndex_ >= 0 && maskIndex_ < static_cast<int>(DefaultManager->MaskItems.size()))
      b = HintSkinBorders(&DefaultManager->MaskItems[maskIndex_]);
    r = TRect{r.Left + b.L + 4, r.Top + b.T + 4, r.Right - b.R - 4, r.Bottom - b.B - 4};
  } else {
    const int dx = k->MarginH() + k->BevelWidth() + extraWidth_ / 2;
    const int dy = k->MarginV() + k->BevelWidth() + extraHeight_ / 2;
    r = TRect{r.Left + dx, r.Top + dy, r.Right - dx, r.Bottom - dy};
  }
  TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetStyle(bsClear);
  canvas->Pen()->SetStyle(psSolid);
  canvas->SetFont(skin ? Screen->HintFont() : k->Font());
  if (CurrentHintManager->HTMLMode()) {
    if (skin && sectionIndex_ >= 0) canvas->Font()->SetColor(DefaultManager->SectionItems[sectionIndex_].FontColor[0]);
    RenderMarkup(canvas, Caption(), r);
  } else if (skin) {
    DrawSectionText(canvas, Caption(), true, DefaultManager, false, sectionIndex_,
                    DT_EXPANDTABS | DT_WORDBREAK | DT_CENTER, r);
  } else {
    canvas->TextRect(r, Caption(),
                     static_cast<unsigned>(DrawTextBiDiModeFlags(DT_NOPREFIX | DT_WORDBREAK | DT_CENTER)));
  }
}

void TsCustomHintWindow::PaintBorder(TBitmap*) {}

void TsCustomHintWindow::PaintShadow(TBitmap*) {}

TBitmap* TsCustomHintWindow::MakeShapeMask() {
  TsHintKind* k = Kind();
  TBitmap* b = FilledBitmap(Width(), Height(), clWhite);
  TCanvas* canvas = b->Canvas();
  UseGrey(canvas, ShapeMaskGreyLevel(Shape(), LayeredWindowProc != nullptr, k->Transparency()));
  DrawShape(canvas, GetBodyRect(), 0);
  const TRect body = GetBodyRect();
  const THintTailBase base = HintTailBase(body, shownCorner_);
  DrawTail(canvas, HintTailPoint(shownCorner_, Width(), Height()), base.CentreX, base.Y, base.HalfWidth);
  GdiFlush();
  return b;
}

void TsCustomHintWindow::PaintShapeShadow(TBitmap* target) {
  TsHintKind* k = Kind();
  if (!target) target = Work();
  const int blur = std::max(k->ShadowBlur(), 0);
  std::unique_ptr<TBitmap> mask(FilledBitmap(Width(), Height(), clWhite));
  TCanvas* canvas = mask->Canvas();
  TRect body = GetBodyRect();
  const int off = k->ShadowOffset();
  body = TRect{body.Left + off, body.Top + off, body.Right + off, body.Bottom + off};
  const int base = EffectiveShadowTransparency(k->Transparency(), k->ShadowTransparency()) * 255 / 100;
  const THintTailBase tail = HintTailBase(body, shownCorner_);
  const double factor = ShadowTailFactor(body, shownCorner_, Height());
  const TPoint tip = HintTailPoint(shownCorner_, Width(), Height());
  for (int e = 0; e <= blur; ++e) {
    UseGrey(canvas, LayerGreyLevel(blur, e, base));
    DrawShape(canvas, body, e);
    const double k2 = e == 0 ? 0.0 : factor;
    const int half = std::max(0, body.Width() / 8 - static_cast<int>(std::lround(2 * e * k2)));
    DrawTail(canvas, tip, tail.CentreX + blur, tail.Y, half);
  }
  TintThroughMask(ViewOf(target), ViewOf(mask.get()), clBlack);
}

TBitmap* TsCustomHintWindow::MakeOwnImage(const TRect& area) {
  TBitmap* b = CreateBitmapLike(Work());
  PaintBackground(b, area);
  PaintText(b);
  PaintBorder(b);
  return b;
}

void TsCustomHintWindow::PaintTracedBorder(TBitmap* bitmap) {
  TsHintKind* k = Kind();
  if (SkinInUse() || !bitmap || k->BevelWidth() <= 0) return;
  std::unique_ptr<TBitmap> mask(MakeMask());
  if (!mask) return;
  TraceShapeEdge(ViewOf(bitmap), ViewOf(mask.get()), ColorToRGB(k->ColorBorderTop()),
                 ColorToRGB(k->ColorBorderBottom()));
}

// -- TsSimplyHintWindow --------------------------------------------------------------

void TsSimplyHintWindow::GetMousePosition(TPoint& point) {
  TsCustomHintWindow::GetMousePosition(point);
  if (!SkinInUse()) point.Y += 16;
}

void TsSimplyHintWindow::PaintShadow(TBitmap* bitmap) {
  if (SkinInUse()) return;
  TsHintKind* k = Kind();
  const int s = ShadowShift();
  PaintRoundShadow(ViewOf(bitmap ? bitmap : Work()), TRect{s, s, Width(), Height()},
                   EffectiveShadowTransparency(k->Transparency(), k->ShadowTransparency()), 0,
                   k->ShadowBlur(), clBlack);
}

TBitmap* TsSimplyHintWindow::MakeMask() {
  if (SkinInUse()) return TsCustomHintWindow::MakeMask();
  TBitmap* b = FilledBitmap(Width(), Height(), clWhite);
  FillRectPixels(ViewOf(b), GetBodyRect(), clBlack);
  return b;
}

TBitmap* TsSimplyHintWindow::MakeImage() {
  return SkinInUse() ? TsCustomHintWindow::MakeImage() : MakeOwnImage(GetBodyRect());
}

void TsSimplyHintWindow::PaintBorder(TBitmap* bitmap) {
  TsHintKind* k = Kind();
  if (SkinInUse() || !bitmap || k->BevelWidth() <= 0) return;
  TRect body = GetBodyRect();
  Frame3D(bitmap->Canvas(), body, ColorToRGB(k->ColorBorderTop()), ColorToRGB(k->ColorBorderBottom()),
          k->BevelWidth());
}

// -- TsComicsHintWindow and TsEllipseHintWindow ----------------------------------------

void TsComicsHintWindow::DrawShape(TCanvas* canvas, const TRect& body, int inset) {
  const int radius = Kind()->Radius();
  canvas->RoundRect(body.Left + inset, body.Top + inset, body.Right + 1 - inset, body.Bottom + 1 - inset,
                    radius, radius);
}

void TsEllipseHintWindow::DrawShape(TCanvas* canvas, const TRect& body, int inset) {
  canvas->Ellipse(body.Left + inset, body.Top + inset, body.Right + 1 - inset, body.Bottom + 1 - inset);
}

void TsComicsHintWindow::PaintShadow(TBitmap* bitmap) {
  if (!SkinInUse()) PaintShapeShadow(bitmap);
}

TBitmap* TsComicsHintWindow::MakeMask() {
  return SkinInUse() ? TsCustomHintWindow::MakeMask() : MakeShapeMask();
}

TBitmap* TsComicsHintWindow::MakeImage() {
  return SkinInUse() ? TsCustomHintWindow::MakeImage() : MakeOwnImage(ClientArea());
}

void TsComicsHintWindow::PaintBorder(TBitmap* bitmap) { PaintTracedBorder(bitmap); }

// -- TsBalloonHintWindow -------------------------------------------------------------

TBitmap* TsBalloonHintWindow::MakeBalloon(int blur, int transparency) {
  blur = std::max(blur, 0);
  TBitmap* b = FilledBitmap(Width(), Height(), clWhite);
  TCanvas* canvas = b->Canvas();
  const TRect body = GetBodyRect();
  const int base = ClampPercent(transparency) * 256 / 100;
  const std::vector<TRect> bubbles = BalloonBubbles(body, ShownCorner(), Width(), Height(), ShadowShift());
  for (int e = 0; e <= blur; ++e) {
    UseGrey(canvas, LayerGreyLevel(blur, e, base));
    canvas->Ellipse(body.Left + e, body.Top + e, body.Right - e, body.Bottom - e);
    for (const TRect& bubble : bubbles)
      if (bubble.Width() > 2 * e && bubble.Height() > 2 * e)
        canvas->Ellipse(bubble.Left + e, bubble.Top + e, bubble.Right - e, bubble.Bottom - e);
  }
  GdiFlush();
  return b;
}

void TsBalloonHintWindow::PaintShadow(TBitmap* bitmap) {
  if (SkinInUse()) return;
  TsHintKind* k = Kind();
  TBitmap* target = bitmap ? bitmap : Work();
  const int off = k->ShadowOffset();
  std::unique_ptr<TBitmap> shape(
      MakeBalloon(k->ShadowBlur(), EffectiveShadowTransparency(k->Transparency(), k->ShadowTransparency())));
  std::unique_ptr<TBitmap> moved(FilledBitmap(Width(), Height(), clWhite));
  const int w = Width() - off, h = Height() - off;
  if (w > 0 && h > 0)
    StretchBlt(moved->Canvas()->Handle(), off, off, w, h, shape->Canvas()->Handle(), 0, 0, w, h, SRCCOPY);
  TintThroughMask(ViewOf(target), ViewOf(moved.get()), clBlack);
}

TBitmap* TsBalloonHintWindow::MakeMask() {
  if (SkinInUse()) return TsCustomHintWindow::MakeMask();
  const int t = LayeredWindowProc ? 0 : Kind()->Transparency();
  return MakeBalloon(0, t);
}

#include "skin/controls/panel.h"

#include "platform/forms/forms.h"
#include "skin/core/broadcast_win.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/common_data_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/section_painting.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_text_win.h"

namespace {

constexpr int kPanelKind = 51;
constexpr UINT kFinishRedraw = 0x585;  // RDW_INVALIDATE|ERASE|FRAME|ALLCHILDREN|UPDATENOW

bool Shrinks(TBevelCut cut) { return cut != bvNone; }

}  // namespace

TsPanel::TsPanel(TComponent* owner)
    : TPanel(owner), skinData_(std::make_unique<TsCommonData>(this, true)) {
  skinData_->ControlKind = kPanelKind;
  skinData_->ApplySkinColors();
}

TsPanel::~TsPanel() { skinData_.reset(); }

void TsPanel::Loaded() {
  TPanel::Loaded();
  skinData_->ApplySkinColors();
}

void TsPanel::Paint() {
  if (skinData_->IsSkinned() || !OnPaint) {
    TPanel::Paint();
    return;
  }
  const TComponentState s = ComponentState();
  if (s.Contains(csLoading) && Visible()) return;
  OnPaint(this, Canvas());
}

void TsPanel::PaintWindow(HDC dc) {
  TPanel::PaintWindow(dc);
  PaintToDC(dc, true);
}

void TsPanel::RebuildCache() {
  TsCommonData* sd = skinData_.get();
  sd->PrepareCacheBitmap();
  TCacheInfo parent = EmptyCacheInfo;
  sd->GetParentCacheInfo(parent);
  if (parent.Ready) {
    parent.X += Left();
    parent.Y += Top();
  }
  TBitmap* cache = CacheBitmapOf(sd);
  if (!cache || cache->Empty()) return;
  GdiFlush();
  PaintControlSkin(sd, parent, false, 1, cache->PixelView(), TPoint{0, 0}, TRect{0, 0, Width(), Height()}, 0);
  TRect r = ClientRect();
  int inset = BorderWidth();
  if (Shrinks(BevelInner())) inset += BevelWidth();
  if (Shrinks(BevelOuter())) inset += BevelWidth();
  r = TRect{r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset};
  DrawCaption(r);
  if (OnPaint) OnPaint(this, cache->Canvas());
  sd->BackgroundStale = false;
}

void TsPanel::DrawCaption(TRect rect) {
  TBitmap* cache = CacheBitmapOf(skinData_.get());
  if (!cache || Caption().empty()) return;
  TCanvas* canvas = cache->Canvas();
  canvas->SetFont(Font());
  canvas->Brush()->SetStyle(bsClear);
  const int h = canvas->TextHeight("W");
  rect.Top = (rect.Bottom + rect.Top - h) / 2;
  rect.Bottom = rect.Top + h;
  DrawControlTextCompat(canvas, Caption(), Enabled(), false, skinData_.get(),
                        AlignmentTextFlags(this, Alignment()), rect, 0);
}

void TsPanel::PaintToDC(HDC dc, bool finishUpdate) {
  TsCommonData* sd = skinData_.get();
  if (!Showing() || !sd || !sd->IsSkinned() || sd->IsUpdating()) return;
  const bool redraw = sd->ForceFullRedraw || sd->BackgroundStale;
  if (!dc) dc = Canvas()->Handle();
  const TRect whole{0, 0, Width(), Height()};
  if (sd->NeedsFullRedraw()) {
    RECT clip{};
    GetClipBox(dc, &clip);
    sd->RedrawFlag = !(clip.left <= 0 && clip.top <= 0 && clip.right >= whole.Right && clip.bottom >= whole.Bottom);
  }
  if (redraw) RebuildCache();
  PaintChildrenToDC(this, sd, whole, 0, 0, false, dc, whole);
  PaintGraphicChildren(dc, this, TPoint{0, 0});
  if (finishUpdate) SendFinishUpdateToChildren(this);
}

// -- Window procedure ---------------------------------------------------------------------------

bool TsPanel::HandleSkinCommand(TMessage& m) {
  if (AnswerIdentityQuery(m)) return true;
  TsCommonData* sd = skinData_.get();
  const bool own = m.LParam == reinterpret_cast<LPARAM>(sd->SkinManager());
  switch (SkinCmdOf(m.WParam)) {
    case SkinCmdNewSkin:
      SetControlStyle(ControlStyle() - TControlStyle{csOpaque});
      BroadcastToChildren(this, m);
      if (own) CommonControlMessage(m, sd);
      return true;
    case SkinCmdSkinRemoved:
      SetControlStyle(ControlStyle() - TControlStyle{csOpaque});
      if (own) {
        CommonControlMessage(m, sd);
        Invalidate();
      }
      BroadcastToChildren(this, m);
      return true;
    case SkinCmdSkinReapplied:
      if (own) CommonControlMessage(m, sd);
      BroadcastToChildren(this, m);
      if (own) Repaint();
      return true;
  }
  return false;
}

void TsPanel::HandleUnskinned(TMessage& m) {
  if (m.Msg == WM_ERASEBKGND && OnPaint) {
    m.Result = 1;
    return;
  }
  if (m.Msg == WM_PRINT && OnPaint) {
    OnPaint(this, Canvas());
    if (HDC dc = reinterpret_cast<HDC>(m.WParam))
      BitBlt(dc, 0, 0, Width(), Height(), Canvas()->Handle(), 0, 0, SRCCOPY);
    return;
  }
  TPanel::WndProc(m);
}

void TsPanel::PaintMessage(TMessage& m) {
  HWND wnd = Handle();
  PAINTSTRUCT ps{};
  TCanvas* canvas = Canvas();
  // However painting ends: EndPaint (else WM_PAINT comes back at once), the
  // canvas let go of the DC, csCustomPaint off.
  struct Cleanup {
    TsPanel* panel;
    HWND wnd;
    PAINTSTRUCT* ps;
    TCanvas* canvas;
    bool bound = false;
    ~Cleanup() {
      if (bound) {
        canvas->SetHandle(nullptr);
        canvas->Unlock();
      }
      EndPaint(wnd, ps);
      panel->SetControlState(panel->ControlState() - TControlState{csCustomPaint});
    }
  };
  SetControlState(ControlState() + TControlState{csCustomPaint});
  HDC dc = BeginPaint(wnd, &ps);
  Cleanup cleanup{this, wnd, &ps, canvas};
  if (m.WParam) dc = reinterpret_cast<HDC>(m.WParam);
  canvas->Lock();
  canvas->SetHandle(dc);
  cleanup.bound = true;
  PaintToDC(dc, true);
}

void TsPanel::HandleSkinned(TMessage& m) {
  TsCommonData* sd = skinData_.get();
  switch (m.Msg) {
    case CommandMessage:
      switch (SkinCmdOf(m.WParam)) {
        case SkinCmdFinishUpdate:
          if (sd->Updating) {
            sd->Updating = false;
            RedrawWindow(Handle(), nullptr, nullptr, kFinishRedraw);
          }
          return;
        case SkinCmdForceFullRedraw:
          CommonControlMessage(m, sd);
          if (sd->ForceFullRedraw) RebuildCache();
          return;
        case SkinCmdQueryUpdating:
          m.LParam = sd->BackgroundStale || sd->Updating ? 1 : 0;
          return;
      }
      CommonControlMessage(m, sd);
      return;
    case WM_PRINT:
      sd->Updating = false;
      if (IsControlPaintable(this)) {
        if (sd->BackgroundStale) RebuildCache();
        RedrawCachedBorders(sd, 0);
        PaintToDC(reinterpret_cast<HDC>(m.WParam), false);
      }
      return;
    case WM_PAINT:
      if (Visible() || ComponentState().Contains(csDesigning)) {
        PaintMessage(m);
        return;
      }
      break;
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TPanel::WndProc(m);
      return;
    case CM_VISIBLECHANGED:
      sd->BackgroundStale = true;
      sd->Updating = false;
      TPanel::WndProc(m);
      return;
    case CM_TEXTCHANGED:
      if (Parent()) sd->InvalidateSkin();
      return;
    case CM_COLORCHANGED:
      if (sd->CustomColor()) sd->BackgroundStale = true;
      break;
  }
  if (CommonControlMessage(m, sd)) return;
  TPanel::WndProc(m);
  if (m.Msg == CM_ENABLEDCHANGED) sd->InvalidateSkin();
}

void TsPanel::WndProc(TMessage& m) {
  if (m.Msg == CommandMessage && HandleSkinCommand(m)) return;
  if (!IsControlPaintable(this) || !skinData_->IsSkinned()) {
    HandleUnskinned(m);
    return;
  }
  HandleSkinned(m);
}

#include "skin/core/control_utils_win.h"

#include <memory>

#include "platform/graphics/canvas.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/blending.h"
#include "skin/core/common_data.h"
#include "skin/core/control_model_win.h"
#include "skin/core/dc_helpers_win.h"
#include "skin/core/paint_colors.h"
#include "skin/core/pixel_copy.h"
#include "skin/core/skin_commands.h"
#include "skin/core/skin_manager.h"

TSetWindowTheme SetWindowThemeProc = nullptr;
TBitmap* FadeSnapshot = nullptr;
TOutputWindow* FadeCover = nullptr;
HDC FadePaintDC = nullptr;

namespace {

using TIsThemeActive = BOOL(WINAPI*)();

// uxtheme is loaded once and kept for the program's life.
struct ThemeLibrary {
  HMODULE Module = nullptr;
  TIsThemeActive IsThemeActive = nullptr;
  TIsThemeActive IsAppThemed = nullptr;
  ThemeLibrary() {
    Module = LoadLibraryW(L"UXTHEME");
    if (!Module) return;
    SetWindowThemeProc = reinterpret_cast<TSetWindowTheme>(
        reinterpret_cast<void*>(GetProcAddress(Module, "SetWindowTheme")));
    IsThemeActive = reinterpret_cast<TIsThemeActive>(
        reinterpret_cast<void*>(GetProcAddress(Module, "IsThemeActive")));
    IsAppThemed = reinterpret_cast<TIsThemeActive>(
        reinterpret_cast<void*>(GetProcAddress(Module, "IsAppThemed")));
  }
  ~ThemeLibrary() {
    SetWindowThemeProc = nullptr;
    if (Module) FreeLibrary(Module);
  }
};
ThemeLibrary themeLibrary;

bool Destroying(const TComponent* c) { return c->ComponentState().Contains(csDestroying); }
bool Designing(const TComponent* c) { return c->ComponentState().Contains(csDesigning); }

TCustomForm* AsMDIForm(TControl* c) {
  auto* form = dynamic_cast<TCustomForm*>(c);
  return form && form->FormStyle() == fsMDIForm ? form : nullptr;
}

}  // namespace

bool VisualThemesInUse() {
  return SetWindowThemeProc && themeLibrary.IsThemeActive && themeLibrary.IsAppThemed &&
         themeLibrary.IsThemeActive() && themeLibrary.IsAppThemed();
}

// -- Sending ------------------------------------------------------------------------

LRESULT SendCmdToWindow(HWND window, uint16_t code, LPARAM lParam) {
  return SendMessageW(window, CommandMessage, SkinCmdWParam(code), lParam);
}

intptr_t SendCmdToControl(TControl* control, uint16_t code, LPARAM lParam) {
  return SendCmdToControl(WindowsControlModel(), control, code, lParam);
}

bool ControlAnswersCmd(TControl* control, uint16_t code) {
  return ControlAnswersCmd(WindowsControlModel(), control, code);
}

bool WindowAnswersCmd(HWND window, uint16_t code) {
  return window && SendCmdToWindow(window, code, 0) == 1;
}

void SendFinishUpdateToChildren(TWinControl* control) {
  if (!control) return;
  try {
    for (int i = 0; i < control->ControlCount(); ++i) {
      TControl* child = control->Controls(i);
      if (dynamic_cast<TGraphicControl*>(child) || Destroying(child)) continue;
      if (auto* win = dynamic_cast<TWinControl*>(child)) {
        if (win->HandleAllocated() && win->Showing())
          SendCmdToWindow(win->HandleIfAllocated(), SkinCmdFinishUpdate, 0);
      } else {
        SendCmdToControl(child, SkinCmdFinishUpdate);
      }
    }
  } catch (...) {
    // A child that fails ends the walk; the others repaint on their next change.
  }
}

void SendFinishUpdateToChildWindows(HWND window) {
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongW(child, GWL_STYLE) & WS_CHILD) SendCmdToWindow(child, SkinCmdFinishUpdate, 0);
}

void SendCmdToFormProvider(TCustomForm* form, TMessage& message) {
  TsProviderLink* link = ProviderLink();
  if (!form || !link) return;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    TComponent* c = form->Components(i);
    if (link->IsProvider(c) && !Destroying(c)) {
      link->Deliver(c, message);
      return;
    }
  }
}

void RequestControlAdapt(TControl* control) { RequestControlAdapt(WindowsControlModel(), control); }

void ReadParentLook(TControl* control, TsCommonData* record, TCacheInfo& parentCache) {
  parentCache = EmptyCacheInfo;
  record->GetParentCacheInfo(parentCache);
  record->PrepareCacheBitmap();
  if (parentCache.Ready) {
    parentCache.X += control->Left();
    parentCache.Y += control->Top();
  }
  ParentBackColor = SkinTransparentColor;
  TWinControl* parent = control->Parent();
  if (!parent) return;
  if (!parentCache.Ready) {
    ParentBackColor = ColorToRGB(parent->Color());
    TransparentFillColor = ParentBackColor;
  } else if (!record->NeedsFullRedraw()) {
    QueryParentColor(parent);
  }
}

void QueryParentColor(TWinControl* control) { QueryParentColor(WindowsControlModel(), control); }

// -- Tests and small routines ----------------------------------------------------------

bool IsControlPaintable(TControl* control) { return IsControlPaintable(WindowsControlModel(), control); }

TCustomForm* FindOwnerForm(TComponent* component) {
  for (TComponent* c = component; c; c = c->Owner())
    if (auto* form = dynamic_cast<TCustomForm*>(c)) return form;
  return nullptr;
}

unsigned AlignmentTextFlags(TControl* control, TAlignment alignment) {
  const unsigned flags = AlignmentTextFlagsOf(static_cast<int>(alignment));
  return control ? static_cast<unsigned>(control->DrawTextBiDiModeFlags(static_cast<int>(flags))) : flags;
}

bool GetWorkArea(TRect& rect) {
  RECT r{};
  const BOOL ok = SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  rect = TRect{r.left, r.top, r.right, r.bottom};
  return ok != FALSE;
}

int SumAlignedSizes(TWinControl* control, TAlign alignment, bool countGraphicControls) {
  if (!control) return 0;
  const bool vertical = alignment == alTop || alignment == alBottom;
  const bool horizontal = alignment == alLeft || alignment == alRight;
  if (!vertical && !horizontal) return 0;
  int sum = 0;
  for (int i = 0; i < control->ControlCount(); ++i) {
    TControl* c = control->Controls(i);
    if (!c->Visible() || c->Align() != alignment) continue;
    if (!countGraphicControls && !dynamic_cast<TWinControl*>(c)) continue;
    sum += vertical ? c->Height() : c->Width();
  }
  return sum;
}

// -- Painting a control tree ----------------------------------------------------------

namespace {

void PaintControlToDC(HDC dc, TControl* control) {
  if (!control->Visible()) return;
  auto* win = dynamic_cast<TWinControl*>(control);
  if (!win) {
    control->Perform(WM_PRINT, reinterpret_cast<WPARAM>(dc), 0);
    return;
  }
  if (TCustomForm* mdi = AsMDIForm(control)) {
    for (int i = 0; i < mdi->MDIChildCount(); ++i) {
      TControl* child = mdi->MDIChildren(i);
      const int saved = SaveDC(dc);
      OffsetWindowOrgEx(dc, -child->Left(), -child->Top(), nullptr);
      PaintControlToDC(dc, child);
      RestoreDC(dc, saved);
    }
  }
  if (ControlAnswersCmd(control, SkinCmdQuerySkinned) && win->HandleAllocated())
    SendMessageW(win->HandleIfAllocated(), WM_PRINT, reinterpret_cast<WPARAM>(dc), 0);
  else
    win->PaintTo(dc, 0, 0);
  for (int i = 0; i < win->ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(win->Controls(i));
    if (!child || !child->Visible()) continue;
    const int saved = SaveDC(dc);
    const bool parentlessForm = dynamic_cast<TCustomForm*>(child) && !child->Parent();
    if (!parentlessForm) OffsetWindowOrgEx(dc, -child->Left(), -child->Top(), nullptr);
    PaintControlToDC(dc, child);
    RestoreDC(dc, saved);
  }
}

bool IsGraphicChildPaintable(TControl* c, HDC dc) {
  if (!dynamic_cast<TGraphicControl*>(c)) return false;
  if (!(c->Visible() || Designing(c)) || c->Width() + c->Height() < 1) return false;
  if (c->ControlStyle().Contains(csNoDesignVisible) || Destroying(c)) return false;
  if (c->Width() <= 0 || c->Height() <= 0) return false;
  const RECT r{c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height()};
  return RectVisible(dc, &r) != FALSE;
}

}  // namespace

void PaintControlToBitmap(TBitmap* bitmap, TControl* control) {
  if (!bitmap || !control || !control->Visible()) return;
  HDC dc = bitmap->Canvas()->Handle();
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
  PaintControlToDC(dc, control);
  RestoreDC(dc, saved);
}

void PaintGraphicChildren(HDC dc, TWinControl* control, TPoint offset) {
  if (!dc || !control || !(control->Visible() || Designing(control)) || control->ControlCount() == 0)
    return;
  RECT clip{};
  if (GetClipBox(dc, &clip) == NULLREGION || clip.right <= clip.left || clip.bottom <= clip.top) {
    if (control->HandleAllocated()) SendCmdToWindow(control->HandleIfAllocated(), SkinCmdSetRedrawFlag, 0);
    return;
  }
  if (!control->HandleAllocated()) return;
  ParentCacheInfo.Ready = false;
  SendCmdToWindow(control->HandleIfAllocated(), SkinCmdQueryCache, 0);
  const TCacheInfo cache = ParentCacheInfo;
  ParentCacheInfo.Ready = false;
  if (!cache.Ready || cache.Bmp.Empty()) return;

  HDC memory = nullptr;
  HBITMAP memoryBitmap = nullptr;
  HGDIOBJ oldBitmap = nullptr;
  const bool mdi = AsMDIForm(control) != nullptr;
  try {
    std::vector<TControl*> children;
    for (int i = 0; i < control->ControlCount(); ++i)
      if (IsGraphicChildPaintable(control->Controls(i), dc)) children.push_back(control->Controls(i));
    for (TControl* child : children) {
      if (mdi && child->Align() != alNone) {
        SendCmdToWindow(control->HandleIfAllocated(), SkinCmdSetPaintingChild,
                        reinterpret_cast<LPARAM>(child));
        child->Repaint();
        SendCmdToWindow(control->HandleIfAllocated(), SkinCmdSetPaintingChild, 0);
        continue;
      }
      if (!memory) {
        memory = CreateCompatibleDC(dc);
        memoryBitmap = CreateCompatibleBitmap(dc, control->Width(), control->Height());
        oldBitmap = SelectObject(memory, memoryBitmap);
        // The background of every child: its colour, or the cache under it.
        for (TControl* c : children) {
          const TRect r = c->BoundsRect();
          if (c->ControlStyle().Contains(csOpaque)) {
            FillRectOnDC(memory, r, c->Color());
            continue;
          }
          std::unique_ptr<TBitmap> under(CreateBitmap24(r.Width(), r.Height()));
          const int sx = r.Left + cache.X, sy = r.Top + cache.Y;
          CopyPixels(under->PixelView(), 0, 0, cache.Bmp, TRect{sx, sy, sx + r.Width(), sy + r.Height()});
          BitBlt(memory, r.Left, r.Top, r.Width(), r.Height(), under->Canvas()->Handle(), 0, 0, SRCCOPY);
        }
      }
      const int saved = SaveDC(memory);
      const RECT bounds{child->Left(), child->Top(), child->Left() + child->Width(),
                        child->Top() + child->Height()};
      if (!RectVisible(dc, &bounds)) SendCmdToControl(child, SkinCmdSetRedrawFlag);
      SetWindowOrgEx(memory, -child->Left(), -child->Top(), nullptr);
      IntersectClipRect(memory, 0, 0, child->Width(), child->Height());
      const TControlState state = child->ControlState();
      if (control->ControlState().Contains(csPaintCopy))
        child->SetControlState(TControlState(state).Include(csPaintCopy));
      child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
      child->SetControlState(state);
      RestoreDC(memory, saved);
    }
    if (memory)
      for (TControl* child : children) {
        if (mdi && child->Align() != alNone) continue;
        const int x = child->Left() + offset.X, y = child->Top() + offset.Y;
        if (GetPixel(memory, x, y) == RGB(255, 0, 255)) continue;
        BitBlt(dc, x, y, child->Width(), child->Height(), memory, child->Left(), child->Top(), SRCCOPY);
      }
  } catch (...) {
    if (memory) {
      SelectObject(memory, oldBitmap);
      DeleteObject(memoryBitmap);
      DeleteDC(memory);
    }
    ParentCacheInfo.Ready = false;
    throw;
  }
  if (memory) {
    SelectObject(memory, oldBitmap);
    DeleteObject(memoryBitmap);
    DeleteDC(memory);
  }
  ParentCacheInfo.Ready = false;
}

// -- Fading ------------------------------------------------------------------------------

TOutputWindow::TOutputWindow(TComponent* owner) : TCustomControl(owner) {
  SetCaption("vxOutputWindow");
  SetVisible(false);
  SetColor(static_cast<TColor>(0x800080));
}

void TOutputWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (Parent() || ParentWindow()) return;
  params.Style = WS_POPUP;
  if (auto* owner = dynamic_cast<TWinControl*>(Owner());
      owner && owner->HandleAllocated() &&
      (GetWindowLongW(owner->HandleIfAllocated(), GWL_EXSTYLE) & WS_EX_TOPMOST))
    params.ExStyle |= WS_EX_TOPMOST;
  if (Application) params.WndParent = Application->Handle();
}

void TOutputWindow::Dispatch(TMessage& message) {
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    return;
  }
  TCustomControl::Dispatch(message);
}

namespace {

// The fade's objects, freed and the globals cleared however the fade ends.
struct FadeState {
  std::unique_ptr<TBitmap> NewLook;
  std::unique_ptr<TBitmap> Work;
  HDC CoverDC = nullptr;
  HWND CoverWnd = nullptr;
  ~FadeState() {
    if (CoverDC) ReleaseDC(CoverWnd, CoverDC);
    FadePaintDC = nullptr;
    TOutputWindow* cover = FadeCover;
    FadeCover = nullptr;
    delete cover;
    TBitmap* snapshot = FadeSnapshot;
    FadeSnapshot = nullptr;
    delete snapshot;
  }
};

void ShowFrame(HDC target, TBitmap* frame, int width, int height) {
  BitBlt(target, 0, 0, width, height, frame->Canvas()->Handle(), 0, 0, SRCCOPY);
  if (auto* extra = dynamic_cast<TWinControl*>(ExtraNotifyControl); extra && extra->HandleAllocated())
    SendCmdToWindow(extra->HandleIfAllocated(), SkinCmdSkinReapplied, 0);
}

}  // namespace

namespace {

void FadeFrames(TWinControl* control, int time) {
  const int w = control->Width(), h = control->Height();
  FadeState state;
  if (!FadeCover) {
    RECT r{};
    GetWindowRect(control->HandleIfAllocated(), &r);
    if (!FadeSnapshot) {
      FadeSnapshot = CreateBitmap24(w, h);
      HDC screen = GetWindowDC(nullptr);
      BitBlt(FadeSnapshot->Canvas()->Handle(), 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
      ReleaseDC(nullptr, screen);
    }
    FadeCover = new TOutputWindow(control);
    if (TWinControl* parent = control->Parent()) {
      FadeCover->SetParent(parent);
      FadeCover->SetBoundsRect(control->BoundsRect());
      SetWindowPos(FadeCover->Handle(), control->HandleIfAllocated(), 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      ShowWindow(FadeCover->Handle(), SW_SHOWNA);
    } else {
      FadeCover->SetBoundsRect(TRect{r.left, r.top, r.right, r.bottom});
      HWND after = GetWindow(control->HandleIfAllocated(), GW_HWNDPREV);
      SetWindowPos(FadeCover->Handle(), after ? after : HWND_TOP, 0, 0, 0, 0,
                   SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    }
  }
  if (!FadeCover) return;

  state.NewLook.reset(CreateBitmap24(w, h));
  TCanvas* canvas = state.NewLook->Canvas();
  canvas->Lock();
  FadePaintDC = canvas->Handle();
  PaintControlToBitmap(state.NewLook.get(), control);
  FadePaintDC = nullptr;
  canvas->Unlock();
  state.Work.reset(CreateBitmap32(w, h));

  if (auto* form = dynamic_cast<TCustomForm*>(control)) {
    const intptr_t provider = SendCmdToControl(form, SkinCmdQueryProvider);
    if (TsProviderLink* link = ProviderLink(); provider && link)
      if (HRGN region = link->MakeFadeRegion(reinterpret_cast<TPersistent*>(provider)))
        SetWindowRgn(FadeCover->Handle(), region, FALSE);
  }

  state.CoverWnd = FadeCover->Handle();
  state.CoverDC = GetWindowDC(state.CoverWnd);
  const std::vector<int> weights = FadeFrameWeights(time);
  if (FadeSnapshot && !weights.empty()) {
    TBitmap* old24 = FadeSnapshot;
    for (size_t i = 0; i < weights.size(); ++i) {
      MixFadeFrame(state.Work->PixelView(), old24->PixelView(), state.NewLook->PixelView(),
                   weights[i], nullptr);
      ShowFrame(state.CoverDC, state.Work.get(), w, h);
      if (i + 1 < weights.size()) Sleep(8);
    }
  }
  ShowFrame(state.CoverDC, state.NewLook.get(), w, h);
  const bool layeredForm = dynamic_cast<TCustomForm*>(control) &&
                           (GetWindowLongW(control->HandleIfAllocated(), GWL_EXSTYLE) & WS_EX_LAYERED);
  if (!layeredForm)
    SetWindowPos(state.CoverWnd, nullptr, 0, 0, 0, 0,
                 SWP_NOCOPYBITS | SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOMOVE |
                     SWP_NOSIZE | SWP_NOZORDER);
  // state's destructor releases the DC and frees the cover, the bitmaps and
  // the snapshot, on this path and on every early one.
}

}  // namespace

void FadeControlIn(TWinControl* control, int timeMs) {
  if (!control || !control->HandleAllocated()) {
    delete FadeSnapshot;
    FadeSnapshot = nullptr;
    return;
  }
  FadeFrames(control, BoundedFadeTime(timeMs));
  ::RedrawWindow(control->HandleIfAllocated(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

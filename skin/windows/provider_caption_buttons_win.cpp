// The provider's caption buttons on a real form: their layout over the
// form as it is now, drawing them into the cache and onto the window, the
// hit test, hot and pressed states, and what presses and releases do.
#include <algorithm>
#include <memory>

#include "skin/core/bitmap_create_win.h"
#include "skin/core/image_painting.h"
#include "skin/core/keyed_copy.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/skin_provider.h"
#include "skin/windows/skinable_menus_win.h"

namespace {

constexpr UINT SC_CONTEXTHELP_ = 0xF180;
constexpr UINT SC_DRAGMOVE = 0xF012;

int XOf(LPARAM l) { return static_cast<short>(LOWORD(l)); }
int YOf(LPARAM l) { return static_cast<short>(HIWORD(l)); }

const TsMaskData* MaskOf(TsSkinManager* m, int index) {
  return m && m->IsValidMaskIndex(index) ? &m->MaskItems[static_cast<size_t>(index)] : nullptr;
}

// GLOBALINFO's item, else the form section's.
int GlobalOrForm(TsSkinManager* m, const TsCommonData* record, const char* property) {
  const int global = m->LookupImageItem(m->CommonIndexCache.GlobalInfo, "GLOBALINFO", property);
  return global != -1 ? global : m->LookupImageItem(record->SectionIndex, record->SkinSection(), property);
}

// The size the system gives its own caption buttons.
TSize PlatformButtonCell(const TCustomForm* form) {
  const bool tool = form->BorderStyle() == bsToolWindow || form->BorderStyle() == bsSizeToolWin;
  const int w = GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE) - 2;
  const int h = GetSystemMetrics(tool ? SM_CYSMSIZE : SM_CYSIZE) - 4;
  return TSize{std::max(w, 8), std::max(h, 8)};
}

// A system caption button in the platform's look, for a skin without
// button images.
void DrawPlatformCaptionButton(HDC dc, const TRect& r, int code, int state, bool enabled, bool zoomed,
                               bool iconic) {
  UINT look = DFCS_CAPTIONCLOSE;
  if (code == CaptionMaximize) look = zoomed ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX;
  else if (code == CaptionMinimize) look = iconic ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN;
  else if (code == CaptionHelp) look = DFCS_CAPTIONHELP;
  if (state == 2) look |= DFCS_PUSHED;
  if (!enabled) look |= DFCS_INACTIVE;
  RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  GdiFlush();
  DrawFrameControl(dc, &rc, DFC_CAPTION, look);
  GdiFlush();
}

bool InClosed(const TRect& r, TPoint p) {
  return !r.IsEmpty() && p.X >= r.Left && p.X <= r.Right && p.Y >= r.Top && p.Y <= r.Bottom;
}

// The glyph of a title button centred in its rectangle, keyed on its
// bottom-left pixel and cut to the button.
void DrawTitleGlyph(const TPixelBufferView& cache, TBitmap* glyph, const TRect& r, bool pressed) {
  if (!glyph || glyph->Empty() || r.IsEmpty()) return;
  std::unique_ptr<TBitmap> g24(CreateBitmap24(glyph->Width(), glyph->Height()));
  BitBlt(g24->Canvas()->Handle(), 0, 0, glyph->Width(), glyph->Height(), glyph->Canvas()->Handle(), 0, 0,
         SRCCOPY);
  GdiFlush();
  const TPixelBufferView source = g24->PixelView();
  const TColor key = GetPixel(g24->Canvas()->Handle(), 0, glyph->Height() - 1);
  const int ox = (r.Width() - glyph->Width()) / 2 + (pressed ? 1 : 0);
  const int oy = (r.Height() - glyph->Height()) / 2 + (pressed ? 1 : 0);
  // Only the part that falls inside the button.
  const int sx = std::max(0, -ox), sy = std::max(0, -oy);
  const int w = std::min(glyph->Width() - sx, r.Width() - std::max(ox, 0));
  const int h = std::min(glyph->Height() - sy, r.Height() - std::max(oy, 0));
  if (w <= 0 || h <= 0) return;
  CopyRectKeyedPlain(cache, source, r.Left + std::max(ox, 0), EmptyCacheInfo, key,
                     TRect{sx, sy, sx + w - 1, sy + h - 1}, r.Top + std::max(oy, 0));
}

}  // namespace

TsCaptionButton* TsSkinProvider::ButtonOf(int code) {
  switch (code) {
    case CaptionMinimize: return &ButtonMin;
    case CaptionMaximize: return &ButtonMax;
    case CaptionClose: return &ButtonClose;
    case CaptionHelp: return &ButtonHelp;
    case CaptionMDIClose: return &MDIClose;
    case CaptionMDIRestore: return &MDIMax;
    case CaptionMDIMinimize: return &MDIMin;
    default: break;
  }
  const int title = code - CaptionTitleButton;
  if (title >= 0 && title < TitleButtons()->Count()) return &TitleButtons()->Items(title)->Button;
  return nullptr;
}

TsWindowCommands TsSkinProvider::WindowCommands() const {
  if (SystemMenu) return SystemMenu->Commands();
  return form_ ? WindowCommandsOf(WindowCommandStateOf(form_)) : TsWindowCommands{};
}

TsCaptionButtonLayout TsSkinProvider::LayoutButtons(TsCaptionPlan* planOut) {
  TsCaptionButtonLayout layout;
  TsSkinManager* m = skinData_->SkinManager();
  TsCaptionPlan plan;
  if (form_ && HasSkinnedFrame() && CaptionHeight() != 0) {
    const TsMaskData* images[SystemButtonCount] = {MaskOf(m, ButtonClose.ImageIndex), MaskOf(m, ButtonMax.ImageIndex),
                                                   MaskOf(m, ButtonMin.ImageIndex), MaskOf(m, ButtonHelp.ImageIndex)};
    const TBorderIcons bi = form_->BorderIcons();
    const TsBorderIconFlags icons{bi.Contains(biSystemMenu), bi.Contains(biMinimize), bi.Contains(biMaximize),
                                  bi.Contains(biHelp)};
    std::vector<TsTitleButtonWish> wishes;
    const TsMaskData* titleImage = MaskOf(m, ButtonMasks.TitleButton);
    for (int i = 0; i < titleButtons_->Count(); ++i) {
      TsTitleButton* b = titleButtons_->Items(i);
      b->Button.ImageIndex = b->UseSkinData() && titleImage ? ButtonMasks.TitleButton : -1;
      wishes.push_back({b->Glyph()->Empty() ? 0 : b->Glyph()->Width(), titleImage});
    }
    plan = PlanCaptionButtons(icons, WindowCommands(), images, wishes, PlatformButtonCell(form_));
    const TsCaptionFrame frame{FormWidth(), FrameWidth(), FrameHeight(), CaptionHeight(),
                               m ? m->SkinData.BISpace : 0};
    layout = LayoutCaptionButtons(plan, frame);
  } else {
    layout.Title.resize(static_cast<size_t>(titleButtons_->Count()));
  }
  ButtonClose.Rect = layout.System[sbClose];
  ButtonMax.Rect = layout.System[sbMaximize];
  ButtonMin.Rect = layout.System[sbMinimize];
  ButtonHelp.Rect = layout.System[sbHelp];
  for (int i = 0; i < titleButtons_->Count(); ++i)
    titleButtons_->Items(i)->Button.Rect = layout.Title[static_cast<size_t>(i)];
  if (HasMaximisedMDIChild()) {
    const TSize cell = ThreeStateCell(MaskOf(m, MDIClose.ImageIndex), 16);
    const TsMDIButtonRects r = LayoutMDIButtons(FormWidth(), FrameWidth(), TopAreaHeight(), MenuHeight(), cell);
    MDIMin.Rect = r.Minimize;
    MDIMax.Rect = r.Restore;
    MDIClose.Rect = r.Close;
  } else {
    MDIMin.Rect = MDIMax.Rect = MDIClose.Rect = TRect{};
  }
  if (planOut) *planOut = plan;
  return layout;
}

TPoint TsSkinProvider::HitTestOriginNow() const {
  HWND wnd = form_->HandleIfAllocated();
  RECT w{};
  GetWindowRect(wnd, &w);
  POINT client{0, 0};
  ClientToScreen(wnd, &client);
  return HitTestOrigin(form_->FormStyle() == fsMDIChild, {w.left, w.top}, {client.x, client.y}, FrameWidth(),
                       FrameHeight(), CaptionHeight(), IsIconic(wnd) != FALSE);
}

int TsSkinProvider::HitTest(TPoint screenPoint) {
  if (!form_ || !form_->HandleAllocated() || !HasSkinnedFrame()) return HTNOWHERE;
  HWND wnd = form_->HandleIfAllocated();
  TsSkinManager* m = skinData_->SkinManager();
  TsHitTestInput in;
  TsCaptionPlan plan;
  in.Layout = LayoutButtons(&plan);
  const TPoint origin = HitTestOriginNow();
  in.At = {screenPoint.X - origin.X, screenPoint.Y - origin.Y};
  in.Frame = {FormWidth(), FrameWidth(), FrameHeight(), CaptionHeight(), m ? m->SkinData.BISpace : 0};
  in.ButtonHeight = plan.Height;
  in.IconWidth = TitleIconWidth();
  in.Commands = WindowCommands();
  in.Iconic = IsIconic(wnd) != FALSE;
  in.Maximized = IsZoomed(wnd) != FALSE;
  for (int i = 0; i < titleButtons_->Count(); ++i) in.TitleEnabled.push_back(titleButtons_->Items(i)->Enabled());
  in.Grip = gripMode_ == gmRightBottom && m;
  if (in.Grip)
    in.GripCell = ThreeStateCell(MaskOf(m, m->LookupImageItem(m->CommonIndexCache.GlobalInfo, "GLOBALINFO", "GRIPIMAGE")), 0);
  TBitmap* cache = CacheBitmap();
  in.CacheWidth = cache && !cache->Empty() ? cache->Width() : FormWidth();
  in.CacheHeight = cache && !cache->Empty() ? cache->Height() : form_->Height();
  in.MDIButtons = HasMaximisedMDIChild();
  in.MDI = {MDIMin.Rect, MDIMax.Rect, MDIClose.Rect};
  in.Width = form_->Width();
  in.Height = form_->Height();
  const int code = CaptionHitTest(in);
  SetHotButton(IsButtonCode(code) ? code : 0, true);
  return code;
}

void TsSkinProvider::SetHotButton(int code, bool repaint) {
  // A main-menu item left highlighted is the menu painter's to repaint.
  if (code == HotButton) return;
  const int old = HotButton;
  if (TsCaptionButton* b = ButtonOf(old)) b->State = 0;
  HotButton = code;
  if (repaint) RepaintCaptionButton(old);
  if (TsCaptionButton* b = ButtonOf(code)) {
    b->State = 1;
    if (repaint) RepaintCaptionButton(code);
  }
  ButtonDown = false;
}

void TsSkinProvider::PressButton(int code) {
  HWND wnd = form_->HandleIfAllocated();
  const bool maximized = wnd && IsZoomed(wnd);
  TsWindowCommands commands = WindowCommands();
  if (code == CaptionMDIRestore && MaximisingChildProvider && MaximisingChildProvider->Form())
    commands = MaximisingChildProvider->WindowCommands();
  if (!PressAllowed(code, commands, maximized)) {
    SetHotButton(0, true);
    return;
  }
  const int old = HotButton;
  if (TsCaptionButton* b = ButtonOf(old)) b->State = 0;
  RepaintCaptionButton(old);
  HotButton = code;
  if (TsCaptionButton* b = ButtonOf(code)) {
    b->State = 2;
    RepaintCaptionButton(code);
  }
  ButtonDown = true;
  // The release comes back here wherever the mouse goes meanwhile.
  if (wnd) SetCapture(wnd);
}

void TsSkinProvider::RepaintCaptionButton(int code) {
  TsCaptionButton* button = ButtonOf(code);
  TBitmap* cache = CacheBitmap();
  TsSkinManager* m = skinData_->SkinManager();
  if (!button || button->Rect.IsEmpty() || !cache || cache->Empty() || !m || !form_->HandleAllocated()) return;
  const TRect r = button->Rect;
  HDC cdc = cache->Canvas()->Handle();
  const TRect icon = CaptionIconRect({FormWidth(), FrameWidth(), FrameHeight(), CaptionHeight(), 0},
                                     TitleIconWidth(), TitleIconHeight());
  if (r.Left > icon.Right && ButtonAreaCopy && !ButtonAreaCopy->Empty()) {
    const int x0 = FormWidth() - ButtonAreaCopy->Width() - 1;
    BitBlt(cdc, r.Left, r.Top, r.Width(), r.Height(), ButtonAreaCopy->Canvas()->Handle(), r.Left - x0, r.Top,
           SRCCOPY);
  }
  GdiFlush();
  PaintButtonImage(code, cache->PixelView());
  GdiFlush();
  HWND wnd = form_->HandleIfAllocated();
  HDC dc = GetWindowDC(wnd);
  if (!dc) return;
  BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), cdc, r.Left, r.Top, SRCCOPY);
  ReleaseDC(wnd, dc);
}

void TsSkinProvider::PaintButtonImage(int code, const TPixelBufferView& cache) {
  TsCaptionButton* button = ButtonOf(code);
  TsSkinManager* m = skinData_->SkinManager();
  if (!button || button->Rect.IsEmpty() || !m) return;
  HWND wnd = form_->HandleIfAllocated();
  const bool iconic = wnd && IsIconic(wnd), zoomed = wnd && IsZoomed(wnd);
  const TsWindowCommands commands = WindowCommands();
  int image = button->ImageIndex;
  bool enabled = true;
  switch (code) {
    case CaptionMaximize:
      if (zoomed) image = GlobalOrForm(m, skinData_.get(), "BICONNORM");
      else if (iconic) image = GlobalOrForm(m, skinData_.get(), "BICONMAX");
      enabled = zoomed ? commands.RestoreEnabled : commands.MaximizeEnabled;
      break;
    case CaptionMinimize:
      if (iconic) image = GlobalOrForm(m, skinData_.get(), "BICONNORM");
      enabled = iconic ? commands.RestoreEnabled : commands.MinimizeEnabled;
      break;
    case CaptionMDIRestore:
    case CaptionMDIMinimize: {
      TForm* child = form_->ActiveMDIChild();
      TsSkinProvider* cp = MaximisingChildProvider;
      if (!child || !cp || !cp->Form()) return;  // the child or its provider went
      const TsWindowCommands cc = cp->WindowCommands();
      if (code == CaptionMDIMinimize && !cc.MinimizeEnabled) return;
      if (code == CaptionMDIRestore && child->WindowState() == wsMaximized) {
        const int small = m->LookupImageItem(m->CommonIndexCache.GlobalInfo, "GLOBALINFO", "SICONNORM");
        image = small != -1 ? small : GlobalOrForm(m, skinData_.get(), "BICONNORM");
      }
      enabled = FormActive && (code == CaptionMDIMinimize ? cc.MinimizeEnabled : cc.RestoreEnabled);
      break;
    }
    case CaptionMDIClose: enabled = FormActive; break;
    default: break;
  }
  const int title = code - CaptionTitleButton;
  if (title >= 0 && title < titleButtons_->Count()) {
    TsTitleButton* b = titleButtons_->Items(title);
    if (!b->UseSkinData()) return;
    if (const TsMaskData* item = MaskOf(m, b->Button.ImageIndex)) {
      const int mode = b->Button.State == 0 && !FormActive ? 2 : 1;
      PaintMaskGlyph(cache, {button->Rect.Left, button->Rect.Top}, b->Button.State, *item, mode);
    }
    GdiFlush();
    DrawTitleGlyph(cache, b->Glyph(), button->Rect, b->Button.State == 2);
    return;
  }
  const TsMaskData* item = MaskOf(m, image);
  if (!item) {
    if (!SkinDrawsCaptionButtons() && code != CaptionMDIClose && code != CaptionMDIRestore &&
        code != CaptionMDIMinimize)
      DrawPlatformCaptionButton(CacheBitmap()->Canvas()->Handle(), button->Rect, code, button->State, enabled,
                                zoomed, iconic);
    return;
  }
  const int mode = !enabled || (button->State == 0 && !FormActive) ? 2 : 1;
  PaintMaskGlyph(cache, {button->Rect.Left, button->Rect.Top}, button->State, *item, mode);
}

void TsSkinProvider::DrawCaptionButtons(const TPixelBufferView& cache) {
  LayoutButtons();
  for (int code : {CaptionClose, CaptionMaximize, CaptionMinimize, CaptionHelp}) PaintButtonImage(code, cache);
  for (int i = 0; i < titleButtons_->Count(); ++i) PaintButtonImage(CaptionTitleButton + i, cache);
  if (HasMaximisedMDIChild())
    for (int code : {CaptionMDIMinimize, CaptionMDIRestore, CaptionMDIClose}) PaintButtonImage(code, cache);
}

void TsSkinProvider::ShowSystemMenu(int x, int y) {
  // The menu's commands come with the skinned system menu; an empty one
  // has nothing to show.
  if (!SystemMenu || !form_ || SystemMenu->Items()->Count() == 0) return;
  SystemMenu->UpdateItems();
  if (MakeSkinMenu()) {
    SystemMenu->RemoveSkinList();
    SystemMenu->AddSkinList();
    TsSkinManager* m = skinData_->SkinManager();
    if (m && m->SkinnedPopups() && m->SkinableMenus()) SetPopupSkinned(m->SkinableMenus(), SystemMenu, true);
  }
  SystemMenu->SetWindowHandle(form_->HandleIfAllocated());
  SystemMenu->Popup(x, y);
}

// -- Mouse ------------------------------------------------------------------------------------------

void TsSkinProvider::WMNCLButtonDown(TMessage& m) {
  HWND wnd = form_->HandleIfAllocated();
  const int code = static_cast<int>(m.WParam);
  const int x = XOf(m.LParam), y = YOf(m.LParam);
  m.Result = 0;
  if (code == HTSYSMENU) {
    SetHotButton(0, true);
    const TPoint origin = HitTestOriginNow();
    if (form_->FormStyle() != fsMDIChild)
      ShowSystemMenu(origin.X + FrameWidth(), origin.Y + FrameHeight() + form_->BorderWidth() + TitleIconHeight());
    else if (MDIParentProvider)
      ShowSystemMenu(origin.X, origin.Y + CaptionHeight() + 4);
    return;
  }
  switch (code) {
    case CaptionMinimize:
    case CaptionMaximize:
    case CaptionClose:
    case CaptionHelp:
    case CaptionMDIClose:
      PressButton(code);
      return;
    case CaptionMDIRestore:
    case CaptionMDIMinimize: {
      TsSkinProvider* cp = MaximisingChildProvider;
      if (cp && cp->Form()) {
        const TsWindowCommands cc = cp->WindowCommands();
        if (!(code == CaptionMDIMinimize ? cc.MinimizeEnabled : cc.RestoreEnabled)) return;
      }
      PressButton(code);
      return;
    }
    default: break;
  }
  const int title = code - CaptionTitleButton;
  if (title >= 0 && title < titleButtons_->Count()) {
    PressButton(code);
    // The handler may delete buttons: the index is checked again on release.
    titleButtons_->Items(title)->MouseDown(mbLeft, TShiftState{}, x, y);
    return;
  }
  if (wnd && IsIconic(wnd)) {
    form_->Perform(WM_SYSCOMMAND, SC_DRAGMOVE, 0);
    return;
  }
  SetHotButton(0, true);
  if (wnd && IsZoomed(wnd) && y - HitTestOriginNow().Y <= FrameHeight() + CaptionHeight()) {
    if (GetActiveWindow() != wnd) SetActiveWindow(wnd);
    return;
  }
  // An outline drag starts from the caption or a border only: the other
  // codes (scroll bars, the menu) keep their own handling. Passing the
  // press on would start the system's live move or size loop.
  const bool border = code >= HTLEFT && code <= HTBOTTOMRIGHT;
  if (resizeMode_ == rmBorder && (code == HTCAPTION || border)) {
    BorderDrag.KeepEdge = border;
    if (border) BorderDrag.EdgeCode = code;
    SendMessageW(wnd, WM_SYSCOMMAND, border ? SC_SIZE : SC_MOVE, m.LParam);
    BorderDrag.KeepEdge = false;
    StartBorderDrag(x, y);
    return;
  }
  OldWndProc(m);
}

void TsSkinProvider::WMNCLButtonUp(TMessage& m) {
  HWND wnd = form_->HandleIfAllocated();
  const bool client = m.Msg == WM_LBUTTONUP;
  const bool captured = wnd && GetCapture() == wnd;
  TsReleaseInput in;
  in.Code = ReleasedCode(client, captured, static_cast<int>(m.WParam), HotButton);
  TPoint mouse{XOf(m.LParam), YOf(m.LParam)};
  if (client && wnd) {
    POINT p{mouse.X, mouse.Y};
    ClientToScreen(wnd, &p);
    mouse = {p.x, p.y};
  }
  const TPoint origin = HitTestOriginNow();
  const TPoint at{mouse.X - origin.X, mouse.Y - origin.Y};
  TsCaptionButton* button = ButtonOf(in.Code);
  in.ButtonDown = ButtonDown;
  in.InButton = button && InClosed(button->Rect, at);
  in.Iconic = wnd && IsIconic(wnd);
  in.Maximized = wnd && IsZoomed(wnd);
  in.MainForm = Application->MainForm() == form_;
  in.Commands = WindowCommands();
  in.TitleCount = titleButtons_->Count();
  const TsReleaseAction action = ReleaseAction(in);
  // The press took the mouse; any release gives it back.
  const bool pressed = ButtonDown && HotButton != 0;
  if (captured && (pressed || action != raOther) && BorderDrag.Provider != this) ReleaseCapture();
  if (action == raOther && pressed) SetHotButton(0, true);
  m.Result = 0;
  auto send = [wnd](UINT command) {
    if (wnd) SendMessageW(wnd, WM_SYSCOMMAND, command, 0);
  };
  switch (action) {
    case raPassOn:
      SetHotButton(0, true);
      OldWndProc(m);
      return;
    case raSwallow: return;
    case raClearHot: SetHotButton(0, true); return;
    case raMinimize:
    case raRestore:
      SetHotButton(0, true);
      send(action == raMinimize ? SC_MINIMIZE : SC_RESTORE);
      return;
    case raMaximize:
      SetHotButton(0, true);
      if (form_->FormStyle() == fsMDIChild) MaximisingChildProvider = this;
      else form_->SetWindowState(wsMaximized);
      send(SC_MAXIMIZE);
      if (SystemMenu) SystemMenu->UpdateItems();
      return;
    case raRestoreMaximized:
      SetHotButton(0, true);
      if (form_->FormStyle() == fsMDIChild) {
        MaximisingChildProvider = nullptr;
      } else {
        form_->SetWindowState(wsNormal);
        send(SC_RESTORE);
        form_->Repaint();
      }
      if (SystemMenu) SystemMenu->UpdateItems();
      return;
    case raClose:
      // Closing may free the form and this provider: nothing after it.
      ButtonClose.State = 0;
      HotButton = 0;
      ButtonDown = false;
      send(SC_CLOSE);
      return;
    case raHelp:
      send(SC_CONTEXTHELP_);
      SetHotButton(0, true);
      if (SystemMenu) SystemMenu->UpdateItems();
      SendNcPaint();
      return;
    case raMDIClose:
    case raMDIRestore:
    case raMDIMinimize: {
      TForm* child = form_->ActiveMDIChild();
      SetHotButton(0, action == raMDIMinimize);
      if (!child || !child->HandleAllocated()) return;
      if (action == raMDIMinimize && MDIParentProvider) MDIParentProvider->SkinData()->BeginSkinUpdate();
      const UINT command = action == raMDIClose ? SC_CLOSE : action == raMDIRestore ? SC_RESTORE : SC_MINIMIZE;
      SendMessageW(child->HandleIfAllocated(), WM_SYSCOMMAND, command, 0);
      if (action == raMDIMinimize && MDIParentProvider) MDIParentProvider->SkinData()->EndSkinUpdate();
      return;
    }
    case raTitleButtonUp: {
      TsTitleButton* b = titleButtons_->Items(in.Code - CaptionTitleButton);
      SetHotButton(0, true);
      b->MouseUp(mbLeft, TShiftState{}, XOf(m.LParam), YOf(m.LParam));
      return;
    }
    case raOther: break;
  }
  if (in.Iconic) {
    if (MDIParentProvider && form_->FormStyle() == fsMDIChild) ShowSystemMenu(mouse.X, mouse.Y);
    else OldWndProc(m);
    return;
  }
  if (resizeMode_ == rmBorder && !in.Maximized && BorderDrag.Provider == this &&
      (BorderDrag.Dragging || BorderDrag.Pending)) {
    BorderDragStep(mouse.X, mouse.Y, true);
    FinishBorderDrag();
    return;
  }
  OldWndProc(m);
}

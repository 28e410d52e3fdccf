// The provider's window procedure. Every message of the form passes here
// before the form's own handling, in three stages: the commands any
// provider answers, then either the few messages of a form without skin or
// the full handling of a skinned one.
#include "platform/forms/menus.h"
#include "skin/windows/skinable_menus_win.h"
#include "skin/core/broadcast_win.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/common_data_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/paint_colors.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skin_platform.h"
#include "skin/windows/skin_provider.h"

namespace {

int XOf(LPARAM l) { return static_cast<short>(LOWORD(l)); }
int YOf(LPARAM l) { return static_cast<short>(HIWORD(l)); }

constexpr UINT CM_UPDATESCROLLBARS = 0xB03A;
constexpr UINT CM_REFRESHMDI = 0xB040;
constexpr int NotifyControlsChanged = -551;
// RedrawWindow flags as the procedure has always used them: the whole
// window with frame and children (0x5A1), and an MDI client (0x507).
constexpr UINT RedrawWhole = 0x5A1;
constexpr UINT RedrawMDIClient = 0x507;

// Windows Vista and later compose frames themselves.
bool VistaOrLater() {
  int major = 0, minor = 0;
  SkinPlatform().OsVersion(major, minor);
  return major > 5;
}

bool ManagerLoading(const TsSkinManager* m) {
  return m && m->ComponentState().Contains(csLoading);
}

bool ManagerDesigning(const TsSkinManager* m) {
  return m && m->ComponentState().Contains(csDesigning);
}

TsCmdMessage ToCommand(const TMessage& m) {
  TsCmdMessage c;
  c.Msg = m.Msg;
  c.WParam = m.WParam;
  c.LParam = m.LParam;
  c.Result = m.Result;
  return c;
}

bool IsMaximisedMDIChild(TCustomForm* form) {
  return form->FormStyle() == fsMDIChild && form->WindowState() == wsMaximized;
}

TCustomForm* MDIParentForm() { return MDIParentProvider ? MDIParentProvider->Form() : nullptr; }

void SetRedraw(TWinControl* control, bool on) {
  if (control->HandleAllocated()) SendMessageW(control->HandleIfAllocated(), WM_SETREDRAW, on ? 1 : 0, 0);
}

}  // namespace

void TsSkinProvider::OldWndProc(TMessage& message) { hook_.Previous(message); }

void TsSkinProvider::PassOnWith(TMessage& message, const std::function<void()>& before,
                                const std::function<void()>& after) {
  if (before) before();
  try {
    OldWndProc(message);
  } catch (...) {
    if (after) after();
    throw;
  }
  if (after) after();
}

void TsSkinProvider::NewWndProc(TMessage& m) {
  if (m.Msg == WM_SETTINGCHANGE || m.Msg == WM_DISPLAYCHANGE) ForgetSystemMetrics();
  if (m.Msg == CommandMessage && CommonCommand(m)) return;
  if (!skinData_ || FormDestroying() || !skinData_->IsSkinned()) {
    UnskinnedMessage(m);
    return;
  }
  if (m.Msg == CommandMessage) {
    SkinnedCommand(m);
    return;
  }
  SkinnedMessage(m);
}

// -- Stage 1 ----------------------------------------------------------------------------------

bool TsSkinProvider::CommonCommand(TMessage& m) {
  if (AnswerIdentityQuery(m)) return true;
  const LPARAM manager = reinterpret_cast<LPARAM>(skinData_ ? skinData_->SkinManager() : nullptr);
  switch (SkinCmdOf(m.WParam)) {
    case SkinCmdNewSkin:
      if (!FormDestroying() && skinData_ && m.LParam == manager && !SystemMenu) PrepareForm();
      return false;
    case SkinCmdSkinRemoved:
      if (skinData_ && m.LParam == manager) SkinRemoved(m);
      else BroadcastToChildren(form_, m);
      return true;
    case SkinCmdQueryCacheOffset: {
      const TPoint offset = ClientOffset();
      m.Result = MAKELONG(offset.X, offset.Y);
      return true;
    }
    default: return false;
  }
}

void TsSkinProvider::SkinRemoved(TMessage& m) {
  ReleaseCtrlAdapter();
  TsCmdMessage command = ToCommand(m);
  TsCommonData::DispatchSkinCommand(command, skinData_.get());
  MenuRows = -1;
  BroadcastToChildren(form_, m);
  if (!FormDestroying()) {
    SkinMenus(false);
    if (form_->HandleAllocated()) {
      HWND wnd = form_->HandleIfAllocated();
      if (form_->BorderIcons().Contains(biSystemMenu))
        SetWindowLongW(wnd, GWL_STYLE, GetWindowLongW(wnd, GWL_STYLE) | WS_SYSMENU);
      SetMDISupport(false);
      if (HasSkinnedFrame() && !NoRegion) SetWindowRgn(wnd, nullptr, TRUE);
      // The platform draws its own frame again, caption buttons included.
      SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    form_->SetColor(clBtnFace);
    if (form_->Menu()) RefreshMainMenu();
    if (form_->FormStyle() == fsMDIForm && form_->ClientHandle())
      RedrawWindow(form_->ClientHandle(), nullptr, nullptr, RedrawMDIClient);
    if (!useGlobalColor_ || skinData_->CustomColor()) form_->Repaint();
    else form_->SetColor(clBtnFace);
  }
  if (skinData_->CacheBitmap) skinData_->CacheBitmap->SetSize(0, 0);
}

// -- Stage 2 ----------------------------------------------------------------------------------

void TsSkinProvider::UnskinnedMessage(TMessage& m) {
  if (m.Msg == CommandMessage) {
    switch (SkinCmdOf(m.WParam)) {
      case SkinCmdNewSkin:
        if (FormDestroying() || !skinData_) break;
        if (m.LParam == reinterpret_cast<LPARAM>(skinData_->SkinManager())) NewSkinWhileUnskinned(m);
        BroadcastToChildren(form_, m);
        return;
      case SkinCmdQueryProvider:
        m.Result = reinterpret_cast<LRESULT>(this);
        return;
      default: break;
    }
  }
  OldWndProc(m);
  if (m.Msg == WM_NCDESTROY && form_ && form_->FormStyle() == fsMDIChild && MDIParentProvider &&
      MDIParentProvider->HasMDISupport() && !MDIParentProvider->IsDestroying() &&
      !MDIParentProvider->FormDestroying() && MDIParentProvider->SkinData()->IsSkinned()) {
    MDIParentProvider->RepaintFrameNow();
    TCustomForm* parent = MDIParentProvider->Form();
    if (!parent->ActiveMDIChild() && parent->ClientHandle())
      RedrawWindow(parent->ClientHandle(), nullptr, nullptr, RedrawMDIClient);
  }
}

void TsSkinProvider::NewSkinWhileUnskinned(TMessage&) {
  skinData_->RefreshSkinIndexes();
  if (!skinData_->IsSkinned(false)) {
    // The new skin lacks the form's section: the platform takes the form
    // back, frame, controls, menu bar and colour.
    ReleaseCtrlAdapter();
    ReturnMenuBarToPlatform();
    if (form_->HandleAllocated()) ReturnFormToPlatformLook();
    ApplyGlobalColor();
    return;
  }
  if (TsSkinManager* m = skinData_->SkinManager()) {
    UpdateButtonMasks();
    if (!form_->BorderIcons().Empty()) RemoveSystemMenuStyle();
    if (form_->FormStyle() == fsMDIForm && form_->ActiveMDIChild() &&
        form_->ActiveMDIChild() == Screen->ActiveForm())
      FormActive = true;
    if (!ManagerLoading(m)) SkinMenus(true);
    skinData_->BackgroundStale = true;
    MenuRows = -1;
    if (form_->FormStyle() == fsMDIForm && !HasMDISupport()) SetMDISupport(true);
    ApplyGlobalColor();
  }
  if (Adapter) Adapter->AdaptAllControls(nullptr);
  else CreateCtrlAdapter();
}

// -- Stage 3: commands --------------------------------------------------------------------

void TsSkinProvider::SkinnedCommand(TMessage& m) {
  TsSkinManager* manager = skinData_->SkinManager();
  const bool own = m.LParam == reinterpret_cast<LPARAM>(manager);
  HWND wnd = form_->HandleIfAllocated();
  switch (SkinCmdOf(m.WParam)) {
    case SkinCmdNewSkin:
      if (!own) break;
      ResetPopupState();
      skinData_->RefreshSkinIndexes();
      if (manager) {
        UpdateButtonMasks();
        ResetPopupState();
        if (!form_->BorderIcons().Empty()) RemoveSystemMenuStyle();
        RefreshMenuPainter(manager->SkinableMenus());
        skinData_->BackgroundStale = true;
        MenuRows = -1;
        SendNcPaint();
        if (form_->FormStyle() == fsMDIForm && !HasMDISupport()) SetMDISupport(true);
        if (MDISupport) MDISupport->UpdateClientAdapter();
      }
      break;
    case SkinCmdSkinReapplied:
      if (own) SkinReapplied(m);
      break;
    case SkinCmdQueryProvider: m.Result = reinterpret_cast<LRESULT>(this); break;
    case SkinCmdQueryCache:
      if (!Loading()) {
        const TPoint offset = ClientOffset();
        ParentCacheInfo = MakeCacheInfo(skinData_->CachePixels(), offset.X, offset.Y);
      }
      break;
    case SkinCmdSetUpdating:
      skinData_->MarkUpdating(SkinCmdArgumentOf(m.WParam) == 1);
      if (skinData_->IsUpdating()) skinData_->BackgroundStale = true;
      break;
    case SkinCmdForceFullRedraw: {
      TsCmdMessage command = ToCommand(m);
      CommonControlMessage(command, skinData_.get());
      if (skinData_->ForceFullRedraw) {
        skinData_->BackgroundStale = true;
        PaintFrameToCache();
      }
      break;
    }
    case SkinCmdQueryUpdating: m.LParam = skinData_->IsUpdating() ? 1 : 0; break;
    case SkinCmdSetPaintingChild:
      skinData_->PaintingChild = reinterpret_cast<TComponent*>(m.LParam);
      break;
    case SkinCmdQueryBackgroundKind: {
      const TsGeneralData* s = skinData_->Section();
      m.LParam = m.Result = s && s->GradientPercent + s->ImagePercent > 0 ? 1 : 0;
      break;
    }
    case SkinCmdQueryBackColor: {
      const TsGeneralData* s = skinData_->Section();
      ParentBackColor = s && !skinData_->CustomColor() ? s->Color : ColorToRGB(form_->Color());
      break;
    }
    case SkinCmdAdaptControl:
      if (!Loading() && m.LParam && Adapter)
        Adapter->AddDefault(reinterpret_cast<TControl*>(m.LParam));
      break;
    case SkinCmdBeforeScroll:
      if (skinData_->NeedsFullRedraw() && wnd) SendMessageW(wnd, WM_SETREDRAW, 0, 0);
      break;
    case SkinCmdAfterScroll:
      if (skinData_->NeedsFullRedraw() && wnd) {
        SendMessageW(wnd, WM_SETREDRAW, 1, 0);
        RedrawWindow(wnd, nullptr, nullptr, RedrawWhole);
        if (MDIParentProvider == this && form_->ClientHandle())
          RedrawWindow(form_->ClientHandle(), nullptr, nullptr, RedrawWhole);
      }
      break;
    default: break;
  }
}

void TsSkinProvider::SkinReapplied(TMessage& m) {
  TsSkinManager* manager = skinData_->SkinManager();
  if (Adapter) Adapter->AdaptAllControls(nullptr);
  else CreateCtrlAdapter();
  UpdateFormScrollBars();
  skinData_->BackgroundStale = true;
  MenuRows = -1;
  TopAreaCache.reset();
  if (!ManagerLoading(manager)) {
    if (form_->Menu()) RefreshMainMenu();
    SkinMenus(skinData_->IsSkinned());
  }
  if (HasSkinnedFrame()) RegionOutdated = true;
  if (form_->Visible() && form_->HandleAllocated()) {
    HWND wnd = form_->HandleIfAllocated();
    SendNcPaint();
    InvalidateRect(wnd, nullptr, FALSE);
    UpdateWindow(wnd);
    ApplyGlobalColor();
    if (MDISupport) MDISupport->UpdateClientAdapter();
    skinData_->Updating = false;
    PassCommandToAdapter(m);
  }
}

// -- Stage 3: window messages --------------------------------------------------------------

void TsSkinProvider::SkinnedMessage(TMessage& m) {
  HWND wnd = form_->HandleIfAllocated();
  switch (m.Msg) {
    case WM_CREATE: {
      TopAreaCache.reset();
      TCustomForm* parent = MDIParentForm();
      TForm* active = parent ? parent->ActiveMDIChild() : nullptr;
      ChildMaximisedOnCreate =
          form_->FormStyle() == fsMDIChild && active && active->WindowState() == wsMaximized;
      OldWndProc(m);
      PrepareForm();
      return;
    }
    case WM_SIZE: WMSize(m); return;
    case WM_ACTIVATE: WMActivate(m); return;
    case WM_SETTEXT: WMSetText(m); return;
    case WM_PAINT: WMPaint(m); return;
    case WM_ERASEBKGND:
      if (VisualThemesInUse() && !ShowingAnimation) OldWndProc(m);
      m.Result = 0;
      return;
    case WM_SYSCOLORCHANGE:
      OldWndProc(m);
      RefreshMainMenu();
      return;
    case WM_SHOWWINDOW:
      OldWndProc(m);
      if (IsMaximisedMDIChild(form_) && MDIParentProvider) MDIParentProvider->RepaintFrameNow();
      return;
    case WM_SETTINGCHANGE:
      skinData_->BackgroundStale = true;
      TopAreaCache.reset();
      OldWndProc(m);
      return;
    case WM_CHILDACTIVATE:
      OldWndProc(m);
      RefreshMainMenu();
      if (MDIParentProvider && MDIParentProvider != this) {
        TForm* active = MDIParentProvider->Form()->ActiveMDIChild();
        if (active && active->WindowState() == wsMaximized) MDIParentProvider->PaintFrameToWindow();
      }
      return;
    case WM_WINDOWPOSCHANGING:
      if (RegionPending) {
        m.Result = 0;
        return;
      }
      if (screenSnap_ && m.LParam) SnapWindowPos(*reinterpret_cast<WINDOWPOS*>(m.LParam));
      OldWndProc(m);
      return;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(m); return;
    case WM_NOTIFY:
      OldWndProc(m);
      if (m.LParam && reinterpret_cast<NMHDR*>(m.LParam)->code == static_cast<UINT>(NotifyControlsChanged) &&
          Adapter)
        Adapter->AdaptAllControls(nullptr);
      return;
    case WM_NCHITTEST: WMNCHitTest(m); return;
    case WM_NCPAINT: WMNCPaint(m); return;
    case WM_NCACTIVATE: WMNCActivate(m); return;
    case WM_NCLBUTTONDOWN: WMNCLButtonDown(m); return;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      // A drag that lost the mouse ends where it is, without moving.
      if (BorderDrag.Provider == this && (BorderDrag.Dragging || BorderDrag.Pending) &&
          (m.Msg == WM_CANCELMODE || reinterpret_cast<HWND>(m.LParam) != wnd))
        EndBorderDrag();
      OldWndProc(m);
      return;
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP: WMNCLButtonUp(m); return;
    case WM_NCLBUTTONDBLCLK: {
      if (BorderDrag.Dragging) FinishBorderDrag();
      if (m.WParam == HTCAPTION && SystemMenu && wnd &&
          (SystemMenu->EnabledMax() || SystemMenu->EnabledRestore() ||
           (IsIconic(wnd) && !HasSkinnedFrame()))) {
        const bool restore = IsZoomed(wnd) || IsIconic(wnd);
        if (!restore) {
          if (form_->FormStyle() == fsMDIChild) MaximisingChildProvider = this;
          else form_->SetWindowState(wsMaximized);
        }
        SendMessageW(wnd, WM_SYSCOMMAND, restore ? SC_RESTORE : SC_MAXIMIZE, 0);
        SystemMenu->UpdateItems();
        m.WParam = 0;
      } else if (m.WParam == HTSYSMENU) {
        form_->Close();
      }
      m.Result = 0;
      return;
    }
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
      TsSkinManager* manager = skinData_->SkinManager();
      if (measure && measure->CtlType == ODT_MENU && form_->FormStyle() != fsMDIChild && form_->Menu() && manager) {
        const WORD command = static_cast<WORD>(measure->itemData ? measure->itemData : measure->itemID);
        if (TMenuItem* item = form_->Menu()->FindItem(command, TMenu::fkCommand))
          HookItem(manager->SkinableMenus(), item, skinData_->IsSkinned());
      }
      OldWndProc(m);
      return;
    }
    case WM_NCRBUTTONDOWN:
      if (m.WParam == HTCAPTION || m.WParam == HTSYSMENU) m.Result = 0;
      else OldWndProc(m);
      return;
    case WM_NCRBUTTONUP:
      if (!HasSkinnedFrame()) {
        OldWndProc(m);
        return;
      }
      if (m.WParam == HTCAPTION || m.WParam == HTSYSMENU) {
        SetHotButton(0, true);
        ShowSystemMenu(XOf(m.LParam), YOf(m.LParam));
      }
      m.Result = 0;
      return;
    case WM_SYSCOMMAND: WMSysCommand(m); return;
    case WM_INITMENUPOPUP:
      if (HIWORD(m.LParam)) SystemMenuOpen = true;
      OldWndProc(m);
      return;
    case WM_ENTERIDLE: m.Result = 0; return;
    case WM_MOUSEMOVE:
      OldWndProc(m);
      // The default manager may be gone while forms it skinned live on.
      if (DefaultManager && !ManagerDesigning(DefaultManager)) DefaultManager->SetHotControl(0);
      if (resizeMode_ == rmBorder) BorderDragStep(XOf(m.LParam), YOf(m.LParam));
      return;
    case WM_PARENTNOTIFY:
      OldWndProc(m);
      if (!Loading() && !form_->ComponentState().Contains(csLoading) &&
          LOWORD(m.WParam) == WM_CREATE && Adapter)
        Adapter->AdaptAllControls(nullptr);
      return;
    case WM_ENTERMENULOOP:
      if (form_->FormStyle() == fsMDIForm && !NoRegion && form_->ActiveMDIChild() &&
          form_->ActiveMDIChild()->WindowState() == wsMaximized) {
        NoRegion = true;
        ShowMDIIcons();
      }
      OldWndProc(m);
      return;
    case WM_EXITMENULOOP:
      NoRegion = false;
      if (MDIIconsForm && form_->FormStyle() == fsMDIForm) {
        delete MDIIconsForm;
        MDIIconsForm = nullptr;
      }
      OldWndProc(m);
      return;
    case WM_SIZING:
      OldWndProc(m);
      if (SizeChanged()) {
        skinData_->BackgroundStale = true;
        MenuRows = -1;
      }
      return;
    case WM_MDIDESTROY:
    case WM_MDIACTIVATE:
      OldWndProc(m);
      if (form_->FormStyle() == fsMDIChild && form_->WindowState() != wsMaximized && MDIParentProvider &&
          !MDIParentProvider->IsDestroying()) {
        MenuLinePrepared = false;
        MDIParentProvider->FullTitleRepaint = true;
        MDIParentProvider->RepaintFrameNow();
        MaximisingChildProvider = this;
      }
      return;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      SetHotButton(0, true);
      OldWndProc(m);
      return;
    case WM_NCMOUSEMOVE:
      OldWndProc(m);
      // The platform tracks the client area only: a pointer that leaves
      // through the title bar must still cool the hot button.
      if (HotButton != 0 && wnd) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, wnd, 0};
        TrackMouseEvent(&track);
      }
      return;
    case WM_NCMOUSELEAVE:
      // A held button keeps its press while it has the mouse: the release
      // decides and cools it.
      if (!ButtonDown || GetCapture() != wnd) SetHotButton(0, true);
      OldWndProc(m);
      return;
    case WM_PRINT: WMPrint(m); return;
    case WM_PRINTCLIENT: m.Result = 0; return;
    case CM_VISIBLECHANGED:
      OldWndProc(m);
      if (m.WParam == 0 && skinData_->CacheBitmap && !FormDestroying()) skinData_->CacheBitmap->SetSize(0, 0);
      return;
    case CM_ENABLEDCHANGED:
      OldWndProc(m);
      skinData_->BackgroundStale = true;
      SendNcPaint();
      return;
    case CM_COLORCHANGED:
      if (!skinData_->CustomColor()) return;  // the skin gives the colour
      if (!FormCreating()) skinData_->BackgroundStale = true;
      OldWndProc(m);
      return;
    case CM_MENUCHANGED:
      if (form_->Visible() && !FormCreating()) FullTitleRepaint = true;
      OldWndProc(m);
      return;
    case CM_SHOWINGCHANGED: CMShowingChanged(m); return;
    case CM_CONTROLLISTCHANGE:
      OldWndProc(m);
      if (auto* c = dynamic_cast<TWinControl*>(reinterpret_cast<TControl*>(m.WParam)); c && Adapter)
        Adapter->AddDefault(c);
      return;
    case CM_UPDATESCROLLBARS:
      OldWndProc(m);
      if (wnd) SendCmdToWindow(wnd, SkinCmdSkinReapplied, reinterpret_cast<LPARAM>(skinData_->SkinManager()));
      return;
    case CM_REFRESHMDI:
      OldWndProc(m);
      if (form_->FormStyle() == fsMDIForm) {
        RefreshMDIParent();
        if (SystemMenu) SystemMenu->UpdateItems();
      }
      return;
    default: OldWndProc(m); return;
  }
}

// The maximised child's buttons stay visible over the menu line while a
// menu loop runs.
void TsSkinProvider::ShowMDIIcons() {
  const int width = 60, height = GetSystemMetrics(SM_CYMENU) + 3;
  if (!MDIIconsForm) {
    MDIIconsForm = new TForm(Application);
    MDIIconsForm->Hide();
    MDIIconsForm->SetTag(-98);
    MDIIconsForm->SetName("vxMDIIcons");
    MDIIconsForm->SetBorderStyle(bsNone);
    MDIIconsForm->OnPaint = [this, width, height](TObject*) {
      TBitmap* cache = CacheBitmap();
      if (!cache || !MDIIconsForm) return;
      BitBlt(MDIIconsForm->Canvas()->Handle(), 0, 0, width, height, cache->Canvas()->Handle(),
             cache->Width() - width, CaptionHeight(), SRCCOPY);
    };
  }
  RECT r{};
  GetWindowRect(form_->Handle(), &r);
  SetWindowPos(MDIIconsForm->Handle(), HWND_TOP, r.right - width, r.top + CaptionHeight(), width, height,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TsSkinProvider::WMSize(TMessage& m) {
  skinData_->BackgroundStale = true;
  RegionOutdated = true;
  OldWndProc(m);
  if (!FormShowing()) return;
  if (IsMaximisedMDIChild(form_) && MDIParentProvider) {
    TBitmap* cache = CacheBitmap();
    MDIParentProvider->SkinData()->BackgroundStale =
        cache && (cache->Width() == FormWidth() || cache->Height() == form_->Height());
    MDIParentProvider->SendNcPaint();
  }
  const TsGeneralData* s = skinData_->Section();
  if (s && s->GradientPercent > 0) {
    for (int i = 0; i < form_->ControlCount(); ++i) {
      TControl* c = form_->Controls(i);
      if (!c->ComponentState().Contains(csDestroying))
        c->Perform(CommandMessage, SkinCmdWParam(SkinCmdRepaint, 1), 0);
    }
  }
  if (!HasSkinnedFrame() && form_->HandleAllocated())
    RedrawWindow(form_->HandleIfAllocated(), nullptr, nullptr, RDW_FRAME | RDW_UPDATENOW);
}

void TsSkinProvider::WMActivate(TMessage& m) {
  OldWndProc(m);
  if (FormCreating()) return;
  FormActive = LOWORD(m.WParam) != 0;
  skinData_->BackgroundStale = true;
  MenuRows = -1;
  if (form_->FormStyle() == fsMDIChild && MDIParentProvider) {
    TCustomForm* parent = MDIParentProvider->Form();
    for (int i = 0; i < parent->MDIChildCount(); ++i) {
      TForm* child = parent->MDIChildren(i);
      if (child != form_ && child->Visible() && child->HandleAllocated())
        SendMessageW(child->HandleIfAllocated(), WM_NCPAINT, 1, 0);
    }
    MDIParentProvider->SkinData()->BackgroundStale = true;
  }
  SendNcPaint();
  if (!ManagerDesigning(skinData_->SkinManager())) SkinMenus(skinData_->IsSkinned());
  if (SystemMenu) SystemMenu->UpdateItems();
}

void TsSkinProvider::WMSetText(TMessage& m) {
  if (!FormShowing() || FormCreating()) {
    OldWndProc(m);
    return;
  }
  if (IsMaximisedMDIChild(form_) && MDIParentProvider) {
    TsSkinProvider* parent = MDIParentProvider;
    parent->SkinData()->BackgroundStale = true;
    PassOnWith(m, [parent] { parent->ShowCoverForm(); }, [parent] { parent->HideCoverForm(); });
    return;
  }
  if (VistaOrLater()) {
    OldWndProc(m);
    PaintFrameToWindow();
    return;
  }
  skinData_->BackgroundStale = true;
  PassOnWith(m, [this] { ShowCoverForm(); }, [this] { HideCoverForm(); });
}

void TsSkinProvider::WMPaint(TMessage& m) {
  if (!FormShowing() || FormCreating()) {
    if (form_->AlphaBlend()) {
      OldWndProc(m);
      return;
    }
    // Swallowed: the update region must go too, or the system asks again
    // at once.
    if (form_->HandleAllocated()) ValidateRect(form_->HandleIfAllocated(), nullptr);
    m.Result = 0;
    return;
  }
  PaintClientArea(m);
  if (ChildMaximisedOnCreate) {
    ChildMaximisedOnCreate = false;
    if (form_->FormStyle() == fsMDIChild) {
      MaximisingChildProvider = this;
      form_->SetWindowState(wsMaximized);
    }
  }
  m.Result = 0;
}

void TsSkinProvider::WMWindowPosChanged(TMessage& m) {
  OldWndProc(m);
  if (!FormShowing() || RegionPending || BorderDrag.Pending) return;
  if (SizeChanged() && !FormCreating()) {
    RegionOutdated = true;
    skinData_->BackgroundStale = true;
    MenuRows = -1;
    SendNcPaint();
  }
  if (auto* c = dynamic_cast<TControl*>(ExtraNotifyControl))
    SendCmdToControl(c, SkinCmdSkinReapplied, reinterpret_cast<LPARAM>(skinData_->SkinManager()));
}

void TsSkinProvider::WMNCHitTest(TMessage& m) {
  if (CaptionHeight() == 0) {
    OldWndProc(m);
    return;
  }
  const int code = HitTest(TPoint{XOf(m.LParam), YOf(m.LParam)});
  if (code != HTNOWHERE && code != HTCAPTION) {
    m.Result = code;
    if (resizeMode_ == rmBorder && !BorderDrag.Dragging && code >= HTLEFT && code <= HTBOTTOMRIGHT)
      BorderDrag.EdgeCode = code;
    return;
  }
  OldWndProc(m);
  SetHotButton(0, true);
  if (resizeMode_ == rmBorder && !BorderDrag.Dragging &&
      (m.Result == HTCAPTION || (m.Result >= HTLEFT && m.Result <= HTBOTTOMRIGHT)))
    BorderDrag.EdgeCode = static_cast<int>(m.Result);
}

void TsSkinProvider::WMNCPaint(TMessage& m) {
  m.Result = 0;
  if (VistaOrLater() && resizeMode_ == rmBorder) resizeMode_ = rmStandard;
  if (ShowingAnimation || !FormShowing() || Loading() || FormCreating() || ChildMaximisedOnCreate ||
      OtherMDIChildMaximised(form_) || !form_->HandleAllocated())
    return;
  HWND wnd = form_->HandleIfAllocated();
  if (HDC dc = GetWindowDC(wnd)) {
    const int saved = SaveDC(dc);
    try {
      PaintFrameTo(dc);
    } catch (...) {
      RestoreDC(dc, saved);
      ReleaseDC(wnd, dc);
      throw;
    }
    RestoreDC(dc, saved);
    ReleaseDC(wnd, dc);
  }
  if (RegionOutdated) {
    UpdateFrameCutouts();
    UpdateFormRegion(false);
    RegionOutdated = false;
  }
}

void TsSkinProvider::WMNCActivate(TMessage& m) {
  const bool active = m.WParam != 0;
  HWND wnd = form_->HandleIfAllocated();
  bool repaintFrame = false;
  if (FormShowing()) {
    if (active != FormActive) skinData_->BackgroundStale = true;
    if (ShowingAnimation) {
      PassOnWith(
          m, [this] { SetRedraw(form_, false); },
          [this, wnd] {
            SetRedraw(form_, true);
            if (VistaOrLater() && wnd)
              RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
          });
    } else if (VistaOrLater()) {
      // An lParam of -1 keeps the system from painting its frame over the
      // skin's; the skin's frame alone is painted below in its new state.
      // Redraw switched off around the call instead had to be followed by
      // a repaint of the form and every control, on each activation.
      const LPARAM region = m.LParam;
      m.LParam = -1;
      PassOnWith(m, nullptr, [&m, region] { m.LParam = region; });
      repaintFrame = true;
    } else {
      PassOnWith(m, [this] { ShowCoverForm(); }, [this] { HideCoverForm(); });
    }
  } else {
    skinData_->BackgroundStale = false;
    OldWndProc(m);
  }
  const LRESULT result = m.Result;
  if (form_->FormStyle() == fsMDIChild && form_->Visible() && FormShowing() && MDIParentProvider &&
      MDIParentProvider->HasMDISupport()) {
    MDIParentProvider->SkinData()->BackgroundStale = true;
    MDIParentProvider->MenuRows = -1;
    MDIParentProvider->MDISupport->RepaintFrame();
    MDIParentProvider->SendNcPaint();
    if (HWND client = MDIParentProvider->Form()->ClientHandle()) SendMessageW(client, WM_NCPAINT, 1, 0);
  }
  if (wnd && (GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED)) SendNcPaint();
  if (!FormCreating() && HasSkinnedFrame()) {
    bool now = active;
    if (HasMaximisedMDIChild()) now = active || form_->ActiveMDIChild()->Active();
    if (now != FormActive) MenuRows = -1;
    FormActive = now;
  }
  if (form_->FormStyle() == fsMDIChild) {
    skinData_->BackgroundStale = true;
    SendNcPaint();
  }
  if (repaintFrame && form_->FormStyle() != fsMDIChild) SendNcPaint();
  if (!ManagerDesigning(skinData_->SkinManager())) SkinMenus(skinData_->IsSkinned());
  if (!MenuLinePrepared) {
    RefreshMainMenu();
    MenuLinePrepared = true;
  }
  if (skinData_->IsSkinned() && !Adapter) CreateCtrlAdapter();
  // The client window goes with the form's: the new one is connected here.
  if (MDISupport) MDISupport->Connect();
  SendFinishUpdateToChildren(form_);
  m.Result = result;
}

void TsSkinProvider::WMSysCommand(TMessage& m) {
  HWND wnd = form_->HandleIfAllocated();
  const UINT command = static_cast<UINT>(m.WParam & 0xFFF0);
  if (LOWORD(m.WParam) == 0xF012) form_->Repaint();
  if (resizeMode_ == rmBorder && !BorderDrag.Dragging && wnd && (command == SC_MOVE || command == SC_SIZE)) {
    // The outline drag takes the mouse; passed on, the command would
    // start the system's live move or size loop.
    EndBorderDrag();
    SetCapture(wnd);
    BorderDrag.Provider = this;
    BorderDrag.Pending = true;
    BorderDrag.Moving = command == SC_MOVE;
    if (command == SC_SIZE && !BorderDrag.KeepEdge) BorderDrag.EdgeCode = 0;
    m.Result = 0;
    return;
  }
  if (form_->FormStyle() == fsMDIChild) {
    TsSkinProvider* parent = MDIParentProvider;
    const bool begun = parent && form_->WindowState() == wsMaximized && command != SC_MAXIMIZE;
    if (begun) parent->SkinData()->BeginSkinUpdate();
    auto endParentUpdate = [parent, begun] {
      if (begun) parent->SkinData()->EndSkinUpdate();
    };
    auto redrawForm = [](HWND w) {
      if (w) RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_FRAME | RDW_UPDATENOW);
    };
    switch (command) {
      case SC_MINIMIZE:
        PassOnWith(m, nullptr, endParentUpdate);
        if (begun) parent->RefreshMDIParent();
        if (SystemMenu) SystemMenu->UpdateItems();
        TopAreaCache.reset();
        skinData_->BackgroundStale = true;
        if (parent) parent->RefreshMDIParent();
        return;
      case SC_MAXIMIZE:
        MaximisingChildProvider = this;
        PassOnWith(m, [this] { BeginFormUpdate(true); }, [this] { EndFormUpdate(true); });
        redrawForm(wnd);
        if (parent) {
          parent->MenuRows = -1;
          if (parent->HasMDISupport()) parent->RefreshMDIParent();
        }
        if (SystemMenu) SystemMenu->UpdateItems();
        return;
      case SC_CLOSE:
        if (begun) parent->RefreshMDIParent();
        PassOnWith(
            m, [parent] { if (parent) parent->NoRegion = true; },
            [parent, endParentUpdate] {
              if (parent) parent->NoRegion = false;
              endParentUpdate();
            });
        SetHotButton(0, false);
        if (begun) parent->RefreshMDIParent();
        return;
      case SC_RESTORE:
        if (ChildMaximisedOnCreate) {
          endParentUpdate();
          return;
        }
        PassOnWith(m, [this] { BeginFormUpdate(true); }, [this, endParentUpdate] {
          skinData_->BackgroundStale = true;
          RemoveSystemMenuStyle();
          EndFormUpdate(true);
          endParentUpdate();
        });
        redrawForm(wnd);
        if (parent) {
          TCustomForm* parentForm = parent->Form();
          for (int i = 0; i < parentForm->MDIChildCount(); ++i) {
            TForm* child = parentForm->MDIChildren(i);
            if (child == form_) continue;
            if (child->WindowState() == wsMaximized) child->SetWindowState(wsNormal);
            if (child->HandleAllocated()) redrawForm(child->HandleIfAllocated());
          }
        }
        if (begun) parent->RefreshMDIParent();
        if (SystemMenu) SystemMenu->UpdateItems();
        return;
      case SC_KEYMENU:
        endParentUpdate();
        m.Result = 0;
        return;
      default:
        PassOnWith(m, nullptr, endParentUpdate);
        return;
    }
  }
  if (form_->FormStyle() == fsMDIForm) {
    OldWndProc(m);
    if (command == SC_MINIMIZE || command == SC_MAXIMIZE || command == SC_RESTORE) {
      skinData_->BackgroundStale = true;
      MenuRows = -1;
      SendNcPaint();
    }
    return;
  }
  if (command == SC_KEYMENU && LOWORD(m.LParam) == VK_SPACE &&
      form_->BorderIcons().Contains(biSystemMenu) && HasSkinnedFrame()) {
    RECT r{};
    if (wnd) GetWindowRect(wnd, &r);
    ShowSystemMenu(r.left + FrameWidth(),
                   r.top + FrameHeight() + form_->BorderWidth() + TitleIconHeight());
    m.Result = 0;
    return;
  }
  OldWndProc(m);
  if (command == SC_MINIMIZE) {
    if (skinData_->CacheBitmap) skinData_->CacheBitmap->SetSize(0, 0);
    TopAreaCache.reset();
  } else if (command == SC_MAXIMIZE || command == SC_RESTORE) {
    if (SystemMenu && SystemMenu->EnabledMax()) SetHotButton(CaptionMaximize, true);
    SetHotButton(0, true);
    if (command == SC_RESTORE && !HasSkinnedFrame()) {
      skinData_->BackgroundStale = true;
      if (wnd) SetWindowRgn(wnd, nullptr, TRUE);
    }
  }
}

void TsSkinProvider::WMPrint(TMessage& m) {
  m.Result = 0;
  if (!form_->Visible() || Loading() || FormCreating() || FormDestroying() || OtherMDIChildMaximised(form_))
    return;
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  HWND wnd = form_->HandleIfAllocated();
  if (!dc || !wnd) return;
  if (!MenuLinePrepared) {
    RefreshMainMenu();
    MenuLinePrepared = true;
  }
  skinData_->Updating = false;
  if (HasSkinnedFrame() || !(GetWindowLongW(wnd, GWL_STYLE) & WS_THICKFRAME)) {
    PaintFrameTo(dc);
  } else {
    if (skinData_->BackgroundStale) PaintFrameToCache();
    if (TBitmap* cache = CacheBitmap()) {
      HDC src = cache->Canvas()->Handle();
      const int b = form_->BorderWidth() + 3, w = form_->Width(), h = form_->Height();
      BitBlt(dc, 0, 0, w, b, src, 0, 0, SRCCOPY);
      BitBlt(dc, 0, 0, b, h, src, 0, 0, SRCCOPY);
      BitBlt(dc, 0, h - b, w, b, src, 0, h - b, SRCCOPY);
      BitBlt(dc, w - b, 0, b, h, src, w - b, 0, SRCCOPY);
    }
  }
  const int saved = SaveDC(dc);
  const TPoint offset = ClientOffset();
  OffsetViewportOrgEx(dc, offset.X, offset.Y, nullptr);
  IntersectClipRect(dc, 0, 0, form_->ClientWidth(), form_->ClientHeight());
  PaintClient(dc, false);
  if (form_->FormStyle() == fsMDIForm && form_->ClientHandle())
    SendMessageW(form_->ClientHandle(), WM_PRINT, m.WParam, m.LParam);
  RestoreDC(dc, saved);
  if (form_->OnPaint) form_->OnPaint(form_);
}

void TsSkinProvider::CMShowingChanged(TMessage& m) {
  if (!skinData_->BackgroundStale || VistaOrLater() || !FormShowing()) {
    OldWndProc(m);
    return;
  }
  if (Adapter) Adapter->AdaptAllControls(nullptr);
  skinData_->MarkUpdating(true);
  TsSkinManager* manager = skinData_->SkinManager();
  const TvxFormAnimation* effect = nullptr;
  if (manager && form_->FormStyle() != fsMDIChild && !form_->Parent()) {
    TvxAnimEffects* effects = manager->AnimEffects();
    effect = form_->BorderStyle() == bsDialog ? static_cast<const TvxFormAnimation*>(effects->DialogShow())
                                              : effects->FormShow();
    if (!effect->Active()) effect = nullptr;
  }
  std::vector<TWinControl*> quiet;
  if (effect) {
    for (int i = 0; i < form_->ControlCount(); ++i)
      if (auto* c = dynamic_cast<TWinControl*>(form_->Controls(i)); c && c->Visible()) quiet.push_back(c);
  }
  auto loud = [this, &quiet] {
    for (TWinControl* c : quiet) c->Perform(WM_SETREDRAW, 1, 0);
    ShowingAnimation = false;
  };
  PassOnWith(
      m,
      [this, &quiet, effect] {
        for (TWinControl* c : quiet) c->Perform(WM_SETREDRAW, 0, 0);
        if (effect) ShowingAnimation = true;
      },
      loud);
  UpdateFormScrollBars();
  if (effect) {
    FadeControlIn(form_, effect->Time());
    UpdateFormRegion(false);
    if (form_->HandleAllocated())
      RedrawWindow(form_->HandleIfAllocated(), nullptr, nullptr, RedrawWhole);
    RegionPending = false;
  }
  if (IsMaximisedMDIChild(form_) && MDIParentProvider) MDIParentProvider->RepaintFrameNow();
}

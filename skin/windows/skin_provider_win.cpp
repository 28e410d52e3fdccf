// The provider's life: creation, loading, skin application, the objects it
// owns and its end, and the operations the window procedure calls.
#include "skin/windows/skin_provider.h"

#include "platform/forms/menus.h"
#include "skin/windows/skinable_menus_win.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skinned_forms.h"
#include "skin/windows/frame_cutouts.h"
#include "skin/windows/scroll_wnd_win.h"

static_assert(static_cast<int>(fbNone) == bsNone && static_cast<int>(fbSingle) == bsSingle &&
              static_cast<int>(fbSizeable) == bsSizeable && static_cast<int>(fbDialog) == bsDialog &&
              static_cast<int>(fbToolWindow) == bsToolWindow &&
              static_cast<int>(fbSizeToolWin) == bsSizeToolWin);

TsSkinProvider* MDIParentProvider = nullptr;
TsSkinProvider* MaximisingChildProvider = nullptr;
TForm* MDIIconsForm = nullptr;
bool ChildMaximisedOnCreate = false;
bool ButtonDown = false;
bool SystemMenuOpen = false;
TsBorderDragState BorderDrag;

TsFormBorder FormBorderOf(const TCustomForm* form) {
  return static_cast<TsFormBorder>(form->BorderStyle());
}

TsSkinProvider* FindSkinProvider(TCustomForm* form) {
  if (!form) return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* p = dynamic_cast<TsSkinProvider*>(form->Components(i)); p && p->Form() == form) return p;
  return nullptr;
}

bool OtherMDIChildMaximised(TCustomForm* form) {
  if (!form || form->FormStyle() != fsMDIChild || !MDIParentProvider) return false;
  TForm* active = MDIParentProvider->Form() ? MDIParentProvider->Form()->ActiveMDIChild() : nullptr;
  return active && active != form && active->WindowState() == wsMaximized;
}

namespace {

bool HasOtherProvider(TCustomForm* form, const TsSkinProvider* self) {
  for (int i = 0; i < form->ComponentCount(); ++i) {
    TComponent* c = form->Components(i);
    if (c != self && dynamic_cast<TsSkinProvider*>(c)) return true;
  }
  return false;
}

}  // namespace

// -- Creation and end ----------------------------------------------------------------------

TsSkinProvider::TsSkinProvider(TComponent* owner) : TComponent(owner) {
  form_ = FindOwnerForm(owner);
  skinData_ = std::make_unique<TsCommonData>(this, true);
  skinData_->SetSkinSection("FORM");
  skinData_->ControlKind = ProviderControlKind;
  if (form_ && !form_->ControlState().Empty()) skinData_->MarkUpdating(true);

  titleIcon_ = std::make_unique<TsTitleIcon>();
  titleButtons_ = std::make_unique<TsTitleButtons>(this);

  // A second provider on a form stays inert.
  if (form_ && HasOtherProvider(form_, this)) form_ = nullptr;

  if (form_) {
    form_->SetDoubleBuffered(false);
    ButtonAreaCopy = std::make_unique<TBitmap>();
    TitleCache.reset(CreateBitmap24(0, 0));
    MDISupportPending = true;
    FrameCutouts.clear();
    MenuRows = -1;
    hook_.Install(form_, [this](TMessage& m) { NewWndProc(m); });
    RegisterSkinnedForm(form_);
    FormActive = true;
  }
  AfterConstruction();
}

void TsSkinProvider::AfterConstruction() {
  TsSkinManager* m = skinData_->SkinManager();
  if (!m || !m->Active() || ComponentState().Contains(csDesigning)) return;
  PrepareForm();
  // Placed on a form already on screen: its frame is the skin's from now.
  if (FormShowing() && form_->HandleAllocated())
    RedrawWindow(form_->HandleIfAllocated(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

TsSkinProvider::~TsSkinProvider() {
  TComponent::Destroying();
  if (BorderDrag.Provider == this) EndBorderDrag();
  if (form_) {
    UnregisterSkinnedForm(form_);
    hook_.Uninstall();
    if (form_->FormStyle() == fsMDIChild && form_->Menu() && MDIParentProvider &&
        !MDIParentProvider->IsDestroying()) {
      MDIParentProvider->SkinData()->BackgroundStale = true;
      MDIParentProvider->MenuRows = -1;
      MDIParentProvider->SendNcPaint();
    }
    if (MDIParentProvider == this) {
      MDISupport.reset();
      MDIParentProvider = nullptr;
    }
    HideCoverForm();
    if (MDIIconsForm && form_->FormStyle() == fsMDIForm) {
      delete MDIIconsForm;
      MDIIconsForm = nullptr;
    }
    if (!FormDestroying()) ReturnFormToPlatformLook();
    delete SystemMenu;
    SystemMenu = nullptr;
  }
  if (MaximisingChildProvider == this) MaximisingChildProvider = nullptr;
  titleIcon_.reset();
  titleButtons_.reset();
  Adapter.reset();
  MDISupport.reset();
  skinData_.reset();
}

// What the skin took from a form that outlives its provider.
void TsSkinProvider::ReturnFormToPlatformLook() {
  if (!form_->HandleAllocated()) return;
  HWND wnd = form_->HandleIfAllocated();
  if (form_->BorderIcons().Contains(biSystemMenu))
    SetWindowLongW(wnd, GWL_STYLE, GetWindowLongW(wnd, GWL_STYLE) | WS_SYSMENU);
  if (HasSkinnedFrame() && !NoRegion) SetWindowRgn(wnd, nullptr, FALSE);
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TsSkinProvider::Loaded() {
  TComponent::Loaded();
  TsSkinManager* m = skinData_->SkinManager();
  if (!m || !form_ || ComponentState().Contains(csDesigning) || !skinData_->IsSkinned()) return;
  if (!Adapter) CreateCtrlAdapter();
  PrepareForm();
  if (SystemMenu) SystemMenu->UpdateItems();
  ButtonMasks.TitleButton =
      LookupTitleButtonMask(*m, skinData_->SectionIndex, skinData_->SkinSection());
  for (int i = 0; i < titleButtons_->Count(); ++i) {
    TsTitleButton* b = titleButtons_->Items(i);
    b->Button.ImageIndex = b->UseSkinData() ? ButtonMasks.TitleButton : -1;
  }
  if (MDISupport) {
    Application->ProcessMessages();
    MDISupport->Connect();
  }
}

void TsSkinProvider::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (!skinData_) return;
  if (auto* m = dynamic_cast<TsSkinManager*>(component)) {
    if (operation == opInsert && !skinData_->OwnManager) skinData_->SetSkinManager(m);
    else if (operation == opRemove && skinData_->OwnManager == m) skinData_->SetSkinManager(nullptr);
  } else if (operation == opRemove) {
    // The item of a control that goes must not outlive it.
    if (Adapter) Adapter->ControlRemoved(component);
  } else if (auto* c = dynamic_cast<TWinControl*>(component)) {
    if (Adapter && Adapter->IsControlSupported(c)) Adapter->AddDefault(c);
  }
}

bool TsSkinProvider::Loading() const { return ComponentState().Contains(csLoading); }
bool TsSkinProvider::FormCreating() const {
  return form_ && form_->ControlState().Contains(csCreating);
}
bool TsSkinProvider::FormDestroying() const {
  return !form_ || form_->ComponentState().Contains(csDestroying);
}
bool TsSkinProvider::FormShowing() const { return form_ && form_->Showing(); }

// -- Properties -------------------------------------------------------------------------------

void TsSkinProvider::InvalidateFrame() {
  skinData_->BackgroundStale = true;
  if (form_ && form_->HandleAllocated() && IsWindowVisible(form_->HandleIfAllocated())) SendNcPaint();
}

void TsSkinProvider::SetCaptionAlignment(TAlignment value) {
  if (value == captionAlignment_) return;
  captionAlignment_ = value;
  InvalidateFrame();
}

void TsSkinProvider::SetShowAppIcon(bool value) {
  if (value == showAppIcon_) return;
  showAppIcon_ = value;
  InvalidateFrame();
}

void TsSkinProvider::SetTitleSkin(const std::string& value) {
  if (value == titleSkin_) return;
  titleSkin_ = value;
  InvalidateFrame();
}

void TsSkinProvider::SetMenuLineSkin(const std::string& value) { menuLineSkin_ = value; }

void TsSkinProvider::SetTitleIcon(TsTitleIcon* value) {
  if (!value || value == titleIcon_.get()) return;
  titleIcon_->SetGlyph(value->Glyph());
  titleIcon_->SetWidth(value->Width());
  titleIcon_->SetHeight(value->Height());
}

void TsSkinProvider::SetUseGlobalColor(bool value) {
  if (value == useGlobalColor_) return;
  useGlobalColor_ = value;
  if (!form_) return;  // an inert provider colours no form
  TsSkinManager* m = skinData_->SkinManager();
  if (skinData_->IsSkinned() && m && value && !skinData_->CustomColor())
    form_->SetColor(m->GlobalBackColor());
  else
    form_->SetColor(clBtnFace);
}

std::string TsSkinProvider::TitleSection() const {
  return titleSkin_.empty() ? std::string("FORMTITLE") : titleSkin_;
}

int TsSkinProvider::TitleSectionIndex() const {
  TsSkinManager* m = skinData_->SkinManager();
  return m ? m->LookupSectionOr(TitleSection(), skinData_->SectionIndex) : -1;
}

// -- Applying a skin ---------------------------------------------------------------------------

bool TsSkinProvider::SkinDrawsCaptionButtons() const {
  TsSkinManager* m = skinData_->SkinManager();
  // Not "loaded": a new skin is announced before it counts as loaded.
  return m && skinData_->IsSkinned(false) && m->IsValidMaskIndex(ButtonClose.ImageIndex);
}

void TsSkinProvider::RemoveSystemMenuStyle() {
  if (!form_ || !form_->HandleAllocated()) return;  // WM_CREATE prepares the form again
  HWND wnd = form_->HandleIfAllocated();
  const LONG style = GetWindowLongW(wnd, GWL_STYLE);
  // A skin without a close button image (or without the form's section)
  // leaves the window menu and the caption buttons the system's.
  if (!SkinDrawsCaptionButtons()) {
    if (!(style & WS_SYSMENU) && form_->BorderIcons().Contains(biSystemMenu))
      SetWindowLongW(wnd, GWL_STYLE, style | WS_SYSMENU);
    return;
  }
  if (style & WS_SYSMENU) SetWindowLongW(wnd, GWL_STYLE, style & ~WS_SYSMENU);
}

void TsSkinProvider::ApplyGlobalColor() {
  TsSkinManager* m = skinData_->SkinManager();
  if (!form_ || !m || !useGlobalColor_ || skinData_->CustomColor()) return;
  // A skin without the form's section leaves the form the platform's, and
  // its colour with it: its labels keep the platform's text colour.
  form_->SetColor(skinData_->IsSkinned(false) ? m->GlobalBackColor() : clBtnFace);
}

void TsSkinProvider::PrepareForm() {
  TsSkinManager* m = skinData_->SkinManager();
  if (!m || !form_) return;
  skinData_->BackgroundStale = true;
  skinData_->InvalidateSkin();
  if (!SystemMenu) {
    SystemMenu = new TsSystemMenu(this);
    SystemMenu->SetForm(form_);
    SystemMenu->UpdateItems();
  }
  if (MDISupportPending && m->SkinData.Loaded) {
    MDISupportPending = false;
    if (form_->FormStyle() == fsMDIForm && !ComponentState().Contains(csDesigning)) SetMDISupport(true);
  }
  skinData_->RefreshSkinIndexes();
  UpdateButtonMasks();
  // After the look-up: whether the skin draws the buttons decides.
  if (m->SkinData.Loaded && form_->FormStyle() != fsMDIChild) RemoveSystemMenuStyle();
  RedrawFlags[0] = RedrawFlags[1] = RedrawFlags[2] = true;
  if (form_->FormStyle() == fsMDIChild && MDIParentProvider && !MDIParentProvider->IsDestroying() &&
      !MDIParentProvider->FormDestroying() && skinData_->IsSkinned()) {
    MDIParentProvider->SkinData()->BackgroundStale = true;
    MDIParentProvider->MenuRows = -1;
  }
  if (!FormCreating() && !FormDestroying() && !Loading()) ApplyGlobalColor();
  if (!MenuLinePrepared) {
    RefreshMainMenu();
    MenuLinePrepared = true;
  }
}

void TsSkinProvider::UpdateButtonMasks() {
  TsSkinManager* m = skinData_->SkinManager();
  if (!m || !form_) return;
  const bool mdiParent = form_->FormStyle() == fsMDIForm && !ComponentState().Contains(csDesigning);
  LookupButtonMasks(*m, skinData_->SectionIndex, skinData_->SkinSection(), FormBorderOf(form_),
                    mdiParent, ButtonMasks);
  ButtonMin.ImageIndex = ButtonMasks.Minimize;
  ButtonMax.ImageIndex = ButtonMasks.Maximize;
  ButtonClose.ImageIndex = ButtonMasks.Close;
  ButtonHelp.ImageIndex = ButtonMasks.Help;
  MDIMin.ImageIndex = ButtonMasks.MDIMinimize;
  MDIMax.ImageIndex = ButtonMasks.MDIMaximize;
  MDIClose.ImageIndex = ButtonMasks.MDIClose;
}

void TsSkinProvider::SetMDISupport(bool value) {
  if (!value) {
    MDISupport.reset();
    return;
  }
  if (MDISupport) return;
  MDIParentProvider = this;
  MDISupport = std::make_unique<TsMDIForm>(this);
  // A provider made for a form already on screen (the creation hook's)
  // is never loaded: its client is connected at once.
  if (!Loading()) MDISupport->Connect();
}

void TsSkinProvider::CreateCtrlAdapter() {
  if (ComponentState().Contains(csDesigning) || !skinData_->IsSkinned()) return;
  Adapter = std::make_unique<TvxCtrlAdapter>(this);
  Adapter->AdaptAllControls(nullptr);
}

void TsSkinProvider::ReleaseCtrlAdapter() {
  if (ComponentState().Contains(csDesigning) || !Adapter) return;
  TMessage m = MakeMessage(CommandMessage, SkinCmdWParam(SkinCmdSkinRemoved),
                           reinterpret_cast<LPARAM>(skinData_->SkinManager()));
  PassCommandToAdapter(m);
  Adapter->RestoreLabels();
  Adapter.reset();
}

void TsSkinProvider::PassCommandToAdapter(TMessage& message) {
  if (ComponentState().Contains(csDesigning) || !Adapter) return;
  try {
    Adapter->SendToAdapted(message);
  } catch (...) {
    // A control that fails to take the command keeps its old look.
  }
}

void TsSkinProvider::UpdateFormScrollBars() {
  // The form's own scroll bars keep the platform's look: no scroll-bar
  // adapter is made for them.
}

namespace {

void SkinFormMenus(TsSkinableMenus* painter, TComponent* c, bool value, bool popups) {
  if (auto* main = dynamic_cast<TMainMenu*>(c)) SetMainMenuSkinned(painter, main, value, popups);
  else if (dynamic_cast<TPopupMenu*>(c) || dynamic_cast<TMenuItem*>(c)) SetPopupSkinned(painter, c, popups);
  for (int i = 0; i < c->ComponentCount(); ++i) SkinFormMenus(painter, c->Components(i), value, popups);
}

}  // namespace

void TsSkinProvider::SkinMenus(bool value) {
  TsSkinManager* m = skinData_ ? skinData_->SkinManager() : nullptr;
  if (!form_ || form_->ComponentState().Contains(csLoading) || !m || !m->SkinableMenus() || !m->IsDefault())
    return;
  SkinFormMenus(m->SkinableMenus(), form_, value, value && m->SkinnedPopups());
}

// A form the skin no longer takes has the bar of a form that never had it:
// no painter's handlers, items drawn by the system. Its popup menus keep
// the skin, which paints them without the form's section.
void TsSkinProvider::ReturnMenuBarToPlatform() {
  TsSkinManager* m = skinData_ ? skinData_->SkinManager() : nullptr;
  if (!form_ || !form_->Menu() || !m || !m->SkinableMenus() || !m->IsDefault()) return;
  SetMainMenuSkinned(m->SkinableMenus(), form_->Menu(), false, false);
  RefreshMainMenu();
}

void TsSkinProvider::RefreshMainMenu() {
  if (!form_ || !form_->Menu()) return;
  TMenuItem* items = form_->Menu()->Items();
  if (items->Count() > 0) items->Items(0)->MenuChanged(true);
}

void TsSkinProvider::SendNcPaint() {
  if (form_ && form_->HandleAllocated()) SendMessageW(form_->HandleIfAllocated(), WM_NCPAINT, 1, 0);
}

void TsSkinProvider::RepaintFrameNow() {
  skinData_->BackgroundStale = true;
  FullTitleRepaint = true;
  MenuRows = -1;
  SendNcPaint();
}

void TsSkinProvider::BeginFormUpdate(bool alsoMDIParent) {
  skinData_->BeginSkinUpdate();
  if (form_ && form_->HandleAllocated()) SendMessageW(form_->HandleIfAllocated(), WM_SETREDRAW, 0, 0);
  if (alsoMDIParent && form_ && form_->FormStyle() == fsMDIChild && MDIParentProvider &&
      MDIParentProvider != this)
    MDIParentProvider->BeginFormUpdate(false);
}

void TsSkinProvider::EndFormUpdate(bool alsoMDIParent) {
  skinData_->EndSkinUpdate();
  if (form_ && form_->HandleAllocated()) SendMessageW(form_->HandleIfAllocated(), WM_SETREDRAW, 1, 0);
  if (alsoMDIParent && form_ && form_->FormStyle() == fsMDIChild && MDIParentProvider &&
      MDIParentProvider != this)
    MDIParentProvider->EndFormUpdate(false);
}

void TsSkinProvider::RefreshMDIParent() {
  if (MDIParentProvider != this || !form_) return;
  skinData_->BeginSkinUpdate();
  Application->ProcessMessages();
  skinData_->BackgroundStale = true;
  MenuRows = -1;
  if (MDISupport) MDISupport->RepaintFrame();
  skinData_->EndSkinUpdate();
  if (form_->HandleAllocated())
    RedrawWindow(form_->HandleIfAllocated(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

void TsSkinProvider::DeliverCommandToProvider(TMessage& message) {
  if (!form_ || Loading() || IsDestroying() || FormDestroying() ||
      form_->ComponentState().Contains(csLoading))
    return;
  form_->Perform(message);
}

void TsSkinProvider::FreeFormCache() {
  skinData_->BackgroundStale = true;
  if (!hook_.Installed() || Loading() || FormDestroying()) return;
  if (FormShowing()) SendNcPaint();
}

// -- The cover form -----------------------------------------------------------------------------

void TsSkinProvider::ShowCoverForm() {
  if (!form_ || !form_->HandleAllocated()) return;
  if (!CoverForm) {
    CoverForm = new TForm(Application);
    CoverForm->SetTag(-98);
    CoverForm->SetBorderStyle(bsNone);
    CoverForm->OnPaint = [this](TObject*) {
      TBitmap* cache = CacheBitmap();
      if (!cache || !CoverForm) return;
      TCanvas* canvas = CoverForm->Canvas();
      BitBlt(canvas->Handle(), 0, 0, CoverForm->Width(), CoverForm->Height(), cache->Canvas()->Handle(),
             0, 0, SRCCOPY);
    };
    coverHook_.Install(CoverForm, [this](TMessage& m) {
      if (m.Msg == WM_ERASEBKGND) {
        m.Result = 1;
        return;
      }
      coverHook_.Previous(m);
    });
  }
  CoverForm->Hide();
  RECT r{};
  GetWindowRect(form_->HandleIfAllocated(), &r);
  const HWND after = form_->FormStyle() == fsStayOnTop ? HWND_TOPMOST : HWND_TOP;
  SetWindowPos(CoverForm->Handle(), after, r.left, r.top, r.right - r.left, TopAreaHeight(), 0x658);
}

void TsSkinProvider::HideCoverForm() {
  if (!CoverForm) return;
  coverHook_.Uninstall();
  TForm* cover = CoverForm;
  CoverForm = nullptr;
  delete cover;
}

// -- The window region ------------------------------------------------------------------------

void TsSkinProvider::UpdateFrameCutouts() {
  FrameCutouts.clear();
  TsSkinManager* m = skinData_->SkinManager();
  if (!form_ || !m || !skinData_->IsSkinned()) return;
  const std::string title = TitleSection();
  const int titleBorder = m->LookupImageItem(m->LookupSection(title), title, "BORDERSMASK");
  FrameCutouts = CollectFrameCutouts(*m, skinData_->BorderItemIndex, titleBorder, FormWidth(),
                                     form_->Height());
}

HRGN TsSkinProvider::MakeFormRegion() const {
  if (!form_) return nullptr;
  return static_cast<HRGN>(::MakeFormRegion(FrameCutouts, FormWidth(), form_->Height()));
}

namespace {
bool SameAsWindowRegion(HWND wnd, HRGN region) {
  HRGN held = CreateRectRgn(0, 0, 0, 0);
  const bool same = held && GetWindowRgn(wnd, held) != ERROR && EqualRgn(held, region);
  if (held) DeleteObject(held);
  return same;
}
}  // namespace

void TsSkinProvider::UpdateFormRegion(bool repaint) {
  // A form whose section the skin lacks keeps the platform's frame, unshaped.
  if (NoRegion || !form_ || !form_->HandleAllocated() || !skinData_->IsSkinned(false)) return;
  HWND wnd = form_->HandleIfAllocated();
  if (!HasSkinnedFrame() && !IsIconic(wnd)) return;
  if (form_->Parent() && form_->DragKind() == dkDock) {
    SetWindowRgn(wnd, nullptr, repaint);
    return;
  }
  if (!FramePaintedOnce &&
      SendMessageW(wnd, RegionQueryMessage, RegionQueryAnswer, 0) == static_cast<LRESULT>(RegionQueryAnswer))
    return;
  HRGN region = MakeFormRegion();
  // Setting a region makes the system re-frame the window; the frame's
  // cache is rebuilt on every activation, mostly for the same region.
  if (!repaint && region && SameAsWindowRegion(wnd, region)) {
    DeleteObject(region);
    return;
  }
  RegionPending = true;
  // The system owns a region it accepted; one it refused is ours to free.
  if (!SetWindowRgn(wnd, region, repaint)) DeleteObject(region);
  RegionPending = false;
}

// -- Geometry -----------------------------------------------------------------------------------

namespace {
// Every frame measure asks for these, many times a paint, and each
// GetSystemMetrics is a call into the system.
TsSystemMetrics knownMetrics;
bool metricsKnown = false;
}  // namespace

void TsSkinProvider::ForgetSystemMetrics() {
  metricsKnown = false;
  ForgetSystemBarSizes();
}

TsSystemMetrics TsSkinProvider::SystemMetrics() {
  if (metricsKnown) return knownMetrics;
  TsSystemMetrics& m = knownMetrics;
  m.CaptionHeight = GetSystemMetrics(SM_CYCAPTION);
  m.SmallCaptionHeight = GetSystemMetrics(SM_CYSMCAPTION);
  m.FixedFrameX = GetSystemMetrics(SM_CXFIXEDFRAME);
  m.FixedFrameY = GetSystemMetrics(SM_CYFIXEDFRAME);
  m.SizeFrameX = GetSystemMetrics(SM_CXSIZEFRAME);
  m.SizeFrameY = GetSystemMetrics(SM_CYSIZEFRAME);
  m.DialogFrameX = GetSystemMetrics(SM_CXDLGFRAME);
  m.DialogFrameY = GetSystemMetrics(SM_CYDLGFRAME);
  m.FrameX = GetSystemMetrics(SM_CXFRAME);
  m.FrameY = GetSystemMetrics(SM_CYFRAME);
  m.MenuHeight = GetSystemMetrics(SM_CYMENU);
  metricsKnown = true;
  return m;
}

TsFormMeasures TsSkinProvider::Measures() const {
  TsFormMeasures f;
  if (!form_) return f;
  f.Border = FormBorderOf(form_);
  f.MDIChild = form_->FormStyle() == fsMDIChild;
  f.MDIForm = form_->FormStyle() == fsMDIForm;
  f.HasMenu = form_->Menu() != nullptr;
  f.BorderWidth = form_->BorderWidth();
  f.Width = form_->Width();
  f.Height = form_->Height();
  f.ShowAppIcon = showAppIcon_;
  f.TitleIconWidth = titleIcon_ ? titleIcon_->Width() : 0;
  f.TitleIconHeight = titleIcon_ ? titleIcon_->Height() : 0;
  if (HWND wnd = form_->HandleIfAllocated()) {
    f.Iconic = IsIconic(wnd) != FALSE;
    f.FullCaptionStyle = (GetWindowLongW(wnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
    RECT w{}, c{};
    GetWindowRect(wnd, &w);
    GetClientRect(wnd, &c);
    f.WindowRect = TRect{w.left, w.top, w.right, w.bottom};
    f.ClientRect = TRect{c.left, c.top, c.right, c.bottom};
  } else {
    f.FullCaptionStyle = f.Border != fbNone;
    f.WindowRect = form_->BoundsRect();
    f.ClientRect = form_->ClientRect();
  }
  return f;
}

bool TsSkinProvider::HasSkinnedFrame() const { return form_ && ::HasSkinnedFrame(Measures()); }
int TsSkinProvider::CaptionHeight() const { return ::CaptionHeight(Measures(), SystemMetrics()); }
int TsSkinProvider::FrameWidth() const { return ::FrameWidth(Measures(), SystemMetrics()); }
int TsSkinProvider::FrameHeight() const { return ::FrameHeight(Measures(), SystemMetrics()); }
int TsSkinProvider::FormWidth() const { return ::FormWidth(Measures()); }
int TsSkinProvider::TopAreaHeight() const { return ::TopAreaHeight(Measures(), SystemMetrics()); }
int TsSkinProvider::MenuHeight() const { return ::MenuHeight(Measures(), SystemMetrics()); }
bool TsSkinProvider::IconVisible() const { return ::IconVisible(Measures()); }
int TsSkinProvider::TitleIconWidth() const { return ::TitleIconWidth(Measures(), SystemMetrics()); }
int TsSkinProvider::TitleIconHeight() const { return ::TitleIconHeight(Measures(), SystemMetrics()); }
TPoint TsSkinProvider::ClientOffset() const { return ::ClientOffset(Measures(), SystemMetrics()); }

bool TsSkinProvider::SizeChanged() const {
  TBitmap* cache = CacheBitmap();
  return ::SizeChanged(Measures(), cache ? cache->Width() : 0, cache ? cache->Height() : 0);
}

int TsSkinProvider::MenuRowCount() {
  if (MenuRows != -1) return MenuRows;
  std::vector<int> widths;
  if (form_ && form_->Menu() && TitleCache) {
    TMenuItem* items = form_->Menu()->Items();
    int lastGroup = 0;
    for (int i = 0; i < items->Count(); ++i) {
      TMenuItem* item = items->Items(i);
      // Only items the menu painter draws on the line take room in it.
      if (!item->Visible() || !item->OnAdvancedDrawItem || item->GroupIndex() < lastGroup) continue;
      lastGroup = item->GroupIndex();
      int w = 0, h = 0;
      item->MeasureItem(TitleCache->Canvas(), w, h);
      widths.push_back(w);
    }
  }
  MenuRows = CountMenuRows(widths, FrameWidth(), FormWidth(), form_ ? form_->BorderWidth() : 0);
  return MenuRows;
}

bool TsSkinProvider::MenuLineShown() const {
  if (!form_ || form_->BorderStyle() == bsDialog || form_->FormStyle() == fsMDIChild) return false;
  TMainMenu* menu = form_->Menu();
  if (!menu || MenuHeight() <= 0) return false;
  for (int i = 0; i < menu->Items()->Count(); ++i)
    if (menu->Items()->Items(i)->Visible()) return true;
  return false;
}

bool TsSkinProvider::HasMaximisedMDIChild() const {
  if (!MaximisingChildProvider || !form_ || form_->FormStyle() != fsMDIForm || !form_->Menu())
    return false;
  TForm* child = form_->ActiveMDIChild();
  return child && child->WindowState() == wsMaximized;
}

TBitmap* TsSkinProvider::CacheBitmap() const { return CacheBitmapOf(skinData_.get()); }

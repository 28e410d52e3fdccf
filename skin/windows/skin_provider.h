// The skin provider: the component that takes over one form. It puts its
// window procedure in front of the form's, answers the form's non-client
// messages from the skin, paints frame, title bar and client background
// into its record's cache, owns what serves the form (title icon and
// buttons, system menu, control adapter) and registers the form so that
// skin changes reach it. At most one provider works per form.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/forms.h"
#include "platform/forms/text_alignment.h"
#include "platform/graphics/bitmap.h"
#include "skin/core/common_data.h"
#include "skin/windows/border_drag.h"
#include "skin/windows/button_masks.h"
#include "skin/windows/caption_buttons.h"
#include "skin/windows/caption_layout.h"
#include "skin/windows/ctrl_adapter.h"
#include "skin/windows/form_geometry.h"
#include "skin/windows/mdi_form_win.h"
#include "skin/windows/system_menu.h"
#include "skin/windows/title_buttons.h"

enum TsGripMode { gmNone, gmRightBottom };
enum TsResizeMode { rmStandard, rmBorder };

// Asked by the control adapter whether a control is to be skinned, and with
// which section.
using TAddItemEvent =
    std::function<void(TComponent* Item, bool& CanBeAdded, std::string& SkinSection)>;

// The skin record's control kind of a provider.
inline constexpr int ProviderControlKind = 224;
// The private query a form answers with its WParam when it wants no window
// region set for it before its first complete frame.
inline constexpr UINT RegionQueryMessage = 0xBC4D;
inline constexpr WPARAM RegionQueryAnswer = 0x41A2;

class TsSkinProvider : public TComponent {
 public:
  explicit TsSkinProvider(TComponent* owner);
  ~TsSkinProvider() override;

  // -- Published properties -------------------------------------------------------------
  TAlignment CaptionAlignment() const { return captionAlignment_; }
  void SetCaptionAlignment(TAlignment value);
  TsCommonData* SkinData() const { return skinData_.get(); }
  TsGripMode GripMode() const { return gripMode_; }
  void SetGripMode(TsGripMode value) { gripMode_ = value; }
  bool MakeSkinMenu() const { return makeSkinMenu_; }
  void SetMakeSkinMenu(bool value) { makeSkinMenu_ = value; }
  const std::string& MenuLineSkin() const { return menuLineSkin_; }
  void SetMenuLineSkin(const std::string& value);
  TsResizeMode ResizeMode() const { return resizeMode_; }
  void SetResizeMode(TsResizeMode value) { resizeMode_ = value; }
  bool ScreenSnap() const { return screenSnap_; }
  void SetScreenSnap(bool value) { screenSnap_ = value; }
  int SnapBuffer() const { return snapBuffer_; }
  void SetSnapBuffer(int value) { snapBuffer_ = value; }
  bool ShowAppIcon() const { return showAppIcon_; }
  void SetShowAppIcon(bool value);
  TsTitleButtons* TitleButtons() const { return titleButtons_.get(); }
  void SetTitleButtons(TsTitleButtons* value) { titleButtons_->Assign(value); }
  TsTitleIcon* TitleIcon() const { return titleIcon_.get(); }
  // Copies the picture and the size.
  void SetTitleIcon(TsTitleIcon* value);
  // Empty: "FORMTITLE".
  const std::string& TitleSkin() const { return titleSkin_; }
  void SetTitleSkin(const std::string& value);
  bool UseGlobalColor() const { return useGlobalColor_; }
  void SetUseGlobalColor(bool value);
  TAddItemEvent OnSkinItem;

  // The form that owns the provider; nullptr for a refused second one.
  TCustomForm* Form() const { return form_; }

  // -- Operations ---------------------------------------------------------------------------
  // Applies the current skin to the form.
  void PrepareForm();
  void UpdateButtonMasks();
  void SetMDISupport(bool value);
  void CreateCtrlAdapter();
  void ReleaseCtrlAdapter();
  void PassCommandToAdapter(TMessage& message);
  void UpdateFormScrollBars();
  void SkinMenus(bool value);
  void RefreshMainMenu();
  void ReturnMenuBarToPlatform();
  void RepaintFrameNow();
  void BeginFormUpdate(bool alsoMDIParent);
  void EndFormUpdate(bool alsoMDIParent);
  // A borderless form over the title and menu area that hides the
  // platform's own caption drawing while a message is passed on.
  void ShowCoverForm();
  void HideCoverForm();
  // A skin command for the provider from the skin record: handed to the
  // form's window procedure.
  void DeliverCommandToProvider(TMessage& message);
  // The record's cache went: the frame is painted again.
  void FreeFormCache();
  void RefreshMDIParent();

  // -- The window region ------------------------------------------------------------------
  void UpdateFrameCutouts();
  // The form's rectangle less the cut-outs; the caller owns it.
  HRGN MakeFormRegion() const;
  void UpdateFormRegion(bool repaint);

  // -- Painting --------------------------------------------------------------------------------
  // The whole window into the record's cache, when its background changed.
  void PaintFrameToCache();
  // The frame strips of the cache to a DC (window coordinates).
  void PaintFrameTo(HDC dc);
  void PaintFrameToWindow();
  void PaintClientArea(TMessage& message);
  void PaintClient(HDC dc, bool notify);
  TBitmap* CacheBitmap() const;
  // The kept top rows can stand in for a full repaint of the title.
  bool TitleShortcutApplies() const;

  // -- Caption buttons -------------------------------------------------------------------
  // The provider's answer to WM_NCHITTEST at a screen point; HTNOWHERE
  // lets the platform answer.
  int HitTest(TPoint screenPoint);
  void SetHotButton(int code, bool repaint);
  void PressButton(int code);
  // Redraws one button in its state into the cache and onto the window.
  void RepaintCaptionButton(int code);
  // The button record of a code, nullptr for none.
  TsCaptionButton* ButtonOf(int code);
  void ShowSystemMenu(int x, int y);
  // Lays the caption buttons out for the form as it is now; every button's
  // rectangle is set (empty when not placed).
  TsCaptionButtonLayout LayoutButtons(TsCaptionPlan* plan = nullptr);
  // The width the caption buttons take.
  int ButtonsWidth() { return LayoutButtons().ButtonsWidth; }
  // The window commands of the form now (its system menu's answers).
  TsWindowCommands WindowCommands() const;
  // Where hit-test points are taken from, in screen coordinates.
  TPoint HitTestOriginNow() const;

  // -- Border drag and snapping -------------------------------------------------------
  void StartBorderDrag(int x, int y);
  // A mouse step of the drag; client coordinates unless screen is set.
  void BorderDragStep(int x, int y, bool screen = false);
  void FinishBorderDrag();
  void SnapWindowPos(WINDOWPOS& pos);

  // -- Geometry (form_geometry.h over the form now) ---------------------------------------
  TsFormMeasures Measures() const;
  // Read once and kept until the system's settings or display change.
  static TsSystemMetrics SystemMetrics();
  static void ForgetSystemMetrics();
  bool HasSkinnedFrame() const;
  int CaptionHeight() const;
  int FrameWidth() const;
  int FrameHeight() const;
  int FormWidth() const;
  int TopAreaHeight() const;
  int MenuHeight() const;
  int MenuRowCount();
  bool IconVisible() const;
  int TitleIconWidth() const;
  int TitleIconHeight() const;
  bool SizeChanged() const;
  bool HasMaximisedMDIChild() const;
  TPoint ClientOffset() const;
  // A menu line is painted: not bsDialog, no MDI child, a visible item.
  bool MenuLineShown() const;
  // The title section's name: TitleSkin, else "FORMTITLE".
  std::string TitleSection() const;
  // The section the title is drawn in: TitleSection's, or the form's own
  // when the skin lacks it (-1 when neither is there).
  int TitleSectionIndex() const;

  // -- State the painting and the window procedure share -------------------------------
  std::vector<TRect> FrameCutouts;
  bool RegionOutdated = true;
  int HotButton = 0;
  std::unique_ptr<TBitmap> ButtonAreaCopy;
  bool FreshFrame = false;
  bool FramePaintedOnce = false;
  TsButtonMasks ButtonMasks;  // its TitleButton is the title-button mask
  bool MDISupportPending = false;
  bool MenuLinePrepared = false;
  bool RedrawFlags[3] = {false, false, false};
  TsCaptionButton ButtonMin, ButtonMax, ButtonClose, ButtonHelp;
  TsCaptionButton MDIMin, MDIMax, MDIClose;
  bool ShowingAnimation = false;
  bool NoRegion = false;
  std::unique_ptr<TvxCtrlAdapter> Adapter;
  // A windowed child of the form takes its parent's background (set by the
  // control adapter's walk).
  bool ChildParentBackground = false;
  bool RegionPending = false;
  bool FullTitleRepaint = true;
  bool FormActive = false;
  std::unique_ptr<TBitmap> TitleCache;
  int MenuRows = -1;  // -1: count again
  TsSystemMenu* SystemMenu = nullptr;  // owned
  std::unique_ptr<TBitmap> TopAreaCache;
  TForm* CoverForm = nullptr;  // owned
  // The MDI support of an MDI parent while it is skinned.
  std::unique_ptr<TsMDIForm> MDISupport;
  bool HasMDISupport() const { return MDISupport != nullptr; }

  // -- The window procedure ----------------------------------------------------------------
  // Every message of the form passes here first.
  void NewWndProc(TMessage& message);
  // Passes a message on to the form's own procedure.
  void OldWndProc(TMessage& message);
  bool Loading() const;
  bool IsDestroying() const { return ComponentState().Contains(csDestroying); }

 protected:
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void AfterConstruction();
  // Stage 1: the commands every provider answers.
  bool CommonCommand(TMessage& message);
  // Stage 2: a form without skin.
  void UnskinnedMessage(TMessage& message);
  // Stage 3: a skinned form.
  void SkinnedCommand(TMessage& message);
  void SkinnedMessage(TMessage& message);
  void NewSkinWhileUnskinned(TMessage& message);
  void SkinRemoved(TMessage& message);
  void SkinReapplied(TMessage& message);
  void ReturnFormToPlatformLook();
  // The skin has the form's section and a close button image: the caption
  // buttons are the skin's, else the system's.
  bool SkinDrawsCaptionButtons() const;
  void RemoveSystemMenuStyle();
  void ApplyGlobalColor();
  void InvalidateFrame();
  void SendNcPaint();
  bool FormShowing() const;
  bool FormCreating() const;
  bool FormDestroying() const;
  void PassOnWith(TMessage& message, const std::function<void()>& before,
                  const std::function<void()>& after);

  // Messages with more than a line of handling.
  void WMPaint(TMessage& message);
  void WMNCPaint(TMessage& message);
  void WMNCActivate(TMessage& message);
  void WMSysCommand(TMessage& message);
  void WMPrint(TMessage& message);
  void WMSetText(TMessage& message);
  void WMSize(TMessage& message);
  void WMActivate(TMessage& message);
  void WMWindowPosChanged(TMessage& message);
  void WMNCHitTest(TMessage& message);
  void WMNCLButtonDown(TMessage& message);
  void WMNCLButtonUp(TMessage& message);
  // Draws the title band, caption icon, TITLEBAR strip, buttons and text
  // into the cache; the shortcut path uses the record's manager for text.
  void DrawTitleBand(const TPixelBufferView& cache);
  void DrawCaptionText(bool ownManager);
  void DrawMenuLine(const TPixelBufferView& cache);
  void DrawCaptionButtons(const TPixelBufferView& cache);
  void DrawCaptionIcon();
  // One caption button's image in its state, with the images a maximised
  // or iconic form shows instead.
  void PaintButtonImage(int code, const TPixelBufferView& cache);
  void CMShowingChanged(TMessage& message);
  void ShowMDIIcons();

  TAlignment captionAlignment_ = taLeftJustify;
  std::unique_ptr<TsCommonData> skinData_;
  TsGripMode gripMode_ = gmNone;
  bool makeSkinMenu_ = false;
  std::string menuLineSkin_;
  TsResizeMode resizeMode_ = rmStandard;
  bool screenSnap_ = false;
  int snapBuffer_ = 10;
  bool showAppIcon_ = true;
  std::unique_ptr<TsTitleButtons> titleButtons_;
  std::unique_ptr<TsTitleIcon> titleIcon_;
  std::string titleSkin_;
  bool useGlobalColor_ = true;
  TCustomForm* form_ = nullptr;
  brsm::TWindowProcHook hook_;
  brsm::TWindowProcHook coverHook_;
};

// -- Unit globals -------------------------------------------------------------------------------
// The provider of the application's MDI parent form.
extern TsSkinProvider* MDIParentProvider;
// The provider of the MDI child being maximised or restored.
extern TsSkinProvider* MaximisingChildProvider;
// Shows a maximised MDI child's buttons while a menu loop runs.
extern TForm* MDIIconsForm;
extern bool ChildMaximisedOnCreate;
// The left button went down on a caption button.
extern bool ButtonDown;
extern bool SystemMenuOpen;

// The border drag of ResizeMode rmBorder, one at a time in the process.
struct TsBorderDragState {
  bool Dragging = false;
  bool Pending = false;  // SC_MOVE or SC_SIZE took the mouse; no step yet
  bool Moving = false;
  int EdgeCode = 0;
  bool KeepEdge = false;  // a border press names the edge for SC_SIZE
  TsSkinProvider* Provider = nullptr;
  HWND DesktopWindow = nullptr;
  HDC DesktopDC = nullptr;
  int SavedDC = 0;
  TsDragOutline Outline;
  TPoint Shift{};  // an MDI child's outline lies in its parent
};
extern TsBorderDragState BorderDrag;
// Ends any drag without moving: the outline is erased, the desktop DC
// given back, the mouse released.
void EndBorderDrag();

// The provider among the form's components, nullptr when none.
TsSkinProvider* FindSkinProvider(TCustomForm* form);
// Another MDI child of the MDI parent is maximised and active: it owns the
// parent's menu line and this child paints nothing.
bool OtherMDIChildMaximised(TCustomForm* form);
// TsFormMeasures's border of a form.
TsFormBorder FormBorderOf(const TCustomForm* form);

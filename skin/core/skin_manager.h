// The skin manager: the component a program places on its main form to
// give the whole application a skin. It finds and loads a skin by name,
// owns everything of the loaded skin (it is the skin's TsSkinContent),
// answers look-ups by index and tells every form and control of a change
// through the command message. The first manager made in the process is
// DefaultManager, the one every skinned object uses unless it names
// another.
//
// Portable: what needs windows goes through ManagerPlatform().
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/graphics/geometry.h"
#include "platform/rtl/classes.h"
#include "platform/rtl/sets.h"
#include "platform/rtl/strings.h"
#include "skin/core/anim_effects.h"
#include "skin/core/common_index_cache.h"
#include "skin/core/menu_support.h"
#include "skin/core/skin_commands.h"
#include "skin/core/skin_content.h"
#include "skin/core/stored_skins.h"
#include "skin/core/third_party_lists.h"

class TBitmap;

enum TvxSkinningRule { srStdForms, srStdDialogs, srThirdParty };
using TvxSkinningRules = TSet<TvxSkinningRule>;

using TvxGetExtraLineData =
    std::function<void(TObject* FirstItem, std::string& SkinSection, std::string& Caption,
                       TBitmap*& Glyph, bool& LineVisible)>;

class TsSkinManager;

// The first manager made; cleared when it is destroyed.
extern TsSkinManager* DefaultManager;
// While a skin is loaded or recoloured (controls do not animate meanwhile).
extern bool SkinChangeInProgress;
// While SkinCmdNewSkin is broadcast.
extern bool SkinAnnouncing;
// While SkinCmdSkinRemoved is broadcast.
extern bool SkinRemoving;
// A control that also gets SkinCmdSkinReapplied after every refresh.
extern TComponent* ExtraNotifyControl;

// WM_THEMECHANGED, as the main-window hook sees it.
inline constexpr uint32_t ThemeChangedMessage = 0x031A;

class TsSkinManager : public TComponent, public TsSkinContent {
 public:
  // Active from creation, SkinDirectory "c:\Skins", default ThirdParty lists.
  explicit TsSkinManager(TComponent* owner);
  ~TsSkinManager() override;

  // -- Which skin ---------------------------------------------------------------
  const std::string& SkinName() const { return skinName_; }
  // Loads the skin when active: the archive "<name>.vlz" in the skin
  // directory, else the folder "<name>" there holding "Options.dat", else
  // the stored skin of that name, else the first stored skin (SkinName
  // becomes its name); when none is found, or the skin is damaged, Active
  // turns false and the removal is announced. Never raises for a bad skin.
  void SetSkinName(const std::string& value);
  const std::string& SkinDirectory() const { return skinDirectory_; }
  // Loads nothing.
  void SetSkinDirectory(const std::string& value);
  // SkinDirectory resolved against the program's folder.
  std::string ResolvedSkinDirectory() const;
  bool Active() const { return active_; }
  // True loads SkinName again; false removes the skin.
  void SetActive(bool value);

  TsStoredSkins* InternalSkins() const { return internalSkins_.get(); }
  void SetInternalSkins(TsStoredSkins* value) { internalSkins_->Assign(value); }
  // Extra skin description text added to every skin.
  TStringList* CommonSections() const { return commonSections_.get(); }
  // Copies the lines, drops the blanks of every line that is not a comment
  // and loads the skin again (when it has a name).
  void SetCommonSections(const TStrings* value);

  int HueOffset() const { return hueOffset_; }
  void SetHueOffset(int value);
  int Saturation() const { return saturation_; }
  void SetSaturation(int value);

  // The loaded skin's VERSION with "." ("5.49"), "N/A" without a skin.
  std::string SkinInfo() const;
  void SetSkinInfo(const std::string&) {}
  std::string Version() const { return "5.49"; }
  void SetVersion(const std::string&) {}

  bool IsDefault() const { return DefaultManager == this; }
  void SetIsDefault(bool value);

  // -- Options -------------------------------------------------------------------
  bool SkinnedPopups() const { return skinnedPopups_; }
  void SetSkinnedPopups(bool value);
  TvxSkinningRules SkinningRules() const { return skinningRules_; }
  void SetSkinningRules(TvxSkinningRules value) { skinningRules_ = value; }
  ThirdPartyList* ThirdParty() const { return thirdParty_.get(); }
  void SetThirdParty(ThirdPartyList* value) { thirdParty_->Assign(value); }
  // The 13 lists split into lines, by list index.
  const ThirdPartyLineLists& ThirdPartyStrings() const { return thirdPartyStrings_; }
  TvxMenuSupport* MenuSupport() const { return menuSupport_.get(); }
  TvxAnimEffects* AnimEffects() const { return animEffects_.get(); }
  TsSkinableMenus* SkinableMenus() const { return skinableMenus_.get(); }

  TNotifyEvent OnBeforeChange;
  TNotifyEvent OnAfterChange;
  TvxGetExtraLineData OnGetMenuExtraLineData;

  // -- State -----------------------------------------------------------------------
  bool DefaultFlag() const { return defaultFlag_; }
  bool HookInstalled() const { return hookInstalled_; }
  uintptr_t HotWindow() const { return hotWindow_; }
  TsCommonIndexCache CommonIndexCache;

  // -- Operations --------------------------------------------------------------------
  // Names of the stored skins, then of the skin folders (kind 0 or 2) and
  // archives (kind 1 or 2) in the skin directory, sorted; firstName is the
  // first stored skin's name, else the first name found.
  void ListAvailableSkins(TStrings* list, int kind, std::string& firstName);
  // Tells the previous window under the mouse that it is left and the new
  // one that it is entered; the result of the last send.
  intptr_t SetHotControl(uintptr_t window);
  void InstallSkinHook();
  void RemoveSkinHook();
  // The application window's messages; true when handled.
  bool MainWindowHook(uint32_t msg, uintptr_t wParam, intptr_t lParam);

  void AnnounceNewSkin();
  void AnnounceSkinRefresh();
  void AnnounceSkinRemoved();

  // -- Look-ups (indexes stay valid until the next skin change) -----------------------
  // Exact, case-sensitive; -1 when absent.
  int LookupSection(const std::string& name) const;
  // The section of that name; when the skin lacks it, `fallback` (the
  // section of the form the look stands on) when that is valid; else -1.
  int LookupSectionOr(const std::string& name, int fallback) const;
  // The item of that section and property; else the same along the
  // section's PARENTCLASS chain; -1 when none.
  int LookupImageItem(int sectionIndex, const std::string& sectionName,
                      const std::string& propertyName) const;
  int LookupImageItemNoParent(const std::string& sectionName, const std::string& propertyName) const;
  // As LookupImageItem, among texture items only.
  int LookupTextureItem(int sectionIndex, const std::string& sectionName,
                        const std::string& propertyName) const;
  // As LookupImageItem, over the patterns.
  int LookupPattern(int sectionIndex, const std::string& sectionName,
                    const std::string& propertyName) const;
  bool IsValidMaskIndex(int index) const;
  bool IsValidSectionIndex(int index) const;

  TColor GlobalBackColor() const;     // GLOBALINFO's COLOR, else clBtnFace as RGB
  TColor GlobalTextColor() const;     // GLOBALINFO's FONTCOLOR, else magenta
  // GLOBALINFO's FONTCOLOR, else that of the section given (the form's, for
  // what stands on a form), else magenta.
  TColor GlobalTextColorOr(int sectionIndex) const;
  TColor GlobalHotBackColor() const;  // GLOBALINFO's HOTCOLOR, else clWindow as RGB
  // Border widths of an image item: its own width for the side, else its
  // BorderWidth, else a third of one frame. 0 for an invalid index.
  int MaskLeftWidth(int itemIndex);
  int MaskRightWidth(int itemIndex) const;
  int MaskTopWidth(int itemIndex) const;
  int MaskBottomWidth(int itemIndex) const;
  // One cell of an image item: a third of the width and half the height of
  // an item's own bitmap, else its rectangle divided into its frames and
  // rows. 0 x 0 for an invalid index.
  void ImageCellSize(int itemIndex, TPoint& size) const;

  void CacheCommonIndexes();

 protected:
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  bool Loading() const { return ComponentState().Contains(csLoading); }
  bool Reading() const { return ComponentState().Contains(csReading); }
  // Finds and loads skinName_ (archive, folder, stored skins) and recolours
  // it; false, with nothing loaded, when there is no such skin or it is
  // damaged. Raises nothing.
  bool LoadSkinGuarded();
  bool LoadSkin();
  // After a new hue or saturation: the same skin again, refreshed.
  void ReloadRecoloured();
  void Broadcast(TsCmdMessage message);
  void LockRedraw();
  void UnlockRedraw(bool animate);

  std::string skinName_;
  std::string skinDirectory_;
  bool active_ = true;
  std::unique_ptr<ThirdPartyList> thirdParty_;
  ThirdPartyLineLists thirdPartyStrings_;
  std::unique_ptr<TsStoredSkins> internalSkins_;
  std::unique_ptr<TStringList> commonSections_;
  std::unique_ptr<TvxMenuSupport> menuSupport_;
  std::unique_ptr<TvxAnimEffects> animEffects_;
  std::unique_ptr<TsSkinableMenus> skinableMenus_;
  bool defaultFlag_ = false;
  bool skinnedPopups_ = true;
  int hueOffset_ = 0;
  int saturation_ = 0;
  bool hookInstalled_ = false;
  bool mainHookAdded_ = false;
  TvxSkinningRules skinningRules_{srStdForms, srStdDialogs, srThirdParty};
  uintptr_t hotWindow_ = 0;
};

#include "skin/core/skin_manager.h"

#include <exception>

#include "platform/rtl/files.h"
#include "platform/rtl/sysutils.h"
#include "skin/core/broadcast.h"
#include "skin/core/flag_scope.h"
#include "skin/core/manager_platform.h"
#include "skin/core/skin_directory.h"
#include "skin/core/skin_files.h"
#include "skin/core/skin_recolor.h"

TsSkinManager* DefaultManager = nullptr;
bool SkinChangeInProgress = false;
bool SkinAnnouncing = false;
bool SkinRemoving = false;
TComponent* ExtraNotifyControl = nullptr;

namespace {

constexpr const char* kDefaultSkinDirectory = "c:\\Skins";

std::string WithoutBlanks(const std::string& line) {
  std::string out;
  out.reserve(line.size());
  for (char c : line)
    if (c != ' ') out.push_back(c);
  return out;
}

}  // namespace

TsSkinManager::TsSkinManager(TComponent* owner)
    : TComponent(owner),
      thirdParty_(std::make_unique<ThirdPartyList>()),
      thirdPartyStrings_(MakeThirdPartyLineLists()),
      internalSkins_(std::make_unique<TsStoredSkins>(this)),
      commonSections_(std::make_unique<TStringList>()),
      menuSupport_(std::make_unique<TvxMenuSupport>()),
      animEffects_(std::make_unique<TvxAnimEffects>(this)) {
  if (!DefaultManager) {
    defaultFlag_ = true;
    DefaultManager = this;
    if (ManagerPlatform().IsNTFamily() && !Designing()) {
      ManagerPlatform().AddMainWindowHook(*this);
      mainHookAdded_ = true;
    }
  }
  skinableMenus_ = std::make_unique<TsSkinableMenus>(this);
  SkinData.Loaded = false;
  // What the component's AfterConstruction does: before any stored
  // property is read.
  SyncThirdPartyLists(*thirdParty_, thirdPartyStrings_, false);
  if (skinDirectory_.empty()) SetSkinDirectory(kDefaultSkinDirectory);
}

TsSkinManager::~TsSkinManager() {
  // Hook and globals go first, while everything they may reach still exists.
  SetActive(false);
  if (hookInstalled_ && IsDefault()) RemoveSkinHook();
  if (mainHookAdded_) {
    ManagerPlatform().RemoveMainWindowHook(*this);
    mainHookAdded_ = false;
  }
  if (DefaultManager == this) DefaultManager = nullptr;
  if (ExtraNotifyControl == this) ExtraNotifyControl = nullptr;
  Clear();
  StoreThirdPartyLists(*thirdParty_, thirdPartyStrings_);
}

// -- Properties ----------------------------------------------------------------------

void TsSkinManager::SetSkinDirectory(const std::string& value) {
  if (value == skinDirectory_) return;
  skinDirectory_ = value;
  SkinData.SkinPath = JoinSkinPath(ResolvedSkinDirectory(), "");
}

std::string TsSkinManager::ResolvedSkinDirectory() const {
  return ResolveSkinDirectory(skinDirectory_);
}

void TsSkinManager::SetSkinName(const std::string& value) {
  skinName_ = value;
  if (!active_) return;
  if (OnBeforeChange) OnBeforeChange(this);
  {
    TFlagScope changing(SkinChangeInProgress);
    SkinData.Loaded = false;
    if (!LoadSkinGuarded()) active_ = false;
    if (!active_)
      AnnounceSkinRemoved();
    else
      AnnounceNewSkin();
  }
  if (OnAfterChange) OnAfterChange(this);
}

void TsSkinManager::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (value)
    SetSkinName(skinName_);
  else if (!Loading())
    AnnounceSkinRemoved();
  CacheCommonIndexes();
}

void TsSkinManager::SetHueOffset(int value) {
  if (value == hueOffset_) return;
  hueOffset_ = value;
  ReloadRecoloured();
}

void TsSkinManager::SetSaturation(int value) {
  if (value == saturation_) return;
  saturation_ = value;
  ReloadRecoloured();
}

void TsSkinManager::ReloadRecoloured() {
  if (!SkinData.Loaded) return;
  bool reloaded;
  {
    TFlagScope changing(SkinChangeInProgress);
    reloaded = LoadSkinGuarded();
  }
  if (!reloaded) {
    // The skin went from under us: nothing is left to refresh.
    active_ = false;
    AnnounceSkinRemoved();
    return;
  }
  if (!Loading() && !Reading()) AnnounceSkinRefresh();
}

void TsSkinManager::SetCommonSections(const TStrings* value) {
  commonSections_->Clear();
  if (value) {
    for (int i = 0; i < value->Count(); ++i) {
      const std::string line = value->Strings(i);
      commonSections_->Add(line.empty() || line[0] == ';' ? line : WithoutBlanks(line));
    }
  }
  // Without a name there is nothing to reload; trying would turn the
  // manager inactive before its SkinName is read.
  if (!skinName_.empty()) SetSkinName(skinName_);
}

void TsSkinManager::SetSkinnedPopups(bool value) {
  skinnedPopups_ = value;
  if (value && !Designing() && skinableMenus_ && IsDefault()) skinableMenus_->UpdateMenusActive();
}

void TsSkinManager::SetIsDefault(bool value) {
  if (value || !DefaultManager) {
    defaultFlag_ = true;
    DefaultManager = this;
    if (!active_) {
      AnnounceSkinRemoved();
    } else {
      AnnounceNewSkin();
      AnnounceSkinRefresh();
    }
  } else {
    defaultFlag_ = DefaultManager == this;
  }
}

std::string TsSkinManager::SkinInfo() const {
  if (!SkinData.Loaded) return "N/A";
  return FloatToStr(SkinData.Version);
}

// -- Loading ---------------------------------------------------------------------------

bool TsSkinManager::LoadSkin() {
  const std::string directory = ResolvedSkinDirectory();
  if (!skinName_.empty()) {
    const std::string archive = FindSkinFile(JoinSkinPath(directory, skinName_ + ".vlz"));
    if (!archive.empty()) {
      // A damaged archive or one without description is no skin; the
      // reader has told the user already.
      return LoadFromArchiveFile(archive, JoinSkinPath(directory, ""), commonSections_.get());
    }
    if (LoadFromFolder(JoinSkinPath(JoinSkinPath(directory, skinName_), ""), commonSections_.get()))
      return true;
  }
  Clear();
  SkinData.SkinPath.clear();
  int index = internalSkins_->IndexOf(skinName_);
  if (index < 0) {
    if (internalSkins_->Count() == 0) return false;
    skinName_ = internalSkins_->Items(0)->Name;
    index = 0;
  }
  return LoadFromStoredSkin(*internalSkins_->Items(index), commonSections_.get());
}

bool TsSkinManager::LoadSkinGuarded() {
  try {
    if (LoadSkin()) {
      ApplyHueOffset(*this, hueOffset_);
      ApplySaturation(*this, saturation_);
      return true;
    }
  } catch (const std::exception&) {
    // A damaged description or picture: treated as no skin.
  }
  Clear();
  return false;
}

void TsSkinManager::Loaded() {
  TComponent::Loaded();
  if (skinDirectory_.empty()) SetSkinDirectory(kDefaultSkinDirectory);
  if (menuSupport_->IcoLineSkin().empty()) menuSupport_->SetIcoLineSkin("ICOLINE");
  SyncThirdPartyLists(*thirdParty_, thirdPartyStrings_, false);
  if (active_ && !skinName_.empty()) AnnounceNewSkin();
}

void TsSkinManager::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
}

// -- Announcing --------------------------------------------------------------------------

void TsSkinManager::Broadcast(TsCmdMessage message) {
  TsManagerPlatform& platform = ManagerPlatform();
  TsBroadcastModel* model = platform.Model();
  if (!model) return;
  BroadcastToAppForms(*model, platform.Application(), message);
}

void TsSkinManager::LockRedraw() {
  if (TsBroadcastModel* model = ManagerPlatform().Model()) LockFormRedraw(*model, this);
}

void TsSkinManager::UnlockRedraw(bool animate) {
  if (TsBroadcastModel* model = ManagerPlatform().Model()) UnlockFormRedraw(*model, this, animate);
}

void TsSkinManager::AnnounceNewSkin() {
  if (!Designing() && !Loading()) LockRedraw();
  skinableMenus_->SkinBorderWidth = -1;
  SkinData.Loaded = false;
  {
    TFlagScope announcing(SkinAnnouncing);
    CacheCommonIndexes();
    Broadcast(MakeSkinCommand(SkinCmdNewSkin, reinterpret_cast<intptr_t>(this)));
  }
  SkinData.Loaded = true;
  if (IsDefault() && !hookInstalled_) InstallSkinHook();
  AnnounceSkinRefresh();
}

void TsSkinManager::AnnounceSkinRefresh() {
  Broadcast(MakeSkinCommand(SkinCmdHaltAnimation));
  const bool lock = !Loading();
  if (lock) LockRedraw();
  const TsCmdMessage reapplied = MakeSkinCommand(SkinCmdSkinReapplied, reinterpret_cast<intptr_t>(this));
  Broadcast(reapplied);
  if (lock) UnlockRedraw(true);
  if (ExtraNotifyControl) {
    TsCmdMessage extra = reapplied;
    ManagerPlatform().SendToControlWindow(ExtraNotifyControl, extra);
  }
}

void TsSkinManager::AnnounceSkinRemoved() {
  {
    TFlagScope removing(SkinRemoving);
    RemoveSkinHook();
    SkinData.Loaded = false;
    Broadcast(MakeSkinCommand(SkinCmdSkinRemoved, reinterpret_cast<intptr_t>(this)));
    FreeImageItems();
    FreePatterns();
    SectionItems.clear();
  }
  // The cached indexes would point into the arrays just emptied.
  CacheCommonIndexes();
}

// -- Hooks -------------------------------------------------------------------------------

void TsSkinManager::InstallSkinHook() {
  if (!IsDefault() || Designing() || hookInstalled_) return;
  hookInstalled_ = ManagerPlatform().InstallSkinHook();
}

void TsSkinManager::RemoveSkinHook() {
  if (!IsDefault() || Designing() || !hookInstalled_) return;
  ManagerPlatform().RemoveSkinHook();
  hookInstalled_ = false;
}

bool TsSkinManager::MainWindowHook(uint32_t msg, uintptr_t wParam, intptr_t lParam) {
  if (!skinnedPopups_) return false;
  // Without a skin in force the platform's look follows the system theme.
  if (msg == ThemeChangedMessage) return active_ && SkinData.Loaded;
  if ((msg == SkinPopupUnderItemMessage || msg == SkinPopupWindowMessage) && skinableMenus_ &&
      MenuPainterSeam().AppMessage)
    return MenuPainterSeam().AppMessage(skinableMenus_.get(), msg, wParam, lParam);
  return false;
}

intptr_t TsSkinManager::SetHotControl(uintptr_t window) {
  if (window == hotWindow_) return static_cast<intptr_t>(window);
  const uintptr_t previous = hotWindow_;
  hotWindow_ = window;
  intptr_t result = 0;
  if (previous) {
    TsCmdMessage leave = MakeSkinCommand(SkinCmdHotLeave, reinterpret_cast<intptr_t>(this));
    result = ManagerPlatform().SendToWindowHandle(previous, leave);
  }
  TsCmdMessage enter = MakeSkinCommand(SkinCmdHotEnter, reinterpret_cast<intptr_t>(this));
  result = ManagerPlatform().SendToWindowHandle(window, enter);
  return result;
}

// -- Skins on disk ----------------------------------------------------------------------------

void TsSkinManager::ListAvailableSkins(TStrings* list, int kind, std::string& firstName) {
  firstName.clear();
  if (!list) return;
  list->Clear();
  TStringList names;
  for (int i = 0; i < internalSkins_->Count(); ++i) {
    const std::string& name = internalSkins_->Items(i)->Name;
    if (i == 0) firstName = name;
    names.Add(name);
  }
  const std::string folder = ResolvedSkinDirectory();
  if (DirectoryExists(folder)) {
    TSearchRec rec;
    if (FindFirst(JoinSkinPath(folder, "*.*"), faAnyFile, rec) == 0) {
      do {
        if (rec.Name.empty() || rec.Name[0] == '.') continue;
        std::string found;
        const bool isFolder = (rec.Attr & faDirectory) != 0;
        if (isFolder && (kind == 0 || kind == 2)) {
          const std::string options = JoinSkinPath(JoinSkinPath(folder, rec.Name), "Options.dat");
          if (!FindSkinFile(options).empty()) found = rec.Name;
        } else if (!isFolder && (kind == 1 || kind == 2) && ExtractFileExt(rec.Name) == ".vlz") {
          found = rec.Name.substr(0, rec.Name.find('.'));
        }
        if (found.empty()) continue;
        if (firstName.empty()) firstName = found;
        names.Add(found);
      } while (FindNext(rec) == 0);
      FindClose(rec);
    }
  }
  names.Sort();
  list->Assign(&names);
}

// The per-control skin record: every skinned control, provider and window
// adapter owns one. It names the skin section that paints its owner,
// follows one skin manager, caches the section's look-up indexes, owns the
// owner's cache bitmap and keeps the state flags painting reads. Owners pass
// every message through CommonControlMessage first and skip their own
// handling when it answers true.
//
// Portable: everything it asks of its owner goes through ControlModel().
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/graphics/colors.h"
#include "platform/rtl/classes.h"
#include "skin/core/cache_bitmap.h"
#include "skin/core/cache_info.h"
#include "skin/core/skin_commands.h"

class TsSkinManager;
struct TsGeneralData;

// The reply slot of SkinCmdQueryCache: the asker clears Ready, the control
// that answers fills the whole record.
extern TCacheInfo ParentCacheInfo;
// SkinCmdRepaintSection repaints the records of this section; empty: none.
extern std::string RepaintSectionName;

// Control kinds that never take a hot state: 51-74, 110, 141-161.
bool IsHotlessKind(int controlKind);
// The section a control kind gets when none is named; other kinds get the
// owner's class name.
std::string DefaultSectionOfKind(int controlKind, const std::string& ownerClassName);

class TsCommonData : public TPersistent {
 public:
  // owner: the control, provider or adapter item; not owned.
  TsCommonData(TPersistent* owner, bool createCache);
  ~TsCommonData() override;

  // -- Fields ----------------------------------------------------------------------
  bool Updating = false;
  TsSkinManager* OwnManager = nullptr;  // nullptr: the default manager
  int BorderItemIndex = -1;
  int SectionIndex = -1;
  int PatternIndex = -1;
  int HotPatternIndex = -1;
  TComponent* PaintingChild = nullptr;
  bool ForceFullRedraw = false;
  bool BackgroundStale = true;
  bool RedrawFlag = true;
  TComponent* HostControl = nullptr;  // the owner when it is a control
  TPersistent* HostObject = nullptr;  // the owner always
  std::unique_ptr<TsCacheBitmap> CacheBitmap;
  int ControlKind = 0;
  bool Focused = false;
  bool Hot = false;

  // -- Properties ------------------------------------------------------------------
  const std::string& SkinSection() const { return skinSection_; }
  // Upper-cased; "UNKNOWN" for an empty name. Re-reads the indexes and tells
  // the owner (SkinCmdSkinReapplied when the section is valid, else
  // SkinCmdSkinRemoved) so it repaints.
  void SetSkinSection(const std::string& value);
  bool CustomFont() const { return customFont_; }
  void SetCustomFont(bool value);
  bool CustomColor() const { return customColor_; }
  void SetCustomColor(bool value);
  // OwnManager, else the default manager.
  TsSkinManager* SkinManager() const;
  void SetSkinManager(TsSkinManager* value);
  // Stored in a layout only when a manager is named.
  bool SkinManagerStored() const { return OwnManager != nullptr; }

  // -- Skin indexes ------------------------------------------------------------------
  void RefreshSkinIndexes();
  void SetDefaultSection();
  // After creation and on skin changes: the default section, the adapter
  // request and the edit colours.
  void ApplySkinColors();

  // -- Tests ---------------------------------------------------------------------------
  // The section is valid for a live manager (whose skin is loaded, when asked).
  bool IsSkinned(bool needLoaded = true) const;
  static bool IsSkinned(const TsCommonData* record, bool needLoaded = true) {
    return record && record->IsSkinned(needLoaded);
  }
  bool IsUpdating() const;
  TsCommonData* MarkUpdating(bool value) {
    Updating = value;
    return this;
  }
  // The hot look: focused, or hot for a kind that takes it.
  bool IsActiveState() const;
  bool HasTransparency() const;
  // The look depends on what lies under the control.
  bool NeedsFullRedraw() const;
  static bool NeedsFullRedraw(const TsCommonData* record) {
    return !record || record->NeedsFullRedraw();
  }
  bool AskParentBackgroundKind() const;
  // The section record, nullptr when the index is not valid for the manager.
  const TsGeneralData* Section() const;

  // -- Cache -------------------------------------------------------------------------------
  // Made when missing, 24-bit, sized to the owner control.
  void PrepareCacheBitmap();
  // The cache's pixels; an empty view without cache.
  TPixelBufferView CachePixels() const;
  void InvalidateSkin();
  void BeginSkinUpdate();
  void EndSkinUpdate();
  // The parent's answer to SkinCmdQueryCache; unchanged without parent,
  // EmptyCacheInfo when asking fails.
  void GetParentCacheInfo(TCacheInfo& info) const;

  // The command message for this record; true when fully handled. A nil
  // record handles nothing.
  static bool DispatchSkinCommand(TsCmdMessage& message, TsCommonData* record);

 private:
  bool HostDestroying() const;
  bool HostLoading() const;
  bool HasSectionRecords() const;
  void ApplyEditColors();
  void ResetEditColors();
  void AnswerBackColor();
  bool AnswerBackgroundKind(TsCmdMessage& message);
  void RepaintCommand(uint16_t argument);
  void NotifySectionChange();

  std::string skinSection_;
  bool customFont_ = false;
  bool customColor_ = false;
};

// The sender of a skin-change command is the default manager.
bool IsFromDefaultManager(intptr_t lParam);

// Every message of a skinned control passes here first; true when the
// control must not handle it itself. A nil record handles nothing.
bool CommonControlMessage(TsCmdMessage& message, TsCommonData* record);

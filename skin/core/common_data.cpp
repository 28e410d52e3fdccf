#include "skin/core/common_data.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "platform/rtl/text1251.h"
#include "skin/core/control_messages.h"
#include "skin/core/control_model.h"
#include "skin/core/control_utils.h"
#include "skin/core/manager_platform.h"
#include "skin/core/paint_colors.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_manager.h"

TCacheInfo ParentCacheInfo;
std::string RepaintSectionName;

namespace {

bool InRange(int v, int low, int high) { return v >= low && v <= high; }

bool Destroying(const TComponent* c) { return c->ComponentState().Contains(csDestroying); }
bool Loading(const TComponent* c) { return c->ComponentState().Contains(csLoading); }
bool Reading(const TComponent* c) { return c->ComponentState().Contains(csReading); }
bool Designing(const TComponent* c) { return c->ComponentState().Contains(csDesigning); }

// An answer on the command message as the senders read it.
intptr_t AsLParam(const void* p) { return reinterpret_cast<intptr_t>(p); }

}  // namespace

bool IsHotlessKind(int controlKind) {
  return InRange(controlKind, 51, 74) || controlKind == 110 || InRange(controlKind, 141, 161);
}

std::string DefaultSectionOfKind(int kind, const std::string& ownerClassName) {
  if (InRange(kind, 2, 8) || kind == 10 || kind == 41 || kind == 76 || kind == 78 || kind == 83 ||
      kind == 84 || kind == 96 || kind == 97 || kind == 131 || kind == 140 || kind == 227)
    return "EDIT";
  if (InRange(kind, 11, 18) || kind == 81 || kind == 82) return "COMBOBOX";
  switch (kind) {
    case 19: return "BAR";
    case 20: return "BARTITLE";
    case 32: case 152: return "CHECKBOX";
    case 33: return "RADIOBUTTON";
    case 51: case 59: case 68: case 73: return "PANEL";
    case 52: case 58: return "PANEL_LOW";
    case 53: case 54: case 60: return "TOOLBAR";
    case 56: return "DRAGBAR";
    case 57: return "TABSHEET";
    case 74: case 226: return "GROUPBOX";
    case 75: return "SPLITTER";
    case 92: case 95: return "SPEEDBUTTON";
    case 93: case 94: return "BUTTON";
    case 98: return "TOOLBUTTON";
    case 141: case 143: return "PAGECONTROL";
    case 151: return "STATUSBAR";
    case 161: return "GAUGE";
    case 165: return "TRACKBAR";
    default: return ownerClassName;
  }
}

// -- Life ----------------------------------------------------------------------------------

TsCommonData::TsCommonData(TPersistent* owner, bool createCache) {
  TsControlModel& model = ControlModel();
  HostControl = owner ? model.AsControl(owner) : nullptr;
  HostObject = owner;
  if (createCache) CacheBitmap = model.CreateCacheBitmap();
}

TsCommonData::~TsCommonData() {
  BorderItemIndex = SectionIndex = PatternIndex = HotPatternIndex = -1;
  HostControl = nullptr;
  HostObject = nullptr;
  OwnManager = nullptr;
}

bool TsCommonData::HostDestroying() const {
  const auto* component = dynamic_cast<const TComponent*>(HostObject);
  return component && Destroying(component);
}

bool TsCommonData::HostLoading() const { return HostControl && Loading(HostControl); }

bool TsCommonData::HasSectionRecords() const {
  const TsSkinManager* m = SkinManager();
  return m && !m->SectionItems.empty();
}

const TsGeneralData* TsCommonData::Section() const {
  const TsSkinManager* m = SkinManager();
  if (!m || !m->IsValidSectionIndex(SectionIndex)) return nullptr;
  return &m->SectionItems[static_cast<size_t>(SectionIndex)];
}

// -- Properties --------------------------------------------------------------------------------

TsSkinManager* TsCommonData::SkinManager() const { return OwnManager ? OwnManager : DefaultManager; }

void TsCommonData::SetSkinManager(TsSkinManager* value) {
  if (value == OwnManager) return;
  OwnManager = value == DefaultManager ? nullptr : value;
  if (HostLoading()) return;
  if (value && !value->SectionItems.empty()) RefreshSkinIndexes();
  else SectionIndex = -1;
  const uint16_t code = value && value->IsValidSectionIndex(SectionIndex) ? SkinCmdSkinReapplied
                                                                          : SkinCmdSkinRemoved;
  TsControlModel& model = ControlModel();
  TsCmdMessage m = MakeSkinCommand(code, AsLParam(value));
  if (HostObject && model.IsSkinProvider(HostObject)) {
    model.DeliverToProvider(HostObject, m);
  } else if (HostControl && model.Parent(HostControl) && !Destroying(HostControl)) {
    try {
      model.Perform(HostControl, m);
    } catch (...) {
      // The new manager is kept whatever the control made of the news.
    }
  }
}

void TsCommonData::SetSkinSection(const std::string& value) {
  if (value == skinSection_) return;
  skinSection_ = value.empty() ? std::string("UNKNOWN") : UpperCase(value);
  if (HasSectionRecords()) RefreshSkinIndexes();
  else SectionIndex = -1;
  NotifySectionChange();
}

// The owner hears of its new section with the record's own manager as
// sender, so that the record (and the owner's handler) obeys the command
// and the section is applied.
void TsCommonData::NotifySectionChange() {
  TsControlModel& model = ControlModel();
  if (HostObject && model.IsSkinProvider(HostObject)) {
    BackgroundStale = true;
    model.FreeProviderFormCache(HostObject);
    return;
  }
  if (!HostControl || Loading(HostControl) || Reading(HostControl) || Destroying(HostControl) ||
      !model.Parent(HostControl))
    return;
  TsSkinManager* m = SkinManager();
  const bool valid = HasSectionRecords() && m->IsValidSectionIndex(SectionIndex);
  TsCmdMessage msg = MakeSkinCommand(valid ? SkinCmdSkinReapplied : SkinCmdSkinRemoved, AsLParam(m));
  model.Perform(HostControl, msg);
}

void TsCommonData::SetCustomColor(bool value) {
  if (value == customColor_) return;
  customColor_ = value;
  if (IsSkinned() && HostControl && ControlModel().IsCustomEdit(HostControl) && !HostLoading())
    ApplyEditColors();
  InvalidateSkin();
}

void TsCommonData::SetCustomFont(bool value) {
  if (value == customFont_) return;
  customFont_ = value;
  InvalidateSkin();
}

void TsCommonData::ApplyEditColors() {
  const TsGeneralData* s = Section();
  if (!s || !HostControl) return;
  TsControlModel& model = ControlModel();
  if (!customColor_ && model.Color(HostControl) != s->Color) model.SetColor(HostControl, s->Color);
  if (!customFont_ && model.FontColor(HostControl) != s->FontColor[0])
    model.SetFontColor(HostControl, s->FontColor[0]);
}

void TsCommonData::ResetEditColors() {
  if (!HostControl) return;
  TsControlModel& model = ControlModel();
  if (!model.IsCustomEdit(HostControl)) return;
  if (!customColor_) model.SetColor(HostControl, clWindow);
  if (!customFont_) model.SetFontColor(HostControl, clWindowText);
}

// -- Indexes ------------------------------------------------------------------------------------

void TsCommonData::RefreshSkinIndexes() {
  BackgroundStale = true;
  const TsSkinManager* m = SkinManager();
  SectionIndex = m ? m->LookupSection(skinSection_) : -1;
  if (SectionIndex < 0) {
    PatternIndex = HotPatternIndex = -1;
    return;
  }
  BorderItemIndex = m->LookupImageItem(SectionIndex, skinSection_, "BORDERSMASK");
  PatternIndex = m->LookupTextureItem(SectionIndex, skinSection_, "PATTERN");
  HotPatternIndex = m->LookupTextureItem(SectionIndex, skinSection_, "HOTPATTERN");
}

void TsCommonData::SetDefaultSection() {
  if (!skinSection_.empty()) {
    RefreshSkinIndexes();
    return;
  }
  SetSkinSection(DefaultSectionOfKind(ControlKind, HostObject ? HostObject->ClassName() : ""));
}

void TsCommonData::ApplySkinColors() {
  SetDefaultSection();
  TsControlModel& model = ControlModel();
  if (HostControl && !IsSkinned() && model.ThemesInUse()) model.ClearParentBackground(HostControl);
  if (!IsSkinned() || !HostControl || !model.Parent(HostControl) || Loading(HostControl)) return;
  if (model.IsWindowed(HostControl)) RequestControlAdapt(model, HostControl);
  if (model.IsCustomEdit(HostControl) || ControlKind == 97) ApplyEditColors();
}

// -- Tests ----------------------------------------------------------------------------------------

bool TsCommonData::IsSkinned(bool needLoaded) const {
  if (HostDestroying()) return false;
  const TsSkinManager* m = SkinManager();
  if (!m || Destroying(m)) return false;
  if (needLoaded && !m->SkinData.Loaded) return false;
  return m->IsValidSectionIndex(SectionIndex);
}

bool TsCommonData::IsUpdating() const {
  const TsSkinManager* m = SkinManager();
  if (!m || !m->SkinData.Loaded) return true;
  if (!HostControl || Destroying(HostControl)) return Updating;
  if (Updating) return true;
  TsControlModel& model = ControlModel();
  TComponent* parent = model.Parent(HostControl);
  if (!parent) return true;
  return ControlAnswersCmd(model, parent, SkinCmdQueryUpdating);
}

bool TsCommonData::IsActiveState() const {
  if (!HostControl || Destroying(HostControl) || Designing(HostControl)) return false;
  TsControlModel& model = ControlModel();
  if (!model.Enabled(HostControl)) return false;
  if (Focused) return true;
  if (model.IsWindowed(HostControl) && model.HasFocus(HostControl)) return true;
  return Hot && !IsHotlessKind(ControlKind);
}

bool TsCommonData::HasTransparency() const {
  const TsGeneralData* s = Section();
  return s && s->Transparency > 0;
}

bool TsCommonData::NeedsFullRedraw() const {
  if (ForceFullRedraw || !IsSkinned() || !HostControl) return true;
  TsControlModel& model = ControlModel();
  if (model.IsCreating(HostControl) || !model.Visible(HostControl)) return true;
  const TsGeneralData* s = Section();
  if (!s) return false;
  if (!model.Enabled(HostControl) || s->Transparency > 0) {
    TComponent* parent = model.Parent(HostControl);
    if (parent && model.HasHandle(parent)) return AskParentBackgroundKind();
    return true;
  }
  return false;
}

bool TsCommonData::AskParentBackgroundKind() const {
  if (!HostControl) return false;
  TsControlModel& model = ControlModel();
  TComponent* parent = model.Parent(HostControl);
  if (!parent || !model.HasHandle(parent)) return false;
  return ControlAnswersCmd(model, parent, SkinCmdQueryBackgroundKind);
}

// -- Cache ------------------------------------------------------------------------------------------

void TsCommonData::PrepareCacheBitmap() {
  TsControlModel& model = ControlModel();
  if (!CacheBitmap) CacheBitmap = model.CreateCacheBitmap();
  CacheBitmap->Force24Bit();
  if (!HostControl) return;
  const int w = std::max(model.Width(HostControl), 0);
  const int h = std::max(model.Height(HostControl), 0);
  if (CacheBitmap->Width() != w || CacheBitmap->Height() != h) CacheBitmap->SetSize(w, h);
}

TPixelBufferView TsCommonData::CachePixels() const {
  return CacheBitmap ? CacheBitmap->PixelView() : TPixelBufferView{};
}

void TsCommonData::InvalidateSkin() {
  if (!HostControl || Loading(HostControl) || Destroying(HostControl)) return;
  BackgroundStale = true;
  TsControlModel& model = ControlModel();
  if (IsControlPaintable(model, HostControl)) model.Invalidate(HostControl);
}

void TsCommonData::BeginSkinUpdate() {
  Updating = true;
  TsCmdMessage m = MakeSkinCommand(SkinCmdBatchBegin);
  TsControlModel& model = ControlModel();
  if (HostObject && model.IsSkinProvider(HostObject)) model.SendToProviderForm(HostObject, m);
  else if (HostControl) model.Perform(HostControl, m);
}

void TsCommonData::EndSkinUpdate() {
  Updating = false;
  TsCmdMessage m = MakeSkinCommand(SkinCmdBatchEnd);
  TsControlModel& model = ControlModel();
  if (HostObject && model.IsSkinProvider(HostObject)) model.SendToProviderForm(HostObject, m);
  else if (HostControl) model.Perform(HostControl, m);
}

void TsCommonData::GetParentCacheInfo(TCacheInfo& info) const {
  ParentCacheInfo.Ready = false;
  if (!HostControl) return;
  TsControlModel& model = ControlModel();
  try {
    TComponent* parent = model.Parent(HostControl);
    if (!parent) return;
    SendCmdToControl(model, parent, SkinCmdQueryCache);
    info = ParentCacheInfo;
  } catch (...) {
    info = EmptyCacheInfo;
  }
}

// -- The command message ---------------------------------------------------------------------------

// Command 21: the colour this control shows its children.
void TsCommonData::AnswerBackColor() {
  TsControlModel& model = ControlModel();
  const TsGeneralData* s = IsSkinned(false) ? Section() : nullptr;
  if (!s) {
    if (HostControl) ParentBackColor = ColorToRGB(model.Color(HostControl));
    return;
  }
  const int t = s->Transparency;
  const TColor own = ColorToRGB(s->Color);
  if (t == 0) {
    // A custom colour may be a system colour; the mixing below and every
    // reader of ParentBackColor need RGB.
    ParentBackColor = customColor_ && HostControl ? ColorToRGB(model.Color(HostControl)) : own;
    return;
  }
  TColor under = own;
  if (HostControl) {
    TComponent* parent = model.Parent(HostControl);
    if (parent) {
      ParentBackColor = SkinTransparentColor;
      TsCmdMessage m = MakeSkinCommand(SkinCmdQueryBackColor);
      model.SendToWindow(parent, m);
      if (ParentBackColor == SkinTransparentColor) ParentBackColor = ColorToRGB(model.Color(parent));
      under = ParentBackColor;
    } else {
      under = ColorToRGB(model.Color(HostControl));
    }
  }
  if (t == 100) {
    ParentBackColor = under;
    return;
  }
  uint32_t mixed = static_cast<uint32_t>(under) & 0xFF000000u;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int p = (under >> shift) & 0xFF;
    const int o = (own >> shift) & 0xFF;
    const int v = std::clamp((t * (p - o) + o * 256) >> 8, 0, 255);
    mixed |= static_cast<uint32_t>(v) << shift;
  }
  ParentBackColor = static_cast<TColor>(mixed);
}

bool TsCommonData::AnswerBackgroundKind(TsCmdMessage& message) {
  const TsGeneralData* s = Section();
  if (SectionIndex < 0 || !s) return false;
  if (s->Transparency == 100 && HostControl && ControlModel().Parent(HostControl))
    message.LParam = AskParentBackgroundKind() ? 1 : 0;
  else
    message.LParam = s->GradientPercent + s->ImagePercent > 0 || NeedsFullRedraw() ? 1 : 0;
  message.Result = message.LParam;
  return true;
}

void TsCommonData::RepaintCommand(uint16_t argument) {
  const bool full = NeedsFullRedraw();
  BackgroundStale = BackgroundStale || full;
  TsControlModel& model = ControlModel();
  if (!HostControl || !model.IsWindowed(HostControl)) return;
  if (argument == 1) model.RedrawWindow(HostControl, RedrawInvalidateChildren);
  if (!full) return;
  for (int i = 0; i < model.ChildCount(HostControl); ++i) {
    TComponent* child = model.Child(HostControl, i);
    if (child && !Destroying(child)) SendCmdToControl(model, child, SkinCmdRepaint);
  }
}

bool TsCommonData::DispatchSkinCommand(TsCmdMessage& m, TsCommonData* sd) {
  if (!sd || m.Msg != CommandMessage) return false;
  const uint16_t code = SkinCmdOf(m.WParam);
  const uint16_t argument = SkinCmdArgumentOf(m.WParam);
  if (code >= SkinCmdNewSkin && code <= SkinCmdSkinReapplied &&
      m.LParam != AsLParam(sd->SkinManager()))
    return false;
  TsControlModel& model = ControlModel();
  switch (code) {
    case SkinCmdNewSkin:
      sd->Updating = true;
      sd->RefreshSkinIndexes();
      return false;
    case SkinCmdSkinRemoved: {
      const TsSkinManager* manager = sd->SkinManager();
      if (manager && Destroying(manager)) sd->OwnManager = nullptr;
      sd->BorderItemIndex = sd->SectionIndex = sd->PatternIndex = sd->HotPatternIndex = -1;
      sd->Updating = true;
      if (sd->CacheBitmap) sd->CacheBitmap->SetSize(0, 0);
      sd->ResetEditColors();
      return false;
    }
    case SkinCmdSkinReapplied:
      // The indexes are read again too, so a record that missed the new
      // skin's announcement still paints from the skin it is told about.
      sd->RefreshSkinIndexes();
      sd->BackgroundStale = true;
      sd->Updating = false;
      if (sd->IsSkinned(false) && sd->HostControl) {
        if (model.IsCustomEdit(sd->HostControl)) sd->ApplyEditColors();
        if (model.IsWindowed(sd->HostControl)) RequestControlAdapt(model, sd->HostControl);
      }
      return false;
    case SkinCmdQueryCache:
      ParentCacheInfo.Ready = false;
      // An emptied cache is no background to copy from.
      if (sd->CacheBitmap && !sd->CacheBitmap->IsEmpty())
        ParentCacheInfo = MakeCacheInfo(sd->CacheBitmap->PixelView(), 0, 0);
      return false;
    case SkinCmdQuerySkinned:
      m.LParam = 1;
      m.Result = 1;
      return true;
    case SkinCmdSetUpdating:
      sd->Updating = argument == 1;
      return false;
    case SkinCmdForceFullRedraw:
      sd->ForceFullRedraw = argument == 1;
      return false;
    case SkinCmdQueryUpdating:
      m.LParam = sd->BackgroundStale || sd->IsUpdating() ? 1 : 0;
      return true;
    case SkinCmdQueryRedrawFlag:
      m.LParam = sd->RedrawFlag ? 1 : 0;
      return true;
    case SkinCmdCheckBackground:
      if (sd->HasTransparency() && argument == 1) sd->BackgroundStale = true;
      return false;
    case SkinCmdRepaintSection:
      if (!RepaintSectionName.empty() && UpperCase(sd->skinSection_) == RepaintSectionName)
        sd->InvalidateSkin();
      return false;
    case SkinCmdSetPaintingChild:
      sd->PaintingChild = reinterpret_cast<TComponent*>(m.LParam);
      return false;
    case SkinCmdMarkBackground:
      sd->BackgroundStale = true;
      return false;
    case SkinCmdQueryBackgroundKind:
      return sd->AnswerBackgroundKind(m);
    case SkinCmdRepaint:
      sd->RepaintCommand(argument);
      return false;
    case SkinCmdQueryBackColor:
      sd->AnswerBackColor();
      return true;
    case SkinCmdSetRedrawFlag:
      sd->RedrawFlag = true;
      return false;
    case SkinCmdQueryApplication:
      m.Result = AsLParam(ManagerPlatform().Application());
      return false;
    default:
      return false;
  }
}

bool IsFromDefaultManager(intptr_t lParam) { return DefaultManager && lParam == AsLParam(DefaultManager); }

// -- Messages of every skinned control ------------------------------------------------------------------

bool CommonControlMessage(TsCmdMessage& m, TsCommonData* sd) {
  if (!sd) return false;
  if (m.Msg == CommandMessage) return TsCommonData::DispatchSkinCommand(m, sd);
  TsControlModel& model = ControlModel();
  TComponent* owner = sd->HostControl;
  const bool windowed = owner && model.IsWindowed(owner);
  switch (m.Msg) {
    case skinmsg::Move:
      if (owner && sd->NeedsFullRedraw()) {
        TsCmdMessage repaint = MakeSkinCommand(SkinCmdRepaint, 0, 1);
        model.Perform(owner, repaint);
      }
      break;
    case skinmsg::Size:
      if (sd->IsSkinned()) {
        sd->BackgroundStale = true;
        const TsGeneralData* s = sd->Section();
        if (windowed && s && s->GradientPercent > 0) {
          const int count = model.ChildCount(owner);
          for (int i = 0; i < count; ++i) {
            if (i >= model.ChildCount(owner)) continue;
            TComponent* child = model.Child(owner, i);
            if (!child || Destroying(child) || model.AnchoredRightOrBottom(child)) continue;
            TsCmdMessage repaint = MakeSkinCommand(SkinCmdRepaint, 0, 1);
            model.Perform(child, repaint);
          }
        }
      }
      break;
    case skinmsg::SetFocus:
    case skinmsg::KillFocus:
      if (windowed && model.CanFocus(owner) && model.TabStop(owner)) {
        sd->BackgroundStale = true;
        sd->Focused = m.Msg == skinmsg::SetFocus;
      }
      break;
    case skinmsg::FontChange:
    case skinmsg::EnabledChanged:
      sd->Hot = false;
      sd->Focused = false;
      break;
    case skinmsg::UpdateUIState:
      if (sd->IsSkinned()) return true;
      if (windowed && model.ThemesInUse()) model.RestoreWindowTheme(owner);
      break;
    case skinmsg::ParentNotify:
      if (windowed && (m.WParam & 0xFFFF) == skinmsg::Create) RequestControlAdapt(model, owner);
      break;
    case skinmsg::VisibleChanged:
      if (sd->CacheBitmap) {
        if (m.WParam == 0) {
          sd->CacheBitmap->SetSize(0, 0);
        } else {
          sd->Updating = false;
          sd->BackgroundStale = true;
        }
      }
      break;
    case skinmsg::MouseEnter:
      if (owner && !Designing(owner)) {
        if (!IsHotlessKind(sd->ControlKind)) sd->Hot = true;
        if (windowed && DefaultManager) DefaultManager->SetHotControl(model.Handle(owner));
      }
      break;
    case skinmsg::MouseLeave:
      if (owner && !Designing(owner) && !IsHotlessKind(sd->ControlKind)) sd->Hot = false;
      break;
    default:
      break;
  }
  return false;
}

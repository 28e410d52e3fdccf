#include "skin/windows/ctrl_adapter.h"

#include <windows.h>

#include "skin/core/common_data.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/flag_scope.h"
#include "skin/core/skin_commands.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/adapter_factory_win.h"
#include "skin/windows/ctrl_adapter_rules.h"
#include "skin/windows/main_wnd_win.h"
#include "skin/windows/skin_provider.h"

namespace {

// True while AdaptAllControls runs; a walk started meanwhile does nothing.
bool WalkingControls = false;

TvxSkinLabelTest SkinLabelTest = nullptr;

bool IsSkinLabel(const TControl* control) { return SkinLabelTest && SkinLabelTest(control); }

bool AnswersSkinned(TControl* control) { return ControlAnswersCmd(control, SkinCmdQuerySkinned); }

const ThirdPartyLineLists* ListsOf(const TsCommonData* record) {
  TsSkinManager* m = record ? record->SkinManager() : nullptr;
  return m ? &m->ThirdPartyStrings() : nullptr;
}

}  // namespace

void SetSkinLabelTest(TvxSkinLabelTest test) { SkinLabelTest = test; }

// -- TvxAdapterItem ----------------------------------------------------------------------------

TvxAdapterItem::TvxAdapterItem(TvxCtrlAdapter* owner) : Owner(owner) {
  SkinData = std::make_unique<TsCommonData>(this, true);
  SkinData->ControlKind = AdapterItemControlKind;
}

TvxAdapterItem::~TvxAdapterItem() {
  FreeAdapter(Adapter);
  SkinData.reset();
}

void TvxAdapterItem::Attach(TControl* control) {
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (!windowed || !windowed->HandleAllocated()) return;
  if (control->Parent() && AnswersSkinned(control)) return;
  Control = control;
  SkinData->HostControl = control;
  SkinData->HostObject = control;
  if (!control->Parent()) return;

  const ThirdPartyLineLists* lists = ListsOf(SkinData.get());
  if (!lists) return;
  const TvxThirdPartyChoice choice = ChooseThirdPartyAdapter(*lists, control->ClassName());
  if (!choice.Found) return;
  if (!choice.RecordSection.empty()) SkinData->SetSkinSection(std::string(choice.RecordSection));
  TvxAdapterArgs args;
  args.Handle = windowed->Handle();
  args.Repaint = true;
  args.Section = std::string(choice.AdapterSection);
  args.Manager = SkinData->SkinManager();
  args.SkinData = SkinData.get();
  Adapter = CreateAdapter(choice.Kind, args);
  // A control already on screen (the walk of a provider made when its form
  // was first activated) was drawn in the platform's look: the adapter
  // draws it now, face and frame.
  if (Adapter && IsWindowVisible(args.Handle))
    RedrawWindow(args.Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

// -- TvxCtrlAdapter ----------------------------------------------------------------------------

TvxCtrlAdapter::TvxCtrlAdapter(TsSkinProvider* provider) : provider_(provider) {}

TvxCtrlAdapter::~TvxCtrlAdapter() {
  PurgeDeadItems();
  ClearItems();
}

TvxAdapterItem* TvxCtrlAdapter::GetItem(int index) const {
  return index >= 0 && index < Count() ? items_[static_cast<size_t>(index)] : nullptr;
}

bool TvxCtrlAdapter::AskOnSkinItem(TComponent* item, std::string& section) {
  bool canBeAdded = true;
  if (provider_ && provider_->OnSkinItem) provider_->OnSkinItem(item, canBeAdded, section);
  return canBeAdded;
}

bool TvxCtrlAdapter::IsControlSupported(TControl* control) {
  if (!control) return false;
  TvxControlFacts f;
  f.Tag = control->Tag();
  auto* windowed = dynamic_cast<TWinControl*>(control);
  f.Windowed = windowed != nullptr;
  f.HandleAllocated = windowed && windowed->HandleAllocated();
  f.AnswersSkinned = f.Windowed && f.HandleAllocated && AnswersSkinned(control);
  f.IsCustomLabel = dynamic_cast<TCustomLabel*>(control) != nullptr;
  f.IsGraphic = dynamic_cast<TGraphicControl*>(control) != nullptr;
  f.ClassName = control->ClassName();
  const ThirdPartyLineLists* lists = provider_ ? ListsOf(provider_->SkinData()) : nullptr;
  return DecideControlSupported(f, lists, [&] {
    std::string section;
    return AskOnSkinItem(control, section);
  });
}

int TvxCtrlAdapter::IndexOfControl(const TComponent* control) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i]->Control && static_cast<const TComponent*>(items_[i]->Control) == control)
      return static_cast<int>(i);
  return -1;
}

void TvxCtrlAdapter::FreeItemAt(int index) {
  TvxAdapterItem* item = items_[static_cast<size_t>(index)];
  items_.erase(items_.begin() + index);
  item->Free();
}

void TvxCtrlAdapter::AddControl(TControl* control, const std::string& section) {
  if (!control || control->Tag() == NoAdaptTag || !control->Parent() || AnswersSkinned(control)) return;
  std::string skinSection = section;
  if (!AskOnSkinItem(control, skinSection)) return;

  const int found = IndexOfControl(control);
  TvxAdapterItem* item = nullptr;
  if (found < 0) {
    item = new TvxAdapterItem(this);
    item->Control = control;
    items_.push_back(item);
    // The form tells the provider when the control goes, owned or not.
    if (provider_) control->FreeNotification(provider_);
  } else {
    item = items_[static_cast<size_t>(found)];
  }
  item->SkinData->SetSkinSection(skinSection);

  if (found >= 0) {
    // The control's window was made again: a fresh adapter for it.
    if (item->Adapter && item->Adapter->Destroyed) {
      FreeAdapter(item->Adapter);
      if (control->Parent()) item->Attach(control);
    }
    return;
  }
  if (control->Parent()) item->Attach(control);
  if (!item->Adapter) FreeItemAt(IndexOfControl(control));
}

void TvxCtrlAdapter::RemoveItem(int index) {
  if (index < 0 || index >= Count()) return;
  FreeItemAt(index);
}

void TvxCtrlAdapter::PurgeDeadItems() {
  for (int i = Count() - 1; i >= 0; --i) {
    const TvxAdapterItem* item = items_[static_cast<size_t>(i)];
    if (!item->Adapter || item->Adapter->Destroyed) FreeItemAt(i);
  }
}

void TvxCtrlAdapter::ClearItems() {
  if (ClearingAdapterItems) return;
  TFlagScope clearing(ClearingAdapterItems);
  while (!items_.empty()) FreeItemAt(Count() - 1);
}

void TvxCtrlAdapter::SendToAdapted(TMessage& message) {
  for (TvxAdapterItem* item : std::vector<TvxAdapterItem*>(items_)) {
    try {
      auto* windowed = dynamic_cast<TWinControl*>(item->Control);
      if (!item->Adapter || item->Adapter->Destroyed || !windowed || !windowed->Parent()) continue;
      SendMessageW(windowed->Handle(), message.Msg, message.WParam, message.LParam);
    } catch (...) {
      // A control that fails to take the message keeps its look.
    }
  }
}

void TvxCtrlAdapter::ControlRemoved(TComponent* component) {
  const int index = IndexOfControl(component);
  if (index >= 0) FreeItemAt(index);
  for (size_t i = 0; i < labels_.size(); ++i) {
    if (static_cast<TComponent*>(labels_[i].Label) == component) {
      labels_.erase(labels_.begin() + static_cast<std::ptrdiff_t>(i));
      break;
    }
  }
}

void TvxCtrlAdapter::ColourLabel(TCustomLabel* label) {
  TsSkinManager* m = DefaultManager;
  if (!m) return;
  // A skin without GLOBALINFO: the text colour of the form's section, which
  // the label stands on.
  const TColor color = m->GlobalTextColorOr(provider_ ? provider_->SkinData()->SectionIndex : -1);
  if (color == clFuchsia) return;
  bool known = false;
  for (const TLabelLook& look : labels_) known = known || look.Label == label;
  if (!known) {
    labels_.push_back({label, label->Transparent(), label->Font()->Color()});
    if (provider_) label->FreeNotification(provider_);
  }
  label->SetTransparent(true);
  label->Font()->SetColor(color);
}

void TvxCtrlAdapter::RestoreLabels() {
  for (const TLabelLook& look : labels_) {
    look.Label->SetTransparent(look.Transparent);
    look.Label->Font()->SetColor(look.Color);
  }
  labels_.clear();
}

void TvxCtrlAdapter::AdaptOne(TComponent* component, bool childPass) {
  auto* control = dynamic_cast<TControl*>(component);
  if (!control) return;
  if (IsControlSupported(control)) {
    auto* label = dynamic_cast<TCustomLabel*>(control);
    if (dynamic_cast<TWinControl*>(control)) {
      AddControl(control, "EDIT");
    } else if (label && !IsSkinLabel(label) &&
               (!childPass || dynamic_cast<TLabel*>(label))) {
      ColourLabel(label);
    }
  }
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed && windowed->HandleAllocated() && windowed->Parent()) {
    WalkingControls = false;
    AdaptAllControls(windowed);
  }
}

void TvxCtrlAdapter::AdaptAllControls(TControl* control) {
  if (!provider_) return;
  TCustomForm* form = provider_->Form();
  provider_->ChildParentBackground = false;
  if (form) {
    for (int i = 0; i < form->ControlCount(); ++i) {
      auto* child = dynamic_cast<TWinControl*>(form->Controls(i));
      if (child && child->ParentBackground()) {
        provider_->ChildParentBackground = true;
        break;
      }
    }
  }

  TsSkinManager* m = provider_->SkinData()->SkinManager();
  if (WalkingControls || !m || !m->SkinningRules().Contains(srThirdParty)) return;
  TFlagScope walking(WalkingControls);
  if (!control) control = form;
  if (!control) return;
  PurgeDeadItems();
  for (int i = 0; i < control->ComponentCount(); ++i) AdaptOne(control->Components(i), false);
  if (auto* parent = dynamic_cast<TWinControl*>(control))
    for (int i = 0; i < parent->ControlCount(); ++i) AdaptOne(parent->Controls(i), true);
}

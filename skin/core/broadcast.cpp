#include "skin/core/broadcast.h"

#include <algorithm>
#include <vector>

#include "platform/rtl/classes.h"
#include "skin/core/anim_effects.h"
#include "skin/core/control_model.h"
#include "skin/core/control_utils.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skin_platform.h"
#include "skin/core/skinned_forms.h"

namespace {

bool Destroying(const TComponent* c) { return c->ComponentState().Contains(csDestroying); }
bool Loading(const TComponent* c) { return c->ComponentState().Contains(csLoading); }

std::vector<TComponent*> OwnedComponents(const TComponent* owner) {
  std::vector<TComponent*> list;
  list.reserve(static_cast<size_t>(owner->ComponentCount()));
  for (int i = 0; i < owner->ComponentCount(); ++i) list.push_back(owner->Components(i));
  return list;
}

// A handler may free forms; a pointer taken before the walk is used only
// while its owner still lists it.
bool StillOwned(const TComponent* owner, const TComponent* component) {
  for (int i = 0; i < owner->ComponentCount(); ++i)
    if (owner->Components(i) == component) return true;
  return false;
}

void DeliverToForm(TsBroadcastModel& model, TComponent* form, TsCmdMessage& message) {
  TsControlModel& controls = model.Controls();
  TellControl(controls, form, message);
  BroadcastToChildren(controls, form, message);
  if (model.IsMDIForm(form)) model.SendToMDIClient(form, message);
}

// The registered forms that the redraw lock concerns.
std::vector<TComponent*> LockedForms(TsBroadcastModel& model, const TsSkinManager* manager) {
  std::vector<TComponent*> forms;
  TsControlModel& controls = model.Controls();
  const std::vector<TComponent*> registered = SkinnedFormList();
  for (TComponent* form : registered) {
    if (!model.IsCustomForm(form) || model.IsMDIChild(form) || controls.Parent(form) ||
        !controls.Visible(form))
      continue;
    if (manager && model.ProviderManager(form) == manager) forms.push_back(form);
  }
  return forms;
}

int OsMajorVersion() {
  int major = 0, minor = 0;
  SkinPlatform().OsVersion(major, minor);
  return major;
}

}  // namespace

void TellControl(TsControlModel& controls, TComponent* control, TsCmdMessage& message) {
  TsCmdMessage told = message;
  if (controls.HasHandle(control))
    controls.SendToWindow(control, told);
  else
    controls.Perform(control, told);
  message.Result = told.Result;
}

void BroadcastToChildren(TsControlModel& controls, TComponent* control, TsCmdMessage& message) {
  for (int i = 0; i < controls.ChildCount(control); ++i) {
    TComponent* child = controls.Child(control, i);
    if (!child) continue;
    if (Destroying(child)) break;
    if (!controls.HasHandle(child) || ControlAnswersCmd(controls, child, SkinCmdQuerySkinned))
      TellControl(controls, child, message);
    else
      BroadcastToChildren(controls, child, message);
  }
}

void BroadcastToAppForms(TsBroadcastModel& model, TComponent* application,
                         TsCmdMessage& message) {
  if (application) {
    const std::vector<TComponent*> components = OwnedComponents(application);
    for (auto it = components.rbegin(); it != components.rend(); ++it) {
      TComponent* c = *it;
      if (!StillOwned(application, c)) continue;
      if (!model.IsForm(c) || model.IsMDIChild(c) || Destroying(c) || Loading(c)) continue;
      // Forms with a provider answer and are reached through the registry.
      if (ControlAnswersCmd(model.Controls(), c, SkinCmdQuerySkinned)) continue;
      DeliverToForm(model, c, message);
    }
  }
  BroadcastToSkinnedForms(model, message);
}

void BroadcastToSkinnedForms(TsBroadcastModel& model, TsCmdMessage& message) {
  const std::vector<TComponent*> forms = SkinnedFormList();
  for (TComponent* form : forms) {
    if (!IsSkinnedFormRegistered(form)) continue;  // its provider went meanwhile
    if (!model.IsCustomForm(form) || Destroying(form)) continue;
    DeliverToForm(model, form, message);
  }
}

void LockFormRedraw(TsBroadcastModel& model, const TsSkinManager* manager) {
  for (TComponent* form : LockedForms(model, manager)) model.SetRedraw(form, false);
}

void UnlockFormRedraw(TsBroadcastModel& model, const TsSkinManager* manager, bool animate) {
  const std::vector<TComponent*> forms = LockedForms(model, manager);
  if (forms.empty()) return;
  if (!animate) {
    for (TComponent* form : forms) model.SetRedraw(form, true);
    return;
  }
  const int major = OsMajorVersion();
  const TvxSkinChanging* changing = manager->AnimEffects()->SkinChanging();
  for (TComponent* form : forms) {
    if (!IsSkinnedFormRegistered(form)) continue;
    // Newer systems compose the window themselves; the fade only shows the end.
    if (changing->Active()) model.FadeIn(form, major < 6 ? changing->Time() : 0);
    model.SetRedraw(form, true);
    if (major < 6) model.RemoveWindowRegion(form);
    model.UpdateFormRegion(form);
    model.RedrawAll(form);
  }
}

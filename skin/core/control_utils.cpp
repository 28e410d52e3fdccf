#include "skin/core/control_utils.h"

#include "platform/rtl/classes.h"
#include "skin/core/control_messages.h"
#include "skin/core/control_model.h"
#include "skin/core/paint_colors.h"
#include "skin/core/skin_constants.h"

namespace {
bool Destroying(TComponent* c) { return c->ComponentState().Contains(csDestroying); }
}  // namespace

intptr_t SendCmdToControl(TsControlModel& model, TComponent* control, uint16_t code,
                          intptr_t lParam) {
  if (!control) return 0;
  TsCmdMessage m = MakeSkinCommand(code, lParam);
  if (model.IsWindowed(control)) {
    if (Destroying(control) || !model.HasHandle(control)) return 0;
    return model.SendToWindow(control, m);
  }
  return model.Perform(control, m);
}

bool ControlAnswersCmd(TsControlModel& model, TComponent* control, uint16_t code) {
  if (!control) return false;
  TsCmdMessage m = MakeSkinCommand(code);
  model.Perform(control, m);
  if (m.LParam == 1) return true;
  // Asking the window again costs a trip through the system and can only
  // differ when a foreign procedure sits in front of the control's own.
  if (model.HasHandle(control) && !model.SendReachesPerform(control)) {
    TsCmdMessage again = MakeSkinCommand(code);
    return model.SendToWindow(control, again) == 1;
  }
  return false;
}

bool IsControlPaintable(TsControlModel& model, TComponent* control) {
  if (!control) return false;
  if (model.IsWindowed(control) && !model.HasHandle(control)) return false;
  if (model.IsCreating(control) || model.IsReadingState(control)) return false;
  const TComponentState state = control->ComponentState();
  if (state.Contains(csLoading) || state.Contains(csDestroying)) return false;
  return model.Parent(control) != nullptr;
}

void RequestControlAdapt(TsControlModel& model, TComponent* control) {
  if (!control || control->ComponentState().Contains(csDesigning)) return;
  TComponent* form = model.ParentForm(control);
  if (!form || !model.HasHandle(form)) return;
  TsCmdMessage m = MakeSkinCommand(SkinCmdAdaptControl, reinterpret_cast<intptr_t>(control));
  model.SendToWindow(form, m);
}

void QueryParentColor(TsControlModel& model, TComponent* control) {
  ParentBackColor = SkinTransparentColor;
  if (!control) return;
  TsCmdMessage m = MakeSkinCommand(SkinCmdQueryBackColor);
  model.SendToWindow(control, m);
  if (ParentBackColor == SkinTransparentColor) ParentBackColor = model.Color(control);
  ParentBackColor = ColorToRGB(ParentBackColor);
}

unsigned AlignmentTextFlagsOf(int alignment) {
  unsigned flags = skindt::Left;
  if (alignment == staRightJustify) flags = skindt::Right;
  else if (alignment == staCenter) flags = skindt::Center;
  return flags | skindt::ExpandTabs | skindt::VCenter;
}

int BoundedFadeTime(int timeMs) {
  if (timeMs < 0) return 0;
  return timeMs > LongestFadeTime ? LongestFadeTime : timeMs;
}

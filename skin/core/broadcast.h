// How a skin change reaches every form and control: the walk over the
// application's forms, the registered skinned forms and their control
// trees, and the redraw lock of the skinned forms. Written once over two
// small models: the control model answers everything about a control
// (children, window, delivery, the is-skinned answer, visibility), the
// broadcast model only what is about forms and their providers. The
// Windows build fills both for the real classes (broadcast_win.cpp), tests
// fill them with their own.
#pragma once

#include "skin/core/skin_commands.h"

class TComponent;
class TsControlModel;
class TsSkinManager;

class TsBroadcastModel {
 public:
  virtual ~TsBroadcastModel() = default;

  // The model of the controls on the forms, forms included.
  virtual TsControlModel& Controls() = 0;

  // -- What a form is -----------------------------------------------------------
  virtual bool IsForm(TComponent* component) = 0;        // a TForm
  virtual bool IsCustomForm(TComponent* component) = 0;  // any form
  virtual bool IsMDIChild(TComponent* form) = 0;
  virtual bool IsMDIForm(TComponent* form) = 0;

  // -- Delivery -----------------------------------------------------------------
  virtual void SendToMDIClient(TComponent* form, TsCmdMessage& message) = 0;

  // -- Redraw lock --------------------------------------------------------------
  // The manager of the form's skin provider; nullptr without provider.
  virtual const TsSkinManager* ProviderManager(TComponent* form) = 0;
  virtual void SetRedraw(TComponent* form, bool on) = 0;
  virtual void FadeIn(TComponent* form, int time) = 0;
  virtual void RemoveWindowRegion(TComponent* form) = 0;
  // The provider re-applies its shaped window region, repainting.
  virtual void UpdateFormRegion(TComponent* form) = 0;
  // Invalidate without erasing, children included, and update now.
  virtual void RedrawAll(TComponent* form) = 0;
};

// To the control's window when it has one, else through its window
// procedure; a broadcast must not make windows. Only the result comes
// back: a receiver that answers in LParam must not change what the next
// one is told (the sending manager).
void TellControl(TsControlModel& controls, TComponent* control, TsCmdMessage& message);

// Each child of the control in order, up to the first child being
// destroyed: a control without window gets the message through its window
// procedure, one that answers SkinCmdQuerySkinned directly; any other
// windowed control passes it on to its own children.
void BroadcastToChildren(TsControlModel& controls, TComponent* control, TsCmdMessage& message);

// Every form the application owns, last to first, that is a TForm, no MDI
// child, not being read or destroyed and without a skin provider: the form,
// its controls and, for an MDI parent, its client window. Then the
// registered skinned forms. The forms are taken before the walk; one that
// goes away meanwhile is passed over and the walk goes on.
void BroadcastToAppForms(TsBroadcastModel& model, TComponent* application,
                         TsCmdMessage& message);
// Every registered form that is not being destroyed, in order, as above.
void BroadcastToSkinnedForms(TsBroadcastModel& model, TsCmdMessage& message);

// Registered top-level visible forms (no MDI children) whose provider
// belongs to the manager stop (lock) and resume (unlock) redrawing; the
// unlock with animate fades them in and repaints them whole.
void LockFormRedraw(TsBroadcastModel& model, const TsSkinManager* manager);
void UnlockFormRedraw(TsBroadcastModel& model, const TsSkinManager* manager, bool animate);

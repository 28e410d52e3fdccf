// How a skin change reaches every form and control: the walk over the
// application's forms, the registered skinned forms and their control
// trees, and the redraw lock of the skinned forms. Written once over a
// small model of forms and controls; the Windows build fills the model for
// the real classes (broadcast_win.cpp), tests fill it with their own.
#pragma once

#include "skin/core/skin_commands.h"

class TComponent;
class TsSkinManager;

class TsBroadcastModel {
 public:
  virtual ~TsBroadcastModel() = default;

  // -- What a component is ----------------------------------------------------
  virtual bool IsForm(TComponent* component) = 0;        // a TForm
  virtual bool IsCustomForm(TComponent* component) = 0;  // any form
  virtual bool IsMDIChild(TComponent* form) = 0;
  virtual bool IsMDIForm(TComponent* form) = 0;
  // A windowed control whose window exists.
  virtual bool HasWindow(TComponent* control) = 0;
  // Answers SkinCmdQuerySkinned: the control belongs to the skin library.
  virtual bool AnswersQuerySkinned(TComponent* control) = 0;
  // The child controls of a windowed control, in order; none for others.
  virtual int ChildCount(TComponent* control) = 0;
  virtual TComponent* Child(TComponent* control, int index) = 0;

  // -- Delivery ---------------------------------------------------------------
  // SendMessage to the control's window.
  virtual void SendToWindow(TComponent* control, TsCmdMessage& message) = 0;
  // Through the control's window procedure (windowless controls).
  virtual void Perform(TComponent* control, TsCmdMessage& message) = 0;
  virtual void SendToMDIClient(TComponent* form, TsCmdMessage& message) = 0;

  // -- Redraw lock --------------------------------------------------------------
  virtual bool HasParentControl(TComponent* form) = 0;
  // Visible as the library keeps it (never read back from the window).
  virtual bool IsVisible(TComponent* form) = 0;
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

// Each child of the control in order, up to the first child being
// destroyed: a control without window gets the message through its window
// procedure, one that answers SkinCmdQuerySkinned directly; any other
// windowed control passes it on to its own children.
void BroadcastToChildren(TsBroadcastModel& model, TComponent* control, TsCmdMessage& message);

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

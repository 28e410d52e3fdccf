// What the skin record, the control utilities and the painters need to know
// of the control that owns a record, its parent and its children, asked
// through one small model. The Windows build answers for the class
// library's controls (control_model_win.cpp); tests answer for a model of
// their own; without either there are no controls at all.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/graphics/colors.h"
#include "platform/graphics/geometry.h"
#include "skin/core/skin_commands.h"

class TComponent;
class TPersistent;
class TsCacheBitmap;

// RedrawWindow flags the record uses.
inline constexpr uint32_t RedrawInvalidateChildren = 0xB1;  // INVALIDATE|NOINTERNALPAINT|NOERASE|ALLCHILDREN

class TsControlModel {
 public:
  virtual ~TsControlModel() = default;

  // -- What an object is ---------------------------------------------------------
  // The object as a control (a TControl), else nullptr.
  virtual TComponent* AsControl(TPersistent* object);
  virtual bool IsWindowed(TComponent* control);
  virtual bool HasHandle(TComponent* control);
  virtual uintptr_t Handle(TComponent* control);  // 0 without window
  virtual bool IsCustomEdit(TComponent* control);
  // A form's skin provider (TsSkinProvider).
  virtual bool IsSkinProvider(TPersistent* object);

  // -- Place -----------------------------------------------------------------------
  virtual TComponent* Parent(TComponent* control);
  virtual int ChildCount(TComponent* control);
  virtual TComponent* Child(TComponent* control, int index);
  // GetParentForm: the form the control sits on, itself for a form.
  virtual TComponent* ParentForm(TComponent* control);
  // Left and Top in the parent's client area.
  virtual TPoint Position(TComponent* control);
  virtual int Width(TComponent* control);
  virtual int Height(TComponent* control);
  // Its Anchors hold akRight or akBottom.
  virtual bool AnchoredRightOrBottom(TComponent* control);

  // -- State -------------------------------------------------------------------------
  // Visible as the library keeps it.
  virtual bool Visible(TComponent* control);
  virtual bool Enabled(TComponent* control);
  virtual bool IsCreating(TComponent* control);      // csCreating
  virtual bool IsReadingState(TComponent* control);  // csReadingState
  virtual bool CanFocus(TComponent* control);
  virtual bool TabStop(TComponent* control);
  // The windowed control has the input focus.
  virtual bool HasFocus(TComponent* control);
  virtual TColor Color(TComponent* control);
  virtual void SetColor(TComponent* control, TColor color);
  virtual TColor FontColor(TComponent* control);
  virtual void SetFontColor(TComponent* control, TColor color);

  // -- Delivery ------------------------------------------------------------------------
  // Through the control's WindowProc; the record itself, so answers in
  // LParam come back. Returns the Result.
  virtual intptr_t Perform(TComponent* control, TsCmdMessage& message);
  // SendMessage to the control's window; 0 without one.
  virtual intptr_t SendToWindow(TComponent* control, TsCmdMessage& message);
  // A message sent to the control's window reaches nothing but what
  // Perform reaches (no foreign procedure in front of the control's own).
  virtual bool SendReachesPerform(TComponent* control);
  virtual void Invalidate(TComponent* control);
  virtual void RedrawWindow(TComponent* control, uint32_t flags);

  // -- Visual themes -------------------------------------------------------------------
  virtual bool ThemesInUse();
  // Takes csParentBackground out of the control's style.
  virtual void ClearParentBackground(TComponent* control);
  // SetWindowTheme(handle, nil, nil): the window gets its theme back.
  virtual void RestoreWindowTheme(TComponent* control);

  // -- A record owned by a skin provider ---------------------------------------------
  virtual void DeliverToProvider(TPersistent* provider, TsCmdMessage& message);
  // SendMessage to the window of the provider's form.
  virtual void SendToProviderForm(TPersistent* provider, TsCmdMessage& message);
  virtual void FreeProviderFormCache(TPersistent* provider);
  virtual TColor ProviderFormColor(TPersistent* provider);

  // -- Cache bitmaps ---------------------------------------------------------------------
  // A new empty 24-bit cache.
  virtual std::unique_ptr<TsCacheBitmap> CreateCacheBitmap();
};

// Never null.
TsControlModel& ControlModel();
// Not owned; nullptr restores the default, which knows no controls.
void SetControlModel(TsControlModel* model);

// Windows build only: installs the model of the class library's controls.
void UseWindowsControlModel();

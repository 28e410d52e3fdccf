// The control adapter of a skinned form: gives the form's controls of other
// libraries a window adapter chosen by the manager's ThirdParty lists (one
// TvxAdapterItem each, with its own skin record), and makes the platform's
// plain labels transparent in the skin's text colour. The provider owns one
// while its form is skinned and calls it when the skin or the form's
// controls change.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/stdctrls.h"

class TsSkinProvider;
class TsCommonData;
class TvxMainWnd;
class TvxCtrlAdapter;

class TvxAdapterItem : public TPersistent {
 public:
  explicit TvxAdapterItem(TvxCtrlAdapter* owner);
  // Frees the window adapter (its window gets its own procedure and colours
  // back) and the skin record.
  ~TvxAdapterItem() override;

  TControl* Control = nullptr;
  std::unique_ptr<TsCommonData> SkinData;  // kind 227, with a cache bitmap
  TvxCtrlAdapter* Owner = nullptr;
  TvxMainWnd* Adapter = nullptr;  // owned

  // Makes the window adapter the control's class calls for; none for a
  // class in no list (or whose adapter is not available).
  virtual void Attach(TControl* control);
};

// Tells the skin library's labels from the platform's: the skinned
// controls register it; without it every label counts as the platform's.
using TvxSkinLabelTest = bool (*)(const TControl* control);
void SetSkinLabelTest(TvxSkinLabelTest test);

class TvxCtrlAdapter : public TPersistent {
 public:
  explicit TvxCtrlAdapter(TsSkinProvider* provider);
  ~TvxCtrlAdapter() override;

  TsSkinProvider* Provider() const { return provider_; }
  int Count() const { return static_cast<int>(items_.size()); }

  virtual bool IsControlSupported(TControl* control);
  // nullptr outside 0 .. Count() - 1.
  virtual TvxAdapterItem* GetItem(int index) const;
  virtual void AddDefault(TControl* control) { AddControl(control, defaultSection_); }
  virtual void AddControl(TControl* control, const std::string& section);
  // Nothing for an index outside 0 .. Count() - 1.
  virtual void RemoveItem(int index);

  // The walk over the controls of `control` (nullptr: the provider's form).
  void AdaptAllControls(TControl* control);
  // Passes a message to every control whose adapter is in place.
  void SendToAdapted(TMessage& message);
  // Frees the items whose window adapter is missing or unhooked.
  void PurgeDeadItems();
  void ClearItems();

  // The form reports a component's end: its item (and the colour kept for
  // it, for a label) goes at once.
  void ControlRemoved(TComponent* component);
  // The skin goes: every label coloured by the walk gets back the
  // transparency and text colour it had.
  void RestoreLabels();

 private:
  struct TLabelLook {
    TCustomLabel* Label = nullptr;
    bool Transparent = false;
    TColor Color = 0;
  };

  int IndexOfControl(const TComponent* control) const;
  void FreeItemAt(int index);
  // The walk's step for one owned component or child control.
  void AdaptOne(TComponent* component, bool childPass);
  void ColourLabel(TCustomLabel* label);
  bool AskOnSkinItem(TComponent* item, std::string& section);

  TsSkinProvider* provider_;
  std::string defaultSection_;
  std::vector<TvxAdapterItem*> items_;
  std::vector<TLabelLook> labels_;
};

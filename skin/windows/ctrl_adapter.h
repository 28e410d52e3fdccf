// The control adapter of a skinned form: gives the form's foreign controls
// and plain labels a skin. The provider owns one while its form is skinned
// and calls it when the skin or the form's controls change.
#pragma once

#include <string>

#include "platform/forms/controls.h"

class TsSkinProvider;

// Not yet: no control is adapted; every call leaves the controls as they
// are, so the provider can already make, call and free its adapter.
class TvxCtrlAdapter : public TPersistent {
 public:
  explicit TvxCtrlAdapter(TsSkinProvider* provider) : provider_(provider) {}
  ~TvxCtrlAdapter() override = default;

  TsSkinProvider* Provider() const { return provider_; }
  virtual bool IsControlSupported(TControl*) { return false; }
  virtual void AddDefault(TControl* control) { AddControl(control, defaultSection_); }
  virtual void AddControl(TControl*, const std::string&) {}
  // Walks the form's controls and adapts each one it supports.
  void AddAllItems() {}
  // A command for every adapted control.
  void Broadcast(TMessage&) {}

 private:
  TsSkinProvider* provider_;
  std::string defaultSection_;
};

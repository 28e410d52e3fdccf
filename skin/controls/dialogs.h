// The skinned file dialogs: the platform's dialogs, skinned (later) as
// standard dialogs by the window-creation hook, so they add no code.
#pragma once

#include "platform/forms/dialogs.h"

enum TsZipShowing { zsAsFolder, zsAsFile };

class TsOpenDialog : public TOpenDialog {
 public:
  explicit TsOpenDialog(TComponent* owner) : TOpenDialog(owner) {}

  // Stored with the layout; nothing reads it.
  TsZipShowing ZipShowing() const { return zipShowing_; }
  void SetZipShowing(TsZipShowing value) { zipShowing_ = value; }

 private:
  TsZipShowing zipShowing_ = zsAsFolder;
};

class TsSaveDialog : public TSaveDialog {
 public:
  explicit TsSaveDialog(TComponent* owner) : TSaveDialog(owner) {}
};

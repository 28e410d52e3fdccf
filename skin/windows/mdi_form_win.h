// The MDI support of a skinned MDI parent form: keeps a TvxMDIWnd on the
// form's MDI client window, which the form's own window procedure never
// sees, so the client area is painted from the form's cache. Owned by the
// form's provider while the form is skinned.
#pragma once

#include <windows.h>

#include "platform/forms/forms.h"

class TsSkinProvider;
class TvxMDIWnd;

class TsMDIForm : public TPersistent {
 public:
  // Takes the provider's form and makes sure its window (and so its MDI
  // client) exists.
  explicit TsMDIForm(TsSkinProvider* provider);
  ~TsMDIForm() override;

  TCustomForm* Form = nullptr;
  TsSkinProvider* Provider = nullptr;
  TvxMDIWnd* ClientAdapter = nullptr;  // owned

  // Makes the client adapter when there is none, or when the client window
  // it served was destroyed.
  void Connect();
  // A fresh client adapter while the provider is skinned, none otherwise.
  void UpdateClientAdapter();
  void FreeClientAdapter();
  // The provider's frame painted again; WM_NCPAINT's result.
  LRESULT RepaintFrame();
};

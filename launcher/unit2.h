// The launcher's about box.
#pragma once

#include "platform/forms/extctrls.h"
#include "platform/forms/forms.h"

class TsLabel;

class TForm2 : public TForm {
 public:
  explicit TForm2(TComponent* owner);

  TsLabel* sLabel1 = nullptr;
  TsLabel* sLabel2 = nullptr;
  TsLabel* sLabel3 = nullptr;
  TsLabel* sLabel4 = nullptr;
  TImage* Image1 = nullptr;

  void sLabel4Click(TObject* Sender);
};

extern TForm2* Form2;

// The generator's result window: the generated text in an editable memo,
// saving it as a ".uc" file, and the credit label.
#pragma once

#include "platform/forms/forms.h"

class TsButton;
class TsLabel;
class TsMemo;
class TsPanel;
class TsSaveDialog;

class TForm2 : public TForm {
 public:
  explicit TForm2(TComponent* owner);

  TsMemo* scriptweapon = nullptr;
  TsPanel* sPanel1 = nullptr;
  TsButton* sButton1 = nullptr;
  TsButton* sButton2 = nullptr;
  TsLabel* sLabel1 = nullptr;
  TsSaveDialog* SaveDialog1 = nullptr;

  void sButton1Click(TObject* Sender);
  void sButton2Click(TObject* Sender);
  void sLabel1Click(TObject* Sender);
};

extern TForm2* Form2;

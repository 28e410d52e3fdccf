// The generator's about box.
#pragma once

#include "platform/forms/extctrls.h"
#include "platform/forms/forms.h"

class TsBitBtn;
class TsLabel;

class TForm3 : public TForm {
 public:
  explicit TForm3(TComponent* owner);

  TsLabel* sLabel1 = nullptr;
  TsLabel* sLabel2 = nullptr;
  TsLabel* sLabel3 = nullptr;
  TsLabel* sLabel4 = nullptr;
  TsLabel* sLabel5 = nullptr;
  TImage* Image1 = nullptr;
  TsBitBtn* sBitBtn1 = nullptr;

  void FormCreate(TObject* Sender);
  void sLabel4Click(TObject* Sender);
};

extern TForm3* Form3;

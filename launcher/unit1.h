// The launcher's main window: start the generator or the ammunition tool
// and wait for it, the logos, exit, and the about box.
#pragma once

#include "platform/forms/extctrls.h"
#include "platform/forms/forms.h"

class TsBitBtn;
class TsHintManager;
class TsSkinManager;
class TsSpeedButton;

class TForm1 : public TForm {
 public:
  explicit TForm1(TComponent* owner);

  TsBitBtn* sBitBtn2 = nullptr;
  TsBitBtn* sBitBtn1 = nullptr;
  TImage* Image2 = nullptr;
  TImage* Image1 = nullptr;
  TsBitBtn* sBitBtn3 = nullptr;
  TsSpeedButton* sSpeedButton1 = nullptr;
  TsSkinManager* sSkinManager1 = nullptr;
  TsHintManager* sHintManager1 = nullptr;

  void sBitBtn2Click(TObject* Sender);
  void sBitBtn1Click(TObject* Sender);
  void sBitBtn3Click(TObject* Sender);
  void Image2Click(TObject* Sender);
  void sSpeedButton1Click(TObject* Sender);
};

extern TForm1* Form1;

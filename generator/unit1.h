// The generator's main form: the weapon's fields in two columns, the logo,
// the stay-on-top button and the bottom panel with generate, about, how-to
// and exit.
#pragma once

#include "platform/forms/extctrls.h"
#include "platform/forms/forms.h"
#include "platform/forms/stdctrls.h"

class TsBitBtn;
class TsButton;
class TsComboBoxEx;
class TsHintManager;
class TsOpenDialog;
class TsPanel;
class TsSkinManager;

class TForm1 : public TForm {
 public:
  explicit TForm1(TComponent* owner);

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TLabel* Label5 = nullptr;
  TLabel* Label6 = nullptr;
  TLabel* Label7 = nullptr;
  TLabel* Label8 = nullptr;
  TLabel* Label9 = nullptr;
  TLabel* Label10 = nullptr;
  TLabel* Label11 = nullptr;
  TLabel* Label12 = nullptr;
  TLabel* Label13 = nullptr;
  TLabel* Label14 = nullptr;
  TLabel* Label15 = nullptr;
  TLabel* Label18 = nullptr;
  TLabel* MaxAmmoLBL = nullptr;
  TLabel* AmmoCountLBL = nullptr;
  TShape* Shape1 = nullptr;
  TEdit* WeapName = nullptr;
  TEdit* FirstPModel = nullptr;
  TEdit* Edit1 = nullptr;
  TEdit* ThirdPModel = nullptr;
  TEdit* PickupModel = nullptr;
  TEdit* ShotAnim = nullptr;
  TEdit* Edit7 = nullptr;
  TEdit* Edit3 = nullptr;
  TEdit* Edit5 = nullptr;
  TEdit* Edit6 = nullptr;
  TEdit* Edit4 = nullptr;
  TCheckBox* CheckBox1 = nullptr;
  TEdit* Edit9 = nullptr;
  TsComboBoxEx* combobox1 = nullptr;
  TEdit* Edit8 = nullptr;
  TsComboBoxEx* DamageType = nullptr;
  TEdit* MainDamage = nullptr;
  TEdit* MaxAmmo = nullptr;
  TEdit* AmmoCount = nullptr;
  TEdit* Edit2 = nullptr;
  TImage* Image1 = nullptr;
  TsBitBtn* OnTop = nullptr;
  TsPanel* sPanel1 = nullptr;
  TsBitBtn* sBitBtn1 = nullptr;
  TsButton* sButton2 = nullptr;
  TsButton* sButton3 = nullptr;
  TsButton* sButton1 = nullptr;
  TsSkinManager* sSkinManager1 = nullptr;
  TsHintManager* sHintManager1 = nullptr;
  TsOpenDialog* sOpenDialog1 = nullptr;

  void FormCreate(TObject* Sender);
  void sBitBtn1Click(TObject* Sender);
  void sButton1Click(TObject* Sender);
  void sButton2Click(TObject* Sender);
  void sButton3Click(TObject* Sender);
  void OnTopClick(TObject* Sender);
  void Image1Click(TObject* Sender);
  void CheckBox1Click(TObject* Sender);
};

extern TForm1* Form1;

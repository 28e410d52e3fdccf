#include "generator/unit1.h"

#include "generator/layout_font.h"
#include "generator/logo_picture.h"
#include "generator/project_info.h"
#include "generator/project_page.h"
#include "generator/res/logo.h"
#include "generator/stored_skin_manager.h"
#include "generator/unit2.h"
#include "generator/unit3.h"
#include "generator/unit4.h"
#include "generator/weapon_script.h"
#include "platform/forms/dialogs.h"
#include "platform/rtl/text1251.h"
#include "skin/controls/bit_btn.h"
#include "skin/controls/button.h"
#include "skin/controls/combo_box_ex.h"
#include "skin/controls/dialogs.h"
#include "skin/controls/hint_manager.h"
#include "skin/controls/memo.h"
#include "skin/controls/panel.h"

using brsm::FromUtf8;

TForm1* Form1 = nullptr;

namespace {

const char kFormFont[] = "MS Sans Serif";
const char kProjectileType[] = "EWFT_Projectile";

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  brsm::LayoutReader layout(this);
  SetName("Form1");
  SetBorderStyle(bsDialog);
  SetCaption(brsm::kProductName);
  SetClientHeight(622);
  SetClientWidth(320);
  SetColor(clBtnFace);
  brsm::SetLayoutFont(Font(), kFormFont, -11, clWindowText);
  SetPosition(poDesktopCenter);
  OnCreate = [this](TObject* sender) { FormCreate(sender); };

  sSkinManager1 = brsm::ReadStoredSkinManager(layout, this, "C:\\Windows");

  auto label = [&](TLabel*& field, const char* name, int left, int top, const char* caption) {
    field = layout.Read(new TLabel(this));
    field->SetName(name);
    field->SetParent(this);
    field->SetLeft(left);
    field->SetTop(top);
    field->SetCaption(FromUtf8(caption));
  };
  auto edit = [&](TEdit*& field, const char* name, int left, int top, int tabOrder) {
    field = layout.Read(new TEdit(this));
    field->SetName(name);
    field->SetParent(this);
    field->SetBounds(left, top, 121, 21);
    field->SetTabOrder(tabOrder);
  };
  auto combo = [&](TsComboBoxEx*& field, const char* name, int left, int top, int tabOrder) {
    field = layout.Read(new TsComboBoxEx(this));
    field->SetStyle(csDropDown);  // the user may type any text
    field->SetName(name);
    field->SetParent(this);
    field->SetBounds(left, top, 121, 22);
    field->BoundLabel()->SetIndent(0);
    field->BoundLabel()->SetLayout(sclLeft);
    field->BoundLabel()->SetUseSkinColor(true);
    field->SetColor(0x1A1A1A);
    brsm::SetLayoutFont(field->Font(), kFormFont, -11, clGray);
    field->SkinData()->SetSkinSection("COMBOBOX");
    field->SetTabOrder(tabOrder);
    field->Items()->Add(kProjectileType);
  };

  // Left column.
  label(Label1, "Label1", 16, 8, "Название класса");
  label(Label2, "Label2", 16, 56, "Меш от первого лица");
  label(Label3, "Label3", 16, 104, "Путь к анимации");
  label(Label4, "Label4", 16, 160, "Attachment класс");
  label(Label5, "Label5", 16, 200, "Меш на пикапе");
  label(Label6, "Label6", 16, 248, "Анимация осн. выстрела");
  label(Label7, "Label7", 16, 296, "Аним. альт. выстрела");
  label(Label8, "Label8", 16, 336, "Анимация бездействия");
  label(Label9, "Label9", 16, 376, "Анимация смены оружия");
  label(Label10, "Label10", 16, 424, "Анимация поднятия");
  label(Label11, "Label11", 16, 464, "Интервал между выстр.");
  // Right column.
  label(Label12, "Label12", 176, 8, "Тип урона (альт.)");
  label(Label13, "Label13", 176, 56, "Класс снаряда");
  label(Label14, "Label14", 176, 104, "Тип урона(осн.)");
  label(Label15, "Label15", 176, 152, "Класс снаряда (осн.)");
  label(MaxAmmoLBL, "MaxAmmoLBL", 176, 200, "Макс. кол-во патронов");
  label(AmmoCountLBL, "AmmoCountLBL", 176, 248, "Кол-во патронов");
  label(Label18, "Label18", 176, 296, "Эффект выстрела");

  Shape1 = layout.Read(new TShape(this));
  Shape1->SetName("Shape1");
  Shape1->SetParent(this);
  Shape1->SetBounds(160, -8, 1, 513);
  Shape1->Brush()->SetStyle(bsClear);

  edit(WeapName, "WeapName", 16, 24, 0);
  edit(FirstPModel, "FirstPModel", 16, 72, 1);
  edit(Edit1, "Edit1", 16, 120, 2);
  edit(ThirdPModel, "ThirdPModel", 16, 176, 3);
  edit(PickupModel, "PickupModel", 16, 216, 4);
  edit(ShotAnim, "ShotAnim", 16, 264, 5);
  edit(Edit7, "Edit7", 16, 312, 6);
  edit(Edit3, "Edit3", 16, 352, 7);
  edit(Edit5, "Edit5", 16, 392, 8);
  edit(Edit6, "Edit6", 16, 440, 9);
  edit(Edit4, "Edit4", 16, 480, 19);

  CheckBox1 = layout.Read(new TCheckBox(this));
  CheckBox1->SetName("CheckBox1");
  CheckBox1->SetParent(this);
  CheckBox1->SetBounds(16, 512, 145, 17);
  CheckBox1->SetCaption(FromUtf8("Анимация перезарядки"));
  CheckBox1->SetTabOrder(21);
  CheckBox1->OnClick = [this](TObject* sender) { CheckBox1Click(sender); };

  edit(Edit9, "Edit9", 24, 536, 20);
  Edit9->SetEnabled(false);

  combo(combobox1, "combobox1", 176, 24, 16);
  edit(Edit8, "Edit8", 176, 72, 12);
  combo(DamageType, "DamageType", 176, 120, 14);
  edit(MainDamage, "MainDamage", 176, 168, 13);
  edit(MaxAmmo, "MaxAmmo", 176, 216, 10);
  edit(AmmoCount, "AmmoCount", 176, 264, 11);
  edit(Edit2, "Edit2", 176, 312, 18);

  Image1 = layout.Read(new TImage(this));
  Image1->SetName("Image1");
  Image1->SetParent(this);
  Image1->SetBounds(176, 336, 128, 128);
  Image1->SetCursor(crHandPoint);
  Image1->SetHint(FromUtf8("Посетить мой сайт"));
  Image1->SetShowHint(true);
  Image1->SetCenter(true);
  brsm::LoadLogoPicture(Image1->Picture(), BRSM_LOGO);
  Image1->SetProportional(true);
  Image1->SetStretch(true);
  Image1->SetTransparent(true);
  Image1->OnClick = [this](TObject* sender) { Image1Click(sender); };

  OnTop = layout.Read(new TsBitBtn(this));
  OnTop->SetName("OnTop");
  OnTop->SetParent(this);
  OnTop->SetBounds(176, 464, 129, 33);
  OnTop->SetCaption(FromUtf8("Поверх всех окон"));
  OnTop->SetTabOrder(17);
  OnTop->OnClick = [this](TObject* sender) { OnTopClick(sender); };
  OnTop->SkinData()->SetSkinSection("BUTTON");

  sPanel1 = layout.Read(new TsPanel(this));
  sPanel1->SetName("sPanel1");
  sPanel1->SetParent(this);
  sPanel1->SetBounds(0, 589, 320, 33);
  sPanel1->SetAlign(alBottom);
  sPanel1->SetTabOrder(15);
  sPanel1->SkinData()->SetSkinSection("PANEL");

  sBitBtn1 = layout.Read(new TsBitBtn(this));
  sBitBtn1->SetName("sBitBtn1");
  sBitBtn1->SetParent(sPanel1);
  sBitBtn1->SetBounds(8, 5, 89, 25);
  sBitBtn1->SetCaption(FromUtf8("Сгенерировать"));
  sBitBtn1->SetTabOrder(0);
  sBitBtn1->OnClick = [this](TObject* sender) { sBitBtn1Click(sender); };
  sBitBtn1->SkinData()->SetSkinSection("BUTTON");

  auto panelButton = [&](TsButton*& field, const char* name, int left, int width, const char* caption,
                         bool bold, int tabOrder) {
    field = layout.Read(new TsButton(this));
    field->SetName(name);
    field->SetParent(sPanel1);
    field->SetBounds(left, 5, width, 25);
    field->SetCaption(FromUtf8(caption));
    if (bold) brsm::SetLayoutFont(field->Font(), kFormFont, -11, clWindowText, {fsBold});
    field->SetTabOrder(tabOrder);
    field->SkinData()->SetSkinSection("BUTTON");
  };
  panelButton(sButton2, "sButton2", 96, 17, "?", true, 1);
  sButton2->OnClick = [this](TObject* sender) { sButton2Click(sender); };
  panelButton(sButton3, "sButton3", 112, 121, "Как пользоваться", true, 2);
  sButton3->OnClick = [this](TObject* sender) { sButton3Click(sender); };
  panelButton(sButton1, "sButton1", 232, 73, "Выход", false, 3);
  sButton1->OnClick = [this](TObject* sender) { sButton1Click(sender); };

  sHintManager1 = layout.Read(new TsHintManager(this));
  sHintManager1->SetName("sHintManager1");
  sHintManager1->SetPredefinitions(shSimply);
  sHintManager1->SetDefaultMousePos(mpRightBottom);
  TsHintKind* hint = sHintManager1->HintKind();
  hint->SetBevel(0);
  hint->SetColor(clBlack);
  hint->SetColorBorderTop(clBlack);
  hint->SetColorBorderBottom(clBlack);
  hint->SetTransparency(0);
  hint->SetShadowBlur(0);
  hint->SetShadowEnabled(false);
  hint->SetShadowOffset(0);
  hint->SetShadowTransparency(0);
  brsm::SetLayoutFont(hint->Font(), kFormFont, -11, clWindowText);
  sHintManager1->SetSkinSection("HINT");
  sHintManager1->SetUseSkinData(true);

  sOpenDialog1 = layout.Read(new TsOpenDialog(this));
  sOpenDialog1->SetName("sOpenDialog1");

  layout.Finish();
}

void TForm1::FormCreate(TObject*) {
  SetCaption(brsm::kProductName);
  OnTop->SetCaption(FromUtf8("Поверх всех окон"));
  sBitBtn1->SetCaption(FromUtf8("Сгенерировать"));
  sButton2->SetCaption("?");
  sButton3->SetCaption(FromUtf8("Как пользоваться"));
  sButton1->SetCaption(FromUtf8("Выход"));
}

void TForm1::sBitBtn1Click(TObject*) {
  brsm::WeaponFields fields;
  fields.WeapName = WeapName->Text();
  fields.FirstPModel = FirstPModel->Text();
  fields.Edit1 = Edit1->Text();
  fields.ThirdPModel = ThirdPModel->Text();
  fields.PickupModel = PickupModel->Text();
  fields.Edit4 = Edit4->Text();
  fields.ShotAnim = ShotAnim->Text();
  fields.Edit7 = Edit7->Text();
  fields.Edit3 = Edit3->Text();
  fields.Edit5 = Edit5->Text();
  fields.Edit6 = Edit6->Text();
  fields.combobox1 = combobox1->Text();
  fields.DamageType = DamageType->Text();
  fields.MainDamage = MainDamage->Text();
  fields.MaxAmmo = MaxAmmo->Text();
  fields.AmmoCount = AmmoCount->Text();
  fields.Edit2 = Edit2->Text();
  const brsm::WeaponScript script = brsm::GenerateWeaponScript(fields);

  TStrings* lines = Form2->scriptweapon->Lines();
  lines->Clear();
  for (const std::string& line : script.Lines) lines->Add(line);
  for (const std::string& message : script.Messages) ShowMessage(message);
  if (script.ShowResult) Form2->ShowModal();
}

void TForm1::sButton1Click(TObject*) { Close(); }

void TForm1::sButton2Click(TObject*) { Form3->ShowModal(); }

void TForm1::sButton3Click(TObject*) { Form4->ShowModal(); }

void TForm1::OnTopClick(TObject*) { SetFormStyle(FormStyle() == fsNormal ? fsStayOnTop : fsNormal); }

void TForm1::Image1Click(TObject*) { brsm::OpenProjectPage(this); }

void TForm1::CheckBox1Click(TObject*) {
  Edit9->SetEnabled(CheckBox1->Checked());
  Edit9->SetText("");
}

#include "launcher/unit1.h"

#include "generator/layout_font.h"
#include "generator/logo_picture.h"
#include "generator/project_page.h"
#include "generator/res/logo.h"
#include "generator/stored_skin_manager.h"
#include "launcher/process_start.h"
#include "launcher/unit2.h"
#include "platform/rtl/text1251.h"
#include "skin/controls/bit_btn.h"
#include "skin/controls/hint_manager.h"
#include "skin/launcher-controls/speed_button.h"

using brsm::FromUtf8;

TForm1* Form1 = nullptr;

namespace {

const char kFormFont[] = "MS Sans Serif";
const char kHintGradient[] =
    "16777215;8816263;24;2;0;8816263;11842740;24;2;0;11842740;11842740;24;2;0;"
    "11842740;16777215;24;2;0;16777215;16777215;0;2;0";

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  brsm::LayoutReader layout(this);
  SetName("Form1");
  SetWidth(354);
  SetHeight(262);
  SetCaption("Brassmith Menu");
  SetColor(clBtnFace);
  brsm::SetLayoutFont(Font(), kFormFont, -11, clWindowText);
  SetPosition(poDesktopCenter);

  sSkinManager1 = brsm::ReadStoredSkinManager(layout, this, "c:\\Windows\\");

  auto startButton = [&](TsBitBtn*& field, const char* name, int top, const char* caption,
                         int tabOrder) {
    field = layout.Read(new TsBitBtn(this));
    field->SetName(name);
    field->SetParent(this);
    field->SetBounds(12, top, 313, 25);
    field->SetCaption(FromUtf8(caption));
    field->SetTabOrder(tabOrder);
    field->SkinData()->SetSkinSection("BUTTON");
  };
  startButton(sBitBtn2, "sBitBtn2", 3, "Запустить Brassmith", 1);
  sBitBtn2->OnClick = [this](TObject* sender) { sBitBtn2Click(sender); };
  startButton(sBitBtn1, "sBitBtn1", 35, "Запустить Brassmith - Ammo", 0);
  sBitBtn1->OnClick = [this](TObject* sender) { sBitBtn1Click(sender); };

  auto logo = [&](TImage*& field, const char* name, int left) {
    field = layout.Read(new TImage(this));
    field->SetName(name);
    field->SetParent(this);
    field->SetBounds(left, 67, 128, 128);
    field->SetCursor(crHandPoint);
    field->SetHint(FromUtf8("Посетить мой сайт"));
    field->SetShowHint(true);
    field->SetCenter(true);
    brsm::LoadLogoPicture(field->Picture(), BRSM_LOGO);
    field->SetProportional(true);
    field->SetStretch(true);
    field->SetTransparent(true);
    field->OnClick = [this](TObject* sender) { Image2Click(sender); };
  };
  logo(Image2, "Image2", 2);
  logo(Image1, "Image1", 208);

  sBitBtn3 = layout.Read(new TsBitBtn(this));
  sBitBtn3->SetName("sBitBtn3");
  sBitBtn3->SetParent(this);
  sBitBtn3->SetBounds(132, 171, 75, 25);
  sBitBtn3->SetCaption(FromUtf8("Выход"));
  sBitBtn3->SetTabOrder(2);
  sBitBtn3->OnClick = [this](TObject* sender) { sBitBtn3Click(sender); };
  sBitBtn3->SetKind(bkAbort);
  sBitBtn3->SkinData()->SetSkinSection("BUTTON");

  sSpeedButton1 = layout.Read(new TsSpeedButton(this));
  sSpeedButton1->SetName("sSpeedButton1");
  sSpeedButton1->SetParent(this);
  sSpeedButton1->SetHeight(22);
  sSpeedButton1->SetAlign(alBottom);
  sSpeedButton1->SetCaption(FromUtf8("О программе"));
  sSpeedButton1->OnClick = [this](TObject* sender) { sSpeedButton1Click(sender); };
  sSpeedButton1->SkinData()->SetSkinSection("SPEEDBUTTON");

  sHintManager1 = layout.Read(new TsHintManager(this));
  sHintManager1->SetName("sHintManager1");
  sHintManager1->SetPredefinitions(shCustom);
  TsHintKind* hint = sHintManager1->HintKind();
  hint->SetStyle(hsSimply);
  hint->SetRadius(21);
  hint->SetExOffset(16);
  hint->SetGradientPercent(100);
  hint->SetGradientData(kHintGradient);
  hint->SetBevel(1);
  hint->SetColor(11992314);
  hint->SetColorBorderTop(clWhite);
  hint->SetColorBorderBottom(clOlive);
  hint->SetTransparency(10);
  hint->SetShadowEnabled(true);
  hint->SetShadowBlur(5);
  hint->SetShadowOffset(6);
  hint->SetShadowTransparency(50);
  hint->SetMarginH(6);
  hint->SetMarginV(3);
  hint->SetMaxWidth(240);
  brsm::SetLayoutFont(hint->Font(), "Segoe UI", -12, clBlack);
  sHintManager1->SetSkinSection("HINT");
  sHintManager1->SetUseSkinData(false);

  layout.Finish();
}

void TForm1::sBitBtn2Click(TObject*) { brsm::StartProgramAndWait("BRSM.exe"); }

void TForm1::sBitBtn1Click(TObject*) { brsm::StartProgramAndWait("BRSM-Ammo.exe"); }

void TForm1::sBitBtn3Click(TObject*) { Close(); }

void TForm1::Image2Click(TObject*) { brsm::OpenProjectPage(this); }

void TForm1::sSpeedButton1Click(TObject*) { Form2->ShowModal(); }

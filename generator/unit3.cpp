#include "generator/unit3.h"

#include "generator/layout_font.h"
#include "generator/logo_picture.h"
#include "generator/project_info.h"
#include "generator/project_page.h"
#include "generator/res/logo.h"
#include "platform/rtl/text1251.h"
#include "skin/controls/bit_btn.h"
#include "skin/controls/label.h"

using brsm::FromUtf8;

TForm3* Form3 = nullptr;

namespace {
const char kFormFont[] = "MS Sans Serif";
}

TForm3::TForm3(TComponent* owner) : TForm(owner) {
  brsm::LayoutReader layout(this);
  SetName("Form3");
  SetBorderStyle(bsDialog);
  SetCaption(FromUtf8("О программе"));
  SetClientHeight(169);
  SetClientWidth(248);
  SetColor(clBtnFace);
  brsm::SetLayoutFont(Font(), kFormFont, -11, clWindowText);
  SetPosition(poMainFormCenter);
  OnCreate = [this](TObject* sender) { FormCreate(sender); };

  auto label = [&](TsLabel*& field, const char* name, int top) {
    field = layout.Read(new TsLabel(this));
    field->SetName(name);
    field->SetParent(this);
    field->SetLeft(8);
    field->SetTop(top);
    field->SetParentFont(false);
    brsm::SetLayoutFont(field->Font(), kFormFont, -11, clGray);
  };
  label(sLabel1, "sLabel1", 16);
  label(sLabel2, "sLabel2", 32);
  label(sLabel3, "sLabel3", 48);
  label(sLabel4, "sLabel4", 64);
  sLabel4->OnClick = [this](TObject* sender) { sLabel4Click(sender); };
  label(sLabel5, "sLabel5", 120);

  Image1 = layout.Read(new TImage(this));
  Image1->SetName("Image1");
  Image1->SetParent(this);
  Image1->SetBounds(184, 8, 57, 57);
  brsm::LoadLogoPicture(Image1->Picture(), BRSM_LOGO_SMALL);
  Image1->SetTransparent(true);

  sBitBtn1 = layout.Read(new TsBitBtn(this));
  sBitBtn1->SetName("sBitBtn1");
  sBitBtn1->SetParent(this);
  sBitBtn1->SetBounds(84, 87, 75, 25);
  sBitBtn1->SetTabOrder(0);
  sBitBtn1->SetKind(bkOK);
  sBitBtn1->SkinData()->SetSkinSection("BUTTON");

  layout.Finish();
}

void TForm3::FormCreate(TObject*) {
  SetCaption(FromUtf8("О программе"));
  sLabel1->SetCaption(brsm::kProductName);
  sLabel2->SetCaption(FromUtf8("Версия: 1.0"));
  sLabel3->SetCaption(brsm::AboutBoxCredit());
  sLabel4->SetCaption(FromUtf8("Специально для ") + brsm::kProjectPageUrl);
  sLabel5->SetCaption(FromUtf8("В следующей версии можно будет сделать\r\n"
                               "сокеты, звуки, магазин и перезарядку.\r\n"
                               "Версия 2.0 будет: ~25.07.2011~"));
  sBitBtn1->SetCaption("OK");
}

void TForm3::sLabel4Click(TObject*) { brsm::OpenProjectPage(this); }

#include "launcher/unit2.h"

#include "generator/layout_font.h"
#include "generator/logo_picture.h"
#include "generator/project_info.h"
#include "generator/project_page.h"
#include "generator/res/logo.h"
#include "platform/rtl/text1251.h"
#include "skin/controls/label.h"

TForm2* Form2 = nullptr;

namespace {
const char kFormFont[] = "MS Sans Serif";
}

TForm2::TForm2(TComponent* owner) : TForm(owner) {
  brsm::LayoutReader layout(this);
  SetName("Form2");
  SetBorderStyle(bsDialog);
  SetCaption(brsm::FromUtf8("О программе"));
  SetClientHeight(131);
  SetClientWidth(334);
  SetColor(clBtnFace);
  brsm::SetLayoutFont(Font(), kFormFont, -11, clWindowText);
  SetPosition(poMainFormCenter);

  auto label = [&](TsLabel*& field, const char* name, int top, const std::string& caption) {
    field = layout.Read(new TsLabel(this));
    field->SetName(name);
    field->SetParent(this);
    field->SetLeft(8);
    field->SetTop(top);
    field->SetCaption(caption);
    field->SetParentFont(false);
    brsm::SetLayoutFont(field->Font(), kFormFont, -11, clGray, {fsBold});
  };
  label(sLabel1, "sLabel1", 16, brsm::kProductName);
  label(sLabel2, "sLabel2", 32, brsm::FromUtf8("Версия: 1.5"));
  label(sLabel3, "sLabel3", 48, brsm::AboutBoxCredit());
  label(sLabel4, "sLabel4", 64, brsm::kProjectPageUrl);
  sLabel4->SetCursor(crHandPoint);
  brsm::SetLayoutFont(sLabel4->Font(), kFormFont, -11, clBlue, {fsBold, fsUnderline});
  sLabel4->OnClick = [this](TObject* sender) { sLabel4Click(sender); };
  sLabel4->SetUseSkinColor(false);

  Image1 = layout.Read(new TImage(this));
  Image1->SetName("Image1");
  Image1->SetParent(this);
  Image1->SetBounds(206, 3, 128, 128);
  Image1->SetCursor(crHandPoint);
  brsm::LoadLogoPicture(Image1->Picture(), BRSM_LOGO);

  layout.Finish();
}

void TForm2::sLabel4Click(TObject*) { brsm::OpenProjectPage(this); }

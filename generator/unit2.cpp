#include "generator/unit2.h"

#include "generator/layout_font.h"
#include "generator/project_info.h"
#include "generator/project_page.h"
#include "generator/script_file.h"
#include "platform/rtl/strings.h"
#include "platform/rtl/text1251.h"
#include "skin/controls/button.h"
#include "skin/controls/dialogs.h"
#include "skin/controls/label.h"
#include "skin/controls/memo.h"
#include "skin/controls/panel.h"

using brsm::FromUtf8;

TForm2* Form2 = nullptr;

namespace {
const char kFormFont[] = "MS Sans Serif";
}

TForm2::TForm2(TComponent* owner) : TForm(owner) {
  brsm::LayoutReader layout(this);
  SetName("Form2");
  SetBorderStyle(bsDialog);
  SetCaption(brsm::kProductName);
  SetClientHeight(427);
  SetClientWidth(481);
  SetColor(clBtnFace);
  brsm::SetLayoutFont(Font(), kFormFont, -11, clWindowText);
  SetPosition(poMainFormCenter);

  scriptweapon = layout.Read(new TsMemo(this));
  scriptweapon->SetName("scriptweapon");
  scriptweapon->SetParent(this);
  scriptweapon->SetBounds(0, 0, 481, 386);
  scriptweapon->SetAlign(alClient);
  scriptweapon->SetColor(0x1A1A1A);
  brsm::SetLayoutFont(scriptweapon->Font(), kFormFont, -11, clGray);
  scriptweapon->SetScrollBars(ssVertical);
  scriptweapon->SetTabOrder(0);
  scriptweapon->SkinData()->SetSkinSection("EDIT");

  sPanel1 = layout.Read(new TsPanel(this));
  sPanel1->SetName("sPanel1");
  sPanel1->SetParent(this);
  sPanel1->SetBounds(0, 386, 481, 41);
  sPanel1->SetAlign(alBottom);
  sPanel1->SetTabOrder(1);
  sPanel1->SkinData()->SetSkinSection("PANEL");

  sLabel1 = layout.Read(new TsLabel(this));
  sLabel1->SetName("sLabel1");
  sLabel1->SetParent(sPanel1);
  sLabel1->SetLeft(320);
  sLabel1->SetTop(16);
  sLabel1->SetCaption(brsm::ResultWindowCredit());
  sLabel1->SetParentFont(false);
  brsm::SetLayoutFont(sLabel1->Font(), kFormFont, -11, clGray, {fsBold, fsUnderline});
  sLabel1->OnClick = [this](TObject* sender) { sLabel1Click(sender); };

  sButton1 = layout.Read(new TsButton(this));
  sButton1->SetName("sButton1");
  sButton1->SetParent(sPanel1);
  sButton1->SetBounds(8, 4, 89, 33);
  sButton1->SetCaption(FromUtf8("Сохранить скрипт"));
  sButton1->SetTabOrder(0);
  sButton1->OnClick = [this](TObject* sender) { sButton1Click(sender); };
  sButton1->SkinData()->SetSkinSection("BUTTON");

  sButton2 = layout.Read(new TsButton(this));
  sButton2->SetName("sButton2");
  sButton2->SetParent(sPanel1);
  sButton2->SetBounds(164, 8, 75, 25);
  sButton2->SetCaption(FromUtf8("Отмена"));
  sButton2->SetTabOrder(1);
  sButton2->OnClick = [this](TObject* sender) { sButton2Click(sender); };
  sButton2->SkinData()->SetSkinSection("BUTTON");

  SaveDialog1 = layout.Read(new TsSaveDialog(this));
  SaveDialog1->SetName("SaveDialog1");
  SaveDialog1->SetFilter(FromUtf8("Unreal Script Формат (*.uc)|*.uc"));
  SaveDialog1->SetOptions({ofHideReadOnly, ofShareAware, ofEnableSizing});

  layout.Finish();
}

void TForm2::sButton1Click(TObject*) {
  if (!SaveDialog1->Execute()) return;
  const std::string fileName = brsm::ScriptFileName(SaveDialog1->FileName());
  // The lines as typed: a line that the memo only wraps on screen stays one line.
  TStringList lines;
  lines.SetText(scriptweapon->Text());
  brsm::SaveScriptFile(lines, fileName);
}

void TForm2::sButton2Click(TObject*) { Close(); }

void TForm2::sLabel1Click(TObject*) { brsm::OpenProjectPage(this); }

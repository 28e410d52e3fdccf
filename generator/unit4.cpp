#include "generator/unit4.h"

#include <iterator>

#include "generator/layout_font.h"
#include "platform/rtl/text1251.h"
#include "skin/controls/bit_btn.h"
#include "skin/controls/memo.h"
#include "skin/controls/panel.h"

TForm4* Form4 = nullptr;

namespace {

const char kFormFont[] = "MS Sans Serif";

// One entry per line of the memo, spaces as the users know them.
const char* const kHowToLines[] = {
    "Небольшое вступение...",
    "Вожно чтобы у вашего оружия должны быть сокеты такие-же как и у SK_WP_Linkgun_1P.",
    "",
    "Первым делом нужно заполнить все поля (заполнять можно в разброс).",
    "В \"Меш от первого лица\" нужно написать путь к мешу (Для этого нужно зайти в Content Browser ",
    "найти",
    "ваш меш нажать правой кнопкой мыши и выбрать Copy Full Name to ClipBoard и вставить  поле).",
    "        Например: SkeletalMesh'WP_LinkGun.Mesh.SK_WP_Linkgun_1P';",
    "",
    "",
    "В \"Путь к анимации\", нужно написать путь к анимации оружия (Для этого нужно зайти в Content ",
    "Browser найти вашу анимацию нажать правой кнопкой мыши и выбрать Copy Full Name to ClipBoard и ",
    "вставить в поле).",
    "        Например: AnimSet'WP_LinkGun.Anims.K_WP_LinkGun_1P_Base';",
    "",
    "В \"Attachment класс\" нужно указать путь на класс привазки оружия к игроку.",
    "        Например: UTGameContent.UTAttachment_RocketLauncher;",
    "",
    "В \"Меш на Пикапе\" нужно указать меш который будет крутится пока его не подберешь (Для этого ",
    "нужно зайти в Content Browser найти",
    "ваш меш нажать правой кнопкой мыши и выбрать Copy Full Name to ClipBoard и вставить  поле).",
    "        Например: SkeletalMesh'WP_LinkGun.Mesh.SK_WP_Linkgun_1P';",
    "",
    "В \"Анимация осн. выстрела\" и \"Анимация бездествия\" и т.д. нужно указать название анимации.",
    "        Например: Анимация осн. выстрела:= WeaponFire;",
    "",
    "В \"Макс. кол-во патронов\" нужно указать число после которого патроны не будут копиться.",
    "        Например: 200 ;",
    "",
    "В \"Кол-во патронов\" нужно указать сколько патронов будет при взятии этого оружия.",
    "        Например: 175;",
};
static_assert(std::size(kHowToLines) == 31);

}  // namespace

TForm4::TForm4(TComponent* owner) : TForm(owner) {
  brsm::LayoutReader layout(this);
  SetName("Form4");
  SetLeft(306);
  SetTop(188);
  SetBorderStyle(bsDialog);
  SetCaption(brsm::FromUtf8("Как пользоваться"));
  SetClientHeight(355);
  SetClientWidth(534);
  SetColor(clBtnFace);
  brsm::SetLayoutFont(Font(), kFormFont, -11, clWindowText);

  sMemo1 = layout.Read(new TsMemo(this));
  sMemo1->SetName("sMemo1");
  sMemo1->SetParent(this);
  sMemo1->SetBounds(0, 0, 534, 314);
  sMemo1->SetAlign(alClient);
  sMemo1->SetColor(0x1A1A1A);
  brsm::SetLayoutFont(sMemo1->Font(), kFormFont, -11, clGray);
  for (const char* line : kHowToLines) sMemo1->Lines()->Add(brsm::FromUtf8(line));
  sMemo1->SetReadOnly(true);
  sMemo1->SetScrollBars(ssVertical);
  sMemo1->SetTabOrder(0);
  sMemo1->SkinData()->SetSkinSection("EDIT");

  sPanel1 = layout.Read(new TsPanel(this));
  sPanel1->SetName("sPanel1");
  sPanel1->SetParent(this);
  sPanel1->SetBounds(0, 314, 534, 41);
  sPanel1->SetAlign(alBottom);
  sPanel1->SetTabOrder(1);
  sPanel1->SkinData()->SetSkinSection("PANEL");

  sBitBtn1 = layout.Read(new TsBitBtn(this));
  sBitBtn1->SetName("sBitBtn1");
  sBitBtn1->SetParent(sPanel1);
  sBitBtn1->SetBounds(229, 8, 75, 25);
  sBitBtn1->SetTabOrder(0);
  sBitBtn1->SetKind(bkOK);
  sBitBtn1->SkinData()->SetSkinSection("BUTTON");

  layout.Finish();
}

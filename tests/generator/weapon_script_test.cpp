#include "generator/weapon_script.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/rtl/text1251.h"

using brsm::FromUtf8;
using brsm::GenerateWeaponScript;
using brsm::WeaponFields;
using brsm::WeaponScript;

namespace {

using Lines = std::vector<std::string>;

// The messages of the chain as the users see them (UTF-8 here, 1251 in the
// result).
const std::string kNoClass = FromUtf8("Не указан класс создаваемого оружия.");
const std::string kNoFirstPerson = FromUtf8("Не указан путь к мешу от первого лица.");
const std::string kNoAnimSet = FromUtf8("Не указан путь к анимации создаваемого оружия.");
const std::string kNoAttachment = FromUtf8("Не указан класс присоединения (Attachment).");
const std::string kNoPickup = FromUtf8("Не указан путь к мешу на пикапе.");
const std::string kNoInterval = FromUtf8("Не указан интервал между выстрелом");
const std::string kNoFireAnim = FromUtf8("Не указано имя анимации основного выстрела.");
const std::string kNoAltFireAnim = FromUtf8("Не указано имя анимации альтернативного выстрела.");
const std::string kNoIdleAnim = FromUtf8("Не указано имя анимации бездействия.");
const std::string kNoPutDownAnim = FromUtf8("Не указано имя анимации смены оружия.");
const std::string kNoEquipAnim = FromUtf8("Не указано имя анимации поднятия оружия.");
const std::string kNoAltDamage = FromUtf8("Не указан тип урона (альт.).");
const std::string kNoProjectile = FromUtf8("Не укзазан класс снаряда.");
const std::string kNoMaxAmmo = FromUtf8("Не указано число максимального количеста патронов.");
const std::string kNoAmmo = FromUtf8("Не указано число стартовых патронов.");

WeaponFields AllFilled() {
  WeaponFields f;
  f.WeapName = "UTWeap_Plasma";
  f.FirstPModel = "SkeletalMesh'WP_LinkGun.Mesh.SK_WP_Linkgun_1P'";
  f.Edit1 = "AnimSet'WP_LinkGun.Anims.K_WP_LinkGun_1P_Base'";
  f.ThirdPModel = "UTGameContent.UTAttachment_RocketLauncher";
  f.PickupModel = "SkeletalMesh'WP_LinkGun.Mesh.SK_WP_LinkGun_3P'";
  f.Edit4 = "0.3";
  f.ShotAnim = "WeaponFire";
  f.Edit7 = "WeaponAltFire";
  f.Edit3 = "WeaponIdle";
  f.Edit5 = "WeaponPutDown";
  f.Edit6 = "WeaponEquip";
  f.combobox1 = "EWFT_Projectile";
  f.DamageType = "EWFT_Projectile";
  f.MainDamage = "35";
  f.MaxAmmo = "200";
  f.AmmoCount = "175";
  f.Edit2 = "ParticleSystem'WP_LinkGun.Effects.P_FX_LinkGun_MF_Primary'";
  return f;
}

// The whole text for AllFilled(), written out line by line.
const Lines kFullScript = {
    "class UTWeap_Plasma extends UTWeap_LinkGun;",
    "",
    "defaultproperties",
    "{",
    "\tWeaponColor=(R=255,G=255,B=0,A=255)",
    "\tFireInterval(0)=+0.24",
    "\tFireInterval(1)=+0.35",
    "\tPlayerViewOffset=(X=16.0,Y=-18,Z=-18.0)",
    "    Begin Object Name=FirstPersonMesh",
    "    SkeletalMesh=SkeletalMesh'WP_LinkGun.Mesh.SK_WP_Linkgun_1P'",
    "    AnimSets(0)=AnimSet'WP_LinkGun.Anims.K_WP_LinkGun_1P_Base'",
    "    Animations=MeshSequenceA",
    "    Scale=0.9",
    "    FOV=60.0",
    "End Object",
    "",
    "",
    "    AttachmentClass=class'UTGameContent.UTAttachment_RocketLauncher'",
    "",
    "Begin Object Name=PickupMesh",
    "    SkeletalMesh=SkeletalMesh'WP_LinkGun.Mesh.SK_WP_LinkGun_3P'",
    "End Object",
    "",
    "FireInterval(0)=+0.3",
    "WeaponFireAnim(0)=WeaponFire",
    "WeaponFireAnim(1)=WeaponAltFire",
    "WeaponIdleAnims(0)=WeaponIdle",
    "WeaponPutDownAnim=WeaponPutDown",
    "WeaponEquipAnim=WeaponEquip",
    "",
    "WeaponFireTypes(1)=EWFT_Projectile",
    "WeaponProjectiles(0)=class'UTProj_LinkPlasma'",
    "InstantHitDamage(0)=35",
    "MaxAmmoCount=200",
    "AmmoCount=175",
    "EffectSockets(0)=MuzzleFlashSocket",
    "EffectSockets(1)=MuzzleFlashSocket",
    "MuzzleFlashSocket=MuzzleFlashSocket",
    "MuzzleFlashPSCTemplate=ParticleSystem'WP_LinkGun.Effects.P_FX_LinkGun_MF_Primary'",
    "MuzzleFlashAltPSCTemplate=ParticleSystem'WP_LinkGun.Effects.P_FX_LinkGun_MF_Primary'",
    "bMuzzleFlashPSCLoops=true",
    "MuzzleFlashLightClass=class'UTGame.UTLinkGunMuzzleFlashLight'",
    "}",
};

// kFullScript without the lines [first, first + count).
Lines Without(size_t first, size_t count) {
  Lines lines = kFullScript;
  lines.erase(lines.begin() + first, lines.begin() + first + count);
  return lines;
}

Lines FirstLines(size_t count) { return Lines(kFullScript.begin(), kFullScript.begin() + count); }

}  // namespace

TEST(WeaponScriptChain, AllFieldsFilledGivesTheWholeClass) {
  WeaponScript s = GenerateWeaponScript(AllFilled());
  ASSERT_EQ(kFullScript.size(), 43u);
  EXPECT_EQ(s.Lines, kFullScript);
  EXPECT_TRUE(s.Messages.empty());
  EXPECT_TRUE(s.ShowResult);
}

TEST(WeaponScriptChain, AllFieldsEmptyReportsClassThenMeshAndEnds) {
  WeaponScript s = GenerateWeaponScript(WeaponFields{});
  EXPECT_TRUE(s.Lines.empty());
  EXPECT_EQ(s.Messages, (Lines{kNoClass, kNoFirstPerson}));
  EXPECT_FALSE(s.ShowResult);
}

// Tests 1, 6 and 12 report and let the chain go on without their lines.
TEST(WeaponScriptChain, GoOnTestsFailingAloneOnlyDropTheirLines) {
  WeaponFields f = AllFilled();
  f.WeapName.clear();
  WeaponScript s = GenerateWeaponScript(f);
  EXPECT_EQ(s.Lines, Without(0, 8));
  EXPECT_EQ(s.Lines.back(), "}");
  EXPECT_EQ(s.Messages, Lines{kNoClass});
  EXPECT_TRUE(s.ShowResult);

  f = AllFilled();
  f.Edit4.clear();
  s = GenerateWeaponScript(f);
  EXPECT_EQ(s.Lines.size(), 42u);
  EXPECT_EQ(s.Lines, Without(23, 1));
  EXPECT_EQ(s.Messages, Lines{kNoInterval});
  EXPECT_TRUE(s.ShowResult);

  f = AllFilled();
  f.combobox1.clear();
  s = GenerateWeaponScript(f);
  EXPECT_EQ(s.Lines, Without(30, 2));
  EXPECT_EQ(s.Messages, Lines{kNoAltDamage});
  EXPECT_TRUE(s.ShowResult);
}

TEST(WeaponScriptChain, AllThreeGoOnFailuresAreShownBeforeTheEndingOne) {
  WeaponFields f = AllFilled();
  f.WeapName.clear();
  f.Edit4.clear();
  f.combobox1.clear();
  f.AmmoCount.clear();
  WeaponScript s = GenerateWeaponScript(f);
  EXPECT_EQ(s.Messages, (Lines{kNoClass, kNoInterval, kNoAltDamage, kNoAmmo}));
  EXPECT_FALSE(s.ShowResult);
  // Everything from test 2 to test 15 except the dropped lines of 6 and 12.
  Lines expected(kFullScript.begin() + 8, kFullScript.begin() + 34);
  expected.erase(expected.begin() + 15);               // test 6
  expected.erase(expected.begin() + 21, expected.begin() + 23);  // test 12
  EXPECT_EQ(s.Lines, expected);
}

// Each ending test, failing alone, leaves the lines written before it and
// shows its own message only.
TEST(WeaponScriptChain, EndingTestsKeepTheLinesSoFar) {
  struct Case {
    std::string WeaponFields::*field;
    const std::string* message;
    size_t linesBefore;
  };
  const Case cases[] = {
      {&WeaponFields::FirstPModel, &kNoFirstPerson, 8},
      {&WeaponFields::Edit1, &kNoAnimSet, 10},
      {&WeaponFields::ThirdPModel, &kNoAttachment, 17},
      {&WeaponFields::PickupModel, &kNoPickup, 18},
      {&WeaponFields::ShotAnim, &kNoFireAnim, 24},
      {&WeaponFields::Edit7, &kNoAltFireAnim, 25},
      {&WeaponFields::Edit3, &kNoIdleAnim, 26},
      {&WeaponFields::Edit5, &kNoPutDownAnim, 27},
      {&WeaponFields::Edit6, &kNoEquipAnim, 28},
      {&WeaponFields::MainDamage, &kNoProjectile, 32},
      {&WeaponFields::MaxAmmo, &kNoMaxAmmo, 33},
      {&WeaponFields::AmmoCount, &kNoAmmo, 34},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(*c.message);
    WeaponFields f = AllFilled();
    (f.*c.field).clear();
    WeaponScript s = GenerateWeaponScript(f);
    EXPECT_EQ(s.Lines, FirstLines(c.linesBefore));
    EXPECT_EQ(s.Messages, Lines{*c.message});
    EXPECT_FALSE(s.ShowResult);
  }
}

TEST(WeaponScriptChain, DamageTypeMustMatchExactlyAndEndsSilently) {
  for (const char* text : {"ewft_projectile", "EWFT_Projectile ", " EWFT_Projectile",
                           "", "EWFT_InstantHit"}) {
    SCOPED_TRACE(text);
    WeaponFields f = AllFilled();
    f.DamageType = text;
    WeaponScript s = GenerateWeaponScript(f);
    EXPECT_EQ(s.Lines, FirstLines(32));
    EXPECT_TRUE(s.Messages.empty());
    EXPECT_FALSE(s.ShowResult);
  }
}

TEST(WeaponScriptChain, AnyAltDamageTextWritesTheFixedLines) {
  WeaponFields f = AllFilled();
  f.combobox1 = "EWFT_InstantHit";
  EXPECT_EQ(GenerateWeaponScript(f).Lines, kFullScript);
}

TEST(WeaponScriptChain, FieldsAreTakenAsTheyStand) {
  WeaponFields f = AllFilled();
  f.ShotAnim = " ";
  f.MaxAmmo = " 200 ";
  WeaponScript s = GenerateWeaponScript(f);
  EXPECT_TRUE(s.ShowResult);
  EXPECT_EQ(s.Lines[24], "WeaponFireAnim(0)= ");
  EXPECT_EQ(s.Lines[33], "MaxAmmoCount= 200 ");
}

TEST(WeaponScriptChain, EmptyMuzzleFlashIsWrittenEmptyTwice) {
  WeaponFields f = AllFilled();
  f.Edit2.clear();
  WeaponScript s = GenerateWeaponScript(f);
  EXPECT_TRUE(s.ShowResult);
  EXPECT_TRUE(s.Messages.empty());
  Lines expected = kFullScript;
  expected[38] = "MuzzleFlashPSCTemplate=";
  expected[39] = "MuzzleFlashAltPSCTemplate=";
  EXPECT_EQ(s.Lines, expected);
}

TEST(WeaponScriptChain, RussianTextIsCopiedByteForByte) {
  WeaponFields f = AllFilled();
  f.WeapName = FromUtf8("Плазмомёт");
  WeaponScript s = GenerateWeaponScript(f);
  // 1251: П=CF л=EB а=E0 з=E7 м=EC о=EE ё=B8 т=F2
  EXPECT_EQ(s.Lines[0], "class \xCF\xEB\xE0\xE7\xEC\xEE\xEC\xB8\xF2 extends UTWeap_LinkGun;");
}

TEST(WeaponScriptChain, MessagesAreCodePage1251) {
  WeaponScript s = GenerateWeaponScript(WeaponFields{});
  ASSERT_FALSE(s.Messages.empty());
  // "Не указан " in 1251.
  EXPECT_EQ(s.Messages[0].substr(0, 10), "\xCD\xE5 \xF3\xEA\xE0\xE7\xE0\xED ");
}

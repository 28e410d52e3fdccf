#include "generator/weapon_script.h"

#include <initializer_list>

#include "platform/rtl/text1251.h"

namespace brsm {
namespace {

using Field = std::string WeaponFields::*;

// One script line: fixed text, optionally a field's text, fixed text.
struct ScriptLine {
  const char* before;
  Field field = nullptr;
  const char* after = "";
};

enum class OnFailure { GoOn, End };

struct FieldTest {
  Field field;
  // When set, the field must hold exactly this text; otherwise it must
  // merely be non-empty.
  const char* required;
  std::initializer_list<ScriptLine> lines;
  const char* message;  // UTF-8 source text; nullptr: fail silently
  OnFailure onFailure;
};

using F = WeaponFields;

// The sixteen tests in the order they run. Messages are kept byte for byte as
// the users know them, misspellings included.
const FieldTest kChain[] = {
    {&F::WeapName, nullptr,
     {{"class ", &F::WeapName, " extends UTWeap_LinkGun;"},
      {""},
      {"defaultproperties"},
      {"{"},
      {"\tWeaponColor=(R=255,G=255,B=0,A=255)"},
      {"\tFireInterval(0)=+0.24"},
      {"\tFireInterval(1)=+0.35"},
      {"\tPlayerViewOffset=(X=16.0,Y=-18,Z=-18.0)"}},
     "Не указан класс создаваемого оружия.", OnFailure::GoOn},
    {&F::FirstPModel, nullptr,
     {{"    Begin Object Name=FirstPersonMesh"},
      {"    SkeletalMesh=", &F::FirstPModel}},
     "Не указан путь к мешу от первого лица.", OnFailure::End},
    {&F::Edit1, nullptr,
     {{"    AnimSets(0)=", &F::Edit1},
      {"    Animations=MeshSequenceA"},
      {"    Scale=0.9"},
      {"    FOV=60.0"},
      {"End Object"},
      {""},
      {""}},
     "Не указан путь к анимации создаваемого оружия.", OnFailure::End},
    {&F::ThirdPModel, nullptr,
     {{"    AttachmentClass=class'", &F::ThirdPModel, "'"}},
     "Не указан класс присоединения (Attachment).", OnFailure::End},
    {&F::PickupModel, nullptr,
     {{""},
      {"Begin Object Name=PickupMesh"},
      {"    SkeletalMesh=", &F::PickupModel},
      {"End Object"},
      {""}},
     "Не указан путь к мешу на пикапе.", OnFailure::End},
    {&F::Edit4, nullptr,
     {{"FireInterval(0)=+", &F::Edit4}},
     "Не указан интервал между выстрелом", OnFailure::GoOn},
    {&F::ShotAnim, nullptr,
     {{"WeaponFireAnim(0)=", &F::ShotAnim}},
     "Не указано имя анимации основного выстрела.", OnFailure::End},
    {&F::Edit7, nullptr,
     {{"WeaponFireAnim(1)=", &F::Edit7}},
     "Не указано имя анимации альтернативного выстрела.", OnFailure::End},
    {&F::Edit3, nullptr,
     {{"WeaponIdleAnims(0)=", &F::Edit3}},
     "Не указано имя анимации бездействия.", OnFailure::End},
    {&F::Edit5, nullptr,
     {{"WeaponPutDownAnim=", &F::Edit5}},
     "Не указано имя анимации смены оружия.", OnFailure::End},
    {&F::Edit6, nullptr,
     {{"WeaponEquipAnim=", &F::Edit6},
      {""}},
     "Не указано имя анимации поднятия оружия.", OnFailure::End},
    // The alternative fire type is only checked for presence; the lines are
    // fixed whatever was typed.
    {&F::combobox1, nullptr,
     {{"WeaponFireTypes(1)=EWFT_Projectile"},
      {"WeaponProjectiles(0)=class'UTProj_LinkPlasma'"}},
     "Не указан тип урона (альт.).", OnFailure::GoOn},
    {&F::DamageType, "EWFT_Projectile", {}, nullptr, OnFailure::End},
    {&F::MainDamage, nullptr,
     {{"InstantHitDamage(0)=", &F::MainDamage}},
     "Не укзазан класс снаряда.", OnFailure::End},
    {&F::MaxAmmo, nullptr,
     {{"MaxAmmoCount=", &F::MaxAmmo}},
     "Не указано число максимального количеста патронов.", OnFailure::End},
    // Edit2 is written twice and never checked: empty is allowed.
    {&F::AmmoCount, nullptr,
     {{"AmmoCount=", &F::AmmoCount},
      {"EffectSockets(0)=MuzzleFlashSocket"},
      {"EffectSockets(1)=MuzzleFlashSocket"},
      {"MuzzleFlashSocket=MuzzleFlashSocket"},
      {"MuzzleFlashPSCTemplate=", &F::Edit2},
      {"MuzzleFlashAltPSCTemplate=", &F::Edit2},
      {"bMuzzleFlashPSCLoops=true"},
      {"MuzzleFlashLightClass=class'UTGame.UTLinkGunMuzzleFlashLight'"},
      {"}"}},
     "Не указано число стартовых патронов.", OnFailure::End},
};

bool Passes(const FieldTest& test, const WeaponFields& fields) {
  const std::string& text = fields.*test.field;
  return test.required ? text == test.required : !text.empty();
}

}  // namespace

WeaponScript GenerateWeaponScript(const WeaponFields& fields) {
  WeaponScript script;
  for (const FieldTest& test : kChain) {
    if (Passes(test, fields)) {
      for (const ScriptLine& line : test.lines) {
        std::string text = line.before;
        if (line.field) text += fields.*line.field;
        text += line.after;
        script.Lines.push_back(std::move(text));
      }
      continue;
    }
    if (test.message) script.Messages.push_back(FromUtf8(test.message));
    if (test.onFailure == OnFailure::End) return script;
  }
  script.ShowResult = true;
  return script;
}

}  // namespace brsm

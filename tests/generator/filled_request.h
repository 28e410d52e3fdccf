// One request with every field of the generator's main form filled, by the
// place and class of each field, as the program tests type it in.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "generator/weapon_script.h"

namespace brsm::test {

struct FieldInput {
  int left, top;
  const wchar_t* cls;
  std::wstring text;
  std::string brsm::WeaponFields::*field;
};

inline std::vector<FieldInput> EveryFieldFilled() {
  using F = brsm::WeaponFields;
  // Longer than the memo is wide: the memo wraps it on screen only.
  const std::wstring longDamage = L"UTGame.UTDmgType_" + std::wstring(150, L'W') + L" and more words";
  return {
      {16, 24, L"TEdit", L"UTWeap_Brass", &F::WeapName},
      {16, 72, L"TEdit", L"SkeletalMesh'Brass.Mesh.SK_1P'", &F::FirstPModel},
      {16, 120, L"TEdit", L"AnimSet'Brass.Anims.K_1P'", &F::Edit1},
      {16, 176, L"TEdit", L"UTGameContent.UTAttachment_Brass", &F::ThirdPModel},
      {16, 216, L"TEdit", L"SkeletalMesh'Brass.Mesh.SK_Pickup'", &F::PickupModel},
      {16, 264, L"TEdit", L"WeaponFire", &F::ShotAnim},
      {16, 312, L"TEdit", L"WeaponAltFire", &F::Edit7},
      {16, 352, L"TEdit", L"WeaponIdle", &F::Edit3},
      {16, 392, L"TEdit", L"WeaponPutDown", &F::Edit5},
      {16, 440, L"TEdit", L"WeaponEquip", &F::Edit6},
      {16, 480, L"TEdit", L"0.5", &F::Edit4},
      {176, 24, L"TsComboBoxEx", L"EWFT_InstantHit", &F::combobox1},
      {176, 120, L"TsComboBoxEx", L"EWFT_Projectile", &F::DamageType},
      {176, 168, L"TEdit", longDamage, &F::MainDamage},
      {176, 216, L"TEdit", L"200", &F::MaxAmmo},
      {176, 264, L"TEdit", L"175", &F::AmmoCount},
      // Cyrillic and a lone space travel byte-exact as 1251.
      {176, 312, L"TEdit", L"Эффект\x0451 ", &F::Edit2},
  };
}

}  // namespace brsm::test

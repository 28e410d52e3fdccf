// The weapon class text built from the main form's fields: the chain of
// sixteen field tests that the generate button runs, as a pure function.
#pragma once

#include <string>
#include <vector>

namespace brsm {

// The texts of the fields the chain reads, named after their components
// (1251 text, taken as they stand: never trimmed).
struct WeaponFields {
  std::string WeapName;
  std::string FirstPModel;
  std::string Edit1;
  std::string ThirdPModel;
  std::string PickupModel;
  std::string Edit4;
  std::string ShotAnim;
  std::string Edit7;
  std::string Edit3;
  std::string Edit5;
  std::string Edit6;
  std::string combobox1;
  std::string DamageType;
  std::string MainDamage;
  std::string MaxAmmo;
  std::string AmmoCount;
  std::string Edit2;
};

struct WeaponScript {
  // What goes into the result memo, in order; a request that ended early
  // still leaves the lines written before it ended.
  std::vector<std::string> Lines;
  // The message dialogs to show, in order (1251 text).
  std::vector<std::string> Messages;
  // True only when the whole chain passed: the result window is shown.
  bool ShowResult = false;
};

WeaponScript GenerateWeaponScript(const WeaponFields& fields);

}  // namespace brsm

// What the manager keeps for the skinned menus: the published options and
// the menu painter's settings. Painting menus is not done here; the
// painter only learns whether the skin is in force.
#pragma once

#include <cstdint>
#include <string>

#include "platform/graphics/colors.h"
#include "platform/rtl/classes.h"

class TsSkinManager;

// The extra-line caption font as stored; the painter makes the real font.
struct TvxMenuFont {
  std::string Name = "MS Sans Serif";
  int Height = -11;  // pixels, negative: character height
  TColor Color = clWindowText;
  uint8_t Style = 0;  // bits: 1 bold, 2 italic, 4 underline, 8 strike-out
};

class TvxMenuSupport : public TPersistent {
 public:
  // Skin section of the icon column; empty = none.
  const std::string& IcoLineSkin() const { return icoLineSkin_; }
  void SetIcoLineSkin(const std::string& v) { icoLineSkin_ = v; }
  bool UseExtraLine() const { return useExtraLine_; }
  void SetUseExtraLine(bool v) { useExtraLine_ = v; }
  int ExtraLineWidth() const { return extraLineWidth_; }
  void SetExtraLineWidth(int v) { extraLineWidth_ = v; }
  const TvxMenuFont& ExtraLineFont() const { return extraLineFont_; }
  void SetExtraLineFont(const TvxMenuFont& v) { extraLineFont_ = v; }

 private:
  std::string icoLineSkin_;
  bool useExtraLine_ = false;
  int extraLineWidth_ = 32;
  TvxMenuFont extraLineFont_;
};

class TsSkinableMenus : public TPersistent {
 public:
  explicit TsSkinableMenus(TsSkinManager* owner) : owner_(owner) {}
  ~TsSkinableMenus() override { owner_ = nullptr; }

  TsSkinManager* Owner() const { return owner_; }
  int Margin = 2;
  int BevelWidth = 0;
  int BorderWidth = 3;
  int Spacing = 6;
  // Negative: taken from the skin's MAINMENU border on next use; the manager
  // sets -1 when a new skin comes.
  int SkinBorderWidth = -1;

  bool Active() const { return active_; }
  void SetActive(bool v) { active_ = v; }
  // Active := the owner has a skin loaded.
  void UpdateMenusActive();

 private:
  TsSkinManager* owner_;
  bool active_ = false;
};

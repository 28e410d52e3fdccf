// What the manager keeps for the skinned menus: the published options and
// the menu painter's settings. The painting itself is the window
// skinning's, reached through the seam below.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/owner_draw.h"
#include "platform/forms/text_alignment.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/geometry.h"
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

enum TsMenuItemType { smCaption, smDivider, smNormal, smTopLine };

class TCanvas;
class TsSkinableMenus;

// OnDrawItem of the menu painter: runs after an item is painted, on the
// item's image.
using TsMenuManagerDrawItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect,
                                                      TOwnerDrawState State, TsMenuItemType ItemType)>;

// What the window skinning lends the painter: the walk over the
// application's menus, letting go of them, and the application window's
// messages of the painter. Empty entries do nothing.
struct TsMenuPainterSeam {
  void (*SetActive)(TsSkinableMenus* painter, bool value) = nullptr;
  // The painter goes: the items lose its handlers.
  void (*Release)(TsSkinableMenus* painter) = nullptr;
  // 48307 and 48308; true when handled.
  bool (*AppMessage)(TsSkinableMenus* painter, uint32_t msg, uintptr_t wParam, intptr_t lParam) = nullptr;
};
void SetMenuPainterSeam(const TsMenuPainterSeam& seam);
const TsMenuPainterSeam& MenuPainterSeam();

// The painter's private messages to the application window: skin the
// popup window under an item (LParam its command id), skin a popup window
// (LParam the window).
inline constexpr uint32_t SkinPopupUnderItemMessage = 0xBCB3;
inline constexpr uint32_t SkinPopupWindowMessage = 0xBCB4;

class TsSkinableMenus : public TPersistent {
 public:
  explicit TsSkinableMenus(TsSkinManager* owner) : owner_(owner) {}
  ~TsSkinableMenus() override;

  TsSkinManager* Owner() const { return owner_; }
  int Margin = 2;
  int BevelWidth = 0;
  int BorderWidth = 3;
  int Spacing = 6;
  // Negative: taken from the skin's MAINMENU border on next use; the manager
  // sets -1 when a new skin comes.
  int SkinBorderWidth = -1;
  TvxMenuFont CaptionFont;
  TsMenuManagerDrawItemEvent OnDrawItem;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v) {
    if (v != alignment_) alignment_ = v;
  }

  bool Active() const { return active_; }
  // Hooks (or unhooks) the application's menus.
  void SetActive(bool v);
  // Active := the owner has a skin loaded.
  void UpdateMenusActive();

  // Set while the popup's region is applied: no popup is shaped again.
  bool BorderDrawing = false;
  // Set while the extra-line event runs.
  bool ExtraLineGuard = false;
  // The see-through corner rectangles of the current popup's frame.
  std::vector<TRect> CornerHoles;

 private:
  TsSkinManager* owner_;
  bool active_ = false;
  TAlignment alignment_ = taLeftJustify;
};

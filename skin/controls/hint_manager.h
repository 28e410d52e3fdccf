// The hint manager: the component that gives the application's hints their
// look. It chooses the application's hint window class for its style, takes
// over the application's show-hint event and hint timings, and keeps the
// whole look in its TsHintKind, which a preset (Predefinitions) fills.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/graphics/colors.h"
#include "platform/graphics/geometry.h"
#include "platform/rtl/classes.h"
#include "skin/controls/hint_types.h"

class TBitmap;
class TControl;
class TFont;
class TPicture;
struct THintInfo;

class TsHintManager;

// The manager's own show-hint event: Frame may be given a control to show
// inside the hint instead of its text.
using TvxShowHintEvent =
    std::function<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo, TControl*& Frame)>;

class TsHintKind : public TPersistent {
 public:
  explicit TsHintKind(TsHintManager* owner);
  ~TsHintKind() override;

  TsHintManager* Manager() const { return manager_; }

  TsHintStyle Style() const { return style_; }
  // Chooses the application's hint window class at once.
  void SetStyle(TsHintStyle value);
  int Radius() const { return radius_; }
  void SetRadius(int value) { radius_ = value; }
  int ExOffset() const { return exOffset_; }
  void SetExOffset(int value) { exOffset_ = value; }
  int MarginH() const { return marginH_; }
  void SetMarginH(int value) { marginH_ = value; }
  int MarginV() const { return marginV_; }
  void SetMarginV(int value) { marginV_ = value; }
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int value) { maxWidth_ = value; }
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value) { bevelWidth_ = value; }
  // Stored only.
  int Bevel() const { return bevel_; }
  void SetBevel(int value) { bevel_ = value; }
  const std::string& TextureFile() const { return textureFile_; }
  void SetTextureFile(const std::string& value) { textureFile_ = value; }

  TColor Color() const { return color_; }
  void SetColor(TColor value) { color_ = value; }
  TColor ColorBorderTop() const { return colorBorderTop_; }
  void SetColorBorderTop(TColor value) { colorBorderTop_ = value; }
  TColor ColorBorderBottom() const { return colorBorderBottom_; }
  void SetColorBorderBottom(TColor value) { colorBorderBottom_ = value; }
  // Percent.
  int Transparency() const { return transparency_; }
  void SetTransparency(int value) { transparency_ = value; }
  int GradientPercent() const { return gradientPercent_; }
  void SetGradientPercent(int value) { gradientPercent_ = value; }
  int TexturePercent() const { return texturePercent_; }
  void SetTexturePercent(int value) { texturePercent_ = value; }
  // Gradient steps in the skin's GRADIENTDATA text form.
  const std::string& GradientData() const { return gradientData_; }
  void SetGradientData(const std::string& value) { gradientData_ = value; }

  // False whenever the hints paint from the skin.
  bool ShadowEnabled() const;
  void SetShadowEnabled(bool value) { shadowEnabled_ = value; }
  int ShadowBlur() const { return shadowBlur_; }
  void SetShadowBlur(int value) { shadowBlur_ = value; }
  int ShadowOffset() const { return shadowOffset_; }
  void SetShadowOffset(int value) { shadowOffset_ = value; }
  int ShadowTransparency() const { return shadowTransparency_; }
  void SetShadowTransparency(int value) { shadowTransparency_ = value; }
  // Published but never stored: both stay 0.
  TColor ShadowColor() const { return 0; }
  void SetShadowColor(TColor) {}
  int Blur() const { return 0; }
  void SetBlur(int) {}

  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* value);  // copies
  TPicture* Texture() const { return texture_.get(); }
  void SetTexture(TPicture* value);  // copies

 private:
  TsHintManager* manager_;
  bool shadowEnabled_ = false;
  int marginV_ = 10;
  int texturePercent_ = 0;
  int shadowBlur_ = 0;
  int transparency_ = 0;
  int gradientPercent_ = 0;
  int marginH_ = 15;
  int exOffset_ = 32;
  int shadowTransparency_ = 0;
  int shadowOffset_ = 0;
  int bevelWidth_ = 1;
  int maxWidth_ = 200;
  int radius_ = 20;
  int bevel_ = 0;
  std::string gradientData_;
  std::string textureFile_;
  TColor colorBorderTop_ = 0;
  TColor colorBorderBottom_ = 0;
  TColor color_ = 0;
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TPicture> texture_;
  TsHintStyle style_ = hsEllipse;
};

class TsHintManager : public TComponent {
 public:
  // Sets the application's hint pause (500 ms) and short pause (200 ms),
  // takes over its show-hint event and chooses the window class for the
  // default style.
  explicit TsHintManager(TComponent* owner);
  // When it is the current manager, the application gets back the
  // platform's hint window and its show-hint event is unbound.
  ~TsHintManager() override;

  // Milliseconds a hint stays; the application's hide pause follows it.
  int PauseHide() const { return pauseHide_; }
  void SetPauseHide(int value);
  bool HTMLMode() const { return htmlMode_; }
  void SetHTMLMode(bool value) { htmlMode_ = value; }
  // Only stored: Loaded (and UseSkinData going False) applies it.
  TsHintsPredefinitions Predefinitions() const { return predefinitions_; }
  void SetPredefinitions(TsHintsPredefinitions value) { predefinitions_ = value; }
  TsMousePosition DefaultMousePos() const { return defaultMousePos_; }
  void SetDefaultMousePos(TsMousePosition value) { defaultMousePos_ = value; }
  bool Animated() const { return animated_; }
  void SetAnimated(bool value) { animated_ = value; }
  // "HINT" when left empty.
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& value) { skinSection_ = value; }
  bool UseSkinData() const { return useSkinData_; }
  // False re-applies the window class and the preset.
  void SetUseSkinData(bool value);

  TsHintKind* HintKind() const { return hintKind_.get(); }
  TvxShowHintEvent OnShowHint;

  // Where the next hint goes; X -1: none recorded (the cursor then).
  TPoint HintPosition() const { return hintPos_; }
  void SetHintPosition(TPoint p) { hintPos_ = p; }
  // The 24-bit bitmap every hint window measures and composes on.
  TBitmap* WorkBitmap() const { return workBitmap_.get(); }

  // The hints paint from the skin: this manager is current and wants skin
  // data, the default skin manager is active and has the section.
  bool SkinDataInUse() const;

  void ChooseHintWindowClass();
  void ApplyPredefinitions();
  // The application's show-hint event while this manager holds it.
  void ShowHintHandler(std::string& hintStr, bool& canShow, THintInfo& hintInfo);

 protected:
  void Loaded() override;

 private:
  int pauseHide_ = 5000;
  bool htmlMode_ = false;
  TsHintsPredefinitions predefinitions_ = shEllipse;
  TsMousePosition defaultMousePos_ = mpLeftTop;
  bool animated_ = true;
  TPoint hintPos_{-1, -1};
  std::string skinSection_;
  bool useSkinData_ = false;
  std::unique_ptr<TsHintKind> hintKind_;
  std::unique_ptr<TBitmap> workBitmap_;
};

// The manager whose look the hint windows use; nullptr for the platform's
// hints or none.
extern TsHintManager* CurrentHintManager;
// A control to show inside the next hint instead of its text; the window
// that shows it frees it and clears this.
extern TControl* HintFrame;
// UpdateLayeredWindow of user32, bound by name at start-up; nullptr where
// the system lacks it (hints then paint over a snapshot of the screen).
using TUpdateLayeredWindowProc = int(__stdcall*)(void* window, void* screenDc, void* position,
                                                void* size, void* sourceDc, void* sourcePoint,
                                                unsigned long key, void* blend, unsigned long flags);
extern TUpdateLayeredWindowProc LayeredWindowProc;

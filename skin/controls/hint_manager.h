// The hint manager: the component that gives the application's hints their
// look. It keeps the whole look in its TsHintKind and sets the application's
// hint timings; the hint windows of its styles take their look from it.
// Until they do, hints show in the platform's standard hint window.
#pragma once

#include <memory>
#include <string>

#include "platform/graphics/colors.h"
#include "platform/rtl/classes.h"

class TFont;

enum TsHintStyle { hsSimply, hsComics, hsEllipse, hsBalloon, hsStandard, hsNone };
enum TsHintsPredefinitions {
  shSimply, shGradient, shTransparent, shEllipse, shBalloon, shComicsGradient,
  shComicsTransparent, shStandard, shNone, shCustom,
};
// The corner of the hint at which the mouse point lies.
enum TsMousePosition { mpLeftTop, mpLeftBottom, mpRightTop, mpRightBottom };

class TsHintManager;

class TsHintKind : public TPersistent {
 public:
  explicit TsHintKind(TsHintManager* owner);
  ~TsHintKind() override;

  TsHintManager* Manager() const { return manager_; }

  TsHintStyle Style() const { return style_; }
  void SetStyle(TsHintStyle value) { style_ = value; }
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
  int Bevel() const { return bevel_; }
  void SetBevel(int value) { bevel_ = value; }

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
  // Gradient steps in the skin's GRADIENTDATA text form.
  const std::string& GradientData() const { return gradientData_; }
  void SetGradientData(const std::string& value) { gradientData_ = value; }

  bool ShadowEnabled() const { return shadowEnabled_; }
  void SetShadowEnabled(bool value) { shadowEnabled_ = value; }
  int ShadowBlur() const { return shadowBlur_; }
  void SetShadowBlur(int value) { shadowBlur_ = value; }
  int ShadowOffset() const { return shadowOffset_; }
  void SetShadowOffset(int value) { shadowOffset_ = value; }
  int ShadowTransparency() const { return shadowTransparency_; }
  void SetShadowTransparency(int value) { shadowTransparency_ = value; }

  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* value);  // copies

 private:
  TsHintManager* manager_;
  TsHintStyle style_ = hsEllipse;
  int radius_ = 20;
  int exOffset_ = 32;
  int marginH_ = 15;
  int marginV_ = 10;
  int maxWidth_ = 200;
  int bevel_ = 0;
  TColor color_ = 0;
  TColor colorBorderTop_ = 0;
  TColor colorBorderBottom_ = 0;
  int transparency_ = 0;
  int gradientPercent_ = 0;
  std::string gradientData_;
  bool shadowEnabled_ = false;
  int shadowBlur_ = 0;
  int shadowOffset_ = 0;
  int shadowTransparency_ = 0;
  std::unique_ptr<TFont> font_;
};

class TsHintManager : public TComponent {
 public:
  // Sets the application's hint pause (500 ms) and short pause (200 ms).
  explicit TsHintManager(TComponent* owner);
  ~TsHintManager() override;

  // Milliseconds a hint stays; the application's hide pause follows it.
  int PauseHide() const { return pauseHide_; }
  void SetPauseHide(int value);
  // Applied to HintKind when the look is made by the hint windows.
  TsHintsPredefinitions Predefinitions() const { return predefinitions_; }
  void SetPredefinitions(TsHintsPredefinitions value) { predefinitions_ = value; }
  TsMousePosition DefaultMousePos() const { return defaultMousePos_; }
  void SetDefaultMousePos(TsMousePosition value) { defaultMousePos_ = value; }
  // "HINT" when left empty.
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& value) { skinSection_ = value; }
  bool UseSkinData() const { return useSkinData_; }
  void SetUseSkinData(bool value) { useSkinData_ = value; }

  TsHintKind* HintKind() const { return hintKind_.get(); }

 protected:
  void Loaded() override;

 private:
  int pauseHide_ = 5000;
  TsHintsPredefinitions predefinitions_ = shEllipse;
  TsMousePosition defaultMousePos_ = mpLeftTop;
  std::string skinSection_;
  bool useSkinData_ = false;
  std::unique_ptr<TsHintKind> hintKind_;
};

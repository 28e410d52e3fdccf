// The skinned speed button: the platform's windowless TSpeedButton painted
// from the skin section "SPEEDBUTTON" with the bit-map button's glyph,
// caption, disabled looks and hot fade, plus the tool-bar styles: check,
// drop-down with a menu, separator and divider. Its fade runs through a
// TsAnimTimer, as it has no window to draw frames on.
#pragma once

#include <memory>
#include <string>

#include "platform/forms/buttons.h"
#include "platform/forms/menus.h"
#include "platform/forms/tool_button_style.h"
#include "platform/graphics/image_list.h"
#include "skin/controls/bit_btn.h"
#include "skin/controls/fade_steps.h"
#include "skin/core/common_data.h"
#include "skin/core/section_painting.h"

class TsAnimTimer;

class TsSpeedButton : public TSpeedButton {
 public:
  explicit TsSpeedButton(TComponent* owner);
  ~TsSpeedButton() override;

  TsCommonData* SkinData() const { return skinData_.get(); }

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  int Blend() const { return blend_; }
  void SetBlend(int v);  // held to 0..100
  TToolButtonStyle ButtonStyle() const { return buttonStyle_; }
  // Into tbsDropDown the button grows 16 pixels for its arrow strip, out of
  // it it shrinks by as much (not while loading).
  void SetButtonStyle(TToolButtonStyle v);
  TsDisabledGlyphKind DisabledGlyphKind() const { return disabledGlyphKind_; }
  void SetDisabledGlyphKind(TsDisabledGlyphKind v);
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind v);
  TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
  void SetDropdownMenu(TPopupMenu* v);
  bool Grayed() const { return grayed_; }
  void SetGrayed(bool v);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v);
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* v);
  // Off: the caption is hidden (and kept, to come back when it is on).
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool v);
  bool DrawOverBorder() const { return drawOverBorder_; }
  void SetDrawOverBorder(bool v);
  int TextOffset() const { return textOffset_; }
  void SetTextOffset(int v);
  TAlignment TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(TAlignment v);
  TvxAnimatEvents AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(TvxAnimatEvents v) { animatEvents_ = v; }

  TBmpPaintEvent OnPaint;

  // 2 pressed (down or exclusive), 1 active, 0 normal.
  virtual int CurrentState();
  virtual TRect GlyphRect();
  virtual TRect CaptionRect();
  virtual int GlyphWidth();
  virtual int GlyphHeight();
  virtual TSize CaptionSize();

  // The running fade, nullptr when none.
  TsAnimTimer* AnimTimer() const { return animTimer_; }
  // While the button shows its drop-down menu.
  bool DropDownOpen() const { return dropDownOpen_; }
  // The caption kept while ShowCaption is off.
  const std::string& KeptCaption() const { return keptCaption_; }

  void Invalidate() override;
  // Between telling the parent that this button is the child it paints and
  // telling it that none is; nothing while it cannot be seen.
  void Repaint() override;
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

  virtual void DrawCaptionText(TCanvas* canvas, const std::string& text, TRect rect, unsigned flags);
  virtual void DrawCaption(int state);
  virtual void DrawGlyph();
  virtual void UpdateImageGlyph();
  // The face into the cache.
  virtual void PrepareCache();

 private:
  friend void DrawSpeedButtonGlyph(TsSpeedButton* button);

  bool Loading() const { return ComponentState().Contains(csLoading); }
  bool Destroying() const { return ComponentState().Contains(csDestroying); }
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  int Strip() const;
  void Changed();  // a look property changed
  void ApplyCaptionKeeping();
  void ApplySkinLook();
  void GlyphChanged(TObject* sender);
  bool HandleSkinCommand(TMessage& m);
  bool HandleSkinnedMessage(TMessage& m);
  void UnskinnedMessage(TMessage& m);
  void MouseEnter();
  void MouseLeave();
  void ChangeLook(bool animate, bool halveSteps);
  void StartFade(bool halveSteps);
  void StopAnimation();
  void OpenDropDown();
  void PaintFace(int state);
  void PaintArrowStrip(int state);
  void PaintGap();

  std::unique_ptr<TsCommonData> skinData_;
  TCacheInfo parentCache_{};
  TAlignment alignment_ = taCenter;
  int blend_ = 0;
  TToolButtonStyle buttonStyle_ = tbsButton;
  TsDisabledGlyphKind disabledGlyphKind_{dgBlended};
  TsDisabledKind disabledKind_{dkBlended};
  TPopupMenu* dropdownMenu_ = nullptr;
  bool grayed_ = false;
  int imageIndex_ = -1;
  TCustomImageList* images_ = nullptr;
  bool showCaption_ = true;
  bool drawOverBorder_ = true;
  int textOffset_ = 0;
  TAlignment textAlignment_ = taCenter;
  TvxAnimatEvents animatEvents_{aeGlobalDef};

  bool dropDownOpen_ = false;
  std::string keptCaption_;
  TButtonLayout paintedLayout_ = blGlyphLeft;
  int paintedMargin_ = -1;
  bool paintedDown_ = false;
  int paintedGlyphs_ = 1;
  int paintedSpacing_ = 4;
  TsAnimTimer* animTimer_ = nullptr;
  TNotifyEvent previousGlyphChange_;
};

// The speed button's glyph into its cache: the bit-map button's glyph
// painting with the button's state index, an image-list glyph greyed
// keeping its bottom-left pixel's colour.
void DrawSpeedButtonGlyph(TsSpeedButton* button);

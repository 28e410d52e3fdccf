// The hint windows of the hint manager's styles: a rectangle, a rounded
// rectangle with a tail, an ellipse with a tail and a balloon with a trail
// of bubbles. They take their whole look from CurrentHintManager; with skin
// data in use every shape paints the manager's skin section instead.
#pragma once

#include <memory>
#include <string>

#include "platform/forms/hintwnd.h"
#include "skin/controls/hint_geometry.h"
#include "skin/controls/hint_types.h"

class TBitmap;

class TsCustomHintWindow : public THintWindow {
 public:
  explicit TsCustomHintWindow(TComponent* owner);
  ~TsCustomHintWindow() override;

  // Without a current manager: an empty rectangle.
  TRect CalcHintRect(int maxWidth, const std::string& hint, void* data) override;
  void ActivateHint(TRect rect, const std::string& hint) override;
  void Dispatch(TMessage& message) override;

  // The point the hint's corner goes to.
  virtual void GetMousePosition(TPoint& point);
  // Into the manager's work bitmap when bitmap is nullptr.
  virtual void PaintShadow(TBitmap* bitmap);

  virtual TRect GetBodyRect();
  // New 24-bit bitmaps the caller owns.
  virtual TBitmap* MakeMask();
  virtual TBitmap* MakeImage();
  virtual void PaintBackground(TBitmap* bitmap, TRect rect);
  virtual void PaintBorder(TBitmap* bitmap);
  virtual void PaintText(TBitmap* bitmap);

  // The shape this class draws.
  virtual TsHintStyle Shape() const { return hsSimply; }
  TsMousePosition ShownCorner() const { return shownCorner_; }
  // The composed picture while a painting runs; nullptr otherwise.
  TBitmap* Image() const { return image_.get(); }
  int SectionIndex() const { return sectionIndex_; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;

  // Whether the hints paint from the skin now.
  bool SkinInUse() const;
  // The shadow offset in use: 0 with skin data or without shadow.
  int ShadowShift() const;
  TRect ClientArea() const;
  // The rounded or elliptic shape of the body, inset by `inset`, with its
  // tail, in the canvas's brush and pen (Comics and Ellipse).
  virtual void DrawShape(TCanvas* canvas, const TRect& body, int inset) {}
  // Comics and Ellipse: the shape in its mask's grey, and the blurred
  // shadow layers of it.
  TBitmap* MakeShapeMask();
  // Without skin data: the background over `area`, the text, the border.
  TBitmap* MakeOwnImage(const TRect& area);
  void PaintShapeShadow(TBitmap* target);
  void PaintTracedBorder(TBitmap* bitmap);

  // The manager's work bitmap.
  TBitmap* Work() const;

  int extraWidth_ = 0;
  int extraHeight_ = 0;

 private:
  void RebuildMaskAndRegion();
  bool ShowLayered(const TRect& r);
  bool ShowPlain(const TRect& r);

  int sectionIndex_ = -1;
  int maskIndex_ = -1;
  int patternIndex_ = -1;
  TsMousePosition shownCorner_ = mpLeftTop;
  std::unique_ptr<TBitmap> image_;
  std::unique_ptr<TBitmap> mask_;
  std::unique_ptr<TBitmap> snapshot_;
};

class TsSimplyHintWindow : public TsCustomHintWindow {
 public:
  using TsCustomHintWindow::TsCustomHintWindow;
  void GetMousePosition(TPoint& point) override;
  void PaintShadow(TBitmap* bitmap) override;
  TBitmap* MakeMask() override;
  TBitmap* MakeImage() override;
  void PaintBorder(TBitmap* bitmap) override;
};

class TsComicsHintWindow : public TsCustomHintWindow {
 public:
  using TsCustomHintWindow::TsCustomHintWindow;
  TsHintStyle Shape() const override { return hsComics; }
  void PaintShadow(TBitmap* bitmap) override;
  TBitmap* MakeMask() override;
  TBitmap* MakeImage() override;
  void PaintBorder(TBitmap* bitmap) override;

 protected:
  void DrawShape(TCanvas* canvas, const TRect& body, int inset) override;
};

class TsEllipseHintWindow : public TsComicsHintWindow {
 public:
  using TsComicsHintWindow::TsComicsHintWindow;
  TsHintStyle Shape() const override { return hsEllipse; }

 protected:
  void DrawShape(TCanvas* canvas, const TRect& body, int inset) override;
};

// Painted and bordered as the other shapes with a tail; its own mask and
// shadow.
class TsBalloonHintWindow : public TsComicsHintWindow {
 public:
  using TsComicsHintWindow::TsComicsHintWindow;
  TsHintStyle Shape() const override { return hsBalloon; }
  void PaintShadow(TBitmap* bitmap) override;
  TBitmap* MakeMask() override;

  int BubbleCount() const { return 5; }
  int BubbleDivisor() const { return 4; }

 private:
  // The balloon in layers 0..blur into a white bitmap of the window's size.
  TBitmap* MakeBalloon(int blur, int transparency);
};

// Panels, pictures and shapes.
#pragma once

#include <memory>

#include "platform/forms/controls.h"
#include "platform/forms/text_alignment.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/pen.h"
#include "platform/graphics/picture.h"

class TControlCanvas;

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// Draws a frame `width` pixels wide just inside `rect`, top and left in
// `topColor`, bottom and right in `bottomColor`, and shrinks `rect` by it.
void Frame3D(TCanvas* canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);

class TCustomPanel : public TCustomControl {
 public:
  explicit TCustomPanel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut v);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut v);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int v);
  // Space between the outer and the inner bevel, inside the client area
  // (the panel's own, not a window border).
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int v);
  // bsSingle adds the sunken window edge.
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle v);
  bool FullRepaint() const { return fullRepaint_; }
  void SetFullRepaint(bool v) { fullRepaint_ = v; }

  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void AdjustClientRect(TRect& rect) const override;
  void Paint() override;

 private:
  TAlignment alignment_ = taCenter;
  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TBorderStyle borderStyle_ = bsNone;
  bool fullRepaint_ = true;
};

class TPanel : public TCustomPanel {
 public:
  explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  ~TImage() override;

  TPicture* Picture() const { return picture_.get(); }
  void SetPicture(TPicture* v);  // copies
  // The bounds follow the picture's size.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v);
  // Placed in the middle of the bounds instead of the top-left corner.
  bool Center() const { return center_; }
  void SetCenter(bool v);
  // Keeps the picture's proportions when it is stretched, and shrinks a
  // picture larger than the bounds even without Stretch.
  bool Proportional() const { return proportional_; }
  void SetProportional(bool v);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool v);
  // The picture's transparent colour lets the parent show through.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);

  // Where the picture is drawn, in client coordinates.
  TRect DestRect() const;

 protected:
  void Paint() override;

 private:
  void PictureChanged();

  std::unique_ptr<TPicture> picture_;
  bool autoSize_ = false;
  bool center_ = false;
  bool proportional_ = false;
  bool stretch_ = false;
  bool transparent_ = false;
};

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
 public:
  explicit TShape(TComponent* owner);
  ~TShape() override;

  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType v);
  TPen* Pen() const { return pen_.get(); }
  void SetPen(TPen* v);  // copies
  TBrush* Brush() const { return brush_.get(); }
  void SetBrush(TBrush* v);  // copies

 protected:
  void Paint() override;

 private:
  TShapeType shape_ = stRectangle;
  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
};

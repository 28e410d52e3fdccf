// A pen's colour, width, style and mix mode and the HPEN made from them on
// first use. The mode is not part of the HPEN: the canvas sets it as the
// DC's ROP2 when it selects the pen.
#pragma once

#include "platform/graphics/colors.h"
#include "platform/graphics/graphics_object.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
  pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
  pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};

class TPen : public TGraphicsObject {
 public:
  TColor Color() const { return color_; }  // clBlack at first
  void SetColor(TColor color);
  int Width() const { return width_; }  // 1 at first
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode mode);
  void Assign(TPersistent* source) override;

  // The R2_* value of the mode.
  int Rop2() const;
  HPEN Handle() { return static_cast<HPEN>(ObjectHandle()); }

 protected:
  HGDIOBJ CreateObjectHandle(bool& owned) override;

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};

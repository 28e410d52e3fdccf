// Image lists over comctl32: equal-sized images, optionally masked, drawn
// normally or in the embossed disabled look.
#pragma once

#include <vector>

#include "platform/graphics/bitmap.h"
#include "platform/rtl/classes.h"

#include <commctrl.h>

class TCustomImageList;

// Tells its owner when an image list changes. Registered with
// RegisterChanges; leaves the list by itself when freed first.
class TChangeLink : public TObject {
 public:
  ~TChangeLink() override;
  TCustomImageList* Sender() const { return sender_; }
  virtual void Change();

  TNotifyEvent OnChange;

 private:
  friend class TCustomImageList;
  TCustomImageList* sender_ = nullptr;
};

class TCustomImageList : public TComponent {
 public:
  explicit TCustomImageList(TComponent* owner);
  ~TCustomImageList() override;

  // 16 x 16 at first; a new size empties the list.
  int Width() const { return width_; }
  void SetWidth(int width) { SetSize(width, height_); }
  int Height() const { return height_; }
  void SetHeight(int height) { SetSize(width_, height); }
  void SetSize(int width, int height);
  // Masked lists (the default) draw transparently; a change empties the list.
  bool Masked() const { return masked_; }
  void SetMasked(bool masked);
  int Count() const;
  TColor BkColor() const { return bkColor_; }  // clNone at first
  void SetBkColor(TColor color);

  // A bitmap holds one image or several side by side. The mask is
  // monochrome-like: white pixels are see-through. Answers the index of the
  // first image added, -1 on failure. The bitmaps are not changed.
  int Add(TBitmap* image, TBitmap* mask);
  int AddMasked(TBitmap* image, TColor maskColor);
  void Clear();

  // An index outside the list draws nothing.
  void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
  // Sizes the bitmap to the list's images and draws the image on it.
  void GetBitmap(int index, TBitmap* image);

  void RegisterChanges(TChangeLink* link);
  void UnRegisterChanges(TChangeLink* link);

  HIMAGELIST Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  TNotifyEvent OnChange;

 protected:
  virtual void Change();

 private:
  void FreeHandle();
  void DrawDisabled(HDC dc, int x, int y, int index);

  HIMAGELIST handle_ = nullptr;
  int width_ = 16;
  int height_ = 16;
  bool masked_ = true;
  TColor bkColor_ = clNone;
  std::vector<TChangeLink*> links_;
};

class TImageList : public TCustomImageList {
 public:
  using TCustomImageList::TCustomImageList;
};

// The base of the adapters of scrolling controls, and the adapters of edits
// (memos, list boxes, foreign edits), of a combo box's list window and of an
// MDI form's client window.
#pragma once

#include "skin/windows/scroll_wnd_win.h"

class TCustomForm;

// A control notification reflected to a key press; the adapters drop it.
inline constexpr UINT OCM_KEYDOWN = 0x2100;

class TvxBaseWnd : public TvxScrollWnd {
 public:
  using TvxScrollWnd::TvxScrollWnd;
  void WndProc(TMessage& message) override;
};

class TvxEditWnd : public TvxBaseWnd {
 public:
  explicit TvxEditWnd(const TvxAdapterArgs& args);
  void SaveColors() override;
  void RestoreColors() override;
  void ApplySkinColors() override;
  void WndProc(TMessage& message) override;

  TColor BackgroundColor = clWindow;  // without a control
  TColor FrameColor = 0;
  TColor SavedColor = clWindow;
  TColor SavedFontColor = clWindowText;

 protected:
  TControl* Control() const;
  // The cache brought up to date and the border image laid into it.
  void PrepareCache();
  // The section's border image over the whole cache, unless in dialog mode.
  void PaintBorderItem();
  // The frame ring of the cache, `width` wide, and the bars on the DC.
  void PaintFrame(HDC dc, int width);
  void Print(TMessage& message);
};

class TvxComboListWnd : public TvxEditWnd {
 public:
  explicit TvxComboListWnd(const TvxAdapterArgs& args);
  void WndProc(TMessage& message) override;

  bool ListShown = false;
  bool SimpleBox = false;  // the list of a CBS_SIMPLE combo box

 private:
  void PrepareListCache();
  void PaintBelowSimpleList();
};

class TvxMDIWnd : public TvxBaseWnd {
 public:
  // args.SkinData: the record of the form's skin provider (borrowed); the
  // provider and its form are found through it.
  explicit TvxMDIWnd(const TvxAdapterArgs& args);
  ~TvxMDIWnd() override;
  void WndProc(TMessage& message) override;

  TCustomForm* Form = nullptr;
  TsCommonData* FormSkinData = nullptr;
  TPersistent* Provider = nullptr;

 protected:
  TPoint CacheOffset() const override;

 private:
  bool ChildMaximized() const;
  void PaintClientBackground(HDC dc, bool print);
};

// A skinned memo with a window always has a hooked edit adapter on it
// (section "EDIT", the memo's record); one whose window went is replaced;
// an unskinned memo has none. Replaced adapters are freed.
void UpdateMemoAdapter(TsCommonData* record, TvxEditWnd*& adapter);

// The adapters of combo boxes the library does not draw itself: the combo
// boxes of foreign dialogs and of other class libraries. The frame and the
// drop-down button come from the skin, the drop-down list gets an adapter of
// its own and the list's colours from the list's section.
#pragma once

#include <memory>

#include "skin/windows/base_wnd_win.h"

class TvxComboBoxWnd : public TvxEditWnd {
 public:
  explicit TvxComboBoxWnd(const TvxAdapterArgs& args);
  ~TvxComboBoxWnd() override;
  void WndProc(TMessage& message) override;
  // The drop-down button in window coordinates; zero wide when the box
  // shows none.
  virtual TRect GetButtonRect() const;

  HWND ListHandle = nullptr;  // the list window, known from the first WM_CTLCOLORLISTBOX
  TvxComboListWnd* ListAdapter = nullptr;  // owned

 protected:
  // 0 normal, 1 hot, 2 pressed (the list is shown).
  int ButtonState() const;
  // The button laid over a copy of the cache; only its rectangle reaches the DC.
  void PaintButton(HDC dc);
  void PaintButtonOnWindow();
  bool SimpleBox() const;
  // The cache of a CBS_SIMPLE box: the edit's height above the list.
  void PrepareSimpleCache();
  // The selected item's text (else the window's) into the cache.
  void PrintText();

 private:
  void ColorList(TMessage& message);
  void MakeListAdapter();
  void PaintWindow(TMessage& message);
  void PrintWindow(TMessage& message);

  // A record of the adapter's own that nothing paints with.
  std::unique_ptr<TsCommonData> spareSkinData_;
  HBRUSH listBrush_ = nullptr;  // answered for the list; deleted with the adapter
};

// Combo-like edits of other class libraries: made on the control, with the
// button decided once from the control's class and style.
class TvxWWComboBoxWnd : public TvxComboBoxWnd {
 public:
  // args.Handle is taken from the control when it has a window.
  TvxWWComboBoxWnd(TWinControl* control, const TvxAdapterArgs& args);
  // Made and hooked; free it with Free() or FreeAdapter.
  static TvxWWComboBoxWnd* CreateOn(TWinControl* control, const TvxAdapterArgs& args);
  TRect GetButtonRect() const override;
  // A "TComboBox" shows a button only in its drop-down styles; every other
  // class always does.
  static bool HasDropDownButton(TControl* control);

  bool HasButton = true;
};

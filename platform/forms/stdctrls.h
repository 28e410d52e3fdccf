// The standard controls over the system's window classes: single- and
// multi-line edits, push buttons, check boxes, combo boxes, and the
// windowless label.
//
// Text goes in and out as 1251 bytes through the W window calls, so what a
// user types (Cyrillic included) reads back byte-exact. Lists that live in a
// window (memo lines, combo items) are TStrings that talk to the window while
// it exists and keep their contents in memory while it does not, so they
// survive RecreateWnd and can be filled before the window is made.
#pragma once

#include "platform/forms/controls.h"
#include "platform/forms/forms.h"

#include <functional>
#include <memory>
#include <string>

#include "platform/forms/owner_draw.h"
#include "platform/forms/text_alignment.h"
#include "platform/rtl/strings.h"
#include "platform/rtl/sysutils.h"

// The windows are always made with the system's new-style controls.
constexpr bool NewStyleControls = true;

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// Raised when a window refuses to take a line ("Unable to insert a line").
class EOutOfResources : public EOutOfMemory { using EOutOfMemory::EOutOfMemory; };

// True when `charCode` is the accelerator ('&' + letter) of `caption`,
// compared without case; "&&" is a literal ampersand.
bool IsAccel(WORD charCode, const std::string& caption);
// The caption as shown: accelerator marks dropped, "&&" as one ampersand.
std::string WithoutAmpersands(const std::string& caption);

// -- Edits ------------------------------------------------------------------------

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);
  ~TCustomEdit() override;

  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool v) { autoSelect_ = v; }
  // Height follows the font (single-line edits only).
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle v);
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase v);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool v);
  // Characters; 0 means no limit of ours.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int v);
  bool Modified() const;
  void SetModified(bool v);
  char PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char v);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v);

  // Selection in characters (1251 text has one UTF-16 unit per byte).
  int SelStart() const;
  void SetSelStart(int v);
  int SelLength() const;
  void SetSelLength(int v);
  std::string SelText() const;
  void SetSelText(const std::string& v);  // replaces the selection, undoable

  void Clear();
  void ClearSelection();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void Undo();
  void ClearUndo();
  bool CanUndo() const;
  void SelectAll();

  TNotifyEvent OnChange;

  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  virtual void Change();
  virtual void AdjustHeight();
  // True for the edits whose height AutoSize may change.
  virtual bool IsSingleLine() const { return true; }

 private:
  bool autoSelect_ = true;
  bool autoSize_ = true;
  TBorderStyle borderStyle_ = bsSingle;
  TEditCharCase charCase_ = ecNormal;
  bool hideSelection_ = true;
  int maxLength_ = 0;
  char passwordChar_ = 0;
  bool readOnly_ = false;
  bool creating_ = false;
  std::string lastText_;  // the text OnChange last reported
  // Selection kept while the window is made again.
  int savedSelStart_ = 0, savedSelLength_ = 0;
  bool savedModified_ = false;
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};

class TCustomMemo : public TCustomEdit {
 public:
  explicit TCustomMemo(TComponent* owner);
  ~TCustomMemo() override;

  // One string per line of the window (a soft break of WordWrap starts a
  // line too, as the window counts them).
  TStrings* Lines() const { return lines_.get(); }
  void SetLines(TStrings* v);  // copies

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle v);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);
  // Enter inserts a line break instead of pressing the default button.
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool v) { wantReturns_ = v; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool v) { wantTabs_ = v; }

  // Caret as (column, line).
  TPoint CaretPos() const;
  void SetCaretPos(TPoint p);

  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  bool IsSingleLine() const override { return false; }

 private:
  std::unique_ptr<TStrings> lines_;
  TAlignment alignment_ = taLeftJustify;
  TScrollStyle scrollBars_ = ssNone;
  bool wordWrap_ = true;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
};

class TMemo : public TCustomMemo {
 public:
  explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
};

// -- Buttons ----------------------------------------------------------------------

class TButtonControl : public TWinControl {
 public:
  explicit TButtonControl(TComponent* owner);

  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);

 protected:
  void CreateParams(TCreateParams& params) override;
  virtual bool GetChecked() const { return false; }
  virtual void SetChecked(bool v) {}
  // Set while the state is changed by code that must not fire OnClick.
  bool ClicksDisabled() const { return clicksDisabled_; }
  void SetClicksDisabled(bool v) { clicksDisabled_ = v; }

 private:
  bool wordWrap_ = false;
  bool clicksDisabled_ = false;
};

class TButton : public TButtonControl {
 public:
  explicit TButton(TComponent* owner);

  // Enter pressed anywhere on the form (but on another button) clicks it.
  bool Default() const { return default_; }
  void SetDefault(bool v);
  // Esc clicks it.
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v) { cancel_ = v; }
  // Given to the form when clicked; a modal form then closes with it.
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult v) { modalResult_ = v; }

  void Click() override;
  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  // Shows the button as the one Enter presses (BS_DEFPUSHBUTTON) or not.
  virtual void SetButtonStyle(bool isDefault);
  // The look SetButtonStyle last gave.
  bool DefaultStyleShown() const { return styleDefault_; }
  // The button Enter would press now: the focused button, else the Default one.
  bool Active() const { return active_; }

 private:
  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;
  bool styleDefault_ = false;
  TModalResult modalResult_ = 0;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCustomCheckBox : public TButtonControl {
 public:
  explicit TCustomCheckBox(TComponent* owner);

  // Side of the text: taRightJustify puts it right of the box.
  TLeftRight Alignment() const { return alignment_; }
  void SetAlignment(TLeftRight v);
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool v) { allowGrayed_ = v; }
  bool Checked() const { return GetChecked(); }
  void SetChecked(bool v) override;
  TCheckBoxState State() const { return state_; }
  // Fires OnClick when the state changes (also when code changes it).
  void SetState(TCheckBoxState v);

  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  bool GetChecked() const override { return state_ == cbChecked; }
  virtual void Toggle();

 private:
  TLeftRight alignment_ = lrRightJustify;
  bool allowGrayed_ = false;
  TCheckBoxState state_ = cbUnchecked;
};

class TCheckBox : public TCustomCheckBox {
 public:
  explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
};

// -- Label ------------------------------------------------------------------------

class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  // The bounds follow the text; the edge opposite the alignment stays put.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v);
  // Focused when the label's accelerator is pressed.
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* v);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout v);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool v);
  // Without it the label fills its bounds with Color first.
  bool Transparent() const { return !ControlStyle().Contains(csOpaque); }
  void SetTransparent(bool v);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);

  virtual std::string GetLabelText() const { return Caption(); }

  void Dispatch(TMessage& message) override;

 protected:
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void Paint() override;
  // Draws (or with DT_CALCRECT measures into `rect`) the label's text on
  // Canvas with DrawText flags; a disabled label draws embossed.
  virtual void DoDrawText(TRect& rect, int flags);
  virtual void AdjustBounds();
  // DrawText flags of Alignment, WordWrap and DT_EXPANDTABS.
  int TextFlags() const;

 private:
  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = true;
  TWinControl* focusControl_ = nullptr;
  TTextLayout layout_ = tlTop;
  bool showAccelChar_ = true;
  bool wordWrap_ = false;
  bool adjusting_ = false;
};

class TLabel : public TCustomLabel {
 public:
  explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
};

// -- Combo box --------------------------------------------------------------------

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

using TDrawItemEvent =
    std::function<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = std::function<void(TWinControl* Control, int Index, int& Height)>;

namespace brsm {
// Window style bits of the combo box styles, character cases and sorting,
// for combo boxes that make their own "COMBOBOX" windows.
DWORD ComboBoxStyleBits(TComboBoxStyle style);
DWORD ComboBoxCharCaseBits(TEditCharCase charCase);
DWORD ComboBoxSortBits(bool sorted);
}  // namespace brsm

class TCustomComboBox : public TWinControl {
 public:
  explicit TCustomComboBox(TComponent* owner);
  ~TCustomComboBox() override;

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle v);  // makes the window again
  TStrings* Items() const { return items_.get(); }
  void SetItems(TStrings* v);  // copies
  int ItemIndex() const;
  void SetItemIndex(int v);  // -1 clears the selection
  // Rows shown by the open list before it scrolls.
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int v) { dropDownCount_ = v; }
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase v);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool v);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int v);
  // Height of a list row; owner-drawn styles use the stored value.
  int ItemHeight() const;
  void SetItemHeight(int v);
  bool DroppedDown() const;
  void SetDroppedDown(bool v);

  int SelStart() const;
  void SetSelStart(int v);
  int SelLength() const;
  void SetSelLength(int v);
  std::string SelText() const;
  void SetSelText(const std::string& v);
  void SelectAll();
  void Clear();  // items and text
  void AddItem(const std::string& item, TObject* object);

  // Bound to the item's DC while OnDrawItem runs.
  TCanvas* Canvas() const;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  std::string GetText() const override;

  virtual void Change();
  // A row picked from the list: OnSelect, or OnChange without it.
  virtual void Select();
  virtual void DropDown();
  virtual void CloseUp();
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
  virtual void MeasureItem(int index, int& height);

 private:
  friend class TComboBoxStrings;
  void AdjustDropDown();
  void CNCommand(TMessage& m);
  void CNDrawItem(TMessage& m);
  void CNMeasureItem(TMessage& m);

  TComboBoxStyle style_ = csDropDown;
  std::unique_ptr<TStrings> items_;
  std::unique_ptr<TControlCanvas> canvas_;
  int dropDownCount_ = 8;
  TEditCharCase charCase_ = ecNormal;
  bool sorted_ = false;
  int maxLength_ = 0;
  int itemHeight_ = 16;
  int savedIndex_ = -1;  // the selection while there is no window
};

class TComboBox : public TCustomComboBox {
 public:
  explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
};

// The system's open and save dialogs, and the library's own message dialog:
// ShowMessage and MessageDlg show a fresh form of the window class
// "TMessageForm" each time, modally, and free it afterwards.
#pragma once

#include <memory>
#include <string>

#include "platform/forms/forms.h"
#include "platform/rtl/strings.h"

class TButton;
class TImage;
class TLabel;

// -- File dialogs -----------------------------------------------------------------

enum TOpenOption {
  ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate,
  ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt,
  ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames,
  ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing,
  ofDontAddToRecent, ofForceShowHidden,
};
using TOpenOptions = TSet<TOpenOption>;

namespace brsm {
// The OFN_* flags of a set of options (OFN_EXPLORER unless ofOldStyleDialog).
DWORD OpenOptionsToFlags(TOpenOptions options);
// "Text|*.txt|All|*.*" as the system wants it: pairs ended by NUL, the
// whole ended by a second NUL.
std::wstring FilterToSystem(const std::string& filter);
}  // namespace brsm

class TCommonDialog : public TComponent {
 public:
  explicit TCommonDialog(TComponent* owner);
  ~TCommonDialog() override;

  // Shows the dialog modally over the active form; true when the user
  // confirmed it.
  virtual bool Execute() = 0;
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int v) { helpContext_ = v; }

 protected:
  // The window the dialog belongs to: the active form, else the
  // application's window.
  static HWND OwnerWindow();

 private:
  int helpContext_ = 0;
};

class TOpenDialog : public TCommonDialog {
 public:
  explicit TOpenDialog(TComponent* owner);
  ~TOpenDialog() override;

  bool Execute() override;

  // Appended (without the dot) to a name typed without extension.
  const std::string& DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const std::string& v) { defaultExt_ = v; }
  // The chosen file; shown in the dialog when it opens.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& v) { fileName_ = v; }
  // Every chosen file (one unless ofAllowMultiSelect).
  TStrings* Files() const { return files_.get(); }
  // "Description|*.ext" pairs separated by '|'.
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& v) { filter_ = v; }
  // 1-based index of the chosen filter.
  int FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(int v) { filterIndex_ = v; }
  const std::string& InitialDir() const { return initialDir_; }
  void SetInitialDir(const std::string& v) { initialDir_ = v; }
  TOpenOptions Options() const { return options_; }
  void SetOptions(TOpenOptions v) { options_ = v; }
  // The dialog's caption; empty for the system's "Open" / "Save As".
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& v) { title_ = v; }

 protected:
  enum class Kind { Open, Save };
  bool DoExecute(Kind kind);

 private:
  std::string defaultExt_;
  std::string fileName_;
  std::unique_ptr<TStrings> files_;
  std::string filter_;
  int filterIndex_ = 1;
  std::string initialDir_;
  TOpenOptions options_{ofHideReadOnly, ofEnableSizing};
  std::string title_;
};

class TSaveDialog : public TOpenDialog {
 public:
  explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner) {}
  bool Execute() override;
};

// -- Message dialog ---------------------------------------------------------------

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
inline const TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline const TMsgDlgButtons mbYesNo{mbYes, mbNo};
inline const TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// The message dialog's form: an icon for the dialog type, the message and
// one button per kind asked for, laid out for the text.
class TMessageForm : public TForm {
 public:
  TMessageForm(TComponent* owner, const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons);

  TLabel* MessageLabel() const { return message_; }
  TImage* IconImage() const { return icon_; }
  TButton* Button(TMsgDlgBtn kind) const { return buttons_[kind]; }

  // The captions ("Warning", "Error", "Information", "Confirm"; the
  // application's title for mtCustom) and button texts of the dialog.
  static std::string TypeCaption(TMsgDlgType type);
  static std::string ButtonCaption(TMsgDlgBtn button);
  static TModalResult ButtonModalResult(TMsgDlgBtn button);

  // The dialog's whole text as the system's message boxes copy theirs
  // (brsm::MessageBoxCopyText of the caption, message and buttons shown).
  std::string CopyText() const;

 protected:
  // Ctrl+C and Ctrl+Ins put CopyText() on the clipboard.
  void KeyDown(WORD& key, TShiftState shift) override;

 private:
  TLabel* message_ = nullptr;
  TImage* icon_ = nullptr;
  TButton* buttons_[mbHelp + 1] = {};
};

// A new message form, not yet shown; the caller frees it.
TMessageForm* CreateMessageDialog(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons);
// The message with an OK button under the application's title.
void ShowMessage(const std::string& message);
// The modal result of the button the user pressed.
TModalResult MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);
// As MessageDlg with the dialog's top-left corner at (x, y); -1 centres it.
TModalResult MessageDlgPos(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons,
                           int helpContext, int x, int y);

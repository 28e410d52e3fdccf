// The open and save dialogs of comdlg32, in their Unicode form.
#include "platform/forms/dialogs.h"

#include <cderr.h>
#include <commdlg.h>

#include <vector>

#include "platform/rtl/text1251.h"

namespace brsm {

DWORD OpenOptionsToFlags(TOpenOptions options) {
  struct Bit {
    TOpenOption option;
    DWORD flag;
  };
  static constexpr Bit bits[] = {
      {ofReadOnly, OFN_READONLY},
      {ofOverwritePrompt, OFN_OVERWRITEPROMPT},
      {ofHideReadOnly, OFN_HIDEREADONLY},
      {ofNoChangeDir, OFN_NOCHANGEDIR},
      {ofShowHelp, OFN_SHOWHELP},
      {ofNoValidate, OFN_NOVALIDATE},
      {ofAllowMultiSelect, OFN_ALLOWMULTISELECT},
      {ofExtensionDifferent, OFN_EXTENSIONDIFFERENT},
      {ofPathMustExist, OFN_PATHMUSTEXIST},
      {ofFileMustExist, OFN_FILEMUSTEXIST},
      {ofCreatePrompt, OFN_CREATEPROMPT},
      {ofShareAware, OFN_SHAREAWARE},
      {ofNoReadOnlyReturn, OFN_NOREADONLYRETURN},
      {ofNoTestFileCreate, OFN_NOTESTFILECREATE},
      {ofNoNetworkButton, OFN_NONETWORKBUTTON},
      {ofNoLongNames, OFN_NOLONGNAMES},
      {ofNoDereferenceLinks, OFN_NODEREFERENCELINKS},
      {ofEnableIncludeNotify, OFN_ENABLEINCLUDENOTIFY},
      {ofEnableSizing, OFN_ENABLESIZING},
      {ofDontAddToRecent, OFN_DONTADDTORECENT},
      {ofForceShowHidden, OFN_FORCESHOWHIDDEN},
  };
  DWORD flags = options.Contains(ofOldStyleDialog) ? 0 : OFN_EXPLORER;
  for (const Bit& b : bits)
    if (options.Contains(b.option)) flags |= b.flag;
  return flags;
}

std::wstring FilterToSystem(const std::string& filter) {
  if (filter.empty()) return {};
  std::wstring out = ToUtf16(filter);
  for (wchar_t& c : out)
    if (c == L'|') c = L'\0';
  // One NUL ends the last string, the second ends the list.
  out.push_back(L'\0');
  out.push_back(L'\0');
  return out;
}

}  // namespace brsm

TCommonDialog::TCommonDialog(TComponent* owner) : TComponent(owner) {}
TCommonDialog::~TCommonDialog() = default;

HWND TCommonDialog::OwnerWindow() {
  if (Screen) {
    if (TCustomForm* form = Screen->ActiveCustomForm())
      if (form->HandleAllocated() && IsWindowEnabled(form->HandleIfAllocated())) return form->HandleIfAllocated();
  }
  return Application ? Application->Handle() : nullptr;
}

TOpenDialog::TOpenDialog(TComponent* owner) : TCommonDialog(owner), files_(std::make_unique<TStringList>()) {}
TOpenDialog::~TOpenDialog() = default;

bool TOpenDialog::Execute() { return DoExecute(Kind::Open); }
bool TSaveDialog::Execute() { return DoExecute(Kind::Save); }

bool TOpenDialog::DoExecute(Kind kind) {
  const bool multi = options_.Contains(ofAllowMultiSelect);
  std::vector<wchar_t> buffer(multi ? 0xFFFF : 4 * MAX_PATH, L'\0');
  const std::wstring filter = brsm::FilterToSystem(filter_);
  const std::wstring initialDir = brsm::ToUtf16(initialDir_);
  const std::wstring title = brsm::ToUtf16(title_);
  std::wstring defaultExt = brsm::ToUtf16(defaultExt_);
  if (!defaultExt.empty() && defaultExt[0] == L'.') defaultExt.erase(0, 1);

  auto run = [&](const std::wstring& initialName, OPENFILENAMEW& ofn) {
    std::fill(buffer.begin(), buffer.end(), L'\0');
    std::copy_n(initialName.begin(), std::min(initialName.size(), buffer.size() - 1), buffer.begin());
    ofn = OPENFILENAMEW{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = OwnerWindow();
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(filterIndex_ > 0 ? filterIndex_ : 1);
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
    ofn.Flags = brsm::OpenOptionsToFlags(options_);
    return kind == Kind::Save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  };

  if (Application) Application->CancelHint();
  OPENFILENAMEW ofn{};
  BOOL ok = run(brsm::ToUtf16(fileName_), ofn);
  // A stored name the system cannot show would keep the dialog from ever
  // opening: open it without the name instead.
  if (!ok && CommDlgExtendedError() == FNERR_INVALIDFILENAME && !fileName_.empty())
    ok = run(std::wstring(), ofn);
  if (!ok) return false;

  files_->Clear();
  const wchar_t* first = buffer.data();
  const size_t firstLength = wcslen(first);
  if (multi && first[firstLength + 1] != L'\0') {
    // A folder followed by the names chosen in it.
    std::wstring folder(first, firstLength);
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    for (const wchar_t* name = first + firstLength + 1; *name; name += wcslen(name) + 1)
      files_->Add(brsm::FromUtf16(folder + name));
  } else {
    files_->Add(brsm::FromUtf16(first));
  }
  fileName_ = files_->Strings(0);
  filterIndex_ = static_cast<int>(ofn.nFilterIndex);
  if (ofn.Flags & OFN_READONLY) options_.Include(ofReadOnly);
  else options_.Exclude(ofReadOnly);
  if (ofn.Flags & OFN_EXTENSIONDIFFERENT) options_.Include(ofExtensionDifferent);
  else options_.Exclude(ofExtensionDifferent);
  return true;
}

#include "skin/core/skin_utils_win.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/graphics/icon.h"
#include "platform/rtl/files.h"
#include "platform/rtl/text1251.h"

TIcon* GetFileIcon(const std::string& fileName, unsigned flags) {
  if (!FileExists(fileName)) return nullptr;
  SHFILEINFOW info{};
  const UINT kind = (flags & 1) ? SHGFI_SMALLICON : SHGFI_LARGEICON;
  const std::wstring name = brsm::ToUtf16(fileName);
  if (!SHGetFileInfoW(name.c_str(), 0, &info, sizeof info, SHGFI_ICON | kind | flags) ||
      !info.hIcon)
    return nullptr;
  auto* icon = new TIcon();
  icon->SetHandle(info.hIcon);
  if (icon->Empty()) {
    delete icon;
    return nullptr;
  }
  return icon;
}

namespace {

TIcon* appSmallIcon = nullptr;
TIcon* appLargeIcon = nullptr;

}  // namespace

TIcon* AppSmallIcon() { return appSmallIcon; }
TIcon* AppLargeIcon() { return appLargeIcon; }

void LoadAppIcons() {
  FreeAppIcons();
  wchar_t path[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return;
  const std::string exe = brsm::FromUtf16(path);
  appSmallIcon = GetFileIcon(exe, 1);
  appLargeIcon = GetFileIcon(exe, 0);
}

void FreeAppIcons() {
  delete appSmallIcon;
  appSmallIcon = nullptr;
  delete appLargeIcon;
  appLargeIcon = nullptr;
}

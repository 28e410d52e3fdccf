// The Win32 answers of the skin core's platform seam.
#include <windows.h>

#include <cstddef>

#include "platform/rtl/text1251.h"
#include "skin/core/skin_platform.h"

namespace {

TSkinMessageBoxAnswer messageBoxAnswer = nullptr;

class TWindowsSkinPlatform final : public TSkinPlatform {
 public:
  void ShowMessageBox(TSkinBoxKind kind, const std::string& text) override {
    if (messageBoxAnswer) {
      messageBoxAnswer(kind, text);
      return;
    }
    const bool error = kind == TSkinBoxKind::Error;
    const std::wstring body = brsm::ToUtf16(text);
    MessageBoxW(GetActiveWindow(), body.c_str(), error ? L"Error" : L"Warning",
                MB_OK | (error ? MB_ICONHAND : MB_ICONEXCLAMATION) | MB_TASKMODAL);
  }

  void OsVersion(int& major, int& minor) override {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const BOOL ok = GetVersionExW(&info);
#pragma GCC diagnostic pop
    major = ok ? static_cast<int>(info.dwMajorVersion) : 0;
    minor = ok ? static_cast<int>(info.dwMinorVersion) : 0;
  }

  int HScrollArrowWidth() override { return GetSystemMetrics(SM_CXHSCROLL); }

  int CaptionFontHeight() override {
    // The size without iPaddedBorderWidth, which every system accepts.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return 0;
    return metrics.lfCaptionFont.lfHeight;
  }
};

TWindowsSkinPlatform windowsPlatform;

}  // namespace

void UseWindowsSkinPlatform() { SetSkinPlatform(&windowsPlatform); }

void SetSkinMessageBoxAnswer(TSkinMessageBoxAnswer answer) { messageBoxAnswer = answer; }

// Skinned forms for the provider's Wine tests: the engine started as the
// programs start it, Marl made by the kit in a scratch folder, a form that
// writes down what reaches its own procedure, and a platform that can
// claim an older system.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/forms.h"
#include "platform/rtl/text1251.h"
#include "skin/core/control_model.h"
#include "skin/core/manager_platform.h"
#include "skin/core/paint_seam.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skin_platform.h"
#include "skin/core/skinned_forms.h"
#include "skin/windows/skin_provider.h"
#include "skin/windows/skin_windows_start_win.h"
#include "tools/skinkit/marl_skin.h"

namespace providertest {

// The form's own procedure: what the provider passed on.
class TRecordingForm : public TForm {
 public:
  explicit TRecordingForm(TComponent* owner) : TForm(owner) {
    SetBounds(80, 80, 300, 220);
    SetCaption("Provider");
  }
  void WndProc(TMessage& m) override {
    Got.push_back(m.Msg);
    if (m.Msg == CommandMessage) Commands.push_back(SkinCmdOf(m.WParam));
    if (OnMessage) OnMessage(m);
    TForm::WndProc(m);
  }
  int Count(UINT msg) const {
    int n = 0;
    for (UINT g : Got) n += g == msg;
    return n;
  }
  std::vector<UINT> Got;
  std::vector<int> Commands;
  std::function<void(TMessage&)> OnMessage;  // runs before the form's handling
};

// A 16 x 16 icon of one colour (0x00RRGGBB), so a drawn icon can be read back.
inline HICON SolidIcon(DWORD rgb) {
  BYTE andBits[16 * 16 / 8] = {};
  std::vector<DWORD> pixels(16 * 16, rgb);
  HBITMAP color = CreateBitmap(16, 16, 1, 32, pixels.data());
  HBITMAP mask = CreateBitmap(16, 16, 1, 1, andBits);
  ICONINFO info{TRUE, 0, 0, mask, color};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(color);
  DeleteObject(mask);
  return icon;
}

// The pointer moved as a user moves it: the system's own mouse messages.
inline void MovePointer(int x, int y) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof(in));
}

// Pumps until `done` holds, for two seconds at most.
template <class Done>
bool PumpUntil(Done done) {
  for (int i = 0; i < 100 && !done(); ++i) {
    Sleep(20);
    Application->ProcessMessages();
  }
  return done();
}

// Answers an older or newer system; the Windows answers come back after.
class TVersionPlatform : public TSkinPlatform {
 public:
  explicit TVersionPlatform(int major) : major_(major) { SetSkinPlatform(this); }
  ~TVersionPlatform() override { UseWindowsSkinPlatform(); }
  void ShowMessageBox(TSkinBoxKind, const std::string&) override {}
  void OsVersion(int& major, int& minor) override {
    major = major_;
    minor = 1;
  }
  int HScrollArrowWidth() override { return GetSystemMetrics(SM_CXHSCROLL); }
  int CaptionFontHeight() override { return 13; }

 private:
  int major_;
};

class ProviderWinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    UseWindowsSkinPlatform();
    UseWindowsPaintSeam();
    UseWindowsControlModel();
    UseWindowsSkinManager();
    brsm::StartSkinWindows();
    wchar_t tmp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, tmp);
    skins_ = std::filesystem::path(tmp) / ("brsm-provider-" + std::to_string(GetCurrentProcessId()));
    ASSERT_TRUE(brsm::kit::MakeMarlSkin().WriteFolder(SkinDirectory()));
  }
  static void TearDownTestSuite() {
    std::error_code ec;
    std::filesystem::remove_all(skins_, ec);
  }
  static std::string SkinDirectory() { return brsm::FromUtf16(skins_.wstring()); }

  void TearDown() override {
    form.reset();
    EXPECT_EQ(DefaultManager, nullptr);
    EXPECT_TRUE(SkinnedFormList().empty());
  }

  // A recording form with Marl's manager on it (the process's default
  // manager); shown and active when asked.
  TRecordingForm* MakeForm(TFormBorderStyle border = bsSizeable) {
    form = std::make_unique<TRecordingForm>(Application);
    // These tests place their providers by hand: the creation hook keeps off.
    form->SetTag(-98);
    form->SetBorderStyle(border);
    manager = new TsSkinManager(form.get());
    manager->SetSkinDirectory(SkinDirectory());
    manager->SetSkinName("Marl");
    EXPECT_TRUE(manager->Active());
    return form.get();
  }
  // MakeForm with a provider placed on the form, shown and painted.
  TsSkinProvider* Skinned(TFormBorderStyle border = bsSizeable) {
    MakeForm(border);
    auto* p = new TsSkinProvider(form.get());
    ShowAndActivate();
    p->RepaintFrameNow();
    Pump();
    return p;
  }
  void ShowAndActivate() {
    form->Show();
    SetForegroundWindow(form->Handle());
    SetActiveWindow(form->Handle());
    Pump();
  }
  static void Pump() {
    for (int i = 0; i < 5; ++i) Application->ProcessMessages();
  }
  HWND Wnd() const { return form->Handle(); }
  LONG Style() const { return GetWindowLongW(form->Handle(), GWL_STYLE); }
  LRESULT Command(uint16_t code, LPARAM lParam = 0, uint16_t argument = 0) const {
    return SendMessageW(form->Handle(), CommandMessage, SkinCmdWParam(code, argument), lParam);
  }
  bool HasRegion() const {
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(form->Handle(), r);
    DeleteObject(r);
    return kind != ERROR;
  }

  std::unique_ptr<TRecordingForm> form;
  TsSkinManager* manager = nullptr;
  static inline std::filesystem::path skins_;
};

}  // namespace providertest

// Hint windows under Wine without a skin: the class each style chooses, the
// plain path's repaint, the answers to the command message, and a manager
// freed before the application.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "platform/forms/forms.h"
#include "platform/forms/hintwnd.h"
#include "platform/graphics/bitmap.h"
#include "skin/controls/hint_manager.h"
#include "skin/controls/hint_windows.h"
#include "skin/controls/skin_controls_start_win.h"
#include "skin/core/common_data.h"
#include "skin/core/paint_seam.h"
#include "skin/core/skin_commands.h"
#include "skin/core/skin_platform.h"
#include "tests/support/gdi_objects.h"
#include "tests/support/screenshot.h"

namespace {

std::vector<COLORREF> WindowPixels(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  HDC dc = GetDC(window);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < r.bottom; y += 2)
    for (int x = 0; x < r.right; x += 2) pixels.push_back(::GetPixel(dc, x, y));
  ReleaseDC(window, dc);
  return pixels;
}

class HintWindows : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    UseWindowsSkinPlatform();
    UseWindowsPaintSeam();
    brsm::StartSkinControls();
  }
  void SetUp() override { manager_ = std::make_unique<TsHintManager>(nullptr); }
  void TearDown() override {
    Application->CancelHint();
    manager_.reset();
    LayeredWindowProc = savedLayered_;
  }
  // The hint of `text` shown at the point as the application would.
  TsCustomHintWindow* Show(const std::string& text, TPoint at) {
    manager_->SetHintPosition(at);
    auto* window = dynamic_cast<TsCustomHintWindow*>(Application->HintWindow());
    if (!window) return nullptr;
    const TRect r = window->CalcHintRect(0, text, nullptr);
    window->ActivateHint(r, text);
    Application->ProcessMessages();
    return window;
  }

  std::unique_ptr<TsHintManager> manager_;
  TUpdateLayeredWindowProc savedLayered_ = LayeredWindowProc;
};

TEST_F(HintWindows, EachStyleChoosesItsWindowAndNoneShowsNothing) {
  TsHintKind* kind = manager_->HintKind();
  kind->SetStyle(hsComics);
  EXPECT_NE(dynamic_cast<TsComicsHintWindow*>(Application->HintWindow()), nullptr);
  kind->SetStyle(hsEllipse);
  EXPECT_NE(dynamic_cast<TsEllipseHintWindow*>(Application->HintWindow()), nullptr);
  kind->SetStyle(hsBalloon);
  EXPECT_NE(dynamic_cast<TsBalloonHintWindow*>(Application->HintWindow()), nullptr);
  kind->SetStyle(hsSimply);
  EXPECT_NE(dynamic_cast<TsSimplyHintWindow*>(Application->HintWindow()), nullptr);
  EXPECT_EQ(CurrentHintManager, manager_.get());
  kind->SetStyle(hsStandard);
  EXPECT_EQ(dynamic_cast<TsCustomHintWindow*>(Application->HintWindow()), nullptr);
  EXPECT_NE(Application->HintWindow(), nullptr);
  EXPECT_EQ(CurrentHintManager, nullptr);

  kind->SetStyle(hsNone);
  auto* none = dynamic_cast<TsSimplyHintWindow*>(Application->HintWindow());
  ASSERT_NE(none, nullptr);
  EXPECT_EQ(CurrentHintManager, nullptr);
  EXPECT_EQ(none->CalcHintRect(200, "text", nullptr), (TRect{0, 0, 0, 0}));
  none->ActivateHint(TRect{0, 0, 50, 20}, "text");
  EXPECT_FALSE(none->HandleAllocated() && IsWindowVisible(none->Handle()));
}

TEST_F(HintWindows, PresetsApplyOnLoadAndWhenSkinDataIsTurnedOff) {
  manager_->SetPredefinitions(shBalloon);
  EXPECT_EQ(manager_->HintKind()->Style(), hsEllipse);  // only stored
  manager_->SetUseSkinData(true);
  EXPECT_EQ(manager_->HintKind()->Style(), hsEllipse);
  manager_->SetUseSkinData(false);
  EXPECT_EQ(manager_->HintKind()->Style(), hsBalloon);
  EXPECT_EQ(manager_->HintKind()->BevelWidth(), 6);
  EXPECT_TRUE(manager_->HintKind()->ShadowEnabled());
  EXPECT_EQ(manager_->HintKind()->Font()->Color(), 0);

  manager_->HintKind()->SetMarginH(77);
  manager_->SetPredefinitions(shCustom);
  manager_->SetUseSkinData(false);
  EXPECT_EQ(manager_->HintKind()->MarginH(), 77);
}

TEST_F(HintWindows, HandlerMovingOneCoordinateKeepsTheFirstPosition) {
  manager_->OnShowHint = [](std::string&, bool&, THintInfo& info, TControl*&) { info.HintPos.X += 40; };
  THintInfo info;
  info.HintPos = TPoint{100, 200};
  std::string text = "x";
  bool canShow = true;
  Application->OnShowHint(text, canShow, info);
  EXPECT_EQ(manager_->HintPosition(), (TPoint{100, 200}));
  manager_->OnShowHint = [](std::string&, bool&, THintInfo& info, TControl*&) { info.HintPos = TPoint{5, 6}; };
  Application->OnShowHint(text, canShow, info);
  EXPECT_EQ(manager_->HintPosition(), (TPoint{5, 6}));
}

TEST_F(HintWindows, PlainPathRepaintsTheSamePixelsAndHandsOutNoFreedImage) {
  LayeredWindowProc = nullptr;
  // A plain window under the hint: the plain path paints over what the
  // screen showed there.
  HWND under = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE | SS_WHITERECT, 100, 100, 400,
                               400, nullptr, nullptr, nullptr, nullptr);
  for (int i = 0; i < 10; ++i) {
    Application->ProcessMessages();
    Sleep(10);
  }
  HDC underDC = GetDC(under);
  const COLORREF screen = GetPixel(underDC, 5, 5);
  ReleaseDC(under, underDC);
  manager_->SetPredefinitions(shComicsGradient);
  manager_->SetUseSkinData(false);
  constexpr COLORREF kBody = 0x3060C0;  // flat, so that the body shows it exactly
  manager_->HintKind()->SetColor(kBody);
  manager_->HintKind()->SetGradientPercent(0);
  ASSERT_TRUE(manager_->HintKind()->ShadowEnabled());
  TsCustomHintWindow* window = Show("A hint with a shadow", TPoint{200, 200});
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(IsWindowVisible(window->Handle()));
  EXPECT_EQ(manager_->HintPosition().X, -1);
  const std::vector<COLORREF> first = WindowPixels(window->Handle());
  // The body in its colour, the screen where the shape leaves it (the
  // shadow's faint outer ring may lie over it), and the black shadow half
  // over the screen's grey.
  ASSERT_EQ(GetRValue(screen), GetBValue(screen));
  auto grey = [](COLORREF c) {
    return std::abs(GetRValue(c) - GetGValue(c)) <= 1 && std::abs(GetGValue(c) - GetBValue(c)) <= 1 ? GetGValue(c) : -1;
  };
  auto count = [&](const std::function<bool(COLORREF)>& is) { return std::count_if(first.begin(), first.end(), is); };
  EXPECT_GT(count([](COLORREF c) { return c == kBody; }), static_cast<long>(first.size() / 4));
  EXPECT_GT(count([&](COLORREF c) { return grey(c) >= GetGValue(screen) - 2; }), static_cast<long>(first.size() / 8));
  EXPECT_GT(count([&](COLORREF c) { return grey(c) > GetGValue(screen) / 3 && grey(c) < GetGValue(screen) * 3 / 4; }),
            0);
  // A repaint lays no second shadow over the first.
  RedrawWindow(window->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  RedrawWindow(window->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(WindowPixels(window->Handle()), first);
  brsm::test::SaveScreenshot("hint_plain_path");
  DestroyWindow(under);

  EXPECT_EQ(window->Image(), nullptr);
  ParentCacheInfo.Ready = true;
  SendMessageW(window->Handle(), CommandMessage, SkinCmdWParam(SkinCmdQueryCache), 0);
  EXPECT_FALSE(ParentCacheInfo.Ready);
  EXPECT_EQ(SendMessageW(window->Handle(), CommandMessage, SkinCmdWParam(SkinCmdQueryBackgroundKind), 0), 0);
}

// Every update of the layered window, recorded on its way to the system.
std::vector<int> layeredAlphas;
TUpdateLayeredWindowProc realLayered = nullptr;
int __stdcall RecordLayered(void* window, void* dc, void* pos, void* size, void* src, void* point,
                            unsigned long key, void* blend, unsigned long flags) {
  layeredAlphas.push_back(static_cast<BLENDFUNCTION*>(blend)->SourceConstantAlpha);
  return realLayered(window, dc, pos, size, src, point, key, blend, flags);
}

TEST_F(HintWindows, FullyTransparentAnimatedHintShowsNothing) {
  if (!LayeredWindowProc) GTEST_SKIP() << "no layered windows";
  realLayered = LayeredWindowProc;
  LayeredWindowProc = RecordLayered;
  layeredAlphas.clear();
  manager_->SetPredefinitions(shSimply);
  manager_->SetUseSkinData(false);
  manager_->HintKind()->SetTransparency(100);
  TsCustomHintWindow* window = Show("invisible", TPoint{400, 400});
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(GetWindowLongW(window->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  // The fade starts at 0 and its 31 steps toward 0 stay there.
  ASSERT_EQ(layeredAlphas.size(), 32u);
  for (int alpha : layeredAlphas) EXPECT_EQ(alpha, 0);

  layeredAlphas.clear();
  Application->CancelHint();
  manager_->HintKind()->SetTransparency(40);
  manager_->SetAnimated(false);
  Show("translucent", TPoint{400, 400});
  ASSERT_EQ(layeredAlphas.size(), 1u);
  EXPECT_EQ(layeredAlphas[0], 153);
}

TEST_F(HintWindows, HintsShownAndHiddenLeaveNoGdiObjectsBehind) {
  manager_->SetAnimated(false);
  const TsHintsPredefinitions shapes[] = {shSimply, shGradient, shTransparent, shEllipse, shBalloon,
                                          shComicsGradient, shComicsTransparent};
  // Both paths: painted over a snapshot of the screen, and layered.
  auto showEach = [&] {
    for (bool layered : {false, true}) {
      LayeredWindowProc = layered ? savedLayered_ : nullptr;
      for (TsHintsPredefinitions shape : shapes) {
        manager_->SetPredefinitions(shape);
        manager_->SetUseSkinData(false);
        ASSERT_NE(Show("A hint shown and hidden", TPoint{300, 300}), nullptr);
        Application->CancelHint();
        Application->ProcessMessages();
      }
    }
  };
  showEach();  // what a first showing makes and keeps (the window, cached DCs) is no leak
  const brsm::test::LiveGdiObjects before;
  for (int i = 0; i < 10 && !HasFatalFailure(); ++i) showEach();
  const brsm::test::LiveGdiObjects after;
  EXPECT_EQ(after.Total(), before.Total()) << after.ChangeSince(before);
}

TEST_F(HintWindows, FreedManagerGivesBackThePlatformsHints) {
  manager_->HintKind()->SetStyle(hsSimply);
  manager_.reset();
  EXPECT_EQ(CurrentHintManager, nullptr);
  EXPECT_FALSE(static_cast<bool>(Application->OnShowHint));
  THintWindow* window = Application->HintWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(dynamic_cast<TsCustomHintWindow*>(window), nullptr);
  const TRect r = window->CalcHintRect(200, "after", nullptr);
  window->ActivateHint(Bounds(100, 100, r.Width(), r.Height()), "after");
  Application->ProcessMessages();
  EXPECT_TRUE(IsWindowVisible(window->Handle()));
}

}  // namespace

// THintWindow, the default hint window class and the installation of the
// hint machinery.
#include "platform/forms/hintwnd.h"

#include <algorithm>

#include "platform/forms/control_canvas.h"

// Referred to by the application, so this unit (and the machinery that it
// installs below) is always part of a program.
THintWindowClass HintWindowClass = HintWindowClassOf<THintWindow>;

namespace {

struct InstallHintMachinery {
  InstallHintMachinery() {
    if (Application) Application->SetHintMachinery(&brsm::ApplicationHintMachinery());
  }
} installHintMachinery;

}  // namespace

std::string GetShortHint(const std::string& hint) {
  const size_t bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string GetLongHint(const std::string& hint) {
  const size_t bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  // Shown and hidden by ActivateHint and ReleaseHandle, never by the
  // control model's showing rules.
  SetVisible(false);
  SetParentColor(false);
  SetParentFont(false);
  SetColor(Application ? Application->HintColor() : clInfoBk);
  SetFont(Screen->HintFont());
  Font()->SetColor(clInfoText);
}

THintWindow::~THintWindow() = default;

void THintWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.WindowClass.style |= CS_SAVEBITS;
  params.WndParent = Application ? Application->Handle() : nullptr;
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint, void* data) {
  TRect r{0, 0, std::max(maxWidth, 1), 0};
  HDC dc = GetDC(nullptr);
  TCanvas canvas;
  canvas.SetHandle(dc);
  canvas.SetFont(Font());
  canvas.TextRect(r, hint, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  canvas.SetHandle(nullptr);
  ReleaseDC(nullptr, dc);
  // Room for the border and the text's inset in Paint.
  r.Right += 6;
  r.Bottom += 2;
  return r;
}

void THintWindow::ActivateHint(TRect rect, const std::string& hint) {
  SetCaption(hint);
  const int w = rect.Width(), h = rect.Height();
  const int right = Screen->DesktopLeft() + Screen->DesktopWidth();
  const int bottom = Screen->DesktopTop() + Screen->DesktopHeight();
  if (rect.Top + h > bottom) rect.Top = bottom - h;
  if (rect.Left + w > right) rect.Left = right - w;
  rect.Left = std::max(rect.Left, Screen->DesktopLeft());
  rect.Top = std::max(rect.Top, Screen->DesktopTop());
  rect.Right = rect.Left + w;
  rect.Bottom = rect.Top + h;
  UpdateBoundsRect(rect);
  SetWindowPos(Handle(), HWND_TOPMOST, rect.Left, rect.Top, w, h, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
  Update();
}

void THintWindow::ActivateHintData(TRect rect, const std::string& hint, void* data) {
  ActivateHint(rect, hint);
}

void THintWindow::ReleaseHandle() { DestroyHandle(); }

void THintWindow::Paint() {
  TCanvas* canvas = Canvas();
  const TRect client = ClientRect();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(client);
  TRect r = client;
  r.Left += 2;
  r.Top += 2;
  canvas->SetFont(Font());
  canvas->Brush()->SetStyle(bsClear);
  canvas->TextRect(r, Caption(),
                   static_cast<unsigned>(DrawTextBiDiModeFlags(DT_LEFT | DT_NOPREFIX | DT_WORDBREAK)));
}

void THintWindow::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_NCHITTEST:
      // The mouse goes through to whatever lies under the hint.
      m.Result = HTTRANSPARENT;
      return;
    case CM_TEXTCHANGED:
      Invalidate();
      return;
  }
  TCustomControl::Dispatch(m);
}

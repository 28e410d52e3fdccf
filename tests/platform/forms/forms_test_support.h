// Helpers of the forms layer's Wine tests: pumping the message loop until
// something happened, and small controls that record what reaches them.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/control_canvas.h"
#include "platform/forms/forms.h"

namespace brsm::test {

// Runs the application's message loop until `done` answers true or the
// time runs out; answers the last value of `done`.
inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 3000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return done();
    Application->ProcessMessages();
    Sleep(1);
  }
  return true;
}

// Processes what is queued now (and what that posts) for a short while.
inline void Pump(int ms = 50) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  do {
    Application->ProcessMessages();
    Sleep(1);
  } while (std::chrono::steady_clock::now() < end);
}

// A windowed control over the system's EDIT class.
class TTestEdit : public TWinControl {
 public:
  explicit TTestEdit(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 100, 21);
  }

 protected:
  void CreateParams(TCreateParams& p) override {
    TWinControl::CreateParams(p);
    CreateSubClass(p, "EDIT");
    p.Style |= ES_AUTOHSCROLL;
    p.ExStyle |= WS_EX_CLIENTEDGE;
  }
};

// A windowless control that writes down the messages it gets.
class TRecordingGraphic : public TGraphicControl {
 public:
  explicit TRecordingGraphic(TComponent* owner) : TGraphicControl(owner) {}
  std::vector<UINT> Messages;
  std::vector<TPoint> MousePoints;
  TColor PaintColor = clRed;
  int Paints = 0;

  void WndProc(TMessage& m) override {
    Messages.push_back(m.Msg);
    if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MBUTTONDBLCLK)
      MousePoints.push_back(Point(static_cast<int16_t>(LOWORD(m.LParam)),
                                  static_cast<int16_t>(HIWORD(m.LParam))));
    TGraphicControl::WndProc(m);
  }
  int Count(UINT msg) const {
    int n = 0;
    for (UINT m : Messages) n += m == msg;
    return n;
  }

 protected:
  void Paint() override {
    ++Paints;
    Canvas()->Brush()->SetColor(PaintColor);
    Canvas()->FillRect(Rect(0, 0, Width(), Height()));
  }
};

// The colour of a screen pixel at a point of a control's client area.
inline COLORREF ScreenPixel(TControl* control, int x, int y) {
  const TPoint p = control->ClientToScreen(Point(x, y));
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, p.X, p.Y);
  ReleaseDC(nullptr, screen);
  return c;
}

inline std::string WindowClassOf(HWND wnd) {
  char name[256] = {};
  GetClassNameA(wnd, name, sizeof(name));
  return name;
}

}  // namespace brsm::test

// Reading the skinned buttons and panels of a real form back from the
// screen: the look a section gives a state, the face a control shows, its
// window region, and the glyph it carries.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/forms/forms.h"
#include "skin/controls/bit_btn.h"
#include "skin/controls/fade_timer.h"
#include "skin/controls/panel.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/image_painting.h"
#include "skin/core/skin_manager.h"
#include "skin/core/pixel_access.h"
#include "skin/core/section_painting.h"
#include "skin/core/skin_commands.h"
#include "skin/core/skin_constants.h"
#include "tests/support/screen_capture.h"

namespace brsm::test {

// Counts the skin commands a control receives, in front of its own procedure.
class CommandLog {
 public:
  explicit CommandLog(TControl* c) {
    hook_.Install(c, [this](TMessage& m) {
      if (m.Msg == CommandMessage) Codes.push_back(SkinCmdOf(m.WParam));
      hook_.Previous(m);
    });
  }
  int Count(int code) const {
    int n = 0;
    for (int c : Codes) n += c == code;
    return n;
  }
  std::vector<int> Codes;

 private:
  brsm::TWindowProcHook hook_;
};

inline void PumpFor(int ms) {
  const DWORD end = GetTickCount() + ms;
  do {
    Application->ProcessMessages();
    Sleep(1);
  } while (GetTickCount() < end);
}

inline bool PumpWhile(const std::function<bool()>& busy, int ms = 2000) {
  const DWORD end = GetTickCount() + ms;
  while (busy()) {
    if (GetTickCount() > end) return false;
    Application->ProcessMessages();
    Sleep(1);
  }
  return true;
}

inline TColor ControlPixel(TWinControl* c, int x, int y) {
  HDC dc = GetDC(c->Handle());
  const COLORREF p = GetPixel(dc, x, y);
  ReleaseDC(c->Handle(), dc);
  return static_cast<TColor>(p);
}

// Every pixel of a control as the screen shows it, row by row.
inline std::vector<TColor> ControlShot(TControl* c) {
  const TPoint at = c->ClientToScreen(TPoint{0, 0});
  const ScreenCapture shot(RECT{at.X, at.Y, at.X + c->Width(), at.Y + c->Height()});
  std::vector<TColor> out;
  for (int y = at.Y; y < at.Y + c->Height(); ++y)
    for (int x = at.X; x < at.X + c->Width(); ++x) out.push_back(shot.At(x, y));
  return out;
}

// Where a button's face is sampled: the top band of its border, clear of
// the corners and of the caption; each state has its own border frame.
inline TPoint FacePoint(TControl* c) { return TPoint{c->Width() / 2, 2}; }

// What the button's section paints for a state at the sample point: the
// background, then the state's frame of the border image.
inline TColor ButtonLook(int width, int height, TsCommonData* record, int state) {
  std::unique_ptr<TBitmap> b(CreateBitmap24(width, height));
  PaintControlBackground(record, EmptyCacheInfo, state, b->PixelView(), TPoint{0, 0},
                         TRect{0, 0, width, height});
  TsSkinManager* m = record->SkinManager();
  if (m && m->IsValidMaskIndex(record->BorderItemIndex))
    CutMaskCorners(b->PixelView(), nullptr, false, state,
                   m->MaskItems[static_cast<size_t>(record->BorderItemIndex)]);
  return ReadPixelBytes(b->PixelView().Pixel(width / 2, 2));
}
inline TColor ButtonLook(TWinControl* c, TsCommonData* record, int state) {
  return ButtonLook(c->Width(), c->Height(), record, state);
}

inline TColor FaceShown(TWinControl* c) {
  const TPoint p = FacePoint(c);
  return ControlPixel(c, p.X, p.Y);
}

// What the panel's section paints at a point of its face.
inline TColor PanelLook(TsPanel* p, int x, int y) {
  std::unique_ptr<TBitmap> b(CreateBitmap24(p->Width(), p->Height()));
  PaintControlSkin(p->SkinData(), EmptyCacheInfo, false, 1, b->PixelView(), TPoint{0, 0},
                   TRect{0, 0, p->Width(), p->Height()}, 0);
  return ReadPixelBytes(b->PixelView().Pixel(x, y));
}

template <class Button>
void ExpectSkinnedFace(Button* b, int state = 0) {
  ASSERT_TRUE(b->SkinData()->IsSkinned()) << b->Name();
  EXPECT_EQ(FaceShown(b), ButtonLook(b, b->SkinData(), state)) << b->Name();
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(b->Handle(), rgn), ERROR) << b->Name();
  EXPECT_FALSE(PtInRegion(rgn, 0, 0)) << b->Name() << ": corner inside the region";
  EXPECT_TRUE(PtInRegion(rgn, b->Width() / 2, b->Height() / 2)) << b->Name();
  DeleteObject(rgn);
}

// The platform's own look: no region and the system's button face.
inline void ExpectPlatformFace(TWinControl* c) {
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(c->Handle(), rgn), ERROR) << c->Name();
  DeleteObject(rgn);
  // Below the platform's 2-pixel frame, left of any caption.
  EXPECT_EQ(ControlPixel(c, 5, 5), static_cast<TColor>(GetSysColor(COLOR_BTNFACE))) << c->Name();
}

// Puts the cursor over the middle of the control and tells it so, as a
// moving mouse does (the cursor must stay there, or the window hears at
// once that the mouse has left).
inline LPARAM PointAtMiddle(TWinControl* c) {
  const TPoint mid{c->Width() / 2, c->Height() / 2};
  const TPoint screen = c->ClientToScreen(mid);
  SetCursorPos(screen.X, screen.Y);
  const LPARAM at = MAKELPARAM(mid.X, mid.Y);
  SendMessageW(c->Handle(), WM_MOUSEMOVE, 0, at);
  return at;
}

// Takes the cursor away from every window of the test.
inline void ParkCursor() { SetCursorPos(1270, 1010); }

// Hovers the button and waits for its fade to end.
template <class Button>
void HoverAndSettle(Button* b) {
  PointAtMiddle(b);
  PumpWhile([&] { return b->FadeTimer() != nullptr; });
  PumpFor(30);
}

// Pixels of the glyph rectangle that show the glyph's first frame.
inline int GlyphPixelsShown(TsBitBtn* b) {
  TBitmap* glyph = b->Glyph();
  if (!glyph || glyph->Empty()) return 0;
  GdiFlush();
  const TPixelBufferView g = glyph->PixelView();
  const TColor key = ReadPixelBytes(g.Pixel(0, g.Height - 1));
  const TRect r = b->GlyphRect();
  int shown = 0;
  for (int y = 0; y < r.Height(); ++y)
    for (int x = 0; x < r.Width(); ++x) {
      const TColor c = ReadPixelBytes(g.Pixel(x, y));
      if (c != key && ControlPixel(b, r.Left + x, r.Top + y) == c) ++shown;
    }
  return shown;
}

}  // namespace brsm::test

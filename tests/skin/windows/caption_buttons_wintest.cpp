// A skinned title bar on real forms: the title band, icon, buttons, text
// and grip read back in the kit's colours; hot and pressed buttons by
// messages; the buttons' commands; title buttons; the reused title; the
// outline drag on an older system.
#include "platform/forms/menus.h"
#include "platform/graphics/icon.h"
#include "skin/core/skin_platform.h"
#include "tests/skin/windows/provider_test_support.h"
#include "tests/support/gdi_objects.h"
#include "tests/support/screenshot.h"
#include "tests/support/skin_without.h"
#include "tools/skinkit/kit_pictures.h"

namespace {

using brsm::kit::KitColor;
using brsm::kit::MarlSectionIndex;
using providertest::ProviderWinTest;
using providertest::MovePointer;
using providertest::PumpUntil;
using providertest::SolidIcon;
using providertest::TVersionPlatform;

// The BICON/SICON glyphs of Marl: frame s of glyph g is a square of
// KitColor(30 + g, 10 + s) on magenta.
enum : int { kClose = 30, kMax = 31, kNorm = 32, kMin = 33, kSmallClose = 35 };
TColor GlyphColor(int glyph, int state) { return KitColor(glyph, 10 + state); }

TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

class CaptionTest : public ProviderWinTest {
 protected:
  TColor WindowPixel(TPoint at) const {
    HDC dc = GetWindowDC(Wnd());
    const TColor c = static_cast<TColor>(GetPixel(dc, at.X, at.Y));
    ReleaseDC(Wnd(), dc);
    return c;
  }
  static TColor CachePixel(TsSkinProvider* p, TPoint at) {
    GdiFlush();
    return static_cast<TColor>(GetPixel(p->CacheBitmap()->Canvas()->Handle(), at.X, at.Y));
  }
  // A window point as the screen point messages carry.
  LPARAM ScreenAt(TPoint windowPoint) const {
    RECT w{};
    GetWindowRect(Wnd(), &w);
    return MAKELPARAM(w.left + windowPoint.X, w.top + windowPoint.Y);
  }
  LRESULT HitAt(TPoint windowPoint) const { return SendMessageW(Wnd(), WM_NCHITTEST, 0, ScreenAt(windowPoint)); }
  // Press and release a caption button by the messages the system sends.
  void Click(const TRect& button, int code) {
    const TPoint c = Centre(button);
    EXPECT_EQ(HitAt(c), code);
    SendMessageW(Wnd(), WM_NCLBUTTONDOWN, code, ScreenAt(c));
    SendMessageW(Wnd(), WM_NCLBUTTONUP, code, ScreenAt(c));
    Pump();
  }
};

TEST_F(CaptionTest, TitleBandIconButtonsTextAndGripInTheKitsColours) {
  MakeForm();
  // A solid icon, so the caption icon can be read back.
  form->Icon()->SetHandle(SolidIcon(0x00123456));
  form->SetCaption("Caption");
  auto* p = new TsSkinProvider(form.get());
  p->SetGripMode(gmRightBottom);
  ShowAndActivate();
  p->RepaintFrameNow();
  Pump();
  ASSERT_TRUE(p->FormActive);

  const int title = MarlSectionIndex("FORMTITLE");
  const int band = p->FrameHeight() + p->CaptionHeight();
  EXPECT_EQ(WindowPixel({form->Width() / 2, 1}), brsm::kit::Shade(KitColor(title, 11)));

  // Close, maximise, minimise from the right, each in its normal frame.
  ASSERT_FALSE(p->ButtonClose.Rect.IsEmpty());
  EXPECT_GT(p->ButtonClose.Rect.Left, p->ButtonMax.Rect.Right);
  EXPECT_GT(p->ButtonMax.Rect.Left, p->ButtonMin.Rect.Right);
  EXPECT_TRUE(p->ButtonHelp.Rect.IsEmpty());
  EXPECT_EQ(WindowPixel(Centre(p->ButtonClose.Rect)), GlyphColor(kClose, 0));
  EXPECT_EQ(WindowPixel(Centre(p->ButtonMax.Rect)), GlyphColor(kMax, 0));
  EXPECT_EQ(WindowPixel(Centre(p->ButtonMin.Rect)), GlyphColor(kMin, 0));
  EXPECT_EQ(p->ButtonsWidth(), p->ButtonClose.Rect.Right - p->ButtonMin.Rect.Left + 2);

  // The icon (the form's own), the grip and the TITLEBAR strip.
  const TRect icon = Bounds(p->FrameWidth(), (band - 16) / 2, 16, 16);
  EXPECT_EQ(WindowPixel(Centre(icon)), static_cast<TColor>(0x563412));
  const int gx = form->Width() - 12 - p->FrameWidth(), gy = form->Height() - 12 - p->FrameHeight();
  EXPECT_EQ(WindowPixel({gx + 6, gy + 6}), KitColor(41, 10));
  const int strip = 20 + p->ButtonsWidth();
  EXPECT_EQ(CachePixel(p, {form->Width() - strip + 5, band / 2}), KitColor(MarlSectionIndex("FORM"), 21));

  // The caption in the title's active font colour, inside its room.
  const TColor text = KitColor(title, 3);
  const int left = p->FrameWidth() + 16 + 4;
  int found = 0;
  for (int x = left; x < left + 80; ++x)
    for (int y = p->FrameHeight(); y < band; ++y) found += WindowPixel({x, y}) == text;
  EXPECT_GT(found, 5);

  // Hot by the hit test, pressed by the press.
  const TPoint close = Centre(p->ButtonClose.Rect);
  EXPECT_EQ(HitAt(close), HTCLOSE);
  EXPECT_EQ(WindowPixel(close), GlyphColor(kClose, 1));
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, HTCLOSE, ScreenAt(close));
  EXPECT_EQ(WindowPixel(close), GlyphColor(kClose, 2));
  EXPECT_EQ(GetCapture(), Wnd());
  EXPECT_TRUE(brsm::test::SaveScreenshot("caption_pressed_close"));
  // Released outside: the hit test moved on, nothing closes.
  SendMessageW(Wnd(), WM_NCLBUTTONUP, HTCAPTION, ScreenAt({40, 5}));
  Pump();
  EXPECT_TRUE(IsWindowVisible(Wnd()));

  // Inactive: the title band's other frame and the text's other colour.
  SendMessageW(Wnd(), WM_NCACTIVATE, FALSE, 0);
  p->RepaintFrameNow();
  Pump();
  EXPECT_FALSE(p->FormActive);
  EXPECT_EQ(CachePixel(p, {form->Width() / 2, 1}), brsm::kit::Shade(KitColor(title, 10)));
}

// A title section the skin lacks leaves the band in the form's look and
// the caption in the form section's colours, buttons as usual.
TEST_F(CaptionTest, WithoutItsTitleSectionTheCaptionIsWrittenInTheFormsColours) {
  MakeForm();
  form->SetCaption("Caption");
  auto* p = new TsSkinProvider(form.get());
  p->SetTitleSkin("NOSUCHTITLE");
  ShowAndActivate();
  p->RepaintFrameNow();
  Pump();
  ASSERT_TRUE(p->FormActive);
  const int band = p->FrameHeight() + p->CaptionHeight();
  const TColor text = KitColor(MarlSectionIndex("FORM"), 3);
  const int left = p->FrameWidth() + 16 + 4;
  int found = 0;
  for (int x = left; x < left + 80; ++x)
    for (int y = p->FrameHeight(); y < band; ++y) found += WindowPixel({x, y}) == text;
  EXPECT_GT(found, 5);
  EXPECT_EQ(WindowPixel(Centre(p->ButtonClose.Rect)), GlyphColor(kClose, 0));
  EXPECT_TRUE(brsm::test::SaveScreenshot("caption_without_title_section"));
}

// No caption-button image anywhere (Marl without GLOBALINFO: its FORM has
// none): the system's buttons in the skinned title, the window menu kept,
// and the close button closes.
TEST_F(CaptionTest, WithoutButtonImagesTheSystemsButtonsServeInTheSkinnedTitle) {
  ASSERT_TRUE(brsm::test::WriteSkinWithout(brsm::kit::MakeMarlSkin("NoButtonImages"), SkinDirectory(),
                                           {"GLOBALINFO"}));
  MakeForm();
  manager->SetSkinName("NoButtonImages");
  ASSERT_TRUE(manager->Active());
  form->SetCaption("Caption");
  auto* p = new TsSkinProvider(form.get());
  ShowAndActivate();
  p->RepaintFrameNow();
  Pump();
  ASSERT_TRUE(p->SkinData()->IsSkinned());
  EXPECT_NE(Style() & WS_SYSMENU, 0);
  ASSERT_FALSE(p->ButtonClose.Rect.IsEmpty());
  EXPECT_FALSE(p->ButtonMax.Rect.IsEmpty());
  EXPECT_FALSE(p->ButtonMin.Rect.IsEmpty());
  const TRect close = p->ButtonClose.Rect;
  const TColor face = static_cast<TColor>(GetSysColor(COLOR_BTNFACE));
  int shown = 0;
  for (int y = close.Top; y < close.Bottom; ++y)
    for (int x = close.Left; x < close.Right; ++x) shown += WindowPixel({x, y}) == face;
  EXPECT_GT(shown, close.Width() * close.Height() / 3);
  EXPECT_TRUE(brsm::test::SaveScreenshot("caption_without_button_images"));
  Click(close, HTCLOSE);
  EXPECT_FALSE(IsWindowVisible(Wnd()));
}

TEST_F(CaptionTest, LongCaptionEndsInsideItsRoom) {
  MakeForm();
  form->SetCaption(std::string(300, 'W'));
  TsSkinProvider* p = new TsSkinProvider(form.get());
  ShowAndActivate();
  p->RepaintFrameNow();
  Pump();
  const TColor text = KitColor(MarlSectionIndex("FORMTITLE"), 3);
  const int right = form->Width() - p->ButtonsWidth() - 6;
  int inside = 0, past = 0;
  for (int x = 0; x < form->Width(); ++x)
    for (int y = p->FrameHeight(); y < p->FrameHeight() + p->CaptionHeight(); ++y)
      (x < right ? inside : past) += CachePixel(p, {x, y}) == text;
  EXPECT_GT(inside, 50);
  EXPECT_EQ(past, 0);
}

TEST_F(CaptionTest, ButtonsMinimiseMaximiseRestoreCloseAndHelpByMessages) {
  MakeForm();
  form->SetBorderIcons(TBorderIcons{biSystemMenu, biMinimize, biMaximize, biHelp});
  // Context help would start the system's help mode: taken here.
  int helps = 0;
  brsm::TWindowProcHook help;
  help.Install(form.get(), [&](TMessage& m) {
    if (m.Msg == WM_SYSCOMMAND && (m.WParam & 0xFFF0) == 0xF180) {
      ++helps;
      return;
    }
    help.Previous(m);
  });
  TsSkinProvider* p = new TsSkinProvider(form.get());
  ShowAndActivate();
  p->RepaintFrameNow();
  Pump();
  ASSERT_FALSE(p->ButtonHelp.Rect.IsEmpty());

  Click(p->ButtonHelp.Rect, HTHELP);
  EXPECT_EQ(helps, 1);

  Click(p->ButtonMax.Rect, HTMAXBUTTON);
  EXPECT_TRUE(IsZoomed(Wnd()));
  p->RepaintFrameNow();
  Pump();
  EXPECT_EQ(WindowPixel(Centre(p->ButtonMax.Rect)), GlyphColor(kNorm, 0));
  EXPECT_TRUE(brsm::test::SaveScreenshot("caption_maximised"));
  Click(p->ButtonMax.Rect, HTMAXBUTTON);
  EXPECT_FALSE(IsZoomed(Wnd()));

  Click(p->ButtonMin.Rect, HTMINBUTTON);
  EXPECT_TRUE(IsIconic(Wnd()));
  SendMessageW(Wnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
  Pump();
  EXPECT_FALSE(IsIconic(Wnd()));

  // Ctrl held on a client release is no minimise.
  SendMessageW(Wnd(), WM_LBUTTONUP, MK_CONTROL, MAKELPARAM(10, 10));
  EXPECT_FALSE(IsIconic(Wnd()));

  p->RepaintFrameNow();
  Pump();
  Click(p->ButtonClose.Rect, HTCLOSE);
  EXPECT_FALSE(IsWindowVisible(Wnd()));
}

TEST_F(CaptionTest, TitleButtonEventsOnceEachAndDisabledOnesAnswerCaption) {
  MakeForm();
  TsSkinProvider* p = new TsSkinProvider(form.get());
  auto* button = static_cast<TsTitleButton*>(p->TitleButtons()->Add());
  auto* off = static_cast<TsTitleButton*>(p->TitleButtons()->Add());
  off->SetEnabled(false);
  // Without the skin's image: the platform's face and the glyph, whose
  // bottom-left pixel is the see-through key.
  auto* plain = static_cast<TsTitleButton*>(p->TitleButtons()->Add());
  plain->SetUseSkinData(false);
  const TColor glyph = 0x204080;
  plain->Glyph()->SetSize(12, 12);
  plain->Glyph()->Canvas()->Brush()->SetColor(glyph);
  plain->Glyph()->Canvas()->FillRect(TRect{0, 0, 12, 12});
  plain->Glyph()->Canvas()->SetPixel(0, 11, 0x00FF00);
  EXPECT_EQ(button->Name(), "TsTitleButton");
  int downs = 0, ups = 0;
  TObject* sender = nullptr;
  TPoint down{-1, -1}, up{-2, -2};
  button->OnMouseDown = [&](TObject* s, TMouseButton, TShiftState, int x, int y) {
    ++downs;
    sender = s;
    down = {x, y};
  };
  button->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
    ++ups;
    up = {x, y};
  };
  ShowAndActivate();
  p->RepaintFrameNow();
  Pump();
  const TPoint at = Centre(button->Button.Rect);
  ASSERT_FALSE(button->Button.Rect.IsEmpty());
  EXPECT_LT(button->Button.Rect.Right, p->ButtonMin.Rect.Left);
  // The enabled button in the TITLEBUTTON image's normal frame, the disabled
  // one in the inactive look.
  ASSERT_TRUE(p->FormActive);
  const TColor normal = KitColor(MarlSectionIndex("GLOBALINFO"), 10);
  EXPECT_EQ(WindowPixel(at), normal);
  const TColor disabled = WindowPixel(Centre(off->Button.Rect));
  EXPECT_NE(disabled, normal);
  EXPECT_NE(disabled, WindowPixel({Centre(off->Button.Rect).X, 1}));
  ASSERT_FALSE(plain->Button.Rect.IsEmpty());
  EXPECT_EQ(WindowPixel(Centre(plain->Button.Rect)), glyph);
  EXPECT_EQ(WindowPixel({plain->Button.Rect.Left + 3, Centre(plain->Button.Rect).Y}),
            static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(WindowPixel({plain->Button.Rect.Left + 4, plain->Button.Rect.Top + (plain->Button.Rect.Height() - 12) / 2 + 11}),
            static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
  EXPECT_TRUE(brsm::test::SaveScreenshot("caption_title_buttons"));

  EXPECT_EQ(HitAt(Centre(off->Button.Rect)), HTCAPTION);
  EXPECT_EQ(HitAt(at), CaptionTitleButton);
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, CaptionTitleButton, ScreenAt(at));
  // Captured: the client release names the pressed button.
  POINT client{0, 0};
  ClientToScreen(Wnd(), &client);
  RECT w{};
  GetWindowRect(Wnd(), &w);
  const TPoint inClient{w.left + at.X - client.x, w.top + at.Y - client.y};
  SendMessageW(Wnd(), WM_LBUTTONUP, 0, MAKELPARAM(inClient.X, inClient.Y));
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(sender, button);
  // Both events in the form's client coordinates.
  EXPECT_EQ(down, inClient);
  EXPECT_EQ(up, inClient);
  EXPECT_EQ(p->HotButton, 0);
  EXPECT_NE(GetCapture(), Wnd());
}

TEST_F(CaptionTest, AHotButtonCoolsWhenThePointerLeavesThroughTheTitleBar) {
  TsSkinProvider* p = Skinned();
  RECT w{};
  GetWindowRect(Wnd(), &w);
  const TPoint close = Centre(p->ButtonClose.Rect);
  MovePointer(w.left + close.X - 10, w.top + close.Y);
  MovePointer(w.left + close.X, w.top + close.Y);
  ASSERT_TRUE(PumpUntil([&] { return p->HotButton == HTCLOSE; }));
  EXPECT_EQ(WindowPixel(close), GlyphColor(kClose, 1));
  // Straight out to a far corner, faster than any move over the frame.
  MovePointer(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
  EXPECT_TRUE(PumpUntil([&] { return p->HotButton == 0; }));
  EXPECT_EQ(WindowPixel(close), GlyphColor(kClose, 0));
  EXPECT_TRUE(brsm::test::SaveScreenshot("caption_close_cooled"));
}

TEST_F(CaptionTest, RaisingOnPaintGivesTheCanvasBack) {
  TsSkinProvider* p = Skinned();
  form->OnPaint = [](TObject*) { throw Exception("paint failed"); };
  HDC cache = p->CacheBitmap()->Canvas()->Handle();
  p->SkinData()->BackgroundStale = true;
  EXPECT_THROW(p->PaintFrameToCache(), Exception);
  form->OnPaint = nullptr;
  EXPECT_NE(form->Canvas()->HandleAllocated() ? form->Canvas()->Handle() : nullptr, cache);
  POINT origin{1, 1};
  GetViewportOrgEx(cache, &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
  EXPECT_FALSE(p->SkinData()->Updating);
}

TEST_F(CaptionTest, ReusedTitleGivesThePixelsOfAFullRepaint) {
  ASSERT_TRUE(brsm::kit::MakeMarlReusableTitleSkin().WriteFolder(SkinDirectory()));
  MakeForm();
  manager->SetSkinName("MarlReused");
  ASSERT_TRUE(manager->Active());
  form->SetCaption("Reused");
  TsSkinProvider* p = new TsSkinProvider(form.get());
  ShowAndActivate();
  p->RepaintFrameNow();
  Pump();
  TBitmap* cache = p->CacheBitmap();
  auto snapshot = [&] {
    GdiFlush();
    std::vector<TColor> px;
    for (int y = 0; y < cache->Height(); y += 2)
      for (int x = 0; x < cache->Width(); x += 2) px.push_back(GetPixel(cache->Canvas()->Handle(), x, y));
    return px;
  };
  const std::vector<TColor> full = snapshot();
  ASSERT_TRUE(p->TopAreaCache);
  p->SkinData()->BackgroundStale = true;
  ASSERT_TRUE(p->TitleShortcutApplies());
  p->PaintFrameToCache();
  EXPECT_EQ(snapshot(), full);
}

TEST_F(CaptionTest, TitleAndButtonCachesMadeAgainLeaveNoGdiObjectsBehind) {
  MakeForm();
  form->SetBorderIcons(TBorderIcons{biSystemMenu, biMinimize, biMaximize});
  form->SetCaption("Cached");
  TsSkinProvider* p = new TsSkinProvider(form.get());
  ShowAndActivate();
  p->RepaintFrameNow();
  Pump();
  ASSERT_FALSE(p->ButtonMax.Rect.IsEmpty());
  // Each round remakes the title and the button area: hot and pressed
  // buttons, the other activation, a new width and a new caption.
  auto round = [&](int i) {
    for (const TsCaptionButton* b : {&p->ButtonMin, &p->ButtonMax, &p->ButtonClose}) {
      SendMessageW(Wnd(), WM_NCMOUSEMOVE, HitAt(Centre(b->Rect)), ScreenAt(Centre(b->Rect)));
      Pump();
    }
    SendMessageW(Wnd(), WM_NCLBUTTONDOWN, HTMAXBUTTON, ScreenAt(Centre(p->ButtonMax.Rect)));
    SendMessageW(Wnd(), WM_NCMOUSEMOVE, HTCAPTION, ScreenAt(TPoint{40, 10}));
    SendMessageW(Wnd(), WM_NCLBUTTONUP, HTCAPTION, ScreenAt(TPoint{40, 10}));
    SendMessageW(Wnd(), WM_NCACTIVATE, FALSE, 0);
    SendMessageW(Wnd(), WM_NCACTIVATE, TRUE, 0);
    form->SetWidth(form->Width() + (i % 2 ? 7 : -7));
    form->SetCaption(i % 2 ? "Cached again" : "Cached");
    p->RepaintFrameNow();
    Pump();
  };
  round(0);
  round(1);
  const brsm::test::LiveGdiObjects before;
  for (int i = 0; i < 20; ++i) round(i);
  const brsm::test::LiveGdiObjects after;
  EXPECT_EQ(after.Total(), before.Total()) << after.ChangeSince(before);
  EXPECT_FALSE(IsZoomed(Wnd()));  // the press was taken off the button before the release
}

class OutlineDragTest : public CaptionTest {
 protected:
  std::vector<TColor> Desktop(const TRect& r) const {
    HDC dc = GetWindowDC(GetDesktopWindow());
    std::vector<TColor> px;
    for (int x = r.Left - 2; x <= r.Right + 2; x += 7) {
      px.push_back(GetPixel(dc, x, r.Top));
      px.push_back(GetPixel(dc, x, r.Bottom));
    }
    ReleaseDC(GetDesktopWindow(), dc);
    return px;
  }
  LPARAM ClientAt(TPoint screen) const {
    POINT p{screen.X, screen.Y};
    ScreenToClient(Wnd(), &p);
    return MAKELPARAM(p.x, p.y);
  }
};

TEST_F(OutlineDragTest, MoveAndLeftBorderSizeChangeTheFormOnceOnRelease) {
  TVersionPlatform older(5);
  TsSkinProvider* p = Skinned();
  p->SetResizeMode(rmBorder);
  const TRect before = Bounds(form->Left(), form->Top(), form->Width(), form->Height());

  const TPoint grab{before.Left + 60, before.Top + 8};
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(grab.X, grab.Y));
  EXPECT_TRUE(BorderDrag.Dragging);
  EXPECT_EQ(GetCapture(), Wnd());
  const int moves = form->Count(WM_WINDOWPOSCHANGED);
  SendMessageW(Wnd(), WM_MOUSEMOVE, 0, ClientAt({grab.X + 20, grab.Y + 10}));
  SendMessageW(Wnd(), WM_MOUSEMOVE, 0, ClientAt({grab.X + 30, grab.Y + 20}));
  EXPECT_EQ(form->Left(), before.Left);
  EXPECT_EQ(form->Count(WM_WINDOWPOSCHANGED), moves);
  SendMessageW(Wnd(), WM_LBUTTONUP, 0, ClientAt({grab.X + 30, grab.Y + 20}));
  Pump();
  EXPECT_FALSE(BorderDrag.Dragging);
  EXPECT_EQ(BorderDrag.DesktopDC, nullptr);
  EXPECT_EQ(form->Left(), before.Left + 30);
  EXPECT_EQ(form->Top(), before.Top + 20);
  EXPECT_EQ(form->Width(), before.Width());

  // The left border: the right edge stays.
  const TRect moved = Bounds(form->Left(), form->Top(), form->Width(), form->Height());
  const TPoint edge{moved.Left + 1, moved.Top + moved.Height() / 2};
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, HTLEFT, MAKELPARAM(edge.X, edge.Y));
  SendMessageW(Wnd(), WM_MOUSEMOVE, 0, ClientAt(edge));
  SendMessageW(Wnd(), WM_MOUSEMOVE, 0, ClientAt({edge.X - 40, edge.Y}));
  EXPECT_EQ(form->Width(), moved.Width());
  SendMessageW(Wnd(), WM_LBUTTONUP, 0, ClientAt({edge.X - 40, edge.Y}));
  Pump();
  EXPECT_EQ(form->Left(), moved.Left - 40);
  EXPECT_EQ(form->Left() + form->Width(), moved.Right);

  // A lost capture ends the drag where it is.
  // The outline shows on the desktop while dragging and is gone after.
  const TRect still = Bounds(form->Left(), form->Top(), form->Width(), form->Height());
  const TRect outline = Bounds(still.Left + 30, still.Top + 32, still.Width(), still.Height());
  const std::vector<TColor> desk = Desktop(outline);
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(still.Left + 60, still.Top + 8));
  SendMessageW(Wnd(), WM_MOUSEMOVE, 0, ClientAt({still.Left + 90, still.Top + 40}));
  EXPECT_NE(Desktop(outline), desk);
  SendMessageW(Wnd(), WM_CANCELMODE, 0, 0);
  Pump();
  EXPECT_FALSE(BorderDrag.Dragging);
  EXPECT_EQ(BorderDrag.Provider, nullptr);
  EXPECT_EQ(form->Left(), still.Left);
  EXPECT_EQ(Desktop(outline), desk);
}

TEST_F(OutlineDragTest, NewerSystemsTurnTheOutlineModeOffAtTheFirstFramePaint) {
  TVersionPlatform newer(6);
  TsSkinProvider* p = Skinned();
  p->SetResizeMode(rmBorder);
  SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
  EXPECT_EQ(p->ResizeMode(), rmStandard);
}

}  // namespace

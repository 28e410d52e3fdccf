// The skinned frame of foreign dialogs: frame kinds, measures, the caption
// buttons' layout and images, the hit test and the mouse decisions.
#include "skin/windows/dialog_frame.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

constexpr uint32_t kPopup = 0x80000000u, kCaption = 0x00C00000u, kThick = 0x40000u, kModal = 0x80u,
                   kSysMenu = 0x80000u, kMax = 0x10000u, kMin = 0x20000u;

// A master-bitmap item of `frames` cells of w x h.
TsMaskData Item(int frames, int w, int h, int maskType = 0) {
  TsMaskData m;
  m.ImageCount = static_cast<int16_t>(frames);
  m.MaskType = static_cast<int16_t>(maskType);
  m.SourceRect = Bounds(0, 0, frames * w, h * (maskType + 1));
  return m;
}

// A 300 x 200 window with its client, frame 3 (dialog) / 4 (sizing), caption 18.
TvxDialogState Dialog(uint32_t style, uint32_t exStyle = 0) {
  TvxDialogState s;
  s.Style = style;
  s.ExStyle = exStyle;
  s.LiveStyle = style & ~kSysMenu;
  s.FrameKind = DialogFrameKind(style);
  s.Width = 300;
  s.Height = 200;
  const int f = s.FrameKind == DialogFrameSizing ? 4 : s.FrameKind == DialogFramePopup ? 0 : 3;
  const int c = (style & kCaption) == kCaption ? 18 : 0;
  s.ClientWidth = 300 - 2 * f;
  s.ClientHeight = 200 - 2 * f - c;
  s.Metrics = {3, 3, 4, 4, 18, 14, 16, 16};
  return s;
}

TEST(DialogFrame, FrameKindFollowsTheStylesPrecedence) {
  EXPECT_EQ(DialogFrameKind(kModal), DialogFrameModal);
  EXPECT_EQ(DialogFrameKind(kModal | kCaption | kPopup), DialogFrameModal);
  EXPECT_EQ(DialogFrameKind(kThick), DialogFrameSizing);
  EXPECT_EQ(DialogFrameKind(kThick | kModal | kCaption), DialogFrameSizing);
  EXPECT_EQ(DialogFrameKind(kPopup | 0x00800000u), DialogFramePopup);  // border without dialog frame
  EXPECT_EQ(DialogFrameKind(kPopup | kThick), DialogFramePopup);
  EXPECT_EQ(DialogFrameKind(0), DialogFrameSizing);
}

TEST(DialogFrame, MeasuresPerKindWithIconicWindowsAndShownBars) {
  TvxDialogState modal = Dialog(kPopup | kCaption | kModal | kSysMenu);
  EXPECT_EQ(modal.FrameHeight(), 3);
  EXPECT_EQ(modal.FrameWidth(), 3);
  EXPECT_EQ(modal.CaptionHeight(), 18);
  EXPECT_EQ(modal.TitleHeight(), 21);  // top edge and caption
  EXPECT_EQ(modal.ClientOffsetX(), 3);
  EXPECT_EQ(modal.ClientOffsetY(), 21);

  TvxDialogState sizing = Dialog(kCaption | kThick | kSysMenu);
  EXPECT_EQ(sizing.FrameHeight(), 4);
  EXPECT_EQ(sizing.TitleHeight(), 22);
  sizing.HorzBar = 17;
  sizing.VertBar = 17;
  sizing.ClientHeight -= 17;
  sizing.ClientWidth -= 17;
  EXPECT_EQ(sizing.TitleHeight(), 22);
  EXPECT_EQ(sizing.ClientOffsetX(), 4);
  EXPECT_EQ(sizing.ClientOffsetY(), 22);

  TvxDialogState small = sizing;
  small.FrameKind = DialogFrameSmallSizing;
  EXPECT_EQ(small.CaptionHeight(), 14);

  // Iconic: no client, the bottom edge belongs to the title.
  TvxDialogState iconic = Dialog(kPopup | kCaption | kModal | kSysMenu);
  iconic.Iconic = true;
  iconic.Height = 21;
  iconic.ClientHeight = 0;
  EXPECT_EQ(iconic.TitleHeight(), 21);

  // A window smaller than its edges never gets a negative title.
  TvxDialogState tiny = Dialog(kCaption | kThick);
  tiny.Height = 2;
  tiny.ClientHeight = 0;
  tiny.HorzBar = 17;
  EXPECT_EQ(tiny.TitleHeight(), 0);

  TvxDialogState popup = Dialog(kPopup | kThick);
  EXPECT_EQ(popup.CaptionHeight(), 0);
  EXPECT_EQ(popup.FrameHeight(), 0);
  EXPECT_EQ(popup.FrameWidth(), 0);
}

TEST(DialogFrame, ButtonSizesFromOwnBitmapsMasterItemsAndEmptyCounts) {
  EXPECT_EQ(DialogButtonWidth(nullptr), 21);
  EXPECT_EQ(DialogButtonHeight(nullptr), 21);
  const TsMaskData master = Item(3, 16, 14, 1);
  EXPECT_EQ(DialogButtonWidth(&master), 16);
  EXPECT_EQ(DialogButtonHeight(&master), 14);
  TsMaskData own = Item(3, 16, 14);
  own.Image = std::make_shared<TPixelBuffer>(60, 30);
  EXPECT_EQ(DialogButtonWidth(&own), 20);
  EXPECT_EQ(DialogButtonHeight(&own), 15);
  // No frames or a negative mask type count as one: no division by zero.
  TsMaskData broken = Item(1, 16, 14);
  broken.ImageCount = 0;
  broken.MaskType = -3;
  EXPECT_EQ(DialogButtonWidth(&broken), 16);
  EXPECT_EQ(DialogButtonHeight(&broken), 14);
  const TvxDialogState s = Dialog(kCaption | kThick);
  const TPoint grip = DialogGripPosition(s, broken, 300, 200);
  EXPECT_EQ(grip, (TPoint{300 - 16 - 4, 200 - 14 - 4}));
}

// Marl's glyphs: SICON 12 pixels, BICON 16, three frames each.
struct Glyphs {
  TsMaskData Close, Max, Min, Help, Norm;
  explicit Glyphs(int size)
      : Close(Item(3, size, size)), Max(Item(3, size, size)), Min(Item(3, size, size)), Help(Item(3, size, size)),
        Norm(Item(3, size, size)) {}
  TvxDialogButtonItems Items() const {
    TvxDialogButtonItems i;
    i.Own[dbClose] = &Close;
    i.Own[dbMax] = &Max;
    i.Own[dbMin] = &Min;
    i.Own[dbHelp] = &Help;
    i.Norm = &Norm;
    return i;
  }
};

TEST(DialogFrame, ButtonsStandRightToLeftAtTheirGlyphSizes) {
  // A message box: close only, 12-pixel glyph two lower in the 21-pixel band.
  const Glyphs small(12);
  const TvxDialogState box = Dialog(kPopup | kCaption | kModal | kSysMenu);
  TvxDialogButtonLayout l = LayoutDialogButtons(box, small.Items());
  EXPECT_EQ(l.Button[dbClose].Bounds, (TRect{285, 6, 297, 18}));
  EXPECT_FALSE(l.Button[dbMax].Placed);
  EXPECT_FALSE(l.Button[dbMin].Placed);
  EXPECT_TRUE(l.Button[dbClose].Enabled);
  const int widths[] = {12, 12, 12, 12};
  EXPECT_EQ(DialogButtonsWidth(box, widths), 12);

  // A resizable dialog with every box: close, max, min, help touching.
  const Glyphs big(16);
  TvxDialogState all = Dialog(kCaption | kThick | kSysMenu | kMax | kMin, 0x400);
  l = LayoutDialogButtons(all, big.Items());
  EXPECT_EQ(l.Button[dbClose].Bounds, (TRect{280, 3, 296, 19}));
  EXPECT_EQ(l.Button[dbMax].Bounds, (TRect{264, 3, 280, 19}));
  EXPECT_EQ(l.Button[dbMin].Bounds, (TRect{248, 3, 264, 19}));
  EXPECT_EQ(l.Button[dbHelp].Bounds, (TRect{232, 3, 248, 19}));
  EXPECT_EQ(l.Button[dbMax].Glyph, &big.Max);
  const int bigWidths[] = {16, 16, 16, 16};
  EXPECT_EQ(DialogButtonsWidth(all, bigWidths), 64);

  // Zoomed: the maximise button shows BICONNORM and is a restore button.
  all.Zoomed = true;
  l = LayoutDialogButtons(all, big.Items());
  EXPECT_EQ(l.Button[dbMax].Glyph, &big.Norm);
  EXPECT_TRUE(l.Button[dbMax].Enabled);

  // CS_NOCLOSE: the close button is drawn disabled; no system menu: nothing.
  TvxDialogState noClose = box;
  noClose.ClassNoClose = true;
  EXPECT_FALSE(LayoutDialogButtons(noClose, small.Items()).Button[dbClose].Enabled);
  TvxDialogState bare = Dialog(kPopup | kCaption | kModal);
  EXPECT_FALSE(LayoutDialogButtons(bare, small.Items()).Button[dbClose].Placed);
  EXPECT_EQ(DialogButtonsWidth(bare, widths), 0);
}

struct Lookups {
  std::map<std::string, int> Global, Form;
  std::vector<std::string> Asked;
  TvxItemLookup G() {
    return [this](const char* p) {
      Asked.push_back(p);
      auto it = Global.find(p);
      return it == Global.end() ? -1 : it->second;
    };
  }
  TvxItemLookup F() {
    return [this](const char* p) {
      auto it = Form.find(std::string("FORM.") + p);
      return it == Form.end() ? -1 : it->second;
    };
  }
};

TEST(DialogFrame, ButtonImagesComeInTheSkinsOrder) {
  // Without GLOBALINFO the form's buttons stand in, as without BICONCLOSE.
  Lookups none;
  none.Global = {{"BICONCLOSE", 1}};
  none.Form = {{"FORM.BICONCLOSE", 7}, {"FORM.BICONMIN", 8}};
  const TvxDialogButtonIndexes noGlobal = DialogButtonIndexes(DialogFrameSizing, false, none.G(), none.F());
  EXPECT_EQ(noGlobal.Index[dbClose], 7);
  EXPECT_EQ(noGlobal.Index[dbMin], 8);
  EXPECT_EQ(noGlobal.Index[dbMax], -1);
  EXPECT_TRUE(none.Asked.empty());

  Lookups formOnly;
  formOnly.Global = {{"SICONCLOSE", 9}};
  formOnly.Form = {{"FORM.BICONMIN", 1}, {"FORM.BICONMAX", 2}, {"FORM.BICONCLOSE", 3}, {"FORM.BICONHELP", 4}};
  TvxDialogButtonIndexes r = DialogButtonIndexes(DialogFrameModal, true, formOnly.G(), formOnly.F());
  EXPECT_EQ(r.Index[dbMin], 1);
  EXPECT_EQ(r.Index[dbMax], 2);
  EXPECT_EQ(r.Index[dbClose], 3);
  EXPECT_EQ(r.Index[dbHelp], 4);

  Lookups marl;
  marl.Global = {{"BICONCLOSE", 10}, {"BICONMAX", 11}, {"BICONMIN", 12}, {"BICONHELP", 13},
                 {"SICONCLOSE", 20}, {"SICONMAX", 21}, {"SICONMIN", 22}};
  r = DialogButtonIndexes(DialogFrameModal, true, marl.G(), marl.F());
  EXPECT_EQ(r.Index[dbClose], 20);
  EXPECT_EQ(r.Index[dbMax], 21);
  EXPECT_EQ(r.Index[dbMin], 22);
  EXPECT_EQ(r.Index[dbHelp], 13);  // no SICONHELP: the big one
  r = DialogButtonIndexes(DialogFrameSizing, true, marl.G(), marl.F());
  EXPECT_EQ(r.Index[dbClose], 10);
  EXPECT_EQ(r.Index[dbMin], 12);

  // Without SICONCLOSE a small frame falls back to every BICON item.
  marl.Global.erase("SICONCLOSE");
  r = DialogButtonIndexes(DialogFramePopup, true, marl.G(), marl.F());
  EXPECT_EQ(r.Index[dbClose], 10);
  EXPECT_EQ(r.Index[dbMax], 11);

  TvxDialogState iconic = Dialog(kCaption | kThick | kSysMenu | kMax | kMin);
  iconic.Iconic = true;
  EXPECT_EQ(DialogRepaintImage(dbMin, iconic).Image, riNorm);
  EXPECT_EQ(DialogRepaintImage(dbMax, iconic).Image, riGlobalMax);
  EXPECT_FALSE(DialogRepaintImage(dbMax, iconic).Disabled);
  iconic.Zoomed = false;
  TvxDialogState zoomed = Dialog(kCaption | kThick | kSysMenu | kMax);
  zoomed.Zoomed = true;
  EXPECT_EQ(DialogRepaintImage(dbMax, zoomed).Image, riNorm);
  EXPECT_EQ(DialogRepaintImage(dbClose, zoomed).Image, riOwn);
}

TvxDialogHitInput Hit(const TvxDialogState& s, const Glyphs& g, int x, int y) {
  TvxDialogHitInput in;
  in.State = s;
  in.At = {x, y};
  in.Layout = LayoutDialogButtons(s, g.Items());
  in.CloseHeight = DialogButtonHeight(&g.Close);
  in.CacheWidth = s.Width;
  in.CacheHeight = s.Height;
  return in;
}

TEST(DialogFrame, HitTestMapsTheCaptionButtonsAndTheGrip) {
  const Glyphs big(16);
  TvxDialogState s = Dialog(kCaption | kThick | kSysMenu | kMax | kMin, 0x400);
  // Band 3..19 (button height 16 centred in 22).
  EXPECT_EQ(DialogHitTest(Hit(s, big, 10, 10)).Code, 3);  // icon
  EXPECT_EQ(DialogHitTest(Hit(s, big, 10, 10)).Hot, 3);
  EXPECT_EQ(DialogHitTest(Hit(s, big, 290, 10)).Code, 20);
  EXPECT_EQ(DialogHitTest(Hit(s, big, 270, 10)).Code, 9);
  EXPECT_EQ(DialogHitTest(Hit(s, big, 250, 10)).Code, 8);
  EXPECT_EQ(DialogHitTest(Hit(s, big, 240, 10)).Code, 21);  // help at 4
  const TvxDialogHit caption = DialogHitTest(Hit(s, big, 150, 10));
  EXPECT_EQ(caption.Code, 2);
  EXPECT_EQ(caption.Hot, -1);

  // Zoomed with the maximise box: restore is allowed, so 9 still.
  TvxDialogState zoomed = s;
  zoomed.Zoomed = true;
  EXPECT_EQ(DialogHitTest(Hit(zoomed, big, 270, 10)).Code, 9);
  // A maximise box on a fixed frame is disabled: it answers HTCAPTION.
  TvxDialogState fixed = Dialog(kPopup | kCaption | kModal | kSysMenu | kMax);
  const TvxDialogHit disabled = DialogHitTest(Hit(fixed, big, 280 - 1 - 16 + 6, 10));
  EXPECT_EQ(disabled.Code, 2);
  EXPECT_EQ(disabled.Hot, 2);

  // Without maximise box the minimise button is second and help third.
  TvxDialogState noMax = Dialog(kCaption | kThick | kSysMenu | kMin, 0x400);
  EXPECT_EQ(DialogHitTest(Hit(noMax, big, 270, 10)).Code, 8);
  EXPECT_EQ(DialogHitTest(Hit(noMax, big, 250, 10)).Code, 21);
  // Maximise without minimise: help third.
  TvxDialogState noMin = Dialog(kCaption | kThick | kSysMenu | kMax, 0x400);
  EXPECT_EQ(DialogHitTest(Hit(noMin, big, 250, 10)).Code, 21);

  // The grip of a sizing frame, none for a fixed one.
  const TsMaskData grip = Item(1, 12, 12);
  TvxDialogHitInput in = Hit(s, big, 290, 190);
  in.Grip = &grip;
  EXPECT_EQ(DialogHitTest(in).Code, 17);
  in.At = {284, 184};  // on the grip's corner: not strictly inside
  EXPECT_FALSE(DialogHitTest(in).Answered);
  TvxDialogHitInput fixedGrip = Hit(fixed, big, 290, 190);
  fixedGrip.Grip = &grip;
  EXPECT_FALSE(DialogHitTest(fixedGrip).Answered);

  // A zoomed window's margins answer HTERROR and clear the hot button.
  TvxDialogHitInput margin = Hit(zoomed, big, 1, 100);
  EXPECT_EQ(DialogHitTest(margin).Code, -1);
  EXPECT_EQ(DialogHitTest(margin).Hot, 0);
  margin.At = {297, 100};
  EXPECT_EQ(DialogHitTest(margin).Code, -1);
  margin.At = {150, 100};
  EXPECT_FALSE(DialogHitTest(margin).Answered);
}

TEST(DialogFrame, ReleasesActOnlyOnAHeldButton) {
  TvxDialogUpInput up;
  // A client release with Ctrl held (MK_CONTROL = 8) is no minimise button.
  up.ClientMessage = true;
  up.Code = 8;
  up.InMinButton = true;
  EXPECT_EQ(DialogUpAction(up), duPassOn);
  // While a button is held the client release releases it.
  up.ButtonPressed = true;
  up.HotButton = 20;
  EXPECT_EQ(DialogUpAction(up), duClose);
  up.HotButton = 8;
  EXPECT_EQ(DialogUpAction(up), duMinimize);

  TvxDialogUpInput nc;
  nc.Code = 8;
  nc.ButtonPressed = true;
  nc.InMinButton = false;  // released outside: passed on, no minimise
  EXPECT_EQ(DialogUpAction(nc), duPassOn);
  nc.InMinButton = true;
  nc.Iconic = true;
  EXPECT_EQ(DialogUpAction(nc), duRestore);
  nc.ButtonPressed = false;
  EXPECT_EQ(DialogUpAction(nc), duClearHot);
  nc.Code = 20;
  EXPECT_EQ(DialogUpAction(nc), duNothing);
  nc.Code = 9;
  nc.Iconic = true;
  nc.ButtonPressed = true;
  EXPECT_EQ(DialogUpAction(nc), duNothing);  // iconic without maximise allowed
  nc.Iconic = false;
  nc.Zoomed = true;
  EXPECT_EQ(DialogUpAction(nc), duRestore);
  nc.Code = 2;
  EXPECT_EQ(DialogUpAction(nc), duPassOn);

  // Presses and double clicks.
  TvxDialogDownInput down;
  down.Code = 3;
  EXPECT_EQ(DialogDownAction(down), ddShowMenu);
  down.Code = 102;
  EXPECT_EQ(DialogDownAction(down), ddPress);
  down.Code = 2;
  EXPECT_EQ(DialogDownAction(down), ddPassOn);
  down.Zoomed = true;
  down.TitleBand = 22;
  down.Y = 10;
  down.Active = false;
  EXPECT_EQ(DialogDownAction(down), ddFocus);
  down.Iconic = true;
  EXPECT_EQ(DialogDownAction(down), ddMoveIconic);

  const TvxDialogState box = Dialog(kPopup | kCaption | kModal | kSysMenu);
  EXPECT_EQ(DialogDoubleClickAction(2, box), dcNothing);
  EXPECT_EQ(DialogDoubleClickAction(3, box), dcClose);
  const TvxDialogState sizing = Dialog(kCaption | kThick | kSysMenu | kMax);
  EXPECT_EQ(DialogDoubleClickAction(2, sizing), dcMaximize);
  EXPECT_EQ(DialogDoubleClickAction(17, sizing), dcNothing);
}

}  // namespace

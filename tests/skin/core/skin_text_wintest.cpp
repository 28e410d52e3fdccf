// Captions in a section's colours drawn into a skinned panel's cache under
// Wine, checked against the text's own ink drawn once by GDI: every contour
// pass lands one pixel off in its colour, the main pass on top; and the
// placement of a button's glyph and caption.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/forms/forms.h"
#include "platform/rtl/text1251.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/color_helpers.h"
#include "skin/core/dc_helpers_win.h"
#include "skin/core/manager_platform.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skin_text_win.h"
#include "tests/skin/core/skin_panel_wintest_support.h"

using namespace brsm::test;

namespace {

constexpr TColor kMain = 0x0000C0, kLeft = 0x00A0FF, kTop = 0xFFA000, kRight = 0x40FF40, kBottom = 0xA0A0A0;
constexpr TColor kHotMain = 0xFFFFFF, kHotRight = 0x000000;
constexpr TColor kPlain = 0x800000;
constexpr unsigned kFlags = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
constexpr int kW = 120, kH = 80;

struct Pass {
  TColor color;
  int dx, dy;
  bool clipped = true;  // to its own moved rectangle, as DrawText does
};

// The text's ink in kMain on kPanel, drawn once by GDI in the given font.
class Ink {
 public:
  Ink(HFONT font, const std::string& text, const TRect& r) : bitmap_(CreateBitmap24(kW, kH)) {
    HDC dc = bitmap_->Canvas()->Handle();
    FillRectOnDC(dc, TRect{0, 0, kW, kH}, kPanel);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(kMain));
    const std::wstring wide = brsm::ToUtf16(text);
    RECT rr{r.Left, r.Top, r.Right, r.Bottom};
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rr, kFlags | DT_NOCLIP);
    SelectObject(dc, old);
  }
  TColor At(int x, int y) const {
    if (x < 0 || y < 0 || x >= kW || y >= kH) return kPanel;
    return BitmapPixel(bitmap_.get(), x, y);
  }
  int Solid(const TRect& r) const {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += At(x, y) == kMain;
    return n;
  }

 private:
  std::unique_ptr<TBitmap> bitmap_;
};

// What the passes, in order, leave at each pixel where the outcome is sure
// (no pass put a blended edge pixel there); pixels outside `clip` stay.
// `text` is the rectangle the passes are drawn in, each moved by its offset.
struct Outcome {
  int wrong = 0;
  std::vector<int> seen;  // sure pixels per pass colour
};
Outcome Compare(TSkinPanel* panel, const std::vector<TColor>& before, const Ink& ink,
                const std::vector<Pass>& passes, const TRect& clip, const TRect& text) {
  Outcome o;
  o.seen.assign(passes.size(), 0);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      TColor want = before[static_cast<size_t>(y * kW + x)];
      int from = -1;
      bool sure = true;
      if (x >= clip.Left && x < clip.Right && y >= clip.Top && y < clip.Bottom)
        for (size_t i = 0; i < passes.size(); ++i) {
          const Pass& p = passes[i];
          if (p.clipped && (x < text.Left + p.dx || x >= text.Right + p.dx || y < text.Top + p.dy ||
                            y >= text.Bottom + p.dy))
            continue;
          const TColor v = ink.At(x - p.dx, y - p.dy);
          if (v == kMain) {
            want = passes[i].color;
            from = static_cast<int>(i);
            sure = true;
          } else if (v != kPanel) {
            sure = false;
          }
        }
      if (!sure) continue;
      if (from >= 0) ++o.seen[static_cast<size_t>(from)];
      o.wrong += panel->CachePixel(x, y) != want;
    }
  return o;
}

class SkinTextWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseWindowsSkinManager();
    brsm::kit::KitSkin skin = PlateSkin("Plate", kPanel);
    const char* keys[] = {"FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM"};
    const char* hotKeys[] = {"HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM"};
    const TColor colors[] = {kMain, kLeft, kTop, kRight, kBottom};
    const TColor hot[] = {kHotMain, -1, -1, kHotRight, -1};
    for (const char* section : {"PANEL", "WEBBUTTON"})
      for (int i = 0; i < 5; ++i) {
        skin.Set(section, keys[i], colors[i]);
        skin.Set(section, hotKeys[i], hot[i]);
      }
    skin.Set("WEBBUTTON", "COLOR", kPanel);
    skin.Set("PLAIN", "COLOR", kPanel);
    skin.Set("PLAIN", "FONTCOLOR", kPlain);
    for (int i = 1; i < 5; ++i) skin.Set("PLAIN", keys[i], -1);
    ASSERT_TRUE(skin.WriteFolder(folder.Path()));
    form = std::make_unique<TForm>(Application);
    form->SetBounds(40, 40, 260, 170);
    manager = new TsSkinManager(form.get());
    manager->SetSkinDirectory(folder.Path());
    manager->SetSkinName("Plate");
    ASSERT_TRUE(manager->SkinData.Loaded);
    panel = new TSkinPanel(form.get(), "PANEL");
    panel->SetBounds(10, 10, kW, kH);
    panel->SetParent(form.get());
    panel->Font()->SetName("Tahoma");
    panel->Font()->SetHeight(-22);
    panel->Font()->SetStyle(TFontStyles{fsBold});
    form->Show();
    Pump();
    panel->Repaint();
    Pump();
    ASSERT_TRUE(panel->SkinData.IsSkinned());
    Fresh();
  }
  void TearDown() override {
    form.reset();
    Pump(10);
  }
  // A cache of the panel's plain look; its pixels kept for comparison.
  void Fresh() {
    panel->PaintCache();
    before.clear();
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) before.push_back(panel->CachePixel(x, y));
  }
  TCanvas* Cache() { return CacheBitmapOf(&panel->SkinData)->Canvas(); }
  TCanvas* CacheInPanelFont() {
    TCanvas* c = Cache();
    c->Font()->Assign(panel->Font());
    return c;
  }
  int Section(const char* name) { return manager->LookupSection(name); }

  TempFolder folder;
  std::unique_ptr<TForm> form;
  TsSkinManager* manager = nullptr;
  TSkinPanel* panel = nullptr;
  std::vector<TColor> before;
};

const TRect kText{20, 20, 110, 60};
const std::vector<Pass> kNormal{{kLeft, -1, 0}, {kTop, 0, -1}, {kRight, 1, 0}, {kBottom, 0, 1}, {kMain, 0, 0}};

}  // namespace

TEST_F(SkinTextWinTest, SectionTextLandsInTheCacheWithItsContours) {
  TCanvas* canvas = CacheInPanelFont();
  DrawSectionText(canvas, "Hm", true, manager, false, Section("PANEL"), kFlags, kText);
  const Ink ink(canvas->Font()->Handle(), "Hm", kText);
  ASSERT_GT(ink.Solid(kText), 50);
  const Outcome o = Compare(panel, before, ink, kNormal, TRect{0, 0, kW, kH}, kText);
  EXPECT_EQ(o.wrong, 0);
  for (size_t i = 0; i < kNormal.size(); ++i) EXPECT_GT(o.seen[i], 0) << "pass " << i;

  // The hot set: only its right contour and its own text colour.
  Fresh();
  DrawSectionTextDefault(canvas, "Hm", true, true, Section("PANEL"), kFlags, kText);
  const Outcome hot = Compare(panel, before, ink, {{kHotRight, 1, 0}, {kHotMain, 0, 0}}, TRect{0, 0, kW, kH}, kText);
  EXPECT_EQ(hot.wrong, 0);
  EXPECT_GT(hot.seen[0], 0);

  // Without contours the text is drawn once: its ink is exactly GDI's.
  Fresh();
  DrawSectionText(canvas, "Hm", true, nullptr, false, Section("PLAIN"), kFlags, kText);
  int wrong = 0;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const TColor v = ink.At(x, y);
      if (v == kMain) wrong += panel->CachePixel(x, y) != kPlain;
      if (v == kPanel) wrong += panel->CachePixel(x, y) != before[static_cast<size_t>(y * kW + x)];
    }
  EXPECT_EQ(wrong, 0);

  // Disabled: one pass, 40 percent text colour over 60 percent face.
  Fresh();
  DrawSectionText(canvas, "Hm", false, manager, false, Section("PANEL"), kFlags, kText);
  const TColor mix = InterpolateColor(kMain, kPanel, 0.4);
  for (int shift = 0; shift < 24; shift += 8) {
    const int mine = (((kMain >> shift) & 255) * 4 + ((kPanel >> shift) & 255) * 6) / 10;
    EXPECT_NEAR((mix >> shift) & 255, mine, 1);
  }
  EXPECT_EQ(Compare(panel, before, ink, {{mix, 0, 0}}, TRect{0, 0, kW, kH}, kText).wrong, 0);

  // An invalid section draws nothing.
  Fresh();
  DrawSectionText(canvas, "Hm", true, manager, false, 9999, kFlags, kText);
  EXPECT_EQ(Compare(panel, before, ink, {}, TRect{0, 0, kW, kH}, kText).wrong, 0);
}

TEST_F(SkinTextWinTest, ControlTextIsClippedToItsRectangle) {
  // A rectangle that cuts the caption: nothing of any pass lands outside.
  const TRect cut{21, 20, 45, 60};
  TCanvas* canvas = Cache();
  DrawControlText(canvas, "Hm", true, false, &panel->SkinData, kFlags, cut);
  const Ink ink(canvas->Font()->Handle(), "Hm", cut);
  ASSERT_GT(ink.Solid(TRect{45, 0, kW, kH}), 0) << "the caption reaches beyond the rectangle";
  std::vector<Pass> passes = kNormal;
  passes.back().clipped = false;  // the last pass is drawn with DT_NOCLIP
  const Outcome o = Compare(panel, before, ink, passes, cut, cut);
  EXPECT_EQ(o.wrong, 0);
  EXPECT_GT(o.seen[4], 0);

  // Disabled with CustomFont: still the mix; enabled with CustomFont: the
  // font's own colour in one pass.
  panel->SkinData.SetCustomFont(true);
  Fresh();
  DrawControlText(canvas, "Hm", false, false, &panel->SkinData, kFlags, kText);
  const Ink whole(canvas->Font()->Handle(), "Hm", kText);
  EXPECT_EQ(Compare(panel, before, whole, {{InterpolateColor(kMain, kPanel, 0.4), 0, 0}}, TRect{0, 0, kW, kH}, kText).wrong, 0);
  panel->Font()->SetColor(0x112233);
  Fresh();
  DrawControlText(canvas, "Hm", true, false, &panel->SkinData, kFlags, kText);
  EXPECT_EQ(Compare(panel, before, whole, {{0x112233, 0, 0}}, TRect{0, 0, kW, kH}, kText).wrong, 0);
}

namespace {

// The longest run of changed pixels in any row of the cache.
int LongestRun(TSkinPanel* panel, const std::vector<TColor>& before) {
  int longest = 0;
  for (int y = 0; y < kH; ++y) {
    int run = 0;
    for (int x = 0; x < kW; ++x) {
      run = panel->CachePixel(x, y) != before[static_cast<size_t>(y * kW + x)] ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  }
  return longest;
}

}  // namespace

TEST_F(SkinTextWinTest, OnlyAHotWebButtonIsUnderlined) {
  TCanvas* canvas = Cache();
  DrawControlText(canvas, "Hm", true, false, &panel->SkinData, kFlags, kText);
  const int plainRun = LongestRun(panel, before);
  Fresh();
  DrawControlText(canvas, "Hm", true, true, &panel->SkinData, kFlags, kText);
  EXPECT_LE(LongestRun(panel, before), plainRun + 2) << "a hot PANEL caption (other contours)";
  EXPECT_FALSE(canvas->Font()->Style().Contains(fsUnderline));

  panel->SkinData.SetSkinSection("WEBBUTTON");
  ASSERT_EQ(panel->SkinData.SectionIndex, Section("WEBBUTTON"));
  Fresh();
  DrawControlText(canvas, "Hm", true, false, &panel->SkinData, kFlags, kText);
  EXPECT_EQ(LongestRun(panel, before), plainRun);
  Fresh();
  DrawControlText(canvas, "Hm", true, true, &panel->SkinData, kFlags, kText);
  EXPECT_GT(LongestRun(panel, before), plainRun + 5) << "the underline spans the caption";
}

// -- Glyph and caption -----------------------------------------------------------------

namespace {

struct Placed {
  TRect glyph, text;
};
Placed Layout(const TRect& client, TSize text, TSize glyph, int flags, int spacing, int margin,
              TAlignment alignment, TButtonLayout layout) {
  Placed p;
  LayoutGlyphAndText(client, text, glyph, flags, p.glyph, p.text, spacing, margin, alignment, layout);
  return p;
}
int MidY(const TRect& r) { return (r.Top + r.Bottom) / 2; }
int MidX(const TRect& r) { return (r.Left + r.Right) / 2; }

}  // namespace

TEST(LayoutGlyphAndTextTest, SidewaysLayouts) {
  const TRect client{10, 20, 110, 60};
  const TSize text{40, 12}, glyph{16, 16};
  const Placed left = Layout(client, text, glyph, 0, 4, -1, taCenter, blGlyphLeft);
  EXPECT_EQ(left.glyph.Width(), 16);
  EXPECT_EQ(left.glyph.Height(), 16);
  EXPECT_EQ(left.text.Width(), 40);
  EXPECT_EQ(left.text.Height(), 12);
  EXPECT_EQ(left.text.Left - left.glyph.Right, 4);
  // The pair centred, both centred across.
  EXPECT_LE(std::abs((left.glyph.Left - client.Left) - (client.Right - left.text.Right)), 1);
  EXPECT_LE(std::abs(MidY(left.glyph) - MidY(client)), 1);
  EXPECT_LE(std::abs(MidY(left.text) - MidY(client)), 1);

  const Placed right = Layout(client, text, glyph, 0, 4, -1, taCenter, blGlyphRight);
  EXPECT_EQ(right.glyph.Left - right.text.Right, 4);
  EXPECT_LE(std::abs((right.text.Left - client.Left) - (client.Right - right.glyph.Right)), 1);

  // Right-to-left reading swaps the two sideways layouts.
  const Placed rtl = Layout(client, text, glyph, LayoutRightToLeft, 4, -1, taCenter, blGlyphLeft);
  EXPECT_EQ(rtl.glyph, right.glyph);
  EXPECT_EQ(rtl.text, right.text);
  const Placed rtl2 = Layout(client, text, glyph, LayoutRightToLeft, 4, -1, taCenter, blGlyphRight);
  EXPECT_EQ(rtl2.glyph, left.glyph);

  // A margin is the glyph's distance from its edge.
  EXPECT_EQ(Layout(client, text, glyph, 0, 4, 5, taCenter, blGlyphLeft).glyph.Left, 15);
  EXPECT_EQ(Layout(client, text, glyph, 0, 4, 5, taCenter, blGlyphRight).glyph.Right, 105);

  // Automatic margin and spacing share the free room in three.
  const Placed even = Layout(client, text, glyph, 0, -1, -1, taCenter, blGlyphLeft);
  const int a = even.glyph.Left - client.Left, b = even.text.Left - even.glyph.Right,
            c = client.Right - even.text.Right;
  EXPECT_LE(std::abs(a - b), 2);
  EXPECT_LE(std::abs(b - c), 2);
  EXPECT_EQ(a + b + c, 100 - 16 - 40);

  // Alignment puts the centred pair against an edge.
  const Placed l = Layout(client, text, glyph, 0, 4, -1, taLeftJustify, blGlyphLeft);
  EXPECT_EQ(l.glyph.Left, client.Left);
  EXPECT_EQ(l.text.Left - l.glyph.Right, 4);
  const Placed r = Layout(client, text, glyph, 0, 4, -1, taRightJustify, blGlyphLeft);
  EXPECT_EQ(r.text.Right, client.Right);
  EXPECT_EQ(r.glyph.Top, left.glyph.Top);
}

TEST(LayoutGlyphAndTextTest, StackedLayoutsAndOffsets) {
  const TRect client{0, 0, 80, 60};
  const TSize text{30, 12}, glyph{16, 16};
  const Placed top = Layout(client, text, glyph, 0, 3, -1, taCenter, blGlyphTop);
  EXPECT_EQ(top.text.Top - top.glyph.Bottom, 3);
  EXPECT_LE(std::abs((top.glyph.Top - client.Top) - (client.Bottom - top.text.Bottom)), 1);
  EXPECT_LE(std::abs(MidX(top.glyph) - 40), 1);
  EXPECT_LE(std::abs(MidX(top.text) - 40), 1);
  const Placed bottom = Layout(client, text, glyph, 0, 3, -1, taCenter, blGlyphBottom);
  EXPECT_EQ(bottom.glyph.Top - bottom.text.Bottom, 3);
  // Right-to-left does not touch the stacked layouts.
  const Placed rtlTop = Layout(client, text, glyph, LayoutRightToLeft, 3, -1, taCenter, blGlyphTop);
  EXPECT_EQ(rtlTop.glyph, top.glyph);
  EXPECT_EQ(rtlTop.text, top.text);
  EXPECT_EQ(Layout(client, text, glyph, 0, 3, 6, taCenter, blGlyphTop).glyph.Top, 6);

  // Aligned stacks move as one block, the wider caption against the edge.
  const Placed left = Layout(client, text, glyph, 0, 3, -1, taLeftJustify, blGlyphTop);
  EXPECT_EQ(left.text.Left, 0);
  EXPECT_EQ(left.glyph.Left - left.text.Left, top.glyph.Left - top.text.Left);
  EXPECT_EQ(left.glyph.Top, top.glyph.Top);
  const Placed right = Layout(client, text, glyph, 0, 3, -1, taRightJustify, blGlyphTop);
  EXPECT_EQ(right.text.Right, 80);

  // Every result follows the client rectangle's top-left corner.
  const TRect moved{7, 9, 87, 69};
  for (TButtonLayout layout : {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom})
    for (TAlignment alignment : {taLeftJustify, taRightJustify, taCenter}) {
      const Placed at0 = Layout(client, text, glyph, 0, 3, -1, alignment, layout);
      const Placed at = Layout(moved, text, glyph, 0, 3, -1, alignment, layout);
      EXPECT_EQ(at.glyph, Bounds(at0.glyph.Left + 7, at0.glyph.Top + 9, 16, 16)) << layout << alignment;
      EXPECT_EQ(at.text, Bounds(at0.text.Left + 7, at0.text.Top + 9, 30, 12)) << layout << alignment;
    }

  // Without a glyph the caption alone is centred; the spacing does not count.
  const Placed bare = Layout(client, text, TSize{0, 0}, 0, 10, -1, taCenter, blGlyphLeft);
  EXPECT_LE(std::abs(MidX(bare.text) - 40), 1);
  EXPECT_LE(std::abs(MidY(bare.text) - 30), 1);
}

// Painting a skinned control's tree off-screen under Wine: windowless
// children over the cached background, a whole tree into a bitmap, the
// cache onto a DC without painting over child windows, and the bound label
// beside a real edit.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "platform/forms/forms.h"
#include "platform/forms/stdctrls.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/dc_helpers_win.h"
#include "skin/core/edit_label_win.h"
#include "skin/core/manager_platform.h"
#include "skin/core/skin_manager.h"
#include "tests/skin/core/skin_panel_wintest_support.h"
#include "tests/support/screenshot.h"

using namespace brsm::test;

namespace {

constexpr TColor kSentinel = 0x123456;
constexpr TColor kInner = 0x205020;  // the face of PANEL2

// A windowless child that fills its face inside a 2-pixel ring it leaves
// alone, so the background put under it shows in the ring.
class TBlock : public TGraphicControl {
 public:
  TBlock(TComponent* owner, TColor face, int ring) : TGraphicControl(owner), face_(face), ring_(ring) {}
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    Canvas()->Brush()->SetColor(face_);
    Canvas()->FillRect(TRect{ring_, ring_, Width() - ring_, Height() - ring_});
  }

 private:
  TColor face_;
  int ring_;
};

std::unique_ptr<TBitmap> SentinelBitmap(int w, int h) {
  std::unique_ptr<TBitmap> b(CreateBitmap24(w, h));
  FillRectOnDC(b->Canvas()->Handle(), TRect{0, 0, w, h}, kSentinel);
  return b;
}

bool Inside(const TRect& r, int x, int y) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; }
bool InRing(const TRect& r, int x, int y) {
  return Inside(r, x, y) && !Inside(TRect{r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2}, x, y);
}

class RecordPaintingWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseWindowsSkinManager();
    brsm::kit::KitSkin skin = PlateSkin("Plate", kPanel);
    skin.Set("PANEL2", "COLOR", kInner);
    skin.Set("PANEL2", "GRADIENTPERCENT", 100);
    skin.Set("PANEL2", "GRADIENTDATA", std::to_string(kInner) + ";" + std::to_string(kInner) + ";100;0;0");
    ASSERT_TRUE(skin.WriteFolder(folder.Path()));
    form = std::make_unique<TForm>(Application);
    form->SetBounds(40, 40, 300, 200);
    form->SetCaption("Record painting");
    manager = new TsSkinManager(form.get());
    manager->SetSkinDirectory(folder.Path());
    manager->SetSkinName("Plate");
    ASSERT_TRUE(manager->SkinData.Loaded);
    panel = new TSkinPanel(form.get(), "PANEL");
    panel->SetBounds(10, 10, 120, 80);
    panel->SetParent(form.get());
    form->Show();
    Pump();
    panel->Repaint();
    Pump();
    ASSERT_TRUE(panel->SkinData.IsSkinned());
    ASSERT_EQ(panel->CachePixel(60, 40), kPanel);
  }
  void TearDown() override {
    form.reset();
    Pump(10);
    EXPECT_EQ(DefaultManager, nullptr);
  }
  TBlock* AddBlock(TColor face, const TRect& r, int ring = 2) {
    auto* b = new TBlock(form.get(), face, ring);
    b->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    b->SetParent(panel);
    return b;
  }

  TempFolder folder;
  std::unique_ptr<TForm> form;
  TsSkinManager* manager = nullptr;
  TSkinPanel* panel = nullptr;
};

}  // namespace

TEST_F(RecordPaintingWinTest, GraphicChildrenLandAtTheirPlaceOverTheCache) {
  const TRect a{2, 2, 32, 22};  // over the border and the face
  const TRect b{60, 30, 80, 50};
  const TRect hidden{90, 50, 110, 70};
  const TRect keyed{40, 50, 60, 70};
  TBlock* blockA = AddBlock(0x00FFFF, a);
  TBlock* blockB = AddBlock(0x808080, b);
  blockB->SetControlStyle(blockB->ControlStyle() + TControlStyle{csOpaque});
  blockB->SetColor(0xFF8000);
  TBlock* blockHidden = AddBlock(0x0000FF, hidden);
  blockHidden->SetVisible(false);
  AddBlock(0xFF00FF, keyed, 0);  // all key colour: never copied
  Pump();
  panel->Repaint();
  Pump();

  for (const TPoint offset : {TPoint{0, 0}, TPoint{5, 3}}) {
    SCOPED_TRACE(offset.X);
    auto target = SentinelBitmap(140, 100);
    const int paintsA = blockA->Paints, paintsHidden = blockHidden->Paints;
    PaintGraphicChildren(target->Canvas()->Handle(), panel, offset);
    EXPECT_EQ(blockA->Paints, paintsA + 1);
    EXPECT_EQ(blockHidden->Paints, paintsHidden);
    int wrong = 0;
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 140; ++x) {
        const int px = x - offset.X, py = y - offset.Y;  // in the panel
        TColor want = kSentinel;
        if (InRing(a, px, py))
          want = panel->CachePixel(px, py);  // the cache under a see-through child
        else if (Inside(a, px, py))
          want = 0x00FFFF;
        else if (InRing(b, px, py))
          want = 0xFF8000;  // an opaque child's own colour under it
        else if (Inside(b, px, py))
          want = 0x808080;
        wrong += BitmapPixel(target.get(), x, y) != want;
      }
    EXPECT_EQ(wrong, 0);
  }
  // Only the cache's own pixels are under child A: border at its corner,
  // face inside.
  auto target = SentinelBitmap(120, 80);
  PaintGraphicChildren(target->Canvas()->Handle(), panel, TPoint{0, 0});
  EXPECT_EQ(BitmapPixel(target.get(), 2, 2), kBorder);
  EXPECT_EQ(BitmapPixel(target.get(), 30, 20), kPanel);

  // A DC that shows nothing gets nothing, and no child is painted.
  auto none = SentinelBitmap(120, 80);
  HDC dc = none->Canvas()->Handle();
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, 0, 0, 120, 80);
  const int paintsA = blockA->Paints;
  PaintGraphicChildren(dc, panel, TPoint{0, 0});
  RestoreDC(dc, saved);
  EXPECT_EQ(blockA->Paints, paintsA);
  EXPECT_EQ(BitmapPixel(none.get(), 10, 10), kSentinel);
}

TEST_F(RecordPaintingWinTest, ControlTreePaintsIntoABitmap) {
  auto* inner = new TSkinPanel(form.get(), "PANEL2");
  inner->SetBounds(30, 20, 50, 40);
  inner->SetParent(panel);
  auto* gone = new TSkinPanel(form.get(), "PANEL2");
  gone->SetBounds(90, 50, 20, 20);
  gone->SetParent(panel);
  gone->SetVisible(false);
  Pump();
  const TRect in{30, 20, 80, 60};

  auto bitmap = SentinelBitmap(140, 100);
  PaintControlToBitmap(bitmap.get(), panel);
  int wrong = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 140; ++x) {
      TColor want = kSentinel;  // nothing beyond the control's size
      if (Inside(in, x, y))
        want = kInner;  // PANEL2 has no border
      else if (x < 120 && y < 80)
        want = InBorder(x, y, 120, 80) ? kBorder : kPanel;
      wrong += BitmapPixel(bitmap.get(), x, y) != want;
    }
  EXPECT_EQ(wrong, 0);

  // An invisible control paints nothing.
  auto untouched = SentinelBitmap(60, 50);
  inner->SetVisible(false);
  PaintControlToBitmap(untouched.get(), inner);
  EXPECT_EQ(BitmapPixel(untouched.get(), 25, 20), kSentinel);
}

TEST_F(RecordPaintingWinTest, CacheToDCLeavesChildWindowsAlone) {
  auto* child = new TSkinPanel(form.get(), "PANEL2");
  child->SetBounds(20, 20, 40, 30);
  child->SetParent(panel);
  auto* hiddenChild = new TSkinPanel(form.get(), "PANEL2");
  hiddenChild->SetBounds(70, 40, 20, 20);
  hiddenChild->SetParent(panel);
  hiddenChild->SetVisible(false);
  Pump();

  // The whole cache at the DC's origin.
  auto dc1 = SentinelBitmap(120, 80);
  ClipOutChildWindows(panel->Handle(), &panel->SkinData, TRect{0, 0, 120, 80}, 0, 0, false,
                      dc1->Canvas()->Handle(), TRect{0, 0, 120, 80});
  int wrong = 0;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 120; ++x)
      wrong += BitmapPixel(dc1.get(), x, y) !=
               (Inside(TRect{20, 20, 60, 50}, x, y) ? kSentinel : panel->CachePixel(x, y));
  EXPECT_EQ(wrong, 0);

  // Part of the cache, from (10, 5), into a DC whose origin is that point:
  // the child's window moves with it, nothing lands outside the clip.
  auto dc2 = SentinelBitmap(120, 80);
  const TRect clip{0, 0, 90, 60};
  ClipOutChildWindows(panel->Handle(), &panel->SkinData, TRect{10, 5, 100, 65}, 5, 10, false,
                      dc2->Canvas()->Handle(), clip);
  wrong = 0;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 120; ++x) {
      const bool painted = Inside(clip, x, y) && !Inside(TRect{10, 15, 50, 45}, x, y);
      wrong += BitmapPixel(dc2.get(), x, y) != (painted ? panel->CachePixel(x + 10, y + 5) : kSentinel);
    }
  EXPECT_EQ(wrong, 0);
}

// -- The bound label beside a real edit ------------------------------------------------

namespace {

// An edit of the skin library with a bound label: size and position changes
// place the label, as the skinned edits do.
class TLabelledEdit : public TEdit {
 public:
  explicit TLabelledEdit(TComponent* owner) : TEdit(owner), SkinData(this, true), BoundLabel(&SkinData) {}
  void WndProc(TMessage& m) override {
    TEdit::WndProc(m);
    if ((m.Msg == WM_SIZE || m.Msg == WM_WINDOWPOSCHANGED) && BoundLabel.TheLabel()) BoundLabel.PlaceLabel();
  }
  TsCommonData SkinData;
  TsBoundLabel BoundLabel;
};

// Pixels of the form's client area that are not its background colour.
int InkIn(HWND form, const TRect& r, COLORREF background) {
  HDC dc = GetDC(form);
  int ink = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) ink += GetPixel(dc, x, y) != background;
  ReleaseDC(form, dc);
  return ink;
}

}  // namespace

TEST_F(RecordPaintingWinTest, BoundLabelStandsBesideTheEditInEachLayout) {
  auto* edit = new TLabelledEdit(form.get());
  edit->SetName("Edit1");
  edit->SetBounds(190, 100, 90, 24);  // clear of the panel
  edit->SetParent(form.get());
  Pump();
  TsBoundLabel& bound = edit->BoundLabel;
  bound.SetActive(true);
  TCustomLabel* label = bound.TheLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Caption(), "Edit1");
  EXPECT_EQ(label->Name(), "Edit1Label");
  EXPECT_EQ(label->Parent(), form.get());
  EXPECT_EQ(label->FocusControl(), edit);
  EXPECT_TRUE(label->Visible());
  ASSERT_GT(label->Width(), 0);
  ASSERT_GT(label->Height(), 0);

  // Left of the edit, 4 pixels apart, centred on it.
  EXPECT_EQ(label->Left() + label->Width() + 4, edit->Left());
  EXPECT_EQ(label->Top(), edit->Top() + (edit->Height() - label->Height()) / 2);
  EXPECT_EQ(label->Alignment(), taRightJustify);
  form->Repaint();
  Pump();
  HDC formDC = GetDC(form->Handle());
  const COLORREF face = GetPixel(formDC, 2, 150);
  ReleaseDC(form->Handle(), formDC);
  EXPECT_GT(InkIn(form->Handle(), label->BoundsRect(), face), 0) << "the label is drawn where it stands";
  EXPECT_EQ(InkIn(form->Handle(), TRect{label->Left() - 6, label->Top(), label->Left(), label->Top() + label->Height()}, face), 0);
  brsm::test::SaveScreenshot("bound_label_left");

  bound.SetIndent(3);
  EXPECT_EQ(label->Left() + label->Width() + 7, edit->Left());
  bound.SetLayout(sclTopLeft);
  EXPECT_EQ(label->Alignment(), taLeftJustify);
  EXPECT_EQ(label->Left(), edit->Left());
  EXPECT_EQ(label->Top() + label->Height() + 3, edit->Top());
  bound.SetLayout(sclTopCenter);
  EXPECT_EQ(label->Alignment(), taCenter);
  EXPECT_EQ(label->Left(), edit->Left() + (edit->Width() - label->Width()) / 2);
  EXPECT_EQ(label->Top() + label->Height() + 3, edit->Top());
  bound.SetLayout(sclTopRight);
  EXPECT_EQ(label->Alignment(), taRightJustify);
  EXPECT_EQ(label->Left() + label->Width(), edit->Left() + edit->Width());
  EXPECT_EQ(label->Top() + label->Height() + 3, edit->Top());

  // The label follows the edit's window when it moves or grows.
  edit->SetBounds(120, 110, 150, 30);
  Pump();
  EXPECT_EQ(label->Left() + label->Width(), 270);
  EXPECT_EQ(label->Top() + label->Height() + 3, 110);
  SetWindowPos(edit->Handle(), nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  EXPECT_EQ(edit->Left(), 100);
  EXPECT_EQ(label->Left() + label->Width(), 250);
  EXPECT_EQ(label->Top() + label->Height() + 3, 120);

  // A longer caption grows the auto-sized label; MaxWidth holds it and
  // makes it at least as high as the edit.
  const int shortWidth = label->Width();
  bound.SetCaption("A longer caption");
  EXPECT_GT(label->Width(), shortWidth);
  EXPECT_EQ(label->Left() + label->Width(), 250);
  bound.SetLayout(sclLeft);
  bound.SetMaxWidth(60);
  EXPECT_FALSE(label->AutoSize());
  EXPECT_TRUE(label->WordWrap());
  EXPECT_EQ(label->Width(), 60);
  EXPECT_GE(label->Height(), edit->Height());

  bound.SetActive(false);
  EXPECT_EQ(bound.TheLabel(), nullptr);
  EXPECT_TRUE(bound.UseSkinColor());
}

TEST_F(RecordPaintingWinTest, BoundLabelOfAHiddenEditStaysHiddenAndGoesWithIt) {
  auto* edit = new TLabelledEdit(form.get());
  edit->SetBounds(140, 60, 100, 24);
  edit->SetParent(form.get());
  edit->SetVisible(false);
  edit->BoundLabel.SetCaption("Name");
  edit->BoundLabel.SetActive(true);
  ASSERT_NE(edit->BoundLabel.TheLabel(), nullptr);
  EXPECT_FALSE(edit->BoundLabel.TheLabel()->Visible());
  EXPECT_EQ(edit->BoundLabel.TheLabel()->Caption(), "Name");
  // The label is the edit's: freeing the edit frees it, and the form's
  // child list no longer holds it.
  const int before = form->ControlCount();
  delete edit;
  EXPECT_EQ(form->ControlCount(), before - 2);
}

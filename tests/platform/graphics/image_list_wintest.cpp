#include "platform/graphics/graphics.h"

#include <gtest/gtest.h>

namespace {

// Two 4x4 images side by side: a green square with a magenta border, and
// solid blue.
TBitmap* Strip() {
  auto* b = new TBitmap(8, 4, pf24bit);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clFuchsia);
  c->FillRect(Rect(0, 0, 4, 4));
  c->Brush()->SetColor(clLime);
  c->FillRect(Rect(1, 1, 3, 3));
  c->Brush()->SetColor(clBlue);
  c->FillRect(Rect(4, 0, 8, 4));
  return b;
}

TBitmap* WhiteTarget() {
  auto* t = new TBitmap(10, 10, pf24bit);
  t->Canvas()->Brush()->SetColor(clWhite);
  t->Canvas()->FillRect(Rect(0, 0, 10, 10));
  return t;
}

TEST(ImageList, AddMaskedDrawsSeeThrough) {
  TImageList list(nullptr);
  list.SetSize(4, 4);
  std::unique_ptr<TBitmap> strip(Strip());
  EXPECT_EQ(list.AddMasked(strip.get(), clFuchsia), 0);
  EXPECT_EQ(list.Count(), 2);
  // The bitmap handed in is left as it was.
  EXPECT_EQ(strip->Canvas()->Pixel(0, 0), clFuchsia);

  std::unique_ptr<TBitmap> target(WhiteTarget());
  list.Draw(target->Canvas(), 3, 3, 0);
  EXPECT_EQ(target->Canvas()->Pixel(3, 3), clWhite);  // masked border
  EXPECT_EQ(target->Canvas()->Pixel(4, 4), clLime);
  list.Draw(target->Canvas(), 0, 0, 1);
  EXPECT_EQ(target->Canvas()->Pixel(2, 2), clBlue);
  // Out of range: nothing.
  list.Draw(target->Canvas(), 6, 6, 2);
  list.Draw(target->Canvas(), 6, 6, -1);
  EXPECT_EQ(target->Canvas()->Pixel(7, 7), clWhite);
}

TEST(ImageList, AddWithAMaskBitmap) {
  TImageList list(nullptr);
  list.SetSize(4, 4);
  std::unique_ptr<TBitmap> strip(Strip());
  TBitmap mask(8, 4, pf24bit);  // white: see-through; black: shown
  mask.Canvas()->Brush()->SetColor(clWhite);
  mask.Canvas()->FillRect(Rect(0, 0, 8, 4));
  mask.Canvas()->Brush()->SetColor(clBlack);
  mask.Canvas()->FillRect(Rect(0, 0, 2, 4));
  EXPECT_EQ(list.Add(strip.get(), &mask), 0);
  std::unique_ptr<TBitmap> target(WhiteTarget());
  list.Draw(target->Canvas(), 0, 0, 0);
  EXPECT_EQ(target->Canvas()->Pixel(1, 1), clLime);
  EXPECT_EQ(target->Canvas()->Pixel(2, 2), clWhite);
}

TEST(ImageList, DisabledLookIsEmbossedInShadowAndHighlight) {
  TImageList list(nullptr);
  list.SetSize(4, 4);
  std::unique_ptr<TBitmap> strip(Strip());
  list.AddMasked(strip.get(), clFuchsia);
  std::unique_ptr<TBitmap> target(WhiteTarget());
  target->Canvas()->Brush()->SetColor(clBlack);
  target->Canvas()->FillRect(Rect(0, 0, 10, 10));
  list.Draw(target->Canvas(), 2, 2, 0, false);
  // The shape (the green square at 3..4) in the shadow colour, the
  // highlight one pixel lower right, the see-through border untouched.
  EXPECT_EQ(target->Canvas()->Pixel(3, 3), ColorToRGB(clBtnShadow));
  EXPECT_EQ(target->Canvas()->Pixel(5, 5), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(target->Canvas()->Pixel(2, 2), clBlack);
}

TEST(ImageList, GetBitmapAndBkColor) {
  TImageList list(nullptr);
  list.SetSize(4, 4);
  std::unique_ptr<TBitmap> strip(Strip());
  list.AddMasked(strip.get(), clFuchsia);
  TBitmap out;
  list.GetBitmap(1, &out);
  EXPECT_EQ(out.Width(), 4);
  EXPECT_EQ(out.Height(), 4);
  EXPECT_EQ(out.Canvas()->Pixel(3, 3), clBlue);
  list.SetBkColor(clYellow);
  std::unique_ptr<TBitmap> target(WhiteTarget());
  list.Draw(target->Canvas(), 0, 0, 0);
  EXPECT_EQ(target->Canvas()->Pixel(0, 0), clYellow);  // the list's background fills the mask
  EXPECT_EQ(target->Canvas()->Pixel(1, 1), clLime);
}

TEST(ImageList, ChangeLinksAreToldAndLeaveCleanly) {
  auto* list = new TImageList(nullptr);
  list->SetSize(4, 4);
  TChangeLink first;
  auto* second = new TChangeLink;
  int firstCalls = 0, secondCalls = 0, listCalls = 0;
  first.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, list);
    ++firstCalls;
  };
  second->OnChange = [&](TObject*) { ++secondCalls; };
  list->OnChange = [&](TObject*) { ++listCalls; };
  list->RegisterChanges(&first);
  list->RegisterChanges(second);
  EXPECT_EQ(first.Sender(), list);
  std::unique_ptr<TBitmap> strip(Strip());
  list->AddMasked(strip.get(), clFuchsia);
  EXPECT_EQ(firstCalls, 1);
  EXPECT_EQ(secondCalls, 1);
  EXPECT_EQ(listCalls, 1);
  delete second;  // unregisters itself
  list->Clear();
  EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(firstCalls, 2);
  EXPECT_EQ(secondCalls, 1);
  list->UnRegisterChanges(&first);
  EXPECT_EQ(first.Sender(), nullptr);
  list->AddMasked(strip.get(), clFuchsia);
  EXPECT_EQ(firstCalls, 2);
  // A link that outlives its list forgets it.
  list->RegisterChanges(&first);
  list->SetSize(8, 8);  // a new size empties the list
  EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(firstCalls, 3);
  delete list;
  EXPECT_EQ(first.Sender(), nullptr);
}

}  // namespace

// Alignment and anchors: children keep their bands and distances when the
// form is resized, and constraints bound the sizes.
#include <gtest/gtest.h>

#include "forms_test_support.h"

namespace {

class TPanelLike : public TCustomControl {
 public:
  explicit TPanelLike(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  }
};

class Alignment : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBorderStyle(bsSizeable);
    form->SetBounds(20, 20, 400, 300);
  }
  void TearDown() override { delete form; }
  TPanelLike* Child(TAlign align, int w, int h) {
    auto* c = new TPanelLike(form);
    c->SetBounds(0, 0, w, h);
    c->SetAlign(align);
    c->SetParent(form);
    return c;
  }
  TForm* form = nullptr;
};

TEST_F(Alignment, BandsAreTakenInOrderAndFollowAResize) {
  form->Show();
  TPanelLike* top = Child(alTop, 10, 30);
  TPanelLike* bottom = Child(alBottom, 10, 40);
  TPanelLike* left = Child(alLeft, 50, 10);
  TPanelLike* right = Child(alRight, 60, 10);
  TPanelLike* client = Child(alClient, 1, 1);
  auto check = [&] {
    const int cw = form->ClientWidth(), ch = form->ClientHeight();
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, cw, 30));
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, ch - 40, cw, ch));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 30, 50, ch - 40));
    EXPECT_EQ(right->BoundsRect(), Rect(cw - 60, 30, cw, ch - 40));
    EXPECT_EQ(client->BoundsRect(), Rect(50, 30, cw - 60, ch - 40));
    // The windows are where the controls say.
    RECT r;
    GetWindowRect(client->Handle(), &r);
    MapWindowPoints(HWND_DESKTOP, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(brsm::FromRECT(r), client->BoundsRect());
  };
  check();
  form->SetBounds(form->Left(), form->Top(), 520, 380);
  check();
  // A resize by the system (as the user's dragging does) realigns too.
  SetWindowPos(form->Handle(), nullptr, 0, 0, 300, 250, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(form->Width(), 300);
  check();
  // A hidden band gives its room to the others.
  top->SetVisible(false);
  EXPECT_EQ(left->Top(), 0);
  EXPECT_EQ(client->Top(), 0);
}

TEST_F(Alignment, AnchoredChildrenKeepTheirDistances) {
  form->SetClientWidth(300);
  form->SetClientHeight(200);
  auto* stretch = Child(alNone, 100, 20);
  stretch->SetBounds(10, 10, 280, 20);
  stretch->SetAnchors({akLeft, akTop, akRight});
  auto* corner = Child(alNone, 50, 20);
  corner->SetBounds(240, 170, 50, 20);
  corner->SetAnchors({akRight, akBottom});
  auto* fixed = Child(alNone, 30, 30);
  fixed->SetBounds(5, 100, 30, 30);
  auto* windowless = new brsm::test::TRecordingGraphic(form);
  windowless->SetParent(form);
  windowless->SetBounds(200, 50, 40, 40);
  windowless->SetAnchors({akLeft, akTop, akRight, akBottom});

  form->SetClientWidth(400);
  form->SetClientHeight(260);
  EXPECT_EQ(stretch->BoundsRect(), Rect(10, 10, 390, 30));
  EXPECT_EQ(corner->BoundsRect(), Rect(340, 230, 390, 250));
  EXPECT_EQ(fixed->BoundsRect(), Rect(5, 100, 35, 130));
  EXPECT_EQ(windowless->BoundsRect(), Rect(200, 50, 340, 150));
  // Shrinking and growing back ends where it began.
  form->SetClientWidth(200);
  form->SetClientWidth(300);
  form->SetClientHeight(200);
  EXPECT_EQ(stretch->BoundsRect(), Rect(10, 10, 290, 30));
  EXPECT_EQ(corner->BoundsRect(), Rect(240, 170, 290, 190));
}

TEST_F(Alignment, ConstraintsBoundTheSize) {
  auto* c = Child(alNone, 100, 100);
  c->Constraints()->SetMinWidth(50);
  c->Constraints()->SetMaxWidth(120);
  c->Constraints()->SetMaxHeight(80);
  EXPECT_EQ(c->Height(), 80);  // applied at once
  c->SetBounds(0, 0, 10, 10);
  EXPECT_EQ(c->Width(), 50);
  c->SetBounds(0, 0, 500, 500);
  EXPECT_EQ(c->Width(), 120);
  EXPECT_EQ(c->Height(), 80);
  // An aligned child obeys them too.
  c->SetAlign(alClient);
  EXPECT_EQ(c->Width(), 120);
  // A form's window keeps to its limits when the system sizes it.
  form->Constraints()->SetMinWidth(250);
  form->Show();
  SetWindowPos(form->Handle(), nullptr, 0, 0, 100, 200, SWP_NOMOVE | SWP_NOZORDER);
  MINMAXINFO info{};
  SendMessageW(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 250);
}

TEST_F(Alignment, NestedAlignmentAndBorderWidth) {
  auto* panel = Child(alClient, 1, 1);
  panel->SetBorderWidth(5);
  auto* inner = new TPanelLike(form);
  inner->SetParent(panel);
  inner->SetBounds(0, 0, 10, 25);
  inner->SetAlign(alBottom);
  form->SetClientWidth(200);
  form->SetClientHeight(100);
  EXPECT_EQ(panel->BoundsRect(), Rect(0, 0, 200, 100));
  EXPECT_EQ(inner->BoundsRect(), Rect(5, 100 - 5 - 25, 195, 95));
  form->SetClientHeight(150);
  EXPECT_EQ(inner->BoundsRect(), Rect(5, 150 - 5 - 25, 195, 145));
}

}  // namespace

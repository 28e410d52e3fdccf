// Windowless children and the mouse: messages routed by the parent's hit
// test with the child's own coordinates, capture, and CM_MOUSEENTER /
// CM_MOUSELEAVE made up by the parent.
#include <gtest/gtest.h>

#include "forms_test_support.h"

using brsm::test::TRecordingGraphic;

namespace {

class WindowlessMouse : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(60, 60, 300, 200);
    left = new TRecordingGraphic(form);
    left->SetParent(form);
    left->SetBounds(10, 10, 50, 40);
    right = new TRecordingGraphic(form);
    right->SetParent(form);
    right->SetBounds(100, 10, 50, 40);
    left->OnMouseEnter = [this](TObject*) { events.push_back("enter left"); };
    left->OnMouseLeave = [this](TObject*) { events.push_back("leave left"); };
    right->OnMouseEnter = [this](TObject*) { events.push_back("enter right"); };
    right->OnMouseLeave = [this](TObject*) { events.push_back("leave right"); };
    form->OnMouseEnter = [this](TObject*) { events.push_back("enter form"); };
    form->OnMouseLeave = [this](TObject*) { events.push_back("leave form"); };
    form->Show();
  }
  void TearDown() override { delete form; }
  void Move(int x, int y) { SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
  TForm* form = nullptr;
  TRecordingGraphic* left = nullptr;
  TRecordingGraphic* right = nullptr;
  std::vector<std::string> events;
};

TEST_F(WindowlessMouse, EnterAndLeaveFollowTheParentsHitTest) {
  Move(20, 20);
  Move(25, 22);  // still inside: nothing new
  Move(120, 20);
  Move(200, 150);
  SendMessageW(form->Handle(), WM_MOUSELEAVE, 0, 0);
  const std::vector<std::string> expected = {"enter left", "leave left", "enter right",
                                             "leave right", "enter form", "leave form"};
  EXPECT_EQ(events, expected);
  EXPECT_EQ(left->Count(CM_MOUSEENTER), 1);
  EXPECT_EQ(left->Count(CM_MOUSELEAVE), 1);
  EXPECT_EQ(MouseControl(), nullptr);
}

TEST_F(WindowlessMouse, ChildrenGetMouseMessagesInTheirOwnCoordinates) {
  int clicks = 0;
  right->OnClick = [&](TObject*) { ++clicks; };
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(110, 25));
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(112, 27));
  EXPECT_EQ(clicks, 1);
  ASSERT_EQ(right->MousePoints.size(), 2u);
  EXPECT_EQ(right->MousePoints[0], Point(10, 15));
  EXPECT_EQ(right->MousePoints[1], Point(12, 17));
  EXPECT_EQ(left->Count(WM_LBUTTONDOWN), 0);
}

TEST_F(WindowlessMouse, CaptureKeepsTheMouseWithThePressedChild) {
  int clicks = 0;
  left->OnClick = [&](TObject*) { ++clicks; };
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  EXPECT_EQ(GetCaptureControl(), left);
  EXPECT_EQ(GetCapture(), form->Handle());
  // Dragged over the other child and released there: the pressed one gets it
  // all, and no click (the mouse came up outside it).
  SendMessageW(form->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(120, 20));
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(120, 20));
  EXPECT_EQ(right->Count(WM_MOUSEMOVE), 0);
  EXPECT_EQ(right->Count(WM_LBUTTONUP), 0);
  EXPECT_EQ(left->Count(WM_LBUTTONUP), 1);
  EXPECT_EQ(left->MousePoints.back(), Point(110, 10));
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(WindowlessMouse, HiddenOrDisabledChildrenLetTheMouseThrough) {
  left->SetVisible(false);
  right->SetEnabled(false);
  std::vector<TPoint> formDowns;
  form->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
    formDowns.push_back(Point(x, y));
  };
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(120, 20));
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(120, 20));
  EXPECT_EQ(left->Count(WM_LBUTTONDOWN), 0);
  EXPECT_EQ(right->Count(WM_LBUTTONDOWN), 0);
  EXPECT_EQ(formDowns, (std::vector<TPoint>{Point(20, 20), Point(120, 20)}));
}

TEST_F(WindowlessMouse, ChildrenArePaintedInZOrderInsideTheirBounds) {
  right->SetBounds(40, 20, 50, 40);  // overlaps `left` from (40, 20)
  left->PaintColor = RGBColor(0, 0, 255);
  right->PaintColor = RGBColor(0, 255, 0);
  form->Repaint();
  brsm::test::Pump(100);
  EXPECT_GT(left->Paints, 0);
  EXPECT_EQ(brsm::test::ScreenPixel(form, 15, 15), RGB(0, 0, 255));
  EXPECT_EQ(brsm::test::ScreenPixel(form, 50, 30), RGB(0, 255, 0));  // later child on top
  EXPECT_EQ(brsm::test::ScreenPixel(form, 95, 30), static_cast<COLORREF>(ColorToRGB(clBtnFace)));
  right->BringToFront();
  left->BringToFront();
  form->Repaint();
  brsm::test::Pump(100);
  EXPECT_EQ(brsm::test::ScreenPixel(form, 50, 30), RGB(0, 0, 255));
}

}  // namespace

// The MDI basics: a frame form's client window holds its child forms.
#include <gtest/gtest.h>

#include "forms_test_support.h"

namespace {

class TFrameForm : public TForm {
 public:
  explicit TFrameForm(TComponent* owner) : TForm(owner) {
    SetFormStyle(fsMDIForm);
    SetBounds(20, 20, 500, 400);
  }
};

class TChildForm : public TForm {
 public:
  explicit TChildForm(TComponent* owner) : TForm(owner) {
    SetFormStyle(fsMDIChild);
    SetBounds(10, 10, 200, 150);
  }
};

TEST(MDI, ChildFormsLiveInTheFramesClientWindow) {
  TFrameForm* frame = nullptr;
  Application->CreateForm(frame);  // the MDI frame is the main form
  frame->Show();
  ASSERT_NE(frame->ClientHandle(), nullptr);
  EXPECT_EQ(brsm::test::WindowClassOf(frame->ClientHandle()), "MDIClient");
  EXPECT_EQ(frame->MDIChildCount(), 0);

  auto* one = new TChildForm(Application);
  one->Show();
  auto* two = new TChildForm(Application);
  two->Show();
  EXPECT_EQ(GetParent(one->Handle()), frame->ClientHandle());
  EXPECT_EQ(brsm::test::WindowClassOf(one->Handle()), "TChildForm");
  EXPECT_EQ(frame->MDIChildCount(), 2);
  EXPECT_EQ(frame->MDIChildren(0), one);
  EXPECT_EQ(frame->MDIChildren(1), two);
  SendMessageW(frame->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(one->Handle()), 0);
  EXPECT_EQ(frame->ActiveMDIChild(), one);

  // The client window takes the room that aligned controls leave.
  auto* bar = new TCustomControl(frame);
  bar->SetParent(frame);
  bar->SetHeight(30);
  bar->SetAlign(alTop);
  RECT r;
  GetWindowRect(frame->ClientHandle(), &r);
  MapWindowPoints(HWND_DESKTOP, frame->Handle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.top, 30);
  EXPECT_EQ(r.bottom, frame->ClientHeight());

  delete two;
  EXPECT_EQ(frame->MDIChildCount(), 1);
  delete frame;
  delete one;
}

}  // namespace

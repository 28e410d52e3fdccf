#include "platform/forms/stdctrls.h"

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                                csDoubleClicks, csParentBackground});
  SetBounds(Left(), Top(), 185, 105);
}

void TGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "BUTTON");
  params.Style |= BS_GROUPBOX;
}

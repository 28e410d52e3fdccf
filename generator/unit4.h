// The generator's how-to window: read-only instructions.
#pragma once

#include "platform/forms/forms.h"

class TsBitBtn;
class TsMemo;
class TsPanel;

class TForm4 : public TForm {
 public:
  explicit TForm4(TComponent* owner);

  TsMemo* sMemo1 = nullptr;
  TsPanel* sPanel1 = nullptr;
  TsBitBtn* sBitBtn1 = nullptr;
};

extern TForm4* Form4;

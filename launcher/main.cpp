// BRSM-Menu: the launcher of the generator and the ammunition tool.
#include <windows.h>

#include "generator/skin_engine_start.h"
#include "launcher/unit1.h"
#include "launcher/unit2.h"
#include "platform/forms/forms.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    brsm::StartSkinEngine();
    Application->Initialize();
    Application->SetTitle("Brassmith Menu");
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Application->Run();
  } catch (...) {
    Application->HandleException(nullptr);
  }
  brsm::StopSkinEngine();
  return 0;
}

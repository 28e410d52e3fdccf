// BRSM: the weapon script generator.
#include <windows.h>

#include "generator/project_info.h"
#include "generator/skin_engine_start.h"
#include "generator/unit1.h"
#include "generator/unit2.h"
#include "generator/unit3.h"
#include "generator/unit4.h"
#include "platform/forms/forms.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    brsm::StartSkinEngine();
    Application->Initialize();
    Application->SetTitle(brsm::kProductName);
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Application->CreateForm(Form3);
    Application->CreateForm(Form4);
    Application->Run();
  } catch (...) {
    Application->HandleException(nullptr);
  }
  brsm::StopSkinEngine();
  return 0;
}

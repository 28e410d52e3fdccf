// The generator's main form in process: its edit fields, and its generate
// button clicked while a timer closes each modal window it shows (message
// dialogs and the result window) and logs what they showed. Needs the
// program's forms made (MakeGeneratorForms).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "generator/project_info.h"
#include "generator/skin_engine_start.h"
#include "generator/unit1.h"
#include "generator/unit2.h"
#include "generator/unit3.h"
#include "generator/unit4.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/forms.h"
#include "skin/controls/bit_btn.h"
#include "skin/controls/memo.h"

namespace brsm::test {

// The skin engine started and the program's four forms made, as its start-up
// makes them, the main form shown.
inline void MakeGeneratorForms() {
  brsm::StartSkinEngine();
  Application->SetTitle(brsm::kProductName);
  Application->CreateForm(Form1);
  Application->CreateForm(Form2);
  Application->CreateForm(Form3);
  Application->CreateForm(Form4);
  Form1->Show();
}

// The main form's edit fields.
inline std::vector<TEdit*> Edits() {
  return {Form1->WeapName, Form1->FirstPModel, Form1->Edit1, Form1->ThirdPModel, Form1->PickupModel,
          Form1->ShotAnim,  Form1->Edit7,       Form1->Edit3, Form1->Edit5,       Form1->Edit6,
          Form1->Edit4,     Form1->MainDamage,  Form1->MaxAmmo, Form1->AmmoCount, Form1->Edit2};
}

// What happened while a click ran its modal windows: the message dialogs'
// texts and the result window's memo, each closed as soon as it showed.
struct ModalLog {
  std::vector<std::string> Messages;
  std::vector<std::string> ResultTexts;
};
inline ModalLog* modalLog = nullptr;

inline void CALLBACK CloseModalWindows(HWND, UINT, UINT_PTR, DWORD) {
  brsm::GuardedCall(nullptr, [] {
    if (!modalLog) return;
    for (int i = 0; i < Screen->CustomFormCount(); ++i) {
      auto* box = dynamic_cast<TMessageForm*>(Screen->CustomForms(i));
      if (box && box->Showing() && box->ModalResult() == mrNone) {
        modalLog->Messages.push_back(box->MessageLabel()->Caption());
        box->SetModalResult(mrOk);
      }
    }
    if (Form2->Showing() && Form2->ModalResult() == mrNone) {
      modalLog->ResultTexts.push_back(Form2->scriptweapon->Text());
      Form2->Close();
    }
  });
}

// Clicks the generate button and logs what it showed until it returned.
inline ModalLog Generate() {
  ModalLog log;
  modalLog = &log;
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, CloseModalWindows);
  SendMessageW(Form1->sBitBtn1->Handle(), BM_CLICK, 0, 0);
  KillTimer(nullptr, timer);
  modalLog = nullptr;
  return log;
}

}  // namespace brsm::test

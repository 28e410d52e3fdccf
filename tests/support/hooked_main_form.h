// A program's real main form shown with whatever Marl the Windows folder
// holds, with no provider placed on it by hand: the creation hook alone
// decides its look.
#pragma once

#include <memory>
#include <string>

#include "platform/forms/stdctrls.h"
#include "skin/core/control_utils_win.h"
#include "skin/windows/skin_provider.h"
#include "tests/support/screen_capture.h"
#include "tests/support/screenshot.h"
#include "tests/support/windows_folder_skin.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

namespace brsm::test {

// The platform's labels, edits, check boxes and buttons on a form.
struct TPlainControls {
  int Labels = 0;
  int Windowed = 0;
};

// With a skin: every plain label transparent in Marl's GLOBALINFO FONTCOLOR
// and every plain edit, check box and button answering the skinned query
// (its window adapter); without one, none of them answers it.
inline TPlainControls ExpectPlainControlsSkinned(TCustomForm* form, bool skinned) {
  TPlainControls seen;
  const TColor textColor = kit::KitColor(kit::MarlSectionIndex("GLOBALINFO"), 2);
  for (int i = 0; i < form->ComponentCount(); ++i) {
    TComponent* c = form->Components(i);
    if (auto* label = dynamic_cast<TLabel*>(c)) {
      ++seen.Labels;
      if (skinned) {
        EXPECT_TRUE(label->Transparent()) << label->Name();
        EXPECT_EQ(label->Font()->Color(), textColor) << label->Name();
      }
    } else if (auto* control = dynamic_cast<TWinControl*>(c);
               control && (c->ClassName() == "TEdit" || c->ClassName() == "TCheckBox" ||
                           c->ClassName() == "TButton")) {
      if (!control->HandleAllocated()) continue;
      ++seen.Windowed;
      EXPECT_EQ(ControlAnswersCmd(control, SkinCmdQuerySkinned), skinned) << control->Name();
    }
  }
  return seen;
}

template <class MainForm>
void ExpectHookSkinsMainForm(MarlKind kind, const std::string& screenshot,
                             bool hasPlainControls = false) {
  ASSERT_TRUE(PutMarlInWindowsFolder(kind));
  skintest::RecordingPlatform boxes;  // a damaged archive's warning, unseen
  auto form = std::make_unique<MainForm>(Application);
  form->AfterConstruction();
  form->Show();
  SetForegroundWindow(form->Handle());
  SetActiveWindow(form->Handle());
  for (int i = 0; i < 10; ++i) Application->ProcessMessages();
  HWND wnd = form->Handle();
  const bool found = kind == MarlKind::Folder || kind == MarlKind::Archive;
  TsSkinProvider* p = FindSkinProvider(form.get());
  EXPECT_EQ(p != nullptr, found);
  EXPECT_EQ((GetWindowLongW(wnd, GWL_STYLE) & WS_SYSMENU) == 0, found);
  EXPECT_EQ(WindowHasRegion(wnd), found);
  const TPlainControls plain = ExpectPlainControlsSkinned(form.get(), found && p);
  if (hasPlainControls) {
    EXPECT_GT(plain.Labels, 0);
    EXPECT_GT(plain.Windowed, 0);
  }
  if (found && p) {
    EXPECT_TRUE(p->SkinData()->IsSkinned());
    EXPECT_EQ(form->Color(), form->sSkinManager1->GlobalBackColor());
    EXPECT_EQ(SendMessageW(wnd, CommandMessage, SkinCmdWParam(SkinCmdQueryProvider), 0),
              reinterpret_cast<LRESULT>(p));
    EXPECT_TRUE(SaveScreenshot(screenshot));
  }
  form.reset();
  RemoveMarlFromWindowsFolder();
}

}  // namespace brsm::test

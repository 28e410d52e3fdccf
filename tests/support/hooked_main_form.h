// A program's real main form shown with whatever Marl the Windows folder
// holds, with no provider placed on it by hand: the creation hook alone
// decides its look.
#pragma once

#include <memory>
#include <string>

#include "skin/windows/skin_provider.h"
#include "tests/support/screenshot.h"
#include "tests/support/windows_folder_skin.h"

namespace brsm::test {

inline bool WindowHasRegion(HWND wnd) {
  HRGN r = CreateRectRgn(0, 0, 0, 0);
  const bool has = GetWindowRgn(wnd, r) != ERROR;
  DeleteObject(r);
  return has;
}

template <class MainForm>
void ExpectHookSkinsMainForm(MarlKind kind, const std::string& screenshot) {
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

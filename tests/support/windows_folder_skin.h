// The programs look for their skin "Marl" in the Windows folder. These
// helpers put a kit-made Marl there (as a folder, as an archive, or as a
// damaged archive) and take it away again.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "platform/forms/forms.h"
#include "platform/rtl/text1251.h"
#include "skin/core/skin_hook_win.h"
#include "skin/core/skin_manager.h"
#include "tests/skin/core/skin_files_test_support.h"
#include "tools/skinkit/kit_archive.h"
#include "tools/skinkit/marl_skin.h"

namespace brsm::test {

enum class MarlKind { Folder, Archive, Damaged, None };

inline std::filesystem::path WindowsFolder() {
  wchar_t dir[MAX_PATH] = {};
  GetWindowsDirectoryW(dir, MAX_PATH);
  return dir;
}

inline void RemoveMarlFromWindowsFolder() {
  std::error_code ec;
  std::filesystem::remove_all(WindowsFolder() / L"Marl", ec);
  std::filesystem::remove(WindowsFolder() / L"Marl.vlz", ec);
}

// False when the skin could not be written.
inline bool PutMarlInWindowsFolder(MarlKind kind) {
  RemoveMarlFromWindowsFolder();
  const std::string windows = brsm::FromUtf16(WindowsFolder().wstring());
  switch (kind) {
    case MarlKind::Folder: return brsm::kit::MakeMarlSkin().WriteFolder(windows);
    case MarlKind::Archive: return brsm::kit::MakeMarlSkin().WriteArchive(windows);
    case MarlKind::Damaged:
      return brsm::kit::WriteBytes(windows + "\\Marl.vlz", brsm::kit::BytesOf("VLzf\x05junk"));
    case MarlKind::None: return true;
  }
  return false;
}

inline const char* MarlKindName(MarlKind kind) {
  switch (kind) {
    case MarlKind::Folder: return "Folder";
    case MarlKind::Archive: return "Archive";
    case MarlKind::Damaged: return "Damaged";
    case MarlKind::None: return "None";
  }
  return "?";
}

// A program's real main form (its layout holds the skin manager as
// sSkinManager1) made with Marl in the Windows folder as `kind` says: with
// the folder or the archive it is active and answers look-ups, without it or
// with a damaged archive it turns inactive; the form is made and shown either
// way, and freeing it takes the default manager and its hook away.
template <class MainForm>
void ExpectMainFormLoadsMarl(MarlKind kind) {
  ASSERT_TRUE(PutMarlInWindowsFolder(kind));
  skintest::RecordingPlatform boxes;  // a damaged archive's warning, unseen

  std::unique_ptr<MainForm> form;
  ASSERT_NO_THROW(form = std::make_unique<MainForm>(Application));
  form->AfterConstruction();
  form->Show();
  Application->ProcessMessages();

  TsSkinManager* m = form->sSkinManager1;
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(DefaultManager, m);
  const bool found = kind == MarlKind::Folder || kind == MarlKind::Archive;
  EXPECT_EQ(m->Active(), found);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  if (found) {
    EXPECT_EQ(m->LoadedFromPacked, kind == MarlKind::Archive);
    EXPECT_GE(m->LookupSection("BUTTON"), 0);
    EXPECT_GE(m->LookupSection("PANEL"), 0);
    EXPECT_NE(CbtHookHandle, nullptr);
  } else {
    EXPECT_EQ(m->LookupSection("BUTTON"), -1);
    EXPECT_EQ(CbtHookHandle, nullptr);
  }
  EXPECT_EQ(boxes.Boxes.size(), kind == MarlKind::Damaged ? 1u : 0u);

  form.reset();
  RemoveMarlFromWindowsFolder();
  EXPECT_EQ(DefaultManager, nullptr);
  EXPECT_EQ(CbtHookHandle, nullptr);
}

}  // namespace brsm::test

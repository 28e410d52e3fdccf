// Helpers for the skin file and data tests: a recording platform seam and
// scratch folders.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "skin/core/skin_platform.h"

namespace skintest {

struct Box {
  TSkinBoxKind Kind;
  std::string Text;
};

// Records message boxes instead of showing them; installed for its lifetime.
class RecordingPlatform : public TSkinPlatform {
 public:
  RecordingPlatform() { SetSkinPlatform(this); }
  ~RecordingPlatform() override { SetSkinPlatform(nullptr); }
  void ShowMessageBox(TSkinBoxKind kind, const std::string& text) override {
    Boxes.push_back({kind, text});
  }
  void OsVersion(int& major, int& minor) override {
    major = Major;
    minor = Minor;
  }
  int HScrollArrowWidth() override { return 21; }
  int CaptionFontHeight() override { return 13; }

  std::vector<Box> Boxes;
  int Major = 6, Minor = 1;
};

// A fresh folder under the system's temporary folder, removed afterwards.
// Path() ends with a separator.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name) {
    dir_ = std::filesystem::temp_directory_path() /
           ("brsm-skinfiles-" + name + "-" + std::to_string(std::random_device{}()) + "-" +
            std::to_string(counter()++));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  std::string Path() const { return dir_.string() + static_cast<char>(std::filesystem::path::preferred_separator); }

 private:
  static int& counter() {
    static int n = 0;
    return n;
  }
  std::filesystem::path dir_;
};

}  // namespace skintest

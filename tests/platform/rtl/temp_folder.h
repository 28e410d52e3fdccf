// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/rtl/files.h"
#include "platform/rtl/text1251.h"

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("brsm-rtl-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
    const auto u8 = path_.u8string();
    name_ = IncludeTrailingPathDelimiter(brsm::FromUtf8(std::string(u8.begin(), u8.end())));
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  // The folder's name in 1251 with a trailing separator.
  const std::string& Name() const { return name_; }
  std::string operator/(const std::string& file) const { return name_ + file; }

 private:
  std::filesystem::path path_;
  std::string name_;
};

// Whole files as bytes through the standard library, not the code under test.
inline std::filesystem::path PathOf(const std::string& fileName) {
  const std::string u8 = brsm::ToUtf8(fileName);
  return std::filesystem::path(std::u8string(u8.begin(), u8.end()));
}

inline std::string ReadBytes(const std::string& fileName) {
  std::ifstream in(PathOf(fileName), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& fileName, const std::string& bytes) {
  std::ofstream out(PathOf(fileName), std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

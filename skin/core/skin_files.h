// Finding and reading the files of a skin folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Image files of a folder skin beyond this are refused.
constexpr int64_t MaxSkinFileSize = 256ll * 1024 * 1024;

// The skin's own name for a file: `name` itself when it holds a drive
// (":"), else `skinPath` + `name`.
std::string SkinFileName(const std::string& skinPath, const std::string& name);

// The existing file of that name, found without regard to the case of its
// last part (as Windows finds it, also natively); empty when there is none.
std::string FindSkinFile(const std::string& fileName);

// The whole file; false when it is missing, unreadable or too large.
bool ReadSkinFile(const std::string& fileName, std::vector<uint8_t>& bytes);

#include "support/gdi_objects.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace brsm::test {
namespace {

// Wine maps the process's GDI handle table into the process and hangs it on
// the PEB's GdiSharedHandleTable, which comes after pointer-sized fields and
// so sits at 0xF8 in a 64-bit PEB and at 0x94 in a 32-bit one. Wine's
// entries hold 64-bit object and user fields on both builds, so an entry is
// 24 bytes on both: object (8), owner (4), unique (2), type (1), flags (1),
// user pointer (8). A free entry has type 0; the low 16 bits of a handle
// index its entry.
#ifdef _WIN64
constexpr size_t kPebHandleTable = 0xF8;
#else
constexpr size_t kPebHandleTable = 0x94;
#endif
constexpr size_t kEntrySize = 24;
constexpr size_t kEntryType = 14;
constexpr size_t kEntries = 0x10000;

const unsigned char* HandleTable() {
  using QueryProc = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<QueryProc>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION info{};
  if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof info, nullptr) != 0 ||
      !info.PebBaseAddress)
    return nullptr;
  const unsigned char* table = nullptr;
  std::memcpy(&table, reinterpret_cast<const unsigned char*>(info.PebBaseAddress) + kPebHandleTable, sizeof table);
  return table;
}

unsigned char TypeOf(const unsigned char* table, HGDIOBJ object) {
  return table[(reinterpret_cast<uintptr_t>(object) & 0xFFFF) * kEntrySize + kEntryType];
}

// The table's type codes are the system's own: learn them from one object
// of each kind rather than trusting a list. Pens share the brushes' code.
std::map<unsigned char, std::string> KindNames(const unsigned char* table) {
  std::map<unsigned char, std::string> names;
  HDC dc = CreateCompatibleDC(nullptr);
  const std::vector<std::pair<HGDIOBJ, const char*>> probes = {
      {CreateCompatibleBitmap(dc, 1, 1), "bitmap"},
      {CreateSolidBrush(0), "brush/pen"},
      {CreatePen(PS_SOLID, 1, 0), "brush/pen"},
      {CreateFontW(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial"), "font"},
      {CreateRectRgn(0, 0, 1, 1), "region"},
  };
  names[TypeOf(table, dc)] = "DC";
  for (const auto& [object, name] : probes) {
    names[TypeOf(table, object)] = name;
    DeleteObject(object);
  }
  DeleteDC(dc);
  return names;
}

}  // namespace

LiveGdiObjects::LiveGdiObjects() {
  // Where the system counts for us (Windows), its count is the one: there
  // the table is shared by the session's processes and laid out otherwise.
  total_ = static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  if (total_ > 0) return;
  const unsigned char* table = HandleTable();
  if (!table) {
    ADD_FAILURE() << "no GDI object count: GetGuiResources answers 0 and the PEB holds no GDI handle table";
    return;
  }
  static const std::map<unsigned char, std::string> names = KindNames(table);
  for (size_t i = 0; i < kEntries; ++i) {
    const unsigned char type = table[i * kEntrySize + kEntryType];
    if (!type) continue;
    ++total_;
    const auto name = names.find(type);
    ++byKind_[name != names.end() ? name->second : "type " + std::to_string(type)];
  }
}

std::string LiveGdiObjects::ChangeSince(const LiveGdiObjects& before) const {
  std::map<std::string, int> change = byKind_;
  for (const auto& [kind, n] : before.byKind_) change[kind] -= n;
  std::string out;
  for (const auto& [kind, n] : change)
    if (n) out += (out.empty() ? "" : " ") + kind + (n > 0 ? " +" : " ") + std::to_string(n);
  return out;
}

}  // namespace brsm::test

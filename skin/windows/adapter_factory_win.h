// The one factory table of the window adapters: each adapter kind maps to
// the routine that makes and hooks an adapter of that class. An empty
// entry means the kind has no adapter yet, and asking for it makes none.
#pragma once

#include "skin/windows/adapter_kinds.h"
#include "skin/windows/main_wnd_win.h"

using TvxAdapterConstructor = TvxMainWnd* (*)(const TvxAdapterArgs& args);

// The table's entry for a kind; nullptr when empty.
TvxAdapterConstructor AdapterConstructor(TvxAdapterKind kind);
// A new, hooked adapter of that kind; nullptr for an empty entry.
TvxMainWnd* CreateAdapter(TvxAdapterKind kind, const TvxAdapterArgs& args);

// For tests of how a kind without an adapter class behaves: empties the
// kind's entry while it lives and gives the entry back when it goes.
class TEmptyAdapterEntry {
 public:
  explicit TEmptyAdapterEntry(TvxAdapterKind kind);
  ~TEmptyAdapterEntry();
  TEmptyAdapterEntry(const TEmptyAdapterEntry&) = delete;
  TEmptyAdapterEntry& operator=(const TEmptyAdapterEntry&) = delete;

 private:
  TvxAdapterKind kind_;
  TvxAdapterConstructor saved_;
};

// An entry of the table: makes a T through the root's two-step creation.
template <class T>
TvxMainWnd* ConstructAdapter(const TvxAdapterArgs& args) {
  return TvxMainWnd::Create<T>(args);
}

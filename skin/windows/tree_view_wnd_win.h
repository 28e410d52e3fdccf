// The adapter of a tree view (a foreign "SysTreeView32" or a listed
// class-library tree): the edit adapter's frame and bars over a background
// in the section's hot colour.
#pragma once

#include "skin/windows/base_wnd_win.h"
#include "skin/windows/grid_colors.h"

class TvxTreeViewWnd : public TvxEditWnd {
 public:
  using TvxEditWnd::TvxEditWnd;
  void RestoreColors() override;
  void ApplySkinColors() override;
  void WndProc(TMessage& message) override;

  // The colour the background is erased in.
  TColor Background() const;
};

// What a virtual tree hands its advanced header drawing for one column, or
// for the header's empty part (no column).
struct TvxHeaderPaintInfo {
  TCanvas* TargetCanvas = nullptr;
  TObject* Column = nullptr;
  TRect PaintRectangle;
  TRect TextRectangle;
  TPoint SortGlyphPos;
  bool ShowSortGlyph = false;
  bool IsDownIndex = false;   // pressed
  bool IsHoverIndex = false;  // hot
};

// The header elements a drawing paints (bits of its element set).
enum : int {
  HeaderElementBackground = 1,
  HeaderElementDropMark = 2,
  HeaderElementHeaderGlyph = 4,
  HeaderElementSortGlyph = 8,
  HeaderElementText = 16,
};

// The routines of the tree's two header events, as the Code of a
// TMethodRef whose Data is the adapter.
using TvxAdvancedHeaderDrawProc = void (*)(void* data, TObject* sender, TvxHeaderPaintInfo& info, int elements);
using TvxHeaderDrawQueryProc = void (*)(void* data, TObject* sender, TvxHeaderPaintInfo& info, int& elements);

// The adapter of a virtual tree of another library (named in the manager's
// virtual-tree class list): its file colours, a header drawn from
// "COLHEADER" through the tree's own header events, and the frame and bars
// painted around the tree's own non-client painting.
class TvxVirtualTreeViewWnd : public TvxEditWnd {
 public:
  explicit TvxVirtualTreeViewWnd(const TvxAdapterArgs& args);
  // No handler of a freed adapter stays on the tree, also when its colours
  // were not given back.
  ~TvxVirtualTreeViewWnd() override;
  void SaveColors() override;
  void RestoreColors() override;
  void ApplySkinColors() override;
  void WndProc(TMessage& message) override;

  TvxVirtualTreeState State;
  // The handlers the adapter puts on the tree.
  TMethodRef HeaderDrawHandler() const;
  TMethodRef QueryHandler() const;
  void DrawHeader(TvxHeaderPaintInfo& info, int elements);

 private:
  TObject* Tree() const { return SkinData ? SkinData->HostControl : nullptr; }
  void PrintTree(TMessage& message);
};

// The adapter of a list view: the edit adapter's frame and bars, the list
// coloured through its own messages, the skinned thumb's dragging turned
// into list scrolling, and, in report view, its "SysHeader32" child
// subclassed to draw the column headers from "COLHEADER" with sort arrows.
#pragma once

#include <memory>

#include "skin/windows/base_wnd_win.h"
#include "skin/windows/child_hook_win.h"

// The window property of a list view's hooked header.
inline constexpr const char* ListHeaderPropertyName = "VXLVHDR";

class TvxListViewWnd : public TvxEditWnd {
 public:
  explicit TvxListViewWnd(const TvxAdapterArgs& args);
  ~TvxListViewWnd() override;
  void BeforeDestruction() override;
  void SaveColors() override;
  void RestoreColors() override;
  void ApplySkinColors() override;
  void WndProc(TMessage& message) override;

  // The hooked header, nullptr when none.
  HWND HeaderWindow() const { return header_->Window(); }
  int PressedColumn = -1;
  int LineHeight = 0;          // height of the last header item painted
  bool HeaderPressed = false;  // the header was clicked
  TColor SavedTextBackColor = clWindow;

  bool ReportView() const;
  // The header's columns painted on `dc` (header coordinates), or, without
  // a DC, between BeginPaint and EndPaint of the header.
  void PaintHeader(HDC dc);

 private:
  void HookHeader(HWND header);
  void HeaderProc(TMessage& message);
  void PaintColumn(HDC dc, HWND header, int index, const TRect& rect);
  // The list's colours set when they differ from the skin's.
  void ApplyListColors();
  void TrackThumb(TMessage& message, int direction);
  void PrintHeader(HDC dc);

  std::unique_ptr<TvxChildHook> header_;
};

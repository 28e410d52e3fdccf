// The frame adapter of a top-level window that belongs to no form of the
// application (a message box, a system file dialog): it paints the
// window's borders, title bar with icon and caption, caption buttons and
// size grip from the skin's "DIALOG" section into its cache, cuts the
// window's region to the skin's corners, answers the frame's hit test and
// the caption buttons' mouse messages, shows the skinned window menu in
// place of the window's own and paints the client background.
#pragma once

#include <memory>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/font.h"
#include "skin/windows/dialog_frame.h"
#include "skin/windows/scroll_wnd_win.h"
#include "skin/windows/system_menu.h"

class TvxProvider;

// A region is being set: the non-client paint it causes must not set it again.
extern bool RegionBusy;
// A caption button of some dialog is held by the left mouse button.
extern bool ButtonPressed;

// The dialog's private message the hook's children walk answers after it
// changed its controls, and the query a self-shaping window answers.
inline constexpr UINT DialogChildrenChangedMessage = 1326;
inline constexpr UINT ShapeQueryMessage = 48205;
inline constexpr WPARAM ShapeQueryAnswer = 16802;

using TvxDialogButton = TsCaptionButton;

class TvxDialogWnd : public TvxScrollWnd, public TvxSystemMenuHost {
 public:
  explicit TvxDialogWnd(const TvxAdapterArgs& args);
  ~TvxDialogWnd() override;
  void WndProc(TMessage& message) override;

  // Takes up the frame once the children are adapted: the styles captured,
  // the frame kind, icon and caption font, WS_SYSMENU taken from the window.
  void StartFrame();
  // A window that changes its style after start-up (the system's file
  // dialog turns resizable after it was first activated) has it captured
  // again: frame kind, caption buttons and region follow.
  void TakeStyleChange(int which);

  // -- Fields ----------------------------------------------------------------------
  int HotButton = 0;
  bool Active = true;
  bool ChildrenAdapted = false;
  TvxDialogButton MinButton, MaxButton, CloseButton, HelpButton;
  HICON IconHandle = nullptr;
  std::unique_ptr<TFont> CaptionFont;
  uint32_t Style = 0;
  uint32_t ExStyle = 0;
  bool RegionStale = true;
  TRect WindowRect{};
  int WindowWidth = 0, WindowHeight = 0;
  int FrameKind = DialogFrameInitial;
  std::unique_ptr<TBitmap> ButtonsBackground;
  std::unique_ptr<TvxSystemMenu> SystemMenu;
  TvxProvider* Provider = nullptr;  // set by the hook, not owned

  // -- Style tests and measures (on the captured styles) -----------------------------------
  TvxDialogState State() const;
  bool HasSysMenu() const { return State().HasSysMenu(); }
  bool CloseEnabled() const { return State().CloseEnabled(); }
  bool IsActive() const { return Active; }
  // The buttons' image items looked up again from the skin.
  void UpdateButtonMasks();
  // The frame painted from the cache (rebuilt when stale) to the window.
  void PaintNonClient();
  // Answers WM_NCHITTEST; 0 when the window's own procedure is to answer.
  LRESULT HitTest(LPARAM screenPoint, bool& answered);
  void SetHotButton(int code, bool repaint);
  void PressButton(int code);
  void RepaintButton(int code);
  void ShowSystemMenu(int x, int y);

  // TvxSystemMenuHost
  DWORD MenuStyle() const override { return Style; }
  int MenuFrameKind() const override { return FrameKind; }
  HWND MenuWindow() const override { return WindowHandle; }

 protected:
  void Unhook(bool repaint) override;

 private:
  TvxDialogButton* ButtonOf(int code);
  TvxDialogButtonItems ButtonItems() const;
  void RefreshWindowRect();
  TPoint ScreenToWindow(LPARAM screenPoint);
  void PaintFrameCache();
  void PaintIcon();
  void PaintCaptionButtons();
  void PaintCaptionText(int buttonsWidth);
  void CopyFrameToWindow(HDC dc);
  void PaintClient(HDC given);
  void UpdateRegion(bool redraw);
  void NCLButtonDown(TMessage& m);
  void NCLButtonUp(TMessage& m, bool clientMessage);
  void AdaptChildren();
  bool HandleDialogCommand(TMessage& m);
  HBRUSH BackgroundBrush();

  HBRUSH brush_ = nullptr;
  TColor brushColor_ = 0;
  bool windowGoing_ = false;  // WM_DESTROY seen: nothing to give back
};

// Window messages as the control model passes them around: one mutable
// record for every message, the library's own notification messages (CM_*)
// and the notifications reflected back to the child control that caused
// them (CN_* = CN_BASE + the WM_ number).
#pragma once

#include <windows.h>

#include "platform/rtl/win_macro_guard.h"

#include <cstdint>

// One message on its way through WindowProc, WndProc, Dispatch and
// DefaultHandler. Handlers answer in Result; some library queries answer in
// LParam instead (the record is passed by reference all the way).
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;

  WORD WParamLo() const { return LOWORD(WParam); }
  WORD WParamHi() const { return HIWORD(WParam); }
  WORD LParamLo() const { return LOWORD(LParam); }
  WORD LParamHi() const { return HIWORD(LParam); }
  WORD ResultLo() const { return LOWORD(Result); }
  WORD ResultHi() const { return HIWORD(Result); }
};

inline TMessage MakeMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
  TMessage m;
  m.Msg = msg;
  m.WParam = wParam;
  m.LParam = lParam;
  return m;
}

// Typed readings of the common messages. They refer to the record, so a
// handler that sets Result through them answers the message.
struct TWMMouse {
  TMessage& M;
  explicit TWMMouse(TMessage& m) : M(m) {}
  WPARAM Keys() const { return M.WParam; }
  int XPos() const { return static_cast<int16_t>(LOWORD(M.LParam)); }
  int YPos() const { return static_cast<int16_t>(HIWORD(M.LParam)); }
  POINT Pos() const { return POINT{XPos(), YPos()}; }
};

struct TWMKey {
  TMessage& M;
  explicit TWMKey(TMessage& m) : M(m) {}
  WORD CharCode() const { return static_cast<WORD>(M.WParam); }
  void SetCharCode(WORD c) { M.WParam = c; }
  LPARAM KeyData() const { return M.LParam; }
};

struct TWMPaint {
  TMessage& M;
  explicit TWMPaint(TMessage& m) : M(m) {}
  // Set when the painting goes into a given DC (PaintTo, WM_PRINTCLIENT,
  // a windowless child painted by its parent) rather than BeginPaint's.
  HDC DC() const { return reinterpret_cast<HDC>(M.WParam); }
};

struct TWMCommand {
  TMessage& M;
  explicit TWMCommand(TMessage& m) : M(m) {}
  WORD ItemID() const { return LOWORD(M.WParam); }
  WORD NotifyCode() const { return HIWORD(M.WParam); }
  HWND Ctl() const { return reinterpret_cast<HWND>(M.LParam); }
};

// -- The library's notification messages --------------------------------------
// Sent with Perform (through WindowProc), so windowless controls get them too.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0x00;
constexpr UINT CM_DEACTIVATE = CM_BASE + 0x01;
constexpr UINT CM_GOTFOCUS = CM_BASE + 0x02;
constexpr UINT CM_LOSTFOCUS = CM_BASE + 0x03;
constexpr UINT CM_CANCELMODE = CM_BASE + 0x04;  // LParam: the control keeping the mode
constexpr UINT CM_DIALOGKEY = CM_BASE + 0x05;   // WParam: virtual key; Result 1 = used
constexpr UINT CM_DIALOGCHAR = CM_BASE + 0x06;  // WParam: character; Result 1 = used
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 0x07;  // to the form; LParam: new focused control
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 0x08;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 0x09;
constexpr UINT CM_HITTEST = CM_BASE + 0x0A;  // windowless: LParam = point; Result 0 = transparent
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 0x0B;  // WParam: new Visible
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 0x0C;
constexpr UINT CM_COLORCHANGED = CM_BASE + 0x0D;
constexpr UINT CM_FONTCHANGED = CM_BASE + 0x0E;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 0x0F;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 0x12;
constexpr UINT CM_MOUSEENTER = CM_BASE + 0x13;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 0x14;
constexpr UINT CM_MENUCHANGED = CM_BASE + 0x15;
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 0x18;  // WParam: group index, LParam: button
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 0x19;  // default handling shows or hides the window
constexpr UINT CM_ENTER = CM_BASE + 0x1A;
constexpr UINT CM_EXIT = CM_BASE + 0x1B;
constexpr UINT CM_ICONCHANGED = CM_BASE + 0x1D;
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 0x1E;  // Result 1: the control handles the key itself
constexpr UINT CM_RELEASE = CM_BASE + 0x21;         // posted by TCustomForm::Release
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 0x22;
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 0x23;
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 0x24;
constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 0x28;
constexpr UINT CM_UIACTIVATE = CM_BASE + 0x29;
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 0x2C;  // WParam: control, LParam: 1 inserted, 0 removed
constexpr UINT CM_CHILDKEY = CM_BASE + 0x2E;           // WParam: key, LParam: the control; Result 1 = used
constexpr UINT CM_HINTSHOW = CM_BASE + 0x30;           // LParam: THintInfo*; Result 1 = no hint
constexpr UINT CM_RECREATEWND = CM_BASE + 0x33;
constexpr UINT CM_INVALIDATE = CM_BASE + 0x34;
constexpr UINT CM_CONTROLCHANGE = CM_BASE + 0x36;  // WParam: control, LParam: 1 inserted
constexpr UINT CM_CHANGED = CM_BASE + 0x37;         // an edit's text changed; LParam: the control
constexpr UINT CM_BORDERCHANGED = CM_BASE + 0x3B;
constexpr UINT CM_ACTIONUPDATE = CM_BASE + 0x3F;
constexpr UINT CM_MOUSEWHEEL = CM_BASE + 0x43;  // the WM_MOUSEWHEEL record, to the focused control first

// -- Notifications reflected to the child control that sent them -------------
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_CHARTOITEM = CN_BASE + WM_CHARTOITEM;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_COMPAREITEM = CN_BASE + WM_COMPAREITEM;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_DELETEITEM = CN_BASE + WM_DELETEITEM;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_PARENTNOTIFY = CN_BASE + WM_PARENTNOTIFY;
constexpr UINT CN_VKEYTOITEM = CN_BASE + WM_VKEYTOITEM;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;

// True for the WM_CTLCOLOR* range (WM_CTLCOLORMSGBOX .. WM_CTLCOLORSTATIC).
inline bool IsCtlColorMessage(UINT msg) {
  return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC;
}

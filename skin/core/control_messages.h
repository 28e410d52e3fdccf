// The window and class-library message numbers the skin record reacts to,
// for code that cannot include windows.h. The Windows half checks them
// against the real ones.
#pragma once

#include <cstdint>

namespace skinmsg {
inline constexpr uint32_t Create = 0x0001;         // WM_CREATE
inline constexpr uint32_t Move = 0x0003;           // WM_MOVE
inline constexpr uint32_t Size = 0x0005;           // WM_SIZE
inline constexpr uint32_t SetFocus = 0x0007;       // WM_SETFOCUS
inline constexpr uint32_t KillFocus = 0x0008;      // WM_KILLFOCUS
inline constexpr uint32_t FontChange = 0x001D;     // WM_FONTCHANGE
inline constexpr uint32_t UpdateUIState = 0x0128;  // WM_UPDATEUISTATE
inline constexpr uint32_t ParentNotify = 0x0210;   // WM_PARENTNOTIFY
inline constexpr uint32_t VisibleChanged = 0xB00B;  // CM_VISIBLECHANGED
inline constexpr uint32_t EnabledChanged = 0xB00C;  // CM_ENABLEDCHANGED
inline constexpr uint32_t MouseEnter = 0xB013;      // CM_MOUSEENTER
inline constexpr uint32_t MouseLeave = 0xB014;      // CM_MOUSELEAVE
}  // namespace skinmsg

// DrawText flags the skin library composes itself.
namespace skindt {
inline constexpr unsigned Left = 0x0000;
inline constexpr unsigned Center = 0x0001;
inline constexpr unsigned Right = 0x0002;
inline constexpr unsigned VCenter = 0x0004;
inline constexpr unsigned ExpandTabs = 0x0040;
inline constexpr unsigned NoClip = 0x0100;
inline constexpr unsigned CalcRect = 0x0400;
}  // namespace skindt

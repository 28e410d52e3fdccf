// The skin engine's one private window message and its sub-commands. The
// sub-command travels in the high word of WParam, a small argument or flag
// in the low word; LParam carries the sending manager for the skin-change
// sub-commands (1 to 3, 29, 30) and otherwise an argument or the answer.
#pragma once

#include <cstdint>

// Registered under this name at start-up, but every sender and receiver
// uses the fixed number below.
inline constexpr const char* CommandMessageName = "SM_TESSERACMD";
inline constexpr uint32_t CommandMessage = 0xA100;

enum : uint16_t {
  SkinCmdNewSkin = 1,
  SkinCmdSkinRemoved = 2,
  SkinCmdSkinReapplied = 3,
  SkinCmdQueryProvider = 4,
  SkinCmdQueryCache = 5,
  SkinCmdFinishUpdate = 6,
  SkinCmdQuerySkinned = 7,
  SkinCmdSetUpdating = 8,
  SkinCmdForceFullRedraw = 9,
  SkinCmdQueryUpdating = 10,
  SkinCmdQueryRedrawFlag = 11,
  SkinCmdCheckBackground = 12,
  SkinCmdRepaintSection = 13,
  SkinCmdMenuNotify = 14,
  SkinCmdSetPaintingChild = 15,
  SkinCmdHaltAnimation = 16,
  SkinCmdMarkBackground = 17,
  SkinCmdQueryBackgroundKind = 19,
  SkinCmdRepaint = 20,
  SkinCmdQueryBackColor = 21,
  SkinCmdSetRedrawFlag = 22,
  SkinCmdRedrawNow = 23,
  SkinCmdFadeFrame = 24,
  SkinCmdAdaptControl = 25,
  SkinCmdQuerySectionIndex = 26,
  SkinCmdQueryCaptionHeight = 27,
  SkinCmdRecheckDialog = 28,
  SkinCmdHotEnter = 29,
  SkinCmdHotLeave = 30,
  SkinCmdBatchBegin = 31,
  SkinCmdBatchEnd = 32,
  SkinCmdBeforeScroll = 51,
  SkinCmdAfterScroll = 52,
  SkinCmdQueryApplication = 60,
  SkinCmdQueryCacheOffset = 61,
};

// WParam of a command: the sub-command high, the argument low.
constexpr uintptr_t SkinCmdWParam(uint16_t command, uint16_t argument = 0) {
  return (static_cast<uintptr_t>(command) << 16) | argument;
}
constexpr uint16_t SkinCmdOf(uintptr_t wParam) { return static_cast<uint16_t>(wParam >> 16); }
constexpr uint16_t SkinCmdArgumentOf(uintptr_t wParam) { return static_cast<uint16_t>(wParam); }

// A command on its way, in the shape of a window message record; receivers
// may answer in LParam or Result.
struct TsCmdMessage {
  uint32_t Msg = CommandMessage;
  uintptr_t WParam = 0;
  intptr_t LParam = 0;
  intptr_t Result = 0;
};

inline TsCmdMessage MakeSkinCommand(uint16_t command, intptr_t lParam = 0,
                                    uint16_t argument = 0) {
  TsCmdMessage m;
  m.WParam = SkinCmdWParam(command, argument);
  m.LParam = lParam;
  return m;
}

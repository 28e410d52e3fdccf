// The skin record on the class library's controls: the message routing
// every skinned control calls first, and copying a cache to a DC without
// painting over children.
#pragma once

#include "platform/forms/controls.h"
#include "skin/core/common_data.h"

// CommonControlMessage on a window message record; answers come back in it.
bool CommonControlMessage(TMessage& message, TsCommonData* record);
// The answers every skinned control and adapted window gives alike:
// SkinCmdQuerySkinned (LParam and Result 1) and SkinCmdQueryApplication
// (Result the Application); false, nothing answered, for any other command.
bool AnswerIdentityQuery(TMessage& message);

// The record's cache from the source rectangle's top-left to the clip
// rectangle of the DC, leaving out the windowless, opaque and designed
// children of the control (their bounds moved by dx, dy).
void PaintChildrenToDC(TControl* control, TsCommonData* record, const TRect& source, int dy, int dx,
                       bool redrawBorders, HDC dc, const TRect& clip);
// The same for a window handle: its child windows are left out whole,
// group boxes only by their frame band.
void ClipOutChildWindows(HWND window, TsCommonData* record, const TRect& source, int dy, int dx,
                         bool redrawBorders, HDC dc, const TRect& clip);
// The cache of the window's parent window.
void GetParentCacheInfoOfWindow(HWND window, TCacheInfo& info);

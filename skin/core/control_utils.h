// The rules by which the skin library talks to controls with its command
// message and tests them, written once over the control model. The Windows
// build offers the same routines on the class library's controls and
// windows (control_utils_win.h).
#pragma once

#include <cstdint>

#include "platform/graphics/colors.h"
#include "skin/core/skin_commands.h"

class TComponent;
class TsControlModel;

// A windowed control being destroyed or without window gets nothing
// (result 0); other windowed controls get SendMessage, windowless ones
// Perform. Returns the result.
intptr_t SendCmdToControl(TsControlModel& model, TComponent* control, uint16_t code,
                          intptr_t lParam = 0);
// The command through the control's WindowProc; true when LParam comes back
// as 1, else when its window answers SendMessage of it with 1.
bool ControlAnswersCmd(TsControlModel& model, TComponent* control, uint16_t code);
// False for nil, a windowed control without window, one being created,
// reading its state, loading or destroyed, or without parent.
bool IsControlPaintable(TsControlModel& model, TComponent* control);
// Unless designing: SkinCmdAdaptControl (LParam = the control) to the window
// of its parent form.
void RequestControlAdapt(TsControlModel& model, TComponent* control);
// ParentBackColor becomes the background the control shows its children:
// its answer to SkinCmdQueryBackColor, else its Color; as RGB.
void QueryParentColor(TsControlModel& model, TComponent* control);

enum TsTextAlignment { staLeftJustify = 0, staRightJustify = 1, staCenter = 2 };
// DT_LEFT, DT_RIGHT or DT_CENTER or-ed with DT_EXPANDTABS and DT_VCENTER,
// before the control's bidirectional adjustment.
unsigned AlignmentTextFlagsOf(int alignment);

// A fade runs time shr 3 frames with the alpha falling by 255 div frames;
// from 2048 ms on that step is 0 and nothing would blend, so fades are held
// to the longest time that still blends. Below 8 ms there is no fade.
inline constexpr int LongestFadeTime = 2047;
int BoundedFadeTime(int timeMs);

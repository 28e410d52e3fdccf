// How the skin library talks to the class library's controls and to plain
// windows with its command message, paints a control tree into a bitmap,
// paints windowless children over a cached background, and fades a control
// in from a snapshot of the screen.
#pragma once

#include <string>

#include "platform/forms/controls.h"
#include "platform/forms/forms.h"
#include "platform/forms/text_alignment.h"
#include "platform/graphics/bitmap.h"
#include "skin/core/cache_info.h"
#include "skin/core/control_utils.h"

class TsCommonData;

// SetWindowTheme of uxtheme, bound by name at start-up; nullptr without it.
// (h, L" ", L" ") takes a window's visual theme away, (h, nullptr, nullptr)
// gives it back.
using TSetWindowTheme = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
extern TSetWindowTheme SetWindowThemeProc;
// Visual themes are active for this program.
bool VisualThemesInUse();

// -- Sending ----------------------------------------------------------------------
LRESULT SendCmdToWindow(HWND window, uint16_t code, LPARAM lParam);
intptr_t SendCmdToControl(TControl* control, uint16_t code, LPARAM lParam = 0);
bool ControlAnswersCmd(TControl* control, uint16_t code);
bool WindowAnswersCmd(HWND window, uint16_t code);
// SkinCmdFinishUpdate to every child that is neither windowless-graphic
// nor being destroyed (windowed ones only when shown); an exception ends it.
void SendFinishUpdateToChildren(TWinControl* control);
void SendFinishUpdateToChildWindows(HWND window);
// The first skin provider among the form's components gets the record.
void SendCmdToFormProvider(TCustomForm* form, TMessage& message);
void RequestControlAdapt(TControl* control);
void QueryParentColor(TWinControl* control);
// A button's face begins: the record's cache made, `parentCache` the
// parent's cache at the control's place, and the see-through colour the
// parent's own colour when that cache is not ready, else what the parent
// answers (ParentBackColor and TransparentFillColor).
void ReadParentLook(TControl* control, TsCommonData* record, TCacheInfo& parentCache);

// -- Tests and small routines ------------------------------------------------------
bool IsControlPaintable(TControl* control);
TCustomForm* FindOwnerForm(TComponent* component);
// DT_LEFT / DT_RIGHT / DT_CENTER with DT_EXPANDTABS and DT_VCENTER, through
// the control's bidirectional flags.
unsigned AlignmentTextFlags(TControl* control, TAlignment alignment);
bool GetWorkArea(TRect& rect);
// Heights (alTop, alBottom) or widths (alLeft, alRight) of the visible
// children with exactly that alignment; 0 for other alignments.
int SumAlignedSizes(TWinControl* control, TAlign alignment, bool countGraphicControls);

// -- Painting ------------------------------------------------------------------------
void PaintControlToBitmap(TBitmap* bitmap, TControl* control);
void PaintGraphicChildren(HDC dc, TWinControl* control, TPoint offset);

// A borderless cover that shows nothing of its own.
class TOutputWindow : public TCustomControl {
 public:
  explicit TOutputWindow(TComponent* owner);
  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
};

// The look of a fade in progress; nullptr outside one.
extern TBitmap* FadeSnapshot;
extern TOutputWindow* FadeCover;
// While FadeControlIn paints the control off-screen: the DC skinned
// buttons paint into instead of their window.
extern HDC FadePaintDC;
// From the on-screen look to the new one, in frames of 8 ms; below 8 ms the
// new look at once. Times are held to LongestFadeTime.
void FadeControlIn(TWinControl* control, int timeMs);

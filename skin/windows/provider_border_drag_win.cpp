// ResizeMode rmBorder and ScreenSnap of a skinned form. Not yet: the
// options are kept, but moving and sizing stay the platform's live ones
// and no position is snapped.
#include "skin/windows/skin_provider.h"

void TsSkinProvider::StartBorderDrag(int, int) {}
void TsSkinProvider::BorderDragStep(int, int) {}
void TsSkinProvider::FinishBorderDrag() {}
void TsSkinProvider::SnapWindowPos(WINDOWPOS&) {}

// Where the next message box is asked to appear, in screen coordinates;
// -1, -1 when no box asks. Set only while a typed message box is shown, so
// the skinning of the box's frame can move it there.
#pragma once

extern int MessageBoxLeft;
extern int MessageBoxTop;

#include "skin/core/message_box_position_win.h"

int MessageBoxLeft = -1;
int MessageBoxTop = -1;

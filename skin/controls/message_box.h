// The typed message box: the system's box with the caption and icon of its
// dialog type, shown at a requested place that the skinning of its frame
// reads while it is up.
#pragma once

#include <string>

#include "platform/forms/dialogs.h"

// caption nullptr: the type's caption. x, y: the requested top-left, -1 for
// the system's place. Answers the box's result.
int ShowTypedMessageBox(const std::string* caption, const std::string& text, TMsgDlgType type,
                        TMsgDlgButtons buttons, int x, int y, int helpContext);
int ShowTypedMessageBoxDefault(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
                               int helpContext);

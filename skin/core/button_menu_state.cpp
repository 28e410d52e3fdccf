#include "skin/core/button_menu_state.h"

bool HintsSuspended = false;
bool SavedShowHint = false;
TComponent* DropDownControl = nullptr;
TComponent* AnimatedControl = nullptr;

// Library-wide state shared by the skinned buttons and the skinned menus:
// the hints a press switched off, the control whose drop-down menu is open
// and the windowless control an animation frame is being shown for.
#pragma once

class TComponent;

// Set while a press has Application.ShowHint switched off; SavedShowHint
// is the value to give back.
extern bool HintsSuspended;
extern bool SavedShowHint;
// The control whose drop-down menu is shown; nullptr when none. A menu
// opening meanwhile belongs to it.
extern TComponent* DropDownControl;
// The windowless control repainting itself for an animation frame;
// nullptr outside one.
extern TComponent* AnimatedControl;

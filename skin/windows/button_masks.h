// Which image items of the skin draw a form's caption buttons. A skin may
// give them skin-wide in GLOBALINFO (big ones for ordinary frames, small
// ones for dialogs and tool windows) or in the form's own section; the
// look-up order decides which a form gets.
#pragma once

#include <string>

#include "skin/windows/form_geometry.h"

class TsSkinManager;

// Indexes into the manager's image items, -1 for none.
struct TsButtonMasks {
  int Minimize = -1;
  int Maximize = -1;
  int Close = -1;
  int Help = -1;
  // The buttons of a maximised MDI child, drawn in an MDI parent's menu line.
  int MDIMinimize = -1;
  int MDIMaximize = -1;
  int MDIClose = -1;
  int TitleButton = -1;  // GLOBALINFO's TITLEBUTTON
};

// The masks of a form whose section is formSection (index formSectionIndex);
// mdiParent: an MDI parent at run time, whose MDI buttons are looked up too.
// Without GLOBALINFO, or without its BICONCLOSE, the form's section gives
// the big buttons.
void LookupButtonMasks(const TsSkinManager& manager, int formSectionIndex,
                       const std::string& formSection, TsFormBorder border, bool mdiParent,
                       TsButtonMasks& masks);

// The mask of the user title buttons: GLOBALINFO's TITLEBUTTON, else the
// form section's; -1 when neither has one.
int LookupTitleButtonMask(const TsSkinManager& manager, int formSectionIndex,
                          const std::string& formSection);

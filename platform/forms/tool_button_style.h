// The styles of a tool-bar button: an ordinary button, one that stays down
// (check), one with a drop-down arrow strip for its menu, and the two kinds
// of gap between buttons. No window needed.
#pragma once

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

// What a typed message box shows: its caption by dialog type and the
// system box's icon and button flags.
#pragma once

#include <string>

// Dialog types in the platform's order: warning, error, information,
// confirmation, custom.
inline constexpr int kMessageBoxTypes = 5;

struct TMessageBoxButtons {
  bool Yes = false, No = false, OK = false, Cancel = false;
  bool Abort = false, Retry = false, Ignore = false, Help = false;
};

// "Warning", "Error", "Information", "Confirm", and "" for the custom type
// (and any type out of range).
const std::string& MessageBoxCaption(int type);
// The icon of the type OR-ed with the button set's flags, so a button set
// never takes the icon away.
unsigned MessageBoxFlags(int type, const TMessageBoxButtons& buttons);

// Saving the result window's text as a script file.
#pragma once

#include <string>

class TStrings;

namespace brsm {

// The name a script is saved under: the name chosen in the save dialog with
// ".uc" appended, unless its extension already is ".uc" (in any case).
std::string ScriptFileName(const std::string& chosenName);

// Writes every line followed by CR LF, bytes as they are (1251), to a
// temporary file beside fileName and only then moves it over fileName, so a
// failed save never costs the file that was there. Any failure raises
// EFCreateError naming fileName; the old file stays as it was and no
// temporary file is left behind.
void SaveScriptFile(const TStrings& lines, const std::string& fileName);

}  // namespace brsm

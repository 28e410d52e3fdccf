// Multi-stop gradients as skins and hint styles write them: numbers
// separated by ";", five per stop.
#pragma once

#include <string>
#include <vector>

#include "platform/graphics/colors.h"

struct TGradientStop {
  TColor StartColor = 0;
  TColor EndColor = 0;
  int Share = 0;     // percent of the rectangle, at most 100
  int Mode = 0;      // only the first stop's: 0 vertical, 1 horizontal, 2 mesh
  int Reserved = 0;  // never read
};

using TGradientArray = std::vector<TGradientStop>;

// Words that do not complete a group of five are ignored; a word that is not
// an integer raises EConvertError (the array is then left empty).
void ParseGradientData(const std::string& text, TGradientArray& stops);

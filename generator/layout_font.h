// A stored font, written in one call by the programs' form layouts.
#pragma once

#include <string>

#include "platform/graphics/font.h"

namespace brsm {

inline void SetLayoutFont(TFont* font, const std::string& name, int height, TColor color,
                          TFontStyles style = {}) {
  font->SetCharset(DEFAULT_CHARSET);
  font->SetColor(color);
  font->SetHeight(height);
  font->SetName(name);
  font->SetStyle(style);
}

}  // namespace brsm

// The skinned drop-down button of a combo box, laid into the box's face:
// COMBOBTN's look over the button rectangle on what the face shows there,
// then one frame of COMBOBOX's arrow glyph in the button's state.
#pragma once

#include "platform/graphics/pixel_buffer.h"
#include "platform/graphics/geometry.h"

class TsSkinManager;

// state: 0 normal, 1 hot, 2 pressed. Nothing outside the face, for an
// empty button or without manager.
void PaintComboButton(TsSkinManager* manager, const TPixelBufferView& face, TRect button, int state);

// The height of one state row of the arrow glyph; 16 when the skin has none.
int ComboGlyphHeight(const TsSkinManager* manager);

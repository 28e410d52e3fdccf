// Drawing captions in a section's colours on a canvas, and the small text
// and frame helpers that go with them.
#pragma once

#include <string>

#include "platform/forms/button_layout.h"
#include "platform/forms/text_alignment.h"
#include "platform/graphics/canvas.h"

class TsCommonData;
class TsSkinManager;

// Contour passes, then the text colour (the hot set when hot); disabled:
// one pass in the 40/60 mix. Nothing for an invalid section.
void DrawSectionText(TCanvas* canvas, const std::string& text, bool enabled, TsSkinManager* manager,
                     bool hot, int sectionIndex, unsigned flags, TRect rect);
void DrawSectionTextDefault(TCanvas* canvas, const std::string& text, bool enabled, bool hot,
                            int sectionIndex, unsigned flags, TRect rect);
// In the owner's font, clipped to the rectangle; a hot "WEBBUTTON" is
// underlined; CustomFont keeps the font's colour.
void DrawControlText(TCanvas* canvas, const std::string& text, bool enabled, bool hot,
                     const TsCommonData* record, unsigned flags, TRect rect);
void DrawControlTextCompat(TCanvas* canvas, const std::string& text, bool enabled, bool hot,
                           const TsCommonData* record, unsigned flags, TRect rect, int unused);
void DrawTextString(HDC dc, const std::string& text, TRect rect, unsigned flags);
void CutTextToWidth(TCanvas* canvas, const std::string& text, int width, std::string& result);
void DrawDottedFrame(TCanvas* canvas, const TRect& rect);
// lineCount nested frames, light top and left, dark bottom and right.
void DrawBevelLines(HDC dc, TRect rect, TColor light, int& lineCount, TColor dark);

// The skin's text colour on a label font (when a skin is loaded and it
// names one); for labels that follow the skin.
void ApplySkinTextColor(TFont* font);

// Flag value of right-to-left reading in LayoutGlyphAndText.
inline constexpr int LayoutRightToLeft = 2;
// Places a button's glyph and caption; layouts glyph-left and glyph-right
// swap for right-to-left reading; alignment moves the pair to the left or
// right edge (margin from that edge), centre leaves it centred.
void LayoutGlyphAndText(const TRect& client, TSize textSize, TSize glyphSize, int flags,
                        TRect& glyphRect, TRect& textRect, int spacing, int margin,
                        TAlignment alignment, TButtonLayout layout);

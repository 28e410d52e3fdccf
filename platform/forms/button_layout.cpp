#include "platform/forms/button_layout.h"

namespace brsm {

TGlyphAndCaptionPlace PlaceGlyphAndCaption(const TRect& client, TSize glyph, TSize caption,
                                           TButtonLayout layout, int margin, int spacing) {
  const bool sideways = layout == blGlyphLeft || layout == blGlyphRight;
  // "Along" is the direction in which glyph and caption follow each other.
  const int room = sideways ? client.Width() : client.Height();
  const int across = sideways ? client.Height() : client.Width();
  const int g = sideways ? glyph.cx : glyph.cy;
  const int t = sideways ? caption.cx : caption.cy;
  const int gAcross = sideways ? glyph.cy : glyph.cx;
  const int tAcross = sideways ? caption.cy : caption.cx;

  if (glyph.cx == 0 || glyph.cy == 0 || caption.cx == 0) spacing = 0;
  if (margin == -1 && spacing == -1) {
    margin = (room - g - t) / 3;
    spacing = margin;
  } else if (margin == -1) {
    margin = (room - (g + spacing + t) + 1) / 2;
  } else if (spacing == -1) {
    spacing = (room - margin - g - t) / 2;
  }

  int glyphAlong = 0, textAlong = 0;
  if (layout == blGlyphLeft || layout == blGlyphTop) {
    glyphAlong = margin;
    textAlong = glyphAlong + g + spacing;
  } else {
    glyphAlong = room - margin - g;
    textAlong = glyphAlong - spacing - t;
  }
  const int glyphAcross = (across - gAcross + 1) / 2;
  const int textAcross = (across - tAcross + 1) / 2;

  TGlyphAndCaptionPlace place;
  if (sideways) {
    place.Glyph = Point(client.Left + glyphAlong, client.Top + glyphAcross);
    place.Caption = Bounds(client.Left + textAlong, client.Top + textAcross, caption.cx, caption.cy);
  } else {
    place.Glyph = Point(client.Left + glyphAcross, client.Top + glyphAlong);
    place.Caption = Bounds(client.Left + textAcross, client.Top + textAlong, caption.cx, caption.cy);
  }
  return place;
}

}  // namespace brsm

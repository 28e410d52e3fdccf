// The glyph helpers of the skinned buttons: counting an image list,
// building an unskinned button's two-frame glyph from a list, and painting
// a skinned button's glyph into its cache.
#pragma once

#include "platform/graphics/bitmap.h"
#include "platform/graphics/image_list.h"
#include "skin/controls/button_face.h"
#include "skin/controls/glyph_frames.h"
#include "skin/core/common_data.h"
#include "skin/core/section_painting.h"

class TControl;
class TsBitBtn;
class TsCommonData;

// 0 without a list.
int ImageListCount(TCustomImageList* images);

// A button's glyph size: a frame of its glyph strip (numGlyphs frames),
// else the list's image size when an image is chosen, else 0 x 0.
TSize ButtonGlyphSize(TBitmap* glyph, int numGlyphs, TCustomImageList* images, int imageIndex);

// The glyph becomes image `imageIndex` and its disabled frame, and
// glyphCount 2. Nothing while the button is skinned, loading in design
// mode, or the index is outside the list.
void MakeImageListGlyph(TControl* button, TsCommonData* record, int imageIndex, int& glyphCount,
                        TsDisabledGlyphKind kind, TBitmap* glyph, TCustomImageList* images);

// What a button's glyph is painted from and how.
struct TsButtonGlyphSource {
  TBitmap* Glyph = nullptr;  // a strip of NumGlyphs frames; used when wider than 0
  int NumGlyphs = 1;
  TCustomImageList* Images = nullptr;
  int ImageIndex = -1;
  TRect Rect{};  // where the glyph goes in the cache
  bool Down = false;
  int StateKind = 0;  // the state PaintGlyphImage shows
  TsImageGlyphLook Look;
};

// What both skinned buttons read alike into a glyph source: the glyph strip
// or the list image, where it goes, whether it is down, and its look; the
// state shown is left to the caller. False, and the rest unread, when the
// button has neither a glyph nor an image of its list to show.
template <class Button>
bool ReadButtonGlyph(Button* button, TsButtonGlyphSource& s) {
  s.Glyph = button->Glyph();
  s.NumGlyphs = button->NumGlyphs();
  s.Images = button->Images();
  s.ImageIndex = button->ImageIndex();
  if ((!s.Glyph || s.Glyph->Width() <= 0) &&
      (!s.Images || s.ImageIndex < 0 || s.ImageIndex >= ImageListCount(s.Images)))
    return false;
  s.Rect = button->GlyphRect();
  s.Down = button->Down();
  s.Look.Enabled = button->Enabled();
  s.Look.Active = button->SkinData()->IsActiveState();
  s.Look.Grayed = button->Grayed();
  s.Look.Blend = button->Blend();
  s.Look.DisabledKind = button->DisabledGlyphKind();
  return true;
}

// What both skinned buttons read alike to place their glyph: the face, the
// glyph and caption sizes given, and the layout properties; the arrow strip
// is left to the caller.
template <class Button>
TsGlyphPlaceFacts ReadGlyphPlaceFacts(Button* button, TSize glyph, TSize caption, bool pressed) {
  TsGlyphPlaceFacts f;
  f.Width = button->Width();
  f.Height = button->Height();
  f.GlyphWidth = glyph.cx;
  f.GlyphHeight = glyph.cy;
  f.CaptionWidth = caption.cx;
  f.CaptionHeight = caption.cy;
  f.ShowCaption = button->ShowCaption();
  f.HasCaption = !button->Caption().empty();
  f.Margin = button->Margin();
  f.Spacing = button->Spacing();
  f.Layout = button->Layout();
  f.Alignment = button->Alignment();
  f.Pressed = pressed;
  return f;
}

// A glyph into a cache (24-bit): the strip through PaintGlyphImage, else
// the list's image laid in keyed by the list's background.
void PaintButtonGlyph(TBitmap* cache, const TsButtonGlyphSource& source);
// The bit-map button's glyph into its cache.
void DrawButtonGlyph(TsBitBtn* button);

// The image values of a skin description, one key at a time:
//   !file.BMP!count!masktype!imgtype[!wl!wt!wr!wb]   an image in its own file
//   @llll tttt rrrr bbbb c m                        a glyph of the master bitmap
//   ^llll tttt rrrr bbbb wl   wt   wr   wb   c m s w  a border of the master bitmap
//   ~llll tttt rrrr bbbb ss m                       a texture of the master bitmap
//   file.bmp                                        a border in its own file
//   name#(l,t,r,b)(count,masktype[,width[,stretch]]) a master-bitmap item by list
// A value that starts like one of them but does not parse is no image item.
#pragma once

#include <string>

#include "skin/core/skin_data.h"

enum class TImageValueKind {
  None,          // not an image value
  OwnFile,       // "!": Item waits for its bitmap
  PlainFile,     // a plain ".BMP" name: Item waits for its bitmap
  MasterGlyph,   // "@"
  MasterBorder,  // "^"
  MasterTexture, // "~"
  MasterList,    // "#(...)"
};

struct TImageValue {
  TImageValueKind Kind = TImageValueKind::None;
  std::string FileName;      // OwnFile, PlainFile
  bool WidthsGiven = false;  // OwnFile: the four widths were written
  TsMaskData Item;           // everything the value itself says
};

// Section and key as the description writes them.
TImageValue ParseImageValue(const std::string& section, const std::string& key,
                            const std::string& value);
// Only the "#(...)" list form, whatever the first character.
TImageValue ParseImageListValue(const std::string& section, const std::string& key,
                                const std::string& value);

// The border widths a frame grid leaves when none are given: a third of a
// frame each way. A frame count below 1 counts as one frame, a negative
// mask type as one row.
void ComputeFrameWidths(TsMaskData& item, int width, int height);

// Gives a file item its bitmap: the whole picture is the rectangle; the
// widths are computed unless the value gave them.
void PlaceOwnBitmap(TImageValue& value, int width, int height);

// Clamps values that index tables: BEVEL 0..4, texture stretch modes 0..14,
// image types 0..2.
TsControlBevel BevelFromIni(int value);
TvxImgType ImgTypeFromIni(int value);

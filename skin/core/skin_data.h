// The run-time records of a loaded skin. Everything outside the loaders reads
// only these, by index into the owner's arrays; the indexes stay valid until
// the next skin change.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/colors.h"
#include "platform/graphics/pixel_buffer.h"
#include "platform/graphics/geometry.h"
#include "skin/core/gradient_data.h"

class TsSkinContent;

enum TsControlBevel : uint8_t {
  cbNone = 0, cbRaisedSoft, cbLoweredSoft, cbRaisedHard, cbLoweredHard
};

enum TvxImgType : uint8_t { itisaBorder = 0, itisaTexture = 1, itisaGlyph = 2 };

// Skin-wide values.
struct TsSkinData {
  std::string SkinPath;  // folder of the skin's files with a trailing separator
  bool Loaded = false;   // loaded and announced
  double Version = 0;
  std::string Author;
  std::string Description;
  int32_t Shadow1Color = 0;
  int32_t Shadow1Offset = 0;
  int32_t Shadow1Blur = 0;
  int32_t Shadow1Transparency = 0;
  int32_t BorderColor = 0;
  int32_t BISpace = 0;
};

// One skin section. FontColor[0] is the text colour; [1..4] the contour
// colours left, top, right and bottom of the text, -1 for none.
struct TsGeneralData {
  std::string ParentClass;
  std::string SectionName;
  TColor Color = 0xFFFFFF;
  TsControlBevel Bevel = cbNone;
  TColor FontColor[5] = {0, -1, -1, -1, -1};
  TColor HotFontColor[5] = {0, -1, -1, -1, -1};
  bool ReservedBoolean = false;
  int32_t ShadowBlur = 6;
  TColor ShadowColor = 0;
  bool ShadowDontUse = false;
  bool ShadowEnabled = false;
  int32_t ShadowOffset = 3;
  int32_t ShadowTransparency = 50;
  int32_t Transparency = 0;
  int32_t GradientPercent = 0;
  std::string GradientData = " ";
  TGradientArray GradientArray;
  int32_t ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  int32_t FadingIntervalIn = 5;
  int32_t FadingIntervalOut = 5;
  int32_t FadingIterations = 5;
  TColor HotColor = 0xFFFFFF;
  int32_t HotTransparency = 0;
  TsControlBevel HotBevel = cbNone;
  int32_t HotGradientPercent = 0;
  std::string HotGradientData;
  TGradientArray HotGradientArray;
  int32_t HotImagePercent = 0;
  TColor BorderColor1 = 0;
  TColor BorderColor2 = 0;
};
using TsGeneralDataArray = std::vector<TsGeneralData>;

// One image item: a rectangle of frames side by side (one per state) in the
// item's own bitmap or, when Image is null, in the owner's master bitmap.
struct TsMaskData {
  std::shared_ptr<TPixelBuffer> Image;  // 24-bit, or as loaded for textures
  std::string SectionName;
  std::string PropertyName;
  TRect SourceRect{};
  int16_t ImageCount = 0;   // frames side by side; 0 counts as 1
  int16_t MaskType = 0;     // rows - 1: 1 = a mask (or active) row below
  int16_t BorderWidth = 0;  // one width for all sides, 0 = none
  int16_t StretchMode = 0;
  TvxImgType ImgType = itisaBorder;
  TsSkinContent* Manager = nullptr;  // the loaded skin that holds the item
  int16_t WL = 0, WT = 0, WR = 0, WB = 0;
};
using TsMaskArray = std::vector<TsMaskData>;

// A JPEG picture kept compressed; Decode gives its pixels when needed.
struct TsJpegPicture {
  std::vector<uint8_t> Data;
  int Width = 0;
  int Height = 0;
  bool Empty() const { return Data.empty() || Width <= 0 || Height <= 0; }
  // 24-bit pixels; false (out untouched) when the data does not decode.
  bool Decode(TPixelBuffer& out) const;
};

// A large picture, more than 89999 pixels, left compressed.
struct TsPatternData {
  std::shared_ptr<TsJpegPicture> Image;
  std::string SectionName;
  std::string PropertyName;
};
using TsPatternArray = std::vector<TsPatternData>;

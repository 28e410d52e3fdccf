// Skins kept inside a form: either the bytes of a packed archive (Data) or
// collections that mirror the run-time records one for one. Property
// holders; the loaders read them.
#pragma once

#include <string>

#include "platform/graphics/colors.h"
#include "platform/graphics/pixel_buffer.h"
#include "platform/rtl/collections.h"
#include "platform/rtl/streams.h"
#include "skin/core/skin_data.h"

template <class Item>
class TsTypedCollection : public TOwnedCollection {
 public:
  explicit TsTypedCollection(TPersistent* owner)
      : TOwnedCollection(owner, TCollection::ItemClass<Item>()) {}
  Item* Items(int index) const { return static_cast<Item*>(TCollection::Items(index)); }
  Item* Add() { return static_cast<Item*>(TCollection::Add()); }
};

class TsSkinImage : public TCollectionItem {
 public:
  explicit TsSkinImage(TCollection* collection) : TCollectionItem(collection) {}
  std::string Name;
  TPixelBuffer Image;
  std::string SectionName;
  std::string PropertyName;
  int MaskType = 0;
  int ImageCount = 0;
  int Top = 0, Left = 0, Right = 0, Bottom = 0;
  int BorderWidth = 0;
  int StretchMode = 0;
  TvxImgType ImgType = itisaBorder;
  int WR = 0, WT = 0, WL = 0, WB = 0;
};
using TsSkinImages = TsTypedCollection<TsSkinImage>;

class TsSkinPattern : public TCollectionItem {
 public:
  explicit TsSkinPattern(TCollection* collection) : TCollectionItem(collection) {}
  std::string Name;
  TsJpegPicture Image;
  std::string SectionName;
  std::string PropertyName;
};
using TsSkinPatterns = TsTypedCollection<TsSkinPattern>;

// FontColor and HotFontColor hold five numbers separated by blanks: the text
// colour, then the left, top, right and bottom contours.
class TsSkinGeneral : public TCollectionItem {
 public:
  explicit TsSkinGeneral(TCollection* collection) : TCollectionItem(collection) {}
  std::string Name;
  std::string SectionName;
  std::string ParentClass;
  TColor Color = 0;
  int Bevel = 0;
  int ShadowBlur = 0;
  TColor ShadowColor = 0;
  bool ShadowDontUse = false;
  bool ShadowEnabled = false;
  bool ReservedBoolean = false;
  int ShadowOffset = 0;
  int ShadowTransparency = 0;
  std::string FontColor;
  std::string HotFontColor;
  int Transparency = 0;
  int GradientPercent = 0;
  std::string GradientData;
  int ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  int FadingIntervalIn = 0;
  int FadingIntervalOut = 0;
  int FadingIterations = 0;
  TColor HotColor = 0;
  int HotTransparency = 0;
  int HotBevel = 0;
  int HotGradientPercent = 0;
  std::string HotGradientData;
  int HotImagePercent = 0;
  TColor BorderColor1 = 0;
  TColor BorderColor2 = 0;
};
using TsSkinGenerals = TsTypedCollection<TsSkinGeneral>;

class TsStoredSkin : public TCollectionItem {
 public:
  explicit TsStoredSkin(TCollection* collection);
  ~TsStoredSkin() override;

  std::string Name;
  TsSkinGenerals* GeneralData;
  TsSkinImages* Images;
  TsSkinPatterns* Patterns;
  TPixelBuffer MasterBitmap;
  TColor Shadow1Color = 0;
  int Shadow1Offset = 0;
  int Shadow1Blur = -1;
  int Shadow1Transparency = 0;
  TColor BorderColor = 0xFF00FF;
  double Version = 0;
  std::string Author;
  std::string Description;
  // The packed archive; empty when the collections hold the skin.
  TMemoryStream* Data;
};

class TsStoredSkins : public TsTypedCollection<TsStoredSkin> {
 public:
  explicit TsStoredSkins(TPersistent* owner) : TsTypedCollection<TsStoredSkin>(owner) {}
  // Stored skins come only from the stored layout; assigning changes nothing.
  void Assign(TPersistent*) override {}
  // The first skin whose Name equals the text exactly; -1 when none.
  int IndexOf(const std::string& name) const;
};

// Five colours of a FontColor text; text colour 0 and no contours (-1) unless
// it holds exactly five numbers.
void ParseStoredFontColors(const std::string& text, TColor (&colors)[5]);

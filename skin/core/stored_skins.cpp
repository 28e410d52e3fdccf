#include "skin/core/stored_skins.h"

#include "platform/rtl/sysutils.h"
#include "skin/core/skin_utils.h"

TsStoredSkin::TsStoredSkin(TCollection* collection)
    : TCollectionItem(collection),
      GeneralData(new TsSkinGenerals(this)),
      Images(new TsSkinImages(this)),
      Patterns(new TsSkinPatterns(this)),
      Data(new TMemoryStream()) {}

TsStoredSkin::~TsStoredSkin() {
  delete Data;
  delete Patterns;
  delete Images;
  delete GeneralData;
}

int TsStoredSkins::IndexOf(const std::string& name) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Name == name) return i;
  return -1;
}

void ParseStoredFontColors(const std::string& text, TColor (&colors)[5]) {
  const TColor fallback[5] = {0, -1, -1, -1, -1};
  const std::vector<std::string> words = SplitWords(text, " ");
  TColor parsed[5];
  bool ok = words.size() == 5;
  for (size_t i = 0; ok && i < 5; ++i) ok = TryStrToInt(words[i], parsed[i]);
  for (int i = 0; i < 5; ++i) colors[i] = ok ? parsed[i] : fallback[i];
}

// The manager's look-ups into the loaded skin and the skin-wide values
// derived from it.
#include <cstdint>
#include <limits>
#include <string>

#include "skin/core/skin_constants.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skin_utils.h"

namespace {

// An item of `items` for that section and property, searched again in the
// PARENTCLASS section when the section has none. A chain that loops ends
// after as many steps as there are sections.
template <class Items, class Accept>
int FindAlongParents(const TsSkinManager& manager, const Items& items, int sectionIndex,
                     std::string sectionName, const std::string& propertyName, Accept accept) {
  for (size_t step = 0; step <= manager.SectionItems.size(); ++step) {
    if (sectionIndex < 0 || sectionName.empty()) return -1;
    for (size_t i = 0; i < items.size(); ++i) {
      const auto& item = items[i];
      if (item.SectionName == sectionName && item.PropertyName == propertyName && accept(item))
        return static_cast<int>(i);
    }
    if (!manager.IsValidSectionIndex(sectionIndex)) return -1;
    const std::string parent = manager.SectionItems[static_cast<size_t>(sectionIndex)].ParentClass;
    if (parent.empty() || parent == sectionName) return -1;
    const int parentIndex = manager.LookupSection(parent);
    if (parentIndex < 0) return -1;
    sectionIndex = parentIndex;
    sectionName = parent;
  }
  return -1;
}

int16_t Short(int index) {
  return index >= 0 && index <= std::numeric_limits<int16_t>::max() ? static_cast<int16_t>(index)
                                                                      : int16_t{-1};
}

const char* const kCheckGlyphs[9] = {"BOXCHECKED",     "BOXUNCHECKED",   "BOXGRAYED",
                                     "RADIOCHECKED",   "RADIOUNCHECKED", "RADIOGRAYED",
                                     "SMALLCHECKED",   "SMALLUNCHECKED", "SMALLGRAYED"};
const char* const kTabs[4] = {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"};
const char* const kScrollBtns[4] = {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT",
                                    "SCROLLBTNRIGHT"};
const char* const kSliders[2] = {"SCROLLSLIDERV", "SCROLLSLIDERH"};
const char* const kScrollBars[4] = {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"};

}  // namespace

int TsSkinManager::LookupSection(const std::string& name) const {
  for (size_t i = 0; i < SectionItems.size(); ++i)
    if (SectionItems[i].SectionName == name) return static_cast<int>(i);
  return -1;
}

int TsSkinManager::LookupSectionOr(const std::string& name, int fallback) const {
  const int index = LookupSection(name);
  if (index >= 0) return index;
  return IsValidSectionIndex(fallback) ? fallback : -1;
}

int TsSkinManager::LookupImageItem(int sectionIndex, const std::string& sectionName,
                                   const std::string& propertyName) const {
  return FindAlongParents(*this, MaskItems, sectionIndex, sectionName, propertyName,
                          [](const TsMaskData&) { return true; });
}

int TsSkinManager::LookupImageItemNoParent(const std::string& sectionName,
                                           const std::string& propertyName) const {
  if (sectionName.empty()) return -1;
  for (size_t i = 0; i < MaskItems.size(); ++i)
    if (MaskItems[i].SectionName == sectionName && MaskItems[i].PropertyName == propertyName)
      return static_cast<int>(i);
  return -1;
}

int TsSkinManager::LookupTextureItem(int sectionIndex, const std::string& sectionName,
                                     const std::string& propertyName) const {
  if (MaskItems.empty()) return -1;
  return FindAlongParents(*this, MaskItems, sectionIndex, sectionName, propertyName,
                          [](const TsMaskData& item) { return item.ImgType == itisaTexture; });
}

int TsSkinManager::LookupPattern(int sectionIndex, const std::string& sectionName,
                                 const std::string& propertyName) const {
  if (PatternItems.empty()) return -1;
  return FindAlongParents(*this, PatternItems, sectionIndex, sectionName, propertyName,
                          [](const TsPatternData&) { return true; });
}

bool TsSkinManager::IsValidMaskIndex(int index) const {
  return index >= 0 && static_cast<size_t>(index) < MaskItems.size();
}

bool TsSkinManager::IsValidSectionIndex(int index) const {
  return index >= 0 && static_cast<size_t>(index) < SectionItems.size();
}

// -- Skin-wide values ------------------------------------------------------------------

TColor TsSkinManager::GlobalBackColor() const {
  if (IsValidSectionIndex(CommonIndexCache.GlobalInfo))
    return ColorToRGB(SectionItems[static_cast<size_t>(CommonIndexCache.GlobalInfo)].Color);
  return ColorToRGB(clBtnFace);
}

TColor TsSkinManager::GlobalTextColor() const {
  if (IsValidSectionIndex(CommonIndexCache.GlobalInfo))
    return ColorToRGB(SectionItems[static_cast<size_t>(CommonIndexCache.GlobalInfo)].FontColor[0]);
  return SkinTransparentColor;
}

TColor TsSkinManager::GlobalTextColorOr(int sectionIndex) const {
  if (IsValidSectionIndex(CommonIndexCache.GlobalInfo) || !IsValidSectionIndex(sectionIndex))
    return GlobalTextColor();
  return ColorToRGB(SectionItems[static_cast<size_t>(sectionIndex)].FontColor[0]);
}

TColor TsSkinManager::GlobalHotBackColor() const {
  if (IsValidSectionIndex(CommonIndexCache.GlobalInfo))
    return ColorToRGB(SectionItems[static_cast<size_t>(CommonIndexCache.GlobalInfo)].HotColor);
  return ColorToRGB(clWindow);
}

namespace {

// Frames stand side by side; a count of 0 (or less) means one.
int FrameCount(const TsMaskData& item) { return item.ImageCount > 0 ? item.ImageCount : 1; }
// Rows: the picture, plus a mask row per MaskType.
int RowCount(const TsMaskData& item) { return item.MaskType >= 0 ? item.MaskType + 1 : 1; }

int ThirdOfFrameWidth(const TsMaskData& item) {
  return RectWidth(item.SourceRect) / (FrameCount(item) * 3);
}

int ThirdOfFrameHeight(const TsMaskData& item) {
  return RectHeight(item.SourceRect) / (RowCount(item) * 3);
}

}  // namespace

int TsSkinManager::MaskLeftWidth(int itemIndex) {
  if (!IsValidMaskIndex(itemIndex)) return 0;
  TsMaskData& item = MaskItems[static_cast<size_t>(itemIndex)];
  if (item.WL > 0) return item.WL;
  if (item.BorderWidth > 0) return item.BorderWidth;
  if (item.ImageCount == 0) item.ImageCount = 1;
  return ThirdOfFrameWidth(item);
}

int TsSkinManager::MaskRightWidth(int itemIndex) const {
  if (!IsValidMaskIndex(itemIndex)) return 0;
  const TsMaskData& item = MaskItems[static_cast<size_t>(itemIndex)];
  if (item.WR > 0) return item.WR;
  if (item.BorderWidth > 0) return item.BorderWidth;
  return ThirdOfFrameWidth(item);
}

int TsSkinManager::MaskTopWidth(int itemIndex) const {
  if (!IsValidMaskIndex(itemIndex)) return 0;
  const TsMaskData& item = MaskItems[static_cast<size_t>(itemIndex)];
  if (item.WT > 0) return item.WT;
  if (item.BorderWidth > 0) return item.BorderWidth;
  return ThirdOfFrameHeight(item);
}

int TsSkinManager::MaskBottomWidth(int itemIndex) const {
  if (!IsValidMaskIndex(itemIndex)) return 0;
  const TsMaskData& item = MaskItems[static_cast<size_t>(itemIndex)];
  if (item.WB > 0) return item.WB;
  if (item.BorderWidth > 0) return item.BorderWidth;
  return ThirdOfFrameHeight(item);
}

void TsSkinManager::ImageCellSize(int itemIndex, TPoint& size) const {
  size = TPoint{0, 0};
  if (!IsValidMaskIndex(itemIndex)) return;
  const TsMaskData& item = MaskItems[static_cast<size_t>(itemIndex)];
  if (item.Image) {
    size = TPoint{item.Image->Width() / 3, item.Image->Height() / 2};
    return;
  }
  size = TPoint{RectWidth(item.SourceRect) / FrameCount(item), RectHeight(item.SourceRect) / RowCount(item)};
}

// -- Common indexes ----------------------------------------------------------------------

void TsSkinManager::CacheCommonIndexes() {
  TsCommonIndexCache& c = CommonIndexCache;

  c.GlobalInfo = Short(LookupSection("GLOBALINFO"));
  for (int g = 0; g < 9; ++g)
    c.CheckGlyph[g] =
        c.GlobalInfo < 0 ? int16_t{-1} : Short(LookupImageItem(c.GlobalInfo, "GLOBALINFO", kCheckGlyphs[g]));

  c.ComboBtn = LookupSection("COMBOBTN");
  c.ComboBtnBorder = LookupImageItemNoParent("COMBOBTN", "BORDERSMASK");
  c.ComboBtnPattern = LookupTextureItem(c.ComboBtn, "COMBOBTN", "PATTERN");
  c.ComboBtnHotPattern = LookupTextureItem(c.ComboBtn, "COMBOBTN", "HOTPATTERN");
  c.ComboBoxGlyph = LookupImageItemNoParent("COMBOBOX", "GLYPHMASK");

  for (int t = 0; t < 4; ++t) {
    c.Tab[t] = Short(LookupSection(kTabs[t]));
    c.TabBorder[t] = Short(LookupImageItem(c.Tab[t], kTabs[t], "BORDERSMASK"));
  }

  // A glyph of a section the skin lacks is -1, not the index a previous
  // skin left behind.
  for (int b = 0; b < 4; ++b) {
    const char* s = kScrollBtns[b];
    c.ScrollBtn[b] = Short(LookupSection(s));
    c.ScrollBtnBorder[b] = Short(LookupImageItem(c.ScrollBtn[b], s, "BORDERSMASK"));
    c.ScrollBtnGlyph[b] = Short(LookupImageItem(c.ScrollBtn[b], s, "GLYPHMASK"));
    c.ScrollBtnPattern[b] = Short(LookupImageItem(c.ScrollBtn[b], s, "PATTERN"));
    c.ScrollBtnHotPattern[b] = Short(LookupImageItem(c.ScrollBtn[b], s, "HOTPATTERN"));
  }
  for (int v = 0; v < 2; ++v) {
    const char* s = kSliders[v];
    c.Slider[v] = Short(LookupSection(s));
    c.SliderBorder[v] = Short(LookupImageItem(c.Slider[v], s, "BORDERSMASK"));
    c.SliderGlyph[v] = Short(LookupImageItem(c.Slider[v], s, "GLYPHMASK"));
    c.SliderPattern[v] = Short(LookupImageItem(c.Slider[v], s, "PATTERN"));
    c.SliderHotPattern[v] = Short(LookupImageItem(c.Slider[v], s, "HOTPATTERN"));
  }

  for (int b = 0; b < 4; ++b) {
    const char* s = kScrollBars[b];
    c.ScrollBar[b] = Short(LookupSection(s));
    c.ScrollBarBorder[b] = Short(LookupImageItem(c.ScrollBar[b], s, "BORDERSMASK"));
    c.ScrollBarPattern[b] = Short(LookupImageItem(c.ScrollBar[b], s, "PATTERN"));
    c.ScrollBarHotPattern[b] = Short(LookupImageItem(c.ScrollBar[b], s, "HOTPATTERN"));
  }
}

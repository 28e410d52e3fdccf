#include "skin/core/skin_content.h"

#include <cstring>

#include "platform/graphics/bmp_codec.h"
#include "platform/graphics/jpeg_codec.h"
#include "platform/rtl/inifiles.h"
#include "platform/rtl/strings.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/text1251.h"
#include "skin/core/image_values.h"
#include "skin/core/ini_text.h"
#include "skin/core/packed_skin.h"
#include "skin/core/skin_files.h"
#include "skin/core/skin_ini.h"
#include "skin/core/skin_utils.h"
#include "skin/core/stored_skins.h"

namespace {

// Pictures of more pixels than this stay compressed as patterns.
constexpr int64_t kPatternThreshold = 89999;

// Bytes of one image: an archive member in place, or a file read whole.
struct TImageBytes {
  const uint8_t* Data = nullptr;
  size_t Size = 0;
  std::vector<uint8_t> Storage;
};

bool ReadFileImage(const std::string& fileName, TImageBytes& out) {
  const std::string found = FindSkinFile(fileName);
  if (found.empty() || !ReadSkinFile(found, out.Storage)) return false;
  out.Data = out.Storage.data();
  out.Size = out.Storage.size();
  return true;
}

// The image a description names: the member of that name in a packed skin,
// else the file relative to the skin's folder.
bool ReadNamedImage(const TsSkinSource& source, const std::string& skinPath,
                    const std::string& name, TImageBytes& out) {
  if (name.empty()) return false;
  if (source.Packed) {
    const TvxImageItem* item = source.Packed->FindImage(name);
    if (!item || !item->Data) return false;
    out.Data = static_cast<const uint8_t*>(item->Data->Memory());
    out.Size = static_cast<size_t>(item->Data->Size());
    return out.Data != nullptr || out.Size == 0;
  }
  return ReadFileImage(SkinFileName(skinPath, name), out);
}

// Drops a fourth byte per pixel; three-byte buffers are kept as they are.
TPixelBuffer To24Bit(TPixelBuffer&& image) {
  if (image.BytesPerPixel() == 3) return std::move(image);
  TPixelBuffer out(image.Width(), image.Height(), 3, image.RowOrder());
  TPixelBufferView from = image.View(), to = out.View();
  for (int y = 0; y < to.Height; ++y) {
    const uint8_t* s = from.Row(y);
    uint8_t* d = to.Row(y);
    for (int x = 0; x < to.Width; ++x, s += 4, d += 3) std::memcpy(d, s, 3);
  }
  return out;
}

// Takes the decoded picture out of what one loader may still decode; once
// that is spent, no further picture is decoded at all.
bool Spend(int64_t& budget, const TPixelBuffer& picture) {
  budget -= static_cast<int64_t>(picture.SizeInBytes());
  return budget >= 0;
}

bool DecodeBitmap(const TImageBytes& bytes, TPixelBuffer& out, int64_t& budget) {
  if (!bytes.Data || bytes.Size == 0 || budget < 0) return false;
  TPixelBuffer decoded;
  if (!brsm::DecodeBmp(bytes.Data, bytes.Size, decoded, nullptr)) return false;
  if (!Spend(budget, decoded)) return false;
  if (decoded.Width() <= 0 || decoded.Height() <= 0) return false;
  out = std::move(decoded);
  return true;
}

bool IsTrue(const std::string& text) { return UpperCase(text) == "TRUE"; }

bool IsGlobalInfo(const std::string& section) { return UpperCase(section) == "GLOBALINFO"; }

bool NamesJpeg(const std::string& upperValue) {
  return upperValue.find(".JPG") != std::string::npos ||
         upperValue.find(".JPEG") != std::string::npos;
}

void ParseGradients(TsGeneralData& g) {
  g.GradientArray.clear();
  g.HotGradientArray.clear();
  if (g.GradientData != " ") ParseGradientData(g.GradientData, g.GradientArray);
  if (g.HotGradientData != " ") ParseGradientData(g.HotGradientData, g.HotGradientArray);
}

// A TMemIniFile over the lines (it takes a mutable list).
void SetIniLines(TMemIniFile& ini, const TStrings& lines) {
  TStringList copy;
  for (int i = 0; i < lines.Count(); ++i) copy.Add(lines.Strings(i));
  ini.SetStrings(&copy);
}

// Width and height of a JPEG, decoding it whole: a picture that does not
// decode is no picture.
bool JpegSize(const TImageBytes& bytes, int& width, int& height, TPixelBuffer* pixels,
              int64_t& budget) {
  if (!bytes.Data || bytes.Size == 0 || budget < 0) return false;
  TPixelBuffer decoded;
  if (!brsm::DecodeJpeg(bytes.Data, bytes.Size, decoded, nullptr)) return false;
  if (!Spend(budget, decoded)) return false;
  width = decoded.Width();
  height = decoded.Height();
  if (pixels) *pixels = std::move(decoded);
  return width > 0 && height > 0;
}

bool HasLines(const TStrings* lines) { return lines && lines->Count() > 0; }

}  // namespace

void TsSkinContent::FreeImageItems() {
  while (!MaskItems.empty()) MaskItems.pop_back();
  MasterBitmap.reset();
}

void TsSkinContent::FreePatterns() {
  while (!PatternItems.empty()) PatternItems.pop_back();
}

void TsSkinContent::Clear() {
  FreeImageItems();
  FreePatterns();
  SectionItems.clear();
}

// ---- images --------------------------------------------------------------

namespace {

// An item in its own file: the bitmap is read, and the value's frame grid
// is laid over it. False when the file is missing or no bitmap.
bool LoadOwnBitmapItem(const TsSkinSource& source, const std::string& skinPath,
                       TImageValue& value, int64_t& budget) {
  TImageBytes bytes;
  TPixelBuffer bitmap;
  if (!ReadNamedImage(source, skinPath, value.FileName, bytes) ||
      !DecodeBitmap(bytes, bitmap, budget))
    return false;
  if (value.Item.ImgType != itisaTexture) bitmap = To24Bit(std::move(bitmap));
  PlaceOwnBitmap(value, bitmap.Width(), bitmap.Height());
  value.Item.Image = std::make_shared<TPixelBuffer>(std::move(bitmap));
  return true;
}

}  // namespace

void TsSkinContent::LoadSkinImages(const TsSkinSource& source) {
  FreeImageItems();
  decodeBudget_ = MaxDecodedSkinBytes;
  MasterBitmap = std::make_shared<TPixelBuffer>();
  if (!source.Ini) {
    if (source.Stored) LoadStoredImages(*source.Stored);
    return;
  }
  const TMemIniFile& ini = *source.Ini;
  const std::string& skinPath = SkinData.SkinPath;

  TImageBytes masterBytes;
  TPixelBuffer master;
  if (ReadNamedImage(source, skinPath, ini.ReadString("GLOBALINFO", "MASTERBITMAP", ""),
                     masterBytes) &&
      DecodeBitmap(masterBytes, master, decodeBudget_))
    *MasterBitmap = To24Bit(std::move(master));

  TStringList sections;
  ini.ReadSections(&sections);
  for (int s = 0; s < sections.Count(); ++s) {
    const std::string section = sections.Strings(s);
    const bool global = IsGlobalInfo(section);
    TStringList keys;
    ini.ReadSection(section, &keys);
    for (int k = 0; k < keys.Count(); ++k) {
      const std::string key = keys.Strings(k);
      if (global && UpperCase(key) == "MASTERBITMAP") continue;
      const std::string text = ini.ReadString(section, key, "");
      if (text.empty()) continue;
      TImageValue value = ParseImageValue(section, key, text);
      switch (value.Kind) {
        case TImageValueKind::None:
          continue;
        case TImageValueKind::OwnFile:
        case TImageValueKind::PlainFile:
          if (!LoadOwnBitmapItem(source, skinPath, value, decodeBudget_)) continue;
          break;
        default:
          break;
      }
      value.Item.Manager = this;
      MaskItems.push_back(std::move(value.Item));
    }
  }
  if (HasLines(source.CommonSections)) LoadCommonImages(*source.CommonSections);
}

void TsSkinContent::LoadCommonImages(const TStrings& commonSections) {
  TMemIniFile common;
  SetIniLines(common, commonSections);
  const bool noMaster = !MasterBitmap || MasterBitmap->Width() <= 0;
  TStringList sections;
  common.ReadSections(&sections);
  for (int s = 0; s < sections.Count(); ++s) {
    const std::string section = sections.Strings(s);
    if (IsGlobalInfo(section)) continue;
    TStringList keys;
    common.ReadSection(section, &keys);
    for (int k = 0; k < keys.Count(); ++k) {
      const std::string key = keys.Strings(k);
      const std::string text = common.ReadString(section, key, "-");
      TsMaskData item;
      if (noMaster || text.find('#') == std::string::npos) {
        const std::string upper = UpperCase(text);
        if (upper.find(".BMP") == std::string::npos) continue;
        TImageBytes bytes;
        TPixelBuffer bitmap;
        if (!ReadFileImage(SkinFileName(SkinData.SkinPath, upper), bytes) ||
            !DecodeBitmap(bytes, bitmap, decodeBudget_))
          continue;
        bitmap = To24Bit(std::move(bitmap));
        item.SourceRect = TRect{0, 0, bitmap.Width(), bitmap.Height()};
        item.Image = std::make_shared<TPixelBuffer>(std::move(bitmap));
        item.SectionName = UpperCase(section);
        item.PropertyName = UpperCase(key);
      } else {
        TImageValue value = ParseImageListValue(section, key, text);
        if (value.Kind == TImageValueKind::None) continue;
        item = std::move(value.Item);
      }
      item.Manager = this;
      MaskItems.push_back(std::move(item));
    }
  }
}

void TsSkinContent::LoadStoredImages(const TsStoredSkin& stored) {
  if (stored.MasterBitmap.Width() > 0) {
    TPixelBuffer copy = stored.MasterBitmap;
    *MasterBitmap = To24Bit(std::move(copy));
  }
  for (int i = 0; i < stored.Images->Count(); ++i) {
    const TsSkinImage& image = *stored.Images->Items(i);
    TsMaskData item;
    if (image.Image.Width() > 0 && !image.Name.empty()) {
      TPixelBuffer copy = image.Image;
      if (image.ImgType != itisaTexture) copy = To24Bit(std::move(copy));
      item.SourceRect = TRect{0, 0, copy.Width(), copy.Height()};
      item.Image = std::make_shared<TPixelBuffer>(std::move(copy));
    } else {
      item.SourceRect = TRect{image.Left, image.Top, image.Right, image.Bottom};
    }
    item.SectionName = UpperCase(image.SectionName);
    item.PropertyName = UpperCase(image.PropertyName);
    item.ImageCount = static_cast<int16_t>(image.ImageCount < 0 ? 1 : image.ImageCount);
    item.MaskType = static_cast<int16_t>(image.MaskType < 0 ? 0 : image.MaskType);
    if (item.ImageCount == 0) {
      item.ImageCount = 3;
      item.MaskType = 1;
    }
    item.BorderWidth = static_cast<int16_t>(image.BorderWidth < 0 ? 0 : image.BorderWidth);
    item.ImgType = ImgTypeFromIni(image.ImgType);
    item.StretchMode = static_cast<int16_t>(image.StretchMode < 0 ? 0 : image.StretchMode);
    if (item.PropertyName == "PATTERN" || item.PropertyName == "HOTPATTERN") {
      if (image.ImgType != itisaTexture) item.StretchMode = 0;
      item.ImgType = itisaTexture;
    }
    item.WL = static_cast<int16_t>(image.WL < 0 ? 0 : image.WL);
    item.WT = static_cast<int16_t>(image.WT < 0 ? 0 : image.WT);
    item.WR = static_cast<int16_t>(image.WR < 0 ? 0 : image.WR);
    item.WB = static_cast<int16_t>(image.WB < 0 ? 0 : image.WB);
    if (item.WL == 0 && item.WT == 0 && item.WR == 0 && item.WB == 0)
      ComputeFrameWidths(item, RectWidth(item.SourceRect), RectHeight(item.SourceRect));
    item.Manager = this;
    MaskItems.push_back(std::move(item));
  }
}

// ---- patterns ------------------------------------------------------------

namespace {

// Calls fn(section, key, value) for every key of the INI, in file order,
// whose upper-cased value names a JPEG picture.
template <class Fn>
void ForEachJpegValue(const TMemIniFile& ini, Fn fn) {
  TStringList sections;
  ini.ReadSections(&sections);
  for (int s = 0; s < sections.Count(); ++s) {
    const std::string section = sections.Strings(s);
    TStringList keys;
    ini.ReadSection(section, &keys);
    for (int k = 0; k < keys.Count(); ++k) {
      const std::string key = keys.Strings(k);
      const std::string value = UpperCase(ini.ReadString(section, key, "-"));
      if (NamesJpeg(value)) fn(section, key, value);
    }
  }
}

void AddPattern(TsPatternArray& patterns, std::vector<uint8_t> data, int width, int height,
                const std::string& section, const std::string& key) {
  auto picture = std::make_shared<TsJpegPicture>();
  picture->Data = std::move(data);
  picture->Width = width;
  picture->Height = height;
  TsPatternData pattern;
  pattern.Image = std::move(picture);
  pattern.SectionName = UpperCase(section);
  pattern.PropertyName = UpperCase(key);
  patterns.push_back(std::move(pattern));
}

}  // namespace

void TsSkinContent::LoadSkinPatterns(const TsSkinSource& source) {
  FreePatterns();
  decodeBudget_ = MaxDecodedSkinBytes;
  if (!source.Ini) {
    if (source.Stored) LoadStoredPatterns(*source.Stored);
    return;
  }
  ForEachJpegValue(*source.Ini, [&](const std::string& section, const std::string& key,
                                    const std::string& value) {
    TImageBytes bytes;
    TPixelBuffer pixels;
    int width = 0, height = 0;
    if (!ReadNamedImage(source, SkinData.SkinPath, value, bytes) ||
        !JpegSize(bytes, width, height, &pixels, decodeBudget_))
      return;
    if (static_cast<int64_t>(width) * height > kPatternThreshold) {
      AddPattern(PatternItems, std::vector<uint8_t>(bytes.Data, bytes.Data + bytes.Size), width,
                 height, section, key);
      return;
    }
    // Small pictures are kept decoded and painted as textures.
    TsMaskData item;
    item.SourceRect = TRect{0, 0, pixels.Width(), pixels.Height()};
    item.Image = std::make_shared<TPixelBuffer>(To24Bit(std::move(pixels)));
    item.SectionName = UpperCase(section);
    item.PropertyName = UpperCase(key);
    item.ImgType = itisaTexture;
    item.ImageCount = 1;
    item.Manager = this;
    MaskItems.push_back(std::move(item));
  });
  if (HasLines(source.CommonSections)) LoadCommonPatterns(*source.CommonSections);
}

void TsSkinContent::LoadCommonPatterns(const TStrings& commonSections) {
  TMemIniFile common;
  SetIniLines(common, commonSections);
  ForEachJpegValue(common, [&](const std::string& section, const std::string& key,
                               const std::string& value) {
    TImageBytes bytes;
    int width = 0, height = 0;
    if (!ReadFileImage(SkinFileName(SkinData.SkinPath, value), bytes) ||
        !JpegSize(bytes, width, height, nullptr, decodeBudget_))
      return;
    AddPattern(PatternItems, std::move(bytes.Storage), width, height, section, key);
  });
}

void TsSkinContent::LoadStoredPatterns(const TsStoredSkin& stored) {
  const TsSkinPatterns& patterns = *stored.Patterns;
  for (int i = 0; i < patterns.Count(); ++i) {
    const TsSkinPattern& p = *patterns.Items(i);
    const TsSkinPattern* withPicture = &p;
    if (p.Image.Empty()) {
      withPicture = nullptr;
      for (int j = 0; j < patterns.Count() && !withPicture; ++j) {
        const TsSkinPattern& other = *patterns.Items(j);
        if (j != i && other.Name == p.Name && !other.Image.Empty()) withPicture = &other;
      }
    }
    TsPatternData pattern;
    pattern.Image = std::make_shared<TsJpegPicture>(withPicture ? withPicture->Image : p.Image);
    pattern.SectionName = p.SectionName;
    pattern.PropertyName = p.PropertyName;
    PatternItems.push_back(std::move(pattern));
  }
}

// ---- sections --------------------------------------------------------------

void TsSkinContent::LoadSkinGeneralData(const TsSkinSource& source) {
  SectionItems.clear();
  if (!source.Ini) {
    if (source.Stored) LoadStoredGeneralData(*source.Stored);
    return;
  }
  const TMemIniFile& ini = *source.Ini;
  SkinData.Version = ini.ReadFloat("GLOBALINFO", "VERSION", 0);
  SkinData.Author = ini.ReadString("GLOBALINFO", "AUTHOR", "");
  SkinData.Description = ini.ReadString("GLOBALINFO", "DESCRIPTION", "");
  SkinData.Shadow1Color = ini.ReadInteger("GLOBALINFO", "SHADOW1COLOR", 0);
  SkinData.Shadow1Offset = StrToInt(ini.ReadString("GLOBALINFO", "SHADOW1OFFSET", "0"));
  SkinData.Shadow1Blur = StrToInt(ini.ReadString("GLOBALINFO", "SHADOW1BLUR", "-1"));
  SkinData.Shadow1Transparency =
      StrToInt(ini.ReadString("GLOBALINFO", "SHADOW1TRANSPARENCY", "0"));
  SkinData.BISpace = ini.ReadInteger("GLOBALINFO", "BISPACE", 0);
  SkinData.BorderColor = ini.ReadInteger("GLOBALINFO", "BORDERCOLOR", 0);

  TStringList sections;
  ini.ReadSections(&sections);
  SectionItems.reserve(static_cast<size_t>(sections.Count()));
  for (int s = 0; s < sections.Count(); ++s) {
    const std::string section = sections.Strings(s);
    const std::vector<std::string> chain = ParentChain(ini, section);
    auto text = [&](const char* key, const char* def) {
      return InheritedIniString(ini, chain, key, def);
    };
    auto number = [&](const char* key, int def) {
      return InheritedIniInteger(ini, chain, key, def);
    };
    TsGeneralData g;
    g.SectionName = section;
    g.ParentClass = ini.ReadString(section, "PARENTCLASS", "");
    g.Color = ColorToRGB(number("COLOR", 0xFFFFFF));
    g.Bevel = BevelFromIni(number("BEVEL", 0));
    const char* fontKeys[5] = {"FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM"};
    const char* hotFontKeys[5] = {"HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT",
                                  "HOTTCBOTTOM"};
    for (int i = 0; i < 5; ++i) g.FontColor[i] = number(fontKeys[i], i == 0 ? 0 : -1);
    for (int i = 0; i < 5; ++i) g.HotFontColor[i] = number(hotFontKeys[i], i == 0 ? 0 : -1);
    g.ReservedBoolean = IsTrue(text("RESERVEDBOOLEAN", "FALSE"));
    g.ShadowBlur = number("SHADOWBLUR", 6);
    g.ShadowColor = ini.ReadInteger(section, "SHADOWCOLOR", 0);
    g.ShadowEnabled = IsTrue(text("SHADOWENABLED", "FALSE"));
    g.ShadowOffset = number("SHADOWOFFSET", 3);
    g.ShadowTransparency = number("SHADOWTRANSPARENCY", 50);
    g.Transparency = number("TRANSPARENCY", 0);
    g.GradientPercent = number("GRADIENTPERCENT", 0);
    g.GradientData = text("GRADIENTDATA", " ");
    g.ImagePercent = number("IMAGEPERCENT", 0);
    g.ShowFocus = IsTrue(text("SHOWFOCUS", "FALSE"));
    g.FadingEnabled = IsTrue(text("FADINGENABLED", "FALSE"));
    g.FadingIntervalIn = number("FADINGINTERVALIN", 5);
    g.FadingIntervalOut = number("FADINGINTERVALOUT", 5);
    g.FadingIterations = number("FADINGITERATIONS", 5);
    g.HotColor = number("HOTCOLOR", 0xFFFFFF);
    g.HotTransparency = number("HOTTRANSPARENCY", 0);
    g.HotBevel = BevelFromIni(number("HOTBEVEL", 0));
    g.HotGradientPercent = number("HOTGRADIENTPERCENT", 0);
    g.HotGradientData = text("HOTGRADIENTDATA", "");
    g.HotImagePercent = number("HOTIMAGEPERCENT", 0);
    g.BorderColor1 = number("BORDERCOLOR1", 0);
    g.BorderColor2 = number("BORDERCOLOR2", 0);
    ParseGradients(g);
    SectionItems.push_back(std::move(g));
  }
  if (HasLines(source.CommonSections)) LoadCommonGeneralData(*source.CommonSections);
}

void TsSkinContent::LoadCommonGeneralData(const TStrings& commonSections) {
  TIniTextSections sections;
  ParseIniSections(commonSections, sections);
  for (int s = 0; s < sections.Count(); ++s) {
    const std::string& name = sections.Name(s);
    bool known = false;
    for (const TsGeneralData& g : SectionItems)
      if (g.SectionName == name) known = true;
    if (known) continue;

    const std::string parentClass =
        UpperCase(ReadIniTextString(sections, name, "-1", "PARENTCLASS"));
    // Missing keys take the parent record's values, else the defaults.
    TsGeneralData g;
    for (const TsGeneralData& other : SectionItems)
      if (UpperCase(other.SectionName) == parentClass) {
        g = other;
        break;
      }
    g.SectionName = name;
    g.ParentClass = parentClass;
    g.ShadowDontUse = false;

    auto present = [&](const char* key) {
      return ReadIniTextString(sections, name, "?", key) != "?";
    };
    auto number = [&](const char* key, int& field) {
      if (present(key)) field = ReadIniTextInteger(sections, name, field, key);
    };
    auto flag = [&](const char* key, bool& field) {
      if (present(key)) field = IsTrue(ReadIniTextString(sections, name, "?", key));
    };
    auto text = [&](const char* key, std::string& field) {
      if (present(key)) field = ReadIniTextString(sections, name, "?", key);
    };
    auto bevel = [&](const char* key, TsControlBevel& field) {
      int v = field;
      number(key, v);
      field = BevelFromIni(v);
    };
    if (present("COLOR")) g.Color = ColorToRGB(ReadIniTextInteger(sections, name, g.Color, "COLOR"));
    bevel("BEVEL", g.Bevel);
    const char* fontKeys[5] = {"FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM"};
    const char* hotFontKeys[5] = {"HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT",
                                  "HOTTCBOTTOM"};
    for (int i = 0; i < 5; ++i) number(fontKeys[i], g.FontColor[i]);
    for (int i = 0; i < 5; ++i) number(hotFontKeys[i], g.HotFontColor[i]);
    flag("RESERVEDBOOLEAN", g.ReservedBoolean);
    number("SHADOWBLUR", g.ShadowBlur);
    number("SHADOWCOLOR", g.ShadowColor);
    flag("SHADOWENABLED", g.ShadowEnabled);
    number("SHADOWOFFSET", g.ShadowOffset);
    number("SHADOWTRANSPARENCY", g.ShadowTransparency);
    number("TRANSPARENCY", g.Transparency);
    number("GRADIENTPERCENT", g.GradientPercent);
    text("GRADIENTDATA", g.GradientData);
    number("IMAGEPERCENT", g.ImagePercent);
    flag("SHOWFOCUS", g.ShowFocus);
    flag("FADINGENABLED", g.FadingEnabled);
    number("FADINGINTERVALIN", g.FadingIntervalIn);
    number("FADINGINTERVALOUT", g.FadingIntervalOut);
    number("FADINGITERATIONS", g.FadingIterations);
    number("HOTCOLOR", g.HotColor);
    number("HOTTRANSPARENCY", g.HotTransparency);
    bevel("HOTBEVEL", g.HotBevel);
    number("HOTGRADIENTPERCENT", g.HotGradientPercent);
    text("HOTGRADIENTDATA", g.HotGradientData);
    number("HOTIMAGEPERCENT", g.HotImagePercent);
    number("BORDERCOLOR1", g.BorderColor1);
    number("BORDERCOLOR2", g.BorderColor2);
    ParseGradients(g);
    SectionItems.push_back(std::move(g));
  }
}

void TsSkinContent::LoadStoredGeneralData(const TsStoredSkin& stored) {
  SkinData.Version = stored.Version;
  SkinData.Author = stored.Author;
  SkinData.Description = stored.Description;
  SkinData.Shadow1Color = stored.Shadow1Color;
  SkinData.Shadow1Offset = stored.Shadow1Offset;
  SkinData.Shadow1Blur = stored.Shadow1Blur;
  SkinData.Shadow1Transparency = stored.Shadow1Transparency;
  SkinData.BorderColor = stored.BorderColor;
  for (int i = 0; i < stored.GeneralData->Count(); ++i) {
    const TsSkinGeneral& s = *stored.GeneralData->Items(i);
    TsGeneralData g;
    g.ParentClass = s.ParentClass;
    g.SectionName = s.SectionName;
    g.Color = ColorToRGB(s.Color);
    g.Bevel = BevelFromIni(s.Bevel);
    ParseStoredFontColors(s.FontColor, g.FontColor);
    ParseStoredFontColors(s.HotFontColor, g.HotFontColor);
    g.ReservedBoolean = s.ReservedBoolean;
    g.ShadowBlur = s.ShadowBlur;
    g.ShadowColor = s.ShadowColor;
    g.ShadowDontUse = s.ShadowDontUse;
    g.ShadowEnabled = s.ShadowEnabled;
    g.ShadowOffset = s.ShadowOffset;
    g.ShadowTransparency = s.ShadowTransparency;
    g.Transparency = s.Transparency;
    g.GradientPercent = s.GradientPercent;
    g.GradientData = s.GradientData;
    g.ImagePercent = s.ImagePercent;
    g.ShowFocus = s.ShowFocus;
    g.FadingEnabled = s.FadingEnabled;
    g.FadingIntervalIn = s.FadingIntervalIn;
    g.FadingIntervalOut = s.FadingIntervalOut;
    g.FadingIterations = s.FadingIterations;
    g.HotColor = s.HotColor;
    g.HotTransparency = s.HotTransparency;
    g.HotBevel = BevelFromIni(s.HotBevel);
    g.HotGradientPercent = s.HotGradientPercent;
    g.HotGradientData = s.HotGradientData;
    g.HotImagePercent = s.HotImagePercent;
    g.BorderColor1 = s.BorderColor1;
    g.BorderColor2 = s.BorderColor2;
    ParseGradients(g);
    SectionItems.push_back(std::move(g));
  }
}

// ---- whole loads -------------------------------------------------------------

void TsSkinContent::LoadAll(const TsSkinSource& source) {
  LoadSkinImages(source);
  LoadSkinPatterns(source);
  LoadSkinGeneralData(source);
}

bool TsSkinContent::LoadFromReader(const TvxSkinConvertor& reader, const TStrings* commonSections) {
  if (!reader.Options) return false;
  TStringList lines;
  reader.Options->SetPosition(0);
  lines.LoadFromStream(reader.Options.get());
  TMemIniFile ini;
  ini.SetStrings(&lines);
  LoadedFromPacked = true;
  TsSkinSource source;
  source.Ini = &ini;
  source.Packed = &reader;
  source.CommonSections = commonSections;
  LoadAll(source);
  return true;
}

bool TsSkinContent::LoadFromArchiveFile(const std::string& archiveFile, const std::string& skinPath,
                                        const TStrings* commonSections) {
  std::unique_ptr<TvxSkinConvertor> reader;
  LoadPackedSkinFile(archiveFile, reader, true);
  Clear();
  SkinData.SkinPath = skinPath;
  return reader && LoadFromReader(*reader, commonSections);
}

bool TsSkinContent::LoadFromFolder(const std::string& skinPath, const TStrings* commonSections) {
  Clear();
  const std::string description = FindSkinFile(skinPath + "Options.dat");
  if (description.empty()) return false;
  TMemIniFile ini(description);
  LoadedFromPacked = false;
  SkinData.SkinPath = skinPath;
  TsSkinSource source;
  source.Ini = &ini;
  source.CommonSections = commonSections;
  LoadAll(source);
  return true;
}

bool TsSkinContent::LoadFromStoredSkin(const TsStoredSkin& stored, const TStrings* commonSections) {
  Clear();
  SkinData.SkinPath.clear();
  if (stored.Data->Size() > 0) {
    TvxSkinConvertor reader;
    reader.PackedData = stored.Data;
    reader.Unpack();
    reader.PackedData = nullptr;
    return LoadFromReader(reader, commonSections);
  }
  LoadedFromPacked = false;
  TsSkinSource source;
  source.Stored = &stored;
  source.CommonSections = commonSections;
  LoadAll(source);
  return true;
}

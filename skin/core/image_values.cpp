#include "skin/core/image_values.h"

#include <optional>
#include <vector>

#include "platform/rtl/sysutils.h"
#include "platform/rtl/text1251.h"
#include "skin/core/skin_utils.h"

namespace {

// The platform's Copy: 1-based, cut at the end of the text.
std::string CopyAt(const std::string& text, int position, int count) {
  if (position < 1 || static_cast<size_t>(position) > text.size()) return std::string();
  return text.substr(static_cast<size_t>(position) - 1, static_cast<size_t>(count));
}

std::optional<int> NumberAt(const std::string& text, int position, int count) {
  int value;
  if (!TryStrToInt(CopyAt(text, position, count), value)) return std::nullopt;
  return value;
}

std::optional<int> Number(const std::string& word) {
  int value;
  if (!TryStrToInt(word, value)) return std::nullopt;
  return value;
}

int16_t Short(int value) {
  if (value > 32767) return 32767;
  if (value < -32768) return -32768;
  return static_cast<int16_t>(value);
}

// Frame counts and row counts divide widths later; widths never go below 0.
int16_t FrameCount(int value) { return value < 0 ? 1 : Short(value); }
int16_t NonNegative(int value) { return value < 0 ? 0 : Short(value); }
int16_t TextureStretch(int value) { return value < 0 ? 0 : (value > 14 ? 14 : Short(value)); }

void SetWidths(TsMaskData& item, int wl, int wt, int wr, int wb) {
  item.WL = NonNegative(wl);
  item.WT = NonNegative(wt);
  item.WR = NonNegative(wr);
  item.WB = NonNegative(wb);
}

// The common head of "@", "^" and "~": the rectangle in four-character
// columns from position 2.
bool ReadMasterRect(const std::string& value, TsMaskData& item) {
  const auto l = NumberAt(value, 2, 4), t = NumberAt(value, 7, 4);
  const auto r = NumberAt(value, 12, 4), b = NumberAt(value, 17, 4);
  if (!l || !t || !r || !b) return false;
  item.SourceRect = TRect{*l, *t, *r, *b};
  return true;
}

bool ParseOwnFile(const std::string& value, TImageValue& out) {
  const std::vector<std::string> words = SplitWords(value, "!");
  if (words.size() < 4) return false;
  if (words[0].find(".BMP") == std::string::npos) return false;
  const auto count = Number(words[1]), mask = Number(words[2]), type = Number(words[3]);
  if (!count || !mask || !type) return false;
  TsMaskData& item = out.Item;
  item.ImageCount = FrameCount(*count);
  item.MaskType = NonNegative(*mask);
  item.ImgType = ImgTypeFromIni(*type);
  item.StretchMode = 4;
  if (words.size() >= 5) {
    if (words.size() < 8) return false;
    const auto wl = Number(words[4]), wt = Number(words[5]);
    const auto wr = Number(words[6]), wb = Number(words[7]);
    if (!wl || !wt || !wr || !wb) return false;
    SetWidths(item, *wl, *wt, *wr, *wb);
    out.WidthsGiven = true;
  }
  out.FileName = words[0];
  out.Kind = TImageValueKind::OwnFile;
  return true;
}

bool ParseGlyph(const std::string& value, TImageValue& out) {
  TsMaskData& item = out.Item;
  if (!ReadMasterRect(value, item)) return false;
  const auto count = NumberAt(value, 22, 1), mask = NumberAt(value, 24, 1);
  if (!count || !mask) return false;
  item.ImageCount = FrameCount(*count);
  item.MaskType = NonNegative(*mask);
  item.ImgType = itisaGlyph;
  out.Kind = TImageValueKind::MasterGlyph;
  return true;
}

bool ParseBorder(const std::string& value, TImageValue& out) {
  TsMaskData& item = out.Item;
  if (!ReadMasterRect(value, item)) return false;
  const auto wl = NumberAt(value, 22, 4), wt = NumberAt(value, 27, 4);
  const auto wr = NumberAt(value, 32, 4), wb = NumberAt(value, 37, 4);
  const auto count = NumberAt(value, 42, 1), mask = NumberAt(value, 44, 1);
  const auto stretch = NumberAt(value, 46, 1), border = NumberAt(value, 48, 1);
  if (!wl || !wt || !wr || !wb || !count || !mask || !stretch || !border) return false;
  item.ImageCount = FrameCount(*count);
  item.MaskType = NonNegative(*mask);
  item.StretchMode = NonNegative(*stretch);
  item.BorderWidth = NonNegative(*border);
  item.ImgType = itisaBorder;
  if (*wl + *wt + *wr + *wb == 0) {
    if (item.BorderWidth != 0)
      SetWidths(item, item.BorderWidth, item.BorderWidth, item.BorderWidth, item.BorderWidth);
    else
      ComputeFrameWidths(item, RectWidth(item.SourceRect), RectHeight(item.SourceRect));
  } else {
    SetWidths(item, *wl, *wt, *wr, *wb);
  }
  out.Kind = TImageValueKind::MasterBorder;
  return true;
}

bool ParseTexture(const std::string& value, TImageValue& out) {
  TsMaskData& item = out.Item;
  if (!ReadMasterRect(value, item)) return false;
  const auto stretch = NumberAt(value, 22, 2);
  if (!stretch) return false;
  int mask = 0;
  if (value.size() >= 25) {
    const auto m = NumberAt(value, 25, 1);
    if (!m) return false;
    mask = *m;
  }
  item.ImageCount = 1;
  item.StretchMode = TextureStretch(*stretch);
  item.MaskType = NonNegative(mask);
  item.ImgType = itisaTexture;
  out.Kind = TImageValueKind::MasterTexture;
  return true;
}

bool ParseList(const std::string& key, const std::string& value, TImageValue& out) {
  const std::vector<std::string> words = SplitWords(value, " ()");
  if (words.size() < 3) return false;
  const std::vector<std::string> rect = SplitWords(words[1], " ,");
  const std::vector<std::string> frames = SplitWords(words[2], " ,");
  if (rect.size() < 4 || frames.size() < 2) return false;
  std::optional<int> v[8];
  for (int i = 0; i < 4; ++i) v[i] = Number(rect[static_cast<size_t>(i)]);
  for (size_t i = 0; i < frames.size() && i < 4; ++i) v[4 + i] = Number(frames[i]);
  for (int i = 0; i < 6; ++i)
    if (!v[i]) return false;
  if ((frames.size() > 2 && !v[6]) || (frames.size() > 3 && !v[7])) return false;
  TsMaskData& item = out.Item;
  item.SourceRect = TRect{*v[0], *v[1], *v[2], *v[3]};
  item.ImageCount = *v[4] < 1 ? 1 : Short(*v[4]);
  item.MaskType = NonNegative(*v[5]);
  item.BorderWidth = v[6] ? NonNegative(*v[6]) : 0;
  const std::string upperKey = UpperCase(key);
  if (upperKey == "PATTERN" || upperKey == "HOTPATTERN") {
    item.ImgType = itisaTexture;
    item.StretchMode = 0;
  } else {
    item.ImgType = itisaBorder;
    item.StretchMode = v[7] ? NonNegative(*v[7]) : 1;
  }
  if (item.BorderWidth != 0)
    SetWidths(item, item.BorderWidth, item.BorderWidth, item.BorderWidth, item.BorderWidth);
  else
    ComputeFrameWidths(item, RectWidth(item.SourceRect), RectHeight(item.SourceRect));
  out.Kind = TImageValueKind::MasterList;
  return true;
}

}  // namespace

TsControlBevel BevelFromIni(int value) {
  return static_cast<TsControlBevel>(value < 0 ? 0 : (value > 4 ? 4 : value));
}

TvxImgType ImgTypeFromIni(int value) {
  return static_cast<TvxImgType>(value < 0 ? 0 : (value > 2 ? 2 : value));
}

void ComputeFrameWidths(TsMaskData& item, int width, int height) {
  const int64_t frames = item.ImageCount < 1 ? 1 : item.ImageCount;
  const int64_t rows = item.MaskType < 0 ? 1 : item.MaskType + 1;
  const int wl = static_cast<int>(width / (frames * 3));
  const int wt = static_cast<int>(height / (rows * 3));
  SetWidths(item, wl, wt, wl, wt);
}

void PlaceOwnBitmap(TImageValue& value, int width, int height) {
  value.Item.SourceRect = TRect{0, 0, width, height};
  if (!value.WidthsGiven) ComputeFrameWidths(value.Item, width, height);
}

TImageValue ParseImageValue(const std::string& section, const std::string& key,
                            const std::string& value) {
  TImageValue out;
  if (value.empty()) return out;
  bool parsed = false;
  bool upperNames = false;
  switch (value[0]) {
    case '!': parsed = ParseOwnFile(value, out); break;
    case '@': parsed = ParseGlyph(value, out); break;
    case '^': parsed = ParseBorder(value, out); break;
    case '~': parsed = ParseTexture(value, out); break;
    default:
      if (value.find('#') == std::string::npos) {
        const std::string upper = UpperCase(value);
        if (upper.find(".BMP") != std::string::npos) {
          out.FileName = upper;
          out.Item.ImageCount = 3;
          out.Item.MaskType = 1;
          out.Item.ImgType = itisaBorder;
          out.Item.StretchMode = 0;
          out.Kind = TImageValueKind::PlainFile;
          parsed = true;
          upperNames = true;
        }
      } else if (value != "#") {
        parsed = ParseList(key, value, out);
        upperNames = true;
      }
  }
  if (!parsed) return TImageValue();
  out.Item.SectionName = upperNames ? UpperCase(section) : section;
  out.Item.PropertyName = upperNames ? UpperCase(key) : key;
  return out;
}

TImageValue ParseImageListValue(const std::string& section, const std::string& key,
                                const std::string& value) {
  TImageValue out;
  if (!ParseList(key, value, out)) return TImageValue();
  out.Item.SectionName = UpperCase(section);
  out.Item.PropertyName = UpperCase(key);
  return out;
}

#include "platform/graphics/font.h"

#include <algorithm>
#include <cwchar>

#include "platform/rtl/text1251.h"

TFont::TFont()
    : name_("MS Sans Serif"),
      height_(-MulDiv(8, brsm::ScreenPixelsPerInch(), 72)),
      pixelsPerInch_(brsm::ScreenPixelsPerInch()),
      color_(clWindowText),
      charset_(DEFAULT_CHARSET) {}

void TFont::SetName(const std::string& name) {
  if (name.empty() || name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, pixelsPerInch_); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, pixelsPerInch_, 72)); }

void TFont::SetPixelsPerInch(int ppi) {
  if (ppi > 0) pixelsPerInch_ = ppi;
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetCharset(TFontCharset charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
  if (pitch == pitch_) return;
  pitch_ = pitch;
  Changed();
}

void TFont::Assign(TPersistent* source) {
  if (auto* f = dynamic_cast<TFont*>(source)) {
    if (f == this) return;
    name_ = f->name_;
    // The same size in points when the resolutions differ.
    height_ = f->pixelsPerInch_ == pixelsPerInch_ ? f->height_
                                                  : -MulDiv(f->Size(), pixelsPerInch_, 72);
    color_ = f->color_;
    style_ = f->style_;
    charset_ = f->charset_;
    pitch_ = f->pitch_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

void TFont::AssignLogFont(const LOGFONTW& font) {
  std::wstring face(font.lfFaceName, wcsnlen(font.lfFaceName, LF_FACESIZE));
  if (!face.empty()) name_ = brsm::FromUtf16(face);
  height_ = font.lfHeight;
  TFontStyles style;
  if (font.lfWeight >= FW_BOLD) style.Include(fsBold);
  if (font.lfItalic) style.Include(fsItalic);
  if (font.lfUnderline) style.Include(fsUnderline);
  if (font.lfStrikeOut) style.Include(fsStrikeOut);
  style_ = style;
  charset_ = font.lfCharSet;
  switch (font.lfPitchAndFamily & 3) {
    case FIXED_PITCH: pitch_ = fpFixed; break;
    case VARIABLE_PITCH: pitch_ = fpVariable; break;
    default: pitch_ = fpDefault; break;
  }
  Changed();
}

LOGFONTW TFont::LogFont() const {
  LOGFONTW lf{};
  lf.lfHeight = height_;
  lf.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = style_.Contains(fsItalic);
  lf.lfUnderline = style_.Contains(fsUnderline);
  lf.lfStrikeOut = style_.Contains(fsStrikeOut);
  // All text is 1251: a font left to the default charset is asked for its
  // Cyrillic variant, so that faces with per-code-page versions (the bitmap
  // "MS Sans Serif") show Russian instead of question marks. TrueType faces
  // keep their whole repertoire either way.
  lf.lfCharSet = charset_ == DEFAULT_CHARSET ? RUSSIAN_CHARSET : charset_;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = pitch_ == fpFixed ? FIXED_PITCH : pitch_ == fpVariable ? VARIABLE_PITCH
                                                                               : DEFAULT_PITCH;
  const std::wstring face = brsm::ToUtf16(name_);
  const size_t n = std::min<size_t>(face.size(), LF_FACESIZE - 1);
  std::copy(face.begin(), face.begin() + n, lf.lfFaceName);
  lf.lfFaceName[n] = 0;
  return lf;
}

HGDIOBJ TFont::CreateObjectHandle(bool& owned) {
  const LOGFONTW lf = LogFont();
  HFONT font = CreateFontIndirectW(&lf);
  owned = font != nullptr;
  return font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT);
}

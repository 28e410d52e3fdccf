// A font's attributes and the HFONT made from them on first use.
#pragma once

#include <cstdint>
#include <string>

#include "platform/graphics/colors.h"
#include "platform/graphics/graphics_object.h"
#include "platform/rtl/sets.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = uint8_t;

class TFont : public TGraphicsObject {
 public:
  // "MS Sans Serif", 8 points at the screen's resolution, clWindowText,
  // DEFAULT_CHARSET.
  TFont();

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  // Negative: character height in pixels; positive: cell height.
  int Height() const { return height_; }
  void SetHeight(int height);
  // Points, through PixelsPerInch (the screen's logical pixels by default).
  int Size() const;
  void SetSize(int points);
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int ppi);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset charset);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch pitch);

  // Copies every attribute of another TFont (one OnChange).
  void Assign(TPersistent* source) override;
  // Takes the attributes of a LOGFONT (system fonts: menu, hint, icon).
  void AssignLogFont(const LOGFONTW& font);
  // What the handle is made from. DEFAULT_CHARSET is asked for as
  // RUSSIAN_CHARSET there, as every text of the programs is 1251.
  LOGFONTW LogFont() const;

  // Valid until the next change or the font's end.
  HFONT Handle() { return static_cast<HFONT>(ObjectHandle()); }

 protected:
  HGDIOBJ CreateObjectHandle(bool& owned) override;

 private:
  std::string name_;
  int height_;
  int pixelsPerInch_;
  TColor color_;
  TFontStyles style_;
  TFontCharset charset_;
  TFontPitch pitch_ = fpDefault;
};

// The hint's small mark-up: runs of text written one after another, lines
// broken only by <BR> and <P>, bold and italic, and <FONT> with SIZE, COLOR
// and FACE restored by </FONT>. Parsing and layout are here; the drawing
// goes through a text sink (a canvas on Windows, a recorder in tests).
#pragma once

#include <string>
#include <vector>

#include "platform/graphics/colors.h"
#include "platform/graphics/geometry.h"

// The font attributes the mark-up changes; the sink keeps everything else.
struct TsHtmlFont {
  std::string Name;
  int Size = 8;  // points
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  TColor Color = 0;

  bool operator==(const TsHtmlFont&) const = default;
};

class TsHtmlSink {
 public:
  virtual ~TsHtmlSink() = default;
  virtual TsHtmlFont Font() = 0;
  virtual void SetFont(const TsHtmlFont& font) = 0;
  virtual int TextWidth(const std::string& text) = 0;
  virtual int TextHeight(const std::string& text) = 0;
  virtual void TextOut(int x, int y, const std::string& text) = 0;
};

// Sizes a SIZE attribute may set, in points.
inline constexpr int kMarkupMinFontSize = 1;
inline constexpr int kMarkupMaxFontSize = 100;
// The farthest the pen goes, right or down: the largest coordinate a
// canvas takes, far below the int range.
inline constexpr int kMarkupMaxPosition = (1 << 27) - 1;

class TsHtml {
 public:
  // The sink is not owned and must outlive Render.
  void Prepare(TsHtmlSink* sink, const std::string& text, const TRect& rect);
  // Draws the whole text from the sink's current font and answers the size
  // it took: (0, 0, widest line, total height), both measured from 0 so
  // they include the layout rectangle's Left and Top. An unclosed tag ends
  // the drawing; the size still counts the line it stood on.
  void Render(TRect& rect);

 private:
  void Flush(size_t from, size_t to);
  void NewLine();
  void ApplyTag(const std::string& tag);
  void ApplyFontAttributes(const std::string& tag);
  void SetBold(bool on);
  void SetItalic(bool on);

  TsHtmlSink* sink_ = nullptr;
  int x_ = 0, y_ = 0;
  std::string upper_;
  std::string text_;
  std::vector<TsHtmlFont> fontStack_;
  TsHtmlFont font_;
  TRect layout_{};
  int widest_ = 0;
  int totalHeight_ = 0;
  int lineWidth_ = 0;
  int lineHeight_ = 0;
};

// The colour a COLOR value names: "#RRGGBB", one of the sixteen names, or
// bare hexadecimal RRGGBB (anything else is black). The word is upper case.
TColor MarkupColor(const std::string& word);
// A SIZE value applied to a size in points: "+n", "-n" or "n"; a value that
// is not a whole number leaves the size; the result is held to 1..100.
int MarkupFontSize(const std::string& word, int size);

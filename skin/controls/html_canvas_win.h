// The hint mark-up drawn on a canvas: the canvas's font is the mark-up's
// current font.
#pragma once

#include "skin/controls/html_markup.h"

class TCanvas;

class TCanvasHtmlSink final : public TsHtmlSink {
 public:
  explicit TCanvasHtmlSink(TCanvas* canvas) : canvas_(canvas) {}
  TsHtmlFont Font() override;
  void SetFont(const TsHtmlFont& font) override;
  int TextWidth(const std::string& text) override;
  int TextHeight(const std::string& text) override;
  void TextOut(int x, int y, const std::string& text) override;

 private:
  TCanvas* canvas_;
};

// Renders the mark-up into the rectangle; the rectangle becomes the size it
// took (see TsHtml::Render).
void RenderMarkup(TCanvas* canvas, const std::string& text, TRect& rect);

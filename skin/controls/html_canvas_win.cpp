#include "skin/controls/html_canvas_win.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/font.h"

TsHtmlFont TCanvasHtmlSink::Font() {
  const TFont* f = canvas_->Font();
  TsHtmlFont out;
  out.Name = f->Name();
  out.Size = f->Size();
  out.Bold = f->Style().Contains(fsBold);
  out.Italic = f->Style().Contains(fsItalic);
  out.Underline = f->Style().Contains(fsUnderline);
  out.StrikeOut = f->Style().Contains(fsStrikeOut);
  out.Color = f->Color();
  return out;
}

void TCanvasHtmlSink::SetFont(const TsHtmlFont& font) {
  TFont* f = canvas_->Font();
  f->SetName(font.Name);
  if (f->Size() != font.Size) f->SetSize(font.Size);
  TFontStyles style;
  if (font.Bold) style.Include(fsBold);
  if (font.Italic) style.Include(fsItalic);
  if (font.Underline) style.Include(fsUnderline);
  if (font.StrikeOut) style.Include(fsStrikeOut);
  f->SetStyle(style);
  f->SetColor(font.Color);
}

int TCanvasHtmlSink::TextWidth(const std::string& text) { return canvas_->TextWidth(text); }

int TCanvasHtmlSink::TextHeight(const std::string& text) { return canvas_->TextHeight(text); }

void TCanvasHtmlSink::TextOut(int x, int y, const std::string& text) { canvas_->TextOut(x, y, text); }

void RenderMarkup(TCanvas* canvas, const std::string& text, TRect& rect) {
  TCanvasHtmlSink sink(canvas);
  TsHtml html;
  html.Prepare(&sink, text, rect);
  html.Render(rect);
}

#include "skin/core/skin_text_win.h"

#include <algorithm>

#include "platform/forms/controls.h"
#include "platform/rtl/text1251.h"
#include "skin/core/common_data.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_text.h"

void ApplySkinTextColor(TFont* font) {
  if (!font || !DefaultManager || !DefaultManager->SkinData.Loaded) return;
  const TColor c = DefaultManager->GlobalTextColor();
  if (c != SkinTransparentColor && font->Color() != c) font->SetColor(c);
}

namespace {

TRect Moved(TRect r, int dx, int dy) { return TRect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

void Pass(TCanvas* canvas, const std::string& text, TRect r, unsigned flags, TColor color) {
  canvas->Font()->SetColor(color);
  canvas->TextRect(r, text, flags);
}

}  // namespace

void DrawSectionText(TCanvas* canvas, const std::string& text, bool enabled, TsSkinManager* manager,
                     bool hot, int sectionIndex, unsigned flags, TRect rect) {
  TsSkinManager* m = manager ? manager : DefaultManager;
  if (!canvas || !DefaultManager || !m || !m->IsValidSectionIndex(sectionIndex)) return;
  const TsGeneralData& s = m->SectionItems[static_cast<size_t>(sectionIndex)];
  canvas->Brush()->SetStyle(bsClear);
  if (!enabled) {
    Pass(canvas, text, rect, flags, DisabledTextColor(s));
    return;
  }
  for (const TsTextPass& p : SectionTextPasses(s, hot)) Pass(canvas, text, Moved(rect, p.DX, p.DY), flags, p.Color);
}

void DrawSectionTextDefault(TCanvas* canvas, const std::string& text, bool enabled, bool hot,
                            int sectionIndex, unsigned flags, TRect rect) {
  DrawSectionText(canvas, text, enabled, DefaultManager, hot, sectionIndex, flags, rect);
}

void DrawControlText(TCanvas* canvas, const std::string& text, bool enabled, bool hot,
                     const TsCommonData* sd, unsigned flags, TRect rect) {
  if (!canvas || !sd) return;
  if (auto* control = dynamic_cast<TControl*>(sd->HostControl)) canvas->Font()->Assign(control->Font());
  if (hot && sd->SkinSection() == "WEBBUTTON")
    canvas->Font()->SetStyle(canvas->Font()->Style() + TFontStyles{fsUnderline});
  HDC dc = canvas->Handle();
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
  if (!text.empty()) canvas->Brush()->SetStyle(bsClear);
  const TsGeneralData* s = sd->Section();
  const TsSkinManager* m = sd->SkinManager();
  if (!enabled) {
    Pass(canvas, text, rect, flags, s ? DisabledTextColor(*s) : canvas->Font()->Color());
  } else if (m && s) {
    if (sd->CustomFont()) {
      Pass(canvas, text, rect, flags | DT_NOCLIP, canvas->Font()->Color());
    } else {
      const std::vector<TsTextPass> passes = SectionTextPasses(*s, hot);
      for (size_t i = 0; i + 1 < passes.size(); ++i)
        Pass(canvas, text, Moved(rect, passes[i].DX, passes[i].DY), flags, passes[i].Color);
      Pass(canvas, text, rect, flags | DT_NOCLIP, passes.back().Color);
    }
  } else {
    Pass(canvas, text, rect, flags | DT_NOCLIP, canvas->Font()->Color());
  }
  RestoreDC(dc, saved);
  // RestoreDC put back the objects and background mode of before: the
  // canvas must select its own again, or the next text comes out opaque.
  canvas->Refresh();
}

void DrawControlTextCompat(TCanvas* canvas, const std::string& text, bool enabled, bool hot,
                           const TsCommonData* sd, unsigned flags, TRect rect, int) {
  DrawControlText(canvas, text, enabled, hot, sd, flags, rect);
}

void DrawTextString(HDC dc, const std::string& text, TRect rect, unsigned flags) {
  std::wstring wide = brsm::ToUtf16(text);
  RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, flags);
}

void CutTextToWidth(TCanvas* canvas, const std::string& text, int width, std::string& result) {
  result = CutTextToWidth(text, width, [canvas](const std::string& s) { return canvas->TextWidth(s); });
}

void DrawDottedFrame(TCanvas* canvas, const TRect& rect) {
  ForEachDottedFramePixel(rect, [canvas](int x, int y, TColor c) { canvas->SetPixel(x, y, c); });
}

void DrawBevelLines(HDC dc, TRect r, TColor light, int& lineCount, TColor dark) {
  HPEN lightPen = CreatePen(PS_SOLID, 1, static_cast<COLORREF>(ColorToRGB(light)));
  HPEN darkPen = CreatePen(PS_SOLID, 1, static_cast<COLORREF>(ColorToRGB(dark)));
  HGDIOBJ old = SelectObject(dc, lightPen);
  for (int i = 0; i < lineCount && r.Right - r.Left > 1 && r.Bottom - r.Top > 1; ++i) {
    SelectObject(dc, lightPen);
    MoveToEx(dc, r.Left, r.Bottom - 1, nullptr);
    LineTo(dc, r.Left, r.Top);
    LineTo(dc, r.Right - 1, r.Top);
    SelectObject(dc, darkPen);
    LineTo(dc, r.Right - 1, r.Bottom - 1);
    LineTo(dc, r.Left - 1, r.Bottom - 1);
    r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  }
  SelectObject(dc, old);
  DeleteObject(lightPen);
  DeleteObject(darkPen);
}

void LayoutGlyphAndText(const TRect& client, TSize textSize, TSize glyphSize, int flags,
                        TRect& glyphRect, TRect& textRect, int spacing, int margin,
                        TAlignment alignment, TButtonLayout layout) {
  if (flags & LayoutRightToLeft) {
    if (layout == blGlyphLeft) layout = blGlyphRight;
    else if (layout == blGlyphRight) layout = blGlyphLeft;
  }
  const brsm::TGlyphAndCaptionPlace place =
      brsm::PlaceGlyphAndCaption(client, glyphSize, textSize, layout, margin, spacing);
  glyphRect = Bounds(place.Glyph.X, place.Glyph.Y, glyphSize.cx, glyphSize.cy);
  textRect = place.Caption;
  if (alignment == taCenter) return;
  // The pair as one block, moved to the chosen edge.
  const bool hasGlyph = glyphSize.cx > 0 && glyphSize.cy > 0;
  const int left = hasGlyph ? std::min(glyphRect.Left, textRect.Left) : textRect.Left;
  const int right = hasGlyph ? std::max(glyphRect.Right, textRect.Right) : textRect.Right;
  const int gap = std::max(margin, 0);
  const int shift = alignment == taLeftJustify ? client.Left + gap - left : client.Right - gap - right;
  if (layout == blGlyphLeft || layout == blGlyphRight) {
    if (margin != -1) return;  // a margin already places a sideways pair
  }
  glyphRect = Moved(glyphRect, shift, 0);
  textRect = Moved(textRect, shift, 0);
}

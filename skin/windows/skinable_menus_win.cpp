#include "skin/windows/skinable_menus_win.h"

#include <algorithm>
#include <map>
#include <memory>

#include "platform/forms/forms.h"
#include "platform/rtl/text1251.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/blending.h"
#include "skin/core/button_menu_state.h"
#include "skin/core/color_helpers.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/image_painting.h"
#include "skin/core/pixel_fill.h"
#include "skin/core/section_painting.h"
#include "skin/core/section_painting_win.h"
#include "skin/core/skin_commands.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skin_platform.h"
#include "skin/core/skin_text_win.h"
#include "skin/windows/menu_geometry.h"
#include "skin/windows/skin_provider.h"

TBitmap* PopupMenuBitmap = nullptr;
bool PopupMenuInUse = false;

namespace {

constexpr const char* kDefaultExtraCaption = "Don`t forget OnGetExtraLineData event...";
constexpr TColor kMagenta = 0xFF00FF;

// The popup being painted.
struct TsPopupState {
  TMenuItem* FirstItem = nullptr;  // compared only, never followed
  bool ExtraComputed = false;
  bool ExtraVisible = false;
  std::string ExtraSection = "EXTRALINE";
  std::string ExtraCaption = kDefaultExtraCaption;
  std::unique_ptr<TBitmap> ExtraGlyph;
  int GlyphWidth = 0;
  int IconColumnWidth = 0;
  std::map<const TMenuItem*, TsMeasuredItem> Measured;
};
TsPopupState popup;

TsSkinManager* ManagerOf(TsSkinableMenus* painter) { return painter ? painter->Owner() : nullptr; }

bool Destroying(const TComponent* c) { return c->ComponentState().Contains(csDestroying); }

bool IsBarItem(const TMenuItem* item) {
  const TMenuItem* parent = item->Parent();
  return parent && !parent->Parent() && dynamic_cast<const TMainMenu*>(item->GetParentMenu());
}

TsMenuSpacing SpacingOf(const TsSkinableMenus* p) { return TsMenuSpacing{p->Margin, p->Spacing}; }

TSize GlyphSizeOf(TMenuItem* item) {
  TSize bitmap{}, images{};
  if (item->HasBitmap()) bitmap = TSize{item->Bitmap()->Width(), item->Bitmap()->Height()};
  if (TMenu* menu = item->GetParentMenu(); menu && menu->Images())
    images = TSize{menu->Images()->Width(), menu->Images()->Height()};
  return MenuGlyphSize(bitmap, images);
}

TMenuItem* FirstItemOf(TMenuItem* item) {
  TMenuItem* parent = item->Parent();
  return parent && parent->Count() > 0 ? parent->Items(0) : item;
}

// A Break on this item or one before it in its popup.
bool BreakUpTo(TMenuItem* item) {
  TMenuItem* parent = item->Parent();
  if (!parent) return false;
  for (int i = 0; i < parent->Count(); ++i) {
    TMenuItem* sibling = parent->Items(i);
    if (sibling->Break() != mbNone) return true;
    if (sibling == item) break;
  }
  return false;
}

std::string WithoutAmpersands(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
  return text;
}

void ComputeExtraLine(TsSkinableMenus* painter, TMenuItem* first) {
  if (popup.ExtraComputed || painter->ExtraLineGuard) return;
  popup.ExtraComputed = true;
  if (!ExtraLineAllowedFor(first->Name())) {
    popup.ExtraVisible = false;
    popup.ExtraGlyph.reset();
    return;
  }
  popup.ExtraSection = "EXTRALINE";
  popup.ExtraGlyph.reset();
  popup.ExtraCaption = kDefaultExtraCaption;
  popup.ExtraVisible = true;
  TsSkinManager* m = ManagerOf(painter);
  if (m && m->OnGetMenuExtraLineData) {
    struct Guard {
      bool& flag;
      ~Guard() { flag = false; }
    } guard{painter->ExtraLineGuard};
    painter->ExtraLineGuard = true;
    TBitmap* glyph = nullptr;
    try {
      m->OnGetMenuExtraLineData(first, popup.ExtraSection, popup.ExtraCaption, glyph, popup.ExtraVisible);
    } catch (...) {
      delete glyph;
      throw;
    }
    popup.ExtraGlyph.reset(glyph);
  }
  popup.ExtraCaption = WithoutAmpersands(popup.ExtraCaption);
  if (!popup.ExtraVisible) popup.ExtraGlyph.reset();
}

// The form the item's menu belongs to: a main menu's form, else the first
// form among the owners of its menu, else of the item itself.
TCustomForm* OwnerFormOf(TMenuItem* item) {
  if (auto* main = dynamic_cast<TMainMenu*>(item->GetParentMenu()); main && main->Form()) return main->Form();
  for (TComponent* start : {static_cast<TComponent*>(item->GetParentMenu()), static_cast<TComponent*>(item)})
    for (TComponent* c = start; c; c = c->Owner())
      if (auto* form = dynamic_cast<TCustomForm*>(c)) return form;
  return nullptr;
}

// The menu font, in the owner form's charset.
void SetMenuFont(TCanvas* canvas, TMenuItem* item, bool bold) {
  if (Screen && Screen->MenuFont()) canvas->SetFont(Screen->MenuFont());
  TFontStyles style = canvas->Font()->Style();
  if (bold) style = style + TFontStyles{fsBold};
  canvas->Font()->SetStyle(style);
  if (TCustomForm* form = OwnerFormOf(item); form && form->Font()) canvas->Font()->SetCharset(form->Font()->Charset());
}

int MeasureText(TCanvas* canvas, const std::string& text) {
  RECT r{0, 0, 0, 0};
  const std::wstring w = brsm::ToUtf16(text);
  DrawTextW(canvas->Handle(), w.c_str(), static_cast<int>(w.size()), &r, 0x560);
  return r.right - r.left;
}

// -- Background ------------------------------------------------------------------------

void CopyPixels(HDC target, const TRect& to, HDC source, int sx, int sy) {
  if (!HasArea(to)) return;
  BitBlt(target, to.Left, to.Top, to.Width(), to.Height(), source, sx, sy, SRCCOPY);
}

void PaintExtraLine(TsSkinableMenus* painter, TMenuItem* first, const TRect& strip) {
  TsSkinManager* m = ManagerOf(painter);
  const int section = m->LookupSection(popup.ExtraSection);
  if (section < 0) return;
  std::unique_ptr<TBitmap> bmp(CreateBitmap24(strip.Width(), strip.Height()));
  const TCacheInfo parent = MakeCacheInfo(PopupMenuBitmap->PixelView(), strip.Left, strip.Top);
  PaintSection(section, popup.ExtraSection, parent, -1, -1, m, bmp->PixelView(), TPoint{},
               TRect{0, 0, strip.Width(), strip.Height()}, 0, true);
  int textBottom = 12;
  if (popup.ExtraGlyph && !popup.ExtraGlyph->Empty()) {
    TBitmap* g = popup.ExtraGlyph.get();
    bmp->Canvas()->Draw((strip.Width() - g->Width()) / 2, strip.Height() - 12 - g->Height(), g);
    textBottom = g->Height() + 20;
  }
  if (!popup.ExtraCaption.empty()) {
    // The options' font in the owner form's charset, turned a quarter.
    const TvxMenuFont& f = m->MenuSupport()->ExtraLineFont();
    TFont options;
    options.SetName(f.Name);
    options.SetHeight(f.Height);
    TFontStyles styles;
    if (f.Style & 2) styles = styles + TFontStyles{fsItalic};
    if (f.Style & 4) styles = styles + TFontStyles{fsUnderline};
    if (f.Style & 8) styles = styles + TFontStyles{fsStrikeOut};
    options.SetStyle(styles);
    if (TCustomForm* form = OwnerFormOf(first); form && form->Font()) options.SetCharset(form->Font()->Charset());
    LOGFONTW lf = options.LogFont();
    lf.lfEscapement = lf.lfOrientation = -2700;
    lf.lfWeight = 400;
    HFONT font = CreateFontIndirectW(&lf);
    HDC dc = bmp->Canvas()->Handle();
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    const std::wstring text = brsm::ToUtf16(popup.ExtraCaption);
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(m->SectionItems[section].FontColor[0]));
    // Turned a quarter, the text runs up from its origin above the glyph.
    TextOutW(dc, (strip.Width() - size.cy) / 2, strip.Height() - textBottom, text.c_str(),
             static_cast<int>(text.size()));
    SelectObject(dc, old);
    DeleteObject(font);
  }
  GdiFlush();
  BitBlt(PopupMenuBitmap->Canvas()->Handle(), strip.Left, strip.Top, strip.Width(), strip.Height(),
         bmp->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void PaintIconColumn(TsSkinableMenus* painter, const TRect& strip) {
  TsSkinManager* m = ManagerOf(painter);
  const std::string& name = m->MenuSupport()->IcoLineSkin();
  const int section = m->LookupSection(name);
  if (section < 0) return;
  std::unique_ptr<TBitmap> bmp(CreateBitmap24(strip.Width(), strip.Height()));
  const TCacheInfo parent = MakeCacheInfo(PopupMenuBitmap->PixelView(), strip.Left, strip.Top);
  PaintSection(section, name, parent, -1, -1, m, bmp->PixelView(), TPoint{},
               TRect{0, 0, strip.Width(), strip.Height()}, 0, true);
  GdiFlush();
  BitBlt(PopupMenuBitmap->Canvas()->Handle(), strip.Left, strip.Top, strip.Width(), strip.Height(),
         bmp->Canvas()->Handle(), 0, 0, SRCCOPY);
}

// -- Items -------------------------------------------------------------------------------

int MaskIndex(TsSkinManager* m, const std::string& section, const std::string& name) {
  return m->LookupImageItem(m->LookupSection(section), section, name);
}

void DrawDivider(TsSkinableMenus* painter, TCanvas* canvas, const TRect& rect, TPoint inBackground,
                 int extraLine) {
  TsSkinManager* m = ManagerOf(painter);
  int mask = MaskIndex(m, "DIVIDERV", "BORDERSMASK");
  if (!m->IsValidMaskIndex(mask)) mask = MaskIndex(m, "TRACKBAR", "SLIDERCHANNEL");
  if (!m->IsValidMaskIndex(mask) || !PopupMenuBitmap) {
    int lines = 1;
    const TRect line{rect.Left, rect.Top + rect.Height() / 2 - 1, rect.Right, rect.Top + rect.Height() / 2 + 1};
    DrawBevelLines(canvas->Handle(), line, clGray, lines, clWhite);
    return;
  }
  std::unique_ptr<TBitmap> image(CreateBitmap24(rect.Width(), rect.Height()));
  GdiFlush();
  BitBlt(image->Canvas()->Handle(), 0, 0, rect.Width(), rect.Height(), PopupMenuBitmap->Canvas()->Handle(),
         inBackground.X, inBackground.Y, SRCCOPY);
  // The span is measured over the whole item, extra line included; the
  // image starts after the extra line.
  const TsSpan span = DividerSpan(TRect{0, 0, rect.Width() + extraLine, rect.Height()}, SpacingOf(painter),
                                  extraLine, popup.IconColumnWidth);
  if (!span.Empty()) {
    GdiFlush();
    PaintMaskImage(image->PixelView(), TRect{span.Left - extraLine, 0, span.Right - extraLine, rect.Height()},
                   false, 0, 0, m->MaskItems[mask], EmptyCacheInfo);
  }
  GdiFlush();
  BitBlt(canvas->Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), image->Canvas()->Handle(), 0, 0,
         SRCCOPY);
}

void DrawCaptionItem(TsSkinableMenus* painter, TMenuItem* item, TCanvas* canvas, const TRect& rect,
                     TPoint inBackground) {
  TsSkinManager* m = ManagerOf(painter);
  const int section = m->LookupSection("TOOLBAR");
  std::unique_ptr<TBitmap> image(CreateBitmap24(rect.Width(), rect.Height()));
  const TCacheInfo parent =
      PopupMenuBitmap ? MakeCacheInfo(PopupMenuBitmap->PixelView(), inBackground.X, inBackground.Y) : EmptyCacheInfo;
  PaintSection(section, "TOOLBAR", parent, -1, -1, m, image->PixelView(), TPoint{},
               TRect{0, 0, rect.Width(), rect.Height()}, 0, true);
  std::string text = item->Caption();
  text = text.size() >= 2 ? text.substr(1, text.size() - 2) : text;
  SetMenuFont(image->Canvas(), item, true);
  DrawSectionText(image->Canvas(), text, true, m, false, section, DT_CENTER | 0x164,
                  TRect{0, 0, rect.Width(), rect.Height()});
  GdiFlush();
  BitBlt(canvas->Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), image->Canvas()->Handle(), 0, 0,
         SRCCOPY);
}

unsigned AlignmentFlags(TAlignment a) {
  switch (a) {
    case taRightJustify: return DT_RIGHT;
    case taCenter: return DT_CENTER;
    default: return DT_LEFT;
  }
}

void DrawGlyph(TMenuItem* item, TCanvas* canvas, int x, int y) {
  if (item->HasBitmap()) {
    canvas->Draw(x, y, item->Bitmap());
  } else if (TMenu* menu = item->GetParentMenu(); menu && menu->Images() && item->ImageIndex() >= 0) {
    menu->Images()->Draw(canvas, x, y, item->ImageIndex(), item->Enabled());
  }
}

bool HasPicture(TMenuItem* item) {
  if (item->HasBitmap()) return true;
  TMenu* menu = item->GetParentMenu();
  return menu && menu->Images() && item->ImageIndex() >= 0;
}

// A checked item with a picture shows its state as the system's menus do:
// the picture stands on a square tinted and framed in the item's text colour,
// in place of the mark that the picture would cover.
void DrawCheckedPictureSquare(HDC dc, const TRect& picture, TColor ink) {
  GdiFlush();
  const TColor face = static_cast<TColor>(GetPixel(dc, 0, picture.Top + picture.Height() / 2));
  RECT square{picture.Left - 2, picture.Top - 2, picture.Right + 2, picture.Bottom + 2};
  HBRUSH fill = CreateSolidBrush(ColorToRGB(InterpolateColor(ColorToRGB(ink), face, 0.25)));
  HBRUSH frame = CreateSolidBrush(ColorToRGB(ink));
  FillRect(dc, &square, fill);
  FrameRect(dc, &square, frame);
  DeleteObject(fill);
  DeleteObject(frame);
}

// A checked item whose skin has no check image still shows its mark: the
// system's tick or dot, in the item's text colour.
void DrawPlainCheckMark(HDC dc, int left, int height, bool radio, TColor color) {
  const int top = (height - 7) / 2;
  HPEN pen = CreatePen(PS_SOLID, 1, color);
  HBRUSH brush = CreateSolidBrush(color);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  if (radio) {
    Ellipse(dc, left + 1, top + 1, left + 6, top + 6);
  } else {
    for (int dy = 0; dy < 3; ++dy) {
      const POINT tick[3] = {{left, top + 2 + dy}, {left + 2, top + 4 + dy}, {left + 7, top - 1 + dy}};
      Polyline(dc, tick, 3);
    }
  }
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(brush);
  DeleteObject(pen);
}

void DrawNormalItem(TsSkinableMenus* painter, TMenuItem* item, TCanvas* canvas, const TRect& rect,
                    TOwnerDrawState state, TPoint inBackground, int extraOffset) {
  TsSkinManager* m = ManagerOf(painter);
  const int w = rect.Width() - extraOffset, h = rect.Height();
  if (w <= 0 || h <= 0) return;
  const bool enabled = item->Enabled() && !state.Contains(odDisabled) && !state.Contains(odGrayed);
  const bool selected = state.Contains(odSelected) || state.Contains(odHotLight);
  const int itemState = selected && enabled ? 1 : 0;
  std::unique_ptr<TBitmap> image(CreateBitmap24(w, h));
  TCacheInfo parent =
      PopupMenuBitmap ? MakeCacheInfo(PopupMenuBitmap->PixelView(), inBackground.X, inBackground.Y) : EmptyCacheInfo;
  // Without a skinned background the system's menu colour shows through
  // what the item's look leaves see-through.
  std::unique_ptr<TBitmap> plain;
  if (!PopupMenuBitmap) {
    plain.reset(CreateBitmap24(w, h));
    FillRectPixels(plain->PixelView(), TRect{0, 0, w, h}, static_cast<TColor>(GetSysColor(COLOR_MENU)));
    parent = MakeCacheInfo(plain->PixelView(), 0, 0);
  }
  // Without "MENUITEM" the item takes the system's menu colours.
  const int section = m->LookupSection("MENUITEM");
  const bool skinned = m->IsValidSectionIndex(section);
  if (skinned) {
    PaintSection(section, "MENUITEM", parent, -1, -1, m, image->PixelView(), TPoint{}, TRect{0, 0, w, h}, itemState,
                 true);
  } else {
    RECT all{0, 0, w, h};
    FillRect(image->Canvas()->Handle(), &all, GetSysColorBrush(itemState ? COLOR_HIGHLIGHT : COLOR_MENU));
  }
  const TColor ink = skinned ? ColorToRGB(selected && enabled ? m->SectionItems[section].HotFontColor[0]
                                                              : m->SectionItems[section].FontColor[0])
                              : static_cast<TColor>(GetSysColor(itemState ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  auto drawText = [&](TCanvas* c, const std::string& text, unsigned flags, const TRect& r) {
    if (skinned) {
      DrawSectionText(c, text, enabled, m, selected && enabled, section, flags, r);
      return;
    }
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetColor(enabled ? ink : static_cast<TColor>(GetSysColor(COLOR_GRAYTEXT)));
    TRect at = r;
    c->TextRect(at, text, flags);
  };
  const TSize glyph = GlyphSizeOf(item);
  const int glyphY = (h - glyph.cy) / 2;
  if (item->Checked() && HasPicture(item)) {
    DrawCheckedPictureSquare(image->Canvas()->Handle(), TRect{glyphY, glyphY, glyphY + glyph.cx, glyphY + glyph.cy},
                             ink);
  } else if (item->Checked()) {
    int mask = m->LookupImageItem(m->LookupSection("GLOBALINFO"), "GLOBALINFO",
                                  item->RadioItem() ? "RADIOCHECKED" : "CHECK");
    if (!m->IsValidMaskIndex(mask)) mask = m->LookupImageItem(m->LookupSection("GLOBALINFO"), "GLOBALINFO", "BOXCHECKED");
    if (!m->IsValidMaskIndex(mask))
      DrawPlainCheckMark(image->Canvas()->Handle(), painter->Margin, h, item->RadioItem(), ink);
    if (m->IsValidMaskIndex(mask)) {
      TPoint cell{};
      m->ImageCellSize(mask, cell);
      GdiFlush();
      PaintMaskGlyph(image->PixelView(), TPoint{painter->Margin, (h - cell.Y) / 2}, itemState, m->MaskItems[mask], 1);
    }
  }
  DrawGlyph(item, image->Canvas(), glyphY, glyphY);
  TCanvas* c = image->Canvas();
  SetMenuFont(c, item, state.Contains(odDefault) || item->Default());
  std::string text = item->Caption();
  unsigned flags = AlignmentFlags(painter->Alignment()) | 0x164;
  if (!text.empty() && text[0] == '\x08') {
    text = text.substr(1) + "      ";
    flags = DT_RIGHT | 0x164;
  }
  if (state.Contains(odNoAccel)) flags |= 0x100000;
  const TRect textRect{glyph.cx + 2 * painter->Margin + painter->Spacing, 0, w, h};
  drawText(c, text, flags, textRect);
  if (item->ShortCut() != scNone) drawText(c, ShortCutToText(item->ShortCut()), DT_RIGHT | 0x24, TRect{0, 0, w - 8, h});
  if (painter->OnDrawItem) painter->OnDrawItem(item, c, TRect{0, 0, w, h}, state, smNormal);
  GdiFlush();
  if (!enabled && PopupMenuBitmap)
    BlendRectKeyed(image->PixelView(), 0, 0, kMagenta, 0.4,
                   TRect{inBackground.X, inBackground.Y, inBackground.X + w - 1, inBackground.Y + h - 1},
                   PopupMenuBitmap->PixelView());
  BitBlt(canvas->Handle(), rect.Left + extraOffset, rect.Top, w, h, c->Handle(), 0, 0, SRCCOPY);
}

void DrawPopupItem(TsSkinableMenus* painter, TMenuItem* item, TCanvas* canvas, TRect rect,
                   TOwnerDrawState state) {
  TsSkinManager* m = ManagerOf(painter);
  if (!m) return;
  TMenuItem* first = FirstItemOf(item);
  const int columnFlag = popup.ExtraComputed && BreakUpTo(item) ? 0 : 1;
  if (first != popup.FirstItem) {
    ResetPopupState();
    popup.FirstItem = first;
  }
  PopupMenuInUse = true;
  if (HintsSuspended) {
    HintsSuspended = false;
    if (Application) Application->SetShowHint(SavedShowHint);
    if (auto* control = dynamic_cast<TControl*>(DropDownControl)) control->Perform(WM_MOUSELEAVE, 0, 0);
  }
  HWND window = WindowFromDC(canvas->Handle());
  TPoint clientOffset{painter->BorderWidth, painter->BorderWidth};
  TSize size{};
  if (window) {
    RECT wr{};
    GetWindowRect(window, &wr);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    clientOffset = TPoint{origin.x - wr.left, origin.y - wr.top};
    size = TSize{wr.right - wr.left, wr.bottom - wr.top};
  } else {
    std::vector<TsMeasuredItem> items;
    TMenuItem* parent = item->Parent();
    for (int i = 0; parent && i < parent->Count(); ++i) {
      TMenuItem* sibling = parent->Items(i);
      if (!sibling->Visible()) continue;
      auto it = popup.Measured.find(sibling);
      if (it != popup.Measured.end()) items.push_back(it->second);
    }
    size = PopupTotalSize(items, painter->BorderWidth);
  }
  PreparePopupBackground(painter, first, size.cx, window, size.cy);
  const int extraOffset = PainterExtraLineWidth(painter) * columnFlag;
  const TRect inWindow{rect.Left + clientOffset.X, rect.Top + clientOffset.Y, rect.Right + clientOffset.X,
                       rect.Bottom + clientOffset.Y};
  // The visible siblings: the first and the last carry the top and bottom bands.
  TMenuItem* parent = item->Parent();
  TMenuItem* firstVisible = nullptr;
  TMenuItem* lastVisible = nullptr;
  TMenuItem* next = nullptr;
  bool seen = false;
  for (int i = 0; parent && i < parent->Count(); ++i) {
    TMenuItem* sibling = parent->Items(i);
    if (!sibling->Visible()) continue;
    if (!firstVisible) firstVisible = sibling;
    lastVisible = sibling;
    if (seen && !next) next = sibling;
    if (sibling == item) seen = true;
  }
  if (window && PopupMenuBitmap) {
    GdiFlush();
    const TsItemBands bands = ItemFrameBands(inWindow, item == firstVisible, item == lastVisible, size,
                                             painter->BorderWidth, PainterSkinBorderWidth(painter), extraOffset);
    HDC wdc = GetWindowDC(window);
    if (wdc) {
      HDC src = PopupMenuBitmap->Canvas()->Handle();
      for (const TRect& band : {bands.Top, bands.Bottom, bands.Left, bands.Right})
        CopyPixels(wdc, band, src, band.Left, band.Top);
      ReleaseDC(window, wdc);
    }
  } else if (!window && Application) {
    // The window is not known yet: the application window skins it once
    // the menu stands.
    MSG queued{};
    HWND app = Application->Handle();
    if (!PeekMessageW(&queued, app, SkinPopupUnderItemMessage, SkinPopupWindowMessage, PM_NOREMOVE))
      PostMessageW(app, SkinPopupUnderItemMessage, 0, static_cast<LPARAM>(item->Command()));
  }
  const TPoint inBackground{inWindow.Left + extraOffset, inWindow.Top};
  switch (MenuItemTypeOf(item->Caption())) {
    case smDivider:
      DrawDivider(painter, canvas, TRect{rect.Left + extraOffset, rect.Top, rect.Right, rect.Bottom}, inBackground,
                  extraOffset);
      return;
    case smCaption:
      DrawCaptionItem(painter, item, canvas, TRect{rect.Left + extraOffset, rect.Top, rect.Right, rect.Bottom},
                      inBackground);
      return;
    default: break;
  }
  if (PopupMenuBitmap) {
    GdiFlush();
    HDC src = PopupMenuBitmap->Canvas()->Handle();
    const int bottom = PopupMenuBitmap->Height() - painter->BorderWidth;
    const bool lastAbove = item == lastVisible && inWindow.Bottom < PopupMenuBitmap->Height() - 6;
    if ((next && next->Break() != mbNone) || lastAbove)
      CopyPixels(canvas->Handle(), TRect{rect.Left, rect.Bottom, rect.Right, bottom - clientOffset.Y}, src,
                 inWindow.Left, inWindow.Bottom);
    if (item->Break() != mbNone)
      CopyPixels(canvas->Handle(), TRect{rect.Left - 4, rect.Top, rect.Left, rect.Top + PopupMenuBitmap->Height() - 6},
                 src, inWindow.Left - 1, inWindow.Top + 3);
  }
  DrawNormalItem(painter, item, canvas, rect, state, inBackground, extraOffset);
  // The first item of a popup with an extra line brings the strip along.
  if (extraOffset > 0 && item == firstVisible && PopupMenuBitmap) {
    const int sbw = PainterSkinBorderWidth(painter);
    const int major = [] {
      int mj = 0, mn = 0;
      SkinPlatform().OsVersion(mj, mn);
      return mj;
    }();
    if (major >= 6) {
      GdiFlush();
      CopyPixels(canvas->Handle(),
                 TRect{sbw - clientOffset.X, sbw - clientOffset.Y, sbw - clientOffset.X + extraOffset,
                       PopupMenuBitmap->Height() - sbw - clientOffset.Y},
                 PopupMenuBitmap->Canvas()->Handle(), sbw, sbw);
    }
  }
}

void MeasurePopupItem(TsSkinableMenus* painter, TMenuItem* item, TCanvas* canvas, int& width, int& height) {
  if (Destroying(item) || !ManagerOf(painter)) return;
  TMenuItem* first = FirstItemOf(item);
  if (first != popup.FirstItem) {
    ResetPopupState();
    popup.FirstItem = first;
  }
  PopupMenuInUse = true;
  ComputeExtraLine(painter, first);
  SetMenuFont(canvas, item, item->Default());
  const TsMenuItemType kind = MenuItemTypeOf(item->Caption());
  const std::string text = MeasuredTextOf(kind, item->Caption(), ShortCutToText(item->ShortCut()));
  const int textWidth = text.empty() ? 0 : MeasureText(canvas, text);
  const TSize glyph = GlyphSizeOf(item);
  const int extra = BreakUpTo(item) ? 0 : PainterExtraLineWidth(painter);
  width = PopupItemWidth(SpacingOf(painter), glyph.cx, textWidth, extra);
  height = PopupItemHeight(SpacingOf(painter), kind, canvas->TextHeight("W"), glyph.cy);
  popup.Measured[item] = TsMeasuredItem{width, height, item->Break() != mbNone};
}

// -- Bar items -----------------------------------------------------------------------------

void DrawBarItem(TsSkinableMenus* painter, TMenuItem* item, TCanvas* canvas, TRect rect, TOwnerDrawState state) {
  auto* menu = dynamic_cast<TMainMenu*>(item->GetParentMenu());
  TCustomForm* form = menu ? menu->Form() : nullptr;
  TsSkinProvider* provider = nullptr;
  if (form && form->FormStyle() == fsMDIChild && MDIParentProvider) provider = MDIParentProvider;
  else if (form) provider = FindSkinProvider(form);
  if (!provider || !provider->CacheBitmap()) return;
  TsSkinManager* m = provider->SkinData()->SkinManager();
  if (!m) return;
  const bool enabled = item->Enabled() && !state.Contains(odDisabled) && !state.Contains(odGrayed);
  const bool selected = state.Contains(odSelected) || state.Contains(odHotLight);
  const int section = m->LookupSection("MENUITEM");
  TBitmap* formCache = provider->CacheBitmap();
  GdiFlush();
  const TCacheInfo parent = MakeCacheInfo(formCache->PixelView(), 0, 0);
  std::unique_ptr<TBitmap> image;
  TCanvas* target = canvas;
  TRect at = rect;
  if (enabled) {
    PaintSectionToDC(section, "MENUITEM", parent, m, canvas->Handle(), TPoint{rect.Left, rect.Top}, rect,
                     selected ? 1 : 0, true);
  } else {
    image.reset(CreateBitmap24(std::max(rect.Width(), 1), std::max(rect.Height(), 1)));
    PaintSection(section, "MENUITEM", parent, -1, -1, m, image->PixelView(), TPoint{rect.Left, rect.Top},
                 TRect{0, 0, rect.Width(), rect.Height()}, 0, true);
    target = image->Canvas();
    at = TRect{0, 0, rect.Width(), rect.Height()};
  }
  int x = at.Left + 3;
  if (item->HasBitmap() || (menu->Images() && item->ImageIndex() >= 0)) {
    const TSize g = GlyphSizeOf(item);
    DrawGlyph(item, target, x, at.Top + (at.Height() - g.cy) / 2);
    x += g.cx + 3;
  }
  SetMenuFont(target, item, false);
  unsigned flags = AlignmentFlags(painter->Alignment()) | 0x165;
  if (state.Contains(odNoAccel)) flags |= 0x100000;
  // A skin without a menu-line section writes the caption in the form's colours.
  const int lineSection = m->LookupSectionOr("MENULINE", provider->SkinData()->SectionIndex);
  DrawSectionText(target, item->Caption(), enabled, m, selected && enabled, lineSection, flags,
                  TRect{x, at.Top, at.Right, at.Bottom});
  if (painter->OnDrawItem) painter->OnDrawItem(item, target, at, state, smTopLine);
  if (image) {
    GdiFlush();
    BlendBitmapRect(image->PixelView(), formCache->PixelView(), 127, TPoint{0, 0},
                    TRect{rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1});
    BitBlt(canvas->Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), image->Canvas()->Handle(), 0, 0,
           SRCCOPY);
  }
}

void MeasureBarItem(TMenuItem* item, TCanvas* canvas, int& width, int& height) {
  height = GetSystemMetrics(SM_CYMENU) - 1;
  SetMenuFont(canvas, item, false);
  width = canvas->TextWidth(WithoutAmpersands(item->Caption()));
  TMenu* menu = item->GetParentMenu();
  if (menu && menu->Images() && item->ImageIndex() >= 0) width += menu->Images()->Width() + 6;
}

// -- Hooking -------------------------------------------------------------------------------

void SetPainterHandlers(TsSkinableMenus* painter, TMenuItem* item, bool mainMenu, bool replace) {
  if (replace || !item->OnAdvancedDrawItem) item->OnAdvancedDrawItem = TsPainterDrawItem{painter, mainMenu};
  if (replace || !item->OnMeasureItem) item->OnMeasureItem = TsPainterMeasureItem{painter, mainMenu};
}

void ClearPainterHandlers(TMenuItem* item) {
  if (item->OnAdvancedDrawItem.target<TsPainterDrawItem>()) item->OnAdvancedDrawItem = nullptr;
  if (item->OnMeasureItem.target<TsPainterMeasureItem>()) item->OnMeasureItem = nullptr;
}

void HookItems(TsSkinableMenus* painter, TMenuItem* parent, bool value) {
  for (int i = 0; i < parent->Count(); ++i) {
    TMenuItem* item = parent->Items(i);
    if (value) {
      if (!IsBarItem(item)) SetPainterHandlers(painter, item, false, false);
    } else {
      ClearPainterHandlers(item);
    }
    HookItems(painter, item, value);
  }
}

void WalkComponent(TsSkinableMenus* painter, TComponent* c, bool value, bool popups) {
  if (auto* main = dynamic_cast<TMainMenu*>(c)) {
    SetMainMenuSkinned(painter, main, value, popups);
  } else if (dynamic_cast<TPopupMenu*>(c) || dynamic_cast<TMenuItem*>(c)) {
    SetPopupSkinned(painter, c, popups);
  }
  for (int i = 0; i < c->ComponentCount(); ++i) WalkComponent(painter, c->Components(i), value, popups);
}

void SeamSetActive(TsSkinableMenus* painter, bool value) {
  TsSkinManager* m = ManagerOf(painter);
  if (!Application || (m && m->ComponentState().Contains(csDesigning))) return;
  const bool popups = value && (!m || m->SkinnedPopups());
  for (int i = 0; i < Application->ComponentCount(); ++i)
    WalkComponent(painter, Application->Components(i), value, popups);
}

// Only the items whose handlers lead to this painter let go of them.
void ReleaseItems(TsSkinableMenus* painter, TMenuItem* parent) {
  for (int i = 0; i < parent->Count(); ++i) {
    TMenuItem* item = parent->Items(i);
    if (auto* d = item->OnAdvancedDrawItem.target<TsPainterDrawItem>(); d && d->Painter == painter)
      item->OnAdvancedDrawItem = nullptr;
    if (auto* mi = item->OnMeasureItem.target<TsPainterMeasureItem>(); mi && mi->Painter == painter)
      item->OnMeasureItem = nullptr;
    ReleaseItems(painter, item);
  }
}

void ReleaseComponent(TsSkinableMenus* painter, TComponent* c) {
  if (auto* menu = dynamic_cast<TMenu*>(c)) ReleaseItems(painter, menu->Items());
  for (int i = 0; i < c->ComponentCount(); ++i) ReleaseComponent(painter, c->Components(i));
}

void SeamRelease(TsSkinableMenus* painter) {
  if (!Application) return;
  for (int i = 0; i < Application->ComponentCount(); ++i) ReleaseComponent(painter, Application->Components(i));
}

// The item's rectangle on screen: its place among the visible items of
// its popup (the menu handle leaves invisible items out).
bool ItemScreenRect(TMenuItem* item, HWND owner, RECT& r) {
  TMenuItem* parent = item->Parent();
  if (!parent) return false;
  HMENU menu = parent->Handle();
  int position = 0;
  for (int i = 0; i < parent->Count(); ++i) {
    TMenuItem* sibling = parent->Items(i);
    if (sibling == item) break;
    if (sibling->Visible()) ++position;
  }
  return GetMenuItemRect(owner, menu, static_cast<UINT>(position), &r) != FALSE;
}

bool IsPopupMenuWindow(HWND window) {
  wchar_t name[16] = {};
  return window && GetClassNameW(window, name, 16) && lstrcmpW(name, L"#32768") == 0;
}

bool SeamAppMessage(TsSkinableMenus* painter, uint32_t msg, uintptr_t, intptr_t lParam) {
  HWND window = nullptr;
  if (msg == SkinPopupUnderItemMessage) {
    if (!PopupMenuBitmap) return false;
    TMenuItem* item = TMenu::ItemByCommand(static_cast<WORD>(lParam));
    if (!item) return true;
    RECT r{};
    if (!ItemScreenRect(item, nullptr, r) && !ItemScreenRect(item, brsm::PopupListWindow(), r)) return true;
    window = WindowFromPoint(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  } else {
    window = reinterpret_cast<HWND>(lParam);
  }
  // Only a popup menu's window is shaped; a form lying under the item is not.
  if (IsPopupMenuWindow(window)) SkinPopupMenuWindow(painter, window, PopupMenuBitmap);
  return true;
}

}  // namespace

// -- Portable pieces the handlers use --------------------------------------------------------

void TsPainterDrawItem::operator()(TObject* sender, TCanvas* canvas, TRect rect, TOwnerDrawState state) const {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (!item || !Painter) return;
  if (MainMenu) DrawBarItem(Painter, item, canvas, rect, state);
  else DrawPopupItem(Painter, item, canvas, rect, state);
}

void TsPainterMeasureItem::operator()(TObject* sender, TCanvas* canvas, int& width, int& height) const {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (!item || !Painter) return;
  if (MainMenu) MeasureBarItem(item, canvas, width, height);
  else MeasurePopupItem(Painter, item, canvas, width, height);
}

bool HasPainterHandlers(const TMenuItem* item) {
  return item->OnAdvancedDrawItem.target<TsPainterDrawItem>() || item->OnMeasureItem.target<TsPainterMeasureItem>();
}

void SetMainMenuSkinned(TsSkinableMenus* painter, TMainMenu* menu, bool value, bool popups) {
  TsSkinManager* m = ManagerOf(painter);
  TMenuItem* bar = menu->Items();
  for (int i = 0; i < bar->Count(); ++i) {
    TMenuItem* item = bar->Items(i);
    if (value && m && m->SkinData.Loaded) SetPainterHandlers(painter, item, true, true);
    else if (!value) ClearPainterHandlers(item);
  }
  if (!Destroying(menu)) menu->SetOwnerDraw(value);
  for (int i = 0; i < bar->Count(); ++i) HookItems(painter, bar->Items(i), popups);
}

void SetPopupSkinned(TsSkinableMenus* painter, TComponent* menuOrItem, bool value) {
  if (auto* popupMenu = dynamic_cast<TPopupMenu*>(menuOrItem)) {
    if (!Destroying(popupMenu)) popupMenu->SetOwnerDraw(value);
    HookItems(painter, popupMenu->Items(), value);
  } else if (auto* item = dynamic_cast<TMenuItem*>(menuOrItem)) {
    if (!dynamic_cast<TMainMenu*>(item->GetParentMenu())) HookItems(painter, item, value);
  }
}

void HookItem(TsSkinableMenus* painter, TMenuItem* item, bool value) {
  TsSkinManager* m = ManagerOf(painter);
  if (TMenu* menu = item->GetParentMenu(); menu && !Destroying(menu)) menu->SetOwnerDraw(value);
  if (!value) {
    ClearPainterHandlers(item);
  } else if (IsBarItem(item)) {
    SetPainterHandlers(painter, item, true, true);
  } else if (!m || m->SkinnedPopups()) {
    SetPainterHandlers(painter, item, false, false);
  }
}

void RefreshMenuPainter(TsSkinableMenus* painter) {
  ResetPopupState();
  if (painter) painter->SkinBorderWidth = -1;
}

void EndPopup() {
  ResetPopupState();
  PopupMenuInUse = false;
}

void ResetPopupState() {
  popup.FirstItem = nullptr;
  delete PopupMenuBitmap;
  PopupMenuBitmap = nullptr;
  popup.ExtraComputed = false;
  popup.ExtraVisible = false;
}

int PainterSkinBorderWidth(TsSkinableMenus* painter) {
  if (painter->SkinBorderWidth >= 0) return painter->SkinBorderWidth;
  TsSkinManager* m = ManagerOf(painter);
  if (!m) return 0;
  const int index = m->LookupImageItemNoParent("MAINMENU", "BORDERSMASK");
  const bool valid = m->IsValidMaskIndex(index);
  painter->SkinBorderWidth = SkinBorderWidthOf(valid, valid ? m->MaskItems[index].BorderWidth : 0);
  return painter->SkinBorderWidth;
}

int PainterExtraLineWidth(TsSkinableMenus* painter) {
  TsSkinManager* m = ManagerOf(painter);
  if (!m || !m->MenuSupport()->UseExtraLine() || !popup.ExtraVisible) return 0;
  return m->MenuSupport()->ExtraLineWidth();
}

void PreparePopupBackground(TsSkinableMenus* painter, TMenuItem* firstItem, int width, HWND window, int height) {
  TsSkinManager* m = ManagerOf(painter);
  if (!m) return;
  if (PopupMenuBitmap && popup.FirstItem == firstItem) return;
  ComputeExtraLine(painter, firstItem);
  popup.FirstItem = firstItem;
  delete PopupMenuBitmap;
  PopupMenuBitmap = nullptr;
  popup.GlyphWidth = GlyphSizeOf(firstItem).cx;
  popup.IconColumnWidth = painter->Margin + popup.GlyphWidth + painter->Spacing;
  // Without "MAINMENU" the system draws the popup's background and frame:
  // no background, no bands, no region.
  const int section = m->LookupSection("MAINMENU");
  if (width <= 0 || height <= 0 || !m->IsValidSectionIndex(section)) return;
  PopupMenuBitmap = CreateBitmap24(width, height);
  PaintSection(section, "MAINMENU", EmptyCacheInfo, -1, -1, m, PopupMenuBitmap->PixelView(), TPoint{},
               TRect{0, 0, width, height}, 0, true);
  const int sbw = PainterSkinBorderWidth(painter);
  const bool icons = m->LookupSection(m->MenuSupport()->IcoLineSkin()) >= 0;
  const TsPopupStrips strips =
      PopupStripsOf(width, height, sbw, PainterExtraLineWidth(painter), icons ? popup.IconColumnWidth : 0);
  if (HasArea(strips.ExtraLine)) PaintExtraLine(painter, firstItem, strips.ExtraLine);
  if (HasArea(strips.IconColumn)) PaintIconColumn(painter, strips.IconColumn);
  painter->CornerHoles.clear();
  const int border = m->LookupImageItem(section, "MAINMENU", "BORDERSMASK");
  if (m->IsValidMaskIndex(border)) {
    CollectCornerHoles(painter->CornerHoles, width, m->MaskItems[border], false, 0);
    CollectCornerHoles(painter->CornerHoles, width, m->MaskItems[border], true, height - m->MaskBottomWidth(border));
  }
  GdiFlush();
  if (window) SkinPopupMenuWindow(painter, window, PopupMenuBitmap);
}

void SkinPopupMenuWindow(TsSkinableMenus* painter, HWND window, TBitmap* background) {
  if (!painter || painter->BorderDrawing || !window) return;
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) != PopupMenuWndProc) {
    const LONG_PTR old = GetWindowLongPtrW(window, GWLP_WNDPROC);
    SetWindowLongPtrW(window, GWLP_USERDATA, old);
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PopupMenuWndProc));
  }
  if (!background || background->Empty()) return;
  if (SendCmdToWindow(window, SkinCmdSetUpdating, 0) != 0) return;
  SendCmdToWindow(window, SkinCmdMenuNotify, 0);
  struct Guard {
    bool& flag;
    ~Guard() { flag = false; }
  } guard{painter->BorderDrawing};
  painter->BorderDrawing = true;
  HRGN region = CreateRectRgn(0, 0, background->Width(), background->Height());
  for (const TRect& hole : PopupRegionHoles(painter->CornerHoles)) {
    HRGN cut = CreateRectRgn(hole.Left, hole.Top, hole.Right, hole.Bottom);
    CombineRgn(region, region, cut, RGN_DIFF);
    DeleteObject(cut);
  }
  if (!SetWindowRgn(window, region, TRUE)) DeleteObject(region);
}

LRESULT CALLBACK PopupMenuWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto old = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_USERDATA));
  LRESULT result = 0;
  bool done = false;
  brsm::GuardedCall(nullptr, [&] {
    switch (msg) {
      case WM_DESTROY: EndPopup(); break;
      case WM_ERASEBKGND:
        result = 1;
        done = true;
        break;
      case WM_NCPAINT: {
        int major = 0, minor = 0;
        SkinPlatform().OsVersion(major, minor);
        done = true;
        result = 1;
        if (major < 6) break;
        RECT r{};
        GetWindowRect(window, &r);
        if (PopupMenuBitmap && PopupMenuBitmap->Width() == r.right - r.left &&
            PopupMenuBitmap->Height() == r.bottom - r.top)
          break;
        if (old) CallWindowProcW(old, window, msg, wParam, lParam);
        break;
      }
      default: break;
    }
  });
  if (done) return result;
  return old ? CallWindowProcW(old, window, msg, wParam, lParam) : DefWindowProcW(window, msg, wParam, lParam);
}

TsSkinableMenus* DefaultMenuPainter() { return DefaultManager ? DefaultManager->SkinableMenus() : nullptr; }

void UseWindowsMenuPainter() {
  TsMenuPainterSeam seam;
  seam.SetActive = SeamSetActive;
  seam.Release = SeamRelease;
  seam.AppMessage = SeamAppMessage;
  SetMenuPainterSeam(seam);
}

#include "skin/core/section_painting.h"

#include <algorithm>
#include <memory>

#include "skin/core/bitmap_helpers.h"
#include "skin/core/blending.h"
#include "skin/core/common_data.h"
#include "skin/core/control_model.h"
#include "skin/core/control_utils.h"
#include "skin/core/gradients.h"
#include "skin/core/image_painting.h"
#include "skin/core/image_piece.h"
#include "skin/core/keyed_copy.h"
#include "skin/core/paint_colors.h"
#include "skin/core/paint_seam.h"
#include "skin/core/pixel_access.h"
#include "skin/core/pixel_copy.h"
#include "skin/core/pixel_fill.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_manager.h"

namespace {

int Percent(int v) { return std::clamp(v, 0, 100); }
uint8_t AlphaOf(int percent) { return static_cast<uint8_t>(std::clamp(percent * 255 / 100, 0, 255)); }

// Inclusive form of an exclusive rectangle, for the routines that take one.
TRect Inclusive(const TRect& r) { return TRect{r.Left, r.Top, r.Right - 1, r.Bottom - 1}; }

bool Inside(const TRect& r, const TPixelBufferView& b) {
  return r.Left >= 0 && r.Top >= 0 && r.Right <= b.Width && r.Bottom <= b.Height;
}

TsSkinManager* Resolve(TsSkinManager* m) { return m ? m : DefaultManager; }

const TsMaskData* Item(const TsSkinManager* m, int index) {
  return m && m->IsValidMaskIndex(index) ? &m->MaskItems[static_cast<size_t>(index)] : nullptr;
}

TCacheInfo Moved(TCacheInfo c, TPoint by) {
  c.X += by.X;
  c.Y += by.Y;
  return c;
}

// Both colour globals are magenta again however painting ends.
struct ColorGlobalsReset {
  ~ColorGlobalsReset() {
    ParentBackColor = SkinTransparentColor;
    TransparentFillColor = SkinTransparentColor;
  }
};

int FrameWidth(const TsMaskData& item) {
  return item.SourceRect.Width() / std::max<int>(item.ImageCount, 1);
}
int FrameHeight(const TsMaskData& item) {
  return item.SourceRect.Height() / (std::max<int>(item.MaskType, 0) + 1);
}

// The source rectangle of a texture item, clipped to its bitmap; the whole
// own image when the item names none.
TRect TextureSource(const TsMaskData& item, const TPixelBufferView& source) {
  TRect r = item.SourceRect;
  if (item.Image && r.IsEmpty()) r = TRect{0, 0, source.Width, source.Height};
  return ClipToBitmap(r, source);
}

void TileRect(const TPixelBufferView& target, const TRect& area, const TPixelBufferView& source,
              const TRect& tile) {
  const int tw = tile.Width(), th = tile.Height();
  if (tw < 1 || th < 1 || area.IsEmpty()) return;
  for (int y = area.Top; y < area.Bottom; y += th)
    for (int x = area.Left; x < area.Right; x += tw) {
      const TRect piece{tile.Left, tile.Top, tile.Left + std::min(tw, area.Right - x),
                        tile.Top + std::min(th, area.Bottom - y)};
      CopyPixels(target, x, y, source, piece);
    }
}

// Where a texture of tw x th goes in rect by drawing mode, and what is left.
struct TextureBand {
  TRect Area;
  TRect Left;
  bool Stretch = false;
};

TextureBand BandOf(TRect rect, int mode, int tw, int th) {
  TextureBand b;
  b.Area = rect;
  b.Left = TRect{0, 0, -1, 0};
  auto rest = [&](TRect r) { b.Left = r.IsEmpty() ? TRect{0, 0, -1, 0} : r; };
  switch (mode) {
    case 1: b.Stretch = true; break;
    case 2:
      b.Area.Bottom = std::min(rect.Bottom, rect.Top + th);
      rest(TRect{rect.Left, b.Area.Bottom, rect.Right, rect.Bottom});
      break;
    case 3:
      b.Area.Right = std::min(rect.Right, rect.Left + tw);
      rest(TRect{b.Area.Right, rect.Top, rect.Right, rect.Bottom});
      break;
    case 4:
      b.Stretch = true;
      b.Area.Bottom = std::min(rect.Bottom, rect.Top + th);
      rest(TRect{rect.Left, b.Area.Bottom, rect.Right, rect.Bottom});
      break;
    case 5:
      b.Stretch = true;
      b.Area.Right = std::min(rect.Right, rect.Left + tw);
      rest(TRect{b.Area.Right, rect.Top, rect.Right, rect.Bottom});
      break;
    case 6:
      b.Area.Top = std::max(rect.Top, rect.Bottom - th);
      rest(TRect{rect.Left, rect.Top, rect.Right, b.Area.Top});
      break;
    case 7: case 8: case 9: case 11: case 12: case 13: case 14:
      b.Area.Left = std::max(rect.Left, rect.Right - tw);
      rest(TRect{rect.Left, rect.Top, b.Area.Left, rect.Bottom});
      break;
    default:  // 0, 10 and anything unknown: tiled over everything
      break;
  }
  return b;
}

// What paints a section's texture.
struct Texture {
  const TsMaskData* Item = nullptr;      // unmasked image item
  const TsPatternData* Pattern = nullptr;  // large picture
};

Texture ChooseTexture(const TsSkinManager& m, int sectionIndex, const std::string& name,
                      int index, bool hot) {
  const char* property = hot ? "HOTPATTERN" : "PATTERN";
  if (index == -1) index = m.LookupImageItem(sectionIndex, name, property);
  Texture t;
  if (const TsMaskData* item = Item(&m, index); item && item->MaskType == 0) {
    t.Item = item;
    return t;
  }
  const int p = m.LookupPattern(sectionIndex, name, property);
  if (p >= 0 && static_cast<size_t>(p) < m.PatternItems.size() && m.PatternItems[static_cast<size_t>(p)].Image)
    t.Pattern = &m.PatternItems[static_cast<size_t>(p)];
  return t;
}

// Paints the texture; false when there was none to paint.
bool PaintTextureOf(const Texture& t, const TPixelBufferView& target, const TRect& rect,
                    TColor color) {
  if (t.Pattern) {
    TPixelBuffer picture;
    if (!t.Pattern->Image->Decode(picture)) return false;
    TileGraphic(target, rect, picture.View());
    return true;
  }
  if (!t.Item) return false;
  const TPixelBufferView source = ItemSourceBitmap(*t.Item);
  if (!Is24BitView(source)) return false;
  if (t.Item->Image) {
    TileRect(target, rect, source, TextureSource(*t.Item, source));
    return true;
  }
  TRect left = rect;
  PaintTexture(target, left, source, t.Item->StretchMode, *t.Item);
  if (left.Right >= 0) FillRectPixels(target, left, color);
  return true;
}

struct Values {
  TColor Color;
  int Image, Gradient, Transparency;
  const TGradientArray* Stops;
};

Values ValuesOf(const TsGeneralData& s, bool hot) {
  if (hot)
    return {ColorToRGB(s.HotColor), Percent(s.HotImagePercent), Percent(s.HotGradientPercent),
            Percent(s.HotTransparency), &s.HotGradientArray};
  return {ColorToRGB(s.Color), Percent(s.ImagePercent), Percent(s.GradientPercent),
          Percent(s.Transparency), &s.GradientArray};
}

// Texture, gradient and colour as the section mixes them.
void PaintFill(const Values& v, const Texture& tex, const TPixelBufferView& target, const TRect& rect) {
  bool textured = false;
  if (v.Image > 0) {
    textured = PaintTextureOf(tex, target, rect, v.Color);
    if (!textured) FillRectPixels(target, rect, v.Color);
  }
  if (v.Gradient > 0) {
    auto paintGradient = [&](const TPixelBufferView& into, const TRect& r) {
      if (v.Stops->empty()) FillRectPixels(into, r, v.Color);
      else PaintGradient(into, r, *v.Stops, 0);
    };
    if (textured) {
      TPixelBuffer temp(rect.Width(), rect.Height());
      const TRect whole{0, 0, rect.Width(), rect.Height()};
      paintGradient(temp.View(), whole);
      BlendBitmapRect(target, temp.View(), AlphaOf(v.Image), TPoint{rect.Left, rect.Top}, whole);
    } else {
      paintGradient(target, rect);
    }
  }
  const int sum = v.Image + v.Gradient;
  if (sum == 0) {
    const bool under = ParentBackColor != SkinTransparentColor && v.Transparency > 0;
    FillRectPixels(target, rect, under ? ParentBackColor : v.Color);
  } else if (sum < 100) {
    BlendRectWithColor(target, Inclusive(rect), static_cast<uint8_t>(sum), v.Color);
  }
}

// The parent's look under the rectangle: its cache pixels, or its colour
// when one was set for this painting.
void CopyParent(const TPixelBufferView& target, const TRect& rect, const TCacheInfo& cache,
                TPoint offset) {
  if (cache.Bmp.FirstRow == target.FirstRow) return;
  if (ParentBackColor != SkinTransparentColor) {
    FillRectPixels(target, rect, ParentBackColor);
    return;
  }
  const int sx = cache.X + offset.X, sy = cache.Y + offset.Y;
  CopyPixels(target, rect.Left, rect.Top, cache.Bmp,
             TRect{sx, sy, sx + rect.Width(), sy + rect.Height()});
}

void PaintCornerImages(const TsSkinManager& m, int sectionIndex, const std::string& name,
                       const TPixelBufferView& bitmap, const TRect& rect, int state) {
  struct Corner { const char* Property; bool Right, Bottom; };
  static const Corner corners[] = {{"IMGTOPLEFT", false, false}, {"IMGTOPRIGHT", true, false},
                                   {"IMGBTMLEFT", false, true}, {"IMGBTMRIGHT", true, true}};
  for (const Corner& c : corners) {
    const TsMaskData* item = Item(&m, m.LookupImageItem(sectionIndex, name, c.Property));
    if (!item) continue;
    const TPoint at{c.Right ? rect.Right - FrameWidth(*item) : rect.Left,
                    c.Bottom ? rect.Bottom - FrameHeight(*item) : rect.Top};
    PaintMaskGlyph(bitmap, at, state, *item, 1);
  }
}

}  // namespace

// -- Textures --------------------------------------------------------------------------------

void TileGraphic(const TPixelBufferView& target, TRect rect, const TPixelBufferView& picture) {
  if (!Is24BitView(picture)) return;
  TileRect(target, ClipToBitmap(rect, target), picture, TRect{0, 0, picture.Width, picture.Height});
}

void PaintTexture(const TPixelBufferView& target, TRect& rect, const TPixelBufferView& source,
                  int mode, const TsMaskData& item) {
  const TRect tile = TextureSource(item, source);
  const TRect area = ClipToBitmap(rect, target);
  if (tile.IsEmpty() || area.IsEmpty() || !Is24BitView(target)) {
    rect = TRect{0, 0, -1, 0};
    return;
  }
  const TextureBand band = BandOf(area, mode, tile.Width(), tile.Height());
  if (band.Stretch) PaintSeam().StretchHalftone(target, band.Area, source, tile);
  else TileRect(target, band.Area, source, tile);
  rect = band.Left;
}

void PaintMaskedTexture(const TPixelBufferView& target, TRect rect, const TCacheInfo& cache,
                        int mode, const TsMaskData& item) {
  if (!item.Manager || !item.Manager->MasterBitmap || !Is24BitView(target)) return;
  const TRect area = ClipToBitmap(rect, target);
  // The picture is the upper half; the mask lies below it.
  const TRect picture{item.SourceRect.Left, item.SourceRect.Top, item.SourceRect.Right,
                      item.SourceRect.Top + item.SourceRect.Height() / 2};
  const int tw = picture.Width(), th = picture.Height();
  if (tw < 1 || th < 1 || area.IsEmpty()) return;
  const TRect band = BandOf(area, mode, tw, th).Area;
  for (int y = band.Top; y < band.Bottom; y += th)
    for (int x = band.Left; x < band.Right; x += tw) {
      const int w = std::min(tw, band.Right - x), h = std::min(th, band.Bottom - y);
      CopyMasterPiece(TRect{x, y, x + w, y + h},
                      TRect{picture.Left, picture.Top, picture.Left + w, picture.Top + h}, target,
                      item, cache);
    }
}

// -- Sections -----------------------------------------------------------------------------------

void PaintSectionBackground(int sectionIndex, const std::string& sectionName,
                            const TCacheInfo& cache, TColor overrideColor, int hotPatternIndex,
                            int patternIndex, TsSkinManager* manager,
                            const TPixelBufferView& bitmap, TPoint offset, TRect rect, int state) {
  TsSkinManager* m = Resolve(manager);
  if (!m || !m->IsValidSectionIndex(sectionIndex) || !Is24BitView(bitmap)) return;
  rect = ClipToBitmap(rect, bitmap);
  if (rect.IsEmpty()) return;
  if (overrideColor != SkinTransparentColor) {
    FillRectPixels(bitmap, rect, overrideColor);
    return;
  }
  const TsGeneralData& s = m->SectionItems[static_cast<size_t>(sectionIndex)];
  const bool hot = state > 0;
  const Values v = ValuesOf(s, hot);
  Texture tex;
  if (v.Image > 0)
    tex = ChooseTexture(*m, sectionIndex, sectionName, hot ? hotPatternIndex : patternIndex, hot);

  const bool parentUsable = cache.Ready && Is24BitView(cache.Bmp);
  if (parentUsable && v.Transparency >= 100) {
    CopyParent(bitmap, rect, cache, offset);
  } else if (parentUsable && v.Transparency > 0) {
    TPixelBuffer temp(rect.Width(), rect.Height());
    const TRect whole{0, 0, rect.Width(), rect.Height()};
    PaintFill(v, tex, temp.View(), whole);
    CopyParent(bitmap, rect, cache, offset);
    BlendBitmapRect(bitmap, temp.View(), AlphaOf(v.Transparency), TPoint{rect.Left, rect.Top}, whole);
  } else {
    PaintFill(v, tex, bitmap, rect);
  }

  if (state == 0) {
    const int pattern = patternIndex == -1
                            ? m->LookupImageItem(sectionIndex, sectionName, "PATTERN")
                            : patternIndex;
    const TsMaskData* masked = Item(m, pattern);
    if (!masked) masked = Item(m, hotPatternIndex);
    if (masked && masked->MaskType > 0 && masked->StretchMode == 10)
      PaintMaskedTexture(bitmap, rect, cache, 10, *masked);
  }
}

void PaintControlBackground(const TsCommonData* sd, const TCacheInfo& cache, int state,
                            const TPixelBufferView& bitmap, TPoint offset, TRect rect) {
  if (!sd) return;
  TColor custom = SkinTransparentColor;
  if (sd->CustomColor()) {
    TsControlModel& model = ControlModel();
    if (sd->HostObject && model.IsSkinProvider(sd->HostObject))
      custom = model.ProviderFormColor(sd->HostObject);
    else if (sd->HostControl)
      custom = model.Color(sd->HostControl);
  }
  PaintSectionBackground(sd->SectionIndex, sd->SkinSection(), cache, custom, sd->HotPatternIndex,
                         sd->PatternIndex, sd->SkinManager(), bitmap, offset, rect, state);
}

void PaintSection(int sectionIndex, const std::string& sectionName, const TCacheInfo& cache,
                  int hotPatternIndex, int patternIndex, TsSkinManager* manager,
                  const TPixelBufferView& bitmap, TPoint offset, TRect rect, int state,
                  bool fillCentre) {
  TsSkinManager* m = Resolve(manager);
  if (!m || !Is24BitView(bitmap) || rect.IsEmpty() || !m->IsValidSectionIndex(sectionIndex) ||
      !Inside(rect, bitmap))
    return;
  PaintSectionBackground(sectionIndex, sectionName, cache, SkinTransparentColor, hotPatternIndex,
                         patternIndex, m, bitmap, offset, rect, state);
  PaintCornerImages(*m, sectionIndex, sectionName, bitmap, rect, state);
  if (const TsMaskData* border = Item(m, m->LookupImageItem(sectionIndex, sectionName, "BORDERSMASK")))
    PaintMaskImage(bitmap, rect, fillCentre, 1, state, *border, Moved(cache, offset));
}

void PaintSectionWithMask(int sectionIndex, int maskIndex, int patternIndex,
                          TsSkinManager* manager, const TPixelBufferView& bitmap, TPoint offset,
                          TRect rect, int state, bool fillCentre, const TCacheInfo& cache,
                          const std::string& sectionName, int hotPatternIndex) {
  TsSkinManager* m = Resolve(manager);
  if (!m || !Is24BitView(bitmap)) return;
  PaintSectionBackground(sectionIndex, sectionName, cache, SkinTransparentColor, hotPatternIndex,
                         patternIndex, m, bitmap, offset, rect, state);
  if (const TsMaskData* border = Item(m, maskIndex))
    PaintMaskImage(bitmap, rect, fillCentre, 1, state, *border, Moved(cache, offset));
}

void PaintControlSkin(const TsCommonData* sd, const TCacheInfo& cache, bool fillCentre, int mode,
                      const TPixelBufferView& bitmap, TPoint offset, TRect rect, int state) {
  if (!sd || !Is24BitView(bitmap)) return;
  TsSkinManager* m = sd->SkinManager();
  if (!m || !m->IsValidSectionIndex(sd->SectionIndex) || rect.IsEmpty() || !Inside(rect, bitmap))
    return;
  ColorGlobalsReset reset;
  TsControlModel& model = ControlModel();
  TComponent* parent = sd->HostControl ? model.Parent(sd->HostControl) : nullptr;
  ParentBackColor = SkinTransparentColor;
  if (!cache.Ready && parent) {
    ParentBackColor = ColorToRGB(model.Color(parent));
    TransparentFillColor = ParentBackColor;
  } else if (cache.Ready && parent && !sd->NeedsFullRedraw()) {
    QueryParentColor(model, parent);
  }
  PaintControlBackground(sd, cache, state, bitmap, offset, rect);
  if (const TsMaskData* border = Item(m, sd->BorderItemIndex))
    if (state != 0 || (border->StretchMode & 2) == 0)
      PaintMaskImage(bitmap, rect, fillCentre, mode, state, *border, Moved(cache, offset));
  ParentBackColor = SkinTransparentColor;
  TransparentFillColor = SkinTransparentColor;
  PaintCornerImages(*m, sd->SectionIndex, sd->SkinSection(), bitmap, rect, state);
}

// -- Disabled look and glyphs -------------------------------------------------------------------

void PaintDisabledLook(const TPixelBufferView& bitmap, TsDisabledKind kind, TComponent* parent,
                       TPoint offset, const TCacheInfo& parentCache) {
  if (!Is24BitView(bitmap)) return;
  if (kind.Contains(dkGrayed)) GrayscaleBitmap(bitmap);
  if (!kind.Contains(dkBlended)) return;
  if (parentCache.Ready && Is24BitView(parentCache.Bmp)) {
    const int x = parentCache.X + offset.X, y = parentCache.Y + offset.Y;
    BlendRectKeyed(bitmap, 0, 0, static_cast<TColor>(0xFF000000u), 0.4,
                   TRect{x, y, x + bitmap.Width - 1, y + bitmap.Height - 1}, parentCache.Bmp);
    return;
  }
  TColor under = ParentBackColor;
  if (under == SkinTransparentColor) under = parent ? ColorToRGB(ControlModel().Color(parent)) : clBtnFace;
  BlendRectWithColor(bitmap, TRect{0, 0, bitmap.Width - 1, bitmap.Height - 1}, 50, ColorToRGB(under));
}

int GlyphFrameIndex(int frameCount, int stateKind, bool down, bool enabled) {
  if (frameCount <= 1) return 0;
  if (!enabled) return 1;
  switch (stateKind) {
    case 1: return frameCount >= 5 ? 4 : 0;
    case 2: return down && frameCount >= 4 ? 3 : (frameCount >= 3 ? 2 : 0);
    default: return 0;  // normal, and kinds without a frame of their own
  }
}

namespace {

// A 24-bit copy of a 24- or 32-bit picture.
TPixelBuffer Copy24(const TPixelBufferView& from) {
  TPixelBuffer out(from.Width, from.Height);
  const TPixelBufferView to = out.View();
  if (to.Empty()) return out;
  for (int y = 0; y < from.Height; ++y)
    for (int x = 0; x < from.Width; ++x) {
      const uint8_t* s = from.Pixel(x, y);
      uint8_t* d = to.Pixel(x, y);
      d[0] = s[0];
      d[1] = s[1];
      d[2] = s[2];
    }
  return out;
}

}  // namespace

void PaintGlyphImage(const TPixelBufferView& glyph, const TPixelBufferView& target, TRect rect,
                     bool down, int blendPercent, int stateKind, TsDisabledKind disabledKind,
                     bool grayed, bool enabled, int frameCount) {
  if (glyph.Empty() || (glyph.BytesPerPixel != 3 && glyph.BytesPerPixel != 4) || !Is24BitView(target))
    return;
  TPixelBuffer copy = Copy24(glyph);
  const TPixelBufferView g = copy.View();
  const int count = std::max(frameCount, 1);
  const int fw = g.Width / count;
  if (fw < 1) return;
  const double blend = blendPercent / 100.0;
  if (count == 1) {
    const TColor key = ReadPixelBytes(g.Pixel(0, g.Height - 1));
    const TRect whole{0, 0, g.Width - 1, g.Height - 1};
    if (enabled) {
      if (stateKind == 0 && grayed) GrayscaleExceptKey(g, key);
      if (stateKind != 0 || blendPercent < 1)
        CopyBitmapKeyed(target, g, rect.Left, key, rect.Top);
      else
        BlendRectKeyed(target, rect.Left, rect.Top, key, blend, whole, g);
    } else {
      if (disabledKind.Contains(dkGrayed)) GrayscaleExceptKey(g, key);
      if (disabledKind.Contains(dkBlended))
        BlendRectKeyed(target, rect.Left, rect.Top, key, 0.5, whole, g);
      else
        CopyBitmapKeyed(target, g, rect.Left, key, rect.Top);
    }
    return;
  }
  const int frame = std::min(GlyphFrameIndex(count, stateKind, down, enabled), count - 1);
  const int left = frame * fw;
  const TColor key = ReadPixelBytes(g.Pixel(enabled ? left : 0, g.Height - 1));
  const TRect source{left, 0, left + fw - 1, g.Height - 1};
  if (!enabled && stateKind == 0 && blendPercent > 0)
    BlendRectKeyed(target, rect.Left, rect.Top, key, blend, source, g);
  else
    CopyRectKeyed(target, g, rect.Left, true, EmptyCacheInfo, key, source, rect.Top);
}

// -- Corners of a cache ----------------------------------------------------------------------------

void RedrawCachedCorners(TsCommonData* sd, int state, int parts) {
  if (!sd || !sd->CacheBitmap || !sd->HostControl) return;
  TsSkinManager* m = sd->SkinManager();
  const TsMaskData* border = Item(m, sd->BorderItemIndex);
  if (!border) return;
  TsControlModel& model = ControlModel();
  if (model.Width(sd->HostControl) <= 1 || model.Height(sd->HostControl) <= 1) return;
  const TPixelBufferView cache = sd->CacheBitmap->PixelView();
  if (!Is24BitView(cache)) return;
  ColorGlobalsReset reset;
  TCacheInfo parentCache = EmptyCacheInfo;
  sd->GetParentCacheInfo(parentCache);
  TComponent* parent = model.Parent(sd->HostControl);
  ParentBackColor = SkinTransparentColor;
  if (parent) {
    if (!parentCache.Ready) ParentBackColor = ColorToRGB(model.Color(parent));
    else if (!sd->NeedsFullRedraw()) QueryParentColor(model, parent);
  }
  TsMaskData item = *border;
  if (item.ImageCount == 0 && item.Image) {
    item.SourceRect = TRect{0, 0, item.Image->Width(), item.Image->Height()};
    item.ImageCount = 3;
    item.MaskType = 1;
  }
  // The parent's pixels at the control's place in it.
  PaintCacheCorners(cache, item, state, parts, Moved(parentCache, model.Position(sd->HostControl)));
}

void RedrawCachedBorders(TsCommonData* sd, int state) { RedrawCachedCorners(sd, state, AllCorners); }

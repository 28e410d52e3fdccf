#include "skin/core/skin_recolor.h"

#include <cstring>
#include <functional>
#include <memory>
#include <set>

#include "skin/core/color_helpers.h"
#include "skin/core/pixel_access.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_content.h"

namespace {

using TColorChange = std::function<TColor(TColor)>;

bool KeepsColor(TColor c) {
  if (c == SkinTransparentColor) return true;
  return RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c);
}

void RecolorView(const TPixelBufferView& v, const TColorChange& change) {
  if (v.Empty() || v.BytesPerPixel != 3) return;
  for (int y = 0; y < v.Height; ++y) {
    uint8_t* p = v.Row(y);
    for (int x = 0; x < v.Width; ++x, p += 3) {
      const TColor c = ReadPixelBytes(p);
      if (!KeepsColor(c)) WritePixelBytes(p, change(c));
    }
  }
}

// Textures may have come with a fourth byte per pixel; recolouring works on
// three.
void MakeThreeBytes(TPixelBuffer& image) {
  if (image.BytesPerPixel() == 3) return;
  TPixelBuffer out(image.Width(), image.Height(), 3, image.RowOrder());
  const TPixelBufferView from = image.View(), to = out.View();
  for (int y = 0; y < to.Height; ++y) {
    const uint8_t* s = from.Row(y);
    uint8_t* d = to.Row(y);
    for (int x = 0; x < to.Width; ++x, s += from.BytesPerPixel, d += 3) std::memcpy(d, s, 3);
  }
  image = std::move(out);
}

void RecolorSkin(TsSkinContent& skin, const TColorChange& change) {
  // Items may share a bitmap; each is turned once.
  std::set<TPixelBuffer*> done;
  auto recolor = [&](const std::shared_ptr<TPixelBuffer>& image) {
    if (!image || !done.insert(image.get()).second) return;
    MakeThreeBytes(*image);
    RecolorView(image->View(), change);
  };
  recolor(skin.MasterBitmap);
  for (TsMaskData& item : skin.MaskItems) recolor(item.Image);

  for (TsGeneralData& g : skin.SectionItems) {
    auto turn = [&](TColor& c) {
      if (c != -1) c = change(c);
    };
    turn(g.Color);
    turn(g.HotColor);
    for (TColor& c : g.FontColor) turn(c);
    for (TColor& c : g.HotFontColor) turn(c);
  }
}

}  // namespace

void RecolorHue(const TPixelBufferView& pixels, int degrees) {
  if (degrees == 0) return;
  RecolorView(pixels, [degrees](TColor c) { return ChangeColorHue(degrees, c); });
}

void RecolorSaturation(const TPixelBufferView& pixels, int amount) {
  if (amount == 0) return;
  RecolorView(pixels, [amount](TColor c) { return ChangeColorSaturation(c, amount); });
}

void ApplyHueOffset(TsSkinContent& skin, int degrees) {
  if (degrees == 0) return;
  RecolorSkin(skin, [degrees](TColor c) { return ChangeColorHue(degrees, c); });
}

void ApplySaturation(TsSkinContent& skin, int amount) {
  if (amount == 0) return;
  RecolorSkin(skin, [amount](TColor c) { return ChangeColorSaturation(c, amount); });
}

#include "skin/controls/hint_pixels.h"

#include <algorithm>

#include "platform/rtl/sysutils.h"
#include "skin/core/blending.h"
#include "skin/core/gradient_data.h"
#include "skin/core/gradients.h"
#include "skin/core/pixel_fill.h"
#include "skin/core/section_painting.h"

namespace {

TGradientArray ParsedStops(const std::string& data) {
  TGradientArray stops;
  try {
    ParseGradientData(data, stops);
  } catch (const Exception&) {
    stops.clear();
  }
  return stops;
}

// Solid fills of the body take its right and bottom edges too.
void FillBody(const TPixelBufferView& bitmap, const TRect& body, TColor color) {
  FillRectPixels(bitmap, TRect{body.Left, body.Top, body.Right + 1, body.Bottom + 1}, color);
}

}  // namespace

int PaintHintBackground(const TPixelBufferView& bitmap, const TRect& body, const THintFill& fill) {
  int gradient = std::max(fill.GradientPercent, 0);
  const int texture = std::max(fill.TexturePercent, 0);
  TGradientArray stops;
  if (gradient > 0) {
    stops = ParsedStops(fill.GradientData);
    if (stops.empty()) gradient = 0;
  }
  if (texture < 1 || fill.Texture.Empty()) FillBody(bitmap, body, fill.Color);
  else TileGraphic(bitmap, body, fill.Texture);
  if (gradient > 0) {
    if (texture >= 1) {
      TPixelBuffer layer(std::max(body.Width(), 0), std::max(body.Height(), 0));
      const TPixelBufferView lv = layer.View();
      if (!lv.Empty()) {
        PaintGradient(lv, TRect{0, 0, lv.Width, lv.Height}, stops, 0);
        const int alpha = std::min(texture * 256 / 100, 255);
        BlendBitmapRect(bitmap, lv, static_cast<uint8_t>(alpha), TPoint{body.Left, body.Top},
                        TRect{0, 0, lv.Width, lv.Height});
      }
    } else {
      PaintGradient(bitmap, body, stops, 0);
    }
  }
  const int p = gradient + texture;
  if (p >= 1 && p <= 99) BlendRectWithColor(bitmap, body, static_cast<uint8_t>(p), fill.Color);
  else if (p != 100) FillBody(bitmap, body, fill.Color);
  return gradient;
}

void TraceShapeEdge(const TPixelBufferView& bitmap, const TPixelBufferView& mask, TColor top,
                    TColor bottom) {
  if (bitmap.Width != mask.Width || bitmap.Height != mask.Height) return;
  const int w = mask.Width, h = mask.Height;
  auto put = [&](int x, int y, TColor c) {
    uint8_t* p = bitmap.Pixel(x, y);
    p[0] = static_cast<uint8_t>(c >> 16);
    p[1] = static_cast<uint8_t>(c >> 8);
    p[2] = static_cast<uint8_t>(c);
  };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!InsideMask(mask, x, y)) continue;
      if (x == 0 || y == 0 || !InsideMask(mask, x - 1, y) || !InsideMask(mask, x, y - 1))
        put(x, y, top);
      else if (x == w - 1 || y == h - 1 || !InsideMask(mask, x + 1, y) || !InsideMask(mask, x, y + 1))
        put(x, y, bottom);
    }
  }
}

void ComposeLayeredImage(const TPixelBufferView& target32, const TPixelBufferView& image,
                         const TPixelBufferView& mask, const TPixelBufferView& shadow) {
  const int w = target32.Width, h = target32.Height;
  if (target32.BytesPerPixel != 4) return;
  for (const TPixelBufferView* v : {&image, &mask, &shadow})
    if (v->Width != w || v->Height != h) return;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      uint8_t* t = target32.Pixel(x, y);
      if (mask.Pixel(x, y)[2] == 255) {
        t[0] = t[1] = t[2] = 0;
        t[3] = static_cast<uint8_t>(255 - shadow.Pixel(x, y)[2]);
      } else {
        const uint8_t* s = image.Pixel(x, y);
        t[0] = s[0];
        t[1] = s[1];
        t[2] = s[2];
        t[3] = 255;
      }
    }
  }
}

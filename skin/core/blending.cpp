#include "skin/core/color_helpers.h"
#include "skin/core/blending.h"

#include <algorithm>

#include "platform/rtl/sysutils.h"
#include "skin/core/pixel_access.h"
#include "skin/core/skin_utils.h"

void MixRow(uint8_t* target, const uint8_t* picture,
            const uint8_t* mask, int n) {
  // t * m + p * (256 - m) never passes 255 * 256: 16-bit lanes hold it.
  for (int i = 0; i < n; ++i) {
    const uint16_t m = mask[i];
    target[i] = static_cast<uint8_t>(
        static_cast<uint16_t>(target[i] * m + picture[i] * static_cast<uint16_t>(256 - m)) >> 8);
  }
}

void BlendRectWithColor(const TPixelBufferView& bitmap, TRect rect, uint8_t percent, TColor color) {
  if (!Is24BitView(bitmap)) return;
  rect.Left = std::max(rect.Left, 0);
  rect.Top = std::max(rect.Top, 0);
  rect.Right = std::min(rect.Right, bitmap.Width - 1);
  rect.Bottom = std::min(rect.Bottom, bitmap.Height - 1);
  if (rect.Left > rect.Right || rect.Top > rect.Bottom) return;

  // One table per channel: the result depends only on the pixel's byte.
  const TColor rgb = ColorToRGB(color);
  const int channel[3] = {BlueOf(rgb), GreenOf(rgb), RedOf(rgb)};
  const double f = percent / 100.0;
  uint8_t table[3][256];
  for (int c = 0; c < 3; ++c)
    for (int v = 0; v < 256; ++v)
      table[c][v] = static_cast<uint8_t>(ClampToByte(Round(f * v + (1 - f) * channel[c])));

  for (int y = rect.Top; y <= rect.Bottom; ++y) {
    uint8_t* p = bitmap.Pixel(rect.Left, y);
    for (int x = rect.Left; x <= rect.Right; ++x, p += 3) {
      p[0] = table[0][p[0]];
      p[1] = table[1][p[1]];
      p[2] = table[2][p[2]];
    }
  }
}

void BlendRectKeyed(const TPixelBufferView& target, int x, int y, TColor key, double weight,
                    TRect src, const TPixelBufferView& source) {
  if (!Is24BitView(target) || !Is24BitView(source)) return;
  src.Left = std::max(src.Left, 0);
  src.Top = std::max(src.Top, 0);
  src.Right = std::min(src.Right, source.Width - 1);
  src.Bottom = std::min(src.Bottom, source.Height - 1);
  const bool keyed = HasKeyColor(key);
  const TColor k = KeyColorValue(key);
  const auto lay = [weight](int s, int t) {
    return static_cast<uint8_t>(ClampToByte(Round(s - weight * (s - t))));
  };
  for (int row = 0; row <= src.Bottom - src.Top; ++row) {
    const int ty = y + row;
    if (ty < 0 || ty >= target.Height) continue;
    const uint8_t* s = source.Pixel(src.Left, src.Top + row);
    for (int col = 0; col <= src.Right - src.Left; ++col, s += 3) {
      const int tx = x + col;
      if (tx < 0 || tx >= target.Width) continue;
      if (keyed && PixelIsKey(s, k)) continue;
      uint8_t* t = target.Pixel(tx, ty);
      t[0] = lay(s[0], t[0]);
      t[1] = lay(s[1], t[1]);
      t[2] = lay(s[2], t[2]);
    }
  }
}

void BlendWholeBitmap(const TPixelBufferView& target, const TPixelBufferView& source,
                      uint8_t alpha) {
  if (target.Width != source.Width || target.Height != source.Height) return;
  if (!SharedFastSum24.Attach(source, target)) return;
  SharedFastSum24.Alpha = alpha;
  SharedFastSum24.DstLeft = SharedFastSum24.SrcLeft = 0;
  SharedFastSum24.DstTop = SharedFastSum24.SrcTop = 0;
  SharedFastSum24.DstRight = SharedFastSum24.SrcRight = target.Width;
  SharedFastSum24.DstBottom = SharedFastSum24.SrcBottom = target.Height;
  SharedFastSum24.Blend();
}

void BlendBitmapRect(const TPixelBufferView& target, const TPixelBufferView& source,
                     uint8_t alpha, TPoint point, TRect src) {
  if (point.X < 0) { src.Left -= point.X; point.X = 0; }
  if (point.Y < 0) { src.Top -= point.Y; point.Y = 0; }
  if (src.Left < 0) { point.X -= src.Left; src.Left = 0; }
  if (src.Top < 0) { point.Y -= src.Top; src.Top = 0; }
  src.Right = std::min(src.Right, source.Width);
  src.Bottom = std::min(src.Bottom, source.Height);
  src.Right = std::min(src.Right, src.Left + target.Width - point.X);
  src.Bottom = std::min(src.Bottom, src.Top + target.Height - point.Y);
  const int w = src.Width(), h = src.Height();
  if (w <= 0 || h <= 0) return;
  if (!SharedFastSum24.Attach(source, target)) return;
  SharedFastSum24.Alpha = alpha;
  SharedFastSum24.SrcLeft = src.Left;
  SharedFastSum24.SrcTop = src.Top;
  SharedFastSum24.SrcRight = src.Right;
  SharedFastSum24.SrcBottom = src.Bottom;
  SharedFastSum24.DstLeft = point.X;
  SharedFastSum24.DstTop = point.Y;
  SharedFastSum24.DstRight = point.X + w;
  SharedFastSum24.DstBottom = point.Y + h;
  SharedFastSum24.Blend();
}

void TintThroughMask(const TPixelBufferView& bitmap, const TPixelBufferView& mask, TColor color) {
  if (!Is24BitView(bitmap) || !Is24BitView(mask)) return;
  if (bitmap.Width != mask.Width || bitmap.Height != mask.Height) return;
  const int c[3] = {BlueOf(color), GreenOf(color), RedOf(color)};
  for (int y = 0; y < bitmap.Height; ++y) {
    uint8_t* p = bitmap.Row(y);
    const uint8_t* m = mask.Row(y);
    for (int i = 0; i < bitmap.Width * 3; ++i) p[i] = ShiftMix(c[i % 3] * 256 + m[i] * (p[i] - c[i % 3]));
  }
}

void MixThroughMask(const TPixelBufferView& target, const TPixelBufferView& source,
                    const TPixelBufferView& mask, TRect rect) {
  if (!Is24BitView(target) || !Is24BitView(source) || !Is24BitView(mask)) return;
  rect.Left = std::max(rect.Left, 0);
  rect.Top = std::max(rect.Top, 0);
  rect.Right = std::min({rect.Right, target.Width, source.Width, mask.Width});
  rect.Bottom = std::min({rect.Bottom, target.Height, source.Height, mask.Height});
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    uint8_t* t = target.Pixel(rect.Left, y);
    const uint8_t* s = source.Pixel(rect.Left, y);
    const uint8_t* m = mask.Pixel(rect.Left, y);
    for (int i = 0; i < rect.Width() * 3; ++i) t[i] = MixChannel(t[i], s[i], m[i]);
  }
}

void MixFadeFrame(const TPixelBufferView& frame, const TPixelBufferView& first,
                  const TPixelBufferView& second, int weight, const TPixelBufferView* mask) {
  if (frame.Empty() || frame.BytesPerPixel != 4) return;
  if (!Is24BitView(first) || !Is24BitView(second)) return;
  if (first.Width != second.Width || first.Height != second.Height) return;
  if (mask && !Is24BitView(*mask)) return;
  int w = std::min(frame.Width, first.Width);
  int h = std::min(frame.Height, first.Height);
  if (mask) {
    w = std::min(w, mask->Width);
    h = std::min(h, mask->Height);
  }
  for (int y = 0; y < h; ++y) {
    uint8_t* out = frame.Row(y);
    const uint8_t* a = first.Row(y);
    const uint8_t* b = second.Row(y);
    const uint8_t* m = mask ? mask->Row(y) : nullptr;
    for (int x = 0; x < w; ++x, out += 4, a += 3, b += 3) {
      for (int c = 0; c < 3; ++c) out[c] = MixChannel(a[c], b[c], m ? m[c] : weight);
      if (m) m += 3;
    }
  }
}

std::vector<int> FadeFrameWeights(int time_ms) {
  std::vector<int> weights;
  if (time_ms <= 7) return weights;
  const int steps = static_cast<int>(static_cast<unsigned>(time_ms) >> 3);
  const int delta = 255 / steps;
  int alpha = 255;
  for (int i = 0; i <= steps; ++i, alpha -= delta) weights.push_back(alpha);
  return weights;
}

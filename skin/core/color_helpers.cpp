#include "skin/core/color_helpers.h"

#include <algorithm>
#include <cstdint>

#include "platform/rtl/sysutils.h"
#include "skin/core/skin_utils.h"

TColor SwapRedBlue(TColor color) {
  const uint32_t c = static_cast<uint32_t>(color);
  return static_cast<TColor>(((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
}

TColor InterpolateColor(TColor a, TColor b, double factor) {
  const auto mix = [factor](int ca, int cb) {
    return static_cast<uint32_t>(ClampToByte(Round(factor * (ca - cb) + cb)));
  };
  const uint32_t r = mix(RedOf(a), RedOf(b));
  const uint32_t g = mix(GreenOf(a), GreenOf(b));
  const uint32_t bl = mix(BlueOf(a), BlueOf(b));
  return static_cast<TColor>((static_cast<uint32_t>(a) & 0xFF000000u) | r | (g << 8) | (bl << 16));
}

TColor ChangeColorSaturation(TColor color, int amount) {
  if (amount == 0) return color;
  const int r = RedOf(color), g = GreenOf(color), b = BlueOf(color);
  const double avg = (r + g + b) / 3.0;
  const auto move = [amount, avg](int c) {
    return static_cast<uint8_t>(ClampToByte(Round(c + amount * (avg - c) / 100.0)));
  };
  return RGBColor(move(r), move(g), move(b));
}

TColor ChangeColorHue(int degrees, TColor color) {
  const TColor rgb = ColorToRGB(color);
  const int r = RedOf(rgb), g = GreenOf(rgb), b = BlueOf(rgb);
  const int v = std::max({r, g, b});
  const int lowest = std::min({r, g, b});
  const double s = v == 0 ? 0.0 : static_cast<double>(v - lowest) / v;
  if (s == 0.0)
    return static_cast<TColor>((static_cast<uint32_t>(rgb) & 0xFFFFFF00u) | static_cast<uint32_t>(v));

  const double k = 60.0 / (v - lowest);
  double hue;
  if (r == v)
    hue = (v - k * b) - (v - k * g);
  else if (g == v)
    hue = (v - k * r) + 120 - (v - k * b);
  else
    hue = (v - k * g) + 240 - (v - k * r);
  if (hue < 0) hue += 360;

  // Negative turns would leave a negative hue after the remainder.
  int turned = Round(degrees + hue) % 360;
  if (turned < 0) turned += 360;

  const int sextant = turned / 60;
  const double f = turned / 60.0 - sextant;
  const auto level = [](double x) { return static_cast<uint8_t>(ClampToByte(Round(x))); };
  const uint8_t vv = static_cast<uint8_t>(v);
  const uint8_t p = level(v * (1 - s));
  const uint8_t q = level(v * (1 - f * s));
  const uint8_t t = level(v * (1 - (1 - f) * s));
  switch (sextant) {
    case 0: return RGBColor(vv, t, p);
    case 1: return RGBColor(q, vv, p);
    case 2: return RGBColor(p, vv, t);
    case 3: return RGBColor(p, q, vv);
    case 4: return RGBColor(t, p, vv);
    default: return RGBColor(vv, p, q);
  }
}

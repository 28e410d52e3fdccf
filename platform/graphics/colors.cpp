#include "platform/graphics/colors.h"

#include <iterator>

namespace brsm {
namespace {

SystemColorSource g_source = nullptr;

// The classic Windows scheme, indexed by COLOR_*.
constexpr TColor kClassic[] = {
    RGBColor(212, 208, 200),  // scroll bar
    RGBColor(58, 110, 165),   // background
    RGBColor(10, 36, 106),    // active caption
    RGBColor(128, 128, 128),  // inactive caption
    RGBColor(212, 208, 200),  // menu
    RGBColor(255, 255, 255),  // window
    RGBColor(0, 0, 0),        // window frame
    RGBColor(0, 0, 0),        // menu text
    RGBColor(0, 0, 0),        // window text
    RGBColor(255, 255, 255),  // caption text
    RGBColor(212, 208, 200),  // active border
    RGBColor(212, 208, 200),  // inactive border
    RGBColor(128, 128, 128),  // application work space
    RGBColor(10, 36, 106),    // highlight
    RGBColor(255, 255, 255),  // highlight text
    RGBColor(212, 208, 200),  // button face
    RGBColor(128, 128, 128),  // button shadow
    RGBColor(128, 128, 128),  // grey text
    RGBColor(0, 0, 0),        // button text
    RGBColor(212, 208, 200),  // inactive caption text
    RGBColor(255, 255, 255),  // button highlight
    RGBColor(64, 64, 64),     // 3D dark shadow
    RGBColor(212, 208, 200),  // 3D light
    RGBColor(0, 0, 0),        // info text
    RGBColor(255, 255, 225),  // info background
    RGBColor(181, 181, 181),  // (alternate button face)
    RGBColor(0, 0, 128),      // hot light
    RGBColor(166, 202, 240),  // gradient active caption
    RGBColor(192, 192, 192),  // gradient inactive caption
    RGBColor(10, 36, 106),    // menu highlight
    RGBColor(212, 208, 200),  // menu bar
};

}  // namespace

TColor ClassicSystemColor(int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kClassic))) return clBlack;
  return kClassic[index];
}

SystemColorSource SetSystemColorSource(SystemColorSource source) {
  SystemColorSource old = g_source ? g_source : PlatformSystemColor;
  g_source = source;
  return old;
}

}  // namespace brsm

TColor ColorToRGB(TColor color) {
  if (color >= 0) return color;
  brsm::SystemColorSource source = brsm::g_source ? brsm::g_source : brsm::PlatformSystemColor;
  return source(color & 0xFF) & 0xFFFFFF;
}

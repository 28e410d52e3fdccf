// Colours as the rest of the system stores them: 0x00BBGGRR, red in the low
// byte. Negative values (top bit set) name a system colour by its index in
// the low byte; ColorToRGB resolves them through the system colour source.
#pragma once

#include <cstdint>

using TColor = int32_t;

namespace brsm {
constexpr TColor SystemColor(int index) {
  return static_cast<TColor>(0x80000000u | static_cast<uint32_t>(index));
}
}  // namespace brsm

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clLtGray = clSilver;
constexpr TColor clDkGray = clGray;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// System colours; the low byte is the Windows COLOR_* index.
constexpr TColor clScrollBar = brsm::SystemColor(0);
constexpr TColor clBackground = brsm::SystemColor(1);
constexpr TColor clActiveCaption = brsm::SystemColor(2);
constexpr TColor clInactiveCaption = brsm::SystemColor(3);
constexpr TColor clMenu = brsm::SystemColor(4);
constexpr TColor clWindow = brsm::SystemColor(5);
constexpr TColor clWindowFrame = brsm::SystemColor(6);
constexpr TColor clMenuText = brsm::SystemColor(7);
constexpr TColor clWindowText = brsm::SystemColor(8);
constexpr TColor clCaptionText = brsm::SystemColor(9);
constexpr TColor clActiveBorder = brsm::SystemColor(10);
constexpr TColor clInactiveBorder = brsm::SystemColor(11);
constexpr TColor clAppWorkSpace = brsm::SystemColor(12);
constexpr TColor clHighlight = brsm::SystemColor(13);
constexpr TColor clHighlightText = brsm::SystemColor(14);
constexpr TColor clBtnFace = brsm::SystemColor(15);
constexpr TColor clBtnShadow = brsm::SystemColor(16);
constexpr TColor clGrayText = brsm::SystemColor(17);
constexpr TColor clBtnText = brsm::SystemColor(18);
constexpr TColor clInactiveCaptionText = brsm::SystemColor(19);
constexpr TColor clBtnHighlight = brsm::SystemColor(20);
constexpr TColor cl3DDkShadow = brsm::SystemColor(21);
constexpr TColor cl3DLight = brsm::SystemColor(22);
constexpr TColor clInfoText = brsm::SystemColor(23);
constexpr TColor clInfoBk = brsm::SystemColor(24);
constexpr TColor clHotLight = brsm::SystemColor(26);
constexpr TColor clGradientActiveCaption = brsm::SystemColor(27);
constexpr TColor clGradientInactiveCaption = brsm::SystemColor(28);
constexpr TColor clMenuHighlight = brsm::SystemColor(29);
constexpr TColor clMenuBar = brsm::SystemColor(30);

// A system colour as 0x00BBGGRR; any other value is returned unchanged
// (clNone and clDefault included, as callers test for them afterwards).
TColor ColorToRGB(TColor color);

constexpr TColor RGBColor(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<TColor>(r | (g << 8) | (b << 16));
}

namespace brsm {

// Where system colours come from: GetSysColor in the Windows build, a fixed
// table of the classic Windows scheme natively. Tests may install their own.
using SystemColorSource = TColor (*)(int index);

// Installs a source (nullptr restores the platform's) and returns the old one.
SystemColorSource SetSystemColorSource(SystemColorSource source);

// The classic scheme, the native default.
TColor ClassicSystemColor(int index);

// Filled by the platform half: GetSysColor on Windows, the classic table natively.
TColor PlatformSystemColor(int index);

}  // namespace brsm

#include "skin/windows/panel_adapter_rules.h"

#include <algorithm>


namespace {
constexpr int kLowered = 1, kRaised = 2;
}

std::string PanelSectionOfBevels(int bevelOuter, int bevelInner, bool singleBorder) {
  if (bevelOuter == kLowered) return bevelInner == kRaised ? "GROUPBOX" : "PANEL_LOW";
  if (bevelOuter == kRaised) return bevelInner == kLowered ? "GROUPBOX" : "PANEL";
  return singleBorder ? "PANEL_LOW" : "CHECKBOX";
}

std::string DialogPanelSection(bool hasControl, std::string_view className) {
  return hasControl && className == "TPanel" ? "CHECKBOX" : "GROUPBOX";
}

TRect GroupCaptionRect(int windowWidth, TSize text) {
  TRect r{6, 0, text.cx + 14, std::max(4, text.cy) + 2};
  if (r.Right > windowWidth) r.Right = windowWidth - 1;
  return r;
}

std::string StripLinkTags(std::string_view text) {
  // Link windows take their tags in either case and with attributes
  // (<a href="...">); a "<" that opens no tag stays.
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '<') {
      size_t j = i + 1;
      if (j < text.size() && text[j] == '/') ++j;
      const bool isTag = j < text.size() && (text[j] == 'a' || text[j] == 'A') && j + 1 < text.size() &&
                         (text[j + 1] == '>' || text[j + 1] == ' ');
      const size_t close = isTag ? text.find('>', j) : std::string_view::npos;
      if (close != std::string_view::npos) {
        i = close + 1;
        continue;
      }
    }
    out += text[i++];
  }
  return out;
}

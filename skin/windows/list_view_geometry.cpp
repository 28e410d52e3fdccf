#include "skin/windows/list_view_geometry.h"

#include <algorithm>

namespace {
constexpr unsigned kViewTypeMask = 0x3;  // LVS_TYPEMASK
constexpr unsigned kReportStyle = 0x1;   // LVS_REPORT
}  // namespace

bool IsReportView(int getViewAnswer, unsigned style) {
  return getViewAnswer == 1 || (getViewAnswer == 0 && (style & kViewTypeMask) == kReportStyle);
}

int ThumbTrackVerticalAmount(int lastPosition, int position, bool report, int itemHeight) {
  if (position == lastPosition) return 0;
  const int step = report ? std::max(1, itemHeight) : 1;
  return step * (position - lastPosition);
}

TvxHeaderLayout LayoutHeaderColumn(int width, int height, unsigned format, bool pressed, int textExtent,
                                   int arrowFrameWidth, int arrowFrameHeight) {
  TvxHeaderLayout l;
  if (width <= 0 || height <= 0) return l;
  l.Paint = true;
  TRect area{4, 1, width - 8, height - 1};
  if (pressed) area = TRect{area.Left + 1, area.Top + 1, area.Right + 1, area.Bottom + 1};
  l.Arrow = (format & (HeaderFormatSortDown | HeaderFormatSortUp)) != 0 && arrowFrameWidth > 0 &&
            arrowFrameHeight > 0;
  const int arrowRoom = l.Arrow ? arrowFrameWidth + 6 : 0;
  const int textWidth = std::max(0, textExtent) + 5;
  int left = area.Left;
  if (format & HeaderFormatRight)
    left = area.Right - arrowRoom - textWidth;
  else if (format & HeaderFormatCenter)
    left = area.Left + (area.Width() - textWidth - arrowRoom) / 2;
  l.Text = TRect{left, area.Top, left + textWidth, area.Bottom};
  if (l.Arrow) l.ArrowAt = TPoint{l.Text.Right + 6, (height - arrowFrameHeight) / 2};
  return l;
}

#include "skin/windows/scroll_bar_geometry.h"

#include <algorithm>

#include "platform/rtl/sysutils.h"
#include "skin/core/skin_manager.h"

namespace {

// value * numerator / denominator rounded half away from zero, as MulDiv
// does; odd SCROLLINFO values never divide by 0 nor overflow: 64-bit
// products, 0 for a divisor that is not positive.
int ScaledBy(int64_t value, int64_t numerator, int64_t denominator) {
  if (denominator <= 0) return 0;
  const int64_t product = value * numerator;
  const int64_t half = denominator / 2;
  const int64_t r = product >= 0 ? (product + half) / denominator : (product - half) / denominator;
  return static_cast<int>(std::clamp<int64_t>(r, INT32_MIN, INT32_MAX));
}

enum { kBtnTop = 0, kBtnLeft = 2 };

}  // namespace

int ScrollBarThickness(const TvxScrollBar& bar, const TvxSystemBarSizes& system) {
  if (bar.Thickness >= 0) return bar.Thickness;
  const int metric = bar.Direction == BarHorizontal ? system.HorzThickness : system.VertThickness;
  return -bar.Thickness * metric;
}

int ScrollBarArrowLength(const TvxScrollBar& bar, const TvxSystemBarSizes& system, int skinArrow) {
  if (bar.ArrowLength >= 0) return bar.ArrowLength;
  return -bar.ArrowLength * std::max(system.ArrowWidth, skinArrow);
}

int SkinArrowSize(const TsSkinManager* manager, int direction) {
  if (!manager || !manager->SkinData.Loaded) return 0;
  const TsCommonIndexCache& c = manager->CommonIndexCache;
  const int left = c.ScrollBtn[kBtnLeft];
  if (!manager->IsValidSectionIndex(left) || !manager->SectionItems[left].ReservedBoolean) return 0;
  if (direction == BarHorizontal) {
    const int item = c.ScrollBtnBorder[kBtnLeft];
    if (!manager->IsValidMaskIndex(item)) return 0;
    const TsMaskData& m = manager->MaskItems[item];
    return m.SourceRect.Width() / std::max<int>(m.ImageCount, 1);
  }
  if (!manager->IsValidMaskIndex(c.ScrollBtnBorder[kBtnLeft])) return 0;
  const int item = c.ScrollBtnBorder[kBtnTop];
  if (!manager->IsValidMaskIndex(item)) return 0;
  const TsMaskData& m = manager->MaskItems[item];
  return m.SourceRect.Height() / std::max<int>(m.MaskType + 1, 1);
}

TRect HorzBarRect(const TvxBarFrame& f) {
  if (!f.HorzVisible) return {};
  TRect r = f.Window;
  r.Left += f.LeftEdge + (f.VertVisible && f.LeftScrollBar ? f.VertThickness : 0);
  r.Right -= f.RightEdge + (f.VertVisible && !f.LeftScrollBar ? f.VertThickness : 0);
  r.Bottom -= f.BottomEdge;
  r.Top = r.Bottom - f.HorzThickness;
  return r;
}

TRect VertBarRect(const TvxBarFrame& f) {
  if (!f.VertVisible) return {};
  TRect r = f.Window;
  r.Top += f.TopEdge;
  r.Bottom -= f.BottomEdge + (f.HorzVisible ? f.HorzThickness : 0);
  if (f.LeftScrollBar) {
    r.Left = f.Window.Left + f.LeftEdge;
    r.Right = r.Left + f.VertThickness;
  } else {
    r.Right = f.Window.Right - f.RightEdge;
    r.Left = r.Right - f.VertThickness;
  }
  return r;
}

TRect CornerRect(const TvxBarFrame& f) {
  if (!f.HorzVisible || !f.VertVisible) return {};
  const TRect v = VertBarRect(f);
  const TRect h = HorzBarRect(f);
  return TRect{v.Left, h.Top, v.Right, h.Bottom};
}

TvxThumb CalcThumb(const TvxScrollInfo& info, int barStart, int barLength, int arrow, int minThumb) {
  TvxThumb t;
  t.Track = std::max(0, barLength - 2 * arrow);
  const int64_t extent = static_cast<int64_t>(info.nMax) - info.nMin + 1;
  if (info.nPage == 0)
    t.Size = arrow;
  else if (extent > 0)
    t.Size = std::max(ScaledBy(info.nPage, t.Track, extent), minThumb);
  else
    t.Size = 0;
  const int free = t.Track - t.Size;
  if (extent > 0 && free > 0) {
    const int64_t page = std::max<int64_t>(info.nPage, 1);
    t.Offset = ScaledBy(static_cast<int64_t>(info.nPos) - info.nMin, free, extent - page);
    t.Offset = std::clamp(t.Offset, 0, free);
  }
  t.Position = barStart + arrow + t.Offset;
  return t;
}

int HitTestBar(const TRect& bar, int direction, TPoint p, const TvxScrollInfo& info, int arrow,
               int minThumb) {
  if (!bar.Contains(p.X, p.Y)) return bpNone;
  const bool horz = direction == BarHorizontal;
  const int start = horz ? bar.Left : bar.Top;
  const int length = horz ? bar.Width() : bar.Height();
  const int at = horz ? p.X : p.Y;
  if (2 * arrow > length) arrow = length / 2;
  if (at < start + arrow) return bpFirstArrow;
  if (at >= start + length - arrow) return bpLastArrow;
  const TvxThumb t = CalcThumb(info, start, length, arrow, minThumb);
  if (t.Size >= t.Track) return bpNone;
  if (at >= t.Position && at < t.Position + t.Size) return bpThumb;
  if (at < t.Position) return bpPageBefore;
  if (at >= t.Position + t.Size) return bpPageAfter;
  return bpNone;
}

bool SizeGripApplies(const TvxGripPlace& place, const TvxBarFrame& f) {
  if (!place.HasParent) return true;
  if (!place.ParentIsTopLevel) return false;
  const bool bottom = place.Window.Bottom + f.BottomEdge == place.ParentClient.Bottom;
  if (f.LeftScrollBar) return bottom && place.Window.Left - f.LeftEdge == place.ParentClient.Left;
  return bottom && place.Window.Right + f.RightEdge == place.ParentClient.Right;
}

void TakeBarRoom(TRect& client, TvxScrollBar& horz, TvxScrollBar& vert, bool horzStyle, bool vertStyle,
                 int horzThickness, int vertThickness, bool leftScrollBar) {
  horz.ShownFlags = horzStyle ? 8 : 0;
  horz.Visible = horzStyle && client.Height() >= horzThickness;
  if (horz.Visible) client.Bottom -= horzThickness;
  vert.ShownFlags = vertStyle ? 8 : 0;
  vert.Visible = vertStyle && client.Width() >= vertThickness;
  if (vert.Visible) {
    if (leftScrollBar)
      client.Left += vertThickness;
    else
      client.Right -= vertThickness;
  }
}

TvxDrag DragThumb(const TvxScrollInfo& info, int trackStart, int trackLength, int thumbSize, int mouse,
                  int grabOffset) {
  TvxDrag d;
  const int room = std::max(0, trackLength - thumbSize);
  d.ThumbStart = std::clamp(mouse - grabOffset, trackStart, trackStart + room);
  const int offset = d.ThumbStart - trackStart;
  const int64_t range = static_cast<int64_t>(info.nMax) - info.nMin;
  int64_t position = range < 1 ? offset : ScaledBy(offset, range - info.nPage + 1, room);
  position += info.nMin;
  const int64_t last = static_cast<int64_t>(info.nMax) - std::max<int64_t>(info.nPage, 1) + 1;
  d.Position = static_cast<int>(std::clamp<int64_t>(position, info.nMin, std::max<int64_t>(last, info.nMin)));
  return d;
}

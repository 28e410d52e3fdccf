#include "skin/windows/form_geometry.h"

#include <algorithm>

namespace {

bool IsToolWindow(TsFormBorder b) { return b == fbToolWindow || b == fbSizeToolWin; }

int WindowHeightLessClient(const TsFormMeasures& f) {
  return f.WindowRect.Height() - f.ClientRect.Height();
}

}  // namespace

bool HasSkinnedFrame(const TsFormMeasures& f) { return f.Border != fbNone || f.MDIChild; }

int CaptionHeight(const TsFormMeasures& f, const TsSystemMetrics& m) {
  if (!((HasSkinnedFrame(f) && f.FullCaptionStyle) || f.Iconic)) return 0;
  return IsToolWindow(f.Border) ? m.SmallCaptionHeight : m.CaptionHeight;
}

namespace {

// The frame's width and height: fixed or sizing frames for MDI children,
// dialog or sizing frames for other forms.
TPoint FrameSize(const TsFormMeasures& f, const TsSystemMetrics& m) {
  if (!HasSkinnedFrame(f)) return {0, 0};
  if (f.MDIChild) {
    if (f.Border == fbSingle || f.Border == fbToolWindow) return {m.FixedFrameX, m.FixedFrameY};
    return {m.SizeFrameX, m.SizeFrameY};
  }
  if (f.Border == fbSingle || f.Border == fbDialog || f.Border == fbToolWindow)
    return {m.DialogFrameX, m.DialogFrameY};
  return {m.FrameX, m.FrameY};
}

}  // namespace

int FrameWidth(const TsFormMeasures& f, const TsSystemMetrics& m) { return FrameSize(f, m).X; }
int FrameHeight(const TsFormMeasures& f, const TsSystemMetrics& m) { return FrameSize(f, m).Y; }

int FormWidth(const TsFormMeasures& f) { return f.Iconic ? f.WindowRect.Width() : f.Width; }

int TopAreaHeight(const TsFormMeasures& f, const TsSystemMetrics& m) {
  int h = WindowHeightLessClient(f);
  if (CaptionHeight(f, m) != 0) h -= FrameHeight(f, m) + f.BorderWidth;
  h = std::max(h, 0);
  if (f.Iconic) h += FrameHeight(f, m);
  return std::max(h - f.HScrollHeight, 0);
}

int MenuHeight(const TsFormMeasures& f, const TsSystemMetrics& m) {
  return f.HasMenu ? m.MenuHeight - 1 : 0;
}

bool IconVisible(const TsFormMeasures& f) {
  return (f.Border == fbSingle || f.Border == fbSizeable) && f.ShowAppIcon;
}

int IconSizeForCaption(int h) {
  if (h < 9) return 0;
  if (h <= 16) return 8;
  if (h <= 27) return 16;
  return 32;
}

int TitleIconWidth(const TsFormMeasures& f, const TsSystemMetrics& m) {
  if (!IconVisible(f)) return 0;
  return f.TitleIconWidth != 0 ? f.TitleIconWidth : IconSizeForCaption(CaptionHeight(f, m));
}

int TitleIconHeight(const TsFormMeasures& f, const TsSystemMetrics& m) {
  if (!IconVisible(f)) return 0;
  return f.TitleIconHeight != 0 ? f.TitleIconHeight : IconSizeForCaption(CaptionHeight(f, m));
}

bool SizeChanged(const TsFormMeasures& f, int cacheWidth, int cacheHeight) {
  return cacheWidth != FormWidth(f) || cacheHeight != f.Height;
}

int CountMenuRows(const std::vector<int>& itemWidths, int frameWidth, int formWidth,
                  int borderWidth) {
  const int limit = formWidth - 2 * frameWidth - 2 * borderWidth;
  int rows = 1;
  int x = frameWidth;
  for (int w : itemWidths) {
    if (x + w > limit && x > frameWidth) {
      ++rows;
      x = frameWidth;
    }
    x += w;
  }
  return rows;
}

TPoint ClientOffset(const TsFormMeasures& f, const TsSystemMetrics& m) {
  const int x = (f.WindowRect.Width() - f.ClientRect.Width() - f.VScrollWidth) / 2;
  int y = WindowHeightLessClient(f) - f.HScrollHeight;
  if (CaptionHeight(f, m) != 0) y -= FrameHeight(f, m) + f.BorderWidth;
  return {x, y};
}

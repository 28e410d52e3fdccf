#include "skin/windows/caption_layout.h"

#include <algorithm>

namespace {

constexpr int kHTCaption = 2;
constexpr int kHTBottomRight = 17;
constexpr int kHTTransparent = -1;

bool Between(int v, int low, int high) { return low <= v && v <= high; }
bool InColumns(const TRect& r, int x) { return !r.IsEmpty() && Between(x, r.Left, r.Right); }
bool InRect(const TRect& r, TPoint p) { return InColumns(r, p.X) && Between(p.Y, r.Top, r.Bottom); }

int ImageWidth(const TsMaskData& item) {
  return item.Image ? item.Image->Width() : item.SourceRect.Width();
}

}  // namespace

int ItemFrames(const TsMaskData& item) { return std::max<int>(item.ImageCount, 1); }
int ItemRows(const TsMaskData& item) { return std::max(item.MaskType + 1, 1); }

TSize CaptionButtonCell(const TsMaskData* item, int fallback) {
  if (!item) return {fallback, fallback};
  const int height = item->Image ? item->Image->Height() / 2 : item->SourceRect.Height() / ItemRows(*item);
  return {ImageWidth(*item) / ItemFrames(*item), height};
}

TSize ThreeStateCell(const TsMaskData* item, int fallback) {
  if (!item) return {fallback, fallback};
  if (item->Image) return {item->Image->Width() / 3, item->Image->Height() / 2};
  return {item->SourceRect.Width() / ItemFrames(*item), item->SourceRect.Height() / ItemRows(*item)};
}

int TitleBarStripWidth(const TsMaskData& item, int buttonsWidth) {
  const int third = item.Image ? item.Image->Width() / 9 : item.SourceRect.Width() / (ItemFrames(item) * 3);
  return third * 2 + buttonsWidth;
}

TsCaptionPlan PlanCaptionButtons(const TsBorderIconFlags& icons, const TsWindowCommands& commands,
                                 const TsMaskData* const images[SystemButtonCount],
                                 const std::vector<TsTitleButtonWish>& titles, TSize platformCell) {
  TsCaptionPlan plan;
  const bool platform = !images[sbClose] && platformCell.cx > 0 && platformCell.cy > 0;
  auto shown = [&](int b) { return platform || images[b] != nullptr; };
  plan.Height = platform ? platformCell.cy : CaptionButtonCell(images[sbClose], 21).cy;
  if (icons.SystemMenu) {
    plan.Placed[sbClose] = shown(sbClose);
    plan.Placed[sbMaximize] = commands.MaximizeVisible && shown(sbMaximize);
    plan.Placed[sbMinimize] = commands.MinimizeVisible && shown(sbMinimize);
    plan.Placed[sbHelp] = icons.Help && shown(sbHelp);
  }
  for (int b = 0; b < SystemButtonCount; ++b)
    plan.Width[b] = platform ? platformCell.cx : CaptionButtonCell(images[b], 21).cx;
  for (const TsTitleButtonWish& t : titles) {
    const int image = CaptionButtonCell(t.Image, 21).cx;
    plan.TitleWidths.push_back(t.GlyphWidth > 0 ? std::max(t.GlyphWidth + 2, image) : image);
  }
  return plan;
}

int CaptionButtonTop(const TsCaptionFrame& frame, int buttonHeight) {
  return (frame.CaptionHeight + frame.FrameHeight - buttonHeight) / 2 + (buttonHeight < 16 ? 2 : 0);
}

TsCaptionButtonLayout LayoutCaptionButtons(const TsCaptionPlan& plan, const TsCaptionFrame& frame) {
  TsCaptionButtonLayout layout;
  const int start = frame.FormWidth - frame.FrameWidth - frame.Spacing;
  const int top = CaptionButtonTop(frame, plan.Height);
  int x = start;
  auto place = [&](int width) {
    const TRect r{x - width, top, x, top + plan.Height};
    x = r.Left - frame.Spacing;
    return r;
  };
  for (int b = 0; b < SystemButtonCount; ++b)
    if (plan.Placed[b]) layout.System[b] = place(plan.Width[b]);
  for (int w : plan.TitleWidths) layout.Title.push_back(place(w));
  layout.ButtonsWidth = start - x;
  return layout;
}

TRect CaptionIconRect(const TsCaptionFrame& frame, int iconWidth, int iconHeight) {
  const int top = (frame.CaptionHeight + frame.FrameHeight - iconHeight) / 2;
  return Bounds(frame.FrameWidth, top, std::max(iconWidth, 0), std::max(iconHeight, 0));
}

TRect CaptionTextRect(const TsCaptionFrame& frame, int iconWidth, int buttonsWidth) {
  return {iconWidth + frame.FrameWidth + 4, frame.FrameHeight, frame.FormWidth - buttonsWidth - 6,
          frame.CaptionHeight};
}

TRect CentreTextRect(const TRect& room, int textHeight) {
  const int top = room.Top + (room.Height() - textHeight) / 2;
  return {room.Left, top, room.Right, top + textHeight};
}

TsMDIButtonRects LayoutMDIButtons(int formWidth, int frameWidth, int topAreaHeight, int menuHeight,
                                  TSize cell) {
  const int w = cell.cx, h = cell.cy;
  const int y = topAreaHeight - (menuHeight - h) / 2 - h - 1;
  const int right = formWidth - frameWidth;
  return {Bounds(right - 3 * w - 3, y, w, h), Bounds(right - 2 * w - 2, y, w, h),
          Bounds(right - w - 1, y, w, h)};
}

TRect MDIAreaRect(const TsMDIAreaMeasures& m) {
  return {m.LeftAligned + m.FrameWidth + m.BorderWidth,
          2 * m.FrameHeight + m.CaptionHeight + m.MenuLineHeight + m.BorderWidth - 2,
          m.Width - (m.FrameWidth + m.BorderWidth) - m.RightAligned,
          m.Height - (m.FrameHeight + m.BorderWidth) - m.BottomAligned};
}

bool IsButtonCode(int code) {
  switch (code) {
    case CaptionMinimize:
    case CaptionMaximize:
    case CaptionClose:
    case CaptionHelp:
    case CaptionMDIClose:
    case CaptionMDIRestore:
    case CaptionMDIMinimize: return true;
    default: return code >= CaptionTitleButton;
  }
}

TPoint HitTestOrigin(bool mdiChild, TPoint windowTopLeft, TPoint clientOrigin, int frameWidth,
                     int frameHeight, int captionHeight, bool iconic) {
  if (!mdiChild) return windowTopLeft;
  return {clientOrigin.X - frameWidth, clientOrigin.Y - frameHeight - (iconic ? 0 : captionHeight)};
}

int CaptionHitTest(const TsHitTestInput& in) {
  const TPoint p = in.At;
  const int top = CaptionButtonTop(in.Frame, in.ButtonHeight);
  if (Between(p.Y, top, top + in.ButtonHeight)) {
    if (in.IconWidth > 0 && Between(p.X, in.Frame.FrameWidth, in.Frame.FrameWidth + in.IconWidth))
      return CaptionIcon;
    const TsWindowCommands& c = in.Commands;
    if (InColumns(in.Layout.System[sbClose], p.X)) return CaptionClose;
    if (InColumns(in.Layout.System[sbMaximize], p.X))
      return c.MaximizeEnabled || (c.RestoreEnabled && !in.Iconic) ? CaptionMaximize : kHTCaption;
    if (InColumns(in.Layout.System[sbMinimize], p.X)) {
      // Third from the right (after maximise) an iconic form may restore
      // through it.
      const bool third = !in.Layout.System[sbMaximize].IsEmpty();
      return c.MinimizeEnabled || (third && in.Iconic) ? CaptionMinimize : kHTCaption;
    }
    if (InColumns(in.Layout.System[sbHelp], p.X)) return CaptionHelp;
    for (size_t i = 0; i < in.Layout.Title.size(); ++i) {
      if (!InColumns(in.Layout.Title[i], p.X)) continue;
      const bool enabled = i < in.TitleEnabled.size() && in.TitleEnabled[i];
      return enabled ? CaptionTitleButton + static_cast<int>(i) : kHTCaption;
    }
    return kHTCaption;
  }
  if (in.Grip && p.X >= in.CacheWidth - in.GripCell.cx - in.Frame.FrameWidth &&
      p.Y >= in.CacheHeight - in.GripCell.cy - in.Frame.FrameHeight)
    return kHTBottomRight;
  if (in.MDIButtons) {
    if (InRect(in.MDI.Close, p)) return CaptionMDIClose;
    if (InRect(in.MDI.Restore, p)) return CaptionMDIRestore;
    if (InRect(in.MDI.Minimize, p)) return CaptionMDIMinimize;
  }
  if (in.Maximized && !Rect(2, 2, in.Width - 4, in.Height - 4).Contains(p.X, p.Y)) return kHTTransparent;
  return 0;
}

bool PressAllowed(int code, const TsWindowCommands& commands, bool maximized) {
  if (code == CaptionMaximize) return commands.MaximizeEnabled || (maximized && commands.RestoreEnabled);
  if (code == CaptionMDIRestore) return commands.MaximizeEnabled;
  return true;
}

TsReleaseAction ReleaseAction(const TsReleaseInput& in) {
  const TsWindowCommands& c = in.Commands;
  const int title = in.Code - CaptionTitleButton;
  const bool known = IsButtonCode(in.Code) && (title < 0 || title < in.TitleCount);
  // A pressed button released elsewhere only lets go.
  if (known && in.ButtonDown && !in.InButton) return raClearHot;
  switch (in.Code) {
    case CaptionMinimize:
      if (!in.ButtonDown) return raPassOn;
      return in.Iconic && !in.MainForm ? raRestore : raMinimize;
    case CaptionMaximize:
      if (!(c.MaximizeEnabled || (in.Maximized && c.RestoreEnabled))) return raSwallow;
      if (!in.ButtonDown) return raPassOn;
      return in.Maximized ? raRestoreMaximized : raMaximize;
    case CaptionClose: return in.ButtonDown ? raClose : raSwallow;
    case CaptionHelp: return in.ButtonDown ? raHelp : raClearHot;
    case CaptionMDIClose: return in.ButtonDown ? raMDIClose : raClearHot;
    case CaptionMDIRestore: return in.ButtonDown ? raMDIRestore : raClearHot;
    case CaptionMDIMinimize: return in.ButtonDown ? raMDIMinimize : raClearHot;
    default: break;
  }
  if (title >= 0 && title < in.TitleCount) return in.ButtonDown ? raTitleButtonUp : raClearHot;
  return raOther;
}

int ReleasedCode(bool clientMessage, bool captured, int wParam, int hotButton) {
  if (clientMessage) return captured ? hotButton : 0;
  return wParam;
}

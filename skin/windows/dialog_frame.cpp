#include "skin/windows/dialog_frame.h"

#include <algorithm>

#include "skin/windows/caption_layout.h"

namespace {

constexpr uint32_t kPopup = 0x80000000u;
constexpr uint32_t kCaption = 0x00C00000u;
constexpr uint32_t kThickFrame = 0x00040000u;
constexpr uint32_t kModalFrame = 0x80u;
constexpr uint32_t kSysMenu = 0x00080000u;
constexpr uint32_t kMaximizeBox = 0x00010000u;
constexpr uint32_t kMinimizeBox = 0x00020000u;
constexpr uint32_t kContextHelp = 0x400u;

constexpr int kNoImageSize = 21;

bool Has(uint32_t style, uint32_t bits) { return (style & bits) == bits; }

bool InX(const TvxPlacedButton& b, int x) {
  return b.Placed && b.Bounds.Left <= x && x <= b.Bounds.Right;
}

}  // namespace

int DialogFrameKind(uint32_t style) {
  if (Has(style, kPopup) && !Has(style, kCaption)) return DialogFramePopup;
  if (Has(style, kThickFrame)) return DialogFrameSizing;
  if (Has(style, kModalFrame)) return DialogFrameModal;
  return DialogFrameSizing;
}

bool TvxDialogState::HasSysMenu() const { return Has(Style, kSysMenu); }
bool TvxDialogState::HasHelp() const { return Has(ExStyle, kContextHelp); }
bool TvxDialogState::HasMaxBox() const { return Has(Style, kMaximizeBox); }
bool TvxDialogState::HasMinBox() const { return Has(Style, kMinimizeBox); }
bool TvxDialogState::SizingKind() const {
  return FrameKind == DialogFrameInitial || FrameKind == DialogFrameSizing ||
         FrameKind == DialogFrameSmallSizing;
}
bool TvxDialogState::CloseEnabled() const { return HasSysMenu() && !ClassNoClose; }
bool TvxDialogState::MaximizeEnabled() const { return HasMaxBox() && !Zoomed && SizingKind(); }
bool TvxDialogState::MinimizeEnabled() const { return HasMinBox() && !Iconic; }
bool TvxDialogState::RestoreEnabled() const { return HasMaxBox() && (Iconic || Zoomed); }
bool TvxDialogState::RestoreVisible() const {
  return (FrameKind == DialogFrameInitial || FrameKind == DialogFrameSizing) && HasSysMenu();
}

int TvxDialogState::CaptionHeight() const {
  if (FrameKind == DialogFramePopup || !Has(LiveStyle, kCaption)) return 0;
  return FrameKind == DialogFrameSmallModal || FrameKind == DialogFrameSmallSizing ? Metrics.CYSmCaption
                                                                                    : Metrics.CYCaption;
}

int TvxDialogState::FrameHeight() const {
  switch (FrameKind) {
    case DialogFramePopup: return 0;
    case DialogFrameSizing:
    case DialogFrameSmallSizing: return Metrics.CYFrame;
    default: return Metrics.CYDlgFrame;
  }
}

int TvxDialogState::FrameWidth() const {
  switch (FrameKind) {
    case DialogFramePopup: return 0;
    case DialogFrameSizing:
    case DialogFrameSmallSizing: return Metrics.CXFrame;
    default: return Metrics.CXDlgFrame;
  }
}

int TvxDialogState::TitleHeight() const {
  int h = Height - ClientHeight;
  if (Has(LiveStyle, kCaption)) h -= FrameHeight();
  h = std::max(h, 0);
  if (Iconic) h += FrameHeight();
  return std::max(h - HorzBar, 0);
}

int TvxDialogState::ClientOffsetX() const { return (Width - ClientWidth - VertBar) / 2; }

int TvxDialogState::ClientOffsetY() const {
  return Height - ClientHeight - (CaptionHeight() != 0 ? FrameHeight() : 0) - HorzBar;
}

int DialogButtonWidth(const TsMaskData* item) { return CaptionButtonCell(item, kNoImageSize).cx; }
int DialogButtonHeight(const TsMaskData* item) { return CaptionButtonCell(item, kNoImageSize).cy; }

int DialogButtonSlot(int code) {
  switch (code) {
    case CaptionClose: return dbClose;
    case CaptionMaximize: return dbMax;
    case CaptionMinimize: return dbMin;
    case CaptionHelp: return dbHelp;
    default: return -1;
  }
}

int DialogButtonsWidth(const TvxDialogState& s, const int widths[DialogButtonCount]) {
  if (!s.HasSysMenu()) return 0;
  int w = widths[dbClose];
  if (s.HasMaxBox()) w += widths[dbMax];
  if (s.HasMinBox()) w += widths[dbMin];
  if (s.HasHelp()) w += widths[dbHelp];
  return w;
}

TPoint DialogGripPosition(const TvxDialogState& s, const TsMaskData& grip, int cacheWidth,
                          int cacheHeight) {
  const TSize cell = ThreeStateCell(&grip, 0);
  return {cacheWidth - cell.cx - s.FrameWidth(), cacheHeight - cell.cy - s.FrameHeight()};
}

TvxDialogButtonLayout LayoutDialogButtons(const TvxDialogState& s, const TvxDialogButtonItems& items) {
  TvxDialogButtonLayout layout;
  if (!s.HasSysMenu()) return layout;
  const TsCaptionFrame frame{s.Width, s.FrameWidth(), s.FrameHeight(), s.CaptionHeight(), 0};
  int x = s.Width - s.FrameWidth();
  // The cell comes from the button's own item; the glyph may be another.
  auto place = [&](int slot, const TsMaskData* glyph, bool enabled) {
    TvxPlacedButton& b = layout.Button[slot];
    const int h = DialogButtonHeight(items.Own[slot]);
    b.Placed = true;
    b.Bounds.Right = x;
    b.Bounds.Left = x - DialogButtonWidth(items.Own[slot]);
    b.Bounds.Top = CaptionButtonTop(frame, h);
    b.Bounds.Bottom = b.Bounds.Top + h;
    b.Glyph = glyph;
    b.Enabled = enabled;
    x = b.Bounds.Left;
  };
  if (items.Own[dbClose]) place(dbClose, items.Own[dbClose], s.CloseEnabled());
  if (s.HasMaxBox()) {
    if (s.Zoomed) {
      if (items.Norm) place(dbMax, items.Norm, s.RestoreEnabled());
    } else if (items.Own[dbMax]) {
      place(dbMax, items.Own[dbMax], s.MaximizeEnabled());
    }
  }
  if (s.HasMinBox()) {
    if (s.Iconic) {
      if (items.Norm) place(dbMin, items.Norm, s.RestoreEnabled());
    } else if (items.Own[dbMin]) {
      place(dbMin, items.Own[dbMin], s.MinimizeEnabled());
    }
  }
  if (s.HasHelp() && items.Own[dbHelp]) place(dbHelp, items.Own[dbHelp], true);
  return layout;
}

TvxDialogButtonIndexes DialogButtonIndexes(int frameKind, bool globalInfoValid,
                                           const TvxItemLookup& global, const TvxItemLookup& form) {
  TvxDialogButtonIndexes r;
  int* i = r.Index;
  auto big = [&] {
    i[dbMin] = global("BICONMIN");
    i[dbMax] = global("BICONMAX");
    i[dbClose] = global("BICONCLOSE");
    i[dbHelp] = global("BICONHELP");
  };
  if (!globalInfoValid || global("BICONCLOSE") == -1) {
    // The skin has no global caption buttons: the form's stand in.
    i[dbMin] = form("BICONMIN");
    i[dbMax] = form("BICONMAX");
    i[dbClose] = form("BICONCLOSE");
    i[dbHelp] = form("BICONHELP");
    return r;
  }
  if (frameKind == DialogFrameInitial || frameKind == DialogFrameSizing) {
    big();
    return r;
  }
  i[dbClose] = global("SICONCLOSE");
  i[dbMin] = global("SICONMIN");
  i[dbMax] = global("SICONMAX");
  i[dbHelp] = global("SICONHELP");
  if (i[dbHelp] == -1) i[dbHelp] = global("BICONHELP");
  if (i[dbClose] == -1) big();
  return r;
}

TvxRepaintChoice DialogRepaintImage(int slot, const TvxDialogState& s) {
  if (slot == dbMax && s.Zoomed) return {riNorm, false};
  if (!s.Iconic) return {riOwn, false};
  if (slot == dbMin) return {riNorm, false};
  if (slot == dbMax) return {riGlobalMax, !s.MaximizeEnabled()};
  return {riOwn, false};
}

int DialogButtonAtX(const TvxDialogState& s, const TvxDialogButtonLayout& layout, int x) {
  if (!s.HasSysMenu()) return 0;
  if (InX(layout.Button[dbClose], x)) return 1;
  int count = 1;
  if (s.HasMaxBox()) {
    if (InX(layout.Button[dbMax], x)) return 2;
    count = 2;
  }
  if (s.HasMinBox()) {
    if (InX(layout.Button[dbMin], x)) return count + 1;
    ++count;
  }
  if (s.HasHelp() && InX(layout.Button[dbHelp], x)) return count + 1;
  return 0;
}

TvxDialogHit DialogHitTest(const TvxDialogHitInput& in) {
  const TvxDialogState& s = in.State;
  const TPoint p = in.At;
  const int a = s.FrameHeight(), b = s.CaptionHeight();
  const int h = in.CloseHeight;
  const int top = (b + a - h) / 2;
  auto answer = [](int code) { return TvxDialogHit{true, code, code}; };
  if (top <= p.Y && p.Y <= top + h) {
    if (s.FrameWidth() <= p.X && p.X <= s.FrameWidth() + s.Metrics.CXSmIcon) return answer(CaptionIcon);
    const int n = (s.HasSysMenu() ? 1 : 0) + (s.HasMaxBox() ? 1 : 0) + (s.HasMinBox() || s.Iconic ? 1 : 0) +
                  (s.HasHelp() ? 1 : 0);
    const int at = DialogButtonAtX(s, in.Layout, p.X);
    if (at < 1 || at > n) return TvxDialogHit{true, 2, -1};
    const bool minAt3 = s.HasMaxBox() && (s.HasMinBox() || s.Iconic);
    const int help = s.HasHelp() ? CaptionHelp : 0;
    switch (at) {
      case 1:
        if (s.HasSysMenu()) return answer(CaptionClose);
        break;
      case 2:
        if (s.HasMaxBox()) return answer(s.MaximizeEnabled() || s.RestoreEnabled() ? CaptionMaximize : 2);
        if (s.HasMinBox() || s.Iconic) return answer(s.MinimizeEnabled() ? CaptionMinimize : 2);
        if (help) return answer(help);
        break;
      case 3:
        // Without a maximise box the third button is the help button.
        if (minAt3) return answer(s.Iconic || s.MinimizeEnabled() ? CaptionMinimize : 2);
        if (help) return answer(help);
        break;
      case 4:
        if (help && s.HasMaxBox()) return answer(help);
        break;
      default:
        break;
    }
  } else if ((s.FrameKind == DialogFrameSizing || s.FrameKind == DialogFrameSmallSizing) && in.Grip) {
    const TPoint grip = DialogGripPosition(s, *in.Grip, in.CacheWidth, in.CacheHeight);
    if (grip.X < p.X && grip.Y < p.Y) return TvxDialogHit{true, 17, -1};
  }
  if (s.Zoomed && !(2 <= p.X && p.X < s.Width - 4 && 2 <= p.Y && p.Y < s.Height - 4)) {
    return TvxDialogHit{true, -1, CaptionNone};
  }
  return {};
}

TvxDialogDownAction DialogDownAction(const TvxDialogDownInput& in) {
  if (in.Code == CaptionIcon) return ddShowMenu;
  // A dialog has no title buttons of the user's.
  if (IsButtonCode(in.Code) && in.Code < CaptionTitleButton) return ddPress;
  if (in.Iconic) return ddMoveIconic;
  if (in.Zoomed && in.Y < in.TitleBand) return in.Active ? ddClearHot : ddFocus;
  return ddPassOn;
}

TvxDialogUpAction DialogUpAction(const TvxDialogUpInput& in) {
  int code = in.Code;
  if (in.ClientMessage) {
    // Its WParam holds key flags: only a held caption button is released here.
    if (!in.ButtonPressed) return duPassOn;
    code = in.HotButton;
  }
  switch (code) {
    case CaptionMinimize:
      if (!in.ButtonPressed) return duClearHot;
      if (!in.InMinButton) return duPassOn;
      return in.Iconic ? duRestore : duMinimize;
    case CaptionMaximize:
      if (in.Iconic && !in.MaximizeEnabled) return duNothing;
      if (!in.ButtonPressed) return duClearHot;
      return in.Zoomed ? duRestore : duMaximize;
    case CaptionClose:
      return in.ButtonPressed ? duClose : duNothing;
    case CaptionHelp:
      return in.ButtonPressed ? duHelp : duClearHot;
    default:
      return duPassOn;
  }
}

TvxDialogDblAction DialogDoubleClickAction(int code, const TvxDialogState& s) {
  if (code == 2) {
    if (!s.MaximizeEnabled() && !s.RestoreEnabled()) return dcNothing;
    return s.Zoomed || s.Iconic ? dcRestore : dcMaximize;
  }
  if (code == CaptionIcon) return dcClose;
  return dcNothing;
}

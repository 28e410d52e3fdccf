#include "skin/core/common_data_win.h"

#include <cwctype>

#include "platform/forms/forms.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/control_messages.h"
#include "skin/core/control_model_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/section_painting.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_manager.h"

static_assert(skinmsg::Create == WM_CREATE && skinmsg::Move == WM_MOVE && skinmsg::Size == WM_SIZE);
static_assert(skinmsg::SetFocus == WM_SETFOCUS && skinmsg::KillFocus == WM_KILLFOCUS);
static_assert(skinmsg::FontChange == WM_FONTCHANGE && skinmsg::UpdateUIState == WM_UPDATEUISTATE);
static_assert(skinmsg::ParentNotify == WM_PARENTNOTIFY);
static_assert(skinmsg::VisibleChanged == CM_VISIBLECHANGED && skinmsg::EnabledChanged == CM_ENABLEDCHANGED);
static_assert(skinmsg::MouseEnter == CM_MOUSEENTER && skinmsg::MouseLeave == CM_MOUSELEAVE);
static_assert(skindt::Center == DT_CENTER && skindt::Right == DT_RIGHT && skindt::VCenter == DT_VCENTER);
static_assert(skindt::ExpandTabs == DT_EXPANDTABS && skindt::NoClip == DT_NOCLIP);
static_assert(RedrawInvalidateChildren == (RDW_INVALIDATE | RDW_NOINTERNALPAINT | RDW_NOERASE | RDW_ALLCHILDREN));

namespace {
// Every program with a skinned control routes its messages through this
// unit, so the class library's model is in place before the first record.
const bool modelInstalled = (UseWindowsControlModel(), true);

bool Designing(const TComponent* c) { return c->ComponentState().Contains(csDesigning); }

void BlitCache(TsCommonData* sd, const TRect& source, HDC dc, const TRect& clip) {
  TBitmap* cache = CacheBitmapOf(sd);
  if (!cache || cache->Empty()) return;
  BitBlt(dc, clip.Left, clip.Top, clip.Width(), clip.Height(), cache->Canvas()->Handle(), source.Left,
         source.Top, SRCCOPY);
}

bool Intersects(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// A group box by its window class and its button style (style bits alone
// also match other button and static styles).
bool IsGroupBoxWindow(HWND wnd) {
  wchar_t name[64] = {};
  GetClassNameW(wnd, name, 63);
  std::wstring cls(name);
  for (wchar_t& c : cls) c = static_cast<wchar_t>(std::towlower(c));
  bool groupClass = cls == L"button";
  if (!groupClass)
    if (TWinControl* control = FindControl(wnd))
      groupClass = control->ClassName().find("GroupBox") != std::string::npos;
  if (!groupClass) return false;
  const LONG style = GetWindowLongW(wnd, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(wnd, GWL_EXSTYLE);
  return (style & 7) == BS_GROUPBOX && !(exStyle & WS_EX_CLIENTEDGE);
}

}  // namespace

bool CommonControlMessage(TMessage& message, TsCommonData* record) {
  (void)modelInstalled;
  TsCmdMessage m;
  m.Msg = message.Msg;
  m.WParam = message.WParam;
  m.LParam = message.LParam;
  m.Result = message.Result;
  const bool handled = CommonControlMessage(m, record);
  message.LParam = m.LParam;
  message.Result = m.Result;
  return handled;
}

void PaintChildrenToDC(TControl* control, TsCommonData* sd, const TRect& source, int dy, int dx,
                       bool redrawBorders, HDC dc, const TRect& clip) {
  if (!sd || !dc) return;
  if (redrawBorders) RedrawCachedBorders(sd, 0);
  const int saved = SaveDC(dc);
  try {
    IntersectClipRect(dc, clip.Left, clip.Top, clip.Right, clip.Bottom);
    if (auto* win = dynamic_cast<TWinControl*>(control))
      for (int i = 0; i < win->ControlCount(); ++i) {
        TControl* child = win->Controls(i);
        if (!child->Visible() || !Intersects(child->BoundsRect(), clip)) continue;
        if (!dynamic_cast<TGraphicControl*>(child) && !child->ControlStyle().Contains(csOpaque) &&
            !Designing(child))
          continue;
        const TRect r = child->BoundsRect();
        ExcludeClipRect(dc, r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
      }
    BlitCache(sd, source, dc, clip);
  } catch (...) {
    RestoreDC(dc, saved);
    throw;
  }
  RestoreDC(dc, saved);
}

void ClipOutChildWindows(HWND window, TsCommonData* sd, const TRect& source, int dy, int dx,
                         bool redrawBorders, HDC dc, const TRect& clip) {
  if (!sd || !dc) return;
  if (redrawBorders) RedrawCachedBorders(sd, 0);
  const int saved = SaveDC(dc);
  try {
    IntersectClipRect(dc, clip.Left, clip.Top, clip.Right, clip.Bottom);
    RECT parent{};
    GetWindowRect(window, &parent);
    for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (!IsWindowVisible(child)) continue;
      RECT wr{};
      GetWindowRect(child, &wr);
      const TRect r{wr.left - parent.left - dx, wr.top - parent.top - dy, wr.right - parent.left - dx,
                    wr.bottom - parent.top - dy};
      if (IsGroupBoxWindow(child) && DefaultManager) {
        TsSkinManager* m = DefaultManager;
        const int section = m->LookupSection("GROUPBOX");
        const int border = m->LookupImageItem(section, "GROUPBOX", "BORDERSMASK");
        const int top = static_cast<int>(SendCmdToWindow(child, SkinCmdQueryCaptionHeight, 0));
        const int left = m->MaskLeftWidth(border), right = m->MaskRightWidth(border),
                  bottom = m->MaskBottomWidth(border);
        ExcludeClipRect(dc, r.Left, r.Top, r.Right, r.Top + top);
        ExcludeClipRect(dc, r.Left, r.Top, r.Left + left, r.Bottom);
        ExcludeClipRect(dc, r.Right - right, r.Top, r.Right, r.Bottom);
        ExcludeClipRect(dc, r.Left, r.Bottom - bottom, r.Right, r.Bottom);
        continue;
      }
      ExcludeClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
    }
    BlitCache(sd, source, dc, clip);
  } catch (...) {
    RestoreDC(dc, saved);
    throw;
  }
  RestoreDC(dc, saved);
}

void GetParentCacheInfoOfWindow(HWND window, TCacheInfo& info) {
  info = TCacheInfo{};
  info.X = info.Y = 0;
  try {
    ParentCacheInfo.Ready = false;
    SendCmdToWindow(GetParent(window), SkinCmdQueryCache, 0);
    info = ParentCacheInfo;
  } catch (...) {
    info = EmptyCacheInfo;
  }
}

bool AnswerIdentityQuery(TMessage& m) {
  switch (SkinCmdOf(m.WParam)) {
    case SkinCmdQuerySkinned:
      m.LParam = 1;
      m.Result = 1;
      return true;
    case SkinCmdQueryApplication:
      m.Result = reinterpret_cast<LRESULT>(Application);
      return true;
    default:
      return false;
  }
}

#include "skin/windows/adapter_paint_win.h"

#include <algorithm>

#include "platform/graphics/font.h"
#include "skin/core/blending.h"
#include "skin/core/cache_info.h"
#include "skin/core/common_data.h"
#include "skin/core/common_data_win.h"
#include "skin/core/pixel_copy.h"
#include "skin/core/pixel_fill.h"
#include "skin/windows/main_wnd_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/paint_colors.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_manager.h"

void AssignWindowFont(TCanvas* canvas, HWND window) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  LOGFONTW lf{};
  if (font && GetObjectW(font, sizeof(lf), &lf) == sizeof(lf)) canvas->Font()->AssignLogFont(lf);
}

void AssignMessageFont(TCanvas* canvas) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    canvas->Font()->AssignLogFont(metrics.lfMessageFont);
}

int ColumnHeaderSection(const TsSkinManager* manager, std::string& name) {
  name = "COLHEADER";
  if (!manager) return -1;
  int section = manager->LookupSection(name);
  if (section < 0) {
    name = "BUTTON";
    section = manager->LookupSection(name);
  }
  return section;
}

TColor QueryWindowBackColor(HWND parent) {
  ParentBackColor = SkinTransparentColor;
  if (parent) SendCmdToWindow(parent, SkinCmdQueryBackColor, 0);
  const TColor answer = ParentBackColor;
  ParentBackColor = SkinTransparentColor;
  return answer == SkinTransparentColor ? ColorToRGB(clBtnFace) : ColorToRGB(answer);
}

TUnderWindow::TUnderWindow(HWND window, const TvxWindowPlace& place, const TsCommonData* record) {
  TCacheInfo parent = EmptyCacheInfo;
  GetParentCacheInfoOfWindow(window, parent);
  if (parent.Ready && !parent.Bmp.Empty()) {
    parentReady_ = true;
    info_ = parent;
    info_.X += place.Position.X;
    info_.Y += place.Position.Y;
    return;
  }
  // A hosted control stands on its parent control, whose own colour is the
  // answer when the parent has no skinned one; clBtnFace is only a guess
  // for a foreign window's parent.
  const auto* host = record ? dynamic_cast<const TControl*>(record->HostControl) : nullptr;
  if (host && host->Parent()) {
    QueryParentColor(host->Parent());
    color_ = ParentBackColor;
    ParentBackColor = SkinTransparentColor;
  } else {
    color_ = QueryWindowBackColor(place.Parent);
  }
  fill_.Resize(std::max(place.Width, 1), std::max(place.Height, 1));
  FillRectPixels(fill_.View(), TRect{0, 0, fill_.Width(), fill_.Height()}, color_);
  info_ = MakeCacheInfo(fill_.View(), 0, 0);
}

void TUnderWindow::CopyTo(const TPixelBufferView& target, const TRect& rect) const {
  CopyPixels(target, rect.Left, rect.Top, info_.Bmp,
             TRect{info_.X + rect.Left, info_.Y + rect.Top, info_.X + rect.Right, info_.Y + rect.Bottom});
}

void BlendOverParentCache(TsCommonData* record, const TUnderWindow& under) {
  const TPixelBufferView cache = record->CachePixels();
  if (!under.ParentReady() || cache.Empty()) return;
  const TCacheInfo& parent = under.Info();
  const int x = parent.X, y = parent.Y;
  BlendRectKeyed(cache, 0, 0, static_cast<TColor>(0xFF000000u), 0.4,
                 TRect{x, y, x + cache.Width - 1, y + cache.Height - 1}, parent.Bmp);
}

TTargetDC::TTargetDC(HWND window, HDC given, bool wholeWindow)
    : window_(window), dc_(given), fetched_(given == nullptr) {
  if (fetched_) dc_ = wholeWindow ? GetWindowDC(window) : GetDC(window);
  if (dc_) saved_ = SaveDC(dc_);
}

TTargetDC::~TTargetDC() {
  if (!dc_) return;
  if (saved_) RestoreDC(dc_, saved_);
  if (fetched_) ReleaseDC(window_, dc_);
}

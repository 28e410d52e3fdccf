// ResizeMode rmBorder and ScreenSnap of a skinned form: the inverted
// outline on the desktop that follows the mouse, the one move or size on
// release, and the snapping of a moved form to the work area's edges.
#include "skin/core/control_utils_win.h"
#include "skin/windows/skin_provider.h"

namespace {

// The outline drawn (or, drawn again, erased) on the desktop.
void DrawDragFrame() {
  if (!BorderDrag.DesktopDC) return;
  const auto pts = OutlinePoints(OutlineRect(BorderDrag.Outline), BorderDrag.Shift);
  POINT p[5];
  for (int i = 0; i < 5; ++i) p[i] = {pts[static_cast<size_t>(i)].X, pts[static_cast<size_t>(i)].Y};
  Polyline(BorderDrag.DesktopDC, p, 5);
}

TPoint MDIShiftOf(TsSkinProvider* child) {
  TCustomForm* form = child->Form();
  if (!form || form->FormStyle() != fsMDIChild || !MDIParentProvider || !MDIParentProvider->Form()) return {};
  TsSkinProvider* p = MDIParentProvider;
  TsMDIShiftMeasures m;
  m.Left = p->Form()->Left();
  m.Top = p->Form()->Top();
  m.FrameWidth = p->FrameWidth();
  m.FrameHeight = p->FrameHeight();
  m.CaptionHeight = p->CaptionHeight();
  m.BorderWidth = p->Form()->BorderWidth();
  m.MenuLineHeight = p->MenuLineShown() ? p->MenuRowCount() * p->MenuHeight() : 0;
  return MDIOutlineShift(m);
}

// Erases the outline and gives the desktop DC back.
void ReleaseDesktop() {
  if (!BorderDrag.DesktopDC) return;
  DrawDragFrame();
  RestoreDC(BorderDrag.DesktopDC, BorderDrag.SavedDC);
  ReleaseDC(BorderDrag.DesktopWindow, BorderDrag.DesktopDC);
  BorderDrag.DesktopDC = nullptr;
  BorderDrag.DesktopWindow = nullptr;
}

}  // namespace

void EndBorderDrag() {
  TsSkinProvider* owner = BorderDrag.Provider;
  ReleaseDesktop();
  BorderDrag.Dragging = false;
  BorderDrag.Pending = false;
  BorderDrag.Provider = nullptr;
  if (owner && owner->Form() && owner->Form()->HandleAllocated() &&
      GetCapture() == owner->Form()->HandleIfAllocated())
    ReleaseCapture();
}

void TsSkinProvider::StartBorderDrag(int x, int y) {
  if (resizeMode_ != rmBorder || !form_ || !form_->HandleAllocated()) return;
  ReleaseDesktop();
  BorderDrag.Provider = this;
  BorderDrag.Dragging = true;
  BorderDrag.DesktopWindow = GetDesktopWindow();
  BorderDrag.DesktopDC = GetWindowDC(BorderDrag.DesktopWindow);
  if (!BorderDrag.DesktopDC) {
    EndBorderDrag();
    return;
  }
  BorderDrag.SavedDC = SaveDC(BorderDrag.DesktopDC);
  SetROP2(BorderDrag.DesktopDC, R2_NOT);
  SelectObject(BorderDrag.DesktopDC, GetStockObject(BLACK_PEN));
  BorderDrag.Shift = MDIShiftOf(this);
  const TRect bounds = Bounds(form_->Left(), form_->Top(), form_->Width(), form_->Height());
  if (BorderDrag.Moving) {
    BorderDrag.Outline = StartMoveOutline(bounds, {x, y});
  } else {
    TSizeConstraints* c = form_->Constraints();
    BorderDrag.Outline = StartSizeOutline(bounds, BorderDrag.EdgeCode, c->MinWidth(), c->MinHeight());
  }
  DrawDragFrame();
}

void TsSkinProvider::BorderDragStep(int x, int y, bool screen) {
  if (BorderDrag.Provider != this || !form_ || !form_->HandleAllocated()) return;
  TPoint at{x, y};
  if (!screen) {
    POINT p{x, y};
    ClientToScreen(form_->HandleIfAllocated(), &p);
    at = {p.x, p.y};
  }
  BorderDrag.Pending = false;
  if (!BorderDrag.Dragging) return;
  DrawDragFrame();
  StepOutline(BorderDrag.Outline, at);
  DrawDragFrame();
}

void TsSkinProvider::FinishBorderDrag() {
  if (BorderDrag.Provider != this) return;
  const TsDragOutline outline = BorderDrag.Outline;
  EndBorderDrag();
  const std::optional<TRect> target = FinishOutline(outline);
  if (target && form_ && form_->HandleAllocated())
    MoveWindow(form_->HandleIfAllocated(), target->Left, target->Top, target->Width(), target->Height(), TRUE);
}

void TsSkinProvider::SnapWindowPos(WINDOWPOS& pos) {
  if (!form_ || !screenSnap_ || (pos.flags & SWP_NOMOVE) || form_->WindowState() == wsMaximized) return;
  TsSnapInput in;
  in.X = pos.x;
  in.Y = pos.y;
  in.Width = form_->Width();
  in.Height = form_->Height();
  GetWorkArea(in.WorkArea);
  if (TMonitor* monitor = form_->Monitor()) {
    in.MonitorLeft = monitor->Left();
    in.MonitorTop = monitor->Top();
  }
  in.Buffer = snapBuffer_;
  const TPoint p = SnapPosition(in);
  pos.x = p.X;
  pos.y = p.Y;
}

// Controls that paint themselves on a canvas: the windowless TGraphicControl
// (painted inside its parent's WM_PAINT) and the windowed TCustomControl.
#include <algorithm>
#include <vector>

#include "platform/forms/control_canvas.h"
#include "platform/forms/forms.h"
#include "platform/forms/window_procedure.h"

namespace {

// Canvases holding a DC they asked for outside a paint; the message loop
// gives the DCs back when it runs idle.
std::vector<TControlCanvas*>& CanvasesWithDC() {
  // Never freed: canvases go with their controls at exit, after the statics.
  static auto* list = new std::vector<TControlCanvas*>;
  return *list;
}

// Draws on the paint DC for the duration of one Paint call.
class CanvasOnDC {
 public:
  CanvasOnDC(TControlCanvas* canvas, HDC dc) : canvas_(canvas) {
    canvas_->Lock();
    canvas_->FreeHandle();
    canvas_->SetHandle(dc);
  }
  ~CanvasOnDC() {
    canvas_->SetHandle(nullptr);
    canvas_->Unlock();
  }
  CanvasOnDC(const CanvasOnDC&) = delete;
  CanvasOnDC& operator=(const CanvasOnDC&) = delete;

 private:
  TControlCanvas* canvas_;
};

}  // namespace

namespace brsm {
void FreeControlCanvasDCs() {
  const std::vector<TControlCanvas*> list = CanvasesWithDC();
  for (TControlCanvas* c : list)
    if (c->LockCount() == 0) c->FreeHandle();
}
}  // namespace brsm

// -- TControlCanvas ------------------------------------------------------------------

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::SetControl(TControl* control) {
  if (control_ == control) return;
  FreeHandle();
  control_ = control;
}

void TControlCanvas::FreeHandle() {
  if (!ownDC_) return;
  SetHandle(nullptr);
  ReleaseDC(ownWnd_, ownDC_);
  ownDC_ = nullptr;
  ownWnd_ = nullptr;
  auto& list = CanvasesWithDC();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void TControlCanvas::CreateHandle() {
  if (!control_) return;
  HWND wnd = nullptr;
  int dx = 0, dy = 0;
  if (auto* w = dynamic_cast<TWinControl*>(control_)) {
    wnd = w->Handle();
  } else if (control_->Parent()) {
    wnd = control_->Parent()->Handle();
    dx = control_->Left();
    dy = control_->Top();
  }
  if (!wnd) return;
  HDC dc = GetDCEx(wnd, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
  if (!dc) throw EOutOfMemory("Out of system resources");
  if (dx || dy) {
    SetViewportOrgEx(dc, dx, dy, nullptr);
    IntersectClipRect(dc, 0, 0, control_->Width(), control_->Height());
  }
  ownDC_ = dc;
  ownWnd_ = wnd;
  CanvasesWithDC().push_back(this);
  SetHandle(dc);
}

// -- TGraphicControl -------------------------------------------------------------------

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), canvas_(std::make_unique<TControlCanvas>()) {
  canvas_->SetControl(this);
}

TGraphicControl::~TGraphicControl() {
  canvas_->SetControl(nullptr);
}

TCanvas* TGraphicControl::Canvas() const { return canvas_.get(); }

void TGraphicControl::Dispatch(TMessage& m) {
  if (m.Msg == WM_PAINT) {
    WMPaint(m);
    return;
  }
  TControl::Dispatch(m);
}

void TGraphicControl::WMPaint(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  if (!dc) return;
  CanvasOnDC bound(canvas_.get(), dc);
  Paint();
}

// -- TCustomControl ----------------------------------------------------------------------

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), canvas_(std::make_unique<TControlCanvas>()) {
  canvas_->SetControl(this);
}

TCustomControl::~TCustomControl() {
  canvas_->SetControl(nullptr);
}

TCanvas* TCustomControl::Canvas() const { return canvas_.get(); }

void TCustomControl::Dispatch(TMessage& m) {
  if (m.Msg == WM_PAINT) {
    SetControlState(ControlState() + TControlState{csCustomPaint});
    try {
      TWinControl::Dispatch(m);
    } catch (...) {
      SetControlState(ControlState() - TControlState{csCustomPaint});
      throw;
    }
    SetControlState(ControlState() - TControlState{csCustomPaint});
    return;
  }
  TWinControl::Dispatch(m);
}

void TCustomControl::PaintWindow(HDC dc) {
  CanvasOnDC bound(canvas_.get(), dc);
  Paint();
}

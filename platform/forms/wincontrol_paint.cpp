// Painting of windowed controls: the window itself, then its windowless
// children in z order, each clipped to its bounds with the origin moved.
#include "platform/forms/forms.h"
#include "platform/forms/window_procedure.h"

void brsm::MoveWindowOrg(HDC dc, int dx, int dy) {
  POINT org;
  GetWindowOrgEx(dc, &org);
  SetWindowOrgEx(dc, org.x - dx, org.y - dy, nullptr);
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, !ControlStyle().Contains(csOpaque));
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage m = MakeMessage(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  DefaultHandler(m);
}

void TWinControl::WMPaint(TMessage& m) {
  if (!doubleBuffered_ || m.WParam != 0 || !handle_) {
    PaintHandler(m);
    return;
  }
  // Into a bitmap first, then one copy to the window: no flicker.
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(handle_, &ps);
  HDC screen = GetDC(nullptr);
  const TRect client = ClientRect();
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.Width(), client.Height());
  ReleaseDC(nullptr, screen);
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, bitmap);
  try {
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), reinterpret_cast<WPARAM>(memory));
    TMessage inner = MakeMessage(WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
    PaintHandler(inner);
    BitBlt(dc, 0, 0, client.Width(), client.Height(), memory, 0, 0, SRCCOPY);
  } catch (...) {
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
    EndPaint(handle_, &ps);
    throw;
  }
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(bitmap);
  EndPaint(handle_, &ps);
}

void TWinControl::PaintHandler(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  PAINTSTRUCT ps{};
  const bool own = dc == nullptr;
  if (own) dc = BeginPaint(handle_, &ps);
  try {
    bool hasWindowless = false;
    for (TControl* c : controls_)
      if (!dynamic_cast<TWinControl*>(c)) hasWindowless = true;
    if (!hasWindowless) {
      PaintWindow(dc);
    } else {
      // Opaque windowless children cover their part: the window skips it.
      const int saved = SaveDC(dc);
      int clip = SIMPLEREGION;
      for (TControl* c : controls_) {
        if (dynamic_cast<TWinControl*>(c) || !c->Visible() ||
            !c->ControlStyle().Contains(csOpaque))
          continue;
        clip = ExcludeClipRect(dc, c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height());
        if (clip == NULLREGION) break;
      }
      if (clip != NULLREGION) PaintWindow(dc);
      RestoreDC(dc, saved);
    }
    PaintControls(dc, nullptr);
  } catch (...) {
    if (own) EndPaint(handle_, &ps);
    throw;
  }
  if (own) EndPaint(handle_, &ps);
  m.Result = 0;
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  size_t i = 0;
  if (first) {
    for (size_t k = 0; k < controls_.size(); ++k)
      if (controls_[k] == first) i = k;
  }
  // A copy: a paint handler may change the children.
  const std::vector<TControl*> children = controls_;
  for (; i < children.size(); ++i) {
    TControl* c = children[i];
    if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
    const RECT bounds = brsm::ToRECT(c->BoundsRect());
    if (!RectVisible(dc, &bounds)) continue;
    const bool copy = ControlState().Contains(csPaintCopy);
    if (copy) c->SetControlState(c->ControlState() + TControlState{csPaintCopy});
    const int saved = SaveDC(dc);
    brsm::MoveWindowOrg(dc, c->Left(), c->Top());
    IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
    try {
      c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    } catch (...) {
      RestoreDC(dc, saved);
      c->SetControlState(c->ControlState() - TControlState{csPaintCopy});
      throw;
    }
    RestoreDC(dc, saved);
    c->SetControlState(c->ControlState() - TControlState{csPaintCopy});
  }
}

void TWinControl::WMEraseBkgnd(TMessage& m) {
  if (doubleBuffered_ && m.WParam != static_cast<WPARAM>(m.LParam) && !ControlState().Contains(csPaintCopy)) {
    // The double-buffered paint erases into its bitmap.
    m.Result = 1;
    return;
  }
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  const RECT r = brsm::ToRECT(ClientRect());
  FillRect(dc, &r, brush_->Handle());
  m.Result = 1;
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
  if (!handle_) HandleNeeded();
  SetControlState(ControlState() + TControlState{csPaintCopy});
  const int saved = SaveDC(dc);
  try {
    brsm::MoveWindowOrg(dc, x, y);
    IntersectClipRect(dc, 0, 0, Width(), Height());
    // The frame of a window with a border is drawn like the system draws it.
    const LONG exStyle = GetWindowLongW(handle_, GWL_EXSTYLE);
    const LONG style = GetWindowLongW(handle_, GWL_STYLE);
    UINT edge = 0, flags = BF_RECT | BF_ADJUST;
    if (exStyle & WS_EX_CLIENTEDGE)
      edge = EDGE_SUNKEN;
    else if (style & WS_BORDER) {
      edge = BDR_OUTER;
      flags |= BF_MONO;
    }
    if (edge) {
      RECT r{0, 0, Width(), Height()};
      DrawEdge(dc, &r, edge, flags);
      brsm::MoveWindowOrg(dc, r.left, r.top);
      IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
    }
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    for (TControl* c : std::vector<TControl*>(controls_)) {
      auto* w = dynamic_cast<TWinControl*>(c);
      if (w && w->Visible()) w->PaintTo(dc, w->Left(), w->Top());
    }
  } catch (...) {
    RestoreDC(dc, saved);
    SetControlState(ControlState() - TControlState{csPaintCopy});
    throw;
  }
  RestoreDC(dc, saved);
  SetControlState(ControlState() - TControlState{csPaintCopy});
}

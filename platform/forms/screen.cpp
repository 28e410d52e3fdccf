// TScreen (forms, desktop, system fonts, cursors, monitors), TMonitor and TMouse.
#include <algorithm>

#include "platform/forms/forms.h"

// -- TMonitor -----------------------------------------------------------------------

namespace {
MONITORINFO InfoOf(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(monitor, &info);
  return info;
}
}  // namespace

TRect TMonitor::BoundsRect() const { return brsm::FromRECT(InfoOf(handle_).rcMonitor); }
TRect TMonitor::WorkareaRect() const { return brsm::FromRECT(InfoOf(handle_).rcWork); }
bool TMonitor::Primary() const { return (InfoOf(handle_).dwFlags & MONITORINFOF_PRIMARY) != 0; }

// -- TScreen --------------------------------------------------------------------------

TScreen::TScreen(TComponent* owner) : TComponent(owner) {}

TScreen::~TScreen() = default;

void TScreen::AddForm(TCustomForm* form) {
  if (std::find(customForms_.begin(), customForms_.end(), form) == customForms_.end())
    customForms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
  customForms_.erase(std::remove(customForms_.begin(), customForms_.end(), form), customForms_.end());
  if (activeCustomForm_ == form) activeCustomForm_ = nullptr;
  if (focusedForm_ == form) focusedForm_ = nullptr;
  if (activeControl_ && GetParentForm(activeControl_) == form) activeControl_ = nullptr;
}

// TForm descendants only; a form still running the TCustomForm part of its
// constructor is not one yet.
int TScreen::FormCount() const {
  int n = 0;
  for (TCustomForm* f : customForms_)
    if (dynamic_cast<TForm*>(f)) ++n;
  return n;
}

TForm* TScreen::Forms(int index) const {
  int n = 0;
  for (TCustomForm* f : customForms_) {
    if (auto* form = dynamic_cast<TForm*>(f)) {
      if (n == index) return form;
      ++n;
    }
  }
  throw EListError("List index out of bounds (" + IntToStr(index) + ")");
}

TCustomForm* TScreen::CustomForms(int index) const {
  if (index < 0 || index >= CustomFormCount())
    throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  return customForms_[static_cast<size_t>(index)];
}

TForm* TScreen::ActiveForm() const { return dynamic_cast<TForm*>(activeCustomForm_); }

void TScreen::SetActiveForm(TCustomForm* form) {
  if (activeCustomForm_ == form) return;
  activeCustomForm_ = form;
  if (TNotifyEvent handler = OnActiveFormChange) handler(this);
}

void TScreen::SetActiveControl(TWinControl* control) {
  if (activeControl_ == control) return;
  activeControl_ = control;
  if (TNotifyEvent handler = OnActiveControlChange) handler(this);
}

int TScreen::DesktopLeft() const { return GetSystemMetrics(SM_XVIRTUALSCREEN); }
int TScreen::DesktopTop() const { return GetSystemMetrics(SM_YVIRTUALSCREEN); }
int TScreen::DesktopWidth() const { return GetSystemMetrics(SM_CXVIRTUALSCREEN); }
int TScreen::DesktopHeight() const { return GetSystemMetrics(SM_CYVIRTUALSCREEN); }
int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }
int TScreen::PixelsPerInch() const { return brsm::ScreenPixelsPerInch(); }

TRect TScreen::WorkAreaRect() const {
  RECT r{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return brsm::FromRECT(r);
}

namespace {
BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  reinterpret_cast<std::vector<HMONITOR>*>(data)->push_back(monitor);
  return TRUE;
}
}  // namespace

void TScreen::RefreshMonitors() const {
  std::vector<HMONITOR> handles;
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&handles));
  bool same = handles.size() == monitors_.size();
  for (size_t i = 0; same && i < handles.size(); ++i) same = monitors_[i]->Handle() == handles[i];
  if (same) return;
  monitors_.clear();
  for (HMONITOR h : handles) monitors_.push_back(std::make_unique<TMonitor>(h));
}

int TScreen::MonitorCount() const {
  RefreshMonitors();
  return static_cast<int>(monitors_.size());
}

TMonitor* TScreen::Monitors(int index) const {
  RefreshMonitors();
  if (index < 0 || index >= static_cast<int>(monitors_.size()))
    throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  return monitors_[static_cast<size_t>(index)].get();
}

TMonitor* TScreen::MonitorFromWindow(HWND wnd) const {
  HMONITOR h = ::MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST);
  RefreshMonitors();
  for (auto& m : monitors_)
    if (m->Handle() == h) return m.get();
  return monitors_.empty() ? nullptr : monitors_.front().get();
}

namespace {
NONCLIENTMETRICSW NonClientMetrics() {
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof(ncm);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0)) {
    // Older systems know the structure without the padded-border field.
    ncm.cbSize = sizeof(ncm) - sizeof(ncm.iPaddedBorderWidth);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0);
  }
  return ncm;
}
}  // namespace

TFont* TScreen::HintFont() const {
  if (!hintFont_) {
    hintFont_ = std::make_unique<TFont>();
    hintFont_->AssignLogFont(NonClientMetrics().lfStatusFont);
    hintFont_->SetColor(clInfoText);
  }
  return hintFont_.get();
}

TFont* TScreen::MenuFont() const {
  if (!menuFont_) {
    menuFont_ = std::make_unique<TFont>();
    menuFont_->AssignLogFont(NonClientMetrics().lfMenuFont);
    menuFont_->SetColor(clMenuText);
  }
  return menuFont_.get();
}

TFont* TScreen::IconFont() const {
  if (!iconFont_) {
    iconFont_ = std::make_unique<TFont>();
    LOGFONTW lf{};
    if (SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(lf), &lf, 0)) iconFont_->AssignLogFont(lf);
  }
  return iconFont_.get();
}

void TScreen::SetCursor(TCursor v) {
  if (cursor_ == v) return;
  cursor_ = v;
  POINT p;
  GetCursorPos(&p);
  HWND wnd = WindowFromPoint(p);
  if (wnd && GetWindowThreadProcessId(wnd, nullptr) == GetCurrentThreadId()) {
    const LRESULT hit = SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
    SendMessageW(wnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd), MAKELPARAM(hit, WM_MOUSEMOVE));
  }
}

HCURSOR TScreen::Cursors(TCursor cursor) const {
  for (const auto& entry : cursors_)
    if (entry.first == cursor) return entry.second;
  LPCSTR id = IDC_ARROW;
  switch (cursor) {
    case crNone: return nullptr;
    case crCross: id = IDC_CROSS; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crSizeNESW: id = IDC_SIZENESW; break;
    case crSizeNS: id = IDC_SIZENS; break;
    case crSizeNWSE: id = IDC_SIZENWSE; break;
    case crSizeWE: id = IDC_SIZEWE; break;
    case crUpArrow: id = IDC_UPARROW; break;
    case crHourGlass: id = IDC_WAIT; break;
    case crNo: id = IDC_NO; break;
    case crAppStart: id = IDC_APPSTARTING; break;
    case crHelp: id = IDC_HELP; break;
    case crHandPoint: id = IDC_HAND; break;
    case crSizeAll: id = IDC_SIZEALL; break;
    default: break;
  }
  return LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(id));
}

void TScreen::SetCursors(TCursor cursor, HCURSOR handle) {
  for (auto& entry : cursors_) {
    if (entry.first == cursor) {
      entry.second = handle;
      return;
    }
  }
  cursors_.emplace_back(cursor, handle);
}

// -- TMouse ---------------------------------------------------------------------------

TPoint TMouse::CursorPos() const {
  POINT p{};
  GetCursorPos(&p);
  return Point(p.x, p.y);
}

void TMouse::SetCursorPos(TPoint p) { ::SetCursorPos(p.X, p.Y); }
HWND TMouse::Capture() const { return GetCapture(); }
void TMouse::SetCapture(HWND wnd) {
  if (wnd)
    ::SetCapture(wnd);
  else
    ReleaseCapture();
}
bool TMouse::MousePresent() const { return GetSystemMetrics(SM_MOUSEPRESENT) != 0; }
int TMouse::WheelScrollLines() const {
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  return static_cast<int>(lines);
}

#include "platform/graphics/image_list.h"

#include <algorithm>

#include "platform/rtl/sysutils.h"

namespace {

// Destination = (destination xor pattern) and source xor destination: where
// the source is white the brush is laid on, elsewhere the target stays.
constexpr DWORD kRopDSPDxax = 0x00E20746;

COLORREF ListColor(TColor color) {
  return color == clNone ? CLR_NONE : static_cast<COLORREF>(ColorToRGB(color) & 0xFFFFFF);
}

}  // namespace

TChangeLink::~TChangeLink() {
  if (sender_) sender_->UnRegisterChanges(this);
}

void TChangeLink::Change() {
  if (OnChange) OnChange(sender_);
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::~TCustomImageList() {
  for (TChangeLink* link : links_) link->sender_ = nullptr;
  links_.clear();
  FreeHandle();
}

void TCustomImageList::FreeHandle() {
  if (handle_) ImageList_Destroy(handle_);
  handle_ = nullptr;
}

HIMAGELIST TCustomImageList::Handle() {
  if (!handle_) {
    handle_ = ImageList_Create(width_, height_, ILC_COLOR24 | (masked_ ? ILC_MASK : 0), 4, 4);
    if (!handle_) throw EOutOfMemory("Out of system resources (image list)");
    ImageList_SetBkColor(handle_, ListColor(bkColor_));
  }
  return handle_;
}

void TCustomImageList::SetSize(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  const bool hadImages = Count() > 0;
  FreeHandle();
  if (hadImages) Change();
}

void TCustomImageList::SetMasked(bool masked) {
  if (masked == masked_) return;
  masked_ = masked;
  const bool hadImages = Count() > 0;
  FreeHandle();
  if (hadImages) Change();
}

int TCustomImageList::Count() const { return handle_ ? ImageList_GetImageCount(handle_) : 0; }

void TCustomImageList::SetBkColor(TColor color) {
  if (color == bkColor_) return;
  bkColor_ = color;
  if (handle_) ImageList_SetBkColor(handle_, ListColor(color));
  Change();
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask) {
  if (!image || image->Empty()) return -1;
  // The list copies from the bitmaps through DCs of its own: they must not
  // be selected anywhere else, which Handle() sees to.
  const int index = ImageList_Add(Handle(), image->Handle(), mask ? mask->Handle() : nullptr);
  if (index >= 0) Change();
  return index;
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor) {
  if (!image || image->Empty()) return -1;
  // ImageList_AddMasked blackens the masked pixels of the bitmap it gets.
  TBitmap copy;
  copy.Assign(image);
  const int index = ImageList_AddMasked(Handle(), copy.Handle(),
                                        static_cast<COLORREF>(ColorToRGB(maskColor) & 0xFFFFFF));
  if (index >= 0) Change();
  return index;
}

void TCustomImageList::Clear() {
  if (Count() == 0) return;
  ImageList_Remove(handle_, -1);
  Change();
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) {
  if (!canvas || index < 0 || index >= Count()) return;
  HDC dc = canvas->Handle();
  if (enabled)
    ImageList_Draw(handle_, index, dc, x, y, ILD_NORMAL);
  else
    DrawDisabled(dc, x, y, index);
}

// The disabled look: the image's shape in the highlight colour one pixel
// down and right, and in the shadow colour over it.
void TCustomImageList::DrawDisabled(HDC dc, int x, int y, int index) {
  HDC monoDC = CreateCompatibleDC(dc);
  HBITMAP mono = CreateBitmap(width_, height_, 1, 1, nullptr);
  if (!monoDC || !mono) {
    if (mono) DeleteObject(mono);
    if (monoDC) DeleteDC(monoDC);
    return;
  }
  HGDIOBJ oldMono = SelectObject(monoDC, mono);
  PatBlt(monoDC, 0, 0, width_, height_, WHITENESS);
  // Drawn into a monochrome DC, pixels of the DC's background colour
  // (white) become 1, all others 0; see-through pixels stay white.
  ImageList_DrawEx(handle_, index, monoDC, 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
  // Blitting from monochrome, 0 bits take the text colour and 1 bits the
  // background colour: the image becomes white and lets the brush through,
  // the rest black and keeps the target.
  const COLORREF oldText = SetTextColor(dc, RGB(255, 255, 255));
  const COLORREF oldBk = ::SetBkColor(dc, RGB(0, 0, 0));
  HBRUSH highlight = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(clBtnHighlight) & 0xFFFFFF));
  HBRUSH shadow = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(clBtnShadow) & 0xFFFFFF));
  HGDIOBJ oldBrush = SelectObject(dc, highlight);
  BitBlt(dc, x + 1, y + 1, width_, height_, monoDC, 0, 0, kRopDSPDxax);
  SelectObject(dc, shadow);
  BitBlt(dc, x, y, width_, height_, monoDC, 0, 0, kRopDSPDxax);
  SelectObject(dc, oldBrush);
  DeleteObject(highlight);
  DeleteObject(shadow);
  SetTextColor(dc, oldText);
  ::SetBkColor(dc, oldBk);
  SelectObject(monoDC, oldMono);
  DeleteObject(mono);
  DeleteDC(monoDC);
}

void TCustomImageList::GetBitmap(int index, TBitmap* image) {
  if (!image || index < 0 || index >= Count()) return;
  image->SetSize(width_, height_);
  Draw(image->Canvas(), 0, 0, index, true);
}

void TCustomImageList::RegisterChanges(TChangeLink* link) {
  if (!link || link->sender_ == this) return;
  if (link->sender_) link->sender_->UnRegisterChanges(link);
  link->sender_ = this;
  links_.push_back(link);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* link) {
  auto it = std::find(links_.begin(), links_.end(), link);
  if (it == links_.end()) return;
  links_.erase(it);
  link->sender_ = nullptr;
}

void TCustomImageList::Change() {
  // A link may unregister (or be freed) while it is told.
  const std::vector<TChangeLink*> links = links_;
  for (TChangeLink* link : links)
    if (std::find(links_.begin(), links_.end(), link) != links_.end()) link->Change();
  if (OnChange) OnChange(this);
}

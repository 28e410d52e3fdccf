#include "skin/controls/combo_box_ex.h"

#include <algorithm>

#include "platform/forms/forms.h"
#include "skin/controls/combo_item_layout.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_text_win.h"
#include "skin/windows/combo_geometry.h"

namespace {

// Hands the image list to the window (0 takes it away).
constexpr UINT kSetImageList = 0x402;

constexpr unsigned kCentred = DT_NOPREFIX | DT_VCENTER | DT_SINGLELINE;

}  // namespace

TsCustomComboBoxEx::TsCustomComboBoxEx(TComponent* owner)
    : TsCommonComboBox(owner),
      imageLink_(std::make_unique<TChangeLink>()),
      itemsEx_(std::make_unique<TsComboItems>(this, [this] { RebuildItems(); })) {
  imageLink_->OnChange = [this](TObject*) { ImagesChanged(); };
  SetStyle(csOwnerDrawFixed);
}

TsCustomComboBoxEx::~TsCustomComboBoxEx() {
  if (images_) images_->RemoveFreeNotification(this);
  imageLink_.reset();  // leaves the image list
}

void TsCustomComboBoxEx::SetImages(TCustomImageList* images) {
  if (images == images_) return;
  if (images_) {
    images_->UnRegisterChanges(imageLink_.get());
    images_->RemoveFreeNotification(this);
  }
  images_ = images;
  if (images_) {
    images_->RegisterChanges(imageLink_.get());
    images_->FreeNotification(this);
    if (HWND w = HandleIfAllocated())
      SendMessageW(w, kSetImageList, 0, reinterpret_cast<LPARAM>(images_->Handle()));
    if (ItemHeight() < images_->Height()) SetItemHeight(images_->Height());
  } else {
    if (HWND w = HandleIfAllocated()) SendMessageW(w, kSetImageList, 0, 0);
    RecreateWnd();
  }
  UpdateMargins();
  Invalidate();
}

void TsCustomComboBoxEx::Notification(TComponent* component, TOperation operation) {
  TsCommonComboBox::Notification(component, operation);
  // An image list freed before the box must not be drawn from afterwards.
  if (operation == opRemove && component == images_) {
    images_ = nullptr;
    UpdateMargins();
    if (!ComponentState().Contains(csDestroying)) Invalidate();
  }
}

void TsCustomComboBoxEx::ImagesChanged() {
  UpdateMargins();
  Invalidate();
}

void TsCustomComboBoxEx::RebuildItems() {
  const int index = ItemIndex();
  TStrings* strings = Items();
  strings->BeginUpdate();
  try {
    strings->Clear();
    for (int i = 0; i < itemsEx_->Count(); ++i)
      strings->AddObject(itemsEx_->Items(i)->Caption(), reinterpret_cast<TObject*>(static_cast<intptr_t>(i)));
  } catch (...) {
    strings->EndUpdate();
    throw;
  }
  strings->EndUpdate();
  if (index < strings->Count()) SetItemIndex(index);
}

void TsCustomComboBoxEx::UpdateMargins() {
  HWND edit = EditHandle();
  if (!edit) return;
  const int margin = images_ && ItemIndex() >= 0 ? images_->Width() : 0;
  SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(margin, 0));
}

bool TsCustomComboBoxEx::FocusLook(TOwnerDrawState state) const {
  HWND w = HandleIfAllocated();
  const bool focused = SkinData()->Focused || (w && GetFocus() == w) || state.Contains(odFocused);
  return focused && !DroppedDown();
}

void TsCustomComboBoxEx::DrawImage(TCanvas* canvas, const TRect& at, int index) const {
  if (images_ && !at.IsEmpty() && index >= 0) images_->Draw(canvas, at.Left, at.Top, index, Enabled());
}

void TsCustomComboBoxEx::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  TCanvas* canvas = Canvas();
  const bool face = state.Contains(odComboBoxEdit);
  const TvxComboItemLook look = ComboItemLook(itemsEx_.get(), index,
                                              index >= 0 && index < Items()->Count() ? Items()->Strings(index) : "",
                                              state.Contains(odSelected), !face);
  const bool hasImage = images_ && look.ImageIndex >= 0;
  const int imageWidth = images_ ? images_->Width() : 0;
  const int imageHeight = images_ ? images_->Height() : 0;
  canvas->Brush()->SetStyle(bsSolid);
  if (face) {
    TRect fill{rect.Left, rect.Top, rect.Right - 1, rect.Bottom};
    canvas->Brush()->SetColor(FocusLook(state) ? clHighlight : Color());
    canvas->FillRect(fill);
    const TRect inner{fill.Left + 3, fill.Top + 3, fill.Right - 3, fill.Bottom - 3};
    const int top = inner.Top + (inner.Height() - imageHeight) / 2;
    const TRect image = hasImage ? TRect{inner.Left, top, inner.Left + imageWidth, top + imageHeight} : TRect{};
    DrawImage(canvas, image, look.ImageIndex);
    const int right = Width() - (ShowButton() ? ButtonRect().Width() : 0) - 3 * (ShowButton() ? 1 : 0);
    TRect text{image.IsEmpty() ? inner.Left : image.Right + 3, rect.Top, right, rect.Bottom};
    if (text.IsEmpty()) return;
    canvas->Font()->SetColor(state.Contains(odFocused) ? clHighlightText : Font()->Color());
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextRect(text, look.Caption, kCentred);
    return;
  }
  // The platform set the selected item's highlight and draws its focus rectangle.
  canvas->FillRect(rect);
  const TvxComboListItemLayout l = ComboListItemLayout(rect, Height(), imageWidth, imageHeight, hasImage,
                                                       look.Indent, canvas->TextWidth(look.Caption),
                                                       canvas->TextHeight(look.Caption));
  DrawImage(canvas, l.Image, look.ImageIndex);
  canvas->Brush()->SetStyle(bsClear);
  canvas->TextOut(l.TextLeft, l.TextTop, look.Caption);
}

void TsCustomComboBoxEx::DrawSkinItem(TCanvas* canvas, int index, const TRect& rect, TOwnerDrawState state) {
  const bool face = state.Contains(odComboBoxEdit);
  const bool inList = index >= 0 && index < Items()->Count();
  if (!face && !inList) return;
  const TvxComboItemLook look =
      ComboItemLook(itemsEx_.get(), index, inList ? Items()->Strings(index) : "", state.Contains(odSelected), !face);
  const bool hasImage = images_ && look.ImageIndex >= 0;
  const int imageWidth = images_ ? images_->Width() : 0;
  const int imageHeight = images_ ? images_->Height() : 0;
  TsCommonData* record = SkinData();
  if (face) {
    const TRect image = ComboImageRect(Height(), imageWidth, imageHeight, hasImage, false, 0);
    DrawImage(canvas, image, look.ImageIndex);
    const TRect area = ComboEditTextRect(image, Width(), Height(), ButtonRect().Width(), ShowButton());
    const TRect text{area.Left, rect.Top, area.Right, rect.Bottom};
    if (text.IsEmpty()) return;
    if (FocusLook(state)) {
      canvas->Brush()->SetStyle(bsSolid);
      canvas->Brush()->SetColor(clHighlight);
      canvas->FillRect(text);
      canvas->Font()->SetColor(clHighlightText);
      canvas->Brush()->SetStyle(bsClear);
      TRect r = text;
      canvas->TextRect(r, look.Caption, kCentred);
      canvas->DrawFocusRect(text);
    } else {
      DrawControlText(canvas, look.Caption, Enabled(), record->IsActiveState(), record, kCentred, text);
    }
    return;
  }
  const TsGeneralData* section = record->Section();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(section ? section->Color : Color());
  canvas->FillRect(rect);
  canvas->Font()->SetColor(section ? section->FontColor[0] : Font()->Color());
  const TvxComboListItemLayout l = ComboListItemLayout(rect, Height(), imageWidth, imageHeight, hasImage,
                                                       look.Indent, canvas->TextWidth(look.Caption),
                                                       canvas->TextHeight(look.Caption));
  if (state.Contains(odSelected)) {
    canvas->Brush()->SetColor(clHighlight);
    canvas->FillRect(l.Selection);
    canvas->Font()->SetColor(clHighlightText);
    canvas->DrawFocusRect(l.Selection);
  }
  DrawImage(canvas, l.Image, look.ImageIndex);
  canvas->Brush()->SetStyle(bsClear);
  canvas->TextOut(l.TextLeft, l.TextTop, look.Caption);
}

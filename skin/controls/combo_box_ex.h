// The skinned extended combo box: a combo box with its skin record (kind
// COMBOBOX) and a bound label. Skinned, it paints its face, frame and
// drop-down button from the record's section, COMBOBTN and COMBOBOX's arrow
// glyph, and a list longer than DropDownCount gets the list adapter.
#pragma once

#include <memory>

#include "platform/forms/stdctrls.h"
#include "skin/core/common_data.h"
#include "skin/core/edit_label_win.h"
#include "skin/core/section_painting.h"

class TvxComboListWnd;

class TsComboBoxEx : public TComboBox {
 public:
  explicit TsComboBoxEx(TComponent* owner);
  ~TsComboBoxEx() override;

  TsCommonData* SkinData() const { return skinData_.get(); }
  TsBoundLabel* BoundLabel() const { return boundLabel_.get(); }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind value);
  // The drop-down list's adapter; nullptr until a long list is first shown.
  TvxComboListWnd* ListAdapter() const { return listAdapter_; }
  // The drop-down button in the box's coordinates (one pixel wider than
  // the adapters' button).
  TRect ButtonRect() const;

  void WndProc(TMessage& message) override;

 protected:
  void Loaded() override;
  void DestroyWnd() override;

 private:
  // The skin's own commands; true when handled.
  bool SkinCommand(TMessage& message);
  void PaintSkinned(TMessage& message);
  void PaintFace(HDC dc);
  void AdaptList(HWND list);
  void DropListAdapter();
  void MarkChanged();

  std::unique_ptr<TsCommonData> skinData_;
  std::unique_ptr<TsBoundLabel> boundLabel_;
  TsDisabledKind disabledKind_{dkBlended};
  bool showButton_ = true;
  HWND listHandle_ = nullptr;
  TvxComboListWnd* listAdapter_ = nullptr;
};

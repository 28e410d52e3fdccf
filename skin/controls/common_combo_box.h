// The skinned combo box over the platform's combo box: its skin record
// (kind COMBOBOX) and bound label, the skinned face, frame and drop-down
// button, the list adapter for lists longer than DropDownCount, the
// keyboard search, the read-only mode, and the edit and list child windows
// routed through the control. Descendants paint the items.
#pragma once

#include <memory>

#include "platform/forms/stdctrls.h"
#include "skin/core/common_data.h"
#include "skin/core/edit_label_win.h"
#include "skin/core/section_painting.h"
#include "skin/windows/combo_search.h"

class TvxComboListWnd;
class TvxChildHook;

// The window property that holds the hook on the box's edit and list
// children.
inline constexpr const char* ComboChildPropertyName = "VXCBCHLD";

class TsCommonComboBox : public TCustomComboBox {
 public:
  explicit TsCommonComboBox(TComponent* owner);
  ~TsCommonComboBox() override;

  TsCommonData* SkinData() const { return skinData_.get(); }
  TsBoundLabel* BoundLabel() const { return boundLabel_.get(); }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind value);
  // Arrow keys and commands are dropped; a click only focuses.
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  // The drop-down list's adapter; nullptr until a long list is first shown.
  TvxComboListWnd* ListAdapter() const { return listAdapter_; }
  // The drop-down button in the box's coordinates (one pixel wider than
  // the adapters' button).
  TRect ButtonRect() const;
  bool ShowButton() const { return showButton_; }
  // The subclassed edit child (editable styles), nullptr otherwise.
  HWND EditHandle() const { return editHandle_; }

  void WndProc(TMessage& message) override;
  // Messages of the subclassed edit and list children; `hook` passes them on.
  void ChildWndProc(const TvxChildHook& hook, TMessage& message);

 protected:
  void Loaded() override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void KeyPress(char& key) override;
  void Change() override;
  // The plain look of an owner-drawn item (the platform's canvas is on the
  // item's DC): OnDrawItem, else filled and written.
  void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
  // The skinned look of an item on `canvas`: a list item of an owner-drawn
  // box, or the face's selected item (odComboBoxEdit). Nothing here.
  virtual void DrawSkinItem(TCanvas* canvas, int index, const TRect& rect, TOwnerDrawState state) {}
  // The edit child's margins after a change.
  virtual void UpdateMargins() {}
  bool IsEditable() const { return Style() == csDropDown || Style() == csSimple; }

 private:
  // The skin's own commands; true when handled.
  bool SkinCommand(TMessage& message);
  // Read-only: true when the message is dropped.
  bool ReadOnlyMessage(TMessage& message);
  void PaintSkinned(TMessage& message);
  void PaintFace(HDC dc);
  void SkinnedDrawItem(TMessage& message);
  void AdaptList(HWND list);
  void DropListAdapter();
  void HookChildren();
  void UnhookChildren();
  void MarkChanged();
  // Hot while the pointer is over the box or one of its children.
  void SetHot(bool hot);
  bool PointerOverBox() const;

  std::unique_ptr<TsCommonData> skinData_;
  std::unique_ptr<TsBoundLabel> boundLabel_;
  TsDisabledKind disabledKind_{dkBlended};
  bool readOnly_ = false;
  bool showButton_ = true;
  HWND listHandle_ = nullptr;
  TvxComboListWnd* listAdapter_ = nullptr;
  HWND editHandle_ = nullptr;
  std::unique_ptr<TvxChildHook> editHook_;
  std::unique_ptr<TvxChildHook> listHook_;  // csSimple's list child
  TvxComboSearch search_;
};

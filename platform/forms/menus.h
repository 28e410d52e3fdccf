// Menus: items in a tree, the main menu of a form and popup menus, over the
// system's menus. Every item has a command id of its own; WM_COMMAND,
// WM_INITMENUPOPUP, WM_MEASUREITEM and WM_DRAWITEM find the item by it.
//
// An item's menu handle is filled in place when the item or one of its
// children changes, so a popup that is open while its items change (an
// OnClick of the parent item enabling entries) stays valid.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/owner_draw.h"
#include "platform/forms/text_alignment.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/image_list.h"

class TMenu;
class TCustomForm;

// A virtual key with the modifier bits below.
using TShortCut = WORD;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(WORD key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, WORD& key, TShiftState& shift);
// "Ctrl+S", "Shift+Del", "Alt+F4"; empty for scNone or a key without name.
std::string ShortCutToText(TShortCut shortCut);
// The reverse of ShortCutToText, without case; scNone when not understood.
TShortCut TextToShortCut(const std::string& text);

enum TMenuBreak { mbNone, mbBreak, mbBarBreak };

using TMenuMeasureItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;
using TMenuDrawItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State)>;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  // Frees the sub-items and leaves the parent item.
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  // Checking a RadioItem unchecks the RadioItems of its GroupIndex among
  // its siblings.
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool v);
  // Drawn bold; a double click on the parent chooses it.
  bool Default() const { return default_; }
  void SetDefault(bool v);
  TMenuBreak Break() const { return break_; }
  void SetBreak(TMenuBreak v);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int v);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut v);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& v) { hint_ = v; }
  // Made empty on first use; a picture in it makes the item owner-drawn.
  TBitmap* Bitmap();
  bool HasBitmap() const { return bitmap_ && !bitmap_->Empty(); }
  void SetBitmap(TBitmap* v);  // copies
  // Image of the menu's Images drawn beside the caption; -1 for none.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v);

  // A caption of exactly "-" is a separator line.
  bool IsLine() const { return caption_ == "-"; }
  WORD Command() const { return command_; }
  // The popup of an item with sub-items (the menu's own handle for the
  // root item); nullptr for an item without.
  HMENU Handle();

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const;  // EListError out of range
  TMenuItem* Parent() const { return parent_; }
  int MenuIndex() const;              // -1 without parent
  void SetMenuIndex(int v);
  int IndexOf(TMenuItem* item) const;  // -1 when not a sub-item
  void Add(TMenuItem* item);           // takes it out of its old parent
  void Insert(int index, TMenuItem* item);
  void Delete(int index);              // frees the sub-item
  void Remove(TMenuItem* item);        // gives the sub-item up without freeing it
  void Clear();                        // frees every sub-item
  TMenuItem* Find(const std::string& caption) const;  // without '&' and case
  // The menu whose tree holds this item.
  TMenu* GetParentMenu() const;

  virtual void Click();
  // Tells the menu that this item changed; with rebuild the parent's popup
  // is filled again as well (a main menu's bar is drawn again either way).
  void MenuChanged(bool rebuild);
  // Default painting and measuring of an owner-drawn item, as the system
  // draws menus; the events run instead when set.
  virtual void AdvancedDrawItem(TCanvas* canvas, const TRect& rect, TOwnerDrawState state, bool topLevel);
  virtual void MeasureItem(TCanvas* canvas, int& width, int& height);

  TNotifyEvent OnClick;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

 private:
  friend class TMenu;
  // The item itself changed: its entry in the parent's popup is written again.
  void Changed();
  // The sub-items changed: this popup is filled again.
  void ChildrenChanged();
  void FillHandle();
  bool IsOwnerDrawn() const;
  bool IsTopLevelOfBar() const;
  void ForgetHandles();  // the system destroyed them with a window
  void TurnSiblingsOff();

  std::string caption_;
  bool visible_ = true;
  bool enabled_ = true;
  bool checked_ = false;
  bool radioItem_ = false;
  bool default_ = false;
  TMenuBreak break_ = mbNone;
  int groupIndex_ = 0;
  TShortCut shortCut_ = scNone;
  std::string hint_;
  std::unique_ptr<TBitmap> bitmap_;
  int imageIndex_ = -1;
  WORD command_ = 0;
  HMENU handle_ = nullptr;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item only
  std::vector<TMenuItem*> items_;
  bool destroying_ = false;
};

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  // The root item; the menu's entries are its sub-items.
  TMenuItem* Items() const { return items_; }
  HMENU Handle();
  bool HandleAllocated() const;
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* v);
  // Every item is owner-drawn (WM_MEASUREITEM / WM_DRAWITEM).
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool v);

  enum TFindItemKind { fkCommand, fkHandle, fkShortCut };
  // The item with a command id, a popup handle or a short cut, in this menu.
  TMenuItem* FindItem(intptr_t value, TFindItemKind kind) const;
  // A key down message: clicks the enabled item with its short cut.
  bool IsShortCut(const TMessage& message);

  // Any menu of the process: the item with that command id, or the one
  // whose popup the handle is.
  static TMenuItem* ItemByCommand(WORD command);
  static TMenuItem* ItemByPopup(HMENU popup);
  // WM_MEASUREITEM / WM_DRAWITEM of an owner-drawn menu item: routed to the
  // item and answered; false when the message is not about one of ours.
  static bool ItemMessage(TMessage& message);

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  // The kind of menu handle the root needs.
  virtual HMENU CreateMenuHandle() { return CreatePopupMenu(); }
  // The menu's entries changed (the bar of a main menu is drawn again).
  virtual void MenuChanged() {}

 private:
  friend class TMenuItem;
  void RefillAll();
  TMenuItem* items_;
  TCustomImageList* images_ = nullptr;
  std::unique_ptr<TChangeLink> imageLink_;
  bool ownerDraw_ = false;
};

class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;
  // The form showing the bar (set by the form). Leaving a form takes the
  // bar out of its window, which would otherwise destroy it with itself.
  TCustomForm* Form() const { return form_; }
  void SetForm(TCustomForm* form);

 protected:
  HMENU CreateMenuHandle() override { return CreateMenu(); }
  void MenuChanged() override;

 private:
  TCustomForm* form_ = nullptr;
};

enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  // Shows the menu at a screen point and returns once it is closed. The
  // chosen item's click follows from the message loop (as the system
  // posts it).
  virtual void Popup(int x, int y);
  // The control the menu was last shown for.
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* v);
  // The window that owns the shown menu and gets its messages; the
  // library's menu window unless set.
  HWND WindowHandle() const;
  void SetWindowHandle(HWND v) { windowHandle_ = v; }
  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment v) { alignment_ = v; }
  // Shown by a right click on a control that names it as PopupMenu.
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool v) { autoPopup_ = v; }

  TNotifyEvent OnPopup;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  virtual void DoPopup();

 private:
  TComponent* popupComponent_ = nullptr;
  HWND windowHandle_ = nullptr;
  TPopupAlignment alignment_ = paLeft;
  bool autoPopup_ = true;
};

namespace brsm {
// The hidden window that owns popup menus and receives their messages.
HWND PopupListWindow();
}  // namespace brsm

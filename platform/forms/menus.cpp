// Menu items, main and popup menus over the system's menu handles.
#include "platform/forms/menus.h"

#include <algorithm>
#include <functional>

#include "platform/forms/forms.h"
#include "platform/forms/stdctrls.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/text1251.h"

// -- Short cuts -------------------------------------------------------------------

namespace {

struct KeyName {
  WORD key;
  const char* name;
};

constexpr KeyName kKeyNames[] = {
    {VK_BACK, "BkSp"},  {VK_TAB, "Tab"},   {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"},   {VK_END, "End"},
    {VK_HOME, "Home"},  {VK_LEFT, "Left"}, {VK_UP, "Up"},        {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},  {VK_INSERT, "Ins"}, {VK_DELETE, "Del"},
};

std::string KeyText(WORD key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F24) return "F" + IntToStr(key - VK_F1 + 1);
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return "Num " + IntToStr(key - VK_NUMPAD0);
  for (const KeyName& k : kKeyNames)
    if (k.key == key) return k.name;
  return {};
}

}  // namespace

TShortCut ShortCut(WORD key, TShiftState shift) {
  if (key & 0xFF00) return scNone;
  TShortCut result = key;
  if (shift.Contains(ssShift)) result |= scShift;
  if (shift.Contains(ssCtrl)) result |= scCtrl;
  if (shift.Contains(ssAlt)) result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut shortCut, WORD& key, TShiftState& shift) {
  key = shortCut & 0xFF;
  shift = TShiftState();
  if (shortCut & scShift) shift.Include(ssShift);
  if (shortCut & scCtrl) shift.Include(ssCtrl);
  if (shortCut & scAlt) shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut shortCut) {
  const std::string key = KeyText(shortCut & 0xFF);
  if (key.empty()) return {};
  std::string text;
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scAlt) text += "Alt+";
  return text + key;
}

TShortCut TextToShortCut(const std::string& text) {
  std::string rest = text;
  TShortCut modifiers = 0;
  for (;;) {
    auto take = [&](const char* prefix, TShortCut bit) {
      const size_t n = std::char_traits<char>::length(prefix);
      if (rest.size() > n && SameText(rest.substr(0, n), prefix)) {
        modifiers |= bit;
        rest.erase(0, n);
        return true;
      }
      return false;
    };
    if (!take("Shift+", scShift) && !take("Ctrl+", scCtrl) && !take("Alt+", scAlt)) break;
  }
  for (int key = 1; key < 0x100; ++key) {
    const std::string name = KeyText(static_cast<WORD>(key));
    if (!name.empty() && SameText(name, rest)) return static_cast<TShortCut>(key | modifiers);
  }
  return scNone;
}

// -- Process-wide tables ----------------------------------------------------------

namespace {

// The tables are never freed: the forms, and their menus with them, go
// when the last forms unit finalises, after these statics may be gone.

// Command ids index this table; 0 is never used.
std::vector<TMenuItem*>& CommandTable() {
  static auto* table = new std::vector<TMenuItem*>(1, nullptr);
  return *table;
}

std::vector<WORD>& FreeCommands() {
  static auto* free = new std::vector<WORD>;
  return *free;
}

WORD AllocateCommand(TMenuItem* item) {
  auto& table = CommandTable();
  auto& free = FreeCommands();
  if (!free.empty()) {
    const WORD id = free.back();
    free.pop_back();
    table[id] = item;
    return id;
  }
  if (table.size() > 0xFFFF) throw EOutOfResources("Too many menu items");
  table.push_back(item);
  return static_cast<WORD>(table.size() - 1);
}

void ReleaseCommand(WORD id) {
  auto& table = CommandTable();
  if (id == 0 || id >= table.size()) return;
  table[id] = nullptr;
  FreeCommands().push_back(id);
}

std::vector<TMenu*>& AllMenus() {
  static auto* menus = new std::vector<TMenu*>;
  return *menus;
}

void InstallMenuHooks() {
  brsm::TMenuHooks& hooks = brsm::MenuHooks;
  if (hooks.Handle) return;
  hooks.Handle = [](TMainMenu* menu) -> HMENU { return menu->Handle(); };
  hooks.DispatchCommand = [](WORD id) {
    TMenuItem* item = TMenu::ItemByCommand(id);
    if (!item) return false;
    item->Click();
    return true;
  };
  hooks.DispatchPopup = [](HMENU popup) {
    TMenuItem* item = TMenu::ItemByPopup(popup);
    if (!item) return false;
    item->Click();
    return true;
  };
  hooks.IsShortCut = [](TMainMenu* menu, TMessage& message) { return menu->IsShortCut(message); };
  hooks.ItemMessage = &TMenu::ItemMessage;
  hooks.SetForm = [](TMainMenu* menu, TCustomForm* form) { menu->SetForm(form); };
  hooks.Popup = [](TPopupMenu* menu, TControl* control, TPoint screenPos) {
    if (!menu->AutoPopup()) return;
    menu->SetPopupComponent(control);
    menu->Popup(screenPos.X, screenPos.Y);
  };
}

// Draws a picture with its transparent colour see-through.
void DrawTransparentBitmap(HDC dc, int x, int y, TBitmap* bitmap) {
  const COLORREF key = static_cast<COLORREF>(ColorToRGB(bitmap->TransparentColor()));
  TransparentBlt(dc, x, y, bitmap->Width(), bitmap->Height(), bitmap->Canvas()->Handle(), 0, 0,
                 bitmap->Width(), bitmap->Height(), key);
}

}  // namespace

// -- TMenuItem ----------------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(AllocateCommand(this)) {}

TMenuItem::~TMenuItem() {
  destroying_ = true;
  while (!items_.empty()) delete items_.back();
  if (parent_) {
    TMenuItem* parent = parent_;
    parent->items_.erase(std::remove(parent->items_.begin(), parent->items_.end(), this), parent->items_.end());
    parent_ = nullptr;
    if (!parent->destroying_) parent->ChildrenChanged();
  }
  if (handle_ && IsMenu(handle_)) {
    // The sub-popups belong to the sub-items: take the entries out without
    // letting DestroyMenu free them.
    while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
    DestroyMenu(handle_);
  }
  handle_ = nullptr;
  ReleaseCommand(command_);
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  return items_[static_cast<size_t>(index)];
}

int TMenuItem::IndexOf(TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

int TMenuItem::MenuIndex() const { return parent_ ? parent_->IndexOf(const_cast<TMenuItem*>(this)) : -1; }

void TMenuItem::SetMenuIndex(int v) {
  if (!parent_) return;
  TMenuItem* parent = parent_;
  const int count = parent->Count();
  v = std::clamp(v, 0, count - 1);
  const int current = MenuIndex();
  if (v == current) return;
  parent->items_.erase(parent->items_.begin() + current);
  parent->items_.insert(parent->items_.begin() + v, this);
  parent->ChildrenChanged();
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item) return;
  if (item == this) throw EInvalidOperation("A menu item cannot hold itself");
  for (TMenuItem* p = this; p; p = p->parent_)
    if (p == item) throw EInvalidOperation("A menu item cannot hold its own parent");
  if (item->parent_) item->parent_->Remove(item);
  if (index < 0 || index > Count()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  ChildrenChanged();
}

void TMenuItem::Delete(int index) { delete Items(index); }

void TMenuItem::Remove(TMenuItem* item) {
  const int index = IndexOf(item);
  if (index < 0) return;
  items_.erase(items_.begin() + index);
  item->parent_ = nullptr;
  ChildrenChanged();
}

void TMenuItem::Clear() {
  while (!items_.empty()) delete items_.back();
}

TMenuItem* TMenuItem::Find(const std::string& caption) const {
  const std::string wanted = WithoutAmpersands(caption);
  for (TMenuItem* item : items_)
    if (AnsiSameText(WithoutAmpersands(item->caption_), wanted)) return item;
  return nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->parent_) item = item->parent_;
  return item->menu_;
}

bool TMenuItem::IsOwnerDrawn() const {
  const TMenu* menu = GetParentMenu();
  if (!menu) return false;
  return menu->OwnerDraw() || menu->Images() != nullptr || HasBitmap();
}

bool TMenuItem::IsTopLevelOfBar() const {
  return parent_ && parent_->menu_ && dynamic_cast<TMainMenu*>(parent_->menu_) != nullptr;
}

void TMenuItem::SetCaption(const std::string& v) {
  if (caption_ == v) return;
  caption_ = v;
  Changed();
}

void TMenuItem::SetVisible(bool v) {
  if (visible_ == v) return;
  visible_ = v;
  Changed();
}

void TMenuItem::SetEnabled(bool v) {
  if (enabled_ == v) return;
  enabled_ = v;
  Changed();
}

void TMenuItem::TurnSiblingsOff() {
  if (!parent_) return;
  for (TMenuItem* sibling : parent_->items_)
    if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->checked_ = false;
}

void TMenuItem::SetChecked(bool v) {
  if (checked_ == v) return;
  checked_ = v;
  if (v && radioItem_) TurnSiblingsOff();
  Changed();
}

void TMenuItem::SetRadioItem(bool v) {
  if (radioItem_ == v) return;
  radioItem_ = v;
  if (v && checked_) TurnSiblingsOff();
  Changed();
}

void TMenuItem::SetDefault(bool v) {
  if (default_ == v) return;
  if (v && parent_)
    for (TMenuItem* sibling : parent_->items_) sibling->default_ = false;
  default_ = v;
  Changed();
}

void TMenuItem::SetBreak(TMenuBreak v) {
  if (break_ == v) return;
  break_ = v;
  Changed();
}

void TMenuItem::SetGroupIndex(int v) {
  if (groupIndex_ == v) return;
  groupIndex_ = v;
  if (checked_ && radioItem_) TurnSiblingsOff();
  Changed();
}

void TMenuItem::SetShortCut(TShortCut v) {
  if (shortCut_ == v) return;
  shortCut_ = v;
  Changed();
}

TBitmap* TMenuItem::Bitmap() {
  if (!bitmap_) {
    bitmap_ = std::make_unique<TBitmap>();
    bitmap_->OnChange = [this](TObject*) { Changed(); };
  }
  return bitmap_.get();
}

void TMenuItem::SetBitmap(TBitmap* v) { Bitmap()->Assign(v); }

void TMenuItem::SetImageIndex(int v) {
  if (imageIndex_ == v) return;
  imageIndex_ = v;
  Changed();
}

HMENU TMenuItem::Handle() {
  if (handle_ && !IsMenu(handle_)) ForgetHandles();
  if (!handle_) {
    if (menu_) handle_ = menu_->CreateMenuHandle();
    else if (items_.empty()) return nullptr;
    else handle_ = CreatePopupMenu();
    if (!handle_) throw EOutOfResources("Cannot make a menu");
    FillHandle();
  }
  return handle_;
}

void TMenuItem::ForgetHandles() {
  handle_ = nullptr;
  for (TMenuItem* item : items_) item->ForgetHandles();
}

void TMenuItem::FillHandle() {
  if (!handle_ || destroying_) return;
  while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
  for (TMenuItem* item : items_) {
    if (!item->visible_) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
    info.wID = item->command_;
    info.dwItemData = item->command_;
    std::wstring text;
    if (item->IsOwnerDrawn()) {
      info.fType = MFT_OWNERDRAW;
    } else if (item->IsLine()) {
      info.fType = MFT_SEPARATOR;
    } else {
      std::string caption = item->caption_;
      if (item->shortCut_ != scNone && !item->IsTopLevelOfBar()) {
        const std::string keys = ShortCutToText(item->shortCut_);
        if (!keys.empty()) caption += "\t" + keys;
      }
      text = brsm::ToUtf16(caption);
      info.fType = MFT_STRING;
      info.fMask |= MIIM_STRING;
      info.dwTypeData = text.data();
      info.cch = static_cast<UINT>(text.size());
    }
    if (item->radioItem_) info.fType |= MFT_RADIOCHECK;
    if (item->break_ == mbBreak) info.fType |= MFT_MENUBREAK;
    if (item->break_ == mbBarBreak) info.fType |= MFT_MENUBARBREAK;
    info.fState = (item->enabled_ ? MFS_ENABLED : MFS_DISABLED | MFS_GRAYED) |
                  (item->checked_ ? MFS_CHECKED : 0) | (item->default_ ? MFS_DEFAULT : 0);
    if (!item->items_.empty()) {
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = item->Handle();
    }
    InsertMenuItemW(handle_, static_cast<UINT>(GetMenuItemCount(handle_)), TRUE, &info);
  }
}

void TMenuItem::Changed() {
  if (destroying_) return;
  if (parent_ && parent_->handle_) parent_->FillHandle();
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

void TMenuItem::MenuChanged(bool rebuild) {
  if (destroying_) return;
  if (rebuild) {
    Changed();
  } else if (TMenu* menu = GetParentMenu()) {
    menu->MenuChanged();
  }
}

void TMenuItem::ChildrenChanged() {
  if (destroying_) return;
  if (handle_) FillHandle();
  // The entry of this item in its parent gains or loses its popup.
  if (parent_ && parent_->handle_) parent_->FillHandle();
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

void TMenuItem::MeasureItem(TCanvas* canvas, int& width, int& height) {
  canvas->SetFont(Screen->MenuFont());
  if (default_) canvas->Font()->SetStyle(canvas->Font()->Style() + TFontStyles{fsBold});
  const int barHeight = GetSystemMetrics(SM_CYMENU);
  const TMenu* menu = GetParentMenu();
  int glyphWidth = 16, glyphHeight = 16;
  if (HasBitmap()) {
    glyphWidth = std::max(glyphWidth, bitmap_->Width());
    glyphHeight = std::max(glyphHeight, bitmap_->Height());
  } else if (menu && menu->Images()) {
    glyphWidth = std::max(glyphWidth, menu->Images()->Width());
    glyphHeight = std::max(glyphHeight, menu->Images()->Height());
  }
  if (IsLine()) {
    width = 10;
    height = barHeight / 2;
  } else {
    TRect r{};
    canvas->TextRect(r, caption_.empty() ? std::string(" ") : caption_, DT_CALCRECT | DT_SINGLELINE);
    if (IsTopLevelOfBar()) {
      width = r.Width() + 12 + (HasBitmap() ? bitmap_->Width() + 4 : 0);
      height = barHeight;
    } else {
      const std::string keys = shortCut_ != scNone ? ShortCutToText(shortCut_) : std::string();
      const int keysWidth = keys.empty() ? 0 : canvas->TextWidth(keys) + 24;
      width = 2 + glyphWidth + 6 + r.Width() + keysWidth + 12;
      height = std::max(barHeight, glyphHeight + 4);
    }
  }
  if (OnMeasureItem) OnMeasureItem(this, canvas, width, height);
}

void TMenuItem::AdvancedDrawItem(TCanvas* canvas, const TRect& rect, TOwnerDrawState state, bool topLevel) {
  if (OnAdvancedDrawItem) {
    OnAdvancedDrawItem(this, canvas, rect, state);
    return;
  }
  if (OnDrawItem) {
    OnDrawItem(this, canvas, rect, state.Contains(odSelected));
    return;
  }
  HDC dc = canvas->Handle();
  const bool selected = state.Contains(odSelected) || (topLevel && state.Contains(odHotLight));
  const bool disabled = !enabled_ || state.Contains(odDisabled) || state.Contains(odGrayed);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(selected ? clHighlight : clMenu);
  canvas->FillRect(rect);
  if (IsLine()) {
    RECT line = brsm::ToRECT(rect);
    line.top += rect.Height() / 2 - 1;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  canvas->SetFont(Screen->MenuFont());
  if (default_) canvas->Font()->SetStyle(canvas->Font()->Style() + TFontStyles{fsBold});
  const TColor textColor = disabled ? clGrayText : selected ? clHighlightText : clMenuText;
  int textLeft = rect.Left + 6;
  if (!topLevel) {
    const TMenu* menu = GetParentMenu();
    TCustomImageList* images = menu ? menu->Images() : nullptr;
    int glyphWidth = 16;
    if (HasBitmap()) glyphWidth = std::max(glyphWidth, bitmap_->Width());
    else if (images) glyphWidth = std::max(glyphWidth, images->Width());
    const int boxLeft = rect.Left + 2;
    if (HasBitmap()) {
      DrawTransparentBitmap(dc, boxLeft + (glyphWidth - bitmap_->Width()) / 2,
                            rect.Top + (rect.Height() - bitmap_->Height()) / 2, bitmap_.get());
    } else if (images && imageIndex_ >= 0 && imageIndex_ < images->Count()) {
      images->Draw(canvas, boxLeft + (glyphWidth - images->Width()) / 2,
                   rect.Top + (rect.Height() - images->Height()) / 2, imageIndex_, !disabled);
    } else if (checked_) {
      canvas->Pen()->SetColor(textColor);
      canvas->Brush()->SetColor(textColor);
      const int cx = boxLeft + glyphWidth / 2, cy = rect.Top + rect.Height() / 2;
      if (radioItem_) {
        canvas->Ellipse(cx - 3, cy - 3, cx + 3, cy + 3);
      } else {
        for (int dy = 0; dy < 3; ++dy) {
          const TPoint tick[] = {{cx - 4, cy - 1 + dy}, {cx - 2, cy + 1 + dy}, {cx + 3, cy - 4 + dy}};
          canvas->Polyline(tick, 3);
        }
      }
    }
    textLeft = boxLeft + glyphWidth + 6;
  }
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->SetColor(textColor);
  unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_EXPANDTABS;
  if (state.Contains(odNoAccel)) flags |= DT_HIDEPREFIX;
  TRect textRect{textLeft, rect.Top, rect.Right - 4, rect.Bottom};
  if (topLevel) {
    textRect = rect;
    flags = (flags & ~static_cast<unsigned>(DT_LEFT)) | DT_CENTER;
  }
  canvas->TextRect(textRect, caption_, flags);
  if (!topLevel && shortCut_ != scNone) {
    TRect keysRect{textLeft, rect.Top, rect.Right - 8, rect.Bottom};
    canvas->TextRect(keysRect, ShortCutToText(shortCut_), DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  }
}

// -- TMenu ----------------------------------------------------------------------------

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) {
  InstallMenuHooks();
  items_->menu_ = this;
  AllMenus().push_back(this);
}

TMenu::~TMenu() {
  auto& menus = AllMenus();
  menus.erase(std::remove(menus.begin(), menus.end(), this), menus.end());
  if (images_ && imageLink_) images_->UnRegisterChanges(imageLink_.get());
  TMenuItem* root = items_;
  items_ = nullptr;
  delete root;
}

HMENU TMenu::Handle() { return items_->Handle(); }

bool TMenu::HandleAllocated() const { return items_->handle_ != nullptr; }

void TMenu::RefillAll() {
  if (!items_) return;
  std::function<void(TMenuItem*)> refill = [&](TMenuItem* item) {
    item->FillHandle();
    for (TMenuItem* sub : item->items_) refill(sub);
  };
  refill(items_);
  MenuChanged();
}

void TMenu::SetImages(TCustomImageList* v) {
  if (images_ == v) return;
  if (images_) {
    images_->UnRegisterChanges(imageLink_.get());
    images_->RemoveFreeNotification(this);
  }
  images_ = v;
  if (v) {
    if (!imageLink_) {
      imageLink_ = std::make_unique<TChangeLink>();
      imageLink_->OnChange = [this](TObject*) { items_->ChildrenChanged(); };
    }
    v->RegisterChanges(imageLink_.get());
    v->FreeNotification(this);
  }
  // Owner drawing depends on the list: every popup is filled again.
  RefillAll();
}

void TMenu::SetOwnerDraw(bool v) {
  if (ownerDraw_ == v) return;
  ownerDraw_ = v;
  RefillAll();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == images_) {
    images_ = nullptr;
    RefillAll();
  }
}

TMenuItem* TMenu::FindItem(intptr_t value, TFindItemKind kind) const {
  std::function<TMenuItem*(TMenuItem*)> search = [&](TMenuItem* item) -> TMenuItem* {
    for (TMenuItem* sub : item->items_) {
      switch (kind) {
        case fkCommand:
          if (sub->command_ == value) return sub;
          break;
        case fkHandle:
          if (sub->handle_ && reinterpret_cast<intptr_t>(sub->handle_) == value) return sub;
          break;
        case fkShortCut:
          if (sub->shortCut_ != scNone && sub->shortCut_ == value) return sub;
          break;
      }
      if (TMenuItem* found = search(sub)) return found;
    }
    return nullptr;
  };
  if (kind == fkHandle && items_->handle_ && reinterpret_cast<intptr_t>(items_->handle_) == value) return items_;
  return search(items_);
}

bool TMenu::IsShortCut(const TMessage& message) {
  if (message.Msg != WM_KEYDOWN && message.Msg != WM_SYSKEYDOWN) return false;
  const TShortCut wanted = ::ShortCut(static_cast<WORD>(message.WParam), KeyDataToShiftState(message.LParam));
  if (wanted == scNone) return false;
  TMenuItem* item = FindItem(wanted, fkShortCut);
  if (!item) return false;
  for (TMenuItem* p = item; p; p = p->Parent())
    if (!p->Enabled() || !p->Visible()) return false;
  item->Click();
  return true;
}

TMenuItem* TMenu::ItemByCommand(WORD command) {
  const auto& table = CommandTable();
  if (command == 0 || command >= table.size()) return nullptr;
  return table[command];
}

TMenuItem* TMenu::ItemByPopup(HMENU popup) {
  if (!popup) return nullptr;
  for (TMenu* menu : AllMenus())
    if (TMenuItem* item = menu->FindItem(reinterpret_cast<intptr_t>(popup), fkHandle)) return item;
  return nullptr;
}

bool TMenu::ItemMessage(TMessage& m) {
  if (m.Msg == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
    if (!measure || measure->CtlType != ODT_MENU) return false;
    TMenuItem* item = ItemByCommand(static_cast<WORD>(measure->itemData ? measure->itemData : measure->itemID));
    if (!item) return false;
    HDC dc = GetDC(nullptr);
    TCanvas canvas;
    canvas.SetHandle(dc);
    int width = 0, height = 0;
    try {
      item->MeasureItem(&canvas, width, height);
    } catch (...) {
      canvas.SetHandle(nullptr);
      ReleaseDC(nullptr, dc);
      throw;
    }
    canvas.SetHandle(nullptr);
    ReleaseDC(nullptr, dc);
    measure->itemWidth = static_cast<UINT>(std::max(width, 0));
    measure->itemHeight = static_cast<UINT>(std::max(height, 0));
    m.Result = TRUE;
    return true;
  }
  if (m.Msg == WM_DRAWITEM) {
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
    if (!draw || draw->CtlType != ODT_MENU) return false;
    TMenuItem* item = ItemByCommand(static_cast<WORD>(draw->itemData ? draw->itemData : draw->itemID));
    if (!item) return false;
    const int saved = SaveDC(draw->hDC);
    TCanvas canvas;
    canvas.SetHandle(draw->hDC);
    try {
      item->AdvancedDrawItem(&canvas, brsm::FromRECT(draw->rcItem), OwnerDrawStateFromBits(draw->itemState),
                             item->IsTopLevelOfBar());
    } catch (...) {
      canvas.SetHandle(nullptr);
      RestoreDC(draw->hDC, saved);
      throw;
    }
    canvas.SetHandle(nullptr);
    RestoreDC(draw->hDC, saved);
    m.Result = TRUE;
    return true;
  }
  return false;
}

// -- TMainMenu ------------------------------------------------------------------------

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

TMainMenu::~TMainMenu() { SetForm(nullptr); }

void TMainMenu::SetForm(TCustomForm* form) {
  if (form_ == form) return;
  if (form_ && form_->HandleAllocated() && HandleAllocated() && GetMenu(form_->HandleIfAllocated()) == Handle())
    ::SetMenu(form_->HandleIfAllocated(), nullptr);
  form_ = form;
}

void TMainMenu::MenuChanged() {
  if (form_ && form_->HandleAllocated()) DrawMenuBar(form_->HandleIfAllocated());
}

// -- TPopupMenu -----------------------------------------------------------------------

namespace brsm {

namespace {

LRESULT CALLBACK PopupListProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  bool handled = false;
  brsm::GuardedCall(nullptr, [&] {
    switch (msg) {
      case WM_COMMAND:
        if (lParam == 0 && HIWORD(wParam) == 0 && MenuHooks.DispatchCommand)
          handled = MenuHooks.DispatchCommand(LOWORD(wParam));
        break;
      case WM_INITMENUPOPUP:
        if (MenuHooks.DispatchPopup) handled = MenuHooks.DispatchPopup(reinterpret_cast<HMENU>(wParam));
        break;
      case WM_MEASUREITEM:
      case WM_DRAWITEM: {
        TMessage m = MakeMessage(msg, wParam, lParam);
        if (TMenu::ItemMessage(m)) {
          handled = true;
          result = m.Result;
        }
        break;
      }
    }
  });
  if (handled) return result;
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

}  // namespace

HWND PopupListWindow() {
  static HWND window = nullptr;
  if (window && IsWindow(window)) return window;
  static bool registered = false;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!registered) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = PopupListProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"BrsmPopupList";
    RegisterClassW(&wc);
    registered = true;
  }
  window = CreateWindowExW(WS_EX_TOOLWINDOW, L"BrsmPopupList", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           instance, nullptr);
  return window;
}

}  // namespace brsm

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}
TPopupMenu::~TPopupMenu() = default;

HWND TPopupMenu::WindowHandle() const { return windowHandle_ ? windowHandle_ : brsm::PopupListWindow(); }

void TPopupMenu::SetPopupComponent(TComponent* v) {
  if (popupComponent_ == v) return;
  if (popupComponent_) popupComponent_->RemoveFreeNotification(this);
  popupComponent_ = v;
  if (v) v->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == opRemove && component == popupComponent_) popupComponent_ = nullptr;
}

void TPopupMenu::DoPopup() {
  if (OnPopup) OnPopup(this);
}

void TPopupMenu::Popup(int x, int y) {
  DoPopup();
  if (Application) Application->CancelHint();
  UINT flags = TPM_RIGHTBUTTON;
  switch (alignment_) {
    case paLeft: flags |= TPM_LEFTALIGN; break;
    case paRight: flags |= TPM_RIGHTALIGN; break;
    case paCenter: flags |= TPM_CENTERALIGN; break;
  }
  // A window that is none of ours (a system dialog) would get the menu's
  // messages in its own procedure, where nothing measures, draws or runs
  // the items: the popup list owns the menu then.
  HWND owner = WindowHandle();
  if (owner != brsm::PopupListWindow() && !FindControl(owner)) owner = brsm::PopupListWindow();
  TrackPopupMenu(Handle(), flags, x, y, 0, owner, nullptr);
}

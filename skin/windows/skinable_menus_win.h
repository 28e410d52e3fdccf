// The Windows half of the menu painter: it hooks the owner-draw events of
// the application's menu items, measures and paints popup and bar items
// from the skin, renders each popup's background once and gives the popup
// window its frame and region.
#pragma once

#include <windows.h>

#include "platform/forms/menus.h"
#include "skin/core/menu_support.h"

// The background of the popup being painted (24-bit), or nullptr.
extern TBitmap* PopupMenuBitmap;
// Set while the painter measures or draws a popup's items; cleared when the
// popup window goes, so the system's own menus keep their painting.
extern bool PopupMenuInUse;

// The painter's handlers; their types tell them from the items' own.
struct TsPainterDrawItem {
  TsSkinableMenus* Painter = nullptr;
  bool MainMenu = false;
  void operator()(TObject* sender, TCanvas* canvas, TRect rect, TOwnerDrawState state) const;
};
struct TsPainterMeasureItem {
  TsSkinableMenus* Painter = nullptr;
  bool MainMenu = false;
  void operator()(TObject* sender, TCanvas* canvas, int& width, int& height) const;
};
bool HasPainterHandlers(const TMenuItem* item);

// A main menu's bar items get (or lose) the main-menu handlers and its
// sub-items the popup ones (with the painter's popup flag).
void SetMainMenuSkinned(TsSkinableMenus* painter, TMainMenu* menu, bool value, bool popups);
// A popup menu (its owner-draw switch and its items) or an item's
// sub-items, hooked or unhooked.
void SetPopupSkinned(TsSkinableMenus* painter, TComponent* menuOrItem, bool value);
void HookItem(TsSkinableMenus* painter, TMenuItem* item, bool value);
// A new skin: the popup state goes and the border width is read again.
void RefreshMenuPainter(TsSkinableMenus* painter);

// Forgets the popup: cached first item, background, extra-line data.
void ResetPopupState();
// The popup window goes: its state is forgotten and the in-use flag cleared.
void EndPopup();
int PainterSkinBorderWidth(TsSkinableMenus* painter);
int PainterExtraLineWidth(TsSkinableMenus* painter);
void PreparePopupBackground(TsSkinableMenus* painter, TMenuItem* firstItem, int width, HWND window,
                            int height);
void SkinPopupMenuWindow(TsSkinableMenus* painter, HWND window, TBitmap* background);
LRESULT CALLBACK PopupMenuWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// The painter of the default manager, nullptr when none.
TsSkinableMenus* DefaultMenuPainter();
// Installs the seam the skin core reaches the painter through.
void UseWindowsMenuPainter();

// The edit, list-view and tree-view adapters on real common controls with
// the kit's Marl: the list's colours, its header painted from COLHEADER with
// the sort arrows, presses and divider clicks, the skinned thumb scrolling
// whole items, the header hook following a new header, surviving a later
// subclass and coming back with the skin; the tree's background; an edit
// and a report list printing what they show.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/forms/forms.h"
#include "skin/core/manager_platform.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/adapter_factory_win.h"
#include "skin/windows/list_view_wnd_win.h"
#include "skin/windows/scroll_wnd_win.h"
#include "skin/windows/tree_view_wnd_win.h"
#include "tests/skin/core/skin_panel_wintest_support.h"
#include "tests/support/print_check.h"
#include "tests/support/screenshot.h"
#include "tools/skinkit/marl_skin.h"

using namespace brsm::test;
using brsm::kit::KitColor;
using brsm::kit::MarlSectionIndex;

namespace {

TColor Kit(const char* section, int index) { return KitColor(MarlSectionIndex(section), index); }

TColor ClientPixel(HWND w, int x, int y) {
  HDC dc = GetDC(w);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(w, dc);
  return static_cast<TColor>(c);
}

// Whether a row of a window's client part holds the colour between x0 and x1.
bool RowHas(HWND w, int y, int x0, int x1, TColor color) {
  HDC dc = GetDC(w);
  bool found = false;
  for (int x = x0; x < x1 && !found; ++x) found = static_cast<TColor>(GetPixel(dc, x, y)) == color;
  ReleaseDC(w, dc);
  return found;
}

// What reaches the list view's own procedure under the adapter.
WNDPROC listProc = nullptr;
std::vector<int> thumbTracks, scrollAmounts;
LRESULT CALLBACK RecordingList(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_VSCROLL && LOWORD(wp) == SB_THUMBTRACK) thumbTracks.push_back(HIWORD(wp));
  if (msg == LVM_SCROLL) scrollAmounts.push_back(static_cast<int>(lp));
  return CallWindowProcW(listProc, w, msg, wp, lp);
}

WNDPROC laterPrevious = nullptr;
int laterSaw = 0;
LRESULT CALLBACK LaterSubclass(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  ++laterSaw;
  return CallWindowProcW(laterPrevious, w, msg, wp, lp);
}

class ListTreeAdaptersWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    UseWindowsSkinManager();
    UseWindowsScrollSeam();
    ASSERT_TRUE(brsm::kit::MakeMarlSkin().WriteFolder(folder.Path()));
    owner = std::make_unique<TForm>(Application);
    manager = new TsSkinManager(owner.get());
    manager->SetSkinDirectory(folder.Path());
    manager->SetSkinName("Marl");
    ASSERT_TRUE(manager->SkinData.Loaded);
    parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 40, 40, 560, 320, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
  }
  void TearDown() override {
    FreeAdapter(list);
    FreeAdapter(tree);
    if (IsWindow(parent)) DestroyWindow(parent);
    owner.reset();
    Pump(10);
  }
  HWND MakeList(DWORD style = LVS_REPORT) {
    HWND w = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | style, 10, 10, 300, 280,
                             parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    const wchar_t* titles[] = {L"Name", L"Size", L"Sum"};
    const int formats[] = {LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_RIGHT};
    for (int i = 0; i < 3; ++i) {
      LVCOLUMNW c{};
      c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
      c.fmt = formats[i];
      c.cx = 90;
      c.pszText = const_cast<wchar_t*>(titles[i]);
      SendMessageW(w, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&c));
    }
    HWND header = ListView_GetHeader(w);
    const int sorts[] = {HDF_SORTUP, HDF_SORTDOWN, 0};
    for (int i = 0; i < 3; ++i) {
      HDITEMW h{};
      h.mask = HDI_FORMAT;
      SendMessageW(header, HDM_GETITEMW, i, reinterpret_cast<LPARAM>(&h));
      h.fmt |= sorts[i];
      SendMessageW(header, HDM_SETITEMW, i, reinterpret_cast<LPARAM>(&h));
    }
    for (int i = 0; i < 60; ++i) {
      std::wstring text = L"Item " + std::to_wstring(i);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = i;
      item.pszText = text.data();
      SendMessageW(w, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    return w;
  }
  template <class T>
  T* Adapt(TvxAdapterKind kind, HWND w) {
    TvxAdapterArgs args;
    args.Handle = w;
    args.Section = "EDIT";
    args.Manager = manager;
    args.Repaint = true;
    T* a = static_cast<T*>(CreateAdapter(kind, args));
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump(30);
    return a;
  }
  RECT ItemRect(HWND header, int i) {
    RECT r{};
    SendMessageW(header, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  void Command(HWND w, uint16_t code) {
    SendMessageW(w, CommandMessage, SkinCmdWParam(code), reinterpret_cast<LPARAM>(manager));
  }

  TempFolder folder;
  std::unique_ptr<TForm> owner;
  TsSkinManager* manager = nullptr;
  HWND parent = nullptr;
  TvxListViewWnd* list = nullptr;
  TvxTreeViewWnd* tree = nullptr;
};

}  // namespace

TEST_F(ListTreeAdaptersWinTest, ListTakesTheSkinsColoursAndGetsItsOwnBack) {
  HWND w = MakeList();
  SendMessageW(w, LVM_SETBKCOLOR, 0, 0x123456);
  SendMessageW(w, LVM_SETTEXTBKCOLOR, 0, 0x123456);
  SendMessageW(w, LVM_SETTEXTCOLOR, 0, 0x654321);
  list = Adapt<TvxListViewWnd>(TvxAdapterKind::ListViewWnd, w);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(SendMessageW(w, LVM_GETBKCOLOR, 0, 0), static_cast<LRESULT>(Kit("EDIT", 0)));
  EXPECT_EQ(SendMessageW(w, LVM_GETTEXTBKCOLOR, 0, 0), static_cast<LRESULT>(Kit("EDIT", 0)));
  EXPECT_EQ(SendMessageW(w, LVM_GETTEXTCOLOR, 0, 0), static_cast<LRESULT>(Kit("EDIT", 2)));
  EXPECT_EQ(list->HeaderWindow(), ListView_GetHeader(w));
  FreeAdapter(list);
  EXPECT_EQ(SendMessageW(w, LVM_GETBKCOLOR, 0, 0), 0x123456);
  EXPECT_EQ(SendMessageW(w, LVM_GETTEXTBKCOLOR, 0, 0), 0x123456);
  EXPECT_EQ(SendMessageW(w, LVM_GETTEXTCOLOR, 0, 0), 0x654321);
  EXPECT_EQ(ChildHookOf(ListView_GetHeader(w), ListHeaderPropertyName), nullptr);
}

TEST_F(ListTreeAdaptersWinTest, HeaderIsPaintedFromColHeaderWithSortArrowsAndRightAlignedText) {
  HWND w = MakeList();
  list = Adapt<TvxListViewWnd>(TvxAdapterKind::ListViewWnd, w);
  HWND header = ListView_GetHeader(w);
  RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(30);
  SaveScreenshot("list_view_marl");
  const TColor edge = brsm::kit::Shade(Kit("COLHEADER", 10));
  const TColor up = Kit("SCROLLBTNTOP", 10), down = Kit("SCROLLBTNBOTTOM", 10), text = Kit("COLHEADER", 2);
  RECT client{};
  GetClientRect(header, &client);
  for (int i = 0; i < 3; ++i) {
    const RECT r = ItemRect(header, i);
    SCOPED_TRACE(i);
    EXPECT_EQ(ClientPixel(header, (r.left + r.right) / 2, r.top + 1), edge);
    const int middle = (r.top + r.bottom) / 2;
    EXPECT_EQ(RowHas(header, middle, r.left, r.right, up), i == 0);
    EXPECT_EQ(RowHas(header, middle, r.left, r.right, down), i == 1);
  }
  // The right-aligned caption ends at the right, the others start at the left.
  const RECT sum = ItemRect(header, 2), name = ItemRect(header, 0);
  bool leftPart = false, rightPart = false, nameLeft = false;
  for (int y = sum.top + 2; y < sum.bottom - 2; ++y) {
    leftPart |= RowHas(header, y, sum.left, sum.left + 30, text);
    rightPart |= RowHas(header, y, sum.right - 35, sum.right, text);
    nameLeft |= RowHas(header, y, name.left, name.left + 30, text);
  }
  EXPECT_FALSE(leftPart);
  EXPECT_TRUE(rightPart);
  EXPECT_TRUE(nameLeft);
  // The rest right of the columns is an empty column face.
  EXPECT_EQ(ClientPixel(header, (sum.right + client.right) / 2, 1), edge);
}

TEST_F(ListTreeAdaptersWinTest, PressingAColumnPressesItAndADividerPressesNone) {
  HWND w = MakeList();
  list = Adapt<TvxListViewWnd>(TvxAdapterKind::ListViewWnd, w);
  HWND header = ListView_GetHeader(w);
  ASSERT_TRUE(GetWindowLongW(header, GWL_STYLE) & HDS_BUTTONS);
  const RECT r = ItemRect(header, 1);
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((r.left + r.right) / 2, 5));
  EXPECT_EQ(list->PressedColumn, 1);
  EXPECT_TRUE(list->HeaderPressed);
  SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM((r.left + r.right) / 2, 5));
  EXPECT_EQ(list->PressedColumn, -1);
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right, 5));
  EXPECT_EQ(list->PressedColumn, -1);
  SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(r.right, 5));
  // Out of report view the header's own procedure has every message.
  SetWindowLongW(w, GWL_STYLE, (GetWindowLongW(w, GWL_STYLE) & ~LVS_TYPEMASK) | LVS_ICON);
  ASSERT_FALSE(list->ReportView());
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((r.left + r.right) / 2, 5));
  EXPECT_EQ(list->PressedColumn, -1);
  SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM((r.left + r.right) / 2, 5));
}

TEST_F(ListTreeAdaptersWinTest, DraggedThumbScrollsWholeItemsAndStaysOnRelease) {
  HWND w = MakeList();
  listProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingList)));
  thumbTracks.clear();
  scrollAmounts.clear();
  list = Adapt<TvxListViewWnd>(TvxAdapterKind::ListViewWnd, w);
  ASSERT_TRUE(list->VertBar && list->VertBar->Visible);
  RECT first{LVIR_BOUNDS, 0, 0, 0};
  SendMessageW(w, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  const int itemHeight = first.bottom - first.top;
  ASSERT_GT(itemHeight, 0);
  const TRect bar = list->BarRectOnScreen(BarVertical);
  const int arrow = GetSystemMetrics(SM_CYVSCROLL);
  const int x = (bar.Left + bar.Right) / 2;
  const int y = bar.Top + arrow + 3;
  SetCursorPos(x, y);
  SendMessageW(w, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(x, y));
  ASSERT_TRUE(list->ThumbTracking());
  SetCursorPos(x, y + 60);
  PostMessageW(w, WM_MOUSEMOVE, 0, 0);
  Pump(30);
  const LRESULT top = SendMessageW(w, LVM_GETTOPINDEX, 0, 0);
  EXPECT_GT(top, 0);
  RECT now{LVIR_BOUNDS, 0, 0, 0};
  SendMessageW(w, LVM_GETITEMRECT, static_cast<WPARAM>(top), reinterpret_cast<LPARAM>(&now));
  EXPECT_EQ(now.top, first.top);  // whole items: the top item sits where item 0 sat
  // The list never sees the skinned thumb's tracking, only the scrolling
  // it comes to, by whole items.
  EXPECT_TRUE(thumbTracks.empty());
  ASSERT_FALSE(scrollAmounts.empty());
  int scrolled = 0;
  for (int dy : scrollAmounts) {
    EXPECT_EQ(dy % itemHeight, 0);
    scrolled += dy;
  }
  EXPECT_EQ(scrolled, top * itemHeight);
  SendMessageW(w, WM_LBUTTONUP, 0, 0);
  Pump(20);
  EXPECT_FALSE(list->ThumbTracking());
  EXPECT_EQ(SendMessageW(w, LVM_GETTOPINDEX, 0, 0), top);
  EXPECT_EQ(GetScrollPos(w, SB_VERT), top);
}

TEST_F(ListTreeAdaptersWinTest, HeaderHookFollowsANewHeaderKeepsALaterSubclassAndComesBackWithTheSkin) {
  HWND w = MakeList();
  list = Adapt<TvxListViewWnd>(TvxAdapterKind::ListViewWnd, w);
  HWND second = CreateWindowExW(0, WC_HEADERW, L"", WS_CHILD | HDS_BUTTONS, 0, 0, 100, 20, w, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(list->HeaderWindow(), second);
  EXPECT_NE(ChildHookOf(second, ListHeaderPropertyName), nullptr);
  EXPECT_EQ(ChildHookOf(ListView_GetHeader(w), ListHeaderPropertyName), nullptr);
  laterPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(second, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterSubclass)));
  DestroyWindow(second);  // the list hears of it and lets the header go
  EXPECT_EQ(list->HeaderWindow(), nullptr);

  // A later subclass on the hooked header stays in place when the hook goes.
  SendMessageW(w, CommandMessage, SkinCmdWParam(SkinCmdSkinReapplied), reinterpret_cast<LPARAM>(manager));
  HWND header = ListView_GetHeader(w);
  ASSERT_EQ(list->HeaderWindow(), header);
  laterPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(header, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterSubclass)));
  Command(w, SkinCmdSkinRemoved);
  EXPECT_EQ(list->HeaderWindow(), nullptr);
  EXPECT_EQ(GetWindowLongPtrW(header, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&LaterSubclass));
  laterSaw = 0;
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);  // passed through to the header
  EXPECT_GT(laterSaw, 0);

  // The skin comes back: the header is hooked again.
  Command(w, SkinCmdNewSkin);
  Command(w, SkinCmdSkinReapplied);
  EXPECT_EQ(list->HeaderWindow(), header);
  EXPECT_NE(ChildHookOf(header, ListHeaderPropertyName), nullptr);
  RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(20);
  const RECT r = ItemRect(header, 0);
  EXPECT_EQ(ClientPixel(header, (r.left + r.right) / 2, r.top + 1), brsm::kit::Shade(Kit("COLHEADER", 10)));
}

TEST_F(ListTreeAdaptersWinTest, TreeErasesInTheSectionsHotColourOrClWindowInDialogMode) {
  HWND w = CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 320, 10, 220, 280, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  tree = Adapt<TvxTreeViewWnd>(TvxAdapterKind::TreeViewWnd, w);
  ASSERT_NE(tree, nullptr);
  const TColor hot = Kit("EDIT", 1);
  EXPECT_EQ(SendMessageW(w, TVM_GETBKCOLOR, 0, 0), static_cast<LRESULT>(hot));
  EXPECT_EQ(ClientPixel(w, 100, 200), hot);
  SaveScreenshot("tree_view_marl");

  // While the record updates, nothing is erased.
  HDC dc = GetDC(w);
  RECT spot{90, 190, 110, 210};
  FillRect(dc, &spot, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  tree->SkinData->Updating = true;
  SendMessageW(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_EQ(ClientPixel(w, 100, 200), 0u);
  tree->SkinData->Updating = false;
  SendMessageW(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_EQ(ClientPixel(w, 100, 200), hot);
  ReleaseDC(w, dc);
  FreeAdapter(tree);
  EXPECT_EQ(SendMessageW(w, TVM_GETBKCOLOR, 0, 0), static_cast<LRESULT>(ColorToRGB(clWindow)));

  AdaptingDialogChild = true;
  tree = Adapt<TvxTreeViewWnd>(TvxAdapterKind::TreeViewWnd, w);
  AdaptingDialogChild = false;
  EXPECT_EQ(SendMessageW(w, TVM_GETBKCOLOR, 0, 0), static_cast<LRESULT>(ColorToRGB(clWindow)));
  EXPECT_EQ(ClientPixel(w, 100, 200), ColorToRGB(clWindow));
}

TEST_F(ListTreeAdaptersWinTest, EditAndReportListPrintWhatTheyShow) {
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"Printed text", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                              320, 10, 200, 24, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  auto* editAdapter = Adapt<TvxEditWnd>(TvxAdapterKind::EditWnd, edit);
  ASSERT_NE(editAdapter, nullptr);
  ASSERT_GT(editAdapter->LeftEdge, 0);
  EXPECT_TRUE(PrintsAsShown(edit));
  FreeAdapter(editAdapter);
  HWND w = MakeList();
  list = Adapt<TvxListViewWnd>(TvxAdapterKind::ListViewWnd, w);
  RedrawWindow(ListView_GetHeader(w), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(20);
  EXPECT_TRUE(PrintsAsShown(w));
}

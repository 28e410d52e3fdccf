// The grid and virtual-tree adapters on windowed controls of a model library
// known only through the published-property registry, with the kit's Marl:
// colours applied and given back, a data grid's thumb position, the
// virtual tree's header drawn through the handlers the adapter sets, and
// both printing what they show.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "platform/forms/forms.h"
#include "platform/graphics/bitmap.h"
#include "skin/core/manager_platform.h"
#include "skin/core/published_props.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/adapter_factory_win.h"
#include "skin/windows/grid_wnd_win.h"
#include "skin/windows/tree_view_wnd_win.h"
#include "tests/skin/windows/published_model_support.h"
#include "tests/skin/core/skin_panel_wintest_support.h"
#include "tests/support/print_check.h"
#include "tools/skinkit/marl_skin.h"

using namespace brsm::test;
using brsm::kit::KitColor;
using brsm::kit::MarlSectionIndex;

namespace {

TColor Kit(const char* section, int index) { return KitColor(MarlSectionIndex(section), index); }

constexpr TColor kModelFace = 0x30C060, kModelMark = 0xC03060;

// A control of the model library: its client part in one colour with a
// mark at its top-left corner, into the DC it is given or its own.
class TModelWindow : public TWinControl {
 public:
  TModelWindow(TComponent* owner, std::string name) : TWinControl(owner), name_(std::move(name)) {}
  std::string ClassName() const override { return name_; }
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_PRINT && (m.LParam & PRF_CLIENT)) {
      // As the system prints a window: the client part at its place.
      POINT at{0, 0};
      MapWindowPoints(Handle(), nullptr, &at, 1);
      RECT frame{};
      GetWindowRect(Handle(), &frame);
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      const int saved = SaveDC(dc);
      OffsetViewportOrgEx(dc, at.x - frame.left, at.y - frame.top, nullptr);
      SendMessageW(Handle(), WM_PRINTCLIENT, m.WParam, PRF_CLIENT);
      RestoreDC(dc, saved);
      return;
    }
    if (m.Msg != WM_PAINT && m.Msg != WM_PRINTCLIENT) {
      TWinControl::WndProc(m);
      return;
    }
    PAINTSTRUCT ps{};
    HDC dc = m.WParam ? reinterpret_cast<HDC>(m.WParam) : BeginPaint(Handle(), &ps);
    RECT client{}, mark{0, 0, 6, 6};
    GetClientRect(Handle(), &client);
    HBRUSH face = CreateSolidBrush(kModelFace), markBrush = CreateSolidBrush(kModelMark);
    FillRect(dc, &client, face);
    FillRect(dc, &mark, markBrush);
    DeleteObject(face);
    DeleteObject(markBrush);
    if (!m.WParam) EndPaint(Handle(), &ps);
    m.Result = 0;
  }

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.Style |= WS_VSCROLL | WS_BORDER;
  }

 private:
  std::string name_;
};

class TModelDBGrid : public TModelWindow {
 public:
  using TModelWindow::TModelWindow;
  int FixedColor = 0x111111, DataSource = 1;
};

class TModelColors : public TObject {
 public:
  int CompressedTextColor = 1, FileTextColor = 2, FolderTextColor = 3;
};
class TModelHeader : public TObject {
 public:
  int Options = 0, SortDirection = 0, Height = 20;
};
class TModelColumn : public TObject {
 public:
  std::string ClassName() const override { return "TModelColumn"; }
  std::string Text = "Name";
};
class TModelVirtualTree : public TModelWindow {
 public:
  using TModelWindow::TModelWindow;
  TModelColors VETColors;
  TModelHeader Header;
  TMethodRef OnAdvancedHeaderDraw, OnHeaderDrawQueryElements;
};

TPublishedProp Method(TMethodRef TModelVirtualTree::*field) {
  TPublishedProp p;
  p.GetMethod = [field](TObject* o) { return dynamic_cast<TModelVirtualTree*>(o)->*field; };
  p.SetMethod = [field](TObject* o, TMethodRef m) { dynamic_cast<TModelVirtualTree*>(o)->*field = m; };
  return p;
}

class GridAdaptersWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearPublishedProps();
    RegisterPublishedProp("TModelDBGrid", "FixedColor", Ord(&TModelDBGrid::FixedColor));
    RegisterPublishedProp("TModelDBGrid", "DataSource", Ord(&TModelDBGrid::DataSource));
    const std::string tree = "TModelVirtualTree";
    RegisterPublishedProp(tree, "VETColors", Obj(&TModelVirtualTree::VETColors));
    RegisterPublishedProp(tree, "Header", Obj(&TModelVirtualTree::Header));
    RegisterPublishedProp(tree, "OnAdvancedHeaderDraw", Method(&TModelVirtualTree::OnAdvancedHeaderDraw));
    RegisterPublishedProp(tree, "OnHeaderDrawQueryElements", Method(&TModelVirtualTree::OnHeaderDrawQueryElements));
    for (const char* name : {"CompressedTextColor", "FileTextColor", "FolderTextColor"})
      RegisterPublishedProp("TModelColors", name,
                            Ord(name[1] == 'o' ? &TModelColors::CompressedTextColor
                                               : name[1] == 'i' ? &TModelColors::FileTextColor
                                                                : &TModelColors::FolderTextColor));
    TPublishedProp options = Ord(&TModelHeader::Options);
    options.SetElements = {"hoAutoResize", "hoOwnerDraw", "hoVisible"};
    RegisterPublishedProp("TModelHeader", "Options", options);
    RegisterPublishedProp("TModelHeader", "SortDirection", Ord(&TModelHeader::SortDirection));
    RegisterPublishedProp("TModelHeader", "Height", Ord(&TModelHeader::Height));
    TPublishedProp text;
    text.GetStr = [](TObject* o) { return dynamic_cast<TModelColumn*>(o)->Text; };
    RegisterPublishedProp("TModelColumn", "Text", text);

    UseWindowsSkinManager();
    ASSERT_TRUE(brsm::kit::MakeMarlSkin().WriteFolder(folder.Path()));
    form = std::make_unique<TForm>(Application);
    form->SetBounds(30, 30, 400, 300);
    manager = new TsSkinManager(form.get());
    manager->SetSkinDirectory(folder.Path());
    manager->SetSkinName("Marl");
    ASSERT_TRUE(manager->SkinData.Loaded);
    form->Show();
    Pump(20);
  }
  void TearDown() override {
    FreeAdapter(adapter);
    record.reset();
    form.reset();
    ClearPublishedProps();
    Pump(10);
  }
  template <class T>
  T* Place(const char* className) {
    auto* control = new T(form.get(), className);
    control->SetParent(form.get());
    control->SetBounds(10, 10, 200, 150);
    record = std::make_unique<TsCommonData>(control, true);
    record->SetSkinSection("EDIT");
    record->SetSkinManager(manager);
    return control;
  }
  template <class T>
  T* Adapt(TvxAdapterKind kind, TWinControl* control) {
    TvxAdapterArgs args;
    args.Handle = control->Handle();
    args.Section = "EDIT";
    args.Manager = manager;
    args.SkinData = record.get();
    adapter = CreateAdapter(kind, args);
    return dynamic_cast<T*>(adapter);
  }

  TempFolder folder;
  std::unique_ptr<TForm> form;
  TsSkinManager* manager = nullptr;
  std::unique_ptr<TsCommonData> record;
  TvxMainWnd* adapter = nullptr;
};

}  // namespace

TEST_F(GridAdaptersWinTest, DataGridTakesTheGlobalColoursAndItsThumbPositionBecomesTheBars) {
  auto* grid = Place<TModelDBGrid>("TModelDBGrid");
  HWND w = grid->Handle();
  SCROLLINFO si{sizeof si, SIF_ALL, 0, 100, 10, 20, 0};
  SetScrollInfo(w, SB_VERT, &si, FALSE);
  auto* a = Adapt<TvxGridWnd>(TvxAdapterKind::GridWnd, grid);
  ASSERT_NE(a, nullptr);
  SendMessageW(w, WM_NCPAINT, 1, 0);  // the colours come with the first painting
  EXPECT_EQ(grid->FixedColor, manager->GlobalBackColor());
  SendMessageW(w, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 20), 0);
  EXPECT_EQ(GetScrollPos(w, SB_VERT), 21);  // the track position + 1
  FreeAdapter(adapter);
  EXPECT_EQ(grid->FixedColor, 0x111111);
}

TEST_F(GridAdaptersWinTest, VirtualTreeGetsItsHeaderDrawnFromColHeaderAndEverythingBack) {
  auto* tree = Place<TModelVirtualTree>("TModelVirtualTree");
  auto* a = Adapt<TvxVirtualTreeViewWnd>(TvxAdapterKind::VirtualTreeViewWnd, tree);
  ASSERT_NE(a, nullptr);
  SendMessageW(tree->Handle(), WM_NCPAINT, 1, 0);
  a->ApplySkinColors();
  EXPECT_EQ(tree->VETColors.FileTextColor, Kit("EDIT", 3));
  ASSERT_TRUE(tree->OnAdvancedHeaderDraw.Assigned());
  ASSERT_TRUE(tree->OnHeaderDrawQueryElements.Assigned());
  EXPECT_EQ(tree->Header.Options & 2, 2);  // hoOwnerDraw

  TvxHeaderPaintInfo info;
  int elements = 0;
  reinterpret_cast<TvxHeaderDrawQueryProc>(tree->OnHeaderDrawQueryElements.Code)(
      tree->OnHeaderDrawQueryElements.Data, tree, info, elements);
  EXPECT_EQ(elements, VirtualTreeHeaderElements);
  TBitmap target(120, 24);
  TModelColumn column;
  info.TargetCanvas = target.Canvas();
  info.Column = &column;
  info.PaintRectangle = TRect{0, 0, 120, 24};
  info.TextRectangle = TRect{6, 2, 80, 22};
  info.ShowSortGlyph = true;
  info.SortGlyphPos = TPoint{96, 0};
  reinterpret_cast<TvxAdvancedHeaderDrawProc>(tree->OnAdvancedHeaderDraw.Code)(tree->OnAdvancedHeaderDraw.Data, tree,
                                                                               info, elements);
  GdiFlush();
  EXPECT_EQ(BitmapPixel(&target, 60, 1), brsm::kit::Shade(Kit("COLHEADER", 10)));
  bool arrow = false, text = false;
  for (int x = 90; x < 110; ++x) arrow |= BitmapPixel(&target, x, 12) == Kit("SCROLLBTNBOTTOM", 10);
  for (int y = 4; y < 20; ++y)
    for (int x = 6; x < 60; ++x) text |= BitmapPixel(&target, x, y) == Kit("COLHEADER", 2);
  EXPECT_TRUE(arrow);
  EXPECT_TRUE(text);

  FreeAdapter(adapter);
  EXPECT_EQ(tree->VETColors.FileTextColor, 2);
  EXPECT_FALSE(tree->OnAdvancedHeaderDraw.Assigned());
  EXPECT_FALSE(tree->OnHeaderDrawQueryElements.Assigned());
  EXPECT_EQ(tree->Header.Options & 2, 0);
}

TEST_F(GridAdaptersWinTest, GridAndVirtualTreePrintWhatTheyShow) {
  auto* grid = Place<TModelDBGrid>("TModelDBGrid");
  Adapt<TvxGridWnd>(TvxAdapterKind::GridWnd, grid);
  auto* tree = new TModelVirtualTree(form.get(), "TModelVirtualTree");
  tree->SetParent(form.get());
  tree->SetBounds(220, 10, 150, 150);
  TsCommonData treeRecord(tree, true);
  treeRecord.SetSkinSection("EDIT");
  treeRecord.SetSkinManager(manager);
  TvxAdapterArgs args;
  args.Handle = tree->Handle();
  args.Section = "EDIT";
  args.Manager = manager;
  args.SkinData = &treeRecord;
  TvxMainWnd* treeAdapter = CreateAdapter(TvxAdapterKind::VirtualTreeViewWnd, args);
  // The frame changes: the adapters take over the edges.
  for (TWinControl* c : std::initializer_list<TWinControl*>{grid, tree})
    SetWindowPos(c->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  Pump(30);
  ASSERT_GT(dynamic_cast<TvxGridWnd*>(adapter)->LeftEdge, 0);
  EXPECT_TRUE(PrintsAsShown(grid->Handle()));
  EXPECT_TRUE(PrintsAsShown(tree->Handle()));
  FreeAdapter(treeAdapter);
}

#include "skin/windows/grid_colors.h"

#include "platform/rtl/collections.h"

namespace {

// Fonts are reached as objects with a Color property of their own.
TObject* FontProp(TObject* object, const char* name) { return GetObjectPropByName(object, name); }

void SetFontColor(TObject* object, const char* name, TColor color) {
  SetOrdPropByName(FontProp(object, name), "Color", color);
}

bool FontColor(TObject* object, const char* name, TColor& into) {
  TObject* f = FontProp(object, name);
  if (!f || !HasPublishedProp(f, "Color")) return false;
  into = GetOrdPropByName(f, "Color");
  return true;
}

// An ordinal colour read only when the property exists.
void ReadColor(TObject* object, const char* name, TColor& into) {
  if (HasPublishedProp(object, name)) into = GetOrdPropByName(object, name);
}

bool IsAdvGrid(TObject* grid) { return grid->ClassName() == AdvGridClassName; }

template <class F>
void ForEachColumn(TObject* grid, F f) {
  auto* columns = dynamic_cast<TCollection*>(GetObjectPropByName(grid, "Columns"));
  if (!columns) return;
  for (int i = 0; i < columns->Count(); ++i) f(columns->Items(i));
}

constexpr const char* kColorNames[3] = {"CompressedTextColor", "FileTextColor", "FolderTextColor"};

}  // namespace

TvxGridSavedColors SaveGridColors(TObject* grid) {
  TvxGridSavedColors s;
  if (!grid) return s;
  ReadColor(grid, "FixedColor", s.FixedColor);
  if (!FontColor(grid, "TitleFont", s.TitleFontColor) && !IsAdvGrid(grid))
    FontColor(grid, "FixedFont", s.TitleFontColor);
  ReadColor(grid, "FooterColor", s.FooterColor);
  ReadColor(grid, "FooterCellColor", s.FooterCellColor);
  ReadColor(grid, "TitleColor", s.TitleColor);
  ReadColor(grid, "IndicatorIconColor", s.IndicatorIconColor);
  return s;
}

void ApplyGridColors(TObject* grid, const TvxGridSkinColors& c) {
  if (!grid) return;
  SetOrdPropByName(grid, "FixedColor", c.GlobalBack);
  SetFontColor(grid, "TitleFont", c.GlobalText);
  if (!IsAdvGrid(grid)) {
    SetFontColor(grid, "FixedFont", c.GlobalText);
    ForEachColumn(grid, [&](TObject* column) {
      SetFontColor(column, "HeaderFont", c.GlobalText);
      SetFontColor(column, "Font", c.HotFontColor);
      SetOrdPropByName(column, "Color", c.SectionColor);
    });
  }
  SetOrdPropByName(grid, "FooterColor", c.GlobalInfoColor);
  SetOrdPropByName(grid, "FooterCellColor", c.GlobalInfoColor);
  SetOrdPropByName(grid, "TitleColor", c.GlobalInfoColor);
  SetOrdPropByName(grid, "IndicatorIconColor", c.FontColor);
}

void RestoreGridColors(TObject* grid, const TvxGridSavedColors& s, TColor savedColor, TColor savedFontColor) {
  if (!grid) return;
  SetOrdPropByName(grid, "FixedColor", s.FixedColor);
  SetFontColor(grid, "TitleFont", s.TitleFontColor);
  if (!IsAdvGrid(grid)) {
    SetFontColor(grid, "FixedFont", s.TitleFontColor);
    ForEachColumn(grid, [&](TObject* column) {
      SetFontColor(column, "HeaderFont", s.TitleFontColor);
      SetFontColor(column, "Font", savedFontColor);
      SetOrdPropByName(column, "Color", savedColor);
    });
  }
  SetOrdPropByName(grid, "FooterColor", s.FooterColor);
  SetOrdPropByName(grid, "FooterCellColor", s.FooterCellColor);
  SetOrdPropByName(grid, "TitleColor", s.TitleColor);
  SetOrdPropByName(grid, "IndicatorIconColor", s.IndicatorIconColor);
}

void SaveVirtualTreeColors(TObject* tree, TvxVirtualTreeState& st) {
  if (!tree) return;
  if (TObject* colors = GetObjectPropByName(tree, "VETColors")) {
    ReadColor(colors, kColorNames[0], st.CompressedTextColor);
    ReadColor(colors, kColorNames[1], st.FileTextColor);
    ReadColor(colors, kColorNames[2], st.FolderTextColor);
  }
  st.OwnerDraw = SetPropHasElement(GetObjectPropByName(tree, "Header"), "Options", "hoOwnerDraw");
}

void ApplyVirtualTreeColors(TObject* tree, TColor hotFontColor, TMethodRef headerDraw, TMethodRef query,
                            TvxVirtualTreeState& st) {
  if (!tree) return;
  if (TObject* colors = GetObjectPropByName(tree, "VETColors"))
    for (const char* name : kColorNames) SetOrdPropByName(colors, name, hotFontColor);
  if (MethodPropExists(tree, "OnAdvancedHeaderDraw") && !MethodPropAssigned(tree, "OnAdvancedHeaderDraw")) {
    AssignMethodProp(tree, "OnAdvancedHeaderDraw", headerDraw);
    st.SetHeaderDraw = true;
  }
  // A tree that draws its own header keeps it: no query, no owner drawing.
  if (!st.SetHeaderDraw) return;
  if (MethodPropExists(tree, "OnHeaderDrawQueryElements") && !MethodPropAssigned(tree, "OnHeaderDrawQueryElements")) {
    AssignMethodProp(tree, "OnHeaderDrawQueryElements", query);
    st.SetQuery = true;
  }
  TObject* header = GetObjectPropByName(tree, "Header");
  if (st.SetQuery && !SetPropHasElement(header, "Options", "hoOwnerDraw")) {
    ChangeSetElement(header, "Options", "hoOwnerDraw", true);
    st.SetOwnerDraw = SetPropHasElement(header, "Options", "hoOwnerDraw");
  }
}

void RestoreVirtualTreeColors(TObject* tree, TMethodRef headerDraw, TMethodRef query, TvxVirtualTreeState& st) {
  if (!tree) return;
  if (TObject* colors = GetObjectPropByName(tree, "VETColors")) {
    SetOrdPropByName(colors, kColorNames[0], st.CompressedTextColor);
    SetOrdPropByName(colors, kColorNames[1], st.FileTextColor);
    SetOrdPropByName(colors, kColorNames[2], st.FolderTextColor);
  }
  if (st.SetHeaderDraw && GetMethodProp(tree, "OnAdvancedHeaderDraw") == headerDraw)
    ClearMethodProp(tree, "OnAdvancedHeaderDraw");
  if (st.SetQuery && GetMethodProp(tree, "OnHeaderDrawQueryElements") == query)
    ClearMethodProp(tree, "OnHeaderDrawQueryElements");
  if (st.SetOwnerDraw) ChangeSetElement(GetObjectPropByName(tree, "Header"), "Options", "hoOwnerDraw", st.OwnerDraw);
  st.SetHeaderDraw = st.SetQuery = st.SetOwnerDraw = false;
}

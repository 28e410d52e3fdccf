// The colours a grid or a virtual tree of another library takes from the
// skin and gives back, reached only through the published-property
// registry: a property the class lacks is skipped.
#pragma once

#include "platform/graphics/colors.h"
#include "skin/core/published_props.h"

class TObject;

// The one grid class whose fixed font and columns keep their colours.
inline constexpr const char* AdvGridClassName = "TDBAdvGrid";

struct TvxGridSkinColors {
  TColor GlobalBack = 0;       // the manager's global background
  TColor GlobalText = 0;       // the manager's global text colour
  TColor SectionColor = 0;     // the grid's section
  TColor HotFontColor = 0;
  TColor FontColor = 0;
  TColor GlobalInfoColor = 0;  // GLOBALINFO's Color
};

struct TvxGridSavedColors {
  TColor FixedColor = clBtnFace;
  TColor TitleFontColor = clWindowText;
  TColor FooterColor = clWindow;
  TColor FooterCellColor = clWindow;
  TColor TitleColor = clBtnFace;
  TColor IndicatorIconColor = clWindowText;
};

TvxGridSavedColors SaveGridColors(TObject* grid);
void ApplyGridColors(TObject* grid, const TvxGridSkinColors& colors);
// The columns' fonts and colours come back from the edit adapter's saved
// colour and font colour.
void RestoreGridColors(TObject* grid, const TvxGridSavedColors& saved, TColor savedColor, TColor savedFontColor);

// What a virtual tree had, and what the adapter put on it.
struct TvxVirtualTreeState {
  TColor CompressedTextColor = clWindowText;
  TColor FileTextColor = clWindowText;
  TColor FolderTextColor = clWindowText;
  bool OwnerDraw = false;       // Header.Options held "hoOwnerDraw"
  bool SetHeaderDraw = false;   // the adapter set OnAdvancedHeaderDraw
  bool SetQuery = false;        // the adapter set OnHeaderDrawQueryElements
  bool SetOwnerDraw = false;    // the adapter added "hoOwnerDraw"
};

// The element set the adapter's query handler answers.
inline constexpr int VirtualTreeHeaderElements = 27;

void SaveVirtualTreeColors(TObject* tree, TvxVirtualTreeState& state);
// The three file colours take the section's hot font colour; a tree without
// its own header drawing gets the adapter's, its element query and
// "hoOwnerDraw".
void ApplyVirtualTreeColors(TObject* tree, TColor hotFontColor, TMethodRef headerDraw, TMethodRef query,
                            TvxVirtualTreeState& state);
// Only what the adapter set is taken back; handlers the application set
// stay.
void RestoreVirtualTreeColors(TObject* tree, TMethodRef headerDraw, TMethodRef query, TvxVirtualTreeState& state);

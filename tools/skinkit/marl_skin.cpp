#include "tools/skinkit/marl_skin.h"

#include "tools/skinkit/kit_pictures.h"

namespace brsm::kit {

namespace {

const std::vector<std::string> kSections = {
    "GLOBALINFO", "FORM", "FORMTITLE", "DIALOG", "BUTTON", "EDIT", "COMBOBOX", "COMBOBTN",
    "CHECKBOX", "RADIOBUTTON", "GROUPBOX", "PANEL", "PANEL_LOW", "HINT", "TOOLBAR",
    "TOOLBUTTON", "SPEEDBUTTON", "SPEEDBUTTON_SMALL", "MAINMENU", "MENUITEM", "MENULINE",
    "ICOLINE", "COLHEADER", "SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT",
    "SCROLLSLIDERV", "SCROLLSLIDERH", "SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V",
    "TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT", "PAGECONTROL", "TABSHEET", "STATUSBAR",
    "TRACKBAR", "SLIDERCHANNEL", "GAUGE", "SPLITTER", "BAR", "BARTITLE", "MDIAREA", "WEBBUTTON",
    "DIVIDER",
};

std::vector<TColor> FrameColors(int section, int frames) {
  std::vector<TColor> colors;
  for (int s = 0; s < frames; ++s) colors.push_back(KitColor(section, 10 + s));
  return colors;
}

void SetColours(KitSkin& skin, const std::string& section, int i) {
  skin.Set(section, "COLOR", KitColor(i, 0));
  skin.Set(section, "HOTCOLOR", KitColor(i, 1));
  skin.Set(section, "FONTCOLOR", KitColor(i, 2));
  skin.Set(section, "HOTFONTCOLOR", KitColor(i, 3));
}

// A border of the master bitmap in "#" list form: frames of 24 x 18, edge 4.
void ListBorder(KitSkin& skin, const std::string& section, int i, int frames, bool magenta) {
  const TRect r = skin.PlaceInMaster(FramesPicture(24, 18, FrameColors(i, frames), 4, magenta, 1));
  skin.Set(section, "BORDERSMASK", ListValue(r, frames, 0, 0, 1));
}

void Glyph(KitSkin& skin, const std::string& section, const std::string& key, int i, int frames,
           int size) {
  const TRect r = skin.PlaceInMaster(GlyphStrip(size, size, FrameColors(i, frames)));
  skin.Set(section, key, GlyphValue(r, frames, 0));
}

}  // namespace

const std::vector<std::string>& MarlSections() { return kSections; }

int MarlSectionIndex(const std::string& section) {
  for (size_t i = 0; i < kSections.size(); ++i)
    if (kSections[i] == section) return static_cast<int>(i);
  return -1;
}

KitSkin MakeMarlSkin(const std::string& name) {
  KitSkin skin(name);
  for (size_t n = 0; n < kSections.size(); ++n) SetColours(skin, kSections[n], static_cast<int>(n));
  auto idx = [](const char* s) { return MarlSectionIndex(s); };

  // Skin-wide values.
  skin.Set("GLOBALINFO", "VERSION", "5.49");
  skin.Set("GLOBALINFO", "AUTHOR", "Brassmith skin kit");
  skin.Set("GLOBALINFO", "DESCRIPTION", "Procedural test skin");
  skin.Set("GLOBALINFO", "SHADOW1COLOR", 0);
  skin.Set("GLOBALINFO", "SHADOW1OFFSET", 2);
  skin.Set("GLOBALINFO", "SHADOW1BLUR", 4);
  skin.Set("GLOBALINFO", "SHADOW1TRANSPARENCY", 50);
  skin.Set("GLOBALINFO", "BISPACE", 2);
  skin.Set("GLOBALINFO", "BORDERCOLOR", KitColor(0, 9));
  skin.SetMasterName("Master.bmp");
  const char* checks[] = {"BOXCHECKED", "BOXUNCHECKED", "BOXGRAYED", "RADIOCHECKED",
                          "RADIOUNCHECKED", "RADIOGRAYED", "SMALLCHECKED", "SMALLUNCHECKED",
                          "SMALLGRAYED"};
  for (int g = 0; g < 9; ++g) Glyph(skin, "GLOBALINFO", checks[g], 20 + g, 2, g < 6 ? 13 : 9);
  const char* icons[] = {"BICONCLOSE", "BICONMAX", "BICONNORM", "BICONMIN", "BICONHELP",
                         "SICONCLOSE", "SICONMAX", "SICONNORM", "SICONMIN", "SICONHELP"};
  for (int g = 0; g < 10; ++g) Glyph(skin, "GLOBALINFO", icons[g], 30 + g, 3, g < 5 ? 16 : 12);
  {
    const TRect r = skin.PlaceInMaster(FramesPicture(20, 18, FrameColors(idx("GLOBALINFO"), 3), 3, true, 1));
    skin.Set("GLOBALINFO", "TITLEBUTTON", BorderValue(r, 0, 0, 0, 0, 3, 0, 0, 3));
  }
  Glyph(skin, "GLOBALINFO", "GRIPIMAGE", 41, 1, 12);

  // Forms: a master border with magenta corners and a large JPEG pattern.
  {
    const int i = idx("FORM");
    const TRect r = skin.PlaceInMaster(FramesPicture(36, 36, FrameColors(i, 2), 6, true, 1));
    skin.Set("FORM", "BORDERSMASK", BorderValue(r, 6, 6, 6, 6, 2, 0, 0, 0));
    TPixelBuffer pattern = PatternPicture(320, 300, i);
    skin.AddFile("FormPattern.jpg", JpegBytes(pattern));
    skin.Set("FORM", "PATTERN", "FormPattern.jpg");
    skin.Set("FORM", "TRANSPARENCY", 0);
  }
  {
    const int i = idx("FORMTITLE");
    const TRect r = skin.PlaceInMaster(FramesPicture(40, 24, FrameColors(i, 2), 4, false, 1));
    skin.Set("FORMTITLE", "BORDERSMASK", BorderValue(r, 0, 0, 0, 0, 2, 0, 1, 4));
    skin.Set("FORMTITLE", "GRADIENTDATA", "8421504;16777215;100;0;0");
    skin.Set("FORMTITLE", "GRADIENTPERCENT", 50);
  }
  skin.Set("DIALOG", "PARENTCLASS", "FORM");

  // Buttons: an own bitmap with a mask row, fading, gradients.
  {
    const int i = idx("BUTTON");
    TPixelBuffer picture = FramesPicture(30, 22, FrameColors(i, 3), 4, true, 2);
    skin.AddFile("Button.bmp", BmpBytes(picture));
    skin.Set("BUTTON", "BORDERSMASK", OwnFileValue("Button.BMP", 3, 1, 0));
    skin.Set("BUTTON", "FADINGENABLED", "TRUE");
    skin.Set("BUTTON", "FADINGITERATIONS", 4);
    skin.Set("BUTTON", "SHOWFOCUS", "TRUE");
    skin.Set("BUTTON", "GRADIENTDATA", "12632256;16777215;50;0;0;16777215;12632256;50;0;0");
    skin.Set("BUTTON", "HOTGRADIENTDATA", "16777215;14737632;100;1;0");
    skin.Set("BUTTON", "GRADIENTPERCENT", 40);
    skin.Set("BUTTON", "HOTGRADIENTPERCENT", 60);
    skin.Set("BUTTON", "BEVEL", 1);
    skin.Set("BUTTON", "HOTBEVEL", 3);
  }
  // Edits: a plain bitmap name (three frames with a mask row).
  {
    const int i = idx("EDIT");
    TPixelBuffer picture = FramesPicture(18, 18, FrameColors(i, 3), 3, false, 2);
    skin.AddFile("Edit.bmp", BmpBytes(picture));
    skin.Set("EDIT", "BORDERSMASK", "Edit.bmp");
    skin.Set("EDIT", "BEVEL", 2);
  }
  skin.Set("COMBOBOX", "PARENTCLASS", "EDIT");
  Glyph(skin, "COMBOBOX", "GLYPHMASK", idx("COMBOBOX"), 3, 11);
  {
    const int i = idx("COMBOBTN");
    ListBorder(skin, "COMBOBTN", i, 3, true);
    TPixelBuffer small = PatternPicture(64, 32, i);
    skin.AddFile("ComboBtn.jpg", JpegBytes(small));
    skin.Set("COMBOBTN", "PATTERN", "ComboBtn.jpg");
    TPixelBuffer hot = PatternPicture(48, 32, i + 1);
    skin.AddFile("ComboBtnHot.jpg", JpegBytes(hot));
    skin.Set("COMBOBTN", "HOTPATTERN", "ComboBtnHot.jpg");
  }
  Glyph(skin, "CHECKBOX", "GLYPHMASK", idx("CHECKBOX"), 2, 13);
  Glyph(skin, "RADIOBUTTON", "GLYPHMASK", idx("RADIOBUTTON"), 2, 13);
  {
    const int i = idx("GROUPBOX");
    const TRect r = skin.PlaceInMaster(FramesPicture(30, 30, FrameColors(i, 1), 5, true, 1));
    skin.Set("GROUPBOX", "BORDERSMASK", BorderValue(r, 5, 5, 5, 5, 1, 0, 0, 0));
  }
  // Panels: a master border and a master texture; a child section.
  {
    const int i = idx("PANEL");
    const TRect r = skin.PlaceInMaster(FramesPicture(24, 24, FrameColors(i, 1), 4, false, 1));
    skin.Set("PANEL", "BORDERSMASK", BorderValue(r, 4, 4, 4, 4, 1, 0, 0, 0));
    const TRect t = skin.PlaceInMaster(PatternPicture(32, 32, i));
    skin.Set("PANEL", "PATTERN", TextureValue(t, 0, 0));
    skin.Set("PANEL", "BEVEL", 1);
  }
  skin.Set("PANEL_LOW", "PARENTCLASS", "PANEL");
  skin.Set("PANEL_LOW", "BEVEL", 2);
  {
    const int i = idx("HINT");
    const TRect r = skin.PlaceInMaster(FramesPicture(20, 20, FrameColors(i, 1), 4, true, 1));
    skin.Set("HINT", "BORDERSMASK", ListValue(r, 1, 0, 4, 0));
    skin.Set("HINT", "SHADOWENABLED", "TRUE");
    skin.Set("HINT", "SHADOWCOLOR", 0);
  }
  {
    const int i = idx("TOOLBAR");
    const TRect t = skin.PlaceInMaster(PatternPicture(24, 24, i));
    skin.Set("TOOLBAR", "PATTERN", TextureValue(t, 1, 0));
  }
  ListBorder(skin, "TOOLBUTTON", idx("TOOLBUTTON"), 3, true);
  {
    const int i = idx("SPEEDBUTTON");
    TPixelBuffer picture = FramesPicture(40, 30, FrameColors(i, 3), 5, true, 1);
    skin.AddFile("SpeedButton.bmp", BmpBytes(picture));
    skin.Set("SPEEDBUTTON", "BORDERSMASK", OwnFileValue("SpeedButton.BMP", 3, 0, 0, 5, 5, 5, 5));
    skin.Set("SPEEDBUTTON", "FADINGENABLED", "TRUE");
    skin.Set("SPEEDBUTTON", "FADINGITERATIONS", 4);
  }
  skin.Set("SPEEDBUTTON_SMALL", "PARENTCLASS", "SPEEDBUTTON");
  for (const char* s : {"MAINMENU", "MENUITEM", "COLHEADER", "STATUSBAR", "PAGECONTROL",
                        "TABSHEET", "TRACKBAR", "GAUGE", "BAR", "BARTITLE", "WEBBUTTON"})
    ListBorder(skin, s, idx(s), s == std::string("MENUITEM") || s == std::string("WEBBUTTON") ? 2 : 1,
               false);
  for (const char* s : {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT"}) {
    ListBorder(skin, s, idx(s), 3, false);
    Glyph(skin, s, "GLYPHMASK", idx(s), 3, 9);
  }
  for (const char* s : {"SCROLLSLIDERV", "SCROLLSLIDERH"}) {
    ListBorder(skin, s, idx(s), 3, false);
    Glyph(skin, s, "GLYPHMASK", idx(s), 3, 7);
  }
  for (const char* s : {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"})
    ListBorder(skin, s, idx(s), 2, false);
  for (const char* s : {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"})
    ListBorder(skin, s, idx(s), 3, true);
  skin.Set("MENULINE", "PARENTCLASS", "MENUITEM");
  skin.Set("ICOLINE", "PARENTCLASS", "MENUITEM");
  skin.Set("SLIDERCHANNEL", "PARENTCLASS", "TRACKBAR");
  skin.Set("SPLITTER", "PARENTCLASS", "PANEL");
  skin.Set("MDIAREA", "PARENTCLASS", "FORM");
  // A tool-bar divider: one narrow frame, drawn as a strip down the middle
  // of a divider button.
  {
    const int i = idx("DIVIDER");
    const TRect r = skin.PlaceInMaster(FramesPicture(6, 24, FrameColors(i, 1), 2, false, 1));
    skin.Set("DIVIDER", "BORDERSMASK", BorderValue(r, 2, 2, 2, 2, 1, 0, 0, 0));
  }
  // The strip behind a form's caption buttons: two frames (inactive,
  // active) of 30 x 20 with 10-pixel sides.
  {
    const int i = idx("FORM");
    const TRect r = skin.PlaceInMaster(FramesPicture(30, 20, {KitColor(i, 20), KitColor(i, 21)}, 3, false, 1));
    skin.Set("FORM", "TITLEBAR", BorderValue(r, 10, 0, 10, 0, 2, 0, 0, 0));
  }
  return skin;
}

KitSkin MakeMarlMenuSkin(const std::string& name) {
  KitSkin skin = MakeMarlSkin(name);
  ListBorder(skin, "MAINMENU", MarlSectionIndex("MAINMENU"), 1, true);
  SetColours(skin, "DIVIDERV", MarlMenuGroup);
  ListBorder(skin, "DIVIDERV", MarlMenuGroup, 1, false);
  SetColours(skin, "EXTRALINE", MarlMenuGroup + 1);
  return skin;
}

KitSkin MakeMarlReusableTitleSkin(const std::string& name) {
  KitSkin skin = MakeMarlSkin(name);
  skin.Set("FORM", "RESERVEDBOOLEAN", "TRUE");
  return skin;
}

KitSkin MakeLargeSkin(int sections, const std::string& name) {
  KitSkin skin(name, 1024);
  skin.Set("GLOBALINFO", "VERSION", "5.49");
  skin.SetMasterName("Master.bmp");
  for (int i = 0; i < sections; ++i) {
    const std::string section = "SECTION" + std::to_string(i);
    SetColours(skin, section, i);
    skin.Set(section, "GRADIENTDATA", "12632256;16777215;50;0;0;16777215;12632256;50;0;0");
    TPixelBuffer own = FramesPicture(100, 80, FrameColors(i, 3), 8, true, 2);
    const std::string file = "Own" + std::to_string(i) + ".bmp";
    skin.AddFile(file, BmpBytes(own));
    skin.Set(section, "BORDERSMASK", OwnFileValue("Own" + std::to_string(i) + ".BMP", 3, 1, 0));
    const TRect r = skin.PlaceInMaster(FramesPicture(48, 40, FrameColors(i, 3), 6, true, 1));
    skin.Set(section, "TITLEMASK", ListValue(r, 3, 0, 0, 1));
    const TRect g = skin.PlaceInMaster(GlyphStrip(16, 16, FrameColors(i + 1, 3)));
    skin.Set(section, "GLYPHMASK", GlyphValue(g, 3, 0));
    if (i % 8 == 0) {
      TPixelBuffer pattern = PatternPicture(640, 480, i);
      const std::string jpg = "Pattern" + std::to_string(i) + ".jpg";
      skin.AddFile(jpg, JpegBytes(pattern));
      skin.Set(section, "PATTERN", jpg);
    }
    if (i > 0 && i % 3 == 0) skin.Set(section, "PARENTCLASS", "SECTION" + std::to_string(i - 1));
  }
  return skin;
}

}  // namespace brsm::kit

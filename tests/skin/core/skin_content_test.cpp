#include "skin/core/skin_content.h"

#include <cstring>

#include "platform/graphics/bmp_codec.h"
#include "platform/rtl/strings.h"
#include "platform/rtl/sysutils.h"
#include "skin/core/stored_skins.h"
#include "tests/skin/core/skin_files_test_support.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

using namespace brsm::kit;
using skintest::RecordingPlatform;
using skintest::ScratchFolder;

namespace {

const TsGeneralData* Section(const TsSkinContent& c, const std::string& name) {
  for (const TsGeneralData& g : c.SectionItems)
    if (g.SectionName == name) return &g;
  return nullptr;
}

const TsMaskData* Item(const TsSkinContent& c, const std::string& section,
                       const std::string& property) {
  for (const TsMaskData& m : c.MaskItems)
    if (m.SectionName == section && m.PropertyName == property) return &m;
  return nullptr;
}

const TsPatternData* Pattern(const TsSkinContent& c, const std::string& section,
                             const std::string& property) {
  for (const TsPatternData& p : c.PatternItems)
    if (p.SectionName == section && p.PropertyName == property) return &p;
  return nullptr;
}

bool SamePixels(const TPixelBuffer* a, const TPixelBuffer* b) {
  if (!a || !b) return a == b;
  if (a->Width() != b->Width() || a->Height() != b->Height() ||
      a->BytesPerPixel() != b->BytesPerPixel())
    return false;
  TPixelBufferView va = const_cast<TPixelBuffer*>(a)->View();
  TPixelBufferView vb = const_cast<TPixelBuffer*>(b)->View();
  for (int y = 0; y < va.Height; ++y)
    if (std::memcmp(va.Row(y), vb.Row(y), static_cast<size_t>(va.Width * va.BytesPerPixel)) != 0)
      return false;
  return true;
}

void ExpectSameGeneral(const TsGeneralData& a, const TsGeneralData& b) {
  SCOPED_TRACE(a.SectionName);
  EXPECT_EQ(a.SectionName, b.SectionName);
  EXPECT_EQ(a.ParentClass, b.ParentClass);
  EXPECT_EQ(a.Color, b.Color);
  EXPECT_EQ(a.Bevel, b.Bevel);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(a.FontColor[i], b.FontColor[i]);
    EXPECT_EQ(a.HotFontColor[i], b.HotFontColor[i]);
  }
  EXPECT_EQ(a.ReservedBoolean, b.ReservedBoolean);
  EXPECT_EQ(a.ShadowBlur, b.ShadowBlur);
  EXPECT_EQ(a.ShadowColor, b.ShadowColor);
  EXPECT_EQ(a.ShadowEnabled, b.ShadowEnabled);
  EXPECT_EQ(a.ShadowOffset, b.ShadowOffset);
  EXPECT_EQ(a.ShadowTransparency, b.ShadowTransparency);
  EXPECT_EQ(a.Transparency, b.Transparency);
  EXPECT_EQ(a.GradientPercent, b.GradientPercent);
  EXPECT_EQ(a.GradientData, b.GradientData);
  EXPECT_EQ(a.GradientArray.size(), b.GradientArray.size());
  EXPECT_EQ(a.ImagePercent, b.ImagePercent);
  EXPECT_EQ(a.ShowFocus, b.ShowFocus);
  EXPECT_EQ(a.FadingEnabled, b.FadingEnabled);
  EXPECT_EQ(a.FadingIntervalIn, b.FadingIntervalIn);
  EXPECT_EQ(a.FadingIntervalOut, b.FadingIntervalOut);
  EXPECT_EQ(a.FadingIterations, b.FadingIterations);
  EXPECT_EQ(a.HotColor, b.HotColor);
  EXPECT_EQ(a.HotTransparency, b.HotTransparency);
  EXPECT_EQ(a.HotBevel, b.HotBevel);
  EXPECT_EQ(a.HotGradientPercent, b.HotGradientPercent);
  EXPECT_EQ(a.HotGradientData, b.HotGradientData);
  EXPECT_EQ(a.HotGradientArray.size(), b.HotGradientArray.size());
  EXPECT_EQ(a.HotImagePercent, b.HotImagePercent);
  EXPECT_EQ(a.BorderColor1, b.BorderColor1);
  EXPECT_EQ(a.BorderColor2, b.BorderColor2);
}

void ExpectSameItem(const TsMaskData& a, const TsMaskData& b) {
  SCOPED_TRACE(a.SectionName + "." + a.PropertyName);
  EXPECT_EQ(a.SectionName, b.SectionName);
  EXPECT_EQ(a.PropertyName, b.PropertyName);
  EXPECT_EQ(a.SourceRect, b.SourceRect);
  EXPECT_EQ(a.ImageCount, b.ImageCount);
  EXPECT_EQ(a.MaskType, b.MaskType);
  EXPECT_EQ(a.BorderWidth, b.BorderWidth);
  EXPECT_EQ(a.StretchMode, b.StretchMode);
  EXPECT_EQ(a.ImgType, b.ImgType);
  EXPECT_EQ(a.WL, b.WL);
  EXPECT_EQ(a.WT, b.WT);
  EXPECT_EQ(a.WR, b.WR);
  EXPECT_EQ(a.WB, b.WB);
  EXPECT_TRUE(SamePixels(a.Image.get(), b.Image.get()));
}

// A kit skin written as a folder; path is the skin's folder.
struct FolderSkin {
  explicit FolderSkin(const KitSkin& skin) : dir("content") {
    EXPECT_TRUE(skin.WriteFolder(dir.Path()));
    path = dir.Path() + skin.Name() + "\\";
  }
  ScratchFolder dir;
  std::string path;
};

std::vector<std::string> SplitLines(const std::string& text) {
  TStringList lines;
  lines.SetText(text);
  std::vector<std::string> out;
  for (int i = 0; i < lines.Count(); ++i) out.push_back(lines.Strings(i));
  return out;
}

KitSkin SkinWithText(const std::string& lines) {
  KitSkin skin("Test");
  for (const std::string& line : SplitLines(lines)) skin.AddRawLine(line);
  return skin;
}

}  // namespace

TEST(SkinContent, FolderAndArchiveGiveIdenticalRecords) {
  RecordingPlatform platform;
  const KitSkin marl = MakeMarlSkin();
  ScratchFolder dir("marl");
  ASSERT_TRUE(marl.WriteFolder(dir.Path()));
  ASSERT_TRUE(marl.WriteArchive(dir.Path()));

  TsSkinContent folder, packed;
  ASSERT_TRUE(folder.LoadFromFolder(dir.Path() + "Marl\\", nullptr));
  ASSERT_TRUE(packed.LoadFromArchiveFile(dir.Path() + "Marl.vlz", dir.Path(), nullptr));
  EXPECT_FALSE(folder.LoadedFromPacked);
  EXPECT_TRUE(packed.LoadedFromPacked);
  EXPECT_TRUE(platform.Boxes.empty());

  ASSERT_EQ(folder.SectionItems.size(), MarlSections().size());
  ASSERT_EQ(folder.SectionItems.size(), packed.SectionItems.size());
  for (size_t i = 0; i < folder.SectionItems.size(); ++i)
    ExpectSameGeneral(folder.SectionItems[i], packed.SectionItems[i]);
  ASSERT_EQ(folder.MaskItems.size(), packed.MaskItems.size());
  for (size_t i = 0; i < folder.MaskItems.size(); ++i) {
    ExpectSameItem(folder.MaskItems[i], packed.MaskItems[i]);
    EXPECT_EQ(folder.MaskItems[i].Manager, &folder);
    EXPECT_EQ(packed.MaskItems[i].Manager, &packed);
  }
  ASSERT_EQ(folder.PatternItems.size(), packed.PatternItems.size());
  for (size_t i = 0; i < folder.PatternItems.size(); ++i)
    EXPECT_EQ(folder.PatternItems[i].Image->Data, packed.PatternItems[i].Image->Data);
  EXPECT_TRUE(SamePixels(folder.MasterBitmap.get(), packed.MasterBitmap.get()));
  EXPECT_EQ(folder.SkinData.Version, 5.49);
  EXPECT_EQ(packed.SkinData.Author, "Brassmith skin kit");

  // What the kit drew is what was loaded.
  const int button = MarlSectionIndex("BUTTON");
  EXPECT_EQ(Section(folder, "BUTTON")->Color, KitColor(button, 0));
  EXPECT_EQ(Section(folder, "BUTTON")->FontColor[0], KitColor(button, 2));
  const TsMaskData* border = Item(folder, "BUTTON", "BORDERSMASK");
  ASSERT_NE(border, nullptr);
  ASSERT_NE(border->Image, nullptr);
  EXPECT_EQ(border->Image->Width(), 90);
  EXPECT_EQ(border->Image->Height(), 44);
  EXPECT_EQ(GetPixel(*border->Image, 45, 11), KitColor(button, 11));  // centre of frame 1
  EXPECT_EQ(GetPixel(*border->Image, 0, 0), Magenta);
  ASSERT_NE(folder.MasterBitmap, nullptr);
  const TsMaskData* glyph = Item(folder, "GLOBALINFO", "BOXCHECKED");
  ASSERT_NE(glyph, nullptr);
  EXPECT_EQ(glyph->Image, nullptr);  // cut out of the master bitmap
  EXPECT_EQ(GetPixel(*folder.MasterBitmap, glyph->SourceRect.Left + 6, glyph->SourceRect.Top + 6),
            KitColor(20, 10));
  EXPECT_NE(Pattern(folder, "FORM", "PATTERN"), nullptr);  // 320 x 300: a pattern
  const TsMaskData* small = Item(folder, "COMBOBTN", "PATTERN");  // 64 x 32: a texture
  ASSERT_NE(small, nullptr);
  EXPECT_EQ(small->ImgType, itisaTexture);
  EXPECT_EQ(small->Image->Width(), 64);
}

TEST(SkinContent, SectionRecordsTakeKeysDefaultsAndParents) {
  const FolderSkin skin(SkinWithText(
      "[GLOBALINFO]\r\nVERSION=5.4\r\nSHADOW1OFFSET=3\r\nBORDERCOLOR=$FF\r\n"
      "[BUTTON]\r\nCOLOR=255\r\nSHADOWCOLOR=77\r\nSHADOWBLUR=-1\r\nBEVEL=9\r\nFADINGENABLED=true\r\n"
      "GRADIENTDATA=1;2;50;0;0;3;4;50;0;0\r\nHOTCOLOR=-2147483633\r\n"
      "[CHILD]\r\nPARENTCLASS=BUTTON\r\nCOLOR=-1\r\n"
      "[SELF]\r\nPARENTCLASS=SELF\r\n"
      "[SYS]\r\nCOLOR=-2147483633\r\nHOTBEVEL=-3\r\n"));
  TsSkinContent c;
  ASSERT_TRUE(c.LoadFromFolder(skin.path, nullptr));
  EXPECT_DOUBLE_EQ(c.SkinData.Version, 5.4);
  EXPECT_EQ(c.SkinData.Shadow1Offset, 3);
  EXPECT_EQ(c.SkinData.Shadow1Blur, -1);
  EXPECT_EQ(c.SkinData.BorderColor, 255);
  ASSERT_EQ(c.SectionItems.size(), 5u);

  const TsGeneralData& defaults = *Section(c, "GLOBALINFO");
  EXPECT_EQ(defaults.Color, 0xFFFFFF);
  EXPECT_EQ(defaults.FontColor[0], 0);
  EXPECT_EQ(defaults.FontColor[1], -1);
  EXPECT_EQ(defaults.ShadowBlur, 6);
  EXPECT_EQ(defaults.ShadowOffset, 3);
  EXPECT_EQ(defaults.ShadowTransparency, 50);
  EXPECT_EQ(defaults.GradientData, " ");
  EXPECT_TRUE(defaults.GradientArray.empty());
  EXPECT_EQ(defaults.HotGradientData, "");
  EXPECT_EQ(defaults.FadingIterations, 5);
  EXPECT_FALSE(defaults.ShowFocus);

  const TsGeneralData& button = *Section(c, "BUTTON");
  EXPECT_EQ(button.Bevel, cbLoweredHard);  // 9 clamped into the table
  EXPECT_TRUE(button.FadingEnabled);       // "true" upper-cased
  EXPECT_EQ(button.ShadowBlur, 6);         // -1 is missing
  EXPECT_EQ(button.GradientArray.size(), 2u);
  EXPECT_EQ(button.HotColor, -2147483633);  // as written

  const TsGeneralData& child = *Section(c, "CHILD");
  EXPECT_EQ(child.ParentClass, "BUTTON");
  EXPECT_EQ(child.Color, 255);            // COLOR=-1 inherited
  EXPECT_EQ(child.ShadowColor, 0);        // SHADOWCOLOR is not inherited
  EXPECT_TRUE(child.FadingEnabled);
  EXPECT_EQ(child.GradientArray.size(), 2u);
  EXPECT_EQ(Section(c, "SELF")->Color, 0xFFFFFF);
  EXPECT_EQ(Section(c, "SYS")->Color, ColorToRGB(clBtnFace));  // system colours as RGB
  EXPECT_EQ(Section(c, "SYS")->HotBevel, cbNone);
}

TEST(SkinContent, MalformedNumbersEndTheLoadWithAConversionError) {
  TsSkinContent c;
  const FolderSkin gradient(SkinWithText("[BUTTON]\r\nGRADIENTDATA=1;2;x;0;0\r\n"));
  EXPECT_THROW(c.LoadFromFolder(gradient.path, nullptr), EConvertError);
  const FolderSkin offset(SkinWithText("[GLOBALINFO]\r\nSHADOW1OFFSET=two\r\n"));
  EXPECT_THROW(c.LoadFromFolder(offset.path, nullptr), EConvertError);
}

TEST(SkinContent, FreeTextThatLooksLikeAnImageValueIsNoItem) {
  TsSkinContent c;
  const FolderSkin skin(SkinWithText(
      "[GLOBALINFO]\r\nAUTHOR=@nobody\r\nDESCRIPTION=#1 skin ^_^ ~\r\nNOTE=!read me!\r\n"
      "[BUTTON]\r\nCAPTION=#\r\nCOLOR=255\r\n"));
  ASSERT_TRUE(c.LoadFromFolder(skin.path, nullptr));
  EXPECT_TRUE(c.MaskItems.empty());
  EXPECT_EQ(c.SkinData.Author, "@nobody");
  EXPECT_EQ(Section(c, "BUTTON")->Color, 255);
}

TEST(SkinContent, OwnFilesFromFoldersAndArchivesMatchTheSameWay) {
  RecordingPlatform platform;
  KitSkin skin("Case");
  TPixelBuffer frame = FramesPicture(10, 10, {KitColor(1, 1), KitColor(1, 2), KitColor(1, 3)}, 2,
                                     false, 2);
  skin.AddFile("Frame.BMP", BmpBytes(frame));
  skin.AddFile("frame2.bmp", BmpBytes(frame));
  skin.Set("EDIT", "LOWER", "!frame2.bmp!3!1!0");      // "!" needs ".BMP": skipped
  skin.Set("EDIT", "PLAIN", "frame2.bmp");             // plain names are upper-cased first
  skin.Set("EDIT", "MIXED", "!Frame.BMP!3!1!0");       // mixed-case member and file names
  skin.Set("EDIT", "MISSING", "!Gone.BMP!3!1!0");      // missing files are skipped
  skin.Set("EDIT", "ZERO", "!Frame.BMP!0!-1!0");       // no division by zero
  ScratchFolder dir("case");
  ASSERT_TRUE(skin.WriteFolder(dir.Path()));
  ASSERT_TRUE(skin.WriteArchive(dir.Path()));
  TsSkinContent folder, packed;
  ASSERT_TRUE(folder.LoadFromFolder(dir.Path() + "Case\\", nullptr));
  ASSERT_TRUE(packed.LoadFromArchiveFile(dir.Path() + "Case.vlz", dir.Path(), nullptr));
  for (const TsSkinContent* c : {&folder, &packed}) {
    SCOPED_TRACE(c == &folder ? "folder" : "archive");
    EXPECT_EQ(Item(*c, "EDIT", "LOWER"), nullptr);
    EXPECT_EQ(Item(*c, "EDIT", "MISSING"), nullptr);
    const TsMaskData* plain = Item(*c, "EDIT", "PLAIN");
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->SourceRect, (TRect{0, 0, 30, 20}));
    EXPECT_EQ(plain->WL, 3);  // 30 / 9
    EXPECT_EQ(plain->WT, 3);  // 20 / 6
    ASSERT_NE(Item(*c, "EDIT", "MIXED"), nullptr);
    const TsMaskData* zero = Item(*c, "EDIT", "ZERO");
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->WL, 10);  // one frame of 30
    EXPECT_EQ(zero->WT, 6);   // one row of 20
  }
  ASSERT_EQ(folder.MaskItems.size(), packed.MaskItems.size());
  for (size_t i = 0; i < folder.MaskItems.size(); ++i)
    ExpectSameItem(folder.MaskItems[i], packed.MaskItems[i]);
}

TEST(SkinContent, JpegsOverThresholdStayPatterns) {
  KitSkin skin("Jpeg");
  TPixelBuffer big = PatternPicture(300, 300, 1);
  TPixelBuffer small = PatternPicture(300, 299, 2);
  skin.AddFile("Big.jpg", JpegBytes(big));
  skin.AddFile("Small.jpeg", JpegBytes(small));
  skin.AddFile("Broken.jpg", BytesOf("not a jpeg"));
  skin.Set("Panel", "Pattern", "big.jpg");
  skin.Set("Panel", "HotPattern", "Small.JPEG");
  skin.Set("Panel", "Other", "Broken.jpg");
  const FolderSkin folder(skin);
  TsSkinContent c;
  ASSERT_TRUE(c.LoadFromFolder(folder.path, nullptr));
  ASSERT_EQ(c.PatternItems.size(), 1u);
  EXPECT_EQ(c.PatternItems[0].SectionName, "PANEL");
  EXPECT_EQ(c.PatternItems[0].PropertyName, "PATTERN");
  EXPECT_EQ(c.PatternItems[0].Image->Width, 300);
  EXPECT_EQ(c.PatternItems[0].Image->Height, 300);
  TPixelBuffer decoded;
  EXPECT_TRUE(c.PatternItems[0].Image->Decode(decoded));
  EXPECT_EQ(decoded.Width(), 300);
  const TsMaskData* texture = Item(c, "PANEL", "HOTPATTERN");
  ASSERT_NE(texture, nullptr);
  EXPECT_EQ(texture->ImgType, itisaTexture);
  EXPECT_EQ(texture->ImageCount, 1);
  EXPECT_EQ(texture->Image->Width(), 300);
  EXPECT_EQ(texture->Image->Height(), 299);
  EXPECT_EQ(c.MaskItems.size(), 1u);  // the broken picture is skipped
}

TEST(SkinContent, MasterBitmapItemsAndAMissingMaster) {
  KitSkin skin("Master");
  const TRect r = skin.PlaceInMaster(GlyphStrip(8, 8, {KitColor(3, 0), KitColor(3, 1)}));
  skin.Set("CHECK", "GLYPH", GlyphValue(r, 2, 0));
  const FolderSkin folder(skin);
  TsSkinContent c;
  ASSERT_TRUE(c.LoadFromFolder(folder.path, nullptr));
  ASSERT_NE(c.MasterBitmap, nullptr);
  EXPECT_EQ(c.MasterBitmap->Width(), 16);
  EXPECT_EQ(c.MasterBitmap->BytesPerPixel(), 3);
  ASSERT_EQ(c.MaskItems.size(), 1u);  // MASTERBITMAP itself is no item
  EXPECT_EQ(c.MaskItems[0].SourceRect, r);

  const FolderSkin none(SkinWithText("[CHECK]\r\nGLYPH=@0000 0000 0016 0008 2 0\r\n"));
  ASSERT_TRUE(c.LoadFromFolder(none.path, nullptr));
  ASSERT_NE(c.MasterBitmap, nullptr);
  EXPECT_EQ(c.MasterBitmap->Width(), 0);  // empty, not null
  EXPECT_EQ(c.MaskItems.size(), 1u);
}

TEST(SkinContent, CommonSectionsComeAfterTheSkin) {
  KitSkin skin("Common");
  skin.Set("EDIT", "COLOR", 255);
  const TRect r = skin.PlaceInMaster(SolidPicture(30, 12, KitColor(5, 5)));
  (void)r;
  TPixelBuffer extra = SolidPicture(9, 6, KitColor(6, 6));
  skin.AddFile("Extra.bmp", BmpBytes(extra));
  TPixelBuffer tiny = PatternPicture(20, 10, 3);
  skin.AddFile("Tiny.jpg", JpegBytes(tiny));
  const FolderSkin folder(skin);

  TStringList common;
  common.SetText(
      "[GLOBALINFO]\r\nIGNORED=Extra.bmp\r\n"
      "[EDIT]\r\nCOLOR=0x10\r\n"
      "[MYEDIT]\r\nPARENTCLASS=edit\r\nFONTCOLOR=0x20\r\nSHOWFOCUS=true\r\n"
      "EXTRAMASK=extra.bmp\r\nLISTMASK=#(0,0,30,12)(3,1)\r\nPATTERN=tiny.jpg\r\n");
  TsSkinContent c;
  ASSERT_TRUE(c.LoadFromFolder(folder.path, &common));
  EXPECT_EQ(Section(c, "EDIT")->Color, 255);  // the skin's own section stays
  const TsGeneralData* mine = Section(c, "MYEDIT");
  ASSERT_NE(mine, nullptr);
  EXPECT_EQ(mine->ParentClass, "EDIT");
  EXPECT_EQ(mine->Color, 255);  // from its parent record
  EXPECT_EQ(mine->FontColor[0], 0x20);
  EXPECT_TRUE(mine->ShowFocus);
  EXPECT_EQ(mine->ShadowBlur, 6);

  const TsMaskData* own = Item(c, "MYEDIT", "EXTRAMASK");
  ASSERT_NE(own, nullptr);
  ASSERT_NE(own->Image, nullptr);
  EXPECT_EQ(own->Image->Width(), 9);
  EXPECT_EQ(own->ImageCount, 0);  // no frame values
  const TsMaskData* list = Item(c, "MYEDIT", "LISTMASK");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->Image, nullptr);
  EXPECT_EQ(list->WL, 3);
  EXPECT_EQ(Item(c, "GLOBALINFO", "IGNORED"), nullptr);
  const TsPatternData* pattern = Pattern(c, "MYEDIT", "PATTERN");  // any size is a pattern
  ASSERT_NE(pattern, nullptr);
  EXPECT_EQ(pattern->Image->Width, 20);
}

TEST(SkinContent, ArchivesWithoutADescriptionLoadNothing) {
  RecordingPlatform platform;
  ScratchFolder dir("nodesc");
  ArchiveMember image;
  image.Name = "A.bmp";
  image.Data = BytesOf("x");
  ASSERT_TRUE(WriteBytes(dir.Path() + "None.vlz", BuildArchive({image})));
  ArchiveLayout wrong;
  wrong.Magic = "ABCD";
  ASSERT_TRUE(WriteBytes(dir.Path() + "Wrong.vlz", BuildArchive({image}, wrong)));
  TsSkinContent c;
  EXPECT_FALSE(c.LoadFromArchiveFile(dir.Path() + "None.vlz", dir.Path(), nullptr));
  EXPECT_TRUE(platform.Boxes.empty());
  EXPECT_FALSE(c.LoadFromArchiveFile(dir.Path() + "Wrong.vlz", dir.Path(), nullptr));
  EXPECT_EQ(platform.Boxes.size(), 1u);
  EXPECT_FALSE(c.LoadFromArchiveFile(dir.Path() + "Absent.vlz", dir.Path(), nullptr));
  EXPECT_FALSE(c.LoadFromFolder(dir.Path() + "NoSuchSkin\\", nullptr));
  EXPECT_TRUE(c.SectionItems.empty());
  EXPECT_TRUE(c.MaskItems.empty());
}

TEST(SkinContent, StoredSkinsLoadFromDataOrFromTheirCollections) {
  RecordingPlatform platform;
  TsStoredSkins skins(nullptr);
  TsStoredSkin* packed = skins.Add();
  packed->Name = "Packed";
  const std::vector<uint8_t> archive = MakeMarlSkin().Pack();
  packed->Data->WriteBuffer(archive.data(), static_cast<int>(archive.size()));
  packed->GeneralData->Add()->SectionName = "IGNORED";

  TsStoredSkin* stored = skins.Add();
  stored->Name = "Stored";
  stored->Version = 5.2;
  stored->Author = "me";
  stored->MasterBitmap = SolidPicture(40, 20, KitColor(7, 7));
  TsSkinImage* own = stored->Images->Add();
  own->Name = "own";
  own->Image = SolidPicture(30, 12, KitColor(7, 8));
  own->SectionName = "button";
  own->PropertyName = "bordersmask";
  TsSkinImage* cut = stored->Images->Add();
  cut->SectionName = "PANEL";
  cut->PropertyName = "PATTERN";
  cut->Left = 0;
  cut->Right = 20;
  cut->Bottom = 20;
  cut->ImageCount = 1;
  cut->StretchMode = 3;
  cut->ImgType = itisaBorder;
  TsSkinPattern* withPicture = stored->Patterns->Add();
  withPicture->Name = "shared";
  TPixelBuffer jpg = PatternPicture(10, 10, 1);
  withPicture->Image.Data = JpegBytes(jpg);
  withPicture->Image.Width = withPicture->Image.Height = 10;
  TsSkinPattern* without = stored->Patterns->Add();
  without->Name = "shared";
  without->SectionName = "FORM";
  TsSkinGeneral* general = stored->GeneralData->Add();
  general->SectionName = "BUTTON";
  general->Color = 255;
  general->FontColor = "1 2 3 4 5";
  general->HotFontColor = "1 2 3";
  general->GradientData = "1;2;100;0;0";

  EXPECT_EQ(skins.IndexOf("Stored"), 1);
  EXPECT_EQ(skins.IndexOf("stored"), -1);
  EXPECT_EQ(skins.IndexOf("Missing"), -1);

  TsSkinContent c;
  ASSERT_TRUE(c.LoadFromStoredSkin(*packed, nullptr));
  EXPECT_TRUE(c.LoadedFromPacked);
  EXPECT_EQ(c.SectionItems.size(), MarlSections().size());  // the collections are ignored
  EXPECT_EQ(Section(c, "IGNORED"), nullptr);
  EXPECT_EQ(packed->Data->Size(), static_cast<int64_t>(archive.size()));  // still the skin's

  ASSERT_TRUE(c.LoadFromStoredSkin(*stored, nullptr));
  EXPECT_FALSE(c.LoadedFromPacked);
  EXPECT_EQ(c.SkinData.Author, "me");
  EXPECT_EQ(c.SkinData.Shadow1Blur, -1);
  EXPECT_EQ(c.SkinData.BorderColor, 0xFF00FF);
  EXPECT_EQ(c.MasterBitmap->Width(), 40);
  const TsMaskData* ownItem = Item(c, "BUTTON", "BORDERSMASK");
  ASSERT_NE(ownItem, nullptr);
  ASSERT_NE(ownItem->Image, nullptr);
  EXPECT_EQ(ownItem->ImageCount, 3);  // 0 read as three frames with a mask row
  EXPECT_EQ(ownItem->MaskType, 1);
  EXPECT_EQ(ownItem->WL, 3);  // 30 / 9
  EXPECT_EQ(ownItem->WT, 2);  // 12 / 6
  const TsMaskData* texture = Item(c, "PANEL", "PATTERN");
  ASSERT_NE(texture, nullptr);
  EXPECT_EQ(texture->Image, nullptr);
  EXPECT_EQ(texture->SourceRect, (TRect{0, 0, 20, 20}));
  EXPECT_EQ(texture->ImgType, itisaTexture);
  EXPECT_EQ(texture->StretchMode, 0);  // kept only for stored textures
  ASSERT_EQ(c.PatternItems.size(), 2u);
  EXPECT_EQ(c.PatternItems[1].Image->Data, withPicture->Image.Data);  // borrowed by name
  const TsGeneralData* button = Section(c, "BUTTON");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->FontColor[4], 5);
  EXPECT_EQ(button->HotFontColor[0], 0);  // not five numbers
  EXPECT_EQ(button->HotFontColor[1], -1);
  EXPECT_EQ(button->GradientArray.size(), 1u);

  TsStoredSkin* broken = skins.Add();
  const std::vector<uint8_t> junk = BytesOf("VLzf????");
  broken->Data->WriteBuffer(junk.data(), static_cast<int>(junk.size()));
  EXPECT_FALSE(c.LoadFromStoredSkin(*broken, nullptr));
  EXPECT_EQ(broken->Data->Size(), 8);
}

// Many keys naming one big picture must not add up without end: what one
// skin decodes is bounded, and pictures beyond the bound are skipped.
TEST(SkinContent, DecodedPicturesAreBoundedPerSkin) {
  RecordingPlatform platform;
  KitSkin skin("Heavy");
  TPixelBuffer big = SolidPicture(2048, 2048, KitColor(2, 2));  // 12 MiB decoded
  skin.AddFile("Big.bmp", BmpBytes(big));
  for (int i = 0; i < 12; ++i) skin.Set("EDIT", "MASK" + std::to_string(i), "!Big.BMP!3!1!0");
  ScratchFolder dir("heavy");
  ASSERT_TRUE(skin.WriteArchive(dir.Path()));
  TsSkinContent c;
  ASSERT_TRUE(c.LoadFromArchiveFile(dir.Path() + "Heavy.vlz", dir.Path(), nullptr));
  const int64_t each = static_cast<int64_t>(big.SizeInBytes());
  EXPECT_EQ(static_cast<int64_t>(c.MaskItems.size()), MaxDecodedSkinBytes / each);
  EXPECT_LT(static_cast<int64_t>(c.MaskItems.size()), 12);
}

TEST(SkinContent, AFolderPackedByTheKitLoadsLikeTheFolder) {
  const KitSkin marl = MakeMarlSkin();
  ScratchFolder dir("packfolder");
  ASSERT_TRUE(marl.WriteFolder(dir.Path()));
  std::vector<uint8_t> archive;
  ASSERT_TRUE(PackFolder(dir.Path() + "Marl", archive));
  ASSERT_TRUE(WriteBytes(dir.Path() + "Repacked.vlz", archive));
  std::vector<uint8_t> none;
  EXPECT_FALSE(PackFolder(dir.Path(), none));  // no Options.dat there

  TsSkinContent folder, packed;
  ASSERT_TRUE(folder.LoadFromFolder(dir.Path() + "Marl\\", nullptr));
  ASSERT_TRUE(packed.LoadFromArchiveFile(dir.Path() + "Repacked.vlz", dir.Path(), nullptr));
  ASSERT_EQ(folder.MaskItems.size(), packed.MaskItems.size());
  for (size_t i = 0; i < folder.MaskItems.size(); ++i)
    ExpectSameItem(folder.MaskItems[i], packed.MaskItems[i]);
  EXPECT_EQ(folder.PatternItems.size(), packed.PatternItems.size());
}

// A skin written without some sections: they are absent from what loads
// (GLOBALINFO's master bitmap with it), the rest loads as in the whole skin.
TEST(SkinContent, AKitSkinWithoutSectionsLoadsWithoutThem) {
  KitSkin marl = MakeMarlSkin();
  marl.LeaveOut({"FORMTITLE", "globalinfo"});
  const FolderSkin folder(marl);
  TsSkinContent c;
  ASSERT_TRUE(c.LoadFromFolder(folder.path, nullptr));
  EXPECT_EQ(c.SectionItems.size(), MarlSections().size() - 2);
  EXPECT_EQ(Section(c, "FORMTITLE"), nullptr);
  EXPECT_EQ(Section(c, "GLOBALINFO"), nullptr);
  for (const TsMaskData& m : c.MaskItems) EXPECT_NE(m.SectionName, "GLOBALINFO");
  ASSERT_NE(c.MasterBitmap, nullptr);
  EXPECT_EQ(c.MasterBitmap->Width(), 0);
  ASSERT_NE(Section(c, "BUTTON"), nullptr);
  EXPECT_EQ(Section(c, "BUTTON")->Color, KitColor(MarlSectionIndex("BUTTON"), 0));
  const TsMaskData* border = Item(c, "BUTTON", "BORDERSMASK");
  ASSERT_NE(border, nullptr);
  EXPECT_NE(border->Image, nullptr);  // its own file, not the master's
}

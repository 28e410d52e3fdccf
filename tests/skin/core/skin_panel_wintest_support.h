// A panel of the skin library on a real window, a kit-made skin for it and
// a temporary skin folder; shared by the Wine tests of the skin record.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/forms/forms.h"
#include "platform/graphics/canvas.h"
#include "platform/rtl/text1251.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/common_data_win.h"
#include "skin/core/paint_colors.h"
#include "skin/core/pixel_access.h"
#include "skin/core/section_painting.h"
#include "skin/core/skin_constants.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/kit_skin.h"

namespace brsm::test {

inline constexpr TColor kForm = 0x406080;
inline constexpr TColor kPanel = 0x2050A0;
inline constexpr TColor kBorder = 0x00C000;
inline constexpr TColor kGlass = 0x0000FF;
inline constexpr int kBorderWidth = 4;

inline void Pump(int ms = 50) {
  const DWORD end = GetTickCount() + ms;
  do {
    Application->ProcessMessages();
    Sleep(1);
  } while (GetTickCount() < end);
}

// PANEL: a solid face (a one-colour gradient, so children copy its pixels)
// inside a 4-pixel border; GLASS: fully transparent.
inline brsm::kit::KitSkin PlateSkin(const std::string& name, TColor panel) {
  brsm::kit::KitSkin skin(name);
  skin.Set("GLOBALINFO", "VERSION", "5.49");
  skin.SetMasterName("Master.bmp");
  skin.Set("FORM", "COLOR", kForm);
  skin.Set("PANEL", "COLOR", panel);
  skin.Set("PANEL", "GRADIENTPERCENT", 100);
  skin.Set("PANEL", "GRADIENTDATA",
           std::to_string(panel) + ";" + std::to_string(panel) + ";100;0;0");
  const TRect r = skin.PlaceInMaster(brsm::kit::SolidPicture(12, 12, kBorder));
  skin.Set("PANEL", "BORDERSMASK", brsm::kit::BorderValue(r, 4, 4, 4, 4, 1, 0, 0, 0));
  skin.Set("GLASS", "COLOR", kGlass);
  skin.Set("GLASS", "TRANSPARENCY", 100);
  return skin;
}

// A panel of the skin library: its record sees every message first; it
// paints its section into the cache and copies the cache to the screen, or
// to the DC of WM_PRINT as skinned controls do.
class TSkinPanel : public TCustomControl {
 public:
  explicit TSkinPanel(TComponent* owner, const std::string& section)
      : TCustomControl(owner), SkinData(this, true) {
    SkinData.ControlKind = 51;
    SkinData.SetSkinSection(section);
  }
  void WndProc(TMessage& m) override {
    if (CommonControlMessage(m, &SkinData)) return;
    if (m.Msg == CommandMessage) {
      const int code = SkinCmdOf(m.WParam);
      Commands.push_back(code);
      if (code == SkinCmdSkinReapplied || code == SkinCmdSkinRemoved) Invalidate();
    }
    if (m.Msg == WM_PRINT && SkinData.IsSkinned()) {
      PaintCache();
      BitBlt(reinterpret_cast<HDC>(m.WParam), 0, 0, Width(), Height(),
             CacheBitmapOf(&SkinData)->Canvas()->Handle(), 0, 0, SRCCOPY);
      m.Result = 0;
      return;
    }
    TCustomControl::WndProc(m);
  }
  void Paint() override {
    ++Paints;
    if (!SkinData.IsSkinned()) {
      Canvas()->Brush()->SetColor(Color());
      Canvas()->FillRect(TRect{0, 0, Width(), Height()});
      return;
    }
    PaintCache();
    BitBlt(Canvas()->Handle(), 0, 0, Width(), Height(), CacheBitmapOf(&SkinData)->Canvas()->Handle(),
           0, 0, SRCCOPY);
  }
  void PaintCache() {
    SkinData.PrepareCacheBitmap();
    TCacheInfo parent = EmptyCacheInfo;
    SkinData.GetParentCacheInfo(parent);
    if (parent.Ready) {
      parent.X += Left();
      parent.Y += Top();
    }
    TBitmap* cache = CacheBitmapOf(&SkinData);
    PaintControlSkin(&SkinData, parent, true, 1, cache->PixelView(), {}, TRect{0, 0, Width(), Height()}, 0);
    SkinData.BackgroundStale = false;
  }
  TColor CachePixel(int x, int y) { return ReadPixelBytes(SkinData.CachePixels().Pixel(x, y)); }

  TsCommonData SkinData;
  std::vector<int> Commands;
  int Paints = 0;
};

class TempFolder {
 public:
  TempFolder() {
    wchar_t tmp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, tmp);
    path_ = std::filesystem::path(tmp) / ("brsm-record-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string Path() const { return brsm::FromUtf16(path_.wstring()) + "\\"; }

 private:
  std::filesystem::path path_;
};

// In the 4-pixel border of a w x h PANEL.
inline bool InBorder(int x, int y, int w, int h) {
  return x < kBorderWidth || y < kBorderWidth || x >= w - kBorderWidth || y >= h - kBorderWidth;
}

// A pixel of a bitmap that GDI drew into.
inline TColor BitmapPixel(TBitmap* bitmap, int x, int y) {
  GdiFlush();
  return ReadPixelBytes(bitmap->PixelView().Pixel(x, y));
}

}  // namespace brsm::test

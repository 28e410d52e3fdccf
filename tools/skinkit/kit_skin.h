// A skin as the kit builds it: the lines of its "Options.dat", its files and
// a master bitmap laid out as pictures are placed in it. Written as a folder
// (1251 text, CR LF) or packed into one archive.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/graphics/pixel_buffer.h"
#include "platform/graphics/geometry.h"
#include "tools/skinkit/kit_archive.h"

namespace brsm::kit {

// Image values in the description's own forms.
std::string GlyphValue(const TRect& r, int count, int maskType);  // "@"
std::string BorderValue(const TRect& r, int wl, int wt, int wr, int wb, int count, int maskType,
                        int stretch, int borderWidth);  // "^"
std::string TextureValue(const TRect& r, int stretch, int maskType);  // "~"
std::string ListValue(const TRect& r, int count, int maskType, int borderWidth,
                      int stretch);  // "#(l,t,r,b)(c,m,w,s)"
std::string OwnFileValue(const std::string& file, int count, int maskType, int imgType);  // "!"
std::string OwnFileValue(const std::string& file, int count, int maskType, int imgType, int wl,
                         int wt, int wr, int wb);

class KitSkin {
 public:
  explicit KitSkin(std::string name, int masterWidth = 512);

  const std::string& Name() const { return name_; }

  // Sets a key (sections and keys keep the order of their first setting).
  void Set(const std::string& section, const std::string& key, const std::string& value);
  void Set(const std::string& section, const std::string& key, int value);
  // A raw description line, written as it is (comments, broken lines).
  void AddRawLine(const std::string& line);
  // Drops whole sections with all their keys, as skins made by others often
  // lack some; the pictures they named stay among the files.
  void LeaveOut(const std::vector<std::string>& sections);

  void AddFile(const std::string& name, std::vector<uint8_t> bytes);
  // Places a 3-byte picture in the master bitmap and answers its rectangle.
  TRect PlaceInMaster(const TPixelBuffer& picture);
  // Names the master bitmap in GLOBALINFO (done by the first placement).
  void SetMasterName(const std::string& name);
  // The master bitmap as placed so far: magenta where nothing lies.
  TPixelBuffer Master() const;

  std::vector<std::string> OptionsLines() const;
  std::string OptionsText() const;  // CR LF after every line
  // Options.dat first, then the master bitmap, then the other files.
  std::vector<std::pair<std::string, std::vector<uint8_t>>> Files() const;

  // <parent>/<name>/ with Options.dat and every file; false on any failure.
  bool WriteFolder(const std::string& parent) const;
  std::vector<uint8_t> Pack() const;
  // <parent>/<name>.vlz
  bool WriteArchive(const std::string& parent) const;

 private:
  struct Section {
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Keys;
  };
  std::string name_;
  std::vector<Section> sections_;
  std::vector<std::string> rawLines_;
  std::vector<std::pair<std::string, std::vector<uint8_t>>> files_;
  std::string masterName_;
  std::vector<std::pair<TRect, TPixelBuffer>> placed_;
  int masterWidth_;
  int shelfX_ = 0, shelfY_ = 0, shelfHeight_ = 0;
};

// Packs the files of a skin folder on disk; false when it has no Options.dat.
bool PackFolder(const std::string& folder, std::vector<uint8_t>& archive);

}  // namespace brsm::kit

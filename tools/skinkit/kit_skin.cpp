#include "tools/skinkit/kit_skin.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/graphics/bmp_codec.h"
#include "platform/rtl/files.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/strings.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/text1251.h"
#include "tools/skinkit/kit_pictures.h"

namespace brsm::kit {

namespace {

std::string Four(int v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d", v);
  return buf;
}

std::string RectColumns(const TRect& r) {
  return Four(r.Left) + " " + Four(r.Top) + " " + Four(r.Right) + " " + Four(r.Bottom);
}

std::string Digit(int v) { return std::to_string(v % 10); }

}  // namespace

std::string GlyphValue(const TRect& r, int count, int maskType) {
  return "@" + RectColumns(r) + " " + Digit(count) + " " + Digit(maskType);
}

std::string BorderValue(const TRect& r, int wl, int wt, int wr, int wb, int count, int maskType,
                        int stretch, int borderWidth) {
  return "^" + RectColumns(r) + " " + Four(wl) + " " + Four(wt) + " " + Four(wr) + " " + Four(wb) +
         " " + Digit(count) + " " + Digit(maskType) + " " + Digit(stretch) + " " +
         Digit(borderWidth);
}

std::string TextureValue(const TRect& r, int stretch, int maskType) {
  char ss[8];
  std::snprintf(ss, sizeof ss, "%02d", stretch % 100);
  return "~" + RectColumns(r) + " " + ss + " " + Digit(maskType);
}

std::string ListValue(const TRect& r, int count, int maskType, int borderWidth, int stretch) {
  return "#(" + std::to_string(r.Left) + "," + std::to_string(r.Top) + "," +
         std::to_string(r.Right) + "," + std::to_string(r.Bottom) + ")(" + std::to_string(count) +
         "," + std::to_string(maskType) + "," + std::to_string(borderWidth) + "," +
         std::to_string(stretch) + ")";
}

std::string OwnFileValue(const std::string& file, int count, int maskType, int imgType) {
  return "!" + file + "!" + std::to_string(count) + "!" + std::to_string(maskType) + "!" +
         std::to_string(imgType);
}

std::string OwnFileValue(const std::string& file, int count, int maskType, int imgType, int wl,
                         int wt, int wr, int wb) {
  return OwnFileValue(file, count, maskType, imgType) + "!" + std::to_string(wl) + "!" +
         std::to_string(wt) + "!" + std::to_string(wr) + "!" + std::to_string(wb);
}

KitSkin::KitSkin(std::string name, int masterWidth)
    : name_(std::move(name)), masterWidth_(masterWidth) {}

void KitSkin::Set(const std::string& section, const std::string& key, const std::string& value) {
  Section* s = nullptr;
  for (Section& each : sections_)
    if (each.Name == section) s = &each;
  if (!s) {
    sections_.push_back(Section{section, {}});
    s = &sections_.back();
  }
  for (auto& kv : s->Keys)
    if (kv.first == key) {
      kv.second = value;
      return;
    }
  s->Keys.emplace_back(key, value);
}

void KitSkin::Set(const std::string& section, const std::string& key, int value) {
  Set(section, key, std::to_string(value));
}

void KitSkin::AddRawLine(const std::string& line) { rawLines_.push_back(line); }

void KitSkin::LeaveOut(const std::vector<std::string>& sections) {
  for (const std::string& name : sections)
    sections_.erase(std::remove_if(sections_.begin(), sections_.end(),
                                   [&](const Section& s) { return SameText(s.Name, name); }),
                    sections_.end());
}

void KitSkin::AddFile(const std::string& name, std::vector<uint8_t> bytes) {
  for (auto& f : files_)
    if (f.first == name) {
      f.second = std::move(bytes);
      return;
    }
  files_.emplace_back(name, std::move(bytes));
}

void KitSkin::SetMasterName(const std::string& name) {
  masterName_ = name;
  Set("GLOBALINFO", "MASTERBITMAP", name);
}

TRect KitSkin::PlaceInMaster(const TPixelBuffer& picture) {
  if (masterName_.empty()) SetMasterName("Master.bmp");
  const int w = picture.Width(), h = picture.Height();
  if (shelfX_ > 0 && shelfX_ + w > masterWidth_) {
    shelfY_ += shelfHeight_;
    shelfX_ = 0;
    shelfHeight_ = 0;
  }
  const TRect r{shelfX_, shelfY_, shelfX_ + w, shelfY_ + h};
  shelfX_ += w;
  if (h > shelfHeight_) shelfHeight_ = h;
  placed_.emplace_back(r, picture);
  return r;
}

TPixelBuffer KitSkin::Master() const {
  int width = 0, height = 0;
  for (const auto& p : placed_) {
    if (p.first.Right > width) width = p.first.Right;
    if (p.first.Bottom > height) height = p.first.Bottom;
  }
  if (width == 0) return TPixelBuffer();
  TPixelBuffer master = SolidPicture(width, height, Magenta);
  TPixelBufferView to = master.View();
  for (const auto& p : placed_) {
    TPixelBufferView from = const_cast<TPixelBuffer&>(p.second).View();
    for (int y = 0; y < from.Height; ++y)
      for (int x = 0; x < from.Width; ++x)
        std::memcpy(to.Pixel(p.first.Left + x, p.first.Top + y), from.Pixel(x, y), 3);
  }
  return master;
}

std::vector<std::string> KitSkin::OptionsLines() const {
  std::vector<std::string> lines;
  for (const Section& s : sections_) {
    lines.push_back("[" + s.Name + "]");
    for (const auto& kv : s.Keys) lines.push_back(kv.first + "=" + kv.second);
    lines.push_back("");
  }
  for (const std::string& raw : rawLines_) lines.push_back(raw);
  return lines;
}

std::string KitSkin::OptionsText() const {
  std::string text;
  for (const std::string& line : OptionsLines()) text += line + "\r\n";
  return text;
}

std::vector<std::pair<std::string, std::vector<uint8_t>>> KitSkin::Files() const {
  std::vector<std::pair<std::string, std::vector<uint8_t>>> files;
  files.emplace_back("Options.dat", BytesOf(OptionsText()));
  TPixelBuffer master = Master();
  if (!masterName_.empty() && master.Width() > 0)
    files.emplace_back(masterName_, EncodeBmp(master.View()));
  for (const auto& f : files_) files.push_back(f);
  return files;
}

bool KitSkin::WriteFolder(const std::string& parent) const {
  const std::string folder = IncludeTrailingPathDelimiter(parent) + name_;
  if (!ForceDirectories(folder)) return false;
  for (const auto& f : Files())
    if (!WriteBytes(IncludeTrailingPathDelimiter(folder) + f.first, f.second)) return false;
  return true;
}

std::vector<uint8_t> KitSkin::Pack() const {
  std::vector<ArchiveMember> members;
  for (const auto& f : Files()) {
    ArchiveMember m;
    m.Name = f.first;
    m.Data = f.second;
    members.push_back(std::move(m));
  }
  return BuildArchive(members);
}

bool KitSkin::WriteArchive(const std::string& parent) const {
  if (!parent.empty() && !ForceDirectories(parent)) return false;
  return WriteBytes(IncludeTrailingPathDelimiter(parent) + name_ + ".vlz", Pack());
}

bool PackFolder(const std::string& folder, std::vector<uint8_t>& archive) {
  const std::string dir = IncludeTrailingPathDelimiter(folder);
  std::vector<ArchiveMember> members;
  bool hasOptions = false;
  TSearchRec rec;
  if (FindFirst(dir + "*", faAnyFile & ~faDirectory, rec) == 0) {
    do {
      if (rec.Attr & faDirectory) continue;
      ArchiveMember m;
      m.Name = rec.Name;
      TMemoryStream data;
      try {
        data.LoadFromFile(dir + rec.Name);
      } catch (const Exception&) {
        FindClose(rec);
        return false;
      }
      const auto* p = static_cast<const uint8_t*>(data.Memory());
      m.Data.assign(p, p + data.Size());
      if (SameText(rec.Name, "Options.dat")) hasOptions = true;
      members.push_back(std::move(m));
    } while (FindNext(rec) == 0);
    FindClose(rec);
  }
  if (!hasOptions) return false;
  archive = BuildArchive(members);
  return true;
}

}  // namespace brsm::kit

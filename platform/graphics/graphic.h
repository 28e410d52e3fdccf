// Root of the pictures a canvas can draw: bitmaps, JPEG images, icons.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/graphics/canvas.h"
#include "platform/rtl/streams.h"

class TGraphic : public TPersistent {
 public:
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Graphics that cannot be resized raise EInvalidGraphicOperation.
  virtual void SetWidth(int width) = 0;
  virtual void SetHeight(int height) = 0;
  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool transparent);
  bool Modified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }

  // Damaged or unknown data raises EInvalidGraphic, the graphic unchanged.
  virtual void LoadFromStream(TStream* stream) = 0;
  virtual void SaveToStream(TStream* stream) = 0;
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName);

  TNotifyEvent OnChange;

 protected:
  friend class TCanvas;
  // Paints the graphic stretched into the rectangle of the canvas.
  virtual void Draw(TCanvas* canvas, const TRect& rect) = 0;
  virtual void Changed();

  // The rest of the stream, refused beyond `limit` bytes.
  static std::vector<uint8_t> ReadRest(TStream* stream, int64_t limit);

 private:
  bool transparent_ = false;
  bool modified_ = false;
};

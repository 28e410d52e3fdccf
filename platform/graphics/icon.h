// An icon: an HICON owned by the object, from a resource, an .ico file or
// a handle given to it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/graphics/graphic.h"

class TIcon : public TGraphic {
 public:
  TIcon() = default;
  ~TIcon() override;

  bool Empty() const override { return handle_ == nullptr; }
  // The icon's size; before loading, the size to ask for (0: the system's).
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int width) override;
  void SetHeight(int height) override;

  HICON Handle() const { return handle_; }
  // Takes ownership of the icon.
  void SetHandle(HICON icon);
  // Gives the icon to the caller (who destroys it); the TIcon is empty.
  HICON ReleaseHandle();

  // EInvalidGraphic when the resource is missing.
  void LoadFromResource(HINSTANCE instance, const std::string& name);
  void LoadFromResource(HINSTANCE instance, int id);

  // .ico files: the image nearest the asked size. Saving writes the data
  // as loaded; an icon made from a handle cannot be saved
  // (EInvalidGraphicOperation).
  void LoadFromStream(TStream* stream) override;
  void SaveToStream(TStream* stream) override;
  void Assign(TPersistent* source) override;

 protected:
  void Draw(TCanvas* canvas, const TRect& rect) override;

 private:
  void Adopt(HICON icon, std::vector<uint8_t> data);
  void Release();

  HICON handle_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  std::vector<uint8_t> data_;
};

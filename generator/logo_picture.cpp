#include "generator/logo_picture.h"

#include <windows.h>

#include <string>

#include "platform/graphics/picture.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"

namespace brsm {

void LoadLogoPicture(TPicture* picture, int resourceId) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL data = info ? LoadResource(module, info) : nullptr;
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) throw EInvalidGraphic("Logo picture " + std::to_string(resourceId) + " not found");
  TMemoryStream stream;
  stream.WriteBuffer(bytes, static_cast<int>(SizeofResource(module, info)));
  stream.Seek(0, soBeginning);
  picture->Bitmap()->LoadFromStream(&stream);
}

}  // namespace brsm

#include "platform/graphics/graphics_object.h"

TGraphicsObject::~TGraphicsObject() {
  if (handle_ && owned_) DeleteObject(handle_);
}

HGDIOBJ TGraphicsObject::ObjectHandle() {
  if (!handle_) handle_ = CreateObjectHandle(owned_);
  return handle_;
}

void TGraphicsObject::Changed() {
  HGDIOBJ old = handle_;
  const bool owned = owned_;
  handle_ = nullptr;
  owned_ = false;
  // Handlers deselect the old object from their DCs before it goes.
  struct DeleteAfter {
    HGDIOBJ object;
    ~DeleteAfter() {
      if (object) DeleteObject(object);
    }
  } deleteAfter{owned ? old : nullptr};
  if (OnChange) OnChange(this);
}

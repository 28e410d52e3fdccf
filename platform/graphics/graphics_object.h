// Base of the font, brush and pen: attributes, a GDI object made from them
// on first use, and OnChange.
#pragma once

#include "platform/graphics/gdi.h"
#include "platform/rtl/classes.h"

class TGraphicsObject : public TPersistent {
 public:
  ~TGraphicsObject() override;

  // Fired after every change. The previous GDI object is still alive while
  // the handlers run (a canvas selects it out of its DC then) and is deleted
  // right after; Handle() inside a handler already gives the new one.
  TNotifyEvent OnChange;

  bool HandleAllocated() const { return handle_ != nullptr; }

 protected:
  // Creates the object for the current attributes. `owned` false means a
  // stock object that must not be deleted.
  virtual HGDIOBJ CreateObjectHandle(bool& owned) = 0;
  HGDIOBJ ObjectHandle();
  void Changed();

 private:
  HGDIOBJ handle_ = nullptr;
  bool owned_ = false;
};

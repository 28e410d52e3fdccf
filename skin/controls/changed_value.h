// A property setter's first step: the field takes the new value; true when
// that changed it, so the setter knows whether to repaint.
#pragma once

template <class T>
bool StoreChanged(T& field, T value) {
  if (field == value) return false;
  field = value;
  return true;
}

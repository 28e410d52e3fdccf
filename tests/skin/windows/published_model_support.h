// Registry entries for the model classes of the grid and tree tests: an
// ordinal property over an int member, an object property over a member.
#pragma once

#include "skin/core/published_props.h"

template <class T>
TPublishedProp Ord(int T::*field) {
  TPublishedProp p;
  p.GetOrd = [field](TObject* o) { return dynamic_cast<T*>(o)->*field; };
  p.SetOrd = [field](TObject* o, int v) { dynamic_cast<T*>(o)->*field = v; };
  return p;
}
template <class T, class F>
TPublishedProp Obj(F T::*field) {
  TPublishedProp p;
  p.GetObject = [field](TObject* o) -> TObject* { return &(dynamic_cast<T*>(o)->*field); };
  return p;
}

#include "skin/core/published_props.h"

#include <map>
#include <utility>

#include "platform/rtl/text1251.h"

namespace {

using TKey = std::pair<std::string, std::string>;  // class name, upper-cased property name

std::map<TKey, TPublishedProp>& Registry() {
  static std::map<TKey, TPublishedProp> registry;
  return registry;
}

const TPublishedProp* Find(TObject* object, const std::string& propName) {
  if (!object) return nullptr;
  const auto it = Registry().find(TKey(object->ClassName(), UpperCase(propName)));
  return it == Registry().end() ? nullptr : &it->second;
}

int ElementIndex(const TPublishedProp& prop, const std::string& element) {
  for (size_t i = 0; i < prop.SetElements.size() && i < 32; ++i)
    if (SameText(prop.SetElements[i], element)) return static_cast<int>(i);
  return -1;
}

}  // namespace

void RegisterPublishedProp(const std::string& className, const std::string& propName,
                           TPublishedProp prop) {
  Registry()[TKey(className, UpperCase(propName))] = std::move(prop);
}

void ClearPublishedProps() { Registry().clear(); }

bool HasPublishedProp(TObject* object, const std::string& propName) {
  return Find(object, propName) != nullptr;
}

TObject* GetObjectPropByName(TObject* object, const std::string& propName) {
  const TPublishedProp* prop = Find(object, propName);
  return prop && prop->GetObject ? prop->GetObject(object) : nullptr;
}

int GetOrdPropByName(TObject* object, const std::string& propName) {
  const TPublishedProp* prop = Find(object, propName);
  return prop && prop->GetOrd ? prop->GetOrd(object) : -1;
}

std::string GetStrPropByName(TObject* object, const std::string& propName) {
  const TPublishedProp* prop = Find(object, propName);
  return prop && prop->GetStr ? prop->GetStr(object) : std::string();
}

void SetOrdPropByName(TObject* object, const std::string& propName, int value) {
  const TPublishedProp* prop = Find(object, propName);
  if (prop && prop->SetOrd) prop->SetOrd(object, value);
}

bool SetPropHasElement(TObject* object, const std::string& propName, const std::string& element) {
  const TPublishedProp* prop = Find(object, propName);
  if (!prop || !prop->GetOrd) return false;
  const int index = ElementIndex(*prop, element);
  return index >= 0 && (static_cast<unsigned>(prop->GetOrd(object)) >> index & 1u) != 0;
}

void ChangeSetElement(TObject* object, const std::string& propName, const std::string& element,
                      bool include) {
  const TPublishedProp* prop = Find(object, propName);
  if (!prop || !prop->GetOrd || !prop->SetOrd) return;
  const int index = ElementIndex(*prop, element);
  if (index < 0) return;
  unsigned bits = static_cast<unsigned>(prop->GetOrd(object));
  if (include) bits |= 1u << index;
  else bits &= ~(1u << index);
  prop->SetOrd(object, static_cast<int>(bits));
}

bool MethodPropExists(TObject* object, const std::string& propName) {
  const TPublishedProp* p = Find(object, propName);
  return p && p->GetMethod && p->SetMethod;
}

TMethodRef GetMethodProp(TObject* object, const std::string& propName) {
  const TPublishedProp* p = Find(object, propName);
  return p && p->GetMethod ? p->GetMethod(object) : TMethodRef{};
}

bool MethodPropAssigned(TObject* object, const std::string& propName) {
  return GetMethodProp(object, propName).Assigned();
}

void AssignMethodProp(TObject* object, const std::string& propName, TMethodRef method) {
  const TPublishedProp* p = Find(object, propName);
  if (p && p->SetMethod) p->SetMethod(object, method);
}

void ClearMethodProp(TObject* object, const std::string& propName) {
  AssignMethodProp(object, propName, TMethodRef{});
}

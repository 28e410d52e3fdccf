// Properties of foreign controls found by name. Adapters reach grids and
// trees of other libraries only this way, and a missing property is simply
// skipped; a class makes its properties known by registering them here.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/classes.h"

// An event handler as a property holds it: a routine and the object it
// runs for. Empty when the routine is null.
struct TMethodRef {
  const void* Code = nullptr;
  void* Data = nullptr;
  bool Assigned() const { return Code != nullptr; }
  bool operator==(const TMethodRef&) const = default;
};

struct TPublishedProp {
  // Ordinal properties (integers, colours, enumerations, sets as bits).
  std::function<int(TObject*)> GetOrd;
  std::function<void(TObject*, int)> SetOrd;
  // String properties (captions).
  std::function<std::string(TObject*)> GetStr;
  // Object properties (fonts, sub-objects).
  std::function<TObject*(TObject*)> GetObject;
  // Set properties: the element names, bit i for element i (at most 32).
  std::vector<std::string> SetElements;
  // Method (event) properties.
  std::function<TMethodRef(TObject*)> GetMethod;
  std::function<void(TObject*, TMethodRef)> SetMethod;
};

// Registers (or replaces) a property of the class named className
// (ClassName() of the objects, compared exactly).
void RegisterPublishedProp(const std::string& className, const std::string& propName,
                           TPublishedProp prop);
// Drops every registration (tests).
void ClearPublishedProps();

// Property names are compared without case, as the platform's type
// information compares them.
bool HasPublishedProp(TObject* object, const std::string& propName);
TObject* GetObjectPropByName(TObject* object, const std::string& propName);  // null when absent
int GetOrdPropByName(TObject* object, const std::string& propName);          // -1 when absent
void SetOrdPropByName(TObject* object, const std::string& propName, int value);  // nothing when absent
std::string GetStrPropByName(TObject* object, const std::string& propName);      // empty when absent
// Whether the set property holds the element (element names compared
// without case); false when either is unknown.
bool SetPropHasElement(TObject* object, const std::string& propName, const std::string& element);
// Adds or removes one element of a set property; nothing when unknown.
void ChangeSetElement(TObject* object, const std::string& propName, const std::string& element,
                      bool include);

// Event properties: whether the object has one of that name, whether it
// holds a handler, the handler (empty when absent), and setting or
// clearing it (nothing when absent).
bool MethodPropExists(TObject* object, const std::string& propName);
bool MethodPropAssigned(TObject* object, const std::string& propName);
TMethodRef GetMethodProp(TObject* object, const std::string& propName);
void AssignMethodProp(TObject* object, const std::string& propName, TMethodRef method);
void ClearMethodProp(TObject* object, const std::string& propName);

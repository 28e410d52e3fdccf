#include "platform/rtl/classes.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <mutex>
#include <typeindex>
#include <typeinfo>

#include "platform/rtl/sysutils.h"
#include "platform/rtl/text1251.h"

namespace {

// "ns::TFoo" and "(anonymous namespace)::TFoo" become "TFoo"; template
// arguments are left alone.
std::string StripScopes(const std::string& name) {
  int depth = 0;
  size_t start = 0;
  for (size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    if (c == '<' || c == '(') ++depth;
    else if (c == '>' || c == ')') --depth;
    else if (depth == 0 && c == ':' && i + 1 < name.size() && name[i + 1] == ':') start = i + 2;
  }
  return name.substr(start);
}

std::string Demangled(const std::type_info& type) {
  // Never freed: objects freed at exit, after this file's statics may be
  // gone, still ask their class names.
  struct TCache {
    std::mutex Lock;
    std::map<std::type_index, std::string> Names;
  };
  static auto* cache = new TCache;
  std::lock_guard<std::mutex> lock(cache->Lock);
  auto it = cache->Names.find(type);
  if (it != cache->Names.end()) return it->second;
  int status = 0;
  char* raw = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
  std::string name = (status == 0 && raw) ? raw : type.name();
  std::free(raw);
  name = StripScopes(name);
  cache->Names.emplace(type, name);
  return name;
}

}  // namespace

std::string TObject::ClassName() const { return Demangled(typeid(*this)); }

void TObject::Free() {
  BeforeDestruction();
  delete this;
}

// ---- TPersistent

void TPersistent::Assign(TPersistent* source) {
  if (source) {
    source->AssignTo(this);
    return;
  }
  AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* dest) { dest->AssignError(this); }

void TPersistent::AssignError(TPersistent* source) {
  const std::string from = source ? source->ClassName() : std::string("nil");
  throw EConvertError("Cannot assign a " + from + " to a " + ClassName());
}

// ---- TComponent

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Each one told may remove itself (and this one) from the list: walk a copy
  // and skip those that are gone.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    auto& back = other->freeNotifies_;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::BeforeDestruction() { Destroying(); }

void TComponent::Destroying() {
  if (state_.Contains(csDestroying)) return;
  state_.Include(csDestroying);
  for (TComponent* c : components_) c->Destroying();
}

void TComponent::DestroyComponents() {
  // Last first; the owner lets go before the child's destructor runs, so the
  // child does not call back into RemoveComponent.
  while (!components_.empty()) {
    TComponent* c = components_.back();
    Remove(c);
    delete c;
  }
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (owner_ && !name.empty()) {
    TComponent* other = owner_->FindComponent(name);
    if (other && other != this) throw EComponentError("A component named " + name + " already exists");
  }
  name_ = name;
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount())
    throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  return components_[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  const auto& list = owner_->components_;
  const auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TComponent::Insert(TComponent* component) {
  components_.push_back(component);
  component->owner_ = this;
}

void TComponent::Remove(TComponent* component) {
  components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
  component->owner_ = nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (!component || component->owner_ == this) return;
  if (component->owner_) component->owner_->RemoveComponent(component);
  if (!component->name_.empty() && FindComponent(component->name_))
    throw EComponentError("A component named " + component->name_ + " already exists");
  Insert(component);
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (!component || component->owner_ != this) return;
  Notification(component, opRemove);
  Remove(component);
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (AnsiSameText(c->name_, name)) return c;
  return nullptr;
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  // Siblings hear of each other through their owner already.
  if (!owner_ || component->owner_ != owner_) {
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
      freeNotifies_.push_back(component);
      component->FreeNotification(this);
    }
  }
  state_.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  auto it = std::find(freeNotifies_.begin(), freeNotifies_.end(), component);
  if (it == freeNotifies_.end()) return;
  freeNotifies_.erase(it);
  component->RemoveFreeNotification(this);
  if (freeNotifies_.empty()) state_.Exclude(csFreeNotification);
}

void TComponent::Loaded() { state_.Exclude(csLoading); }

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component) RemoveFreeNotification(component);
  // A handler may delete owned components: index from the end and re-clamp.
  int i = ComponentCount() - 1;
  while (i >= 0) {
    components_[static_cast<size_t>(i)]->Notification(component, operation);
    --i;
    if (i >= ComponentCount()) i = ComponentCount() - 1;
  }
}

// ---- LayoutReader

namespace brsm {

LayoutReader::LayoutReader(TComponent* root) { Begin(root); }

void LayoutReader::Begin(TComponent* component) {
  if (!component || finished_) return;
  if (std::find(loaded_.begin(), loaded_.end(), component) != loaded_.end()) return;
  component->state_.Include(csLoading).Include(csReading);
  loaded_.push_back(component);
}

void LayoutReader::Finish() {
  if (finished_) return;
  finished_ = true;
  for (TComponent* c : loaded_) c->state_.Exclude(csReading);
  for (TComponent* c : loaded_) c->Loaded();
}

}  // namespace brsm

// Object, persistent and component roots of the class library.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/sets.h"

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  // The class's own name without namespaces ("TEdit"), from the run-time type.
  virtual std::string ClassName() const;

  // Runs BeforeDestruction, then deletes the object (as the platform's Free).
  // `delete` works too but skips BeforeDestruction.
  void Free();
  virtual void BeforeDestruction() {}
};

// Deletes through Free and clears the pointer.
template <class T>
void FreeAndNil(T*& object) {
  T* p = object;
  object = nullptr;
  if (p) p->Free();
}

using TNotifyEvent = std::function<void(TObject* sender)>;

class TPersistent : public TObject {
 public:
  // Copies source into this object. The default asks the source to AssignTo
  // this; when neither knows the other, EConvertError
  // "Cannot assign a <source> to a <dest>" is raised.
  virtual void Assign(TPersistent* source);

 protected:
  virtual void AssignTo(TPersistent* dest);
  virtual TPersistent* GetOwner() { return nullptr; }
  [[noreturn]] void AssignError(TPersistent* source);
};

enum TOperation { opInsert, opRemove };

enum TComponentStateItem {
  csLoading,     // created by a stored layout; cleared by Loaded
  csReading,     // while the layout sets its properties
  csWriting,
  csDestroying,  // set before any part of the component is freed
  csDesigning,   // never set in these programs
  csUpdating,
  csFreeNotification,
};
using TComponentState = TSet<TComponentStateItem>;

namespace brsm { class LayoutReader; }

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  // Tells free-notified components (opRemove), destroys the owned components
  // from the last to the first, and leaves the owner. Derived destructors
  // that must free their owned components before their own parts go call
  // Destroying() and DestroyComponents() first.
  ~TComponent() override;
  void BeforeDestruction() override;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  // Raises EComponentError "A component named <name> already exists" when a
  // sibling under the same owner has the name (compared without case).
  virtual void SetName(const std::string& name);
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const;  // EListError when out of range
  int ComponentIndex() const;               // -1 without owner
  TComponentState ComponentState() const { return state_; }

  void InsertComponent(TComponent* component);  // takes ownership; opInsert to all owned
  void RemoveComponent(TComponent* component);  // gives it up; opRemove to all owned
  TComponent* FindComponent(const std::string& name) const;  // without case; nullptr
  void DestroyComponents();
  void Destroying();  // sets csDestroying here and in every owned component

  // Asks to be told (Notification opRemove) when `component` is destroyed;
  // mutual, so `component` is told of this one's end as well.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

 protected:
  // Called once the stored layout has set every property of every component.
  // Clears csLoading; overrides call the inherited one first.
  virtual void Loaded();
  // Passed on to every owned component; opRemove drops `component` from the
  // free-notification list. Overrides clear their references and call the
  // inherited one.
  virtual void Notification(TComponent* component, TOperation operation);

  void SetComponentState(TComponentState state) { state_ = state; }

 private:
  friend class brsm::LayoutReader;
  void Insert(TComponent* component);
  void Remove(TComponent* component);

  TComponent* owner_ = nullptr;
  std::string name_;
  int tag_ = 0;
  TComponentState state_;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
};

namespace brsm {

// The stored-layout protocol. A form's layout is code that creates its
// components and sets their properties in the stored order:
//
//   brsm::LayoutReader layout(this);            // csLoading + csReading on the form
//   auto* m = layout.Read(new TsSkinManager(this));
//   m->SetSkinDirectory(...); m->SetSkinName(...);   // both with csLoading set
//   ...
//   layout.Finish();   // csReading off everywhere, then Loaded() on each
//                      // component in the order it was read (root first)
//
// When the layout code throws before Finish, the components keep csLoading
// and are never told Loaded: the half-built form is meant to be freed.
class LayoutReader {
 public:
  explicit LayoutReader(TComponent* root);
  LayoutReader(const LayoutReader&) = delete;
  LayoutReader& operator=(const LayoutReader&) = delete;

  template <class T>
  T* Read(T* component) {
    Begin(component);
    return component;
  }
  void Begin(TComponent* component);
  void Finish();

 private:
  std::vector<TComponent*> loaded_;
  bool finished_ = false;
};

}  // namespace brsm

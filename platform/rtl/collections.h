// Collections of items that a component publishes (stored skins, title
// buttons, combo items).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/classes.h"

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  // Joins `collection` (at its end) when one is given.
  explicit TCollectionItem(TCollection* collection);
  ~TCollectionItem() override;  // leaves its collection

  TCollection* Collection() const { return collection_; }
  void SetCollection(TCollection* collection);
  int Index() const;  // -1 outside a collection
  void SetIndex(int index);
  int ID() const { return id_; }
  virtual std::string DisplayName() const;  // ClassName() unless overridden

 protected:
  // Tells the collection that this item (or, with allItems, every item) changed.
  void Changed(bool allItems);
  TPersistent* GetOwner() override;

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
  int id_ = 0;
};

using TCollectionItemFactory = std::function<TCollectionItem*(TCollection*)>;

class TCollection : public TPersistent {
 public:
  // `factory` makes one item of the collection's item class; it must pass the
  // collection to the item's constructor.
  explicit TCollection(TCollectionItemFactory factory);
  ~TCollection() override;  // frees every item

  template <class Item>
  static TCollectionItemFactory ItemClass() {
    return [](TCollection* c) -> TCollectionItem* { return new Item(c); };
  }

  int Count() const { return static_cast<int>(items_.size()); }
  TCollectionItem* Items(int index) const;  // EListError when out of range
  TCollectionItem* Add();
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  TCollectionItem* FindItemID(int id) const;

  // Replaces the items by copies of source's (same item count, each item
  // assigned from its counterpart) when source is a TCollection.
  void Assign(TPersistent* source) override;

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

 protected:
  // A change of `item`, or of the whole collection when item is nullptr;
  // not called while updates are suspended.
  virtual void Update(TCollectionItem* item) {}
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);

  TCollectionItemFactory factory_;
  std::vector<TCollectionItem*> items_;
  int nextId_ = 0;
  int updateCount_ = 0;
};

// A collection whose GetOwner is the component (or object) that holds it.
class TOwnedCollection : public TCollection {
 public:
  TOwnedCollection(TPersistent* owner, TCollectionItemFactory factory)
      : TCollection(std::move(factory)), owner_(owner) {}
  TPersistent* Owner() const { return owner_; }

 protected:
  TPersistent* GetOwner() override { return owner_; }

 private:
  TPersistent* owner_;
};

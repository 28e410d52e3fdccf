#include "platform/rtl/classes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/rtl/collections.h"
#include "platform/rtl/sysutils.h"

namespace {

using Log = std::vector<std::string>;

// Records what happens to it; remembers one other component it refers to.
class TProbe : public TComponent {
 public:
  // Named before it joins its owner, so that the insert notification shows it.
  TProbe(TComponent* owner, const std::string& name, Log* log) : TComponent(nullptr), log_(log) {
    SetName(name);
    if (owner) owner->InsertComponent(this);
  }
  ~TProbe() override {
    log_->push_back("destroy " + Name() + (ComponentState().Contains(csDestroying) ? " (destroying)" : ""));
  }
  void Refer(TComponent* other) {
    ref = other;
    if (other) other->FreeNotification(this);
  }
  TComponent* ref = nullptr;
  TComponentState stateInLoaded;

 protected:
  void Loaded() override {
    stateInLoaded = ComponentState();  // before the inherited one clears csLoading
    TComponent::Loaded();
    log_->push_back("loaded " + Name());
  }
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    log_->push_back(Name() + (operation == opInsert ? " +" : " -") + component->Name());
    if (operation == opRemove && component == ref) ref = nullptr;
  }

 private:
  Log* log_;
};

TEST(Component, OwnerDestroysChildrenLastFirstAfterMarkingThemDestroying) {
  Log log;
  auto* form = new TProbe(nullptr, "Form", &log);
  auto* a = new TProbe(form, "A", &log);
  new TProbe(form, "B", &log);
  new TProbe(a, "A1", &log);
  EXPECT_EQ(form->ComponentCount(), 2);
  EXPECT_EQ(form->Components(1)->Name(), "B");
  EXPECT_EQ(a->Owner(), form);
  EXPECT_EQ(a->ComponentIndex(), 0);
  EXPECT_EQ(form->FindComponent("b"), form->Components(1));
  EXPECT_EQ(form->FindComponent("A1"), nullptr);  // only directly owned
  EXPECT_THROW(form->Components(2), EListError);
  log.clear();
  form->Free();
  EXPECT_EQ(log, (Log{"destroy Form (destroying)", "destroy B (destroying)", "destroy A (destroying)",
                      "destroy A1 (destroying)"}));
}

TEST(Component, OwnerHearsOfInsertAndRemoveAndPassesItOn) {
  Log log;
  TProbe form(nullptr, "Form", &log);
  auto* a = new TProbe(&form, "A", &log);
  auto* b = new TProbe(&form, "B", &log);
  // The newcomer is already in the list when the owner passes the news on.
  EXPECT_EQ(log, (Log{"A +A", "Form +A", "B +B", "A +B", "Form +B"}));
  log.clear();
  delete b;  // a sibling is told through the owner
  EXPECT_EQ(log, (Log{"destroy B", "A -B", "Form -B"}));
  log.clear();
  form.RemoveComponent(a);
  EXPECT_EQ(a->Owner(), nullptr);
  EXPECT_EQ(form.ComponentCount(), 0);
  form.InsertComponent(a);
  EXPECT_EQ(a->Owner(), &form);
  EXPECT_EQ(log, (Log{"A -A", "Form -A", "A +A", "Form +A"}));
}

TEST(Component, PlainComponentsOfAPlainOwnerAreFreedToo) {
  // No override anywhere: the base class alone owns and frees.
  Log log;
  auto* owner = new TComponent(nullptr);
  new TComponent(owner);
  auto* probe = new TProbe(owner, "P", &log);
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(probe->ComponentIndex(), 1);
  delete owner;
  EXPECT_EQ(log, (Log{"P +P", "destroy P (destroying)"}));
}

TEST(Component, FreeNotificationReachesComponentsOfOtherOwners) {
  Log log;
  auto* form1 = new TProbe(nullptr, "Form1", &log);
  auto* form2 = new TProbe(nullptr, "Form2", &log);
  auto* manager = new TProbe(form1, "Manager", &log);
  auto* control = new TProbe(form2, "Control", &log);
  control->Refer(manager);
  manager->Refer(control);  // both ways at once must not loop
  EXPECT_TRUE(manager->ComponentState().Contains(csFreeNotification));
  log.clear();
  form1->Free();
  EXPECT_EQ(control->ref, nullptr);
  EXPECT_NE(std::find(log.begin(), log.end(), "Control -Manager"), log.end());
  log.clear();
  form2->Free();  // the manager is gone: nobody may call it now
  EXPECT_EQ(log, (Log{"destroy Form2 (destroying)", "destroy Control (destroying)"}));

  // Removed notifications are not sent.
  Log log2;
  TProbe x(nullptr, "X", &log2);
  auto* y = new TProbe(nullptr, "Y", &log2);
  x.Refer(y);
  y->RemoveFreeNotification(&x);
  log2.clear();
  delete y;
  EXPECT_EQ(log2, (Log{"destroy Y"}));  // X was not told
}

TEST(Component, NamesAreUniqueUnderOneOwner) {
  Log log;
  TProbe form(nullptr, "Form", &log);
  new TProbe(&form, "Button1", &log);
  auto* other = new TProbe(&form, "", &log);
  EXPECT_THROW(other->SetName("BUTTON1"), EComponentError);
  try {
    other->SetName("Button1");
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.Message, "A component named Button1 already exists");
  }
  other->SetName("Button2");
  EXPECT_EQ(form.FindComponent("button2"), other);
  other->SetTag(-98);
  EXPECT_EQ(other->Tag(), -98);
  EXPECT_EQ(form.FindComponent(""), nullptr);
}

TEST(Component, LayoutReaderSetsPropertiesWhileLoadingThenCallsLoadedInOrder) {
  Log log;
  auto* form = new TProbe(nullptr, "Form", &log);
  {
    brsm::LayoutReader layout(form);
    EXPECT_TRUE(form->ComponentState().Contains(csLoading));
    EXPECT_TRUE(form->ComponentState().Contains(csReading));
    auto* manager = layout.Read(new TProbe(form, "Manager", &log));
    EXPECT_TRUE(manager->ComponentState().Contains(csLoading));
    auto* hints = layout.Read(new TProbe(form, "Hints", &log));
    log.clear();
    layout.Finish();
    EXPECT_EQ(log, (Log{"loaded Form", "loaded Manager", "loaded Hints"}));
    // In Loaded csReading is already off and csLoading still on; afterwards both are off.
    EXPECT_FALSE(manager->stateInLoaded.Contains(csReading));
    EXPECT_TRUE(manager->stateInLoaded.Contains(csLoading));
    EXPECT_FALSE(hints->ComponentState().Contains(csLoading));
    EXPECT_FALSE(form->ComponentState().Contains(csLoading));
    log.clear();
    layout.Finish();  // once only
    EXPECT_TRUE(log.empty());
  }
  EXPECT_FALSE(form->ComponentState().Contains(csDesigning));
  form->Free();
}

TEST(Object, ClassNameIsTheBareClassName) {
  Log log;
  TProbe probe(nullptr, "P", &log);
  EXPECT_EQ(probe.ClassName(), "TProbe");
  TComponent plain(nullptr);
  EXPECT_EQ(plain.ClassName(), "TComponent");
  TObject* asObject = &probe;
  EXPECT_EQ(asObject->ClassName(), "TProbe");
}

// ---- collections

class TNamedItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  std::string Text;
  void Assign(TPersistent* source) override {
    if (auto* other = dynamic_cast<TNamedItem*>(source)) {
      Text = other->Text;
      return;
    }
    TCollectionItem::Assign(source);
  }
  std::string DisplayName() const override { return Text; }
};

class TCountingCollection : public TCollection {
 public:
  TCountingCollection() : TCollection(ItemClass<TNamedItem>()) {}
  TNamedItem* At(int i) { return static_cast<TNamedItem*>(Items(i)); }
  int updates = 0;

 protected:
  void Update(TCollectionItem*) override { ++updates; }
};

TEST(Collection, ItemsAreMadeByTheItemClassAndFreedWithTheCollection) {
  TCountingCollection c;
  auto* a = static_cast<TNamedItem*>(c.Add());
  a->Text = "a";
  static_cast<TNamedItem*>(c.Add())->Text = "b";
  static_cast<TNamedItem*>(c.Insert(0))->Text = "first";
  ASSERT_EQ(c.Count(), 3);
  EXPECT_EQ(c.At(0)->Text, "first");
  EXPECT_EQ(c.At(1), a);
  EXPECT_EQ(a->Index(), 1);
  EXPECT_EQ(a->Collection(), &c);
  EXPECT_EQ(c.FindItemID(a->ID()), a);
  a->SetIndex(5);  // clamped to the end
  EXPECT_EQ(c.At(2), a);
  c.Delete(0);
  EXPECT_EQ(c.Count(), 2);
  delete c.At(0);  // an item freed on its own leaves the collection
  EXPECT_EQ(c.Count(), 1);
  EXPECT_EQ(c.At(0)->Text, "a");
  EXPECT_THROW(c.Items(1), EListError);
}

TEST(Collection, AssignCopiesItemsUnderOneUpdate) {
  TCountingCollection source, target;
  for (const char* t : {"x", "y"}) static_cast<TNamedItem*>(source.Add())->Text = t;
  static_cast<TNamedItem*>(target.Add())->Text = "old";
  target.updates = 0;
  target.Assign(&source);
  ASSERT_EQ(target.Count(), 2);
  EXPECT_EQ(target.At(0)->Text, "x");
  EXPECT_EQ(target.At(1)->DisplayName(), "y");
  EXPECT_NE(target.At(0), source.At(0));
  EXPECT_EQ(target.updates, 1);
  EXPECT_EQ(target.UpdateCount(), 0);
  TComponent notACollection(nullptr);
  EXPECT_THROW(target.Assign(&notACollection), EConvertError);
}

}  // namespace

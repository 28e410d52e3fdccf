// String lists: the abstract TStrings that window-bound lists (memo lines,
// combo items) derive from, and the stand-alone TStringList.
#pragma once

#include "platform/rtl/win_macro_guard.h"

#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/classes.h"

class TStream;

class TStrings : public TPersistent {
 public:
  int Count() const { return GetCount(); }
  std::string Strings(int index) const { return Get(index); }
  void SetStrings(int index, const std::string& s) { Put(index, s); }
  TObject* Objects(int index) const { return GetObject(index); }
  void SetObjects(int index, TObject* object) { PutObject(index, object); }

  virtual int Add(const std::string& s);  // answers the new line's index
  virtual int AddObject(const std::string& s, TObject* object);
  void Append(const std::string& s) { Add(s); }
  virtual void AddStrings(const TStrings* strings);
  virtual void Insert(int index, const std::string& s) = 0;
  virtual void InsertObject(int index, const std::string& s, TObject* object);
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(int index1, int index2);
  virtual void Move(int curIndex, int newIndex);

  // Lines and objects of another TStrings (under one update).
  void Assign(TPersistent* source) override;
  bool Equals(const TStrings* strings) const;  // same lines, same order, byte-exact

  // Comparisons through CompareStrings: without case unless a list says so.
  virtual int IndexOf(const std::string& s) const;
  int IndexOfName(const std::string& name) const;
  int IndexOfObject(TObject* object) const;

  // "Name=Value" lines; the name ends at the first '='.
  std::string Names(int index) const;           // empty when the line has no '='
  std::string ValueFromIndex(int index) const;  // empty when the line has no '='
  std::string Values(const std::string& name) const;
  // Replaces the value of the first line named `name`, or adds the line; an
  // empty value deletes the line.
  void SetValues(const std::string& name, const std::string& value);

  // Every line followed by CR LF. Setting splits at CR LF, LF or CR; a final
  // line break adds no empty line.
  std::string Text() const;
  virtual void SetText(const std::string& text);

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  // The stream's bytes from its position to its end (1251 as they are),
  // lines split as SetText does.
  virtual void LoadFromStream(TStream* stream);
  void LoadFromFile(const std::string& fileName);  // EFOpenError
  // Text() as bytes: every line followed by CR LF, nothing for no lines.
  virtual void SaveToStream(TStream* stream) const;
  void SaveToFile(const std::string& fileName) const;  // EFCreateError

 protected:
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, const std::string& s);  // default: delete + insert
  virtual TObject* GetObject(int index) const { return nullptr; }
  virtual void PutObject(int index, TObject* object) {}
  virtual int GetCount() const = 0;
  // Called with true when the first BeginUpdate starts and false when the
  // last EndUpdate ends it.
  virtual void SetUpdateState(bool updating) {}
  virtual int CompareStrings(const std::string& a, const std::string& b) const;

  // EListError "List index out of bounds (<index>)".
  [[noreturn]] static void IndexError(int index);

 private:
  int updateCount_ = 0;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
using TStringListSortCompare = std::function<int(TStringList* list, int index1, int index2)>;

class TStringList : public TStrings {
 public:
  TStringList() = default;
  ~TStringList() override;  // the objects are not owned

  int Add(const std::string& s) override;
  int AddObject(const std::string& s, TObject* object) override;
  void Insert(int index, const std::string& s) override;  // EListError when Sorted
  void InsertObject(int index, const std::string& s, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;
  void Exchange(int index1, int index2) override;
  int IndexOf(const std::string& s) const override;

  // Binary search of a sorted list: true when found; index is where s is or
  // would be inserted. On an unsorted list the answer is meaningless.
  bool Find(const std::string& s, int& index) const;
  // By AnsiCompareText (AnsiCompareStr with CaseSensitive); stable.
  virtual void Sort();
  void CustomSort(const TStringListSortCompare& compare);

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);  // sorts when turned on
  // Applies to Add on a sorted list: dupError raises EListError
  // "String list does not allow duplicates".
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates d) { duplicates_ = d; }
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool caseSensitive);  // re-sorts a sorted list

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  std::string Get(int index) const override;
  void Put(int index, const std::string& s) override;  // EListError when Sorted
  TObject* GetObject(int index) const override;
  void PutObject(int index, TObject* object) override;
  int GetCount() const override { return static_cast<int>(items_.size()); }
  void SetUpdateState(bool updating) override;
  int CompareStrings(const std::string& a, const std::string& b) const override;

  virtual void Changing();
  virtual void Changed();

 private:
  struct Item {
    std::string text;
    TObject* object = nullptr;
  };
  void InsertItem(int index, const std::string& s, TObject* object);
  void CheckIndex(int index) const;

  std::vector<Item> items_;
  bool sorted_ = false;
  bool caseSensitive_ = false;
  TDuplicates duplicates_ = dupIgnore;
};

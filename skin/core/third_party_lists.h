// The manager's ThirdParty property: 13 lists of control class names (CR LF
// separated) that decide which window adapter a control of a form gets.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/classes.h"
#include "platform/rtl/strings.h"
#include "skin/core/skin_constants.h"

class ThirdPartyList : public TPersistent {
 public:
  // By list index 0..12 (TThirdPartyIndex); other indexes read empty and
  // write nothing.
  std::string List(int index) const;
  void SetList(int index, const std::string& text);

  std::string ThirdEdits() const { return List(tpEdits); }
  void SetThirdEdits(const std::string& v) { SetList(tpEdits, v); }
  std::string ThirdButtons() const { return List(tpButtons); }
  void SetThirdButtons(const std::string& v) { SetList(tpButtons, v); }
  std::string ThirdBitBtns() const { return List(tpBitBtns); }
  void SetThirdBitBtns(const std::string& v) { SetList(tpBitBtns, v); }
  std::string ThirdCheckBoxes() const { return List(tpCheckBoxes); }
  void SetThirdCheckBoxes(const std::string& v) { SetList(tpCheckBoxes, v); }
  std::string ThirdComboBoxes() const { return List(tpComboBoxes); }
  void SetThirdComboBoxes(const std::string& v) { SetList(tpComboBoxes, v); }
  std::string ThirdGrids() const { return List(tpGrids); }
  void SetThirdGrids(const std::string& v) { SetList(tpGrids, v); }
  std::string ThirdGroupBoxes() const { return List(tpGroupBoxes); }
  void SetThirdGroupBoxes(const std::string& v) { SetList(tpGroupBoxes, v); }
  std::string ThirdListViews() const { return List(tpListViews); }
  void SetThirdListViews(const std::string& v) { SetList(tpListViews, v); }
  std::string ThirdPanels() const { return List(tpPanels); }
  void SetThirdPanels(const std::string& v) { SetList(tpPanels, v); }
  std::string ThirdTreeViews() const { return List(tpTreeViews); }
  void SetThirdTreeViews(const std::string& v) { SetList(tpTreeViews, v); }
  std::string ThirdWWEdits() const { return List(tpWWEdits); }
  void SetThirdWWEdits(const std::string& v) { SetList(tpWWEdits, v); }
  std::string ThirdGridEh() const { return List(tpGridEh); }
  void SetThirdGridEh(const std::string& v) { SetList(tpGridEh, v); }
  std::string ThirdVirtualTrees() const { return List(tpVirtualTrees); }
  void SetThirdVirtualTrees(const std::string& v) { SetList(tpVirtualTrees, v); }

  void Assign(TPersistent* source) override;

 private:
  std::string lists_[ThirdPartyListCount];
};

// The same 13 lists split into lines, for fast comparison.
using ThirdPartyLineLists = std::vector<std::unique_ptr<TStringList>>;
ThirdPartyLineLists MakeThirdPartyLineLists();

// Lists stored in the older order ("TButton" as ThirdEdits or "TBitBtn" as
// ThirdButtons) are moved to the current one; then every list (with reset)
// or every empty list (without) gets its default, and the line lists take
// the texts.
void SyncThirdPartyLists(ThirdPartyList& lists, ThirdPartyLineLists& lines, bool reset);
// The line lists' texts back into the properties.
void StoreThirdPartyLists(ThirdPartyList& lists, const ThirdPartyLineLists& lines);

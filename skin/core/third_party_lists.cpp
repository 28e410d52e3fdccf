#include "skin/core/third_party_lists.h"

std::string ThirdPartyList::List(int index) const {
  if (index < 0 || index >= ThirdPartyListCount) return std::string();
  return lists_[index];
}

void ThirdPartyList::SetList(int index, const std::string& text) {
  if (index < 0 || index >= ThirdPartyListCount) return;
  lists_[index] = text;
}

void ThirdPartyList::Assign(TPersistent* source) {
  if (auto* other = dynamic_cast<ThirdPartyList*>(source)) {
    for (int i = 0; i < ThirdPartyListCount; ++i) lists_[i] = other->lists_[i];
    return;
  }
  TPersistent::Assign(source);
}

ThirdPartyLineLists MakeThirdPartyLineLists() {
  ThirdPartyLineLists lines;
  for (int i = 0; i < ThirdPartyListCount; ++i) lines.push_back(std::make_unique<TStringList>());
  return lines;
}

namespace {

// The lists as an older version stored them: edits where buttons now are,
// and so on around the ring below.
bool StoredInOlderOrder(const ThirdPartyList& lists) {
  return lists.ThirdEdits() == "TButton" || lists.ThirdButtons() == "TBitBtn";
}

void MoveFromOlderOrder(ThirdPartyList& lists) {
  std::string old[ThirdPartyListCount];
  for (int i = 0; i < ThirdPartyListCount; ++i) old[i] = lists.List(i);
  lists.SetList(tpEdits, old[tpPanels]);
  lists.SetList(tpPanels, old[tpTreeViews]);
  lists.SetList(tpTreeViews, old[tpComboBoxes]);
  lists.SetList(tpComboBoxes, old[tpCheckBoxes]);
  lists.SetList(tpCheckBoxes, old[tpBitBtns]);
  lists.SetList(tpBitBtns, old[tpButtons]);
  lists.SetList(tpButtons, old[tpEdits]);
  lists.SetList(tpListViews, old[tpGrids]);
  lists.SetList(tpGrids, old[tpGroupBoxes]);
  lists.SetList(tpGroupBoxes, old[tpListViews]);
  lists.SetList(tpGridEh, old[tpVirtualTrees]);
  lists.SetList(tpVirtualTrees, DefaultThirdPartyList(tpVirtualTrees));
}

}  // namespace

void SyncThirdPartyLists(ThirdPartyList& lists, ThirdPartyLineLists& lines, bool reset) {
  if (StoredInOlderOrder(lists)) MoveFromOlderOrder(lists);
  while (lines.size() < static_cast<size_t>(ThirdPartyListCount))
    lines.push_back(std::make_unique<TStringList>());
  for (int i = 0; i < ThirdPartyListCount; ++i) {
    if (reset || lists.List(i).empty()) lists.SetList(i, DefaultThirdPartyList(i));
    lines[static_cast<size_t>(i)]->SetText(lists.List(i));
  }
}

void StoreThirdPartyLists(ThirdPartyList& lists, const ThirdPartyLineLists& lines) {
  for (int i = 0; i < ThirdPartyListCount && static_cast<size_t>(i) < lines.size(); ++i) {
    // Text() ends every line with CR LF; the property holds none after the last.
    std::string text = lines[static_cast<size_t>(i)]->Text();
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0) text.resize(text.size() - 2);
    lists.SetList(i, text);
  }
}

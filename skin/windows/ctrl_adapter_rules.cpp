#include "skin/windows/ctrl_adapter_rules.h"

#include <algorithm>
#include <array>

namespace {

struct TListRow {
  std::string_view RecordSection;
  std::string_view AdapterSection;
};

// By ThirdParty list index; the adapter kind comes from
// AdapterKindOfThirdPartyList.
constexpr std::array<TListRow, ThirdPartyListCount> kRows = {{
    {"", "EDIT"},             // edits
    {"BUTTON", "BUTTON"},     // buttons
    {"BUTTON", "BUTTON"},     // bit-map buttons
    {"CHECKBOX", ""},         // check boxes
    {"", "EDIT"},             // combo boxes
    {"", "EDIT"},             // grids
    {"GROUPBOX", ""},         // group boxes
    {"", "EDIT"},             // list views
    {"PANEL", "PANEL"},       // panels
    {"", "EDIT"},             // tree views
    {"", "EDIT"},             // combo edits, adapted on the control
    {"", "EDIT"},             // extended grids
    {"", "EDIT"},             // virtual trees
}};

}  // namespace

int FindThirdPartyList(const ThirdPartyLineLists& lists, std::string_view className) {
  const int count = std::min<int>(static_cast<int>(lists.size()), ThirdPartyListCount);
  for (int i = 0; i < count; ++i) {
    const TStringList* list = lists[static_cast<size_t>(i)].get();
    if (!list) continue;
    // Exact, with case: TStringList's own IndexOf ignores case.
    for (int j = 0; j < list->Count(); ++j)
      if (list->Strings(j) == className) return i;
  }
  return -1;
}

TvxThirdPartyChoice ChooseThirdPartyAdapter(const ThirdPartyLineLists& lists,
                                            std::string_view className) {
  TvxThirdPartyChoice c;
  const int index = FindThirdPartyList(lists, className);
  if (index < 0 || !AdapterKindOfThirdPartyList(index, c.Kind)) return c;
  c.Found = true;
  c.ListIndex = index;
  c.RecordSection = kRows[static_cast<size_t>(index)].RecordSection;
  c.AdapterSection = kRows[static_cast<size_t>(index)].AdapterSection;
  c.OnControl = index == tpWWEdits;
  return c;
}

bool DecideControlSupported(const TvxControlFacts& f, const ThirdPartyLineLists* lists,
                            const std::function<bool()>& labelAccepted) {
  if (f.Tag == NoAdaptTag) return false;
  // The skin library's own controls answer the query and skin themselves.
  if (f.Windowed && (!f.HandleAllocated || f.AnswersSkinned)) return false;
  if (f.IsCustomLabel) return !labelAccepted || labelAccepted();
  if (f.IsGraphic) return false;
  return lists && FindThirdPartyList(*lists, f.ClassName) >= 0;
}

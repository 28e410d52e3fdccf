// What the control adapter decides from facts it reads off a control:
// whether a control of a form is adapted, which window adapter its class
// gets from the manager's ThirdParty lists, and whether a label takes the
// skin's text colour. Kept free of the platform's windows.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "skin/core/third_party_lists.h"
#include "skin/windows/adapter_kinds.h"

// A control with this Tag is never adapted.
inline constexpr int NoAdaptTag = -98;

// The skin record kind of a control adapter's item.
inline constexpr int AdapterItemControlKind = 227;

// The adapter a ThirdParty list gives the controls whose class it names.
struct TvxThirdPartyChoice {
  bool Found = false;
  int ListIndex = -1;
  TvxAdapterKind Kind = TvxAdapterKind::EditWnd;
  // Set on the item's record before the adapter is made; empty: kept.
  std::string_view RecordSection;
  // The adapter's own section; empty: none.
  std::string_view AdapterSection;
  // Made on the control itself rather than on its window.
  bool OnControl = false;
};

// The first list (in index order) holding exactly `className`, compared
// with case; -1 when none does.
int FindThirdPartyList(const ThirdPartyLineLists& lists, std::string_view className);
TvxThirdPartyChoice ChooseThirdPartyAdapter(const ThirdPartyLineLists& lists,
                                            std::string_view className);

// What is known about a control the adapter is offered.
struct TvxControlFacts {
  int Tag = 0;
  bool Windowed = false;         // a TWinControl
  bool HandleAllocated = false;  // windowed: its window exists
  bool AnswersSkinned = false;   // windowed: a control of the skin library
  bool IsCustomLabel = false;    // a TCustomLabel (the skin library's too)
  bool IsGraphic = false;        // a TGraphicControl
  std::string ClassName;
};

// `labelAccepted` is asked (only) for a label: the form's OnSkinItem answer.
// `lists` may be nullptr (no manager): then no class is supported.
bool DecideControlSupported(const TvxControlFacts& facts, const ThirdPartyLineLists* lists,
                            const std::function<bool()>& labelAccepted);

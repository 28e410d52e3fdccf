// The keyboard search of a skinned combo box: typed characters complete
// towards the first item that starts with them. Reached through a seam that
// finds strings in the box and reads the clock.
#pragma once

#include <cstdint>
#include <string>

class TvxComboSearchSeam {
 public:
  virtual ~TvxComboSearchSeam() = default;
  // The first item starting with `prefix` (case-insensitive, from the top),
  // -1 when none.
  virtual int FindPrefix(const std::string& prefix) = 0;
  virtual std::string ItemText(int index) = 0;
  // Milliseconds; may wrap.
  virtual uint32_t Now() = 0;
};

struct TvxComboSearch {
  std::string Text;
  uint32_t LastKeyTime = 0;
};

// The box as the key finds it.
struct TvxComboKeyState {
  bool Editable = false;  // csSimple or csDropDown
  std::string EditText;
  int SelStart = 0;
  int SelLength = 0;
  int ItemIndex = -1;
};

// What the box does with the key.
struct TvxComboKeyResult {
  bool Swallowed = false;
  bool SetIndex = false;
  int Index = -1;
  bool SetText = false;  // an editable box's text and selection
  std::string Text;
  int SelStart = 0;
  int SelLength = 0;
  bool Change = false;  // OnChange fires
  bool Select = false;  // Click and OnSelect fire
};

// Pauses longer than this start a new search in list-only boxes.
inline constexpr uint32_t ComboSearchPause = 499;

TvxComboKeyResult ComboSearchKey(TvxComboSearch& search, const TvxComboKeyState& box, char key,
                                 TvxComboSearchSeam& seam);

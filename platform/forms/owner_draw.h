// The state of an owner-drawn item (combo box items, menu items). The set's
// bits are the ODS_* bits of DRAWITEMSTRUCT::itemState, so the one converts
// to the other without a table.
#pragma once

#include "platform/rtl/sets.h"

enum TOwnerDrawStateItem {
  odSelected,      // ODS_SELECTED    0x0001
  odGrayed,        // ODS_GRAYED      0x0002
  odDisabled,      // ODS_DISABLED    0x0004
  odChecked,       // ODS_CHECKED     0x0008
  odFocused,       // ODS_FOCUS       0x0010
  odDefault,       // ODS_DEFAULT     0x0020
  odHotLight,      // ODS_HOTLIGHT    0x0040
  odInactive,      // ODS_INACTIVE    0x0080
  odNoAccel,       // ODS_NOACCEL     0x0100
  odNoFocusRect,   // ODS_NOFOCUSRECT 0x0200
  odReserved1,
  odReserved2,
  odComboBoxEdit,  // ODS_COMBOBOXEDIT 0x1000
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

inline TOwnerDrawState OwnerDrawStateFromBits(unsigned itemState) {
  return TOwnerDrawState::FromBits(itemState & 0x1FFFu);
}
inline unsigned OwnerDrawStateBits(TOwnerDrawState state) {
  return static_cast<unsigned>(state.Bits() & 0x1FFFu);
}

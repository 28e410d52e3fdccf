#include <windows.h>

#include "platform/graphics/colors.h"

namespace brsm {

TColor PlatformSystemColor(int index) { return static_cast<TColor>(GetSysColor(index) & 0xFFFFFF); }

}  // namespace brsm

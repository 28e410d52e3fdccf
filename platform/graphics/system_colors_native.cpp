#include "platform/graphics/colors.h"

namespace brsm {

TColor PlatformSystemColor(int index) { return ClassicSystemColor(index); }

}  // namespace brsm

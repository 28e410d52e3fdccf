// Rectangles and points come from the graphics library; include
// "platform/graphics/geometry.h" directly in new code.
#pragma once

#include "platform/graphics/geometry.h"

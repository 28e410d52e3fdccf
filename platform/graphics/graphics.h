// The whole GDI half of the graphics library.
#pragma once

#include "platform/graphics/bitmap.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/font.h"
#include "platform/graphics/geometry.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/icon.h"
#include "platform/graphics/image_list.h"
#include "platform/graphics/jpeg_image.h"
#include "platform/graphics/pen.h"
#include "platform/graphics/picture.h"

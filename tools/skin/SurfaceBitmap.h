#pragma once
// Pictures move between the generator's surfaces and the class library's bitmaps, which the
// canvas draws with, pixel for pixel.

#include "platform/graphics/Surface.h"
#include "platform/graphics/TBitmap.h"

#include <memory>

std::unique_ptr<TBitmap> BitmapFromSurface(const Surface& pixels);
Surface SurfaceFromBitmap(const TBitmap& bitmap);

#pragma once
// Where a control paints while its top-level window is composed: the window's surface, the
// control's top-left corner on it, and the part of the surface it may touch, both in the
// surface's coordinates.

#include "platform/graphics/Region.h"
#include "platform/kernel/Types.h"

class Surface;

struct PaintContext {
    Surface& surface;
    POINT origin;
    Region clip;
};

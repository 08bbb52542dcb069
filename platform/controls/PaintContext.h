#pragma once
// Where a control paints while its top-level window is composed: the window's surface, the
// control's top-left corner on it, and the part of the surface it may touch, both in the
// surface's coordinates.

#include "platform/gdi/GdiObjects.h"
#include "platform/graphics/Region.h"
#include "platform/kernel/Types.h"

#include <functional>

class Surface;

struct PaintContext {
    Surface& surface;
    POINT origin;
    Region clip;
};

// Runs a painting step with a drawing target that reaches exactly the context's clip. A
// rectangular clip is drawn on directly; any other shape is painted on a copy of the pixels
// under it, of which only the clip's pixels go back.
void PaintConfined(const PaintContext& Context,
                   const std::function<void(const DrawingTarget&)>& Paint);

#pragma once
// Copies between surfaces as BitBlt and StretchBlt do: the source rectangle is scaled to the
// destination rectangle by the nearest source pixel, and each destination pixel is combined
// with its source pixel and the brush by a ternary raster operation. Destination pixels whose
// source lies outside the source surface are left alone. Source and destination may be the
// same surface.

#include "platform/graphics/Surface.h"
#include "platform/kernel/Types.h"

#include <optional>

// The source may be null for operations that do not read it.
void StretchBlit(Surface& target, const RECT& clip, const RECT& targetRect, const Surface* source,
                 const RECT& sourceRect, uint32_t rop3, uint32_t brushPixel);

// Like a source copy, but source pixels of the transparent colour leave the destination as it
// is. Returns whether any destination pixel changed.
bool TransparentBlit(Surface& target, const RECT& clip, const RECT& targetRect,
                     const Surface& source, const RECT& sourceRect, uint32_t transparentPixel);

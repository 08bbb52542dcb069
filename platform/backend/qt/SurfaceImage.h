#pragma once

#include "platform/graphics/Surface.h"

#include <QImage>

// The surface as an RGB32 image. A top-down surface is wrapped without a copy, so the image is
// valid only while the surface keeps its size; a bottom-up one is copied into top-down order.
inline QImage SurfaceImage(const Surface& surface) {
    QImage image(reinterpret_cast<const uchar*>(surface.Bits()), surface.Width(), surface.Height(),
                 static_cast<qsizetype>(surface.StrideBytes()), QImage::Format_RGB32);
    return surface.Order() == RowOrder::TopDown ? image : image.mirrored();
}

#pragma once
// A black bitmap with a canvas layer and a painter over it, for pixel checks of figures.

#include "kiln/Graphics/CanvasLayer.h"
#include "kiln/Graphics/NullSaver.h"
#include "kiln/Graphics/SimplePainter.h"
#include "platform/graphics/TBitmap.h"

#include <memory>

struct PaintedSurface {
    using Layer = kiln::CanvasLayer<kiln::NullSaver<TCanvas*>>;
    using Painter = kiln::SimplePainter<Layer>;

    PaintedSurface(int width, int height) {
        bitmap.SetSize(width, height);
        layer = std::make_unique<Layer>(bitmap.Canvas(), width, height);
        layer->SetBackgroundColor(kiln::Color(0, 0, 0));
        layer->Clear();
        painter = std::make_unique<Painter>(layer.get());
    }

    TColor At(int x, int y) { return bitmap.Canvas()->Pixels(x, y); }
    int Width() const { return bitmap.Width(); }
    int Height() const { return bitmap.Height(); }

    TBitmap bitmap;
    std::unique_ptr<Layer> layer;
    std::unique_ptr<Painter> painter;
};

#pragma once
// Draws filled and outlined primitives, bitmap parts and erasures on a layer in one current
// colour (white at first). Every operation but Erase sets the canvas up anew (solid brush and
// pen, copy mode, both in the current colour), so painters may interleave; the colours it
// leaves on the canvas are not restored. A fill paints the interior and the edge in the colour,
// a frame only the one-pixel edge. Points may be of any type with x and y members.

#include "kiln/Graphics/CanvasHelpers.h"
#include "kiln/Graphics/Color.h"
#include "platform/gdi/GdiHandles.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TRect.h"

#include <vector>

namespace kiln {

template <class Layer> class SimplePainter {
public:
    explicit SimplePainter(Layer* layer) : m_layer(layer) {}

    void SetColor(Color c) { m_color = c; }
    // The background colour of the layer it draws on.
    Color BackgroundColor() const { return m_layer->BackgroundColor(); }

    void FillRect(const TRect& r) {
        Drawn([&](TCanvas* c) { FillRectSolid(c, m_layer->MapRect(r)); });
    }
    void FrameRect(const TRect& r) {
        Drawn([&](TCanvas* c) { DrawRectFrame(c, m_layer->MapRect(r)); });
    }
    void FillEllipse(const TRect& r) {
        Drawn([&](TCanvas* c) { FillEllipseSolid(c, m_layer->MapRect(r)); });
    }
    void FrameEllipse(const TRect& r) {
        Drawn([&](TCanvas* c) { DrawEllipseFrame(c, m_layer->MapRect(r)); });
    }
    void FillRoundRect(const TRect& r, int cornerWidth, int cornerHeight) {
        Drawn([&](TCanvas* c) {
            FillRoundRectSolid(c, m_layer->MapRect(r), cornerWidth, cornerHeight);
        });
    }
    void FrameRoundRect(const TRect& r, int cornerWidth, int cornerHeight) {
        Drawn([&](TCanvas* c) {
            const TRect m = m_layer->MapRect(r);
            const TBrushStyle style = c->Brush()->Style();
            c->Brush()->SetStyle(bsClear);
            c->RoundRect(m.left, m.top, m.right, m.bottom, cornerWidth, cornerHeight);
            c->Brush()->SetStyle(style);
        });
    }
    template <class Point> void FillPolygon(const Point* points, int count) {
        Drawn([&](TCanvas* c) {
            std::vector<TPoint> mapped = Mapped(points, count);
            FillPolygonSolid(c, mapped.data(), count);
        });
    }
    template <class Point> void FramePolygon(const Point* points, int count) {
        Drawn([&](TCanvas* c) {
            std::vector<TPoint> mapped = Mapped(points, count);
            DrawPolygonFrame(c, mapped.data(), count);
        });
    }

    // Copies the source rectangle of the bitmap with its top-left corner at (x, y), pixels
    // replaced. The bitmap stays its owner's.
    void DrawBitmap(HBITMAP bitmapHandle, const TRect& sourceRect, int x, int y) {
        Drawn([&](TCanvas* c) {
            BorrowedBitmap source(bitmapHandle);
            const TPoint at = m_layer->MapPoint(TPoint(x, y));
            CopyBitmapRect(c, at.x, at.y, &source.bitmap, sourceRect);
        });
    }

    // The layer's background over the rectangle; the current colour plays no part.
    void Erase(const TRect& r) { m_layer->Clear(r); }

private:
    // A platform bitmap over a handle it gives back, on every path, when it goes.
    struct BorrowedBitmap {
        explicit BorrowedBitmap(HBITMAP handle) { bitmap.SetHandle(handle); }
        ~BorrowedBitmap() { bitmap.ReleaseHandle(); }
        BorrowedBitmap(const BorrowedBitmap&) = delete;
        BorrowedBitmap& operator=(const BorrowedBitmap&) = delete;
        TBitmap bitmap;
    };

    template <class Draw> void Drawn(Draw primitive) {
        m_layer->BeginDraw();
        TCanvas* canvas = m_layer->Canvas();
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Pen()->SetStyle(psSolid);
        canvas->Pen()->SetMode(pmCopy);
        canvas->Brush()->SetColor(m_color.ToPlatform());
        canvas->Pen()->SetColor(m_color.ToPlatform());
        primitive(canvas);
        m_layer->EndDraw();
    }

    template <class Point> std::vector<TPoint> Mapped(const Point* points, int count) const {
        std::vector<TPoint> mapped;
        for (int i = 0; i < count; ++i) {
            const Point p = m_layer->MapPoint(points[i]);
            mapped.push_back(TPoint(p.x, p.y));
        }
        return mapped;
    }

    Layer* m_layer;
    Color m_color = Color::FromValue(0xFFFFFFFF);
};

} // namespace kiln

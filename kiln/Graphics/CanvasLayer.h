#pragma once
// A drawing surface over a platform canvas: the canvas (not owned), a background colour for
// erasures (white at first), a logical size, and a saver that keeps canvas state around
// drawing. Figure coordinates are surface coordinates here.

#include "kiln/Graphics/Color.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TRect.h"

namespace kiln {

template <class Saver> class CanvasLayer {
public:
    CanvasLayer(TCanvas* canvas, int width, int height)
        : m_canvas(canvas), m_width(width), m_height(height), m_saver(canvas) {}

    TCanvas* Canvas() const { return m_canvas; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    Color BackgroundColor() const { return Color::FromPlatform(m_background); }
    // Takes effect with the next erasure; nothing is repainted.
    void SetBackgroundColor(Color c) { m_background = c.Value() & 0xFFFFFF; }

    // Fills the rectangle with the background; the brush is left as it was. The colour goes
    // back before the style, since giving a clear brush a colour would make it solid.
    void Clear(const TRect& rect) {
        TBrush* brush = m_canvas->Brush();
        const TBrushStyle style = brush->Style();
        const TColor color = brush->Color();
        brush->SetStyle(bsSolid);
        brush->SetColor(m_background);
        m_canvas->FillRect(rect);
        brush->SetColor(color);
        brush->SetStyle(style);
    }
    void Clear() { Clear(TRect(0, 0, m_width, m_height)); }

    // Erases what growing uncovers, the new right strip and the new bottom strip; shrinking
    // erases nothing.
    void SetSize(int width, int height) {
        const int oldWidth = m_width, oldHeight = m_height;
        m_width = width;
        m_height = height;
        if (width > oldWidth) {
            Clear(TRect(oldWidth, 0, width, height));
        }
        if (height > oldHeight) {
            Clear(TRect(0, oldHeight, oldWidth, height));
        }
    }

    void BeginDraw() { m_saver.Save(); }
    void EndDraw() { m_saver.Restore(); }

    TRect MapRect(const TRect& rect) const { return rect; }
    template <class Point> Point MapPoint(const Point& point) const { return point; }

private:
    TCanvas* m_canvas;
    TColor m_background = 0xFFFFFF;
    int m_width;
    int m_height;
    Saver m_saver;
};

} // namespace kiln

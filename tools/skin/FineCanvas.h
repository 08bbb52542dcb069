#pragma once
// A picture drawn on a grid kScale times finer than its pixels and averaged down, so the
// platform's crisp GDI shapes come out with smooth edges. Coordinates are picture pixels,
// fractions allowed; the shapes are drawn by a kiln painter on a TBitmap's canvas, text and
// pictures by the canvas itself.

#include "tools/skin/Rgb.h"
#include "tools/skin/Shapes.h"

#include "platform/graphics/Surface.h"

#include <memory>
#include <string>
#include <string_view>

struct TextStyle {
    std::string font = "Arial";
    int height = -11; // the platform's font height: negative is the character height in pixels
    bool bold = true;
};

class FineCanvas {
public:
    static constexpr int kScale = 4;

    FineCanvas(int width, int height, Rgb ground);
    FineCanvas(const FineCanvas& other);
    ~FineCanvas();
    FineCanvas& operator=(const FineCanvas&) = delete;

    int Width() const { return m_width; }
    int Height() const { return m_height; }

    void FillRect(double left, double top, double right, double bottom, Rgb colour);
    void FillPolygon(const Polygon& polygon, Rgb colour);
    void FillEllipse(Vec2 centre, double rx, double ry, Rgb colour);
    // The polygon filled in bands whose colour runs from topColour at y = top to bottomColour
    // at y = bottom; rows above and below keep the end colours.
    void FillGradient(const Polygon& polygon, double top, double bottom, Rgb topColour,
                      Rgb bottomColour);
    // Text with its cell's top-left corner at the point, drawn with a clear background.
    void Text(Vec2 at, std::string_view text, const TextStyle& style, Rgb colour);
    double TextWidth(std::string_view text, const TextStyle& style) const;
    // A picture with its top-left corner at (x, y), each pixel covering its fine pixels.
    void DrawPicture(const Surface& picture, int x, int y);

    // Each pixel the mean of its kScale x kScale fine pixels.
    Surface Resolve() const;

private:
    struct Tools;

    int m_width;
    int m_height;
    std::unique_ptr<Tools> m_tools;
};

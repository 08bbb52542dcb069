#pragma once
// A font resolved to a face and a pixel size, which measures and draws UTF-8 text. Text is
// placed as GDI places it by default: (x, y) is the top-left corner of the text's cell, the
// baseline lies ascent pixels below y, and the pen advances by whole pixels without kerning.

#include "platform/graphics/FontRequest.h"
#include "platform/graphics/Surface.h"
#include "platform/kernel/Types.h"

#include <string>
#include <string_view>

struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int height = 0; // ascent + descent: the cell height
    int internalLeading = 0;
    int averageCharWidth = 0;
};

class ScaledFont {
public:
    virtual ~ScaledFont() = default;

    virtual const FontMetrics& Metrics() const = 0;
    virtual int TextWidth(std::string_view text) const = 0;
    // Blends the glyphs' coverage in the colour (a surface pixel), clipped to clip and the
    // surface; underline and strike-out lines are drawn when the font asks for them.
    virtual void Draw(Surface& target, int x, int y, std::string_view text, uint32_t pixel,
                      const RECT& clip) const = 0;
    // The family name of the face the font resolved to.
    virtual std::string FaceName() const = 0;
};

// The font for the request, resolved once and kept for the life of the process.
const ScaledFont& FontFor(const FontRequest& request);

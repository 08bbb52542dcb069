#pragma once
// LED seven-segment digits in the image-list order the window draws from: 0 to 9, the
// decimal point and an unlit digit, side by side in one strip on the display glass.

#include "tools/skin/FineCanvas.h"

struct DigitStyle {
    int cellWidth = 0;
    int cellHeight = 0;
    // The upright glyph's box inside the cell; the top is pushed right by slant pixels.
    double left = 0, top = 0, right = 0, bottom = 0;
    double stroke = 0; // segment thickness
    double gap = 0;    // between neighbouring segments' tips
    double slant = 0;
    double glow = 0; // width of the halo around lit segments
    Rgb lit;
    double unlitShare = 0; // how much of the lit colour an unlit segment keeps over the glass
};

// The frequency digits, lime, 22 x 27.
DigitStyle LargeDigitStyle();
// The voltage digits, aqua, 9 x 12.
DigitStyle MediumDigitStyle();

// Twelve cells: digit images, the point image, the unlit image.
Surface DrawDigitStrip(const DigitStyle& style);

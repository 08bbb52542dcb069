#pragma once
// Turns a bitmap into a window region: every pixel that is not of the transparent colour (give
// or take the tolerance) is inside. Colours and tolerance are COLORREFs, red in the low byte.

#include "platform/gdi/Gdi.h"

// The region, owned by the caller, or null when the bitmap is null or the working device
// contexts or the DIB copy cannot be made. A bitmap wholly of the transparent colour gives an
// empty region, not null.
HRGN BitmapToRegion(HBITMAP hBmp, COLORREF cTransparentColor, COLORREF cTolerance);

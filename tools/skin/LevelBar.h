#pragma once
// The voltage bar: 20 LED cells of 3 pixels with a pixel between them, rising in height and
// running from lime to aqua. Level i lights the first i cells; the 21 levels lie side by side.

#include "platform/graphics/Surface.h"

Surface DrawLevelBarStrip();

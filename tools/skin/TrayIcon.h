#pragma once
// The notification-area icons, 16 x 16 side by side: a small gauge, idle (grey) in the first
// image and lit in the second, the one the window shows.

#include "platform/graphics/Surface.h"

Surface DrawTrayIconStrip();

// The program's icon for menus and launchers at size x size pixels: the lit gauge drawn at that
// size, with its alpha (0 transparent, 255 opaque) in each pixel's high byte.
Surface DrawAppIcon(int size);

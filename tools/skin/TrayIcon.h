#pragma once
// The notification-area icons, 16 x 16 side by side: a small gauge, idle (grey) in the first
// image and lit in the second, the one the window shows.

#include "platform/graphics/Surface.h"

Surface DrawTrayIconStrip();

#pragma once

#include "platform/graphics/Surface.h"

#include <string>

// The tooltip a Qt program shows for `text` on this display, as the screen shows it: drawn by
// a Qt application of the tests' own, with Qt's own style, font and colours, so the program's
// tooltip can be compared with it pixel for pixel. Empty when no tooltip showed.
Surface ReferenceTooltip(const std::string& text);

#pragma once
// The drawing steps the standard controls share: bevelled frames and captions.

#include "platform/graphics/TColor.h"
#include "platform/graphics/TRect.h"

#include <string>

class TCanvas;
class TFont;

// Lines along the top and left edges in TopColor and along the bottom and right edges in
// BottomColor, Width times inwards; Rect shrinks by the frame.
void Frame3D(TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);

// The text in the font inside the rectangle with the given DrawText format, on the canvas's
// current background (none: the brush is cleared first).
void DrawCaption(TCanvas& Canvas, const std::string& Text, TFont* Font, TRect Rect,
                 unsigned Format);

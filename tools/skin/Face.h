#pragma once
// The instrument face, the window's background picture: a gunmetal body whose top-right
// corner is cut off along the line of the two window buttons, a recessed display glass for
// the arc and the frequency digits, a smaller one for the voltage bar and digits, the unit
// marks, a title and screws. Everything outside the outline is the cut-away colour.

#include "tools/skin/FineCanvas.h"

// The body's outline, moved inwards by inset pixels.
Polygon FaceOutline(double inset = 0);

class FaceDrawing {
public:
    // Draws everything but the arc, which differs from frame to frame.
    FaceDrawing();
    ~FaceDrawing();

    // The face with the first litArcSegments segments of the arc lit.
    Surface WithArc(int litArcSegments) const;

private:
    FineCanvas m_base;
    Vec2 m_arcOrigin;
    Surface m_coverage; // of the outline, from 0 (outside) to 255 (inside) in every channel
};

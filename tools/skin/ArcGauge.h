#pragma once
// The frequency arc: 20 segments sweeping from the lower left of its box up and across the
// top, widening as they go, like a tachometer's scale. Frame i of the window's bar has the
// first i segments lit. The arc keeps clear of the digits below it and of the box's
// bottom-left pixel, which the window takes as the frames' transparent colour.

#include "tools/skin/FineCanvas.h"

#include <string>
#include <vector>

class ArcGauge {
public:
    static constexpr int kSegments = 20;

    // The arc's box has its top-left corner at origin on the canvas.
    explicit ArcGauge(Vec2 origin);

    // Scale ticks, unlit segments, then the lit ones with their glow.
    void Draw(FineCanvas& canvas, int litSegments) const;

    const Polygon& Segment(int index) const { return m_segments[size_t(index)]; }

private:
    // Percentages of the full scale, inside the arc at every fifth tick but the first.
    struct ScaleMark {
        Vec2 centre;
        std::string text;
        double position; // along the scale, 0 to 1
    };

    Vec2 m_origin;
    std::vector<Polygon> m_segments;
    std::vector<Polygon> m_ticks;
    std::vector<bool> m_majorTick;
    std::vector<ScaleMark> m_scaleMarks;
};

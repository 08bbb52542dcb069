#include "tools/skin/ArcGauge.h"

#include "tools/skin/Palette.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The outer edge is part of an ellipse centred below the box, over the digits' right half:
// it climbs from the lower left, crests and dips a little towards the right end.
constexpr Vec2 kCentre{240, 96};
constexpr double kRadiusX = 232;
constexpr double kRadiusY = 88;
constexpr double kStartAngle = std::numbers::pi + 0.2;
constexpr double kEndAngle = 1.5 * std::numbers::pi + 0.18;
constexpr double kStartWidth = 8;
constexpr double kEndWidth = 21;
constexpr double kGap = 2.6;     // along the arc, between segments
constexpr double kTickGap = 1.8; // between the outer edge and a tick
constexpr double kMinorTick = 2.2;
constexpr double kMajorTick = 4.5;
constexpr double kMarkGap = 6.5; // from the inner edge to the centre of a scale number

struct ArcPoint {
    Vec2 at;
    Vec2 outward;
};

// The outer edge sampled finely, with the arc length at every sample, so segments can be
// laid out evenly along the curve rather than evenly in angle.
class OuterEdge {
public:
    OuterEdge() {
        constexpr int kSamples = 4000;
        Vec2 previous = PointAt(kStartAngle);
        for (int s = 0; s <= kSamples; ++s) {
            const double angle = kStartAngle + (kEndAngle - kStartAngle) * s / kSamples;
            const Vec2 p = PointAt(angle);
            m_total += Length(p - previous);
            m_angles.push_back(angle);
            m_lengths.push_back(m_total);
            previous = p;
        }
    }

    double Total() const { return m_total; }

    // The point at the given arc length from the start, and the edge's outward normal there.
    ArcPoint At(double length) const {
        size_t i = 1;
        while (i + 1 < m_lengths.size() && m_lengths[i] < length) {
            ++i;
        }
        const double t = (length - m_lengths[i - 1]) / (m_lengths[i] - m_lengths[i - 1]);
        const double angle = m_angles[i - 1] + (m_angles[i] - m_angles[i - 1]) * t;
        const Vec2 p = PointAt(angle);
        const Vec2 outward = Normalized(
            {(p.x - kCentre.x) / (kRadiusX * kRadiusX), (p.y - kCentre.y) / (kRadiusY * kRadiusY)});
        return {p, outward};
    }

    double WidthAt(double length) const {
        return kStartWidth + (kEndWidth - kStartWidth) * (length / m_total);
    }

private:
    static Vec2 PointAt(double angle) {
        return kCentre + Vec2{kRadiusX * std::cos(angle), kRadiusY * std::sin(angle)};
    }

    double m_total = 0;
    std::vector<double> m_angles;
    std::vector<double> m_lengths;
};

Rgb SegmentColour(int index) {
    return palette::Accent(double(index) / (ArcGauge::kSegments - 1));
}

} // namespace

ArcGauge::ArcGauge(Vec2 origin) : m_origin(origin) {
    const OuterEdge edge;
    const double pitch = edge.Total() / kSegments;
    for (int k = 0; k < kSegments; ++k) {
        const double from = k * pitch + kGap / 2, to = (k + 1) * pitch - kGap / 2;
        constexpr int kSteps = 6;
        Polygon outer, inner;
        for (int s = 0; s <= kSteps; ++s) {
            const double length = from + (to - from) * s / kSteps;
            const ArcPoint p = edge.At(length);
            outer.push_back(m_origin + p.at);
            inner.push_back(m_origin + p.at - p.outward * edge.WidthAt(length));
        }
        Polygon segment = outer;
        segment.insert(segment.end(), inner.rbegin(), inner.rend());
        m_segments.push_back(std::move(segment));
    }
    for (int k = 0; k <= kSegments; ++k) {
        const bool major = k % 5 == 0;
        const double length = std::clamp(k * pitch, 0.6, edge.Total() - 0.6);
        const ArcPoint p = edge.At(length);
        const Vec2 along{-p.outward.y, p.outward.x};
        const double half = major ? 0.6 : 0.45;
        const Vec2 foot = m_origin + p.at + p.outward * kTickGap;
        const Vec2 head = foot + p.outward * (major ? kMajorTick : kMinorTick);
        m_ticks.push_back(
            {foot - along * half, head - along * half, head + along * half, foot + along * half});
        m_majorTick.push_back(major);
        if (major && k > 0) {
            m_scaleMarks.push_back({m_origin + p.at - p.outward * (edge.WidthAt(length) + kMarkGap),
                                    std::to_string(k * 5), double(k) / kSegments});
        }
    }
}

void ArcGauge::Draw(FineCanvas& canvas, int litSegments) const {
    const TextStyle markStyle{"Arial", -8, true};
    for (const ScaleMark& mark : m_scaleMarks) {
        const double width = canvas.TextWidth(mark.text, markStyle);
        canvas.Text(mark.centre - Vec2{width / 2, 4.5}, mark.text, markStyle,
                    Mix(palette::kGlass, palette::Accent(mark.position), 0.5));
    }
    for (size_t k = 0; k < m_ticks.size(); ++k) {
        const Rgb tint = palette::Accent(double(k) / kSegments);
        canvas.FillPolygon(m_ticks[k], Mix(palette::kGlass, tint, m_majorTick[k] ? 0.55 : 0.3));
    }
    for (int k = 0; k < kSegments; ++k) {
        canvas.FillPolygon(m_segments[size_t(k)], palette::Unlit(SegmentColour(k)));
    }
    for (int k = 0; k < litSegments; ++k) {
        const Rgb lit = SegmentColour(k);
        canvas.FillPolygon(GrownConvex(m_segments[size_t(k)], 1.5),
                           Mix(palette::kGlass, lit, 0.22));
        canvas.FillPolygon(GrownConvex(m_segments[size_t(k)], 0.7), Mix(palette::kGlass, lit, 0.5));
    }
    for (int k = 0; k < litSegments; ++k) {
        const Rgb lit = SegmentColour(k);
        canvas.FillPolygon(m_segments[size_t(k)], lit);
        canvas.FillPolygon(GrownConvex(m_segments[size_t(k)], -2.2),
                           Mix(lit, palette::kWhite, 0.22));
    }
}

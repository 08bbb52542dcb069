#pragma once
// Shapes: plain copyable values made of control points, with integer coordinates.
//
//   polygon            any number of points; bounds are the least and greatest x and y
//   rectangle, ellipse two points, top-left and bottom-right of the (bounding) rectangle
//   rounded rectangle  the same two points and a corner width and height
//   circle, square     the same two points, always as wide as high
//
// Resizing keeps the top-left corner. A two-point shape moves its second point; a polygon
// stretches every point away from its top-left corner, in x and y independently, rounding each
// coordinate half up.

#include "kiln/Graphics/Point.h"
#include "kiln/Graphics/Scaling.h"
#include "platform/core/Assert.h"

#include <cstddef>
#include <vector>

namespace kiln {

template <class T> class BasicPolygon {
public:
    using PointType = BasicPoint<T>;

    // Two points at (0, 0).
    BasicPolygon() : m_controlPoints(2) {}

    std::size_t ControlPointCount() const { return m_controlPoints.size(); }
    const PointType& ControlPoint(std::size_t index) const {
        HUSHWAVE_ASSERT(index < ControlPointCount());
        return m_controlPoints[index];
    }
    void SetControlPoint(const PointType& point, std::size_t index) {
        HUSHWAVE_ASSERT(index < ControlPointCount());
        m_controlPoints[index] = point;
    }
    // Inserts before index; index = ControlPointCount() appends.
    void InsertControlPoint(const PointType& point, std::size_t index) {
        HUSHWAVE_ASSERT(index <= m_controlPoints.size());
        m_controlPoints.insert(m_controlPoints.begin() + std::ptrdiff_t(index), point);
    }
    const PointType* Points() const { return m_controlPoints.data(); }

    void Offset(T dx, T dy) {
        for (PointType& p : m_controlPoints) {
            p.x += dx;
            p.y += dy;
        }
    }

    T Left() const { return Bounds().left; }
    T Top() const { return Bounds().top; }
    T Right() const { return Bounds().right; }
    T Bottom() const { return Bounds().bottom; }
    T Width() const { return Right() - Left(); }
    T Height() const { return Bottom() - Top(); }

    // A polygon without extent in a direction gets one by moving its first point, and is
    // then stretched by the requested extent itself.
    void Resize(T width, T height) {
        const Box box = Bounds();
        const double fx = StretchFactor(width, box.left, box.right, m_controlPoints.front().x);
        const double fy = StretchFactor(height, box.top, box.bottom, m_controlPoints.front().y);
        for (PointType& p : m_controlPoints) {
            p.x = box.left + T(RoundHalfUp(double(p.x - box.left) * fx));
            p.y = box.top + T(RoundHalfUp(double(p.y - box.top) * fy));
        }
    }

private:
    struct Box {
        T left, top, right, bottom;
    };

    static double StretchFactor(T extent, T low, T high, T& firstCoordinate) {
        if (high == low) {
            firstCoordinate = low + 1;
            return double(extent);
        }
        return double(extent) / double(high - low);
    }

    Box Bounds() const {
        const PointType& first = m_controlPoints.front();
        Box box{first.x, first.y, first.x, first.y};
        for (std::size_t i = 1; i < m_controlPoints.size(); ++i) {
            const PointType& p = m_controlPoints[i];
            if (p.x < box.left) {
                box.left = p.x;
            } else if (p.x > box.right) {
                box.right = p.x;
            }
            if (p.y < box.top) {
                box.top = p.y;
            } else if (p.y > box.bottom) {
                box.bottom = p.y;
            }
        }
        return box;
    }

    std::vector<PointType> m_controlPoints;
};

// The two corner points that rectangles, ellipses, rounded rectangles, circles and squares are
// made of: top-left and bottom-right.
template <class T> class BasicRectangle {
public:
    using PointType = BasicPoint<T>;
    static constexpr std::size_t CONTROL_POINT_COUNT = 2;

    BasicRectangle() = default;
    BasicRectangle(const PointType& topLeft, const PointType& bottomRight)
        : m_points{topLeft, bottomRight} {}

    std::size_t ControlPointCount() const { return CONTROL_POINT_COUNT; }
    const PointType& ControlPoint(std::size_t index) const {
        HUSHWAVE_ASSERT(index < CONTROL_POINT_COUNT);
        return m_points[index];
    }
    void SetControlPoint(const PointType& point, std::size_t index) {
        HUSHWAVE_ASSERT(index < CONTROL_POINT_COUNT);
        m_points[index] = point;
    }

    void Offset(T dx, T dy) {
        for (PointType& p : m_points) {
            p.x += dx;
            p.y += dy;
        }
    }

    T Left() const { return m_points[0].x; }
    T Top() const { return m_points[0].y; }
    T Right() const { return m_points[1].x; }
    T Bottom() const { return m_points[1].y; }
    T Width() const { return Right() - Left(); }
    T Height() const { return Bottom() - Top(); }

    void Resize(T width, T height) {
        m_points[1] = PointType{m_points[0].x + width, m_points[0].y + height};
    }

private:
    PointType m_points[CONTROL_POINT_COUNT];
};

template <class T> class BasicEllipse : public BasicRectangle<T> {
public:
    using BasicRectangle<T>::BasicRectangle;
};

template <class T> class BasicRoundRect : public BasicRectangle<T> {
public:
    using BasicRectangle<T>::BasicRectangle;

    T CornerWidth() const { return m_cornerWidth; }
    T CornerHeight() const { return m_cornerHeight; }
    void SetCorner(T width, T height) {
        m_cornerWidth = width;
        m_cornerHeight = height;
    }

private:
    T m_cornerWidth = 0;
    T m_cornerHeight = 0;
};

// Two corner points that always make a square box.
template <class T> class BasicEqualSides {
public:
    using PointType = BasicPoint<T>;
    static constexpr std::size_t CONTROL_POINT_COUNT = 2;

    BasicEqualSides() = default;
    BasicEqualSides(T left, T top, T size)
        : m_data(PointType{left, top}, PointType{left + size, top + size}) {}

    std::size_t ControlPointCount() const { return CONTROL_POINT_COUNT; }
    const PointType& ControlPoint(std::size_t index) const { return m_data.ControlPoint(index); }
    void SetControlPoint(const PointType& point, std::size_t index) {
        m_data.SetControlPoint(point, index);
        HUSHWAVE_ASSERT(m_data.Width() == m_data.Height());
    }

    void Offset(T dx, T dy) { m_data.Offset(dx, dy); }
    T Left() const { return m_data.Left(); }
    T Top() const { return m_data.Top(); }
    T Right() const { return m_data.Right(); }
    T Bottom() const { return m_data.Bottom(); }
    T Width() const { return m_data.Width(); }
    T Height() const { return m_data.Height(); }

    void Resize(T width, T height) {
        HUSHWAVE_ASSERT(width == height);
        m_data.Resize(width, height);
    }

private:
    BasicRectangle<T> m_data;
};

template <class T> class BasicCircle : public BasicEqualSides<T> {
public:
    using BasicEqualSides<T>::BasicEqualSides;
};

template <class T> class BasicSquare : public BasicEqualSides<T> {
public:
    using BasicEqualSides<T>::BasicEqualSides;
};

using Polygon = BasicPolygon<int>;
using Rectangle = BasicRectangle<int>;
using Ellipse = BasicEllipse<int>;
using RoundRect = BasicRoundRect<int>;
using Circle = BasicCircle<int>;
using Square = BasicSquare<int>;

} // namespace kiln

#pragma once
// A point or direction in picture pixels. The skin's shapes are designed in fractional pixels
// and only rounded when they are drawn on the fine grid.

#include <cmath>

struct Vec2 {
    double x = 0;
    double y = 0;

    friend Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
    friend Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
    friend Vec2 operator*(Vec2 a, double s) { return {a.x * s, a.y * s}; }
    friend Vec2 operator*(double s, Vec2 a) { return {a.x * s, a.y * s}; }
};

inline double Dot(Vec2 a, Vec2 b) {
    return a.x * b.x + a.y * b.y;
}
inline double Cross(Vec2 a, Vec2 b) {
    return a.x * b.y - a.y * b.x;
}
inline double Length(Vec2 a) {
    return std::hypot(a.x, a.y);
}
inline Vec2 Normalized(Vec2 a) {
    const double length = Length(a);
    return length > 0 ? a * (1 / length) : Vec2{};
}
inline Vec2 Lerp(Vec2 a, Vec2 b, double t) {
    return a + (b - a) * t;
}

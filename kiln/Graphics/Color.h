#pragma once
// The in-house library's colour: red in bits 0-7, green in 8-15, blue in 16-23 (the byte order
// of a platform RGB colour) and 0xFF in bits 24-31 of every colour the library makes.

#include "platform/graphics/TColor.h"

#include <cstdint>

namespace kiln {

class Color {
public:
    // Black.
    constexpr Color() = default;
    constexpr Color(uint8_t red, uint8_t green, uint8_t blue)
        : m_value(red | (uint32_t(green) << 8) | (uint32_t(blue) << 16) | kOpaque) {}

    // System colours become their current RGB value.
    static Color FromPlatform(TColor color) { return FromValue(ColorToRGB(color) | kOpaque); }
    // The platform colour's bits as they are, system colour or not.
    static constexpr Color FromPlatformUnresolved(TColor color) {
        return FromValue(color | kOpaque);
    }
    static constexpr Color FromValue(uint32_t value) {
        Color c;
        c.m_value = value;
        return c;
    }

    constexpr TColor ToPlatform() const { return m_value & 0xFFFFFF; }
    constexpr uint32_t Value() const { return m_value; }
    constexpr uint8_t Red() const { return uint8_t(m_value); }
    constexpr uint8_t Green() const { return uint8_t(m_value >> 8); }
    constexpr uint8_t Blue() const { return uint8_t(m_value >> 16); }

    friend constexpr bool operator==(Color, Color) = default;

private:
    static constexpr uint32_t kOpaque = 0xFF000000;
    uint32_t m_value = kOpaque;
};

} // namespace kiln

#pragma once
// The skin's colours. The accents are the labels' own lime and aqua; everything else is a
// dark, slightly cool gunmetal, so the lit parts carry the picture.

#include "tools/skin/Rgb.h"

namespace palette {

// The cut-away around the outline: the background's top-left pixel names it, so it must
// appear nowhere inside the face.
inline constexpr Rgb kCutAway{0xFF, 0x00, 0xFF};

inline constexpr Rgb kLime{0x00, 0xFF, 0x00};
inline constexpr Rgb kAqua{0x00, 0xFF, 0xFF};
inline constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};
inline constexpr Rgb kBlack{0x00, 0x00, 0x00};

// Display glass: the flat ground of every digit, bar and arc picture.
inline constexpr Rgb kGlass{0x07, 0x0D, 0x0E};

inline constexpr Rgb kBodyTop{0x3A, 0x41, 0x48};
inline constexpr Rgb kBodyBottom{0x17, 0x1A, 0x1E};
inline constexpr Rgb kEdge{0x04, 0x05, 0x06};
inline constexpr Rgb kBevelLight{0x9A, 0xA4, 0xAC};
inline constexpr Rgb kBevelDark{0x0C, 0x0E, 0x10};

// How much of a segment's colour an unlit segment keeps over the glass.
inline constexpr double kUnlitShare = 0.13;

// The accent gradient: lime at the start of a scale, aqua at its end.
inline Rgb Accent(double t) {
    return Mix(kLime, kAqua, t);
}
inline Rgb Unlit(Rgb lit) {
    return Mix(kGlass, lit, kUnlitShare);
}

} // namespace palette

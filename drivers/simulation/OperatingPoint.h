#pragma once
// One operating point of a family 0Fh processor: its frequency code (FID) and voltage code
// (VID), as the FID/VID status register reports them.

namespace zvsim {

struct OperatingPoint {
    int fid = 0;
    int vid = 0;

    friend bool operator==(const OperatingPoint&, const OperatingPoint&) = default;
};

// The processor's core clock at the 200 MHz reference clock: multiplier 4 plus half the FID.
constexpr int MegahertzOf(int fid) {
    return 800 + 100 * fid;
}

// The voltage a VID code asks the regulator for.
constexpr int MillivoltsOf(int vid) {
    return 1550 - 25 * vid;
}

} // namespace zvsim

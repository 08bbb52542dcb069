// The rounding rules of scaled geometry, with worked numbers.

#include "kiln/Graphics/Scaling.h"

#include <gtest/gtest.h>

namespace {

TEST(Scaling, GroupFactorsAreSinglePrecisionQuotients) {
    EXPECT_EQ(kiln::GroupFactor(36, 18), 2.0f);
    EXPECT_EQ(kiln::GroupFactor(9, 18), 0.5f);
    EXPECT_EQ(kiln::GroupFactor(100, 27), 100.0f / 27.0f);
    EXPECT_EQ(kiln::GroupFactor(0, 42), 0.0f);
}

// A single-precision factor is often a little below the exact quotient, so scaling a base size
// up to a target can land one short of it: 27 × (100 / 27) gives 99.
TEST(Scaling, GroupProductsTruncateTowardZero) {
    struct Case {
        int value;
        float factor;
        int expected;
    };
    for (Case c :
         {Case{3, 0.5f, 1}, Case{7, 1.5f, 10}, Case{-3, 0.5f, -1}, Case{6, 0.0f, 0},
          Case{27, kiln::GroupFactor(100, 27), 99}, Case{18, kiln::GroupFactor(30, 18), 29},
          Case{18, kiln::GroupFactor(36, 18), 36}}) {
        EXPECT_EQ(kiln::TruncScaled(c.value, c.factor), c.expected) << c.value << "x" << c.factor;
    }
}

TEST(Scaling, ShapeCoordinatesRoundHalfUp) {
    struct Case {
        double value;
        int expected;
    };
    for (Case c : {Case{2.5, 3}, Case{2.4999, 2}, Case{-2.5, -2}, Case{-2.6, -3}, Case{16.0, 16},
                   Case{0.5, 1}}) {
        EXPECT_EQ(kiln::RoundHalfUp(c.value), c.expected) << c.value;
    }
}

} // namespace

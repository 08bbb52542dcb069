// Font colour sets: a notification per change of a colour, exactly one per assignment of a
// whole set, and no writing into a set of another class.

#include "package/ZvFourStateFontColor.h"
#include "package/ZvThreeStateFontColor.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>

namespace {

constexpr TColor kRed = 0x000000FF;
constexpr TColor kBlue = 0x00FF0000;
constexpr TColor kNotSet = ZvCtrlFontColor::NotSet;

// Counts the notifications of a set.
template <class Set> struct Watched {
    Watched() {
        set.SetOnChange([this](TObject* sender) {
            EXPECT_EQ(sender, &set);
            ++changes;
        });
    }
    Set set;
    int changes = 0;
};

TEST(ZvFontColor, ColoursStartUnsetAndNotifyOnlyWhenTheyChange) {
    Watched<ZvFourStateFontColor> four;
    EXPECT_EQ(four.set.GetRaised(), kNotSet);
    EXPECT_EQ(four.set.GetDisabled(), kNotSet);
    four.set.SetRaised(kRed);
    four.set.SetRaised(kRed);
    four.set.SetDisabled(kNotSet);
    EXPECT_EQ(four.changes, 1);
    EXPECT_EQ(four.set.GetRaised(), kRed);

    Watched<ZvThreeStateFontColor> three;
    three.set.SetSunken(kBlue);
    three.set.SetFocused(kBlue);
    three.set.SetFocused(kBlue);
    EXPECT_EQ(three.changes, 2);
}

// Sunken, focused, disabled of the source; the destination starts as {red, unset, blue}.
struct AssignCase {
    const char* name;
    std::array<TColor, 3> source;
    friend void PrintTo(const AssignCase& c, std::ostream* os) { *os << c.name; }
};

class ThreeStateAssign : public ::testing::TestWithParam<AssignCase> {};

TEST_P(ThreeStateAssign, NotifiesTheDestinationOnceWhateverChanges) {
    const auto& [s, f, d] = GetParam().source;
    Watched<ZvThreeStateFontColor> source;
    source.set.SetSunken(s);
    source.set.SetFocused(f);
    source.set.SetDisabled(d);
    Watched<ZvThreeStateFontColor> destination;
    destination.set.SetSunken(kRed);
    destination.set.SetDisabled(kBlue);
    destination.changes = 0;
    source.changes = 0;

    destination.set.Assign(&source.set);
    EXPECT_EQ(destination.changes, 1);
    EXPECT_EQ(source.changes, 0);
    EXPECT_EQ(destination.set.GetSunken(), s);
    EXPECT_EQ(destination.set.GetFocused(), f);
    EXPECT_EQ(destination.set.GetDisabled(), d);
}

INSTANTIATE_TEST_SUITE_P(Cases, ThreeStateAssign,
                         ::testing::Values(AssignCase{"all differ", {kBlue, kRed, kNotSet}},
                                           AssignCase{"some differ", {kRed, kRed, kBlue}},
                                           AssignCase{"none differ", {kRed, kNotSet, kBlue}}),
                         [](const auto& info) { return std::to_string(info.index); });

TEST(ZvFontColor, AFourStateSetCopiesAllFourColoursWithOneNotification) {
    ZvFourStateFontColor source;
    source.SetRaised(1);
    source.SetSunken(2);
    source.SetFocused(3);
    source.SetDisabled(4);
    Watched<ZvFourStateFontColor> destination;
    destination.set.Assign(&source);
    EXPECT_EQ(destination.changes, 1);
    EXPECT_EQ(destination.set.GetRaised(), 1u);
    EXPECT_EQ(destination.set.GetSunken(), 2u);
    EXPECT_EQ(destination.set.GetFocused(), 3u);
    EXPECT_EQ(destination.set.GetDisabled(), 4u);
}

TEST(ZvFontColor, ASetOfTheOtherKindIsRefusedAndLeftAlone) {
    Watched<ZvFourStateFontColor> four;
    Watched<ZvThreeStateFontColor> three;
    three.set.SetSunken(kRed);
    three.changes = 0;
    try {
        four.set.Assign(&three.set);
        FAIL() << "a three-state set was written into a four-state one";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(),
                  "Cannot assign a ZvThreeStateFontColor to a ZvFourStateFontColor");
    }
    EXPECT_THROW(three.set.Assign(&four.set), EConvertError);
    EXPECT_EQ(four.set.GetSunken(), kNotSet);
    EXPECT_EQ(three.set.GetSunken(), kRed);
    EXPECT_EQ(four.changes + three.changes, 0);
}

} // namespace

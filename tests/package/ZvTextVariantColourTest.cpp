// The caption colours of the text check box and the text radio button: which colour set the
// value chooses, the three-state and four-state rules within it, and the caption repainted on
// a change of any set.

#include "SkinnedForm.h"
#include "package/ZvCheckBoxTx.h"
#include "package/ZvRadioButtonTx.h"
#include "platform/core/Exception.h"
#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr TColor kNotSet = ZvCtrlFontColor::NotSet;
constexpr TColor kFont = clRed;
constexpr TColor kOtherSets = clYellow; // every colour of the sets the value does not choose

enum class Kind { Box, Radio };

struct ColourCase {
    const char* name;
    Kind kind;
    TCheckBoxState value; // a radio button is checked or not
    int subState;
    TColor raised, sunken, focused, disabled; // of the set the value chooses
    TColor drawn;
};

void Fill(ZvFourStateFontColor& set, TColor raised, TColor sunken, TColor focused,
          TColor disabled) {
    set.SetRaised(raised);
    set.SetSunken(sunken);
    set.SetFocused(focused);
    set.SetDisabled(disabled);
}

void Fill(ZvThreeStateFontColor& set, TColor sunken, TColor focused, TColor disabled) {
    set.SetSunken(sunken);
    set.SetFocused(focused);
    set.SetDisabled(disabled);
}

class TextVariantColour : public SkinnedForm, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(TextVariantColour, FollowsTheRuleOfTheSetTheValueChooses) {
    const ColourCase& c = GetParam();
    auto fillChosen = [&](auto& set) {
        if constexpr (std::is_same_v<std::decay_t<decltype(set)>, ZvFourStateFontColor>) {
            Fill(set, c.raised, c.sunken, c.focused, c.disabled);
        } else {
            Fill(set, c.sunken, c.focused, c.disabled);
        }
    };
    TColor drawn = kNotSet;
    if (c.kind == Kind::Box) {
        auto* box = Place<ZvCheckBoxTx>(0, 0);
        ZvCheckBoxFontColor& sets = *box->GetFontColors();
        Fill(*sets.GetCheck(), kOtherSets, kOtherSets, kOtherSets, kOtherSets);
        Fill(*sets.GetGray(), kOtherSets, kOtherSets, kOtherSets, kOtherSets);
        Fill(*sets.GetUncheck(), kOtherSets, kOtherSets, kOtherSets);
        if (c.value == cbChecked) {
            fillChosen(*sets.GetCheck());
        } else if (c.value == cbGrayed) {
            fillChosen(*sets.GetGray());
        } else {
            fillChosen(*sets.GetUncheck());
        }
        box->Font()->SetColor(kFont);
        box->SetState(c.value);
        box->ShowBitmap(static_cast<int>(c.value) * 4 + c.subState);
        drawn = box->GetFontColorOfCurState();
    } else {
        auto* radio = Place<ZvRadioButtonTx>(0, 0);
        ZvRadioBtnFontColor& sets = *radio->GetFontColors();
        Fill(*sets.GetCheck(), kOtherSets, kOtherSets, kOtherSets, kOtherSets);
        Fill(*sets.GetUncheck(), kOtherSets, kOtherSets, kOtherSets);
        if (c.value == cbChecked) {
            fillChosen(*sets.GetCheck());
        } else {
            fillChosen(*sets.GetUncheck());
        }
        radio->Font()->SetColor(kFont);
        radio->SetChecked(c.value == cbChecked);
        radio->ShowBitmap((c.value == cbChecked ? 4 : 0) + c.subState);
        drawn = radio->GetFontColorOfCurState();
    }
    EXPECT_EQ(drawn, c.drawn);
}

using enum Kind;
const TColor kGrayText = GetSysColor(COLOR_GRAYTEXT);
const TColor N = kNotSet;

INSTANTIATE_TEST_SUITE_P(
    Cases, TextVariantColour,
    ::testing::Values(
        // unchecked: the three-state rule
        ColourCase{"box_unchecked_raised_is_the_font", Box, cbUnchecked, 0, N, clLime, clBlue,
                   clGray, kFont},
        ColourCase{"box_unchecked_sunken", Box, cbUnchecked, 1, N, clLime, clBlue, clGray, clLime},
        ColourCase{"box_unchecked_focused_not_set", Box, cbUnchecked, 2, N, clLime, N, clGray,
                   kFont},
        ColourCase{"box_unchecked_disabled_not_set", Box, cbUnchecked, 3, N, clLime, clBlue, N,
                   kGrayText},
        ColourCase{"radio_unchecked_raised_is_the_font", Radio, cbUnchecked, 0, N, clLime, clBlue,
                   clGray, kFont},
        ColourCase{"radio_unchecked_focused", Radio, cbUnchecked, 2, N, clLime, clBlue, clGray,
                   clBlue},
        ColourCase{"radio_unchecked_disabled_not_set", Radio, cbUnchecked, 3, N, clLime, clBlue, N,
                   kGrayText},
        // checked and grayed: the four-state rule
        ColourCase{"box_checked_raised", Box, cbChecked, 0, clNavy, clLime, clBlue, clGray, clNavy},
        ColourCase{"box_checked_sunken_not_set_is_raised", Box, cbChecked, 1, clNavy, N, clBlue,
                   clGray, clNavy},
        ColourCase{"box_checked_focused_not_set_is_raised", Box, cbChecked, 2, clNavy, clLime, N,
                   clGray, clNavy},
        ColourCase{"box_checked_disabled_not_set_is_grey_text", Box, cbChecked, 3, clNavy, clLime,
                   clBlue, N, kGrayText},
        ColourCase{"box_checked_nothing_set_is_the_font", Box, cbChecked, 1, N, N, clBlue, clGray,
                   kFont},
        ColourCase{"box_grayed_focused", Box, cbGrayed, 2, clNavy, clLime, clPurple, clGray,
                   clPurple},
        ColourCase{"box_grayed_raised_not_set_is_the_font", Box, cbGrayed, 0, N, clLime, clBlue,
                   clGray, kFont},
        ColourCase{"radio_checked_sunken", Radio, cbChecked, 1, clNavy, clLime, clBlue, clGray,
                   clLime},
        ColourCase{"radio_checked_focused_not_set_is_raised", Radio, cbChecked, 2, clNavy, clLime,
                   N, clGray, clNavy},
        ColourCase{"radio_checked_system_colour_resolved", Radio, cbChecked, 0, clBtnText, clLime,
                   clBlue, clGray, GetSysColor(COLOR_BTNTEXT)}),
    [](const ::testing::TestParamInfo<ColourCase>& info) { return std::string(info.param.name); });

// A 40 x 20 text check box at 10, 10 on white pictures for all twelve states, captioned "H".
class CheckBoxCaption : public SkinnedForm {
protected:
    void SetUp() override {
        SkinnedForm::SetUp();
        box = Place<ZvCheckBoxTx>(10, 10);
        for (int state = 0; state < 12; ++state) {
            box->SetStateBitmap(Picture(40, 20, clWhite).get(), state);
        }
        box->Font()->SetHeight(-14);
        box->Font()->SetColor(clRed);
        box->SetText("H");
    }
    std::set<TColor> CaptionColours() {
        MessageLoop::Instance().ProcessMessages();
        return ColoursBesides(clWhite, RECT{10, 10, 50, 30});
    }

    ZvCheckBoxTx* box = nullptr;
};

// The subsets that told the one handler of a composite set of a change, in order.
template <class Composite> std::vector<TObject*> AssignAndWatch(Composite& to, Composite& from) {
    std::vector<TObject*> senders;
    to.SetOnChange([&senders](TObject* sender) { senders.push_back(sender); });
    to.Assign(&from);
    to.SetOnChange(nullptr);
    return senders;
}

TEST(CompositeFontColors, AssigningCopiesEachSubsetUncheckedFirstWithOneNotificationEach) {
    ZvCheckBoxFontColor box, boxCopy;
    box.GetUncheck()->SetSunken(clLime);
    box.GetCheck()->SetRaised(clNavy);
    box.GetGray()->SetDisabled(clPurple);
    EXPECT_EQ(AssignAndWatch(boxCopy, box),
              (std::vector<TObject*>{boxCopy.GetUncheck(), boxCopy.GetCheck(), boxCopy.GetGray()}));
    EXPECT_EQ(boxCopy.GetUncheck()->GetSunken(), clLime);
    EXPECT_EQ(boxCopy.GetCheck()->GetRaised(), clNavy);
    EXPECT_EQ(boxCopy.GetGray()->GetDisabled(), clPurple);

    ZvRadioBtnFontColor radio, radioCopy;
    radio.GetUncheck()->SetFocused(clBlue);
    radio.GetCheck()->SetSunken(clMaroon);
    EXPECT_EQ(AssignAndWatch(radioCopy, radio),
              (std::vector<TObject*>{radioCopy.GetUncheck(), radioCopy.GetCheck()}));
    EXPECT_EQ(radioCopy.GetUncheck()->GetFocused(), clBlue);
    EXPECT_EQ(radioCopy.GetCheck()->GetSunken(), clMaroon);

    EXPECT_THROW(radioCopy.Assign(&box), EConvertError);
    EXPECT_THROW(boxCopy.Assign(&radio), EConvertError);
    EXPECT_EQ(radioCopy.GetCheck()->GetRaised(), kNotSet) << "left as it was";
}

TEST_F(CheckBoxCaption, AChangeOfAnyColourSetRepaintsTheCaption) {
    box->SetState(cbGrayed);
    box->GetFontColors()->GetGray()->SetRaised(clBlue);
    EXPECT_EQ(CaptionColours(), (std::set<TColor>{clBlue}));
    box->SetState(cbChecked);
    box->GetFontColors()->GetCheck()->SetRaised(clLime);
    EXPECT_EQ(CaptionColours(), (std::set<TColor>{clLime}));
    box->SetState(cbUnchecked);
    box->ShowSunken();
    box->GetFontColors()->GetUncheck()->SetSunken(clNavy);
    EXPECT_EQ(CaptionColours(), (std::set<TColor>{clNavy}));
}

TEST_F(CheckBoxCaption, ANewStandInPictureKeepsTheCaption) {
    box->SetStateBitmap(nullptr, 6);
    box->SetChecked(true);
    box->ShowFocused();
    box->GetAppearance()->GetCheck()->SetRaisedBmp(Picture(40, 20, clWhite).get());
    EXPECT_EQ(CaptionColours(), (std::set<TColor>{clRed}));
}

TEST_F(CheckBoxCaption, ANewPictureOfTheShownStateKeepsTheCaption) {
    box->SetChecked(true);
    box->ShowFocused();
    box->GetAppearance()->GetCheck()->SetFocusedBmp(Picture(40, 20, clWhite).get());
    EXPECT_EQ(CaptionColours(), (std::set<TColor>{clRed}));
}

} // namespace

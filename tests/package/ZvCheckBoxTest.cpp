// The check box on a form of the headless window system: how clicks and the space character
// move its value on, which picture each value and request shows when some are missing, and
// the box read from a form resource.

#include "Pictures.h"
#include "ResourcePicture.h"
#include "SkinnedForm.h"
#include "package/ZvCheckBoxTx.h"
#include "platform/binding/FormClassInfo.h"
#include "platform/binding/FormReader.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

// A colour of its own for each of the twelve states.
TColor StateColour(int state) {
    return static_cast<TColor>(0x204000 + 0x10 * state);
}

// A 20 x 10 check box at 10, 10; its clicks are counted.
class ZvCheckBoxTest : public SkinnedForm {
protected:
    void SetUp() override {
        SkinnedForm::SetUp();
        box = Place<ZvCheckBox>(10, 10);
        box->OnClick = [this](TObject*) { ++clicks; };
    }
    // Pictures for the given states only; the others stay empty.
    void GivePictures(const std::vector<int>& states) {
        for (int state : states) {
            box->SetStateBitmap(Picture(20, 10, StateColour(state)).get(), state);
        }
    }
    void GiveAllPictures() { GivePictures({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}); }
    // The state whose picture the box shows now.
    int Shown() {
        TColor colour = Screen(15, 15);
        for (int state = 0; state < 12; ++state) {
            if (StateColour(state) == colour) {
                return state;
            }
        }
        return -1;
    }

    ZvCheckBox* box = nullptr;
    int clicks = 0;
};

struct CycleCase {
    const char* name;
    bool allowGrayed;
    TCheckBoxState start;
    std::array<TCheckBoxState, 3> afterClicks;
};

class ZvCheckBoxCycle : public ZvCheckBoxTest, public ::testing::WithParamInterface<CycleCase> {};

TEST_P(ZvCheckBoxCycle, EachClickGivesTheNextValueAndShowsItsGroup) {
    const CycleCase& c = GetParam();
    GiveAllPictures();
    box->SetAllowGrayed(c.allowGrayed);
    box->SetState(c.start);
    int n = 0;
    for (TCheckBoxState expected : c.afterClicks) {
        pointer->Click(PointerButton::Left, 15, 15);
        EXPECT_EQ(box->GetState(), expected) << "click " << n;
        EXPECT_EQ(box->GetChecked(), expected == cbChecked);
        int group = static_cast<int>(expected) * 4;
        EXPECT_EQ(Shown(), group) << "the released picture in the new value's group";
        EXPECT_EQ(clicks, ++n);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ZvCheckBoxCycle,
    ::testing::Values(
        CycleCase{"two_state", false, cbUnchecked, {cbChecked, cbUnchecked, cbChecked}},
        CycleCase{"allow_grayed", true, cbUnchecked, {cbGrayed, cbChecked, cbUnchecked}},
        CycleCase{"grayed_from_code_without_allow_grayed",
                  false,
                  cbGrayed,
                  {cbChecked, cbUnchecked, cbChecked}}),
    [](const ::testing::TestParamInfo<CycleCase>& info) { return std::string(info.param.name); });

TEST_F(ZvCheckBoxTest, AValueSetFromCodeKeepsTheCurrentPictureOfItsGroup) {
    GiveAllPictures();
    box->SetEnabled(false);
    box->SetState(cbGrayed);
    EXPECT_EQ(Shown(), 11) << "grayed, disabled";
    EXPECT_FALSE(box->GetChecked()) << "a grayed box is not checked";
    box->SetChecked(true);
    EXPECT_EQ(Shown(), 7);
    box->SetState(cbGrayed);
    box->SetChecked(false);
    EXPECT_EQ(box->GetState(), cbUnchecked) << "Checked false clears a grayed box";
    EXPECT_EQ(Shown(), 3);
    EXPECT_EQ(clicks, 0) << "no event from code";
}

struct StandInCase {
    const char* name;
    std::vector<int> pictures;
    int requested;
    int shown;
};

class ZvCheckBoxStandIn : public ZvCheckBoxTest,
                          public ::testing::WithParamInterface<StandInCase> {};

TEST_P(ZvCheckBoxStandIn, AMissingPictureIsItsGroupsRaisedOneThenStateZeros) {
    GivePictures(GetParam().pictures);
    box->ShowBitmap(GetParam().requested);
    EXPECT_EQ(Shown(), GetParam().shown);
    EXPECT_EQ(box->GetCurState(), GetParam().requested) << "the request is kept";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ZvCheckBoxStandIn,
    ::testing::Values(StandInCase{"own_picture", {0, 4, 5}, 5, 5},
                      StandInCase{"checked_sunken_missing", {0, 1, 4}, 5, 4},
                      StandInCase{"grayed_disabled_missing", {0, 8}, 11, 8},
                      StandInCase{"no_checked_pictures", {0, 1, 2, 3}, 5, 0},
                      StandInCase{"only_unchecked_for_grayed_focus", {0, 1, 2, 3}, 10, 0},
                      StandInCase{"group_raised_itself_missing", {0, 5}, 4, 0},
                      StandInCase{"unchecked_sunken_missing", {0}, 1, 0}),
    [](const ::testing::TestParamInfo<StandInCase>& info) { return std::string(info.param.name); });

TEST_F(ZvCheckBoxTest, ReplacingTheStandInShowsTheNewPicture) {
    GivePictures({0, 4});
    box->SetChecked(true);
    box->ShowFocused();
    EXPECT_EQ(Shown(), 4);
    box->GetAppearance()->GetCheck()->SetRaisedBmp(Picture(20, 10, StateColour(9)).get());
    EXPECT_EQ(Shown(), 9) << "the new checked-raised picture stands in for checked-focused";
}

TEST_F(ZvCheckBoxTest, HoldingTheSpaceKeyTogglesWithEveryRepeatedCharacter) {
    GiveAllPictures();
    box->SetFocus();
    keyboard->KeyDown(VK_SPACE);
    EXPECT_EQ(Shown(), 1);
    std::vector<TCheckBoxState> seen;
    for (int repeat = 0; repeat < 3; ++repeat) {
        keyboard->Character(' ');
        seen.push_back(box->GetState());
        EXPECT_EQ(Shown(), box->GetChecked() ? 5 : 1) << "still sunken, in the new group";
        keyboard->KeyDown(VK_SPACE);
    }
    keyboard->KeyUp(VK_SPACE);
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked, cbChecked}));
    EXPECT_EQ(Shown(), 6) << "released with the focus: checked, focused";
    EXPECT_EQ(clicks, 3);
}

TEST_F(ZvCheckBoxTest, WithClicksDisabledClicksAndSpaceStillChangeTheValue) {
    GiveAllPictures();
    box->SetClicksDisabled(true);
    pointer->MoveTo(15, 15);
    pointer->Press(PointerButton::Left);
    EXPECT_EQ(Shown(), 2) << "no sunken picture";
    pointer->Release(PointerButton::Left);
    EXPECT_EQ(box->GetState(), cbChecked);
    box->SetFocus();
    keyboard->Type(VK_SPACE, ' ');
    EXPECT_EQ(box->GetState(), cbUnchecked);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ZvCheckBoxTest, AssigningAnAppearanceCopiesAllTwelvePictures) {
    ZvCheckBox other(nullptr);
    for (int state = 0; state < 12; ++state) {
        other.SetStateBitmap(Picture(20, 10, StateColour(state)).get(), state);
    }
    box->SetAppearance(other.GetAppearance());
    for (int state = 0; state < 12; ++state) {
        EXPECT_EQ(TopLeft(*box->GetStateBitmap(state)), PixelFromColorRef(StateColour(state)));
    }
}

class TBoxForm : public TForm {
public:
    HUSHWAVE_CLASS_NAME(TBoxForm)

    explicit TBoxForm(TComponent* owner) : TForm(owner) {}

    static const FormClassInfo& Published() {
        static const FormClassInfo info =
            FormClassInfo::Of<TBoxForm>("TForm").Field("chk", &TBoxForm::chk);
        return info;
    }

    ZvCheckBoxTx* chk = nullptr;
};

TEST(ZvCheckBoxResource, SetsEveryPropertyOfTheBoxAndItsNestedSets) {
    PublishZvCheckBoxTx();
    {
        TBoxForm form(nullptr);
        ReadFormResource(form, TBoxForm::Published(),
                         std::string_view("object frm: TBoxForm\n  object chk: ZvCheckBoxTx\n"
                                          "    AllowGrayed = True\n    State = cbGrayed\n"
                                          "    ClicksDisabled = True\n    ShowMouseOver = False\n"
                                          "    Caption = 'Auto'\n"
                                          "    FontColors.Gray.Focused = clLime\n"
                                          "    FontColors.Uncheck.Sunken = clBlue\n"
                                          "    FontColors.Check.Raised = clNavy\n"
                                          "    Appearance.Gray.RaisedBmp.Data = " +
                                          HexPicture(14, 9, clRed) +
                                          "\n    Appearance.Check.SunkenBmp.Data = " +
                                          HexPicture(14, 9, clLime) + "\n  end\nend\n"));
        ASSERT_NE(form.chk, nullptr);
        ZvCheckBoxTx& b = *form.chk;
        EXPECT_TRUE(b.GetAllowGrayed());
        EXPECT_EQ(b.GetState(), cbGrayed);
        EXPECT_TRUE(b.GetClicksDisabled());
        EXPECT_FALSE(b.GetShowMouseOver());
        EXPECT_EQ(b.GetText(), "Auto");
        EXPECT_EQ(b.GetFontColors()->GetGray()->GetFocused(), clLime);
        EXPECT_EQ(b.GetFontColors()->GetUncheck()->GetSunken(), clBlue);
        EXPECT_EQ(b.GetFontColors()->GetCheck()->GetRaised(), clNavy);
        EXPECT_EQ(TopLeft(*b.GetStateBitmap(8)), PixelFromColorRef(clRed));
        EXPECT_EQ(TopLeft(*b.GetStateBitmap(5)), PixelFromColorRef(clLime));
        EXPECT_TRUE(b.IsStateEmpty(0));
    }
    MessageLoop::Instance().Reset();
}

} // namespace

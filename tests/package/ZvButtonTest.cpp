// The bitmap button on a form of the headless window system: its four pictures, its click
// giving the form its ModalResult, and its clicks by the space character.

#include "package/ZvButton.h"
#include "SkinnedForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A 20 x 10 button at 10, 10 with a picture for each request; its clicks are counted.
class ZvButtonTest : public SkinnedForm {
protected:
    void SetUp() override {
        SkinnedForm::SetUp();
        button = Place<ZvButton>(10, 10);
        button->OnClick = [this](TObject*) { ++clicks; };
        button->OnDblClick = [this](TObject*) { ++doubleClicks; };
        ZvFourStateAppearance& pictures = *button->GetAppearance();
        pictures.SetRaisedBmp(Picture(20, 10, clRed).get());
        pictures.SetSunkenBmp(Picture(20, 10, clLime).get());
        pictures.SetFocusedBmp(Picture(20, 10, clBlue).get());
        pictures.SetDisabledBmp(Picture(20, 10, clGray).get());
    }

    ZvButton* button = nullptr;
    int clicks = 0;
    int doubleClicks = 0;
};

TEST_F(ZvButtonTest, EachRequestShowsItsPicture) {
    EXPECT_EQ(Screen(15, 15), clRed);
    pointer->MoveTo(15, 15);
    EXPECT_EQ(Screen(15, 15), clBlue);
    pointer->Press(PointerButton::Left);
    EXPECT_EQ(Screen(15, 15), clLime);
    pointer->Release(PointerButton::Left);
    button->SetEnabled(false);
    EXPECT_EQ(Screen(15, 15), clGray);

    TBitmap empty;
    button->SetEnabled(true);
    button->GetAppearance()->SetSunkenBmp(&empty);
    pointer->MoveTo(16, 15);
    pointer->Press(PointerButton::Left);
    EXPECT_EQ(Screen(15, 15), clRed) << "no sunken picture: the raised one";
}

TEST_F(ZvButtonTest, AClickGivesTheFormTheButtonsModalResultAlsoWhenItIsNone) {
    for (TModalResult result : {mrOk, mrNone, mrCancel}) {
        form->SetModalResult(7);
        button->SetModalResult(result);
        pointer->Click(PointerButton::Left, 15, 15);
        EXPECT_EQ(form->ModalResult(), result);
    }
    EXPECT_EQ(clicks, 3);
}

TEST_F(ZvButtonTest, ASecondQuickPressIsAnotherClick) {
    pointer->Click(PointerButton::Left, 15, 15);
    pointer->PressAsDoubleClick(PointerButton::Left);
    EXPECT_EQ(Screen(15, 15), clLime);
    pointer->Release(PointerButton::Left);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(doubleClicks, 0);
}

enum class Key { SpaceDown, SpaceUp, Space, Letter };

struct SpaceCase {
    const char* name;
    bool spaceBecomesX; // an OnKeyPress handler changes a space to an x
    std::vector<Key> keys;
    int clicks;
};

class ZvButtonSpace : public ZvButtonTest, public ::testing::WithParamInterface<SpaceCase> {};

TEST_P(ZvButtonSpace, ClicksOnTheSpaceCharacterAsOnKeyPressLeavesIt) {
    if (GetParam().spaceBecomesX) {
        button->OnKeyPress = [](TObject*, char& key) {
            if (key == ' ') {
                key = 'x';
            }
        };
    }
    button->SetFocus();
    for (Key key : GetParam().keys) {
        switch (key) {
        case Key::SpaceDown:
            keyboard->KeyDown(VK_SPACE);
            break;
        case Key::SpaceUp:
            keyboard->KeyUp(VK_SPACE);
            break;
        case Key::Space:
            keyboard->Character(' ');
            break;
        case Key::Letter:
            keyboard->Character('a');
            break;
        }
    }
    EXPECT_EQ(clicks, GetParam().clicks);
}

using enum Key;

INSTANTIATE_TEST_SUITE_P(
    Cases, ZvButtonSpace,
    ::testing::Values(SpaceCase{"space", false, {SpaceDown, Space, SpaceUp}, 1},
                      SpaceCase{"held_space_repeats",
                                false,
                                {SpaceDown, Space, SpaceDown, Space, SpaceDown, Space, SpaceUp},
                                3},
                      SpaceCase{
                          "space_changed_by_the_handler", true, {SpaceDown, Space, SpaceUp}, 0},
                      SpaceCase{"another_character", false, {Letter}, 0}),
    [](const ::testing::TestParamInfo<SpaceCase>& info) { return std::string(info.param.name); });

} // namespace

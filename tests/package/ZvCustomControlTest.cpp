// The skinned state control on a form of the headless window system: which picture a state
// shows, the size taken from state 0's picture, and the shape cut by the transparent colour,
// which decides where presses land and what is painted.

#include "package/ZvCustomControl.h"
#include "SkinnedForm.h"
#include "package/ZvButton.h"
#include "platform/controls/ControlMessages.h"
#include "platform/controls/InputDispatcher.h"
#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

namespace {

// States 0 to 3, where an empty state 3 stands in for by state 1 and any other by state 0.
class ChainedStates : public ZvCustomControl {
public:
    explicit ChainedStates(TComponent* owner) : ZvCustomControl(owner, false, 4) {}
    int Substitute(int state) override { return state == 3 ? 1 : 0; }
};

using ZvCustomControlTest = SkinnedForm;

TEST_F(ZvCustomControlTest, AnEmptyStateShowsItsSubstituteAndStaysTheStateAskedFor) {
    auto* control = Place<ChainedStates>(10, 10);
    control->SetStateBitmap(Picture(8, 6, clRed).get(), 0);
    control->SetStateBitmap(Picture(8, 6, clLime).get(), 1);
    struct Step {
        int show;
        TColor seen;
    };
    for (Step step : {Step{1, clLime}, Step{2, clRed}, Step{3, clLime}, Step{0, clRed}}) {
        control->ShowBitmap(step.show);
        EXPECT_EQ(Screen(12, 12), step.seen) << "state " << step.show;
        EXPECT_EQ(control->GetCurState(), step.show);
    }
    control->ShowBitmap(3);
    control->SetStateBitmap(Picture(8, 6, clBlue).get(), 3);
    EXPECT_EQ(Screen(12, 12), clBlue) << "a picture for the state asked for is shown at once";
    control->SetStateBitmap(Picture(8, 6, clYellow).get(), 2);
    EXPECT_EQ(Screen(12, 12), clBlue) << "another state's picture shows nothing yet";
}

TEST_F(ZvCustomControlTest, TheSizeIsLockedToStateZerosPictureWhileItHasOne) {
    auto* button = Place<ZvButton>(10, 10);
    button->SetBounds(10, 10, 50, 40);
    EXPECT_EQ(button->Width(), 50) << "without a picture the control sizes freely";

    button->GetAppearance()->SetRaisedBmp(Picture(12, 8, clRed).get());
    EXPECT_EQ(button->BoundsRect(), (RECT{10, 10, 22, 18}));
    button->SetBounds(20, 15, 30, 30);
    EXPECT_EQ(button->BoundsRect(), (RECT{20, 15, 32, 23})) << "moves, keeps its size";
    button->SetWidth(100);
    EXPECT_EQ(button->Width(), 12);
    button->GetAppearance()->SetSunkenBmp(Picture(30, 30, clLime).get());
    EXPECT_EQ(button->Width(), 12) << "only state 0 gives the size";

    TBitmap empty;
    button->GetAppearance()->SetRaisedBmp(&empty);
    EXPECT_EQ(button->BoundsRect(), (RECT{20, 15, 32, 23})) << "an empty picture keeps the size";
    button->SetBounds(20, 15, 30, 30);
    EXPECT_EQ(button->Width(), 30) << "and lets the control be sized again";
}

// A 20 x 10 button at 10, 10 whose left half is of the key colour, fuchsia, which the raised
// picture's bottom-left pixel gives the control; pressed, its right half turns green, under
// the pointer blue.
class ShapedButton : public SkinnedForm {
protected:
    void SetUp() override {
        SkinnedForm::SetUp();
        button = Place<ZvButton>(10, 10);
        button->OnClick = [this](TObject*) { ++clicks; };
        button->GetAppearance()->SetRaisedBmp(Picture(20, 10, clRed, 10).get());
        button->GetAppearance()->SetSunkenBmp(Picture(20, 10, clLime, 10).get());
        button->GetAppearance()->SetFocusedBmp(Picture(20, 10, clBlue, 10).get());
        button->SetTransparent(true);
    }
    void PressAndRelease(int x, int y) {
        pointer->MoveTo(x, y);
        pointer->Press(PointerButton::Left);
        pressedSeen = Screen(x, y);
        pressed = button->IsPressed();
        pointer->Release(PointerButton::Left);
    }

    ZvButton* button = nullptr;
    int clicks = 0;
    TColor pressedSeen = 0;
    bool pressed = false;
};

TEST_F(ShapedButton, PressesOnTransparentPixelsDoNothing) {
    EXPECT_EQ(button->GetTransparentColor(), clFuchsia);
    EXPECT_EQ(Screen(12, 12), clBlack) << "the cut part shows the form";
    EXPECT_EQ(Screen(25, 12), clRed);

    PressAndRelease(12, 12);
    EXPECT_FALSE(pressed);
    EXPECT_EQ(Screen(25, 12), clRed) << "no sunken picture";
    EXPECT_EQ(clicks, 0) << "the press went to the form under the cut";

    PressAndRelease(25, 12);
    EXPECT_TRUE(pressed);
    EXPECT_EQ(pressedSeen, clLime);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ShapedButton, HoverFollowsTheShape) {
    pointer->MoveTo(25, 12);
    EXPECT_TRUE(button->IsHot());
    EXPECT_EQ(Screen(25, 12), clBlue);
    // Hover holds the capture, so this move reaches the button although it is over the cut.
    pointer->MoveTo(12, 12);
    EXPECT_FALSE(button->IsHot());
    EXPECT_EQ(Screen(25, 12), clRed);
    PressAndRelease(12, 12);
    EXPECT_FALSE(pressed);
}

TEST_F(ShapedButton, TransparentColorSetToItsOwnValueRebuildsTheRegion) {
    SetWindowRgn(button->Handle(), HRGN{}, TRUE);
    // Pixels changed in place tell nobody, so only a rebuild can see them.
    for (int y = 0; y < 10; ++y) {
        for (int x = 10; x < 15; ++x) {
            button->GetStateBitmap(0)->PixelRow(y)[x] = PixelFromColorRef(clFuchsia);
        }
    }
    ASSERT_TRUE(button->PointInside(12, 2));

    button->SetTransparentColor(button->GetTransparentColor());

    EXPECT_FALSE(button->PointInside(12, 2));
    EXPECT_TRUE(button->PointInside(17, 2));
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(button->Handle(), shape), ERROR) << "the window has its shape again";
    EXPECT_FALSE(PtInRegion(shape, 12, 2));
    EXPECT_TRUE(PtInRegion(shape, 17, 2));
    DeleteObject(HGDIOBJ(shape));
}

TEST_F(ShapedButton, TransparentWithoutAPictureReactsNowhereWhileThePlatformStillClicks) {
    TBitmap empty;
    button->GetAppearance()->SetRaisedBmp(&empty);
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(button->Handle(), shape), ERROR) << "no window region";
    DeleteObject(HGDIOBJ(shape));
    EXPECT_FALSE(button->PointInside(12, 2));

    PressAndRelease(25, 12);
    EXPECT_FALSE(pressed);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ShapedButton, TransparentOffGivesTheWholeRectangleBack) {
    button->SetTransparent(false);
    EXPECT_TRUE(button->PointInside(2, 2));
    PressAndRelease(12, 12);
    EXPECT_TRUE(pressed);
    EXPECT_EQ(pressedSeen, clFuchsia) << "the key colour is drawn like any other";
}

TEST_F(ShapedButton, TheBackgroundIsNeverErasedOutsideDesignTime) {
    button->SetColor(clBlue);
    EXPECT_EQ(button->Perform(WM_ERASEBKGND, 0, 0), 1);
    EXPECT_EQ(Screen(25, 12), clRed);
}

TEST_F(ShapedButton, AtDesignTimeNoRegionIsSetAndTheBackgroundIsErased) {
    auto* designed = new ZvButton(form.get());
    designed->SetDesigning(true);
    designed->SetParent(form.get());
    designed->SetBounds(40, 40, 20, 10);
    designed->SetColor(clBlue);
    designed->GetAppearance()->SetRaisedBmp(Picture(20, 10, clRed, 10).get());
    designed->SetTransparent(true);
    designed->SetTransparentColor(clFuchsia);

    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(designed->Handle(), shape), ERROR);
    DeleteObject(HGDIOBJ(shape));
    form->Invalidate();
    EXPECT_EQ(Screen(42, 42), clBlue) << "the erased background shows through the key colour";
    EXPECT_EQ(Screen(55, 42), clRed);
}

TEST_F(ZvCustomControlTest, AControlShapedBeforeItHasAParentTakesItsShapeWhenPlaced) {
    auto* button = new ZvButton(form.get());
    button->GetAppearance()->SetRaisedBmp(Picture(20, 10, clRed, 10).get());
    button->SetTransparent(true);
    EXPECT_FALSE(button->HandleAllocated());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 20, 10);
    EXPECT_EQ(Screen(12, 12), clBlack);
    EXPECT_EQ(Screen(25, 12), clRed);
}

TEST_F(ShapedButton, AControlPlacedInAParentAgainTakesItsShapeAlong) {
    button->SetParent(nullptr);
    button->SetParent(form.get());
    EXPECT_EQ(Screen(12, 12), clBlack);
    EXPECT_FALSE(button->PointInside(2, 2));
    EXPECT_TRUE(button->PointInside(12, 2));
}

} // namespace

// The bitmap state control in a control on a form of the headless window system: which state
// its image shows, when it paints, bitmaps loaded into its states, and what goes with it.

#include "kiln/Component/TBmpLEDCtrl.h"
#include "platform/controls/TCustomControl.h"
#include "platform/controls/TCustomForm.h"
#include "platform/controls/TImage.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/graphics/Surface.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>

namespace {

// A control that owns its state control and lets it go in its destructor, before the control's
// own components are released, as a skinned control does.
struct SkinnedHost : TCustomControl {
    SkinnedHost(TComponent* owner, int stateCount)
        : TCustomControl(owner),
          states(std::make_unique<kiln::TBmpLEDCtrl>(this, this, stateCount)) {}
    std::unique_ptr<kiln::TBmpLEDCtrl> states;
};

struct Host : TCustomControl {
    using TCustomControl::TCustomControl;
};

void Fill(TBitmap& bitmap, int width, int height, TColor color) {
    bitmap.SetSize(width, height);
    bitmap.Canvas()->Brush()->SetColor(color);
    bitmap.Canvas()->FillRect(TRect(0, 0, width, height));
}

class BmpLEDCtrlTest : public testing::Test {
protected:
    static constexpr int kHostLeft = 10, kHostTop = 6;

    void SetUp() override {
        form->SetBounds(0, 0, 60, 40);
        form->SetColor(clBlack);
        host = new Host(form.get());
        host->SetBounds(kHostLeft, kHostTop, 30, 20);
        host->SetParent(form.get());
        form->Show();
        MessageLoop::Instance().ProcessMessages();
        states = std::make_unique<kiln::TBmpLEDCtrl>(host, host, 4);
    }
    void TearDown() override {
        states.reset();
        form.reset();
        MessageLoop::Instance().Reset();
    }

    // A pixel of the bitmap the image draws, and the same pixel on the form's window.
    TColor Drawn(int x, int y) { return states->Canvas()->Pixels(x, y); }
    TColor OnScreen(int x, int y) {
        Surface& surface = FindWindow(form->Handle())->GetSurface();
        return ColorRefFromPixel(surface.Pixel(kHostLeft + x, kHostTop + y));
    }
    // Marks the image's bitmap, so that a later look shows whether it was painted over.
    void Scribble() { states->Canvas()->SetPixels(0, 0, clFuchsia); }
    bool Scribbled() { return Drawn(0, 0) == clFuchsia; }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    Host* host = nullptr;
    std::unique_ptr<kiln::TBmpLEDCtrl> states;
};

TEST_F(BmpLEDCtrlTest, StartsWithEmptyStatesInAnEmptyImageAtTheControlsCorner) {
    EXPECT_EQ(states->StateCount(), 4);
    EXPECT_EQ(states->State(), 0);
    EXPECT_EQ(states->Width(), 0);
    EXPECT_EQ(states->Height(), 0);
    EXPECT_EQ(states->Left(), 0);
    EXPECT_EQ(states->Top(), 0);
    // What an empty picture bitmap in fixed transparent mode reports here.
    EXPECT_EQ(states->TransparentColor(), 0x000000u);
    std::set<TBitmap*> distinct;
    for (int i = 0; i < 4; ++i) {
        distinct.insert(states->Bitmap(i));
        EXPECT_TRUE(states->Bitmap(i)->Empty());
    }
    EXPECT_EQ(distinct.size(), 4u);
    ASSERT_EQ(host->ControlCount(), 1);
    auto* image = dynamic_cast<TImage*>(host->Controls(0));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Owner(), host);
    EXPECT_FALSE(image->Enabled());
}

TEST_F(BmpLEDCtrlTest, ShowingAStateCopiesItsBitmapIntoTheImageOnce) {
    states->SetImageSize(4, 3);
    TBitmap red;
    Fill(red, 4, 3, clRed);
    states->SetBitmap(&red, 2);
    EXPECT_EQ(Drawn(3, 2), clWhite) << "state 2 is not shown yet";
    states->SetState(2);
    EXPECT_EQ(states->State(), 2);
    EXPECT_EQ(Drawn(3, 2), clRed);
    Scribble();
    states->SetState(2);
    EXPECT_TRUE(Scribbled()) << "showing the shown state again paints nothing";
}

TEST_F(BmpLEDCtrlTest, AChangeToTheShownBitmapRepaintsTheImageAtOnce) {
    states->SetImageSize(4, 3);
    TBitmap green;
    Fill(green, 4, 3, clLime);
    states->SetState(1);
    states->SetBitmap(&green, 1);
    EXPECT_EQ(Drawn(1, 1), clLime);
    EXPECT_EQ(OnScreen(1, 1), clLime) << "refreshed without waiting for the message loop";

    TBitmap blue;
    Fill(blue, 4, 3, clBlue);
    Scribble();
    states->SetBitmap(&blue, 3);
    states->OnBitmapChange(&blue);
    EXPECT_TRUE(Scribbled()) << "other senders change nothing visible";
    EXPECT_EQ(Drawn(1, 1), clLime);
    states->SetState(0);
    Scribble();
    states->OnBitmapChange(&blue);
    EXPECT_TRUE(Scribbled()) << "nor while the first state is shown";
    states->SetState(1);

    states->Bitmap(1)->Canvas()->SetPixels(2, 2, clYellow);
    EXPECT_EQ(Drawn(2, 2), clYellow) << "drawing on the shown bitmap repaints too";
    EXPECT_EQ(OnScreen(2, 2), clYellow);
    states->SetState(3);
    EXPECT_EQ(Drawn(2, 2), clBlue);
}

TEST_F(BmpLEDCtrlTest, ABitmapLoadedFromAFileIntoTheShownStateShows) {
    TBitmap saved;
    Fill(saved, 5, 4, clRed);
    saved.Canvas()->SetPixels(4, 3, clLime);
    const std::string path = testing::TempDir() + "/bmp-led-ctrl-state.bmp";
    saved.SaveToFile(path);
    states->SetImageSize(5, 4);
    states->Bitmap(0)->LoadFromFile(path);
    std::filesystem::remove(path);
    EXPECT_EQ(Drawn(0, 0), clRed);
    EXPECT_EQ(Drawn(4, 3), clLime);
    EXPECT_EQ(OnScreen(4, 3), clLime);
}

TEST_F(BmpLEDCtrlTest, MovingTheImageKeepsItsContent) {
    states->SetImageSize(4, 3);
    Scribble();
    states->Offset(3, -2);
    EXPECT_EQ(states->Left(), 3);
    EXPECT_EQ(states->Top(), -2);
    EXPECT_TRUE(Scribbled());
}

TEST_F(BmpLEDCtrlTest, GrowingTheImageErasesWhatItUncovers) {
    states->SetImageSize(2, 2);
    Scribble();
    states->Canvas()->SetPixels(1, 1, clFuchsia);
    states->SetImageSize(4, 3);
    EXPECT_EQ(states->Width(), 4);
    EXPECT_EQ(states->Height(), 3);
    EXPECT_TRUE(Scribbled());
    EXPECT_EQ(Drawn(3, 0), clWhite);
    EXPECT_EQ(Drawn(0, 2), clWhite);
}

TEST_F(BmpLEDCtrlTest, TransparentColourReadsBackResolvedAndTheFlagGoesToTheImage) {
    states->SetTransparentColor(clBtnFace);
    EXPECT_EQ(states->TransparentColor(), ColorToRGB(clBtnFace));
    states->SetTransparentColor(0x030201);
    EXPECT_EQ(states->TransparentColor(), 0x030201u);
    EXPECT_FALSE(states->Transparent());
    states->SetTransparent(true);
    EXPECT_TRUE(states->Transparent());
    EXPECT_TRUE(dynamic_cast<TImage*>(host->Controls(0))->Transparent());
}

TEST_F(BmpLEDCtrlTest, GoingAwayTakesTheImageAndEveryBitmapWithIt) {
    states.reset();
    TBitmap picture;
    Fill(picture, 4, 3, clRed);
    const size_t before = GdiObjectCount();
    states = std::make_unique<kiln::TBmpLEDCtrl>(host, host, 3);
    for (int i = 0; i < 3; ++i) {
        states->SetBitmap(&picture, i);
    }
    states->SetImageSize(4, 3);
    states->SetState(1);
    EXPECT_GT(GdiObjectCount(), before);
    states.reset();
    EXPECT_EQ(GdiObjectCount(), before);
    EXPECT_EQ(host->ComponentCount(), 0);
    EXPECT_EQ(host->ControlCount(), 0);
}

// Freed alone, the control's state control frees the image; freed with its form, the form
// frees the image and the state control leaves it. Either way once: the sanitizer build would
// report a second free.
TEST_F(BmpLEDCtrlTest, AControlThatOwnsItCanBeFreedAloneOrWithItsForm) {
    auto* alone = new SkinnedHost(form.get(), 3);
    alone->SetParent(form.get());
    auto* withForm = new SkinnedHost(form.get(), 3);
    withForm->SetParent(form.get());
    for (SkinnedHost* h : {alone, withForm}) {
        h->states->SetImageSize(4, 3);
        TBitmap picture;
        Fill(picture, 4, 3, clRed);
        h->states->SetBitmap(&picture, 0);
    }
    const int components = form->ComponentCount();
    Free(alone);
    EXPECT_EQ(form->ComponentCount(), components - 1);
    form.reset();
}

TEST_F(BmpLEDCtrlTest, AnImageFreedBeforeItIsNotFreedAgain) {
    form.reset();
    states.reset();
}

TEST(BmpLEDCtrlDeathTest, NeedsAtLeastOneStateAndAStateInRange) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TForm form(nullptr);
    const char* report = "^Assertion failed: stateCount > 0, file "
                         ".*kiln/Component/Source/TBmpLEDCtrl\\.cpp, line [0-9]+\n";
    EXPECT_DEATH(kiln::TBmpLEDCtrl(&form, &form, 0), report);
    EXPECT_DEATH(kiln::TBmpLEDCtrl(&form, &form, -1), report);
    kiln::TBmpLEDCtrl states(&form, &form, 2);
    EXPECT_DEATH(states.Bitmap(2), "^Assertion failed: index < \\(int\\) m_bitmaps\\.size\\(\\), "
                                   "file .*kiln/Component/LED/BmpLED\\.h, line [0-9]+\n");
    EXPECT_DEATH(states.SetState(2), "^Assertion failed: state >= 0 && state < StateCount\\(\\)");
}

} // namespace

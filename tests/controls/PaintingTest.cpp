// Composing a window: the form's colour, its non-windowed controls in order, its windowed
// children inside their regions; drawing on the form's canvas until the next repaint; what a
// control's Repaint touches.

#include "platform/backend/headless/HeadlessWindowSystem.h"
#include "platform/controls/TControlCanvas.h"
#include "platform/controls/TCustomControl.h"
#include "platform/controls/TCustomForm.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TLabel.h"
#include "platform/controls/TPicture.h"
#include "platform/core/Exception.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"
#include "platform/window/WindowCalls.h"
#include "platform/window/WindowSystem.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Swatch : TCustomControl {
    using TCustomControl::TCustomControl;
};

uint32_t PixelOf(TColor color) {
    return PixelFromColorRef(ColorToRGB(color));
}

class Painting : public ::testing::Test {
protected:
    void SetUp() override {
        form->SetBounds(0, 0, 100, 60);
        form->SetColor(clRed);
        image = new TImage(form.get());
        image->SetBounds(10, 10, 30, 20);
        image->Picture()->Bitmap()->SetSize(30, 20);
        Fill(image->Canvas(), clLime, 30, 20);
        image->SetParent(form.get());
        swatch = new Swatch(form.get());
        swatch->SetBounds(25, 15, 20, 20);
        swatch->SetColor(clBlue);
        swatch->SetParent(form.get());
        form->Show();
        Pump();
    }
    void TearDown() override {
        form.reset();
        MessageLoop::Instance().Reset();
    }

    static void Fill(TCanvas* canvas, TColor color, int width, int height) {
        canvas->Brush()->SetColor(color);
        canvas->FillRect(TRect(0, 0, width, height));
    }
    void Pump() { MessageLoop::Instance().ProcessMessages(); }
    uint32_t At(int x, int y) { return FindWindow(form->Handle())->GetSurface().Pixel(x, y); }
    int Presents() {
        return dynamic_cast<HeadlessWindowSystem&>(CurrentWindowSystem()).PresentCount();
    }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TImage* image = nullptr;
    Swatch* swatch = nullptr;
};

TEST_F(Painting, TheFormThenItsNonWindowedControlsThenItsWindowedChildren) {
    EXPECT_EQ(At(5, 5), PixelOf(clRed));
    EXPECT_EQ(At(12, 12), PixelOf(clLime));
    EXPECT_EQ(At(30, 20), PixelOf(clBlue)) << "the windowed child lies over the image";
    EXPECT_EQ(At(44, 34), PixelOf(clBlue));
    EXPECT_EQ(At(45, 35), PixelOf(clRed)) << "right and bottom edges are outside";
}

TEST_F(Painting, AWindowedChildPaintsOnlyInsideItsRegion) {
    FindWindow(swatch->Handle())->SetRegion(Region(0, 0, 10, 20), false);
    form->Repaint();
    EXPECT_EQ(At(30, 20), PixelOf(clBlue));
    EXPECT_EQ(At(37, 20), PixelOf(clLime)) << "the image shows where the child is cut away";
    EXPECT_EQ(At(42, 32), PixelOf(clRed));
}

TEST_F(Painting, WhatTheFormsRegionCutsAwayIsBlack) {
    FindWindow(form->Handle())->SetRegion(Region(0, 0, 50, 60), false);
    form->Repaint();
    EXPECT_EQ(At(12, 12), PixelOf(clLime));
    EXPECT_EQ(At(60, 5), 0u);
}

TEST_F(Painting, FormCanvasDrawingIsShownAtOnceAndLastsUntilTheNextRepaint) {
    int presents = Presents();
    form->Canvas()->SetPixels(70, 50, clYellow);
    form->Canvas()->SetPixels(12, 12, clYellow);
    EXPECT_EQ(At(70, 50), PixelOf(clYellow));
    EXPECT_GT(Presents(), presents);

    // The image covers itself completely, so its repaint leaves the rest alone.
    image->Repaint();
    EXPECT_EQ(At(12, 12), PixelOf(clLime));
    EXPECT_EQ(At(70, 50), PixelOf(clYellow));

    form->Invalidate();
    EXPECT_EQ(At(70, 50), PixelOf(clYellow)) << "nothing is painted before the loop runs";
    Pump();
    EXPECT_EQ(At(70, 50), PixelOf(clRed));
}

TEST_F(Painting, APictureDrawnAgainOntoTheSamePixelsPresentsNothing) {
    TBitmap frame;
    frame.SetWidth(8);
    frame.SetHeight(8);
    Fill(frame.Canvas(), clYellow, 8, 8);
    frame.SetTransparent(true);
    frame.SetTransparentMode(tmFixed);
    frame.SetTransparentColor(clBlack);
    form->Canvas()->Draw(60, 40, &frame);
    int presents = Presents();
    form->Canvas()->Draw(60, 40, &frame);
    EXPECT_EQ(Presents(), presents) << "the timer's redraw of an unchanged frame";
    form->Canvas()->Draw(61, 40, &frame);
    EXPECT_EQ(Presents(), presents + 1);
    EXPECT_EQ(At(68, 40), PixelOf(clYellow));
}

TEST_F(Painting, ATransparentControlsRepaintRedrawsWhatLiesBehindIt) {
    auto* label = new TLabel(form.get());
    label->SetAutoSize(false);
    label->SetTransparent(true);
    label->SetBounds(50, 40, 30, 15);
    label->SetParent(form.get());
    Pump();
    form->Canvas()->SetPixels(55, 45, clYellow);
    int presents = Presents();
    label->Repaint();
    EXPECT_EQ(At(55, 45), PixelOf(clRed));
    EXPECT_EQ(Presents(), presents + 1) << "a repaint is on the screen when it returns";
}

TEST_F(Painting, ATransparentImageLeavesItsTransparentColourOut) {
    // The bottom-left pixel gives the transparent colour.
    TCanvas* canvas = image->Canvas();
    Fill(canvas, clAqua, 30, 20);
    canvas->Brush()->SetColor(clLime);
    canvas->FillRect(TRect(0, 0, 5, 5));
    image->SetTransparent(true);
    form->Canvas()->SetPixels(20, 20, clYellow);
    image->Repaint();
    EXPECT_EQ(At(12, 12), PixelOf(clLime));
    EXPECT_EQ(At(20, 20), PixelOf(clRed)) << "what lies behind was painted again first";
}

TEST_F(Painting, APaintHandlerThatThrowsLeavesTheCanvasOnTheWindow) {
    // A shaped form paints through a scratch copy that is gone once painting ends.
    FindWindow(form->Handle())
        ->SetRegion(Region(0, 0, 100, 60).Combined(Region(0, 0, 5, 5), RegionOperation::Subtract),
                    false);
    form->OnPaint = [](TObject*) { throw Exception("paint failed"); };
    EXPECT_THROW(form->Repaint(), Exception);
    auto* canvas = dynamic_cast<TControlCanvas*>(form->Canvas());
    ASSERT_NE(canvas, nullptr);
    EXPECT_FALSE(canvas->Painting());
    form->Canvas()->SetPixels(70, 50, clYellow);
    EXPECT_EQ(At(70, 50), PixelOf(clYellow)) << "drawn on the window, not on the freed copy";
}

TEST_F(Painting, AnImageWhosePaintingThrewStillRepaintsWhenItsPictureChanges) {
    TCanvas* onWindow = static_cast<TGraphicControl*>(image)->Canvas();
    onWindow->OnChange = [&](TObject*) {
        onWindow->OnChange = nullptr;
        throw Exception("paint failed");
    };
    EXPECT_THROW(image->Repaint(), Exception);
    Fill(image->Canvas(), clAqua, 30, 20);
    Pump();
    EXPECT_EQ(At(12, 12), PixelOf(clAqua));
}

TEST_F(Painting, AFormShownAgainByAWindowCallPaintsItsControlsAgain) {
    // As the main window is brought back from the tray.
    ShowWindow(form->Handle(), SW_HIDE);
    EXPECT_FALSE(form->Visible());
    SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    EXPECT_TRUE(form->Visible());
    Fill(image->Canvas(), clAqua, 30, 20);
    Pump();
    EXPECT_EQ(At(12, 12), PixelOf(clAqua));
}

TEST_F(Painting, AChildsNewRegionWithRedrawPaintsWhereTheOldOneReached) {
    HRGN left = CreateRectRgn(0, 0, 10, 20);
    SetWindowRgn(swatch->Handle(), left, TRUE);
    Pump();
    EXPECT_EQ(At(37, 20), PixelOf(clLime)) << "the image shows where the child is cut away";
    HRGN right = CreateRectRgn(10, 0, 20, 20);
    SetWindowRgn(swatch->Handle(), right, TRUE);
    Pump();
    EXPECT_EQ(At(30, 20), PixelOf(clLime)) << "the old shape's part was painted again";
    EXPECT_EQ(At(37, 20), PixelOf(clBlue));
    HRGN none{};
    SetWindowRgn(swatch->Handle(), none, FALSE);
    Pump();
    EXPECT_EQ(At(30, 20), PixelOf(clLime)) << "without redraw nothing is painted";
}

TEST_F(Painting, AShapedChildsCanvasDrawsOnlyInsideItsRegion) {
    SetWindowRgn(swatch->Handle(), CreateRectRgn(0, 0, 10, 20), TRUE);
    Pump();
    Fill(swatch->Canvas(), clYellow, 20, 20);
    EXPECT_EQ(At(30, 20), PixelOf(clYellow));
    EXPECT_EQ(At(37, 20), PixelOf(clLime)) << "the image behind the cut-away part stays";
    EXPECT_EQ(At(42, 32), PixelOf(clRed));
}

} // namespace
